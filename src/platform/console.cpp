// Console layer: formatted output with encoding conversion, key and number input.
#include "platform/console.h"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "platform/catalogue.h"
#include "platform/encoding.h"
#include "platform/number_text.h"
#include "platform/terminal.h"

namespace {

std::istream* in_stream = nullptr;   // nullptr: std::cin
std::ostream* out_stream = nullptr;  // nullptr: std::cout
std::ostream* err_stream = nullptr;  // nullptr: std::cerr
void (*end_of_input_handler)() = nullptr;

bool started = false;
std::string last_key_text;  // UTF-8
std::string replay;         // bytes read ahead from the input, given out again first
std::size_t replay_at = 0;
std::string locale_codeset;  // of the locale, as the platform names it
std::string output_codeset;  // the locale's or a forced one; see target_codeset()

std::istream& in() {
  return in_stream ? *in_stream : std::cin;
}
std::ostream& out() {
  return out_stream ? *out_stream : std::cout;
}
std::ostream& err() {
  return err_stream ? *err_stream : std::cerr;
}

void start() {
  if (started) return;
  started = true;
  console_init_locale();
}

// --- Encoding ---------------------------------------------------------------------------

// Upper-case letters and digits only, so that "Shift_JIS", "SHIFT-JIS" and "shiftjis" match.
std::string codeset_key(const char* codeset) {
  std::string key;
  for (const char* p = codeset; *p; ++p) {
    char c = *p;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) key += c;
  }
  return key;
}

// The codeset to convert to, or "" when UTF-8 goes out unchanged: UTF-8 itself, and plain
// ASCII (the C locale of scripts and CI, where the texts must pass byte for byte). Shift-JIS
// goes out as CP932, its superset that has every character of the texts.
std::string target_codeset(const char* codeset) {
  if (!codeset) return "";
  const std::string key = codeset_key(codeset);
  static const char* const kPassThrough[] = {"",        "UTF8",     "ANSIX341968", "ASCII",
                                             "USASCII", "ISO646US", "646"};
  for (const char* name : kPassThrough) {
    if (key == name) return "";
  }
  static const char* const kShiftJis[] = {"SHIFTJIS",   "SJIS",  "MSKANJI", "CSSHIFTJIS",
                                          "WINDOWS31J", "CP932", "MS932"};
  for (const char* name : kShiftJis) {
    if (key == name) return "CP932";
  }
  return codeset;
}

// --- Output -----------------------------------------------------------------------------

void flush_output() {
  std::ostream& o = out();
  // stdio output of other parts of the program comes first, then this stream's buffer.
  if (&o == &std::cout) std::fflush(stdout);
  o.flush();
}

std::string format_text(const char* format, va_list args) {
  char small[4096];
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(small, sizeof small, format, args);
  std::string text;
  if (length <= 0) {
    // nothing to print, or a format error
  } else if (static_cast<size_t>(length) < sizeof small) {
    text.assign(small, length);
  } else {
    text.resize(static_cast<size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, again);
    text.resize(length);
  }
  va_end(again);
  return text;
}

