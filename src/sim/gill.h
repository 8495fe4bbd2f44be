#pragma once

// Constants of the Runge-Kutta-Gill step, used exactly as written so that every result is
// reproducible to the last bit: 1 - 1/sqrt(2) to nine decimals, 1 + 1/sqrt(2) and 1/6 to
// eight decimals.
inline constexpr double gill_c1 = 0.5;
inline constexpr double gill_c2 = 0.292893219;
inline constexpr double gill_c3 = 1.70710678;
inline constexpr double gill_c4 = 0.16666667;
inline constexpr double gill_factor = 3.0;  // factor of r in the running correction q
