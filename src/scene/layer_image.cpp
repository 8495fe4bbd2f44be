#include "scene/layer_image.h"

#include <GL/gl.h>

#include <cstring>

#include "scene/retained_list.h"

namespace {

// The colour the layer is drawn on: pure green, which no part of the picture uses.
constexpr unsigned char key_colour[3] = {0, 255, 0};

int power_of_two_above(int n) {
  int p = 1;
  while (p < n) p *= 2;
  return p;
}

}  // namespace

LayerImage::Start LayerImage::begin(std::uint64_t key) {
  if (!retain_layers) return Start::direct;
  GLint vp[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vp);
  if (vp[2] <= 0 || vp[2] != vp[3] || vp[2] > max_image_side) return Start::direct;
  if (valid_ && key == key_ && std::memcmp(vp, viewport_, sizeof vp) == 0) return Start::ready;
  valid_ = false;
  key_ = key;
  std::memcpy(viewport_, vp, sizeof vp);
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
  }
  glPushAttrib(GL_COLOR_BUFFER_BIT);
  glClearColor(key_colour[0] / 255.0f, key_colour[1] / 255.0f, key_colour[2] / 255.0f, 1.0f);
  glDisable(GL_SCISSOR_TEST);
  glClear(GL_COLOR_BUFFER_BIT);
  glPopAttrib();
  glEnable(GL_SCISSOR_TEST);
  glLoadIdentity();
  return Start::render;
}

// Reads the layer back: every pixel that is not the clear colour is the layer's.
bool LayerImage::end() {
  const int side = viewport_[2];
  pixels_.resize(static_cast<std::size_t>(side) * side * 4);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(viewport_[0], viewport_[1], side, side, GL_RGBA, GL_UNSIGNED_BYTE, pixels_.data());
  for (std::size_t i = 0; i < pixels_.size(); i += 4) {
    unsigned char* p = &pixels_[i];
    const bool background = p[0] == key_colour[0] && p[1] == key_colour[1] && p[2] == key_colour[2];
    p[3] = background ? 0 : 255;
  }
  if (texture_ == 0) glGenTextures(1, &texture_);
  glPushAttrib(GL_TEXTURE_BIT);
  glBindTexture(GL_TEXTURE_2D, texture_);
  const int p2 = power_of_two_above(side);
  if (p2 != texture_side_) {
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, p2, p2, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    texture_side_ = p2;
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, side, side, GL_RGBA, GL_UNSIGNED_BYTE, pixels_.data());
  glPopAttrib();
  glPopClientAttrib();
  valid_ = texture_ != 0 && glGetError() == GL_NO_ERROR;
  if (!valid_) texture_side_ = 0;
  return valid_;
}

// A quad over the whole viewport; pixel i of it samples texel i, since its centre
// (i + 0.5) / side of the way across maps to (i + 0.5) / texture_side in the texture.
void LayerImage::draw() const {
  const double t = static_cast<double>(viewport_[2]) / texture_side_;
  glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT);
  glDisable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.5f);
  glBegin(GL_QUADS);
  glTexCoord2d(0.0, 0.0);
  glVertex2d(-1.0, -1.0);
  glTexCoord2d(t, 0.0);
  glVertex2d(1.0, -1.0);
  glTexCoord2d(t, t);
  glVertex2d(1.0, 1.0);
  glTexCoord2d(0.0, t);
  glVertex2d(-1.0, 1.0);
  glEnd();
  glPopAttrib();
}
