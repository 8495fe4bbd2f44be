#pragma once

// What the dialogue does with its answers, shared with the batch export so that the same
// answers give the same numbers.

// Resets every error (ratios 0, nominal geometry), selects kind '0'..'5' and stores the
// first `count` entered values of that kind, converted: percent -> ratio, degrees ->
// radians; kind '4' also sets the erroneous geometry. A value that is not a finite number
// leaves its error at 0, as text does.
void set_error(char kind, int count, const double* values);

// chart_range of every type from the reference motion just computed.
void set_chart_ranges();

// out = the largest absolute x or y of points[0..n].
void trajectory_range(int n, const double (*points)[2], double* out);
