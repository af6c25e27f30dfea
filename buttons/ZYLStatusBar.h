// The status bar: TZYLCustomStatusBar, a fill panel docked at the bottom of its form on which
// labels and other controls stand (GetControlGap tells labels how far to keep their text from
// their edges), and the published TZYLStatusBar. With SimplePanel the bar shows SimpleText
// across its whole width instead of its children; OldStyle (the default) frames each child
// sunken, the new look separates them by a line. The bar owns a 3D caption (Font3D) that the
// designer edits with the bar's font and bevel.
#pragma once

#include <string>

#include "buttons/ZYLCustomPanelFill.h"
#include "foundation/ZYLOwned.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYL3DCaption;

class TZYLCustomStatusBar : public TZYLCustomPanelFill {
  ZYL_CLASS(TZYLCustomStatusBar, TZYLCustomPanelFill)
  explicit TZYLCustomStatusBar(vcl::TComponent* AOwner);

  // The horizontal gap in pixels a label on the bar adds to its width and its text position.
  virtual int GetControlGap() { return 0; }
};

class TZYLStatusBar : public TZYLCustomStatusBar {
  ZYL_CLASS(TZYLStatusBar, TZYLCustomStatusBar)
  explicit TZYLStatusBar(vcl::TComponent* AOwner);
  ~TZYLStatusBar() override;

  enum TBooleanIndex : int { biSimplePanel = 0, biOldStyle = 1 };

  int GetControlGap() override { return FControlGap; }
  int ControlGap() const { return FControlGap; }
  // Negative gaps are refused (the value stays); a change realigns the labels on the bar.
  void SetControlGap(int Value);
  bool GetBoolean(int Index) const { return Index == biSimplePanel ? FSimplePanel : FOldStyle; }
  void SetBoolean(int Index, bool Value);
  bool SimplePanel() const { return FSimplePanel; }
  bool OldStyle() const { return FOldStyle; }
  const std::string& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& Value);
  TZYL3DCaption* Font3D() const { return FFont3D.get(); }
  // Copies Value's settings (nil leaves the bar's own).
  void SetFont3D(TZYL3DCaption* Value);

 protected:
  std::string GetLabelText() override;
  void Paint() override;
  // The sunken frames (OldStyle) or separating lines of the children.
  void PaintChildFrames();

 private:
  int FControlGap = 4;
  bool FSimplePanel = false;
  bool FOldStyle = true;
  std::string FSimpleText;
  TZYLOwned<TZYL3DCaption> FFont3D;
};

inline constexpr vcl::TUnitEntry ZYLStatusBarUnit = vcl::ClassesUnit<TZYLStatusBar>("ZYLStatusBar");

}  // namespace zyl
