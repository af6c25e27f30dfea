// TZYLWaveListEditorDlg: the list editor of a wave list. Each line shows an item's index, wave
// size in bytes, ident, compressed flag and description; the item dialog (TZYLFrmwiprop) adds
// and edits items; ".wav" files dropped anywhere on the form or chosen through "Add one or
// multiple items" become items; the current item's wave can be played.
#pragma once

#include "design/pZYLLineListEditor.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLWaveListEditorDlg.fieldtypes.h"

namespace zyl {

class TZYLWaveList;

class TZYLWaveListEditorDlg : public TZYLLineListEditorForm {
  ZYL_CLASS(TZYLWaveListEditorDlg, TZYLLineListEditorForm)
  explicit TZYLWaveListEditorDlg(vcl::TComponent* AOwner);

  // Edits List on the form's working list, opening with no line selected; true exactly on OK,
  // which assigns the working list back once. Every other ending leaves List as it was.
  static bool Edit(TZYLWaveList* List);

  // The working list takes List's items and defaults.
  void SetWaves(TZYLWaveList* List);
  TZYLWaveList* WaveList() const;

#include "design/pZYLWaveListEditorDlg.fields.h"

  void WriteGeneral() override;
  // Also lets the whole form take dropped files.
  void FormCreate(vcl::TObject* Sender) override;
  // Plays the current item's wave.
  void playClick(vcl::TObject* Sender);

 protected:
  TZYLAppendStep LoadDropped(const std::string& File) override;
  int ContentSize(int Index) const override;
  void ContentToForm(TZYLListItem* Item, TZYLLineItemForm* Form) override;
  void ContentFromForm(TZYLLineItemForm* Form, TZYLListItem* Item) override;
};

inline constexpr vcl::TUnitEntry pZYLWaveListEditorDlgUnit =
    ZYLEditorFormUnit<TZYLWaveListEditorDlg>("pZYLWaveListEditorDlg");

}  // namespace zyl
