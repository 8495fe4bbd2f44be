#pragma once

#include <cstdint>

#include "display/text.h"
#include "model/agv_type.h"
#include "scene/chart_layout.h"
#include "sim/trajectory_store.h"

// The x(t) and y(t) charts of one AGV type with black dots at record `step`. What cannot be
// scaled is left out: no curves or dots without a positive finite chart_range, no curves
// with fewer than two records, no second ticks without a positive finite duration.
void draw_charts(DrawList& list, const TrajectoryStore& store, AgvType type, int step,
                 const TextStyle& style);

// The same in two parts: everything but the dots of the step (which changes only with the
// computation, the type and the fonts), and the dots.
void draw_chart_lines(DrawList& list, const TrajectoryStore& store, AgvType type,
                      const TextStyle& style);
void draw_chart_dots(DrawList& list, const TrajectoryStore& store, AgvType type, int step);

// A hash of everything draw_chart_lines shows.
std::uint64_t chart_lines_key(const TrajectoryStore& store, AgvType type, const TextStyle& style);
