// TZYLCustImgListSelectDlg: the image picker. It lists the image lists to choose from (the two
// global lists of the container and, with a designer, the image-list components of the
// designed form), the strips of a strip-based list and the images of the chosen strip (or the
// bitmaps of a bitmap list), each drawn in its row. The launchers fill it, show it modally and
// read the choice from it: the current image list (nil after "Clear"), the strip combo box's
// ItemIndex and the image list box's ItemIndex or, in multi-select mode, its selected rows.
#pragma once

#include <vector>

#include "design/pZYLCustImgListSelectDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"

namespace vcl {
class IFormDesigner;
}

namespace zyl {

class TZYLCustomImageList;

class TZYLCustImgListSelectDlg : public vcl::TForm {
  ZYL_CLASS(TZYLCustImgListSelectDlg, vcl::TForm)
  explicit TZYLCustImgListSelectDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  vcl::IFormDesigner* Designer() const { return FDesigner; }
  void SetDesigner(vcl::IFormDesigner* Value) { FDesigner = Value; }
  TZYLCustomImageList* ImageList() const { return FImageList; }

  void SetMultiSelect(bool Value);
  // Makes Value the current list, fills the controls for it and shows its first strip.
  void SetImageList(TZYLCustomImageList* Value);
  // Refills the strip combo box (a strip list) or the image rows (a bitmap list).
  void SetLabels();
  // Shows the images of strip Index; in both kinds the first row is then selected.
  void SetListIndex(int Index);
  // Fills the list of image lists: the global ones, then the designed form's.
  void AddImageLists();
  // Adds the row of the designed form's component of that name, when it is an image list.
  void GetLists(const std::string& Name);
  // The image rows: selects one (in multi-select mode it joins the selected rows), the focused
  // row (-1 for none), the selected rows in ascending order.
  void SelectRow(int Row);
  int RowIndex() const;
  std::vector<int> SelectedRows() const;

  // The controls, bound by name.
#include "design/pZYLCustImgListSelectDlg.fields.h"

  void lnClick(vcl::TObject* Sender);
  void cmbChange(vcl::TObject* Sender);
  void lbDblClick(vcl::TObject* Sender);
  void lbDrawItem(vcl::TWinControl* Control, int Index, vcl::TRect Rect,
                  vcl::TOwnerDrawState State);
  void Button2Click(vcl::TObject* Sender);
  void FormActivate(vcl::TObject* Sender);

 private:
  void AddListLine(TZYLCustomImageList* List, const std::string& Name);
  vcl::IFormDesigner* FDesigner = nullptr;
  TZYLCustomImageList* FImageList = nullptr;
};

inline constexpr vcl::TUnitEntry pZYLCustImgListSelectDlgUnit =
    ZYLEditorFormUnit<TZYLCustImgListSelectDlg>("pZYLCustImgListSelectDlg");

}  // namespace zyl
