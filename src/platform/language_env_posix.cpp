#include <cstdlib>

#include "platform/language_env.h"

Language language_from_environment() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return language_of_locale(value);
  }
  return Language{};
}
