#include "system/ZYLPopupMenu.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLReference.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLPopupMenu) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLPopupMenu;
  // The Options decide whether the menu is owner-drawn: an OwnerDraw line of an older form file
  // is read and dropped, and the property is never written.
  b.Prop("OwnerDraw", &T::OwnerDraw, &T::DropOwnerDraw)
      .Stored(false)
      .Prop("Options", &T::Options, &T::SetOptions)
      .Default(TZYLPopUpOptions{poDisplayBar, poUseAppTitle})
      .Prop("BarWidth", &T::GetWord, &T::SetWord)
      .Index(wiBarWidth)
      .Default(26)
      .Prop("BarGap", &T::GetWord, &T::SetWord)
      .Index(wiBarGap)
      .Default(1)
      .Prop("Caption", &T::Caption, &T::SetCaption)
      .Prop("Font", &T::Font, &T::SetFont)
      .Prop("FontFX", &T::FontFX, &T::SetFontFX)
      .Prop("FillObject", &T::FillObject, &T::SetFillObject)
      .Prop("Bevel", &T::Bevel, &T::SetBevel)
      .Prop("Layout", &T::Layout, &T::SetLayout)
      .Prop("Bitmap", &T::Bitmap, &T::SetBitmap)
      .Prop("ImageList", &T::ImageList, &T::SetImageList)
      .Stored(&T::IsImageListStored)
      .Prop("ImageIndex", &T::GetIndex, &T::SetIndex)
      .Index(iiImageIndex)
      .Default(0)
      .Prop("ListIndex", &T::GetIndex, &T::SetIndex)
      .Index(iiListIndex)
      .Default(0)
      .Prop("OnBeforePopup", &T::GetOnBeforePopup, &T::SetOnBeforePopup)
      .Prop("OnAfterPopUp", &T::GetOnAfterPopUp, &T::SetOnAfterPopUp);
}

namespace {

// The bar's starting look: white bold italic Arial, upwards, on a black to blue gradient.
constexpr int kFontSize = 14;
constexpr int kGradientColors = 64;
constexpr uint16_t kUpwards = 90;
constexpr int16_t kTextOffsetY = -2;

}  // namespace

// The side bar's caption effects: a menu's caption starts upwards, so its angle is always
// written (an angle of 0 set by the user comes back as 0).
class TZYLPopupFxCaption : public TZYLFxCaption {
  ZYL_CLASS(TZYLPopupFxCaption, TZYLFxCaption)
  TZYLPopupFxCaption() { SetAngle(kUpwards); }
};

ZYL_CLASS_IMPL(TZYLPopupFxCaption) { b.Publish("Angle").NoDefault(); }

TZYLPopupMenu::TZYLPopupMenu(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FFont(new vcl::TFont()),
      FFontFX(new TZYLPopupFxCaption()),
      FFillObject(new TZYLFillObject()),
      FBevel(new TZYLBevel()),
      FLayout(new TZYLGlyphTextLayout()),
      FBitmap(new vcl::TBitmap()) {
  FFont->SetColor(vcl::clWhite);
  FFont->SetName("Arial");
  FFont->SetSize(kFontSize);
  FFont->SetStyle({vcl::fsBold, vcl::fsItalic});
  FFillObject->SetDefaultFillStyle(sfGradient);
  FFillObject->Gradient()->SetColor(vcl::clBlack);
  FFillObject->Gradient()->SetEndColor(vcl::clBlue);
  FFillObject->Gradient()->SetColorCount(kGradientColors);
  FLayout->SetDefaultPlacement(agBottomCenter, taTop, kTextOffsetY);
  SetOwnerDraw(true);
}

// The holders free the settings objects in reverse declaration order.
TZYLPopupMenu::~TZYLPopupMenu() = default;

void TZYLPopupMenu::SetOptions(TZYLPopUpOptions Value) {
  FOptions = Value;
  SetOwnerDraw(Value.contains(poDisplayBar));
}

void TZYLPopupMenu::SetWord(int Index, uint16_t Value) {
  (Index == wiBarWidth ? FBarWidth : FBarGap) = Value;
}
void TZYLPopupMenu::SetFont(vcl::TFont* Value) { FFont->Assign(Value); }
void TZYLPopupMenu::SetFontFX(TZYLFxCaption* Value) { FFontFX->Assign(Value); }
void TZYLPopupMenu::SetFillObject(TZYLFillObject* Value) { FFillObject->Assign(Value); }
void TZYLPopupMenu::SetBevel(TZYLBevel* Value) { FBevel->Assign(Value); }
void TZYLPopupMenu::SetLayout(TZYLGlyphTextLayout* Value) { FLayout->Assign(Value); }
void TZYLPopupMenu::SetBitmap(vcl::TBitmap* Value) { FBitmap->Assign(Value); }
void TZYLPopupMenu::SetIndex(int Index, int Value) {
  if (Value < 0) return;  // ignored: the picture stays
  (Index == iiImageIndex ? FImageIndex : FListIndex) = Value;
}

void TZYLPopupMenu::SetImageList(TZYLCustomImageList* Value) {
  ZYLSetReference(this, FImageList, Value);
}

bool TZYLPopupMenu::IsImageListStored() const { return ZYLIsReferenceStored(FImageList); }

void TZYLPopupMenu::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FImageList) FImageList = nullptr;
}

