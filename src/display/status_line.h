#pragma once

#include "display/text.h"
#include "model/agv_type.h"
#include "platform/messages.h"
#include "sim/deviation.h"

// The status line at the bottom left of the top view: where the shown motion stands and
// how far the faulty vehicle is from the error-free one, now and at the end.
struct StatusInput {
  bool shown;
  AgvType type;
  int step;
  int last;          // the last record of the type
  double time;       // s, motion time at the step
  double duration;   // s, motion time at the last record
  Deviation now;     // at the step
  Deviation at_end;  // at the last record
  bool error_free;   // no mechanism error was chosen
  bool no_effect;    // the error leaves this type's motion as it is
  // The error-free vehicle leaves the CP path (free_vehicle_leaves_path), by this much (m)
  // at most: under a Tread error the commands follow the real front-rear distance.
  bool free_off_path;
  double free_offset;
  bool playing;         // played in real time
  const char* speed;    // "x1", "x1/4", ...
  const char* refused;  // why the setting changed in the window was refused, or null
  Language language;
};

// The two lines of the status line (what draw_status_line shows).
struct StatusText {
  char motion[160];
  char deviation[160];
  char note[200];  // empty unless the error-free vehicle leaves the CP path
};
void compose_status(const StatusInput& in, StatusText* text);

// Two lines on a white box: type, time, step and whether it plays, has ended or waits;
// then the distance (mm) and heading difference (degrees) now and at the end, or that the
// error does not act on this mechanism; a third line when the error-free vehicle leaves
// the CP path. Above them, in red, the reason of a refused setting. Nothing when not shown.
// Allocates nothing.
void draw_status_line(DrawList& list, const StatusInput& in, const TextStyle& style);

// How many lines draw_status_line draws.
int status_line_count(const StatusInput& in);
