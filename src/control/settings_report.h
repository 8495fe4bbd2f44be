#pragma once

// Prints the framed summary of the coming computation: the AGV type shown, its speed and
// steering data, the active mechanism error and the CP path with its constants.
void print_settings();
