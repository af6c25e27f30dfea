#include "edits/ZYLBaseEdit.h"

#include <algorithm>

#include "display/ZYLBoundLabel.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBuffer.h"
#include "foundation/ZYLCaret.h"
#include "foundation/ZYLTimer.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/base/Restore.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/StrUtils.h"
#include "platform/text/Text.h"
#include "platform/user/EditButtonConsts.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

using vcl::TRect;

namespace {
// The interval of the auto-scroll timer that runs while the left button is held.
constexpr TZYLTimerInterval MouseScrollInterval = 200;
}  // namespace

ZYL_MESSAGE_MAP(TZYLBaseEdit) {
  using C = TZYLBaseEdit;
  m.On(win::WM_CHAR, &C::WMChar)
      .On(win::WM_SETFOCUS, &C::WMSetFocusEdit)
      .On(win::WM_KILLFOCUS, &C::WMKillFocusEdit)
      .On(win::WM_LBUTTONUP, &C::WMLButtonUpEdit)
      .On(win::WM_RBUTTONUP, &C::WMRButtonUp)
      .On(win::WM_SIZE, &C::WMSizeEdit)
      .On(win::WM_GETDLGCODE, &C::WMGetDlgCodeEdit)
      .On(win::WM_SETTEXT, &C::WMSetText)
      .On(win::WM_GETTEXT, &C::WMGetText)
      .On(win::WM_GETTEXTLENGTH, &C::WMGetTextLength)
      .On(win::WM_CLEAR, &C::WMClear)
      .On(win::WM_COPY, &C::WMCopy)
      .On(win::WM_CUT, &C::WMCut)
      .On(win::WM_PASTE, &C::WMPaste)
      .On(win::WM_ERASEBKGND, &C::WMEraseBkgndEdit)
      .On(vcl::CM_FONTCHANGED, &C::CMFontChangedEdit)
      .On(vcl::CM_COLORCHANGED, &C::CMColorChangedEdit)
      .On(vcl::CM_SYSCOLORCHANGE, &C::CMColorChangedEdit)
      .On(vcl::CM_VISIBLECHANGED, &C::CMVisibleChangedEdit)
      .On(vcl::CM_ENABLEDCHANGED, &C::CMEnabledChangedEdit)
      .On(vcl::CM_BIDIMODECHANGED, &C::CMBiDiModeChangedEdit)
      .On(win::WM_CANCELMODE, &C::WMCancelModeEdit)
      .On(win::WM_CAPTURECHANGED, &C::WMCaptureChangedEdit)
      .On(CM_ZYLBOUNDLABELCHANGE, &C::CMBoundLabelChange);
  for (win::UINT msg = win::EM_GETSEL; msg <= win::EM_CHARFROMPOS; ++msg) m.On(msg, &C::EMMessage);
}

