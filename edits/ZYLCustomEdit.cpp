#include "edits/ZYLCustomEdit.h"

#include <algorithm>

#include "buttons/ZYLSpecialButtons.h"
#include "edits/ZYLEditAutoComplete.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLButtonDock.h"
#include "foundation/ZYLCaret.h"
#include "foundation/ZYLProcs.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/text/Text.h"
#include "platform/user/EditButtonConsts.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

using vcl::TRect;

namespace {

// The DrawText flags of the one row: DT_SINGLELINE | DT_NOPREFIX.
constexpr int32_t RowFlags = 0x820;

// The extra shift (A) and growth (B) of the selection's highlight for a 3D text style.
void HighlightShift(TZYL3DCaption* F, int& A, int& B) {
  A = B = 0;
  switch (F->Style()) {
    case tdSunken: B = F->LightDepth(); break;
    case tdRaised: A = F->LightDepth(); break;
    case tdSunkenShadow:
      A = F->ShadowDepth();
      B = F->LightDepth();
      break;
    case tdRaisedShadow:
      A = F->LightDepth();
      B = F->ShadowDepth();
      break;
    case tdExtrude: A = F->ShadowDepth(); break;
    case tdExtrudeEnh:
      A = F->LightDepth();
      B = F->ShadowDepth();
      break;
    default: break;
  }
}

bool LeftOriented(TZYL3DCaption* F) {
  return F->Orientation() == toBottomLeft || F->Orientation() == toTopLeft;
}

}  // namespace

ZYL_MESSAGE_MAP(TZYLCustomEdit) {
  using C = TZYLCustomEdit;
  m.On(vcl::CM_FONTCHANGED, &C::CMFontChangedCustom)
      .On(CM_ZYLBEVELCHANGED, &C::CMZYLBevelChangedCustom)
      .On(win::WM_KILLFOCUS, &C::WMKillFocusCustom)
      .On(win::EM_GETPASSWORDCHAR, &C::EMGetPasswordChar)
      .On(win::EM_SETPASSWORDCHAR, &C::EMSetPasswordChar);
}

// Described here; the publishing edit names what it shows.
ZYL_CLASS_IMPL(TZYLCustomEdit) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomEdit;
  b.Declare("AutoComplete", &C::AutoComplete, &C::SetAutoComplete)
      .Declare("AutoSize", &C::AutoSize, &C::SetAutoSize)
      .Default(false)
      .Declare("CustomButtons", &C::CustomButtons, &C::SetCustomButtons)
      .Declare("CustomButtonsStyle", &C::CustomButtonsStyle, &C::SetCustomButtonStyle)
      .Default(ubsIntegrated)
      .Declare("CustomButtonWidth", &C::CustomButtonWidth, &C::SetCustomButtonWidth)
      .Default(16)
      .Declare("CustomButtonParentCtlXP", &C::CustomButtonParentCtlXP, &C::SetCustomButtonXP)
      .Default(false)
      .Declare("PasswordChar", &C::PasswordChar, &C::SetPasswordChar)
      .Default(0)
      .Declare("OnBtnClick", &C::GetOnBtnClick, &C::SetOnBtnClick);
}

TZYLCustomEdit::TZYLCustomEdit(vcl::TComponent* AOwner)
    : inherited(AOwner), FButtons(new TZYLSpecialButtons(this, true)) {
  FButtons.Link(vcl::TNotifyEvent(this, &TZYLCustomEdit::ButtonsChanged));
  FButtons->SetOnItemClick(TZYLSpecialButtonClick(this, &TZYLCustomEdit::ButtonClicked));
  FSelectAllFromEnd = true;
}

TZYLCustomEdit::~TZYLCustomEdit() {
  FButtons->SetOnItemClick({});
  FButtons.reset();
}

// ---------------------------------------------------------------------------------------------
// Properties

void TZYLCustomEdit::SetPasswordChar(char Value) {
  FPasswordChar = Value;
  ChangedText(1);
}

void TZYLCustomEdit::CreateSpecialText(std::string& S) { S.assign(FText.size(), FPasswordChar); }

void TZYLCustomEdit::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  CorrectBounds();
}

void TZYLCustomEdit::SetCustomButtons(TZYLSpecialButtons* Value) {
  if (Value) FButtons->Assign(Value);
}

