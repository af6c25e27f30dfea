#include "display/ZYLBaseLabel.h"

#include "buttons/ZYLStatusBar.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLSysUtils.h"
#include "foundation/ZYLTimer.h"
#include "platform/base/Finally.h"
#include "platform/base/Restore.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Messages.h"
#include "platform/controls/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"
#include "platform/user/WinUser.h"

namespace zyl {

uint32_t ZYLLabelOptionsFlags(TZYLLabelOptions Options) {
  uint32_t flags = 0;
  if (Options.contains(loPathEllipsis)) flags |= win::DT_PATH_ELLIPSIS;
  if (Options.contains(loEndEllipsis)) flags |= win::DT_END_ELLIPSIS;
  if (Options.contains(loEditControl)) flags |= win::DT_EDITCONTROL;
  return flags;
}

int ZYLLabelControlGap(vcl::TControl* Label) {
  auto* bar = Label ? dynamic_cast<TZYLCustomStatusBar*>(Label->Parent()) : nullptr;
  return bar ? bar->GetControlGap() : 0;
}

ZYL_MESSAGE_MAP(TZYLBaseLabel) {
  m.On(vcl::CM_DIALOGCHAR, &TZYLBaseLabel::CMDialogChar)
      .On(vcl::CM_FONTCHANGED, &TZYLBaseLabel::CMFontChanged)
      .On(vcl::CM_TEXTCHANGED, &TZYLBaseLabel::CMTextChanged);
}

ZYL_CLASS_IMPL(TZYLBaseLabel) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLBaseLabel;
  b.Declare("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(agTopLeft)
      .Declare("AutoSize", &C::GetBool, &C::SetBool)
      .Index(bpAutoSize)
      .Default(true)
      .Declare("FocusControl", &C::FocusControl, &C::SetControl)
      .Declare("FontSmoothing", &C::FontSmoothing, &C::SetAntialised)
      .Default(false)
      .Declare("MultiLine", &C::GetBool, &C::SetBool)
      .Index(bpMultiLine)
      .Default(false)
      .Declare("Options", &C::Options, &C::SetOptions)
      .Default(TZYLLabelOptions{})
      .Declare("ShowAccelChar", &C::GetBool, &C::SetBool)
      .Index(bpShowAccelChar)
      .Default(true)
      .Declare("Twinkle", &C::GetBool, &C::SetBool)
      .Index(bpTwinkle)
      .Default(false)
      .Declare("TwinkleColor", &C::TwinkleColor, &C::SetTwinkleColor, vcl::ColorTypeInfo())
      .Default(vcl::clNone)
      .Declare("TwinkleInVisible", &C::GetInteger, &C::SetInteger)
      .Index(ipTwinkleInVisible)
      .Default(700)
      .Declare("TwinkleVisible", &C::GetInteger, &C::SetInteger)
      .Index(ipTwinkleVisible)
      .Default(700)
      .Declare("UseGlobalTimer", &C::UseGlobalTimer, &C::SetUseGlobalTimer)
      .Default(false);
}

TZYLBaseLabel::TZYLBaseLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}

TZYLBaseLabel::~TZYLBaseLabel() { FreeTwinkleTimer(); }

bool TZYLBaseLabel::IsLoadingOrReading() const {
  const auto state = ComponentState();
  return state.contains(vcl::csLoading) || state.contains(vcl::csReading);
}

vcl::TRect TZYLBaseLabel::MeasureText(const std::string& Text, TZYL3DCaption* Font3D, int Extent,
                                      uint32_t Flags) {
  vcl::TBitmap probe;
  probe.SetSize(1, 1);
  vcl::TRect r = ClientRect();
  ZYLDrawTextCalcExt(probe.Canvas(), Text, Font3D, r, Font(), FMultiLine, FShowAccelChar, Extent,
                     static_cast<int32_t>(Flags));
  return r;
}

uint32_t TZYLBaseLabel::TextFlags(uint32_t Flags) const {
  Flags |=
      GetOptionsFlag() | ZYLAlignmentFlags(FAlignment) | win::DT_EXPANDTABS | win::DT_WORDBREAK;
  if (!FShowAccelChar) Flags |= win::DT_NOPREFIX;
  return Flags;
}

uint32_t TZYLBaseLabel::PrepareText(vcl::TCanvas* Canvas, const std::string& Text,
                                    TZYL3DCaption* Font3D, vcl::TRect& Rect) {
  Canvas->SetFont(Font());
  uint32_t flags = DrawTextBiDiModeFlags(0);
  if (FMultiLine && FAlignment >= agCenterLeft)
    Rect = ZYLAlignTextRect(FAlignment, Text, Font3D, Rect, Font(), FMultiLine, FShowAccelChar,
                            static_cast<int32_t>(flags));
  if (!FMultiLine) flags |= win::DT_SINGLELINE;
  flags = TextFlags(flags);
  Canvas->Brush()->SetColor(Color());
  Canvas->Font()->SetColor(Font()->Color());
  return flags;
}

void TZYLBaseLabel::PaintLabelText(
    const std::function<void(vcl::TCanvas*, const std::string&)>& Draw) {
  const std::string text = GetLabelText();
  FDrawing = true;
  vcl::TFinally reset([this] { FDrawing = false; });
  vcl::TCanvas* c = Canvas();
  if (!Transparent()) FillControl();
  Draw(c, text);
}