void write_text(std::ostream& stream, const std::string& utf8) {
  const std::string text = encoding_from_utf8(utf8, target_codeset(output_codeset.c_str()));
  if (&stream == &std::cout) std::fflush(stdout);
  stream.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// --- Input ------------------------------------------------------------------------------

bool reading_real_stdin() {
  return in_stream == nullptr;
}

// std::cin reads through stdio; a read cut short by a signal that did not end the program
// shows as end of file with the error flag and errno EINTR, and is tried again.
bool interrupted_read() {
  if (!reading_real_stdin() || !(std::ferror(stdin) && errno == EINTR)) return false;
  std::clearerr(stdin);
  std::cin.clear();
  return true;
}

// Straight from the stream's buffer: a line is read byte by byte, and megabyte lines must
// not take long. Bytes read ahead come first.
int next_byte() {
  if (replay_at < replay.size()) return static_cast<unsigned char>(replay[replay_at++]);
  for (;;) {
    const int c = in().rdbuf()->sbumpc();
    if (c != std::char_traits<char>::eof()) return static_cast<unsigned char>(c);
    if (!interrupted_read()) return -1;
  }
}

// The next byte without taking it, or -1 at the end of the input.
int peek_byte() {
  if (replay_at < replay.size()) return static_cast<unsigned char>(replay[replay_at]);
  return in().rdbuf()->sgetc();
}

// The rest of the current line without its line break; false at end of input with nothing
// read. A line ends at LF or at CR, so that CR LF, LF and CR alone all end one; CR LF leaves
// an empty line behind, which the number reads skip like any empty line (no look-ahead,
// which would wait for the next key on a terminal). A last line without a line break still
// counts as a line.
bool next_line(std::string& line) {
  line.clear();
  for (;;) {
    const int c = next_byte();
    if (c < 0) return !line.empty();
    if (c == '\n' || c == '\r') return true;
    line += static_cast<char>(c);
  }
}

// The entries of the next line that has any, read from UTF-8 (converted from the console's
// codeset, the one the output uses). The items point into *line. At end of input the
// program ends (console_end_of_input).
std::vector<NumberItem> next_items(std::string* line) {
  for (;;) {
    if (!next_line(*line)) console_end_of_input();
    const std::string codeset = target_codeset(output_codeset.c_str());
    if (!codeset.empty()) *line = encoding_to_utf8(*line, codeset);
    std::vector<NumberItem> items = read_number_items(*line);
    if (!items.empty()) return items;
  }
}

// How many bytes the character that starts with `lead` has in the console's codeset: UTF-8
// (also for plain ASCII, where nothing else comes), CP932, EUC-JP; other codesets take
// one byte a character here.
int character_bytes(unsigned char lead, const std::string& codeset) {
  if (lead < 0x80) return 1;
  if (codeset.empty())
    return lead >= 0xC2 && lead <= 0xDF   ? 2
           : lead >= 0xE0 && lead <= 0xEF ? 3
           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                          : 1;
  if (codeset == "CP932") return (lead >= 0x81 && lead <= 0x9F) || lead >= 0xE0 ? 2 : 1;
  if (codeset_key(codeset.c_str()) == "EUCJP") return lead == 0x8F ? 3 : lead >= 0x8E ? 2 : 1;
  return 1;
}

// A byte that may follow the lead byte of a character: UTF-8 takes only 0x80..0xBF there.
bool continues(int byte, const std::string& codeset) {
  if (byte < 0) return false;
  return codeset.empty() ? (byte & 0xC0) == 0x80 : byte >= 0x40;
}

// The key a character stands for: ASCII as itself, a full-width form as its ASCII
// character, anything else its first byte.
int key_of(const std::string& utf8) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  if (utf8.size() == 1) return byte(0);
  if (utf8.size() == 3) {
    const int code = (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    if (code >= 0xFF01 && code <= 0xFF5E) return code - 0xFF01 + '!';
    if (code == 0x3000) return ' ';
  }
  return utf8.empty() ? 0 : byte(0);
}

// The notice of a refused entry on a line of its own.
void print_notice(const std::string& notice) {
  write_text(out(), "\n" + notice);
}

}  // namespace

void console_init_locale() {
  started = true;
  locale_codeset = encoding_init_locale();
  output_codeset = locale_codeset;
  terminal_prepare_streams(locale_codeset);
}

void console_print(const char* format, ...) {
  start();
  va_list args;
  va_start(args, format);
  const std::string text = format_text(format, args);
  va_end(args);
  write_text(out(), text);
}

void console_error(const char* format, ...) {
  start();
  va_list args;
  va_start(args, format);
  const std::string text = format_text(format, args);
  va_end(args);
  flush_output();  // what was printed before shows before the message
  std::ostream& e = err();
  write_text(e, text);
  if (&e == &std::cerr) std::fflush(stderr);
  e.flush();
}

void console_flush() {
  flush_output();
}

void console_discard_typeahead() {
  if (!reading_real_stdin() || !terminal_is_tty()) return;
  replay.clear();
  replay_at = 0;
  terminal_discard_typeahead();
}

int console_read_key() {
  start();
  flush_output();
  const bool terminal = reading_real_stdin() && terminal_is_tty();
  // Keys typed on the terminal come one at a time; those read ahead come first.
  const auto live = [&] { return terminal && replay_at >= replay.size(); };
  int c;
  do {
    c = live() ? terminal_read_raw_key() : next_byte();
    if (c < 0) console_end_of_input();
  } while (!terminal && (c == '\n' || c == '\r'));
  // The other bytes of the character: a terminal sends them at once; from a stream only
  // bytes that can continue it are taken, so a broken one does not swallow the next answer.
  const std::string codeset = target_codeset(output_codeset.c_str());
  std::string bytes(1, static_cast<char>(c));
  for (int n = character_bytes(static_cast<unsigned char>(c), codeset); --n > 0;) {
    int next;
    if (live()) {
      next = terminal_read_raw_key();
    } else {
      next = peek_byte();
      if (!continues(next, codeset)) break;
      next_byte();
    }
    if (next < 0) break;
    bytes += static_cast<char>(next);
  }
  last_key_text = codeset.empty() ? bytes : encoding_to_utf8(bytes, codeset);
  const int key = key_of(last_key_text);
  return key < 0x80 ? key : c;
}

