#include "sim/uniform_rand.h"

int uniform_rand(uint32_t& state) {
  state = state * lcg_multiplier + lcg_increment;
  return static_cast<int>((state >> 16) & 0x7fffu);
}
