#include "platform/controls/Dialogs.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/base/Finally.h"
#include "platform/base/LastError.h"
#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/DialogsInternal.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/WinError.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

// ---------------------------------------------------------------------------------------------
// Shared building blocks

namespace dialogs {

TPoint DialogUnits(TFont* Font) {
  TMemoryDC dc;
  TSelectedObject font(dc, Font->Handle());
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE size{};
  GetTextExtentPoint32A(dc, kLetters, 52, &size);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  return {(size.cx / 26 + 1) / 2, tm.tmHeight};
}

TSize TextSize(TFont* Font, const std::string& Text, int MaxWidth, bool Prefix, bool BreakWords) {
  TMemoryDC dc;
  TSelectedObject font(dc, Font->Handle());
  RECT r{0, 0, MaxWidth, 0};
  DrawTextA(dc, Text.c_str(), -1, &r,
            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | (Prefix ? 0 : DT_NOPREFIX) |
                (BreakWords ? DT_EDITCONTROL : 0));
  return {r.Right - r.Left, r.Bottom - r.Top};
}

TForm* NewDialogForm(const std::string& Caption, int ClientWidth, int ClientHeight) {
  auto* f = new TForm(nullptr);
  f->SetBorderStyle(bsDialog);
  f->SetBorderIcons({biSystemMenu});
  f->SetPosition(poScreenCenter);
  f->SetCaption(Caption);
  f->SetClientWidthProp(ClientWidth);
  f->SetClientHeightProp(ClientHeight);
  return f;
}

TButton* AddButton(TForm* Form, const char* Name, const std::string& Caption, TModalResult Result,
                   int X, int Y, int W, int H) {
  auto* b = new TButton(Form);
  b->SetName(Name);
  b->SetCaption(Caption);
  b->SetModalResult(Result);
  b->SetBounds(X, Y, W, H);
  b->SetParent(Form);
  return b;
}

TLabel* AddLabel(TForm* Form, const char* Name, const std::string& Caption, int X, int Y) {
  auto* l = new TLabel(Form);
  l->SetName(Name);
  l->SetCaption(Caption);
  l->SetLeft(X);
  l->SetTop(Y);
  l->SetParent(Form);
  return l;
}

TEdit* AddEdit(TForm* Form, const char* Name, const std::string& Text, int X, int Y, int W) {
  auto* e = new TEdit(Form);
  e->SetName(Name);
  e->SetText(Text);
  e->SetBounds(X, Y, W, e->Height());
  e->SetParent(Form);
  return e;
}

TListBox* AddListBox(TForm* Form, const char* Name, int X, int Y, int W, int H) {
  auto* l = new TListBox(Form);
  l->SetName(Name);
  l->SetBounds(X, Y, W, H);
  l->SetParent(Form);
  return l;
}

TComboBox* AddComboBox(TForm* Form, const char* Name, int X, int Y, int W, TComboBoxStyle Style,
                       int H) {
  auto* c = new TComboBox(Form);
  c->SetName(Name);
  c->SetStyle(Style);
  c->SetBounds(X, Y, W, Style == csSimple ? H : c->Height());
  c->SetParent(Form);
  return c;
}

TCheckBox* AddCheckBox(TForm* Form, const char* Name, const std::string& Caption, bool Checked,
                       int X, int Y, int W) {
  auto* c = new TCheckBox(Form);
  c->SetName(Name);
  c->SetCaption(Caption);
  c->SetBounds(X, Y, W, 17);
  c->SetChecked(Checked);
  c->SetParent(Form);
  return c;
}

bool ShowDialogForm(TCommonDialog* Dialog, win::HWND& Handle, TCustomForm* Form,
                    const std::function<void()>& Accept) {
  Form->HandleNeeded();
  Handle = Form->Handle();
  TFinally clear([&Handle] { Handle = nullptr; });
  if (Dialog->OnShow) Dialog->OnShow(Dialog);
  const bool accepted = Form->ShowModal() == mrOk;
  if (accepted) Accept();
  if (Dialog->OnClose) Dialog->OnClose(Dialog);
  return accepted;
}

}  // namespace dialogs

using namespace dialogs;

// ---------------------------------------------------------------------------------------------
// The message form

namespace dialogs {

struct TButtonSpec {
  const char* Name;
  const char* Caption;
  TModalResult Result;
};

// The message icon of the window system's stock icon IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION or
// IDI_ASTERISK, drawn in the classic way: a red disc with a white cross, a white disc with a
// blue "?", a yellow triangle with a black "!", a white disc with a blue "i".
class TMessageIcon : public TGraphicControl {
 public:
  TMessageIcon(TComponent* AOwner, uintptr_t Id) : TGraphicControl(AOwner), id_(Id) {}

