#include <windows.h>

#include <cstdlib>

#include "platform/language_env.h"

Language language_from_environment() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return language_of_locale(value);
  }
  // The interface language of the user, as its ISO 639 code ("en", "ja").
  char code[9];
  if (GetLocaleInfoA(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), LOCALE_SISO639LANGNAME,
                     code, sizeof code) > 0) {
    return language_of_locale(code);
  }
  return Language{};
}
