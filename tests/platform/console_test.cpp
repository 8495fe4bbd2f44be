#include "platform/console.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <langinfo.h>
#include <locale.h>
#endif

#include <climits>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

struct EndOfInput {};
void throw_end_of_input() {
  throw EndOfInput{};
}

class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    console_set_streams(&in_, &out_, &err_);
    console_set_output_codeset("UTF-8");
    console_set_end_of_input_handler(throw_end_of_input);
  }
  void TearDown() override {
    console_set_streams(nullptr, nullptr, nullptr);
    console_set_end_of_input_handler(nullptr);
  }
  void input(const std::string& text) {
    in_.str(text);
    in_.clear();
  }
  int read_int() {
    int v = -777;
    EXPECT_TRUE(console_read_int(&v));
    return v;
  }
  std::istringstream in_;
  std::ostringstream out_, err_;
};

TEST_F(ConsoleTest, KeysSkipLineBreaksAndEndOfInputStops) {
  input("\n\r\ny\r\n\xff");
  EXPECT_EQ(console_read_key(), 'y');
  EXPECT_EQ(console_read_key(), 0xff);
  EXPECT_THROW(console_read_key(), EndOfInput);
  EXPECT_NE(err_.str().find("入力が終わりました"), std::string::npos);
  EXPECT_NE(err_.str().find("end of input"), std::string::npos);
}

TEST_F(ConsoleTest, IntReadsDropTheRestOfTheLineAndClamp) {
  input("  \n\n  42 rest\n12abc 5\nabc\n9\n-\n2147483648\n-99999999999999999999999\n+7");
  EXPECT_EQ(read_int(), 42);
  EXPECT_EQ(read_int(), 12);
  int v = -1;
  EXPECT_FALSE(console_read_int(&v));  // "abc" line consumed: the re-prompt reads "9"
  EXPECT_EQ(v, -1);
  EXPECT_EQ(read_int(), 9);
  EXPECT_FALSE(console_read_int(&v));
  EXPECT_EQ(read_int(), INT_MAX);
  EXPECT_EQ(read_int(), INT_MIN);
  EXPECT_EQ(read_int(), 7);  // ends at end of input without a line break
  EXPECT_THROW(console_read_int(&v), EndOfInput);
}

TEST_F(ConsoleTest, RealsSpanLinesAndStopAtJunk) {
  double v[2] = {0, 0};
  input("3 -2\n3\n\n  -2 junk\n5 6\n1.5 x 7\n8e1 9\n");
  EXPECT_EQ(console_read_reals(2, v), 2);
  EXPECT_EQ(v[0], 3.0);
  EXPECT_EQ(v[1], -2.0);
  EXPECT_EQ(console_read_reals(2, v), 2);  // split over lines; "junk" dropped
  EXPECT_EQ(v[1], -2.0);
  EXPECT_EQ(console_read_reals(1, v), 1);  // "6" dropped with its line
  EXPECT_EQ(v[0], 5.0);
  v[1] = 42;
  EXPECT_EQ(console_read_reals(2, v), 1);  // partial: the second value stays untouched
  EXPECT_EQ(v[0], 1.5);
  EXPECT_EQ(v[1], 42.0);
  EXPECT_EQ(console_read_reals(2, v), 2);  // "7" went with the failed line
  EXPECT_EQ(v[0], 80.0);
  EXPECT_EQ(v[1], 9.0);
}

TEST_F(ConsoleTest, RealsAcceptWhatScanfAccepts) {
  double v[6] = {};
  input("nan inf -infinity\n0x1p4 1e999 1e-400\n");
  EXPECT_EQ(console_read_reals(6, v), 6);
  EXPECT_TRUE(std::isnan(v[0]));
  EXPECT_EQ(v[1], INFINITY);
  EXPECT_EQ(v[2], -INFINITY);
  EXPECT_EQ(v[3], 16.0);
  EXPECT_EQ(v[4], INFINITY);
  EXPECT_EQ(v[5], 0.0);
}

TEST_F(ConsoleTest, KeyAndNumberReadsShareTheInput) {
  double v[2] = {};
  input("1\n3 -2\nn\n");
  EXPECT_EQ(console_read_key(), '1');
  EXPECT_EQ(console_read_reals(2, v), 2);
  EXPECT_EQ(v[0], 3.0);
  EXPECT_EQ(v[1], -2.0);
  EXPECT_EQ(console_read_key(), 'n');
}

