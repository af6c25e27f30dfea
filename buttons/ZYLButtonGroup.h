// The button groups: TZYLCustomButtonGroup is a group frame (its caption strip with CaptionFont,
// CaptionFont3D, a picture from ImageList before it) with a list of Items laid out in Columns,
// each drawn as a box and its text (Font, Font3D). The box is the system's check or radio
// mark, or, with GlyphImageList set, the image GlyphImageIndex (unchecked) or the one after
// it (checked) of the list's entry GlyphListIndex. A click on an item or the space bar on the
// focused item changes it; the arrow keys move the focus between items. A glyph list of the
// global container streams as "GlyphImageListInternal".
// TZYLCustomCheckGroup checks items independently (Value holds item i in bit i);
// TZYLCustomRadioGroup checks one item (ItemIndex). TZYLCheckGroup and TZYLRadioGroup
// publish them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "buttons/ZYLGroupBox.h"
#include "foundation/ZYLOwned.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
class TStrings;
class TStringList;
}  // namespace vcl

namespace zyl {

class TZYLCustomImageList;
class TZYLFxCaption;

class TZYLCustomButtonGroup : public TZYLCustomGroupBox {
  ZYL_CLASS(TZYLCustomButtonGroup, TZYLCustomGroupBox)
  ZYL_MESSAGES(TZYLCustomButtonGroup)
  // The side of an item's box when no glyph list is set.
  static constexpr int BoxSize = 13;
  // The indices of the glyph's image and list index.
  enum TGlyphIndex : int { giImageIndex, giListIndex };

  explicit TZYLCustomButtonGroup(vcl::TComponent* AOwner);
  ~TZYLCustomButtonGroup() override;
  TZYLAboutVar About() const { return {}; }
  void SetAbout(const TZYLAboutVar&) {}

  vcl::TStrings* Items() const;
  // Copies the lines.
  void SetItems(vcl::TStrings* Value);
  int Columns() const { return FColumns; }
  // At least 1.
  void SetColumns(int Value);
  TZYLFxCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TZYLFxCaption* Value);
  TZYLCustomImageList* GlyphImageList() const { return FGlyphImageList; }
  void SetGlyphImageList(TZYLCustomImageList* Value);
  int GetGlyphIndex(int Index) const;
  void SetGlyphIndex(int Index, int Value);

  // Whether item Index shows its mark (false outside the items).
  virtual bool ItemChecked(int Index) const = 0;
  // The item under the client point X, Y; -1 for none.
  int ItemAt(int X, int Y);
  // The rectangle of item Index in the client area.
  vcl::TRect ItemRect(int Index);
  // The item that has the keyboard focus inside the group.
  int FocusIndex() const { return FFocusIndex; }

  const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(const vcl::TNotifyEvent& E) { FOnChange = E; }

 protected:
  void Paint() override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, vcl::TShiftState Shift) override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  // A global glyph list goes as its identifier instead of a reference.
  void DefineProperties(vcl::TFiler* Filer) override;
  bool IsGlyphImageListStored() const;
  // What a click or the space bar does to item Index.
  virtual void ItemClicked(int Index) = 0;
  // The system's mark of an item (DFCS_BUTTONCHECK or DFCS_BUTTONRADIO).
  virtual uint32_t MarkKind() const = 0;
  // The items changed: the descendants fit their state to them.
  virtual void ItemsChanged() {}
  // Reports a change of the checks (not while loading).
  void ChecksChanged();
  // The rectangle holding the items: the content rectangle less a margin.
  vcl::TRect ItemsArea();
  void DrawBox(vcl::TCanvas* Canvas, const vcl::TRect& Box, int Index);
  void ItemsChange(vcl::TObject* Sender);
  void WMGetDlgCode(vcl::TMessage& Message);

  TZYLOwned<vcl::TStringList> FItems;
  TZYLOwned<TZYLFxCaption> FFont3D;
  std::unique_ptr<vcl::TBitmap> FGlyphBitmap;
  TZYLCustomImageList* FGlyphImageList = nullptr;
  int FGlyphImageIndex = 0;
  int FGlyphListIndex = 0;
  int FColumns = 1;
  int FFocusIndex = 0;

 protected:
  vcl::TNotifyEvent FOnChange;
};

class TZYLCustomCheckGroup : public TZYLCustomButtonGroup {
  ZYL_CLASS(TZYLCustomCheckGroup, TZYLCustomButtonGroup)
  explicit TZYLCustomCheckGroup(vcl::TComponent* AOwner);

  bool ItemChecked(int Index) const override;
  bool Checked(int Index) const { return ItemChecked(Index); }
  // EListError outside the items and the first 32 places.
  void SetChecked(int Index, bool Value);
  // Item i is checked exactly when bit i is set. The checks of the first 32 places are kept
  // whether or not the items are there yet, so Value reads back what was set.
  int32_t Value() const;
  void SetValue(int32_t Value);

 protected:
  void ItemClicked(int Index) override;
  uint32_t MarkKind() const override;
  void ItemsChanged() override;

  std::vector<bool> FChecked;
};

class TZYLCheckGroup : public TZYLCustomCheckGroup {
  ZYL_CLASS(TZYLCheckGroup, TZYLCustomCheckGroup)
  explicit TZYLCheckGroup(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLCustomRadioGroup : public TZYLCustomButtonGroup {
  ZYL_CLASS(TZYLCustomRadioGroup, TZYLCustomButtonGroup)
  explicit TZYLCustomRadioGroup(vcl::TComponent* AOwner) : inherited(AOwner) {}

  bool ItemChecked(int Index) const override { return Index >= 0 && Index == FItemIndex; }
  int ItemIndex() const { return FItemIndex; }
  // -1 clears the choice; EListError outside -1 .. the last item (a form being read keeps the
  // value until it is loaded, when a value outside the items becomes -1).
  void SetItemIndex(int Value);

 protected:
  void ItemClicked(int Index) override { SetItemIndex(Index); }
  uint32_t MarkKind() const override;
  void ItemsChanged() override;
  void Loaded() override;

  int FItemIndex = -1;
};

class TZYLRadioGroup : public TZYLCustomRadioGroup {
  ZYL_CLASS(TZYLRadioGroup, TZYLCustomRadioGroup)
  explicit TZYLRadioGroup(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLButtonGroupUnit =
    vcl::ClassesUnit<TZYLCheckGroup, TZYLRadioGroup>("ZYLButtonGroup");

}  // namespace zyl
