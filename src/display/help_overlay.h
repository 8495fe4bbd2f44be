#pragma once

#include "display/text.h"
#include "scene/draw_list.h"

// The key list of the window in Japanese and English, a picture built into the program
// (the bitmap fonts have no Japanese). Drawn over the middle of the picture, in the larger
// size from 800 pixels on.
void draw_help_overlay(DrawList& list, const TextStyle& style);

// Decodes both sizes of the key list once, so that drawing later allocates nothing.
// Returns false when a picture cannot be decoded (then the overlay draws nothing).
bool load_help_pictures();
