// TZYLContainerComponent: the base of the non-visual components that show a picture of an
// image list (the dialog components). It holds the list through a change link and a free
// notification, so that a change of the list reaches GetIMLChange and a freed list is
// forgotten. A list of the global container is written to form streams as the extra property
// "Internal" holding its signature, and found again by that signature when the form is read.
#pragma once

#include <string>

#include "foundation/ZYLCustomComponent.h"
#include "foundation/ZYLImageListClient.h"

namespace zyl {

class TZYLContainerComponent : public TZYLCustomComponent, public TZYLImageListClient {
  ZYL_CLASS(TZYLContainerComponent, TZYLCustomComponent)
  explicit TZYLContainerComponent(vcl::TComponent* AOwner);
  ~TZYLContainerComponent() override;

  // Also forgets a signature still waiting for Loaded.
  void SetImageList(TZYLCustomImageList* Value);

  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void DefineProperties(vcl::TFiler* Filer) override;

 protected:
  // Called when the list changes, another list is set, an index changes or the list is freed
  // (Sender is then null). The base runs the component's change handler.
  void GetIMLChange(vcl::TObject* Sender) override;

 private:
  void ReadInternal(vcl::TReader* Reader);
  void WriteInternal(vcl::TWriter* Writer);
  // The signature read while loading; Loaded turns it into the global list.
  std::string FPendingIdent;
};

}  // namespace zyl
