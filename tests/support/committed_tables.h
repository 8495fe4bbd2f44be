#pragma once

// Reads the five random tables of the repository's data/ folder (no console output);
// fails the current test if one cannot be read.
void load_committed_tables();
