#include "design/pZYLPointListEditor.h"

#include <algorithm>
#include <cstdint>

#include "edits/ZYLListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TfrmTZYLPointListEditor) {
  DescribeFields(b);
  using T = TfrmTZYLPointListEditor;
  b.Method("AddClick", &T::AddClick)
      .Method("DeleteClick", &T::DeleteClick)
      .Method("UpClick", &T::UpClick)
      .Method("DownClick", &T::DownClick)
      .Method("plbClick", &T::plbClick)
      .Method("XValExit", &T::XValExit)
      .Method("YValExit", &T::YValExit);
}

namespace {

// The line of a point: X, Y, each followed by the list's delimiter.
std::string LineOf(const vcl::TPoint& P) {
  return vcl::IntToStr(P.X) + ";" + vcl::IntToStr(P.Y) + ";";
}

// A point list entry packs a point into its low 32 bits; anything above them is no point.
bool IsPackedPoint(const void* Item) {
  return (reinterpret_cast<uintptr_t>(Item) >> 16 >> 16) == 0;
}
}  // namespace

TfrmTZYLPointListEditor::TfrmTZYLPointListEditor(vcl::TComponent* AOwner)
    : inherited(AOwner), FPoints(std::make_unique<TZYLPointList>()) {}

TfrmTZYLPointListEditor::~TfrmTZYLPointListEditor() = default;

bool TfrmTZYLPointListEditor::Edit(TZYLPointList* List) {
  auto dlg = ZYLCreateEditorForm<TfrmTZYLPointListEditor>(nullptr);
  dlg->SetPointList(List);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  dlg->GetPointList(List);
  return true;
}

void TfrmTZYLPointListEditor::SetPointList(const TZYLPointList* List) {
  for (int i = 0; i < List->Count(); ++i) {
    const void* item = List->Items(i);
    if (!IsPackedPoint(item))
      throw vcl::EListError(vcl::Format(
          vcl::SZYLNotAPoint,
          {i, "$" + vcl::IntToHex(static_cast<int64_t>(reinterpret_cast<uintptr_t>(item)), 16)}));
  }
  FPoints->Assign(*List);
  Fill([this] {
    vcl::TStrings* lines = plb->GetItems();
    lines->BeginUpdate();
    lines->Clear();
    for (int i = 0; i < FPoints->Count(); ++i) lines->Add(LineOf(FPoints->Point(i)));
    lines->EndUpdate();
  });
}

void TfrmTZYLPointListEditor::GetPointList(TZYLPointList* List) const { List->Assign(*FPoints); }

int TfrmTZYLPointListEditor::Selected() const { return plb->GetInteger(TZYLListBox::iiItemIndex); }

void TfrmTZYLPointListEditor::Select(int Index) {
  plb->SetInteger(TZYLListBox::iiItemIndex, Index);
  plbClick(plb);
}

void TfrmTZYLPointListEditor::AddClick(TObject*) {
  const vcl::TPoint origin{0, 0};
  FPoints->AddPoint(origin);
  plb->GetItems()->Add(LineOf(origin));
  Select(FPoints->Count() - 1);
}

void TfrmTZYLPointListEditor::DeleteClick(TObject*) {
  const int index = Selected();
  if (index < 0) return;
  FPoints->Delete(index);
  plb->GetItems()->Delete(index);
}

void TfrmTZYLPointListEditor::SwapWithNext(int Index, int From) {
  const vcl::TPoint first = FPoints->Point(Index), second = FPoints->Point(Index + 1);
  FPoints->PutPoint(Index, second);
  FPoints->PutPoint(Index + 1, first);
  plb->GetItems()->Exchange(Index, Index + 1);
  Select(From == Index ? Index + 1 : Index);
}

void TfrmTZYLPointListEditor::UpClick(TObject*) {
  const int index = Selected();
  if (index > 0) SwapWithNext(index - 1, index);
}

void TfrmTZYLPointListEditor::DownClick(TObject*) {
  const int index = Selected();
  if (index >= 0 && index < FPoints->Count() - 1) SwapWithNext(index, index);
}

void TfrmTZYLPointListEditor::plbClick(TObject*) {
  const int index = Selected();
  if (index < 0 || index >= FPoints->Count()) return;
  const vcl::TPoint p = FPoints->Point(index);
  Fill([&] {
    XVal->SetIntValue(p.X);
    YVal->SetIntValue(p.Y);
  });
}

void TfrmTZYLPointListEditor::StoreCoordinate(TZYLSpinEdit* Edit, int Column) {
  const int index = Selected();
  if (Filling() || index < 0 || index >= FPoints->Count()) return;
  const int value = std::clamp(Edit->IntValue(), Edit->IntMinValue(), Edit->IntMaxValue());
  vcl::TPoint p = FPoints->Point(index);
  (Column == 0 ? p.X : p.Y) = value;
  FPoints->PutPoint(index, p);
  plb->GetItems()->SetStrings(index, LineOf(p));
  if (Selected() != index) plb->SetInteger(TZYLListBox::iiItemIndex, index);
}

void TfrmTZYLPointListEditor::XValExit(TObject*) { StoreCoordinate(XVal, 0); }

void TfrmTZYLPointListEditor::YValExit(TObject*) { StoreCoordinate(YVal, 1); }

}  // namespace zyl
