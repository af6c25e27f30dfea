// TZYLCustomBevelPanel: a panel with a border bevel (Bevel). Children align inside the bevel.
// A flat panel paints its border in the bevel's look only while it is hot (mouse above) or
// focused, and otherwise shows its background there. A bevel in bmWindows mode is the
// window's own border (WS_EX_CLIENTEDGE with Ctl3D, else WS_BORDER), drawn by the system.
#pragma once

#include "buttons/ZYLCustomPanel.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYLBevel;

class TZYLCustomBevelPanel : public TZYLCustomPanel {
  ZYL_CLASS(TZYLCustomBevelPanel, TZYLCustomPanel)
  ZYL_MESSAGES(TZYLCustomBevelPanel)
  explicit TZYLCustomBevelPanel(vcl::TComponent* AOwner);
  ~TZYLCustomBevelPanel() override;

  void Assign(vcl::TPersistent* Source) override;

  TZYLBevel* Bevel() const { return FBevel.get(); }
  TZYLBevel* GetBevel() const { return FBevel.get(); }
  // Assigns into the owned bevel.
  void SetBevel(TZYLBevel* Value);
  // The bevel's extent on each side, twice that, and the client rectangle inside the bevel.
  int BevelExt() const;
  int DblBevelExt() const { return 2 * BevelExt(); }
  vcl::TRect BeveledRect();
  // With NoHandleUpdate a change of the bevel repaints instead of re-creating the window.
  bool NoHandleUpdate() const { return FNoHandleUpdate; }
  void SetNoHandleUpdate(bool Value) { FNoHandleUpdate = Value; }

  // Nothing while loading, reading or destroying; a change of the own bevel re-creates the
  // window (or repaints with NoHandleUpdate) and realigns the children; other senders go on to
  // the control's handler.
  void GetChange(vcl::TObject* Sender) override;
  void AlignControls(vcl::TControl* AControl, vcl::TRect& Rect) override;

 protected:
  void CreateParams(vcl::TCreateParams& Params) override;
  void Paint() override;
  // The bevel in its front (hot or focused) look, unless the window draws it (bmWindows).
  void RestoreBorderFront() override;
  // The border strips in the back look of a flat control: the background shows through.
  void RestoreBorderBack() override;
  // Paints the border as it should look now (front or back).
  virtual void PaintBorder(vcl::TCanvas* Canvas);
  // Whether the border shows its front look: not flat, or hot, or focused.
  bool BorderInFront();
  void DoEnter() override;
  void MouseEnter() override;
  void DoThemeChanged() override;
  void CMZYLBevelChanged(vcl::TMessage& Message);

  TZYLOwned<TZYLBevel> FBevel;
  bool FNoHandleUpdate = false;

 private:
  // The window styles the bevel asked for when the window was made.
  bool FWindowsBorder = false;
};

}  // namespace zyl