// The properties every edit shares; the publishing classes name the ones they show.
ZYL_CLASS_IMPL(TZYLBaseEdit) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLBaseEdit;
  const vcl::TTypeInfo* color = vcl::ColorTypeInfo();
  b.Publish("About")
      .Publish({"BackFX", "FaceController"})
      .Prop("HighlightBack", &C::HighlightBack, &C::SetHighlightBack, color)
      .Default(vcl::clHighlight)
      .Prop("HighlightText", &C::HighlightText, &C::SetHighlightText, color)
      .Default(vcl::clHighlightText)
      .Publish("Bevel")
      .Prop("FocusOnMouseAbove", &C::GetBoolean, &C::SetBoolean)
      .Index(biFocusOnMouseAbove)
      .Default(false)
      .Prop("Caret", &C::Caret, &C::SetCaretSettings)
      .Publish("Color")
      .Default(vcl::clWindow)
      .Publish("Cursor")
      .Default(vcl::crIBeam)
      .Publish({"Ctl3D", "CtlXP", "DragCursor", "DragMode", "Enabled", "Flat", "Hint", "ImageList",
                "ImageIndex"})
      .Prop("ImeMode", &C::ImeMode, &C::SetImeMode)
      .Default(vcl::imDontCare)
      .Prop("ImeName", &C::ImeName, &C::SetImeName)
      .Publish("ListIndex")
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentCtl3D", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"})
      .Publish("TabStop")
      .Default(true)
      .Publish("Transparent")
      .Prop("UseGlobalTimer", &C::UseGlobalTimer, &C::SetUseGlobalTimer)
      .Default(false)
      .Publish("Visible")
      .Prop("OnCursorPosChanged", &C::GetOnCursorPosChanged, &C::SetOnCursorPosChanged)
      .Prop("OnTextChangedAt", &C::GetOnTextChangedAt, &C::SetOnTextChangedAt)
      .Prop("OnChange", &C::GetOnChange, &C::SetOnChange)
      .Prop("OnModified", &C::GetOnModified, &C::SetOnModified)
      .Publish({"OnContextPopup", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag",
                "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                "OnMouseMove", "OnMouseUp", "OnStartDrag"})
      .Prop("OnAfterEnter", &C::GetOnAfterEnter, &C::SetOnAfterEnter)
      .Prop("OnAfterExit", &C::GetOnAfterExit, &C::SetOnAfterExit)
      .Publish({"OnMouseEnter", "OnMouseExit"})
      .Prop("OnMouseWheel", &C::GetOnMouseWheel, &C::SetOnMouseWheel)
      .Publish({"Anchors", "Constraints", "DragKind", "BiDiMode", "ParentBiDiMode", "OnEndDock",
                "OnStartDock"});
  // Described here, published by the descendants that show them.
  b.Declare("AutoSelect", &C::GetBoolean, &C::SetBoolean)
      .Index(biAutoSelect)
      .Default(false)
      .Declare("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(vcl::taLeftJustify)
      .Declare("CharCase", &C::CharCase, &C::SetCharCase)
      .Default(vcl::ecNormal)
      .Declare("Font3D", &C::Font3D, &C::SetFont3D)
      .Declare("HideSelection", &C::GetBoolean, &C::SetBoolean)
      .Index(biHideSelection)
      .Default(true)
      .Declare("MaxLength", &C::GetInteger, &C::SetInteger)
      .Index(iiMaxLength)
      .Default(0)
      .Declare("OEMConvert", &C::GetBoolean, &C::SetBoolean)
      .Index(biOEMConvert)
      .Default(false)
      .Declare("Options", &C::Options, &C::SetOptions)
      .Default(TZYLEditOptions{}.Bits())
      .Declare("ReadOnly", &C::GetBoolean, &C::SetBoolean)
      .Index(biReadOnly)
      .Default(false)
      .Declare("TabOnEnter", &C::TabOnEnter, &C::SetTabOnEnter)
      .Default(false)
      .Declare("Text", &C::Text, &C::SetText);
  TZYLLabelProperties::Declare(b);
}

TZYLBaseEdit::TZYLBaseEdit(vcl::TComponent* AOwner)
    : inherited(AOwner),
      TZYLLabelProperties(this),
      FUndo(std::make_unique<TZYLDynLIFOBuffer>()),
      FRedo(std::make_unique<TZYLDynLIFOBuffer>()) {
  vcl::TControlStyle style = ControlStyle();
  style = style - vcl::TControlStyle{vcl::csAcceptsControls, vcl::csSetCaption};
  SetControlStyle(style);
  SetHeight(21);
  FFont3D.reset(new TZYL3DCaption(), vcl::TNotifyEvent(this, &TZYLBaseEdit::GetChange));
  FBevel->SetDefaultMode(bmWindows);
  FCaret.reset(new TZYLCaret(this));
  FCaret->SetPos(TZYLCaret::piY, 1);
  const TZYLBufferEntryDestroy destroy(this, &TZYLBaseEdit::DestroyRecord);
  FUndo->SetOnEntryDestroy(destroy);
  FRedo->SetOnEntryDestroy(destroy);
  SetCursor(vcl::crIBeam);
  SetColor(vcl::clWindow);
  SetTabStop(true);
  FDelimiters.set(static_cast<uint8_t>(' '));
  FHighlightBack = vcl::clHighlight;
  FHighlightText = vcl::clHighlightText;
}

TZYLBaseEdit::~TZYLBaseEdit() {
  FBack.reset();
  FTimer.reset();
  FUndo->Clear();
  FRedo->Clear();
  FCaret.reset();
  FFont3D.reset();
}

bool TZYLBaseEdit::Loading() const {
  const vcl::TComponentState st = ComponentState();
  return st.contains(vcl::csLoading) || st.contains(vcl::csReading) ||
         st.contains(vcl::csDestroying);
}

TZYLEditModes TZYLBaseEdit::EditMode() {
  TZYLApplication* app = ZYLApplication();
  return app ? app->EditMode() : TZYLEditModes{emInsert};
}

// ---------------------------------------------------------------------------------------------
// Properties

std::string TZYLBaseEdit::Text() {
  GetNewText();
  return FText;
}

void TZYLBaseEdit::SetText(const std::string& Value) {
  if (Value == FText) return;
  // The histories' steps stand at positions of the old text: they go with it.
  ClearUndo();
  FText = FMaxLength > 0 && static_cast<int>(Value.size()) > FMaxLength
              ? Value.substr(0, static_cast<size_t>(FMaxLength))
              : Value;
  // The old selection has no place in the new text, even when the text is set from a handler
  // in the middle of a typed change, whose caret move leaves the selection alone.
  FSelStart = 1;
  FSelLength = 0;
  SetInteger(iiCaretPos, 1);
  SetInteger(iiSelLength, 0);
  SetNewText();
}

bool TZYLBaseEdit::GetBoolean(int Index) const {
  switch (Index) {
    case biHideSelection: return FHideSelection;
    case biReadOnly: return FReadOnly;
    case biModified: return FModified;
    case biAutoSelect: return FAutoSelect;
    case biOEMConvert: return FOEMConvert;
    case biFocusOnMouseAbove: return FFocusOnMouseAbove;
    default: return false;
  }
}

void TZYLBaseEdit::SetBoolean(int Index, bool Value) {
  switch (Index) {
    case biHideSelection: FHideSelection = Value; break;
    case biReadOnly:
      FReadOnly = Value;
      if (UseXP()) Invalidate();
      break;
    case biModified:
      if (FModified == Value) return;
      FModified = Value;
      if (FOnModified) FOnModified(this);
      break;
    case biAutoSelect: FAutoSelect = Value; break;
    case biOEMConvert: FOEMConvert = Value; break;
    case biFocusOnMouseAbove: FFocusOnMouseAbove = Value; break;
    default: break;
  }
}

int TZYLBaseEdit::GetInteger(int Index) const {
  switch (Index) {
    case iiMaxLength: return FMaxLength;
    case iiSelStart: return FSelStart;
    case iiSelLength: return FSelLength;
    case iiCaretPos: return FCaretPos;
    default: return 0;
  }
}

void TZYLBaseEdit::SetInteger(int Index, int Value) {
  switch (Index) {
    case iiMaxLength: FMaxLength = std::max(0, Value); break;
    case iiSelStart: FSelStart = std::clamp(Value, 1, GetLength() + 1); break;
    case iiSelLength:
      Value = std::clamp(Value, 0, GetLength() + 1 - FSelStart);
      if (Value == FSelLength) return;
      FSelLength = Value;
      if (Value == 0) FSelStart = FCaretPos;
      DrawText(-1);
      break;
    case iiCaretPos:
      FPrevCaretPos = FCaretPos;
      FCaretPos = std::clamp(Value, 1, GetLength() + 1);
      SetSelection();
      CursorPosChanged();
      break;
    default: break;
  }
}

void TZYLBaseEdit::Select(int Start, int Length, int Caret) {
  Start = std::clamp(Start, 1, GetLength() + 1);
  Length = std::clamp(Length, 0, GetLength() + 1 - Start);
  const int caret = Caret > 0 ? std::clamp(Caret, 1, GetLength() + 1) : Start + Length;
  // A handler of the drawing below (a margin row painter) that selects what is selected draws
  // nothing more: the drawing would call it again without end.
  if (FSelectDrawing && caret == FCaretPos && Start == FSelStart && Length == FSelLength) return;
  FPrevCaretPos = FCaretPos;
  FCaretPos = caret;
  FSelStart = Start;
  FSelLength = Length;
  {
    const vcl::TRestore<bool> drawing(FSelectDrawing, true);
    DrawText(-1);
  }
  CursorPosChanged();
}

void TZYLBaseEdit::SetAlignment(vcl::TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  FOffset = 0;
  DoAlignmentChange();
  DrawText(-1);
  SetCaret();
}

void TZYLBaseEdit::SetOptions(TZYLEditOptions Value) {
  if (Value == FOptions) return;
  FOptions = Value;
  SetupRects();
  Invalidate();
}

void TZYLBaseEdit::SetHighlightBack(vcl::TColor Value) {
  if (Value == FHighlightBack) return;
  FHighlightBack = Value;
  DrawText(-1);
}

void TZYLBaseEdit::SetHighlightText(vcl::TColor Value) {
  if (Value == FHighlightText) return;
  FHighlightText = Value;
  DrawText(-1);
}

void TZYLBaseEdit::SetFont3D(TZYL3DCaption* Value) {
  if (Value) FFont3D->Assign(Value);
}

void TZYLBaseEdit::SetCaretSettings(TZYLCaret* Value) {
  if (Value) FCaret->Assign(Value);
}

// The selection follows a caret move: extended from the previous caret position with Shift (or
// while the mouse selects), otherwise collapsed at the caret.
void TZYLBaseEdit::SetSelection() {
  if (FTyping || FDragging) return;
  TZYLEditModes mode = EditMode();
  if (!FMouseSelection && mode.contains(emShift)) {
    mode = mode - TZYLEditModes{emShift};
    if (TZYLApplication* app = ZYLApplication()) app->SetEditMode(mode);
  }
  if (!mode.contains(emShift) && !FMouseSelecting) {
    FSelLength = 0;
    FSelStart = FCaretPos;
    return;
  }
  const int P = FPrevCaretPos, N = FCaretPos;
  int& S = FSelStart;
  int& L = FSelLength;
  if (L == 0) {
    L = std::abs(P - N);
    S = std::min(P, N);
  } else if (S < N && N < S + L) {
    if (P < N) {
      L = S + L - N;
      S = N;
    } else {
      L = N - S;
    }
  } else if (N >= S + L) {
    if (S < P) {
      L = N - S;
    } else {
      S = S + L;
      L = N - S;
    }
  } else if (S == P) {
    L = L + (S - N);
    S = N;
  } else {
    L = S - N;
    S = N;
  }
  if (L < 0) {  // a move across the anchor
    S += L;
    L = -L;
  }
}

// ---------------------------------------------------------------------------------------------
// Hooks

void TZYLBaseEdit::Change() {
  if (FOnChange) FOnChange(this);
}

int TZYLBaseEdit::RowHeight(const std::string& S) {
  if (IsUpdating()) return std::abs(Font()->Height());
  vcl::TCanvas* c = Canvas();
  c->SetFont(Font());
  return c->TextHeight(S);
}

void TZYLBaseEdit::CursorPosChanged() {
  SetCaret();
  if (FCaretPos == FToldCaretPos && FSelStart == FToldSelStart && FSelLength == FToldSelLength)
    return;
  FToldCaretPos = FCaretPos;
  FToldSelStart = FSelStart;
  FToldSelLength = FSelLength;
  if (FOnCursorPosChanged) FOnCursorPosChanged(this);
}

void TZYLBaseEdit::ChangedText(int At) {
  if (IsUpdating()) return;
  DrawText(At);
  if (ComponentState().contains(vcl::csLoading)) return;
  if (FOnTextChangedAt) FOnTextChangedAt(this, At);
  Change();
}

bool TZYLBaseEdit::AllowedOperation(const std::string& /*Text*/) { return !FReadOnly; }

bool TZYLBaseEdit::RedrawOnExit() { return UseXP() && FFlat; }

void TZYLBaseEdit::EndUpdate(bool Redraw) {
  inherited::EndUpdate(false);
  if (Redraw && !IsUpdating()) DrawText(-1);
}

// ---------------------------------------------------------------------------------------------
// Rectangles and painting

void TZYLBaseEdit::ModifyInnerRect() {
  if (UseXP() && FBevel->Mode() == bmWindows) {
    // The themed frame is drawn over the client: the text keeps inside its content.
    TRect content;
    if (BevelXPContentRect(FInnerRect, content)) FInnerRect = content;
    return;
  }
  const int e = BevelExt();
  FInnerRect =
      TRect{FInnerRect.Left + e, FInnerRect.Top + e, FInnerRect.Right - e, FInnerRect.Bottom - e};
}

void TZYLBaseEdit::SetupRects() {
  if (IsUpdating() || Loading()) return;
  ComputeRects();
}

void TZYLBaseEdit::ComputeRects() {
  FInnerRect = ClientRect();
  ModifyInnerRect();
  FPaintRect = FInnerRect;
  ModifyPaintRect();
  FVertInset = FOptions.contains(eoNarrowHeight) ? 0 : 1;
  // In 64 bits: a control's bounds may lie at int's limits.
  FTextRect = TRect{vcl::ClampToInt(int64_t{FPaintRect.Left} + 1),
                    vcl::ClampToInt(int64_t{FPaintRect.Top} + FVertInset),
                    vcl::ClampToInt(int64_t{FPaintRect.Right} - 1),
                    vcl::ClampToInt(int64_t{FPaintRect.Bottom} - FVertInset)};
  ModifyTextRect();
}

void TZYLBaseEdit::CreateBackBitmap() {
  if (!FBack) FBack = std::make_unique<vcl::TBitmap>();
  const TRect r = ClientRect();
  FBack->SetSize(std::max(1, r.Right), std::max(1, r.Bottom));
  RepaintBack(r);
  if (!Loading()) ComputeRects();
}

bool TZYLBaseEdit::MeasureCharWidths(vcl::TCanvas* Canvas) {
  vcl::TFont* f = Font();
  const std::string key = f->Name() + '/' + std::to_string(f->Height()) + '/' +
                          std::to_string(f->Style().Bits()) + '/' + std::to_string(f->Charset()) +
                          '/' + std::to_string(FFont3D->Tracing());
  if (key == FWidthKey) return false;
  Canvas->SetFont(f);
  // The canvas selects its font into the DC only when it draws or measures: select it for the
  // query, or the widths would be those of whatever font the DC holds.
  win::TSelectedObject font(Canvas->Handle(), Canvas->Font()->Handle());
  int widths[256] = {};
  if (!win::GetCharWidth32A(Canvas->Handle(), 0, 255, widths)) return false;  // tried again
  for (int i = 0; i < 256; ++i)
    FCharWidth[i] = vcl::ClampToInt(int64_t{widths[i]} + FFont3D->Tracing());
  FWidthKey = key;
  return true;
}

vcl::TCanvas* TZYLBaseEdit::DrawCanvas() { return FBack ? FBack->Canvas() : Canvas(); }

void TZYLBaseEdit::RepaintBack(const TRect& Rect) {
  vcl::TCanvas* c = DrawCanvas();
  if (CheckOptimized()) {
    if (vcl::TBitmap* back = BackBitmap()) {
      c->CopyRect(Rect, back->Canvas(), Rect);
      return;
    }
  }
  if (UseXP()) {
    BevelXP(c, ClientRect());
    return;
  }
  c->Brush()->SetStyle(vcl::bsSolid);
  c->Brush()->SetColor(GetBackColor());
  c->FillRect(Rect);
}

void TZYLBaseEdit::Paint() {
  if (IsUpdating() || Loading()) return;
  if (FPaintRect.Left < 0) SetupRects();
  FillControl();
  if (!Focused() && FFlat && !ComponentState().contains(vcl::csDesigning) && !UseXP())
    RestoreBorderBack();
  else if (FBevel->Mode() != bmWindows)
    FBevel->PaintBevel(Canvas(), ClientRect(), FTransparent);
  else if (UseXP())
    BevelXP(Canvas(), ClientRect());
  // Without themes a bmWindows bevel is the window's own edge, drawn outside the client.
  SetCaret();
}

void TZYLBaseEdit::RestoreBorderFront() {
  if (!UseXP() || FBevel->Mode() != bmWindows)
    inherited::RestoreBorderFront();
  else
    RedrawThemedBorder();
}

void TZYLBaseEdit::RestoreBorderBack() {
  if (!UseXP())
    inherited::RestoreBorderBack();
  else
    RedrawThemedBorder();
}

void TZYLBaseEdit::RedrawThemedBorder() {
  if (FTransparent)
    Invalidate();
  else if (FFlat)
    DrawText(-1);
}

void TZYLBaseEdit::DoThemeChanged() {
  inherited::DoThemeChanged();
  if (HandleAllocated()) RecreateWnd();
}

void TZYLBaseEdit::WMEraseBkgndEdit(vcl::TWMEraseBkgnd& Message) { Message.Result = 1; }

void TZYLBaseEdit::WMSizeEdit(vcl::TWMSize& Message) {
  ZYL_INHERITED(Message);
  if (Focused())
    CreateBackBitmap();
  else
    SetupRects();
}

void TZYLBaseEdit::CMFontChangedEdit(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (HandleAllocated()) UpdateCaret();
}

// The focused edit draws through its ground bitmap, which takes a new colour, its own or a
// system colour's new value, whole.
void TZYLBaseEdit::CMColorChangedEdit(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (FBack && HandleAllocated()) CreateBackBitmap();
}

void TZYLBaseEdit::Loaded() {
  inherited::Loaded();
  PlaceLabel();
  SetupRects();
  if (HandleAllocated()) Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Caret

// The default caret is one row of the font high.
void TZYLBaseEdit::UpdateCaret() {
  FCaret->SetWord(TZYLCaret::wiRowHeight, static_cast<uint16_t>(RowHeight("Qp")));
  if (Focused()) FCaret->BuildCaret();
}

void TZYLBaseEdit::SetZYLCaretPos(int X, int Y) {
  if (FCaret->Style() == csUnder || FCaret->Style() == csUnderBlock) {
    Canvas()->SetFont(Font());
    const int h = Canvas()->TextHeight("Qp");
    Y += FCaret->Style() == csUnder ? h - 3 : h - FCaret->Height() - 2;
  }
  FCaret->SetCaretPos(X, Y);
}

// ---------------------------------------------------------------------------------------------
// Focus

void TZYLBaseEdit::WMSetFocusEdit(vcl::TWMSetFocus& Message) {
  ZYL_INHERITED(Message);
  CreateBackBitmap();
  if (FCaret->Style() == csDefault) {
    Canvas()->SetFont(Font());
    FCaret->SetWord(TZYLCaret::wiRowHeight, static_cast<uint16_t>(RowHeight("Qp")));
  }
  FCaret->BuildCaret();
  FCaret->Enable();
  if (RedrawOnEnter()) DrawText(-1);
  if (FFlat) {
    RestoreBorderFront();
    if (UseXP()) DrawText(-1);
  }
  const bool wasHidden = FSelHidden;
  FSelHidden = false;
  if (FHideSelection || FAutoSelect) {
    if (FAutoSelect && !FFocusByMouse) SelectAll();
    if (FSelLength > 0 || wasHidden) DrawText(-1);
  }
  FFocusByMouse = false;
  SetCaret();
}

void TZYLBaseEdit::WMKillFocusEdit(vcl::TWMKillFocus& Message) {
  if (FHideSelection && FSelLength > 0) {
    FSelHidden = true;
    DrawText(-1);
  }
  ZYL_INHERITED(Message);
  FBack.reset();
  if (RedrawOnExit()) DrawText(-1);
  FCaret->DestroyCaret();
}

// ---------------------------------------------------------------------------------------------
// Mouse

void TZYLBaseEdit::MouseEnter() {
  inherited::MouseEnter();
  if (ComponentState().contains(vcl::csDesigning)) return;
  if (FFocusOnMouseAbove && Enabled() && CanFocus())
    SetFocus();
  else if (UseXP() && FFlat)
    Invalidate();
}

void TZYLBaseEdit::MouseExit() {
  inherited::MouseExit();
  if (ComponentState().contains(vcl::csDesigning)) return;
  if (UseXP() && FFlat) DrawText(-1);
}

void TZYLBaseEdit::MouseStep() {
  const int pos = CalcMousePos(
      vcl::TSmallPoint{static_cast<int16_t>(FMousePoint.X), static_cast<int16_t>(FMousePoint.Y)});
  if (!FDragging && FSelLength > 0 && pos > FSelStart && pos < FSelStart + FSelLength &&
      !FMouseSelecting) {
    FDragging = true;
    FSavedCursor = vcl::Screen->Cursor();
    vcl::Screen->SetCursor(vcl::crDrag);
  }
  const int oldLength = FSelLength;
  SetInteger(iiCaretPos, pos);
  if (oldLength != FSelLength) DrawText(-1);
}

void TZYLBaseEdit::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  // The press of a double click keeps the word DblClick selected. OnMouseDown may have ended
  // the press already (a modal form, the edit disabled or hidden): the edit let go of the
  // mouse then.
  if (Button != vcl::mbLeft || !Enabled() || Shift.contains(vcl::ssDouble) || !MouseCapture())
    return;
  FButtonDown = true;
  FMousePoint = vcl::TPoint{X, Y};
  if (!Focused()) {
    FFocusByMouse = true;
    if (CanFocus()) SetFocus();
    FFocusByMouse = false;
  }
  // A click with Shift extends the selection like a held mouse button.
  FMouseSelecting = FMouseSelection && Shift.contains(vcl::ssShift);
  MouseStep();
  FMouseSelecting = false;
  if (!FTimer)
    FTimer = std::make_unique<TZYLTimer>(MouseScrollInterval,
                                         vcl::TNotifyEvent(this, &TZYLBaseEdit::DoOnTimer), true,
                                         FUseGlobalTimer);
  else
    FTimer->SetEnabled(true);
}

void TZYLBaseEdit::EndPress() {
  if (FTimer) FTimer->SetEnabled(false);
  FButtonDown = false;
  if (!FDragging) return;
  FDragging = false;
  vcl::Screen->SetCursor(FSavedCursor);
}

void TZYLBaseEdit::DoOnTimer(vcl::TObject* /*Sender*/) {
  if (!FButtonDown || FDragging) return;
  if (FSelLength > 0) FMouseSelecting = FMouseSelection;
  MouseStep();
  FMouseSelecting = false;
}

void TZYLBaseEdit::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!Enabled()) return;
  FMousePoint = vcl::TPoint{X, Y};
  if (!FButtonDown || !Shift.contains(vcl::ssLeft)) return;
  const int old = FCaretPos;
  FMouseSelecting = FMouseSelection && !FDragging;
  const int pos = CalcMousePos(vcl::TSmallPoint{static_cast<int16_t>(X), static_cast<int16_t>(Y)});
  if (FDragging) {
    FPrevCaretPos = FCaretPos;
    FCaretPos = pos;
    CursorPosChanged();
  } else {
    SetInteger(iiCaretPos, pos);
  }
  FMouseSelecting = false;
  if (FCaretPos != old) DrawText(-1);
}

