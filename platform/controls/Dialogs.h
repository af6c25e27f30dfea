// Message boxes, input boxes and the common dialogs. Each one is a modal form built from the
// standard controls (the find and replace dialogs are modeless) that a user operates with the
// keyboard and the mouse; tests answer them through the test kit's dialog script, which drives
// the same controls.
//
// MessageDlg also keeps a log of the message dialogs asked for (text, type, buttons, help
// context); a test may install an answer handler, which answers a message dialog without
// showing it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/base/Sets.h"
#include "platform/classes/Object.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Format.h"

namespace win {

// The window system's message box: the buttons of the MB_ type (OK, OK/Cancel, ...), an icon,
// the default button and the modality. Answers the ID of the button pressed (Escape answers
// IDCANCEL where there is a Cancel button, IDOK for a box with OK alone), 0 for an invalid type
// (ERROR_INVALID_PARAMETER). A null caption is shown as "Error". MB_APPLMODAL disables the
// owner window, MB_TASKMODAL (without an owner) every top-level window of the thread.
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_DEFBUTTON1 = 0x000;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_DEFBUTTON4 = 0x300;
constexpr UINT MB_APPLMODAL = 0x0000;
constexpr UINT MB_SYSTEMMODAL = 0x1000;
constexpr UINT MB_TASKMODAL = 0x2000;
constexpr UINT MB_HELP = 0x4000;
constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFMASK = 0xF00;
constexpr UINT MB_MODEMASK = 0x3000;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDHELP = 9;

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
inline int MessageBox(HWND o, LPCSTR t, LPCSTR c, UINT type) { return MessageBoxA(o, t, c, type); }

}  // namespace win

namespace vcl {

// ---------------------------------------------------------------------------------------------
// Message dialogs

ZYL_ENUM(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
ZYL_ENUM(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll,
         mbYesToAll, mbHelp)
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// The message form: a caption from the type (Application's title for mtCustom), the type's
// icon, the text wrapped to half the screen's width, and a row of buttons named after them
// ("Yes", "OK", "NoToAll", ...) with their modal results; OK (else Yes) is the default button,
// Cancel (else No, else OK) the one Escape presses. The caller frees the form.
TForm* CreateMessageDialog(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
int32_t MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                   int32_t HelpCtx);
// Shown with its top left corner at X, Y (-1: centred on the screen along that axis).
int32_t MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                      int32_t HelpCtx, int X, int Y);
void ShowMessage(const std::string& Msg);
void ShowMessageFmt(const std::string& Msg, const std::vector<TVarRec>& Params);
void ShowMessagePos(const std::string& Msg, int X, int Y);
// Asks for a line of text in an edit that starts with Value; true and the text in Value for
// OK, false (Value untouched) for Cancel.
bool InputQuery(const std::string& ACaption, const std::string& APrompt, std::string& Value);
// The text entered, or ADefault when the user cancels.
std::string InputBox(const std::string& ACaption, const std::string& APrompt,
                     const std::string& ADefault);

struct TMessageDlgRecord {
  std::string Msg;
  TMsgDlgType DlgType = mtCustom;
  TMsgDlgButtons Buttons;
  int32_t HelpCtx = 0;
};
// The message dialogs asked for since the last clear.
const std::vector<TMessageDlgRecord>& MessageDlgLog();
void ClearMessageDlgLog();
// An answer handler gets each message dialog instead of the user and returns its modal result;
// the dialog is then not shown. Returns the previous handler.
using TMessageDlgHandler = std::function<TModalResult(const TMessageDlgRecord& Dlg)>;
TMessageDlgHandler SetMessageDlgHandler(TMessageDlgHandler Handler);

// ---------------------------------------------------------------------------------------------
// Common dialogs

class TCommonDialog : public TComponent {
  ZYL_CLASS(TCommonDialog, TComponent)
  explicit TCommonDialog(TComponent* AOwner);

  // Shows the dialog; true when the user accepted it.
  virtual bool Execute() = 0;
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool Value) { ctl3D_ = Value; }
  int32_t HelpContext() const { return helpContext_; }
  void SetHelpContext(int32_t Value) { helpContext_ = Value; }
  // The dialog's window while it is shown, else null.
  win::HWND Handle() const { return handle_; }

