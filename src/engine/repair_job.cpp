// The repair job and its start.
#include "engine/repair_job.h"

#include "engine/entry_extractor.h"
#include "engine/log_lines.h"
#include "engine/salvage_scanner.h"
#include "engine/scaled_progress.h"
#include "platform/folder.h"

namespace xr::engine {
namespace {

// The instruction pane's texts; the bold ranges count UTF-16 units, a line feed as one.
constexpr const char* kRepairingInstructions = "Please wait while .xlsx file(s) are Repairing....";
const std::vector<BoldRange> kRepairingBold = {{19, 30}};
constexpr const char* kDoneInstructions =
    "Click item in the list to see the preview in right side.\n"
    "Click Browse folder to select destination path.\n"
    "Click Save.... to save .xlsx file(s)";
const std::vector<BoldRange> kDoneBold = {{6, 22}, {62, 76}, {110, 118}, {127, 133}};

void Record(const JobContext& context, int index, FileOutcome outcome) {
  if (context.outcomes) (*context.outcomes)[static_cast<std::size_t>(index)] = outcome;
}

// The rows from `first` on were not reached before the stop request.
void MarkStopped(const JobContext& context, int first, int count) {
  JobWindow& window = *context.window;
  for (int j = first; j < count; ++j) {
    const std::string path = window.SourcePath(j);
    window.MarkSource(j, kIconStopped, 0);
    window.AppendLog(LogStoppedBeforeFile(path), kBlack);
    window.AppendLog(LogNotRepaired(path), kRed);
    window.AppendLog(LogStarLine(), kBlack);
    Record(context, j, FileOutcome::Stopped);
  }
}

void RepairFile(const JobContext& context, int index, const std::string& path,
                SalvagedEntryList& entries) {
  JobWindow& window = *context.window;
  if (!ScanSource(path, window, entries)) {
    window.AppendLog(LogCannotOpen(path), kBlack);  // the row keeps its listed state
    Record(context, index, FileOutcome::CannotOpen);
    return;
  }
  // A folder that cannot be made shows up as entries that cannot be written.
  const platform::Path folder = context.workspace.FileFolder(path, index);
  platform::MakeFolder(folder);
  if (ExtractEntries(folder, path, entries, window)) {
    window.AppendLog(LogPreviewAvailable(path), kBlack);
    window.AppendLog(LogRepaired(path), kGreen);
    window.AppendLog(LogStarLine(), kBlack);
    Record(context, index, FileOutcome::Repaired);
  } else {
    window.AppendLog(LogNothingSalvaged(path), kBlack);
    Record(context, index, FileOutcome::NothingSalvaged);
  }
  // Processed whether or not anything was salvaged; the row's text stays the plain path.
  window.MarkSource(index, kIconProcessed, 1);
}

}  // namespace

void StartRepair(JobWindow& window, const RepairWorkspace& workspace,
                 const std::function<void(const JobContext&)>& startWorker, WorkspaceStart start,
                 std::vector<FileOutcome>* outcomes) {
  if (start == WorkspaceStart::Clear && platform::IsFolder(workspace.Root())) {
    window.ShowPreviewNotice(kNoticeNone);  // the preview must not hold a workspace file open
    workspace.Clear();
  }
  window.SetInstructions(kRepairingInstructions, kRepairingBold);
  CommandStates repairing;
  repairing.canRepair = false;
  repairing.repairEnabled = false;
  repairing.removeEnabled = false;
  repairing.stopEnabled = true;
  repairing.stopVisible = true;
  repairing.selectEnabled = false;
  repairing.canSelect = false;
  window.SetCommandStates(repairing);
  window.SetRunFlag(1);
  const JobContext context{&window, workspace, outcomes};
  window.ShowPreviewNotice(kNoticeRepairing);
  window.SetLogText("");
  window.SetProgress(ProgressBar::File, 0);
  window.SetProgress(ProgressBar::Total, 0);
  startWorker(context);
}

int RepairJob(const JobContext& context) {
  JobWindow& window = *context.window;
  const int count = window.SourceCount();  // rows added during the run are not processed
  if (context.outcomes)
    context.outcomes->assign(static_cast<std::size_t>(count), FileOutcome::NotReached);
  platform::MakeFolder(context.workspace.Root());  // an existing root is fine
  window.ShowProgressArea(true);
  ScaledProgress total(window, ProgressBar::Total);
  total.Reset(static_cast<std::uint64_t>(count));

  SalvagedEntryList entries;
  for (int i = 0; i < count; ++i) {
    const std::string path = window.SourcePath(i);
    entries.clear();
    if (!window.IsRunFlagSet()) {
      MarkStopped(context, i, count);
      break;
    }
    RepairFile(context, i, path, entries);
    total.Set(static_cast<std::uint64_t>(i) + 1);
  }
  entries = SalvagedEntryList();  // release the last file's records before the completion

  total.Set(static_cast<std::uint64_t>(count));
  window.ShowPreviewNotice(kNoticeSelectFiles);
  window.AppendLog(LogRunCompleted(), kBlack);
  window.AppendLog(LogUnderscoreLine(), kBlack);
  CommandStates idle;
  idle.selectEnabled = true;
  idle.canSelect = true;
  idle.stopVisible = false;
  idle.saveControlsEnabled = true;
  idle.canSave = true;
  idle.repairEnabled = true;
  idle.canRepair = true;
  idle.removeEnabled = true;
  window.SetCommandStates(idle);
  window.SetInstructions(kDoneInstructions, kDoneBold);
  window.SetRunFlag(0);
  window.ShowProgressArea(false);
  return 1;
}

}  // namespace xr::engine
