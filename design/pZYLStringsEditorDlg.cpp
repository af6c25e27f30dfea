#include "design/pZYLStringsEditorDlg.h"

#include "buttons/ZYLButton.h"
#include "buttons/ZYLSimplePanel.h"
#include "buttons/ZYLSpeedButton.h"
#include "buttons/ZYLStatusBar.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLInformationLabel.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLFrmStringEditor) {
  DescribeFields(b);
  using T = TZYLFrmStringEditor;
  b.Method("FormCreate", &T::FormCreate)
      .Method("StrListChange", &T::StrListChange)
      .Method("StrListClick", &T::StrListClick)
      .Method("StrListKeyDown", &T::StrListKeyDown)
      .Method("StrListKeyUp", &T::StrListKeyUp)
      .Method("StrListKeyPress", &T::StrListKeyPress)
      .Method("OpenBtnClick", &T::OpenBtnClick)
      .Method("SaveBtnClick", &T::SaveBtnClick)
      .Method("PrintBtnClick", &T::PrintBtnClick)
      .Method("CutBtnClick", &T::CutBtnClick)
      .Method("CopyBtnClick", &T::CopyBtnClick)
      .Method("PasteBtnClick", &T::PasteBtnClick)
      .Method("SelectBtnClick", &T::SelectBtnClick)
      .Method("SearchBtnClick", &T::SearchBtnClick)
      .Method("ReplaceBtnClick", &T::ReplaceBtnClick)
      .Method("FindDialogFind", &T::FindDialogFind)
      .Method("ReplaceDialogFind", &T::ReplaceDialogFind)
      .Method("ReplaceDialogReplace", &T::ReplaceDialogReplace)
      .Method("ZYLButton1Click", &T::ZYLButton1Click)
      .Method("btnCancelClick", &T::btnCancelClick);
}

namespace {
constexpr char kPrintTitle[] = "StringList #%d";
constexpr char kPosFormat[] = "Line: %3d   Col: %3d";
}  // namespace

void TZYLFrmStringEditor::UpDateCursorPos() {
  const win::HWND h = StrList->Handle();
  const int start = StrList->SelStart();
  const auto line = static_cast<int>(win::SendMessageA(h, win::EM_LINEFROMCHAR, start, 0));
  const auto first =
      static_cast<int>(win::SendMessageA(h, win::EM_LINEINDEX, static_cast<win::WPARAM>(line), 0));
  PosInfo->SetCaption(vcl::Format(kPosFormat, {line + 1, start - first + 1}));
}

void TZYLFrmStringEditor::FormCreate(TObject*) {
  FState = {};
  if (ZYLImageList2->Count() == 0)
    ZYLStringEditorToolGlyphs(ZYLImageList2->GetArrayItem(ZYLImageList2->Add()));
  UpDateCursorPos();
}

void TZYLFrmStringEditor::StrListChange(TObject*) { UpDateCursorPos(); }
void TZYLFrmStringEditor::StrListClick(TObject*) { UpDateCursorPos(); }
void TZYLFrmStringEditor::StrListKeyUp(TObject*, uint16_t&, vcl::TShiftState) { UpDateCursorPos(); }
void TZYLFrmStringEditor::StrListKeyPress(TObject*, char&) { UpDateCursorPos(); }

void TZYLFrmStringEditor::StrListKeyDown(TObject*, uint16_t& Key, vcl::TShiftState) {
  if (Key == win::VK_ESCAPE)
    SetModalResult(vcl::mrCancel);
  else
    UpDateCursorPos();
}

void TZYLFrmStringEditor::OpenBtnClick(TObject*) {
  if (!OpenDialog->Execute() || OpenDialog->FileName().empty()) return;
  if (StrList->Lines()->Count() > 0 &&
      vcl::MessageDlg(vcl::SZYLStrEditTextDeleted, vcl::mtWarning, {vcl::mbOK, vcl::mbCancel}, 0) ==
          vcl::mrCancel)
    return;
  // Read first, so that a file that cannot be read leaves the memo as it was.
  vcl::TStringList read;
  read.LoadFromFile(OpenDialog->FileName());
  StrList->Lines()->Assign(&read);
}

