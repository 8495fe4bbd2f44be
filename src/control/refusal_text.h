#pragma once

#include <string>

#include "path/path_length_check.h"
#include "sim/computation.h"

// The console texts that say why a path cannot be computed (UTF-8; each starts with a line
// break and ends without one). Empty when nothing was refused.

// The length check's refusal of path I.
std::string path_refusal_text(int I, const PathCheck& check);

// A computation's refusal: the length check's text, or the record limit's naming the type
// that needed too many records.
std::string refusal_text(const ComputeResult& result);
