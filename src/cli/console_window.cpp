// The console JobWindow.
#include "cli/console_window.h"

namespace xr::cli {
namespace {

int Percent(std::uint32_t position, std::uint32_t bound) {
  if (bound == 0) return 0;
  return static_cast<int>(std::uint64_t{position} * 100 / bound);
}

}  // namespace

ConsoleJobWindow::ConsoleJobWindow(Console& console, std::vector<std::string> sourcePaths)
    : console_(console) {
  for (auto& path : sourcePaths) rows_.push_back({std::move(path)});
}

ConsoleJobWindow::~ConsoleJobWindow() { ClearProgress(); }

void ConsoleJobWindow::WriteOut(const std::string& text) {
  ClearProgress();
  console_.out << WithLineEnds(text, console_.lineEnd) << std::flush;
}

int ConsoleJobWindow::SourceCount() { return static_cast<int>(rows_.size()); }

std::string ConsoleJobWindow::SourcePath(int index) {
  return rows_.at(static_cast<std::size_t>(index)).path;
}

void ConsoleJobWindow::MarkSource(int index, engine::StatusIcon icon, int repairedMark) {
  Row& row = rows_.at(static_cast<std::size_t>(index));
  row.icon = icon;
  row.mark = repairedMark;
}

bool ConsoleJobWindow::IsSourceRepaired(int index) {
  return rows_.at(static_cast<std::size_t>(index)).mark == 1;
}

void ConsoleJobWindow::ClearRepairedMark(int index) {
  rows_.at(static_cast<std::size_t>(index)).mark = 0;
}

void ConsoleJobWindow::AppendLog(const std::string& text, engine::Colour) { WriteOut(text); }

// The console cannot take back what it printed; a new log text is simply written after it.
void ConsoleJobWindow::SetLogText(const std::string& text) {
  if (!text.empty()) WriteOut(text);
}

void ConsoleJobWindow::SetInstructions(const std::string&, const std::vector<engine::BoldRange>&) {}

void ConsoleJobWindow::ShowProgressArea(bool show) {
  progressShown_ = show;
  if (!show) ClearProgress();
}

void ConsoleJobWindow::ShowTotalProgressOnly() { progressShown_ = true; }

void ConsoleJobWindow::ResetProgress(engine::ProgressBar bar, std::uint32_t upperBound) {
  Bar& b = bar == engine::ProgressBar::File ? file_ : total_;
  b = {upperBound, 0};
  DrawProgress();
}

void ConsoleJobWindow::SetProgress(engine::ProgressBar bar, std::uint32_t position) {
  (bar == engine::ProgressBar::File ? file_ : total_).position = position;
  DrawProgress();
}

void ConsoleJobWindow::ShowPreviewNotice(engine::PreviewNotice) {}
void ConsoleJobWindow::ShowPreviewImage(const std::filesystem::path&) {}
void ConsoleJobWindow::SetCommandStates(const engine::CommandStates&) {}
std::string ConsoleJobWindow::DestinationText() { return {}; }
bool ConsoleJobWindow::IsExtractMediaChecked() { return false; }

int ConsoleJobWindow::ShowMessage(const std::string& text, unsigned flags, bool) {
  ClearProgress();
  std::string line = WithLineEnds(text, console_.lineEnd);
  const std::string end = console_.lineEnd == LineEnd::CrLf ? "\r\n" : "\n";
  if (line.size() < end.size() || line.compare(line.size() - end.size(), end.size(), end) != 0) {
    line += end;
  }
  console_.err << "xlsx-repair: " << line << std::flush;
  return flags == engine::kMessageYesNo ? engine::kAnswerNo : engine::kAnswerOk;
}

void ConsoleJobWindow::DrawProgress() {
  if (!console_.progress || !progressShown_) return;
  const std::string line =
      "File progress: " + std::to_string(Percent(file_.position, file_.bound)) +
      "%  Total files progress: " + std::to_string(Percent(total_.position, total_.bound)) + "%";
  if (line == progressLine_) return;  // redraw only what changed
  console_.err << '\r' << line << std::flush;
  progressLine_ = line;
}

void ConsoleJobWindow::ClearProgress() {
  if (progressLine_.empty()) return;
  console_.err << '\r' << std::string(progressLine_.size(), ' ') << '\r' << std::flush;
  progressLine_.clear();
}

}  // namespace xr::cli
