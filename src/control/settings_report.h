#pragma once

#include "model/agv_type.h"
#include "model/scenario.h"

// Prints the framed summary of the coming computation: the AGV type shown in the window,
// its speed and steering data, the active mechanism error and the CP path with its
// constants.
void print_settings(AgvType shown, const Scenario& scenario);
