#pragma once

#include "control/session.h"
#include "model/agv_type.h"
#include "sim/computation.h"

// Where a run of the dialogue begins.
enum class DialogueStart {
  error_menu,   // the first run and the window's 'e': the error, then the path
  path_change,  // the window's 'c': only the path; the error stays
};

// The console dialogue: error choice, path change, settings report (for the type shown in
// the window), computation, key help. Returns only after a computation has succeeded: the
// workspace's store holds it and *result describes it.
void dialogue(Session& session, DialogueStart start, AgvType shown, const NormalTables& tables,
              Workspace& ws, ComputeResult* result);
