#pragma once

#include <string>

// UTF-8 to and from the UTF-16 of Windows' wide-character calls (Windows only). Bytes
// that are not UTF-8, and unpaired surrogates, become U+FFFD.
std::wstring wide_from_utf8(const std::string& utf8);
std::string utf8_from_wide(const wchar_t* wide, size_t length);
inline std::string utf8_from_wide(const std::wstring& wide) {
  return utf8_from_wide(wide.data(), wide.size());
}
