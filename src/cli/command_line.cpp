// Argument parsing and the two forms of the command: repair into a workspace, or list what the
// scan finds.
#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "cli/console_window.h"
#include "cli/interrupt_stop.h"
#include "cli/private_workspace.h"
#include "engine/repair_job.h"
#include "engine/salvage_scanner.h"
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
    "       xlsx-repair --list FILE...\n"
    "Run 'xlsx-repair --help' for more.\n";

struct Arguments {
  std::vector<std::string> files;
  std::string workspace;
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

int Repair(const Arguments& arguments, Console& console) {
  std::vector<std::string> paths;
  std::transform(arguments.files.begin(), arguments.files.end(), std::back_inserter(paths),
                 FullPath);
  const auto workspace = PrepareWorkspace(arguments, paths, console);
  if (!workspace) return kExitUsage;

  ConsoleJobWindow window(console, paths);
  std::vector<engine::FileOutcome> outcomes;
  if (console.stopOnInterrupt) StopOnInterrupt(&window.RunFlag());
  engine::StartRepair(
      window, *workspace, [](const engine::JobContext& context) { engine::RepairJob(context); },
      engine::WorkspaceStart::Keep, &outcomes);
  if (console.stopOnInterrupt) StopOnInterrupt(nullptr);

  if (arguments.workspace.empty()) {
    window.WriteOut("Repaired files are in " + platform::Utf8FromPath(workspace->Root()) + "\n");
  }
  const bool all = std::all_of(outcomes.begin(), outcomes.end(), [](engine::FileOutcome o) {
    return o == engine::FileOutcome::Repaired;
  });
  return all ? kExitRepaired : kExitNotRepaired;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, Console& console) {
  Arguments arguments;
  CLI::App app{
      "Repairs damaged .xlsx workbooks. Each FILE is scanned for the ZIP entries it still holds, "
      "without trusting its central directory; every entry that can be salvaged is written into "
      "a folder of its own in the workspace, named by the file name and its position on the "
      "command line (Book.xlsx0, ...), and a missing or short [Content_Types].xml is restored. "
      "The activity log goes to standard output.",
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
  app.add_option("FILE", arguments.files, "The .xlsx files to repair")->required();
  app.footer(
      "Exit status: 0 when every file was repaired, 1 when a file could not be opened or had "
      "nothing to salvage, 2 for wrong usage.\n");

  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them reversed
    app.parse(reversed);
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
