#pragma once

#include <cmath>

#ifdef __EMSCRIPTEN__
extern "C" void sincos(double x, double* sin, double* cos);
#endif

// The sine and the cosine of one angle. The browser build's C library computes both from
// one argument reduction (sincos) with the very bits its sin and cos give, and its compiler
// does not combine the two calls itself; the native compilers combine them where the C
// library allows, so there the two calls stay as they are.
inline void sin_cos(double x, double* s, double* c) {
#ifdef __EMSCRIPTEN__
  ::sincos(x, s, c);
#else
  *s = std::sin(x);
  *c = std::cos(x);
#endif
}
