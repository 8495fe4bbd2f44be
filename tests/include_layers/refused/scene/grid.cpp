#include <cmath>
# include <GL/gl.h>
