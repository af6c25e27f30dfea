// TZYLCustomPanelFill: a parent panel with a fill object (FillObject), an effect caption
// (FontFX) and its Caption drawn inside the bevel at the caption Alignment (agCenter). The
// base of the static text, the status bar and the published fill panel.
#pragma once

#include "buttons/ZYLCustomParentPanel.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYLFillObject;
class TZYLFxCaption;

class TZYLCustomPanelFill : public TZYLCustomParentPanel {
  ZYL_CLASS(TZYLCustomPanelFill, TZYLCustomParentPanel)
  explicit TZYLCustomPanelFill(vcl::TComponent* AOwner);
  ~TZYLCustomPanelFill() override;

  void Assign(vcl::TPersistent* Source) override;

  // The owned fill and effect caption; the setters assign into them.
  TZYLFillObject* FillObject() const { return FFillObject.get(); }
  void SetFillObject(TZYLFillObject* Value);
  TZYLFxCaption* FontFX() const { return FFontFX.get(); }
  void SetFontFX(TZYLFxCaption* Value);
  TZYLAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TZYLAlignment Value);

  // The face controller's fill for the current state, else the own fill object.
  TZYLFillObject* GetFillObject() override;
  // Nothing to show: no fill, no bevel and no caption.
  virtual bool GetEmpty();
  // Not while updating. A FontFX change gives the canvas the font (a turned caption needs a
  // TrueType font: another one becomes "Arial"); other senders (not while loading, reading or
  // destroying) rebuild the background: a bevel change is announced to the panel
  // (CM_ZYLBEVELCHANGED) and its children (CM_COLORCHANGED) and realigns them; a change of the
  // fill or back effect also refreshes the children's background; then the panel repaints.
  void GetChange(vcl::TObject* Sender) override;

 protected:
  void Loaded() override;
  // Background, then unless empty the bevel and the caption; an empty panel shows a dashed
  // frame at design time. Nothing while loading.
  void Paint() override;
  // Draws Caption into Rect (inside the bevel) at Alignment with FontFX.
  virtual void DrawCaption(const vcl::TRect& Rect, TZYLAlignment Alignment);
  // The text DrawCaption shows.
  virtual std::string GetLabelText();
  // Copies the image-list item at ListIndex / ImageIndex into the fill's list bitmap (clears
  // it when there is none), then repaints.
  void GetIMLChange(vcl::TObject* Sender) override;

  TZYLOwned<TZYLFillObject> FFillObject;
  TZYLOwned<TZYLFxCaption> FFontFX;
  TZYLAlignment FAlignment = agCenter;
};

}  // namespace zyl
