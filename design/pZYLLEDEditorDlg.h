// TZYLLEDEditorDlg: the modal editor of an LED painter (segment sizes, thickness, the two
// colours, whether a disabled display goes dark) on the working copy held by its preview LED
// label `test`; the list `pred` sets both colours at once from a predefined light colour.
#pragma once

#include "design/pZYLLEDEditorDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"

namespace zyl {

class TZYLLED;

class TZYLLEDEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLLEDEditorDlg, TZYLObjectEditorForm)
  explicit TZYLLEDEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits LED on a working copy; true exactly on OK.
  static bool Edit(TZYLLED* LED);
  TZYLLED* Copy() const;
  void SetLabels() override;
  // Fills `pred` with the names of the light colours.
  void FormCreate(vcl::TObject* Sender) override;

#include "design/pZYLLEDEditorDlg.fields.h"

  // The three spin edits: the sender tells the size.
  void edchange(vcl::TObject* Sender);
  // Both colour boxes: the sender tells the colour.
  void cmbc(vcl::TObject* Sender);
  void chkClick(vcl::TObject* Sender);
  // Sets both colours from the chosen light colour, then shows no item again.
  void predChange(vcl::TObject* Sender);
  void resetClick(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLLEDEditorDlgUnit =
    ZYLEditorFormUnit<TZYLLEDEditorDlg>("pZYLLEDEditorDlg");

}  // namespace zyl
