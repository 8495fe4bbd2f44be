// The ten CP paths: their curves, what is derived from their constants, and their texts.
#include "path/path_table.h"

#include <cmath>

#include "platform/sin_cos.h"

namespace {

// --- y = f(x) ---------------------------------------------------------------------------

// I = 1, cosine: y = A (1 - cos(k x)), k = 2 pi / L; n waves.
Derivs cosine_derivs(double x, const Path& p) {
  const double A = p.c[0], k = p.k[0];
  double s, c;
  sin_cos(k * x, &s, &c);
  return {A * (1.0 - c), A * k * s, A * k * k * c};
}
double cosine_slope(double x, const Path& p) {
  const double A = p.c[0], k = p.k[0];
  return A * k * std::sin(k * x);
}
void cosine_derive(Path& p) {
  const double L = p.c[1], n = p.c[2];
  p.k[0] = path_two_pi / L;
  p.end_param = n * L;
  p.start_point = {0.0, 0.0};
  p.end_point = {n * L, 0.0};
}

// I = 2, cycloid: y = A (x / L - sin(k x) / 2 pi), k = 2 pi / L.
Derivs cycloid_derivs(double x, const Path& p) {
  const double A = p.c[0], L = p.c[1], k = p.k[0];
  double s, c;
  sin_cos(k * x, &s, &c);
  return {A * (x / L - s / path_two_pi), A * (1.0 - c) / L, A * k * s / L};
}
double cycloid_slope(double x, const Path& p) {
  const double A = p.c[0], L = p.c[1], k = p.k[0];
  return A * (1.0 - std::cos(k * x)) / L;
}
void cycloid_derive(Path& p) {
  const double A = p.c[0], L = p.c[1];
  p.k[0] = path_two_pi / L;
  p.end_param = L;
  p.start_point = {0.0, 0.0};
  p.end_point = {L, A};
}

// I = 3, quadratic: y = A (x / L)^2.
Derivs quad_derivs(double x, const Path& p) {
  const double A = p.c[0], L = p.c[1];
  return {A * (x / L) * (x / L), 2.0 * A / L * (x / L), 2.0 * A / (L * L)};
}
// I = 4, cubic: y = A (x / L)^3.
Derivs cubic_derivs(double x, const Path& p) {
  const double A = p.c[0], L = p.c[1];
  return {A * (x / L) * (x / L) * (x / L), 3.0 * A / L * (x / L) * (x / L),
          6.0 * A / (L * L) * (x / L)};
}
// Both rise from (0, 0) to (L, A).
void power_derive(Path& p) {
  const double A = p.c[0], L = p.c[1];
  p.end_param = L;
  p.start_point = {0.0, 0.0};
  p.end_point = {L, A};
}

// --- r = r(beta) --------------------------------------------------------------------------

// I = 11, ellipse: r = A B / sqrt(A^2 sin^2 b + B^2 cos^2 b), from (A, 0).
Derivs ellipse_derivs(double b, const Path& p) {
  const double AA = p.k[0], BB = p.k[1], AB = p.k[2], AA_BB = p.k[3];
  double s, co;
  sin_cos(b, &s, &co);
  const double q = AA * s * s + BB * co * co;
  const double qq = q * std::sqrt(q);
  const double r = AB / std::sqrt(q);
  const double r1 = -AB * AA_BB * s * co / qq;
  const double r2 = AB * AA_BB / qq * ((s * s - co * co) + 3.0 * AA_BB * s * s * co * co / q);
  return {r, r1, r2};
}
void ellipse_derive(Path& p) {
  const double A = p.c[0], B = p.c[1];
  p.k[0] = A * A;          // ellipse_AA
  p.k[1] = B * B;          // ellipse_BB
  p.k[2] = A * B;          // ellipse_AB
  p.k[3] = A * A - B * B;  // ellipse_AA_BB
  p.end_param = path_two_pi;
  p.start_point = {A, 0.0};
  p.end_point = {A, 0.0};
}

// I = 12, Archimedean spiral: r = a b, a = A / 2 pi; n turns.
Derivs spiral_derivs(double b, const Path& p) {
  const double a = p.k[0];
  return {a * b, a, 0.0};
}
void spiral_derive(Path& p) {
  const double A = p.c[0], n = p.c[1];
  const double a = A / path_two_pi;  // spiral_a
  p.k[0] = a;
  const double be = path_two_pi * n;
  p.end_param = be;
  p.start_point = {0.0, 0.0};
  p.end_point = {a * be * std::cos(be), a * be * std::sin(be)};
}

// I = 13, cardioid: r = A (B - cos b), B fixed.
Derivs cardioid_derivs(double b, const Path& p) {
  const double A = p.c[0], B = p.c[1];
  double s, c;
  sin_cos(b, &s, &c);
  return {A * (B - c), A * s, A * c};
}
void cardioid_derive(Path& p) {
  const double A = p.c[0], B = p.c[1];
  p.end_param = path_two_pi;
  p.start_point = {(B - 1.0) * A, 0.0};
  p.end_point = p.start_point;
}

// I = 14, rose: r = A sin(n b).
Derivs rose_derivs(double b, const Path& p) {
  const double A = p.c[0], n = p.c[1];
  double s, c;
  sin_cos(n * b, &s, &c);
  return {A * s, A * n * c, -n * n * A * s};
}
// The rose closes after pi or 2 pi for n >= 1 and after a multiple of pi / n for n = 1/2,
// 1/3, ... The whole-number tests run in double precision, so any n, however small or
// large, stays defined (n = 0 gives an infinite end, which the length check refuses).
double rose_end_param(double n) {
  if (n >= 1.0) {
    const bool even = 2.0 * std::trunc(n / 2.0 + 0.001) == n;
    return (n == 1.0 || even) ? path_two_pi : path_pi;
  }
  if (n < 1.0) {
    const double m = std::trunc(1.01 / n);
    return std::fmod(m, 2.0) == 0.0 ? path_two_pi / n : path_pi / n;
  }
  return NAN;  // n is not a number
}
void rose_derive(Path& p) {
  p.end_param = rose_end_param(p.c[1]);
  p.start_point = {0.0, 0.0};
  p.end_point = {0.0, 0.0};
}

// I = 15, circle arc: r = R; n turns.
Derivs arc_derivs(double, const Path& p) {
  return {p.c[0], 0.0, 0.0};
}
void arc_derive(Path& p) {
  const double R = p.c[0], n = p.c[1];
  p.end_param = path_two_pi * n;
  p.start_point = {R, 0.0};
  p.end_point = {R * std::cos(path_two_pi * n), R * std::sin(path_two_pi * n)};
}
// On a circle the arc length is R b.
double arc_param_at_length(double s, const Path& p) {
  return s / p.c[0];
}

// I = 16, wavy circle: r = R + A cos(n b), R fixed.
Derivs wavy_derivs(double b, const Path& p) {
  const double A = p.c[0], n = p.c[1], R = p.c[2];
  double s, c;
  sin_cos(n * b, &s, &c);
  return {R + A * c, -A * n * s, -A * n * n * c};
}
void wavy_derive(Path& p) {
  const double A = p.c[0], n = p.c[1], R = p.c[2];
  p.end_param = path_two_pi;
  p.start_point = {R + A, 0.0};
  p.end_point = {R + A * std::cos(path_two_pi * n), 0.0};
}

}  // namespace

