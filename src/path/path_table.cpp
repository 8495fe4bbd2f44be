// The ten CP paths: their curves, what is derived from their constants, and their texts.
#include "path/path_table.h"

#include <cmath>

namespace {

// --- y = f(x) ---------------------------------------------------------------------------

// I = 1, cosine: y = A (1 - cos(k x)), k = 2 pi / L; n waves.
Derivs cosine_derivs(double x, const Path& p) {
  const double A = p.c[0], k = p.k[0];
  return {A * (1.0 - std::cos(k * x)), A * k * std::sin(k * x), A * k * k * std::cos(k * x)};
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
  return {A * (x / L - std::sin(k * x) / path_two_pi), A * (1.0 - std::cos(k * x)) / L,
          A * k * std::sin(k * x) / L};
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
  const double s = std::sin(b), co = std::cos(b);
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
  return {A * (B - std::cos(b)), A * std::sin(b), A * std::cos(b)};
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
  return {A * std::sin(n * b), A * n * std::cos(n * b), -n * n * A * std::sin(n * b)};
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
  return {R + A * std::cos(n * b), -A * n * std::sin(n * b), -A * n * n * std::cos(n * b)};
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
     "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) ",
     "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) を選択　A,L,波数nを設定 A L n=",
     "\n I=1  : 余弦関数 y=A*(1-cos(2πx/L)) A=%5.2f[m] L=%5.2f[m] 波数n=%3.1f",
     "\n (3-1)  余弦関数 y=A*(1-cos(2πx/L)) A=%4.2f L=%4.2f 波数n=%3.1f",
     cosine_derivs,
     cosine_derive,
     nullptr},
    {2,
     PathFamily::cartesian,
     2,
     2,
     2,
     {{"cycloid_A", 2.0, true}, {"cycloid_L", 2.0, true}},
     "\n I=2  : サイクロイド関数 y=A*(x-L/2π*sin(2πx/L)) ",
     "\n I=2  : サイクロイド関数 y=A*(x-L/2π*sin(2πx/L)) を選択 A L=",
     "\n I=2  : サイクロイド関数 y=A*(x-L/2π*sin(2πx/L)) A=%5.2f[m] L=%5.2f[m]",
     "\n (3-2)  サイクロイド y=A*(x-L/2π*sin(2πx/L)) A=%4.2f L=%4.2f",
     cycloid_derivs,
     cycloid_derive,
     nullptr},
    {3,
     PathFamily::cartesian,
     2,
     2,
     2,
     {{"quad_A", 2.0, true}, {"quad_L", 2.0, true}},
     "\n I=3  : 2次関数 y=A*(x/L)^2 ",
     "\n I=3  : 2次関数 y=A*(x/L)^2 を選択　A L=",
     "\n I=3  : 2次関数 y=A*(x/L)^2 A=%5.2f[m] L=%5.2f[m]",
     "\n (3-3)  2次関数 y=A*(x/L)^2 A=%4.2f L=%4.2f",
     quad_derivs,
     power_derive,
     nullptr},
    {4,
     PathFamily::cartesian,
     2,
     2,
     2,
     {{"cubic_A", 1.0, true}, {"cubic_L", 2.0, true}},
     "\n I=4  : 3次関数 y=A*(x/L)^3 ",
     "\n I=4  : 3次関数 y=A*(x/L)^3 を選択 A L=",
     "\n I=4  : 3次関数 y=A*(x/L)^3 A=%5.2f[m] L=%5.2f[m]",
     "\n (3-4)  3次関数 y=A*(x/L)^3 A=%4.2f L=%4.2f",
     cubic_derivs,
     power_derive,
     nullptr},
    {11,
     PathFamily::polar,
     2,
     2,
     2,
     {{"ellipse_A", 2.0, true}, {"ellipse_B", 1.0, true}},
     "\n I=11 : 楕円 r=AB/sqrt((Acosβ)^2+(Bsinβ)^2) ",
     "\n I=11 : 楕円 r=AB/sqrt((Acosβ)^2+(Bsinβ)^2) を選択 A B=",
     "\n I=11 : 楕円 r=AB/sqrt((Acosβ)^2+(Bsinβ)^2) A=%5.2f[m] B=%5.2f[m]",
     "\n (3-11) 楕円 r=A*B/√{(Asinβ)^2+(Bcosβ)^2} A=%4.2f B=%4.2f",
     ellipse_derivs,
     ellipse_derive,
     nullptr},
    {12,
     PathFamily::polar,
     2,
     2,
     2,
     {{"spiral_A", 1.0, true}, {"spiral_n", 2.0, true}},
     "\n I=12 : アルキメデス螺旋 r=A*(β/2π) ",
     "\n I=12 : アルキメデス螺旋 r=A*(β/2π) を選択 Aと巻数(任意正数)入力 A n=",
     "\n I=12 : アルキメデス螺旋 r=A*β/2π Aと巻数 A=%5.2f[m] n=%7.4f",
     "\n (3-12) アルキメデス螺旋 r=A*(β/2π) A=%4.2f 巻数n=%4.2f",
     spiral_derivs,
     spiral_derive,
     nullptr},
    {13,
     PathFamily::polar,
     2,
     1,
     2,
     {{"cardioid_A", 1.0, true}, {"cardioid_B", 1.2, false}},
     "\n I=13 : カーディオイド r=A*(B-cosβ) ",
     "\n I=13 : カーディオイド r=A(B-cosβ) を選択 A=",
     "\n I=13 : カーディオイド r=A(B-cosβ) A=%5.2f[m] B=%5.2f[m]",
     "\n (3-13) Cardioid r=A*(B-cosβ) A=%4.2f B=%4.2f",
     cardioid_derivs,
     cardioid_derive,
     nullptr},
    {14,
     PathFamily::polar,
     2,
     2,
     2,
     {{"rose_A", 1.0, true}, {"rose_n", 2.0, true}},
     "\n I=14 : 正葉線 r=A*sin(nβ) ",
     "\n I=14 : 正葉線 r=A*sin(nβ) を選択 A n(=1,2,...,1/2,1/3,...)=",
     "\n I=14 : 正葉線 r=A*sin(nβ) A=%5.2f[m] n=%7.4f",
     "\n (3-14) 正葉線 r=A*sin(nβ) A=%4.2f n=%4.2f",
     rose_derivs,
     rose_derive,
     nullptr},
    {15,
     PathFamily::polar,
     2,
     2,
     2,
     {{"arc_R", 1.0, true}, {"arc_n", 2.0, true}},
     "\n I=15 : 円弧   r=R ",
     "\n I=15 : 円弧 r=R を選択 R n(=任意正数)=",
     "\n I=15 : 円弧 r=R R=%5.2f[m] 巻数n=%7.4f",
     "\n (3-15) 円弧 r=R R=%4.2f 巻数n=%4.2f",
     arc_derivs,
     arc_derive,
     arc_param_at_length},
    {16,
     PathFamily::polar,
     3,
     2,
     2,
     {{"wavy_A", 0.2, true}, {"wavy_n", 4.0, true}, {"wavy_R", 2.0, false}},
     "\n I=16 : 波打ち円  r=R+A*cos(nβ) ",
     "\n I=16 : 波打ち円 r=R+A*cos(nβ) を選択 R=2[m], A n(=任意正数)=",
     "\n I=16 : 波打ち円 r=R+A*cos(nβ) R=2[m] A=%5.2f[m] 波数n=%7.4f",
     "\n (3-16) 波打ち円 r=R+A*cos(nβ) R=2[m] A=%4.2f 波数n=%4.2f",
     wavy_derivs,
     wavy_derive,
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
