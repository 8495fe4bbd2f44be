#pragma once

#include <cstddef>
#include <cstdio>
#include <vector>

#include "control/command_line.h"
#include "model/scenario.h"
#include "sim/computation.h"
#include "sim/normal_tables.h"

// A sweep of error sizes: one computation per size, each from the same scenario with only
// the error changed (and the slip generator at the scenario's start state), so that every
// size gives exactly what a single run of it gives.

struct SweepPoint {
  double first;   // the error's first value (percent or degrees)
  double second;  // its second value, for the kinds that take two
  ComputeResult result;
};

// The sizes from.. to in steps (from + i * step, up to `to` and a hair beyond for rounding).
std::vector<double> sweep_sizes(const SweepRange& range);

// Told after each size computed: how many are done of how many. Called by one thread at a
// time, whichever finished the size.
using SweepProgress = void (*)(std::size_t done, std::size_t total);

// Computes every size of the range on `threads` threads (0: one per core), each thread
// with a workspace of its own; returns the points in the order of the sizes.
std::vector<SweepPoint> run_sweep(const Scenario& base, const SweepRange& range,
                                  const NormalTables& tables, int threads,
                                  SweepProgress progress = nullptr);

// '#' lines in the style of the export's (version, path, constants, error kind, the range),
// then one CSV row per size and AGV type: the sizes, the type, the final deviation of the
// faulty vehicle from the error-free one (dx, dy, distance in m, dtheta in rad) and the one
// at the record of the largest distance (that record, dx, dy, distance, dtheta), named as
// the export's header lines name them, and whether the size was computed (refused sizes
// have empty figures). Numbers in the shortest form. Returns false on a write error.
bool write_sweep_csv(std::FILE* out, const Scenario& base, const SweepRange& range,
                     const std::vector<SweepPoint>& points);
