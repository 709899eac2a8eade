// What the repair and save workers may ask of the window. The Windows view carries out every call
// synchronously on the user-interface thread before it returns; the command line implements it on
// the console. A worker touches nothing of the window except through this interface.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace xr::engine {

struct Colour {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kGreen{0, 153, 0};
inline constexpr Colour kRed{255, 0, 0};

// A bold range [begin, end) of the instruction text, in UTF-16 units from 0.
struct BoldRange {
  int begin = 0, end = 0;
  friend bool operator==(const BoldRange&, const BoldRange&) = default;
};

enum class ProgressBar { File, Total };

// Status icon of a source list row (index in the list's image list).
enum StatusIcon : int { kIconStopped = 0, kIconProcessed = 1, kIconListed = 2 };

// Preview notices of the picture box.
enum PreviewNotice : int { kNoticeRepairing = 2, kNoticeSelectFiles = 3, kNoticeNone = 6 };

// Message box flags the application uses, and the buttons they return.
inline constexpr unsigned kMessageOk = 0x40;     // MB_OK | MB_ICONINFORMATION
inline constexpr unsigned kMessageYesNo = 0x24;  // MB_YESNO | MB_ICONQUESTION
inline constexpr int kAnswerOk = 1, kAnswerYes = 6, kAnswerNo = 7;

// Changes to the command states; a field left empty is not touched.
struct CommandStates {
  std::optional<bool> canSelect, canRepair, canSave;
  std::optional<bool> selectEnabled, repairEnabled, removeEnabled;
  std::optional<bool> stopEnabled, stopVisible;
  // EnableSaveControls: the browse button, "Save...", "Extract Media.." and the destination box.
  std::optional<bool> saveControlsEnabled;
};

class JobWindow {
 public:
  virtual ~JobWindow() = default;

  // Source file list.
  virtual int SourceCount() = 0;
  virtual std::string SourcePath(int index) = 0;  // UTF-8 full path, as listed
  virtual void MarkSource(int index, StatusIcon icon, int repairedMark) = 0;
  virtual bool IsSourceRepaired(int index) = 0;
  virtual void ClearRepairedMark(int index) = 0;

  // Activity log and instruction pane. Text is UTF-8 with "\r\n" line ends as the log shows them.
  virtual void AppendLog(const std::string& text, Colour colour) = 0;
  virtual void SetLogText(const std::string& text) = 0;
  virtual void SetInstructions(const std::string& text, const std::vector<BoldRange>& bold) = 0;

  // Progress area.
  virtual void ShowProgressArea(bool show) = 0;
  virtual void ShowTotalProgressOnly() = 0;
  virtual void ResetProgress(ProgressBar bar, std::uint32_t upperBound) = 0;
  virtual void SetProgress(ProgressBar bar, std::uint32_t position) = 0;

  // Preview pane.
  virtual void ShowPreviewNotice(PreviewNotice notice) = 0;
  virtual void ShowPreviewImage(const std::filesystem::path& picture) = 0;

  // Commands and the save run's inputs.
  virtual void SetCommandStates(const CommandStates& changes) = 0;
  virtual std::string DestinationText() = 0;  // empty while the box shows its prompt
  virtual bool IsExtractMediaChecked() = 0;

  // A modal message box (the application's message box on Windows, standard error on the
  // console); returns the button pressed. `owned` boxes belong to the workspace window.
  virtual int ShowMessage(const std::string& text, unsigned flags, bool owned) = 0;

  // The run flag of the main frame: 1 while a job runs, cleared to ask the worker to stop. Read
  // directly by the workers (the scanner looks at it for every window), so it is an atomic and
  // not a window call.
  virtual std::atomic<int>& RunFlag() = 0;
  bool IsRunFlagSet() { return RunFlag().load() != 0; }
  void SetRunFlag(int value) { RunFlag().store(value); }
};

}  // namespace xr::engine
