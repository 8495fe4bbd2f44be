#pragma once

#include "model/agv_type.h"
#include "model/error_kind.h"
#include "model/mechanism_errors.h"
#include "model/vehicle.h"
#include "path/arc_length.h"
#include "path/path.h"
#include "sim/compute_cache.h"
#include "sim/sim_state.h"

// What one integration step reads besides the state: the path with its sampling, the
// vehicle, and the error of the faulty vehicle.
struct SimContext {
  const Path* path;
  const ArcTable* arc;
  VehicleConstants vehicle;
  ErrorKind kind;
  // The errors as entered; under random slip the wheel ratios of each step come from the
  // slip inputs of the state (slip_step_errors).
  MechanismErrors errors;
  // The reference's look-ups of an earlier computation of the same path, or null.
  ReferenceMemo* memo = nullptr;
};

// The errors one step of a state runs with.
MechanismErrors step_errors(const SimContext& ctx, const sim_state& state);

// Time derivative of integrated component i of state, for AGV type `type`, with the errors
// of the state's step. For type 2DW1C and i = agv_delta or err_delta it sets that component
// of state and returns 0.
double sim_deriv(int i, double t, const SimContext& ctx, AgvType type, sim_state& state);

// One Runge-Kutta-Gill step of h seconds from in to out (components 0..20 of out written;
// the rest copied from in). For type 2DW1C it sets the steering components of in.
void sim_step(double t, double h, const SimContext& ctx, AgvType type, sim_state& in,
              sim_state& out);
