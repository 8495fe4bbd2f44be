#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "path/arc_length.h"
#include "path/path.h"
#include "path/path_curves.h"
#include "path/path_length_check.h"
#include "path/path_table.h"

// Every path at its default constants, derived; a sampling table per path, empty until
// prepared.
class PathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < path_count; ++i) {
      choice[i] = default_path_choice(path_table[i]);
      make_path(choice[i], &path[i]);
    }
  }

  // The constant of any path by its code name; derive(I) takes it into the path.
  double& constant(const char* name) {
    for (int i = 0; i < path_count; ++i) {
      for (int k = 0; k < path_table[i].constant_count; ++k) {
        if (std::string(name) == path_table[i].constants[k].name) {
          return choice[i].constants[k];
        }
      }
    }
    ADD_FAILURE() << "no constant " << name;
    static double none;
    return none;
  }

  Path& P(int I) { return path[path_slot(I)]; }
  void derive(int I) { make_path(choice[path_slot(I)], &P(I)); }

  ArcTable& arc(int I) {
    std::unique_ptr<ArcTable>& t = table[path_slot(I)];
    if (!t) t = std::make_unique<ArcTable>();  // zero: only the start entry
    return *t;
  }

  // The length check and the table, as a computation runs them; true when the path fits.
  bool prepare(int I) {
    derive(I);
    if (check_path_length(P(I), 0.02).refusal != PathRefusal::none) return false;
    build_arc_table(P(I), arc(I));
    return true;
  }

  PathChoice choice[path_count];
  Path path[path_count];
  std::unique_ptr<ArcTable> table[path_count];
};