  TNotifyEvent OnClose;
  TNotifyEvent OnShow;
  const TNotifyEvent& GetOnClose() const { return OnClose; }
  void SetOnClose(const TNotifyEvent& E) { OnClose = E; }
  const TNotifyEvent& GetOnShow() const { return OnShow; }
  void SetOnShow(const TNotifyEvent& E) { OnShow = E; }

 protected:
  bool ctl3D_ = true;
  int32_t helpContext_ = 0;
  win::HWND handle_ = nullptr;
};

ZYL_ENUM(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp,
         ofNoValidate, ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist,
         ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton,
         ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify,
         ofEnableSizing, ofDontAddToRecent, ofForceShowHidden)
using TOpenOptions = TSet<TOpenOption>;

// The open dialog: the Look in box (a drop-down list of the shown folder's path from the root
// down and of the mapped drives; choosing one opens it), a folder list and a file list of the
// real file system, a file-name edit, the type filter, Up, Open and Cancel. A name typed in the
// edit is taken relative to the folder shown; a folder name (or a name ending in a separator) opens
// that folder; several names are typed in quotes ("a.txt" "b.txt") with ofAllowMultiSelect.
class TOpenDialog : public TCommonDialog {
  ZYL_CLASS(TOpenDialog, TCommonDialog)
  explicit TOpenDialog(TComponent* AOwner);
  ~TOpenDialog() override;

  bool Execute() override;
  const std::string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& Value) { defaultExt_ = Value; }
  // While the dialog is shown: the file selected in it.
  std::string FileName() const { return handle_ && !selected_.empty() ? selected_ : fileName_; }
  void SetFileName(const std::string& Value) { fileName_ = Value; }
  TStrings* Files() const { return files_; }
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& Value) { filter_ = Value; }
  int32_t FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int32_t Value) { filterIndex_ = Value; }
  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& Value) { initialDir_ = Value; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions Value) { options_ = Value; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& Value) { title_ = Value; }

  TCloseQueryEvent OnCanClose;
  TNotifyEvent OnFolderChange;
  TNotifyEvent OnSelectionChange;
  TNotifyEvent OnTypeChange;
  const TCloseQueryEvent& GetOnCanClose() const { return OnCanClose; }
  void SetOnCanClose(const TCloseQueryEvent& E) { OnCanClose = E; }
  const TNotifyEvent& GetOnFolderChange() const { return OnFolderChange; }
  void SetOnFolderChange(const TNotifyEvent& E) { OnFolderChange = E; }
  const TNotifyEvent& GetOnSelectionChange() const { return OnSelectionChange; }
  void SetOnSelectionChange(const TNotifyEvent& E) { OnSelectionChange = E; }
  const TNotifyEvent& GetOnTypeChange() const { return OnTypeChange; }
  void SetOnTypeChange(const TNotifyEvent& E) { OnTypeChange = E; }

  // Used by the dialog's form while it runs.
  bool IsSaveDialog() const { return save_; }
  void DoFolderChange() {
    if (OnFolderChange) OnFolderChange(this);
  }
  // The form tells the full name of the file selected ("" for none or several).
  virtual void DoSelectionChange(const std::string& Selected);
  void DoTypeChange() {
    if (OnTypeChange) OnTypeChange(this);
  }
  bool DoCanClose();

 protected:
  // The dialog's form; the picture dialogs add their preview to it.
  virtual TForm* CreateForm();
  bool save_ = false;
  std::string defaultExt_, fileName_, filter_, initialDir_, title_, selected_;
  int32_t filterIndex_ = 1;
  TOpenOptions options_ = {ofHideReadOnly, ofEnableSizing};
  TStrings* files_;
};

// The save dialog: as the open dialog, asking before it overwrites a file with
// ofOverwritePrompt.
class TSaveDialog : public TOpenDialog {
  ZYL_CLASS(TSaveDialog, TOpenDialog)
  explicit TSaveDialog(TComponent* AOwner);
};

ZYL_ENUM(TColorDialogOption, cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor)
using TColorDialogOptions = TSet<TColorDialogOption>;

// The colour dialog: 48 basic colours, 16 custom colours ("ColorA=RRGGBB" .. "ColorP=..." in
// CustomColors, hexadecimal red, green, blue), and the full-open part with a hue and
// saturation field, a luminance bar and the hue / saturation / luminance and red / green /
// blue edits.
class TColorDialog : public TCommonDialog {
  ZYL_CLASS(TColorDialog, TCommonDialog)
  explicit TColorDialog(TComponent* AOwner);
  ~TColorDialog() override;