void TZYLCustomEdit::SetCustomButtonWidth(int Value) {
  if (Value == FButtonWidth) return;
  FButtonWidth = Value;
  if (Parent()) Perform(win::WM_SIZE, 0, 0);
}

void TZYLCustomEdit::SetCustomButtonStyle(TZYLUserButtonStyle Value) {
  if (Value == FButtonsStyle) return;
  FButtonsStyle = Value;
  if (!ComponentState().contains(vcl::csLoading) && !IsUpdating()) Perform(win::WM_SIZE, 0, 0);
}

void TZYLCustomEdit::SetCustomButtonXP(bool Value) {
  if (Value == FButtonParentCtlXP) return;
  FButtonParentCtlXP = Value;
  if (Value) SetCustomButtonsXPMode(GetCtlXP());
}

void TZYLCustomEdit::SetCustomButtonsXPMode(bool Value) {
  for (int i = 0; i < FButtons->Count(); ++i)
    if (TZYLSpecialButton* item = FButtons->GetItem(i); item->Button()) item->SetCtlXP(Value);
}

void TZYLCustomEdit::DoThemeChanged() {
  inherited::DoThemeChanged();
  if (FButtonParentCtlXP) SetCustomButtonsXPMode(GetCtlXP());
}

void TZYLCustomEdit::SetAutoComplete(TZYLEditAutoComplete* Value) {
  if (Value == FAutoComplete) return;
  if (FAutoComplete) FAutoComplete->RemoveFreeNotification(this);
  FAutoComplete = Value;
  if (FAutoComplete) FAutoComplete->FreeNotification(this);
}

void TZYLCustomEdit::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FAutoComplete) FAutoComplete = nullptr;
}

bool TZYLCustomEdit::BackOneMore() {
  return FAutoComplete && FAutoComplete->Enabled() && FAutoComplete->Mode().contains(amText);
}

// ---------------------------------------------------------------------------------------------
// Embedded buttons

// The collection reports an item while the item is still being made: the buttons are laid
// out on the next paint.
void TZYLCustomEdit::ButtonsChanged(vcl::TObject* /*Sender*/) {
  FButtonsChanged = true;
  if (HandleAllocated()) Invalidate();
}

void TZYLCustomEdit::ButtonClicked(vcl::TObject* Sender, int Index) { DoAClick(Sender, Index); }

void TZYLCustomEdit::BtnClick(int Index) {
  if (Index < 0 || Index >= FButtons->Count()) return;
  FButtons->GetItem(Index)->DoClick();
}

void TZYLCustomEdit::DoAClick(vcl::TObject* Sender, int Index) {
  if (FOnBtnClick) FOnBtnClick(this, Sender, Index);
}

void TZYLCustomEdit::ModifyPaintRect() {
  FPaintRect.Right =
      vcl::ClampToInt(int64_t{FPaintRect.Right} - int64_t{FButtons->Count()} * FButtonWidth - 1);
  SetBorders();
}

void TZYLCustomEdit::SetBorders() {
  const int top = FBevel->Mode() == bmWindows && !UseXP() ? 0 : FPaintRect.Top;
  for (int i = 0; i < FButtons->Count(); ++i) {
    TZYLCustomSpeedButton* b = FButtons->GetItem(i)->Button();
    if (!b) continue;  // freed by someone else: its place stays empty
    b->SetStyle(FButtonsStyle);
    b->SetBounds(vcl::ClampToInt(int64_t{FPaintRect.Right} + int64_t{i} * FButtonWidth + 1), top,
                 FButtonWidth, FPaintRect.Bottom - top);
  }
}

void TZYLCustomEdit::CorrectBounds() {
  if (Loading()) return;
  if (!HandleAllocated() && !Parent() && !ParentWindow()) {
    FBoundsPending = true;
    return;
  }
  FBoundsPending = false;
  Canvas()->SetFont(Font());
  int h = Height(), w = Width();
  if (FAutoSize) {
    const int row = RowHeight("Qp") * 5 / 4;
    h = FBevel->Mode() == bmWindows ? row + 5 : row + DblBevelExt();
    w = std::max(w, vcl::ClampToInt(int64_t{FButtons->Count()} * FButtonWidth + 30));
  }
  SetBounds(Left(), Top(), w, h);
}

void TZYLCustomEdit::CMFontChangedCustom(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  InvalidateWidths(1);
  CorrectBounds();
}

void TZYLCustomEdit::CreateWnd() {
  inherited::CreateWnd();
  if (FBoundsPending) CorrectBounds();
}

