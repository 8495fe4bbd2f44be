// The number reader on any bytes: every entry of a line, each entry as a real and as a
// whole number, and the notices. A number read is finite, a whole number whole, and a
// plain ASCII decimal has exactly the value strtod gives it.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/number_text.h"

namespace {

bool plain_decimal(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!std::strchr("0123456789+-.eE", c)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  for (const NumberItem& item : read_number_items(line)) {
    if (item.error == NumberError::none && !std::isfinite(item.value)) std::abort();
    if (item.text.empty()) std::abort();  // every entry has its text
    double value = 0.0;
    const NumberError e = parse_number(item.text, &value);
    if (e != item.error || (e == NumberError::none && value != item.value)) std::abort();
    if (e == NumberError::none && plain_decimal(item.text)) {
      const std::string copy(item.text);
      char* end = nullptr;
      const double expected = std::strtod(copy.c_str(), &end);
      if (*end != '\0' || std::memcmp(&expected, &value, sizeof value) != 0) std::abort();
    }
    int whole = 0;
    if (parse_whole_number(item.text, &whole) == NumberError::none && double(whole) != value) {
      std::abort();
    }
    (void)number_notice_used(item.text, item.error, 0.0);
    (void)number_notice_again(item.text, item.error);
  }
  double value = 0.0;
  int whole = 0;
  (void)parse_number(line, &value);
  (void)parse_whole_number(line, &whole);
  return 0;
}
