// Dialog 100, the about box: its template as stored (size, font, styles, control places) and as
// the dialog manager builds it.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resource.h"
#include "resource_reader.h"

namespace xr::resources_test {
namespace {

struct Control {
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  DWORD id = 0;
  int classAtom = 0;  // 0x80 button, 0x82 static
  std::wstring text;
};

struct DialogTemplate {
  DWORD style = 0;
  short cx = 0, cy = 0;
  std::wstring caption;
  int pointSize = 0;
  std::wstring face;
  std::vector<Control> controls;
};

// Reads an extended dialog template; every field is checked against the resource's real size.
class TemplateReader {
 public:
  explicit TemplateReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::optional<DialogTemplate> Read() {
    DialogTemplate d;
    if (Word() != 1 || Word() != 0xFFFF) return std::nullopt;
    Dword();  // help id
    Dword();  // extended style
    d.style = Dword();
    const int count = Word();
    Word(), Word();
    d.cx = static_cast<short>(Word());
    d.cy = static_cast<short>(Word());
    SzOrOrd();  // menu
    SzOrOrd();  // class
    d.caption = Sz();
    if (d.style & (DS_SETFONT | DS_SHELLFONT)) {
      d.pointSize = Word();
      Word();  // weight
      Word();  // italic, character set
      d.face = Sz();
    }
    for (int i = 0; i < count && ok_; ++i) {
      pos_ = (pos_ + 3) & ~size_t{3};
      Control c;
      Dword();  // help id
      Dword();  // extended style
      c.style = Dword();
      c.x = static_cast<short>(Word());
      c.y = static_cast<short>(Word());
      c.cx = static_cast<short>(Word());
      c.cy = static_cast<short>(Word());
      c.id = Dword();
      c.classAtom = SzOrOrd().second;
      c.text = SzOrOrd().first;
      pos_ += Word();  // creation data
      d.controls.push_back(c);
    }
    if (!ok_ || pos_ > bytes_.size()) return std::nullopt;
    return d;
  }

 private:
  int Word() {
    if (pos_ + 2 > bytes_.size()) return ok_ = false, 0;
    const int v = bytes_[pos_] | bytes_[pos_ + 1] << 8;
    pos_ += 2;
    return v;
  }
  DWORD Dword() { return static_cast<DWORD>(Word()) | static_cast<DWORD>(Word()) << 16; }
  std::wstring Sz() {
    std::wstring s;
    while (ok_) {
      const int c = Word();
      if (c == 0) break;
      s.push_back(static_cast<wchar_t>(c));
    }
    return s;
  }
  std::pair<std::wstring, int> SzOrOrd() {
    const size_t start = pos_;
    const int first = Word();
    if (first == 0xFFFF) return {L"", Word()};
    pos_ = start;
    return {Sz(), 0};
  }

  std::span<const std::uint8_t> bytes_;
  size_t pos_ = 0;
  bool ok_ = true;
};

TEST(ResourceAboutDialog, TemplateHasItsSizeFontAndControlPlaces) {
  auto parsed = TemplateReader(ResourceBytes(IDD_ABOUT, RT_DIALOG)).Read();
  ASSERT_TRUE(parsed) << "dialog 100 is missing or not an extended template";
  EXPECT_EQ(parsed->cx, 234);
  EXPECT_EQ(parsed->cy, 203);
  EXPECT_EQ(parsed->pointSize, 8);
  EXPECT_EQ(parsed->face, L"MS Shell Dlg");
  for (DWORD bit : {DWORD{WS_POPUP}, DWORD{WS_CAPTION}, DWORD{WS_SYSMENU}, DWORD{DS_MODALFRAME}})
    EXPECT_EQ(parsed->style & bit, bit) << std::hex << bit;

  struct Expected {
    DWORD id;
    short x, y, cx, cy;
    int classAtom;
  } expected[] = {
      {1003, 34, 77, 196, 10, 0x82}, {1004, 61, 91, 168, 8, 0x82}, {1005, 56, 106, 169, 8, 0x82},
      {1000, 70, 121, 93, 8, 0x82},  {1001, 70, 133, 84, 8, 0x82}, {1002, 70, 144, 76, 8, 0x82},
      {IDOK, 95, 187, 50, 14, 0x80},
  };
  ASSERT_EQ(parsed->controls.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    const Control& c = parsed->controls[i];
    const Expected& e = expected[i];
    SCOPED_TRACE(e.id);
    EXPECT_EQ(c.id, e.id);
    EXPECT_EQ(c.x, e.x);
    EXPECT_EQ(c.y, e.y);
    EXPECT_EQ(c.cx, e.cx);
    EXPECT_EQ(c.cy, e.cy);
    EXPECT_EQ(c.classAtom, e.classAtom);
  }
  EXPECT_EQ(parsed->controls.back().style & 0xF, DWORD{BS_DEFPUSHBUTTON}) << "OK is the default button";
  for (size_t i = 3; i < 6; ++i) EXPECT_TRUE(parsed->controls[i].style & SS_NOTIFY) << "links report clicks";
}

INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(ResourceAboutDialog, DialogManagerBuildsEveryControl) {
  HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), nullptr, NoHandling, 0);
  ASSERT_NE(dialog, nullptr) << "CreateDialogParamW failed, error " << GetLastError();
  for (int id : {IDC_ABOUT_WEBSITE_LINK, IDC_ABOUT_SUPPORT_LINK, IDC_ABOUT_SALES_LINK, IDC_ABOUT_TITLE,
                 IDC_ABOUT_RIGHTS, IDC_ABOUT_PRODUCT, IDOK})
    EXPECT_NE(GetDlgItem(dialog, id), nullptr) << "control " << id;
  wchar_t text[64] = {};
  GetDlgItemTextW(dialog, IDOK, text, 64);
  EXPECT_STREQ(text, L"OK");
  DestroyWindow(dialog);
}

}  // namespace
}  // namespace xr::resources_test