TEST_F(ConsoleTest, EndOfInputInNumberReads) {
  double v[2] = {0, 0};
  input("3\n  \n");
  EXPECT_THROW(console_read_reals(2, v), EndOfInput);
  EXPECT_EQ(v[0], 3.0);  // stored before the input ended
  input("5");
  EXPECT_EQ(console_read_reals(1, v), 1);  // no final line break: still a number
  EXPECT_EQ(v[0], 5.0);
  input(" \n\t\n");
  EXPECT_THROW(read_int(), EndOfInput);
}

TEST_F(ConsoleTest, VeryLongLines) {
  const std::string blanks(1 << 20, ' ');
  const std::string junk(1 << 20, 'x');
  input(blanks + "12" + blanks + "13\n" + junk + "\n14\n");
  double v[2] = {};
  EXPECT_EQ(console_read_reals(2, v), 2);
  EXPECT_EQ(v[1], 13.0);
  int i = 0;
  EXPECT_FALSE(console_read_int(&i));
  EXPECT_EQ(read_int(), 14);

  const std::string long_text(10000, 'a');
  console_print("<%s>%d", long_text.c_str(), 7);
  EXPECT_EQ(out_.str(), "<" + long_text + ">7");
}

// Expected bytes checked with iconv -f UTF-8 -t CP932.
TEST_F(ConsoleTest, ConvertsJapaneseTextsToCp932) {
  const std::string sjis =
      "\n\x81\x40"
      "CP\x8c\x6f\x98\x48\x81\x44\x81\x69\x81\x81\x83\xc0 \x83\xce\x81\xe3\x81\x8b\x83\xa2\x83\xd3"
      "\xa5";
  EXPECT_EQ(console_convert("\n　CP経路．（＝β π√°Δφ･", "CP932"), sjis);
  // Shift-JIS names go out as CP932: backslash stays ASCII, NEC signs such as "①" exist.
  EXPECT_EQ(console_convert("\\~①", "SHIFT_JIS"), "\\~\x87\x40");
  EXPECT_EQ(console_convert("　", "EUC-JP"), "\xa1\xa1");

  console_set_output_codeset("Shift_JIS");
  console_print("%5.2f°", 1.0);
  EXPECT_EQ(out_.str(), " 1.00\x81\x8b");

  std::string kanji;
  for (int i = 0; i < 3000; ++i) kanji += "誤";
  const std::string converted = console_convert(kanji, "CP932");
  ASSERT_EQ(converted.size(), 6000u);
  EXPECT_EQ(converted.substr(5998), "\x8c\xeb");
}

TEST_F(ConsoleTest, Utf8AndAsciiCodesetsPassThrough) {
  const std::string text = "　β\xff";  // an invalid byte too: passed on unchanged
  for (const char* codeset : {"", "UTF-8", "utf8", "ANSI_X3.4-1968", "ASCII"}) {
    EXPECT_EQ(console_convert(text, codeset), text) << codeset;
  }
  console_set_output_codeset("ANSI_X3.4-1968");
  console_print("%s", text.c_str());
  EXPECT_EQ(out_.str(), text);
}

TEST_F(ConsoleTest, UnconvertibleCharactersBecomeQuestionMarks) {
  EXPECT_EQ(console_convert("a€b😀c\xff"
                            "d\xe3\x80",
                            "CP932"),
            "a?b?c?d?");
#ifndef _WIN32  // not every Windows has this code page (wine has not)
  // A stateful codeset is back in ASCII mode before each '?'.
  EXPECT_EQ(console_convert("あ€あ", "ISO-2022-JP"), "\x1b$B$\"\x1b(B?\x1b$B$\"\x1b(B");
#endif
  EXPECT_EQ(console_convert("x", "NO-SUCH-CODESET"), "x");
}

// Windows: the program keeps the C library's "C" locale, whatever the system's settings.
#ifndef _WIN32
TEST_F(ConsoleTest, DecimalCommaLocaleLeavesNumbersAlone) {
  const char* found = nullptr;
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "es_ES.UTF-8"}) {
    locale_t loc = newlocale(LC_ALL_MASK, name, nullptr);
    if (loc && nl_langinfo_l(RADIXCHAR, loc)[0] == ',') found = name;
    if (loc) freelocale(loc);
    if (found) break;
  }
  if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";

  const char* old = std::getenv("LC_ALL");
  const std::string saved = old ? old : "";
  setenv("LC_ALL", found, 1);
  console_init_locale();
  console_print("%.2f", 1.5);
  double v = 0;
  input("2.25\n");
  EXPECT_EQ(console_read_reals(1, &v), 1);
  old ? setenv("LC_ALL", saved.c_str(), 1) : unsetenv("LC_ALL");
  console_init_locale();
  EXPECT_EQ(out_.str(), "1.50");
  EXPECT_EQ(v, 2.25);
}

#endif

}  // namespace
