#pragma once

// The console dialogue: error choice, path change, settings report, computation, key help.
// Returns only after a computation has succeeded.
void dialogue();
