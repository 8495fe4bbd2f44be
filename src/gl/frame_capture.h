#pragma once

// Reads back the frame just composed, before it is shown, from the buffer it was drawn
// into (the window's back buffer, or the framebuffer object of an off-screen picture):
// width x height pixels from the bottom left corner as glReadPixels(GL_RGB,
// GL_UNSIGNED_BYTE) gives them with rows tightly packed, the bottom row first (the layout
// the picture writers take, picture/rgb_image.h). rgb holds 3 * width * height bytes.
// Allocates nothing.
void read_frame(int width, int height, unsigned char* rgb);
