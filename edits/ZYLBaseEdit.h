// TZYLBaseEdit: the owner-drawn text entry under every edit of the library. It keeps its own
// text, caret, selection and undo history (no system edit window inside), draws background,
// bevel and text itself, shows a system caret through an owned TZYLCaret and answers the
// window's text messages and the edit-control messages from its own text model.
//
// Positions are 1-based character indexes: the caret runs from 1 to Length + 1, the selection
// is a start and a length. The edit-control messages use the platform's 0-based positions.
// Line breaks inside the text are CR LF pairs, which caret moves, deletion and typing keep
// whole.
//
// Every change of the text goes through SetSelText, which records one undo step holding what
// the change really removed and inserted, at the place it really happened (after the CR LF,
// overwrite and MaxLength adjustments), so that Undo and Redo restore the text exactly.
// Overwrite mode (emInsert missing from the application's edit mode) applies to typed
// characters only, never to paste, code or undo.
//
// The descendants supply the drawing, caret placement and hit-testing (DrawText, SetCaret,
// CalcMousePos, CalcMouseCol, CalcMouseRow, SetNewText, GetNewText). This unit's code is split
// by topic: ZYLBaseEdit.cpp (state, geometry, painting, mouse, focus, label, streaming),
// ZYLBaseEditKeys.cpp (keys, commands, context menu, messages) and ZYLBaseEditText.cpp (text
// changes, undo, clipboard, words and search).
#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <string>

#include "buttons/ZYLCustomBevelPanel.h"
#include "edits/ZYLLabelProperties.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLOwned.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYL3DCaption;
class TZYLCaret;
class TZYLCustomBuffer;
class TZYLDynLIFOBuffer;
class TZYLTimer;

ZYL_ENUM(TZYLEditOption, eoNarrowHeight, eoSuppressDefaultMenu)
using TZYLEditOptions = vcl::TSet<TZYLEditOption>;
ZYL_ENUM(TZYLSearchStart, stTop, stBottom, stCursor)
ZYL_ENUM(TZYLSearchDirection, sdUp, sdDown)

// A text change at a 1-based position.
using TZYLTextChangeEvent = vcl::TEvent<void(vcl::TObject* Sender, int At)>;

// One step of the undo or redo history: at Start, Removed gave way to Inserted; Caret,
// SelStart and SelLength are the caret and selection before the step.
struct TZYLUndoRecord {
  int Start = 1;
  std::string Removed;
  std::string Inserted;
  int Caret = 1;
  int SelStart = 1;
  int SelLength = 0;
};

class TZYLBaseEdit : public TZYLCustomBevelPanel, public TZYLLabelProperties {
  ZYL_CLASS(TZYLBaseEdit, TZYLCustomBevelPanel)
  ZYL_MESSAGES(TZYLBaseEdit)

  // The indices of the shared Boolean and Integer setters.
  enum TBooleanProp : int {
    biHideSelection,
    biReadOnly,
    biModified,
    biUnused,
    biAutoSelect,
    biOEMConvert,
    biFocusOnMouseAbove
  };
  enum TIntegerProp : int {
    iiMaxLength,
    iiSelStart,
    iiSelLength,
    iiUnused3,
    iiUnused4,
    iiCaretPos
  };

  explicit TZYLBaseEdit(vcl::TComponent* AOwner);
  ~TZYLBaseEdit() override;

  // ---- Text, caret and selection ----
  // The stored text (GetNewText runs after it is read).
  std::string Text();
  const std::string& RawText() const { return FText; }
  // A different value is stored (cut to MaxLength when that is set), the undo and redo
  // histories are emptied, the caret goes to 1, the selection is cleared, then SetNewText.
  void SetText(const std::string& Value);
  vcl::TCaption GetText() override { return Text(); }
  int GetLength() const { return static_cast<int>(FText.size()); }

