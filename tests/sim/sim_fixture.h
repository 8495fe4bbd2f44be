#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "path/path_table.h"
#include "sim/caltraj.h"
#include "sim/computation.h"
#include "sim/trajectory_store.h"
#include "support/committed_tables.h"

// One workspace for the whole test program (it is several megabytes), and `store`, its
// trajectory store, by the name the code gives it.
inline Workspace& test_workspace() {
  static const std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
  return *ws;
}
inline TrajectoryStore& store = test_workspace().store;

// Runs computations as the programs do: a scenario built from the chosen error and the
// constants of every path, each starting at its defaults.
class SimTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scenario = default_scenario();
    for (int i = 0; i < path_count; ++i) paths[i] = default_path_choice(path_table[i]);
    result = ComputeResult{};
  }

  void choose_error(char kind, double v1 = 0.0, double v2 = 0.0) {
    scenario.error = {static_cast<ErrorKind>(kind), {v1, v2}};
  }

  // The constant of any path by its code name ("cosine_A", ...), fixed ones included.
  double& constant(const char* name) {
    for (int i = 0; i < path_count; ++i) {
      for (int k = 0; k < path_table[i].constant_count; ++k) {
        if (std::string(name) == path_table[i].constants[k].name) return paths[i].constants[k];
      }
    }
    ADD_FAILURE() << "no constant " << name;
    static double none;
    return none;
  }

  // Returns the computation's last record (MAX when a motion needed too many), or -1 when
  // the length check refused the path.
  int compute(int I) {
    scenario.path = paths[path_slot(I)];
    result = ::compute(scenario, committed_tables(), test_workspace());
    switch (result.refusal) {
      case Refusal::none:
      case Refusal::too_many_records:
        return result.records;
      default:
        return -1;
    }
  }

  // caltraj on path I with errors set directly (values the dialogue would never store),
  // the generator at its start.
  int run_caltraj(int I, ErrorKind kind, const MechanismErrors& errors) {
    Path path;
    PathCheck check;
    scenario.path = paths[path_slot(I)];
    EXPECT_TRUE(check_scenario_path(scenario, &path, &check));
    build_arc_table(path, test_workspace().arc);
    const SimContext ctx{&path, &test_workspace().arc, scenario.vehicle, kind, errors};
    RandomSource random{scenario.random_state, &committed_tables()};
    return caltraj(ctx, random, test_workspace().slip, store, nullptr);
  }

  Scenario scenario;
  PathChoice paths[path_count];
  ComputeResult result;
};
