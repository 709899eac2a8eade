// Copying a package's pictures out flat, and finding the first one for the preview.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "save/media_extraction.h"
#include "support/recording_job_window.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using xr::test::ReadAll;
using xr::test::ScratchFolder;

std::set<std::string> NamesIn(const fs::path& folder) {
  std::set<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) names.insert(entry.path().filename().string());
  return names;
}

// Every picture-named file below `folder` in depth-first order of the directory search, files and
// subfolders interleaved: an oracle for the walk's order, through std::filesystem instead of the
// platform layer.
void PicturesInWalkOrder(const fs::path& folder, std::vector<fs::path>& out) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.is_directory()) {
      PicturesInWalkOrder(entry.path(), out);
    } else {
      const std::string ext = entry.path().extension().string();
      if (ext == ".png" || ext == ".EMF" || ext == ".jpeg" || ext == ".gif") out.push_back(entry.path());
    }
  }
}

TEST(CopyPictures, CopiesEveryPictureFlatUnderItsOwnName) {
  ScratchFolder scratch;
  scratch.Write("pkg/xl/media/image1.png", "png one");
  scratch.Write("pkg/xl/media/image2.EMF", "emf two");
  scratch.Write("pkg/docProps/thumbnail.jpeg", "thumb");
  scratch.Write("pkg/xl/media/photo.jpg.bak", "backup");
  scratch.Write("pkg/xl/worksheets/sheet1.xml", "<sheet/>");
  scratch.Write("pkg/xl/images.png/inside.gif", "gif in a folder named like a picture");
  scratch.Write("pkg/.png", "dot png");
  fs::create_directories(scratch / "media");

  const auto result = xr::save::CopyPictures(scratch / "pkg", scratch / "media");

  EXPECT_EQ(NamesIn(scratch / "media"),
            (std::set<std::string>{"image1.png", "image2.EMF", "thumbnail.jpeg", "inside.gif", ".png"}))
      << "the folder images.png is walked into but never copied; the .bak and .xml files are no pictures";
  EXPECT_EQ(ReadAll(scratch / "media/image2.EMF"), "emf two");
  EXPECT_EQ(ReadAll(scratch / "media/thumbnail.jpeg"), "thumb");
  EXPECT_TRUE(result.walked);
  EXPECT_EQ(result.found, 5);
  EXPECT_EQ(result.copied, 5);
  EXPECT_TRUE(result.Complete());
}

TEST(CopyPictures, OfTwoSameNamedPicturesTheOneMetLaterStays) {
  ScratchFolder scratch;
  scratch.Write("pkg/a/image1.png", "from a");
  scratch.Write("pkg/b/image1.png", "from b");
  scratch.Write("pkg/b/deeper/c/image1.png", "from c");
  fs::create_directories(scratch / "media");

  const auto result = xr::save::CopyPictures(scratch / "pkg", scratch / "media");

  std::vector<fs::path> order;
  PicturesInWalkOrder(scratch / "pkg", order);
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(NamesIn(scratch / "media"), std::set<std::string>{"image1.png"});
  EXPECT_EQ(ReadAll(scratch / "media/image1.png"), ReadAll(order.back()));
  EXPECT_EQ(result.found, 3);
  EXPECT_EQ(result.copied, 3);
}

TEST(CopyPictures, AFolderThatCannotBeSearchedIsEmpty) {
  ScratchFolder scratch;
  fs::create_directories(scratch / "media");
  const auto result = xr::save::CopyPictures(scratch / "no such package", scratch / "media");
  EXPECT_TRUE(result.walked);
  EXPECT_EQ(result.found, 0);
  EXPECT_TRUE(result.Complete());
  EXPECT_TRUE(NamesIn(scratch / "media").empty());
}

TEST(CopyPictures, FailedCopiesShowInTheResultAndDoNotEndTheWalk) {
  ScratchFolder scratch;
  scratch.Write("pkg/xl/media/image1.png", "1");
  scratch.Write("pkg/xl/media/image2.png", "2");
  fs::create_directories(scratch / "media");
  // A folder where image1.png should go: that copy fails, the other one must still happen.
  fs::create_directories(scratch / "media/image1.png");

  const auto result = xr::save::CopyPictures(scratch / "pkg", scratch / "media");

  EXPECT_EQ(result.found, 2);
  EXPECT_EQ(result.copied, 1);
  EXPECT_FALSE(result.Complete());
  EXPECT_EQ(ReadAll(scratch / "media/image2.png"), "2");

  const auto noTarget = xr::save::CopyPictures(scratch / "pkg", scratch / "missing media folder");
  EXPECT_EQ(noTarget.found, 2);
  EXPECT_EQ(noTarget.copied, 0);
  EXPECT_FALSE(noTarget.Complete());
}

TEST(FindFirstPicture, ShowsOnlyTheFirstPictureOfTheWalkAndSetsTheFlag) {
  ScratchFolder scratch;
  scratch.Write("pkg/[Content_Types].xml", "<Types/>");
  scratch.Write("pkg/xl/media/image1.png", "1");
  scratch.Write("pkg/xl/media/image2.gif", "2");
  scratch.Write("pkg/xl/embeddings/deep/er/image3.jpeg", "3");
  scratch.Write("pkg/docProps/thumbnail.jpeg", "t");
  scratch.Write("pkg/z/image4.png", "4");

  std::vector<fs::path> order;
  PicturesInWalkOrder(scratch / "pkg", order);
  xr::test::RecordingJobWindow window;
  bool found = false;

  EXPECT_TRUE(xr::save::FindFirstPicture(scratch / "pkg", window, found));
  EXPECT_TRUE(found);
  ASSERT_EQ(window.previewImages.size(), 1u) << "the walk must end at every level after the first picture";
  EXPECT_TRUE(fs::equivalent(window.previewImages.front(), order.front()))
      << "shown " << window.previewImages.front() << ", first in the search's order " << order.front();
}

TEST(FindFirstPicture, WithoutPicturesShowsNothing) {
  ScratchFolder scratch;
  scratch.Write("pkg/xl/workbook.xml", "<workbook/>");
  scratch.Write("pkg/xl/media.png/notes.txt", "a folder named like a picture");
  xr::test::RecordingJobWindow window;
  bool found = false;

  EXPECT_FALSE(xr::save::FindFirstPicture(scratch / "pkg", window, found));
  EXPECT_FALSE(found);
  EXPECT_FALSE(xr::save::FindFirstPicture(scratch / "no such folder", window, found));
  EXPECT_TRUE(window.previewImages.empty());
}

TEST(FindFirstPicture, ASetFlagEndsTheSearchBeforeItStarts) {
  ScratchFolder scratch;
  scratch.Write("pkg/xl/media/image1.png", "1");
  xr::test::RecordingJobWindow window;
  bool found = true;
  EXPECT_TRUE(xr::save::FindFirstPicture(scratch / "pkg", window, found));
  EXPECT_TRUE(window.previewImages.empty());
}

TEST(FindFirstPicture, AcceptsAFolderWithATrailingSeparator) {
  ScratchFolder scratch;
  scratch.Write("pkg/xl/media/image1.png", "1");
  xr::test::RecordingJobWindow window;
  bool found = false;
  fs::path withSeparator = scratch / "pkg";
  withSeparator += fs::path::preferred_separator;
  EXPECT_TRUE(xr::save::FindFirstPicture(withSeparator, window, found));
  ASSERT_EQ(window.previewImages.size(), 1u);
  EXPECT_TRUE(fs::equivalent(window.previewImages.front(), scratch / "pkg/xl/media/image1.png"));
}

}  // namespace
