#pragma once

#include "model/agv_type.h"
#include "model/scenario.h"
#include "model/vehicle.h"
#include "path/arc_length.h"
#include "sim/trajectory_store.h"

// What a computation leaves that the next one of the same path can take again: the path's
// arc-length table, and the reference motion's look-ups along the path (the parameter at
// an arc length, the curvature and steering angle there). A change of the error alone
// mostly leaves the reference motion as it was, so the next computation finds most of its
// look-ups here instead of searching the path anew. Every look-up is taken only for the
// very same inputs, bit for bit, so a computation with the cache gives the same bits as
// one without.

// One look-up of the reference: its inputs (the previous stage's parameter, the arc
// length) and what followed from them.
struct ReferenceLookup {
  double guess;
  double s;
  double p;
  double kappa;
  double delta;
};

// One stage of the integration as far as the reference and the error-free vehicle go:
// the command (drive speed and steering rate) and their derivatives, components 0..10,
// with the steering angle the two-wheel type sets.
inline constexpr int reference_derivs = 11;
struct ReferenceStage {
  double V;
  double w;
  double d[reference_derivs];
  double set_agv;
};

// Four stages per integration step, five steps per record, and the fitted last step.
inline constexpr int lookups_per_type = 4 * 5 * MAX + 8;

// The look-ups and stages of each type in the order the integration made them. The
// command depends on the error only through the faulty vehicle's Tread: while that is the
// one the stages were kept with and every look-up so far has been found, the motion runs
// exactly as the kept one, and its stages are taken as they are.
struct ReferenceMemo {
  ReferenceLookup entry[agv_type_count][lookups_per_type];
  int filled[agv_type_count];  // entries 0..filled - 1 hold a look-up
  ReferenceStage stage[agv_type_count][lookups_per_type];
  int stages_filled[agv_type_count];
  double tread_err[agv_type_count];  // the Tread the stages were kept with
  int type;                          // index of the type being integrated
  int cursor;                        // its next look-up
  int stage_cursor;                  // its next stage
  bool on_track;                     // the stages so far were the kept ones
  double current_tread_err;
};

// Starts the look-ups of one type's motion, whose faulty vehicle has this Tread.
void memo_begin_type(ReferenceMemo& memo, int type_index, double tread_err);

// The kept stage the integration reaches next, while it runs as the kept one.
const ReferenceStage* memo_stage(ReferenceMemo& memo);

// Keeps the stage just computed (after memo_stage gave none) in its place; the kept
// motion of the type ends there until the integration adds more.
void memo_keep_stage(ReferenceMemo& memo, const ReferenceStage& stage);

// The look-up the integration makes next, when the memo holds one with these inputs.
const ReferenceLookup* memo_find(ReferenceMemo& memo, double guess, double s);

// Keeps the look-up just made (after memo_find found none) in its place in the order.
void memo_keep(ReferenceMemo& memo, const ReferenceLookup& lookup);

// Several megabytes: make one (std::make_unique) and pass it to every computation of a
// window or a session.
struct ComputeCache {
  bool ready;  // the table and the memo belong to `path` and `vehicle`
  PathChoice path;
  VehicleConstants vehicle;
  ArcTable arc;
  ReferenceMemo memo;
};

// True when the cache was filled for this path and vehicle.
bool cache_holds(const ComputeCache& cache, const PathChoice& path,
                 const VehicleConstants& vehicle);

// Empties the cache for a path and vehicle; the caller builds the table next.
void cache_reset(ComputeCache& cache, const PathChoice& path, const VehicleConstants& vehicle);
