#pragma once

#include "display/text.h"
#include "model/point2d.h"
#include "model/scenario.h"
#include "platform/messages.h"

// The setting as the window's keys change it, above the status line: the error kind and
// its values, the path and its constants, the value the arrow keys change marked, why the
// setting was refused when it was, and the keys.
struct SettingsBarInput {
  bool shown;
  PathChoice path;
  ErrorSetting error;
  int selected;         // the marked value: the error's values, then the path's constants
  const char* refused;  // the reason, or null when the setting is the one shown
  Language language;
};

// Lines of small text on a white box at the bottom left, above the status line (which
// shows `status_lines` lines), or with its bottom left corner at `corner` when given.
// Allocates nothing.
void draw_settings_bar(DrawList& list, const SettingsBarInput& in, int status_lines,
                       const TextStyle& style, const point2d* corner = nullptr);
