#include "edits/ZYLCustomMemo.h"

#include <algorithm>

#include "display/ZYLSBar.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLStreamUtils.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/SysUtils.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

// ---------------------------------------------------------------------------------------------
// Type information

ZYL_CLASS_IMPL(TZYLMarginObject) {
  using C = TZYLMarginObject;
  b.Prop("Width", &C::Width, &C::SetWidth)
      .Default(0)
      .Prop("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(maLeft)
      .Prop("FillObject", &C::FillObject, &C::SetFillObject);
}

ZYL_CLASS_IMPL(TZYLMemoStrings) {}

// Described here; the publishing memo names what it shows.
ZYL_CLASS_IMPL(TZYLCustomMemo) {
  using C = TZYLCustomMemo;
  b.Declare("Lines", &C::Lines, &C::SetStrings)
      .Stored(false)  // the text is stored through Text
      .Declare("WordWrap", &C::GetMemoBoolean, &C::SetMemoBoolean)
      .Index(mbWordWrap)
      .Default(true)
      .Declare("WantTabs", &C::GetMemoBoolean, &C::SetMemoBoolean)
      .Index(mbWantTabs)
      .Default(false)
      .Declare("WantReturns", &C::GetMemoBoolean, &C::SetMemoBoolean)
      .Index(mbWantReturns)
      .Default(true)
      .Declare("Lined", &C::GetMemoBoolean, &C::SetMemoBoolean)
      .Index(mbLined)
      .Default(false)
      .Declare("LineStyle", &C::LineStyle, &C::SetLineStyle)
      .Declare("Margin", &C::Margin, &C::SetMargin)
      .Declare("ScrollBars", &C::ScrollBars, &C::SetScrollBars)
      .Default(ZYLCustomMemo::skNone)
      .Declare("TabChars", &C::TabChars, &C::SetTabChars)
      .Default(8)
      .Declare("HorizScrollBar", &C::GetScrollObj, &C::SetScrollObj)
      .Index(soHorizontal)
      .Declare("VertScrollBar", &C::GetScrollObj, &C::SetScrollObj)
      .Index(soVertical)
      .Declare("OnCurrentRowChanged", &C::GetOnCurrentRowChanged, &C::SetOnCurrentRowChanged)
      .Declare("OnMarginRowPaint", &C::GetOnMarginRowPaint, &C::SetOnMarginRowPaint)
      .Declare("OnRowCountChanged", &C::GetOnRowCountChanged, &C::SetOnRowCountChanged);
}

// ---------------------------------------------------------------------------------------------
// TZYLMarginObject

TZYLMarginObject::TZYLMarginObject() : FFill(new TZYLFillObject()) {
  FFill.Link(vcl::TNotifyEvent(this, &TZYLMarginObject::GetChange));
}

TZYLMarginObject::~TZYLMarginObject() { FFill.reset(); }

void TZYLMarginObject::Assign(vcl::TPersistent* Source) {
  auto* m = dynamic_cast<TZYLMarginObject*>(Source);
  if (!m) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  FWidth = m->FWidth;
  FAlignment = m->FAlignment;
  FFill->Assign(m->FFill);
  EndUpdate(true);
}

void TZYLMarginObject::SetWidth(int Value) {
  if (ZYLStoreValue(FWidth, std::max(0, Value))) Change();
}

void TZYLMarginObject::SetAlignment(TZYLMarginAlignment Value) {
  if (ZYLStoreValue(FAlignment, Value)) Change();
}

void TZYLMarginObject::SetFillObject(TZYLFillObject* Value) {
  if (Value) FFill->Assign(Value);
}

// ---------------------------------------------------------------------------------------------
// TZYLMemoStrings

namespace {

[[noreturn]] void BadIndex(int Index) {
  throw vcl::EStringListError(vcl::Format(vcl::SListIndexError, {Index}));
}

// One change through Lines: the memo draws it with the next paint, not at once.
class TLinesChange {
 public:
  explicit TLinesChange(TZYLCustomMemo* Memo) : memo_(Memo) { memo_->BeginLinesUpdate(); }
  ~TLinesChange() { memo_->EndLinesUpdate(); }
  TLinesChange(const TLinesChange&) = delete;
  TLinesChange& operator=(const TLinesChange&) = delete;

 private:
  TZYLCustomMemo* memo_;
};

}  // namespace

TZYLCustomMemo* TZYLMemoStrings::M() const {
  if (!FMemo) throw vcl::EInvalidOperation(vcl::SZYLLinesWithoutMemo);
  return FMemo;
}

int TZYLMemoStrings::Count() const { return M()->LineCount(); }

std::string TZYLMemoStrings::Get(int Index) const {
  if (Index < 0 || Index >= Count()) BadIndex(Index);
  return M()->GetLine(Index);
}

void TZYLMemoStrings::Put(int Index, const std::string& S) {
  if (Index < 0 || Index >= Count()) BadIndex(Index);
  TLinesChange change(M());
  M()->SetLine(Index, S);
}

std::string TZYLMemoStrings::GetTextStr() const { return M()->Text(); }

void TZYLMemoStrings::SetTextStr(const std::string& Value) {
  TLinesChange change(M());
  M()->SetText(Value);
}

int TZYLMemoStrings::Add(const std::string& S) {
  TLinesChange change(M());
  M()->AddLine(S);
  return Count();
}

void TZYLMemoStrings::AddStrings(vcl::TStrings* Strings) {
  if (!Strings || Strings->Count() == 0) return;
  std::string s = Strings->Text();
  if (s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0) s.resize(s.size() - 2);
  Add(s);
}

void TZYLMemoStrings::Insert(int Index, const std::string& S) {
  if (Index < 0 || Index > Count()) BadIndex(Index);
  TLinesChange change(M());
  M()->InsertAtLine(Index, S);
}

void TZYLMemoStrings::Delete(int Index) {
  if (Index < 0 || Index >= Count()) BadIndex(Index);
  TLinesChange change(M());
  M()->DeleteLine(Index);
}

void TZYLMemoStrings::Move(int CurIndex, int NewIndex) {
  const int n = Count();
  if (CurIndex < 0 || CurIndex >= n) BadIndex(CurIndex);
  if (NewIndex < 0 || NewIndex >= n) BadIndex(NewIndex);
  TLinesChange change(M());
  M()->MoveLine(CurIndex, NewIndex);
}

void TZYLMemoStrings::Exchange(int Index1, int Index2) {
  const int n = Count();
  if (Index1 < 0 || Index1 >= n) BadIndex(Index1);
  if (Index2 < 0 || Index2 >= n) BadIndex(Index2);
  TLinesChange change(M());
  M()->ExchangeLines(Index1, Index2);
}

void TZYLMemoStrings::Clear() {
  TLinesChange change(M());
  M()->Clear();
}

void TZYLMemoStrings::BeginUpdate() { M()->BeginLinesUpdate(); }

void TZYLMemoStrings::EndUpdate() { M()->EndLinesUpdate(); }

void TZYLMemoStrings::GetAsStrings(vcl::TStrings* Strings) const {
  if (Strings) Strings->SetText(M()->Text());
}

void TZYLMemoStrings::Assign(vcl::TPersistent* Source) {
  if (Source == this) return;
  TLinesChange change(M());
  if (auto* s = dynamic_cast<vcl::TStrings*>(Source)) {
    M()->SetText(s->Text());
    return;
  }
  if (auto* m = dynamic_cast<TZYLMemoStrings*>(Source)) {
    M()->SetText(m->GetTextStr());
    return;
  }
  inherited::Assign(Source);
}

void TZYLMemoStrings::SaveToStream(vcl::TStream* Stream) const {
  ZYLStringToStream(M()->Text(), Stream);
}

void TZYLMemoStrings::LoadFromStream(vcl::TStream* Stream) {
  const int64_t rest = Stream->Size() - Stream->Position();
  const std::string s =
      ZYLStreamToString(Stream, static_cast<int32_t>(std::clamp<int64_t>(rest, 0, INT32_MAX)));
  TLinesChange change(M());
  M()->SetText(FAppend ? M()->Text() + s : s);
}

void TZYLMemoStrings::SaveToFile(const std::string& FileName) const {
  vcl::TFileStream stream(FileName, vcl::fmCreate);
  SaveToStream(&stream);
}

void TZYLMemoStrings::LoadFromFile(const std::string& FileName) {
  vcl::TFileStream stream(FileName, vcl::fmOpenRead | vcl::fmShareDenyWrite);
  LoadFromStream(&stream);
}

// ---------------------------------------------------------------------------------------------
// TZYLCustomMemo: construction and properties

TZYLCustomMemo::TZYLCustomMemo(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FLines(std::make_unique<TZYLMemoStrings>(this)),
      FHorzObj(new TZYLScrollBarObject()),
      FVertObj(new TZYLScrollBarObject()),
      FLineStyle(new vcl::TPen()),
      FMargin(new TZYLMarginObject()) {
  const vcl::TNotifyEvent change(this, &TZYLCustomMemo::GetChange);
  FHorzObj.Link(change);
  FVertObj.Link(change);
  FLineStyle.Link(change);
  FMargin.Link(change);
  std::bitset<256>& d = WordDelimiters();
  d.reset();
  for (const char c : std::string("\t\n\r !,.;=?")) d.set(static_cast<uint8_t>(c));
  SetBounds(Left(), Top(), 185, 89);
}

TZYLCustomMemo::~TZYLCustomMemo() {
  FMargin.Link({});
  FLineStyle.Link({});
  FHorzObj.Link({});
  FVertObj.Link({});
  FreeBar(FHBar);
  FreeBar(FVBar);
}

// The memo starts again at its top, also when the text stays the same.
void TZYLCustomMemo::SetStrings(TZYLMemoStrings* Value) {
  if (!Value || Value == FLines.get()) return;
  SetText(Value->GetTextStr());
  Select(1, 0);
}

bool TZYLCustomMemo::GetMemoBoolean(int Index) const {
  switch (Index) {
    case mbWordWrap: return FWordWrap;
    case mbWantTabs: return FWantTabs;
    case mbWantReturns: return FWantReturns;
    case mbLined: return FLined;
    default: return false;
  }
}

void TZYLCustomMemo::SetMemoBoolean(int Index, bool Value) {
  switch (Index) {
    case mbWordWrap:
      if (Value == FWordWrap) return;
      FWordWrap = Value;
      FOffset = 0;
      FLayoutValid = false;
      UpdateBars();
      DrawText(-1);
      SetCaret();
      break;
    case mbWantTabs: FWantTabs = Value; break;
    case mbWantReturns: FWantReturns = Value; break;
    case mbLined:
      if (Value == FLined) return;
      FLined = Value;
      FLayoutValid = false;
      UpdateCaret();
      if (HandleAllocated()) Invalidate();
      break;
    default: break;
  }
}

void TZYLCustomMemo::SetLineStyle(vcl::TPen* Value) {
  if (Value) FLineStyle->Assign(Value);
}

void TZYLCustomMemo::SetMargin(TZYLMarginObject* Value) {
  if (Value) FMargin->Assign(Value);
}

void TZYLCustomMemo::SetTabChars(int Value) {
  if (Value < 1 || Value > 128 || Value == FTabChars) return;
  FTabChars = Value;
  FLayoutValid = false;
  if (HandleAllocated()) win::PostMessageA(Handle(), vcl::CM_FONTCHANGED, 0, 0);
}

TZYLScrollBarObject* TZYLCustomMemo::GetScrollObj(int Index) const {
  return Index == soHorizontal ? FHorzObj.get() : FVertObj.get();
}

void TZYLCustomMemo::SetScrollObj(int Index, TZYLScrollBarObject* Value) {
  if (!Value) return;
  GetScrollObj(Index)->Assign(Value);
  if (TZYLScrollBar* bar = Index == soHorizontal ? FHBar : FVBar) {
    GetScrollObj(Index)->AssignToScrollBar(bar);
    bar->Invalidate();
  }
}

void TZYLCustomMemo::GetChange(vcl::TObject* Sender) {
  inherited::GetChange(Sender);
  if (Sender == FHorzObj.get() && FHBar) FHorzObj->AssignToScrollBar(FHBar);
  if (Sender == FVertObj.get() && FVBar) FVertObj->AssignToScrollBar(FVBar);
  if (Sender == FMargin.get() || Sender == FLineStyle.get()) {
    FLayoutValid = false;
    if (Sender == FLineStyle.get()) UpdateCaret();
    SetupRects();
    if (HandleAllocated()) Invalidate();
  }
}

void TZYLCustomMemo::Loaded() {
  inherited::Loaded();
  DoAlignmentChange();
}

void TZYLCustomMemo::DoAlignmentChange() {
  FOffset = 0;
  FLayoutValid = false;
  UpdateBars();
}

void TZYLCustomMemo::CMFontChangedMemo(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  ForgetCharWidths();
  FCharHeight = -1;
  FLayoutValid = false;
  if (HandleAllocated()) {
    UpdateCaret();
    Invalidate();
  }
}

void TZYLCustomMemo::LoadFromFile(const std::string& FileName) {
  FTop = 0;
  FLines->LoadFromFile(FileName);
}

void TZYLCustomMemo::SaveToFile(const std::string& FileName) { FLines->SaveToFile(FileName); }

// ---------------------------------------------------------------------------------------------
// Text changes

void TZYLCustomMemo::NormaliseBreaks(std::string& S) {
  if (S.find_first_of("\r\n") == std::string::npos) return;
  std::string out;
  out.reserve(S.size() + S.size() / 16);
  for (size_t i = 0; i < S.size(); ++i) {
    const char c = S[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < S.size() && S[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  S.swap(out);
}

void TZYLCustomMemo::SetNewText() {
  NormaliseBreaks(FText);
  FParasValid = false;
  FBreaks = static_cast<int>(std::count(FText.begin(), FText.end(), '\n'));
  FTop = 0;
  FOffset = 0;
  FSelLength = 0;
  FEditPos = -1;
  FLayoutValid = false;
  if (!Loading()) EnsureLayout();
  ChangedText(1);
  if (Focused()) SetCaret();
}

void TZYLCustomMemo::HandleReplaceText(int Pos, const std::string& Text) {
  FEditPos = Pos;
  FEditRemoved = static_cast<int>(Text.size());
  FEditLength = GetLength();
  FBreaks -= static_cast<int>(std::count(Text.begin(), Text.end(), '\n'));
  if (FLaidLength != GetLength()) FLayoutValid = false;
}

void TZYLCustomMemo::HandleInsertText(int /*Pos*/, std::string& Text) { NormaliseBreaks(Text); }

void TZYLCustomMemo::ChangedText(int At) {
  FParasValid = false;
  if (FEditPos > 0) {
    const int pos = FEditPos;
    FEditPos = -1;
    const int inserted = GetLength() - FEditLength + FEditRemoved;
    const auto from = FText.begin() + (pos - 1);
    FBreaks += static_cast<int>(std::count(from, from + inserted, '\n'));
    if (FLayoutValid) LayoutEdit(pos, FEditRemoved, inserted);
  }
  inherited::ChangedText(At);
  MakeCursorVisible();
}

void TZYLCustomMemo::CursorPosChanged() {
  MakeCursorVisible();
  inherited::CursorPosChanged();
}

// ---------------------------------------------------------------------------------------------
// Row model

bool TZYLCustomMemo::Wrapping() const { return FWordWrap || Alignment() != vcl::taLeftJustify; }

int TZYLCustomMemo::Advance(int X, char C) {
  if (C == '\t') {
    // In 64 bits, as every sum of widths here: a width may lie at int's limits.
    const int64_t tab = std::max<int64_t>(1, int64_t{FTabChars} * CharWidth('0'));
    return vcl::ClampToInt(tab - X % tab);
  }
  if (static_cast<uint8_t>(C) < 32) return 0;
  return CharWidth(C);
}

bool TZYLCustomMemo::Measurable() const {
  for (const vcl::TWinControl* c = this; c; c = c->Parent()) {
    if (c->HandleAllocated() || c->ParentWindow()) return true;
    if (!c->Parent()) return dynamic_cast<const vcl::TCustomForm*>(c) != nullptr;
  }
  return false;
}

int TZYLCustomMemo::RowWidth(const std::string& S) {
  if (Measurable()) MeasureCharWidths(Canvas());
  int x = 0;
  for (const char c : S) x = vcl::ClampToInt(int64_t{x} + Advance(x, c));
  return x;
}

void TZYLCustomMemo::EnsureCharHeight() {
  if (FCharHeight >= 0 || !Measurable()) return;
  vcl::TCanvas* c = Canvas();
  c->SetFont(Font());
  const int h = c->TextHeight("Wg");
  if (h > 0) FCharHeight = h + 2;  // else measured again when a window can answer
}

int TZYLCustomMemo::RowHeight(const std::string& /*S*/) {
  EnsureCharHeight();
  const int pen = FLined ? std::max(1, FLineStyle->Width()) : 0;
  return std::max(1, FCharHeight + pen);
}

int TZYLCustomMemo::NextRowStart(const std::string& T, int Start, int& Width, bool& Break) {
  const int len = static_cast<int>(T.size());
  const int width = TextWidth();
  const bool wrap = Wrapping() && width > 0;
  const char* t = T.data();
  int p = Start, x = 0;
  Break = false;
  while (p <= len) {
    const char c = t[p - 1];
    if (c == '\r' && p < len && t[p] == '\n') {
      Width = x;
      Break = true;
      return p + 2;
    }
    const int w = Advance(x, c);
    if (wrap && p > Start && int64_t{x} + w > width && !IsDelimiter(c)) {
      // The row ends after its last delimiter, or before the character that did not fit.
      Width = x;
      for (int k = p - 1; k > Start; --k)
        if (IsDelimiter(t[k - 1])) return k + 1;
      return p;
    }
    x = vcl::ClampToInt(int64_t{x} + w);
    ++p;
  }
  Width = x;
  return len + 1;
}

int TZYLCustomMemo::WrapParagraph(int Start, std::vector<int>& Rows) {
  const bool wrap = Wrapping() && TextWidth() > 0;
  for (int s = Start;;) {
    Rows.push_back(s);
    int width = 0;
    bool lineBreak = false;
    const int next = NextRowStart(FText, s, width, lineBreak);
    if (lineBreak || next > GetLength()) {
      if (!wrap) FHorzRange = std::max(FHorzRange, vcl::ClampToInt(int64_t{width} - TextWidth()));
      return lineBreak ? next : 0;
    }
    s = next;
  }
}

void TZYLCustomMemo::EnsureLayout() {
  if (Measurable() && MeasureCharWidths(Canvas())) {
    FLayoutValid = false;
    FCharHeight = -1;
  }
  EnsureCharHeight();
  const int key = Wrapping() ? std::max(0, TextWidth()) : 0;
  if (!FLayoutValid || key != FLayoutWidth || FLaidLength != GetLength()) LayoutAll();
}

void TZYLCustomMemo::LayoutAll() {
  const int oldCount = static_cast<int>(FRows.size());
  const int oldRange = FHorzRange;
  std::vector<int> rows;
  rows.reserve(FRows.size());
  FHorzRange = 0;
  int p = 1;
  do p = WrapParagraph(p, rows);
  while (p != 0);
  FRows.swap(rows);
  FLayoutValid = true;
  FLayoutWidth = Wrapping() ? std::max(0, TextWidth()) : 0;
  FLaidLength = GetLength();
  if (FHorzRange != oldRange) UpdateBars();
  RowsChanged(oldCount);
}

void TZYLCustomMemo::LayoutEdit(int Pos, int Removed, int Inserted) {
  const int delta = Inserted - Removed;
  const int oldCount = static_cast<int>(FRows.size());
  const int oldRange = FHorzRange;
  int s0 = std::clamp(Pos, 1, GetLength() + 1);
  while (s0 > 1 && FText[static_cast<size_t>(s0 - 2)] != '\n') --s0;
  auto first = std::lower_bound(FRows.begin(), FRows.end(), s0);
  if (first == FRows.end() || *first != s0) {
    LayoutAll();
    return;
  }
  const size_t r0 = static_cast<size_t>(first - FRows.begin());
  const int end = Pos + Inserted;
  std::vector<int> fresh;
  int p = s0, next = 0;
  while ((next = WrapParagraph(p, fresh)) != 0 && next - 2 < end) p = next;
  if (next == 0) {
    FRows.resize(r0);
    FRows.insert(FRows.end(), fresh.begin(), fresh.end());
  } else {
    const auto k = std::lower_bound(FRows.begin() + static_cast<std::ptrdiff_t>(r0), FRows.end(),
                                    next - delta);
    if (k == FRows.end() || *k != next - delta) {
      LayoutAll();
      return;
    }
    const size_t rk = static_cast<size_t>(k - FRows.begin());
    for (size_t i = rk; i < FRows.size(); ++i) FRows[i] += delta;
    FRows.erase(FRows.begin() + static_cast<std::ptrdiff_t>(r0),
                FRows.begin() + static_cast<std::ptrdiff_t>(rk));
    FRows.insert(FRows.begin() + static_cast<std::ptrdiff_t>(r0), fresh.begin(), fresh.end());
  }
  FLaidLength = GetLength();
  if (FHorzRange != oldRange) UpdateBars();
  RowsChanged(oldCount);
}

void TZYLCustomMemo::RowsChanged(int OldCount) {
  if (static_cast<int>(FRows.size()) == OldCount) return;
  FTop = std::min(FTop, MaxTop());
  UpdateBars();
  if (FOnRowCountChanged) FOnRowCountChanged(this);
}

int TZYLCustomMemo::RowOf(int Pos) {
  EnsureLayout();
  Pos = std::clamp(Pos, 1, GetLength() + 1);
  return static_cast<int>(std::upper_bound(FRows.begin(), FRows.end(), Pos) - FRows.begin()) - 1;
}

int TZYLCustomMemo::RowEnd(int Row) {
  const int n = static_cast<int>(FRows.size());
  return Row + 1 < n ? FRows[static_cast<size_t>(Row + 1)] : GetLength() + 1;
}

int TZYLCustomMemo::RowLastPos(int Row) {
  const int e = RowEnd(Row);
  if (Row + 1 >= static_cast<int>(FRows.size())) return e;
  if (e >= 3 && FText[static_cast<size_t>(e - 2)] == '\n' &&
      FText[static_cast<size_t>(e - 3)] == '\r')
    return e - 2;
  return std::max(FRows[static_cast<size_t>(Row)], e - 1);
}

int TZYLCustomMemo::SpanWidth(int From, int To) {
  const int len = GetLength();
  int x = 0;
  for (int p = From; p < To && p <= len; ++p)
    x = vcl::ClampToInt(int64_t{x} + Advance(x, FText[static_cast<size_t>(p - 1)]));
  return x;
}

int TZYLCustomMemo::RowOrigin(int Row) {
  const vcl::TRect& r = FTextRect;
  if (Alignment() == vcl::taLeftJustify) return r.Left;
  const int64_t w = SpanWidth(FRows[static_cast<size_t>(Row)], RowEnd(Row));
  return vcl::ClampToInt(Alignment() == vcl::taRightJustify
                             ? r.Right - w
                             : r.Left + (int64_t{r.Right} - r.Left - w) / 2);
}

int TZYLCustomMemo::PosInRow(int Row, int X) {
  const int last = RowLastPos(Row);
  const int64_t x0 = int64_t{RowOrigin(Row)} - FOffset;
  int x = 0;
  for (int p = FRows[static_cast<size_t>(Row)]; p < last; ++p) {
    const int w = Advance(x, FText[static_cast<size_t>(p - 1)]);
    if (X < x0 + x + (int64_t{w} + 1) / 2) return p;
    x = vcl::ClampToInt(int64_t{x} + w);
  }
  return last;
}

int TZYLCustomMemo::GetRowCount() {
  EnsureLayout();
  return static_cast<int>(FRows.size());
}

int TZYLCustomMemo::GetRowNr() { return RowOf(FCaretPos) + 1; }

int TZYLCustomMemo::TopRow() {
  EnsureLayout();
  return FTop + 1;
}

int TZYLCustomMemo::PageRows() {
  return std::max(1, (FTextRect.Bottom - FTextRect.Top) / RowHeight(""));
}

int TZYLCustomMemo::GetColumn() {
  const int r = RowOf(FCaretPos);
  return FCaretPos - FRows[static_cast<size_t>(r)] + 1;
}

int TZYLCustomMemo::GetColumns() {
  const int r = RowOf(FCaretPos);
  return RowEnd(r) - FRows[static_cast<size_t>(r)];
}

int TZYLCustomMemo::CalcRowStart(int Row) {
  EnsureLayout();
  if (Row < 0 || Row >= static_cast<int>(FRows.size())) return 0;
  return FRows[static_cast<size_t>(Row)];
}

// A position past the end of the text (the caret's place after the last character is still in
// it) lies on no row and answers 0.
int TZYLCustomMemo::CalcRowFromChar(int Pos) { return Pos > GetLength() + 1 ? 0 : RowOf(Pos); }

int TZYLCustomMemo::CalcCharRowStart(int Pos, int& Row) {
  const int r = RowOf(Pos);
  Row = r + 1;
  return FRows[static_cast<size_t>(r)];
}

int TZYLCustomMemo::CountRows(std::string& S) {
  NormaliseBreaks(S);
  if (S.empty() || Loading()) return 0;
  EnsureLayout();
  if (S == FText) return static_cast<int>(FRows.size()) - 1;
  const int len = static_cast<int>(S.size());
  int breaks = 0;
  for (int p = 1;;) {
    int width = 0;
    bool lineBreak = false;
    const int next = NextRowStart(S, p, width, lineBreak);
    if (!lineBreak && next > len) return breaks;
    ++breaks;
    p = next;
  }
}

void TZYLCustomMemo::GetNextLine(int& Pos, int Limit) {
  Pos = std::max(1, Pos);
  const int limit = std::min(Limit, GetLength() + 1);
  if (Pos >= limit) return;
  Pos = std::min(RowEnd(RowOf(Pos)), limit);
}

void TZYLCustomMemo::GetPrevLine(int& Pos, int Limit) {
  const int p = std::clamp(Pos, 1, GetLength() + 1);
  int r = RowOf(p);
  if (r > 0 && FRows[static_cast<size_t>(r)] == p) --r;
  Pos = std::max(FRows[static_cast<size_t>(r)], std::min(Limit, p));
}

int TZYLCustomMemo::CalcRowNr(int Row) {
  EnsureLayout();
  const int walked = std::clamp(Row, 1, static_cast<int>(FRows.size()));
  SetTop(walked - 1);
  return walked;
}

int TZYLCustomMemo::getRow(int Pos) { return RowOf(Pos) - FTop; }

void TZYLCustomMemo::SetCurrentRow(int Value) {
  if (Value == FCurrentRow) return;
  FCurrentRow = Value;
  if (FOnCurrentRowChanged) FOnCurrentRowChanged(this);
}

// ---------------------------------------------------------------------------------------------
// Lines

int TZYLCustomMemo::LineCount() const {
  if (FText.empty()) return 0;
  return FText.back() == '\n' ? FBreaks : FBreaks + 1;
}

bool TZYLCustomMemo::GetLineParas(int Line, int& Start, int& Len) const {
  Start = 0;
  Len = 0;
  if (Line < 0 || Line >= LineCount()) return false;
  if (!FParasValid) {
    FParas.assign(1, 1);
    for (size_t i = FText.find('\n'); i != std::string::npos; i = FText.find('\n', i + 1))
      FParas.push_back(static_cast<int>(i) + 2);
    FParasValid = true;
  }
  const size_t p = static_cast<size_t>(FParas[static_cast<size_t>(Line)] - 1);
  size_t e = static_cast<size_t>(Line) + 1 < FParas.size()
                 ? static_cast<size_t>(FParas[static_cast<size_t>(Line) + 1] - 2)  // the LF
                 : FText.size();
  if (e > p && FText[e - 1] == '\r') --e;
  Start = static_cast<int>(p) + 1;
  Len = static_cast<int>(e - p);
  return true;
}

std::string TZYLCustomMemo::GetLine(int Line) const {
  int start = 0, len = 0;
  if (!GetLineParas(Line, start, len)) return {};
  return FText.substr(static_cast<size_t>(start - 1), static_cast<size_t>(len));
}

void TZYLCustomMemo::SetLine(int Line, const std::string& S) {
  int start = 0, len = 0;
  if (GetLineParas(Line, start, len)) Replace(start, len, S);
}

void TZYLCustomMemo::AddLine(const std::string& S) {
  Insert(GetLength() + 1, FText.empty() || FText.back() == '\n' ? S : "\r\n" + S);
}

void TZYLCustomMemo::InsertAtLine(int Line, const std::string& S) {
  const int n = LineCount();
  if (Line < 0 || Line > n) return;
  if (Line < n) {
    int start = 0, len = 0;
    GetLineParas(Line, start, len);
    Insert(start, S + "\r\n");
  } else {
    AddLine(S);
  }
}

void TZYLCustomMemo::DeleteLine(int Line) {
  int start = 0, len = 0;
  if (!GetLineParas(Line, start, len)) return;
  const int end = start + len;  // the line's CR, or the text's end
  if (end <= GetLength())
    Replace(start, len + 2, "");  // the line and its CR LF
  else if (start > 1)
    Replace(start - 2, len + 2, "");  // the last line and the CR LF before it
  else
    Replace(start, len, "");
}

void TZYLCustomMemo::MoveLine(int From, int To) {
  const int n = LineCount();
  if (From == To || From < 0 || To < 0 || From >= n || To >= n) return;
  const std::string s = GetLine(From);
  DeleteLine(From);
  InsertAtLine(To, s);
}

void TZYLCustomMemo::ExchangeLines(int A, int B) {
  const int n = LineCount();
  if (A == B || A < 0 || B < 0 || A >= n || B >= n) return;
  const std::string a = GetLine(A), b = GetLine(B);
  SetLine(B, a);
  SetLine(A, b);
}

}  // namespace zyl
