#pragma once

#include "platform/messages.h"

// The catalogue's name of a CP path (ellipse, ...) by its number; false for no such path.
bool path_name_msg(int path_no, Msg* id);
