// The window's two progress bars on a terminal: a block of one line per shown bar, its label and
// the bar's text ("%.2f%% complete. Estimated completion: %s"), redrawn in place with VT escape
// sequences. Each bar keeps its own completion estimate under the window bar's rule: restarted by
// a reset, updated at every drawing, so the expected end moves later while a bar stands still.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/console.h"
#include "engine/completion_estimate.h"
#include "engine/job_window.h"

namespace xr::cli {

class ConsoleProgress {
 public:
  using TimeOfDay = std::function<std::string(std::int64_t seconds)>;

  ConsoleProgress(std::ostream& terminal, LineEnd lineEnd,
                  engine::WallClock clock = engine::SystemWallClock, TimeOfDay timeOfDay = {});

  // Which bars are shown; hiding both takes the block off the terminal.
  void Show(bool file, bool total);
  void Reset(engine::ProgressBar bar, std::uint32_t upperBound);
  void Set(engine::ProgressBar bar, std::uint32_t position);

  // Takes the block off the terminal, leaving the cursor where its first line was, so that other
  // text can be written there; Draw puts it back below that text.
  void Clear();
  // Updates both shown estimates and writes the block when its text changed.
  void Draw();

  // The text of one bar as it would be drawn now (without updating its estimate).
  std::string Text(engine::ProgressBar bar) const;

 private:
  struct Bar {
    explicit Bar(const engine::WallClock& clock) : estimate(clock) {}
    std::uint32_t bound = 0, position = 0;
    bool shown = false;
    engine::CompletionEstimate estimate;
    double Fraction() const;
  };

  Bar& Of(engine::ProgressBar bar) { return bar == engine::ProgressBar::File ? file_ : total_; }
  const Bar& Of(engine::ProgressBar bar) const {
    return bar == engine::ProgressBar::File ? file_ : total_;
  }

  std::ostream& terminal_;
  std::string lineEnd_;
  TimeOfDay timeOfDay_;
  Bar file_, total_;
  std::vector<std::string> drawn_;  // the lines on the terminal now
};

}  // namespace xr::cli
