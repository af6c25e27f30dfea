// TZYLCustomMemo: the library's multi-line owner-drawn edit. It stands on TZYLBaseEdit (one
// text string, caret, selection, undo, the edit messages) and lays the text out in rows:
// paragraphs end at CR LF, and while wrapping is in force (WordWrap on, or any alignment but
// left) a paragraph is broken after the last word delimiter that fits the text width, or at
// the last character that fits when the row holds no delimiter. TAB advances to the next
// multiple of TabChars times the width of '0'.
//
// The row model is one table of the first character of every row of the whole text. A text
// change lays out again only the paragraphs it touched and shifts the rows after them, so
// typing, scrolling, painting a page and hit-testing cost the same at any text length.
//
// The memo shows a margin strip beside the text (TZYLMarginObject), ruled lines under the
// rows (Lined, LineStyle), and scrolls through its own scroll bars (TZYLScrollBar children,
// set up by ScrollBars and the two settings objects) and the mouse wheel. Lines
// (TZYLMemoStrings) is the text's face as a list of paragraphs.
//
// Rows and lines: a row is what one band of the memo shows; a line is a paragraph. Public row
// numbers are 1-based where they are counts (GetRowCount, GetRowNr, TopRow) and 0-based where
// they index (CalcRowStart, CalcRowFromChar), like the edit-control messages, which count rows
// and characters from 0.
//
// The code is split by topic: ZYLCustomMemo.cpp (state, the row model, lines, the settings
// objects), ZYLCustomMemoPaint.cpp (rectangles, scroll bars, painting, scrolling, messages)
// and ZYLCustomMemoKeys.cpp (keys and mouse).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "edits/ZYLBaseEdit.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwned.h"

namespace vcl {
class TPen;
class TStream;
class TStrings;
}  // namespace vcl

namespace zyl {

class TZYLCustomMemo;
class TZYLFillObject;
class TZYLScrollBar;
class TZYLScrollBarObject;

// The scroll bar unit declares a TZYLScrollBarKind of its own: the memo's lives in its unit's
// namespace.
namespace ZYLCustomMemo {
ZYL_ENUM(TZYLScrollBarKind, skHorizontal, skVertical, skBoth, skAuto, skNone)
}
using TZYLMemoScrollBars = ZYLCustomMemo::TZYLScrollBarKind;
ZYL_ENUM(TZYLMarginAlignment, maLeft, maRight)

// Called for every drawn row: the margin's part beside the row, the row's first character and
// the number of characters shown.
using TZYLOnMarginRowPaint = vcl::TEvent<void(vcl::TObject* Sender, vcl::TCanvas* Canvas,
                                              vcl::TRect aRect, int firstChar, int length)>;

// The strip beside the text: its width, side and fill.
class TZYLMarginObject : public TZYLObject {
  ZYL_CLASS(TZYLMarginObject, TZYLObject)
  TZYLMarginObject();
  ~TZYLMarginObject() override;
  void Assign(vcl::TPersistent* Source) override;

  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TZYLMarginAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TZYLMarginAlignment Value);
  TZYLFillObject* FillObject() const { return FFill.get(); }
  void SetFillObject(TZYLFillObject* Value);

 private:
  int FWidth = 0;
  TZYLMarginAlignment FAlignment = maLeft;
  TZYLOwned<TZYLFillObject> FFill;
};

// The memo's text as a list of lines (paragraphs). Count is the number of paragraphs, as in a
// string list: 0 for an empty text, and a CR LF at the very end opens no further line. An
// index outside the list raises EStringListError.
class TZYLMemoStrings : public TZYLObject {
  ZYL_CLASS(TZYLMemoStrings, TZYLObject)
  explicit TZYLMemoStrings(TZYLCustomMemo* Memo = nullptr) : FMemo(Memo) {}

  TZYLCustomMemo* Memo() const { return FMemo; }
  int Count() const;
  std::string Get(int Index) const;
  void Put(int Index, const std::string& S);
  std::string GetTextStr() const;
  void SetTextStr(const std::string& Value);
  std::string Text() const { return GetTextStr(); }
  void SetText(const std::string& Value) { SetTextStr(Value); }
  // Appends S as a new last line; answers Count after the insertion.
  int Add(const std::string& S);
  void Append(const std::string& S) { Add(S); }
  // Adds the other list's whole text as new lines.
  void AddStrings(vcl::TStrings* Strings);
  void Insert(int Index, const std::string& S);
  void Delete(int Index);
  void Move(int CurIndex, int NewIndex);
  void Exchange(int Index1, int Index2);
  void Clear();
  // Sets the other list's text to the memo's.
  void GetAsStrings(vcl::TStrings* Strings) const;
  // From a string list or another memo's lines: the memo's text becomes theirs.
  void Assign(vcl::TPersistent* Source) override;
  // Hold the memo's drawing until the last EndUpdate, which invalidates it; the changes
  // between them still report themselves one by one.
  void BeginUpdate();
  void EndUpdate();
  bool AppendOnLoad() const { return FAppend; }
  void SetAppendOnLoad(bool Value) { FAppend = Value; }
  void SaveToStream(vcl::TStream* Stream) const;
  // Reads the rest of the stream as the text (appended when AppendOnLoad is set).
  void LoadFromStream(vcl::TStream* Stream);
  void SaveToFile(const std::string& FileName) const;
  void LoadFromFile(const std::string& FileName);

