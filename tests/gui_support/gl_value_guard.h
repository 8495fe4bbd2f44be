#pragma once

// Counts the non-finite numbers that the drawing code hands to GL. The test programs
// define the GL entry points that carry coordinates, sizes and colours themselves (the
// drawing library binds to them), check every value and pass the call on to the real GL.
// Vertex arrays are checked when they are drawn.

// Non-finite values seen since the last reset.
long nonfinite_gl_values();
void reset_gl_value_guard();
