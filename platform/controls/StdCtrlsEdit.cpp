// TCustomEdit and TEdit: the one-line edit on the window system's EDIT class.
#include <algorithm>
#include <cctype>

#include "platform/base/Restore.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/StdCtrlsInternal.h"
#include "platform/rtl/Consts.h"

namespace vcl {

using namespace win;
using namespace stdctrls_internal;

// ---------------------------------------------------------------------------------------------
// TCustomEdit

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  controlStyle_ = {csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  width_ = 121;
  height_ = 25;
  tabStop_ = true;
  parentColor_ = false;
  SetColor(clWindow);
  AdjustHeight();
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  static const DWORD cases[] = {0, ES_UPPERCASE, ES_LOWERCASE};
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "EDIT");
  Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL | cases[charCase_];
  if (passwordChar_) Params.Style |= ES_PASSWORD;
  if (readOnly_) Params.Style |= ES_READONLY;
  if (!hideSelection_) Params.Style |= ES_NOHIDESEL;
  if (oemConvert_) Params.Style |= ES_OEMCONVERT;
  if (borderStyle_ == bsSingle) {
    if (ctl3D_)
      Params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      Params.Style |= WS_BORDER;
  }
}

void TCustomEdit::CreateWnd() {
  {
    const TRestore creating(creating_, true);
    TWinControl::CreateWnd();
  }
  HWND h = handle_;
  SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), 0);
  SendMessageA(h, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_)
    SendMessageA(h, EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
  SendMessageA(h, EM_SETMODIFY, modified_ ? 1 : 0, 0);
  SendMessageA(h, EM_SETSEL, static_cast<WPARAM>(selStart_),
               static_cast<LPARAM>(selStart_ + selLength_));
  // A height given before the window was made (in code or by a form file) gives way to the
  // font's, as it does when the font changes.
  AdjustHeight();
}

void TCustomEdit::DestroyWnd() {
  if (handle_) {
    GetText();  // the copy outlives the window
    modified_ = SendMessageA(handle_, EM_GETMODIFY, 0, 0) != 0;
    selStart_ = SelStart();
    selLength_ = SelLength();
  }
  TWinControl::DestroyWnd();
}

void TCustomEdit::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  if (Value)
    controlStyle_ += csFixedHeight;
  else
    controlStyle_ -= csFixedHeight;
  AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
  if (!autoSize_ || borderStyle_ != bsSingle || ComponentState().contains(csLoading)) return;
  // A line of text with a little room, inside the border.
  const int extra = ctl3D_ ? 8 : 6;
  SetHeight(FontHeight(font_) + extra);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone && Value != bsSingle) throw EInvalidOperation(SEditBorderStyle);
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  AdjustHeight();
  RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (charCase_ == Value) return;
  charCase_ = Value;
  RecreateWnd();
  // The text is converted at once, as typing would.
  std::string t = GetText();
  for (char& c : t) {
    if (Value == ecUpperCase) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (Value == ecLowerCase) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  SetText(t);
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (hideSelection_ == Value) return;
  hideSelection_ = Value;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(int32_t Value) {
  if (Value < 0) throw ERangeError(SNegativeMaxLength);
  maxLength_ = Value;
  if (handle_) SendMessageA(handle_, EM_LIMITTEXT, static_cast<WPARAM>(Value), 0);
}

bool TCustomEdit::Modified() {
  return handle_ ? SendMessageA(handle_, EM_GETMODIFY, 0, 0) != 0 : modified_;
}

void TCustomEdit::SetModified(bool Value) {
  modified_ = Value;
  if (handle_) SendMessageA(handle_, EM_SETMODIFY, Value ? 1 : 0, 0);
}

void TCustomEdit::SetOEMConvert(bool Value) {
  if (oemConvert_ == Value) return;
  oemConvert_ = Value;
  RecreateWnd();
}

void TCustomEdit::SetPasswordChar(char Value) {
  if (passwordChar_ == Value) return;
  passwordChar_ = Value;
  if (handle_) {
    SendMessageA(handle_, EM_SETPASSWORDCHAR, static_cast<unsigned char>(Value), 0);
    Invalidate();
  }
}

void TCustomEdit::SetReadOnly(bool Value) {
  if (readOnly_ == Value) return;
  readOnly_ = Value;
  if (handle_) SendMessageA(handle_, EM_SETREADONLY, Value ? 1 : 0, 0);
}

int TCustomEdit::SelStart() {
  if (!handle_) return selStart_;
  DWORD a = 0, b = 0;
  SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
  return static_cast<int>(a);
}

void TCustomEdit::SetSelStart(int Value) {
  Value = std::clamp(Value, 0, static_cast<int>(GetText().size()));
  selStart_ = Value;
  selLength_ = 0;
  if (handle_)
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(Value), static_cast<LPARAM>(Value));
}

