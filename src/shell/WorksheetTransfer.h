#pragma once

#include "CommandLine.h"

namespace terralore {

// The command line's import and export of GIFT and Aiken files: no window,
// one line for each worksheet made or exported, or the refusal on standard
// error. Returns the exit code: 0 on success, 1 on a refusal.
int runWorksheetTransfer(int argc, char *argv[], const StartOptions &options);

} // namespace terralore
