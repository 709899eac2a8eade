// The nine colour sets and the look in force.
#include "framework/look.h"

#include "framework/settings.h"

namespace wnd {
namespace {

constexpr COLORREF Hex(unsigned rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The family styles share amber hot and pressed states.
constexpr Shade kAmberHot{Hex(0xFFF8D9), Hex(0xFFDC7A), Hex(0xDBB35B), Hex(0x000000)};
constexpr Shade kAmberPressed{Hex(0xFDD59A), Hex(0xFBB35B), Hex(0xC2922F), Hex(0x000000)};

const Look kFixedLooks[] = {
    {kLookClassic,
     L"Classic",
     {Hex(0xD4D0C8), Hex(0xD4D0C8), Hex(0x808080), Hex(0x000000)},
     {Hex(0xF4F3EE), Hex(0xD4D0C8), Hex(0x808080), Hex(0x000000)},
     {Hex(0xFFFFFF), Hex(0xE0DDD6), Hex(0x404040), Hex(0x000000)},
     {Hex(0xC0BDB5), Hex(0xD4D0C8), Hex(0x404040), Hex(0x000000)},
     Hex(0x808080),
     {Hex(0xD4D0C8), Hex(0xD4D0C8), Hex(0x808080), Hex(0x000000)},
     Hex(0xFFFFE1),
     Hex(0x000000),
     0},
    {kLookFlat,
     L"Flat",
     {Hex(0xF9F8F7), Hex(0xF9F8F7), Hex(0xC5C2B8), Hex(0x000000)},
     {Hex(0xFFFFFF), Hex(0xF3F2EF), Hex(0xACA899), Hex(0x000000)},
     {Hex(0xC1D2EE), Hex(0xC1D2EE), Hex(0x316AC5), Hex(0x000000)},
     {Hex(0x98B5E2), Hex(0x98B5E2), Hex(0x316AC5), Hex(0x000000)},
     Hex(0x8D8D8D),
     {Hex(0xF9F8F7), Hex(0xF9F8F7), Hex(0xC5C2B8), Hex(0x000000)},
     Hex(0xFFFFFF),
     Hex(0x000000),
     0},
    {kLookSystem, L"System", {}, {}, {}, {}, 0, {}, 0, 0, 2},  // filled from the system's colours
    {kLookGradient,
     L"Gradient",
     {Hex(0xDDECFE), Hex(0xA3C3F5), Hex(0x6A8CCB), Hex(0x000000)},
     {Hex(0xFFFFFF), Hex(0xC4DAFA), Hex(0x7F9DB9), Hex(0x000000)},
     {Hex(0xFFF4CC), Hex(0xFFD091), Hex(0x000080), Hex(0x000000)},
     {Hex(0xFED48E), Hex(0xFFAA4D), Hex(0x000080), Hex(0x000000)},
     Hex(0x8D8D8D),
     {Hex(0xDDECFE), Hex(0xA3C3F5), Hex(0x6A8CCB), Hex(0x000000)},
     Hex(0xFFFFE1),
     Hex(0x000000),
     2},
    {kLookStudio,
     L"Studio",
     {Hex(0xFBFAF7), Hex(0xE8E6DC), Hex(0xC2BFB3), Hex(0x000000)},
     {Hex(0xFDFDFB), Hex(0xECEAE3), Hex(0xB3B0A6), Hex(0x000000)},
     {Hex(0xDDE6F5), Hex(0xC1D2EE), Hex(0x316AC5), Hex(0x000000)},
     {Hex(0xB6CBEE), Hex(0x98B5E2), Hex(0x316AC5), Hex(0x000000)},
     Hex(0x8D8D8D),
     {Hex(0xF0EFE9), Hex(0xDDDAD0), Hex(0xB3B0A6), Hex(0x000000)},
     Hex(0xFFFFFF),
     Hex(0x000000),
     2},
    {kLookBlue,
     L"Blue",
     {Hex(0xE3EFFF), Hex(0xC4DAF6), Hex(0x8DB2E3), Hex(0x15428B)},
     {Hex(0xFAFCFF), Hex(0xD7E6F9), Hex(0x8DB2E3), Hex(0x15428B)},
     kAmberHot,
     kAmberPressed,
     Hex(0x8D9DB5),
     {Hex(0xDCE9F9), Hex(0xBDD5F2), Hex(0x86A4CF), Hex(0x15428B)},
     Hex(0xF7FAFF),
     Hex(0x15428B),
     3},
    {kLookBlack,
     L"Black",
     {Hex(0x5A5A5A), Hex(0x2F2F2F), Hex(0x1A1A1A), Hex(0xFFFFFF)},
     {Hex(0x707070), Hex(0x474747), Hex(0x2A2A2A), Hex(0xFFFFFF)},
     kAmberHot,
     kAmberPressed,
     Hex(0xA0A0A0),
     {Hex(0x4A4A4A), Hex(0x303030), Hex(0x1E1E1E), Hex(0xFFFFFF)},
     Hex(0x3C3C3C),
     Hex(0xFFFFFF),
     3},
    {kLookSilver,
     L"Silver",
     {Hex(0xF3F5F8), Hex(0xD8DDE5), Hex(0xA5ACB5), Hex(0x3B3B3B)},
     {Hex(0xFDFDFD), Hex(0xE0E4EA), Hex(0xA5ACB5), Hex(0x3B3B3B)},
     kAmberHot,
     kAmberPressed,
     Hex(0x9A9A9A),
     {Hex(0xE9ECF0), Hex(0xCDD2DA), Hex(0x9EA5AE), Hex(0x3B3B3B)},
     Hex(0xFFFFFF),
     Hex(0x3B3B3B),
     3},
    {kLookAqua,
     L"Aqua",
     {Hex(0xE6F3F7), Hex(0xBFDCE6), Hex(0x86B4C4), Hex(0x1F4E5E)},
     {Hex(0xF9FDFE), Hex(0xD3EAF1), Hex(0x86B4C4), Hex(0x1F4E5E)},
     kAmberHot,
     kAmberPressed,
     Hex(0x8FA9B2),
     {Hex(0xDCEFF5), Hex(0xB6D6E1), Hex(0x7FA9B8), Hex(0x1F4E5E)},
     Hex(0xF5FBFD),
     Hex(0x1F4E5E),
     3},
};

Look g_system = kFixedLooks[kLookSystem - kLookFirst];
UINT g_currentId = kLookDefault;
UINT g_familyId = kLookDefault;  // the family style in force for ids outside 210 to 218

// The system look is taken from the system's colours each time it is asked for, so it follows
// a change of the desktop's scheme.
const Look& SystemLook() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF text = GetSysColor(COLOR_BTNTEXT);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF pressed = GetSysColor(COLOR_3DSHADOW);
  g_system.band = Shade{face, face, shadow, text};
  g_system.button = Shade{light, face, shadow, text};
  g_system.hot = Shade{light, GetSysColor(COLOR_3DLIGHT), highlight, text};
  g_system.pressed = Shade{pressed, pressed, highlight, text};
  g_system.disabledText = GetSysColor(COLOR_GRAYTEXT);
  g_system.status = Shade{face, face, shadow, text};
  g_system.tipBack = GetSysColor(COLOR_INFOBK);
  g_system.tipText = GetSysColor(COLOR_INFOTEXT);
  return g_system;
}

bool InRange(UINT id) { return id >= kLookFirst && id <= kLookLast; }

}  // namespace

const Look& LookFor(UINT id) {
  if (!InRange(id)) id = g_familyId;
  if (id == kLookSystem) return SystemLook();
  return kFixedLooks[id - kLookFirst];
}

const Look& CurrentLook() { return LookFor(g_currentId); }

UINT CurrentLookId() { return g_currentId; }

void SelectLook(UINT id) {
  g_currentId = id;
  if (id >= kLookBlue && id <= kLookAqua) g_familyId = id;
}

UINT LoadLookSetting(const Settings& settings) {
  return static_cast<UINT>(settings.ReadInt(kLookSetting, static_cast<int>(kLookDefault)));
}

bool SaveLookSetting(const Settings& settings, UINT id) {
  return settings.WriteInt(kLookSetting, static_cast<int>(id));
}

}  // namespace wnd
