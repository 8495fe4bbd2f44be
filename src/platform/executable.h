#pragma once

#include <string>

// The folder of the running program with a trailing separator, or "" when it cannot be
// told. The program finds its data files relative to it.
std::string executable_dir();

// True when path names an existing regular file.
bool is_regular_file(const std::string& path);
