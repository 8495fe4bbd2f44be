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

FrameMoment shown_moment(const AppState& state) {
  const TrajectoryStore& store = state.workspace->store;
  return {state.agv_type, state.step,
          record_time(store, state.scenario, state.agv_type, state.step)};
}

std::string name_for(const AppState& state, const char* extension) {
  return free_picture_name(state.result.path_no, state.scenario.error.kind, state.agv_type,
                           state.step, extension);
}

bool window_drawable(const AppState& state) {
  if (state.workspace && !picture_box(state.window_width, state.window_height).oversized)
    return true;
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

void save_window_picture(AppState& state) {
  if (!window_drawable(state)) return;
  state.pictures.picture.asked = true;
  state.pictures.picture.read = false;
  state.pictures.picture.width = state.window_width;
  state.pictures.picture.height = state.window_height;
  // Made before the frame is drawn, so that drawing allocates nothing.
  state.pictures.picture.pixels.resize(3 * static_cast<std::size_t>(state.pictures.picture.width) *
                                       state.pictures.picture.height);
  on_display(state);
  const bool read = state.pictures.picture.read;
  state.pictures.picture.asked = state.pictures.picture.read = false;
  if (!read) return;
  const std::string name = name_for(state, "png");
  const std::string error =
      write_png_file(name, state.pictures.picture.width, state.pictures.picture.height,
                     state.pictures.picture.pixels.data());
  std::vector<unsigned char>().swap(state.pictures.picture.pixels);
  if (!error.empty()) {
    console_error("%s\n", error.c_str());
    return;
  }
  console_print(tr(Msg::window_saved_png), name.c_str(), state.pictures.picture.width,
                state.pictures.picture.height);
  console_flush();
}

bool gif_recording(const AppState& state) {
  return state.pictures.recording.active();
}

void toggle_gif_recording(AppState& state) {
  if (state.pictures.recording.active()) {
    end_gif_recording(state);
    on_display(state);  // without the marker
    return;
  }
  if (!window_drawable(state)) return;
  state.pictures.recording_name = name_for(state, "gif");
  if (std::string error = state.pictures.recording.start(state.pictures.recording_name,
                                                         state.window_width, state.window_height);
      !error.empty()) {
    console_error("%s\n", error.c_str());
    return;
  }
  // A signal that would end the program now waits until the recording is written.
  end_signals_hold(true);
  console_print(tr(Msg::window_gif_started), state.pictures.recording_name.c_str());
  console_flush();
  on_display(state);
}

void end_gif_recording(AppState& state) {
  if (!state.pictures.recording.active()) return;
  if (std::string error = state.pictures.recording.finish(); !error.empty()) {
    console_error("%s\n", error.c_str());
  } else {
    console_print(tr(Msg::window_gif_saved), state.pictures.recording_name.c_str(),
                  state.pictures.recording.width(), state.pictures.recording.height(),
                  state.pictures.recording.written_frames(),
                  state.pictures.recording.written_cs() / 100.0);
    console_flush();
  }
  end_signals_hold(false);  // a signal that came meanwhile ends the program now
}

void capture_window_frame(AppState& state) {
  if (state.pictures.picture.asked && state.pictures.picture.width == state.window_width &&
      state.pictures.picture.height == state.window_height) {
    read_frame(state.pictures.picture.width, state.pictures.picture.height,
               state.pictures.picture.pixels.data());
    state.pictures.picture.read = true;
  }
  state.pictures.recorded_frame = false;
  if (state.pictures.recording.active() && state.pictures.recording.width() == state.window_width &&
      state.pictures.recording.height() == state.window_height) {
    read_frame(state.pictures.recording.width(), state.pictures.recording.height(),
               state.pictures.recording.next_frame());
    state.pictures.recorded_frame = true;
    state.pictures.recorded_moment = shown_moment(state);
  }
}

void after_window_frame(AppState& state) {
  if (!state.pictures.recorded_frame) return;
  state.pictures.recorded_frame = false;
  if (std::string error = state.pictures.recording.add(state.pictures.recorded_moment);
      !error.empty()) {
    console_error("%s\n", error.c_str());  // the recording is dropped
    end_signals_hold(false);
    return;
  }
  if (state.pictures.recording.memory_bytes() > max_recording_bytes) {
    console_print("%s", tr(Msg::window_gif_too_large));
    end_gif_recording(state);
  }
}
