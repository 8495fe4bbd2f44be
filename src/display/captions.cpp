#include "display/captions.h"

#include <algorithm>

#include "display/label_digits.h"

namespace {

constexpr double x0 = -0.95;
constexpr double value_gap = 0.02;  // between caption and value in the smaller fonts

const char* type_caption(AgvType type) {
  switch (type) {
    case AgvType::t2DW1C:
      return "(1) 2DW1C AGV";
    case AgvType::t1FDW1FS:
      return "(2) 1FDW1FS AGV";
    case AgvType::t1RDW1FS:
      return "(3) 1RDW1FS AGV";
  }
  return "";
}

// The error caption and, for kinds with a size, its value text and x offset from x0. In the
// smaller fonts the value moves right when the caption would reach it.
void draw_error_line(DrawList& list, ErrorKind kind, const MechanismErrors& s,
                     const TextStyle& style) {
  const char* caption = nullptr;
  double value_dx = 0.0;
  label_text value_text{};
  switch (kind) {
    case ErrorKind::none:
      caption = "(0) No AGV Error";
      break;
    case ErrorKind::rear_wheels:
      caption = "(1) Rear Wheel Radius Error(L,R)=";
      percent_pair_label(value_text, s.RearWHeelerr_L, s.RearWHeelerr_R);
      value_dx = 0.7;
      break;
    case ErrorKind::front_wheel:
      caption = "(2) Front Wheel Radius Error=";
      percent_label(value_text, s.FronWHeelerr, true);
      value_dx = 0.61;
      break;
    case ErrorKind::steering_drift:
      caption = "(3) Steering Angle Drift Error=";
      drift_label(value_text, s.steer_drift);
      value_dx = 0.62;
      break;
    case ErrorKind::geometry:
      caption = "(4) WheelBase and Tread Error=";
      percent_pair_label(value_text, s.WBerr, s.TRerr);
      value_dx = 0.65;
      break;
    case ErrorKind::slip:
      caption = "(5) Drive Wheel Slip Error=";
      percent_label(value_text, s.SLIP, false);
      value_dx = 0.61;
      break;
  }
  draw_text(list, x0, 0.85, style.font, caption);
  if (value_dx == 0.0) return;
  if (!style.specified) {
    value_dx = std::max(value_dx, text_width(style, style.font, caption) + value_gap);
  }
  draw_text(list, x0 + value_dx, 0.85, style.font, value_text);
}

}  // namespace

void draw_title(DrawList& list, const TextStyle& style) {
  draw_text(list, -0.99, 0.95, style.font, "AGV Error and AGV Motion Error");
}

void draw_legend(DrawList& list, const LegendInput& in, const TextStyle& style) {
  const FontId font = style.font;
  draw_text(list, x0, 0.9, font, type_caption(in.type));
  draw_error_line(list, in.kind, in.errors, style);
  draw_text(list, x0 + 0.05, 0.8, font, "CP motion");
  label_text path_text;
  path_label(path_text, in.path_no);
  double path_dx = 0.3;
  if (!style.specified) {
    path_dx = std::max(path_dx, 0.05 + text_width(style, font, "CP motion") + value_gap);
  }
  draw_text(list, x0 + path_dx, 0.8, font, path_text);
  draw_text(list, x0 + 0.05, 0.75, font, "Red  Curve  : Theoretical CP Trajectory");
  draw_text(list, x0 + 0.05, 0.7, font, "Blue Curve : Trajectory with AGV Error");
  draw_text(list, x0 + 0.05, 0.65, font, "1 grid=(1.0, 1.0)[m]");
}
