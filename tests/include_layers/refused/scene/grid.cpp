// The blank after # is what the check must read too.
// clang-format off
#include <cmath>
# include <GL/gl.h>
