// TCustomMaskEdit: the edit mask, the text laid into it, typing into its places and checking
// that the required places are filled.
#include "platform/controls/Mask.h"

#include <algorithm>

#include "platform/base/Restore.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/SysUtils.h"

namespace vcl {

using namespace win;

const TTypeInfo* EditMaskTypeInfo() {
  static const TTypeInfo* const info = MakeStringTypeInfo("TEditMask");
  return info;
}

const TTypeInfo* MaskedTextTypeInfo() {
  static const TTypeInfo* const info = MakeStringTypeInfo("TMaskedText");
  return info;
}

// ---------------------------------------------------------------------------------------------
// The mask

TParsedMask ParseEditMask(const std::string& Mask) {
  TParsedMask m;
  // The fields: the characters up to the last two ';' that separate fields.
  std::string chars = Mask;
  std::vector<std::string> fields;
  for (int n = 0; n < 2; ++n) {
    // A ';' escaped by '\' belongs to the characters.
    size_t at = chars.rfind(';');
    if (at == std::string::npos || (at > 0 && chars[at - 1] == '\\')) break;
    fields.insert(fields.begin(), chars.substr(at + 1));
    chars.erase(at);
  }
  if (!fields.empty()) m.SaveLiterals = fields[0].empty() || fields[0][0] != '0';
  if (fields.size() > 1 && !fields[1].empty()) m.Blank = fields[1][0];
  int caseMode = 0;
  for (size_t i = 0; i < chars.size(); ++i) {
    const char c = chars[i];
    switch (c) {
      case '!': m.LeadingBlanks = true; continue;
      case '>': caseMode = 1; continue;
      case '<':
        // "<>" ends the conversion.
        if (i + 1 < chars.size() && chars[i + 1] == '>') {
          caseMode = 0;
          ++i;
        } else {
          caseMode = -1;
        }
        continue;
      case '\\':
        if (i + 1 < chars.size()) m.Places.push_back({0, chars[++i], 0});
        continue;
      case 'L':
      case 'l':
      case 'A':
      case 'a':
      case 'C':
      case 'c':
      case '0':
      case '9':
      case '#': m.Places.push_back({c, 0, caseMode}); continue;
      case ':': m.Places.push_back({0, ActiveFormatSettings().TimeSeparator, 0}); continue;
      case '/': m.Places.push_back({0, ActiveFormatSettings().DateSeparator, 0}); continue;
      default: m.Places.push_back({0, c, 0}); continue;
    }
  }
  return m;
}

bool MaskCharFits(const TMaskPlace& Place, char& Ch) {
  if (Place.Kind == 0) return false;
  if (Place.Case > 0 && IsCharAlphaA(Ch)) CharUpperBuffA(&Ch, 1);
  if (Place.Case < 0 && IsCharAlphaA(Ch)) CharLowerBuffA(&Ch, 1);
  const bool digit = Ch >= '0' && Ch <= '9';
  switch (Place.Kind) {
    case 'L':
    case 'l': return IsCharAlphaA(Ch) != FALSE;
    case 'A':
    case 'a': return IsCharAlphaNumericA(Ch) != FALSE;
    case 'C':
    case 'c': return static_cast<unsigned char>(Ch) >= ' ';
    case '0':
    case '9': return digit;
    case '#': return digit || Ch == '+' || Ch == '-';
    default: return false;
  }
}

namespace {
bool Required(const TMaskPlace& p) {
  return p.Kind == 'L' || p.Kind == 'A' || p.Kind == 'C' || p.Kind == '0';
}

// The edit text of a value for a parsed mask: with literals kept, place by place; without,
// the value's characters go into the places that take characters, in order.
std::string LayInto(const TParsedMask& m, const std::string& Value) {
  std::string edit(m.Places.size(), m.Blank);
  size_t v = 0;
  for (size_t i = 0; i < m.Places.size(); ++i) {
    const TMaskPlace& p = m.Places[i];
    if (p.Kind == 0) {
      edit[i] = p.Literal;
      if (m.SaveLiterals && v < Value.size()) ++v;
      continue;
    }
    if (v >= Value.size()) continue;
    char c = Value[v++];
    if (c != ' ' && c != m.Blank && MaskCharFits(p, c)) edit[i] = c;
  }
  return edit;
}

std::string TextOf(const TParsedMask& m, const std::string& Edit) {
  std::string text;
  for (size_t i = 0; i < m.Places.size() && i < Edit.size(); ++i) {
    if (m.Places[i].Kind == 0) {
      if (m.SaveLiterals) text += Edit[i];
      continue;
    }
    text += Edit[i] == m.Blank ? ' ' : Edit[i];
  }
  return text;
}
}  // namespace

std::string FormatMaskText(const std::string& EditMask, const std::string& Value) {
  const TParsedMask m = ParseEditMask(EditMask);
  if (m.Places.empty()) return Value;
  return TextOf(m, LayInto(m, Value));
}

// ---------------------------------------------------------------------------------------------
// TCustomMaskEdit

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

std::string TCustomMaskEdit::EditTextOf(const std::string& Value) const {
  return LayInto(mask_, Value);
}

std::string TCustomMaskEdit::EditText() { return TCustomEdit::GetText(); }

void TCustomMaskEdit::SetEditText(const std::string& Value) {
  std::string edit = Value;
  if (IsMasked()) {
    edit.resize(mask_.Places.size(), mask_.Blank);
    for (size_t i = 0; i < mask_.Places.size(); ++i)
      if (mask_.Places[i].Kind == 0) edit[i] = mask_.Places[i].Literal;
  }
  const TRestore<bool> raw(settingEdit_, true);
  TControl::SetText(edit);
  typed_ = false;
}

TCaption TCustomMaskEdit::GetText() {
  const std::string edit = TCustomEdit::GetText();
  return IsMasked() ? TextOf(mask_, edit) : edit;
}

void TCustomMaskEdit::SetEditMask(const TEditMask& Value) {
  if (Value == editMask_) return;
  const std::string text = GetText();
  editMask_ = Value;
  mask_ = ParseEditMask(Value);
  SetEditText(IsMasked() ? EditTextOf(text) : text);
  if (HandleAllocated())
    SendMessageA(Handle(), EM_LIMITTEXT, IsMasked() ? mask_.Places.size() : maxLength_, 0);
}

// Text given to the control (SetText, a form stream, WM_SETTEXT) is laid into the mask.
void TCustomMaskEdit::WMSetText(TMessage& Message) {
  if (!settingEdit_) typed_ = false;
  if (!IsMasked() || settingEdit_ || !Message.LParam) {
    ZYL_INHERITED(Message);
    return;
  }
  const std::string edit = EditTextOf(reinterpret_cast<const char*>(Message.LParam));
  Message.LParam = PtrToLParam(edit.c_str());
  ZYL_INHERITED(Message);
}

void TCustomMaskEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  if (IsMasked()) SendMessageA(Handle(), EM_LIMITTEXT, mask_.Places.size(), 0);
}

