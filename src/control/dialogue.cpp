// The console dialogue.
#include "control/dialogue.h"

// Placeholder until the dialogue lands; lets the window code link.
void dialogue() {}
