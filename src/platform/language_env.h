#pragma once

#include "platform/catalogue.h"

// The language the user's environment asks for: the first of LC_ALL, LC_MESSAGES and LANG
// that is set and not empty decides (language_of_locale). On Windows, when none is set,
// the user's interface language does. One implementation per platform.
Language language_from_environment();
