#pragma once

// The speeds the motion plays at: one record every dt_sim seconds at x1, from x1/4 to x8.
inline constexpr double playback_speeds[] = {0.25, 0.5, 1.0, 2.0, 4.0, 8.0};
inline constexpr int playback_speed_count = 6;
inline constexpr int normal_speed = 2;  // x1

// "x1/4", "x1/2", "x1", "x2", "x4", "x8".
const char* speed_name(int speed);
