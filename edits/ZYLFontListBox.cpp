#include "edits/ZYLFontListBox.h"

#include "edits/ZYLFontSymbols.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/StrUtils.h"
#include "platform/text/Text.h"

namespace zyl {

using namespace vcl;

ZYL_MESSAGE_MAP(TZYLFontListBox) {
  m.On(win::WM_MOUSEMOVE, &TZYLFontListBox::WMMouseMove)
      .On(win::WM_CAPTURECHANGED, &TZYLFontListBox::WMCaptureChanged)
      .On(CM_MOUSELEAVE, &TZYLFontListBox::CMMouseLeave)
      .On(CM_FONTCHANGE, &TZYLFontListBox::CMFontChange);
}

ZYL_CLASS_IMPL(TZYLFontListBox) {
  using C = TZYLFontListBox;
  b.Prop("Options", &C::Options, &C::SetOptions)
      .Default(TZYLFontCBOptions{foScreenFonts, foDisplaySymbol})
      .Prop("ExampleText", &C::ExampleText, &C::SetExampleText)
      .EmptyStored()
      .Prop("ExampleFontSize", &C::ExampleFontSize, &C::SetExampleFontSize)
      .Default(12)
      .Prop("ExampleAlign", &C::ExampleAlign, &C::SetExampleAlign)
      .Default(eaListRightTop)
      .Prop("ShowExample", &C::ShowExample, &C::SetShowExample)
      .Default(false);
}

ZYL_CLASS_IMPL(TZYLLabeledFontListBox) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLFontListBox::TZYLFontListBox(TComponent* AOwner)
    : inherited(AOwner),
      FBitmap(ZYLLoadFontSymbols()),
      FExample(std::make_unique<THintWindow>(nullptr)) {}

TZYLFontListBox::~TZYLFontListBox() = default;

TZYLLabeledFontListBox::TZYLLabeledFontListBox(TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

void TZYLFontListBox::CreateFontList() {
  fontlist::Build(Items(), FOptions);
  FBuilt = true;
}

void TZYLFontListBox::Loaded() {
  inherited::Loaded();
  Init();
}

// A box made at run time lists the fonts when its first window is made.
void TZYLFontListBox::CreateWnd() {
  inherited::CreateWnd();
  if (!FBuilt && !ComponentState().contains(csLoading)) CreateFontList();
}

void TZYLFontListBox::SetOptions(TZYLFontCBOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  if (ComponentState().contains(csDesigning) || ComponentState().contains(csLoading)) return;
  const std::string chosen = SelectedFont();
  CreateFontList();
  SetItemIndex(Items()->IndexOf(chosen));
}

std::string TZYLFontListBox::SelectedFont() {
  const int index = ItemIndex();
  return index < 0 ? std::string() : Items()->Get(index);
}

void TZYLFontListBox::SetSelectedFont(const std::string& Name) {
  if (SelectedFont() == Name) return;
  int found = -1;
  for (int i = 0; i < Items()->Count() && found < 0; ++i)
    if (SameText(Items()->Get(i), Name)) found = i;
  SetItemIndex(found);
  if (FOnFontChange) FOnFontChange(this);
}

void TZYLFontListBox::DoSelect() {
  inherited::DoSelect();
  if (FOnFontChange) FOnFontChange(this);
}

void TZYLFontListBox::CMFontChange(TMessage& Message) {
  const std::string chosen = SelectedFont();
  ZYL_INHERITED(Message);
  CreateFontList();
  SetItemIndex(Items()->IndexOf(chosen));
}

void TZYLFontListBox::HideExample() { FExample->ReleaseHandle(); }

void TZYLFontListBox::ShowExampleFor(int Index) {
  TPoint at{Width(), 0};
  if (FExampleAlign == eaMousePos) at = TPoint{FLastMouse.X + 10, FLastMouse.Y};
  if (FExampleAlign == eaRow) at = TPoint{Width(), FLastMouse.Y};
  fontlist::ShowExample(FExample.get(), Items()->Get(Index), FExampleFontSize, Font()->Charset(),
                        FExampleText, ClientToScreen(at),
                        TRect{0, 0, Left() + Width() + 100, Top() + Height()});
}

void TZYLFontListBox::WMMouseMove(TMessage& Message) {
  if (!FShowExample) {
    ZYL_INHERITED(Message);
    return;
  }
  FLastMouse =
      TPoint{static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi())};
  const int index = ItemAtPos(FLastMouse, true);
  if (index < 0) {
    HideExample();
  } else if (index != FLastExample) {
    ShowExampleFor(index);
    FLastExample = index;
  }
}

void TZYLFontListBox::WMCaptureChanged(TMessage& Message) {
  DefaultHandler(&Message);
  HideExample();
}

void TZYLFontListBox::CMMouseLeave(TMessage& Message) {
  ZYL_INHERITED(Message);
  HideExample();
}

void TZYLFontListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  Rect.Left += Margin();
  Rect.Right -= Margin();
  Rect.Bottom -= 1;
  HideExample();
  TCanvas* c = Canvas();
  const std::string face = Items()->Get(Index);
  int x = 3;
  if (FOptions.contains(foDisplaySymbol))
    x = fontlist::DrawSymbol(c, FBitmap.get(), Rect, fontlist::FontType(Items(), Index));
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetName(FOptions.contains(foDisplayFont) ? face : Font()->Name());
  const TRect text{Rect.Left + x, Rect.Top + 1, Rect.Right, Rect.Bottom};
  ZYLDrawTextExt(c, face, Font3D(), text,
                 static_cast<int32_t>(DrawTextBiDiModeFlags(win::DT_SINGLELINE | win::DT_NOPREFIX)),
                 TZYLDrawTextStyles{dtClip, State.contains(odDisabled) ? dtDisabled : dtEnabled});
}

}  // namespace zyl
