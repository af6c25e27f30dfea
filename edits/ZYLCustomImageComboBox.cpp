#include "edits/ZYLCustomImageComboBox.h"

#include <algorithm>

#include "edits/ZYLImageItems.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/StrUtils.h"
#include "platform/text/Text.h"

namespace zyl {

using namespace vcl;

ZYL_MESSAGE_MAP(TZYLCustomImageComboBox) {
  m.On(win::WM_NCHITTEST, &TZYLCustomImageComboBox::WMNCHitTest);
}

// Described here, published by TZYLImageComboBox.
ZYL_CLASS_IMPL(TZYLCustomImageComboBox) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomImageComboBox;
  imageitems::DeclareProps(b);
  b.Declare("Options", &C::Options, &C::SetOptions)
      .Default(TZYLImageBoxOptions{lboImageListOrder, lboCheckImageNr})
      .Declare("Delimiter", &C::Delimiter, &C::SetDelimiter)
      .Default('|')
      .Declare("Font3D", &C::Font3D, &C::SetFont3D)
      .Declare("DefaultItem", &C::DefaultItem, &C::SetDefaultItem)
      .Default(-1)
      .Declare("MultiLine", &C::MultiLine, &C::SetMultiline)
      .Default(false);
}

TZYLCustomImageComboBox::TZYLCustomImageComboBox(TComponent* AOwner)
    : inherited(AOwner), TZYLImageBoxSettings(this) {
  FChangeLink.reset(new TZYLChangeLink());
  FChangeLink->SetSender(this);
  FChangeLink.Link(TNotifyEvent(this, &TZYLCustomImageComboBox::GetIMLChange));
  FFont3D.reset(new TZYL3DCaption(), TNotifyEvent(this, &TZYLCustomImageComboBox::GetIMLChange));
  FLayout.reset(new TZYLGlyphTextLayout(),
                TNotifyEvent(this, &TZYLCustomImageComboBox::GetIMLChange));
  SetStyle(csOwnerDrawFixed);
}

TZYLCustomImageComboBox::~TZYLCustomImageComboBox() {
  ReleaseImageList();
  FFont3D.reset();
  FLayout.reset();
}

// ---------------------------------------------------------------------------------------------
// Properties

void TZYLCustomImageComboBox::SetDelimiter(char Value) {
  FDelimiter = Value;
  Invalidate();
}

void TZYLCustomImageComboBox::SetDefaultItem(int Value) {
  FDefaultItem = Value;
  Invalidate();
}

void TZYLCustomImageComboBox::SetOptions(TZYLImageBoxOptions Value) {
  FOptions = Value;
  SetStyle(Value.contains(lboCalcHeight) ? csOwnerDrawVariable : csOwnerDrawFixed);
  if (!ComponentState().contains(csLoading)) RecreateWnd();
}

void TZYLCustomImageComboBox::SetFont3D(TZYL3DCaption* Value) { FFont3D->Assign(Value); }

void TZYLCustomImageComboBox::SetMultiline(bool Value) {
  FMultiLine = Value;
  if (!ComponentState().contains(csDesigning)) Invalidate();
}

void TZYLCustomImageComboBox::SetImagesOnly(bool Value) {
  FImagesOnly = Value;
  if (Value)
    UpdateEmptyList();
  else
    Items()->Clear();
}

void TZYLCustomImageComboBox::GetIMLChange(TObject* Sender) {
  if (Sender == FFont3D || Sender == FLayout) {
    Invalidate();
    return;
  }
  if (FOptions.contains(lboCalcHeight))
    RecreateWnd();
  else
    Invalidate();
  if (FImagesOnly) UpdateEmptyList();
}

// ---------------------------------------------------------------------------------------------
// Images

bool TZYLCustomImageComboBox::ValidImage(int Image) const {
  return Image >= 0 && Image < ImageCount();
}

int TZYLCustomImageComboBox::ImageSize(int Image, bool Height) const {
  return ValidImage(Image) ? imageitems::ImageSize(FImageList, FListIndex, Image, Height) : 0;
}

void TZYLCustomImageComboBox::UpdateEmptyList() {
  if (ComponentState().contains(csLoading) || !FImagesOnly) return;
  imageitems::FillBlanks(Items(), ImageCount(), " ");
}

int TZYLCustomImageComboBox::GetImageIndex(int Index) {
  if (ImageCount() == 0 || Index < 0 || Index >= Items()->Count()) return -1;
  if (FOptions.contains(lboImageListOrder)) return ValidImage(Index) ? Index : -1;
  return imageitems::NamedImage(Items()->Get(Index), FDelimiter, FDefaultItem);
}