int TCustomEdit::SelLength() {
  if (!handle_) return selLength_;
  DWORD a = 0, b = 0;
  SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
  return static_cast<int>(b - a);
}

void TCustomEdit::SetSelLength(int Value) {
  const int start = SelStart();
  const int end = std::clamp(start + Value, 0, static_cast<int>(GetText().size()));
  selLength_ = end - start;
  if (handle_)
    SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

std::string TCustomEdit::SelText() {
  const int a = SelStart(), n = SelLength();
  return GetText().substr(static_cast<size_t>(a), static_cast<size_t>(n));
}

void TCustomEdit::SetSelText(const std::string& Value) {
  SendMessageA(Handle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Value.c_str()));
}

bool TCustomEdit::CanUndo() { return handle_ && SendMessageA(handle_, EM_CANUNDO, 0, 0) != 0; }
void TCustomEdit::Clear() { SetText(""); }
void TCustomEdit::ClearSelection() { SendMessageA(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::ClearUndo() { SendMessageA(Handle(), EM_EMPTYUNDOBUFFER, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessageA(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendMessageA(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessageA(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::Undo() { SendMessageA(Handle(), WM_UNDO, 0, 0); }
void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, static_cast<LPARAM>(-1)); }

void TCustomEdit::Change() {
  if (onChange_) onChange_(this);
}

void TCustomEdit::CNCommand(TWMCommand& Message) {
  if (Message.NotifyCode() == EN_CHANGE && !creating_) {
    // The window holds the text; the control's copy follows when it is read.
    textStale_ = true;
    Change();
  }
}

TCaption TCustomEdit::GetText() {
  if (textStale_ && handle_) {
    // Asked of the window procedure itself: the control's own handling answers from its copy.
    const auto n = static_cast<int>(CallWindowProcA(defWndProc_, handle_, WM_GETTEXTLENGTH, 0, 0));
    std::string t(static_cast<size_t>(n) + 1, '\0');
    t.resize(static_cast<size_t>(CallWindowProcA(defWndProc_, handle_, WM_GETTEXT,
                                                 static_cast<WPARAM>(n + 1),
                                                 reinterpret_cast<LPARAM>(t.data()))));
    TWinControl::StoreText(t);
    textStale_ = false;
  }
  return text_;
}

void TCustomEdit::StoreText(const TCaption& Value) {
  textStale_ = false;
  TWinControl::StoreText(Value);
}

// The text asked of the control: from the window while the control's copy is behind it.
void TCustomEdit::WMGetText(TMessage& Message) {
  if (textStale_ && handle_)
    Message.Result =
        CallWindowProcA(defWndProc_, handle_, Message.Msg, Message.WParam, Message.LParam);
  else
    ZYL_INHERITED(Message);
}

void TCustomEdit::CNCtlColor(TMessage& Message) { AnswerCtlColor(Message, font_, brush_); }

void TCustomEdit::CMEnter(TMessage& Message) {
  if (autoSelect_ && !(GetKeyState(VK_LBUTTON) < 0) &&
      !(GetWindowLongA(handle_, GWL_STYLE) & ES_MULTILINE))
    SelectAll();
  ZYL_INHERITED(Message);
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), 1);
  AdjustHeight();
}

void TCustomEdit::CMTextChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TCustomEdit::WMGetDlgCode(TMessage& Message) { DefaultHandler(&Message); }

ZYL_MESSAGE_MAP(TCustomEdit) {
  m.On(CN_COMMAND, &TCustomEdit::CNCommand)
      .On(CN_CTLCOLOREDIT, &TCustomEdit::CNCtlColor)
      .On(CN_CTLCOLORSTATIC, &TCustomEdit::CNCtlColor)
      .On(CM_ENTER, &TCustomEdit::CMEnter)
      .On(CM_FONTCHANGED, &TCustomEdit::CMFontChanged)
      .On(CM_TEXTCHANGED, &TCustomEdit::CMTextChanged)
      .On(WM_GETTEXT, &TCustomEdit::WMGetText)
      .On(WM_GETTEXTLENGTH, &TCustomEdit::WMGetText)
      .On(WM_GETDLGCODE, &TCustomEdit::WMGetDlgCode);
}
ZYL_CLASS_IMPL(TCustomEdit) {
  using C = TCustomEdit;
  b.Declare("AutoSelect", &C::AutoSelect, &C::SetAutoSelect)
      .Default(true)
      .Declare("AutoSize", &C::AutoSize, &C::SetAutoSize)
      .Default(true)
      .Declare("BorderStyle", &C::BorderStyle, &C::SetBorderStyle)
      .Default(bsSingle)
      .Declare("CharCase", &C::CharCase, &C::SetCharCase)
      .Default(ecNormal)
      .Declare("HideSelection", &C::HideSelection, &C::SetHideSelection)
      .Default(true)
      .Declare("MaxLength", &C::MaxLength, &C::SetMaxLength)
      .Default(0)
      .Declare("OEMConvert", &C::OEMConvert, &C::SetOEMConvert)
      .Default(false)
      .Declare("ParentColor", &C::ParentColor, &C::SetParentColor)
      .Default(false)
      .Declare("PasswordChar", &C::PasswordChar, &C::SetPasswordChar)
      .Default('\0')
      .Declare("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
      .Default(false)
      // Published already here, as the framework's class does: every descendant that publishes
      // it writes TabStop at this place, right after the bounds, hint and help context.
      .Prop("TabStop", &C::TabStop, &C::SetTabStop)
      .Default(true)
      .Declare("OnChange", &C::GetOnChange, &C::SetOnChange);
}

ZYL_CLASS_IMPL(TEdit) {
  b.Publish({"Anchors",     "AutoSelect",  "AutoSize",    "BiDiMode",       "BorderStyle",
             "CharCase",    "Color",       "Constraints", "Ctl3D",          "DragCursor",
             "DragKind",    "DragMode",    "Enabled",     "Font",           "HideSelection",
             "ImeMode",     "ImeName",     "MaxLength",   "OEMConvert",     "ParentBiDiMode",
             "ParentColor", "ParentCtl3D", "ParentFont",  "ParentShowHint", "PasswordChar",
             "PopupMenu",   "ReadOnly",    "ShowHint",    "TabOrder",       "TabStop",
             "Text",        "Visible",     "OnChange",    "OnClick",        "OnContextPopup",
             "OnDblClick",  "OnDragDrop",  "OnDragOver",  "OnEndDock",      "OnEndDrag",
             "OnEnter",     "OnExit",      "OnKeyDown",   "OnKeyPress",     "OnKeyUp",
             "OnMouseDown", "OnMouseMove", "OnMouseUp",   "OnStartDock",    "OnStartDrag"});
}

namespace {
const controls_internal::TStandardClasses registered{&TEdit::StaticClass};
}  // namespace

}  // namespace vcl