 private:
  // The memo; a list made without one raises EInvalidOperation.
  TZYLCustomMemo* M() const;

  TZYLCustomMemo* FMemo;
  bool FAppend = false;
};

class TZYLCustomMemo : public TZYLBaseEdit {
  ZYL_CLASS(TZYLCustomMemo, TZYLBaseEdit)
  ZYL_MESSAGES(TZYLCustomMemo)
  // The indices of the memo's Boolean setter.
  enum TMemoBoolean : int { mbWordWrap, mbWantTabs, mbWantReturns, mbLined };
  // The indices of the two scroll-bar settings objects.
  enum TScrollObj : int { soHorizontal, soVertical };
  // The width of a scroll bar the memo creates.
  static constexpr int BarSize = 16;

  explicit TZYLCustomMemo(vcl::TComponent* AOwner);
  ~TZYLCustomMemo() override;

  // ---- Properties ----
  TZYLMemoStrings* Lines() const { return FLines.get(); }
  // Takes the other lines' text; the caret goes to 1 with nothing selected, the top row first.
  void SetStrings(TZYLMemoStrings* Value);
  // While a change through Lines runs, and between Lines.BeginUpdate and its last EndUpdate,
  // the memo draws nothing (a paint that comes meanwhile included); the last end invalidates
  // it when something was held, so one paint draws all the changes.
  void BeginLinesUpdate() { ++FLinesUpdate; }
  void EndLinesUpdate();
  bool GetMemoBoolean(int Index) const;
  void SetMemoBoolean(int Index, bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { SetMemoBoolean(mbWordWrap, Value); }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { SetMemoBoolean(mbWantTabs, Value); }
  bool WantReturns() const { return FWantReturns; }
  bool Lined() const { return FLined; }
  void SetLined(bool Value) { SetMemoBoolean(mbLined, Value); }
  vcl::TPen* LineStyle() const { return FLineStyle.get(); }
  void SetLineStyle(vcl::TPen* Value);
  TZYLMarginObject* Margin() const { return FMargin.get(); }
  void SetMargin(TZYLMarginObject* Value);
  TZYLMemoScrollBars ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TZYLMemoScrollBars Value);
  int TabChars() const { return FTabChars; }
  // Values outside 1..128 are ignored.
  void SetTabChars(int Value);
  TZYLScrollBarObject* GetScrollObj(int Index) const;
  void SetScrollObj(int Index, TZYLScrollBarObject* Value);
  TZYLScrollBarObject* HorizScrollBar() const { return GetScrollObj(soHorizontal); }
  TZYLScrollBarObject* VertScrollBar() const { return GetScrollObj(soVertical); }
  // The bars while they exist.
  TZYLScrollBar* HorzBar() const { return FHBar; }
  TZYLScrollBar* VertBar() const { return FVBar; }

  const vcl::TNotifyEvent& GetOnCurrentRowChanged() const { return FOnCurrentRowChanged; }
  void SetOnCurrentRowChanged(const vcl::TNotifyEvent& E) { FOnCurrentRowChanged = E; }
  const vcl::TNotifyEvent& GetOnRowCountChanged() const { return FOnRowCountChanged; }
  void SetOnRowCountChanged(const vcl::TNotifyEvent& E) { FOnRowCountChanged = E; }
  const TZYLOnMarginRowPaint& GetOnMarginRowPaint() const { return FOnMarginRowPaint; }
  void SetOnMarginRowPaint(const TZYLOnMarginRowPaint& E) { FOnMarginRowPaint = E; }

