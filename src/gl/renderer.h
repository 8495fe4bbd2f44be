#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gl/disc_runs.h"
#include "gl/display_list.h"
#include "gl/layer_image.h"
#include "scene/draw_list.h"

// Draws a draw list with OpenGL 1.x into the current context, keeping from frame to frame
// what the list says stays: the grid as a display list, the trails as images that grow
// with the step, the layer above the vehicles as an image. What it keeps belongs to the
// context it was drawn in: one renderer per context.
struct GlOptions {
  bool batch_runs = true;     // false: every disc and segment of a run on its own
  bool retain_layers = true;  // false: every part drawn anew each frame
};

class GlRenderer {
 public:
  GlOptions options;

  // The picture: brings the kept images up to date (they use the back buffer), clears the
  // frame and draws every part but the overlays.
  void draw_picture(const DrawList& list);

  // The overlays part, over the picture.
  void draw_overlays(const DrawList& list);

  // One part directly, as it is, with nothing kept.
  void draw_part(const DrawList& list, const DrawPart& part);

  // Every command of the list in order, parts or not, with nothing kept (for tests).
  void draw_commands(const DrawList& list);

 private:
  struct KeptTrail {
    LayerImage image;
    std::uint64_t key = 0;   // the part's key and the viewport
    int drawn = -1;          // discs in the image
    std::uint64_t hash = 0;  // of their centres
  };
  bool prepare_trail(KeptTrail& kept, const DrawList& list, const DrawPart& part);
  void draw_command(const DrawList& list, const DrawCmd& c);
  void draw_opaque(const DrawList& list, const DrawCmd& c);
  void draw_discs(const DrawList& list, const DrawCmd& c, int from);

  RetainedList grid_;
  KeptTrail trails_[2];
  LayerImage upper_;
  std::unique_ptr<DiscRuns> runs_ = std::make_unique<DiscRuns>();
  std::vector<unsigned char> text_coverage_;  // a line of scalable text, reused
};