void TZYLBaseEdit::WMLButtonUpEdit(vcl::TWMMouse& Message) {
  // The gesture ends however the user's OnClick or OnMouseUp leaves (a raising OnClick skips
  // MouseUp); a dragged selection is then not dropped.
  vcl::TFinally ended([this] { EndMouseGesture(); });
  ZYL_INHERITED(Message);
}

bool TZYLBaseEdit::EndMouseGesture() {
  FTimer.reset();
  FButtonDown = false;
  if (!FDragging) return false;
  FDragging = false;
  vcl::Screen->SetCursor(FSavedCursor);
  return true;
}

void TZYLBaseEdit::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (Button != vcl::mbLeft || !EndMouseGesture()) return;
  int P = FCaretPos;
  const int S = FSelStart, L = FSelLength;
  if ((P >= S && P <= S + L) || !SelectionMovesTo(P)) {  // dropped on itself, or refused
    FSelStart = P;
    FSelLength = 0;
    DrawText(-1);
    return;
  }
  std::string T = GetSelText();
  int len = static_cast<int>(T.size());
  if (!T.empty() && T.back() == '\r') {  // a trailing CR stays with its LF
    T.pop_back();
    --len;
    FSelLength = len;
  }
  const std::string before = FText;
  SetSelText("");
  const bool removed = FText != before;
  if (P > S) P -= len;
  if (P > 1 && P <= GetLength() && FText[static_cast<size_t>(P - 1)] == '\n') --P;
  SetInteger(iiCaretPos, P);
  SetSelText(T);
  if (removed && !T.empty() && !FLastChangeInserted) {
    // Refused where it was dropped: the move is taken back whole and leaves no step.
    Undo();
    if (CanRedo()) delete static_cast<TZYLUndoRecord*>(FRedo->Get());
    return;
  }
  DrawText(P);
  SetInteger(iiCaretPos, P);
}