  bool GetBoolean(int Index) const;
  void SetBoolean(int Index, bool Value);
  int GetInteger(int Index) const;
  void SetInteger(int Index, int Value);
  bool HideSelection() const { return FHideSelection; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { SetBoolean(biReadOnly, Value); }
  bool Modified() const { return FModified; }
  void SetModified(bool Value) { SetBoolean(biModified, Value); }
  void SetHideSelection(bool Value) { SetBoolean(biHideSelection, Value); }
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { SetBoolean(biAutoSelect, Value); }
  bool OEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool Value) { SetBoolean(biOEMConvert, Value); }
  bool FocusOnMouseAbove() const { return FFocusOnMouseAbove; }
  void SetFocusOnMouseAbove(bool Value) { SetBoolean(biFocusOnMouseAbove, Value); }
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value) { SetInteger(iiMaxLength, Value); }
  int SelStart() const { return FSelStart; }
  void SetSelStart(int Value) { SetInteger(iiSelStart, Value); }
  int SelLength() const { return FSelLength; }
  void SetSelLength(int Value) { SetInteger(iiSelLength, Value); }
  int CaretPos() const { return FCaretPos; }
  void SetCaretPos(int Value) { SetInteger(iiCaretPos, Value); }
  // Selects Length characters from Start (1-based), clamped to the text; the caret goes to
  // Caret, or to the selection's end when Caret is 0.
  void Select(int Start, int Length, int Caret = 0);
  int ScrollOffset() const { return FOffset; }

  vcl::TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(vcl::TEditCharCase Value) { FCharCase = Value; }
  vcl::TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(vcl::TAlignment Value);
  TZYLEditOptions Options() const { return FOptions; }
  void SetOptions(TZYLEditOptions Value);
  bool TabOnEnter() const { return FTabOnEnter; }
  void SetTabOnEnter(bool Value) { FTabOnEnter = Value; }
  vcl::TColor HighlightBack() const { return FHighlightBack; }
  void SetHighlightBack(vcl::TColor Value);
  vcl::TColor HighlightText() const { return FHighlightText; }
  void SetHighlightText(vcl::TColor Value);
  bool UseGlobalTimer() const { return FUseGlobalTimer; }
  void SetUseGlobalTimer(bool Value) { FUseGlobalTimer = Value; }
  TZYL3DCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TZYL3DCaption* Value);
  TZYLCaret* Caret() const { return FCaret.get(); }
  void SetCaretSettings(TZYLCaret* Value);
  bool InputEnabled() const { return FInputEnabled; }
  void SetInputEnabled(bool Value) { FInputEnabled = Value; }
  bool MouseSelectionAllowed() const { return FMouseSelection; }
  void SetMouseSelectionAllowed(bool Value) { FMouseSelection = Value; }
  // The characters that end words (initially the space only).
  std::bitset<256>& WordDelimiters() { return FDelimiters; }
  bool IsDelimiter(char C) const { return FDelimiters.test(static_cast<uint8_t>(C)); }

  // ---- Text changes, undo, clipboard (ZYLBaseEditText.cpp) ----
  // Replaces the selection by S: the one road of every text change.
  void SetSelText(const std::string& S);
  std::string GetSelText() const;
  void SetSelTextBuf(const char* Buffer) { SetSelText(Buffer ? Buffer : ""); }
  // The length of the selected text, at most BufSize; copies it (zero-terminated, cut to fit)
  // into Buffer when Buffer is given.
  virtual int GetSelTextBuf(char* Buffer, int BufSize);
  void ClearSelection() { SetSelText(""); }
  virtual void Clear();
  void SelectAll();
  void CopyToClipboard();
  virtual void CutToClipboard();
  virtual void PasteFromClipboard();
  // Undo and Redo restore one step each; CanUndo / CanRedo tell whether there is a step.
  void Undo();
  void Redo();
  bool CanUndo() const;
  bool CanRedo() const;
  // Empties both histories.
  void ClearUndo();
  // Empties the undo history only (EM_EMPTYUNDOBUFFER).
  void ClearUndoBuffer();
  int UndoCount() const;

  void Replace(int Pos, int Len, const std::string& S);
  void Insert(int Pos, const std::string& S);
  std::string Cut(int Pos, int Len);
  std::string Copy(int Pos, int Len) const;
  void Upper(int Pos, int Len);
  void Lower(int Pos, int Len);
  void Add(const std::string& S) { SetText(FText + S); }
  int CountWords() const;
  std::string GetCurrentWord() const;
  virtual void SelectCurrentWord();
  void SelectRightWord();
  void SelectLeftWord();
  // Searches S from Start in Direction; at the end of the text asks whether to go on from the
  // other end. A match is selected. An empty S (or text) finds nothing.
  bool Search(const std::string& S, TZYLSearchStart Start, bool MatchCase, bool WholeWord,
              TZYLSearchDirection Direction);
  bool SearchAndReplace(const std::string& S, const std::string& R, TZYLSearchStart Start,
                        bool MatchCase, bool WholeWord, TZYLSearchDirection Direction, bool Prompt,
                        bool ReplaceAll);

  // ---- Caret movement (ZYLBaseEditKeys.cpp) ----
  void GotoParaStart();
  void GotoParaEnd();
  void GotoNextWord();
  void GotoPrevWord();

  // The rectangles: inside the bevel, the painted area, the text area.
  const vcl::TRect& InnerRect() const { return FInnerRect; }
  const vcl::TRect& PaintRect() const { return FPaintRect; }
  const vcl::TRect& TextRect() const { return FTextRect; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(vcl::TWinControl* AParent) override;
  void SetName(const std::string& NewName) override;
  bool ControlSupportsXP() const override { return true; }
  bool GetReadOnly() override { return FReadOnly; }
  // The face controller's state queries.
  virtual bool fcGetModified() { return FModified; }
  virtual bool fcGetReadOnly() { return FReadOnly; }
  virtual bool fcGetInvalidData() { return false; }
  // Ends an update; with Redraw and no update left the text is drawn again.
  void EndUpdate(bool Redraw);

  // The input method editor's mode and name, kept for the form files.
  vcl::TImeMode ImeMode() const { return FImeMode; }
  void SetImeMode(vcl::TImeMode Value) { FImeMode = Value; }
  const std::string& ImeName() const { return FImeName; }
  void SetImeName(const std::string& Value) { FImeName = Value; }

  // The events (OnAfterEnter and OnAfterExit are the control base's).
  const vcl::TMouseWheelEvent& GetOnMouseWheel() const { return OnMouseWheel; }
  void SetOnMouseWheel(const vcl::TMouseWheelEvent& E) { OnMouseWheel = E; }
  const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(const vcl::TNotifyEvent& E) { FOnChange = E; }
  const vcl::TNotifyEvent& GetOnModified() const { return FOnModified; }
  void SetOnModified(const vcl::TNotifyEvent& E) { FOnModified = E; }
  const vcl::TNotifyEvent& GetOnCursorPosChanged() const { return FOnCursorPosChanged; }
  void SetOnCursorPosChanged(const vcl::TNotifyEvent& E) { FOnCursorPosChanged = E; }
  const TZYLTextChangeEvent& GetOnTextChangedAt() const { return FOnTextChangedAt; }
  void SetOnTextChangedAt(const TZYLTextChangeEvent& E) { FOnTextChangedAt = E; }

 protected:
  // ---- What the descendants supply ----
  virtual void DrawText(int From) = 0;
  virtual void SetCaret() = 0;
  virtual int CalcMousePos(vcl::TSmallPoint Point) = 0;
  virtual int CalcMouseCol(int X) = 0;
  virtual int CalcMouseRow(int Y) = 0;
  virtual void SetNewText() = 0;
  virtual void GetNewText() = 0;

  // ---- Hooks ----
  virtual void SetupRects();
  // Builds the focused background bitmap and the rectangles.
  virtual void CreateBackBitmap();
  virtual void DoAlignmentChange() {}
  // Backspace with a selection also removes the character before it.
  virtual bool BackOneMore() { return false; }
  virtual void Change();
  virtual int RowHeight(const std::string& S);
  virtual void CursorPosChanged();
  // Redraws from At and fires OnTextChangedAt and OnChange.
  virtual void ChangedText(int At);
  virtual void BeforeChangeText() {}
  virtual void FinishedSetSelText() {}
  virtual void HandleInsertText(int /*Pos*/, std::string& /*Text*/) {}
  // Whether a character typed in overwrite mode replaces the character at Pos (else it is
  // inserted in front of it).
  virtual bool TypingOverwritesAt(int /*Pos*/) { return true; }
  // Whether the selection dragged with the mouse may move to Pos.
  virtual bool SelectionMovesTo(int /*Pos*/) { return true; }
  virtual void HandleReplaceText(int /*Pos*/, const std::string& /*Text*/) {}
  // Paints the background into Rect of the background bitmap (or the control's canvas).
  virtual void RepaintBack(const vcl::TRect& Rect);
  // False refuses a text change (in the base: while ReadOnly).
  virtual bool AllowedOperation(const std::string& Text);
  virtual bool AllowCopyPaste() { return true; }
  virtual bool RedrawOnExit();
  virtual bool RedrawOnEnter() { return false; }
  virtual void ModifyTextRect() {}
  virtual void ModifyPaintRect() {}
  virtual void ModifyInnerRect();
  // The command table of the editing keys.
  virtual void GetCommandKey(uint16_t& Key, vcl::TShiftState Shift);

  void KeyDown(uint16_t& Key, vcl::TShiftState Shift) override;
  void KeyUp(uint16_t& Key, vcl::TShiftState Shift) override;
  void Paint() override;
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void DefineProperties(vcl::TFiler* Filer) override;
  void DoThemeChanged() override;
  void RestoreBorderFront() override;
  void RestoreBorderBack() override;
  void MouseEnter() override;
  void MouseExit() override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  // Ends a gesture of the left button: the scrolling timer stops, a dragged selection's cursor
  // comes back; answers whether a selection was being dragged.
  bool EndMouseGesture();
  void DblClick() override;

  // Caret helpers: the caret's height from the font, and the caret placed by its style.
  void UpdateCaret();
  void SetZYLCaretPos(int X, int Y);
  // Extends or collapses the selection after a caret move.
  void SetSelection();
  // The application's edit mode.
  static TZYLEditModes EditMode();
  static bool Overwrite() { return !EditMode().contains(emInsert); }
  // The canvas drawing goes to: the background bitmap's while it exists, else the control's.
  vcl::TCanvas* DrawCanvas();
  vcl::TBitmap* BackBitmapOf() const { return FBack.get(); }
  // The width table of the 256 characters in the current font and Font3D's tracing, measured
  // again when the font changed: true when it was.
  bool MeasureCharWidths(vcl::TCanvas* Canvas);
  int CharWidth(char C) const { return FCharWidth[static_cast<uint8_t>(C)]; }
  // The next MeasureCharWidths measures again.
  void ForgetCharWidths() { FWidthKey.clear(); }
  bool Loading() const;

  // ---- Message handlers ----
  void WMChar(vcl::TWMKey& Message);
  void WMSetFocusEdit(vcl::TWMSetFocus& Message);
  void WMKillFocusEdit(vcl::TWMKillFocus& Message);
  void WMLButtonUpEdit(vcl::TWMMouse& Message);
  void WMRButtonUp(vcl::TMessage& Message);
  void WMSizeEdit(vcl::TWMSize& Message);
  void WMGetDlgCodeEdit(vcl::TMessage& Message);
  void WMSetText(vcl::TMessage& Message);
  void WMGetText(vcl::TMessage& Message);
  void WMGetTextLength(vcl::TMessage& Message);
  void WMClear(vcl::TMessage& Message);
  void WMCopy(vcl::TMessage& Message);
  void WMCut(vcl::TMessage& Message);
  void WMPaste(vcl::TMessage& Message);
  void WMEraseBkgndEdit(vcl::TWMEraseBkgnd& Message);
  void EMMessage(vcl::TMessage& Message);
  void CMFontChangedEdit(vcl::TMessage& Message);
  // The back bitmap is filled again with the control's colour (CM_COLORCHANGED) or with the
  // system colours' new values (CM_SYSCOLORCHANGE).
  void CMColorChangedEdit(vcl::TMessage& Message);
  void CMVisibleChangedEdit(vcl::TMessage& Message);
  void CMEnabledChangedEdit(vcl::TMessage& Message);
  void CMBiDiModeChangedEdit(vcl::TMessage& Message);
  void CMBoundLabelChange(vcl::TMessage& Message);
  // A modal window, or another window taking the mouse while the button is held, end the
  // selecting or the drag of the selection.
  void WMCancelModeEdit(vcl::TMessage& Message);
  void WMCaptureChangedEdit(vcl::TMessage& Message);

  std::string FText;
  int FCaretPos = 1;
  int FPrevCaretPos = 1;
  int FSelStart = 1;
  int FSelLength = 0;
  // The caret and the selection OnCursorPosChanged told of last: it tells of a change only, so
  // that a handler that moves the caret or selects is not told of its own move without end.
  int FToldCaretPos = 1;
  int FToldSelStart = 1;
  int FToldSelLength = 0;
  int FMaxLength = 0;
  int FOffset = 0;  // horizontal scroll offset of the text, in pixels
  vcl::TRect FInnerRect{};
  vcl::TRect FPaintRect{-1, -1, -1, -1};
  vcl::TRect FTextRect{};
  int FVertInset = 1;
  bool FSelectAllFromEnd = false;
  bool FTyping = false;              // a typed character is being inserted
  bool FSelectDrawing = false;       // Select draws the new selection
  bool FLastChangeInserted = false;  // the last text change inserted something
  // True while Undo or Redo applies a step.
  bool Replaying() const { return FUndoing || FRedoing; }

 private:
  friend class TZYLEditUndo;
  // The shared core of SetSelText, Undo and Redo: removes Len characters at Start, inserts S,
  // records the step in History (when given) and fires the change.
  void ApplyChange(int Start, int Len, std::string S, bool Exact);
  void ApplyRecord(TZYLDynLIFOBuffer* From, TZYLDynLIFOBuffer* To);
  void PushRecord(TZYLDynLIFOBuffer* Buffer, TZYLUndoRecord* Record);
  void DestroyRecord(TZYLCustomBuffer* Buffer, void* Entry);
  void MouseStep();
  void DoOnTimer(vcl::TObject* Sender);
  // Ends a press of the button before its release: the selection stays as it is, a drag of
  // it is dropped nowhere, the scrolling timer stops (it may be ticking now, so it stays).
  void EndPress();
  void ShowContextMenu(const vcl::TPoint& ScreenPoint);
  void MenuUndo(vcl::TObject*) { Undo(); }
  void MenuCut(vcl::TObject*) { CutToClipboard(); }
  void MenuCopy(vcl::TObject*) { CopyToClipboard(); }
  void MenuPaste(vcl::TObject*) { PasteFromClipboard(); }
  void MenuDelete(vcl::TObject*) { ClearSelection(); }
  void MenuSelectAll(vcl::TObject*) { SelectAll(); }
  void PlaceLabel() { FLabelBinding.Place(); }
  // The inner, paint and text rectangles from the client rectangle.
  void ComputeRects();
  // The themed border of a flat or transparent edit after a change of its hot or focus state.
  void RedrawThemedBorder();
  bool SearchOnce(const std::string& S, TZYLSearchStart Start, bool MatchCase, bool WholeWord,
                  TZYLSearchDirection Direction);

  bool FHideSelection = true;
  bool FReadOnly = false;
  bool FModified = false;
  bool FAutoSelect = false;
  bool FOEMConvert = false;
  bool FFocusOnMouseAbove = false;
  vcl::TEditCharCase FCharCase = vcl::ecNormal;
  vcl::TAlignment FAlignment = vcl::taLeftJustify;
  TZYLEditOptions FOptions;
  bool FTabOnEnter = false;
  vcl::TColor FHighlightBack;
  vcl::TColor FHighlightText;
  bool FUseGlobalTimer = false;
  bool FInputEnabled = true;
  bool FMouseSelection = true;
  std::bitset<256> FDelimiters;
  TZYLOwned<TZYL3DCaption> FFont3D;
  std::unique_ptr<TZYLCaret> FCaret;
  std::unique_ptr<TZYLDynLIFOBuffer> FUndo;
  std::unique_ptr<TZYLDynLIFOBuffer> FRedo;
  bool FUndoing = false;
  bool FRedoing = false;
  std::unique_ptr<vcl::TBitmap> FBack;
  std::unique_ptr<TZYLTimer> FTimer;
  bool FButtonDown = false;
  bool FMouseSelecting = false;
  bool FDragging = false;  // a selection is being dragged to a new place
  vcl::TCursor FSavedCursor = 0;
  vcl::TPoint FMousePoint{0, 0};
  bool FFocusByMouse = false;
  bool FSelHidden = false;
  vcl::TImeMode FImeMode = vcl::imDontCare;
  std::string FImeName;
  int FCharWidth[256] = {};
  std::string FWidthKey;  // the font the character widths belong to

 protected:
  TZYLTextChangeEvent FOnTextChangedAt;
  vcl::TNotifyEvent FOnCursorPosChanged;

 protected:
  vcl::TNotifyEvent FOnModified;
  vcl::TNotifyEvent FOnChange;
};

}  // namespace zyl
