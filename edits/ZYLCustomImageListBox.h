// The image list boxes. TZYLCustomImageListBox shows a glyph of an image list beside (or above
// or below) each item's text: an item is "text|number" (the image's number after the
// delimiter) or just text when the items take the images in list order.
// TZYLCustomDerivedImageListBox is the base of the colour, font and font-size list boxes; it only
// reads away three properties older form files hold.
#pragma once

#include <string>

#include "edits/ZYLCustomListBox.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYLChangeLink;
class TZYLCustomImageList;
class TZYLGlyphTextLayout;

ZYL_ENUM(TZYLImageBoxOption, lboImageListOrder, lboCheckImageNr, lboCalcHeight,
         lboTransparentImages)
using TZYLImageBoxOptions = vcl::TSet<TZYLImageBoxOption>;

class TZYLCustomImageListBox : public TZYLCustomListBox {
  ZYL_CLASS(TZYLCustomImageListBox, TZYLCustomListBox)
  explicit TZYLCustomImageListBox(vcl::TComponent* AOwner);
  ~TZYLCustomImageListBox() override;

  TZYLCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TZYLCustomImageList* Value);
  int ListIndex() const { return FListIndex; }
  // Negative values are ignored.
  void SetIndex(int Value);
  char Delimiter() const { return FDelimiter; }
  void SetDelimiter(char Value);
  TZYLImageBoxOptions Options() const { return FOptions; }
  void SetOptions(TZYLImageBoxOptions Value);
  int DefaultItem() const { return FDefaultItem; }
  void SetDefaultItem(int Value);
  // Glyphs side by side in one image (0 is ignored) and the one drawn (below GlyphNumber).
  uint8_t GlyphNumber() const { return FGlyphNumber; }
  void SetGlyphNumber(uint8_t Value);
  uint8_t GlyphColumn() const { return FGlyphColumn; }
  void SetGlyphColumn(uint8_t Value);
  TZYLGlyphTextLayout* Layout() const { return FLayout.get(); }
  void SetLayout(TZYLGlyphTextLayout* Value);
  // One empty item per image of the list; the items are then not stored.
  bool ImagesOnly() const { return FImagesOnly; }
  void SetImagesOnly(bool Value);

  // Item Index becomes its text, the delimiter and ImageIndex.
  void SetImageIndex(int Index, int ImageIndex);
  // The image an item shows; -1 for none.
  int GetImageIndex(int Index);
  bool IMLEmpty() const;
  void UpdateEmptyList();
  // The image list is a list of the global container (streamed as "Internal").
  bool CheckCont() const;
  // The image list is stored as a component reference.
  bool HasControl() const;
  bool StoreItems() const { return !FImagesOnly; }

  std::string GetStringValue(int Index) override;
  int GetHorzExtent(int Index) override;
  bool CanEdit() override { return !FImagesOnly; }
  virtual int GetImageHeight(int Index);
  virtual int GetImageWidth(int Index);
  virtual void GetIMLChange(vcl::TObject* Sender);

 protected:
  void DefineProperties(vcl::TFiler* Filer) override;
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;

 private:
  // The number of images items can show: entries of a single-item list, else images of entry
  // ListIndex.
  int ImageCount() const;
  bool ValidImage(int Image) const;
  // The text part of an item (before the delimiter with lboCheckImageNr).
  std::string ItemText(int Index);

  TZYLCustomImageList* FImageList = nullptr;
  int FListIndex = 0;
  char FDelimiter = '|';
  TZYLImageBoxOptions FOptions{lboImageListOrder, lboCheckImageNr};
  int FDefaultItem = -1;
  uint8_t FGlyphNumber = 1;
  uint8_t FGlyphColumn = 0;
  TZYLOwned<TZYLGlyphTextLayout> FLayout;
  bool FImagesOnly = false;
  TZYLOwned<TZYLChangeLink> FChangeLink;
};

class TZYLCustomDerivedImageListBox : public TZYLCustomListBox {
  ZYL_CLASS(TZYLCustomDerivedImageListBox, TZYLCustomListBox)
  explicit TZYLCustomDerivedImageListBox(vcl::TComponent* AOwner) : inherited(AOwner) {}

 protected:
  // Reads "DefaultItem", "Delimiter" and "Options" of older forms and drops them.
  void DefineProperties(vcl::TFiler* Filer) override;
};

}  // namespace zyl