bool TZYLBaseLabel::GetBool(int Index) const {
  switch (Index) {
    case bpAutoSize: return FAutoSize;
    case bpMultiLine: return FMultiLine;
    case bpShowAccelChar: return FShowAccelChar;
    case bpTwinkle: return FTwinkle;
    default: return false;
  }
}

void TZYLBaseLabel::SetBool(int Index, bool Value) {
  switch (Index) {
    case bpAutoSize:
      if (ZYLStoreValue(FAutoSize, Value)) CorrectBounds();
      break;
    case bpMultiLine:
      if (ZYLStoreValue(FMultiLine, Value)) GetChange(nullptr);
      break;
    case bpShowAccelChar:
      if (ZYLStoreValue(FShowAccelChar, Value)) InvalidateControl();
      break;
    case bpTwinkle:
      if (!ZYLStoreValue(FTwinkle, Value)) break;
      if (FTwinkle && !ComponentState().contains(vcl::csDesigning)) {
        FreeTwinkleTimer();
        FTwinkleTimer.reset(new TZYLTimer(FTwinkleVisible,
                                          vcl::TNotifyEvent(this, &TZYLBaseLabel::OnTwinkleTimer),
                                          Enabled(), FUseGlobalTimer));
        FTwinklePhase = true;
      } else {
        FreeTwinkleTimer();
        FTwinklePhase = true;
        InvalidateControl();
      }
      break;
    default: break;
  }
}

int32_t TZYLBaseLabel::GetInteger(int Index) const {
  return Index == ipTwinkleVisible ? FTwinkleVisible : FTwinkleInVisible;
}

void TZYLBaseLabel::SetInteger(int Index, int32_t Value) {
  if (Index == ipTwinkleVisible)
    FTwinkleVisible = Value;
  else if (Index == ipTwinkleInVisible)
    FTwinkleInVisible = Value;
}

void TZYLBaseLabel::SetAlignment(TZYLAlignment Value) {
  if (ZYLStoreValue(FAlignment, Value)) GetChange(nullptr);
}

void TZYLBaseLabel::SetOptions(TZYLLabelOptions Value) {
  if (ZYLStoreValue(FOptions, Value)) GetChange(nullptr);
}

void TZYLBaseLabel::SetAntialised(bool Value) {
  if (ZYLStoreValue(FFontSmoothing, Value)) CheckAntiAliasedState();
}

void TZYLBaseLabel::SetControl(vcl::TWinControl* Value) {
  if (FFocusControl == Value) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

bool TZYLBaseLabel::SystemFontSmoothingState() { return ZYLSIFontSmoothing(); }

std::string TZYLBaseLabel::GetLabelText() { return Caption(); }

void TZYLBaseLabel::FontChange(vcl::TObject* Sender) {
  if (ComponentState().contains(vcl::csLoading)) return;
  if (Sender == Font()) SetParentFont(false);
  if (!ComponentState().contains(vcl::csReading)) Canvas()->SetFont(Font());
  GetChange(nullptr);
}

void TZYLBaseLabel::GetChange(vcl::TObject* /*Sender*/) {
  CorrectBounds();
  InvalidateControl();
}

bool TZYLBaseLabel::GetEmpty() { return Transparent() && GetLabelText().empty(); }

void TZYLBaseLabel::Loaded() {
  inherited::Loaded();
  Canvas()->SetFont(Font());
  CorrectBounds();
}

void TZYLBaseLabel::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

bool TZYLBaseLabel::CheckAntiAliasedState() {
  win::LOGFONTA lf{};
  if (win::GetObjectA(Font()->Handle(), sizeof lf, &lf) != int(sizeof lf)) return false;
  if ((lf.lfQuality == win::ANTIALIASED_QUALITY) == FFontSmoothing) return false;
  lf.lfQuality = FFontSmoothing ? win::ANTIALIASED_QUALITY : win::DEFAULT_QUALITY;
  // The quality is no font of the label's own: a label on its parent's font stays on it.
  const vcl::TRestore<bool> keep(parentFont_, parentFont_);
  Font()->SetHandle(win::CreateFontIndirectA(&lf));
  return true;
}

void TZYLBaseLabel::CMDialogChar(vcl::TMessage& Message) {
  if (!FShowAccelChar || !FFocusControl || !Enabled()) return;
  auto& key = static_cast<vcl::TCMDialogChar&>(Message);
  if (vcl::IsAccel(key.CharCode(), Caption()) && FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    Message.Result = 1;
  }
}

void TZYLBaseLabel::CMFontChanged(vcl::TMessage& Message) {
  CheckAntiAliasedState();
  ZYL_INHERITED(Message);
  FontChange(Font());
}

void TZYLBaseLabel::CMTextChanged(vcl::TMessage& /*Message*/) {
  CorrectBounds();
  InvalidateControl();
}

void TZYLBaseLabel::OnTwinkleTimer(vcl::TObject* /*Sender*/) {
  if (!FTwinkleTimer) return;
  FTwinklePhase = !FTwinklePhase;
  FTwinkleTimer->SetInterval(FTwinklePhase ? FTwinkleVisible : FTwinkleInVisible);
  if (Visible()) InvalidateControl();
}

void TZYLBaseLabel::FreeTwinkleTimer() { FTwinkleTimer.reset(); }

}  // namespace zyl