void TZYLCustomEdit::CMZYLBevelChangedCustom(vcl::TMessage& /*Message*/) { CorrectBounds(); }

void TZYLCustomEdit::Loaded() {
  inherited::Loaded();
  CorrectBounds();
}

void TZYLCustomEdit::ReadLegacyButtonStyle(vcl::TReader* Reader) {
  TZYLUserButtonStyle style = ubsIntegrated;
  bool xp = false;
  ZYLButtonReadExtStyle(Reader, style, xp);
  FButtonsStyle = style;
  if (FButtons->Count() > 0 && FButtons->GetItem(0)->CtlXP() != xp)
    FButtons->GetItem(0)->SetCtlXP(xp);
}

void TZYLCustomEdit::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(
      "CustomButtonStyle", [this](vcl::TReader* r) { ReadLegacyButtonStyle(r); }, nullptr, false);
}

// ---------------------------------------------------------------------------------------------
// Text

void TZYLCustomEdit::SetNewText() {
  FSelLength = 0;
  ChangedText(1);
  if (Focused()) SetCaret();
}

void TZYLCustomEdit::ChangedText(int At) {
  if (UsesSpecialText()) CreateSpecialText(FShown);
  InvalidateWidths(At);
  inherited::ChangedText(At);
}

void TZYLCustomEdit::FinishedSetSelText() {
  inherited::FinishedSetSelText();
  // Typed or pasted text is completed; after a deletion only the pop-up follows the text, so
  // that the character before a completed tail can be deleted. Undo steps are left alone.
  if (!FAutoComplete || Replaying()) return;
  if (FLastChangeInserted)
    FAutoComplete->AutoCompleteText(this, FText);
  else if (FAutoComplete->Enabled())
    FAutoComplete->CompleteText(this, FText);
}

void TZYLCustomEdit::GetCommandKey(uint16_t& Key, vcl::TShiftState Shift) {
  if (Key == win::VK_UP) Key = win::VK_LEFT;
  if (Key == win::VK_DOWN) Key = win::VK_RIGHT;
  inherited::GetCommandKey(Key, Shift);
  if (Key == win::VK_RETURN && FAutoComplete &&
      FAutoComplete->AddUnknownOn().contains(aaControlReturn))
    FAutoComplete->Add(this, FText);
}

void TZYLCustomEdit::WMKillFocusCustom(vcl::TWMKillFocus& Message) {
  ZYL_INHERITED(Message);
  if (FAutoComplete && FAutoComplete->AddUnknownOn().contains(aaControlExit))
    FAutoComplete->Add(this, FText);
}

void TZYLCustomEdit::EMGetPasswordChar(vcl::TMessage& Message) {
  Message.Result = static_cast<uint8_t>(FPasswordChar);
}

void TZYLCustomEdit::EMSetPasswordChar(vcl::TMessage& Message) {
  SetPasswordChar(static_cast<char>(Message.WParam));
}

void TZYLCustomEdit::GetChange(vcl::TObject* Sender) {
  if (Sender == Font3D()) InvalidateWidths(1);
  // A bevel of another extent needs another height: the edit hears of it as a bevel change,
  // measured while its window still stands (the bevel panel then builds the window anew).
  const vcl::TComponentState st = ComponentState();
  if (Sender && Sender == Bevel() && !st.contains(vcl::csLoading) && !st.contains(vcl::csReading) &&
      !st.contains(vcl::csDestroying))
    Perform(CM_ZYLBEVELCHANGED, 0, 0);
  inherited::GetChange(Sender);
}

// ---------------------------------------------------------------------------------------------
// Measuring

void TZYLCustomEdit::EnsureCharWidths(vcl::TCanvas* Canvas) {
  if (MeasureCharWidths(Canvas)) FPrefixValid = 1;
}

void TZYLCustomEdit::InvalidateWidths(int At) {
  FPrefixValid = std::clamp<size_t>(static_cast<size_t>(std::max(At, 1)), 1, FPrefixValid);
  if (At <= 1) ForgetCharWidths();
}

