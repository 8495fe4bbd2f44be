// Encoding on Windows: the console's code page, and conversions through UTF-16 with the
// system's code page tables, one character at a time so that a character the target
// lacks becomes one '?'.
#include <windows.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/encoding.h"
#include "platform/wide_text_win32.h"

namespace {

// Bytes of the UTF-8 character at p (1 for a stray byte), at most left.
size_t utf8_char_length(const char* p, size_t left) {
  const auto lead = static_cast<unsigned char>(*p);
  size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
  size_t n = 1;
  while (n < length && n < left && (static_cast<unsigned char>(p[n]) & 0xC0) == 0x80) ++n;
  return n;
}

// Upper-case letters and digits only, so that "Shift_JIS" and "shift-jis" match.
std::string key_of(const std::string& codeset) {
  std::string key;
  for (char c : codeset) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) key += c;
  }
  return key;
}

struct NamedPage {
  const char* key;
  UINT page;
};
constexpr NamedPage kNamedPages[] = {
    {"UTF8", CP_UTF8},    {"SHIFTJIS", 932},   {"SJIS", 932},      {"MSKANJI", 932},
    {"CSSHIFTJIS", 932},  {"WINDOWS31J", 932}, {"MS932", 932},     {"EUCJP", 20932},
    {"ISO2022JP", 50220}, {"ASCII", 20127},    {"USASCII", 20127}, {"ANSIX341968", 20127},
};

// The code page a codeset names: one of the names above, "CP<n>", "WINDOWS-<n>" or
// "IBM<n>"; 0 when it names none the system has.
UINT code_page_of(const std::string& codeset) {
  const std::string key = key_of(codeset);
  UINT page = 0;
  for (const NamedPage& named : kNamedPages) {
    if (key == named.key) page = named.page;
  }
  for (const char* prefix : {"CP", "WINDOWS", "IBM"}) {
    const size_t n = std::strlen(prefix);
    if (page == 0 && key.size() > n && key.compare(0, n, prefix) == 0 &&
        key.find_first_not_of("0123456789", n) == std::string::npos) {
      page = static_cast<UINT>(std::strtoul(key.c_str() + n, nullptr, 10));
    }
  }
  return page != 0 && IsValidCodePage(page) ? page : 0;
}

// Code pages whose conversions take no flags and no replacement character (UTF-7/8, the
// ISO-2022 and ISCII families).
bool takes_no_flags(UINT page) {
  return page == CP_UTF7 || page == CP_UTF8 || page == 42 || (page >= 50220 && page <= 50229) ||
         (page >= 57002 && page <= 57011);
}

// The code page of the program's console, or 0 when it writes to files or pipes only.
UINT console_page() {
  DWORD mode = 0;
  for (DWORD handle : {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
    if (GetConsoleMode(GetStdHandle(handle), &mode)) return GetConsoleOutputCP();
  }
  return 0;
}

}  // namespace

// The C library keeps its "C" locale: numbers print and read with a decimal point. The
// texts are code page 932 on a console of that code page (Japanese systems), as a terminal
// of that code page would show them; on any other console, and in files and pipes, UTF-8
// as they are written in the sources. The console itself is written and read as UTF-16
// (terminal_prepare_streams), so the console's code page needs no change.
std::string encoding_init_locale() {
  std::setlocale(LC_ALL, "C");
  return console_page() == 932 ? "CP932" : "UTF-8";
}

std::string encoding_from_utf8(const std::string& utf8, const std::string& codeset) {
  if (codeset.empty() || utf8.empty()) return utf8;
  const UINT page = code_page_of(codeset);
  if (page == 0) return utf8;  // unknown codeset: keep the text
  const bool plain = !takes_no_flags(page);
  std::string result;
  for (size_t i = 0; i < utf8.size();) {
    const char* c = utf8.data() + i;
    const size_t n = utf8_char_length(c, utf8.size() - i);
    i += n;
    if (n == 1 && static_cast<unsigned char>(*c) < 0x80) {
      result += *c;
      continue;
    }
    wchar_t wide[2];
    const int wide_n =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, c, static_cast<int>(n), wide, 2);
    if (wide_n <= 0) {
      result += '?';
    } else if (page == CP_UTF8) {
      result.append(c, n);
    } else {
      char bytes[16];
      BOOL replaced = FALSE;
      const int bytes_n =
          WideCharToMultiByte(page, plain ? WC_NO_BEST_FIT_CHARS : 0, wide, wide_n, bytes,
                              sizeof bytes, plain ? "?" : nullptr, plain ? &replaced : nullptr);
      if (bytes_n <= 0 || replaced) {
        result += '?';
      } else {
        result.append(bytes, bytes_n);
      }
    }
  }
  return result;
}

std::string encoding_to_utf8(const std::string& text, const std::string& codeset) {
  if (codeset.empty() || text.empty()) return text;
  const UINT page = code_page_of(codeset);
  if (page == 0) return text;
  if (takes_no_flags(page) && page != CP_UTF8) {  // stateful: the whole text at once
    const int n =
        MultiByteToWideChar(page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    MultiByteToWideChar(page, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return utf8_from_wide(wide);
  }
  std::string result;
  for (size_t i = 0; i < text.size();) {
    const char* c = text.data() + i;
    const size_t left = text.size() - i;
    if (static_cast<unsigned char>(*c) < 0x80) {
      result += *c;
      ++i;
      continue;
    }
    const size_t n = page == CP_UTF8                          ? utf8_char_length(c, left)
                     : IsDBCSLeadByteEx(page, *c) && left > 1 ? 2
                                                              : 1;
    wchar_t wide[2];
    const int wide_n =
        MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, c, static_cast<int>(n), wide, 2);
    if (wide_n <= 0) {
      result += '?';
      ++i;  // one byte, as a converter that resynchronises after it
    } else {
      result += utf8_from_wide(wide, static_cast<size_t>(wide_n));
      i += n;
    }
  }
  return result;
}
