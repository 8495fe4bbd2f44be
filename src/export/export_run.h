#pragma once

#include "control/settings.h"
#include "export/export_options.h"

// Runs what a fresh agvsim runs for the same answers: the start-up, then the dialogue's
// steps for the chosen constants, error and path, up to the chart ranges. Leaves the
// results in the program-wide state (paths, store). *used receives the settings the
// computation ran with (before the slip simulation rewrites the wheel errors).
// Messages of the library (refusals) go to standard error. A table that cannot be read
// ends the process with the loader's message and status 1.
// Returns false when the path is refused by the length check or the record limit.
bool run_export(const ExportOptions& options, Settings* used);
