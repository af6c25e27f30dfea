// The image list boxes. TZYLCustomImageListBox shows a glyph of an image list beside (or above
// or below) each item's text: an item is "text|number" (the image's number after the
// delimiter) or just text when the items take the images in list order.
// TZYLCustomDerivedImageListBox is the base of the colour, font and font-size list boxes; it only
// reads away three properties older form files hold.
#pragma once

#include <cstdint>
#include <string>

#include "edits/ZYLCustomListBox.h"
#include "edits/ZYLImageBoxSettings.h"

namespace zyl {

class TZYLCustomImageListBox : public TZYLCustomListBox, public TZYLImageBoxSettings {
  ZYL_CLASS(TZYLCustomImageListBox, TZYLCustomListBox)
  explicit TZYLCustomImageListBox(vcl::TComponent* AOwner);
  ~TZYLCustomImageListBox() override;

  void SetDelimiter(char Value);
  void SetOptions(TZYLImageBoxOptions Value);
  void SetDefaultItem(int Value);
  // Glyphs side by side in one image (0 is ignored) and the one drawn (below GlyphNumber).
  uint8_t GlyphNumber() const { return FGlyphNumber; }
  void SetGlyphNumber(uint8_t Value);
  uint8_t GlyphColumn() const { return FGlyphColumn; }
  void SetGlyphColumn(uint8_t Value);
  // One empty item per image of the list; the items are then not stored.
  void SetImagesOnly(bool Value);

  // Item Index becomes its text, the delimiter and ImageIndex.
  void SetImageIndex(int Index, int ImageIndex);
  // The image an item shows; -1 for none.
  int GetImageIndex(int Index);
  bool IMLEmpty() const;
  void UpdateEmptyList();
  // The image list is a list of the global container (streamed as "Internal").
  bool CheckCont() const;

  std::string GetStringValue(int Index) override;
  int GetHorzExtent(int Index) override;
  bool CanEdit() override { return !FImagesOnly; }
  virtual int GetImageHeight(int Index);
  virtual int GetImageWidth(int Index);
  void GetIMLChange(vcl::TObject* Sender) override;

 protected:
  void DefineProperties(vcl::TFiler* Filer) override;
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;

 private:
  bool ValidImage(int Image) const;
  // The text part of an item (before the delimiter with lboCheckImageNr).
  std::string ItemText(int Index);

  uint8_t FGlyphNumber = 1;
  uint8_t FGlyphColumn = 0;
};

class TZYLCustomDerivedImageListBox : public TZYLCustomListBox {
  ZYL_CLASS(TZYLCustomDerivedImageListBox, TZYLCustomListBox)
  explicit TZYLCustomDerivedImageListBox(vcl::TComponent* AOwner) : inherited(AOwner) {}

 protected:
  // Reads "DefaultItem", "Delimiter" and "Options" of older forms and drops them.
  void DefineProperties(vcl::TFiler* Filer) override;
};

}  // namespace zyl
