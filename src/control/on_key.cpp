// The window's key handler.
