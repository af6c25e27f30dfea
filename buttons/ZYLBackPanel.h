// TZYLBackPanel: a container whose background is an image list's picture (ImageList,
// ListIndex, ImageIndex) tiled over its client area on its colour; its transparent children
// show that picture.
#pragma once

#include <memory>

#include "buttons/ZYLCustomParentPanel.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLBackPanel : public TZYLCustomParentPanel {
  ZYL_CLASS(TZYLBackPanel, TZYLCustomParentPanel)
  explicit TZYLBackPanel(vcl::TComponent* AOwner);
  ~TZYLBackPanel() override;

  // The picture taken from the image list (null when the list has none at the indices).
  vcl::TBitmap* Picture() const { return FPicture.get(); }

 protected:
  void PaintBackground(vcl::TCanvas* Canvas, const vcl::TRect& Rect) override;
  // Takes the picture anew, refreshes the children's background and repaints.
  void GetIMLChange(vcl::TObject* Sender) override;

 private:
  std::unique_ptr<vcl::TBitmap> FPicture;
};

inline constexpr vcl::TUnitEntry ZYLBackPanelUnit = vcl::ClassesUnit<TZYLBackPanel>("ZYLBackPanel");

}  // namespace zyl
