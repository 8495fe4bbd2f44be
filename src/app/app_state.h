#pragma once

#include <memory>
#include <string>

#include "app/playback.h"
#include "app/window_pictures.h"
#include "control/dialogue.h"
#include "control/live_settings.h"
#include "control/session.h"
#include "display/frame.h"
#include "gl/renderer.h"
#include "model/agv_type.h"
#include "scene/draw_list.h"
#include "scene/view_transform.h"
#include "sim/computation.h"
#include "sim/normal_tables.h"

// The state of agvsim's window, which its callbacks get: the dialogue's session, the
// computation shown and how it is shown, the frame and its renderer, the pictures. The
// program makes one and hands it to the window; tests make their own.
struct AppState {
  NormalTables tables;
  Session session;
  Workspace* workspace;  // the store shown: owned_workspace, or one a test gives
  std::unique_ptr<Workspace> owned_workspace;
  // The other store: a change of the setting in the window is computed into it, and the
  // two are swapped when it succeeds. It then holds the computation shown before.
  Workspace* spare_workspace;
  std::unique_ptr<Workspace> owned_spare;
  std::unique_ptr<ComputeCache> cache;  // what the window's computations pass on
  LiveSettings live;                    // the setting as the window's keys change it
  bool bar_shown;       // the settings bar over the picture, with the status line ('i')
  const char* refused;  // why the setting of the settings bar was refused, or null
  bool ghost_ready;     // the spare store holds the computation shown before the last change
  bool ghost_shown;     // the previous setting's faulty trail ('b')
  bool compare;         // the three mechanisms side by side ('m')
  View single_view;     // the view of one type, while the three are shown side by side
  bool dragging;        // the left mouse button moves the scene
  int drag_x;           // pixel where the drag last stood
  int drag_y;
  Scenario scenario;     // of the computation shown
  ComputeResult result;  // the computation shown
  AgvType agv_type;      // the type shown (and named in the settings report)
  int step;              // record shown, 0..traj_last of the shown type
  char last_key;         // last key pressed in the window
  View view;
  FrameStyle style;   // classic or projector ('v', --style)
  Language language;  // of the window's texts ('l'; at the start the program's)
  bool status_shown;  // the status line ('i')
  bool help_shown;    // the key list, until the next key ('h', '?')
  Playback playback;  // space, '+', '-'
  int window_width;   // pixels, as the window system last reported
  int window_height;
  DrawList frame;           // the frame being drawn, its buffers reused
  GlRenderer renderer;      // draws it in the window's context
  WindowPictures pictures;  // 'p' and 'g'
};

// Start-up: the random tables, the session, the workspace; the settings report names type
// 2 until the first computation.
void app_start(AppState& state, const std::string& tables_dir);

// Runs the console dialogue from `start` to a successful computation and shows it from its
// start: type 1, step 0, the scale back to view_scale0 (the shift stays).
void app_run_dialogue(AppState& state, DialogueStart start);

// Computes a scenario given on the command line as the dialogue would have had it
// answered (the session takes its path and error, so 'c' and 'e' go on from it), prints
// its settings report, and shows it like app_run_dialogue. False, with the reason printed
// on the error stream, when it is refused.
bool app_run_scenario(AppState& state, const Scenario& scenario);

// What the window shows now.
FrameInput app_frame(const AppState& state);

// The view a new computation, a change of style or of the window's size starts from: in the
// classic style the scale back to view_scale0 (the shift stays), in the projector style the
// motion of the shown type fitted into the top view.
void reset_view(AppState& state);

// The last record the window plays to: of the type shown, or of the longest of the three
// motions when they are shown side by side.
int shown_last_record(const AppState& state);

// Fits the view of the three types side by side to the computation shown.
void fit_compare(AppState& state);

// Display callback: draws app_frame(state). The key handler calls it to redraw at once. Draws
// nothing while the window is larger than the program draws into (it is shrinking).
void on_display(AppState& state);

// Reshape callback: keeps the window's size and sets the viewport (on_reshape).
void app_reshape(AppState& state, int width, int height);