 protected:
  void Paint() override {
    TCanvas* c = Canvas();
    c->Pen()->SetColor(clBlack);
    c->Pen()->SetWidth(1);
    if (id_ == IDI_EXCLAMATION) {
      c->Brush()->SetColor(clYellow);
      c->Polygon({{15, 1}, {16, 1}, {31, 29}, {31, 30}, {0, 30}, {0, 29}});
      Glyph(c, "!", clBlack, 6);
      return;
    }
    c->Brush()->SetColor(id_ == IDI_HAND ? TColor(0x0000C0) : clWhite);
    c->Pen()->SetColor(id_ == IDI_HAND ? TColor(0x000080) : clGray);
    c->Ellipse(1, 1, 31, 31);
    if (id_ == IDI_HAND) {
      c->Pen()->SetColor(clWhite);
      c->Pen()->SetWidth(3);
      c->MoveTo(10, 10);
      c->LineTo(21, 21);
      c->MoveTo(21, 10);
      c->LineTo(10, 21);
      c->Pen()->SetWidth(1);
    } else {
      Glyph(c, id_ == IDI_QUESTION ? "?" : "i", clBlue, 3);
    }
  }

 private:
  void Glyph(TCanvas* c, const char* text, TColor color, int top) {
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetName("Times New Roman");
    c->Font()->SetHeight(-22);
    c->Font()->SetStyle({fsBold});
    c->Font()->SetColor(color);
    c->TextOut((32 - c->TextWidth(text)) / 2, top, text);
  }
  uintptr_t id_;
};

// A message's text: a word wider than the line breaks at its edge, as in the window system's
// message box, so that no text makes the box wider than the screen. It lets the form's face show
// behind it.
class TMessageText : public TLabel {
 public:
  explicit TMessageText(TComponent* AOwner) : TLabel(AOwner) { SetTransparent(true); }

 protected:
  void Paint() override {
    TRect r = GetClientRect();
    DoDrawText(r, DT_EXPANDTABS | DT_WORDBREAK | DT_EDITCONTROL);
  }
};

// The form of a message: icon (none for 0), text wrapped to half the screen, the buttons in a
// centred row. Default and Cancel name the buttons Return and Escape press (-1: none).
TForm* BuildMessageForm(const std::string& Caption, const std::string& Text, uintptr_t IconId,
                        const std::vector<TButtonSpec>& Buttons, int Default, int Cancel) {
  std::unique_ptr<TForm> f(NewDialogForm(Caption, 100, 100));
  const TPoint du = DialogUnits(f->Font());
  const int horzMargin = MulDiv(8, du.X, 4), vertMargin = MulDiv(8, du.Y, 8);
  const int horzSpacing = MulDiv(10, du.X, 4), vertSpacing = MulDiv(10, du.Y, 8);
  int buttonWidth = MulDiv(50, du.X, 4);
  const int buttonHeight = MulDiv(14, du.Y, 8), buttonSpacing = MulDiv(4, du.X, 4);
  const int screenWidth = Screen ? Screen->Width() : 1024;
  const TSize text = TextSize(f->Font(), Text, screenWidth / 2, true, true);
  for (const TButtonSpec& b : Buttons)
    buttonWidth = std::max(buttonWidth, TextSize(f->Font(), b.Caption, screenWidth).cx + 8);
  const int iconSize = IconId ? 32 : 0;
  const int iconTextWidth = text.cx + (IconId ? iconSize + horzSpacing : 0);
  const int iconTextHeight = std::max(iconSize, static_cast<int>(text.cy));
  const int count = static_cast<int>(Buttons.size());
  const int groupWidth = count ? buttonWidth * count + buttonSpacing * (count - 1) : 0;
  const int clientWidth = std::max(iconTextWidth, groupWidth) + horzMargin * 2;
  f->SetClientWidthProp(clientWidth);
  f->SetClientHeightProp(iconTextHeight + buttonHeight + vertSpacing + vertMargin * 2);
  if (IconId) {
    auto* icon = new TMessageIcon(f.get(), IconId);
    icon->SetName("Image");
    icon->SetBounds(horzMargin, vertMargin, 32, 32);
    icon->SetParent(f.get());
  }
  auto* label = new TMessageText(f.get());
  label->SetName("Message");
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetCaption(Text);
  label->SetBounds(horzMargin + (IconId ? iconSize + horzSpacing : 0), vertMargin, text.cx,
                   text.cy);
  label->SetParent(f.get());
  int x = (clientWidth - groupWidth) / 2;
  const int y = iconTextHeight + vertMargin + vertSpacing;
  for (int i = 0; i < count; ++i) {
    TButton* b = AddButton(f.get(), Buttons[i].Name, Buttons[i].Caption, Buttons[i].Result, x, y,
                           buttonWidth, buttonHeight);
    if (i == Default) {
      b->SetDefault(true);
      f->SetActiveControl(b);
    }
    if (i == Cancel) b->SetCancel(true);
    x += buttonWidth + buttonSpacing;
  }
  return f.release();
}

}  // namespace dialogs