  bool Execute() override;
  TColor Color() const { return color_; }
  void SetColor(TColor Value) { color_ = Value; }
  TStrings* CustomColors() const { return customColors_; }
  void SetCustomColors(TStrings* Value);
  TColorDialogOptions Options() const { return options_; }
  void SetOptions(TColorDialogOptions Value) { options_ = Value; }

  // The 48 basic colours in the grid's order (rows of 8).
  static const std::vector<TColor>& BasicColors();

 private:
  TColor color_ = clBlack;
  TStrings* customColors_;
  TColorDialogOptions options_;
};

ZYL_ENUM(TFontDialogDevice, fdScreen, fdPrinter, fdBoth)
ZYL_ENUM(TFontDialogOption, fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly,
         fdForceFontExist, fdNoFaceSel, fdNoOEMFonts, fdNoSimulations, fdNoSizeSel, fdNoStyleSel,
         fdNoVectorFonts, fdShowHelp, fdWysiwyg, fdLimitSize, fdScalableOnly, fdApplyButton)
using TFontDialogOptions = TSet<TFontDialogOption>;
using TFDApplyEvent = TEvent<void(TObject* Sender, win::HWND Wnd)>;

// The font dialog: the families the system enumerates (fixed-pitch ones only with
// fdFixedPitchOnly), the styles, the sizes (within MinFontSize..MaxFontSize with fdLimitSize),
// each in a simple combo box (typing chooses the nearest item, the sample follows it; OK takes
// only a family and style the lists name),
// with fdEffects strike-out, underline and the colour, a sample, and with fdApplyButton an
// Apply button that hands the font chosen so far to OnApply.
class TFontDialog : public TCommonDialog {
  ZYL_CLASS(TFontDialog, TCommonDialog)
  explicit TFontDialog(TComponent* AOwner);
  ~TFontDialog() override;

  bool Execute() override;
  TFont* Font() const { return font_; }
  void SetFont(TFont* Value);
  TFontDialogDevice Device() const { return device_; }
  void SetDevice(TFontDialogDevice Value) { device_ = Value; }
  int32_t MinFontSize() const { return minFontSize_; }
  void SetMinFontSize(int32_t Value) { minFontSize_ = Value; }
  int32_t MaxFontSize() const { return maxFontSize_; }
  void SetMaxFontSize(int32_t Value) { maxFontSize_ = Value; }
  TFontDialogOptions Options() const { return options_; }
  void SetOptions(TFontDialogOptions Value) { options_ = Value; }

  TFDApplyEvent OnApply;
  const TFDApplyEvent& GetOnApply() const { return OnApply; }
  void SetOnApply(const TFDApplyEvent& E) { OnApply = E; }

 private:
  TFont* font_;
  TFontDialogDevice device_ = fdScreen;
  int32_t minFontSize_ = 0, maxFontSize_ = 0;
  TFontDialogOptions options_ = {fdEffects};
};

ZYL_ENUM(TFindOption, frDown, frFindNext, frHideMatchCase, frHideWholeWord, frHideUpDown,
         frMatchCase, frDisableMatchCase, frDisableUpDown, frDisableWholeWord, frReplace,
         frReplaceAll, frWholeWord, frShowHelp)
using TFindOptions = TSet<TFindOption>;

// The find dialog runs modeless: Execute shows it and returns at once. "Find Next" sets
// frFindNext and calls OnFind; Cancel (or Escape, or CloseDialog) closes it. Its window is
// owned by the form the dialog belongs to (else the active form): it stays above that form and
// hides while the form is minimised.
class TFindDialog : public TCommonDialog {
  ZYL_CLASS(TFindDialog, TCommonDialog)
  explicit TFindDialog(TComponent* AOwner);
  ~TFindDialog() override;

