#pragma once

#include "gl/disc_reduction.h"
#include "model/point2d.h"
#include "scene/draw_constants.h"
#include "scene/rgba.h"

// Runs of discs of one radius and colour gathered into few GL draws. Disc vertices go out
// in single precision already moved to their centre: GL would store the vertex offset and
// the translation each as a float and add them in float, and the same sum is formed here,
// so the vertices land on the same bits as a disc drawn on its own. In a square viewport
// only the vertices that decide the covered pixels are sent (reduce_disc); a disc wholly
// outside the viewport, or wholly right of covered_from, is not sent at all.
//
// Use: begin, any number of add, end. One run at a time; nothing is allocated.
class DiscRuns {
 public:
  void begin(double radius, const rgba& colour, double covered_from);
  void add(const point2d& centre);
  void end();

 private:
  static constexpr int discs_per_draw = 512;
  void flush();
  bool hidden(float cx, float cy) const;

  rgba colour_{};
  double radius_ = 0.0;
  bool reduce_ = false;
  PixelGrid grid_{};
  double covered_from_ = 0.0;
  float offset_x_[circle_segments] = {};
  float offset_y_[circle_segments] = {};
  float full_[circle_segments * 2] = {};
  short keep_[circle_segments] = {};
  int count_ = 0;
  int used_ = 0;  // vertices in vertex_
  int first_[discs_per_draw] = {};
  int size_[discs_per_draw] = {};
  float vertex_[discs_per_draw * circle_segments * 2] = {};
};
