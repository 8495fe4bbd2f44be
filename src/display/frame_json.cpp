#include "display/frame_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "display/picture_box.h"
#include "platform/bitmap_font.h"
#include "platform/float_text.h"
#include "platform/scalable_font.h"

namespace {

const char* kind_name(DrawKind kind) {
  switch (kind) {
    case DrawKind::lines:
      return "lines";
    case DrawKind::line_loop:
      return "line_loop";
    case DrawKind::line_strip:
      return "line_strip";
    case DrawKind::polygon:
      return "polygon";
    case DrawKind::disc:
      return "disc";
    case DrawKind::discs:
      return "discs";
    case DrawKind::text:
      return "text";
    case DrawKind::image:
      return "image";
  }
  return "";
}

const char* retain_name(Retain retain) {
  switch (retain) {
    case Retain::none:
      return "none";
    case Retain::stays:
      return "stays";
    case Retain::grows:
      return "grows";
  }
  return "";
}

const char* font_name(FontId font) {
  if (font.is_scalable()) return "sans";
  switch (font.bitmap) {
    case BitmapFontId::helvetica10:
      return "helvetica10";
    case BitmapFontId::helvetica12:
      return "helvetica12";
    case BitmapFontId::helvetica18:
      return "helvetica18";
  }
  return "";
}

class Writer {
 public:
  Writer(std::string& out, const FrameBox& box, int height) : out_(out), height_(height) {
    x0_ = box.x;
    y0_ = box.y;
    half_ = box.height / 2.0;
    half_width_ = box.height > 0 ? static_cast<double>(box.width) / box.height : 1.0;
  }

  // A number to a thousandth of a pixel, in its shortest form.
  void number(double v) {
    if (!std::isfinite(v)) {
      out_ += "null";
      return;
    }
    const double thousandths = std::round(v * 1000.0);
    char buffer[32];
    char* end = buffer;
    if (std::fabs(thousandths) < 1e7) {
      // Below 10000 the shortest form is plain decimals: written from the whole number of
      // thousandths, the same text, without a search for the shortest digits.
      end = write_thousandths(buffer, buffer + sizeof buffer, static_cast<long long>(thousandths));
    } else {
      end = write_shortest(buffer, buffer + sizeof buffer, thousandths / 1000.0);
    }
    out_.append(buffer, static_cast<std::size_t>(end - buffer));
  }
  void number(int v) { out_ += std::to_string(v); }

  // Window units to picture pixels, y downward.
  void point(const point2d& p) {
    out_ += '[';
    number(x0_ + (p.x + half_width_) * half_);
    out_ += ',';
    number(height_ - (y0_ + (p.y + 1.0) * half_));
    out_ += ']';
  }
  double length(double window_units) const { return window_units * half_; }

  void string(std::string_view s) {
    out_ += '"';
    for (const char ch : s) {
      const auto c = static_cast<unsigned char>(ch);
      if (c == '"' || c == '\\') {
        out_ += '\\';
        out_ += ch;
      } else if (c < 0x20) {
        char buffer[8];
        const int n = std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
        out_.append(buffer, static_cast<std::size_t>(n));
      } else {
        out_ += ch;
      }
    }
    out_ += '"';
  }

  void colour(const rgba& c) {
    char buffer[16];
    const auto byte = [](float v) { return static_cast<int>(std::lround(v * 255.0f)); };
    const int n =
        std::snprintf(buffer, sizeof buffer, "\"#%02x%02x%02x\"", byte(c.r), byte(c.g), byte(c.b));
    out_.append(buffer, static_cast<std::size_t>(n));
    if (c.translucent()) {  // drawn over what lies below
      field("alpha");
      number(static_cast<double>(c.a));
    }
  }

  void key(const char* name) {
    out_ += '"';
    out_ += name;
    out_ += "\":";
  }
  // A field after the first: ,"name":
  void field(const char* name) {
    out_ += ',';
    key(name);
  }