  // ---- Rows ----
  // The number of rows (at least 1).
  int GetRowCount();
  // The caret's row, from 1.
  int GetRowNr();
  // The first visible row, from 1.
  int TopRow();
  // The rows a page shows wholly (at least 1).
  int PageRows();
  // The rows Page Up, Page Down and a page down through the vertical bar move: the page's
  // rows less two, at least 1.
  int PageStep();
  // The caret's column in its row, from 1, and the length of its row (line break included).
  int GetColumn();
  int GetColumns();
  // The first character (1-based) of row Row (0-based); 0 beyond the last row.
  int CalcRowStart(int Row);
  // The row (0-based) that shows position Pos; Pos beyond the text is taken as its end.
  int CalcRowFromChar(int Pos);
  // The first character of the row that shows Pos, and that row (1-based) in Row.
  int CalcCharRowStart(int Pos, int& Row);
  // The row breaks (line breaks and wraps) of S laid out at the memo's text width: of the
  // memo's own text one less than GetRowCount. Every lone CR or LF of S becomes CR LF on the
  // way. 0 for an empty S and while the memo is loading.
  int CountRows(std::string& S);
  // Moves Pos (0 is taken as 1) on to the first character of the row after the row that holds
  // it, past a line break whole, not beyond Limit; a Pos at or beyond Limit stays.
  void GetNextLine(int& Pos, int Limit);
  // Moves Pos back to the first character of the row that holds it, or of the row before when
  // Pos starts its row, not before Limit (nor 1).
  void GetPrevLine(int& Pos, int Limit);
  // Makes row Row (from 1, at most the last) the first visible one as far as the rows reach
  // (the last page stays full); answers the rows walked: Row, or the rows of the text when it
  // has fewer.
  int CalcRowNr(int Row);
  // The row that holds Pos counted from the first visible row (0): negative above the view,
  // the page's rows or more below it. Just after a final line break is the empty row after it.
  int getRow(int Pos);
  // The width in pixels of S drawn as one row (TAB to the next tab stop).
  int RowWidth(const std::string& S);
  // The height of a row band: the character height, plus the ruled line's width when Lined.
  int RowHeight(const std::string& S) override;

