#include "edits/ZYLPrinterComboBox.h"

#include "edits/ZYLFontSymbols.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

using namespace vcl;

ZYL_MESSAGE_MAP(TZYLPrinterComboBox) {
  m.On(CN_COMMAND, &TZYLPrinterComboBox::CNCommand)
      .On(CM_FONTCHANGED, &TZYLPrinterComboBox::CMFontChanged)
      .On(CM_FONTCHANGE, &TZYLPrinterComboBox::CMFontChange);
}

ZYL_CLASS_IMPL(TZYLPrinterComboBox) {
  using C = TZYLPrinterComboBox;
  b.Publish({"About", "Color", "Ctl3D", "DragMode", "DragCursor", "DropDownCount", "DropDownWidth",
             "Enabled", "Flat", "FocusControl", "Font"})
      .Prop("Options", &C::Options, &C::SetOptions)
      .Default(TZYLPrinterCBOptions{poDisplaySymbol})
      .Publish({"ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
                "ShowHint",    "TabOrder",    "TabStop",    "UseGlobalTimer", "Visible",
                "Anchors",     "Constraints", "DragKind",   "BiDiMode",       "ParentBiDiMode",
                "OnSelect",    "OnChange",    "OnClick",    "OnDblClick",     "OnDragDrop",
                "OnDragOver",  "OnDropDown",  "OnEndDrag",  "OnEnter",        "OnExit",
                "OnKeyDown",   "OnKeyPress",  "OnKeyUp",    "OnStartDrag",    "OnEndDock",
                "OnStartDock"});
}

TZYLPrinterComboBox::TZYLPrinterComboBox(TComponent* AOwner)
    : inherited(AOwner), FBitmap(ZYLLoadFontSymbols()) {
  SetSorted(true);
  SetStyle(csOwnerDrawFixed);
  SetItemHeight(15);
}

TZYLPrinterComboBox::~TZYLPrinterComboBox() = default;

void TZYLPrinterComboBox::SetOptions(TZYLPrinterCBOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  Change();
  Invalidate();
}

void TZYLPrinterComboBox::SetSelectedPrinter(const std::string& Name) {
  if (Text() == Name) return;
  int found = -1;
  for (int i = 0; i < Items()->Count() && found < 0; ++i)
    if (SameText(Items()->Get(i), Name)) found = i;
  SetItemIndex(found);
  Change();
}

void TZYLPrinterComboBox::InitPrinterList() {
  TPrinter* printer = Printer();
  try {
    Items()->Assign(printer->Printers());
  } catch (const EPrinter&) {
    Items()->Clear();
    return;
  }
  if (!FOptions.contains(poStartWithActive)) return;
  const int active = printer->PrinterIndex();
  if (active >= 0 && active < printer->Printers()->Count())
    SetItemIndex(Items()->IndexOf(printer->Printers()->Get(active)));
}

void TZYLPrinterComboBox::Loaded() {
  inherited::Loaded();
  InitPrinterList();
}

// The chosen printer survives the window's re-creation.
void TZYLPrinterComboBox::CreateWnd() {
  const std::string chosen = HandleAllocated() ? Text() : std::string();
  inherited::CreateWnd();
  if (!chosen.empty()) SetItemIndex(Items()->IndexOf(chosen));
}

void TZYLPrinterComboBox::CNCommand(TWMCommand& Message) {
  ZYL_INHERITED(Message);
  if (Message.NotifyCode() != win::CBN_SELCHANGE || !FOptions.contains(poActivatePrinter)) return;
  TPrinter* printer = Printer();
  printer->SetPrinterIndex(printer->Printers()->IndexOf(Text()));
}

void TZYLPrinterComboBox::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  InitItemHeight();
}

// The system's font table changed: the list is measured again, the choice kept.
void TZYLPrinterComboBox::CMFontChange(TMessage& Message) {
  const std::string chosen = Text();
  ZYL_INHERITED(Message);
  InitItemHeight();
  SetItemIndex(Items()->IndexOf(chosen));
}

void TZYLPrinterComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  PrepareItem(Rect, State);
  int x = 3;
  if (FOptions.contains(poDisplaySymbol) && !FBitmap->Empty()) {
    // The printer symbol is the right half of the type symbols.
    const int half = FBitmap->Width() / 2;
    ZYLBmpDrawExt(Canvas(),
                  Bounds(Rect.Left + 2, Rect.Top + (Rect.Height() - FBitmap->Height()) / 2, half,
                         FBitmap->Height()),
                  FBitmap->Canvas(), TRect{half, 0, 2 * half, FBitmap->Height()}, dsfTransparent,
                  FBitmap->TransparentColor());
    x = half + 6;
  }
  Canvas()->Brush()->SetStyle(bsClear);
  Canvas()->TextRect(Rect, Rect.Left + x, Rect.Top + 1, Items()->Get(Index));
}

}  // namespace zyl
