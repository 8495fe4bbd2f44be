#pragma once

#include <string>

#include "path/path_length_check.h"
#include "platform/messages.h"
#include "sim/computation.h"

// The console texts that say why a path cannot be computed (UTF-8, in the language of the
// process; each starts with a line break and ends without one). Empty when nothing was
// refused. In Japanese the reasons about the error are given in English too.

// The length check's refusal of path I.
std::string path_refusal_text(int I, const PathCheck& check);

// A computation's refusal: the length check's text, the record limit's naming the type
// that needed too many records, what is wrong with the error, or that the motion was not
// finite.
std::string refusal_text(const ComputeResult& result);

// What is wrong with an error (ErrorFault): its message in the catalogue, false for
// ErrorFault::none.
bool error_fault_message(ErrorFault fault, Msg* id);

// The same text in Japanese and in English, one line each without line breaks; empty for
// ErrorFault::none.
const char* error_fault_japanese(ErrorFault fault);
const char* error_fault_english(ErrorFault fault);

// The dialogue's line for a refused error value: a line break and the reason; in Japanese
// the English follows in brackets.
std::string error_fault_text(ErrorFault fault);
