// The three vehicle figures. Every size is in metres and scaled by the view, except the
// thin fork and cross lines, which are 0.008 window units (3.2 pixels) at any zoom.
#include "scene/vehicle_figure.h"

#include <cmath>

#include "scene/circles.h"
#include "scene/draw_constants.h"
#include "scene/lines.h"
#include "scene/marks.h"
#include "scene/rect.h"
#include "scene/stadium.h"
#include "scene/vehicle_body.h"
#include "scene/view_transform.h"

namespace {

// Figure dimensions in metres.
constexpr double body_length = 1.2;
constexpr double body_width = 1.0;
constexpr double rear_overhang = 0.2;
constexpr double nose_angle = 0.5235988;
constexpr double rear_wheel_length = 0.24;
constexpr double rear_wheel_width = 0.12;
constexpr double rear_wheel_offset = 0.6;
constexpr double front_wheel_length = 0.12;
constexpr double front_wheel_width = 0.08;
constexpr double motor_side = 0.16;
constexpr double pivot_radius = 0.04;
constexpr double wide_width = 0.04;   // axle, shafts, caster stem (scaled)
constexpr double thin_width = 0.008;  // forks, drive-unit cross (window units)
constexpr double ref_dot_radius = 0.04;

// A drawing frame: origin, forward and left unit vectors, metres to window units.
struct Frame {
  point2d o;
  point2d u;
  point2d v;
  double k;
};

// o + a k u + b k v.
point2d at(const Frame& f, double a, double b) {
  return {f.o.x + a * f.k * f.u.x + b * f.k * f.v.x, f.o.y + a * f.k * f.u.y + b * f.k * f.v.y};
}

struct Pose {
  Frame body;   // at the reference point, turned by theta
  Frame steer;  // at the front pivot, turned by theta + phi
  point2d lw;   // left rear wheel centre
  point2d rw;   // right rear wheel centre
  double theta;
  double steer_angle;  // theta + phi
};

void white_black_rect(DrawList& list, const point2d& corner, double side, double angle) {
  fill_rect(list, corner, side, side, angle, color_white);
  outline_rect(list, corner, side, side, angle, color_black);
}

void white_black_stadium(DrawList& list, const point2d& centre, double length, double width,
                         double angle) {
  fill_stadium(list, centre, length, width, angle, color_white);
  outline_stadium(list, centre, length, width, angle, color_black);
}

void body_and_rear_wheels(DrawList& list, const Pose& p, const rgba& colour, bool axle_under,
                          bool axle_over) {
  const double k = p.body.k;
  if (axle_under) draw_wide_line(list, p.lw, p.rw, wide_width * k, color_black);
  fill_body(list, p.body.o, body_length * k, body_width * k, rear_overhang * k, nose_angle, p.theta,
            colour);
  if (axle_over) draw_wide_line(list, p.lw, p.rw, wide_width * k, color_black);
  fill_stadium(list, p.lw, rear_wheel_length * k, rear_wheel_width * k, p.theta, colour);
  fill_stadium(list, p.rw, rear_wheel_length * k, rear_wheel_width * k, p.theta, colour);
}

// The half pivot behind the front wheel and the two fork sides beside it (types 2 and 3).
void steering_pivot_and_fork(DrawList& list, const Pose& p) {
  const Frame& s = p.steer;
  const double start = p.steer_angle - circle_pi / 2.0;
  fill_half_disc(list, s.o, pivot_radius * s.k, start, color_white);
  outline_half_circle(list, s.o, pivot_radius * s.k, start, color_black);
  draw_wide_line(list, at(s, 0.048, 0.048), at(s, -0.048, 0.048), thin_width, color_black);
  draw_wide_line(list, at(s, 0.048, -0.048), at(s, -0.048, -0.048), thin_width, color_black);
}

// 2DW1C: two rear drive wheels with their motors, a trailing caster.
void figure_2dw1c(DrawList& list, const Pose& p, const rgba& colour) {
  const Frame& b = p.body;
  const Frame& s = p.steer;
  const double k = b.k;
  body_and_rear_wheels(list, p, colour, false, false);
  draw_wide_line(list, at(b, 0.0, 0.54), at(b, 0.0, 0.38), wide_width * k, color_black);
  white_black_rect(list, at(b, -0.08, 0.22), motor_side * k, p.theta);
  draw_wide_line(list, at(b, 0.0, -0.54), at(b, 0.0, -0.38), wide_width * k, color_black);
  white_black_rect(list, at(b, -0.08, -0.38), motor_side * k, p.theta);
  white_black_stadium(list, at(s, -0.2, 0.0), front_wheel_length * k, front_wheel_width * k,
                      p.steer_angle);
  draw_wide_line(list, s.o, at(s, -0.08, 0.0), wide_width * k, color_black);
  draw_wide_line(list, at(s, -0.08, 0.048), at(s, -0.24, 0.048), thin_width, color_black);
  draw_wide_line(list, at(s, -0.08, 0.048), at(s, -0.08, -0.048), thin_width, color_black);
  draw_wide_line(list, at(s, -0.24, -0.048), at(s, -0.08, -0.048), thin_width, color_black);
  fill_disc(list, s.o, pivot_radius * k, color_white);
  outline_circle(list, s.o, pivot_radius * k, color_black);
}

// 1FDW1FS: rear wheels on an axle under the body; the front wheel drives and steers, its
// motor beside it on the left, turning with it.
void figure_1fdw1fs(DrawList& list, const Pose& p, const rgba& colour) {
  const Frame& s = p.steer;
  const double k = s.k;
  body_and_rear_wheels(list, p, colour, true, false);
  steering_pivot_and_fork(list, p);
  white_black_stadium(list, s.o, front_wheel_length * k, front_wheel_width * k, p.steer_angle);
  draw_wide_line(list, at(s, 0.0, 0.04), at(s, 0.0, 0.12), wide_width * k, color_black);
  white_black_rect(list, at(s, -0.08, 0.12), motor_side * k, p.steer_angle);
}

// 1RDW1FS: rear wheels on an axle across the body, a central rear drive unit with its motor
// ahead of it, a steered front wheel.
void figure_1rdw1fs(DrawList& list, const Pose& p, const rgba& colour) {
  const Frame& b = p.body;
  const double k = b.k;
  body_and_rear_wheels(list, p, colour, false, true);
  white_black_rect(list, at(b, -0.08, -0.08), motor_side * k, p.theta);
  draw_wide_line(list, at(b, -0.08, -0.08), at(b, 0.08, 0.08), thin_width, color_black);
  draw_wide_line(list, at(b, 0.08, -0.08), at(b, -0.08, 0.08), thin_width, color_black);
  draw_wide_line(list, at(b, 0.08, 0.0), at(b, 0.16, 0.0), wide_width * k, color_black);
  white_black_rect(list, at(b, 0.16, -0.08), motor_side * k, p.theta);
  steering_pivot_and_fork(list, p);
  white_black_stadium(list, p.steer.o, front_wheel_length * k, front_wheel_width * k,
                      p.steer_angle);
}

}  // namespace

