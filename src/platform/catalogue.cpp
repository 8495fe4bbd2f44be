#include "platform/catalogue.h"

#include <cstdarg>
#include <cstdio>

namespace {

Language process_language = Language{};  // the reference language

}  // namespace

const char* text(Language language, Msg id) {
  return message_texts[static_cast<int>(language)][static_cast<int>(id)];
}

void set_language(Language language) {
  process_language = language;
}

Language language() {
  return process_language;
}

const char* tr(Msg id) {
  return text(process_language, id);
}

bool language_from_code(std::string_view code, Language* language) {
  for (int i = 0; i < language_count; ++i) {
    if (code == language_codes[i]) {
      *language = static_cast<Language>(i);
      return true;
    }
  }
  return false;
}

Language language_of_locale(std::string_view locale) {
  const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
  Language language{};
  return language_from_code(code, &language) ? language : Language{};
}

std::string format_text(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text;
  if (length > 0) {
    text.resize(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, again);
    text.resize(static_cast<std::size_t>(length));
  }
  va_end(again);
  return text;
}
