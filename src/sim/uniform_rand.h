#pragma once

#include <cstdint>

// Linear congruential generator over a 32-bit state (wrapping).
inline constexpr uint32_t lcg_multiplier = 214013u;
inline constexpr uint32_t lcg_increment = 2531011u;
inline constexpr int uniform_rand_max = 32767;
inline constexpr uint32_t lcg_start_state = 1;  // the state of every fresh program

// Advances the state and returns bits 16..30 of the new state: 0..32767.
int uniform_rand(uint32_t& state);
