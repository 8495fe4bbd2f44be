#pragma once

#include "model/agv_type.h"
#include "scene/chart_layout.h"
#include "sim/trajectory_store.h"

// The x(t) and y(t) charts of one AGV type with black dots at record `step`. What cannot be
// scaled is left out: no curves or dots without a positive finite chart_range, no curves
// with fewer than two records, no second ticks without a positive finite duration.
void draw_charts(const TrajectoryStore& store, AgvType type, int step);
