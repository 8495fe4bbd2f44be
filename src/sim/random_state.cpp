#include "sim/random_state.h"

#include <cstring>

RandomState random_state;
NormalTables normal_tables;

void reset_random_state() {
  std::memset(&random_state, 0, sizeof random_state);
  random_state.lcg_state = 1;
}
