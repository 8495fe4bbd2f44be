#pragma once

#include <string>

#include "path/path_length_check.h"
#include "sim/computation.h"

// The console texts that say why a path cannot be computed (UTF-8; each starts with a line
// break and ends without one). Empty when nothing was refused.

// The length check's refusal of path I.
std::string path_refusal_text(int I, const PathCheck& check);

// A computation's refusal: the length check's text, the record limit's naming the type
// that needed too many records, what is wrong with the error, or that the motion was not
// finite.
std::string refusal_text(const ComputeResult& result);

// What is wrong with an error (ErrorFault), in Japanese and in English, one line each
// without line breaks; empty for ErrorFault::none.
const char* error_fault_japanese(ErrorFault fault);
const char* error_fault_english(ErrorFault fault);

// The dialogue's line for a refused error value: a line break, the Japanese and the English
// in brackets.
std::string error_fault_text(ErrorFault fault);