  void command(const DrawList& list, const DrawCmd& c) {
    out_ += "{";
    key("kind");
    string(kind_name(c.kind));
    switch (c.kind) {
      case DrawKind::lines:
      case DrawKind::line_loop:
      case DrawKind::line_strip:
      case DrawKind::polygon:
        shape(list, c);
        break;
      case DrawKind::disc:
        field("colour");
        colour(c.colour);
        field("centre");
        point(c.origin);
        field("radius");
        number(length(c.radius));
        break;
      case DrawKind::discs:
        field("colour");
        colour(c.colour);
        field("radius");
        number(length(c.radius));
        field("centres");
        points(list.vertices(c), c.count, nullptr);
        break;
      case DrawKind::text:
        text(list, c);
        break;
      case DrawKind::image:
        field("corner");
        point(c.origin);
        field("width");
        number(c.image->width);
        field("height");
        number(c.image->height);
        break;
    }
    out_ += "}";
  }

 private:
  // Vertices in a local frame, placed as the frame places them.
  void points(const point2d* v, int n, const DrawCmd* frame) {
    out_ += '[';
    const double ca = frame && frame->turned ? std::cos(frame->angle) : 1.0;
    const double sa = frame && frame->turned ? std::sin(frame->angle) : 0.0;
    const point2d o = frame ? frame->origin : point2d{0.0, 0.0};
    for (int i = 0; i < n; ++i) {
      if (i > 0) out_ += ',';
      point({o.x + ca * v[i].x - sa * v[i].y, o.y + sa * v[i].x + ca * v[i].y});
    }
    out_ += ']';
  }

  void shape(const DrawList& list, const DrawCmd& c) {
    field("colour");
    colour(c.colour);
    if (c.kind != DrawKind::polygon) {
      field("width");
      number(static_cast<double>(c.width));
      if (c.stipple != 0) {
        field("stipple");
        number(static_cast<int>(c.stipple));
        if (c.stipple_factor > 1) {
          field("stipple_factor");
          number(static_cast<int>(c.stipple_factor));
        }
      }
    }
    field("points");
    points(list.vertices(c), c.count, &c);
  }

  void text(const DrawList& list, const DrawCmd& c) {
    const std::string_view s = list.text_of(c);
    field("text");
    string(s);
    field("at");
    point(c.origin);
    field("anchor");
    string("left-baseline");
    field("font");
    string(font_name(c.font));
    field("size");
    if (c.font.is_scalable()) {
      number(static_cast<double>(c.font.px));
      field("width");
      number(scalable_text_width(s, c.font.px));
    } else {
      const BitmapFont& font = bitmap_font(c.font.bitmap);
      number(font.height);
      field("width");
      number(bitmap_text_width(font, s));
    }
    field("colour");
    colour(c.colour);
  }

  std::string& out_;
  int height_;
  int x0_ = 0;
  int y0_ = 0;
  double half_ = 1.0;
  double half_width_ = 1.0;
};

}  // namespace

std::string frame_json(const DrawList& list, int width, int height) {
  std::string out;
  frame_json(list, width, height, &out);
  return out;
}

void frame_json(const DrawList& list, int width, int height, std::string* json) {
  std::string& out = *json;
  out.clear();
  const FrameBox box = frame_box(list, width, height);
  Writer w(out, box, height);
  out += "{\"format\":\"agvsim-frame\",\"version\":1,";
  out += "\"width\":" + std::to_string(width) + ",\"height\":" + std::to_string(height) + ",";
  out += "\"clip\":[" + std::to_string(box.x) + "," + std::to_string(height - box.y - box.height) +
         "," + std::to_string(box.width) + "," + std::to_string(box.height) + "],";
  out += "\"parts\":[";
  bool first_part = true;
  for (const DrawPart& part : list.parts()) {
    if (!first_part) out += ",\n";
    first_part = false;
    out += "{\"name\":";
    w.string(part_name(part.id));
    out += ",\"retain\":";
    w.string(retain_name(part.retain));
    out += ",\"commands\":[";
    for (int i = part.first; i < part.first + part.count; ++i) {
      if (i > part.first) out += ",\n";
      w.command(list, list.commands()[i]);
    }
    out += "]}";
  }
  out += "]}\n";
}
