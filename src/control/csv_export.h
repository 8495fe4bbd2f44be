#pragma once

#include <cstdio>

#include "control/command_line.h"
#include "model/scenario.h"
#include "sim/computation.h"
#include "sim/trajectory_store.h"

// Writes a computation as CSV: '#' comment lines with the scenario and the per-type
// summary, then the trajectory rows under the header
//   type,array,record,t,s,theta,x,y,delta,kappa,p
// and, after two empty lines, the wheel rows under the header
//   type,record,t,travel_1,travel_2,delta
// Every number has 17 significant digits, independent of the locale.
// Returns false when the stream reports a write error.
bool write_export_csv(std::FILE* out, const CommandLine& line, const Scenario& scenario,
                      const ComputeResult& result, const TrajectoryStore& store);
