// TZYLFrmStringEditor: the modal text editor of a string list at design time: a memo with the
// caret's line and column on the status bar, loading and saving text files, the clipboard,
// printing (one print job per copy), and find and replace through the modeless find and replace
// dialogs (searching as pZYLStringsSearch.h describes). OK closes it with mrOk, Cancel and
// Escape with mrCancel, and "Code" with mrYes, which asks the launcher to open the text in the
// code editor instead.
#pragma once

#include "design/pZYLObjectEditor.h"
#include "design/pZYLStringsEditorDlg.fieldtypes.h"
#include "design/pZYLStringsSearch.h"

namespace zyl {

class TZYLImageListItem;

class TZYLFrmStringEditor : public vcl::TForm {
  ZYL_CLASS(TZYLFrmStringEditor, vcl::TForm)
  explicit TZYLFrmStringEditor(vcl::TComponent* AOwner) : inherited(AOwner) {}

#include "design/pZYLStringsEditorDlg.fields.h"

  // Where the next Find Next goes on.
  const TZYLFindState& FindPlace() const { return FState; }

  // Shows the caret's line and column (1-based, each at least three wide) on PosInfo.
  void UpDateCursorPos();

  void FormCreate(vcl::TObject* Sender);
  void StrListChange(vcl::TObject* Sender);
  void StrListClick(vcl::TObject* Sender);
  void StrListKeyDown(vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState Shift);
  void StrListKeyUp(vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState Shift);
  void StrListKeyPress(vcl::TObject* Sender, char& Key);
  void OpenBtnClick(vcl::TObject* Sender);
  void SaveBtnClick(vcl::TObject* Sender);
  void PrintBtnClick(vcl::TObject* Sender);
  void CutBtnClick(vcl::TObject* Sender);
  void CopyBtnClick(vcl::TObject* Sender);
  void PasteBtnClick(vcl::TObject* Sender);
  void SelectBtnClick(vcl::TObject* Sender);
  void SearchBtnClick(vcl::TObject* Sender);
  void ReplaceBtnClick(vcl::TObject* Sender);
  void FindDialogFind(vcl::TObject* Sender);
  void ReplaceDialogFind(vcl::TObject* Sender);
  void ReplaceDialogReplace(vcl::TObject* Sender);
  void ZYLButton1Click(vcl::TObject* Sender);
  void btnCancelClick(vcl::TObject* Sender);

 private:
  // Selects Length characters from Offset in the memo, which takes the focus when it can.
  void SelectInMemo(size_t Offset, size_t Length);
  TZYLFindState FState;
};

// Puts the nine tool glyphs (16 x 16, in the order of the tool buttons) into Item.
void ZYLStringEditorToolGlyphs(TZYLImageListItem* Item);

inline constexpr vcl::TUnitEntry pZYLStringsEditorDlgUnit =
    ZYLEditorFormUnit<TZYLFrmStringEditor>("pZYLStringsEditorDlg");

}  // namespace zyl
