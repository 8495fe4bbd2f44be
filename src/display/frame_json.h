#pragma once

#include <string>

#include "scene/draw_list.h"

// A composed frame as JSON (docs/frame-json.md): the picture's size, then its parts in
// drawing order, each with its commands in pixels of a width x height picture, x to the
// right and y downward from the top left corner. Shapes in a local frame are given with
// their vertices placed in the picture. Texts name their string, font and size.
std::string frame_json(const DrawList& list, int width, int height);

// The same into *json, replaced; its memory is used again, so that a frame of no more
// commands than an earlier one allocates nothing.
void frame_json(const DrawList& list, int width, int height, std::string* json);
