// libFuzzer target: any bytes as a damaged workbook, scanned and extracted like a repair run does.
// Beyond the sanitizers' checks it fails when anything is left outside the file folder: a file
// beside it in the workspace or the sandbox, or a temporary "OPC" file not deleted.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "engine/entry_extractor.h"
#include "engine/job_window.h"
#include "engine/salvage_scanner.h"
#include "platform/folder.h"
#include "platform/temp.h"
#include "platform/text.h"

namespace {

using namespace xr;

// A window that answers everything and shows nothing.
class QuietWindow : public engine::JobWindow {
 public:
  int SourceCount() override { return 1; }
  std::string SourcePath(int) override { return {}; }
  void MarkSource(int, engine::StatusIcon, int) override {}
  bool IsSourceRepaired(int) override { return false; }
  void ClearRepairedMark(int) override {}
  void AppendLog(const std::string&, engine::Colour) override {}
  void SetLogText(const std::string&) override {}
  void SetInstructions(const std::string&, const std::vector<engine::BoldRange>&) override {}
  void ShowProgressArea(bool) override {}
  void ShowTotalProgressOnly() override {}
  void ResetProgress(engine::ProgressBar, std::uint32_t) override {}
  void SetProgress(engine::ProgressBar, std::uint32_t) override {}
  void ShowPreviewNotice(engine::PreviewNotice) override {}
  void ShowPreviewImage(const std::filesystem::path&) override {}
  void SetCommandStates(const engine::CommandStates&) override {}
  std::string DestinationText() override { return {}; }
  bool IsExtractMediaChecked() override { return false; }
  int ShowMessage(const std::string&, unsigned, bool) override { return engine::kAnswerOk; }
  std::atomic<int>& RunFlag() override { return runFlag_; }

 private:
  std::atomic<int> runFlag_{1};
};

// sandbox/source.xlsx, sandbox/ws/Book.xlsx0 (the file folder) and sandbox/tmp, which is made
// the process's temporary folder so the "OPC" files land where they can be counted.
struct Sandbox {
  platform::Path root, source, workspace, folder, temp;
};

// Made once and never destroyed, so the exit handler that removes it can still read its paths.
const Sandbox& TheSandbox() {
  static const Sandbox* box = [] {
    auto* b = new Sandbox;
    std::random_device seed;
    b->root = platform::TempFolder() / ("xr-fuzz-" + std::to_string(seed()));
    b->source = b->root / "source.xlsx";
    b->workspace = b->root / "ws";
    b->folder = b->workspace / "Book.xlsx0";
    b->temp = b->root / "tmp";
    for (const auto& folder : {b->root, b->workspace, b->temp}) platform::MakeFolder(folder);
    setenv("TMPDIR", b->temp.c_str(), 1);
    return b;
  }();
  static const bool cleanUpAtExit = std::atexit([] {
                                      platform::DeleteTree(box->root);
                                      platform::RemoveFolder(box->root);
                                    }) == 0;
  (void)cleanUpAtExit;
  return *box;
}

void RequireOnly(const platform::Path& folder, const std::vector<std::string>& allowed) {
  for (const auto& item : platform::ListFolder(folder)) {
    const std::string name = platform::Utf8FromPath(item.name);
    if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
      std::fprintf(stderr, "written outside the file folder: %s in %s\n", name.c_str(),
                   folder.c_str());
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Sandbox& box = TheSandbox();
  {
    platform::File file = platform::File::Create(box.source);
    if (!file || (size > 0 && !file.Write(data, size))) std::abort();
  }
  const std::string source = platform::Utf8FromPath(box.source);
  QuietWindow window;
  engine::SalvagedEntryList entries;
  if (!engine::ScanSource(source, window, entries)) std::abort();
  platform::MakeFolder(box.folder);
  engine::ExtractEntries(box.folder, source, entries, window);

  RequireOnly(box.root, {"source.xlsx", "ws", "tmp"});
  RequireOnly(box.workspace, {"Book.xlsx0"});
  RequireOnly(box.temp, {});
  platform::DeleteTree(box.folder);
  return 0;
}
