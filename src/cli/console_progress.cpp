// The progress block on a terminal.
#include "cli/console_progress.h"

#include <algorithm>
#include <utility>

#include "cli/time_of_day.h"

namespace xr::cli {
namespace {

// Both labels padded to the longer one, so the two texts start in the same column.
constexpr const char* kFileLabel = "File progress:        ";
constexpr const char* kTotalLabel = "Total files progress: ";

// Moves the cursor up `lines` lines to the first column.
std::string Up(std::size_t lines) {
  return lines == 0 ? std::string("\r") : "\r\x1b[" + std::to_string(lines) + "A";
}
constexpr const char* kEraseLine = "\x1b[2K";
constexpr const char* kEraseBelow = "\x1b[J";

}  // namespace

double ConsoleProgress::Bar::Fraction() const {
  // An empty range counts as no progress, as on the window's bar; its quotient is undefined.
  if (bound == 0) return 0.0;
  return std::clamp(static_cast<double>(position) / bound, 0.0, 1.0);
}

ConsoleProgress::ConsoleProgress(std::ostream& terminal, LineEnd lineEnd, engine::WallClock clock,
                                 TimeOfDay timeOfDay)
    : terminal_(terminal),
      lineEnd_(lineEnd == LineEnd::CrLf ? "\r\n" : "\n"),
      timeOfDay_(timeOfDay ? std::move(timeOfDay) : TimeOfDay(LocalTimeOfDay)),
      file_(clock),
      total_(clock) {}

void ConsoleProgress::Show(bool file, bool total) {
  file_.shown = file;
  total_.shown = total;
  if (!file && !total) {
    Clear();
  } else {
    Draw();
  }
}

void ConsoleProgress::Reset(engine::ProgressBar bar, std::uint32_t upperBound) {
  Bar& b = Of(bar);
  b.estimate.Reset();
  b.bound = upperBound;
  b.position = 0;
  Draw();
}

void ConsoleProgress::Set(engine::ProgressBar bar, std::uint32_t position) {
  Of(bar).position = position;
  Draw();
}

std::string ConsoleProgress::Text(engine::ProgressBar bar) const {
  const engine::CompletionEstimate& estimate = Of(bar).estimate;
  if (!estimate.HasEstimate()) return {};
  return engine::ProgressText(estimate.Fraction(), timeOfDay_(estimate.EstimatedCompletion()));
}

void ConsoleProgress::Clear() {
  if (drawn_.empty()) return;
  terminal_ << Up(drawn_.size()) << kEraseBelow << std::flush;
  drawn_.clear();
}

void ConsoleProgress::Draw() {
  std::vector<std::string> lines;
  for (engine::ProgressBar bar : {engine::ProgressBar::File, engine::ProgressBar::Total}) {
    Bar& b = Of(bar);
    if (!b.shown) continue;
    b.estimate.Update(b.Fraction());
    std::string line = bar == engine::ProgressBar::File ? kFileLabel : kTotalLabel;
    line += Text(bar);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    lines.push_back(std::move(line));
  }
  if (lines == drawn_) return;  // the terminal shows this already
  std::string out = Up(drawn_.size());
  for (const std::string& line : lines) out += kEraseLine + line + lineEnd_;
  out += kEraseBelow;
  terminal_ << out << std::flush;
  drawn_ = std::move(lines);
}

}  // namespace xr::cli
