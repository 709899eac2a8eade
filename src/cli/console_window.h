// JobWindow on a console: the source list is the command line's files, the activity log goes to
// standard output, message boxes to standard error, and the two progress bars become one line on
// standard error when it is a terminal. The instruction pane, preview and commands have no
// console form and are ignored.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "cli/console.h"
#include "engine/job_window.h"

namespace xr::cli {

class ConsoleJobWindow : public engine::JobWindow {
 public:
  ConsoleJobWindow(Console& console, std::vector<std::string> sourcePaths);
  ~ConsoleJobWindow() override;

  // Writes a line that is not part of the log (a listing line, a closing note) the same way.
  void WriteOut(const std::string& text);

  int SourceCount() override;
  std::string SourcePath(int index) override;
  void MarkSource(int index, engine::StatusIcon icon, int repairedMark) override;
  bool IsSourceRepaired(int index) override;
  void ClearRepairedMark(int index) override;

  void AppendLog(const std::string& text, engine::Colour colour) override;
  void SetLogText(const std::string& text) override;
  void SetInstructions(const std::string& text,
                       const std::vector<engine::BoldRange>& bold) override;

  void ShowProgressArea(bool show) override;
  void ShowTotalProgressOnly() override;
  void ResetProgress(engine::ProgressBar bar, std::uint32_t upperBound) override;
  void SetProgress(engine::ProgressBar bar, std::uint32_t position) override;

  void ShowPreviewNotice(engine::PreviewNotice notice) override;
  void ShowPreviewImage(const std::filesystem::path& picture) override;

  void SetCommandStates(const engine::CommandStates& changes) override;
  std::string DestinationText() override;
  bool IsExtractMediaChecked() override;

  // Prints the text on standard error; a Yes/No question is answered No, since nobody is asked.
  int ShowMessage(const std::string& text, unsigned flags, bool owned) override;

  std::atomic<int>& RunFlag() override { return runFlag_; }

 private:
  struct Row {
    std::string path;
    int icon = engine::kIconListed;
    int mark = 0;
  };
  struct Bar {
    std::uint32_t bound = 0, position = 0;
  };

  void DrawProgress();
  void ClearProgress();

  Console& console_;
  std::vector<Row> rows_;
  std::atomic<int> runFlag_{0};
  Bar file_, total_;
  bool progressShown_ = false;
  std::string progressLine_;  // what the terminal shows now, empty when nothing
};

}  // namespace xr::cli
