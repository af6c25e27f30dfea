// TZYLGradientEditorDlg: the modal editor of a gradient, in its standard layout (two colours
// and a step count) or its extended one (an explicit colour list), on the working copy held by
// the fill object of its preview `test`. A gradient keeps at least two colours: the step count
// starts at 2, and OK with fewer than two colours in the extended layout is refused with a
// message, leaving the form open.
#pragma once

#include "design/pZYLGradientEditorDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class TZYLGradient;

class TZYLGradientEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLGradientEditorDlg, TZYLObjectEditorForm)
  explicit TZYLGradientEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Gradient on a working copy; true exactly on OK.
  static bool Edit(TZYLGradient* Gradient);
  TZYLGradient* Copy() const;
  void SetLabels() override;
  // The two layouts: colours and step count, or the colour list.
  void ActivateStd();
  void ActivateExt();

#include "design/pZYLGradientEditorDlg.fields.h"

  void edchange(vcl::TObject* Sender);
  void directChange(vcl::TObject* Sender);
  // Both colour boxes: the sender tells the colour.
  void cmbc(vcl::TObject* Sender);
  void chkClick(vcl::TObject* Sender);
  void ext_stdClick(vcl::TObject* Sender);
  // Rebuilds the gradient's colour list from the list box, in its order.
  void clbClick(vcl::TObject* Sender);
  void addBtnClick(vcl::TObject* Sender);
  void delBtnClick(vcl::TObject* Sender);
  void resetClick(vcl::TObject* Sender);
  void FormCloseQuery(vcl::TObject* Sender, bool& CanClose);

 private:
  void ShowLayout(bool Std);
};

inline constexpr vcl::TUnitEntry pZYLGradientEditorDlgUnit =
    ZYLEditorFormUnit<TZYLGradientEditorDlg>("pZYLGradientEditorDlg");

}  // namespace zyl
