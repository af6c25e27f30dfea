// TfrmTZYLPointListEditor: edits a point list on a working copy of its own. The list `plb`
// shows one line "x;y;" per point, in the points' order; the spin edits `XVal` and `YVal` edit
// the selected point within the signed 16-bit range a point list keeps.
#pragma once

#include <memory>

#include "design/pZYLObjectEditor.h"
#include "design/pZYLPointListEditor.fieldtypes.h"

namespace zyl {

class TZYLPointList;
class TZYLSpinEdit;

class TfrmTZYLPointListEditor : public TZYLObjectEditorForm {
  ZYL_CLASS(TfrmTZYLPointListEditor, TZYLObjectEditorForm)
  explicit TfrmTZYLPointListEditor(vcl::TComponent* AOwner);
  ~TfrmTZYLPointListEditor() override;

  // Edits List on the form's working copy; true exactly on OK, which copies the points back.
  // A list holding an entry that is no packed point raises EListError before the form opens.
  static bool Edit(TZYLPointList* List);

  // Replaces the working copy and the lines by List's points. EListError (naming the entry)
  // for an entry that is no packed point; the form then keeps what it showed.
  void SetPointList(const TZYLPointList* List);
  // Replaces List's points by the working copy's.
  void GetPointList(TZYLPointList* List) const;
  // The working copy.
  const TZYLPointList* Points() const { return FPoints.get(); }

#include "design/pZYLPointListEditor.fields.h"

  void AddClick(vcl::TObject* Sender);
  void DeleteClick(vcl::TObject* Sender);
  void UpClick(vcl::TObject* Sender);
  void DownClick(vcl::TObject* Sender);
  // The spin edits show the selected point.
  void plbClick(vcl::TObject* Sender);
  // The selected point and its line take the spin edit's value (not while plbClick fills it).
  void XValExit(vcl::TObject* Sender);
  void YValExit(vcl::TObject* Sender);

 private:
  int Selected() const;
  void Select(int Index);
  // Swaps points and lines Index and Index + 1 and selects the line that was at From.
  void SwapWithNext(int Index, int From);
  // Stores the value of Edit (clamped to its range) as coordinate Column of the selected point.
  void StoreCoordinate(TZYLSpinEdit* Edit, int Column);

  std::unique_ptr<TZYLPointList> FPoints;
};

inline constexpr vcl::TUnitEntry pZYLPointListEditorUnit =
    ZYLEditorFormUnit<TfrmTZYLPointListEditor>("pZYLPointListEditor");

}  // namespace zyl
