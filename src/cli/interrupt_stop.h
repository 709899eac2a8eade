// Ctrl+C as the console's Stop button: the first interrupt clears the run flag, so the job ends
// after the current file like a confirmed Stop; a second one ends the program at once.
#pragma once

#include <atomic>

namespace xr::cli {

// Routes interrupts to `runFlag`; nullptr restores the default handling. Routing to a flag also
// forgets an earlier interrupt.
void StopOnInterrupt(std::atomic<int>* runFlag);

// Whether an interrupt arrived since the flag was last routed. The run flag alone cannot tell: a
// job clears it itself when it ends, and a stop during the last file leaves no other trace.
bool WasInterrupted();

}  // namespace xr::cli
