#include "system/ZYLFormShadow.h"

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLFormUtils.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLFormShadow) {
  using T = TZYLFormShadow;
  b.Publish("About")
      .Prop("Shadow", &T::Shadow, &T::SetShadow)
      .Publish("Enabled")
      .Prop("ShowInActive", &T::ShowInActive, &T::SetShowInActive)
      .Default(true);
}

namespace {

constexpr const char* kClassName = TZYLFormShadow::ClassName_;
constexpr int kExtraBytes = 20;

bool Designing(const vcl::TComponent* c) { return c->ComponentState().contains(vcl::csDesigning); }

// The strips paint themselves from the style and colour kept in their window bytes.
win::LRESULT StripProc(win::HWND Wnd, win::UINT Msg, win::WPARAM WParam, win::LPARAM LParam) {
  if (Msg == win::WM_SETFOCUS) return 0;
  if (Msg == win::WM_ERASEBKGND) {
    const auto style =
        static_cast<TZYLShadowStyle>(win::GetWindowLongA(Wnd, TZYLFormShadow::StyleOffset));
    const auto color =
        static_cast<vcl::TColor>(win::GetWindowLongA(Wnd, TZYLFormShadow::ColorOffset));
    win::TRect r;
    win::GetClientRect(Wnd, &r);
    const auto dc = reinterpret_cast<win::HDC>(WParam);
    if (style == hssSolid) {
      const win::HBRUSH brush = win::CreateSolidBrush(vcl::ColorToRGB(color));
      win::FillRect(dc, &r, brush);
      win::DeleteObject(brush);
      return 1;
    }
    if (style == hssTracing) {
      if (TZYLApplication* app = ZYLApplication())
        ZYLFillPattern(dc, r, app->GetBrushBitmap(color));
      return 1;
    }
  }
  return win::DefWindowProcA(Wnd, Msg, WParam, LParam);
}

}  // namespace

TZYLFormShadow::TZYLFormShadow(vcl::TComponent* AOwner) : inherited(AOwner) {
  FForceWindowProc = true;
  const std::string name = ClassName();
  auto* form = dynamic_cast<vcl::TForm*>(AOwner);
  if (!form) throw ZYLEOneInstError(name + SZYLOwnerNotForm, ZYLEOneInstError::okInvalidOwner);
  if (static_cast<win::DWORD>(win::GetWindowLongA(form->Handle(), win::GWL_STYLE)) & win::WS_CHILD)
    throw ZYLEOneInstError(name + SZYLOwnerIsChild, ZYLEOneInstError::okInvalidOwner);
  if (form->FormStyle() == vcl::fsMDIChild)
    throw ZYLEOneInstError(name + SZYLOwnerIsMDIChild, ZYLEOneInstError::okInvalidOwner);
  if (ZYLCheckForSameClass(AOwner, ClassType(), false))
    throw ZYLEOneInstError(name, ZYLEOneInstError::okInvalidOwner);
  FShadow.reset(new TZYLShadow(), vcl::TNotifyEvent(this, &TZYLFormShadow::GetChange));
}

TZYLFormShadow::~TZYLFormShadow() { DestroyShadow(); }

void TZYLFormShadow::SetShadow(TZYLShadow* Value) { FShadow->Assign(Value); }

void TZYLFormShadow::Init() {
  inherited::Init();
  CreateShadow();
}

void TZYLFormShadow::RestoreState() {
  inherited::RestoreState();
  if (Designing(this)) return;
  DestroyShadow();
  win::UnregisterClassA(kClassName, nullptr);
}

void TZYLFormShadow::StripRects(win::TRect& Right, win::TRect& Bottom) const {
  win::TRect r;
  win::GetWindowRect(GetOwnerHandle(), &r);
  const int d = FShadow->Depth();
  Right = {r.Right, r.Top + d, r.Right + d, r.Bottom};
  Bottom = {r.Left + d, r.Bottom, r.Right + d, r.Bottom + d};
}

void TZYLFormShadow::CreateShadow() {
  if (Designing(this) || !Enabled() || !dynamic_cast<vcl::TForm*>(Owner()) || FRight) return;
  win::WNDCLASSA wc{};
  if (!win::GetClassInfoA(nullptr, kClassName, &wc)) {
    wc.style = win::CS_PARENTDC;
    wc.cbWndExtra = kExtraBytes;
    wc.hCursor = win::LoadCursorA(nullptr, win::MAKEINTRESOURCEA(win::IDC_ARROW));
    wc.lpfnWndProc = &StripProc;
    wc.lpszClassName = kClassName;
    win::RegisterClassA(&wc);
  }
  win::TRect right, bottom;
  StripRects(right, bottom);
  const win::HWND owner = GetOwnerHandle();
  auto make = [&](const win::TRect& r) {
    return win::CreateWindowExA(0, kClassName, "", win::WS_POPUP, r.Left, r.Top, r.Width(),
                                r.Height(), owner, nullptr, nullptr, nullptr);
  };
  FRight = make(right);
  FBottom = make(bottom);
  for (win::HWND strip : {FRight, FBottom})
    if (strip) SetShadowParams(strip);
}

