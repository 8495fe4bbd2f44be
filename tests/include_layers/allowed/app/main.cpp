#include <vector>

#include "gl/replay.h"
