#include "display/status_line.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/catalogue.h"
#include "scene/rect.h"
#include "scene/rgba.h"

namespace {

constexpr double deg_per_rad = 57.29577951308232;
constexpr double left = -0.98;  // window units, inside the top view
constexpr double margin_px = 4.0;
constexpr rgba refusal_rgba{0.8f, 0.0f, 0.0f, 1.0f};

}  // namespace

void compose_status(const StatusInput& in, StatusText* out) {
  char(&motion_text)[sizeof out->motion] = out->motion;
  char(&deviation_text)[sizeof out->deviation] = out->deviation;
  out->note[0] = '\0';
  if (in.free_off_path)
    std::snprintf(out->note, sizeof out->note, text(in.language, Msg::status_free_off_path),
                  in.free_offset * 1000.0);
  const auto tr = [&](Msg id) { return text(in.language, id); };
  const char* state = tr(in.step >= in.last ? Msg::status_end_of_motion
                         : in.playing       ? Msg::status_playing
                                            : Msg::status_paused);
  std::snprintf(motion_text, sizeof motion_text, tr(Msg::status_motion), agv_type_code(in.type),
                in.time, in.duration, in.step, in.last, in.speed, state);
  if (in.error_free) {
    std::snprintf(deviation_text, sizeof deviation_text, "%s", tr(Msg::status_no_error));
    return;
  }
  if (in.no_effect) {
    std::snprintf(deviation_text, sizeof deviation_text, tr(Msg::status_no_effect),
                  agv_type_code(in.type));
    return;
  }
  std::snprintf(deviation_text, sizeof deviation_text, tr(Msg::status_deviation),
                in.now.distance * 1000.0, in.now.dtheta * deg_per_rad, in.at_end.distance * 1000.0,
                in.at_end.dtheta * deg_per_rad);
}

void draw_status_line(DrawList& list, const StatusInput& in, const TextStyle& style) {
  if (!in.shown) return;
  StatusText text;
  compose_status(in, &text);
  const char* const motion_text = text.motion;
  const char* const deviation_text = text.deviation;
  const FontId font = style.small_font;
  const double px = 1.0 / style.px_per_unit;
  const double lh = line_height(style, font);
  const double bottom = -1.0 + margin_px * px + 0.25 * lh;  // baseline of the second line
  const int lines = text.note[0] ? 3 : 2;
  const double width =
      std::max({text_width(style, font, motion_text), text_width(style, font, deviation_text),
                text_width(style, font, text.note)});
  char refusal_text[160] = "";
  if (in.refused) {
    std::snprintf(refusal_text, sizeof refusal_text, ::text(in.language, Msg::live_refused),
                  in.refused);
  }
  const double all = std::max(width, text_width(style, font, refusal_text));
  fill_rect(list, {-1.0, -1.0}, left + 1.0 + all + 2.0 * margin_px * px,
            status_line_count(in) * lh + 2.0 * margin_px * px, 0.0, color_white);
  // From the bottom: the note, the deviation, the motion, the refusal.
  double y = bottom;
  if (lines == 3) {
    draw_text(list, left, y, font, text.note);
    y += lh;
  }
  draw_text(list, left, y, font, deviation_text);
  draw_text(list, left, y + lh, font, motion_text);
  if (in.refused) {
    list.text(left, y + 2.0 * lh, font, {refusal_text, std::strlen(refusal_text)}, refusal_rgba);
  }
}

int status_line_count(const StatusInput& in) {
  return !in.shown ? 0 : 2 + (in.refused ? 1 : 0) + (in.free_off_path ? 1 : 0);
}