  // ---- Lines (paragraphs, from 0) ----
  int LineCount() const;
  // The first character (1-based) and the length (without CR LF) of line Line; false when
  // there is no such line.
  bool GetLineParas(int Line, int& Start, int& Len) const;
  std::string GetLine(int Line) const;
  void SetLine(int Line, const std::string& S);
  void AddLine(const std::string& S);
  // Inserts S as line Line (Line = LineCount appends).
  void InsertAtLine(int Line, const std::string& S);
  void DeleteLine(int Line);
  void MoveLine(int From, int To);
  void ExchangeLines(int A, int B);
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName);

  // ---- Scrolling ----
  void ScrollUp(int N);
  void ScrollDown(int N);
  // Scrolls so that the caret's row is visible.
  void MakeCursorVisible();

 protected:
  void Loaded() override;
  void Paint() override;
  void DoThemeChanged() override;
  void GetChange(vcl::TObject* Sender) override;
  int CalcMouseCol(int) override { return 0; }
  int CalcMouseRow(int) override { return 0; }
  void DoAlignmentChange() override;
  void SetCaret() override;
  void SetNewText() override;
  void GetNewText() override {}
  void DrawText(int From) override;
  int CalcMousePos(vcl::TSmallPoint Point) override;
  void CursorPosChanged() override;
  void ChangedText(int At) override;
  void HandleInsertText(int Pos, std::string& Text) override;
  void HandleReplaceText(int Pos, const std::string& Text) override;
  void ModifyTextRect() override;
  void ModifyPaintRect() override;
  void GetCommandKey(uint16_t& Key, vcl::TShiftState Shift) override;
  bool DoMouseWheel(vcl::TShiftState Shift, int WheelDelta, vcl::TPoint MousePos) override;

  void WMGetDlgCodeMemo(vcl::TMessage& Message);
  void CMWantSpecialKeyMemo(vcl::TMessage& Message);
  void CMFontChangedMemo(vcl::TMessage& Message);
  void EMMemo(vcl::TMessage& Message);

 private:
  // ---- Row model (ZYLCustomMemo.cpp) ----
  // Whether the font can be measured: the memo has a window or can get one. Until then the
  // characters have no width and a row no height.
  bool Measurable() const;
  // The width of character C at horizontal position X of a row (TAB to the next stop).
  int Advance(int X, char C);
  bool Wrapping() const;
  int TextWidth() const { return FTextRect.Right - FTextRect.Left; }
  // The row break rule on T: the row that starts at Start (1-based) ends before the answer,
  // the first character of the next row (past a CR LF pair whole, Break then true), or T's
  // length + 1 when T ends in it. Width receives the width of the row's characters.
  int NextRowStart(const std::string& T, int Start, int& Width, bool& Break);
  // Appends the rows of the paragraph at Start to Rows; answers the start of the next
  // paragraph, or 0 when this one ends the text.
  int WrapParagraph(int Start, std::vector<int>& Rows);
  // Lays the whole text out when the layout is stale.
  void EnsureLayout();
  void LayoutAll();
  // After a text change at Pos that replaced Removed characters by Inserted: lays out the
  // touched paragraphs again and shifts the rows after them.
  void LayoutEdit(int Pos, int Removed, int Inserted);
  void RowsChanged(int OldCount);
  // The row (0-based) that shows position Pos.
  int RowOf(int Pos);
  // The end of row Row: the first character after it.
  int RowEnd(int Row);
  // The last caret position of row Row: before its line break, before the character that
  // starts the next wrapped row, or after the text's last character.
  int RowLastPos(int Row);
  // The x of the first character of row Row (before the horizontal offset).
  int RowOrigin(int Row);
  // The width of characters [From, To) of the text, as laid out from the row start From.
  int SpanWidth(int From, int To);
  // The caret position nearest to X (client, before the offset) in row Row.
  int PosInRow(int Row, int X);
  void SetCurrentRow(int Value);
  void EnsureCharHeight();
  // Sets the caret to Pos, keeping the row and scroll state and redrawing a changed
  // selection.
  void MoveCaretTo(int Pos);
  // Turns every lone CR or LF of S into CR LF.
  static void NormaliseBreaks(std::string& S);

  // ---- Painting and scrolling (ZYLCustomMemoPaint.cpp) ----
  void SetTop(int Row);
  int MaxTop();
  void CreateVertBar();
  void CreateHorzBar();
  void FreeBar(TZYLScrollBar*& Bar);
  void UpdateBars();
  void PlaceBars();
  bool AutoVertVisible();
  void DoOnVScroll(vcl::TObject* Sender, vcl::TScrollCode ScrollCode, int& ScrollPos);
  void DoOnHScroll(vcl::TObject* Sender, vcl::TScrollCode ScrollCode, int& ScrollPos);
  void SetHorzOffset(int Value);
  void PaintMargin(vcl::TCanvas* Canvas);
  void PaintRuledLines(vcl::TCanvas* Canvas, int Top);
  void DrawRow(vcl::TCanvas* Canvas, int Row, int Y);
  void DrawRowText(vcl::TCanvas* Canvas, int From, int To, int X, int Y, int Bottom);
  // Runs SetCaret while a bar or the wheel scrolls: the caret hides instead of pulling the
  // view back to itself.
  void SetCaretFromBar();

  // ---- Keys (ZYLCustomMemoKeys.cpp) ----
  // The memo's own step for Key; true when the key is done (the base's handling skipped).
  bool MemoKey(uint16_t Key);
  void MoveRows(int Delta, bool Page);

  std::unique_ptr<TZYLMemoStrings> FLines;
  TZYLOwned<TZYLScrollBarObject> FHorzObj;
  TZYLOwned<TZYLScrollBarObject> FVertObj;
  TZYLOwned<vcl::TPen> FLineStyle;
  TZYLOwned<TZYLMarginObject> FMargin;
  TZYLScrollBar* FHBar = nullptr;
  TZYLScrollBar* FVBar = nullptr;
  TZYLMemoScrollBars FScrollBars = ZYLCustomMemo::skNone;
  bool FWordWrap = true;
  bool FWantTabs = false;
  bool FWantReturns = true;
  bool FLined = false;
  int FTabChars = 8;
  int FCharHeight = -1;
  int FTop = 0;         // the first visible row, from 0
  int FCurrentRow = 1;  // the caret's row, from 1
  int FHorzRange = 0;   // the widest paragraph's overflow beyond the text width
  bool FBarScrolling = false;
  bool FFmtLines = false;
  vcl::TRect FMarginRect{};
  // The rows: the first character of each; never empty.
  std::vector<int> FRows{1};
  bool FLayoutValid = false;
  int FLayoutWidth = -1;  // the text width the rows were laid out for (0: unwrapped)
  int FLaidLength = 0;    // the text length the rows belong to
  // The text change in progress: its position (-1: none), the length it removes and the
  // text's length before it.
  int FEditPos = -1;
  int FEditRemoved = 0;
  int FEditLength = 0;
  int FBreaks = 0;  // the LF characters of the text
  int FLinesUpdate = 0;      // the Lines changes and updates running
  bool FRedrawHeld = false;  // a drawing was held back by them
  // The first character of every line, made when a line is asked for after a change.
  mutable std::vector<int> FParas;
  mutable bool FParasValid = false;

 protected:
  TZYLOnMarginRowPaint FOnMarginRowPaint;
  vcl::TNotifyEvent FOnRowCountChanged;

 protected:
  vcl::TNotifyEvent FOnCurrentRowChanged;
};

}  // namespace zyl
