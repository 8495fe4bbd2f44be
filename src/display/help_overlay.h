#pragma once

#include "display/text.h"
#include "platform/messages.h"

// The key list over the middle of the picture: a heading, then a key and what it does on
// each line, in the given language and the style's font, on a white box.
void draw_help_overlay(DrawList& list, const TextStyle& style, Language language);
