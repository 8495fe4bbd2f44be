#include "scene/circle_table.h"

#include <cmath>

namespace {

CircleTable make_table() {
  CircleTable t{};
  const double step = 2.0 * circle_pi / circle_segments;
  for (int i = 0; i < circle_segments; ++i) {
    t.cos[i] = std::cos(i * step);
    t.sin[i] = std::sin(i * step);
  }
  return t;
}

}  // namespace

const CircleTable& circle_table() {
  static const CircleTable table = make_table();
  return table;
}
