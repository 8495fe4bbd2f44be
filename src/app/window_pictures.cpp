#include "app/window_pictures.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/app_state.h"
#include "app/gif_recording.h"
#include "app/shown_frame.h"
#include "gl/frame_capture.h"
#include "gl/window.h"
#include "picture/png_file.h"
#include "platform/catalogue.h"
#include "platform/console.h"
#include "platform/end_signals.h"

namespace {

// A recording stops by itself when it holds this much (a few minutes of a large window).
constexpr std::size_t max_recording_bytes = std::size_t{1} << 30;

struct PictureRequest {
  bool asked = false;
  bool read = false;  // the frame has been read into pixels
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
};
PictureRequest picture;

GifRecording recording;
std::string recording_name;
bool recorded_frame = false;  // on_display read a frame for the recording
FrameMoment recorded_moment{};

FrameMoment shown_moment() {
  const TrajectoryStore& store = app.workspace->store;
  return {app.agv_type, app.step, record_time(store, app.scenario, app.agv_type, app.step)};
}

std::string name_for(const char* extension) {
  return free_picture_name(app.result.path_no, app.scenario.error.kind, app.agv_type, app.step,
                           extension);
}

bool window_drawable() {
  if (app.workspace && !picture_box(app.window_width, app.window_height).oversized) return true;
  console_error("%s", tr(Msg::window_too_large));
  return false;
}

}  // namespace

std::string free_picture_name(int path_no, ErrorKind kind, AgvType type, int step,
                              const char* extension) {
  char base[96];
  std::snprintf(base, sizeof base, "agvsim-%d-%c-t%d-%d", path_no, error_kind_char(kind),
                static_cast<int>(type), step);
  std::string name = std::string(base) + "." + extension;
  std::error_code error;
  for (int n = 2; std::filesystem::exists(name, error) || error; ++n) {
    name = std::string(base) + "-" + std::to_string(n) + "." + extension;
  }
  return name;
}

void save_window_picture() {
  if (!window_drawable()) return;
  picture.asked = true;
  picture.read = false;
  picture.width = app.window_width;
  picture.height = app.window_height;
  // Made before the frame is drawn, so that drawing allocates nothing.
  picture.pixels.resize(3 * static_cast<std::size_t>(picture.width) * picture.height);
  on_display();
  const bool read = picture.read;
  picture.asked = picture.read = false;
  if (!read) return;
  const std::string name = name_for("png");
  const std::string error =
      write_png_file(name, picture.width, picture.height, picture.pixels.data());
  std::vector<unsigned char>().swap(picture.pixels);
  if (!error.empty()) {
    console_error("%s\n", error.c_str());
    return;
  }
  console_print(tr(Msg::window_saved_png), name.c_str(), picture.width, picture.height);
  console_flush();
}

bool gif_recording() {
  return recording.active();
}

void toggle_gif_recording() {
  if (recording.active()) {
    end_gif_recording();
    on_display();  // without the marker
    return;
  }
  if (!window_drawable()) return;
  recording_name = name_for("gif");
  if (std::string error = recording.start(recording_name, app.window_width, app.window_height);
      !error.empty()) {
    console_error("%s\n", error.c_str());
    return;
  }
  // A signal that would end the program now waits until the recording is written.
  end_signals_hold(true);
  console_print(tr(Msg::window_gif_started), recording_name.c_str());
  console_flush();
  on_display();
}

void end_gif_recording() {
  if (!recording.active()) return;
  if (std::string error = recording.finish(); !error.empty()) {
    console_error("%s\n", error.c_str());
  } else {
    console_print(tr(Msg::window_gif_saved), recording_name.c_str(), recording.width(),
                  recording.height(), recording.written_frames(), recording.written_cs() / 100.0);
    console_flush();
  }
  end_signals_hold(false);  // a signal that came meanwhile ends the program now
}

void capture_window_frame() {
  if (picture.asked && picture.width == app.window_width && picture.height == app.window_height) {
    read_frame(picture.width, picture.height, picture.pixels.data());
    picture.read = true;
  }
  recorded_frame = false;
  if (recording.active() && recording.width() == app.window_width &&
      recording.height() == app.window_height) {
    read_frame(recording.width(), recording.height(), recording.next_frame());
    recorded_frame = true;
    recorded_moment = shown_moment();
  }
}

void after_window_frame() {
  if (!recorded_frame) return;
  recorded_frame = false;
  if (std::string error = recording.add(recorded_moment); !error.empty()) {
    console_error("%s\n", error.c_str());  // the recording is dropped
    end_signals_hold(false);
    return;
  }
  if (recording.memory_bytes() > max_recording_bytes) {
    console_print("%s", tr(Msg::window_gif_too_large));
    end_gif_recording();
  }
}
