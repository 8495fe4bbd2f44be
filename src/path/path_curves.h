#pragma once

// Evaluation of the ten CP path curves at a parameter p (x for I = 1..4, beta for 11..16).
// Pure functions of p, I and the constants in `paths`.

// out = (x, y). Returns y (I = 1..4) or r (polar).
double path_point(double p, int I, double out[2]);

// out = (dx/dp, dy/dp, heading atan2(dy/dp, dx/dp)). Returns dy/dx or dr/dbeta.
double path_tangent(double p, int I, double out[3]);

// out = (d2x/dp2, d2y/dp2). Returns d2y/dx2 or d2r/dbeta2.
double path_second(double p, int I, double out[2]);

// Signed curvature (1/m), positive for a left turn. Polar points where r and r' vanish
// are evaluated 0.001 further on and capped at 50.
double path_curvature(double p, int I);

// |dP/dp| at p: sqrt(y'^2 + 1) or sqrt(r^2 + r'^2), from the same scalars that
// path_point and path_tangent return (one evaluation, no heading).
double path_speed(double p, int I);

// d(kappa)/ds (1/m^2) by a central difference of +-5e-05 in the parameter.
double path_curvature_rate(double p, int I);
