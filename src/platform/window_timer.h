#pragma once

// Calls callback(value) once from the window library's event loop, at least `ms`
// milliseconds from now. Needs the window library started (the window open).
void call_after(unsigned ms, void (*callback)(int), int value);
