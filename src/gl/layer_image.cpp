#include "gl/layer_image.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>

namespace {

// The colour the layer is drawn on: pure green, which no part of the picture uses.
constexpr unsigned char key_colour[3] = {0, 255, 0};

// Only tiles the layer drew in are laid over the frame: the renderer pays for every pixel
// a quad covers.
constexpr int tile = 32;  // pixels

int power_of_two_above(int n) {
  int p = 1;
  while (p < n) p *= 2;
  return p;
}

void clear_gl_errors() {
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
  }
}

}  // namespace

int LayerImage::viewport_side() {
  GLint vp[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vp);
  if (vp[2] <= 0 || vp[2] != vp[3] || vp[2] > max_image_side) return 0;
  return vp[2];
}

bool LayerImage::holds(std::uint64_t key) const {
  GLint vp[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vp);
  return valid_ && key == key_ && std::memcmp(vp, viewport_, sizeof vp) == 0;
}

void LayerImage::clear_box() const {
  const int* b = box_;
  glScissor(viewport_[0] + b[0], viewport_[1] + b[1], b[2] - b[0], b[3] - b[1]);
  glEnable(GL_SCISSOR_TEST);
  glPushAttrib(GL_COLOR_BUFFER_BIT);
  glClearColor(key_colour[0] / 255.0f, key_colour[1] / 255.0f, key_colour[2] / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glPopAttrib();
  glLoadIdentity();
}

LayerImage::Start LayerImage::begin(std::uint64_t key) {
  const int side = viewport_side();
  if (side == 0) return Start::direct;
  if (holds(key)) return Start::ready;
  valid_ = false;
  key_ = key;
  glGetIntegerv(GL_VIEWPORT, viewport_);
  pixels_.assign(static_cast<std::size_t>(side) * side * 4, 0);
  box_pixels_.reserve(pixels_.size());  // so that additions allocate nothing
  tiles_across_ = (side + tile - 1) / tile;
  tiles_.assign(static_cast<std::size_t>(tiles_across_) * tiles_across_, 0);
  box_[0] = box_[1] = 0;
  box_[2] = box_[3] = side;
  clear_gl_errors();
  clear_box();
  return Start::render;
}

bool LayerImage::end() {
  if (texture_ == 0) glGenTextures(1, &texture_);
  glPushAttrib(GL_TEXTURE_BIT);
  glBindTexture(GL_TEXTURE_2D, texture_);
  const int p2 = power_of_two_above(viewport_[2]);
  if (p2 != texture_side_) {
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, p2, p2, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    texture_side_ = p2;
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glPopAttrib();
  valid_ = texture_ != 0 && take_box();
  if (!valid_) texture_side_ = 0;
  return valid_;
}

bool LayerImage::begin_add(std::uint64_t key, int x0, int y0, int x1, int y1) {
  if (!valid_ || viewport_side() != viewport_[2]) return false;
  const int side = viewport_[2];
  box_[0] = std::clamp(x0, 0, side);
  box_[1] = std::clamp(y0, 0, side);
  box_[2] = std::clamp(x1, box_[0], side);
  box_[3] = std::clamp(y1, box_[1], side);
  key_ = key;
  valid_ = false;
  clear_gl_errors();
  clear_box();
  return true;
}

bool LayerImage::end_add() {
  valid_ = take_box();
  return valid_;
}

// Every pixel of the box that is not the clear colour is the layer's; the rest keeps what
// the image had there.
bool LayerImage::take_box() {
  const int side = viewport_[2];
  const int* b = box_;
  const int w = b[2] - b[0];
  const int h = b[3] - b[1];
  glScissor(viewport_[0], viewport_[1], side, side);
  if (w <= 0 || h <= 0) return glGetError() == GL_NO_ERROR;
  box_pixels_.resize(static_cast<std::size_t>(w) * h * 4);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  // Where the layer was drawn: GL_BACK in the window, the colour attachment when the
  // frame is drawn into a framebuffer object (pictures drawn off the screen).
  GLint drawn = GL_BACK;
  glGetIntegerv(GL_DRAW_BUFFER, &drawn);
  glReadBuffer(static_cast<GLenum>(drawn));
  glReadPixels(viewport_[0] + b[0], viewport_[1] + b[1], w, h, GL_RGBA, GL_UNSIGNED_BYTE,
               box_pixels_.data());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const unsigned char* q = &box_pixels_[(static_cast<std::size_t>(y) * w + x) * 4];
      if (q[0] == key_colour[0] && q[1] == key_colour[1] && q[2] == key_colour[2]) continue;
      unsigned char* p = &pixels_[(static_cast<std::size_t>(b[1] + y) * side + b[0] + x) * 4];
      std::memcpy(p, q, 3);
      p[3] = 255;
      tiles_[static_cast<std::size_t>((b[1] + y) / tile) * tiles_across_ + (b[0] + x) / tile] = 1;
    }
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, side);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, b[0]);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, b[1]);
  glPushAttrib(GL_TEXTURE_BIT);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexSubImage2D(GL_TEXTURE_2D, 0, b[0], b[1], w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels_.data());
  glPopAttrib();
  glPopClientAttrib();
  return glGetError() == GL_NO_ERROR;
}

// A quad over each run of tiles the layer drew in, its corners on pixel edges, so that
// every pixel centre lies inside exactly one quad; pixel i samples texel i, since its
// centre (i + 0.5) / side of the way across the viewport maps to (i + 0.5) / texture_side
// in the texture.
void LayerImage::draw() const {
  const int side = viewport_[2];
  const double t = 1.0 / texture_side_;
  const auto ndc = [side](int px) { return static_cast<double>(px) / side * 2.0 - 1.0; };
  glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT);
  glDisable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.5f);
  glBegin(GL_QUADS);
  for (int ty = 0; ty < tiles_across_; ++ty) {
    const int y0 = ty * tile;
    const int y1 = std::min(y0 + tile, side);
    for (int tx = 0; tx < tiles_across_;) {
      if (!tiles_[static_cast<std::size_t>(ty) * tiles_across_ + tx]) {
        ++tx;
        continue;
      }
      const int x0 = tx * tile;
      while (tx < tiles_across_ && tiles_[static_cast<std::size_t>(ty) * tiles_across_ + tx]) ++tx;
      const int x1 = std::min(tx * tile, side);
      glTexCoord2d(x0 * t, y0 * t);
      glVertex2d(ndc(x0), ndc(y0));
      glTexCoord2d(x1 * t, y0 * t);
      glVertex2d(ndc(x1), ndc(y0));
      glTexCoord2d(x1 * t, y1 * t);
      glVertex2d(ndc(x1), ndc(y1));
      glTexCoord2d(x0 * t, y1 * t);
      glVertex2d(ndc(x0), ndc(y1));
    }
  }
  glEnd();
  glPopAttrib();
}
