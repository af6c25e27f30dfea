// TZYLPopupMenu: a popup menu with a painted side bar down its left edge: a filled, bevelled
// strip with a caption written upwards and a picture, the height of the menu's visible items,
// drawn once per popup into a bitmap and copied slice by slice beside each item. The items are
// drawn by the standard menu-item drawing, shifted right by the bar. Events before and after
// the popup let the application cancel it or hear its end.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLOwned.h"
#include "platform/controls/Menus.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
class TFont;
}  // namespace vcl

namespace zyl {

class TZYLBevel;
class TZYLCustomImageList;
class TZYLFillObject;
class TZYLFxCaption;
class TZYLGlyphTextLayout;

ZYL_ENUM(TZYLPopUpOption, poDisplayBar, poUseAppTitle)
using TZYLPopUpOptions = vcl::TSet<TZYLPopUpOption>;
using TZYLOnPopUpEvent = vcl::TEvent<void(vcl::TObject* Sender, int X, int Y, bool& Cancel)>;

class TZYLPopupMenu : public vcl::TPopupMenu {
  ZYL_CLASS(TZYLPopupMenu, vcl::TPopupMenu)
  // The indices of the word properties (the image-list indices are TZYLImageIndexProp).
  enum TWordProp : int { wiBarWidth, wiBarGap };

  explicit TZYLPopupMenu(vcl::TComponent* AOwner);
  ~TZYLPopupMenu() override;

  // OnBeforePopup may cancel; the menu opens with every top-level item drawn by this menu
  // (the items' own measure and draw handlers are put back afterwards); then DoAfterPopup.
  void Popup(int X, int Y) override;

  TZYLPopUpOptions Options() const { return FOptions; }
  // Stores the options; the menu is owner-drawn exactly while poDisplayBar is set.
  void SetOptions(TZYLPopUpOptions Value);
  uint16_t GetWord(int Index) const { return Index == wiBarWidth ? FBarWidth : FBarGap; }
  void SetWord(int Index, uint16_t Value);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) { FCaption = Value; }
  vcl::TFont* Font() const { return FFont.get(); }
  void SetFont(vcl::TFont* Value);
  TZYLFxCaption* FontFX() const { return FFontFX.get(); }
  void SetFontFX(TZYLFxCaption* Value);
  TZYLFillObject* FillObject() const { return FFillObject.get(); }
  void SetFillObject(TZYLFillObject* Value);
  TZYLBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TZYLBevel* Value);
  TZYLGlyphTextLayout* Layout() const { return FLayout.get(); }
  void SetLayout(TZYLGlyphTextLayout* Value);
  vcl::TBitmap* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(vcl::TBitmap* Value);
  TZYLCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TZYLCustomImageList* Value);
  int GetIndex(int Index) const { return Index == iiImageIndex ? FImageIndex : FListIndex; }
  // A negative index is ignored (the previous one stays).
  void SetIndex(int Index, int Value);

  const TZYLOnPopUpEvent& GetOnBeforePopup() const { return FOnBeforePopup; }
  void SetOnBeforePopup(const TZYLOnPopUpEvent& Value) { FOnBeforePopup = Value; }
  const vcl::TNotifyEvent& GetOnAfterPopUp() const { return FOnAfterPopUp; }
  void SetOnAfterPopUp(const vcl::TNotifyEvent& Value) { FOnAfterPopUp = Value; }

  // The height of the bar of the last popup (the visible top-level items' heights summed).
  int BarHeight() const { return FBarHeight; }

  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void DefineProperties(vcl::TFiler* Filer) override;

 protected:
  virtual void DoAfterPopup();

 private:
  // The published OwnerDraw's setter: the value is dropped (the Options decide).
  void DropOwnerDraw(bool) {}
  void MeasureItem(vcl::TObject* Sender, vcl::TCanvas* ACanvas, int& Width, int& Height);
  void DrawItem(vcl::TObject* Sender, vcl::TCanvas* ACanvas, vcl::TRect ARect,
                vcl::TOwnerDrawState State);
  // The standard drawing of an item, without its own draw handler.
  static void DrawStandard(vcl::TMenuItem* Item, vcl::TCanvas* ACanvas, vcl::TRect ARect,
                           vcl::TOwnerDrawState State);
  void DrawBar(vcl::TCanvas* ACanvas);
  bool IsImageListStored() const;

  TZYLPopUpOptions FOptions{poDisplayBar, poUseAppTitle};
  uint16_t FBarWidth = 26;
  uint16_t FBarGap = 1;
  std::string FCaption;
  TZYLOwned<vcl::TFont> FFont;
  TZYLOwned<TZYLFxCaption> FFontFX;
  TZYLOwned<TZYLFillObject> FFillObject;
  TZYLOwned<TZYLBevel> FBevel;
  TZYLOwned<TZYLGlyphTextLayout> FLayout;
  TZYLOwned<vcl::TBitmap> FBitmap;
  TZYLCustomImageList* FImageList = nullptr;
  int FImageIndex = 0;
  int FListIndex = 0;
  TZYLOnPopUpEvent FOnBeforePopup;
  vcl::TNotifyEvent FOnAfterPopUp;
  // One popup's state.
  std::unique_ptr<vcl::TBitmap> FBar;
  bool FBarDrawn = false;
  uint16_t FBarHeight = 0;
};

inline constexpr vcl::TUnitEntry ZYLPopupMenuUnit = vcl::ClassesUnit<TZYLPopupMenu>("ZYLPopupMenu");

}  // namespace zyl
