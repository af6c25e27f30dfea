#include "design/pZYLWaveListEditorDlg.h"

#include <memory>
#include <utility>

#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLWaveItemPropertiesEditorDlg.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Menus.h"
#include "system/ZYLFMDrop.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLWaveListEditorDlg) {
  DescribeFields(b);
  using T = TZYLWaveListEditorDlg;
  b.Method("playClick", &T::playClick);
}

namespace {

// The wave list kind: its items, its files and its item dialog.
const TZYLLineListKind kKind{
    .Kind = icWave,
    .Extension = ".wav",
    .Filter = "Wave files (*.wav)|*.wav",
    .NewList = []() -> TZYLCustomContainer* { return new TZYLWaveList(nullptr); },
    .NewItemForm = []() -> std::unique_ptr<TZYLLineItemForm> {
      return ZYLCreateEditorForm<TZYLFrmwiprop>(nullptr);
    }};
}  // namespace

TZYLWaveListEditorDlg::TZYLWaveListEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner, kKind) {}

TZYLWaveList* TZYLWaveListEditorDlg::WaveList() const {
  return static_cast<TZYLWaveList*>(WorkList());
}

bool TZYLWaveListEditorDlg::Edit(TZYLWaveList* List) {
  return EditOnWorkList(ZYLCreateEditorForm<TZYLWaveListEditorDlg>(nullptr).get(), List);
}

void TZYLWaveListEditorDlg::SetWaves(TZYLWaveList* List) { WorkList()->Assign(List); }

void TZYLWaveListEditorDlg::FormCreate(vcl::TObject* Sender) {
  inherited::FormCreate(Sender);
  // The form file names no drop control: files dropped anywhere on the form count.
  if (fm && !fm->Control()) fm->SetControl(this);
}

int TZYLWaveListEditorDlg::ContentSize(int Index) const {
  return WaveList()->GetArrayItem(Index)->Wave()->GetSize();
}

void TZYLWaveListEditorDlg::WriteGeneral() {
  inherited::WriteGeneral();
  const int i = CurrentLine();
  ZYLEnableAll({play, Play1}, i >= 0 && i < ItemCount() && ContentSize(i) != 0);
}

void TZYLWaveListEditorDlg::playClick(vcl::TObject*) {
  const int i = CurrentLine();
  if (i >= 0 && i < ItemCount()) WaveList()->GetArrayItem(i)->Wave()->Play();
}

TZYLListEditorForm::TZYLAppendStep TZYLWaveListEditorDlg::LoadDropped(const std::string& File) {
  auto scratch = std::make_shared<TZYLWave>();
  scratch->LoadFromFile(File);
  return [this, scratch] {
    auto item = std::make_unique<TZYLWaveListItem>();
    item->SetWave(scratch.get());
    AppendItem(std::move(item));
    return true;
  };
}

void TZYLWaveListEditorDlg::ContentToForm(TZYLListItem* Item, TZYLLineItemForm* Form) {
  if (Item)
    static_cast<TZYLFrmwiprop*>(Form)->c->SetWave(static_cast<TZYLWaveListItem*>(Item)->Wave());
}

void TZYLWaveListEditorDlg::ContentFromForm(TZYLLineItemForm* Form, TZYLListItem* Item) {
  // An emptied wave empties the item's wave.
  static_cast<TZYLWaveListItem*>(Item)->SetWave(static_cast<TZYLFrmwiprop*>(Form)->c->Wave());
}

}  // namespace zyl
