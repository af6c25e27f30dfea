// The bases of the library's graphic controls: TZYLControl (themes switch, update counter,
// mouse enter/exit and bounds events, the background interface), TZYLBaseControl (image list
// reference and back effect), TZYLBaseGraphicControl (transparency) and TZYLGraphicControl
// (owned bevel). Also the background routines through which a control reaches the background
// bitmap its parent supplies (IZYLBackground).
#pragma once

#include <cstdint>

#include "foundation/IntfZYLBackground.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLImageListClient.h"
#include "foundation/ZYLOwned.h"
#include "platform/controls/Controls.h"

namespace zyl {

class TZYLBevel;
class TZYLBitmapEffectObject;

using TZYLBoundsChangeEvent =
    vcl::TEvent<void(vcl::TObject* Sender, TZYLBoundsChangeStates State)>;

// ---- Background routines ----
// The supplier of Control's background: its parent when the parent implements IZYLBackground;
// for a form parent without it, the first non-control component of the form that does. Null
// when none.
IZYLBackground* ZYLBackSupplier(vcl::TControl* Control);
// The supplier's background bitmap, or null.
vcl::TBitmap* ZYLBackBitmap(vcl::TControl* Control);
// True when Control has a supplier that reports a usable bitmap.
bool ZYLBackBitmapCheck(vcl::TControl* Control);
// Maps a point of Control to the coordinates of the supplier's bitmap: adds Control's Left and
// Top, then the supplier's own mapping. Without a supplier the point plus Left/Top.
vcl::TPoint ZYLBackMapPoint(vcl::TControl* Control, const vcl::TPoint& Point);
// The palette of the supplier's bitmap; 0 when ZYLBackBitmapCheck fails.
win::HPALETTE ZYLBackBitmapPalette(vcl::TControl* Control);
// Asks every control that takes its background from Provider to refresh it: the controls
// Provider lists (BackControl), and the children of Control (the provider's own window
// control) that take their background from their parent. Control itself is not asked.
void ZYLBackUpdate(IZYLBackground* Provider, vcl::TWinControl* Control);
// Includes csOpaque in Control's style, or excludes it; the graphic and the windowed control
// bases switch their transparency through it.
void ZYLSetOpaque(vcl::TControl* Control, bool Opaque);

// ---- TZYLControl ----
class TZYLControl : public vcl::TGraphicControl, public IZYLBackground, public IZYLThemes {
  ZYL_CLASS(TZYLControl, vcl::TGraphicControl)
  ZYL_MESSAGES(TZYLControl)
  explicit TZYLControl(vcl::TComponent* AOwner);
  ~TZYLControl() override;

  bool GetCtlXP() const override { return FCtlXP; }
  void SetCtlXP(bool Value) override;
  bool ControlSupportsXP() const override { return false; }
  // The About property the controls publish; it holds nothing.
  TZYLAboutVar About() const { return {}; }
  void SetAbout(const TZYLAboutVar&) {}
  bool UseXP() const;

