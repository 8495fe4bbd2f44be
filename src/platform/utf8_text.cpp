#include "platform/utf8_text.h"

char32_t next_utf8_char(std::string_view utf8, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const unsigned char lead = byte(at++);
  if (lead < 0x80) return lead;
  int more = 0;
  char32_t code = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    more = 1, code = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    more = 2, code = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    more = 3, code = lead & 0x07, least = 0x10000;
  } else {
    return 0xFFFD;
  }
  for (int i = 0; i < more; ++i) {
    if (at >= utf8.size() || (byte(at) & 0xC0) != 0x80) return 0xFFFD;
    code = code << 6 | (byte(at++) & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0xFFFD;
  return code;
}
