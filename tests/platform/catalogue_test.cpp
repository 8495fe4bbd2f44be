// The catalogue: the language a locale name stands for, and its English texts.
#include "platform/catalogue.h"

#include <gtest/gtest.h>

#include <string>

TEST(Catalogue, LanguageOfLocale) {
  for (const char* name : {"en", "en_US.UTF-8", "en_GB", "en.UTF-8", "en@quot"}) {
    EXPECT_EQ(language_of_locale(name), Language::en) << name;
  }
  for (const char* name : {"", "C", "POSIX", "C.UTF-8", "ja_JP.UTF-8", "de_DE", "eng", "EN"}) {
    EXPECT_EQ(language_of_locale(name), Language::ja) << name;
  }
}

// What an English user reads holds no Japanese character (the window's texts may use a few
// typographic signs: degree, times, dash).
TEST(Catalogue, EnglishTextsHoldNoJapanese) {
  for (int i = 0; i < message_count; ++i) {
    const std::string t = text(Language::en, static_cast<Msg>(i));
    EXPECT_FALSE(t.empty()) << i;
    for (std::size_t j = 0; j < t.size(); ++j) {
      const auto c = static_cast<unsigned char>(t[j]);
      // Kana, CJK and full-width forms are three-byte sequences led by 0xE3-0xE9 or 0xEF.
      ASSERT_FALSE((c >= 0xE3 && c <= 0xE9) || c == 0xEF) << i << ": " << t;
    }
  }
}

TEST(Catalogue, FormatTextHasNoLengthLimit) {
  const std::string long_name(3000, 'a');
  EXPECT_EQ(format_text("<%s>%d", long_name.c_str(), 7), "<" + long_name + ">7");
}
