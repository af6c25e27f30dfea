// TZYLBaseEdit: keys, typed characters, the context menu and the window and edit-control
// messages, all answered from the control's own text model.
#include <algorithm>
#include <memory>

#include "edits/ZYLBaseEdit.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLConst.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/rtl/StrUtils.h"
#include "platform/user/Clipboard.h"
#include "platform/user/EditButtonConsts.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

namespace {

// Packs two 0-based positions into the low and high words of a message result.
win::LRESULT PackWords(int Low, int High) {
  return static_cast<win::LRESULT>((static_cast<uint32_t>(High & 0xFFFF) << 16) |
                                   static_cast<uint32_t>(Low & 0xFFFF));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Keys

namespace {

// Writes emShift, emCtrl and emAlt of the application's edit mode from a key's shift state.
void StoreModifiers(vcl::TShiftState Shift) {
  TZYLApplication* app = ZYLApplication();
  if (!app) return;
  TZYLEditModes mode = app->EditMode() - TZYLEditModes{emShift, emCtrl, emAlt};
  if (Shift.contains(vcl::ssShift)) mode = mode + TZYLEditModes{emShift};
  if (Shift.contains(vcl::ssCtrl)) mode = mode + TZYLEditModes{emCtrl};
  if (Shift.contains(vcl::ssAlt)) mode = mode + TZYLEditModes{emAlt};
  if (mode != app->EditMode()) app->SetEditMode(mode);
}

}  // namespace

void TZYLBaseEdit::KeyDown(uint16_t& Key, vcl::TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  StoreModifiers(Shift);
  if (Key != 0) GetCommandKey(Key, Shift);
}

void TZYLBaseEdit::KeyUp(uint16_t& Key, vcl::TShiftState Shift) {
  inherited::KeyUp(Key, Shift);
  StoreModifiers(Shift);
}

void TZYLBaseEdit::GetCommandKey(uint16_t& Key, vcl::TShiftState /*Shift*/) {
  if (!Enabled()) return;
  const TZYLEditModes mode = EditMode();
  const bool shift = mode.contains(emShift), ctrl = mode.contains(emCtrl),
             alt = mode.contains(emAlt);
  const int oldLength = FSelLength;
  const int len = GetLength();
  auto at = [this](int Pos) { return FText[static_cast<size_t>(Pos - 1)]; };
  switch (Key) {
    case win::VK_BACK:
      if (!FInputEnabled || FReadOnly) break;
      // Nothing before the caret (wherever a text operation left the selection start).
      if (FCaretPos <= 1 && FSelLength == 0) return;
      if (FSelLength == 0) {
        FSelStart = FCaretPos - 1;
        FSelLength = 1;
      } else if (BackOneMore() && FSelStart > 1) {
        FSelStart -= 1;
        FSelLength += 1;
      }
      SetSelText("");
      if (FText.empty()) FOffset = 0;
      break;
    case win::VK_RETURN:
      if (FTabOnEnter && !ctrl) {
        if (vcl::TCustomForm* form = vcl::GetParentForm(this))
          form->Perform(win::WM_NEXTDLGCTL, 0, 0);
      }
      break;
    case win::VK_ESCAPE: SetInteger(iiSelLength, 0); break;
    case win::VK_END: GotoParaEnd(); break;
    case win::VK_HOME:
      if (ctrl)
        SetInteger(iiCaretPos, 1);
      else
        GotoParaStart();
      break;
    case win::VK_LEFT:
      if (FCaretPos > 1) {
        const bool pair = FCaretPos > 2 && at(FCaretPos - 1) == '\n';
        SetInteger(iiCaretPos, FCaretPos - (pair ? 2 : 1));
        if (ctrl) GotoPrevWord();
      } else if (!shift) {
        SetInteger(iiSelLength, 0);
      }
      break;
    case win::VK_RIGHT:
      if (FCaretPos < len + 1 && len > 0) {
        int p = FCaretPos + 1;
        if (p <= len && at(p) == '\n') ++p;
        SetInteger(iiCaretPos, p);
        if (ctrl) GotoNextWord();
      } else if (!shift) {
        SetInteger(iiSelLength, 0);
      }
      break;
    case win::VK_INSERT:
      if (shift && FInputEnabled) {
        PasteFromClipboard();
      } else if (ctrl) {
        CopyToClipboard();
      } else if (!alt) {
        TZYLEditModes m = EditMode();
        m = m.contains(emInsert) ? m - TZYLEditModes{emInsert} : m + TZYLEditModes{emInsert};
        if (TZYLApplication* app = ZYLApplication()) app->SetEditMode(m);
      }
      break;
    case win::VK_DELETE:
      if (!FInputEnabled) break;
      if (shift) {
        CutToClipboard();
      } else if (!FReadOnly && len > 0) {
        if (FSelLength == 0) {
          if (FCaretPos > len) break;  // nothing after the caret
          FSelStart = FCaretPos;
          FSelLength = 1;
        }
        SetSelText("");
      }
      break;
    case 'A':
      if (ctrl) {
        SelectAll();
        Key = 0;
      }
      break;
    case 'C':
      if (ctrl) {
        CopyToClipboard();
        Key = 0;
      }
      break;
    case 'V':
      if (ctrl && FInputEnabled) {
        PasteFromClipboard();
        Key = 0;
      }
      break;
    case 'X':
      if (ctrl && FInputEnabled) {
        CutToClipboard();
        Key = 0;
      }
      break;
    default: break;
  }
  if (FSelLength != oldLength) DrawText(FCaretPos);
}

void TZYLBaseEdit::WMChar(vcl::TWMKey& Message) {
  if (!FInputEnabled) return;
  if (DoKeyPress(Message)) return;
  const uint8_t ch = static_cast<uint8_t>(Message.CharCode());
  if (ch < 32) return;
  std::string s(1, static_cast<char>(ch));
  if (FCharCase == vcl::ecUpperCase) s = vcl::AnsiUpperCase(s);
  if (FCharCase == vcl::ecLowerCase) s = vcl::AnsiLowerCase(s);
  FTyping = true;
  SetSelText(s);
  FTyping = false;
}

// ---------------------------------------------------------------------------------------------
// Caret and word movement

void TZYLBaseEdit::GotoParaStart() {
  int p = FCaretPos;
  while (p > 1 && FText[static_cast<size_t>(p - 2)] != '\n') --p;
  SetInteger(iiCaretPos, p);
}

void TZYLBaseEdit::GotoParaEnd() {
  int p = FCaretPos;
  const int len = GetLength();
  while (p <= len && FText[static_cast<size_t>(p - 1)] != '\r') ++p;
  SetInteger(iiCaretPos, p);
}

void TZYLBaseEdit::GotoNextWord() {
  int p = FCaretPos;
  const int len = GetLength();
  if (p < len && IsDelimiter(FText[static_cast<size_t>(p - 1)])) ++p;
  while (p <= len && !IsDelimiter(FText[static_cast<size_t>(p - 1)])) ++p;
  SetInteger(iiCaretPos, p);
}

void TZYLBaseEdit::GotoPrevWord() {
  int p = std::min(FCaretPos, GetLength());
  if (p < 1) return;
  if (p > 1 && IsDelimiter(FText[static_cast<size_t>(p - 1)])) --p;
  while (p > 1 && !IsDelimiter(FText[static_cast<size_t>(p - 1)])) --p;
  SetInteger(iiCaretPos, p);
}

// ---------------------------------------------------------------------------------------------
// Context menu

void TZYLBaseEdit::WMRButtonUp(vcl::TMessage& Message) {
  if (!Enabled()) return;
  const int x = static_cast<int16_t>(Message.LParam & 0xFFFF);
  const int y = static_cast<int16_t>((Message.LParam >> 16) & 0xFFFF);
  const vcl::TPoint screen = ClientToScreen(vcl::TPoint{x, y});
  bool handled = false;
  if (OnContextPopup) OnContextPopup(this, vcl::TPoint{x, y}, handled);
  if (handled || FOptions.contains(eoSuppressDefaultMenu)) return;
  if (auto* menu = dynamic_cast<vcl::TPopupMenu*>(PopupMenu())) {
    menu->SetPopupComponent(this);
    menu->Popup(screen.X, screen.Y);
    return;
  }
  ShowContextMenu(screen);
}

void TZYLBaseEdit::ShowContextMenu(const vcl::TPoint& ScreenPoint) {
  auto menu = std::make_unique<vcl::TPopupMenu>(nullptr);
  auto add = [&](const char* Caption, bool Enabled, void (TZYLBaseEdit::*Action)(vcl::TObject*)) {
    auto* item = new vcl::TMenuItem(menu.get());
    item->SetCaption(Caption);
    item->SetEnabled(Enabled);
    if (Action) item->OnClick = vcl::TNotifyEvent(this, Action);
    menu->Items()->Add(item);
  };
  const bool selected = FSelLength > 0;
  add(SZYLUndo, CanUndo(), &TZYLBaseEdit::MenuUndo);
  add("-", true, nullptr);
  add(SZYLCut, selected && !FReadOnly, &TZYLBaseEdit::MenuCut);
  add(SZYLCopy, selected, &TZYLBaseEdit::MenuCopy);
  add(SZYLPaste, vcl::Clipboard()->HasFormat(win::CF_TEXT) && !FReadOnly, &TZYLBaseEdit::MenuPaste);
  add(SZYLDelete, selected && !FReadOnly, &TZYLBaseEdit::MenuDelete);
  add("-", true, nullptr);
  add(SZYLSelectAll, !FText.empty(), &TZYLBaseEdit::MenuSelectAll);
  menu->Popup(ScreenPoint.X, ScreenPoint.Y);
  if (vcl::Application) vcl::Application->ProcessMessages();
}

// ---------------------------------------------------------------------------------------------
// Window messages

void TZYLBaseEdit::WMGetDlgCodeEdit(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Message.Result |= win::DLGC_WANTARROWS | win::DLGC_WANTCHARS;
}

void TZYLBaseEdit::WMSetText(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  SetText(Message.LParam ? reinterpret_cast<const char*>(Message.LParam) : "");
  Message.Result = 1;
  GetChange(nullptr);
}

void TZYLBaseEdit::WMGetText(vcl::TMessage& Message) {
  GetNewText();
  auto* buffer = reinterpret_cast<char*>(Message.LParam);
  const int size = static_cast<int>(Message.WParam);
  if (!buffer || size <= 0) {
    Message.Result = 0;
    return;
  }
  const int n = std::min(size - 1, GetLength());
  std::copy_n(FText.data(), n, buffer);
  buffer[n] = '\0';
  Message.Result = n;
}

void TZYLBaseEdit::WMGetTextLength(vcl::TMessage& Message) { Message.Result = GetLength(); }
void TZYLBaseEdit::WMClear(vcl::TMessage& /*Message*/) { SetSelText(""); }
void TZYLBaseEdit::WMCopy(vcl::TMessage& /*Message*/) { CopyToClipboard(); }
void TZYLBaseEdit::WMCut(vcl::TMessage& /*Message*/) { CutToClipboard(); }

void TZYLBaseEdit::WMPaste(vcl::TMessage& /*Message*/) {
  if (FInputEnabled) PasteFromClipboard();
}

// The edit-control messages. Positions are 0-based; selections arrive as start and end.
void TZYLBaseEdit::EMMessage(vcl::TMessage& Message) {
  using namespace win;
  const WPARAM w = Message.WParam;
  const LPARAM l = Message.LParam;
  const int len = GetLength();
  LRESULT& r = Message.Result;
  r = 0;
  switch (Message.Msg) {
    case EM_GETSEL: {
      const int start = FSelStart - 1, end = FSelStart + FSelLength - 1;
      if (w) *reinterpret_cast<int*>(w) = start;
      if (l) *reinterpret_cast<int*>(l) = end;
      r = PackWords(start, end);
      break;
    }
    case EM_SETSEL: {
      int start = static_cast<int>(w), end = static_cast<int>(l);
      if (start == -1) {
        SetInteger(iiSelLength, 0);
        break;
      }
      // -1 as the end means the end of the text; a reversed pair is taken in order.
      if (end < 0 || end > len) end = len;
      start = std::clamp(start, 0, len);
      if (end < start) std::swap(start, end);
      Select(start + 1, end - start);
      break;
    }
    case EM_GETRECT:
      if (l) *reinterpret_cast<vcl::TRect*>(l) = FTextRect;
      break;
    case EM_GETMODIFY: r = FModified ? 1 : 0; break;
    case EM_SETMODIFY: SetModified(w != 0); break;
    case EM_GETLINECOUNT: r = 1; break;
    case EM_LINELENGTH: r = len; break;
    case EM_REPLACESEL:
      SetSelText(l ? reinterpret_cast<const char*>(l) : "");
      if (w == 0) ClearUndo();
      break;
    case EM_GETLINE: {
      auto* buffer = reinterpret_cast<char*>(l);
      if (!buffer) break;
      uint16_t size = 0;
      std::copy_n(buffer, sizeof size, reinterpret_cast<char*>(&size));
      const int n = std::min<int>(size, len);
      std::copy_n(FText.data(), n, buffer);
      r = n;
      break;
    }
    case EM_LIMITTEXT: SetMaxLength(static_cast<int>(w)); break;
    case EM_GETLIMITTEXT: r = FMaxLength; break;
    case EM_CANUNDO: r = CanUndo() ? 1 : 0; break;
    case EM_UNDO:
      Undo();
      r = CanUndo() ? 1 : 0;
      break;
    case EM_EMPTYUNDOBUFFER: ClearUndoBuffer(); break;
    case EM_SETREADONLY:
      SetReadOnly(w != 0);
      r = 1;
      break;
    case EM_POSFROMCHAR:
      if (w) {
        const int n = std::clamp(static_cast<int>(l), 0, len);
        auto* p = reinterpret_cast<vcl::TPoint*>(w);
        Canvas()->SetFont(Font());
        p->X =
            FTextRect.Left + Canvas()->TextWidth(FText.substr(0, static_cast<size_t>(n))) - FOffset;
        p->Y = 0;
      }
      break;
    case EM_CHARFROMPOS: {
      const int x = static_cast<int16_t>(l & 0xFFFF), y = static_cast<int16_t>((l >> 16) & 0xFFFF);
      r = PackWords(CalcMouseRow(x), CalcMouseCol(y));
      break;
    }
    default: break;  // the other edit messages are not answered here
  }
}

}  // namespace zyl
