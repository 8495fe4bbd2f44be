#include "gl/renderer.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>
#include <vector>

#include "gl/window.h"
#include "platform/bitmap_font.h"
#include "platform/scalable_font.h"
#include "platform/utf8_text.h"
#include "scene/circle_table.h"
#include "scene/draw_constants.h"
#include "scene/part_key.h"

namespace {

GLenum gl_mode(DrawKind kind) {
  switch (kind) {
    case DrawKind::lines:
      return GL_LINES;
    case DrawKind::line_loop:
      return GL_LINE_LOOP;
    case DrawKind::line_strip:
      return GL_LINE_STRIP;
    case DrawKind::polygon:
    case DrawKind::disc:
    case DrawKind::discs:
    case DrawKind::text:
    case DrawKind::image:
      break;
  }
  return GL_POLYGON;
}

void set_colour(const rgba& c) {
  glColor4f(c.r, c.g, c.b, c.a);
}

// The shape's own frame, as the matrix stack places it: moved to its origin, then turned.
bool push_frame(const DrawCmd& c) {
  if (!c.turned && c.origin.x == 0.0 && c.origin.y == 0.0) return false;
  glPushMatrix();
  glTranslated(c.origin.x, c.origin.y, 0.0);
  if (c.turned) glRotated(c.angle / rad_per_deg, 0.0, 0.0, 1.0);
  return true;
}

void set_stipple(const DrawCmd& c) {
  if (c.stipple == 0) return;
  glLineStipple(c.stipple_factor > 0 ? c.stipple_factor : 1, c.stipple);
  glEnable(GL_LINE_STIPPLE);
}

void shape(const DrawList& list, const DrawCmd& c, bool one_segment_at_a_time) {
  set_colour(c.colour);
  if (c.kind != DrawKind::polygon) {
    glLineWidth(c.width);
    set_stipple(c);
  }
  const bool framed = push_frame(c);
  const point2d* v = list.vertices(c);
  if (one_segment_at_a_time && c.kind == DrawKind::lines) {
    for (int i = 0; i + 1 < c.count; i += 2) {
      glBegin(GL_LINES);
      glVertex2d(v[i].x, v[i].y);
      glVertex2d(v[i + 1].x, v[i + 1].y);
      glEnd();
    }
  } else {
    glBegin(gl_mode(c.kind));
    for (int i = 0; i < c.count; ++i) glVertex2d(v[i].x, v[i].y);
    glEnd();
  }
  if (framed) glPopMatrix();
  if (c.stipple != 0) glDisable(GL_LINE_STIPPLE);
}

void disc(const point2d& centre, double radius, const rgba& colour) {
  const CircleTable& t = circle_table();
  set_colour(colour);
  glPushMatrix();
  glTranslated(centre.x, centre.y, 0.0);
  glBegin(GL_POLYGON);
  for (int i = 0; i < circle_segments; ++i) glVertex2d(radius * t.cos[i], radius * t.sin[i]);
  glEnd();
  glPopMatrix();
}

// A line of the scalable font composed into one coverage image, its glyphs at whole
// pixels from the pen, and drawn as alpha in the text's colour: the colour comes from the
// pixel transfer's biases (an alpha image has no colour of its own), blended over the frame.
void scalable_line(std::string_view line, float px, const rgba& colour, int baseline_dy,
                   std::vector<unsigned char>& coverage) {
  // The line's box: x0..x1 from the pen's start, y0..y1 pixels above the baseline.
  int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  double pen = 0.0;
  char32_t previous = 0;
  const auto each_glyph = [&](auto&& f) {
    pen = 0.0;
    previous = 0;
    for (std::size_t at = 0; at < line.size();) {
      const char32_t code = next_utf8_char(line, at);
      if (previous != 0) pen += scalable_kerning(previous, code, px);
      previous = code;
      const ScalableGlyph& g = scalable_glyph(code, px);
      if (g.coverage) f(g, static_cast<int>(std::lround(pen)) + g.left);
      pen += g.advance;
    }
  };
  bool any = false;
  each_glyph([&](const ScalableGlyph& g, int left) {
    if (!any) x0 = left, x1 = left + g.width, y0 = g.top - g.height, y1 = g.top;
    any = true;
    x0 = std::min(x0, left);
    x1 = std::max(x1, left + g.width);
    y0 = std::min(y0, g.top - g.height);
    y1 = std::max(y1, g.top);
  });
  if (!any) return;
  const int w = x1 - x0;
  const int h = y1 - y0;
  const std::size_t size = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  if (coverage.size() < size) coverage.resize(size);
  std::fill_n(coverage.begin(), size, static_cast<unsigned char>(0));
  each_glyph([&](const ScalableGlyph& g, int left) {
    for (int y = 0; y < g.height; ++y) {
      const unsigned char* from = g.coverage + static_cast<std::ptrdiff_t>(y) * g.width;
      unsigned char* to =
          coverage.data() + static_cast<std::ptrdiff_t>(y1 - g.top + y) * w + (left - x0);
      for (int x = 0; x < g.width; ++x) to[x] = std::max(to[x], from[x]);
    }
  });
  // From the text's origin to the image's top left corner, in whole pixels.
  glBitmap(0, 0, 0.0f, 0.0f, static_cast<float>(x0), static_cast<float>(y1 + baseline_dy), nullptr);
  glPixelTransferf(GL_RED_BIAS, colour.r);
  glPixelTransferf(GL_GREEN_BIAS, colour.g);
  glPixelTransferf(GL_BLUE_BIAS, colour.b);
  glDrawPixels(w, h, GL_ALPHA, GL_UNSIGNED_BYTE, coverage.data());
  glBitmap(0, 0, 0.0f, 0.0f, static_cast<float>(-x0), static_cast<float>(-(y1 + baseline_dy)),
           nullptr);
}

void scalable_text(const DrawList& list, const DrawCmd& c, std::vector<unsigned char>& coverage) {
  const float px = c.font.px;
  const int line_px = static_cast<int>(std::lround(scalable_font_metrics(px).line));
  glPushAttrib(GL_CURRENT_BIT | GL_PIXEL_MODE_BIT | GL_COLOR_BUFFER_BIT);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelZoom(1.0f, -1.0f);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glRasterPos2d(c.origin.x, c.origin.y);
  const std::string_view all = list.text_of(c);
  int dy = 0;
  for (std::size_t start = 0; start <= all.size();) {
    std::size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    scalable_line(all.substr(start, end - start), px, c.colour, dy, coverage);
    dy -= line_px;
    start = end + 1;
  }
  glPopClientAttrib();
  glPopAttrib();
}

void text(const DrawList& list, const DrawCmd& c, std::vector<unsigned char>& coverage) {
  if (c.font.is_scalable()) {
    scalable_text(list, c, coverage);
    return;
  }
  const BitmapFont& font = bitmap_font(c.font.bitmap);
  set_colour(c.colour);
  glRasterPos2d(c.origin.x, c.origin.y);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  for (const char ch : list.text_of(c)) {
    const auto code = static_cast<unsigned char>(ch);
    if (code == 0 || code == '\n') continue;
    const unsigned char* glyph = font.glyphs[code];
    glBitmap(glyph[0], font.height, font.xorig, font.yorig, static_cast<float>(glyph[0]), 0.0f,
             glyph + 1);
  }
  glPopClientAttrib();
}

// Rows come top first: drawn downward from the top left corner.
void image(const DrawCmd& c) {
  const DrawImage& p = *c.image;
  glPushAttrib(GL_CURRENT_BIT | GL_PIXEL_MODE_BIT);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelZoom(1.0f, -1.0f);
  glRasterPos2d(c.origin.x, c.origin.y);
  glDrawPixels(p.width, p.height, GL_RGB, GL_UNSIGNED_BYTE, p.rgb);
  glPopClientAttrib();
  glPopAttrib();
}

// Centres of discs[0..n) of a run, hashed.
std::uint64_t centres_hash(std::uint64_t key, const point2d* centres, int n) {
  PartKey k;
  k.add(static_cast<unsigned long long>(key));
  k.add(centres, sizeof(point2d) * static_cast<std::size_t>(n));
  return k.value();
}

std::uint64_t with_viewport(std::uint64_t key, bool batch_runs) {
  GLint vp[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vp);
  PartKey k;
  k.add(static_cast<unsigned long long>(key)).add(vp, sizeof vp);
  k.add(static_cast<long long>(batch_runs));
  return k.value();
}

// The pixels of the viewport that the dots of centres[a..b) may colour.
void dots_box(const point2d* centres, int a, int b, double radius, int side, int* box) {
  const double half = side / 2.0;
  const double reach = radius * half + 2.0;
  box[0] = box[1] = side;
  box[2] = box[3] = 0;
  const auto clamp_px = [&](double v) { return std::clamp(v, 0.0, double(side)); };
  for (int i = a; i < b; ++i) {
    const double px = (centres[i].x + 1.0) * half;
    const double py = (centres[i].y + 1.0) * half;
    box[0] = std::min(box[0], static_cast<int>(clamp_px(std::floor(px - reach))));
    box[1] = std::min(box[1], static_cast<int>(clamp_px(std::floor(py - reach))));
    box[2] = std::max(box[2], static_cast<int>(clamp_px(std::ceil(px + reach))));
    box[3] = std::max(box[3], static_cast<int>(clamp_px(std::ceil(py + reach))));
  }
}

// The one discs command of a trail part, or null.
const DrawCmd* trail_run(const DrawList& list, const DrawPart& part) {
  if (part.count != 1) return nullptr;
  const DrawCmd& c = list.commands()[part.first];
  return c.kind == DrawKind::discs ? &c : nullptr;
}

// Window units to the viewport: -1..1 up, -w/h..w/h across (the identity for a square
// frame, as the classic frame has always been drawn).
void set_projection(const DrawList& list) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  const double a = list.half_width();
  if (a != 1.0 && a > 0.0) glOrtho(-a, a, -1.0, 1.0, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
}

}  // namespace

