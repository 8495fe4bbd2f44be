#pragma once

#include <string>
#include <string_view>

#include "platform/messages.h"

// The text catalogue: every text the programs show a user, in each language of po/, keyed
// by Msg (po/README.md). The PO files are compiled into the programs at build time, so no
// run-time library is needed.
//
// The language is one setting for the whole process, chosen once at the start (--lang or
// the locale) before any text is shown; until then it is the reference language, Japanese.
// Lower layers hand out Msg ids or codes; the layers that talk to the user call tr(). Where a
// reason is made of several parts (a file, a library's own words, the reasons of two ways of
// doing a thing) the lower layer builds its text with tr() itself: files and OpenGL.

// The text of a message in a language.
const char* text(Language language, Msg id);

// The language of the process.
void set_language(Language language);
Language language();

// The text of a message in the language of the process.
const char* tr(Msg id);

// The language of a code of the catalogue ("ja", "en"); false for any other code.
bool language_from_code(std::string_view code, Language* language);

// The language a locale name stands for ("en", "en_US.UTF-8", "ja_JP.eucJP@x"): its
// language part when the catalogue has it, the reference language for any other (C and
// POSIX included).
Language language_of_locale(std::string_view locale);

// printf into a string, for the formats of the catalogue (whose conversions the build
// checks against the reference language's).
std::string format_text(const char* format, ...);
