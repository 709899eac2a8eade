// The picture box: each picture format stretched over the box, a file that cannot be decoded,
// and the notice texts.
#include "controls/picture_box.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "controls_test_resources.h"
#include "support/gui_test.h"
#include "support/scratch_folder.h"

namespace {

constexpr int kBoxWidth = 200;
constexpr int kBoxHeight = 150;

bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) < 48 && std::abs(GetGValue(a) - GetGValue(b)) < 48 &&
         std::abs(GetBValue(a) - GetBValue(b)) < 48;
}

// A 100 x 50 picture: red left half, blue right half.
void PaintHalves(HDC dc) {
  xr::test::Fill(dc, RECT{0, 0, 50, 50}, RGB(255, 0, 0));
  xr::test::Fill(dc, RECT{50, 0, 100, 50}, RGB(0, 0, 255));
}

// The same picture as a GIF from the test's resources.
bool WriteGif(const std::wstring& path) {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_HALVES_GIF), RT_RCDATA);
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return false;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const DWORD size = SizeofResource(nullptr, found);
  const bool ok = WriteFile(file, bytes, size, &written, nullptr) && written == size;
  CloseHandle(file);
  return ok;
}

class PictureBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    xr::test::StartGui();
    ASSERT_TRUE(box.Create(host.hwnd(), L"", WS_VISIBLE,
                           RECT{10, 10, 10 + kBoxWidth, 10 + kBoxHeight}, 15));
  }
  void Show(const std::wstring& path, int notice) {
    box.SetPicture(path, notice);
    box.Invalidate();
  }
  bool Transparent() const {
    return (GetWindowLongPtrW(box.hwnd(), GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
  }

  xr::test::ScratchFolder scratch;  // outlives the box, which may hold one of its files
  xr::test::HostWindow host;
  CPictureBox box;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
};

TEST_F(PictureBoxTest, EveryFormatIsDrawnStretchedOverTheWholeBox) {
  const struct {
    const char* name;
    std::function<bool(const std::wstring&)> write;
  } formats[] = {
      {"box.png",
       [](const std::wstring& p) {
         return xr::test::WritePicture(p, L"image/png", 100, 50, PaintHalves);
       }},
      {"box.jpeg",
       [](const std::wstring& p) {
         return xr::test::WritePicture(p, L"image/jpeg", 100, 50, PaintHalves);
       }},
      {"box.bmp",
       [](const std::wstring& p) {
         return xr::test::WritePicture(p, L"image/bmp", 100, 50, PaintHalves);
       }},
      {"box.gif", WriteGif},
      {"box.emf",
       [](const std::wstring& p) { return xr::test::WriteMetafile(p, 100, 50, PaintHalves); }},
  };
  for (const auto& f : formats) {
    const std::wstring path = (scratch / f.name).wstring();
    ASSERT_TRUE(f.write(path)) << f.name;
    Show(path, CPictureBox::kNoNotice);
    ASSERT_TRUE(box.PictureDecoded()) << f.name;
    EXPECT_FALSE(Transparent()) << f.name << ": a shown picture is opaque";
    const xr::test::Pixels pixels(box.hwnd());
    // The 100 x 50 picture covers 200 x 150: its halves meet at x = 100, and it reaches the
    // bottom although it is only half as high as it is wide.
    for (int y : {4, kBoxHeight / 2, kBoxHeight - 5}) {
      EXPECT_TRUE(Near(pixels.at(8, y), RGB(255, 0, 0))) << f.name << " left at y " << y;
      EXPECT_TRUE(Near(pixels.at(92, y), RGB(255, 0, 0)))
          << f.name << " left of the middle at y " << y;
      EXPECT_TRUE(Near(pixels.at(108, y), RGB(0, 0, 255)))
          << f.name << " right of the middle at y " << y;
      EXPECT_TRUE(Near(pixels.at(kBoxWidth - 5, y), RGB(0, 0, 255)))
          << f.name << " right at y " << y;
    }
  }
}

TEST_F(PictureBoxTest, UndecodableFileShowsNeitherPictureNorNotice) {
  const std::wstring path = scratch.Write("broken.png", "this is not a picture").wstring();
  Show(path, 3);
  EXPECT_TRUE(box.HoldsPicture()) << "an existing file is held even when it cannot be decoded";
  EXPECT_FALSE(box.PictureDecoded());
  EXPECT_TRUE(Transparent());
  const xr::test::Pixels pixels(box.hwnd());
  EXPECT_EQ(pixels.CountOther(RECT{0, 0, kBoxWidth, kBoxHeight}, face), 0)
      << "only the plain ground";
}

TEST_F(PictureBoxTest, NoticesAreWrittenFromTenAcrossAndTwentyDown) {
  EXPECT_EQ(box.NoticeIndex(), 0) << "a fresh box";
  const struct {
    int notice;
    bool text;
  } cases[] = {{0, true}, {1, true},  {2, true},  {3, true},  {4, true},
               {5, true}, {6, false}, {7, false}, {-1, false}};
  for (const auto& c : cases) {
    Show(L"", c.notice);
    EXPECT_FALSE(box.HoldsPicture());
    EXPECT_TRUE(Transparent());
    const xr::test::Pixels pixels(box.hwnd());
    const RECT ink = pixels.BoundsOfOther(face);
    if (!c.text) {
      EXPECT_EQ(ink.right, 0) << "notice " << c.notice << " draws no text";
      continue;
    }
    EXPECT_GE(ink.left, 10) << "notice " << c.notice;
    EXPECT_GE(ink.top, 20) << "notice " << c.notice;
    EXPECT_LT(ink.left, 30) << "notice " << c.notice << " starts at the left";
    EXPECT_GT(ink.bottom - ink.top, 20) << "notice " << c.notice << " has two lines";
  }
  EXPECT_STREQ(CPictureBox::NoticeText(0), L"No .xlsx file(s) is available\n in the list");
  EXPECT_STREQ(CPictureBox::NoticeText(4), L"No image is present \n in the selected .xlsx file(s)");
}

TEST_F(PictureBoxTest, AMissingFileLeavesTheNoticeAndAReplacedPictureIsLetGo) {
  Show((scratch / "missing.png").wstring(), 5);
  EXPECT_FALSE(box.HoldsPicture());
  EXPECT_EQ(box.NoticeIndex(), 5);

  const std::wstring path = (scratch / "held.png").wstring();
  ASSERT_TRUE(xr::test::WritePicture(path, L"image/png", 100, 50, PaintHalves));
  Show(path, CPictureBox::kNoNotice);
  ASSERT_TRUE(box.PictureDecoded());
  Show(L"", CPictureBox::kNoNotice);
  EXPECT_TRUE(DeleteFileW(path.c_str())) << "a released picture no longer holds its file";
}

}  // namespace
