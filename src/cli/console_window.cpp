// The console JobWindow.
#include "cli/console_window.h"

#include "save/completion_message.h"

namespace xr::cli {

ConsoleJobWindow::ConsoleJobWindow(Console& console, std::vector<std::string> sourcePaths)
    : console_(console) {
  for (auto& path : sourcePaths) rows_.push_back({std::move(path)});
  if (console_.progress) {
    progress_ = std::make_unique<ConsoleProgress>(console_.err, console_.lineEnd);
  }
}

ConsoleJobWindow::~ConsoleJobWindow() {
  if (progress_) progress_->Clear();
}

void ConsoleJobWindow::SetSaveChoices(std::string destination, bool extractMedia) {
  destination_ = std::move(destination);
  extractMedia_ = extractMedia;
}

// The progress block stays below everything else: it makes room for the text and comes back
// after it.
void ConsoleJobWindow::WriteOut(const std::string& text) {
  if (progress_) progress_->Clear();
  console_.out << WithLineEnds(text, console_.lineEnd) << std::flush;
  if (progress_) progress_->Draw();
}

void ConsoleJobWindow::WriteMessage(const std::string& text) {
  if (progress_) progress_->Clear();
  std::string line = WithLineEnds(text, console_.lineEnd);
  const std::string end = console_.lineEnd == LineEnd::CrLf ? "\r\n" : "\n";
  if (line.size() < end.size() || line.compare(line.size() - end.size(), end.size(), end) != 0) {
    line += end;
  }
  console_.err << "xlsx-repair: " << line << std::flush;
  if (progress_) progress_->Draw();
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
  if (progress_) progress_->Show(show, show);
}

void ConsoleJobWindow::ShowTotalProgressOnly() {
  if (progress_) progress_->Show(false, true);
}

void ConsoleJobWindow::ResetProgress(engine::ProgressBar bar, std::uint32_t upperBound) {
  if (progress_) progress_->Reset(bar, upperBound);
}

void ConsoleJobWindow::SetProgress(engine::ProgressBar bar, std::uint32_t position) {
  if (progress_) progress_->Set(bar, position);
}

void ConsoleJobWindow::ShowPreviewNotice(engine::PreviewNotice) {}
void ConsoleJobWindow::ShowPreviewImage(const std::filesystem::path&) {}
void ConsoleJobWindow::SetCommandStates(const engine::CommandStates&) {}

int ConsoleJobWindow::ShowMessage(const std::string& text, unsigned flags, bool) {
  if (!destination_.empty() && text == save::CompletionMessage(destination_)) {
    WriteMessage("File(s) saving process has been completed.Saved file(s) location is:\n" +
                 destination_);
  } else {
    WriteMessage(text);
  }
  return flags == engine::kMessageYesNo ? engine::kAnswerNo : engine::kAnswerOk;
}

}  // namespace xr::cli
