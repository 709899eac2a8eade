// The application's looks: nine colour sets for the parts the layer draws itself (the menu and
// tool band, buttons, the status bar, tooltips), chosen by the command ids 210 to 218 and kept
// per user as "ApplicationLook".
#pragma once

#include <windows.h>

namespace wnd {

class Settings;

inline constexpr UINT kLookClassic = 210;
inline constexpr UINT kLookFlat = 211;
inline constexpr UINT kLookSystem = 212;  // follows the system's colours
inline constexpr UINT kLookGradient = 213;
inline constexpr UINT kLookStudio = 214;
inline constexpr UINT kLookBlue = 215;  // 215 to 218 form one family of styles
inline constexpr UINT kLookBlack = 216;
inline constexpr UINT kLookSilver = 217;
inline constexpr UINT kLookAqua = 218;
inline constexpr UINT kLookFirst = kLookClassic;
inline constexpr UINT kLookLast = kLookAqua;
inline constexpr UINT kLookDefault = kLookBlue;
inline constexpr const wchar_t* kLookSetting = L"ApplicationLook";

// Four colours of one drawn part: a vertical gradient, its edge (a border or the foot line of a
// band) and the text drawn on it.
struct Shade {
  COLORREF top, bottom, edge, text;
};

struct Look {
  UINT id;
  const wchar_t* name;
  Shade band;     // the menu and tool band
  Shade button;   // a button at rest
  Shade hot;      // a button under the pointer
  Shade pressed;  // a button held down or checked
  COLORREF disabledText;
  Shade status;  // the status bar
  COLORREF tipBack, tipText;
  int cornerRadius;
};

// The look of an id from 210 to 218. Any other id gives the family style in force (blue until
// one of 215 to 218 has been selected).
const Look& LookFor(UINT id);

// The look in force for the whole process, and its id as selected (which may lie outside 210 to
// 218; it is stored as it was given).
const Look& CurrentLook();
UINT CurrentLookId();
void SelectLook(UINT id);

// The stored look, 215 when none is stored; and storing one.
UINT LoadLookSetting(const Settings& settings);
bool SaveLookSetting(const Settings& settings, UINT id);

}  // namespace wnd
