// The scalable font with FreeType: the face loaded once from the font built into the
// program (or from the file AGVSIM_FONT names), glyphs hinted lightly (FreeType's
// autohinter, vertical only: crisp stems without distorted shapes at small sizes) and
// rendered antialiased, each kept once per size.
#include "platform/scalable_font.h"
#include "platform/utf8_text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unordered_map>
#include <vector>

extern const unsigned char scalable_font_ttf[];
extern const std::size_t scalable_font_ttf_size;

namespace {

struct CachedGlyph {
  ScalableGlyph glyph;
  FT_UInt index;  // in the face, for kerning
  std::vector<unsigned char> pixels;
};

// Past this many glyphs (of many sizes) the cache starts again: sizes that came and went
// while a window was being resized are not kept for ever.
constexpr std::size_t cache_capacity = 8192;

class Font {
 public:
  static Font& get() {
    static Font font;
    return font;
  }

  bool loaded() const { return face_ != nullptr; }
  FT_Face face() const { return face_; }

  // Sets the face to a size, in 1/64 pixel.
  void size(long size64) {
    if (size64 == size64_) return;
    FT_Set_Char_Size(face_, 0, size64, 72, 72);
    size64_ = size64;
  }

  const CachedGlyph& glyph(char32_t code, long size64) {
    const std::uint64_t key = static_cast<std::uint64_t>(size64) << 32 | code;
    const auto found = cache_.find(key);
    if (found != cache_.end()) return found->second;
    if (cache_.size() >= cache_capacity) cache_.clear();
    CachedGlyph& g = cache_[key];
    g.glyph = {0, 0, 0, 0, 0.0, nullptr};
    g.index = 0;
    if (!face_) {
      g.glyph.advance = (code < 0x80 ? 0.55 : 1.0) * static_cast<double>(size64) / 64.0;
      return g;
    }
    size(size64);
    g.index = FT_Get_Char_Index(face_, code);
    if (FT_Load_Glyph(face_, g.index, FT_LOAD_TARGET_LIGHT) != 0 ||
        FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL) != 0) {
      return g;
    }
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& b = slot->bitmap;
    const int width = static_cast<int>(b.width);
    const int rows = static_cast<int>(b.rows);
    g.pixels.resize(static_cast<std::size_t>(width) * rows);
    for (int y = 0; y < rows; ++y) {
      const unsigned char* row = b.buffer + static_cast<std::ptrdiff_t>(y) * b.pitch;
      std::copy(row, row + width, g.pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    }
    g.glyph = {width,
               rows,
               slot->bitmap_left,
               slot->bitmap_top,
               slot->advance.x / 64.0,
               g.pixels.empty() ? nullptr : g.pixels.data()};
    return g;
  }

  double kerning(FT_UInt left, FT_UInt right) const {
    if (!face_ || !FT_HAS_KERNING(face_) || left == 0 || right == 0) return 0.0;
    FT_Vector delta{0, 0};
    if (FT_Get_Kerning(face_, left, right, FT_KERNING_DEFAULT, &delta) != 0) return 0.0;
    return delta.x / 64.0;
  }

 private:
  Font() {
    if (FT_Init_FreeType(&library_) != 0) return;
    // A font of the user's choice in place of the one built in (the full font it was cut
    // from, say); the built-in one when the file does not load.
    const char* file = std::getenv("AGVSIM_FONT");
    if (file && *file && FT_New_Face(library_, file, 0, &face_) != 0) face_ = nullptr;
    if (!face_ &&
        FT_New_Memory_Face(library_, scalable_font_ttf,
                           static_cast<FT_Long>(scalable_font_ttf_size), 0, &face_) != 0) {
      face_ = nullptr;
    }
    if (face_ && !FT_IS_SCALABLE(face_)) {
      FT_Done_Face(face_);
      face_ = nullptr;
    }
    cache_.reserve(1024);
  }
  ~Font() {
    if (face_) FT_Done_Face(face_);
    if (library_) FT_Done_FreeType(library_);
  }

  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  long size64_ = 0;
  std::unordered_map<std::uint64_t, CachedGlyph> cache_;
};

long size64_of(float px) {
  return std::max(1L, std::lround(static_cast<double>(px) * 64.0));
}

}  // namespace

bool scalable_font_loaded() {
  return Font::get().loaded();
}

bool scalable_font_has(char32_t code) {
  Font& font = Font::get();
  return font.loaded() && FT_Get_Char_Index(font.face(), code) != 0;
}

ScalableMetrics scalable_font_metrics(float px) {
  Font& font = Font::get();
  if (!font.loaded()) return {0.88 * px, 0.12 * px, 1.25 * px};
  // From the font's units, unrounded (FreeType's size metrics round the ascent up and the
  // descent down, which adds up to more than the line).
  const FT_Face face = font.face();
  const double scale = size64_of(px) / 64.0 / face->units_per_EM;
  const double ascent = face->ascender * scale;
  const double descent = -face->descender * scale;
  return {ascent, descent, std::max(face->height * scale, ascent + descent)};
}

double scalable_kerning(char32_t left, char32_t right, float px) {
  Font& font = Font::get();
  if (!font.loaded() || !FT_HAS_KERNING(font.face())) return 0.0;
  const long size64 = size64_of(px);
  const FT_UInt l = font.glyph(left, size64).index;
  const FT_UInt r = font.glyph(right, size64).index;
  font.size(size64);
  return font.kerning(l, r);
}

double scalable_text_width(std::string_view utf8, float px) {
  double widest = 0.0;
  double w = 0.0;
  char32_t previous = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    const char32_t code = next_utf8_char(utf8, at);
    if (code == '\n') {
      w = 0.0;
      previous = 0;
      continue;
    }
    if (previous != 0) w += scalable_kerning(previous, code, px);
    w += scalable_glyph(code, px).advance;
    widest = std::max(widest, w);
    previous = code;
  }
  return widest;
}

const ScalableGlyph& scalable_glyph(char32_t code, float px) {
  return Font::get().glyph(code, size64_of(px)).glyph;
}
