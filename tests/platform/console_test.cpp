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

// A key is a whole character: full-width forms answer as the ASCII ones, any other
// character is one key (its first byte), and its echo is the character typed.
TEST_F(ConsoleTest, KeysAreWholeCharacters) {
  input("１\nｙＮ　あx\xe3\x81\n\xff");
  EXPECT_EQ(console_read_key(), '1');
  EXPECT_EQ(console_key_text(), "１");
  EXPECT_EQ(console_read_key(), 'y');
  EXPECT_EQ(console_read_key(), 'N');
  EXPECT_EQ(console_read_key(), ' ');
  EXPECT_EQ(console_read_key(), 0xe3);
  EXPECT_EQ(console_key_text(), "あ");
  EXPECT_EQ(console_read_key(), 'x');
  EXPECT_EQ(console_read_key(), 0xe3);  // cut short: the line break is not swallowed
  EXPECT_EQ(console_read_key(), 0xff);
  console_set_output_codeset("CP932");  // the keys arrive in the terminal's code page
  input("\x82\x99\x82\xa0q");           // ｙ あ q
  EXPECT_EQ(console_read_key(), 'y');
  EXPECT_EQ(console_key_text(), "ｙ");
  EXPECT_EQ(console_read_key(), 0x82);
  EXPECT_EQ(console_read_key(), 'q');
}

// After a wrong answer, the rest of its line goes with it when nothing in it answers; a
// rest that holds an answer (full width too) is read on key by key.
TEST_F(ConsoleTest, ALineWithoutAnAnswerIsOneWrongAnswer) {
  const auto digit = [](int key) { return key >= '0' && key <= '5'; };
  input("xxxxx\r\nx ４\nあ");
  EXPECT_EQ(console_read_key(), 'x');
  console_drop_wrong_line(digit);
  EXPECT_EQ(console_read_key(), 'x');
  console_drop_wrong_line(digit);
  EXPECT_EQ(console_read_key(), ' ');
  EXPECT_EQ(console_read_key(), '4');
  EXPECT_EQ(console_read_key(), 0xe3);
  console_drop_wrong_line(digit);  // at the end of the input: nothing to drop
  EXPECT_THROW(console_read_key(), EndOfInput);
}

TEST_F(ConsoleTest, IntReadsDropTheRestOfTheLineAndRefuseWhatIsNotAWholeNumber) {
  input("  \n\n  42 rest\n12abc 5\n9\n2.5\n2147483648\n+７\n-3");
  EXPECT_EQ(read_int(), 42);
  int v = -1;
  EXPECT_FALSE(console_read_int(&v));  // the line is dropped: the next read gets "9"
  EXPECT_EQ(v, -1);
  EXPECT_EQ(read_int(), 9);
  EXPECT_FALSE(console_read_int(&v));
  EXPECT_FALSE(console_read_int(&v));  // nothing is clamped
  EXPECT_EQ(read_int(), 7);
  EXPECT_EQ(read_int(), -3);  // ends at end of input without a line break
  EXPECT_THROW(console_read_int(&v), EndOfInput);
  EXPECT_EQ(out_.str(),
            "\n'12abc' は数値ではないので、もう一度入力してください ('12abc' is not a number; "
            "please enter it again)"
            "\n'2.5' は整数ではないので、もう一度入力してください ('2.5' is not a whole number; "
            "please enter it again)"
            "\n'2147483648' は範囲外の値なので、もう一度入力してください ('2147483648' is out of "
            "range; please enter it again)");
}

TEST_F(ConsoleTest, RealsSpanLinesAndTakeWhatTheNumberReaderTakes) {
  double v[2] = {};
  input("３,-1/2\n3\n\n  -2 junk\n");
  EXPECT_EQ(console_read_reals(2, v, NumberRefused::again), 2);
  EXPECT_EQ(v[0], 3.0);
  EXPECT_EQ(v[1], -0.5);
  EXPECT_EQ(console_read_reals(2, v, NumberRefused::zero), 2);  // "junk" dropped silently
  EXPECT_EQ(v[0], 3.0);
  EXPECT_EQ(v[1], -2.0);
  EXPECT_EQ(out_.str(), "");
}