namespace {

const TButtonSpec& DlgButton(TMsgDlgBtn b) {
  static const TButtonSpec kButtons[] = {{"Yes", SYesButton, mrYes},
                                         {"No", SNoButton, mrNo},
                                         {"OK", SOKButton, mrOk},
                                         {"Cancel", SCancelButton, mrCancel},
                                         {"Abort", SAbortButton, mrAbort},
                                         {"Retry", SRetryButton, mrRetry},
                                         {"Ignore", SIgnoreButton, mrIgnore},
                                         {"All", SAllButton, mrAll},
                                         {"NoToAll", SNoToAllButton, mrNoToAll},
                                         {"YesToAll", SYesToAllButton, mrYesToAll},
                                         {"Help", SHelpButton, mrNone}};
  return kButtons[b];
}

std::string TypeCaption(TMsgDlgType t) {
  switch (t) {
    case mtWarning: return SMsgDlgWarning;
    case mtError: return SMsgDlgError;
    case mtInformation: return SMsgDlgInformation;
    case mtConfirmation: return SMsgDlgConfirm;
    case mtCustom: break;
  }
  return Application ? Application->Title() : std::string();
}

uintptr_t TypeIcon(TMsgDlgType t) {
  switch (t) {
    case mtWarning: return IDI_EXCLAMATION;
    case mtError: return IDI_HAND;
    case mtInformation: return IDI_ASTERISK;
    case mtConfirmation: return IDI_QUESTION;
    case mtCustom: break;
  }
  return 0;
}

std::vector<TMessageDlgRecord>& Log() {
  static std::vector<TMessageDlgRecord> v;
  return v;
}
TMessageDlgHandler& Handler() {
  static TMessageDlgHandler h;
  return h;
}

}  // namespace

TForm* CreateMessageDialog(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
  std::vector<TButtonSpec> specs;
  int def = -1, cancel = -1, ok = -1, yes = -1, no = -1;
  for (int i = mbYes; i <= mbHelp; ++i) {
    const auto b = static_cast<TMsgDlgBtn>(i);
    if (!Buttons.contains(b)) continue;
    const int index = static_cast<int>(specs.size());
    if (b == mbOK) ok = index;
    if (b == mbYes) yes = index;
    if (b == mbNo) no = index;
    if (b == mbCancel) cancel = index;
    specs.push_back(DlgButton(b));
  }
  def = ok >= 0 ? ok : yes >= 0 ? yes : specs.empty() ? -1 : 0;
  if (cancel < 0) cancel = no >= 0 ? no : ok;
  TForm* f = BuildMessageForm(TypeCaption(DlgType), Msg, TypeIcon(DlgType), specs, def, cancel);
  f->SetName("MessageForm");
  return f;
}

int32_t MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                      int32_t HelpCtx, int X, int Y) {
  TMessageDlgRecord r;
  r.Msg = Msg;
  r.DlgType = DlgType;
  r.Buttons = Buttons;
  r.HelpCtx = HelpCtx;
  Log().push_back(r);
  if (Handler()) return Handler()(r);
  std::unique_ptr<TForm> f(CreateMessageDialog(Msg, DlgType, Buttons));
  f->SetHelpContext(HelpCtx);
  if (X >= 0) f->SetLeft(X);
  if (Y >= 0) f->SetTop(Y);
  if (X >= 0 && Y >= 0) f->SetPosition(poDesigned);
  return f->ShowModal();
}

int32_t MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                   int32_t HelpCtx) {
  return MessageDlgPos(Msg, DlgType, Buttons, HelpCtx, -1, -1);
}

void ShowMessagePos(const std::string& Msg, int X, int Y) {
  MessageDlgPos(Msg, mtCustom, {mbOK}, 0, X, Y);
}
void ShowMessage(const std::string& Msg) { ShowMessagePos(Msg, -1, -1); }
void ShowMessageFmt(const std::string& Msg, const std::vector<TVarRec>& Params) {
  ShowMessage(Format(Msg, Params));
}

const std::vector<TMessageDlgRecord>& MessageDlgLog() { return Log(); }
void ClearMessageDlgLog() { Log().clear(); }

TMessageDlgHandler SetMessageDlgHandler(TMessageDlgHandler NewHandler) {
  return std::exchange(Handler(), std::move(NewHandler));
}

int TApplication::MessageBox(const char* Text, const char* Caption, int32_t Flags) {
  return win::MessageBoxA(GetActiveWindow(), Text, Caption, static_cast<UINT>(Flags));
}

// ---------------------------------------------------------------------------------------------
// Input boxes

