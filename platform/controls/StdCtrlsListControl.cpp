// TWindowListControl: what the list box and the combo box share (their items, sorting and
// owner-drawn items).
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/StdCtrlsInternal.h"

namespace vcl {

using namespace win;

TWindowListControl::TWindowListControl(TComponent* AOwner) : TWinControl(AOwner) {
  tabStop_ = true;
  parentColor_ = false;
  color_ = clWindow;
  saved_ = new TStringList();
  auto* c = new TControlCanvas();
  c->SetControl(this);
  canvas_ = c;
}

TWindowListControl::~TWindowListControl() {
  delete canvas_;
  canvas_ = nullptr;
  delete items_;
  items_ = nullptr;
  delete saved_;
  saved_ = nullptr;
}

void TWindowListControl::SetSorted(bool Value) {
  if (sorted_ == Value) return;
  sorted_ = Value;
  WindowItems()->SortedChanged(Value);
  RecreateWnd();
}

void TWindowListControl::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem)
    OnDrawItem(this, Index, Rect, State);
  else
    stdctrls_internal::DrawItemText(canvas_, Rect, items_, Index);
}

void TWindowListControl::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TWindowListControl::CNDrawItem(TMessage& Message) {
  const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  stdctrls_internal::PaintOwnerDrawnItem(
      canvas_, Font(), Brush(), *dis,
      [this](int Index, TRect Rect, TOwnerDrawState State) { DrawItem(Index, Rect, State); });
  Message.Result = 1;
}

// The list box keeps the arrows and characters; the combo those too, and all keys while dropped.
void TWindowListControl::WMGetDlgCode(TMessage& Message) { DefaultHandler(&Message); }

ZYL_MESSAGE_MAP(TWindowListControl) {
  m.On(CN_DRAWITEM, &TWindowListControl::CNDrawItem)
      .On(WM_GETDLGCODE, &TWindowListControl::WMGetDlgCode);
}

ZYL_CLASS_IMPL(TWindowListControl) {}

}  // namespace vcl
