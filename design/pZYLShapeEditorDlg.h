// TZYLShapeEditorDlg: picks a TZYLShapeType on a preview shape `test` that shows the choice at
// once; the list `pred` names the shapes in their order.
#pragma once

#include "design/pZYLObjectEditor.h"
#include "design/pZYLShapeEditorDlg.fieldtypes.h"
#include "foundation/ZYLClass.h"

namespace zyl {

class TZYLShapeEditorDlg : public TZYLObjectEditorForm {
  ZYL_CLASS(TZYLShapeEditorDlg, TZYLObjectEditorForm)
  explicit TZYLShapeEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Offers Shape in the form; the chosen shape on OK, Shape itself on any other ending.
  static TZYLShapeType Edit(TZYLShapeType Shape);
  // The same, answering whether the form was left with OK (Shape then holds the choice).
  static bool Pick(TZYLShapeType& Shape);
  // Selects the preview's shape in the list.
  void SetLabels() override;

#include "design/pZYLShapeEditorDlg.fields.h"

  // The first activation selects the preview's shape in the list.
  void FormActivate(vcl::TObject* Sender);
  // The preview takes the chosen shape.
  void predChange(vcl::TObject* Sender);
};

inline constexpr vcl::TUnitEntry pZYLShapeEditorDlgUnit =
    ZYLEditorFormUnit<TZYLShapeEditorDlg>("pZYLShapeEditorDlg");

}  // namespace zyl
