#pragma once

#include <cstddef>
#include <string_view>

// The character at `at` of a UTF-8 text, `at` moved past it; a byte that does not start a
// well-formed character is U+FFFD and `at` moves on by one byte, or by the bytes of the
// cut-short sequence it starts.
char32_t next_utf8_char(std::string_view utf8, std::size_t& at);
