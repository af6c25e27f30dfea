// The library's scroll box: TZYLCustomScrollBox, a scroll box with a bevel in its frame
// (TZYLScrollBoxBevel, the system's own border by default), transparency over its parent's
// background and themed-look switch, and the published TZYLScrollBox. Its children hear
// CM_ZYLSCROLLBOXSCROLLEVENT whenever the box scrolls. With InstantUpdate the contents follow
// a dragged scroll-bar thumb at once, whatever the bars' Tracking.
#pragma once

#include <memory>

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLOwned.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TControlCanvas;
}

namespace zyl {

// A bevel whose Mode starts as bmWindows (the system's border).
class TZYLScrollBoxBevel : public TZYLBevel {
  ZYL_CLASS(TZYLScrollBoxBevel, TZYLBevel)
  TZYLScrollBoxBevel();
};

class TZYLCustomScrollBox : public vcl::TCustomScrollBox {
  ZYL_CLASS(TZYLCustomScrollBox, vcl::TCustomScrollBox)
  ZYL_MESSAGES(TZYLCustomScrollBox)
  explicit TZYLCustomScrollBox(vcl::TComponent* AOwner);
  ~TZYLCustomScrollBox() override;

  TZYLAboutVar About() const { return {}; }
  void SetAbout(const TZYLAboutVar&) {}
  TZYLScrollBoxBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TZYLScrollBoxBevel* Value);
  bool CtlXP() const { return FCtlXP; }
  void SetCtlXP(bool Value);
  bool Transparent() const { return FTransparent; }
  // Stores the value and sends CM_ZYLTRANSPARENTCHANGED to the box itself.
  void SetTransparent(bool Value);
  bool InstantUpdate() const { return FInstantUpdate; }
  void SetInstantUpdate(bool Value);
  vcl::TCanvas* Canvas() const;
  // The width of the bevel's band in the frame (0 for the system's border).
  int BevelExt() const;

  // A change of the bevel re-creates the window (its frame changes).
  virtual void GetChange(vcl::TObject* Sender);

 protected:
  void CreateParams(vcl::TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  // The background: the parent's when transparent, otherwise the colour.
  void PaintWindow(win::HDC DC) override;
  void WMNCCalcSize(vcl::TMessage& Message);
  void WMNCPaint(vcl::TMessage& Message);
  void WMPrint(vcl::TMessage& Message);
  void WMScrollBox(vcl::TMessage& Message);
  void WMEraseBkgndBox(vcl::TWMEraseBkgnd& Message);
  // Paints through PaintWindow (the framework's scroll box leaves painting to the system).
  void WMPaintBox(vcl::TWMPaint& Message);
  void CMTransparentChanged(vcl::TMessage& Message);
  // Paints the bevel into the window's frame (into `DC` when given, as ZYLPaintWindowFrame).
  void PaintFrame(win::HDC DC = nullptr);

  bool FCtlXP = true;
  bool FTransparent = false;
  bool FInstantUpdate = true;

 private:
  TZYLOwned<TZYLScrollBoxBevel> FBevel;
  std::unique_ptr<vcl::TControlCanvas> FCanvas;
};

class TZYLScrollBox : public TZYLCustomScrollBox {
  ZYL_CLASS(TZYLScrollBox, TZYLCustomScrollBox)
  explicit TZYLScrollBox(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLScrollBoxUnit = vcl::ClassesUnit<TZYLScrollBox>("ZYLScrollBox");

}  // namespace zyl