void draw_vehicle(DrawList& list, const View& view, AgvType type, const point2d& world,
                  double theta, double phi, const rgba& colour) {
  const double k = view.view_scale;
  const point2d pv = world_to_view(view, world);
  if (!drawable(pv) || !std::isfinite(theta) || !std::isfinite(phi) || !std::isfinite(k)) {
    return;
  }
  Pose p{};
  p.theta = theta;
  p.steer_angle = theta + phi;
  p.body = {pv, {std::cos(theta), std::sin(theta)}, {-std::sin(theta), std::cos(theta)}, k};
  const double pivot = (body_length - rear_overhang) * k;
  const point2d f{pv.x + pivot * p.body.u.x, pv.y + pivot * p.body.u.y};
  const double cs = std::cos(p.steer_angle);
  const double ss = std::sin(p.steer_angle);
  p.steer = {f, {cs, ss}, {-ss, cs}, k};
  p.lw = at(p.body, 0.0, rear_wheel_offset);
  p.rw = at(p.body, 0.0, -rear_wheel_offset);

  switch (type) {
    case AgvType::t2DW1C:
      figure_2dw1c(list, p, colour);
      break;
    case AgvType::t1FDW1FS:
      figure_1fdw1fs(list, p, colour);
      break;
    case AgvType::t1RDW1FS:
      figure_1rdw1fs(list, p, colour);
      break;
  }
  mark_point_r(list, view, world, ref_dot_radius, color_white);
}

void draw_vehicle_outlined(DrawList& list, const View& view, AgvType type, const point2d& world,
                           double theta, double phi, const rgba& colour, const rgba& outline,
                           float outline_px) {
  draw_vehicle(list, view, type, world, theta, phi, colour);
  const double k = view.view_scale;
  const point2d pv = world_to_view(view, world);
  if (!drawable(pv) || !std::isfinite(theta) || !std::isfinite(k)) return;
  outline_body(list, pv, body_length * k, body_width * k, rear_overhang * k, nose_angle, theta,
               outline, outline_px);
}
