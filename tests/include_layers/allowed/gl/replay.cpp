#include "gl/replay.h"

#include <GL/gl.h>

#include "display/frame.h"