void TZYLFrmStringEditor::SaveBtnClick(TObject*) {
  if (!SaveDialog->Execute() || SaveDialog->FileName().empty()) return;
  StrList->Lines()->SaveToFile(SaveDialog->FileName());
}

void TZYLFrmStringEditor::PrintBtnClick(TObject*) {
  if (!PrintDialog->Execute()) return;
  const int copies = PrintDialog->Copies();
  // Each copy is a print job of its own.
  for (int n = 1; n <= copies; ++n) {
    vcl::TextFile prn;
    vcl::AssignPrn(prn);
    vcl::Rewrite(prn);
    vcl::Printer()->Canvas()->Font()->Assign(StrList->Font());
    vcl::Printer()->SetTitle(vcl::Format(kPrintTitle, {n}));
    vcl::TStrings* lines = StrList->Lines();
    for (int i = 0; i < lines->Count(); ++i) vcl::Writeln(prn, lines->Get(i));
    vcl::CloseFile(prn);
  }
}

void TZYLFrmStringEditor::CutBtnClick(TObject*) { StrList->CutToClipboard(); }
void TZYLFrmStringEditor::CopyBtnClick(TObject*) { StrList->CopyToClipboard(); }
void TZYLFrmStringEditor::PasteBtnClick(TObject*) { StrList->PasteFromClipboard(); }
void TZYLFrmStringEditor::SelectBtnClick(TObject*) { StrList->SelectAll(); }

void TZYLFrmStringEditor::SearchBtnClick(TObject*) {
  FState.FindLine = 1;
  FState.FindCol = 1;
  FindDialog->Execute();
}

void TZYLFrmStringEditor::ReplaceBtnClick(TObject*) { ReplaceDialog->Execute(); }

void TZYLFrmStringEditor::SelectInMemo(size_t Offset, size_t Length) {
  if (StrList->CanFocus()) StrList->SetFocus();
  StrList->SetSelStart(static_cast<int>(Offset));
  StrList->SetSelLength(static_cast<int>(Length));
}

void TZYLFrmStringEditor::FindDialogFind(TObject*) {
  const vcl::TFindOptions o = FindDialog->Options();
  const TZYLFindOptions options{o.contains(vcl::frDown), o.contains(vcl::frMatchCase),
                                o.contains(vcl::frWholeWord)};
  const TZYLTextLines lines(StrList->Text());
  if (auto hit = ZYLFindNext(lines, FindDialog->FindText(), options, FState))
    SelectInMemo(hit->Offset, FindDialog->FindText().size());
}

void TZYLFrmStringEditor::ReplaceDialogFind(TObject* Sender) {
  FindDialog->SetFindText(ReplaceDialog->FindText());
  FindDialogFind(Sender);
}

void TZYLFrmStringEditor::ReplaceDialogReplace(TObject*) {
  const vcl::TFindOptions o = ReplaceDialog->Options();
  if (!o.contains(vcl::frReplaceAll)) {
    if (StrList->SelLength() != 0)
      StrList->SetSelText(ReplaceDialog->ReplaceText());
    else
      vcl::ShowMessage(vcl::SZYLStrEditNoSelection);
    return;
  }
  const TZYLReplaceAllResult all =
      ZYLReplaceAll(TZYLTextLines(StrList->Text()), ReplaceDialog->FindText(),
                    ReplaceDialog->ReplaceText(), o.contains(vcl::frMatchCase));
  if (all.Count == 0) return;
  // One change of the memo's text for all replacements keeps Replace All linear in the text.
  StrList->SetText(all.Text);
  SelectInMemo(all.Caret, 0);
}

void TZYLFrmStringEditor::ZYLButton1Click(TObject*) { SetModalResult(vcl::mrOk); }
void TZYLFrmStringEditor::btnCancelClick(TObject*) { SetModalResult(vcl::mrCancel); }

}  // namespace zyl
