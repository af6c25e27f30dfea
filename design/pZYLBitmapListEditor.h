// TZYLBitmapListEditorDlg: the list editor of a bitmap list. Each line shows an item's index,
// external id, compressed flag, colour count, description and bitmap; the item dialog
// (Tzylfrmbiprop) adds and edits items; dropped ".bmp" files become items; the current item's
// bitmap can be saved as a bitmap file.
#pragma once

#include "design/pZYLBitmapListEditor.fieldtypes.h"
#include "design/pZYLListEditor.h"
#include "design/pZYLObjectEditor.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

class TZYLBitmapList;

class TZYLBitmapListEditorDlg : public TZYLListEditorForm {
  ZYL_CLASS(TZYLBitmapListEditorDlg, TZYLListEditorForm)
  explicit TZYLBitmapListEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits List on the form's working list; true exactly on OK, which assigns the working list
  // back once. Cancel, the close box, Escape and an exception leave List as it was.
  static bool Edit(TZYLBitmapList* List);

  // The working list takes List's items and defaults.
  void SetImageList(TZYLBitmapList* List);
  TZYLBitmapList* BitmapList() const;

#include "design/pZYLBitmapListEditor.fields.h"

  void lbDrawItem(vcl::TWinControl* Control, int Index, vcl::TRect Rect,
                  vcl::TOwnerDrawState State);
  void Saveasbitmap1Click(vcl::TObject* Sender);
  void WriteGeneral() override;

 protected:
  TZYLListItemClassType ListKind() const override { return icBitmap; }
  TZYLCustomContainer* NewList() const override;
  bool EditItem(int Index) override;
  TZYLAppendStep LoadDropped(const std::string& File) override;
};

inline constexpr vcl::TUnitEntry pZYLBitmapListEditorUnit =
    ZYLEditorFormUnit<TZYLBitmapListEditorDlg>("pZYLBitmapListEditor");

}  // namespace zyl
