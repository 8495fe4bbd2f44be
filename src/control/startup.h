#pragma once

#include <string>

#include "control/session.h"
#include "sim/normal_tables.h"

// The start-up of the program: the random tables read (from `tables_dir` only when it is
// not empty), the completion text printed, the session at its start. When a table cannot be
// read it says which and why on the error stream and ends the process with status 1.
void startup(NormalTables* tables, Session* session, const std::string& tables_dir);
