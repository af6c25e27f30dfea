// TZYLCustomPanel: the base of the library's panels (and of the track bar). A windowed control
// that accepts children and supplies its background to transparent children: the picture of
// what it paints under them (the parent's background when transparent, otherwise its fill or
// colour), run through the back effect when one is active, kept in a buffer until its size or
// look changes.
#pragma once

#include <cstdint>
#include <memory>

#include "foundation/ZYLCustomControl.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLCustomPanel : public TZYLCustomControl {
  ZYL_CLASS(TZYLCustomPanel, TZYLCustomControl)
  ZYL_MESSAGES(TZYLCustomPanel)
  explicit TZYLCustomPanel(vcl::TComponent* AOwner);
  ~TZYLCustomPanel() override;

  // The About property the panels publish; it holds nothing.
  TZYLAboutVar About() const { return {}; }
  void SetAbout(const TZYLAboutVar&) {}

  // IZYLBackground: the panel's own background, in client coordinates.
  vcl::TBitmap* BackBitmap() override;
  bool BackBitmapCheck() override;
  vcl::TPoint BackMapPoint(const vcl::TPoint& Point) override { return Point; }
  // Copies the background from Source (client coordinates) into DestRect of Canvas, as large
  // as DestRect; parts outside the panel are left alone. False when there is no background.
  bool BackDrawArea(vcl::TCanvas* Canvas, const vcl::TRect& DestRect, const vcl::TPoint& Source,
                    uint16_t Flags) override;
  // Drops the buffered background and tells the children that take it.
  void BackUpdate() override;
  // A change of an owned object drops the buffered background, then repaints.
  void GetChange(vcl::TObject* Sender) override;

 protected:
  void Paint() override;
  // Paints the panel's background (without bevel or caption) into Rect of Canvas, Rect being
  // the whole client area moved to where it lands on Canvas.
  virtual void PaintBackground(vcl::TCanvas* Canvas, const vcl::TRect& Rect);
  // Builds the buffered background (the client area through PaintBackground and BackFX).
  void CreateBack();
  void DropBack();
  void WMSize(vcl::TWMSize& Message);
  void CMColorChanged(vcl::TMessage& Message);
  void CMTransparentChangedPanel(vcl::TMessage& Message);

 private:
  std::unique_ptr<vcl::TBitmap> FBack;
};

}  // namespace zyl
