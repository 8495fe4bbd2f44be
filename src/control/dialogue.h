#pragma once

// The console dialogue: error choice, path change, settings report, computation, key help.
// Returns only after a computation has succeeded.
void dialogue();

// out = the largest absolute x or y of points[0..n].
void trajectory_range(int n, const double (*points)[2], double* out);
