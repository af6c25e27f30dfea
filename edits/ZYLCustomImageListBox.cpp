#include "edits/ZYLCustomImageListBox.h"

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
#include "platform/rtl/SysUtils.h"
#include "platform/text/Text.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLCustomImageListBox) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomImageListBox;
  b.Publish("Ctl3D")
      .Prop("Delimiter", &C::Delimiter, &C::SetDelimiter)
      .Default('|')
      .Prop("Options", &C::Options, &C::SetOptions)
      .Default(TZYLImageBoxOptions{lboImageListOrder, lboCheckImageNr}.Bits())
      .Prop("DefaultItem", &C::DefaultItem, &C::SetDefaultItem)
      .Default(-1);
  // Described here, published by TZYLImageListBox.
  imageitems::DeclareProps(b);
  b.Declare("GlyphNumber", &C::GlyphNumber, &C::SetGlyphNumber)
      .Default(1)
      .Declare("GlyphColumn", &C::GlyphColumn, &C::SetGlyphColumn)
      .Default(0)
      .Declare("ItemIndex", &C::ItemIndex, &C::SetItemIndex)
      .Default(-1);
}

ZYL_CLASS_IMPL(TZYLCustomDerivedImageListBox) {}

TZYLCustomImageListBox::TZYLCustomImageListBox(vcl::TComponent* AOwner)
    : inherited(AOwner), TZYLImageBoxSettings(this) {
  FChangeLink.reset(new TZYLChangeLink(),
                    vcl::TNotifyEvent(this, &TZYLCustomImageListBox::GetIMLChange));
  FLayout.reset(new TZYLGlyphTextLayout(),
                vcl::TNotifyEvent(this, &TZYLCustomImageListBox::GetIMLChange));
}

TZYLCustomImageListBox::~TZYLCustomImageListBox() {
  ReleaseImageList();
  FLayout.reset();
}

// ---------------------------------------------------------------------------------------------
// Properties

void TZYLCustomImageListBox::SetGlyphNumber(uint8_t Value) {
  if (Value == 0 || Value == FGlyphNumber) return;
  FGlyphNumber = Value;
  if (FGlyphColumn >= Value) FGlyphColumn = static_cast<uint8_t>(Value - 1);
  if (FImageList) GetIMLChange(nullptr);
}

void TZYLCustomImageListBox::SetGlyphColumn(uint8_t Value) {
  if (Value >= FGlyphNumber || Value == FGlyphColumn) return;
  FGlyphColumn = Value;
  if (FImageList) GetIMLChange(nullptr);
}

void TZYLCustomImageListBox::SetDelimiter(char Value) {
  if (FDelimiter == Value) return;
  FDelimiter = Value;
  Invalidate();
}

void TZYLCustomImageListBox::SetDefaultItem(int Value) {
  if (FDefaultItem == Value) return;
  FDefaultItem = Value;
  Invalidate();
}

void TZYLCustomImageListBox::SetOptions(TZYLImageBoxOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  SetItemAutoHeight(Value.contains(lboCalcHeight));
  if (!Loading()) RecreateWnd();
}

void TZYLCustomImageListBox::SetImagesOnly(bool Value) {
  if (FImagesOnly == Value) return;
  FImagesOnly = Value;
  if (!Value)
    Items()->Clear();
  else
    UpdateEmptyList();
}

void TZYLCustomImageListBox::GetIMLChange(vcl::TObject* Sender) {
  if (Sender != FFont3D && Sender != FLayout) {
    RecreateWnd();
    if (FImagesOnly) UpdateEmptyList();
    return;
  }
  if (FLargeTextOptions == lbltHorzScrollBar) InitHorzExtent();
  if (HandleAllocated()) RecreateWnd();
}

// ---------------------------------------------------------------------------------------------
// Images

// GetCount: a list that shows another's images (a connector) holds no items of its own.
bool TZYLCustomImageListBox::IMLEmpty() const { return !FImageList || FImageList->GetCount() == 0; }

bool TZYLCustomImageListBox::ValidImage(int Image) const {
  if (IMLEmpty() || Image < 0) return false;
  return ZYLIsSingleItemImageList(FImageList) ? FImageList->IsValidItem(Image, 0)
                                              : FImageList->IsValidItem(FListIndex, Image);
}

void TZYLCustomImageListBox::UpdateEmptyList() {
  if (Loading() || !FImagesOnly) return;
  imageitems::FillBlanks(Items(), ImageCount(), "");
}

int TZYLCustomImageListBox::GetImageIndex(int Index) {
  if (IMLEmpty() || Index < 0 || Index >= Items()->Count()) return -1;
  if (FOptions.contains(lboImageListOrder)) return Index < ImageCount() ? Index : -1;
  return imageitems::NamedImage(Items()->Strings(Index), FDelimiter, FDefaultItem);
}

void TZYLCustomImageListBox::SetImageIndex(int Index, int ImageIndex) {
  if (imageitems::SetNamedImage(Items(), Index, FDelimiter, ImageIndex) && HandleAllocated())
    Invalidate();
}

int TZYLCustomImageListBox::GetImageHeight(int Index) {
  const int image = GetImageIndex(Index);
  return ValidImage(image) ? imageitems::ImageSize(FImageList, FListIndex, image, true) : 0;
}

int TZYLCustomImageListBox::GetImageWidth(int Index) {
  const int image = GetImageIndex(Index);
  if (!ValidImage(image)) return 0;
  const int w = imageitems::ImageSize(FImageList, FListIndex, image, false);
  return FGlyphNumber >= 2 ? w / FGlyphNumber : w;
}

