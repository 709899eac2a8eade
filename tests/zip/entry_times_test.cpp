// DOS date and time and the three Unix times of an entry, including the clamps at 1970, 1980,
// 2037 and 2107, in a fixed time zone three hours west of UTC (so no result is negative, which
// the Microsoft C runtime's mktime cannot give).
#include <gtest/gtest.h>

#include <chrono>

#include "archive_reader.h"
#include "support/scratch_folder.h"
#include "time_zone_for_test.h"
#include "platform/clock.h"
#include "zip/entry_times.h"
#include "zip/pack_folder.h"

namespace xr::zip {
namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kHour = 3600 * kTicksPerSecond;

std::int64_t TicksOfUnix(std::int64_t seconds) { return (seconds + 11'644'473'600LL) * kTicksPerSecond; }

constexpr std::uint16_t DosDate(int y, int m, int d) { return static_cast<std::uint16_t>(((y - 1980) << 9) | (m << 5) | d); }
constexpr std::uint16_t DosTime(int h, int m, int s) { return static_cast<std::uint16_t>((h << 11) | (m << 5) | (s / 2)); }

TEST(ZipEntryTimes, ShiftClampAndConvert) {
  test::TimeZoneForTest zone("XST3");  // UTC-3, no daylight saving
  struct Case {
    const char* what;
    std::int64_t lastWrite;  // ticks, UTC
    std::uint16_t dosDate, dosTime;
    std::int32_t unix;
  };
  const Case cases[] = {
      {"ordinary time, odd second rounds down", TicksOfUnix(1589710831),  // 2020-05-17 10:20:31 UTC
       DosDate(2020, 5, 17), DosTime(7, 20, 31), 1589710831},
      {"before 1970: 1 January 1970, same local time of day", TicksOfUnix(-143460870),  // 1965-06-15 13:45:30
       DosDate(1980, 1, 1), DosTime(0, 0, 0), 49530},
      {"UTC 1980 is still 1979 locally: DOS clamps", TicksOfUnix(315540000),  // 1980-01-01 02:00 UTC
       DosDate(1980, 1, 1), DosTime(0, 0, 0), 315540000},
      {"after 2037: 31 December 2037, same local time of day", TicksOfUnix(2540590200),  // 2050-07-04 23:30
       DosDate(2050, 7, 4), DosTime(20, 30, 0), 2145915000},
      {"after 2107: last DOS time", TicksOfUnix(4417995600),  // 2110-01-01 05:00 UTC
       DosDate(2107, 12, 31), DosTime(23, 59, 58), 2145848400},
      {"before 1601: midnight of 1 January 1970 local", -1,
       DosDate(1980, 1, 1), DosTime(0, 0, 0), 3 * 3600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const EntryTimes t = ComputeEntryTimes({c.lastWrite, c.lastWrite, c.lastWrite}, -3 * kHour);
    EXPECT_EQ(t.dosDate, c.dosDate);
    EXPECT_EQ(t.dosTime, c.dosTime);
    EXPECT_EQ(t.modified, c.unix);
    EXPECT_EQ(t.accessed, c.unix);
    EXPECT_EQ(t.created, c.unix);
  }
}

TEST(ZipEntryTimes, EachUnixTimeComesFromItsOwnFileTime) {
  test::TimeZoneForTest zone("XST3");
  platform::FileTimes times;
  times.creation = TicksOfUnix(1546398246);
  times.lastAccess = TicksOfUnix(1614834368);
  times.lastWrite = TicksOfUnix(1589710831);
  const EntryTimes t = ComputeEntryTimes(times, -3 * kHour);
  EXPECT_EQ(t.created, 1546398246);
  EXPECT_EQ(t.accessed, 1614834368);
  EXPECT_EQ(t.modified, 1589710831);
}

// The same through a real file: its last-write time set before 1970, read back from the archive.
TEST(ZipEntryTimes, FileWrittenBefore1970GetsThe1970DateInTheArchive) {
  test::ScratchFolder scratch;
  const auto file = scratch.Write("package/old.xml", "<old/>");
  const auto when = std::chrono::sys_days{std::chrono::year{1965} / 6 / 15} + std::chrono::hours{13} +
                    std::chrono::minutes{45} + std::chrono::seconds{30};
  std::error_code ec;
  std::filesystem::last_write_time(file, std::chrono::file_clock::from_sys(when), ec);
  if (ec || std::filesystem::last_write_time(file) != std::chrono::file_clock::from_sys(when)) {
    GTEST_SKIP() << "this file system or C runtime cannot set a time before 1970";
  }
  test::TimeZoneForTest zone("UTC0");
  const auto archive = scratch / "out.zip";
  ASSERT_TRUE(zip::PackFolder(scratch / "package", archive).allFilesAdded);
  const auto read = test::ReadZip(test::ReadAll(archive));
  ASSERT_EQ(read.error, "");
  ASSERT_EQ(read.entries.size(), 1u);
  const auto& e = read.entries[0];
  // The zone of the C library is UTC here, but the platform's offset is the machine's: compare
  // the time of day on the machine's clock.
  const std::int64_t offset = platform::LocalMinusUtcNow() / kTicksPerSecond;
  const std::int64_t localTimeOfDay = ((13 * 3600 + 45 * 60 + 30 + offset) % 86400 + 86400) % 86400;
  EXPECT_EQ(static_cast<std::int32_t>(test::Le32(e.localExtra, 5)), localTimeOfDay)
      << "modification time must be 1 January 1970 at the file's time of day";
  EXPECT_EQ(e.central.dosDate, DosDate(1980, 1, 1));
  EXPECT_EQ(e.central.dosTime, 0);
}

}  // namespace
}  // namespace xr::zip
