#pragma once

// Puts every piece of program-wide state back to its start-up values.
void reset_program_state();
