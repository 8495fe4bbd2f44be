#pragma once

#include "display/text.h"
#include "model/point2d.h"
#include "scene/rgba.h"
#include "sim/trajectory_store.h"

// The curves and the axes of one time chart.

// One field of records 0..n as a polyline from origin: record j at
// (origin.x + j * xs, origin.y + ys * value). A segment with an end at or beyond the half
// height (or not finite) is left out.
void chart_curve(DrawList& list, int n, const point2d& origin, double xs, double ys, double width,
                 const rgba& colour, const traj_rec* records, double traj_rec::*field);

// Axes of one chart: time axis with a tick per second and the seconds label, the right
// border, value ticks every `unit` metres with the labels 1 and -1, and the value axis.
// `range` metres reach the half height. The labels in the fonts of the style.
void chart_axes(DrawList& list, const point2d& origin, double unit, double t_end, double range,
                const TextStyle& style);