  void BeginUpdate() { ++FUpdateCount; }
  // Decrements the counter (not below 0); at 0 with Repaint, calls GetChange(nullptr).
  void EndUpdate(bool Repaint);
  bool IsUpdating() const { return FUpdateCount > 0; }
  int UpdateCount() const { return FUpdateCount; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  virtual bool GetEmpty() { return false; }
  // The change handler of owned objects (repaints).
  virtual void GetChange(vcl::TObject* Sender);

  // IZYLBackground: this control as a supplier forwards to its own parent's background.
  vcl::TBitmap* BackBitmap() override;
  bool BackBitmapCheck() override;
  // Copies the part of the parent's background under the control, from Source (control
  // coordinates) and as large as DestRect, into DestRect of Canvas; always true.
  bool BackDrawArea(vcl::TCanvas* Canvas, const vcl::TRect& DestRect, const vcl::TPoint& Source,
                    uint16_t Flags) override;
  bool isTransparentSet() override { return false; }
  vcl::TPoint BackMapPoint(const vcl::TPoint& Point) override;
  win::HPALETTE BackBitmapPalette() override { return ZYLBackBitmapPalette(this); }
  void BackUpdate() override {}
  vcl::TControl* BackControl(int) override { return nullptr; }
  int BackControlCount() override { return 0; }

  const TZYLBoundsChangeEvent& GetOnBoundsChange() const { return FOnBoundsChange; }
  void SetOnBoundsChange(const TZYLBoundsChangeEvent& E) { FOnBoundsChange = E; }
  const vcl::TNotifyEvent& GetOnMouseEnter() const { return FOnMouseEnter; }
  void SetOnMouseEnter(const vcl::TNotifyEvent& E) { FOnMouseEnter = E; }
  const vcl::TNotifyEvent& GetOnMouseExit() const { return FOnMouseExit; }
  void SetOnMouseExit(const vcl::TNotifyEvent& E) { FOnMouseExit = E; }
  bool MouseAbove() const { return FMouseAbove; }

 protected:
  virtual void DoThemeChanged();
  // Fills the client rectangle with Color.
  void FillControl();
  // The dotted design-time frame round the client area.
  void DrawDashedFrame();
  virtual void BoundsChange(TZYLBoundsChangeStates State);
  virtual void MouseEnter();
  virtual void MouseExit();
  void CMMouseEnter(vcl::TMessage& Message);
  void CMMouseLeave(vcl::TMessage& Message);

  bool FCtlXP = true;
  int FUpdateCount = 0;
  bool FMouseAbove = false;

 protected:
  TZYLBoundsChangeEvent FOnBoundsChange;
  vcl::TNotifyEvent FOnMouseEnter;
  vcl::TNotifyEvent FOnMouseExit;
};

// ---- TZYLBaseControl ----
// Its image list reference (TZYLImageListClient) repaints on every change.
class TZYLBaseControl : public TZYLControl, public TZYLImageListClient {
  ZYL_CLASS(TZYLBaseControl, TZYLControl)
  explicit TZYLBaseControl(vcl::TComponent* AOwner);
  ~TZYLBaseControl() override;

  // Stores ImageIndex without repainting.
  void SetImageIndex(int Value) { FImageIndex = Value; }
  TZYLBitmapEffectObject* BackFX() const { return FBackFX.get(); }
  void SetBackFX(TZYLBitmapEffectObject* Value);
  vcl::TRect GetScreenRect(const vcl::TRect& Rect);
  void BackUpdate() override;

 protected:
  void GetIMLChange(vcl::TObject* Sender) override;
  virtual bool CheckOptimized() { return false; }
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void DefineProperties(vcl::TFiler* Filer) override;

  TZYLOwned<TZYLBitmapEffectObject> FBackFX;
};

// ---- TZYLBaseGraphicControl ----
class TZYLBaseGraphicControl : public TZYLBaseControl {
  ZYL_CLASS(TZYLBaseGraphicControl, TZYLBaseControl)
  ZYL_MESSAGES(TZYLBaseGraphicControl)
  explicit TZYLBaseGraphicControl(vcl::TComponent* AOwner);

  bool Transparent() const { return FTransparent; }
  // Toggles csOpaque and sends CM_ZYLTRANSPARENTCHANGED to the control.
  void SetTransparent(bool Value);
  bool isTransparentSet() override { return FTransparent; }
  // Switches transparency off and sets csOpaque (without a message).
  void DisableTransMode();
  // Nothing while updating; Invalidate when transparent, otherwise Paint at once.
  void InvalidateControl();
  void GetChange(vcl::TObject* Sender) override;
  bool CheckOptimized() override;

 protected:
  void Paint() override;
  void CMTransparentChanged(vcl::TMessage& Message);

  bool FTransparent = true;
  bool FDrawing = false;  // set by descendants while they paint
};

// ---- TZYLGraphicControl ----
class TZYLGraphicControl : public TZYLBaseGraphicControl {
  ZYL_CLASS(TZYLGraphicControl, TZYLBaseGraphicControl)
  explicit TZYLGraphicControl(vcl::TComponent* AOwner);
  ~TZYLGraphicControl() override;

  TZYLBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TZYLBevel* Value);
  int BevelExt() const;
  int DblBevelExt() const { return 2 * BevelExt(); }
  vcl::TRect BeveledRect();

 protected:
  // Draws the background (the parent's background when transparent and available, Color
  // when opaque), then the bevel; the design-time frame when the bevel is empty.
  void Paint() override;
  void PaintBackground();

  TZYLOwned<TZYLBevel> FBevel;
};

}  // namespace zyl
