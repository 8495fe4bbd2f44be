// The built-in scalable font: what it covers, how texts are decoded and measured.
#include "platform/scalable_font.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/catalogue.h"
#include "platform/utf8_text.h"

namespace {

// A translator's new character must be in the font: the build cuts it down to the
// characters of po/*.po, and this catches a cut that lost one.
TEST(ScalableFont, HasAGlyphForEveryCharacterOfTheCatalogue) {
  ASSERT_TRUE(scalable_font_loaded());
  for (int lang = 0; lang < language_count; ++lang) {
    for (int id = 0; id < message_count; ++id) {
      const std::string_view s = text(static_cast<Language>(lang), static_cast<Msg>(id));
      for (std::size_t at = 0; at < s.size();) {
        const char32_t code = next_utf8_char(s, at);
        if (code < 0x20) continue;
        EXPECT_TRUE(scalable_font_has(code))
            << language_codes[lang] << " message " << id << ": U+" << std::hex << +code;
      }
    }
  }
  EXPECT_FALSE(scalable_font_has(U'\U0001F600'));
}

TEST(ScalableFont, MalformedBytesDecodeAsReplacementCharacters) {
  const struct {
    std::string bytes;
    std::u32string codes;
  } cases[] = {
      {"a\xC3\xA9", U"a\u00E9"},
      {"\xE8\xBB\x8A", U"\u8ECA"},
      {"\xF0\x9F\x98\x80", U"\U0001F600"},
      {"\x80x", U"\uFFFDx"},            // a lone continuation byte
      {"\xE8\xBBx", U"\uFFFDx"},        // cut short
      {"\xC0\xAF", U"\uFFFD\uFFFD"},    // overlong lead bytes never start a character
      {"\xE0\x80\xAF", U"\uFFFD"},      // overlong
      {"\xED\xA0\x80", U"\uFFFD"},      // a surrogate
      {"\xF4\x90\x80\x80", U"\uFFFD"},  // past U+10FFFF
      {"\xE8\xBB", U"\uFFFD"},          // cut short by the end
  };
  for (const auto& c : cases) {
    std::u32string got;
    for (std::size_t at = 0; at < c.bytes.size();) got += next_utf8_char(c.bytes, at);
    EXPECT_EQ(got, c.codes) << c.bytes;
  }
}

// Widths add up the glyphs' advances; a new line starts from zero; sizes apart by less
// than 1/128 pixel are one size.
TEST(ScalableFont, WidthIsTheLongestLineOfAdvances) {
  const float px = 16.0f;
  const double a = scalable_glyph(U'車', px).advance;
  EXPECT_NEAR(a, 16.0, 1.0);
  EXPECT_DOUBLE_EQ(scalable_text_width("車車", px), 2 * a);
  EXPECT_DOUBLE_EQ(scalable_text_width("車\n車車\nA", px), 2 * a);
  EXPECT_DOUBLE_EQ(scalable_text_width("", px), 0.0);
  EXPECT_GT(scalable_text_width("\xFF", px), 0.0);  // the missing-glyph box
  EXPECT_EQ(&scalable_glyph(U'車', 16.001f), &scalable_glyph(U'車', px));
  EXPECT_NE(&scalable_glyph(U'車', 16.02f), &scalable_glyph(U'車', px));
  const ScalableMetrics m = scalable_font_metrics(px);
  EXPECT_NEAR(m.ascent + m.descent, px, 1.5);
  EXPECT_GE(m.line, m.ascent + m.descent - 0.5);
}

}  // namespace
