#pragma once

#include <cstdio>

#include "control/command_line.h"
#include "model/scenario.h"
#include "sim/computation.h"
#include "sim/trajectory_store.h"

// Writes a computation as CSV, one table per file so that a CSV reader that skips '#' lines
// gets numeric columns at once. Both files start with the same '#' comment lines
// ("# name=value", per AGV type "# name=v1,v2,v3"): the scenario, the errors as used, the
// vehicle, the path length, the records per type and the deviation of the faulty vehicle
// from the error-free one (final and largest, from ComputeResult::deviation); then one
// header row and the rows:
//   write_trajectory_csv: type,array,record,t,s,theta,x,y,delta,kappa,p
//     (array cp, agv, err, dev; p only for cp, empty otherwise)
//   write_wheel_csv:      type,record,t,travel_1,travel_2,delta
// Every number is the shortest text that reads back as the same double ("0.04"), with a
// decimal point in every locale. Returns false when the stream reports a write error.
bool write_trajectory_csv(std::FILE* out, const CommandLine& line, const Scenario& scenario,
                          const ComputeResult& result, const TrajectoryStore& store);
bool write_wheel_csv(std::FILE* out, const CommandLine& line, const Scenario& scenario,
                     const ComputeResult& result, const TrajectoryStore& store);
