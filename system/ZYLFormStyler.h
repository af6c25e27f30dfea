// TZYLFormStyler: paints the owner form's title bar itself: a horizontal gradient over the
// caption area, the system icon put back on top of it, and the caption text in the styler's
// font, 3D effect and alignment. It hooks the form's window procedure (the previous procedure
// still runs first, so the frame and the buttons stay the window manager's) and repaints after
// WM_NCPAINT and WM_NCACTIVATE. One per form.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ZYLOwned.h"
#include "foundation/ZYLWndProcComponent.h"
#include "platform/sys/Packages.h"
#include "system/ZYLCustomFormFill.h"

namespace vcl {
class TBitmap;
class TCanvas;
class TFont;
}  // namespace vcl

namespace zyl {

class TZYL3DCaption;

ZYL_ENUM(TZYLFormStyleOption, fsAdjustRect, fsUseDefaultFont, fsUseFontColor, fsInactiveGradient,
         fsDrawCaptionEvent, fsUseFormCaption, fsCheckSystemGradient)
using TZYLFormStyleOptions = vcl::TSet<TZYLFormStyleOption>;

class TZYLFormStyler : public TZYLWndProcComponent {
  ZYL_CLASS(TZYLFormStyler, TZYLWndProcComponent)
  // The range of the gradient's colour steps.
  static constexpr int MinColors = 2;
  static constexpr int MaxColors = 236;
  static constexpr TZYLFormStyleOptions DefaultOptions{fsAdjustRect, fsUseDefaultFont,
                                                       fsUseFormCaption, fsCheckSystemGradient};

  explicit TZYLFormStyler(vcl::TComponent* AOwner);
  ~TZYLFormStyler() override;

  vcl::TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(vcl::TAlignment Value);
  int Colors() const { return FColors; }
  // Kept within MinColors .. MaxColors.
  void SetColors(int Value);
  vcl::TFont* Font() const { return FFont.get(); }
  void SetFont(vcl::TFont* Value);
  TZYL3DCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TZYL3DCaption* Value);
  TZYLPaintMode PaintMode() const { return FPaintMode; }
  void SetPaintMode(TZYLPaintMode Value);
  TZYLFormStyleOptions Options() const { return FOptions; }
  void SetOptions(TZYLFormStyleOptions Value);
  const TZYLPaintEvent& GetOnPaint() const { return FOnPaint; }
  void SetOnPaint(const TZYLPaintEvent& Value) { FOnPaint = Value; }
  const TZYLPaintEvent& GetOnCaptionPaint() const { return FOnCaptionPaint; }
  void SetOnCaptionPaint(const TZYLPaintEvent& Value) { FOnCaptionPaint = Value; }

  // The text the styler paints.
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  // Whether the caption is drawn as active.
  bool Active() const { return FActive; }

  // Paints the title bar now; with TakeIconSnapshot the system icon is first copied from
  // what the window manager drew.
  void PaintTitleBar(bool TakeIconSnapshot);
  // Has the form redraw its caption as active through its own message path.
  void NCPaint();
  // Paints the title bar again, reusing the icon snapshot.
  void ForceNCPaint();

  // Installs the hook when enabled and moves the form's text into Caption (unless the form's
  // caption is used as it is).
  void Init() override;
  // Gives the form its text back and has the caption redrawn; the hook stays, passing every
  // message on while disabled.
  void RestoreState() override;
  void WndProc(vcl::TMessage& Message) override;

 private:
  void GetChange(vcl::TObject* Sender) override;
  void PaintCaptionArea(const vcl::TRect& CaptionRect, const vcl::TRect& TextRect, uint32_t Flags,
                        bool TakeIconSnapshot);
  void PrepareFont(const vcl::TRect& TextRect, uint32_t Flags);
  void PaintText(const vcl::TRect& TextRect);
  // Calls an owner-draw handler with the canvas clipped to Rect.
  void CallClipped(const TZYLPaintEvent& Event, const vcl::TRect& Rect);

  vcl::TAlignment FAlignment = vcl::taLeftJustify;
  int FColors = 32;
  TZYLOwned<vcl::TFont> FFont;
  TZYLOwned<TZYL3DCaption> FFont3D;
  TZYLPaintMode FPaintMode = pcControl;
  TZYLFormStyleOptions FOptions = DefaultOptions;
  TZYLPaintEvent FOnPaint;
  TZYLPaintEvent FOnCaptionPaint;
  std::string FCaption;
  std::unique_ptr<vcl::TCanvas> FCanvas;
  std::unique_ptr<vcl::TBitmap> FIconBitmap;
  bool FActive = false;
  bool FPainting = false;
  // Init moved the form's text into Caption (RestoreState gives it back).
  bool FCaptionTaken = false;
  // The system draws gradient captions of its own.
  bool FSystemGradient;
};

inline constexpr vcl::TUnitEntry ZYLFormStylerUnit =
    vcl::ClassesUnit<TZYLFormStyler>("ZYLFormStyler");

}  // namespace zyl
