#pragma once

#include "display/text.h"
#include "model/point2d.h"
#include "platform/messages.h"
#include "scene/view_transform.h"
#include "sim/deviation.h"
#include "sim/trajectory_store.h"

// The three mechanisms side by side: three panels across the picture, one per AGV type,
// each with the CP path, the error-free (red) and the faulty (blue) motion up to the same
// step (held to each type's last record), the type's name and its deviation now and at
// the end, all at one scale.
struct CompareInput {
  const TrajectoryStore* store;
  const DeviationSummary* summaries;  // per type: whether the error acts on it
  int step;
  View view;  // the view of the middle panel; the others are shifted by a panel's width
  point2d path_start;
  point2d path_end;
  bool error_free;  // no mechanism error was chosen
  Language language;
};

// Width of a panel in window units.
inline constexpr double compare_panel_width = 2.0 / 3.0;

// Composes the panels into the part being composed. Draws nothing without a store.
void compose_compare(DrawList& list, const CompareInput& in, const TextStyle& style);

// The view that shows the motions of all three types, each in its panel, as large as they
// fit below the legend and above the settings bar. False (view unchanged) when no motion
// has a finite point.
bool fit_compare_view(const TrajectoryStore& store, const point2d& start, const point2d& end,
                      View* view);
