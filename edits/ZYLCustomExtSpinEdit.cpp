#include "edits/ZYLCustomExtSpinEdit.h"

#include <algorithm>
#include <cmath>

#include "buttons/ZYLSpinButton.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

namespace {

TZYLMaskType KindOf(TZYLNumberType T) {
  switch (T) {
    case ntFloat: return meFloat;
    case ntFloatFixed: return meFloatFixed;
    case ntFloatNumber: return meFloatNumber;
    case ntCurrency: return meCurrency;
    default: return meInteger;
  }
}

// A whole number of a double, kept inside the 64-bit range.
double Whole(double V) { return std::trunc(std::clamp(V, -9.2e18, 9.2e18)); }

}  // namespace

ZYL_MESSAGE_MAP(TZYLCustomExtSpinEdit) {
  using C = TZYLCustomExtSpinEdit;
  m.On(win::WM_KILLFOCUS, &C::WMKillFocusSpin).On(vcl::CM_ENABLEDCHANGED, &C::CMEnabledChangedSpin);
}

// Described here; the publishing edits name what they show.
ZYL_CLASS_IMPL(TZYLCustomExtSpinEdit) {
  using C = TZYLCustomExtSpinEdit;
  const vcl::TTypeInfo* color = vcl::ColorTypeInfo();
  b.Declare("SpinBtnWidth", &C::SpinBtnWidth, &C::SetSpinBtnWidth)
      .Default(SquareButton)
      .Declare("InfiniteMax", &C::InfiniteMax, &C::SetInfiniteMax)
      .Default(false)
      .Declare("InfiniteMin", &C::InfiniteMin, &C::SetInfiniteMin)
      .Default(false)
      .Declare("EditorEnabled", &C::EditorEnabled, &C::SetEditorEnabled)
      .Default(true)
      .Declare("EditType", &C::EditType, &C::SetEditType)
      .Default(ntInteger)
      .Declare("Value", &C::Value, &C::SetSpinValue)
      // The steps start non-zero: a step of zero is written too.
      .Declare("FractionStep", &C::FractionStep, &C::SetFractionStep)
      .Stored(&C::IsNoFractionDefault)
      .EmptyStored()
      .Declare("LargeStep", &C::LargeStep, &C::SetLargeStep)
      .Stored(&C::IsNoLargeDefault)
      .EmptyStored()
      .Declare("Step", &C::Step, &C::SetStep)
      .Stored(&C::IsNoDefault)
      .EmptyStored()
      .Declare("OnSpinBtnUpClick", &C::GetOnSpinBtnUpClick, &C::SetOnSpinBtnUpClick)
      .Declare("OnSpinBtnDownClick", &C::GetOnSpinBtnDownClick, &C::SetOnSpinBtnDownClick)
      .Declare("Interval", &C::Interval, &C::SetInterval)
      .Default(100)
      .Declare("SpinBtnColor", &C::GetSpinColor, &C::SetSpinColor, color)
      .Index(scColor)
      .Default(vcl::clBtnFace)
      .Declare("SpinBtnHotColor", &C::GetSpinColor, &C::SetSpinColor, color)
      .Index(scHotColor)
      .Default(0x808000)
      .Declare("SpinBtnDiag", &C::SpinBtnDiag, &C::SetSpinBtnDiag)
      .Default(true);
}

TZYLCustomExtSpinEdit::TZYLCustomExtSpinEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  FSpin = new TZYLSpinButton(this);
  FSpin->SetParent(this);
  FSpin->SetCtlXP(GetCtlXP());
  FSpin->SetColor(vcl::clBtnFace);
  FSpin->SetBtns(TZYLSpinButtons{sbUp, sbDown});
  FSpin->SetSkew(true);
  FSpin->SetCursor(vcl::crArrow);
  const vcl::TNotifyEvent up(this, &TZYLCustomExtSpinEdit::UpClick);
  const vcl::TNotifyEvent down(this, &TZYLCustomExtSpinEdit::DownClick);
  FSpin->SetPartClick(sbUp, up);
  FSpin->SetPartClick(sbRight, up);
  FSpin->SetPartClick(sbDown, down);
  FSpin->SetPartClick(sbLeft, down);
  SetMaskType(meInteger);
  SetMinValue(0);
  SetMaxValue(100);
  BeginUpdate();
  SetValue(0);
  EndUpdate(false);
}

