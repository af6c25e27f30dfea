#include "foundation/ZYLFormUtils.h"

#include <algorithm>
#include <string>
#include <vector>

#include "foundation/IntfZYLBackground.h"
#include "foundation/ZYLApplication.h"
#include "platform/controls/Forms.h"
#include "platform/user/DCGuards.h"
#include "platform/user/WinUser.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

void ZYLGetLightColors(TZYLLightColor LightColor, vcl::TColor& Active, vcl::TColor& Inactive) {
  switch (LightColor) {
    case lcBlue: Active = vcl::clBlue; Inactive = vcl::clNavy; break;
    case lcRed: Active = vcl::clRed; Inactive = vcl::clMaroon; break;
    case lcYellow: Active = vcl::clYellow; Inactive = vcl::clOlive; break;
    case lcMarine: Active = vcl::clAqua; Inactive = vcl::clTeal; break;
    case lcPurple: Active = vcl::clFuchsia; Inactive = vcl::clPurple; break;
    case lcGreen:
    case lcNone:
    default: Active = vcl::clLime; Inactive = vcl::clGreen; break;
  }
}

namespace {

bool IsOfClassNamed(const vcl::TObject* Obj, const char* Name) {
  for (vcl::TClass c = Obj ? Obj->ClassType() : nullptr; c; c = c->ClassParent())
    if (c->ClassName() == Name) return true;
  return false;
}

}  // namespace

bool ZYLCheckForSameClass(vcl::TComponent* Owner, vcl::TClass ComponentClass,
                          bool AllowDataModule) {
  if (!ComponentClass) return false;
  const bool validOwner = dynamic_cast<vcl::TForm*>(Owner) ||
                          (AllowDataModule && IsOfClassNamed(Owner, "TDataModule"));
  if (!validOwner) return true;
  int same = 0;
  for (int i = 0; i < Owner->ComponentCount(); ++i)
    if (Owner->Components(i)->InheritsFrom(ComponentClass)) ++same;
  return same >= 2;
}

void ZYLSetCtlXP(vcl::TCustomForm* Form, bool Value) {
  if (!Form) return;
  for (int i = 0; i < Form->ComponentCount(); ++i) {
    IZYLThemes* themes = nullptr;
    if (ZYLSupports(Form->Components(i), themes)) themes->SetCtlXP(Value);
  }
}

void ZYLCenterForm(vcl::TCustomForm* Form) {
  if (!Form) return;
  const int sw = win::GetSystemMetrics(win::SM_CXSCREEN);
  const int sh = win::GetSystemMetrics(win::SM_CYSCREEN);
  Form->SetBounds((sw - Form->Width()) / 2, (sh - Form->Height()) / 2, Form->Width(),
                  Form->Height());
}

namespace {

// Focus rectangles growing from Start to the form's bounds in ten steps, each drawn and then
// drawn again (the focus rectangle inverts, so the second drawing takes it away).
void GrowRectangles(vcl::TCustomForm* Form, const win::TPoint& Start) {
  if (!Form) return;
  const win::TRect target{Form->Left(), Form->Top(), Form->Left() + Form->Width(),
                          Form->Top() + Form->Height()};
  win::TWindowDC dc(nullptr);
  if (!dc) return;
  constexpr int steps = 10;
  for (int i = 1; i <= steps; ++i) {
    const win::RECT r{Start.X + (target.Left - Start.X) * i / steps,
                      Start.Y + (target.Top - Start.Y) * i / steps,
                      Start.X + (target.Right - Start.X) * i / steps,
                      Start.Y + (target.Bottom - Start.Y) * i / steps};
    if (r.Right - r.Left < 2 || r.Bottom - r.Top < 2) continue;
    win::DrawFocusRect(dc, &r);
    win::DrawFocusRect(dc, &r);
  }
}

}  // namespace

void ZYLExplodeForm(vcl::TCustomForm* Form) {
  win::POINT p{};
  win::GetCursorPos(&p);
  GrowRectangles(Form, p);
}

void ZYLExplodeForm2(vcl::TCustomForm* Form) {
  if (!Form) return;
  ZYLExplodeForm(Form);
  GrowRectangles(Form, win::TPoint{Form->Left() + Form->Width() / 2,
                                   Form->Top() + Form->Height() / 2});
}

void ZYLActivatePrevInstance() {
  TZYLApplication* app = ZYLApplication();
  if (!app || !app->PrevInstance() || !vcl::Application) return;
  const std::string title = vcl::Application->Title();
  // The own application window gives up its title so that the search finds the other one.
  if (win::HWND own = vcl::Application->Handle()) win::SetWindowTextA(own, "");
  win::HWND other = win::FindWindowA("TApplication", title.c_str());
  if (!other || other == vcl::Application->Handle()) return;
  if (win::IsIconic(other))
    win::ShowWindow(other, win::SW_RESTORE);
  else
    win::SetForegroundWindow(other);
}

