// The progress block on a terminal: the window bar's text and estimate rule with a held clock,
// which bars are shown in each run, and that the terminal is written only when the block changes
// and is always taken off again.
#include "cli/console_progress.h"

#include <gtest/gtest.h>

#include <sstream>


namespace xr::cli {
namespace {

using engine::ProgressBar;

class ConsoleProgressTest : public ::testing::Test {
 protected:
  std::ostringstream terminal_;
  std::int64_t now_ = 36005;  // 10:00:05 on the first day
  ConsoleProgress progress_{terminal_, LineEnd::Lf, [this] { return now_; },
                            [](std::int64_t t) {
                              char text[16];
                              std::snprintf(text, sizeof text, "%02d:%02d:%02d",
                                            static_cast<int>(t / 3600 % 24),
                                            static_cast<int>(t / 60 % 60),
                                            static_cast<int>(t % 60));
                              return std::string(text);
                            }};

  std::string Written() {
    std::string text = terminal_.str();
    terminal_.str("");
    return text;
  }
};

TEST_F(ConsoleProgressTest, FollowsTheWindowBarsEstimate) {
  progress_.Show(false, true);
  struct Step {
    const char* what;
    std::uint32_t bound;  // 0: no reset, the position is set on the running measurement
    std::uint32_t position;
    std::int64_t at;
    std::string text;
  };
  const Step steps[] = {
      {"after a reset, position 0", 4, 0, 36005, ""},
      {"the first progress fixes the start", 0, 1, 36005,
       "25.00% complete. Estimated completion: 10:00:05"},
      {"30 s for a quarter more", 0, 2, 36035, "50.00% complete. Estimated completion: 10:01:05"},
      {"standing still moves the end later", 0, 2, 36045,
       "50.00% complete. Estimated completion: 10:01:25"},
      {"the end is the moment of the last step", 0, 4, 36065,
       "100.00% complete. Estimated completion: 10:01:05"},
      {"a reset measures anew", 3, 0, 36100, ""},
      {"a third", 0, 1, 36200, "33.33% complete. Estimated completion: 10:03:20"},
      {"an empty range shows nothing", 0xFFFFFFFF, 0, 36300, ""},
  };
  for (const Step& step : steps) {
    now_ = step.at;
    if (step.bound == 0xFFFFFFFF) {
      progress_.Reset(ProgressBar::Total, 0);
    } else if (step.bound != 0) {
      progress_.Reset(ProgressBar::Total, step.bound);
    } else {
      progress_.Set(ProgressBar::Total, step.position);
    }
    EXPECT_EQ(progress_.Text(ProgressBar::Total), step.text) << step.what;
  }
}

TEST_F(ConsoleProgressTest, DrawsTheShownBarsInPlaceAndOnlyWhenTheyChange) {
  progress_.Show(true, true);
  EXPECT_EQ(Written(), "\r\x1b[2KFile progress:\n\x1b[2KTotal files progress:\n\x1b[J");

  progress_.Reset(ProgressBar::File, 2);
  EXPECT_EQ(Written(), "") << "the same block is not written again";

  progress_.Set(ProgressBar::File, 1);
  EXPECT_EQ(Written(),
            "\r\x1b[2A\x1b[2KFile progress:        50.00% complete. Estimated completion: "
            "10:00:05\n\x1b[2KTotal files progress:\n\x1b[J");

  progress_.Show(false, true);  // the save run shows the total bar alone
  EXPECT_EQ(Written(), "\r\x1b[2A\x1b[2KTotal files progress:\n\x1b[J");

  progress_.Clear();
  EXPECT_EQ(Written(), "\r\x1b[1A\x1b[J");
  progress_.Draw();
  EXPECT_EQ(Written(), "\r\x1b[2KTotal files progress:\n\x1b[J");

  progress_.Show(false, false);
  EXPECT_EQ(Written(), "\r\x1b[1A\x1b[J");
  progress_.Set(ProgressBar::Total, 1);
  EXPECT_EQ(Written(), "") << "hidden bars draw nothing";
}

TEST_F(ConsoleProgressTest, HiddenBarsKeepNoEstimateWhileHidden) {
  progress_.Reset(ProgressBar::File, 4);
  progress_.Set(ProgressBar::File, 1);
  EXPECT_EQ(progress_.Text(ProgressBar::File), "") << "a bar that is not shown is not painted";
  now_ += 60;
  progress_.Show(true, false);
  EXPECT_EQ(progress_.Text(ProgressBar::File), "25.00% complete. Estimated completion: 10:01:05");
}

}  // namespace
}  // namespace xr::cli