TZYLCustomExtSpinEdit::~TZYLCustomExtSpinEdit() {
  for (TZYLSingleSpinButton part : {sbUp, sbDown, sbLeft, sbRight}) FSpin->SetPartClick(part, {});
}

// ---------------------------------------------------------------------------------------------
// Properties

void TZYLCustomExtSpinEdit::SetSpinBtnWidth(int Value) {
  if (Value == FSpinBtnWidth) return;
  FSpinBtnWidth = Value;
  SetupRects();
  GetChange(this);
}

void TZYLCustomExtSpinEdit::SetEditType(TZYLNumberType Value) {
  if (Value == FEditType || Value < ntInteger || Value > ntCurrency) return;
  FEditType = Value;
  SetMaskType(KindOf(Value));
  SetValue(FValue);
}

void TZYLCustomExtSpinEdit::SetSpinValue(double Value) {
  if (Value != FValue) ShowValue(Value);
}

void TZYLCustomExtSpinEdit::ShowValue(double Value) {
  FValue = Value;
  // The range may not be read yet while loading: Loaded limits the value.
  if (!Loading()) {
    if (!FInfiniteMax && FValue > MaxValue()) FValue = MaxValue();
    if (!FInfiniteMin && FValue < MinValue()) FValue = MinValue();
  }
  SetValue(FValue);
}

uint16_t TZYLCustomExtSpinEdit::Interval() const { return FSpin->Interval(); }
void TZYLCustomExtSpinEdit::SetInterval(uint16_t Value) { FSpin->SetInterval(Value); }
bool TZYLCustomExtSpinEdit::SpinBtnDiag() const { return FSpin->Skew(); }
void TZYLCustomExtSpinEdit::SetSpinBtnDiag(bool Value) { FSpin->SetSkew(Value); }

vcl::TColor TZYLCustomExtSpinEdit::GetSpinColor(int Index) const {
  return Index == scHotColor ? FSpin->HotColor() : FSpin->Color();
}

void TZYLCustomExtSpinEdit::SetSpinColor(int Index, vcl::TColor Value) {
  if (Index == scHotColor)
    FSpin->SetHotColor(Value);
  else
    FSpin->SetColor(Value);
}

// ---------------------------------------------------------------------------------------------
// Stepping

double TZYLCustomExtSpinEdit::TextValue() {
  try {
    switch (FEditType) {
      case ntInteger: return static_cast<double>(AsInt64());
      case ntCurrency: return AsCurrency().ToDouble();
      default: return AsFloat();
    }
  } catch (const vcl::Exception&) {
    return 0;  // a text being typed ("-") or no number at all
  }
}

void TZYLCustomExtSpinEdit::Stepped(double AStep, int Direction) {
  if (ReadOnly()) return;
  const int selStart = SelStart();
  const bool up = Direction > 0;
  const double bound = up ? MaxValue() : MinValue();
  const bool infinite = up ? FInfiniteMax : FInfiniteMin;
  double next = 0;
  if (FEditType == ntInteger) {
    next =
        TextValue() + Direction * static_cast<double>(vcl::Round(std::clamp(AStep, -9e18, 9e18)));
    if (!infinite && (up ? next >= Whole(bound) : next <= Whole(bound))) next = Whole(bound);
  } else {
    double current = TextValue();
    if (FEditType != ntCurrency) {
      // A value outside the range starts from the bound behind the step.
      const bool outside = up ? current < MinValue() : current > MaxValue();
      if (outside && !(up ? FInfiniteMin : FInfiniteMax)) {
        current = up ? MinValue() : MaxValue();
        SetValue(current);
      }
      const size_t sep = RawText().find(DecimalSeparator());
      if (sep != std::string::npos && CaretPos() > static_cast<int>(sep) + 1) AStep = FFractionStep;
    }
    next = current + Direction * AStep;
    if (!infinite && (up ? next >= bound : next <= bound)) next = bound;
  }
  try {
    SetValue(next);
  } catch (const vcl::Exception&) {
    return;  // beyond what the kind can show (an amount past the currency range)
  }
  if (selStart <= GetLength() + 1) SetCaretPos(selStart);
}

