// Folders, temporary files, the clock conversions and the built-in data.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <vector>

#include "platform/clock.h"
#include "platform/file.h"
#include "platform/folder.h"
#include "platform/resource.h"
#include "platform/temp.h"
#include "platform/text.h"
#include "support/scratch_folder.h"
#include "support/wine.h"

namespace xr::platform {
namespace {

TEST(Folder, MakeReportsCreatedExistingAndFailed) {
  test::ScratchFolder scratch;
  ErrorCode error = 0;
  EXPECT_EQ(MakeFolder(scratch / "xl"), MakeFolderResult::Created);
  EXPECT_TRUE(IsFolder(scratch / "xl"));
  EXPECT_EQ(MakeFolder(scratch / "xl"), MakeFolderResult::AlreadyExists);
  EXPECT_EQ(MakeFolder(scratch / "missing" / "child", &error), MakeFolderResult::Failed);
  EXPECT_FALSE(ErrorText(error).empty());
  EXPECT_FALSE(IsFolder(scratch.Write("file.xml", "x")));
  EXPECT_FALSE(IsFolder(Path()));
}

TEST(Folder, ListsItemsWithoutDotsAndDeletesTreesDepthFirst) {
  test::ScratchFolder scratch;
  scratch.Write("pkg/[Content_Types].xml", "x");
  scratch.Write("pkg/xl/worksheets/sheet1.xml", "x");
  scratch.Write("pkg/_rels/.rels", "x");
  std::set<std::string> names;
  for (const FolderItem& item : ListFolder(scratch / "pkg")) {
    names.insert(Utf8FromPath(item.name) + (item.isFolder ? "/" : ""));
  }
  EXPECT_EQ(names, (std::set<std::string>{"[Content_Types].xml", "_rels/", "xl/"}));
  EXPECT_TRUE(ListFolder(scratch / "missing").empty());

  DeleteTree(scratch / "pkg");
  EXPECT_TRUE(IsFolder(scratch / "pkg")) << "the folder itself stays";
  EXPECT_TRUE(ListFolder(scratch / "pkg").empty());
  EXPECT_TRUE(RemoveFolder(scratch / "pkg"));
  EXPECT_FALSE(RemoveFolder(scratch / "pkg"));
}

TEST(Folder, NonAsciiNamesSurviveOnDisk) {
  std::vector<std::string> names = {"Tabelle \xC3\xBC\xE2\x82\xAC.xml"};
  // Bytes that are not UTF-8 become lone surrogates on Windows, which NTFS stores as they are but
  // Wine cannot map to a host file name.
  if (!test::RunningUnderWine()) names.push_back("Sheet\xE9.xml");
  for (const std::string& name : names) {
    test::ScratchFolder scratch;
    ASSERT_TRUE(File::Create(scratch.path() / PathFromUtf8(name))) << testing::PrintToString(name);
    const auto items = ListFolder(scratch.path());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(Utf8FromPath(items[0].name), name);
  }
}

TEST(Temp, MakesUniqueEmptyFilesWithThePrefix) {
  test::ScratchFolder scratch;
  const auto first = MakeTempFile(scratch.path(), "OPC");
  const auto second = MakeTempFile(scratch.path(), "OPC");
  ASSERT_TRUE(first && second);
  EXPECT_NE(*first, *second);
  EXPECT_EQ(first->parent_path(), scratch.path());
  EXPECT_EQ(Utf8FromPath(first->filename()).rfind("OPC", 0), 0u);
  EXPECT_EQ(std::filesystem::file_size(*first), 0u);
  EXPECT_FALSE(MakeTempFile(scratch / "missing", "OPC"));
  EXPECT_TRUE(IsFolder(TempFolder()));
}

TEST(Clock, ConvertsFileTimesToCalendarAndDosTimes) {
  // 2026-12-11 13:20:54.5 UTC
  const std::int64_t ticks = (1796995254LL + 11644473600LL) * 10000000LL + 5000000;
  CalendarTime c;
  ASSERT_TRUE(ToCalendar(ticks, c));
  EXPECT_EQ((std::array{c.year, c.month, c.day, c.hour, c.minute, c.second, c.milliseconds}),
            (std::array{2026, 12, 11, 13, 20, 54, 500}));
  std::uint16_t date = 0, time = 0;
  ASSERT_TRUE(ToDosDateTime(ticks, date, time));
  EXPECT_EQ(date, ((2026 - 1980) << 9) | (12 << 5) | 11);
  EXPECT_EQ(time, (13 << 11) | (20 << 5) | (54 / 2));

  const std::int64_t before1980 = (315532800LL - 1 + 11644473600LL) * 10000000LL;  // 1979-12-31 23:59:59
  EXPECT_FALSE(ToDosDateTime(before1980, date, time));
  ASSERT_TRUE(ToCalendar(before1980, c));
  EXPECT_EQ((std::array{c.year, c.month, c.day, c.hour}), (std::array{1979, 12, 31, 23}));
  EXPECT_FALSE(ToCalendar(-1, c));
  const std::int64_t in2110 = (4418064000LL + 11644473600LL) * 10000000LL;  // 2110-01-01
  EXPECT_FALSE(ToDosDateTime(in2110, date, time)) << "DOS dates end in 2107";

  const std::int64_t offset = LocalMinusUtcNow();
  EXPECT_EQ(offset % 600000000LL, 0) << "a whole number of minutes";
  EXPECT_LE(std::abs(offset), 14LL * 3600 * 10000000LL);
}

TEST(Resource, TheContentTypesTemplateIsBuiltIn) {
  const auto data = FindDataResource(363);
  ASSERT_TRUE(data) << "RCDATA 363 missing from the executable";
  EXPECT_EQ(data->size(), 1304u);
  EXPECT_EQ(data->substr(0, 5), "<?xml");
  EXPECT_FALSE(FindDataResource(4242));
}

}  // namespace
}  // namespace xr::platform