void GlRenderer::draw_discs(const DrawList& list, const DrawCmd& c, int from) {
  const point2d* v = list.vertices(c);
  if (!options.batch_runs) {
    for (int i = from; i < c.count; ++i) disc(v[i], c.radius, c.colour);
    return;
  }
  runs_->begin(c.radius, c.colour, c.covered_from);
  for (int i = from; i < c.count; ++i) runs_->add(v[i]);
  runs_->end();
}

void GlRenderer::draw_command(const DrawList& list, const DrawCmd& c) {
  const bool blend =
      c.kind != DrawKind::text && c.kind != DrawKind::image && c.colour.translucent();
  if (blend) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  }
  draw_opaque(list, c);
  if (blend) glDisable(GL_BLEND);
}

void GlRenderer::draw_opaque(const DrawList& list, const DrawCmd& c) {
  switch (c.kind) {
    case DrawKind::lines:
    case DrawKind::line_loop:
    case DrawKind::line_strip:
    case DrawKind::polygon:
      shape(list, c, !options.batch_runs);
      break;
    case DrawKind::disc:
      disc(c.origin, c.radius, c.colour);
      break;
    case DrawKind::discs:
      draw_discs(list, c, 0);
      break;
    case DrawKind::text:
      text(list, c, text_coverage_);
      break;
    case DrawKind::image:
      image(c);
      break;
  }
}

