#include "display/ZYLCustomSimpleLabel.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLStrings.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/sys/ShellApi.h"
#include "platform/text/Text.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCustomSimpleLabel) {
  using C = TZYLCustomSimpleLabel;
  b.Declare("Font3D", &C::Font3D, &C::SetFont3D)
      .Declare("Jump", &C::Jump, &C::SetJump)
      .Declare("ActiveColor", &C::GetJumpColor, &C::SetJumpColor, vcl::ColorTypeInfo())
      .Index(cpActiveColor)
      .Default(0x800080)
      .Declare("InActiveColor", &C::GetJumpColor, &C::SetJumpColor, vcl::ColorTypeInfo())
      .Index(cpInActiveColor)
      .Default(0xFF0000)
      .Declare("JumpUnderline", &C::JumpUnderline, &C::SetJumpUnderLine)
      .Default(true)
      .Declare("JumpMode", &C::JumpMode, &C::SetJumpMode)
      .Default(jmNone);
}

TZYLCustomSimpleLabel::TZYLCustomSimpleLabel(vcl::TComponent* AOwner) : inherited(AOwner) {
  FFont3D.reset(new TZYL3DCaption(), vcl::TNotifyEvent(this, &TZYLCustomSimpleLabel::FontChange));
}

TZYLCustomSimpleLabel::~TZYLCustomSimpleLabel() { FFont3D.reset(); }

void TZYLCustomSimpleLabel::SetFont3D(TZYL3DCaption* Value) {
  if (Value) FFont3D->Assign(Value);
}

void TZYLCustomSimpleLabel::SetJumpColor(int Index, vcl::TColor Value) {
  if (Index == cpActiveColor) {
    FActiveColor = Value;
  } else if (Index == cpInActiveColor && ZYLStoreValue(FInActiveColor, Value)) {
    if (FLegacyJump) Font()->SetColor(Value);
  }
}

void TZYLCustomSimpleLabel::SetJumpUnderLine(bool Value) {
  if (!ZYLStoreValue(FJumpUnderline, Value)) return;
  if (FLegacyJump && Value) Font()->SetStyle(Font()->Style() + vcl::fsUnderline);
}

void TZYLCustomSimpleLabel::SetJumpMode(TZYLJumpModes Value) {
  if (!ZYLStoreValue(FJumpMode, Value)) return;
  const bool designing = ComponentState().contains(vcl::csDesigning);
  // A form file holds the font and the cursor as they were written; Loaded gives a jump label
  // without a cursor of its own the hand.
  if (ComponentState().contains(vcl::csLoading)) {
    FCounter = 0;
    return;
  }
  if (Value != jmNone) {
    ResetCounter();
    if (!designing) SetCursor(vcl::crHandPoint);
    return;
  }
  if (ComponentState().contains(vcl::csLoading)) return;
  if (!designing) SetCursor(vcl::crDefault);
  Font()->SetColor(vcl::clBlack);
  if (FJumpUnderline) Font()->SetStyle(Font()->Style() - vcl::fsUnderline);
}

void TZYLCustomSimpleLabel::ResetCounter() {
  FCounter = 0;
  Font()->SetColor(FInActiveColor);
  if (FJumpUnderline) Font()->SetStyle(Font()->Style() + vcl::fsUnderline);
}

void TZYLCustomSimpleLabel::Execute() {
  if (FJumpMode != jmNone) {
    ++FCounter;
    Font()->SetColor(FActiveColor);
  }
  Click();
}

std::string TZYLCustomSimpleLabel::JumpTarget(bool MailTo) {
  if (!ZYLTrim(FJump).empty()) return FJump;
  std::string text = GetLabelText();
  if (MailTo && text.find('@') != std::string::npos) text = "mailto:" + text;
  return text;
}

void TZYLCustomSimpleLabel::Click() {
  if (FJumpMode != jmInternet && FJumpMode != jmApplication) {
    inherited::Click();
    return;
  }
  const std::string target = JumpTarget(FJumpMode == jmInternet);
  win::HWND wnd = vcl::Application ? vcl::Application->Handle() : nullptr;
  const auto result = reinterpret_cast<uintptr_t>(
      win::ShellExecuteA(wnd, nullptr, target.c_str(), nullptr, nullptr, win::SW_SHOWNORMAL));
  if (FJumpMode == jmInternet && result <= 32) {
    // The target cannot be opened: the label stops being a link and is switched off.
    FJumpMode = jmNone;
    SetEnabled(false);
  }
}

void TZYLCustomSimpleLabel::ActionChange(vcl::TObject* Sender, bool CheckDefaults) {
  if (FJumpMode == jmCustom) inherited::ActionChange(Sender, CheckDefaults);
}

void TZYLCustomSimpleLabel::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                                      int Y) {
  if (FJumpMode != jmNone && Button == vcl::mbLeft) {
    ++FCounter;
    Font()->SetColor(FActiveColor);
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TZYLCustomSimpleLabel::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                                    int Y) {
  if (FLegacyJump && Button == vcl::mbLeft) Font()->SetColor(FInActiveColor);
  inherited::MouseUp(Button, Shift, X, Y);
}

void TZYLCustomSimpleLabel::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  // The switch of older forms: read, never written.
  Filer->DefineProperty(
      "UseAsJump", [this](vcl::TReader* r) { FLegacyJump = r->ReadBoolean(); }, nullptr, false);
}

void TZYLCustomSimpleLabel::Loaded() {
  inherited::Loaded();
  if (FJumpMode != jmNone && Cursor() == vcl::crDefault &&
      !ComponentState().contains(vcl::csDesigning))
    SetCursor(vcl::crHandPoint);
  if (FLegacyJump) FJumpMode = jmInternet;
}

void TZYLCustomSimpleLabel::CorrectBounds() {
  if (Align() != vcl::alNone || !FAutoSize || ComponentState().contains(vcl::csLoading)) return;
  const vcl::TRect r =
      MeasureText(GetLabelText(), FFont3D, 0, GetOptionsFlag() | DrawTextBiDiModeFlags(0));
  SetBounds(Left(), Top(), r.Right, r.Bottom);
}

void TZYLCustomSimpleLabel::Paint() {
  if (FDrawing || ComponentState().contains(vcl::csLoading)) return;
  if (GetEmpty()) {
    if (ComponentState().contains(vcl::csDesigning)) DrawDashedFrame();
    return;
  }
  PaintLabelText([this](vcl::TCanvas* c, const std::string& text) {
    vcl::TRect rect = ClientRect();
    const uint32_t flags = PrepareText(c, text, FFont3D, rect);
    if (!FTwinklePhase) {
      if (FTwinkleColor == vcl::clNone) return;
      c->Font()->SetColor(FTwinkleColor);
    }
    ZYLDrawTextExt(c, text, FFont3D, rect, static_cast<int32_t>(flags),
                   TZYLDrawTextStyles{Enabled() ? dtEnabled : dtDisabled});
  });
}

}  // namespace zyl
