// Change notification between controllers (image lists, containers, the face controller) and
// their subscribers: TZYLChangeLink and TZYLBaseController.
#pragma once

#include <vector>

#include "foundation/ZYLCustomComponent.h"
#include "platform/classes/Events.h"

namespace zyl {

class TZYLBaseController;

// A subscriber: its Change calls OnChange(Sender) when assigned. Freeing a registered link
// unregisters it from its controller.
class TZYLChangeLink : public vcl::TObject {
  ZYL_CLASS(TZYLChangeLink, vcl::TObject)
  TZYLChangeLink() = default;
  ~TZYLChangeLink() override;

  vcl::TObject* Sender() const { return FSender; }
  void SetSender(vcl::TObject* Value) { FSender = Value; }
  const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(const vcl::TNotifyEvent& Value) { FOnChange = Value; }
  virtual void Change();
  // Leaves the controller the link is registered with, if any. Safe while that controller is
  // being destroyed: its destructor has unregistered every link by then.
  void Unregister();

 protected:
  vcl::TNotifyEvent FOnChange;

 private:
  friend class TZYLBaseController;
  vcl::TObject* FSender = nullptr;
  TZYLBaseController* FController = nullptr;
};

class TZYLBaseController : public TZYLCustomComponent {
  ZYL_CLASS(TZYLBaseController, TZYLCustomComponent)
  explicit TZYLBaseController(vcl::TComponent* AOwner);
  // Unregisters the links last to first.
  ~TZYLBaseController() override;

  // Adds the link (once) and sets its Sender to the controller; a link registered with
  // another controller moves here.
  void RegisterChanges(TZYLChangeLink* Link);
  // Removes the link and clears its Sender.
  void UnRegisterChanges(TZYLChangeLink* Link);
  int LinkCount() const { return static_cast<int>(FLinks.size()); }
  TZYLChangeLink* Link(int Index) const { return FLinks.at(Index); }
  // Fires OnChange and calls every registered link (unless updating).
  void Change() override;

 private:
  std::vector<TZYLChangeLink*> FLinks;
};

}  // namespace zyl
