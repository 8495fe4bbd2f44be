#include "app/playback_speeds.h"

#include <algorithm>

const char* speed_name(int speed) {
  static const char* const names[playback_speed_count] = {"x1/4", "x1/2", "x1", "x2", "x4", "x8"};
  return names[std::clamp(speed, 0, playback_speed_count - 1)];
}
