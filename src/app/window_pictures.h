#pragma once

#include <string>
#include <vector>

#include "app/gif_recording.h"
#include "model/agv_type.h"
#include "model/error_kind.h"

struct AppState;

// Pictures of the window for slides and handouts: 'p' saves the frame as a PNG file, 'g'
// records the frames as an animated GIF file. They hold exactly the window's pixels,
// status line included, without the key list and the recording marker. The files go to
// the working directory, named after what they show (free_picture_name), and each is told
// on the console.

// What the window's pictures hold between frames: a picture asked for, a recording.
struct WindowPictures {
  struct Request {
    bool asked = false;
    bool read = false;  // the frame has been read into pixels
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
  };
  Request picture;
  GifRecording recording;
  std::string recording_name;
  bool recorded_frame = false;  // on_display read a frame for the recording
  FrameMoment recorded_moment{};
};

// 'p': draws the frame again, reads it back before it is shown and saves it.
void save_window_picture(AppState& state);

// 'g': starts a recording, whose first frame is the one shown now, or ends it and writes
// the file. Every frame drawn meanwhile is recorded (space plays, 's' steps, any key that
// changes the picture); the GIF shows each for the motion time to the next one.
void toggle_gif_recording(AppState& state);

bool gif_recording(const AppState& state);

// Ends a recording and writes its file; nothing when none runs. Called before the program
// leaves the window (ESC, the close button, the console dialogue) and when the window
// changes its size. While a recording runs, a signal that ends the program (Ctrl-C, kill)
// waits for it: the recording is written as here, then the program ends by the signal.
void end_gif_recording(AppState& state);

// on_display, after the frame is composed and before its overlays: reads the frame into
// the buffer made for it when a picture was asked for or a recording runs. Allocates
// nothing.
void capture_window_frame(AppState& state);

// on_display, after the frame is shown: hands a recorded frame to the GIF encoder.
void after_window_frame(AppState& state);

// agvsim-<path>-<kind>-t<type>-<step>.<extension>, with -2, -3, ... before the extension
// when that name exists already in the working directory.
std::string free_picture_name(int path_no, ErrorKind kind, AgvType type, int step,
                              const char* extension);
