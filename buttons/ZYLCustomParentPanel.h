// TZYLCustomParentPanel: a bevel panel that notices the removal of its image list.
#pragma once

#include "buttons/ZYLCustomBevelPanel.h"

namespace zyl {

class TZYLCustomParentPanel : public TZYLCustomBevelPanel {
  ZYL_CLASS(TZYLCustomParentPanel, TZYLCustomBevelPanel)
  explicit TZYLCustomParentPanel(vcl::TComponent* AOwner);

  // Set once the image list was removed (and ImageList cleared) by a notification.
  bool ImageListRemoved() const { return FImageListRemoved; }

 protected:
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

  bool FImageListRemoved = false;
};

}  // namespace zyl
