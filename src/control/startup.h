#pragma once

// The start-up of the program: the random tables, every setting and path constant at its
// default, path 1 derived and measured, the view at its start. Ends before the dialogue.
void startup();