const std::string& console_key_text() {
  return last_key_text;
}

void console_drop_wrong_line(bool (*answers)(int key)) {
  // The rest of the line is read ahead and looked at character by character, as the key
  // reads would take it; it stays to be read only when one of its keys answers. On a
  // terminal the line is what was typed or pasted with the wrong key, up to its Enter,
  // which goes with it (Enter is a key there); nothing is waited for.
  const bool terminal = reading_real_stdin() && terminal_is_tty();
  std::string rest = replay.substr(replay_at) + (terminal ? terminal_read_ready() : "");
  replay.clear();
  replay_at = 0;
  std::size_t end = rest.find_first_of("\r\n");
  while (end == std::string::npos && !terminal) {
    const int c = next_byte();
    if (c < 0) break;
    rest += static_cast<char>(c);
    if (c == '\n' || c == '\r') end = rest.size() - 1;
  }
  const std::string codeset = target_codeset(output_codeset.c_str());
  const std::size_t line_end = std::min(end, rest.size());
  bool answered = false;
  for (std::size_t i = 0; i < line_end && !answered;) {
    const unsigned char lead = static_cast<unsigned char>(rest[i]);
    std::size_t n = 1;
    const int wanted = character_bytes(lead, codeset);
    while (static_cast<int>(n) < wanted && i + n < line_end &&
           continues(static_cast<unsigned char>(rest[i + n]), codeset)) {
      ++n;
    }
    const std::string bytes = rest.substr(i, n);
    const int key = key_of(codeset.empty() ? bytes : encoding_to_utf8(bytes, codeset));
    answered = answers(key < 0x80 ? key : lead);
    i += n;
  }
  if (answered) {
    replay = std::move(rest);
  } else {
    replay = rest.substr(std::min(rest.size(), line_end + (terminal ? 1 : 0)));
  }
}

bool console_read_int(int* value) {
  start();
  flush_output();
  std::string line;
  const NumberItem item = next_items(&line).front();
  int number = 0;
  const NumberError error = parse_whole_number(item.text, &number);
  if (error != NumberError::none) {
    print_notice(number_notice_again(item.text, error));
    return false;
  }
  if (value) *value = number;
  return true;
}

int console_read_reals(int n, double* values, NumberRefused refused) {
  start();
  flush_output();
  if (n <= 0 || !values) return 0;
  int filled = 0, numbers = 0;
  std::string line;
  while (filled < n) {
    bool line_refused = false;
    for (const NumberItem& item : next_items(&line)) {
      if (filled == n) break;
      if (item.error == NumberError::none) {
        values[filled++] = item.value;
        ++numbers;
      } else if (refused == NumberRefused::again) {
        print_notice(number_notice_again(item.text, item.error));
        return numbers;
      } else {
        print_notice(number_notice_used(item.text, item.error, 0.0));
        values[filled++] = 0.0;
        line_refused = true;
      }
    }
    // The user has answered with this line; the next lines belong to the next question.
    if (line_refused) {
      while (filled < n) values[filled++] = 0.0;
    }
  }
  return numbers;
}

void console_end_of_input() {
  console_error("%s", tr(Msg::end_of_input));
  terminal_restore();
  if (end_of_input_handler) end_of_input_handler();
  std::exit(1);
}

void console_set_end_of_input_handler(void (*handler)()) {
  end_of_input_handler = handler;
}

void console_set_streams(std::istream* in, std::ostream* out, std::ostream* err) {
  replay.clear();
  replay_at = 0;
  in_stream = in;
  out_stream = out;
  err_stream = err;
}

void console_set_output_codeset(const char* codeset) {
  start();
  output_codeset = codeset ? codeset : locale_codeset;
}

std::string console_convert(const std::string& utf8, const char* codeset) {
  return encoding_from_utf8(utf8, target_codeset(codeset));
}