void TZYLPopupMenu::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  ZYLDefineGlobalIdent(Filer, FImageList, [this](TZYLCustomImageList* L) { SetImageList(L); });
}

void TZYLPopupMenu::DoAfterPopup() {
  if (FOnAfterPopUp) FOnAfterPopUp(this);
}

void TZYLPopupMenu::Popup(int X, int Y) {
  if (FOnBeforePopup) {
    bool cancel = false;
    FOnBeforePopup(this, X, Y, cancel);
    if (cancel) return;
  }
  // Whatever was set on the menu since, the Options decide how it is drawn.
  SetOwnerDraw(FOptions.contains(poDisplayBar));
  FBar = std::make_unique<vcl::TBitmap>();
  FBarDrawn = false;
  FBarHeight = 0;
  // The items draw through this menu for the popup; their own handlers come back after it.
  struct TSaved {
    vcl::TMenuItem* Item;
    vcl::TMenuMeasureItemEvent Measure;
    vcl::TAdvancedMenuDrawItemEvent Draw;
  };
  std::vector<TSaved> saved;
  vcl::TMenuItem* items = Items();
  // Without the bar the menu is a plain one: its items keep the standard look and size.
  const int drawn = FOptions.contains(poDisplayBar) ? items->Count() : 0;
  for (int i = 0; i < drawn; ++i) {
    vcl::TMenuItem* item = items->Items(i);
    saved.push_back({item, item->OnMeasureItem, item->OnAdvancedDrawItem});
    item->SetOnMeasureItem(vcl::TMenuMeasureItemEvent(this, &TZYLPopupMenu::MeasureItem));
    item->SetOnAdvancedDrawItem(vcl::TAdvancedMenuDrawItemEvent(this, &TZYLPopupMenu::DrawItem));
  }
  vcl::TFinally restore([&] {
    for (const TSaved& s : saved) {
      s.Item->SetOnMeasureItem(s.Measure);
      s.Item->SetOnAdvancedDrawItem(s.Draw);
    }
    FBar.reset();
  });
  inherited::Popup(X, Y);
  DoAfterPopup();
}

void TZYLPopupMenu::MeasureItem(vcl::TObject* Sender, vcl::TCanvas*, int& Width, int& Height) {
  if (!FOptions.contains(poDisplayBar)) return;
  Width += FBarWidth + FBarGap;
  if (auto* item = dynamic_cast<vcl::TMenuItem*>(Sender); item && item->Visible())
    FBarHeight = static_cast<uint16_t>(FBarHeight + Height);
}

void TZYLPopupMenu::DrawStandard(vcl::TMenuItem* Item, vcl::TCanvas* ACanvas, vcl::TRect ARect,
                                 vcl::TOwnerDrawState State) {
  const vcl::TAdvancedMenuDrawItemEvent own = Item->OnAdvancedDrawItem;
  Item->SetOnAdvancedDrawItem({});
  vcl::TFinally back([&] { Item->SetOnAdvancedDrawItem(own); });
  Item->AdvancedDrawItem(ACanvas, ARect, State, true);
}

void TZYLPopupMenu::DrawItem(vcl::TObject* Sender, vcl::TCanvas* ACanvas, vcl::TRect ARect,
                             vcl::TOwnerDrawState State) {
  auto* item = dynamic_cast<vcl::TMenuItem*>(Sender);
  if (!item) return;
  if (!FOptions.contains(poDisplayBar)) {
    DrawStandard(item, ACanvas, ARect, State);
    return;
  }
  vcl::TRect shifted = ARect;
  shifted.Left += FBarWidth + FBarGap;
  DrawStandard(item, ACanvas, shifted, State);
  if (!FBar) return;
  if (FBarDrawn) {
    const vcl::TRect slice{0, ARect.Top, FBarWidth, ARect.Bottom};
    ACanvas->CopyRect(slice, FBar->Canvas(), slice);
    return;
  }
  DrawBar(ACanvas);
}

void TZYLPopupMenu::DrawBar(vcl::TCanvas* ACanvas) {
  FBar->SetWidth(FBarWidth);
  FBar->SetHeight(FBarHeight);
  std::string text = FCaption;
  if (text.empty() && FOptions.contains(poUseAppTitle) && vcl::Application)
    text = vcl::Application->Title();
  vcl::TCanvas* canvas = FBar->Canvas();
  const vcl::TRect bar{0, 0, FBarWidth, FBarHeight};
  FFillObject->FillCanvas(canvas, bar, canvas->Brush()->Color());
  const vcl::TRect inner = FBevel->PaintBevel(canvas, bar, true);
  canvas->Font()->Assign(FFont);
  vcl::TBitmap picture;
  vcl::TBitmap* glyph = FBitmap;
  if (FImageList && FImageIndex >= 0 && FListIndex >= 0 &&
      FImageList->IsValidItem(FListIndex, FImageIndex) &&
      FImageList->GetBitmapItem(FListIndex, FImageIndex, &picture))
    glyph = &picture;
  ZYLDrawTextAndGlyph(canvas, text, FFontFX, inner, glyph, nullptr, FLayout, false, false, true,
                      TZYLDrawTextStyles{dtEnabled}, 0);
  ACanvas->Draw(0, 0, FBar.get());
  FBarDrawn = true;
}

}  // namespace zyl
