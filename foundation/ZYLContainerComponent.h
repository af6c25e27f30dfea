// TZYLContainerComponent: the base of the non-visual components that show a picture of an
// image list (the dialog components). It holds the list through a change link and a free
// notification, so that a change of the list reaches GetIMLChange and a freed list is
// forgotten. A list of the global container is written to form streams as the extra property
// "Internal" holding its signature, and found again by that signature when the form is read.
#pragma once

#include <string>

#include "foundation/ZYLCustomComponent.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYLChangeLink;
class TZYLCustomImageList;

class TZYLContainerComponent : public TZYLCustomComponent {
  ZYL_CLASS(TZYLContainerComponent, TZYLCustomComponent)
  explicit TZYLContainerComponent(vcl::TComponent* AOwner);
  ~TZYLContainerComponent() override;

  TZYLCustomImageList* ImageList() const { return FImageList; }
  // Moves the change link and the free notification to the new list, then GetIMLChange.
  void SetImageList(TZYLCustomImageList* Value);
  // Index 0 ImageIndex, 1 ListIndex; a changed value calls GetIMLChange.
  int GetIndex(int Index) const { return Index == iiImageIndex ? FImageIndex : FListIndex; }
  void SetIndex(int Index, int Value);
  int ImageIndex() const { return FImageIndex; }
  int ListIndex() const { return FListIndex; }
  // ImageList is written as a component reference unless it is a list of the global container
  // (that one goes as "Internal").
  bool IsImageListStored() const;

  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void DefineProperties(vcl::TFiler* Filer) override;

 protected:
  // Called when the list changes, another list is set, an index changes or the list is freed
  // (Sender is then null). The base runs the component's change handler.
  virtual void GetIMLChange(vcl::TObject* Sender);

  TZYLCustomImageList* FImageList = nullptr;
  TZYLOwned<TZYLChangeLink> FChangeLink;
  int FImageIndex = 0;
  int FListIndex = 0;

 private:
  void ReadInternal(vcl::TReader* Reader);
  void WriteInternal(vcl::TWriter* Writer);
  // The signature read while loading; Loaded turns it into the global list.
  std::string FPendingIdent;
};

}  // namespace zyl
