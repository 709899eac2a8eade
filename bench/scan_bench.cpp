// The salvage scan over a file with no entry in it, beside plain reads of the same file through the
// same platform layer, so the two throughputs can be compared in one run.
//   scan_bench [FILE] [benchmark flags]
// Without FILE a 200 MB file of pseudo-random bytes with no local header signature is made in the
// temporary folder and removed afterwards.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/salvage_scanner.h"
#include "platform/file.h"
#include "platform/temp.h"

namespace {

using namespace xr;

platform::Path MakeNoEntryFile(std::uint64_t bytes) {
  const platform::Path path = platform::TempFolder() / "scan_bench_no_entry.bin";
  platform::File file = platform::File::Create(path);
  std::mt19937_64 random(42);
  std::vector<std::uint64_t> block(1 << 13);  // 64 KiB
  for (std::uint64_t done = 0; done < bytes; done += block.size() * 8) {
    for (auto& word : block) word = random();
    auto* p = reinterpret_cast<std::uint8_t*>(block.data());
    for (std::size_t i = 0; i + 1 < block.size() * 8; ++i) {
      if (p[i] == 'P' && p[i + 1] == 'K') p[i + 1] = 'k';  // no signature, even across blocks
    }
    file.Write(block.data(), block.size() * 8);
  }
  return path;
}

void ReadFile(benchmark::State& state, const platform::Path& path) {
  std::vector<std::uint8_t> buffer(64 * 1024);
  std::uint64_t size = 0;
  for (auto _ : state) {
    platform::File file = platform::File::OpenRead(path, platform::Share::None);
    size = file.Size().value_or(0);
    while (file.ReadFull(buffer.data(), buffer.size()) > 0) {
    }
    benchmark::DoNotOptimize(buffer.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void ScanNoEntry(benchmark::State& state, const platform::Path& path) {
  const std::atomic<int> runFlag{1};
  std::uint64_t size = 0;
  for (auto _ : state) {
    platform::File file = platform::File::OpenRead(path, platform::Share::None);
    size = file.Size().value_or(0);
    engine::SalvagedEntryList entries;
    engine::ScanEntries(file, size, runFlag, entries);
    if (!entries.empty()) state.SkipWithError("the file holds an entry");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc > 2) {
    std::fprintf(stderr, "usage: scan_bench [FILE] [benchmark flags]\n");
    return 2;
  }
  const bool made = argc == 1;
  const platform::Path path = made ? MakeNoEntryFile(200ull << 20) : platform::Path(argv[1]);
  benchmark::RegisterBenchmark("ReadFile", ReadFile, path)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("ScanNoEntry", ScanNoEntry, path)->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (made) platform::RemoveFile(path);
  return 0;
}
