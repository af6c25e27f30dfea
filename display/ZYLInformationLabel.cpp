#include "display/ZYLInformationLabel.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLSysUtils.h"
#include "foundation/ZYLTimer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Locale.h"
#include "platform/text/Text.h"

namespace zyl {

std::string ZYLFormatDigitPicture(const std::string& Value, const std::string& Picture) {
  std::string digits = Value;
  std::string sign;
  if (!digits.empty() && digits[0] == '-') {
    sign = "-";
    digits.erase(0, 1);
  }
  // The picture's characters are filled in place, last first: one pass over it.
  std::string out = Picture;
  size_t left = digits.size();  // digits not taken yet: digits[0 .. left)
  for (size_t i = out.size(); i-- > 0;)
    if (out[i] == '0') out[i] = left > 0 ? digits[--left] : '0';
  return sign + digits.substr(0, left) + out;
}

bool ZYLIsNumericInfo(TZYLInfoType Kind) {
  return Kind == itCurrentDiskFree32 || Kind == itCurrentDiskSize32 ||
         (Kind >= itVersion && Kind <= itFreeUserRes) ||
         (Kind >= itMajorVerNr32 && Kind <= itPlatformID32) || Kind == itProcessorCont32 ||
         Kind == itDOSVersion || Kind == itCPUSpeed;
}

bool ZYLIsPolledInfo(TZYLInfoType Kind) {
  return Kind == itNumLock || Kind == itCapsLock || Kind == itScroll || Kind == itCurrentDateTime;
}

const vcl::TTypeInfo* DateTimeFormatTypeInfo() {
  static const vcl::TTypeInfo* const info = vcl::MakeStringTypeInfo("TZYLDateTimeFormat");
  return info;
}

ZYL_CLASS_IMPL(TZYLInformationLabel) {
  using C = TZYLInformationLabel;
  b.Publish({"About", "Align", "Alignment", "AutoSize"})
      .Prop("Bevel", &C::Bevel, &C::SetBevel)
      .Publish({"Caption", "Color", "Cursor"})
      .Prop("DateTimeFormat", &C::DateTimeFormat, &C::SetDateTimeFormat, DateTimeFormatTypeInfo())
      .EmptyStored()
      .Prop("DividerValue", &C::DividerValue, &C::SetDevide)
      .Default(0)
      .Publish({"Enabled", "Font"})
      .Prop("Font3D", &C::Font3D, &C::SetFont3D)
      .Publish("Hint")
      .Prop("Info", &C::Info, &C::SetInfo)
      .Default(itUser)
      .Prop("InsertColon", &C::InsertColon, &C::SetDB)
      .Default(-1)
      .Prop("InsertTabs", &C::InsertTabs, &C::SetTabs)
      .Default(1)
      .Prop("NumberFormat", &C::NumberFormat, &C::SetNumberFormat)
      .Publish({"ParentColor", "ParentFont", "ShowAccelChar", "Transparent"})
      .Prop("UseGlobalTimer", &C::UseGlobalTimer, &C::SetUseGlobalTimer)
      .Default(false)
      .Prop("UseStandardCaption", &C::UseStandardCaption, &C::SetStandartCaption)
      .Default(true)
      .Publish({"Visible",     "ParentShowHint", "ShowHint",     "PopupMenu",   "DragCursor",
                "DragMode",    "DragKind",       "Anchors",      "BiDiMode",    "ParentBiDiMode",
                "Constraints", "OnClick",        "OnDblClick",   "OnDragDrop",  "OnDragOver",
                "OnEndDrag",   "OnStartDrag",    "OnEndDock",    "OnStartDock", "OnMouseDown",
                "OnMouseMove", "OnMouseUp",      "OnMouseEnter", "OnMouseExit"});
}

TZYLInformationLabel::TZYLInformationLabel(vcl::TComponent* AOwner) : inherited(AOwner) {
  FDateTimeFormat = vcl::FormatSettings.ShortDateFormat;
  FFont3D.reset(new TZYL3DCaption(), vcl::TNotifyEvent(this, &TZYLInformationLabel::FontChange));
  FBevel.reset(new TZYLBevel(), vcl::TNotifyEvent(this, &TZYLInformationLabel::GetChange));
  FTimer.reset(
      new TZYLTimer(1000, vcl::TNotifyEvent(this, &TZYLInformationLabel::GetTimer), false, false));
}

TZYLInformationLabel::~TZYLInformationLabel() {
  FTimer.reset();
  FFont3D.reset();
  FBevel.reset();
}

int32_t TZYLInformationLabel::KindInterval() const {
  return (FInfo == itNumLock || FInfo == itCapsLock || FInfo == itScroll) ? 250 : 1000;
}

void TZYLInformationLabel::SetInfo(TZYLInfoType Value) {
  if (!ZYLStoreValue(FInfo, Value)) return;
  FLastValue.clear();
  if (ZYLIsPolledInfo(Value) && !ComponentState().contains(vcl::csDesigning)) {
    FTimer->SetInterval(KindInterval());
    FTimer->SetEnabled(true);
  } else {
    FTimer->SetEnabled(false);
  }
  GetChange(nullptr);
}

void TZYLInformationLabel::SetUseGlobalTimer(bool Value) {
  if (!ZYLStoreValue(FUseGlobalTimer, Value)) return;
  FTimer->SetGlobal(Value);
  // Off the pool the kind's own interval comes back (the lock keys are asked every 250 ms).
  FTimer->SetInterval(Value ? 500 : KindInterval());
}

void TZYLInformationLabel::SetFont3D(TZYL3DCaption* Value) {
  if (Value) FFont3D->Assign(Value);
}

void TZYLInformationLabel::SetBevel(TZYLBevel* Value) {
  if (Value) FBevel->Assign(Value);
}

void TZYLInformationLabel::SetDevide(int32_t Value) {
  if (ZYLStoreValue(FDividerValue, Value)) GetChange(nullptr);
}

void TZYLInformationLabel::SetDateTimeFormat(const std::string& Value) {
  if (ZYLStoreValue(FDateTimeFormat, Value) && FInfo == itCurrentDateTime) GetChange(nullptr);
}

void TZYLInformationLabel::SetNumberFormat(const std::string& Value) {
  if (ZYLStoreValue(FNumberFormat, Value) && ZYLIsNumericInfo(FInfo)) GetChange(nullptr);
}

void TZYLInformationLabel::SetStandartCaption(bool Value) {
  if (ZYLStoreValue(FUseStandardCaption, Value)) GetChange(nullptr);
}

void TZYLInformationLabel::SetDB(int8_t Value) {
  if (ZYLStoreValue(FInsertColon, Value)) GetChange(nullptr);
}

void TZYLInformationLabel::SetTabs(int8_t Value) {
  if (ZYLStoreValue(FInsertTabs, Value)) GetChange(nullptr);
}

bool TZYLInformationLabel::ReturnCaption(std::string& Text) {
  Text = FUseStandardCaption ? ZYLSIInfoToString(FInfo) : Caption();
  if (FInsertColon == 0) Text += ':';
  if (FInsertTabs > 0) {
    for (int i = 1; i <= FInsertTabs; ++i) {
      Text += '\t';
      if (i == FInsertColon) Text += ':';
    }
  } else if (!Caption().empty()) {
    Text += ' ';
  }
  std::string value = GetSystemInfoString(FInfo, FDividerValue, FDateTimeFormat);
  bool changed = true;
  if (FPolled && ZYLIsPolledInfo(FInfo)) {
    if (value == FLastValue)
      changed = false;
    else
      FLastValue = value;
  }
  if (ZYLIsNumericInfo(FInfo) && !FNumberFormat.empty())
    value = ZYLFormatDigitPicture(value, FNumberFormat);
  Text += value;
  FPolled = false;
  return changed;
}

std::string TZYLInformationLabel::GetLabelText() {
  std::string text;
  ReturnCaption(text);
  return text;
}

void TZYLInformationLabel::GetTimer(vcl::TObject* /*Sender*/) {
  if (!FTimer || !FTimer->Enabled()) return;
  FPolled = true;
  std::string text;
  if (ReturnCaption(text)) GetChange(nullptr);
}

void TZYLInformationLabel::GetChange(vcl::TObject* /*Sender*/) {
  CorrectBounds();
  Invalidate();
}

void TZYLInformationLabel::CorrectBounds() {
  if (Align() != vcl::alNone || !FAutoSize || IsLoadingOrReading()) return;
  const vcl::TRect r = MeasureText(GetLabelText(), FFont3D, FBevel->GetBevelExtend(),
                                   GetOptionsFlag() | DrawTextBiDiModeFlags(0));
  SetBounds(Left(), Top(), r.Right + ZYLLabelControlGap(this), r.Bottom);
}

void TZYLInformationLabel::Paint() {
  if (ComponentState().contains(vcl::csLoading)) return;
  const std::string text = GetLabelText();
  vcl::TCanvas* c = Canvas();
  if (!Transparent()) FillControl();
  vcl::TRect rect = ClientRect();
  rect.Left += ZYLLabelControlGap(this);
  rect = FBevel->PaintBevel(c, rect, Transparent());
  const uint32_t flags = PrepareText(c, text, FFont3D, rect);
  ZYLDrawTextExt(c, text, FFont3D, rect, static_cast<int32_t>(flags),
                 TZYLDrawTextStyles{Enabled() ? dtEnabled : dtDisabled});
}

}  // namespace zyl