void TZYLBaseEdit::DblClick() {
  inherited::DblClick();
  if (!Enabled() || !FMouseSelection) return;
  {
    BeginUpdate();
    const vcl::TFinally updated([this] { EndUpdate(false); });
    SelectCurrentWord();
  }
  // The caret follows the word however the drawing ends (a handler of it may raise).
  const vcl::TFinally moved([this] { CursorPosChanged(); });
  DrawText(-1);
}

// ---------------------------------------------------------------------------------------------
// Bound label

void TZYLBaseEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  PlaceLabel();
}

void TZYLBaseEdit::CMBoundLabelChange(vcl::TMessage& /*Message*/) { PlaceLabel(); }

void TZYLBaseEdit::SetParent(vcl::TWinControl* AParent) {
  inherited::SetParent(AParent);
  FLabelBinding.ParentChanged();
}

void TZYLBaseEdit::SetName(const std::string& NewName) {
  const std::string old = Name();
  inherited::SetName(NewName);
  FLabelBinding.Renamed(old, NewName);
}

void TZYLBaseEdit::WMCancelModeEdit(vcl::TMessage& Message) {
  EndPress();
  ZYL_INHERITED(Message);
}

void TZYLBaseEdit::WMCaptureChangedEdit(vcl::TMessage& Message) {
  // Letting the button go hands the mouse back too; that release ends the press itself.
  if (win::GetKeyState(win::VK_LBUTTON) < 0) EndPress();
  ZYL_INHERITED(Message);
}

void TZYLBaseEdit::CMVisibleChangedEdit(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!Visible()) EndPress();
  FLabelBinding.VisibleChanged();
}

void TZYLBaseEdit::CMEnabledChangedEdit(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!Enabled()) EndPress();
  FLabelBinding.EnabledChanged();
  DrawText(-1);
}

void TZYLBaseEdit::CMBiDiModeChangedEdit(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  FLabelBinding.BiDiModeChanged();
}

void TZYLBaseEdit::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  FLabelBinding.Notification(AComponent, Operation);
}

void TZYLBaseEdit::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  FLabelBinding.DefineProperties(Filer);
}

}  // namespace zyl
