#pragma once

// A point or vector in the plane: world metres or window units, depending on the user.
struct point2d {
  double x;
  double y;
};
