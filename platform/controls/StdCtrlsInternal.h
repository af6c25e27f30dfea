#pragma once
// Helpers the files of the standard controls share; not for users of the framework.

#include "platform/controls/StdCtrls.h"

namespace vcl::stdctrls_internal {

// Makes the control's window class a subclass of a system class: the system's procedure
// answers what the control leaves to its default handling.
void CreateSubClass(TCreateParams& Params, const char* SystemClass);
// The height of a line of the control's font.
int FontHeight(TFont* Font);
// Answers a CN_CTLCOLOR message with the control's font colour and brush.
void AnswerCtlColor(TMessage& Message, TFont* Font, TBrush* Brush);

// The state of an owner-drawn item from the window system's ODS_ flags.
TOwnerDrawState OwnerDrawState(win::UINT ItemState);
// Paints an owner-drawn item of a list or combo box on Canvas (bound to the item's DC for the
// call): the control's font and brush, highlight colours when selected, Draw for an item (the
// background alone for none), the focus rectangle when focused.
template <class DrawFn>
void PaintOwnerDrawnItem(TCanvas* Canvas, TFont* Font, TBrush* Brush,
                         const win::DRAWITEMSTRUCT& Item, DrawFn Draw);
// The default drawing of an item: the background, then its text.
void DrawItemText(TCanvas* Canvas, TRect Rect, TStrings* Items, int Index);

}  // namespace vcl::stdctrls_internal

#include "platform/graphics/CanvasGuards.h"

namespace vcl::stdctrls_internal {

template <class DrawFn>
void PaintOwnerDrawnItem(TCanvas* Canvas, TFont* Font, TBrush* Brush,
                         const win::DRAWITEMSTRUCT& Item, DrawFn Draw) {
  const TOwnerDrawState state = OwnerDrawState(Item.itemState);
  TCanvasBinding binding(Canvas, Item.hDC);
  Canvas->SetFont(Font);
  Canvas->SetBrush(Brush);
  if (state.contains(odSelected)) {
    Canvas->Brush()->SetColor(clHighlight);
    Canvas->Font()->SetColor(clHighlightText);
  }
  const TRect r = Item.rcItem;
  if (static_cast<int>(Item.itemID) >= 0)
    Draw(static_cast<int>(Item.itemID), r, state);
  else
    Canvas->FillRect(r);
  if (state.contains(odFocused)) win::DrawFocusRect(Item.hDC, &Item.rcItem);
}

}  // namespace vcl::stdctrls_internal
