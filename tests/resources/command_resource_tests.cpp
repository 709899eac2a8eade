// Menus, accelerator keys, the toolbar layout and the string table: ids and texts exactly as the
// frame, the status bar and the command routing expect them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource.h"
#include "resource_reader.h"

namespace xr::resources_test {
namespace {

struct MenuEntry {
  UINT id;               // 0 for a separator
  std::wstring text;
};

std::vector<MenuEntry> Entries(HMENU menu) {
  std::vector<MenuEntry> entries;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 128;
    if (!GetMenuItemInfoW(menu, i, TRUE, &info)) break;
    entries.push_back({(info.fType & MFT_SEPARATOR) ? 0u : info.wID, text});
  }
  return entries;
}

void ExpectEntries(HMENU menu, const std::vector<MenuEntry>& expected) {
  auto actual = Entries(menu);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].id, expected[i].id) << "entry " << i;
    if (expected[i].id) EXPECT_EQ(actual[i].text, expected[i].text) << "entry " << i;
  }
}

TEST(ResourceMenus, MainMenuHasFileAndHelpWithTheirCommands) {
  HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(GetMenuItemCount(menu), 2);
  wchar_t title[32] = {};
  GetMenuStringW(menu, 0, title, 32, MF_BYPOSITION);
  EXPECT_STREQ(title, L"&File");
  GetMenuStringW(menu, 1, title, 32, MF_BYPOSITION);
  EXPECT_STREQ(title, L"&Help");
  ExpectEntries(GetSubMenu(menu, 0), {{ID_MENU_SELECT_FILES, L"&Select File(s)\tCtrl+N"},
                                      {0, L""},
                                      {ID_MENU_REMOVE_FILES, L"&Remove File(s)\tCtrl+O"},
                                      {ID_MENU_REPAIR_FILES, L"&Repair File(s)\tCtrl+S"},
                                      {0, L""},
                                      {ID_MENU_BROWSE_FOLDER, L"Browse folder"},
                                      {ID_MENU_SAVE_FILES, L"Save file(s)"},
                                      {0, L""},
                                      {ID_CMD_EXIT, L"E&xit"}});
  ExpectEntries(GetSubMenu(menu, 1), {{ID_MENU_ABOUT, L"&About Tandrel xlsx Repair"},
                                      {0, L""},
                                      {ID_MENU_SOFTWARE_HELP, L"Software Help"},
                                      {ID_MENU_VISIT_WEBPAGE, L"Visit Software WebPage"}});
  DestroyMenu(menu);
}

TEST(ResourceMenus, LookMenuOffersTheFourOffice2007Styles) {
  HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_LOOK_MENU));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(GetMenuItemCount(menu), 1);
  ExpectEntries(GetSubMenu(menu, 0), {{215, L"Office 2007 (&Blue Style)"},
                                      {216, L"Office 2007 (B&lack Style)"},
                                      {217, L"Office 2007 (&Silver Style)"},
                                      {218, L"Office 2007 (&Aqua Style)"}});
  DestroyMenu(menu);
}

// Ctrl+O selects files and Ctrl+S saves, whatever the menu labels say; the keys reach the view only
// as the generic New, Open and Save commands, so no key may send a view command directly.
TEST(ResourceAccelerators, KeysSendTheGenericCommands) {
  HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
  ASSERT_NE(table, nullptr);
  std::vector<ACCEL> keys(static_cast<size_t>(CopyAcceleratorTableW(table, nullptr, 0)));
  ASSERT_EQ(CopyAcceleratorTableW(table, keys.data(), static_cast<int>(keys.size())), static_cast<int>(keys.size()));
  auto command = [&](BYTE modifiers, WORD key) -> int {
    for (const ACCEL& a : keys)
      if (a.key == key && (a.fVirt & ~FNOINVERT) == (FVIRTKEY | modifiers)) return a.cmd;
    return -1;
  };
  struct Case {
    BYTE modifiers;
    WORD key;
    int expected;
  } cases[] = {
      {FCONTROL, 'N', 57600}, {FCONTROL, 'O', 57601}, {FCONTROL, 'S', 57603},
      {0, VK_F6, ID_CMD_NEXT_PANE}, {FSHIFT, VK_F6, ID_CMD_PREV_PANE},
      {FCONTROL, 'C', ID_CMD_EDIT_COPY}, {FCONTROL, 'V', ID_CMD_EDIT_PASTE}, {FCONTROL, 'X', ID_CMD_EDIT_CUT},
      {FCONTROL, 'Z', ID_CMD_EDIT_UNDO},
  };
  for (const auto& c : cases) EXPECT_EQ(command(c.modifiers, c.key), c.expected) << "key " << c.key;
  for (const ACCEL& a : keys) {
    EXPECT_FALSE(a.cmd >= ID_MENU_SELECT_FILES && a.cmd <= ID_MENU_VISIT_WEBPAGE) << "key " << a.key;
  }
  DestroyAcceleratorTable(table);
}

TEST(ResourceToolbar, ListsSevenButtonsOfFortyEightPixelsInOrder) {
  auto bytes = ResourceBytes(IDR_TOOLBAR, MAKEINTRESOURCEW(241));
  ASSERT_GE(bytes.size(), 8u);
  auto word = [&](size_t i) { return bytes[2 * i] | bytes[2 * i + 1] << 8; };
  EXPECT_EQ(word(0), 1) << "version";
  EXPECT_EQ(word(1), TOOLBAR_IMAGE_SIZE);
  EXPECT_EQ(word(2), TOOLBAR_IMAGE_SIZE);
  const int count = word(3);
  ASSERT_EQ(bytes.size(), 8u + 2u * count);
  std::vector<int> ids;
  for (int i = 0; i < count; ++i) ids.push_back(word(4 + i));
  EXPECT_EQ(ids, (std::vector<int>{32773, 32774, 32775, 32802, 32804, 32788, 32785}));
}

std::wstring LoadText(UINT id) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

// Texts byte for byte, blanks at the ends included: the framework splits prompt and tooltip at
// the line feed and shows both as they are.
TEST(ResourceStrings, EveryTextAsTheProgramShowsIt) {
  const std::pair<UINT, const wchar_t*> cases[] = {
      {100, L"OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
      {124, L"Standard"},
      {125, L"Customize..."},
      {128, L"v01.0\nTandrel xlsx Repair\n\n\nVantorMSOfficeXlsxProj.Document\nVantorMSOfficeXlsxProj.Document"},
      {57344, L"Tandrel xlsx Repair"},
      {57345, L"Tandrel xlsx Repair"},
      {32773, L"Select corrupt xlsx file(s)\nSelect file(s)"},
      {32774, L"Remove xlsx file(s) from the list\nRemove file(s)"},
      {32775, L"Repair xlsx file(s)\nRepair file(s)"},
      {32785, L"About Tandrel xlsx Repair\nAbout "},
      {32788, L"Help for Tandrel xlsx Repair\nHelp"},
      {32802, L"Browse destination path to save file(s)\nBrowse folder"},
      {32804, L"Save repaired file(s)\n Save file(s)"},
      {32806, L"Visit Software WebPage"},
      {IDS_INDICATOR_CAPS, L"CAP"},
      {IDS_INDICATOR_NUM, L"NUM"},
      {IDS_INDICATOR_SCRL, L"SCRL"},
  };
  for (const auto& [id, text] : cases) EXPECT_EQ(LoadText(id), text) << "string " << id;
}

}  // namespace
}  // namespace xr::resources_test
