// Argument parsing and the forms of the command: repair into a workspace, repair and save into a
// folder, or list what the scan finds.
#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <system_error>

#include "cli/console_window.h"
#include "cli/interrupt_stop.h"
#include "cli/private_workspace.h"
#include "engine/repair_job.h"
#include "engine/salvage_scanner.h"
#include "save/save_job.h"
#include "platform/error.h"
#include "platform/folder.h"
#include "platform/text.h"

#ifndef XR_VERSION
#define XR_VERSION "0.0.0"
#endif

namespace xr::cli {
namespace {

constexpr const char* kUsage =
    "Usage: xlsx-repair [--workspace DIR] FILE...\n"
    "       xlsx-repair [--workspace DIR] --out DIR [--media] FILE...\n"
    "       xlsx-repair --list FILE...\n"
    "Run 'xlsx-repair --help' for more.\n";

struct Arguments {
  std::vector<std::string> files;
  std::string workspace;
  std::string out;
  bool save = false;  // --out was given, even with an empty text
  bool media = false;
  bool list = false;
};

// The log names every file by its full path, as the window's list does.
std::string FullPath(const std::string& file) {
  std::error_code error;
  const platform::Path absolute = std::filesystem::absolute(platform::PathFromUtf8(file), error);
  return error ? file : platform::Utf8FromPath(absolute.lexically_normal());
}

// Scans each file and prints its entries after the opened, extracted and closed lines.
int List(const Arguments& arguments, Console& console) {
  ConsoleJobWindow window(console, {});
  window.SetRunFlag(1);
  if (console.stopOnInterrupt) StopOnInterrupt(&window.RunFlag());
  int status = kExitRepaired;
  for (const std::string& file : arguments.files) {
    engine::SalvagedEntryList entries;
    if (!engine::ScanSource(FullPath(file), window, entries) || entries.empty()) {
      status = kExitNotRepaired;
    }
    for (const engine::SalvagedEntry& e : entries) {
      window.WriteOut(std::to_string(e.dataOffset) + '\t' + std::to_string(e.compressedSize) +
                      '\t' + std::to_string(e.uncompressedSize) + '\t' + e.entryPath + '\n');
    }
  }
  if (console.stopOnInterrupt) StopOnInterrupt(nullptr);
  return status;
}

// The workspace of a console run: the folder the user named (created when missing, never
// cleared as a whole; only the file folders this run fills are replaced), or a private one.
std::optional<engine::RepairWorkspace> PrepareWorkspace(const Arguments& arguments,
                                                        const std::vector<std::string>& paths,
                                                        Console& console) {
  if (arguments.workspace.empty()) {
    const auto root = MakePrivateWorkspace();
    if (!root) {
      console.err << "xlsx-repair: cannot create a workspace in the temporary folder"
                  << WithLineEnds("\n", console.lineEnd);
      return std::nullopt;
    }
    return engine::RepairWorkspace(*root);
  }
  const platform::Path root = platform::PathFromUtf8(arguments.workspace);
  platform::ErrorCode error = 0;
  if (!platform::IsFolder(root) &&
      platform::MakeFolder(root, &error) != platform::MakeFolderResult::Created) {
    console.err << "xlsx-repair: cannot create the workspace " << arguments.workspace << ": "
                << WithLineEnds(platform::ErrorText(error), console.lineEnd);
    return std::nullopt;
  }
  engine::RepairWorkspace workspace(root);
  // A file folder left by an earlier run into the same folder would mix old parts into this
  // run's package.
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const platform::Path folder = workspace.FileFolder(paths[i], static_cast<int>(i));
    if (platform::IsFolder(folder)) {
      engine::RepairWorkspace::DeleteTree(folder);
      platform::RemoveFolder(folder);
    }
  }
  return workspace;
}

// Saves every repaired file into the --out folder as the window's Save does. False when the
// destination was refused, which the save run has already said.
bool Save(const Arguments& arguments, const engine::RepairWorkspace& workspace,
          ConsoleJobWindow& window, save::SaveReport& report) {
  window.SetSaveChoices(arguments.out, arguments.media);
  return save::SaveJob::Run(window, workspace, &report) != 0;
}

int Repair(const Arguments& arguments, Console& console) {
  std::vector<std::string> paths;
  std::transform(arguments.files.begin(), arguments.files.end(), std::back_inserter(paths),
                 FullPath);
  ConsoleJobWindow window(console, paths);
  // Refused before the repair, not after it: nothing could be saved.
  if (arguments.save && !platform::IsFolder(platform::PathFromUtf8(arguments.out))) {
    window.WriteMessage("Please select a valid folder path.");
    return kExitUsage;
  }
  const auto workspace = PrepareWorkspace(arguments, paths, console);
  if (!workspace) return kExitUsage;

  std::vector<engine::FileOutcome> outcomes;
  if (console.stopOnInterrupt) StopOnInterrupt(&window.RunFlag());
  engine::StartRepair(
      window, *workspace, [](const engine::JobContext& context) { engine::RepairJob(context); },
      engine::WorkspaceStart::Keep, &outcomes);
  const bool repaired = std::all_of(outcomes.begin(), outcomes.end(), [](engine::FileOutcome o) {
    return o == engine::FileOutcome::Repaired;
  });

  int status = repaired ? kExitRepaired : kExitNotRepaired;
  bool keepWorkspace = true;
  if (arguments.save) {
    save::SaveReport report;
    if (console.stopOnInterrupt && WasInterrupted()) {
      // Ctrl+C stops the command, not just its first run.
      window.WriteMessage("stopped by the user; nothing was saved");
      status = kExitNotRepaired;
    } else if (!Save(arguments, *workspace, window, report)) {
      status = kExitUsage;
    } else if (!report.AllSaved()) {
      status = kExitNotRepaired;
    }
    // A private workspace has served its purpose once everything is saved; while something is
    // missing from the destination it stays, so nothing that was salvaged is lost.
    keepWorkspace = !arguments.workspace.empty() || status != kExitRepaired;
  }
  if (console.stopOnInterrupt) StopOnInterrupt(nullptr);

  if (arguments.workspace.empty()) {
    if (keepWorkspace) {
      window.WriteOut("Repaired files are in " + platform::Utf8FromPath(workspace->Root()) + "\n");
    } else {
      workspace->Clear();
    }
  }
  return status;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, Console& console) {
  Arguments arguments;
  CLI::App app{
      "Repairs damaged .xlsx workbooks. Each FILE is scanned for the ZIP entries it still holds, "
      "without trusting its central directory; every entry that can be salvaged is written into "
      "a folder of its own in the workspace, named by the file name and its position on the "
      "command line (Book.xlsx0, ...), and a missing or short [Content_Types].xml is restored. "
      "With --out every repaired file is then saved into a folder as a new archive. The activity "
      "log goes to standard output.",
      "xlsx-repair"};
  app.set_version_flag("--version", "xlsx-repair " XR_VERSION);
  auto* workspace = app.add_option("--workspace", arguments.workspace,
                                   "Create the file folders under DIR and keep them there (a file "
                                   "folder of the same name from an earlier run is replaced); "
                                   "without it a fresh private folder in the temporary folder is "
                                   "used and named at the end")
                        ->type_name("DIR");
  app.add_flag("--list", arguments.list,
               "Only scan: after each file's log lines print one line per salvaged entry, "
               "dataOffset<TAB>compressedSize<TAB>uncompressedSize<TAB>entryPath")
      ->excludes(workspace);
  auto* out = app.add_option("--out", arguments.out,
                             "After the repair, save every repaired file into DIR, an existing "
                             "folder, as \"TDRREP_\" followed by its name (a second file of the "
                             "same name is numbered: \"TDRREP_Book1 (2).xlsx\"); the private "
                             "workspace is deleted once every file is saved")
                  ->type_name("DIR")
                  ->excludes("--list");
  app.add_flag("--media", arguments.media,
               "With --out, also copy every picture of each file into DIR, into a folder named by "
               "the file's name followed by \"_MediaContent\"")
      ->needs(out);
  app.add_option("FILE", arguments.files, "The .xlsx files to repair")->required();
  app.footer(
      "Exit status: 0 when every file was repaired (and, with --out, saved), 1 when a file could "
      "not be opened, had nothing to salvage or could not be saved, or the run was stopped, 2 for "
      "wrong usage or a destination that is not a folder.\n");

  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them reversed
    app.parse(reversed);
    arguments.save = out->count() > 0;
  } catch (const CLI::Success& success) {  // --help, --version
    std::ostringstream text;
    app.exit(success, text, text);
    console.out << WithLineEnds(text.str(), console.lineEnd) << std::flush;
    return kExitRepaired;
  } catch (const CLI::ParseError& error) {
    console.err << "xlsx-repair: " << error.what()
                << WithLineEnds(std::string("\n") + kUsage, console.lineEnd) << std::flush;
    return kExitUsage;
  }
  return arguments.list ? List(arguments, console) : Repair(arguments, console);
}

}  // namespace xr::cli
