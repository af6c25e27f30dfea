// TComponent: named objects in an ownership tree. An owner frees its components; components
// are told (Notification) when others are inserted or removed, and free notifications link
// components of different owners so that references can be cleared.
//
// Destruction: the destructor announces csDestroying, tells every component linked by free
// notification, frees the owned components (last first) and leaves its owner. Notification
// calls made from there reach the TComponent level of this object only (the derived parts
// are already gone), so a class whose own Notification matters while its components are
// freed calls Destroying() and DestroyComponents() at the start of its own destructor.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/Persistent.h"

namespace vcl {

enum TComponentStateItem : uint8_t {
  csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups,
  csFreeNotification, csInline, csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

enum TComponentStyleItem : uint8_t { csInheritable, csCheckPropAvail, csSubComponent, csTransient };
using TComponentStyle = TSet<TComponentStyleItem>;

enum TOperation : uint8_t { opInsert, opRemove };

using TGetChildProc = std::function<void(TComponent* Child)>;

// True for Pascal identifiers: a letter or '_' followed by letters, digits or '_'.
bool IsValidIdent(const std::string& ident);

class TComponent : public TPersistent {
  ZYL_CLASS(TComponent, TPersistent)
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  // Raises EListError "List index out of bounds (%d)" outside 0..ComponentCount-1.
  TComponent* Components(int index) const;
  // Position in the owner's list (-1 without owner); setting it moves the component.
  int ComponentIndex() const;
  void SetComponentIndex(int value);
  // Owned component by name, case-insensitive; nullptr for "" or when absent.
  TComponent* FindComponent(const std::string& AName) const;
  // How many times a name has left the index of owned components (a component freed, renamed
  // or given to another owner): whoever remembers which names are taken knows by it whether
  // one may have come free since.
  uint64_t NamesFreed() const { return namesFreed_; }
  // A value a caller derived from the owned components, kept under the caller's key until the
  // list of owned components changes (a component inserted, removed or moved), so that asking
  // again does not walk the list. Recall answers whether a value is kept under Key.
  void KeepOfComponents(const void* Key, void* Value);
  bool RecallOfComponents(const void* Key, void*& Value) const;

  const std::string& Name() const { return name_; }
  // Validates: "'%s' is not a valid component name." and, among the owner's components,
  // "A component named %s already exists." (both EComponentError).
  virtual void SetName(const std::string& NewName);
  int32_t Tag() const { return tag_; }
  void SetTag(int32_t value) { tag_ = value; }
  // Design position of non-visual components: left in the low word, top in the high word.
  int32_t DesignInfo() const { return designInfo_; }
  void SetDesignInfo(int32_t value) { designInfo_ = value; }

  TComponentState ComponentState() const { return state_; }
  TComponentStyle ComponentStyle() const { return style_; }

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  // Frees the owned components, the last first.
  void DestroyComponents();
  // Enters csDestroying for this component and its owned components.
  void Destroying();

  // Links this component and AComponent so that each hears of the other's destruction
  // (opRemove). Within one owner the owner's broadcast suffices.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);
  // For a component whose Notification acts on opInsert only in some of its states: while
  // Value is false its owner leaves it out of insert broadcasts, as if its class ignored them
  // (it still hears them when it owns components, to pass them on). True by default.
  void HearInserts(bool Value);

  // Sent by an owner to its components (and on to theirs) when a component is inserted or
  // removed, and to the components linked by FreeNotification. Owners skip components that
  // cannot react: fully built, of a class declared with ZYL_CLASS that keeps this base
  // Notification (or ignores opInsert, for insertions), with no components and no free
  // notifications. Everything else hears every broadcast, as the framework does. A component
  // counts as built once AfterConstruction ran (the class factories call it) or, for one made
  // with `new`, once the next component joins the same owner: its type is then judged by what
  // it is at that moment, which is its final type unless a base class's constructor of it is
  // still running and adding siblings to its owner.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  void AfterConstruction() override;
  // Called after the whole form stream is read; clears csLoading.
  virtual void Loaded();
  void SetDesigning(bool Value, bool SetChildren = true);
  void SetAncestor(bool Value);
  void SetInline(bool Value);
  // Updating/Updated bracket csUpdating.
  virtual void Updating();
  virtual void Updated();

