#pragma once

#include <string>

// Text encoding of the console: which codeset the user's terminal speaks, and conversion
// between it and the program's UTF-8. One implementation per platform.

// Takes the locale (or console settings) from the environment, keeping numbers in the C
// form (decimal point), and returns the name of the console's codeset as the platform
// names it ("UTF-8", "SHIFT_JIS", "ANSI_X3.4-1968", "CP932", ...).
std::string encoding_init_locale();

// Converts UTF-8 text to the named codeset. Characters that cannot be represented (and
// bytes that are not UTF-8) become '?'. An unknown codeset leaves the text as it is.
std::string encoding_from_utf8(const std::string& utf8, const std::string& codeset);

// Converts text in the named codeset to UTF-8. Bytes that do not form a character of the
// codeset become '?'. An unknown codeset leaves the text as it is.
std::string encoding_to_utf8(const std::string& text, const std::string& codeset);
