// Ctrl-C (SIGINT, SIGTERM; console control events on Windows) as a clean stop: the handler only
// clears the running and extracting flags and remembers that it happened; the work polls the flags.
#pragma once

#include "reader/ScanRecords.h"

namespace tarvelo::os {

// Routes the interruption to `control` from now on. The handler stays installed for the process.
void InstallInterruptHandler(ScanControl& control);
// Forgets `control` (before it is destroyed); a later interruption is only remembered.
void ReleaseInterruptHandler();

// What the handler does, callable directly (tests simulate Ctrl-C with it).
void RequestInterrupt();

// True once an interruption arrived (until ClearInterrupt).
bool Interrupted();
void ClearInterrupt();

} // namespace tarvelo::os