bool TZYLCustomImageListBox::CheckCont() const {
  return FImageList && ZYLIsGlobalIdent(FImageList);
}

// ---------------------------------------------------------------------------------------------
// Text, measuring and drawing

std::string TZYLCustomImageListBox::GetStringValue(int Index) {
  return imageitems::EntryText(Items(), Index, FDelimiter);
}

std::string TZYLCustomImageListBox::ItemText(int Index) {
  if (Index < 0 || Index >= Items()->Count()) return {};
  return FOptions.contains(lboCheckImageNr) ? GetStringValue(Index) : Items()->Strings(Index);
}

namespace {
bool TextBesideGlyph(const TZYLGlyphTextLayout* Layout) {
  const TZYLTextArrange a = Layout->AlignText2Glyph();
  return a != taTop && a != taTopLeft && a != taBottom && a != taBottomLeft;
}
}  // namespace

int TZYLCustomImageListBox::GetHorzExtent(int Index) {
  const std::string s = Index >= 0 && Index < Items()->Count() ? Items()->Strings(Index) : "";
  int w = MeasureText(s) + 2 + FLayout->OffsetX();
  if (!IMLEmpty() && TextBesideGlyph(FLayout)) w += GetImageWidth(Index) + FLayout->Spacing();
  return w;
}

void TZYLCustomImageListBox::MeasureItem(int Index, int& Height) {
  if (Index == -1) {
    inherited::MeasureItem(Index, Height);
    return;
  }
  int h = -1, v = 0;
  const int ih = GetImageHeight(Index);
  if (ih > 0) {
    h = ih;
    v = FLayout->Spacing() + h + 2 + FLayout->OffsetY();
  }
  const std::string text = ItemText(Index);
  if (!text.empty()) {
    TRect r{0, 0, 0, 0};
    if (FMultiLine) {
      r.Right = std::max(0, ClientWidth() - GetImageWidth(Index) - 4);
      ZYLDrawTextCalc(text, FFont3D, r, Font(), true, false, 0,
                      win::DT_WORDBREAK | win::DT_EXPANDTABS);
    } else {
      ZYLDrawTextCalc(text, FFont3D, r, Font(), false, false, 0, win::DT_EXPANDTABS);
    }
    h = TextBesideGlyph(FLayout) ? std::max(h, r.Bottom) : v + r.Bottom;
  }
  Height = Height >= h ? ItemHeight() : h;
}

void TZYLCustomImageListBox::DrawItem(int Index, TRect Rect, vcl::TOwnerDrawState /*State*/) {
  Rect.Left += FMargin;
  Rect.Right -= FMargin;
  Rect.Bottom -= 1;
  TZYLDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled};
  if (FMultiLine) styles += dtRectClip;
  int32_t flags = static_cast<int32_t>(DrawTextBiDiModeFlags(win::DT_NOPREFIX));
  if (FLargeTextOptions == lbltEndEllipsis || FLargeTextOptions == lbltPathEllipsis) {
    styles += dtRectClip;
    flags |= FLargeTextOptions == lbltEndEllipsis ? win::DT_END_ELLIPSIS : win::DT_PATH_ELLIPSIS;
  }
  const std::string text = ItemText(Index);
  const bool transparent = FOptions.contains(lboTransparentImages);
  vcl::TCanvas* c = Canvas();
  const int image = GetImageIndex(Index);
  auto drawExt = [&](vcl::TCanvas* Source, TRect Glyph, vcl::TColor Clear) {
    if (FGlyphNumber >= 2) {
      const int w = Glyph.Width() / FGlyphNumber;
      Glyph.Left += FGlyphColumn * w;
      Glyph.Right = Glyph.Left + w;
    }
    ZYLDrawTextAndGlyphExt(c, text, FFont3D, Rect, Source, Glyph, nullptr, Clear, FLayout,
                           FMultiLine, false, transparent, styles, flags);
  };
  // The glyph split (GlyphNumber) leaves an empty rectangle empty.
  imageitems::DrawEntry(FImageList, FListIndex, image, ValidImage(image), drawExt,
                        [&](vcl::TBitmap* Copy) {
                          if (FGlyphNumber < 2)
                            ZYLDrawTextAndGlyph(c, text, FFont3D, Rect, Copy, nullptr, FLayout,
                                                FMultiLine, false, transparent, styles, flags);
                          else
                            drawExt(Copy->Canvas(), TRect{0, 0, Copy->Width(), Copy->Height()},
                                    FImageList->TransparentColor(FListIndex, image));
                        });
}

// ---------------------------------------------------------------------------------------------
// Streaming

void TZYLCustomImageListBox::Loaded() {
  inherited::Loaded();
  if (FImagesOnly) UpdateEmptyList();
}

void TZYLCustomImageListBox::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (ForgetRemovedList(AComponent, Operation)) GetIMLChange(nullptr);
}

void TZYLCustomImageListBox::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  ZYLDefineGlobalIdent(Filer, FImageList, [this](TZYLCustomImageList* L) { SetImageList(L); });
}

void TZYLCustomDerivedImageListBox::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(
      "DefaultItem", [](vcl::TReader* r) { r->SkipValue(); }, nullptr, false);
  Filer->DefineProperty(
      "Delimiter", [](vcl::TReader* r) { r->SkipValue(); }, nullptr, false);
  Filer->DefineProperty(
      "Options", [](vcl::TReader* r) { r->SkipValue(); }, nullptr, false);
}

}  // namespace zyl