  // Streaming of one component (defined with the form streams in Filer.cpp).
  virtual void ReadState(TReader* Reader);
  virtual void WriteState(TWriter* Writer);
  // The components a writer writes as this component's children (none by default; roots
  // such as forms and data modules list their owned components).
  virtual void GetChildren(const TGetChildProc& Proc, TComponent* Root);
  // The owner and parent given to children read from a stream.
  virtual TComponent* GetChildOwner();
  virtual TComponent* GetChildParent();
  virtual void SetChildOrder(TComponent* Child, int Order);
  virtual bool HasParent() const;
  virtual TComponent* GetParentComponent() const;
  virtual void SetParentComponent(TComponent* Value);

  std::string GetNamePath() override;
  TPersistent* GetOwner() override;
  // Streams the design position as "Left" and "Top" (the words of DesignInfo) where they
  // differ from the ancestor's (or from 0). Controls, which publish their own Left and Top,
  // override this without calling it.
  void DefineProperties(TFiler* Filer) override;

  // State changes used by the form streams.
  void SetComponentStateFlag(TComponentStateItem item, bool on);

 protected:
  virtual void ValidateRename(TComponent* AComponent, const std::string& CurName,
                              const std::string& NewName);
  // Insertion checks: the component asks the container (ValidateContainer), which may refuse
  // by raising in ValidateInsert.
  virtual void ValidateContainer(TComponent* AContainer);
  virtual void ValidateInsert(TComponent* AComponent);
  virtual void ChangeName(const std::string& NewName);
  // Points the owner's published field named like this component at it (or clears it).
  void SetReference(bool Enable);

 private:
  struct TNameIndex;
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  // Judges from the class information whether this component can skip broadcasts, and leaves
  // the owner's lists it does not need.
  void Classify();
  void RemoveNotification(TComponent* AComponent);
  void IndexName(TComponent* AComponent, bool add);
  bool NeedsBroadcast() const { return !quiet_ || !components_.empty() || !freeNotifies_.empty(); }
  // Listed components hear opInsert unless their class ignores it (or they asked not to) and
  // none of the components they own hears it to have it passed on.
  bool WantsInserts() const { return (!ignoresInsert_ && !insertsMuted_) || !insertList_.empty(); }
  bool HearsInserts() const { return listed_ && WantsInserts(); }
  // After this component's own insert list gained or lost its first member: joins or leaves
  // its owner's insert list (and so on up the owners).
  void InsertListGrew();
  void InsertListShrank();
  void Unlist(std::vector<TComponent*>& list, TComponent* AComponent);
  void RebuildNotifyList();
  // Puts this component back into its owner's broadcast list when it starts to need it.
  void EnsureListed();

  TComponent* owner_ = nullptr;
  std::string name_;
  int32_t tag_ = 0;
  int32_t designInfo_ = 0;
  TComponentState state_;
  TComponentStyle style_ = {csInheritable};
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::vector<TComponent*> notifyList_;  // the components that hear broadcasts, in list order
  std::vector<TComponent*> insertList_;  // those of them that hear opInsert
  bool quiet_ = false;
  bool ignoresInsert_ = false;
  bool listed_ = false;        // in the owner's notifyList_
  bool insertListed_ = false;  // in the owner's insertList_
  bool classified_ = false;
  bool insertsMuted_ = false;      // HearInserts(false)
  TComponent* pending_ = nullptr;  // the last component inserted, not yet classified
  std::unique_ptr<TNameIndex> names_;
  uint64_t namesFreed_ = 0;
  std::vector<std::pair<const void*, void*>> kept_;  // KeepOfComponents, dropped on changes
};

using TComponentClass = TClass;

}  // namespace vcl
