#include "gui_support/x_program.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

Display* dpy(void* d) {
  return static_cast<Display*>(d);
}

void pause_ms(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string read_file(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The window of process `pid` under `w` (its _NET_WM_PID), or 0.
Window window_of(Display* d, Window w, int pid) {
  const Atom property = XInternAtom(d, "_NET_WM_PID", True);
  if (property != None) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr) {
      const long found = count == 1 ? *reinterpret_cast<long*>(data) : -1;
      XFree(data);
      if (found == pid) return w;
    }
  }
  Window root = 0, parent = 0, *children = nullptr;
  unsigned int n = 0;
  Window result = 0;
  if (XQueryTree(d, w, &root, &parent, &children, &n)) {
    for (unsigned int i = 0; i < n && result == 0; ++i) result = window_of(d, children[i], pid);
    if (children) XFree(children);
  }
  return result;
}

// A failed request (a window that went away) is no reason to end the test program.
int ignore_errors(Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

void use_test_display() {
  if (std::getenv("DISPLAY")) return;
  const char* file = std::getenv("AGV_X_DISPLAY_FILE");
  std::string name;
  if (file && std::getline(std::ifstream(file) >> std::ws, name))
    setenv("DISPLAY", name.c_str(), 1);
}

int Shot::count(Rgb c, int x0, int y0, int x1, int y1, int fuzz) const {
  int n = 0;
  for (int y = std::max(y0, 0); y <= std::min(y1, height - 1); ++y) {
    for (int x = std::max(x0, 0); x <= std::min(x1, width - 1); ++x) {
      const Rgb p = at(x, y);
      n +=
          std::abs(p.r - c.r) <= fuzz && std::abs(p.g - c.g) <= fuzz && std::abs(p.b - c.b) <= fuzz;
    }
  }
  return n;
}

int Shot::right_edge(Rgb c, int x0, int y0, int x1, int y1) const {
  for (int x = std::min(x1, width - 1); x >= std::max(x0, 0); --x) {
    if (count(c, x, y0, x, y1, 25) > 0) return x;
  }
  return -1;
}

std::vector<int> Shot::dark_run(int x, int y, int length, bool along_row) const {
  std::vector<int> at_offsets;
  for (int i = 0; i < length; ++i) {
    const Rgb p = along_row ? at(x + i, y) : at(x, y + i);
    // The grey of the picture tools: 0.299 r + 0.587 g + 0.114 b.
    if (0.299 * p.r + 0.587 * p.g + 0.114 * p.b < 80) at_offsets.push_back(i);
  }
  return at_offsets;
}

XProgram::XProgram(const std::string& program, const std::vector<std::string>& args,
                   const std::string& dir, XProgramOptions options)
    : dir_(dir) {
  use_test_display();
  int pipe_fds[2] = {-1, -1};
  if (options.input_pipe && pipe(pipe_fds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    setsid();
    if (chdir(dir.c_str()) != 0) _exit(127);
    const int in = options.input_pipe ? pipe_fds[0] : open("/dev/null", O_RDONLY);
    dup2(in, 0);
    dup2(open((dir + "/err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    if (options.stdout_closed) {
      close(1);
    } else {
      dup2(open((dir + "/out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
    }
    for (int fd = 3; fd < 256; ++fd) close(fd);
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  if (options.input_pipe) {
    close(pipe_fds[0]);
    input_ = pipe_fds[1];
  }
  XSetErrorHandler(ignore_errors);
  // This X server now and then drops a connection set up at the same moment as another.
  for (int attempt = 0; attempt < 20 && !display_; ++attempt) {
    display_ = XOpenDisplay(nullptr);
    if (!display_) pause_ms(100);
  }
}

XProgram::~XProgram() {
  if (input_ >= 0) close(input_);
  if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (display_) XCloseDisplay(dpy(display_));
}

bool XProgram::wait_window() {
  for (int i = 0; i < 200 && display_ && pid_ > 0; ++i) {
    window_ = window_of(dpy(display_), DefaultRootWindow(dpy(display_)), pid_);
    if (window_) {
      XWindowAttributes a;
      if (XGetWindowAttributes(dpy(display_), window_, &a) && a.map_state == IsViewable) {
        pause_ms(300);  // the first frame
        return true;
      }
    }
    if (waitpid(pid_, nullptr, WNOHANG) != 0) return false;
    pause_ms(100);
  }
  return false;
}

void XProgram::keys(const std::vector<const char*>& names, int delay_ms) {
  Display* d = dpy(display_);
  for (const char* name : names) {
    // "shift+NAME": the key with Shift held (the arrows' coarse steps).
    const std::string_view full = name;
    const bool shift = full.rfind("shift+", 0) == 0;
    const std::string key(shift ? full.substr(6) : full);
    const KeySym sym = XStringToKeysym(key.c_str());
    const KeyCode code = XKeysymToKeycode(d, sym);
    XKeyEvent e{};
    e.display = d;
    e.window = window_;
    e.root = DefaultRootWindow(d);
    e.subwindow = None;
    e.time = CurrentTime;
    e.same_screen = True;
    e.keycode = code;
    e.state = shift || XkbKeycodeToKeysym(d, code, 0, 0) != sym ? ShiftMask : 0;
    for (int type : {KeyPress, KeyRelease}) {
      e.type = type;
      XEvent event;
      event.xkey = e;
      XSendEvent(d, window_, True, KeyPressMask | KeyReleaseMask, &event);
    }
    XFlush(d);
    pause_ms(delay_ms);
  }
  pause_ms(200);
}

void XProgram::write_input(const std::string& text) {
  if (input_ >= 0 && write(input_, text.data(), text.size()) < 0) input_ = -1;
}

std::string XProgram::out() const {
  return read_file(dir_ + "/out");
}
std::string XProgram::err() const {
  return read_file(dir_ + "/err");
}

bool XProgram::wait_output(const std::string& text, int times) {
  for (int i = 0; i < 200; ++i) {
    const std::string o = out();
    int n = 0;
    for (size_t at = o.find(text); at != std::string::npos; at = o.find(text, at + 1)) ++n;
    if (n >= times) return true;
    pause_ms(50);
  }
  return false;
}

void XProgram::move(int x, int y) {
  XMoveWindow(dpy(display_), window_, x, y);
  XSync(dpy(display_), False);
  pause_ms(300);
}

void XProgram::resize(int width, int height) {
  XResizeWindow(dpy(display_), window_, width, height);
  XSync(dpy(display_), False);
  pause_ms(500);
}

void XProgram::close_request() {
  Display* d = dpy(display_);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window_;
  event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, window_, False, NoEventMask, &event);
  XSync(d, False);
}

void XProgram::destroy_window() {
  XDestroyWindow(dpy(display_), window_);
  XSync(dpy(display_), False);
}

Shot XProgram::take(int x, int y, int width, int height) {
  Shot s;
  XImage* image = XGetImage(dpy(display_), window_, x, y, width, height, AllPlanes, ZPixmap);
  if (!image) return s;
  s.width = width, s.height = height;
  s.px.resize(static_cast<size_t>(width) * height);
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      const unsigned long p = XGetPixel(image, i, j);
      s.px[static_cast<size_t>(j) * width + i] = {static_cast<std::uint8_t>((p >> 16) & 0xff),
                                                  static_cast<std::uint8_t>((p >> 8) & 0xff),
                                                  static_cast<std::uint8_t>(p & 0xff)};
    }
  }
  XDestroyImage(image);
  return s;
}

Shot XProgram::shot() {
  XWindowAttributes a{};
  XGetWindowAttributes(dpy(display_), window_, &a);
  Shot previous;
  for (int i = 0; i < 50; ++i) {
    Shot s = take(0, 0, a.width, a.height);
    const bool coloured =
        !s.px.empty() && s.count(s.px[0], 0, 0, s.width, s.height) < s.width * s.height;
    if (coloured && s == previous) return s;
    previous = std::move(s);
    pause_ms(100);
  }
  return previous;
}

int XProgram::wait_end() {
  for (int i = 0; i < 200; ++i) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return status;
    }
    pause_ms(50);
  }
  return -1;
}
