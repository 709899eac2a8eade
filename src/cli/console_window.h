// JobWindow on a console: the source list is the command line's files, the activity log goes to
// standard output, message boxes to standard error, and the two progress bars become a block of
// lines on standard error when it is a terminal. The destination box and the "Extract Media.."
// check box are the --out and --media options. The instruction pane, preview and commands have
// no console form and are ignored.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "cli/console.h"
#include "cli/console_progress.h"
#include "engine/job_window.h"

namespace xr::cli {

class ConsoleJobWindow : public engine::JobWindow {
 public:
  ConsoleJobWindow(Console& console, std::vector<std::string> sourcePaths);
  ~ConsoleJobWindow() override;

  // What a save run reads from the window: the destination as the user typed it, and whether
  // pictures are copied out.
  void SetSaveChoices(std::string destination, bool extractMedia);

  // Writes a line that is not part of the log (a listing line, a closing note) the same way.
  void WriteOut(const std::string& text);
  // Writes a message on standard error, as a message box's text would be.
  void WriteMessage(const std::string& text);

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
  std::string DestinationText() override { return destination_; }
  bool IsExtractMediaChecked() override { return extractMedia_; }

  // Prints the text on standard error; a Yes/No question is answered No, since nobody is asked.
  // The save run's closing message is printed as its box shows it: the link as its plain text on
  // a line of its own.
  int ShowMessage(const std::string& text, unsigned flags, bool owned) override;

  std::atomic<int>& RunFlag() override { return runFlag_; }

 private:
  struct Row {
    std::string path;
    int icon = engine::kIconListed;
    int mark = 0;
  };

  Console& console_;
  std::vector<Row> rows_;
  std::atomic<int> runFlag_{0};
  std::string destination_;
  bool extractMedia_ = false;
  std::unique_ptr<ConsoleProgress> progress_;  // only when standard error is a terminal
};

}  // namespace xr::cli
