// TZYLImageListClient: how a component or control shows one picture of an image list. It holds
// the list through a change link and a free notification of the client component, and the
// item's ImageIndex and ListIndex; every change of them reaches the client's GetIMLChange. The
// non-visual components, the graphic controls and the windowed controls of the library share
// it as a second base beside their framework base.
#pragma once

#include "foundation/ZYLClass.h"
#include "foundation/ZYLOwned.h"
#include "platform/classes/Component.h"

namespace zyl {

class TZYLChangeLink;
class TZYLCustomImageList;

class TZYLImageListClient {
 public:
  TZYLImageListClient(const TZYLImageListClient&) = delete;
  TZYLImageListClient& operator=(const TZYLImageListClient&) = delete;

  TZYLCustomImageList* ImageList() const { return FImageList; }
  // Moves the change link and the free notification to the new list, then GetIMLChange with
  // the list; the same list does nothing.
  void SetImageList(TZYLCustomImageList* Value);
  // Index 0 ImageIndex, 1 ListIndex; a changed value calls GetIMLChange with the client (under
  // irListed only a value of at least 0, and the call only while a list is set).
  int GetIndex(int Index) const { return Index == iiImageIndex ? FImageIndex : FListIndex; }
  void SetIndex(int Index, int Value);
  int ImageIndex() const { return FImageIndex; }
  int ListIndex() const { return FListIndex; }
  // True when no list is set or it has no image at ListIndex / ImageIndex.
  bool IMLEmpty() const;
  // ImageList is written as a component reference unless it is a list of the global container
  // (that one goes as "Internal").
  bool IsImageListStored() const;

 protected:
  // How SetIndex takes a value: irAny stores every value and reports each change; irListed
  // ignores negative values and reports a change only while a list is set (an index means
  // nothing without one).
  enum TIndexRule { irAny, irListed };

  // Client is the component that derives from this class; the link's owner and the one the
  // list's free notification reaches. The deriving class makes FChangeLink.
  explicit TZYLImageListClient(vcl::TComponent* Client, TIndexRule Rule = irAny);
  ~TZYLImageListClient();

  // For the client's Notification: when AComponent is the list being removed, leaves it through
  // the link, forgets it and answers true (the client decides whether to call GetIMLChange).
  bool ForgetRemovedList(vcl::TComponent* AComponent, vcl::TOperation Operation);
  // For the client's destructor, while the component is still whole: leaves the list and frees
  // the change link.
  void ReleaseImageList();

  // Called when the list changes, another list is set or an index changes.
  virtual void GetIMLChange(vcl::TObject* Sender) = 0;

  TZYLCustomImageList* FImageList = nullptr;
  TZYLOwned<TZYLChangeLink> FChangeLink;
  int FImageIndex = 0;
  int FListIndex = 0;

 private:
  vcl::TComponent* FClient;
  TIndexRule FIndexRule;
};

}  // namespace zyl
