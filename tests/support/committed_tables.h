#pragma once

#include "sim/normal_tables.h"

// The five random tables of the repository's data/ folder, read once (no console output);
// a table that cannot be read fails the current test.
const NormalTables& committed_tables();