bool InputQuery(const std::string& ACaption, const std::string& APrompt, std::string& Value) {
  std::unique_ptr<TForm> f(NewDialogForm(ACaption, 100, 100));
  f->SetName("InputForm");
  const TPoint du = DialogUnits(f->Font());
  const int margin = MulDiv(8, du.X, 4);
  const int width = MulDiv(180, du.X, 4);
  TLabel* prompt = AddLabel(f.get(), "Prompt", APrompt, margin, MulDiv(8, du.Y, 8));
  TEdit* edit = AddEdit(f.get(), "Value", Value, margin, prompt->Top() + prompt->Height() + 5,
                        width - 2 * margin);
  edit->SetMaxLength(255);
  edit->SelectAll();
  prompt->SetFocusControl(edit);
  const int buttonTop = edit->Top() + edit->Height() + 15;
  const int bw = MulDiv(50, du.X, 4), bh = MulDiv(14, du.Y, 8);
  TButton* ok = AddButton(f.get(), "OK", SOKButton, mrOk, MulDiv(38, du.X, 4), buttonTop, bw, bh);
  ok->SetDefault(true);
  TButton* cancel =
      AddButton(f.get(), "Cancel", SCancelButton, mrCancel, MulDiv(92, du.X, 4), buttonTop, bw, bh);
  cancel->SetCancel(true);
  f->SetClientWidthProp(width);
  f->SetClientHeightProp(buttonTop + bh + 13);
  f->SetActiveControl(edit);
  if (f->ShowModal() != mrOk) return false;
  Value = edit->Text();
  return true;
}

std::string InputBox(const std::string& ACaption, const std::string& APrompt,
                     const std::string& ADefault) {
  std::string value = ADefault;
  return InputQuery(ACaption, APrompt, value) ? value : ADefault;
}

}  // namespace vcl

// ---------------------------------------------------------------------------------------------
// The window system's message box

namespace win {

namespace {

struct TDisabledWindows {
  std::vector<HWND> Windows;
  ~TDisabledWindows() {
    for (HWND h : Windows)
      if (IsWindow(h)) EnableWindow(h, TRUE);
  }
  void Disable(HWND h) {
    if (h && IsWindowEnabled(h)) {
      EnableWindow(h, FALSE);
      Windows.push_back(h);
    }
  }
};

BOOL CollectWindow(HWND h, LPARAM lParam) {
  auto* list = reinterpret_cast<std::vector<HWND>*>(lParam);
  if (IsWindowVisible(h)) list->push_back(h);
  return TRUE;
}

}  // namespace

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  using vcl::dialogs::TButtonSpec;
  static const std::vector<TButtonSpec> kSets[] = {
      {{"OK", vcl::SOKButton, IDOK}},
      {{"OK", vcl::SOKButton, IDOK}, {"Cancel", vcl::SCancelButton, IDCANCEL}},
      {{"Abort", vcl::SAbortButton, IDABORT},
       {"Retry", vcl::SRetryButton, IDRETRY},
       {"Ignore", vcl::SIgnoreButton, IDIGNORE}},
      {{"Yes", vcl::SYesButton, IDYES},
       {"No", vcl::SNoButton, IDNO},
       {"Cancel", vcl::SCancelButton, IDCANCEL}},
      {{"Yes", vcl::SYesButton, IDYES}, {"No", vcl::SNoButton, IDNO}},
      {{"Retry", vcl::SRetryButton, IDRETRY}, {"Cancel", vcl::SCancelButton, IDCANCEL}}};
  const UINT set = type & MB_TYPEMASK;
  const UINT icon = (type & MB_ICONMASK) >> 4;
  if (set >= std::size(kSets) || icon > 4 || (owner && !IsWindow(owner))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::vector<TButtonSpec> buttons = kSets[set];
  if (type & MB_HELP) buttons.push_back({"Help", vcl::SHelpButton, vcl::mrNone});
  int def = static_cast<int>((type & MB_DEFMASK) >> 8);
  if (def >= static_cast<int>(buttons.size())) def = 0;
  int cancel = -1;
  for (size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i].Result == IDCANCEL) cancel = static_cast<int>(i);
  if (set == 0) cancel = 0;  // a box with OK alone closes on Escape too
  static const uintptr_t kIcons[] = {0, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK};
  std::unique_ptr<vcl::TForm> f(vcl::dialogs::BuildMessageForm(
      caption ? caption : "Error", text ? text : "", kIcons[icon], buttons, def, cancel));
  f->SetName("MessageBox");
  // A box without Cancel has no close box.
  if (cancel < 0) f->SetBorderIcons({});
  TDisabledWindows disabled;
  if (owner) {
    HWND root = GetAncestor(owner, GA_ROOTOWNER);
    disabled.Disable(root ? root : owner);
  } else if (type & MB_TASKMODAL) {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND h : windows) disabled.Disable(h);
  }
  return f->ShowModal();
}

}  // namespace win
