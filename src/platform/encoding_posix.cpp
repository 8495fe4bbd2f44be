// Encoding through the C library's locale and iconv.
#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <clocale>

#include "platform/encoding.h"

namespace {

// Bytes of the UTF-8 character at p (1 for a stray byte), at most left.
size_t utf8_char_length(const char* p, size_t left) {
  const auto lead = static_cast<unsigned char>(*p);
  size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
  size_t n = 1;
  while (n < length && n < left && (static_cast<unsigned char>(p[n]) & 0xC0) == 0x80) ++n;
  return n;
}

// One open converter per direction, for the last codeset asked for; the program only ever
// uses one.
struct Converter {
  std::string to;
  std::string from;
  iconv_t cd = reinterpret_cast<iconv_t>(-1);

  iconv_t get(const std::string& to_codeset, const std::string& from_codeset) {
    if (to_codeset != to || from_codeset != from) {
      if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
      cd = iconv_open(to_codeset.c_str(), from_codeset.c_str());
      to = to_codeset;
      from = from_codeset;
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return cd;
  }
};

// Converts with cd; an input sequence that cannot be converted becomes one '?' and the
// conversion goes on after it (one UTF-8 character, or one byte of other input).
std::string convert(iconv_t cd, const std::string& in, bool input_is_utf8) {
  std::string result;
  char chunk[1024];
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  // Runs until the whole input is used; every turn converts, skips or emits something.
  for (;;) {
    char* dst = chunk;
    size_t dst_left = sizeof chunk;
    const bool at_end = src_left == 0;
    const size_t rc = at_end ? iconv(cd, nullptr, nullptr, &dst, &dst_left)
                             : iconv(cd, &src, &src_left, &dst, &dst_left);
    const int error = rc == static_cast<size_t>(-1) ? errno : 0;
    result.append(chunk, dst - chunk);
    if (error == E2BIG) continue;
    if (at_end) break;
    if (error == EILSEQ || error == EINVAL) {
      // Back to the initial shift state, one '?'.
      dst = chunk;
      dst_left = sizeof chunk;
      iconv(cd, nullptr, nullptr, &dst, &dst_left);
      result.append(chunk, dst - chunk);
      result += '?';
      const size_t skip = input_is_utf8 ? utf8_char_length(src, src_left) : 1;
      src += skip;
      src_left -= skip;
    } else if (error != 0) {
      result.append(src, src_left);  // should not happen; never lose the rest
      break;
    }
  }
  return result;
}

}  // namespace

std::string encoding_init_locale() {
  if (!std::setlocale(LC_ALL, "")) std::setlocale(LC_CTYPE, "");
  std::setlocale(LC_NUMERIC, "C");  // numbers always print and read with a decimal point
  const char* codeset = nl_langinfo(CODESET);
  return codeset ? codeset : "";
}

std::string encoding_from_utf8(const std::string& utf8, const std::string& codeset) {
  static Converter out;
  if (codeset.empty() || utf8.empty()) return utf8;
  iconv_t cd = out.get(codeset, "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return utf8;  // unknown codeset: keep the text
  return convert(cd, utf8, true);
}

std::string encoding_to_utf8(const std::string& text, const std::string& codeset) {
  static Converter in;
  if (codeset.empty() || text.empty()) return text;
  iconv_t cd = in.get("UTF-8", codeset);
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  return convert(cd, text, false);
}
