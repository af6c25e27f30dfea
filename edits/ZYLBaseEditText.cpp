// TZYLBaseEdit: the one road of every text change (SetSelText), the undo and redo histories,
// the clipboard, the text operations on positions, words and the search with replace.
//
// An undo record holds what a change really did: at Start, Removed gave way to Inserted. It is
// made after every adjustment (a CR LF pair taken whole, the character typed over, the part of
// the inserted text that fits MaxLength), so applying it backwards restores the text exactly;
// applying a record pushes its reverse on the other history. A change that removed and
// inserted nothing (typing into a full edit) makes no record.
#include <algorithm>
#include <cstring>
#include <vector>

#include "edits/ZYLBaseEdit.h"
#include "foundation/ZYLBuffer.h"
#include "foundation/ZYLConst.h"
#include "platform/base/Finally.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

namespace {

// The text through the OEM code page and back (characters the page lacks are changed).
std::string ThroughOem(const std::string& S) {
  std::string oem(S.size(), '\0'), back(S.size(), '\0');
  win::CharToOemBuffA(S.data(), oem.data(), static_cast<win::DWORD>(S.size()));
  win::OemToCharBuffA(oem.data(), back.data(), static_cast<win::DWORD>(S.size()));
  return back;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Text changes

void TZYLBaseEdit::SetSelText(const std::string& Value) {
  if (!AllowedOperation(Value)) return;
  std::string S = FOEMConvert && !Value.empty() ? ThroughOem(Value) : Value;
  BeforeChangeText();
  const int len = GetLength();
  int start = std::clamp(FSelStart, 1, len + 1);
  int count = std::clamp(FSelLength, 0, len + 1 - start);
  auto at = [this](int Pos) { return FText[static_cast<size_t>(Pos - 1)]; };
  if (count == 0) {
    // Never between the CR and the LF of a pair.
    if (start > 1 && start <= len && at(start) == '\n' && at(start - 1) == '\r') --start;
    // A typed character replaces the one at the caret (a line break whole).
    if (FTyping && Overwrite() && start <= len && TypingOverwritesAt(start))
      count = at(start) == '\r' && start < len && at(start + 1) == '\n' ? 2 : 1;
  } else {
    const int last = start + count - 1;
    if (at(last) == '\r' && last < len && at(last + 1) == '\n') ++count;
    if (at(start) == '\n' && start > 1 && at(start - 1) == '\r') {
      --start;
      ++count;
    }
  }
  ApplyChange(start, count, std::move(S), false);
}

void TZYLBaseEdit::ApplyChange(int Start, int Len, std::string S, bool Exact) {
  auto* record = new TZYLUndoRecord{Start, {}, {}, FCaretPos, FSelStart, FSelLength};
  record->Removed = FText.substr(static_cast<size_t>(Start - 1), static_cast<size_t>(Len));
  HandleReplaceText(Start, record->Removed);
  FText.erase(static_cast<size_t>(Start - 1), static_cast<size_t>(Len));
  FSelStart = Start;
  FSelLength = 0;
  HandleInsertText(Start, S);
  if (!Exact && FMaxLength > 0) {
    // Only the part that fits is inserted, and it never ends between a CR and its LF.
    size_t room = static_cast<size_t>(std::max(0, FMaxLength - GetLength()));
    if (S.size() > room) {
      if (room > 0 && S[room - 1] == '\r' && S[room] == '\n') --room;
      S.resize(room);
    }
  }
  FText.insert(static_cast<size_t>(Start - 1), S);
  record->Inserted = S;
  FLastChangeInserted = !S.empty();
  if (record->Removed.empty() && record->Inserted.empty()) {
    delete record;
  } else if (FUndoing) {
    PushRecord(FRedo.get(), record);
  } else {
    PushRecord(FUndo.get(), record);
    if (!FRedoing) FRedo->Clear();
  }
  SetModified(true);
  ChangedText(Start);
  const bool typing = FTyping;
  FTyping = true;  // the caret move below leaves the selection alone
  vcl::TFinally restore([&] { FTyping = typing; });
  BeginUpdate();
  {
    // The selection collapses at the caret after the move is told, and the edit draws again
    // and shows its caret, also when a handler of the move raises.
    vcl::TFinally collapse([&] {
      FSelLength = 0;
      FSelStart = FCaretPos;
      EndUpdate(true);
      SetCaret();
    });
    SetInteger(iiCaretPos, Start + static_cast<int>(S.size()));
  }
  FinishedSetSelText();
}

std::string TZYLBaseEdit::GetSelText() const {
  if (FSelLength <= 0 || FSelStart > GetLength()) return {};
  return FText.substr(static_cast<size_t>(FSelStart - 1), static_cast<size_t>(FSelLength));
}

int TZYLBaseEdit::GetSelTextBuf(char* Buffer, int BufSize) {
  const std::string s = GetSelText();
  const int n = std::clamp(static_cast<int>(s.size()), 0, std::max(0, BufSize));
  if (Buffer && BufSize > 0) {
    const int copied = std::min(n, BufSize - 1);
    std::memcpy(Buffer, s.data(), static_cast<size_t>(copied));
    Buffer[copied] = '\0';
  }
  return n;
}

void TZYLBaseEdit::Clear() {
  SelectAll();
  SetSelText("");
}

void TZYLBaseEdit::SelectAll() {
  if (FSelectAllFromEnd) GotoParaEnd();
  FSelStart = 1;
  FSelLength = GetLength();
  DrawText(-1);
}

// ---------------------------------------------------------------------------------------------
// Undo and redo

void TZYLBaseEdit::PushRecord(TZYLDynLIFOBuffer* Buffer, TZYLUndoRecord* Record) {
  Buffer->Put(Record);
}

void TZYLBaseEdit::DestroyRecord(TZYLCustomBuffer* /*Buffer*/, void* Entry) {
  delete static_cast<TZYLUndoRecord*>(Entry);
}

bool TZYLBaseEdit::CanUndo() const { return !FUndo->isEmpty(); }
bool TZYLBaseEdit::CanRedo() const { return !FRedo->isEmpty(); }
int TZYLBaseEdit::UndoCount() const { return FUndo->Count(); }

void TZYLBaseEdit::ClearUndo() {
  FRedo->Clear();
  FUndo->Clear();
}

void TZYLBaseEdit::ClearUndoBuffer() { FUndo->Clear(); }

// Applies the newest record of From backwards; its reverse goes on To (through the undoing or
// redoing flag). Refused while the edit is read-only: the record then stays where it is.
void TZYLBaseEdit::ApplyRecord(TZYLDynLIFOBuffer* From, TZYLDynLIFOBuffer* /*To*/) {
  if (From->isEmpty()) return;
  // The descendants are asked about a replayed step as such.
  bool& flag = From == FUndo.get() ? FUndoing : FRedoing;
  flag = true;
  vcl::TFinally clear([&] { flag = false; });
  if (!AllowedOperation("")) return;
  std::unique_ptr<TZYLUndoRecord> r(static_cast<TZYLUndoRecord*>(From->Get()));
  BeforeChangeText();
  ApplyChange(r->Start, static_cast<int>(r->Inserted.size()), r->Removed, true);
  FPrevCaretPos = FCaretPos;
  FCaretPos = std::clamp(r->Caret, 1, GetLength() + 1);
  FSelStart = std::clamp(r->SelStart, 1, GetLength() + 1);
  FSelLength = std::clamp(r->SelLength, 0, GetLength() + 1 - FSelStart);
  DrawText(-1);
  CursorPosChanged();
}

void TZYLBaseEdit::Undo() { ApplyRecord(FUndo.get(), FRedo.get()); }
void TZYLBaseEdit::Redo() { ApplyRecord(FRedo.get(), FUndo.get()); }

// ---------------------------------------------------------------------------------------------
// Clipboard

void TZYLBaseEdit::CopyToClipboard() {
  if (AllowCopyPaste() && FSelLength > 0) vcl::Clipboard()->SetAsText(GetSelText());
}

void TZYLBaseEdit::CutToClipboard() {
  if (!AllowCopyPaste() || FSelLength == 0) return;
  vcl::Clipboard()->SetAsText(GetSelText());
  SetSelText("");
}

void TZYLBaseEdit::PasteFromClipboard() {
  if (AllowCopyPaste()) SetSelText(vcl::Clipboard()->AsText());
}

// ---------------------------------------------------------------------------------------------
// Text operations

void TZYLBaseEdit::Replace(int Pos, int Len, const std::string& S) {
  const int start = FSelStart, length = FSelLength;
  FSelStart = std::clamp(Pos, 1, GetLength() + 1);
  FSelLength = std::clamp(Len, 0, GetLength() + 1 - FSelStart);
  SetSelText(S);
  FSelStart = std::clamp(start, 1, GetLength() + 1);
  FSelLength = std::clamp(length, 0, GetLength() + 1 - FSelStart);
}

void TZYLBaseEdit::Insert(int Pos, const std::string& S) {
  FSelLength = 0;
  FSelStart = std::clamp(Pos, 1, GetLength() + 1);
  SetSelText(S);
}

std::string TZYLBaseEdit::Cut(int Pos, int Len) {
  FSelStart = std::clamp(Pos, 1, GetLength() + 1);
  FSelLength = std::clamp(Len, 0, GetLength() + 1 - FSelStart);
  std::string s = GetSelText();
  SetSelText("");
  return s;
}

std::string TZYLBaseEdit::Copy(int Pos, int Len) const {
  if (Pos < 1 || Pos > GetLength() || Len <= 0) return {};
  return FText.substr(static_cast<size_t>(Pos - 1), static_cast<size_t>(Len));
}

void TZYLBaseEdit::Upper(int Pos, int Len) {
  Replace(Pos, Len, vcl::AnsiUpperCase(Copy(Pos, Len)));
}
void TZYLBaseEdit::Lower(int Pos, int Len) {
  Replace(Pos, Len, vcl::AnsiLowerCase(Copy(Pos, Len)));
}

// ---------------------------------------------------------------------------------------------
// Words

int TZYLBaseEdit::CountWords() const {
  int count = 0;
  for (size_t i = 1; i < FText.size(); ++i)
    if (IsDelimiter(FText[i]) && !IsDelimiter(FText[i - 1])) ++count;
  return count;
}

namespace {

// The word SelectCurrentWord selects around Caret: [Start, End).
void WordBounds(const std::string& Text, int Caret, const std::bitset<256>& Delims, int& Start,
                int& End) {
  const int len = static_cast<int>(Text.size());
  auto delim = [&](int Pos) { return Delims.test(static_cast<uint8_t>(Text[size_t(Pos - 1)])); };
  Start = std::min(Caret, len);
  if (Start >= 2 && delim(Start)) --Start;
  while (Start >= 2 && !delim(Start)) --Start;
  if (Start != 1 || delim(Start)) ++Start;
  End = Caret;
  while (End <= len && !delim(End)) ++End;
  if (End < Start) End = Start;
}

}  // namespace

std::string TZYLBaseEdit::GetCurrentWord() const {
  if (FText.empty()) return {};
  int start = 1, end = 1;
  WordBounds(FText, FCaretPos, FDelimiters, start, end);
  return FText.substr(static_cast<size_t>(start - 1), static_cast<size_t>(end - start));
}

void TZYLBaseEdit::SelectCurrentWord() {
  if (FText.empty()) return;
  int start = 1, end = 1;
  WordBounds(FText, FCaretPos, FDelimiters, start, end);
  FSelStart = start;
  FSelLength = end - start;
  FPrevCaretPos = FCaretPos;
  FCaretPos = end;
}

void TZYLBaseEdit::SelectRightWord() {
  int p = FCaretPos;
  const int len = GetLength();
  while (p < len && !IsDelimiter(FText[static_cast<size_t>(p - 1)])) ++p;
  FSelStart = FCaretPos;
  FSelLength = p - FCaretPos;
  DrawText(-1);
}

void TZYLBaseEdit::SelectLeftWord() {
  int p = FCaretPos;
  while (p > 1 && !IsDelimiter(FText[static_cast<size_t>(p - 2)])) --p;
  FSelStart = p;
  FSelLength = FCaretPos - p;
  DrawText(-1);
}

// ---------------------------------------------------------------------------------------------
// Search

bool TZYLBaseEdit::Search(const std::string& S, TZYLSearchStart Start, bool MatchCase,
                          bool WholeWord, TZYLSearchDirection Direction) {
  return SearchOnce(S, Start, MatchCase, WholeWord, Direction);
}

// Looks for S from Start; at the end of the text the user may go on from the other end once.
bool TZYLBaseEdit::SearchOnce(const std::string& S, TZYLSearchStart Start, bool MatchCase,
                              bool WholeWord, TZYLSearchDirection Direction) {
  const int len = GetLength(), n = static_cast<int>(S.size());
  if (n == 0 || len == 0) return false;
  const std::string text = MatchCase ? FText : vcl::AnsiUpperCase(FText);
  const std::string key = MatchCase ? S : vcl::AnsiUpperCase(S);
  auto wholeWordAt = [&](int M) {
    const bool before = M == 1 || IsDelimiter(FText[static_cast<size_t>(M - 2)]);
    const bool after = M + n > len || IsDelimiter(FText[static_cast<size_t>(M + n - 1)]);
    return before && after;
  };
  const bool down = Direction == sdDown;
  int P = Start == stTop ? 1 : Start == stBottom ? len : std::clamp(FCaretPos, 1, len + 1);
  bool wrapped = false;
  for (;;) {
    int M = 0;  // 1-based start of the match
    if (down) {
      for (size_t from = static_cast<size_t>(P - 1); from + n <= text.size();) {
        const size_t i = text.find(key, from);
        if (i == std::string::npos) break;
        if (!WholeWord || wholeWordAt(static_cast<int>(i) + 1)) {
          M = static_cast<int>(i) + 1;
          break;
        }
        from = i + 1;
      }
    } else if (P >= n) {
      // Matches that end at P at the latest.
      for (size_t upto = static_cast<size_t>(P - n);;) {
        const size_t i = text.rfind(key, upto);
        if (i == std::string::npos) break;
        if (!WholeWord || wholeWordAt(static_cast<int>(i) + 1)) {
          M = static_cast<int>(i) + 1;
          break;
        }
        if (i == 0) break;
        upto = i - 1;
      }
    }
    if (M > 0) {
      FSelStart = M;
      FSelLength = 0;
      FPrevCaretPos = FCaretPos;
      FCaretPos = down ? M + n : std::max(1, M - 1);
      FSelStart = M;
      FSelLength = n;
      DrawText(-1);
      CursorPosChanged();
      return true;
    }
    if (wrapped) return false;
    const char* question = down ? SZYLSearchAtBottom : SZYLSearchAtTop;
    const int answer = vcl::Application
                           ? vcl::Application->MessageBox(question, SZYLSearch, win::MB_YESNO)
                           : win::IDNO;
    if (answer != win::IDYES) return false;
    wrapped = true;
    P = down ? 1 : len;
  }
}

bool TZYLBaseEdit::SearchAndReplace(const std::string& S, const std::string& R,
                                    TZYLSearchStart Start, bool MatchCase, bool WholeWord,
                                    TZYLSearchDirection Direction, bool Prompt, bool ReplaceAll) {
  bool result = false;
  TZYLSearchStart from = Start;
  // Each match is passed once: after a replacement the search goes on behind the new text
  // (down) or before it (up), so a replacement that holds S is never searched again.
  for (int guard = 0; guard <= GetLength() + 1; ++guard) {
    if (!SearchOnce(S, from, MatchCase, WholeWord, Direction)) break;
    from = stCursor;
    const int M = FSelStart;
    bool replace = !Prompt;
    if (Prompt) {
      vcl::TMsgDlgButtons buttons{vcl::mbYes, vcl::mbNo, vcl::mbCancel};
      if (!ReplaceAll) buttons = buttons + vcl::TMsgDlgButtons{vcl::mbAll};
      const int answer =
          vcl::MessageDlg(std::string(SZYLReplace) + "?", vcl::mtConfirmation, buttons, 0);
      if (answer == vcl::mrCancel) return false;
      if (answer == vcl::mrAll) ReplaceAll = true;
      replace = answer == vcl::mrYes;
    }
    if (replace) {
      SetSelText(R);
      result = true;
    }
    if (!ReplaceAll) break;
    if (Direction == sdUp) SetInteger(iiCaretPos, std::max(1, M - 1));
    SetInteger(iiSelLength, 0);
  }
  return result;
}

}  // namespace zyl
