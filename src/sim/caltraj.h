#pragma once

#include "model/agv_type.h"
#include "sim/kinematics.h"
#include "sim/normal_rand.h"
#include "sim/slip_noise.h"
#include "sim/trajectory_store.h"

// What a run of caltraj tells besides its result.
struct CaltrajInfo {
  AgvType failed_type;  // the type whose motion needed MAX records or more
  // The slip inputs of the last integration step run, from which the wheel errors of that
  // step follow (slip_step_errors).
  double last_slip_l;
  double last_slip_r;
};

// Computes the three motions of all three AGV types along the context's path into the
// store. Under random slip it first fills the two slip sequences from the generator (left,
// then right). Returns traj_last of type 3, or MAX (3000) when a motion needs MAX records
// or more; the types before the failing one are then complete, the failing one and those
// after it keep their traj_last and traj_tend.
int caltraj(const SimContext& ctx, RandomSource& random, SlipSequences& slip,
            TrajectoryStore& store, CaltrajInfo* info);
