// The speed buttons: TZYLCustomSpeedButton draws the graphic button in one of the user button
// styles (TZYLUserButtonStyle: raised, flat with a hot frame, see-through explorer looks,
// office highlight, or themed), its glyph greyed until the mouse comes for the explorer-like
// styles; TZYLSpeedButton publishes it.
#pragma once

#include <memory>

#include "buttons/ZYLBaseGraphicButton.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLCustomSpeedButton : public TZYLBaseGraphicButton {
  ZYL_CLASS(TZYLCustomSpeedButton, TZYLBaseGraphicButton)
  explicit TZYLCustomSpeedButton(vcl::TComponent* AOwner);
  ~TZYLCustomSpeedButton() override;

  TZYLUserButtonStyle ButtonStyle() const { return FStyle; }
  // Sets the look: the glyph is greyed at rest for ubsFlatUnColored, ubsNavigator and
  // ubsExplorer; ubsExplorer, ubsExplorerColored and ubsOfficeTransp, or themed drawing, show
  // the parent through the face (not opaque), the other styles are opaque.
  void SetStyle(TZYLUserButtonStyle Value);
  bool ControlSupportsXP() const override { return true; }
  void SetCtlXP(bool Value) override;
  // True while the parent shows through the face.
  bool SeeThrough() const { return FSeeThrough; }
  // True when the glyph is drawn greyed at rest.
  bool ExplorerGlyph() const { return FExplorerGlyph; }

 protected:
  void DefineProperties(vcl::TFiler* Filer) override;
  vcl::TRect DrawFace(vcl::TCanvas* Canvas, const vcl::TRect& Rect, TZYLButtonState State) override;
  vcl::TBitmap* GlyphFor(TZYLButtonState State) override;
  void UpdateOpacity();

  std::unique_ptr<vcl::TBitmap> FGreyGlyph;
  TZYLUserButtonStyle FStyle = ubsWin40;
  bool FSeeThrough = false;
  bool FExplorerGlyph = false;
};

class TZYLSpeedButton : public TZYLCustomSpeedButton {
  ZYL_CLASS(TZYLSpeedButton, TZYLCustomSpeedButton)
  explicit TZYLSpeedButton(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// True for the states that show the button down.
bool ZYLIsDownState(TZYLButtonState State);
// True when a button in Style lets its parent show through the face (always when Themed).
bool ZYLUserStyleSeeThrough(TZYLUserButtonStyle Style, bool Themed);
// Draws a button face in Style and State over Rect: through the theme of ThemeWindow (a toolbar
// button for the flat styles, a push button otherwise) when Themed, else the style's own edges
// over a fill of Face (left out for the see-through styles). Answers the content rectangle.
vcl::TRect ZYLDrawUserButtonFace(vcl::TCanvas* Canvas, const vcl::TRect& Rect,
                                 TZYLUserButtonStyle Style, TZYLButtonState State, vcl::TColor Face,
                                 bool Themed, vcl::TWinControl* ThemeWindow);

// A copy of Source with every pixel but the transparent colour turned to its grey value.
void ZYLGreyGlyph(vcl::TBitmap* Source, vcl::TBitmap* Dest);

inline constexpr vcl::TUnitEntry ZYLSpeedButtonUnit =
    vcl::ClassesUnit<TZYLSpeedButton>("ZYLSpeedButton");

}  // namespace zyl
