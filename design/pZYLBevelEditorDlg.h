// TZYLBevelEditorDlg: the modal editor of a bevel. Its preview panel `test` owns the working
// copy (test.Bevel); every control writes straight into that copy, whose change repaints the
// preview, and SetLabels fills every control from it. Four pages, one per bevel mode, each
// beginning with the radio button that selects the mode; BorderColor and BorderInnerWidth
// appear on three pages and show the same value after every change.
#pragma once

#include "design/pZYLBevelEditorDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"
#include "platform/controls/Forms.h"

namespace zyl {

class TZYLBevel;
class TZYLColorComboBox;

class TZYLBevelEditorDlg : public vcl::TForm {
  ZYL_CLASS(TZYLBevelEditorDlg, vcl::TForm)
  explicit TZYLBevelEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits Bevel in a new form owned by the application: the page of its mode shown, OK copies
  // the working copy back. True exactly on OK; on Cancel, the close box, Escape or an
  // exception Bevel is left as it was.
  static bool Edit(TZYLBevel* Bevel);

  // Shows the page of the working copy's mode.
  void ShowModePage();
  void SetLabels();

#include "design/pZYLBevelEditorDlg.fields.h"

  void rbclick(vcl::TObject* Sender);
  void cmbStandardChange(vcl::TObject* Sender);
  void cmbChange(vcl::TObject* Sender);
  void cmb1Change(vcl::TObject* Sender);
  void cmbEdgeChange(vcl::TObject* Sender);
  void cmbbChange(vcl::TObject* Sender);
  void edbiwChange(vcl::TObject* Sender);
  void cbLeftClick(vcl::TObject* Sender);
  void cbTopClick(vcl::TObject* Sender);
  void cbRightClick(vcl::TObject* Sender);
  void cbBottomClick(vcl::TObject* Sender);
  void bt1Click(vcl::TObject* Sender);
  void resetClick(vcl::TObject* Sender);
  void tb4Enter(vcl::TObject* Sender);

 private:
  TZYLBevel* Copy() const;
  // The colour box a colour button stands beside.
  TZYLColorComboBox* BoxOf(vcl::TObject* Button) const;
  void SideClick(vcl::TObject* Sender, int Side);
  // Set while SetLabels fills the controls: their change events then write nothing back.
  bool FFilling = false;
};

// The unit's initialization and finalization: the form class, its layout and the classes of
// its controls for the form reader.
inline constexpr vcl::TUnitEntry pZYLBevelEditorDlgUnit =
    ZYLEditorFormUnit<TZYLBevelEditorDlg>("pZYLBevelEditorDlg");

}  // namespace zyl
