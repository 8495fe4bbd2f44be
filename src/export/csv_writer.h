#pragma once

#include <cstdio>

#include "control/settings.h"
#include "export/export_options.h"

// Writes the result of run_export as CSV: '#' comment lines with the settings used and the
// per-type summary, then the trajectory rows under the header
//   type,array,record,t,s,theta,x,y,delta,kappa,p
// and, after two empty lines, the wheel rows under the header
//   type,record,t,travel_1,travel_2,delta
// Every number has 17 significant digits, independent of the locale.
// Returns false when the stream reports a write error.
bool write_export_csv(std::FILE* out, const ExportOptions& options, const Settings& used);
