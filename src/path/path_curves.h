#pragma once

#include "path/path.h"

// Evaluation of a CP path at a parameter p (x for the curves y = f(x), beta for the polar
// ones). Pure functions of p and the path.

// out = (x, y). Returns y (y = f(x)) or r (polar).
double path_point(double p, const Path& path, double out[2]);

// out = (dx/dp, dy/dp, heading atan2(dy/dp, dx/dp)). Returns dy/dx or dr/dbeta.
double path_tangent(double p, const Path& path, double out[3]);

// out = (d2x/dp2, d2y/dp2). Returns d2y/dx2 or d2r/dbeta2.
double path_second(double p, const Path& path, double out[2]);

// Signed curvature (1/m), positive for a left turn. Polar points where r and r' vanish
// are evaluated 0.001 further on and capped at 50.
double path_curvature(double p, const Path& path);

// |dP/dp| at p: sqrt(y'^2 + 1) or sqrt(r^2 + r'^2), from the same scalars that
// path_point and path_tangent return (one evaluation, no heading).
double path_speed(double p, const Path& path);

// d(kappa)/ds (1/m^2) by a central difference of +-5e-05 in the parameter.
double path_curvature_rate(double p, const Path& path);
