// TZYLBaseLabel: the root of the library's text labels. A transparent-capable graphic control
// with one caption, alignment in a 3 x 3 grid, automatic sizing, multi-line text, extra
// DrawText options, an accelerator that focuses another control, a blinking ("twinkle") mode
// on a light timer and forced font smoothing. It paints nothing itself; its descendants do.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "platform/graphics/Colors.h"

namespace zyl {

class TZYL3DCaption;
class TZYLTimer;

// Extra DrawText flags of the labels, the static text and a list box's column options.
ZYL_ENUM(TZYLLabelOption, loPathEllipsis, loEndEllipsis, loEditControl)
using TZYLLabelOptions = vcl::TSet<TZYLLabelOption>;

// The DrawText flags of a set of label options.
uint32_t ZYLLabelOptionsFlags(TZYLLabelOptions Options);

// The horizontal gap a label standing on a status bar adds to its width and its text position;
// 0 on any other parent (or none).
int ZYLLabelControlGap(vcl::TControl* Label);

class TZYLBaseLabel : public TZYLBaseGraphicControl {
  ZYL_CLASS(TZYLBaseLabel, TZYLBaseGraphicControl)
  ZYL_MESSAGES(TZYLBaseLabel)
  explicit TZYLBaseLabel(vcl::TComponent* AOwner);
  ~TZYLBaseLabel() override;

  // The indices of the Boolean and integer properties.
  enum TBoolProp : int { bpAutoSize = 0, bpMultiLine = 1, bpShowAccelChar = 2, bpTwinkle = 3 };
  enum TIntProp : int { ipTwinkleVisible = 0, ipTwinkleInVisible = 1 };

  bool GetBool(int Index) const;
  // AutoSize re-sizes, MultiLine re-measures and repaints, ShowAccelChar repaints, Twinkle
  // starts or stops the twinkle timer (never at design time).
  void SetBool(int Index, bool Value);
  int32_t GetInteger(int Index) const;
  // Only stores: a running twinkle timer takes the value at its next phase change.
  void SetInteger(int Index, int32_t Value);

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { SetBool(bpAutoSize, Value); }
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value) { SetBool(bpMultiLine, Value); }
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value) { SetBool(bpShowAccelChar, Value); }
  bool Twinkle() const { return FTwinkle; }
  void SetTwinkle(bool Value) { SetBool(bpTwinkle, Value); }
  int32_t TwinkleVisible() const { return FTwinkleVisible; }
  void SetTwinkleVisible(int32_t Value) { SetInteger(ipTwinkleVisible, Value); }
  int32_t TwinkleInVisible() const { return FTwinkleInVisible; }
  void SetTwinkleInVisible(int32_t Value) { SetInteger(ipTwinkleInVisible, Value); }

  TZYLAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TZYLAlignment Value);
  TZYLLabelOptions Options() const { return FOptions; }
  void SetOptions(TZYLLabelOptions Value);
  // The font colour of the hidden twinkle phase; clNone draws nothing then.
  vcl::TColor TwinkleColor() const { return FTwinkleColor; }
  void SetTwinkleColor(vcl::TColor Value) { FTwinkleColor = Value; }
  // The twinkle timer runs on the application's timer pool (taken when the timer is made).
  bool UseGlobalTimer() const { return FUseGlobalTimer; }
  void SetUseGlobalTimer(bool Value) { FUseGlobalTimer = Value; }
  bool FontSmoothing() const { return FFontSmoothing; }
  void SetAntialised(bool Value);
  vcl::TWinControl* FocusControl() const { return FFocusControl; }
  virtual void SetControl(vcl::TWinControl* Value);

  // True in the visible twinkle phase (always while Twinkle is off).
  bool TwinklePhaseVisible() const { return FTwinklePhase; }
  // Whether the twinkle timer exists.
  bool TwinkleRunning() const { return FTwinkleTimer != nullptr; }
  // The Options as DrawText flags.
  uint32_t GetOptionsFlag() const { return ZYLLabelOptionsFlags(FOptions); }
  // Whether the system switched font smoothing on.
  static bool SystemFontSmoothingState();

  // The text drawn: the Caption here.
  virtual std::string GetLabelText();
  // The change handler of the font and of the owned caption objects.
  virtual void FontChange(vcl::TObject* Sender);
  // Re-sizes the label to its text; nothing here.
  virtual void CorrectBounds() {}
  // Re-sizes (CorrectBounds), then repaints.
  void GetChange(vcl::TObject* Sender) override;
  // True when transparent and the text is empty.
  bool GetEmpty() override;

 protected:
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  // Gives the font the quality FontSmoothing asks for; true when it had to change the font.
  bool CheckAntiAliasedState();
  // Whether the label is being loaded or read from a stream.
  bool IsLoadingOrReading() const;
  // Measures Text as ZYLDrawTextCalcExt does, on a memory canvas in the label's font (the
  // size does not depend on the device, and a label without parent can be measured).
  vcl::TRect MeasureText(const std::string& Text, TZYL3DCaption* Font3D, int Extent,
                         uint32_t Flags);
  // The DrawText flags of Paint after the single-line and alignment rules: BiDi flags,
  // options, alignment, DT_EXPANDTABS, DT_WORDBREAK and DT_NOPREFIX without ShowAccelChar.
  uint32_t TextFlags(uint32_t Flags) const;
  // Readies Canvas for Text in Rect as Paint draws it with Font3D: the label's font and colours
  // and, for multi-line text aligned below the top, Rect moved to the text's place. Answers
  // the DrawText flags (TextFlags, single line unless MultiLine).
  uint32_t PrepareText(vcl::TCanvas* Canvas, const std::string& Text, TZYL3DCaption* Font3D,
                       vcl::TRect& Rect);
  // Paint's frame around Draw: the painting flag is set while it runs, and an opaque label's
  // background is filled first. Draw gets the canvas and the label text.
  void PaintLabelText(const std::function<void(vcl::TCanvas*, const std::string&)>& Draw);
  void CMDialogChar(vcl::TMessage& Message);
  void CMFontChanged(vcl::TMessage& Message);
  void CMTextChanged(vcl::TMessage& Message);
  void OnTwinkleTimer(vcl::TObject* Sender);
  void FreeTwinkleTimer();

  bool FShowAccelChar = true;
  bool FTwinkle = false;
  bool FMultiLine = false;
  TZYLAlignment FAlignment = agTopLeft;
  TZYLLabelOptions FOptions;
  std::unique_ptr<TZYLTimer> FTwinkleTimer;
  int32_t FTwinkleVisible = 700;
  int32_t FTwinkleInVisible = 700;
  vcl::TColor FTwinkleColor = vcl::clNone;
  bool FFontSmoothing = false;
  bool FUseGlobalTimer = false;
  vcl::TWinControl* FFocusControl = nullptr;
  bool FAutoSize = true;
  bool FTwinklePhase = true;
};

}  // namespace zyl