const PathDescriptor path_table[path_count] = {
    {1,
     PathFamily::cartesian,
     3,
     3,
     3,
     {{"cosine_A", 0.5, true}, {"cosine_L", 2.0, true}, {"cosine_n", 1.0, true}},
     Msg::path1_menu,
     Msg::path1_prompt,
     Msg::path1_description,
     Msg::path1_report,
     cosine_derivs,
     cosine_derive,
     nullptr,
     cosine_slope},
    {2,
     PathFamily::cartesian,
     2,
     2,
     2,
     {{"cycloid_A", 2.0, true}, {"cycloid_L", 2.0, true}},
     Msg::path2_menu,
     Msg::path2_prompt,
     Msg::path2_description,
     Msg::path2_report,
     cycloid_derivs,
     cycloid_derive,
     nullptr,
     cycloid_slope},
    {3,
     PathFamily::cartesian,
     2,
     2,
     2,
     {{"quad_A", 2.0, true}, {"quad_L", 2.0, true}},
     Msg::path3_menu,
     Msg::path3_prompt,
     Msg::path3_description,
     Msg::path3_report,
     quad_derivs,
     power_derive,
     nullptr,
     nullptr},
    {4,
     PathFamily::cartesian,
     2,
     2,
     2,
     {{"cubic_A", 1.0, true}, {"cubic_L", 2.0, true}},
     Msg::path4_menu,
     Msg::path4_prompt,
     Msg::path4_description,
     Msg::path4_report,
     cubic_derivs,
     power_derive,
     nullptr,
     nullptr},
    {11,
     PathFamily::polar,
     2,
     2,
     2,
     {{"ellipse_A", 2.0, true}, {"ellipse_B", 1.0, true}},
     Msg::path11_menu,
     Msg::path11_prompt,
     Msg::path11_description,
     Msg::path11_report,
     ellipse_derivs,
     ellipse_derive,
     nullptr,
     nullptr},
    {12,
     PathFamily::polar,
     2,
     2,
     2,
     {{"spiral_A", 1.0, true}, {"spiral_n", 2.0, true}},
     Msg::path12_menu,
     Msg::path12_prompt,
     Msg::path12_description,
     Msg::path12_report,
     spiral_derivs,
     spiral_derive,
     nullptr,
     nullptr},
    {13,
     PathFamily::polar,
     2,
     1,
     2,
     {{"cardioid_A", 1.0, true}, {"cardioid_B", 1.2, false}},
     Msg::path13_menu,
     Msg::path13_prompt,
     Msg::path13_description,
     Msg::path13_report,
     cardioid_derivs,
     cardioid_derive,
     nullptr,
     nullptr},
    {14,
     PathFamily::polar,
     2,
     2,
     2,
     {{"rose_A", 1.0, true}, {"rose_n", 2.0, true}},
     Msg::path14_menu,
     Msg::path14_prompt,
     Msg::path14_description,
     Msg::path14_report,
     rose_derivs,
     rose_derive,
     nullptr,
     nullptr},
    {15,
     PathFamily::polar,
     2,
     2,
     2,
     {{"arc_R", 1.0, true}, {"arc_n", 2.0, true}},
     Msg::path15_menu,
     Msg::path15_prompt,
     Msg::path15_description,
     Msg::path15_report,
     arc_derivs,
     arc_derive,
     arc_param_at_length,
     nullptr},
    {16,
     PathFamily::polar,
     3,
     2,
     2,
     {{"wavy_A", 0.2, true}, {"wavy_n", 4.0, true}, {"wavy_R", 2.0, false}},
     Msg::path16_menu,
     Msg::path16_prompt,
     Msg::path16_description,
     Msg::path16_report,
     wavy_derivs,
     wavy_derive,
     nullptr,
     nullptr},
};

int path_slot(int number) {
  for (int i = 0; i < path_count; ++i) {
    if (path_table[i].number == number) return i;
  }
  return -1;
}

const PathDescriptor* find_path(int number) {
  const int slot = path_slot(number);
  return slot < 0 ? nullptr : &path_table[slot];
}

PathChoice default_path_choice(const PathDescriptor& path) {
  PathChoice choice{};
  choice.number = path.number;
  for (int i = 0; i < path.constant_count; ++i) {
    choice.constants[i] = path.constants[i].default_value;
  }
  return choice;
}

int find_enterable_constant(std::string_view name, const PathDescriptor** path) {
  for (const PathDescriptor& d : path_table) {
    for (int i = 0; i < d.entered_count; ++i) {
      if (name == d.constants[i].name) {
        if (path) *path = &d;
        return i;
      }
    }
  }
  return -1;
}
