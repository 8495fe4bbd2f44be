#pragma once

#include "control/point2d.h"
#include "scene/rgba.h"
#include "sim/trajectory_store.h"

// Chart layout in window units.
inline constexpr point2d xt_origin{0.4, 0.68};    // left end of the x(t) time axis
inline constexpr point2d yt_origin{0.4, 0.05};    // left end of the y(t) time axis
inline constexpr double chart_width = 0.5;        // the whole motion spans the time axis
inline constexpr double chart_half_height = 0.3;  // chart_range reaches this far

// The x(t) and y(t) charts of AGV type `type` (1..3) with black dots at record `step`.
// What cannot be scaled is left out: no curves or dots without a positive finite
// chart_range, no curves with fewer than two records, no second ticks without a positive
// finite duration.
void draw_charts(int type, int step);

// One field of records 0..n as a polyline from origin: record j at
// (origin.x + j * xs, origin.y + ys * value). A segment with an end at or beyond the half
// height (or not finite) is left out.
void chart_curve(int n, const point2d& origin, double xs, double ys, double width,
                 const rgba& colour, const traj_rec* records, double traj_rec::*field);

// Axes of one chart: time axis with a tick per second and the seconds label, the right
// border, value ticks every `unit` metres with the labels 1 and -1, and the value axis.
// `range` metres reach the half height.
void chart_axes(const point2d& origin, double unit, double t_end, double range);
