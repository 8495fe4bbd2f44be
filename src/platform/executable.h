#pragma once

#include <string>
#include <vector>

// The running program: its folder and its command line.

// The folder of the running program with a trailing separator, or "" when it cannot be
// told. The program finds its data files relative to it.
std::string executable_dir();

// True when path (UTF-8) names an existing regular file.
bool is_regular_file(const std::string& path);

// The command line as UTF-8, the program's name first. On Windows it is taken from the
// wide-character command line (argv holds it in the ANSI code page, which may lack
// characters of a file name); elsewhere it is argv as it is.
std::vector<std::string> program_arguments(int argc, char** argv);
