#include "platform/window_timer.h"

#include <GL/freeglut.h>

void call_after(unsigned ms, void (*callback)(int), int value) {
  glutTimerFunc(ms, callback, value);
}
