// The temporary files handed to the cleaner are all gone once it has finished.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/temp_file_cleaner.h"
#include "support/scratch_folder.h"

namespace xr::engine {
namespace {

TEST(TempFileCleaner, EveryFileHandedOverIsGoneAfterFinish) {
  test::ScratchFolder scratch;
  std::vector<std::filesystem::path> files;
  for (int i = 0; i < 50; ++i) files.push_back(scratch.Write("OPC" + std::to_string(i) + ".tmp", "data"));
  {
    TempFileCleaner cleaner;
    for (const auto& file : files) cleaner.Remove(file);
    cleaner.Finish();
    for (const auto& file : files) EXPECT_FALSE(std::filesystem::exists(file)) << file;
  }
  const auto late = scratch.Write("OPClate.tmp", "data");
  {
    TempFileCleaner cleaner;
    cleaner.Remove(late);
  }  // the destructor finishes too
  EXPECT_FALSE(std::filesystem::exists(late));
}

}  // namespace
}  // namespace xr::engine
