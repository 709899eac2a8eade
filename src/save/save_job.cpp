// The save worker: set-up, one pass over the source list, the stop loop and the completion.
#include "save/save_job.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/folder.h"
#include "platform/text.h"
#include "save/completion_message.h"
#include "save/media_extraction.h"
#include "save/save_paths.h"
#include "save/saved_names.h"

namespace xr::save {
namespace {

using engine::Colour;
using engine::CommandStates;
using engine::JobWindow;
using engine::ProgressBar;

const std::string kStarLine = std::string(85, '*') + "\r\n";
const std::string kUnderscoreLine = std::string(64, '_') + "\r\n\r\n";

enum class FileOutcome { Saved, Failed };

// Saves the package of one repaired source. `name` is the file name it is saved under: the
// source's own, or a numbered one when an earlier file of this run already took that name; the
// log lines that announce a written file name it only in the numbered case, so files without a
// namesake keep the usual lines word for word.
FileOutcome SaveOne(JobWindow& window, const Packer& pack, const std::string& path,
                    const std::filesystem::path& sourceFolder, const std::string& joined,
                    const std::string& name, bool renamed) {
  window.AppendLog(path + " saving of file starts....\r\n", engine::kBlack);

  // A missing package would pack into an empty archive that looks saved.
  if (!platform::IsFolder(sourceFolder)) {
    window.AppendLog(path + " saving of file failed....\r\n", engine::kRed);
    return FileOutcome::Failed;
  }

  const std::string archiveName = ArchiveName(name);
  const zip::PackResult packed = pack(sourceFolder, platform::PathFromUtf8(joined + archiveName));
  const bool archiveWhole = packed.archiveCreated && packed.allFilesAdded;
  bool mediaWhole = true;

  if (window.IsExtractMediaChecked()) {
    const std::string mediaName = MediaFolderName(name);
    const std::filesystem::path media = platform::PathFromUtf8(joined + mediaName);
    const auto made = platform::MakeFolder(media);
    if (made == platform::MakeFolderResult::Failed || !platform::IsFolder(media)) {
      window.AppendLog(path + " media folder cannot be created....\r\n", engine::kRed);
      mediaWhole = false;
    } else {
      const PictureCopy copy = CopyPictures(sourceFolder, media);
      if (!copy.Complete()) {
        window.AppendLog(path + " Media extraction failed....\r\n", engine::kRed);
        mediaWhole = false;
      } else if (platform::RemoveFolder(media)) {
        // Only an empty folder goes: this package had no picture and nothing was there before.
        window.AppendLog(path + " no media content is present in the file....\r\n", engine::kBlack);
      } else if (renamed) {
        window.AppendLog(path + " Media extraction is done into " + mediaName + "....\r\n",
                         engine::kBlack);
      } else {
        window.AppendLog(path + " Media extraction is done....\r\n", engine::kBlack);
      }
    }
  }

  if (!archiveWhole) {
    window.AppendLog(path + " saving of file failed....\r\n", engine::kRed);
  } else if (renamed) {
    window.AppendLog(path + " saving of file done as " + archiveName + "....\r\n", engine::kGreen);
  } else {
    window.AppendLog(path + " saving of file done....\r\n", engine::kGreen);
  }
  return archiveWhole && mediaWhole ? FileOutcome::Saved : FileOutcome::Failed;
}

void StartOfRun(JobWindow& window) {
  window.SetRunFlag(1);
  window.SetProgress(ProgressBar::File, 0);
  window.SetProgress(ProgressBar::Total, 0);

  CommandStates saveOff;
  saveOff.saveControlsEnabled = false;
  saveOff.canSave = false;
  window.SetCommandStates(saveOff);
  window.SetLogText("");
  CommandStates othersOff;
  othersOff.canSelect = false;
  othersOff.canRepair = false;
  othersOff.selectEnabled = false;
  othersOff.repairEnabled = false;
  othersOff.removeEnabled = false;
  window.SetCommandStates(othersOff);

  window.SetInstructions("Please wait while .xlsx file(s) are saving....", {{19, 30}});

  CommandStates stopOn;
  stopOn.stopEnabled = true;
  stopOn.stopVisible = true;
  window.SetCommandStates(stopOn);
}

void EndOfRun(JobWindow& window, std::uint32_t count, const std::string& destination) {
  window.SetProgress(ProgressBar::Total, count);
  window.AppendLog("Saving processing completed....\r\n", engine::kBlack);
  window.AppendLog(kUnderscoreLine, engine::kBlack);
  window.SetInstructions(
      "Saving of .xlsx file(s) completed....\n Click exit to end the application or \nSelect new "
      ".xlsx file(s) to repair....",
      {{11, 22}});

  CommandStates stopOff;
  stopOff.stopVisible = false;
  window.SetCommandStates(stopOff);

  CommandStates allOn;
  allOn.saveControlsEnabled = true;
  allOn.canSave = true;
  allOn.canSelect = true;
  allOn.canRepair = true;
  allOn.selectEnabled = true;
  allOn.repairEnabled = true;
  allOn.removeEnabled = true;
  window.SetCommandStates(allOn);

  window.ShowProgressArea(false);
  window.SetRunFlag(0);
  window.ShowMessage(CompletionMessage(destination), engine::kMessageOk, true);
}

}  // namespace

int SaveJob::Run(JobWindow& window, const engine::RepairWorkspace& workspace, SaveReport* report,
                 const Packer& pack) {
  SaveReport local;
  SaveReport& r = report ? *report : local;
  r = SaveReport{};

  const std::string destination = window.DestinationText();
  if (destination.empty() || !platform::IsFolder(platform::PathFromUtf8(destination))) {
    window.ShowMessage("Please select a valid folder path.", engine::kMessageOk, false);
    return 0;
  }
  r.destinationAccepted = true;

  StartOfRun(window);
  const std::string joined = JoinedDestination(destination);
  const int count = std::max(window.SourceCount(), 0);
  r.files = count;

  // Read once: the list cannot change while the run holds the commands that change it, and the
  // distinct names need every listed name before the first file is saved.
  std::vector<std::string> paths;
  std::vector<std::string> names;
  paths.reserve(count);
  names.reserve(count);
  for (int i = 0; i < count; ++i) {
    paths.push_back(window.SourcePath(i));
    names.emplace_back(FileNamePart(paths.back()));
  }
  SavedNames savedNames(names);

  window.ShowTotalProgressOnly();
  window.ResetProgress(ProgressBar::Total, static_cast<std::uint32_t>(count));

  for (int i = 0; i < count; ++i) {
    const std::string& path = paths[i];
    if (window.IsSourceRepaired(i)) {
      // The only place a stop takes effect: before a repaired file is packed. Files that are not
      // repaired are reported whatever the flag says.
      if (!window.IsRunFlagSet()) {
        for (int j = i; j < count; ++j) {
          window.AppendLog(
              paths[j] + " file is not saving as process has been stop by the user.... \r\n",
              engine::kBlack);
          window.AppendLog(paths[j] + " not saved....\r\n", engine::kRed);
          window.AppendLog(kStarLine, engine::kBlack);
          window.ClearRepairedMark(j);
          ++r.stopped;
        }
        break;
      }
      const std::string name = savedNames.Claim(names[i]);
      const FileOutcome outcome = SaveOne(window, pack, path, workspace.FileFolder(path, i),
                                          joined, name, name != names[i]);
      ++(outcome == FileOutcome::Saved ? r.saved : r.failed);
    } else {
      window.AppendLog(path + " cannot be saved,as it is not Repaired.\r\n", engine::kRed);
      ++r.notRepaired;
    }
    window.AppendLog(kStarLine, engine::kBlack);
    window.SetProgress(ProgressBar::Total, static_cast<std::uint32_t>(i + 1));
  }

  EndOfRun(window, static_cast<std::uint32_t>(count), destination);
  return 1;
}

}  // namespace xr::save
