#pragma once

#include <cstdint>

#include "model/agv_type.h"
#include "model/mechanism_errors.h"
#include "model/scenario.h"
#include "path/arc_length.h"
#include "path/path.h"
#include "path/path_length_check.h"
#include "sim/compute_cache.h"
#include "sim/deviation.h"
#include "sim/normal_tables.h"
#include "sim/slip_noise.h"
#include "sim/trajectory_store.h"

// The computation as one step: a scenario in, the store filled and a result out. It
// prints nothing and writes nothing outside the workspace it is given, so runs can go one
// after the other or side by side (one workspace each) without passing anything on.

// Everything a computation writes. About ten megabytes: make one before computing (for
// example with std::make_unique) and use it for many computations.
struct Workspace {
  TrajectoryStore store;
  ArcTable arc;
  SlipSequences slip;
};

enum class Refusal {
  none,
  unknown_path,         // no path has this number
  end_param_too_large,  // the path is too fine to compute
  path_too_long,        // longer than smax (or its length is not a number)
  path_too_short,       // no length to show
  too_many_records,     // a motion needed MAX records or more
  impossible_error,     // the error describes no vehicle that can exist (ErrorFault)
  not_finite,           // a value of the motion overflowed or is not a number
};

struct ComputeResult {
  Refusal refusal;
  int path_no;
  PathCheck check;         // the path length against smax (when the path exists)
  ErrorFault fault;        // what is wrong with the error, when refused for it
  AgvType failed_type;     // the type that needed too many records
  int records;             // traj_last of type 3, or MAX
  Path path;               // the path as computed: its derived values and end markers
  MechanismErrors errors;  // the errors the faulty vehicle carried
  // What the error menu lists next: the errors, but under random slip with the wheel
  // ratios of the last integration step.
  MechanismErrors last_errors;
  uint32_t random_state;                       // the slip generator's state after the run
  DeviationSummary deviation[agv_type_count];  // per type, when computed
  double free_offset[agv_type_count];          // m, per type: free_vehicle_offset, when computed
};

// Path 1 with its default constants, no error, the default vehicle, the generator at the
// state of a fresh program.
Scenario default_scenario();

// The scenario with path I at its default constants (false when I is no path).
bool set_default_path(Scenario& scenario, int I);

// The path of the scenario, derived and measured against the store's limit (what the
// computation refuses first). False when the number is no path.
bool check_scenario_path(const Scenario& scenario, Path* path, PathCheck* check);

// Runs the computation: checks the error, derives and checks the path, samples it,
// integrates the three motions of every type with the scenario's error (filling the slip
// sequences from the scenario's generator state under random slip), sets the chart ranges
// and sums up the deviations. A store holding a value that is not finite is refused. On a
// refusal the store may hold a partial run; nothing of it may be shown.
ComputeResult compute(const Scenario& scenario, const NormalTables& tables, Workspace& ws);

// The same computation, taking from `cache` what an earlier computation of the same path
// and vehicle left (the arc-length table, the reference's look-ups) and leaving there what
// this one finds: the same bits as compute without a cache, sooner when only the error
// changed. The workspace's own arc table is not used.
ComputeResult compute(const Scenario& scenario, const NormalTables& tables, Workspace& ws,
                      ComputeCache& cache);

// True when every value of records 0..traj_last of every type, their end times and chart
// ranges are finite.
bool store_is_finite(const TrajectoryStore& store);

// out = the largest absolute x or y of points[0..n].
void trajectory_range(int n, const traj_rec* points, double* out);
