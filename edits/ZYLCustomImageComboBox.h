// The image combo box: each entry shows an image of a library image list beside its text, laid
// out by a glyph-text layout and drawn in 3D text; an entry is "text|number" (the image's number
// after the delimiter) or just text when the entries take the images in list order, and with
// ImagesOnly the entries are one blank per image. TZYLImageComboBox (ZYLImageComboBox.h)
// publishes it.
#pragma once

#include <string>

#include "edits/ZYLCustomComboBox.h"
#include "edits/ZYLImageBoxSettings.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYL3DCaption;

class TZYLCustomImageComboBox : public TZYLCustomComboBox, public TZYLImageBoxSettings {
  ZYL_CLASS(TZYLCustomImageComboBox, TZYLCustomComboBox)
  ZYL_MESSAGES(TZYLCustomImageComboBox)
  explicit TZYLCustomImageComboBox(vcl::TComponent* AOwner);
  ~TZYLCustomImageComboBox() override;

  void SetDelimiter(char Value);
  void SetDefaultItem(int Value);
  // lboCalcHeight gives the entries their own heights.
  void SetOptions(TZYLImageBoxOptions Value);
  TZYL3DCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TZYL3DCaption* Value);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiline(bool Value);
  void SetImagesOnly(bool Value);

  // The image an entry shows; -1 for none.
  int GetImageIndex(int Index);
  // Entry Index becomes its text, the delimiter and ImageIndex.
  void SetImageIndex(int Index, int ImageIndex);
  // The text part of an entry ("" beyond the entries).
  std::string GetStringValue(int Index);
  void UpdateEmptyList();
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 protected:
  void CreateWnd() override;
  // The entry painted while the box paints a copy of itself; none here.
  virtual int GetFieldValue() { return -1; }
  // The text an entry shows.
  virtual std::string GetItemString(int Index);
  void GetIMLChange(vcl::TObject* Sender) override;
  void DefineProperties(vcl::TFiler* Filer) override;
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;
  void WMNCHitTest(vcl::TMessage& Message);

 private:
  // Whether Image is one of the images entries can show.
  bool ValidImage(int Image) const;
  int ImageSize(int Image, bool Height) const;

  TZYLOwned<TZYL3DCaption> FFont3D;
  bool FMultiLine = false;
  // The entry a form file chose, kept while the blank entries are not made yet (a window made
  // while the form is read has none to choose from).
  int FLoadingIndex = -1;
};

}  // namespace zyl