// With zero every place gets a value and every refused entry its line; the line of a refused
// entry is the last one read. With again the first refused entry ends the read.
TEST_F(ConsoleTest, RefusedRealsAreToldOnceEach) {
  double v[2] = {7, 7};
  input("abc 5\n1e999\nnext\nnan 0x1p4\n1 1/0 2\n4 inf\n");
  EXPECT_EQ(console_read_reals(2, v, NumberRefused::zero), 1);
  EXPECT_EQ(v[0], 0.0);
  EXPECT_EQ(v[1], 5.0);
  v[0] = v[1] = 7;
  EXPECT_EQ(console_read_reals(2, v, NumberRefused::zero), 0);  // "next" is not read
  EXPECT_EQ(v[0], 0.0);
  EXPECT_EQ(v[1], 0.0);
  EXPECT_EQ(console_read_reals(1, v, NumberRefused::zero), 0);  // "next"
  EXPECT_EQ(console_read_reals(2, v, NumberRefused::zero), 0);
  EXPECT_EQ(out_.str(),
            "\n'abc' は数値ではないので 0 とします ('abc' is not a number; 0 is used)"
            "\n'1e999' は範囲外の値なので 0 とします ('1e999' is out of range; 0 is used)"
            "\n'next' は数値ではないので 0 とします ('next' is not a number; 0 is used)"
            "\n'nan' は数値ではないので 0 とします ('nan' is not a number; 0 is used)"
            "\n'0x1p4' は数値ではないので 0 とします ('0x1p4' is not a number; 0 is used)");
  out_.str("");
  v[0] = v[1] = 7;
  EXPECT_EQ(console_read_reals(2, v, NumberRefused::again), 1);
  EXPECT_EQ(v[0], 1.0);
  EXPECT_EQ(v[1], 7.0);
  EXPECT_EQ(console_read_reals(2, v, NumberRefused::again), 1);
  EXPECT_EQ(out_.str(),
            "\n'1/0' は 0 で割っているので、もう一度入力してください ('1/0' divides by zero; "
            "please enter it again)"
            "\n'inf' は数値ではないので、もう一度入力してください ('inf' is not a number; please "
            "enter it again)");
}

// LF, CR and CR LF end a line alike, in number reads and in key reads.
TEST_F(ConsoleTest, KeyAndNumberReadsShareTheInputWhateverEndsTheLines) {
  for (const char* script : {"1\n3 -2\nn\n", "1\r3 -2\rn\r", "1\r\n3 -2\r\nn\r\n"}) {
    double v[2] = {};
    input(script);
    EXPECT_EQ(console_read_key(), '1');
    EXPECT_EQ(console_read_reals(2, v, NumberRefused::zero), 2);
    EXPECT_EQ(v[0], 3.0);
    EXPECT_EQ(v[1], -2.0);
    EXPECT_EQ(console_read_key(), 'n');
    EXPECT_THROW(console_read_key(), EndOfInput);
  }
  input("12\r13\r\n\r\n14");
  EXPECT_EQ(read_int(), 12);
  EXPECT_EQ(read_int(), 13);
  EXPECT_EQ(read_int(), 14);
}

TEST_F(ConsoleTest, EndOfInputInNumberReads) {
  double v[2] = {0, 0};
  input("3\n  \n");
  EXPECT_THROW(console_read_reals(2, v, NumberRefused::zero), EndOfInput);
  EXPECT_EQ(v[0], 3.0);  // stored before the input ended
  input("5");
  EXPECT_EQ(console_read_reals(1, v, NumberRefused::again), 1);  // no final line break
  EXPECT_EQ(v[0], 5.0);
  input(" \n\t,\n");
  EXPECT_THROW(read_int(), EndOfInput);
}

TEST_F(ConsoleTest, VeryLongLines) {
  const std::string blanks(1 << 20, ' ');
  const std::string junk(1 << 20, 'x');
  input(blanks + "12" + blanks + "13\n" + junk + "\n14\n");
  double v[2] = {};
  EXPECT_EQ(console_read_reals(2, v, NumberRefused::again), 2);
  EXPECT_EQ(v[1], 13.0);
  int i = 0;
  EXPECT_FALSE(console_read_int(&i));
  EXPECT_EQ(read_int(), 14);
  EXPECT_EQ(out_.str().find("'xxxxxxxxxxxxxxxxxxxxxxxx...' は数値ではない"), 1u);
  out_.str("");

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

// In a Shift-JIS locale the input comes in CP932 ("３　−２／４" and "ｘ" here) and is read as
// the same characters in UTF-8; the notice quotes the entry and goes out in CP932 again.
TEST_F(ConsoleTest, NumbersTypedInCp932) {
  console_set_output_codeset("SHIFT_JIS");
  double v[2] = {};
  input("\x82\x52\x81\x40\x81\x7c\x82\x51\x81\x5e\x82\x53\n\x82\x98\n");
  EXPECT_EQ(console_read_reals(2, v, NumberRefused::zero), 2);
  EXPECT_EQ(v[0], 3.0);
  EXPECT_EQ(v[1], -0.5);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(console_read_reals(1, v, NumberRefused::zero), 0);
  EXPECT_EQ(out_.str(), console_convert("\n'ｘ' は数値ではないので 0 とします ('ｘ' is not a "
                                        "number; 0 is used)",
                                        "CP932"));
  EXPECT_EQ(out_.str().substr(0, 4), "\n'\x82\x98");
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
  EXPECT_EQ(console_read_reals(1, &v, NumberRefused::again), 1);
  old ? setenv("LC_ALL", saved.c_str(), 1) : unsetenv("LC_ALL");
  console_init_locale();
  EXPECT_EQ(out_.str(), "1.50");
  EXPECT_EQ(v, 2.25);
}

#endif

}  // namespace
