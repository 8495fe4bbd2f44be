#pragma once

#include <cstdint>

// Linear congruential generator over random_state.lcg_state (32 bits, wrapping).
inline constexpr uint32_t lcg_multiplier = 214013u;
inline constexpr uint32_t lcg_increment = 2531011u;
inline constexpr int uniform_rand_max = 32767;

// Advances the state and returns bits 16..30 of the new state: 0..32767.
int uniform_rand();
