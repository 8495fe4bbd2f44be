#pragma once

#include "sim/sim_state.h"

// Time derivative of integrated component i of state, for path I and AGV type 1..3.
// For type 1 and i = agv_delta or err_delta it sets that component of state and returns 0.
double sim_deriv(int i, double t, int I, int type, sim_state& state);

// One Runge-Kutta-Gill step of h seconds from in to out (components 0..20 of out written;
// the rest copied from in). Under error kind '5' it first sets the wheel error ratios from
// the slip inputs of in. For type 1 it sets the steering components of in.
void sim_step(double t, double h, int I, int type, sim_state& in, sim_state& out);