void GlRenderer::draw_part(const DrawList& list, const DrawPart& part) {
  for (int i = part.first; i < part.first + part.count; ++i) {
    draw_command(list, list.commands()[i]);
  }
}

void GlRenderer::draw_commands(const DrawList& list) {
  glDisable(GL_LIGHTING);
  set_projection(list);
  for (const DrawCmd& c : list.commands()) draw_command(list, c);
}

// A frame of playback adds only the dots since the last frame to the image. True when the
// image then holds this frame's trail.
bool GlRenderer::prepare_trail(KeptTrail& kept, const DrawList& list, const DrawPart& part) {
  const DrawCmd* run = trail_run(list, part);
  if (!run || LayerImage::viewport_side() == 0) return false;
  const std::uint64_t key = with_viewport(part.key, options.batch_runs);
  const point2d* centres = list.vertices(*run);
  const int n = run->count;
  const std::uint64_t hash = centres_hash(key, centres, n);
  if (kept.key == key && kept.drawn == n && kept.image.holds(hash)) return true;
  if (kept.key == key && kept.drawn >= 0 && kept.drawn < n &&
      kept.image.holds(centres_hash(key, centres, kept.drawn))) {
    int box[4];
    dots_box(centres, kept.drawn, n, run->radius, LayerImage::viewport_side(), box);
    const int from = kept.drawn;
    if (kept.image.add(hash, box[0], box[1], box[2], box[3],
                       [&] { draw_discs(list, *run, from); })) {
      kept.drawn = n;
      kept.hash = hash;
      return true;
    }
  }
  const bool made = kept.image.prepare(hash, [&] { draw_discs(list, *run, 0); });
  kept.key = key;
  kept.drawn = made ? n : -1;
  kept.hash = hash;
  return made;
}

void GlRenderer::draw_picture(const DrawList& list) {
  glDisable(GL_LIGHTING);  // flat colours throughout
  set_projection(list);
  const bool keep = options.retain_layers;
  const DrawPart* upper = list.part(PartId::upper);
  bool upper_kept = false;
  if (keep && upper && upper->retain == Retain::stays) {
    upper_kept = upper_.prepare(with_viewport(upper->key, options.batch_runs),
                                [&] { draw_part(list, *upper); });
  }
  bool trail_kept[2] = {false, false};
  if (keep) {
    const DrawPart* red = list.part(PartId::red_trail);
    const DrawPart* blue = list.part(PartId::blue_trail);
    if (red && red->retain == Retain::grows) trail_kept[0] = prepare_trail(trails_[0], list, *red);
    if (blue && blue->retain == Retain::grows) {
      trail_kept[1] = prepare_trail(trails_[1], list, *blue);
    }
  }
  frame_begin();
  for (const DrawPart& part : list.parts()) {
    switch (part.id) {
      case PartId::grid:
        if (keep && part.retain == Retain::stays) {
          grid_.draw(part.key, [&] { draw_part(list, part); });
        } else {
          draw_part(list, part);
        }
        break;
      case PartId::red_trail:
      case PartId::blue_trail: {
        const int which = part.id == PartId::red_trail ? 0 : 1;
        if (trail_kept[which]) {
          trails_[which].image.draw();
        } else {
          draw_part(list, part);
        }
        break;
      }
      case PartId::upper:
        if (upper_kept) {
          upper_.draw();
        } else {
          draw_part(list, part);
        }
        break;
      case PartId::overlays:
        break;
      case PartId::title:
      case PartId::red_vehicle:
      case PartId::blue_vehicle:
      case PartId::ghost:
      case PartId::compare:
      case PartId::status:
      case PartId::chart_dots:
      case PartId::count:
        draw_part(list, part);
        break;
    }
  }
}

void GlRenderer::draw_overlays(const DrawList& list) {
  if (const DrawPart* p = list.part(PartId::overlays)) draw_part(list, *p);
}