int TZYLCustomEdit::PrefixWidth(int N) {
  const std::string& s = ShownText();
  N = std::clamp(N, 0, static_cast<int>(s.size()));
  EnsureCharWidths(Canvas());
  if (FPrefix.size() != s.size() + 1) {
    FPrefix.resize(s.size() + 1);
    FPrefixValid = std::min(FPrefixValid, FPrefix.size());
  }
  FPrefix[0] = 0;
  for (size_t i = FPrefixValid; i <= static_cast<size_t>(N); ++i)
    FPrefix[i] = vcl::ClampToInt(int64_t{FPrefix[i - 1]} + CharWidth(s[i - 1]));
  FPrefixValid = std::max(FPrefixValid, static_cast<size_t>(N) + 1);
  return FPrefix[static_cast<size_t>(N)];
}

int TZYLCustomEdit::PrefixReaching(int64_t Width) {
  const int n = static_cast<int>(ShownText().size());
  int k = std::min(n, static_cast<int>(FPrefixValid) - 1);
  PrefixWidth(k);
  // Measured in growing steps, so the reach costs about the characters it covers.
  while (k < n && FPrefix[static_cast<size_t>(k)] < Width) {
    k = static_cast<int>(std::min<int64_t>(n, int64_t{k} * 2 + 64));
    PrefixWidth(k);
  }
  k = std::min(n, static_cast<int>(FPrefixValid) - 1);
  if (k < n) PrefixWidth(++k);
  return k;
}

int TZYLCustomEdit::TextOrigin() {
  const TRect& r = FTextRect;
  switch (Alignment()) {
    case vcl::taRightJustify: return vcl::ClampToInt(int64_t{r.Right} - PrefixWidth(GetLength()));
    case vcl::taCenter:
      return vcl::ClampToInt(int64_t{r.Left} +
                             (int64_t{r.Right} - r.Left - PrefixWidth(GetLength())) / 2);
    default: return r.Left;
  }
}

int TZYLCustomEdit::CalcMousePos(vcl::TSmallPoint Point) {
  const int64_t x0 = int64_t{TextOrigin()} - FOffset;
  const int n = GetLength();
  PrefixWidth(n);
  // The first character whose right half lies right of the point.
  int lo = 1, hi = n + 1;
  while (lo < hi) {
    const int i = (lo + hi) / 2;
    const int64_t w = int64_t{FPrefix[size_t(i)]} - FPrefix[size_t(i - 1)];
    if (Point.x <= x0 + FPrefix[size_t(i)] - w / 2)
      hi = i;
    else
      lo = i + 1;
  }
  return lo;
}

// ---------------------------------------------------------------------------------------------
// Drawing and the caret

void TZYLCustomEdit::Paint() {
  if (IsUpdating() || Loading()) return;
  if (FButtonsChanged) {
    FButtonsChanged = false;
    SetupRects();
  }
  inherited::Paint();
  DrawText(-1);
}

void TZYLCustomEdit::SetCaret() {
  if (!Focused() || !Caret()->Enabled() || IsUpdating() || Loading()) return;
  if (FPaintRect.Left < 0) SetupRects();
  TZYL3DCaption* f = Font3D();
  // In 64 bits: character widths and offsets may lie at int's limits.
  int64_t x = TextOrigin();
  if (f->Style() == tdSunken || f->Style() == tdSunkenShadow) x += f->ShadowDepth();
  if (f->Style() == tdRaised || f->Style() == tdRaisedShadow) x += f->LightDepth();
  x -= 1;
  auto caretX = [&] {
    int64_t k = int64_t{PrefixWidth(FCaretPos - 1)} - FOffset + x;
    if ((f->Style() == tdExtrude || f->Style() == tdExtrudeEnh) && LeftOriented(f))
      k += f->ShadowDepth();
    return k;
  };
  const TRect& r = FTextRect;
  int64_t k = caretX();
  if (k > r.Right) {
    FOffset = vcl::ClampToInt(int64_t{FOffset} + k - r.Right + r.Left + 2);
    DrawText(-1);
  } else if (k < r.Left && FOffset != 0) {
    FOffset = vcl::ClampToInt(std::max<int64_t>(0, int64_t{FOffset} - (std::abs(k) + r.Left) - 2));
    DrawText(-1);
  }
  k = caretX();
  SetZYLCaretPos(vcl::ClampToInt(k + 1), r.Top);
}