int TCustomMaskEdit::EditablePlace(int Pos, bool Forward) const {
  const int n = static_cast<int>(mask_.Places.size());
  for (int i = Pos; i >= 0 && i < n; i += Forward ? 1 : -1)
    if (mask_.Places[static_cast<size_t>(i)].Kind != 0) return i;
  return -1;
}

void TCustomMaskEdit::Beep() { MessageBeep(0); }

void TCustomMaskEdit::ClearPlaces(int From, int To) {
  std::string edit = EditText();
  for (int i = std::max(From, 0); i < To && i < static_cast<int>(edit.size()); ++i)
    if (mask_.Places[static_cast<size_t>(i)].Kind != 0) edit[static_cast<size_t>(i)] = mask_.Blank;
  SetEditText(edit);
}

void TCustomMaskEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomEdit::KeyDown(Key, Shift);
  if (!IsMasked() || Key != VK_DELETE || readOnly_) return;
  // Delete empties the selected places (or the one at the caret) and keeps the caret.
  const int start = SelStart(), length = SelLength();
  ClearPlaces(start, start + std::max(length, 1));
  typed_ = true;
  SetSelStart(start);
  Key = 0;
}

void TCustomMaskEdit::KeyPress(char& Key) {
  TCustomEdit::KeyPress(Key);
  if (!IsMasked() || Key == 0 || readOnly_) return;
  if (Key == 27) {
    // Escape takes back the changes since the text was last set.
    Key = 0;
    return;
  }
  const int start = SelStart(), length = SelLength();
  if (Key == '\b') {
    Key = 0;
    if (length > 0) {
      ClearPlaces(start, start + length);
      typed_ = true;
      SetSelStart(start);
      return;
    }
    const int at = EditablePlace(start - 1, false);
    if (at < 0) return;
    ClearPlaces(at, at + 1);
    typed_ = true;
    SetSelStart(at);
    return;
  }
  if (static_cast<unsigned char>(Key) < ' ') return;
  char c = Key;
  Key = 0;
  const int at = EditablePlace(start, true);
  if (at < 0 || !MaskCharFits(mask_.Places[static_cast<size_t>(at)], c)) {
    Beep();
    return;
  }
  if (length > 0) ClearPlaces(start, start + length);
  std::string edit = EditText();
  edit[static_cast<size_t>(at)] = c;
  SetEditText(edit);
  typed_ = true;
  const int next = EditablePlace(at + 1, true);
  SetSelStart(next < 0 ? static_cast<int>(edit.size()) : next);
  SetSelLength(0);
}

