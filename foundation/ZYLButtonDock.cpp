#include "foundation/ZYLButtonDock.h"

#include <memory>

#include "foundation/ZYLConst.h"
#include "foundation/ZYLObject.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Resources.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/user/WinUser.h"

namespace zyl {

using namespace vcl;

void ZYLGetGlyphKind(TBitmap* Bitmap, TZYLGlyphKind Kind) {
  if (!Bitmap || Kind == gkCustom) return;
  auto strip = std::make_unique<TBitmap>();
  strip->LoadFromResourceName(HInstance, "ZYLBMPGLYPH");
  const int cell = static_cast<int>(Kind) - 1;
  const int left = cell * ZYLGlyphCellWidth;
  if (left + ZYLGlyphCellWidth > strip->Width())
    throw Exception(Format(SZYLNoGlyphCell, {cell, ZYLGlyphStripCells()}));
  const int h = strip->Height();
  Bitmap->SetSize(ZYLGlyphCellWidth, h);
  Bitmap->Canvas()->CopyRect(Rect(0, 0, ZYLGlyphCellWidth, h), strip->Canvas(),
                             Rect(left, 0, left + ZYLGlyphCellWidth, h));
}

void ZYLButtonReadExtStyle(TReader* Reader, TZYLUserButtonStyle& Style, bool& CtlXP) {
  if (!Reader) throw EReadError(SZYLNoButtonStyleReader);
  const std::string ident = Reader->ReadIdent();
  if (ident == "ubsWinXP") {
    Style = ubsWin40;
    CtlXP = true;
  } else if (ident == "ubsWinXPCombo") {
    Style = ubsCombo;
    CtlXP = true;
  } else if (ident == "ubsWinXPTool") {
    Style = ubsExplorer;
    CtlXP = true;
  } else {
    const int64_t v = GetEnumValue(ZylTypeInfo(static_cast<TZYLUserButtonStyle*>(nullptr)), ident);
    if (v < 0 || v > ubsWin40Ext) throw EReadError(Format(SInvalidPropertyReadError, {ident}));
    Style = static_cast<TZYLUserButtonStyle>(v);
  }
}

void ZYLRaiseDockError(TComponent* Attached, TComponent* Control) {
  const std::string a = Attached ? Attached->Name() : std::string();
  const std::string c = Control ? Control->Name() : std::string();
  throw Exception(Format(SZYLDockTaken, {a, c}));
}

TComponent* ZYLDockQuery(TControl* Control) {
  if (!Control) return nullptr;
  const LRESULT r = Control->Perform(CM_ZYLDOCKQUERY, 0, 0);
  return r ? reinterpret_cast<TComponent*>(r) : nullptr;
}

intptr_t ZYLDockQueryAnswer(TComponent* Dock) { return reinterpret_cast<intptr_t>(Dock); }

// A helper of the dock components, never streamed.
ZYL_CLASS_IMPL(TZYLDockLink) {}

TZYLDockLink::TZYLDockLink(TControl* Dock) : FDock(Dock) {}

TZYLDockLink::~TZYLDockLink() { RestoreWndProc(); }

void TZYLDockLink::SetControl(TWinControl* Value) {
  if (Value == FControl) return;
  RestoreWndProc();
  FControl = nullptr;
  if (!Value) return;
  // Asked whether or not the control has its window yet: the hook does not need one, so a
  // second dock component is refused also while a form is being read.
  TComponent* other = ZYLDockQuery(Value);
  if (other && other != FDock) ZYLRaiseDockError(other, Value);
  FControl = Value;
  DockControl();
}

void TZYLDockLink::SetDocked(bool Value) {
  if (!ZYLStoreValue(FDocked, Value)) return;
  if (HasControl())
    DockControl();
  else
    RestoreWndProc();
}

void TZYLDockLink::SetAdjustDockedSize(bool Value) {
  if (ZYLStoreValue(FAdjustDockedSize, Value) && HasControl()) AdjustToControl();
}

void TZYLDockLink::SetReflectOwnChanges(bool Value) {
  if (ZYLStoreValue(FReflectOwnChanges, Value) && Value && HasControl()) AdjustToDock();
}

void TZYLDockLink::SetMargin(int32_t Value) {
  if (ZYLStoreValue(FMargin, Value) && HasControl()) AdjustToControl();
}

void TZYLDockLink::SetPosition(TZYLDockPosition Value) {
  if (ZYLStoreValue(FPosition, Value) && HasControl()) AdjustToControl();
}

void TZYLDockLink::DockControl() {
  if (!HasControl() || FDock->ComponentState().contains(csLoading)) return;
  // A dock without parent stands on its control's.
  if (!FDock->Parent() && FControl->Parent()) FDock->SetParent(FControl->Parent());
  FAdjusting = false;
  InitWndProc();
  AdjustToControl();
}

void TZYLDockLink::Lose() {
  RestoreWndProc();
  FControl = nullptr;
  if (FOnControlLost) FOnControlLost();
}

void TZYLDockLink::InitWndProc() {
  if (!HasControl() || FHooked) return;
  try {
    TWinControl* ctl = FControl;
    // Two docks may have been given one control while a form was read: the first to dock
    // keeps it.
    TComponent* other = ZYLDockQuery(ctl);
    if (other && other != FDock) {
      Lose();
      return;
    }
    ctl->HandleNeeded();
    FPrevWndProc = ctl->WindowProc();
    ctl->SetWindowProc(TWndMethod(this, &TZYLDockLink::OwnWndProc));
    FHooked = ctl;
  } catch (const Exception&) {
    // Docking is left undone.
  }
}

void TZYLDockLink::RestoreWndProc() {
  FRestoring = true;
  TFinally done([this] { FRestoring = false; });
  if (FHooked && FHooked->WindowProc() == TWndMethod(this, &TZYLDockLink::OwnWndProc))
    FHooked->SetWindowProc(FPrevWndProc);
  FHooked = nullptr;
  FPrevWndProc = nullptr;
}

void TZYLDockLink::OwnWndProc(TMessage& Message) {
  TWinControl* ctl = FHooked;
  if (FPrevWndProc) FPrevWndProc(Message);
  if (FRestoring || !ctl) return;
  switch (Message.Msg) {
    case win::WM_MOVE:
    case win::WM_SIZE:
    // The framework takes a window's new bounds only after its WM_MOVE and WM_SIZE; once the
    // change is through, the dock follows the bounds the control reports.
    case win::WM_WINDOWPOSCHANGED: AdjustToControl(); break;
    case win::WM_ENABLE: FDock->SetEnabled(Message.WParam != 0); break;
    case win::WM_SHOWWINDOW:
    case CM_SHOWINGCHANGED: {
      // The framework shows and hides windows without WM_SHOWWINDOW; its own message says so.
      if (FDock->ComponentState().contains(csDesigning)) break;
      const bool shown = Message.Msg == win::WM_SHOWWINDOW ? Message.WParam != 0 : ctl->Showing();
      if (!shown) {
        FDock->SetVisible(false);
      } else if (!FDock->Visible()) {
        AdjustToControl();
        FDock->SetVisible(true);
      }
      break;
    }
    case CM_ZYLDOCKQUERY: Message.Result = ZYLDockQueryAnswer(FDock); break;
    case win::WM_DESTROY:
      // A window that is only re-created keeps its dock: the hook is on the control, not on
      // the window, and carries over to the new one.
      if (!ctl->ComponentState().contains(csDestroying)) break;
      if (FDock->ComponentState().contains(csDestroying))
        RestoreWndProc();
      else
        Lose();
      break;
    default: break;
  }
}

void TZYLDockLink::AdjustToControl() {
  TWinControl* ctl = FControl;
  if (FAdjusting || !HasControl() || !ctl->HandleAllocated() || ctl->Align() != alNone) return;
  FAdjusting = true;
  TFinally done([this] { FAdjusting = false; });
  int w = FDock->Width(), h = FDock->Height();
  if (FPosition == dpLeft || FPosition == dpRight) {
    if (FAdjustDockedSize) h = ctl->Height();
  } else if (FAdjustDockedSize) {
    w = ctl->Width();
  }
  switch (FPosition) {
    case dpBottom: FDock->SetBounds(ctl->Left(), ctl->Top() + ctl->Height() + FMargin, w, h); break;
    case dpLeft: FDock->SetBounds(ctl->Left() - w - FMargin, ctl->Top(), w, h); break;
    case dpRight: FDock->SetBounds(ctl->Left() + ctl->Width() + FMargin, ctl->Top(), w, h); break;
    case dpTop: FDock->SetBounds(ctl->Left(), ctl->Top() - h - FMargin, w, h); break;
  }
}

void TZYLDockLink::AdjustToDock() {
  TWinControl* ctl = FControl;
  if (FAdjusting || !HasControl() || ctl->Align() != alNone) return;
  FAdjusting = true;
  TFinally done([this] { FAdjusting = false; });
  const TRect r = FDock->BoundsRect();
  int w = ctl->Width(), h = ctl->Height();
  if (FPosition == dpLeft || FPosition == dpRight) {
    if (FAdjustDockedSize) h = FDock->Height();
  } else if (FAdjustDockedSize) {
    w = FDock->Width();
  }
  switch (FPosition) {
    case dpBottom: ctl->SetBounds(r.Left, r.Top - h - FMargin, w, h); break;
    case dpLeft: ctl->SetBounds(r.Right + FMargin, r.Top, w, h); break;
    case dpRight: ctl->SetBounds(r.Left - w - FMargin, r.Top, w, h); break;
    case dpTop: ctl->SetBounds(r.Left, r.Bottom + FMargin, w, h); break;
  }
}

void TZYLDockLink::DockMoved() {
  if (FReflectOwnChanges && HasControl()) AdjustToDock();
}

void TZYLDockLink::ControlRemoved(TComponent* AComponent) {
  if (!AComponent) return;
  if (AComponent == FHooked) {
    FHooked = nullptr;
    FPrevWndProc = nullptr;
  }
  if (AComponent == FControl) FControl = nullptr;
}

}  // namespace zyl
