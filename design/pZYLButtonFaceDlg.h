// TZYLButtonFaceDlg: the editor of a multimedia button's face table. One row per button state
// shows the picture of the image list the state's entry (list index, image index) points at;
// the buttons choose a picture in the image picker, clear one entry or all, fill the other
// states from the normal (or the hot) ones, and go back to the table the form opened with. The
// form works on its own table; only the caller copies it back after OK.
#pragma once

#include "design/pZYLButtonFaceDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"
#include "foundation/ZYLClass.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

class TZYLCustomImageList;

class TZYLButtonFaceDlg : public vcl::TForm {
  ZYL_CLASS(TZYLButtonFaceDlg, vcl::TForm)
  explicit TZYLButtonFaceDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Faces, whose pictures come from List, on a working copy; true exactly on OK.
  static bool Edit(TZYLCustomImageList* List, TZYLButtonFaceIndex& Faces);

  TZYLCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TZYLCustomImageList* Value) { FImageList = Value; }
  // The table as the form opened with it ("Reset" goes back to it), and the working table.
  TZYLButtonFaceIndex InitialFaces;
  TZYLButtonFaceIndex Faces;

  // Nine empty rows, one per state, drawn by lbDrawItem.
  void RefreshList();
  // The height of the tallest picture a valid entry points at, at most 40; 0 for none.
  int GetHeighestItem() const;

  // The controls, bound by name.
#include "design/pZYLButtonFaceDlg.fields.h"

  void FormActivate(vcl::TObject* Sender);
  void lbDrawItem(vcl::TWinControl* Control, int Index, vcl::TRect Rect,
                  vcl::TOwnerDrawState State);
  void lbResize(vcl::TObject* Sender);
  void SelectBtnClick(vcl::TObject* Sender);
  void nopictureClick(vcl::TObject* Sender);
  void ClearAllClick(vcl::TObject* Sender);
  void syncClick(vcl::TObject* Sender);
  void ResetBtnClick(vcl::TObject* Sender);

 private:
  int SelectedRow() const;
  // After a change of the working table: the row height follows the pictures, the rows are
  // drawn again and Row (the one selected before the change) is selected.
  void TableChanged(int Row);
  TZYLCustomImageList* FImageList = nullptr;
};

inline constexpr vcl::TUnitEntry pZYLButtonFaceDlgUnit =
    ZYLEditorFormUnit<TZYLButtonFaceDlg>("pZYLButtonFaceDlg");

}  // namespace zyl
