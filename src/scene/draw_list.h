#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/point2d.h"
#include "platform/bitmap_font.h"
#include "scene/rgba.h"

// A frame as data: what to draw, in drawing order, for a backend to draw it (OpenGL in the
// window and the pictures, a JSON file for scripts and tests). Coordinates are window
// units, y upward: -1..1 up the picture's height and as many units per pixel across, so
// -1..1 across a square picture and -w/h..w/h across a wider one; a backend maps them to
// its pixels. A shape may carry a local frame (an origin and a turn), which a backend
// applies to its vertices the way the GL matrix stack would.
//
// The frame is divided into parts (grid, trails, vehicles, the layer above them, texts,
// overlays). Each part carries a key, a hash of everything it shows, and says how it
// changes from frame to frame, so that a backend can keep what stays.
//
// The buffers are reused: clear() keeps their capacity, and composing a frame of a size
// seen before allocates nothing.

// The font of a text: one of the bitmap fonts of the classic frame (their glyphs and
// metrics: platform/bitmap_font.h), or the program's scalable font at a size in pixels
// (platform/scalable_font.h), which has the characters of every language of the catalogue.
struct FontId {
  BitmapFontId bitmap = BitmapFontId::helvetica12;
  float px = 0.0f;  // > 0: the scalable font, this many pixels to the em; `bitmap` unused

  constexpr FontId() = default;
  constexpr FontId(BitmapFontId id) : bitmap(id) {}  // NOLINT: a bitmap font is a font
  static constexpr FontId scalable(float size_px) {
    FontId f;
    f.px = size_px;
    return f;
  }
  constexpr bool is_scalable() const { return px > 0.0f; }
  bool operator==(const FontId&) const = default;
};

enum class DrawKind : std::uint8_t {
  lines,       // pairs of vertices, each pair a segment
  line_loop,   // closed polyline
  line_strip,  // open polyline
  polygon,     // filled convex polygon
  disc,        // filled 120-gon: origin, radius
  discs,       // filled 120-gons of one radius around each vertex (a run of dots)
  text,        // a text run, its baseline's left end at the origin
  image,       // an RGB image, its top left corner at the origin, drawn top row first
};

// How a part changes from frame to frame.
enum class Retain : std::uint8_t {
  none,   // drawn anew each frame
  stays,  // the same while its key is (a backend may keep it as a list or an image)
  grows,  // discs that only gain dots at the end while its key is the same (trails)
};

// The parts of a frame in drawing order.
enum class PartId : std::uint8_t {
  title,      // title and legend
  grid,       // scene grid
  ghost,      // the faulty motion of the setting before the last change
  red_trail,  // trail of the motion without error
  red_vehicle,
  blue_trail,  // trail of the motion with the error
  blue_vehicle,
  upper,    // CP line, path markers, chart panel, chart curves, axes and labels
  compare,  // the three mechanisms side by side, instead of all of the above but the title
  status,   // status line
  chart_dots,
  overlays,  // settings bar, recording marker, key list: not part of saved pictures
  count
};
inline constexpr int part_count = static_cast<int>(PartId::count);
const char* part_name(PartId id);

struct DrawImage {
  int width;
  int height;
  const unsigned char* rgb;  // rows top first, tightly packed
};

struct DrawCmd {
  DrawKind kind;
  bool turned;  // the local frame is turned by `angle`
  FontId font;  // text
  rgba colour;
  float width;                  // lines: width in pixels as the backend sets it
  std::uint16_t stipple;        // lines: 16-bit on/off pattern along the line, 0 for solid
  std::uint8_t stipple_factor;  // pixels per bit of the pattern (1 unless set)
  point2d origin;               // local frame origin; disc centre; text position; image corner
  double angle;                 // radians, counter-clockwise (turned shapes)
  double radius;                // disc, discs
  double covered_from;          // discs: those wholly right of this x are hidden by later parts
  int first;                    // vertices (relative to origin) or text bytes
  int count;
  const DrawImage* image;
};

struct DrawPart {
  PartId id;
  Retain retain;
  std::uint64_t key;
  int first;  // commands
  int count;
};

class DrawList {
 public:
  // Empties the list for a frame drawn `side` pixels square, or `width` x `height` pixels.
  void clear(int side) { clear(side, side); }
  void clear(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  // Half the width in window units: w/h (1 for a square picture).
  double half_width() const { return height_ > 0 ? static_cast<double>(width_) / height_ : 1.0; }

  // Parts: begin one, add its commands, end it. Parts come in PartId order, each at most
  // once; a part not begun in a frame is absent from it.
  void begin_part(PartId id, Retain retain, std::uint64_t key);
  void end_part();

  // Shapes. `mode` is lines, line_loop, line_strip or polygon; vertices follow with
  // vertex(). A turned frame turns by `angle` radians about `origin`.
  void begin_shape(DrawKind mode, const rgba& colour, float width, const point2d& origin,
                   bool turned = false, double angle = 0.0);
  // The stipple of the shape begun last: each bit of the pattern `factor` pixels long.
  void stipple(std::uint16_t pattern, std::uint8_t factor = 1) {
    cmds_.back().stipple = pattern;
    cmds_.back().stipple_factor = factor;
  }
  void vertex(double x, double y);
  void end_shape();

  void disc(const point2d& centre, double radius, const rgba& colour);
  void begin_discs(double radius, const rgba& colour, double covered_from);
  // A centre of the run (window units): kept as a vertex of the run's command.
  void add_disc(const point2d& centre) { vertex(centre.x, centre.y); }
  void end_discs() { end_shape(); }

  void text(double x, double y, FontId font, std::string_view text, const rgba& colour);
  void image(double x, double y, const DrawImage* image);

  const std::vector<DrawPart>& parts() const { return parts_; }
  const std::vector<DrawCmd>& commands() const { return cmds_; }
  const point2d* vertices(const DrawCmd& c) const { return vertices_.data() + c.first; }
  std::string_view text_of(const DrawCmd& c) const {
    return {chars_.data() + c.first, static_cast<std::size_t>(c.count)};
  }
  // The part of this id in the frame, or null.
  const DrawPart* part(PartId id) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DrawPart> parts_;
  std::vector<DrawCmd> cmds_;
  std::vector<point2d> vertices_;
  std::vector<char> chars_;
};