void TZYLCustomExtSpinEdit::Increment(double AStep) { Stepped(AStep, 1); }
void TZYLCustomExtSpinEdit::Decrement(double AStep) { Stepped(AStep, -1); }

void TZYLCustomExtSpinEdit::DoInc() {
  if (!Focused() && CanFocus()) SetFocus();
  Increment(FStep);
  if (FOnSpinBtnUpClick) FOnSpinBtnUpClick(this);
}

void TZYLCustomExtSpinEdit::DoDec() {
  if (!Focused() && CanFocus()) SetFocus();
  Decrement(FStep);
  if (FOnSpinBtnDownClick) FOnSpinBtnDownClick(this);
}

void TZYLCustomExtSpinEdit::GetCommandKey(uint16_t& Key, vcl::TShiftState Shift) {
  switch (Key) {
    case win::VK_PRIOR: Increment(FLargeStep); break;
    case win::VK_NEXT: Decrement(FLargeStep); break;
    case win::VK_UP: Increment(FStep); break;
    case win::VK_DOWN: Decrement(FStep); break;
    default: break;
  }
  inherited::GetCommandKey(Key, Shift);
}

bool TZYLCustomExtSpinEdit::DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) {
  inherited::DoMouseWheelDown(Shift, MousePos);
  Decrement(FStep);
  return true;
}

bool TZYLCustomExtSpinEdit::DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) {
  inherited::DoMouseWheelUp(Shift, MousePos);
  Increment(FStep);
  return true;
}

bool TZYLCustomExtSpinEdit::AllowedOperation(const std::string& Text) {
  return inherited::AllowedOperation(Text) && FEditorEnabled;
}

// ---------------------------------------------------------------------------------------------
// Focus, loading, layout

void TZYLCustomExtSpinEdit::WMKillFocusSpin(vcl::TWMKillFocus& Message) {
  ZYL_INHERITED(Message);
  if (ComponentState().contains(vcl::csDestroying)) return;
  SetSpinValue(TextValue());
  SetValue(FValue);  // the text in the kind's own form
}

void TZYLCustomExtSpinEdit::Loaded() {
  inherited::Loaded();
  // The whole-number kind uses its bounds truncated; the stored MinValue stays as the form
  // gives it.
  SetMaskType(KindOf(FEditType));
  ShowValue(FValue);
}

void TZYLCustomExtSpinEdit::ModifyPaintRect() {
  inherited::ModifyPaintRect();
  const vcl::TRect& inner = InnerRect();
  const int height = inner.Bottom - inner.Top;
  const int width = std::clamp(FSpinBtnWidth == SquareButton ? height : FSpinBtnWidth, 0,
                               std::max(0, inner.Right - inner.Left));
  FPaintRect.Right = vcl::ClampToInt(int64_t{FPaintRect.Right} - width);
  SetBorders();  // the embedded buttons stand left of the arrows
  FSpin->SetBounds(inner.Right - width, inner.Top, width, height);
}

void TZYLCustomExtSpinEdit::GetChange(vcl::TObject* Sender) { inherited::GetChange(Sender); }

void TZYLCustomExtSpinEdit::DoThemeChanged() {
  FSpin->SetCtlXP(GetCtlXP());
  inherited::DoThemeChanged();
}

void TZYLCustomExtSpinEdit::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  FSpin->MouseLeave();
}

void TZYLCustomExtSpinEdit::MouseExit() {
  // The arrows lose their hot look however the user's OnMouseExit leaves.
  vcl::TFinally left([this] { FSpin->MouseLeave(); });
  inherited::MouseExit();
}

void TZYLCustomExtSpinEdit::CMEnabledChangedSpin(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  FSpin->SetEnabled(Enabled());
}

}  // namespace zyl