void ZYLWait(uint32_t Milliseconds) {
  if (Milliseconds == 0) return;
  const uint64_t start = win::GetTickCount64();
  for (;;) {
    if (vcl::Application) vcl::Application->ProcessMessages();
    if (vcl::Application && vcl::Application->Terminated()) return;
    const uint64_t passed = win::GetTickCount64() - start;
    if (passed >= Milliseconds) return;
    // Wakes for input or when the rest of the time has passed.
    win::MsgWaitForMultipleObjects(0, nullptr, win::FALSE,
                                   static_cast<win::DWORD>(Milliseconds - passed),
                                   win::QS_ALLINPUT);
  }
}

void ZYLNCCalcDrawingArea(win::HWND Window, win::TRect& CaptionRect, win::TRect& TextRect,
                          uint32_t& Flags) {
  CaptionRect = TextRect = win::TRect{};
  win::RECT wr{};
  if (!Window || !win::GetWindowRect(Window, &wr)) return;
  const auto style = static_cast<win::DWORD>(win::GetWindowLongA(Window, win::GWL_STYLE));
  const auto exStyle = static_cast<win::DWORD>(win::GetWindowLongA(Window, win::GWL_EXSTYLE));
  if ((style & win::WS_CAPTION) != win::WS_CAPTION) return;
  // The frame: a sizing frame, a single line, or the fixed dialog frame.
  int bx, by;
  if (Flags & ZYL_NC_SINGLEBORDER) {
    bx = win::GetSystemMetrics(win::SM_CXBORDER);
    by = win::GetSystemMetrics(win::SM_CYBORDER);
  } else if (style & win::WS_THICKFRAME) {
    bx = win::GetSystemMetrics(win::SM_CXFRAME);
    by = win::GetSystemMetrics(win::SM_CYFRAME);
  } else {
    bx = win::GetSystemMetrics(win::SM_CXFIXEDFRAME);
    by = win::GetSystemMetrics(win::SM_CYFIXEDFRAME);
  }
  const bool small = (exStyle & win::WS_EX_TOOLWINDOW) != 0;
  if (small) Flags |= ZYL_NC_SMALLCAPTION;
  const int captionHeight =
      win::GetSystemMetrics(small ? win::SM_CYSMCAPTION : win::SM_CYCAPTION) - 1;
  const int width = wr.Right - wr.Left;
  CaptionRect = win::TRect{bx, by, width - bx, by + captionHeight};
  TextRect = CaptionRect;
  const bool sysMenu = (style & win::WS_SYSMENU) != 0;
  if (sysMenu && !small && !(exStyle & win::WS_EX_DLGMODALFRAME)) {
    Flags |= ZYL_NC_SYSICON;
    TextRect.Left += win::GetSystemMetrics(win::SM_CXSMICON) + 2;
  }
  if (sysMenu) {
    // The close button, and the minimize and maximize pair when either is there.
    const int button = win::GetSystemMetrics(small ? win::SM_CXSMSIZE : win::SM_CXSIZE);
    int buttons = 1;
    if (!small && (style & (win::WS_MINIMIZEBOX | win::WS_MAXIMIZEBOX))) buttons += 2;
    TextRect.Right -= buttons * button;
  }
  if (Flags & ZYL_NC_OWNERDRAW) {
    TextRect.Left += 2;
    TextRect.Right -= 2;
  }
  if (TextRect.Right < TextRect.Left) TextRect.Right = TextRect.Left;
}

void ZYLCheckSystemMenu(TZYLSysMenuEntries Entries, win::HMENU Menu, bool ApplicationMenu) {
  if (win::GetMenuItemCount(Menu) < 0) return;
  // The standard layout, top down; a separator is marked by Separator.
  struct Slot {
    TZYLSysMenuEntry Entry;
    bool Separator;
  };
  std::vector<Slot> layout;
  layout.push_back({smRestore, false});
  layout.push_back({smMove, false});
  if (!ApplicationMenu) layout.push_back({smSize, false});
  layout.push_back({smMinimize, false});
  if (!ApplicationMenu) layout.push_back({smMaximize, false});
  layout.push_back({smClose, true});
  layout.push_back({smClose, false});
  if (!vcl::NewStyleControls) {
    layout.push_back({smSwitch, true});
    layout.push_back({smSwitch, false});
  }
  // Bottom up, so the positions of the entries still to look at stay valid.
  for (int pos = static_cast<int>(layout.size()) - 1; pos >= 0; --pos) {
    const Slot& slot = layout[static_cast<size_t>(pos)];
    if (!slot.Separator && !Entries.contains(slot.Entry))
      win::DeleteMenu(Menu, static_cast<win::UINT>(pos), win::MF_BYPOSITION);
  }
  // Separators with nothing on one side, or doubled, are dropped (again bottom up).
  for (int pos = win::GetMenuItemCount(Menu) - 1; pos >= 0; --pos) {
    const auto isSeparator = [Menu](int p) {
      const win::UINT state = win::GetMenuState(Menu, static_cast<win::UINT>(p), win::MF_BYPOSITION);
      return state != static_cast<win::UINT>(-1) && (state & win::MF_SEPARATOR) != 0;
    };
    if (!isSeparator(pos)) continue;
    const int count = win::GetMenuItemCount(Menu);
    if (pos == 0 || pos == count - 1 || isSeparator(pos + 1))
      win::DeleteMenu(Menu, static_cast<win::UINT>(pos), win::MF_BYPOSITION);
  }
}

}  // namespace zyl
