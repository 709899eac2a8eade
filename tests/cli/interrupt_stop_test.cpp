// Ctrl+C as the console's Stop: the run flag is cleared and the interrupt is remembered.
#include "cli/interrupt_stop.h"

#include <gtest/gtest.h>

#include <csignal>

namespace xr::cli {
namespace {

TEST(InterruptStop, ClearsTheRunFlagAndRemembersTheInterrupt) {
  std::atomic<int> flag{1};
  StopOnInterrupt(&flag);
  EXPECT_FALSE(WasInterrupted());
  std::raise(SIGINT);
  EXPECT_EQ(flag.load(), 0);
  EXPECT_TRUE(WasInterrupted());
  StopOnInterrupt(&flag);
  EXPECT_FALSE(WasInterrupted()) << "routing to a flag again starts afresh";
  StopOnInterrupt(nullptr);
}

}  // namespace
}  // namespace xr::cli
