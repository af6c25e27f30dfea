// TZYLStaticText: the windowed counterpart of the label: a fill panel (fill, bevel, effect
// caption, back effect, image list) showing its caption with the label's accelerator, auto
// size, multi-line and option rules. Its accelerator focuses FocusControl. A multi-line
// caption breaks only at its line breaks, never at words.
#pragma once

#include <string>

#include "buttons/ZYLCustomPanelFill.h"
#include "display/ZYLBaseLabel.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLStaticText : public TZYLCustomPanelFill {
  ZYL_CLASS(TZYLStaticText, TZYLCustomPanelFill)
  ZYL_MESSAGES(TZYLStaticText)
  explicit TZYLStaticText(vcl::TComponent* AOwner);

  enum TBoolProp : int { bpAutoSize = 0, bpMultiLine = 1, bpShowAccelChar = 2 };

  bool GetBoolean(int Index) const;
  // A change stores and sizes the control to its text (when AutoSize).
  void SetBoolean(int Index, bool Value);
  bool AutoSize() const { return FAutoSize; }
  bool MultiLine() const { return FMultiLine; }
  bool ShowAccelChar() const { return FShowAccelChar; }
  TZYLLabelOptions Options() const { return FOptions; }
  void SetOptions(TZYLLabelOptions Value);
  uint32_t GetOptionsFlag() const { return ZYLLabelOptionsFlags(FOptions); }
  vcl::TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(vcl::TWinControl* Value);
  // The bevel's inner space is left unpainted (the background shows there).
  bool TransparentBorder() const { return FTransparentBorder; }
  void SetTransparentBorder(bool Value);
  // Kept and streamed; docking is not done.
  bool DockSite() const { return FDockSite; }
  void SetDockSite(bool Value) { FDockSite = Value; }
  bool UseDockManager() const { return FUseDockManager; }
  void SetUseDockManager(bool Value) { FUseDockManager = Value; }

  // With a parent, AutoSize on and not loading: the size of the caption (with the bevel and
  // the effect caption) from the control's top-left corner.
  virtual void CorrectBounds();
  void GetChange(vcl::TObject* Sender) override;

 protected:
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void Paint() override;
  void DrawCaption(const vcl::TRect& Rect, TZYLAlignment Alignment) override;
  void CMDialogChar(vcl::TCMDialogChar& Message);
  void CMTextChanged(vcl::TMessage& Message);
  void CMFontChanged(vcl::TMessage& Message);

 private:
  vcl::TWinControl* FFocusControl = nullptr;
  bool FShowAccelChar = true;
  bool FMultiLine = false;
  bool FAutoSize = true;
  TZYLLabelOptions FOptions;
  bool FTransparentBorder = false;
  bool FDockSite = false;
  bool FUseDockManager = false;
};

inline constexpr vcl::TUnitEntry ZYLStaticTextUnit =
    vcl::ClassesUnit<TZYLStaticText>("ZYLStaticText");

}  // namespace zyl
