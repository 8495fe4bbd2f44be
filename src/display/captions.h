#pragma once

#include "display/text.h"
#include "model/agv_type.h"
#include "model/error_kind.h"
#include "model/mechanism_errors.h"

// What the legend names: the type shown, the error with its size, the CP path.
struct LegendInput {
  AgvType type;
  ErrorKind kind;
  MechanismErrors errors;  // the converted sizes (ratios, radians)
  int path_no;
};

// "AGV Error and AGV Motion Error" at the top left.
void draw_title(DrawList& list, const TextStyle& style);

// Shown AGV type, active mechanism error with its size, CP path number, what the red and
// blue curves mean and the grid size, below the title.
void draw_legend(DrawList& list, const LegendInput& in, const TextStyle& style);