void TZYLCustomEdit::DrawText(int /*From*/) {
  if (IsUpdating() || Loading() || !HandleAllocated()) return;
  if (FPaintRect.Left < 0) SetupRects();
  const win::HWND wnd = Handle();
  const bool caretShown = Focused() && Caret()->Enabled();
  if (caretShown) win::HideCaret(wnd);
  vcl::TCanvas* c = DrawCanvas();
  c->SetFont(Font());
  c->Font()->SetColor(GetFaceFontColor());
  RepaintBack(FPaintRect);
  DrawSpecialTextBackground(c, FPaintRect);
  const TRect R = FTextRect;
  const std::string& s = ShownText();
  const int n = static_cast<int>(s.size());
  const int64_t x0 = int64_t{TextOrigin()} - FOffset;
  // Left-aligned text is measured only as far as the text rectangle reaches (a key typed far
  // from the end costs what it touches); the other alignments place the text by its width.
  int known = n;
  if (Alignment() == vcl::taLeftJustify)
    known = PrefixReaching(int64_t{R.Right} - x0 + 1);
  else
    PrefixWidth(n);
  auto xOf = [&](int i) { return vcl::ClampToInt(x0 + FPrefix[size_t(i)]); };
  // The visible characters only, one more on each side for the reach of 3D effects.
  int first = static_cast<int>(std::upper_bound(FPrefix.begin(), FPrefix.begin() + known + 1,
                                                vcl::ClampToInt(int64_t{R.Left} - x0)) -
                               FPrefix.begin());
  first = std::max(0, first - 2);
  int last = static_cast<int>(std::lower_bound(FPrefix.begin(), FPrefix.begin() + known + 1,
                                               vcl::ClampToInt(int64_t{R.Right} - x0)) -
                              FPrefix.begin());
  last = std::min(known, last + 1);
  TZYLDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled};
  {
    win::TSavedClip clip(c->Handle());
    win::TOwnedObject<win::HRGN> rgn(win::CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom));
    clip.IntersectLogical(rgn.Get());
    const TRect textRect{xOf(first), R.Top,
                         vcl::ClampToInt(int64_t{std::max(R.Right, xOf(last))} + 8), R.Bottom};
    if (last > first)
      ZYLDrawTextExt(c, s.substr(size_t(first), size_t(last - first)), Font3D(), textRect, RowFlags,
                     styles);
    // A selection beyond the measured characters lies right of the text rectangle.
    const bool showSel =
        FSelLength > 0 && (Focused() || !HideSelection()) && FSelStart - 1 <= known;
    if (showSel) {
      int A = 0, B = 0;
      HighlightShift(Font3D(), A, B);
      const int selFirst = std::max(first, FSelStart - 1);
      const int selLast = std::min(last, FSelStart - 1 + FSelLength);
      const int selEnd = std::min(n, FSelStart - 1 + FSelLength);
      int64_t left = xOf(FSelStart - 1),
              right = selEnd <= known ? std::min(xOf(selEnd), R.Right) : int64_t{R.Right};
      if (Font3D()->Style() == tdExtrudeEnh && LeftOriented(Font3D())) {
        left += int64_t{A} + B;
        right += int64_t{A} + B;
      } else {
        left += A;
        right += A;
      }
      const int bottom =
          vcl::ClampToInt(std::min<int64_t>(int64_t{R.Top} + RowHeight("Qp") + A + B, R.Bottom));
      c->Brush()->SetStyle(vcl::bsSolid);
      c->Brush()->SetColor(HighlightBack());
      c->FillRect(TRect{vcl::ClampToInt(left), R.Top, vcl::ClampToInt(right), bottom});
      if (selLast > selFirst) {
        win::TSavedClip selClip(c->Handle());
        win::TOwnedObject<win::HRGN> selRgn(
            win::CreateRectRgn(vcl::ClampToInt(std::max<int64_t>(R.Left, left - A)), R.Top,
                               vcl::ClampToInt(right + B), R.Bottom));
        selClip.IntersectLogical(selRgn.Get());
        c->Font()->SetColor(HighlightText());
        c->Brush()->SetStyle(vcl::bsClear);
        ZYLDrawTextExt(c, s.substr(size_t(selFirst), size_t(selLast - selFirst)), Font3D(),
                       TRect{xOf(selFirst), R.Top, vcl::ClampToInt(right + A + B + 8), R.Bottom},
                       RowFlags, styles);
      }
    }
  }
  if (vcl::TBitmap* back = BackBitmapOf())
    Canvas()->CopyRect(FPaintRect, back->Canvas(), FPaintRect);
  if (caretShown) win::ShowCaret(wnd);
}

}  // namespace zyl