bool TCustomMaskEdit::Validate(const std::string& Value, int& Pos) {
  const std::string edit = EditTextOf(Value);
  for (size_t i = 0; i < mask_.Places.size(); ++i)
    if (Required(mask_.Places[i]) && edit[i] == mask_.Blank) {
      Pos = static_cast<int>(i);
      return false;
    }
  Pos = 0;
  return true;
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked()) return;
  int pos = 0;
  std::string edit = EditText();
  for (size_t i = 0; i < mask_.Places.size() && i < edit.size(); ++i)
    if (Required(mask_.Places[i]) && edit[i] == mask_.Blank) {
      pos = static_cast<int>(i);
      if (HandleAllocated() && Focused()) {
        SetSelStart(pos);
        SetSelLength(0);
      }
      throw EDBEditError(SMaskEditErr);
    }
}

// Leaving a changed edit checks it; the focus stays when it fails.
void TCustomMaskEdit::CMExit(TMessage& Message) {
  if (IsMasked() && typed_ && !ComponentState().contains(csDesigning)) {
    int pos = 0;
    if (!Validate(GetText(), pos)) {
      if (CanFocus()) SetFocus();
      SetSelStart(pos);
      SetSelLength(0);
      throw EDBEditError(SMaskEditErr);
    }
  }
  ZYL_INHERITED(Message);
}

void TCustomMaskEdit::CMEnter(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (IsMasked() && !autoSelect_) SetSelStart(std::max(EditablePlace(0, true), 0));
}

ZYL_MESSAGE_MAP(TCustomMaskEdit) {
  m.On(WM_SETTEXT, &TCustomMaskEdit::WMSetText)
      .On(CM_EXIT, &TCustomMaskEdit::CMExit)
      .On(CM_ENTER, &TCustomMaskEdit::CMEnter);
}

ZYL_CLASS_IMPL(TCustomMaskEdit) {
  using C = TCustomMaskEdit;
  b.Declare("EditMask", &C::EditMask, &C::SetEditMask, EditMaskTypeInfo())
      .Declare("Text", &C::Text, &C::SetText, MaskedTextTypeInfo());
}

ZYL_CLASS_IMPL(TMaskEdit) {
  b.Publish({"Anchors",     "AutoSelect", "AutoSize",       "BiDiMode",       "BorderStyle",
             "CharCase",    "Color",      "Constraints",    "Ctl3D",          "DragCursor",
             "DragKind",    "DragMode",   "Enabled",        "EditMask",       "Font",
             "ImeMode",     "ImeName",    "MaxLength",      "ParentBiDiMode", "ParentColor",
             "ParentCtl3D", "ParentFont", "ParentShowHint", "PasswordChar",   "PopupMenu",
             "ReadOnly",    "ShowHint",   "TabOrder",       "TabStop",        "Text",
             "Visible",     "OnChange",   "OnClick",        "OnContextPopup", "OnDblClick",
             "OnDragDrop",  "OnDragOver", "OnEndDock",      "OnEndDrag",      "OnEnter",
             "OnExit",      "OnKeyDown",  "OnKeyPress",     "OnKeyUp",        "OnMouseDown",
             "OnMouseMove", "OnMouseUp",  "OnStartDock",    "OnStartDrag"});
}

namespace {
const controls_internal::TStandardClasses registered{&TMaskEdit::StaticClass};
}  // namespace

}  // namespace vcl
