// Files: reading, writing, positioning and what the system says about them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/file.h"
#include "support/scratch_folder.h"

namespace xr::platform {
namespace {

TEST(File, WritesSeeksAndReadsBack) {
  test::ScratchFolder scratch;
  const Path path = scratch / "data.bin";
  {
    File file = File::Create(path);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file.Write("0123456789", 10));
    ASSERT_TRUE(file.Seek(2));
    ASSERT_TRUE(file.Write("AB", 2));  // rewrites in place, as the ZIP writer does with headers
    EXPECT_EQ(file.Position(), 4u);
    EXPECT_EQ(file.Size(), 10u);
  }
  File file = File::OpenRead(path, Share::None);
  ASSERT_TRUE(file);
  char buffer[16] = {};
  EXPECT_EQ(file.ReadFull(buffer, sizeof buffer), 10u);
  EXPECT_EQ(std::string(buffer, 10), "01AB456789");
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u) << "at the end a read gives nothing";
  ASSERT_TRUE(file.Seek(8));
  EXPECT_EQ(file.ReadFull(buffer, 4), 2u);
  ASSERT_TRUE(file.Seek(100));  // past the end is allowed and reads nothing
  EXPECT_EQ(file.ReadFull(buffer, 4), 0u);
}

TEST(File, CreateReplacesAnExistingFile) {
  test::ScratchFolder scratch;
  const Path path = scratch.Write("old.txt", "a much longer old content");
  ASSERT_TRUE(File::Create(path).Write("new", 3));
  EXPECT_EQ(test::ReadAll(path), "new");
}

TEST(File, MissingFileCannotBeOpenedAndTheSystemSaysWhy) {
  test::ScratchFolder scratch;
  ErrorCode error = 0;
  EXPECT_FALSE(File::OpenRead(scratch / "missing.xlsx", Share::None, &error));
  EXPECT_NE(error, 0u);
  EXPECT_FALSE(ErrorText(error).empty());
}

TEST(File, InfoGivesSizeAttributesAndTimes) {
  test::ScratchFolder scratch;
  const Path path = scratch.Write("a.xml", "<a/>");
  {
    auto info = File::OpenRead(path, Share::Read).Info();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->size, 4u);
    EXPECT_EQ(info->attributes & (kAttrReadOnly | kAttrDirectory), 0u);
    EXPECT_GT(info->times.lastWrite, 116444736000000000LL) << "written after 1970";
  }
  std::filesystem::permissions(path, std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
  auto info = File::OpenRead(path, Share::Read).Info();
  ASSERT_TRUE(info);
  EXPECT_NE(info->attributes & kAttrReadOnly, 0u);
}

TEST(File, CopyFromTakesARangeAndStopsAtTheEnd) {
  test::ScratchFolder scratch;
  const std::string content = std::string(300000, 'x') + "tail";
  const Path source = scratch.Write("source.bin", content);
  File from = File::OpenRead(source, Share::None);
  ASSERT_TRUE(from && from.Seek(299998));
  bool failed = true;
  {
    File to = File::Create(scratch / "part.bin");
    EXPECT_EQ(to.CopyFrom(from, 4, failed), 4u);
    EXPECT_FALSE(failed);
    EXPECT_EQ(to.CopyFrom(from, 100, failed), 2u) << "only what is left of the source";
    EXPECT_FALSE(failed) << "the end of the source is no failure";
  }
  EXPECT_EQ(test::ReadAll(scratch / "part.bin"), "xxtail");
  ASSERT_TRUE(from.Seek(0));
  File whole = File::Create(scratch / "whole.bin");
  EXPECT_EQ(whole.CopyFrom(from, 1u << 20, failed), 300004u);
  whole.Close();
  EXPECT_TRUE(test::ReadAll(scratch / "whole.bin") == content) << "the whole file, byte for byte";
}

TEST(File, CopyReplacesAndRemoveDeletes) {
  test::ScratchFolder scratch;
  const Path from = scratch.Write("from.png", "picture");
  const Path to = scratch.Write("to.png", "older and longer");
  EXPECT_TRUE(CopyFileReplacing(from, to));
  EXPECT_EQ(test::ReadAll(to), "picture");
  EXPECT_FALSE(CopyFileReplacing(scratch / "missing.png", to));
  EXPECT_FALSE(CopyFileReplacing(to, to));
  EXPECT_EQ(test::ReadAll(to), "picture") << "a copy onto itself must not empty the file";
  EXPECT_TRUE(RemoveFile(to));
  EXPECT_FALSE(std::filesystem::exists(to));
  EXPECT_FALSE(RemoveFile(to));
}

#ifdef _WIN32
// Only Windows enforces share modes; POSIX cannot keep another opener out.
TEST(File, ExclusiveOpenKeepsOthersOutWithTheSharingViolationText) {
  test::ScratchFolder scratch;
  const Path path = scratch.Write("Book1.xlsx", "PK");
  File holder = File::OpenRead(path, Share::None);
  ASSERT_TRUE(holder);
  ErrorCode error = 0;
  EXPECT_FALSE(File::OpenRead(path, Share::None, &error));
  EXPECT_EQ(error, 32u) << "ERROR_SHARING_VIOLATION";
  EXPECT_FALSE(ErrorText(error).empty());
  EXPECT_FALSE(File::OpenRead(path, Share::Read));
}
#endif

}  // namespace
}  // namespace xr::platform