  bool Execute() override;
  void CloseDialog();
  const std::string& FindText() const { return findText_; }
  void SetFindText(const std::string& Value);
  TFindOptions Options() const { return options_; }
  void SetOptions(TFindOptions Value) { options_ = Value; }
  int Left() const { return pos_.X; }
  void SetLeft(int Value) { pos_.X = Value; }
  int Top() const { return pos_.Y; }
  void SetTop(int Value) { pos_.Y = Value; }
  TPoint Position() const { return pos_; }
  void SetPosition(TPoint Value) { pos_ = Value; }
  // The shown dialog's form, else null.
  TForm* Form() const { return form_; }
  // The form whose window owns the dialog's: the first form among the dialog's owners, else
  // the active form.
  TCustomForm* OwnerForm() const;

  TNotifyEvent OnFind;
  const TNotifyEvent& GetOnFind() const { return OnFind; }
  void SetOnFind(const TNotifyEvent& E) { OnFind = E; }

  // Used by the dialog's form.
  void Find();
  void Replace(bool All);
  void FormClosed();

 protected:
  virtual bool IsReplace() const { return false; }
  std::string findText_;
  TFindOptions options_ = {frDown};
  TPoint pos_{-1, -1};
  TForm* form_ = nullptr;
};

// The replace dialog adds ReplaceText, and "Replace" / "Replace All", which set frReplace or
// frReplaceAll and call OnReplace.
class TReplaceDialog : public TFindDialog {
  ZYL_CLASS(TReplaceDialog, TFindDialog)
  explicit TReplaceDialog(TComponent* AOwner);

  const std::string& ReplaceText() const { return replaceText_; }
  void SetReplaceText(const std::string& Value) { replaceText_ = Value; }
  TNotifyEvent OnReplace;
  const TNotifyEvent& GetOnReplace() const { return OnReplace; }
  void SetOnReplace(const TNotifyEvent& E) { OnReplace = E; }

 protected:
  bool IsReplace() const override { return true; }
  std::string replaceText_;
  friend class TFindDialog;
};

ZYL_ENUM(TPrintRange, prAllPages, prSelection, prPageNums)
ZYL_ENUM(TPrintDialogOption, poPrintToFile, poPageNums, poSelection, poWarning, poHelp,
         poDisablePrintToFile)
using TPrintDialogOptions = TSet<TPrintDialogOption>;

// The print dialog: the printer (from the printer list; choosing one makes it the printer
// object's current printer), the range (all, selection with poSelection, pages From..To within
// MinPage..MaxPage with poPageNums), the number of copies, Collate and Print to file.
class TPrintDialog : public TCommonDialog {
  ZYL_CLASS(TPrintDialog, TCommonDialog)
  explicit TPrintDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

  bool Execute() override;
  bool Collate() const { return collate_; }
  void SetCollate(bool Value) { collate_ = Value; }
  int32_t Copies() const { return copies_; }
  void SetCopies(int32_t Value) { copies_ = Value; }
  int32_t FromPage() const { return fromPage_; }
  void SetFromPage(int32_t Value) { fromPage_ = Value; }
  int32_t ToPage() const { return toPage_; }
  void SetToPage(int32_t Value) { toPage_ = Value; }
  int32_t MinPage() const { return minPage_; }
  void SetMinPage(int32_t Value) { minPage_ = Value; }
  int32_t MaxPage() const { return maxPage_; }
  void SetMaxPage(int32_t Value) { maxPage_ = Value; }
  TPrintDialogOptions Options() const { return options_; }
  void SetOptions(TPrintDialogOptions Value) { options_ = Value; }
  bool PrintToFile() const { return printToFile_; }
  void SetPrintToFile(bool Value) { printToFile_ = Value; }
  TPrintRange PrintRange() const { return printRange_; }
  void SetPrintRange(TPrintRange Value) { printRange_ = Value; }

 private:
  bool collate_ = false;
  int32_t copies_ = 0, fromPage_ = 0, toPage_ = 0, minPage_ = 0, maxPage_ = 0;
  TPrintDialogOptions options_;
  bool printToFile_ = false;
  TPrintRange printRange_ = prAllPages;
};

// The printer setup dialog: chooses the printer object's current printer.
class TPrinterSetupDialog : public TCommonDialog {
  ZYL_CLASS(TPrinterSetupDialog, TCommonDialog)
  explicit TPrinterSetupDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}
  bool Execute() override;
};

// Registers the dialog components (and the picture dialogs of ExtDlgs.h) for form streams
// (done at start-up as well).
void RegisterDialogs();

}  // namespace vcl