void TZYLCustomImageComboBox::SetImageIndex(int Index, int ImageIndex) {
  if (imageitems::SetNamedImage(Items(), Index, FDelimiter, ImageIndex) && HandleAllocated())
    Invalidate();
}

std::string TZYLCustomImageComboBox::GetStringValue(int Index) {
  return imageitems::EntryText(Items(), Index, FDelimiter);
}

std::string TZYLCustomImageComboBox::GetItemString(int Index) {
  if (FImagesOnly) return {};
  return FOptions.contains(lboCheckImageNr)
             ? GetStringValue(Index)
             : (Index >= 0 && Index < Items()->Count() ? Items()->Get(Index) : std::string());
}

// ---------------------------------------------------------------------------------------------
// Streaming

void TZYLCustomImageComboBox::CreateWnd() {
  if (FImagesOnly && ComponentState().contains(csLoading)) FLoadingIndex = ItemIndex();
  inherited::CreateWnd();
}

// The blank entries are made again from the images; the chosen one stays chosen.
void TZYLCustomImageComboBox::Loaded() {
  const int index = FLoadingIndex >= 0 ? FLoadingIndex : ItemIndex();
  FLoadingIndex = -1;
  inherited::Loaded();
  if (!FImagesOnly) return;
  UpdateEmptyList();
  if (index >= 0) SetItemIndex(index);
}

void TZYLCustomImageComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (ForgetRemovedList(AComponent, Operation)) GetIMLChange(nullptr);
}

void TZYLCustomImageComboBox::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  ZYLDefineGlobalIdent(Filer, FImageList, [this](TZYLCustomImageList* L) { SetImageList(L); });
}

// ---------------------------------------------------------------------------------------------
// Drawing and measuring

// While designing the box answers as at run time.
void TZYLCustomImageComboBox::WMNCHitTest(TMessage& Message) {
  if (ComponentState().contains(csDesigning))
    DefaultHandler(&Message);
  else
    ZYL_INHERITED(Message);
}

// The item's colours are set (the highlight for the chosen one): the whole item is filled
// before the image and the text are drawn.
void TZYLCustomImageComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState) {
  Canvas()->FillRect(Rect);
  Rect.Left += 1;
  Rect.Bottom -= 1;
  const int shown = ControlState().contains(csPaintCopy) ? GetFieldValue() : Index;
  const std::string text = GetItemString(shown);
  const int image = GetImageIndex(shown);
  const TZYLDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled};
  const auto flags = static_cast<int32_t>(DrawTextBiDiModeFlags(win::DT_NOPREFIX));
  const bool transparent = FOptions.contains(lboTransparentImages);
  TCanvas* c = Canvas();
  const auto draw = [&](TCanvas* Source, TRect Glyph, TColor Clear) {
    ZYLDrawTextAndGlyphExt(c, text, FFont3D, Rect, Source, Glyph, nullptr, Clear, FLayout,
                           FMultiLine, false, transparent, styles, flags);
  };
  imageitems::DrawEntry(FImageList, FListIndex, image, ValidImage(image), draw, [&](TBitmap* Copy) {
    ZYLDrawTextAndGlyph(c, text, FFont3D, Rect, Copy, nullptr, FLayout, FMultiLine, false,
                        transparent, styles, flags);
  });
}

void TZYLCustomImageComboBox::MeasureItem(int Index, int& Height) {
  if (Index < 0 || Index == ItemIndex()) return;
  const std::string text = GetItemString(Index);
  // An entry is measured while the window takes it in, before Items counts it: in list order
  // its image is known all the same.
  const int image = FOptions.contains(lboImageListOrder) ? (ValidImage(Index) ? Index : -1)
                                                         : GetImageIndex(Index);
  const int spacing = FLayout->Spacing();
  int h = ValidImage(image) ? ImageSize(image, true) + 2 : 0;
  const int w = ValidImage(image) ? ImageSize(image, false) + spacing + 2 : 0;
  if (FMultiLine && !text.empty()) {
    TRect r{0, 0, std::max(0, Width() - 14 - w), 0};
    ZYLDrawTextCalc(text, FFont3D, r, Font(), true, false, 0,
                    win::DT_WORDBREAK | win::DT_EXPANDTABS);
    h = std::max(h, r.Height());
  }
  if (h > Height) Height = h;
}

}  // namespace zyl
