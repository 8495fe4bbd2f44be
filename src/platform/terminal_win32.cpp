// The console on Windows, spoken to in UTF-16: text written to std::cout and std::cerr in
// the console layer's codeset is converted and written with the wide-character call, and
// whole lines and single keys are read as UTF-16 and handed on in that codeset, so that
// std::cin gives the bytes a terminal elsewhere would. (The C library's own writes to a
// console may reinterpret bytes beyond ASCII.) The console mode changed for a single key is
// put back after the key, at exit, and when Ctrl-C or closing the console ends the program.
#include <windows.h>

#include "platform/terminal.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <streambuf>

#include "platform/encoding.h"
#include "platform/wide_text_win32.h"

namespace {

// The codeset of the bytes the streams carry.
std::string stream_codeset;

HANDLE input_handle() {
  return GetStdHandle(STD_INPUT_HANDLE);
}

bool is_console(HANDLE handle, DWORD* mode) {
  return GetConsoleMode(handle, mode) != 0;
}

// One console read; true with *got > 0 when something was read. A read that Ctrl-C cut
// short is made again: the console's handlers decide whether the program goes on.
bool read_console(HANDLE in, wchar_t* buffer, DWORD size, DWORD* got) {
  for (;;) {
    *got = 0;
    SetLastError(ERROR_SUCCESS);
    const bool ok = ReadConsoleW(in, buffer, size, got, nullptr) != 0;
    if (ok && *got > 0) return true;
    if (GetLastError() != ERROR_OPERATION_ABORTED) return false;
  }
}

// std::cin's buffer on a console: one line at a time in the console's line editing, with
// echo; the line break as '\n'. A line that starts with Ctrl-Z ends the input, as the C
// library's reads of a console do.
class ConsoleLines : public std::streambuf {
 public:
  // Bytes to come before the rest of the current line (the tail of a multi-byte key).
  void put_in_front(const std::string& bytes) {
    line_ = bytes + std::string(gptr(), egptr());
    setg(line_.data(), line_.data(), line_.data() + line_.size());
  }
  // Forgets what is left of the current line.
  void drop() {
    line_.clear();
    setg(line_.data(), line_.data(), line_.data());
  }

 protected:
  int_type underflow() override {
    if (gptr() == egptr()) {
      if (!read_line()) return traits_type::eof();
      setg(line_.data(), line_.data(), line_.data() + line_.size());
    }
    return traits_type::to_int_type(*gptr());
  }

 private:
  bool read_line() {
    std::wstring text;
    wchar_t chunk[1024];
    DWORD got = 0;
    while (text.empty() || text.back() != L'\n') {
      if (!read_console(input_handle(), chunk, 1024, &got)) break;
      text.append(chunk, got);
    }
    if (text.empty() || text[0] == L'\x1a') return false;
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, L"\r\n") == 0) {
      text.replace(text.size() - 2, 2, L"\n");
    }
    line_ = encoding_from_utf8(utf8_from_wide(text), stream_codeset);
    return !line_.empty();
  }

  std::string line_;
};

// The buffer of std::cout or std::cerr on a console. Unbuffered: each write reaches the
// console at once, as a whole (the console layer writes whole texts).
class ConsoleWriter : public std::streambuf {
 public:
  explicit ConsoleWriter(DWORD which) : which_(which) {}

 protected:
  std::streamsize xsputn(const char* text, std::streamsize n) override {
    const std::wstring wide =
        wide_from_utf8(encoding_to_utf8(std::string(text, static_cast<size_t>(n)), stream_codeset));
    const HANDLE out = GetStdHandle(which_);
    for (size_t done = 0; done < wide.size();) {
      DWORD written = 0;
      const DWORD part = static_cast<DWORD>(std::min<size_t>(wide.size() - done, 8192));
      if (!WriteConsoleW(out, wide.data() + done, part, &written, nullptr) || written == 0) {
        return 0;
      }
      done += written;
    }
    return n;
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
  }

 private:
  DWORD which_;
};

ConsoleLines console_lines;
ConsoleWriter console_out(STD_OUTPUT_HANDLE);
ConsoleWriter console_err(STD_ERROR_HANDLE);
bool lines_in_use = false;
bool writers_in_use = false;

// The mode saved before the current single-key read; read by the console event handler,
// which runs on a thread of its own.
DWORD saved_mode = 0;
volatile LONG raw_active = 0;
bool exit_paths_installed = false;

BOOL WINAPI restore_on_event(DWORD) {
  terminal_restore();
  return FALSE;  // the next handler, in the end the system's, ends the program
}

void restore_at_exit() {
  terminal_restore();
}

void install_exit_paths() {
  if (exit_paths_installed) return;
  exit_paths_installed = true;
  std::atexit(restore_at_exit);
  SetConsoleCtrlHandler(restore_on_event, TRUE);
}

// One byte from std::cin, the stream the line reads use too.
int read_byte_from_cin() {
  const int c = std::cin.get();
  return c == std::char_traits<char>::eof() ? -1 : static_cast<unsigned char>(c);
}

}  // namespace

bool terminal_is_tty() {
  DWORD mode = 0;
  return is_console(input_handle(), &mode);
}

// A console reads whole lines or single keys; what waits in it is left to the key reads.
std::string terminal_read_ready() {
  return {};
}

bool terminal_error_is_tty() {
  DWORD mode = 0;
  return is_console(GetStdHandle(STD_ERROR_HANDLE), &mode);
}

void terminal_prepare_streams(const std::string& codeset) {
  stream_codeset = codeset;
  if (!writers_in_use) {
    writers_in_use = true;
    DWORD mode = 0;
    if (is_console(GetStdHandle(STD_OUTPUT_HANDLE), &mode)) std::cout.rdbuf(&console_out);
    if (is_console(GetStdHandle(STD_ERROR_HANDLE), &mode)) std::cerr.rdbuf(&console_err);
  }
  if (lines_in_use || !terminal_is_tty()) return;
  lines_in_use = true;
  std::cin.rdbuf(&console_lines);
}

int terminal_read_raw_key() {
  // What is left of a line, or of a key of several bytes, comes first.
  if (lines_in_use && console_lines.in_avail() > 0) return read_byte_from_cin();
  const HANDLE in = input_handle();
  DWORD mode = 0;
  if (!is_console(in, &mode)) return read_byte_from_cin();
  install_exit_paths();
  saved_mode = mode;
  raw_active = 1;
  // Without line input and echo the console hands on each key at once; processed input
  // keeps Ctrl-C a signal to the program rather than a key.
  SetConsoleMode(in, ENABLE_PROCESSED_INPUT);
  wchar_t key[2];
  DWORD got = 0;
  bool ok = read_console(in, key, 1, &got);
  if (ok && IS_HIGH_SURROGATE(key[0])) {
    DWORD low = 0;
    if (read_console(in, key + 1, 1, &low)) got += low;
  }
  terminal_restore();
  if (!ok) return -1;
  if (key[0] == L'\r') key[0] = L'\n';
  std::string bytes = encoding_from_utf8(utf8_from_wide(key, got), stream_codeset);
  if (bytes.empty()) return -1;
  if (bytes.size() > 1 && lines_in_use) console_lines.put_in_front(bytes.substr(1));
  return static_cast<unsigned char>(bytes[0]);
}

void terminal_restore() {
  if (InterlockedExchange(&raw_active, 0) == 0) return;
  SetConsoleMode(input_handle(), saved_mode);
}

void terminal_discard_typeahead() {
  if (!terminal_is_tty()) return;
  FlushConsoleInputBuffer(input_handle());
  if (lines_in_use) console_lines.drop();
}
