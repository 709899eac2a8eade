// Ctrl+C as the console's Stop button: the first interrupt clears the run flag, so the job ends
// after the current file like a confirmed Stop; a second one ends the program at once.
#pragma once

#include <atomic>

namespace xr::cli {

// Routes interrupts to `runFlag`; nullptr restores the default handling.
void StopOnInterrupt(std::atomic<int>* runFlag);

}  // namespace xr::cli
