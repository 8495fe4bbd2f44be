#pragma once

#include <cstdio>
#include <string>

// Files named in UTF-8, and output streams that keep their bytes as written.

// std::fopen for a UTF-8 file name (on Windows opened through the UTF-16 name, so that any
// character of the name works). Returns nullptr with errno set on failure.
std::FILE* open_file(const std::string& path, const char* mode);

// Makes an already open stream, standard output for example, write its bytes unchanged:
// Windows' C library puts a CR before every line break of a text stream, other systems
// change nothing anyway. Files that should be the same on every system are opened with
// "wb" or made binary this way.
void set_binary_output(std::FILE* stream);
