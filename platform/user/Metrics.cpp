// System metrics and parameters from one fixed table (the classic scheme at 96 dots per inch).
#include <algorithm>
#include <cstring>

#include "platform/user/UserInternal.h"

namespace win {

using namespace user;

namespace {

LOGFONTA MakeFont(const char* face, LONG height, LONG weight) {
  LOGFONTA lf;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return lf;
}

void FillNonClient(NONCLIENTMETRICSA& m) {
  m.cbSize = sizeof(NONCLIENTMETRICSA);
  m.iBorderWidth = 1;
  m.iScrollWidth = 16;
  m.iScrollHeight = 16;
  m.iCaptionWidth = 18;
  m.iCaptionHeight = 18;
  m.lfCaptionFont = MakeFont("Tahoma", -11, FW_BOLD);
  m.iSmCaptionWidth = 12;
  m.iSmCaptionHeight = 14;
  m.lfSmCaptionFont = MakeFont("Tahoma", -11, FW_BOLD);
  m.iMenuWidth = 18;
  m.iMenuHeight = 18;
  m.lfMenuFont = MakeFont("Tahoma", -11, FW_NORMAL);
  m.lfStatusFont = MakeFont("Tahoma", -11, FW_NORMAL);
  m.lfMessageFont = MakeFont("Tahoma", -11, FW_NORMAL);
}

}  // namespace

static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the platform's layout");

int GetSystemMetrics(int index) {
  EnsureInit();
  const State& s = UserState();
  const int cx = s.ScreenWidth, cy = s.ScreenHeight;
  switch (index) {
    case SM_CXSCREEN: return cx;
    case SM_CYSCREEN: return cy;
    case SM_CXVSCROLL: return 16;
    case SM_CYHSCROLL: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER: return 1;
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME: return 3;
    case SM_CYDLGFRAME: return 3;
    case SM_CYVTHUMB: return 16;
    case SM_CXHTHUMB: return 16;
    case SM_CXICON: return 32;
    case SM_CYICON: return 32;
    case SM_CXCURSOR: return 32;
    case SM_CYCURSOR: return 32;
    case SM_CYMENU: return 19;
    case SM_CXFULLSCREEN: return s.WorkArea.Width();
    case SM_CYFULLSCREEN: return s.WorkArea.Height() - 19;
    case SM_CYKANJIWINDOW: return 0;
    case SM_MOUSEPRESENT: return 1;
    case SM_CYVSCROLL: return 16;
    case SM_CXHSCROLL: return 16;
    case SM_DEBUG: return 0;
    case SM_SWAPBUTTON: return 0;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXSIZE: return 18;
    case SM_CYSIZE: return 18;
    case SM_CXFRAME: return 4;
    case SM_CYFRAME: return 4;
    case SM_CXMINTRACK: return 112;
    case SM_CYMINTRACK: return 27;
    case SM_CXDOUBLECLK: return s.DoubleClickWidth;
    case SM_CYDOUBLECLK: return s.DoubleClickHeight;
    case SM_CXICONSPACING: return 75;
    case SM_CYICONSPACING: return 75;
    case SM_MENUDROPALIGNMENT: return 0;
    case SM_PENWINDOWS: return 0;
    case SM_DBCSENABLED: return 0;
    case SM_CMOUSEBUTTONS: return 3;
    case SM_SECURE: return 0;
    case SM_CXEDGE: return 2;
    case SM_CYEDGE: return 2;
    case SM_CXMINSPACING: return 160;
    case SM_CYMINSPACING: return 24;
    case SM_CXSMICON: return 16;
    case SM_CYSMICON: return 16;
    case SM_CYSMCAPTION: return 15;
    case SM_CXSMSIZE: return 12;
    case SM_CYSMSIZE: return 14;
    case SM_CXMENUSIZE: return 18;
    case SM_CYMENUSIZE: return 18;
    case SM_ARRANGE: return 8;
    case SM_CXMINIMIZED: return 160;
    case SM_CYMINIMIZED: return 24;
    case SM_CXMAXTRACK: return cx + 12;
    case SM_CYMAXTRACK: return cy + 12;
    case SM_CXMAXIMIZED: return s.WorkArea.Width() + 8;
    case SM_CYMAXIMIZED: return s.WorkArea.Height() + 8;
    case SM_NETWORK: return 3;
    case SM_CLEANBOOT: return 0;
    case SM_CXDRAG: return 4;
    case SM_CYDRAG: return 4;
    case SM_SHOWSOUNDS: return 0;
    case SM_CXMENUCHECK: return 13;
    case SM_CYMENUCHECK: return 13;
    case SM_SLOWMACHINE: return 0;
    case SM_MIDEASTENABLED: return 0;
    case SM_MOUSEWHEELPRESENT: return 1;
    case SM_XVIRTUALSCREEN: return 0;
    case SM_YVIRTUALSCREEN: return 0;
    case SM_CXVIRTUALSCREEN: return cx;
    case SM_CYVIRTUALSCREEN: return cy;
    case SM_CMONITORS: return 1;
    case SM_SAMEDISPLAYFORMAT: return 1;
    case SM_CXFOCUSBORDER: return 1;
    case SM_CYFOCUSBORDER: return 1;
    case SM_REMOTESESSION: return 0;
    default: return 0;
  }
}

namespace {

// The actions that change a setting (those a program may ask to be told to every window).
bool ChangesSetting(UINT action) {
  for (UINT set :
       {SPI_SETBEEP, SPI_SETKEYBOARDSPEED, SPI_SETSCREENSAVEACTIVE, SPI_SETDESKWALLPAPER,
        SPI_SETKEYBOARDDELAY, SPI_SETDOUBLECLKWIDTH, SPI_SETDOUBLECLKHEIGHT, SPI_SETDOUBLECLICKTIME,
        SPI_SETDRAGFULLWINDOWS, SPI_SETWORKAREA, SPI_SETFONTSMOOTHING, SPI_SETSNAPTODEFBUTTON,
        SPI_SETANIMATION, SPI_SETWHEELSCROLLLINES})
    if (action == set) return true;
  return false;
}

BOOL ApplyParameter(UINT action, UINT uiParam, LPVOID pv) {
  EnsureInit();
  State& s = UserState();
  auto setInt = [&](int v) {
    if (!pv) return FALSE;
    *static_cast<int*>(pv) = v;
    return TRUE;
  };
  auto setBool = [&](BOOL v) {
    if (!pv) return FALSE;
    *static_cast<BOOL*>(pv) = v;
    return TRUE;
  };
  switch (action) {
    case SPI_GETBEEP: return setBool(s.WarningBeep);
    case SPI_SETBEEP: s.WarningBeep = uiParam ? TRUE : FALSE; return TRUE;
    case SPI_GETMOUSE: {
      if (!pv) return FALSE;
      int* v = static_cast<int*>(pv);
      v[0] = 6;
      v[1] = 10;
      v[2] = 1;
      return TRUE;
    }
    case SPI_GETBORDER: return setInt(1);
    case SPI_GETKEYBOARDSPEED: return setInt(static_cast<int>(s.KeyboardSpeed));
    case SPI_SETKEYBOARDSPEED: s.KeyboardSpeed = uiParam > 31 ? 31 : uiParam; return TRUE;
    case SPI_ICONHORIZONTALSPACING:
    case SPI_ICONVERTICALSPACING: return pv ? setInt(75) : TRUE;
    case SPI_GETSCREENSAVETIMEOUT: return setInt(900);
    case SPI_GETSCREENSAVEACTIVE: return setBool(s.ScreenSaveActive);
    case SPI_SETSCREENSAVEACTIVE: s.ScreenSaveActive = uiParam ? TRUE : FALSE; return TRUE;
    case SPI_SETDESKWALLPAPER:
      s.Wallpaper = pv ? static_cast<const char*>(pv) : "";
      return TRUE;
    case SPI_GETDESKWALLPAPER: {
      if (!pv || uiParam == 0) return FALSE;
      const size_t n = std::min<size_t>(s.Wallpaper.size(), uiParam - 1);
      std::memcpy(pv, s.Wallpaper.data(), n);
      static_cast<char*>(pv)[n] = 0;
      return TRUE;
    }
    case SPI_GETKEYBOARDDELAY: return setInt(static_cast<int>(s.KeyboardDelay));
    case SPI_SETKEYBOARDDELAY: s.KeyboardDelay = uiParam > 3 ? 3 : uiParam; return TRUE;
    case SPI_GETICONTITLEWRAP: return setBool(TRUE);
    case SPI_GETMENUDROPALIGNMENT: return setBool(FALSE);
    case SPI_SETDOUBLECLKWIDTH: s.DoubleClickWidth = static_cast<int>(uiParam); return TRUE;
    case SPI_SETDOUBLECLKHEIGHT: s.DoubleClickHeight = static_cast<int>(uiParam); return TRUE;
    case SPI_SETDOUBLECLICKTIME: s.DoubleClickTime = uiParam ? uiParam : 500; return TRUE;
    case SPI_GETICONTITLELOGFONT: {
      if (!pv || uiParam < sizeof(LOGFONTA)) return FALSE;
      *static_cast<LOGFONTA*>(pv) = MakeFont("Tahoma", -11, FW_NORMAL);
      return TRUE;
    }
    case SPI_GETFASTTASKSWITCH: return setBool(TRUE);
    case SPI_SETDRAGFULLWINDOWS: s.DragFullWindows = uiParam ? TRUE : FALSE; return TRUE;
    case SPI_GETDRAGFULLWINDOWS: return setBool(s.DragFullWindows);
    case SPI_GETNONCLIENTMETRICS: {
      if (!pv) return FALSE;
      auto* m = static_cast<NONCLIENTMETRICSA*>(pv);
      if (m->cbSize != sizeof(NONCLIENTMETRICSA)) return FALSE;
      FillNonClient(*m);
      return TRUE;
    }
    case SPI_GETWORKAREA: {
      if (!pv) return FALSE;
      *static_cast<RECT*>(pv) = s.WorkArea;
      return TRUE;
    }
    case SPI_SETWORKAREA: {
      const TRect screen = {0, 0, s.ScreenWidth, s.ScreenHeight};
      TRect r = pv ? *static_cast<const RECT*>(pv) : screen;
      IntersectRect(&r, &r, &screen);
      if (IsRectEmpty(&r)) return FALSE;
      s.WorkArea = r;
      return TRUE;
    }
    case SPI_GETSHOWSOUNDS: return setBool(FALSE);
    case SPI_GETHIGHCONTRAST: return FALSE;
    case SPI_GETKEYBOARDPREF: return setBool(FALSE);
    case SPI_GETSCREENREADER: return setBool(FALSE);
    case SPI_GETFONTSMOOTHING: return setBool(s.FontSmoothing);
    case SPI_SETFONTSMOOTHING: s.FontSmoothing = uiParam ? TRUE : FALSE; return TRUE;
    case SPI_GETSNAPTODEFBUTTON: return setBool(s.SnapToDefButton);
    case SPI_SETSNAPTODEFBUTTON: s.SnapToDefButton = uiParam ? TRUE : FALSE; return TRUE;
    case SPI_GETANIMATION:
    case SPI_SETANIMATION: {
      auto* ai = static_cast<ANIMATIONINFO*>(pv);
      if (!ai || ai->cbSize != sizeof(ANIMATIONINFO) || uiParam != sizeof(ANIMATIONINFO)) return FALSE;
      if (action == SPI_GETANIMATION) ai->iMinAnimate = s.MinAnimate;
      else s.MinAnimate = ai->iMinAnimate ? 1 : 0;
      return TRUE;
    }
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT: return setInt(4);
    case SPI_GETMOUSEHOVERTIME: return setInt(400);
    case SPI_GETWHEELSCROLLLINES: return setInt(static_cast<int>(s.WheelLines));
    case SPI_SETWHEELSCROLLLINES: s.WheelLines = uiParam; return TRUE;
    case SPI_GETMENUSHOWDELAY: return setInt(400);
    case SPI_GETMOUSESPEED: return setInt(10);
    case SPI_GETSCREENSAVERRUNNING: return setBool(FALSE);
    case SPI_GETACTIVEWINDOWTRACKING:
    case SPI_GETMENUANIMATION:
    case SPI_GETCOMBOBOXANIMATION:
    case SPI_GETLISTBOXSMOOTHSCROLLING:
    case SPI_GETMENUFADE:
    case SPI_GETSELECTIONFADE:
    case SPI_GETTOOLTIPANIMATION:
    case SPI_GETTOOLTIPFADE:
    case SPI_GETCURSORSHADOW:
    case SPI_GETFLATMENU:
    case SPI_GETDROPSHADOW:
    case SPI_GETHOTTRACKING: return setBool(FALSE);
    case SPI_GETGRADIENTCAPTIONS: return setBool(TRUE);
    case SPI_GETKEYBOARDCUES: return setBool(TRUE);
    case SPI_GETFOREGROUNDLOCKTIMEOUT: return setInt(0);
    case SPI_GETCARETWIDTH: return setInt(1);
    case SPI_GETFONTSMOOTHINGTYPE: return setInt(1);
    case SPI_GETFOCUSBORDERWIDTH:
    case SPI_GETFOCUSBORDERHEIGHT: return setInt(1);
    default: return FALSE;
  }
}

}  // namespace

// A setting changed with SPIF_SENDCHANGE is told to every top-level window (WM_SETTINGCHANGE
// with the action in WParam), as the system does once the setting holds.
BOOL SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pv, UINT winIni) {
  const BOOL done = ApplyParameter(action, uiParam, pv);
  if (done && (winIni & SPIF_SENDCHANGE) && ChangesSetting(action))
    SendMessageA(HWND_BROADCAST, WM_SETTINGCHANGE, action, 0);
  return done;
}

}  // namespace win
