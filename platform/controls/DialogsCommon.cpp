// The common dialogs' base, their class descriptions, and the find, replace and print dialogs.
#include <algorithm>
#include <memory>

#include "platform/base/Numbers.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/DialogsInternal.h"
#include "platform/controls/ExtDlgs.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/SysUtils.h"

namespace vcl {

using namespace dialogs;

// ---------------------------------------------------------------------------------------------
// TCommonDialog

TCommonDialog::TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}

ZYL_CLASS_IMPL(TCommonDialog) {
  b.Prop("Ctl3D", &TCommonDialog::Ctl3D, &TCommonDialog::SetCtl3D)
      .Default(true)
      .Prop("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext)
      .Default(0)
      .Prop("OnClose", &TCommonDialog::GetOnClose, &TCommonDialog::SetOnClose)
      .Prop("OnShow", &TCommonDialog::GetOnShow, &TCommonDialog::SetOnShow);
}

// ---------------------------------------------------------------------------------------------
// Find and replace

namespace {

// The find / replace form: it tells its dialog what the user does and when it goes.
class TFindForm : public TForm {
 public:
  TFindForm(TFindDialog* Dialog, bool Replace, win::HWND OwnerWnd)
      : TForm(nullptr), dialog_(Dialog), ownerWnd_(OwnerWnd) {
    SetName(Replace ? "ReplaceForm" : "FindForm");
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetCaption(Replace ? "Replace" : "Find");
    const TFindOptions o = Dialog->Options();
    AddLabel(this, "FindLabel", "Fi&nd what:", 8, 12);
    findEdit_ = AddEdit(this, "FindText", Dialog->FindText(), 90, 8, 170);
    int y = 36;
    if (Replace) {
      AddLabel(this, "ReplaceLabel", "Re&place with:", 8, 40);
      replaceEdit_ = AddEdit(this, "ReplaceText",
                             static_cast<TReplaceDialog*>(Dialog)->ReplaceText(), 90, 36, 170);
      y = 64;
    }
    wholeWord_ = AddCheckBox(this, "WholeWord", "Match &whole word only", o.contains(frWholeWord),
                             8, y + 8, 160);
    wholeWord_->SetVisible(!o.contains(frHideWholeWord));
    wholeWord_->SetEnabled(!o.contains(frDisableWholeWord));
    matchCase_ =
        AddCheckBox(this, "MatchCase", "Match &case", o.contains(frMatchCase), 8, y + 30, 160);
    matchCase_->SetVisible(!o.contains(frHideMatchCase));
    matchCase_->SetEnabled(!o.contains(frDisableMatchCase));
    if (!Replace) {
      up_ = new TRadioButton(this);
      up_->SetName("Up");
      up_->SetCaption("&Up");
      up_->SetBounds(170, y + 8, 50, 17);
      up_->SetParent(this);
      down_ = new TRadioButton(this);
      down_->SetName("Down");
      down_->SetCaption("&Down");
      down_->SetBounds(170, y + 30, 60, 17);
      down_->SetParent(this);
      (o.contains(frDown) ? down_ : up_)->SetChecked(true);
      up_->SetVisible(!o.contains(frHideUpDown));
      down_->SetVisible(!o.contains(frHideUpDown));
      up_->SetEnabled(!o.contains(frDisableUpDown));
      down_->SetEnabled(!o.contains(frDisableUpDown));
    }
    TButton* next = AddButton(this, "FindNext", "&Find Next", mrNone, 270, 8, 80, 23);
    next->SetDefault(true);
    next->OnClick = TNotifyEvent(this, &TFindForm::FindClick);
    int by = 36;
    if (Replace) {
      TButton* r = AddButton(this, "Replace", "&Replace", mrNone, 270, 36, 80, 23);
      r->OnClick = TNotifyEvent(this, &TFindForm::ReplaceClick);
      TButton* all = AddButton(this, "ReplaceAll", "Replace &All", mrNone, 270, 64, 80, 23);
      all->OnClick = TNotifyEvent(this, &TFindForm::ReplaceAllClick);
      by = 92;
    }
    TButton* cancel = AddButton(this, "Cancel", SCancelButton, mrNone, 270, by, 80, 23);
    cancel->SetCancel(true);
    cancel->OnClick = TNotifyEvent(this, &TFindForm::CancelClick);
    SetClientWidthProp(360);
    SetClientHeightProp(std::max(by + 33, y + 57));
    SetActiveControl(findEdit_);
    OnClose = TCloseEvent(this, &TFindForm::Closing);
  }

  // Reads the form's controls into the dialog.
  void Store() {
    dialog_->SetFindText(findEdit_->Text());
    TFindOptions o = dialog_->Options();
    o -= {frWholeWord, frMatchCase, frFindNext, frReplace, frReplaceAll};
    if (wholeWord_->Checked()) o += frWholeWord;
    if (matchCase_->Checked()) o += frMatchCase;
    if (down_) {
      if (down_->Checked())
        o += frDown;
      else
        o -= frDown;
    }
    dialog_->SetOptions(o);
    if (replaceEdit_) static_cast<TReplaceDialog*>(dialog_)->SetReplaceText(replaceEdit_->Text());
  }
  void Detach() { dialog_ = nullptr; }

 protected:
  // The window is owned by the form it searches: it stays above that form and hides while the
  // form is minimised.
  void CreateParams(TCreateParams& Params) override {
    TForm::CreateParams(Params);
    if (ownerWnd_ && win::IsWindow(ownerWnd_)) Params.WndParent = ownerWnd_;
  }

 private:
  void FindClick(TObject*) {
    if (!dialog_) return;
    Store();
    dialog_->Find();
  }
  void ReplaceClick(TObject*) {
    if (!dialog_) return;
    Store();
    dialog_->Replace(false);
  }
  void ReplaceAllClick(TObject*) {
    if (!dialog_) return;
    Store();
    dialog_->Replace(true);
  }
  void CancelClick(TObject*) { Close(); }
  void Closing(TObject*, TCloseAction& Action) {
    Action = caFree;
    if (dialog_) {
      Store();
      dialog_->FormClosed();
    }
  }

  TFindDialog* dialog_;
  win::HWND ownerWnd_;
  TEdit* findEdit_ = nullptr;
  TEdit* replaceEdit_ = nullptr;
  TCheckBox* wholeWord_ = nullptr;
  TCheckBox* matchCase_ = nullptr;
  TRadioButton* up_ = nullptr;
  TRadioButton* down_ = nullptr;
};

}  // namespace

TFindDialog::TFindDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

TFindDialog::~TFindDialog() {
  if (form_) {
    auto* f = static_cast<TFindForm*>(form_);
    form_ = nullptr;
    f->Detach();
    delete f;
  }
}

void TFindDialog::SetFindText(const std::string& Value) {
  findText_ = Value;
  if (form_) {
    if (auto* e = dynamic_cast<TEdit*>(form_->FindComponent("FindText"))) e->SetText(Value);
  }
}

bool TFindDialog::Execute() {
  if (form_ && !form_->HandleAllocated()) {
    // Its window went with the window that owned it: what it held is kept, the form made anew.
    auto* gone = static_cast<TFindForm*>(form_);
    gone->Store();
    gone->Detach();
    form_ = nullptr;
    handle_ = nullptr;
    delete gone;
  }
  if (form_) {
    form_->SetFocus();
    return true;
  }
  TCustomForm* owner = OwnerForm();
  auto* f = new TFindForm(this, IsReplace(),
                          owner && owner->HandleAllocated() ? owner->Handle() : nullptr);
  form_ = f;
  if (pos_.X >= 0 && pos_.Y >= 0) {
    f->SetLeft(pos_.X);
    f->SetTop(pos_.Y);
  } else {
    f->SetPosition(poScreenCenter);
  }
  f->SetHelpContext(helpContext_);
  f->Show();
  handle_ = f->Handle();
  if (OnShow) OnShow(this);
  return true;
}

TCustomForm* TFindDialog::OwnerForm() const {
  for (TComponent* c = Owner(); c; c = c->Owner())
    if (auto* f = dynamic_cast<TCustomForm*>(c)) return f;
  return Screen ? Screen->ActiveForm() : nullptr;
}

void TFindDialog::CloseDialog() {
  if (form_) form_->Close();
}

void TFindDialog::Find() {
  options_ += frFindNext;
  if (OnFind) OnFind(this);
}

void TFindDialog::Replace(bool All) {
  options_ += All ? frReplaceAll : frReplace;
  auto* r = static_cast<TReplaceDialog*>(this);
  if (r->OnReplace) r->OnReplace(this);
}

void TFindDialog::FormClosed() {
  if (form_) {
    pos_ = {form_->Left(), form_->Top()};
    // The form frees itself once its close is handled.
    static_cast<TFindForm*>(form_)->Detach();
  }
  form_ = nullptr;
  handle_ = nullptr;
  if (OnClose) OnClose(this);
}

TReplaceDialog::TReplaceDialog(TComponent* AOwner) : TFindDialog(AOwner) {}

ZYL_CLASS_IMPL(TFindDialog) {
  b.Prop("FindText", &TFindDialog::FindText, &TFindDialog::SetFindText)
      .Prop("Options", &TFindDialog::Options, &TFindDialog::SetOptions)
      .Default(TFindOptions{frDown})
      .Prop("OnFind", &TFindDialog::GetOnFind, &TFindDialog::SetOnFind);
}

ZYL_CLASS_IMPL(TReplaceDialog) {
  b.Prop("ReplaceText", &TReplaceDialog::ReplaceText, &TReplaceDialog::SetReplaceText)
      .Prop("OnReplace", &TReplaceDialog::GetOnReplace, &TReplaceDialog::SetOnReplace);
}

// ---------------------------------------------------------------------------------------------
// Printing

namespace {

TListBox* AddPrinterList(TForm* f) {
  AddLabel(f, "PrinterLabel", "&Name:", 8, 12);
  TListBox* list = AddListBox(f, "Printer", 70, 8, 230, 50);
  TStrings* printers = Printer()->Printers();
  list->Items()->Assign(printers);
  list->SetItemIndex(std::max(0, Printer()->PrinterIndex()));
  return list;
}

void ChoosePrinter(TListBox* list) {
  if (list->ItemIndex() >= 0) Printer()->SetPrinterIndex(list->ItemIndex());
}

// Checks the page range typed in the print form before it closes.
class TPrintForm : public TForm {
 public:
  explicit TPrintForm(TPrintDialog* Dialog) : TForm(nullptr), dialog_(Dialog) {
    OnCloseQuery = TCloseQueryEvent(this, &TPrintForm::CanClose);
  }
  TRadioButton* Pages = nullptr;
  TEdit* From = nullptr;
  TEdit* To = nullptr;

 private:
  void CanClose(TObject*, bool& Can) {
    if (ModalResult() != mrOk || !Pages->Checked()) return;
    const int lo = dialog_->MinPage(), hi = dialog_->MaxPage();
    if (lo == 0 && hi == 0) return;  // no range given: any page
    for (TEdit* e : {From, To}) {
      const int v = StrToIntDef(e->Text(), -1);
      if (v < lo || v > hi) {
        MessageDlg(Format(SPageRangeError, {lo, hi}), mtWarning, {mbOK}, 0);
        e->SetFocus();
        Can = false;
        return;
      }
    }
  }
  TPrintDialog* dialog_;
};

}  // namespace

bool TPrintDialog::Execute() {
  auto guard = std::make_unique<TPrintForm>(this);
  TPrintForm* f = guard.get();
  f->SetName("PrintForm");
  f->SetBorderStyle(bsDialog);
  f->SetBorderIcons({biSystemMenu});
  f->SetPosition(poScreenCenter);
  f->SetCaption("Print");
  TListBox* list = AddPrinterList(f);
  TCheckBox* toFile = AddCheckBox(f, "PrintToFile", "Print to fil&e", printToFile_, 70, 64, 120);
  toFile->SetVisible(options_.contains(poPrintToFile));
  toFile->SetEnabled(!options_.contains(poDisablePrintToFile));
  auto radio = [&](const char* name, const char* caption, int y, bool on, bool enabled) {
    auto* r = new TRadioButton(f);
    r->SetName(name);
    r->SetCaption(caption);
    r->SetBounds(8, y, 80, 17);
    r->SetParent(f);
    r->SetChecked(on);
    r->SetEnabled(enabled);
    return r;
  };
  radio("All", "&All", 92, printRange_ == prAllPages, true);
  TRadioButton* sel = radio("Selection", "&Selection", 136, printRange_ == prSelection,
                            options_.contains(poSelection));
  f->Pages =
      radio("Pages", "&Pages", 114, printRange_ == prPageNums, options_.contains(poPageNums));
  f->From = AddEdit(f, "FromPage", IntToStr(fromPage_), 90, 112, 36);
  AddLabel(f, "ToLabel", "&to:", 132, 116);
  f->To = AddEdit(f, "ToPage", IntToStr(toPage_), 152, 112, 36);
  f->From->SetEnabled(options_.contains(poPageNums));
  f->To->SetEnabled(options_.contains(poPageNums));
  AddLabel(f, "CopiesLabel", "Number of &copies:", 200, 92);
  TEdit* copies = AddEdit(f, "Copies", IntToStr(std::max(1, copies_)), 200, 112, 40);
  TCheckBox* collate = AddCheckBox(f, "Collate", "C&ollate", collate_, 200, 138, 80);
  TButton* ok = AddButton(f, "OK", SOKButton, mrOk, 140, 166, 75, 23);
  ok->SetDefault(true);
  AddButton(f, "Cancel", SCancelButton, mrCancel, 225, 166, 75, 23)->SetCancel(true);
  f->SetClientWidthProp(308);
  f->SetClientHeightProp(197);
  f->SetActiveControl(ok);
  return ShowDialogForm(this, handle_, f, [&] {
    ChoosePrinter(list);
    printToFile_ = toFile->Checked();
    printRange_ = f->Pages->Checked() ? prPageNums : sel->Checked() ? prSelection : prAllPages;
    if (printRange_ == prPageNums) {
      fromPage_ = StrToIntDef(f->From->Text(), fromPage_);
      toPage_ = StrToIntDef(f->To->Text(), toPage_);
    }
    copies_ = std::max(1, StrToIntDef(copies->Text(), 1));
    collate_ = collate->Checked();
  });
}

bool TPrinterSetupDialog::Execute() {
  std::unique_ptr<TForm> f(NewDialogForm("Print Setup", 308, 100));
  f->SetName("PrinterSetupForm");
  TListBox* list = AddPrinterList(f.get());
  TButton* ok = AddButton(f.get(), "OK", SOKButton, mrOk, 140, 68, 75, 23);
  ok->SetDefault(true);
  AddButton(f.get(), "Cancel", SCancelButton, mrCancel, 225, 68, 75, 23)->SetCancel(true);
  f->SetActiveControl(list);
  return ShowDialogForm(this, handle_, f.get(), [&] { ChoosePrinter(list); });
}

ZYL_CLASS_IMPL(TPrintDialog) {
  b.Prop("Collate", &TPrintDialog::Collate, &TPrintDialog::SetCollate)
      .Default(false)
      .Prop("Copies", &TPrintDialog::Copies, &TPrintDialog::SetCopies)
      .Default(0)
      .Prop("FromPage", &TPrintDialog::FromPage, &TPrintDialog::SetFromPage)
      .Default(0)
      .Prop("MinPage", &TPrintDialog::MinPage, &TPrintDialog::SetMinPage)
      .Default(0)
      .Prop("MaxPage", &TPrintDialog::MaxPage, &TPrintDialog::SetMaxPage)
      .Default(0)
      .Prop("Options", &TPrintDialog::Options, &TPrintDialog::SetOptions)
      .Default(TPrintDialogOptions{})
      .Prop("PrintToFile", &TPrintDialog::PrintToFile, &TPrintDialog::SetPrintToFile)
      .Default(false)
      .Prop("PrintRange", &TPrintDialog::PrintRange, &TPrintDialog::SetPrintRange)
      .Default(prAllPages)
      .Prop("ToPage", &TPrintDialog::ToPage, &TPrintDialog::SetToPage)
      .Default(0);
}

ZYL_CLASS_IMPL(TPrinterSetupDialog) {}

void RegisterDialogs() {
  RegisterClasses({TOpenDialog::StaticClass(), TSaveDialog::StaticClass(),
                   TColorDialog::StaticClass(), TFontDialog::StaticClass(),
                   TFindDialog::StaticClass(), TReplaceDialog::StaticClass(),
                   TPrintDialog::StaticClass(), TPrinterSetupDialog::StaticClass(),
                   TOpenPictureDialog::StaticClass(), TSavePictureDialog::StaticClass()});
  InstallFolderBrowser();
}

namespace {
struct TRegisterDialogs {
  TRegisterDialogs() { RegisterDialogs(); }
} registerDialogs;
}  // namespace

}  // namespace vcl
