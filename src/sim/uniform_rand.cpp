#include "sim/uniform_rand.h"

#include "sim/random_state.h"

int uniform_rand() {
  random_state.lcg_state = random_state.lcg_state * lcg_multiplier + lcg_increment;
  return static_cast<int>((random_state.lcg_state >> 16) & 0x7fffu);
}
