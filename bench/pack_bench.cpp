// Times the folder packer on a real folder. `pack_bench FOLDER [benchmark flags]` runs it as a
// Google Benchmark case; `pack_bench --once FOLDER ARCHIVE` packs once and exits, so a script can
// time it as a whole process beside another archiver (see pack_vs_zip.sh).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/temp.h"
#include "zip/pack_folder.h"

namespace {

std::uintmax_t FolderBytes(const std::filesystem::path& folder) {
  std::uintmax_t total = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) total += entry.file_size();
  }
  return total;
}

void PackFolderCase(benchmark::State& state, const std::filesystem::path& folder) {
  const auto archive = xr::platform::TempFolder() / "pack_bench.zip";
  const auto input = FolderBytes(folder);
  for (auto _ : state) {
    const auto result = xr::zip::PackFolder(folder, archive);
    if (!result.archiveCreated || !result.allFilesAdded) state.SkipWithError("packing failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input));
  state.counters["ratio"] = static_cast<double>(std::filesystem::file_size(archive)) /
                            static_cast<double>(input ? input : 1);
  std::filesystem::remove(archive);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--once") == 0) {
    const auto result = xr::zip::PackFolder(argv[2], argv[3]);
    return result.archiveCreated && result.allFilesAdded ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: pack_bench FOLDER [benchmark flags] | pack_bench --once FOLDER ARCHIVE\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  benchmark::RegisterBenchmark("PackFolder", PackFolderCase, folder)->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