void TZYLFormShadow::DestroyShadow() {
  for (win::HWND* strip : {&FRight, &FBottom}) {
    if (*strip && win::IsWindow(*strip)) win::DestroyWindow(*strip);
    *strip = nullptr;
  }
}

void TZYLFormShadow::SetShadowParams(win::HWND Strip) {
  win::SetWindowLongA(Strip, StyleOffset, static_cast<win::LONG>(FShadow->Style()));
  win::SetWindowLongA(Strip, ColorOffset, static_cast<win::LONG>(FShadow->Color()));
}

void TZYLFormShadow::MoveShadow() {
  if (!FRight || !FBottom) return;
  win::TRect right, bottom;
  StripRects(right, bottom);
  win::InvalidateRect(FRight, nullptr, true);
  win::InvalidateRect(FBottom, nullptr, true);
  win::MoveWindow(FRight, right.Left, right.Top, right.Width(), right.Height(), true);
  win::MoveWindow(FBottom, bottom.Left, bottom.Top, bottom.Width(), bottom.Height(), true);
  if (!IsNoShadow()) ShowShadow();
}

void TZYLFormShadow::ShowShadow() {
  for (win::HWND strip : {FRight, FBottom})
    if (strip) win::ShowWindow(strip, win::SW_SHOWNA);
}

void TZYLFormShadow::HideShadow() {
  for (win::HWND strip : {FRight, FBottom})
    if (strip) win::ShowWindow(strip, win::SW_HIDE);
}

bool TZYLFormShadow::IsNoShadow() const {
  auto* form = dynamic_cast<vcl::TForm*>(Owner());
  if (!form || !form->Visible() || !form->HandleAllocated()) return true;
  const win::HWND wnd = GetOwnerHandle();
  if (win::IsIconic(wnd) || win::IsZoomed(wnd)) return true;
  if (form->FormStyle() == vcl::fsMDIForm || form->Active()) return false;
  return true;
}

void TZYLFormShadow::GetChange(vcl::TObject* Sender) {
  if (Sender != FShadow) {
    inherited::GetChange(Sender);
    return;
  }
  if (Designing(this) || !FRight || !FBottom) return;
  SetShadowParams(FRight);
  SetShadowParams(FBottom);
  MoveShadow();
  for (win::HWND strip : {FRight, FBottom})
    win::RedrawWindow(strip, nullptr, nullptr, win::RDW_INVALIDATE | win::RDW_ERASE);
}

void TZYLFormShadow::WndProc(vcl::TMessage& Message) {
  if (Suspended()) return;
  // A style put aside or back while the user drags the form; no change is signalled.
  auto quietStyle = [this](TZYLShadowStyle Style) {
    FShadow->BeginUpdate();
    FShadow->SetStyle(Style);
    FShadow->EndUpdate(false);
  };
  switch (Message.Msg) {
    case win::WM_NCLBUTTONDOWN:
      HideShadow();
      FSavedStyle = FShadow->Style();
      quietStyle(hssNone);
      FMoving = true;
      inherited::WndProc(Message);
      return;
    case vcl::CM_RECREATEWND:
      DestroyShadow();
      inherited::WndProc(Message);
      return;
    case win::WM_NCHITTEST:
    case win::WM_NCMOUSEMOVE:
    case win::WM_NCLBUTTONUP:
    case win::WM_MOUSEMOVE:
    case win::WM_LBUTTONUP:
      inherited::WndProc(Message);
      if (FMoving) {
        FMoving = false;
        quietStyle(static_cast<TZYLShadowStyle>(FSavedStyle));
        if (!IsNoShadow()) ShowShadow();
      }
      return;
    default: break;
  }
  inherited::WndProc(Message);
  switch (Message.Msg) {
    case win::WM_SHOWWINDOW:
      if (Message.WParam == 0 || IsNoShadow())
        HideShadow();
      else
        ShowShadow();
      break;
    case win::WM_WINDOWPOSCHANGED:
      if (IsNoShadow()) HideShadow();
      break;
    case win::WM_ACTIVATE:
      if (win::HIWORD(Message.WParam) != 0) {
        HideShadow();
      } else if (win::LOWORD(Message.WParam) != 0) {
        if (IsNoShadow())
          HideShadow();
        else
          ShowShadow();
      } else if (!FShowInActive) {
        HideShadow();
      }
      break;
    case win::WM_DESTROY: DestroyShadow(); break;
    case win::WM_MOVE:
      HideShadow();
      MoveShadow();
      break;
    case win::WM_SIZE:
      if (Message.WParam == win::SIZE_RESTORED) {
        MoveShadow();
        ShowShadow();
      } else if (Message.WParam <= win::SIZE_MAXHIDE) {
        HideShadow();
      } else {
        HideShadow();
        MoveShadow();
      }
      break;
    default: break;
  }
}

void ZYLFormShadowRelease() { win::UnregisterClassA(kClassName, nullptr); }

}  // namespace zyl
