#include "gl/window.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

#include <algorithm>

#include "platform/catalogue.h"
#include "platform/window_title.h"

namespace {

// The window's callbacks and the program's state they get. The window library keeps one
// set of callbacks per window, and there is one window per process.
struct Binding {
  WindowCallbacks callbacks{};
  void* state = nullptr;
  void (*timers[4])(void*) = {};  // callbacks of call_after_ms, by number
};

Binding& binding() {
  static Binding b;
  return b;
}

void display_callback() {
  binding().callbacks.display(binding().state);
}
void keyboard_callback(unsigned char key, int, int) {
  binding().callbacks.keyboard(binding().state, key);
}
void reshape_callback(int width, int height) {
  Binding& b = binding();
  if (b.callbacks.reshape) {
    b.callbacks.reshape(b.state, width, height);
  } else {
    on_reshape(width, height);
  }
}
void special_callback(int key, int, int) {
  Binding& b = binding();
  const bool shift = (glutGetModifiers() & GLUT_ACTIVE_SHIFT) != 0;
  switch (key) {
    case GLUT_KEY_UP:
      return b.callbacks.arrow(b.state, ArrowKey::up, shift);
    case GLUT_KEY_DOWN:
      return b.callbacks.arrow(b.state, ArrowKey::down, shift);
    case GLUT_KEY_LEFT:
      return b.callbacks.arrow(b.state, ArrowKey::left, shift);
    case GLUT_KEY_RIGHT:
      return b.callbacks.arrow(b.state, ArrowKey::right, shift);
    default:
      return;
  }
}
// freeglut reports the wheel as presses of buttons 3 (up) and 4 (down).
void mouse_callback(int button, int button_state, int x, int y) {
  Binding& b = binding();
  const MouseButton which = button == GLUT_LEFT_BUTTON ? MouseButton::left
                            : button == 3              ? MouseButton::wheel_up
                            : button == 4              ? MouseButton::wheel_down
                                                       : MouseButton::other;
  b.callbacks.mouse(b.state, which, button_state == GLUT_DOWN, x, y);
}
void motion_callback(int x, int y) {
  binding().callbacks.drag(binding().state, x, y);
}
void close_callback() {
  binding().callbacks.close(binding().state);
}
void timer_callback(int number) {
  binding().timers[number](binding().state);
}

}  // namespace

// Whether this process drew into a window of the window library: frames drawn without
// one (the off-screen context of tests and pictures) are not shown, and no timer runs.
bool has_window() {
  return glutGet(GLUT_INIT_STATE) != 0 && glutGetWindow() != 0;
}

void open_window(int* argc, char** argv, const WindowCallbacks& callbacks, void* state) {
  binding().callbacks = callbacks;
  binding().state = state;
  glutInitWindowSize(800, 800);
  glutInit(argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow(tr(Msg::window_title));
  set_window_title_utf8(tr(Msg::window_title));
  glutDisplayFunc(display_callback);
  glutReshapeFunc(reshape_callback);
  glutKeyboardFunc(keyboard_callback);
  if (callbacks.close) glutCloseFunc(close_callback);
  if (callbacks.arrow) glutSpecialFunc(special_callback);
  if (callbacks.mouse) glutMouseFunc(mouse_callback);
  if (callbacks.drag) glutMotionFunc(motion_callback);
  init_frame_state();
}

void init_frame_state() {
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
}

void start_window(int argc, char** argv, const WindowCallbacks& callbacks, void* state) {
  open_window(&argc, argv, callbacks, state);
  run_window();
}

void run_window() {
  glutMainLoop();
}

void on_reshape(int width, int height) {
  const PictureBox box = picture_box(width, height);
  if (box.oversized && has_window()) {
    glutReshapeWindow(std::min(width, max_window_side), std::min(height, max_window_side));
  }
  glViewport(box.x, box.y, box.side, box.side);
  glScissor(box.x, box.y, box.side, box.side);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
}

void set_frame_viewport(const FrameBox& box) {
  glViewport(box.x, box.y, box.width, box.height);
  glScissor(box.x, box.y, box.width, box.height);
}

void frame_begin() {
  glDisable(GL_SCISSOR_TEST);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glEnable(GL_SCISSOR_TEST);
  glLoadIdentity();
}

void frame_end() {
  glFlush();
  if (has_window()) glutSwapBuffers();
}

void call_after_ms(unsigned ms, void (*callback)(void* state)) {
  if (!has_window()) return;
  Binding& b = binding();
  for (int number = 0; number < 4; ++number) {
    if (b.timers[number] == nullptr) b.timers[number] = callback;
    if (b.timers[number] == callback) {
      glutTimerFunc(ms, timer_callback, number);
      return;
    }
  }
}
