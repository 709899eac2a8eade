// The names a save run writes: archive and media folder names, the joined destination, distinct
// names for same-named files, the browse rule and the closing message.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/text.h"
#include "save/browse_destination.h"
#include "save/completion_message.h"
#include "save/save_paths.h"
#include "save/saved_names.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using xr::test::ScratchFolder;
constexpr bool kWindows = fs::path::preferred_separator == '\\';

TEST(SavePaths, NamesKeepTheSourceNameWithItsExtension) {
  EXPECT_EQ(xr::save::ArchiveName("Book1.xlsx"), "TDRREP_Book1.xlsx");
  EXPECT_EQ(xr::save::MediaFolderName("Book1.xlsx"), "Book1.xlsx_MediaContent");
  EXPECT_EQ(xr::save::FileNamePart("/data/in/Book1.xlsx"), "Book1.xlsx");
  EXPECT_EQ(xr::save::FileNamePart("Book1.xlsx"), "Book1.xlsx");
  EXPECT_EQ(xr::save::FileNamePart("C:\\in\\Book1.xlsx"), kWindows ? "Book1.xlsx" : "C:\\in\\Book1.xlsx");
}

TEST(SavePaths, ATrailingSeparatorOnTheDestinationGivesTheSamePaths) {
  const char sep = static_cast<char>(fs::path::preferred_separator);
  const std::string plain = kWindows ? "C:\\out" : "/out";
  EXPECT_EQ(xr::save::JoinedDestination(plain), plain + sep);
  EXPECT_EQ(xr::save::JoinedDestination(plain + sep), plain + sep);
  EXPECT_EQ(xr::save::JoinedDestination(plain + "/"), plain + "/");
  if (kWindows) {
    // A bare drive joins to its root, not to the drive's current folder.
    EXPECT_EQ(xr::save::JoinedDestination("D:"), "D:\\");
  } else {
    // A backslash is part of a name here, not a separator.
    EXPECT_EQ(xr::save::JoinedDestination("/out\\"), "/out\\/");
  }
}

TEST(SavedNames, TheFirstKeepsItsNameTheLaterOnesAreNumbered) {
  xr::save::SavedNames names({"Book1.xlsx", "Book1.xlsx", "Other.xlsx", "Book1.xlsx"});
  EXPECT_EQ(names.Claim("Book1.xlsx"), "Book1.xlsx");
  EXPECT_EQ(names.Claim("Book1.xlsx"), "Book1 (2).xlsx");
  EXPECT_EQ(names.Claim("Other.xlsx"), "Other.xlsx");
  EXPECT_EQ(names.Claim("Book1.xlsx"), "Book1 (3).xlsx");
}

TEST(SavedNames, ANumberedNameNeverTakesTheNameOfAnotherListedFile) {
  // The listed "Book1 (2).xlsx" comes last but must still be saved under its own name.
  xr::save::SavedNames names({"Book1.xlsx", "Book1.xlsx", "Book1 (2).xlsx"});
  EXPECT_EQ(names.Claim("Book1.xlsx"), "Book1.xlsx");
  EXPECT_EQ(names.Claim("Book1.xlsx"), "Book1 (3).xlsx");
  EXPECT_EQ(names.Claim("Book1 (2).xlsx"), "Book1 (2).xlsx");
}

TEST(SavedNames, NamesThatOneWindowsFolderCannotHoldTwiceCollide) {
  xr::save::SavedNames names({});
  EXPECT_EQ(names.Claim("Book1.xlsx"), "Book1.xlsx");
  EXPECT_EQ(names.Claim("BOOK1.XLSX"), "BOOK1 (2).XLSX");
  EXPECT_EQ(names.Claim("Book1.xlsx."), "Book1.xlsx (2).");
  EXPECT_EQ(names.Claim("Äpfel.xlsx"), "Äpfel.xlsx");
  EXPECT_EQ(names.Claim("äpfel.xlsx"), "äpfel (2).xlsx");
  EXPECT_EQ(names.Claim("Ωmega.xlsx"), "Ωmega.xlsx");
  EXPECT_EQ(names.Claim("ωmega.xlsx"), "ωmega (2).xlsx");
  EXPECT_EQ(names.Claim("Дом.xlsx"), "Дом.xlsx");
  EXPECT_EQ(names.Claim("дом.xlsx"), "дом (2).xlsx");
  EXPECT_EQ(names.Claim("Łódź.xlsx"), "Łódź.xlsx");
  EXPECT_EQ(names.Claim("łódź.xlsx"), "łódź (2).xlsx");
  // Different letters stay different, and bytes that are not UTF-8 compare as themselves.
  EXPECT_EQ(names.Claim("Book2.xlsx"), "Book2.xlsx");
  EXPECT_EQ(names.Claim("\xC4.xlsx"), "\xC4.xlsx");
  EXPECT_EQ(names.Claim("\xE4.xlsx"), "\xE4.xlsx");
}

TEST(SavedNames, NumberedNameGoesBeforeTheLastExtension) {
  EXPECT_EQ(xr::save::NumberedName("Book1.xlsx", 2), "Book1 (2).xlsx");
  EXPECT_EQ(xr::save::NumberedName("a.b.xlsx", 3), "a.b (3).xlsx");
  EXPECT_EQ(xr::save::NumberedName("README", 2), "README (2)");
  EXPECT_EQ(xr::save::NumberedName(".xlsx", 2), ".xlsx (2)");
}

TEST(PickedDestination, TrimsWhiteSpaceAndAcceptsOnlyFolders) {
  ScratchFolder scratch;
  const auto file = scratch.Write("a file.txt", "x");
  const std::string folder = xr::platform::Utf8FromPath(scratch.path());

  EXPECT_EQ(xr::save::PickedDestination(folder), folder);
  EXPECT_EQ(xr::save::PickedDestination("  \t" + folder + " \r\n"), folder);
  EXPECT_EQ(xr::save::PickedDestination(xr::platform::Utf8FromPath(file)), std::nullopt);
  EXPECT_EQ(xr::save::PickedDestination(folder + "/no such folder"), std::nullopt);
  EXPECT_EQ(xr::save::PickedDestination("   "), std::nullopt);
  EXPECT_EQ(xr::save::PickedDestination(""), std::nullopt);
}

TEST(CompletionMessage, NamesTheDestinationAsTypedAsLinkTargetAndText) {
  EXPECT_EQ(xr::save::CompletionMessage("C:\\Saved"),
            "File(s) saving process has been completed.Saved file(s) location is:<br>"
            "<a href='C:\\Saved'>C:\\Saved</a>");
  EXPECT_EQ(xr::save::CompletionMessage("C:\\Saved\\"),
            "File(s) saving process has been completed.Saved file(s) location is:<br>"
            "<a href='C:\\Saved\\'>C:\\Saved\\</a>");
  // A single quote in the path would end a single-quoted target early.
  EXPECT_EQ(xr::save::CompletionMessage("C:\\Bob's files"),
            "File(s) saving process has been completed.Saved file(s) location is:<br>"
            "<a href=\"C:\\Bob's files\">C:\\Bob's files</a>");
}

}  // namespace
