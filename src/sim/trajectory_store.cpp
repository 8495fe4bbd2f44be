#include "sim/trajectory_store.h"

#include <cstring>

TrajectoryStore store;

// The store is a few megabytes: cleared in place, never through a temporary.
void reset_store() {
  std::memset(&store, 0, sizeof store);
}
