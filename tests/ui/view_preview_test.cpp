// The preview pane: a row picked before any repair, a package's thumbnail before its other
// pictures, the first picture otherwise, a package without pictures, and the list's keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view_fixture.h"

namespace xr::test {
namespace {

class ViewPreview : public ViewTestBase<> {
 protected:
  void SetUp() override {
    ViewTestBase<>::SetUp();
    const std::string red = PictureBytes(scratch, L"image/png", RGB(255, 0, 0), "red.png");
    const std::string blue = PictureBytes(scratch, L"image/jpeg", RGB(0, 0, 255), "blue.jpeg");
    Select({
        scratch.Write("in/thumbnail.xlsx",
                      DamagedWorkbook({{"xl/media/image1.jpeg", blue}, {"Thumbnails/thumbnail.png", red}}))
            .wstring(),
        scratch.Write("in/media.xlsx", DamagedWorkbook({{"xl/media/image1.jpeg", blue}})).wstring(),
        scratch.Write("in/plain.xlsx", DamagedWorkbook()).wstring(),
    });
  }

  void Preview(int row) { view->Send(WM_SHOWPREVIEW, static_cast<WPARAM>(row), 0); }

  // The colour in the middle of the pane.
  COLORREF Middle() {
    const Pixels pane(view->PreviewBox().hwnd(), RGB(0, 255, 0));
    return pane.at(pane.width() / 2, pane.height() / 2);
  }
};

bool IsRed(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; }
bool IsBlue(COLORREF c) { return GetBValue(c) > 200 && GetRValue(c) < 60 && GetGValue(c) < 60; }

TEST_F(ViewPreview, ARowBeforeAnyRepairIsNotRepaired) {
  Preview(1);
  EXPECT_EQ(view->PreviewBox().NoticeIndex(), 5);
  EXPECT_FALSE(view->PreviewBox().HoldsPicture());
}

TEST_F(ViewPreview, ShowsTheThumbnailThenTheFirstPictureThenANotice) {
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());

  Preview(0);
  EXPECT_TRUE(view->PreviewBox().PictureDecoded());
  EXPECT_TRUE(IsRed(Middle())) << "the thumbnail wins over the package's other pictures";

  Preview(1);
  EXPECT_TRUE(view->PreviewBox().PictureDecoded());
  EXPECT_TRUE(IsBlue(Middle())) << "the first picture of a package without thumbnail";

  Preview(2);
  EXPECT_FALSE(view->PreviewBox().HoldsPicture());
  EXPECT_EQ(view->PreviewBox().NoticeIndex(), 4);

  // A negative row (a click below the last row) leaves the pane as it is.
  Preview(1);
  Preview(-1);
  EXPECT_TRUE(IsBlue(Middle()));
}

TEST_F(ViewPreview, APictureIsReleasedBeforeTheWorkspaceIsDeleted) {
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
  Preview(0);
  ASSERT_TRUE(view->PreviewBox().HoldsPicture());
  // A new selection deletes the whole workspace, the shown thumbnail included.
  Select({L"C:\\in\\next.xlsx"});
  EXPECT_FALSE(std::filesystem::exists(Root()));
  EXPECT_FALSE(view->PreviewBox().HoldsPicture());
  EXPECT_EQ(view->PreviewBox().NoticeIndex(), 1);
}

TEST_F(ViewPreview, MovingThroughTheListWithTheKeysPreviewsTheMarkedRow) {
  ClickButton(ID_VANTOR_BTN_RECOVER_FILES);
  ASSERT_TRUE(WaitIdle());
  CVantorListCtrl& list = view->SourceList();
  SetFocus(list.hwnd());
  list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  list.SetSelectionMark(0);
  list.Send(WM_KEYDOWN, VK_DOWN, 1);
  list.Send(WM_KEYUP, VK_DOWN, 0xC0000001);
  EXPECT_EQ(list.SelectionMark(), 1);
  EXPECT_TRUE(IsBlue(Middle()));
}

}  // namespace
}  // namespace xr::test
