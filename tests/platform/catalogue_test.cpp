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

// What an English user reads holds no character a terminal without Japanese would garble.
TEST(Catalogue, EnglishTextsAreAscii) {
  for (int i = 0; i < message_count; ++i) {
    const std::string t = text(Language::en, static_cast<Msg>(i));
    EXPECT_FALSE(t.empty()) << i;
    for (const char c : t) ASSERT_EQ(c & 0x80, 0) << i << ": " << t;
  }
}

TEST(Catalogue, FormatTextHasNoLengthLimit) {
  const std::string long_name(3000, 'a');
  EXPECT_EQ(format_text("<%s>%d", long_name.c_str(), 7), "<" + long_name + ">7");
}
