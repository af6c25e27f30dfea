// Actions: commands kept apart from the controls and menu items that run them. An action holds
// a caption, a state (enabled, checked, visible), a hint, an image index, a shortcut and a help
// context, and its OnExecute handler; the clients linked to it (through an action link) take
// those over and run the action when they are clicked. Actions live in an action list, which
// sees every execution and update first and streams its actions as its children. The
// application asks every visible form to update its clients' actions while it is idle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Menus.h"

namespace vcl {

class TBasicAction;
class TBasicActionLink;
class TCustomActionList;

using THintEvent = TEvent<void(std::string& HintStr, bool& CanShow)>;
using TActionEvent = TEvent<void(TBasicAction* Action, bool& Handled)>;

// ---------------------------------------------------------------------------------------------
// The actions

class TBasicAction : public TComponent {
  ZYL_CLASS(TBasicAction, TComponent)
  explicit TBasicAction(TComponent* AOwner);
  // The links still registered lose their action.
  ~TBasicAction() override;

  // Runs OnExecute; true when a handler took the action.
  virtual bool Execute();
  // Runs OnUpdate; true when a handler took the update.
  virtual bool Update();

  // The links of the clients.
  void RegisterChanges(TBasicActionLink* Value);
  void UnRegisterChanges(TBasicActionLink* Value);
  int ClientCount() const { return static_cast<int>(clients_.size()); }
  // The client that runs the action while it runs (null otherwise).
  TComponent* ActionComponent() const { return actionComponent_; }
  void SetActionComponent(TComponent* Value) { actionComponent_ = Value; }

  const TNotifyEvent& OnExecute() const { return onExecute_; }
  // Also hands the handler to the clients that still click with the old one.
  void SetOnExecute(const TNotifyEvent& Value);
  const TNotifyEvent& OnUpdate() const { return onUpdate_; }
  void SetOnUpdate(const TNotifyEvent& Value) { onUpdate_ = Value; }
  // Called after every change of the action's properties.
  TNotifyEvent OnChange;

 protected:
  virtual void Change();
  std::vector<TBasicActionLink*> clients_;

 private:
  TNotifyEvent onExecute_;
  TNotifyEvent onUpdate_;
  TComponent* actionComponent_ = nullptr;
};

// An action kept in an action list, under a category.
class TContainedAction : public TBasicAction {
  ZYL_CLASS(TContainedAction, TBasicAction)
  explicit TContainedAction(TComponent* AOwner);
  ~TContainedAction() override;

  // The list's OnExecute first, then the application's OnActionExecute, then OnExecute.
  bool Execute() override;
  // The list's OnUpdate first, then the application's OnActionUpdate, then OnUpdate.
  bool Update() override;

  TCustomActionList* ActionList() const { return actionList_; }
  void SetActionList(TCustomActionList* Value);
  const std::string& Category() const { return category_; }
  void SetCategory(const std::string& Value);
  // The position in the list (-1 without a list).
  int Index() const;
  void SetIndex(int Value);

  // Streamed as a child of its list; one without a list streams as a component of the form.
  bool HasParent() const override { return actionList_ != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void ReadState(TReader* Reader) override;

 private:
  friend class TCustomActionList;
  TCustomActionList* actionList_ = nullptr;
  std::string category_;
};

class TCustomAction : public TContainedAction {
  ZYL_CLASS(TCustomAction, TContainedAction)
  explicit TCustomAction(TComponent* AOwner);

  // Updates the state first; a disabled action does not run. AutoCheck toggles Checked first
  // (an action of a group only turns checked).
  bool Execute() override;
  // When no handler took the update, an enabled action with DisableIfNoHandler is enabled only
  // while it has an OnExecute.
  bool Update() override;

  // Each setter hands the value to the clients whose property still follows the action, then
  // stores it.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  bool Checked() const { return checked_; }
  // Checking an action of a group (GroupIndex > 0) unchecks the others of its list's group.
  void SetChecked(bool Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  int32_t HelpContext() const { return helpContext_; }
  void SetHelpContext(int32_t Value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value);
  int32_t ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int32_t Value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool Value) { autoCheck_ = Value; }
  int32_t GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int32_t Value);
  bool DisableIfNoHandler() const { return disableIfNoHandler_; }
  void SetDisableIfNoHandler(bool Value) { disableIfNoHandler_ = Value; }
  THintEvent OnHint;
  void SetOnHint(const THintEvent& E) { OnHint = E; }

 private:
  // Calls Set on every client link that is an action link.
  template <class F>
  void ForEachLink(F Set);
  // Unchecks the other actions of the list with this one's GroupIndex (> 0).
  void UncheckGroup();

  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  int32_t helpContext_ = 0;
  std::string hint_;
  int32_t imageIndex_ = -1;
  TShortCut shortCut_ = 0;
  bool visible_ = true;
  bool autoCheck_ = false;
  int32_t groupIndex_ = 0;
  bool disableIfNoHandler_ = true;
};

class TAction : public TCustomAction {
  ZYL_CLASS(TAction, TCustomAction)
  explicit TAction(TComponent* AOwner);
};

// ---------------------------------------------------------------------------------------------
// The action list

class TCustomActionList : public TComponent {
  ZYL_CLASS(TCustomActionList, TComponent)
  explicit TCustomActionList(TComponent* AOwner);
  // Frees its actions.
  ~TCustomActionList() override;

  int ActionCount() const { return static_cast<int>(actions_.size()); }
  // EListError outside 0..ActionCount-1.
  TContainedAction* Actions(int Index) const;
  int IndexOf(const TContainedAction* Action) const;
  // OnExecute / OnUpdate of the list; true when the handler took the action.
  virtual bool ExecuteAction(TBasicAction* Action);
  virtual bool UpdateAction(TBasicAction* Action);
  // Runs the action whose shortcut the key gives; false when there is none or it did not run.
  bool IsShortCut(TWMKey& Message);

  TComponent* Images() const { return images_; }
  void SetImages(TComponent* Value);
  TNotifyEvent OnChange;
  TActionEvent OnExecute;
  TActionEvent OnUpdate;
  void SetOnChange(const TNotifyEvent& E) { OnChange = E; }
  void SetOnExecute(const TActionEvent& E) { OnExecute = E; }
  void SetOnUpdate(const TActionEvent& E) { OnUpdate = E; }

  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  virtual void Change();

 private:
  friend class TContainedAction;
  void AddAction(TContainedAction* Action);
  void RemoveAction(TContainedAction* Action);
  void MoveAction(TContainedAction* Action, int Index);

  std::vector<TContainedAction*> actions_;
  TComponent* images_ = nullptr;
};

class TActionList : public TCustomActionList {
  ZYL_CLASS(TActionList, TCustomActionList)
  using TCustomActionList::TCustomActionList;
};

// ---------------------------------------------------------------------------------------------
// The links between an action and its clients

class TBasicActionLink : public TObject {
  ZYL_CLASS(TBasicActionLink, TObject)
  TBasicActionLink() = default;
  // Leaves the action's list of clients.
  ~TBasicActionLink() override;

  TBasicAction* Action() const { return action_; }
  void SetAction(TBasicAction* Value);
  // Runs the action with AComponent as its ActionComponent; false without an action.
  virtual bool Execute(TComponent* AComponent = nullptr);
  virtual bool Update();
  virtual bool IsOnExecuteLinked() { return true; }
  virtual void SetOnExecute(const TNotifyEvent& /*Value*/) {}

 protected:
  // The action is being freed (the link has already left it): clients drop their link.
  virtual void ActionFreed() {}

 private:
  friend class TBasicAction;
  TBasicAction* action_ = nullptr;
};

// A link whose client follows a TCustomAction's properties: a property is linked while the
// client's value equals the action's, so a value the client was given on its own stays.
class TActionLink : public TBasicActionLink {
  ZYL_CLASS(TActionLink, TBasicActionLink)
  TActionLink() = default;

  TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }
  virtual bool IsCaptionLinked() { return CustomAction(); }
  virtual bool IsCheckedLinked() { return CustomAction(); }
  virtual bool IsEnabledLinked() { return CustomAction(); }
  virtual bool IsHelpContextLinked() { return CustomAction(); }
  virtual bool IsHintLinked() { return CustomAction(); }
  virtual bool IsImageIndexLinked() { return CustomAction(); }
  virtual bool IsShortCutLinked() { return CustomAction(); }
  virtual bool IsVisibleLinked() { return CustomAction(); }
  virtual void SetCaption(const std::string& /*Value*/) {}
  virtual void SetChecked(bool /*Value*/) {}
  virtual void SetEnabled(bool /*Value*/) {}
  virtual void SetHelpContext(int32_t /*Value*/) {}
  virtual void SetHint(const std::string& /*Value*/) {}
  virtual void SetImageIndex(int32_t /*Value*/) {}
  virtual void SetShortCut(TShortCut /*Value*/) {}
  virtual void SetVisible(bool /*Value*/) {}
};

// The link of a control: caption, enabled, hint, visible, help context and OnClick.
class TControlActionLink : public TActionLink {
  ZYL_CLASS(TControlActionLink, TActionLink)
  TControlActionLink() = default;
  explicit TControlActionLink(TControl* AClient) : client_(AClient) {}
  TControl* Client() const { return client_; }

  bool IsCaptionLinked() override;
  bool IsEnabledLinked() override;
  bool IsHelpContextLinked() override;
  bool IsHintLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;
  void SetCaption(const std::string& Value) override;
  void SetEnabled(bool Value) override;
  void SetHelpContext(int32_t Value) override;
  void SetHint(const std::string& Value) override;
  void SetVisible(bool Value) override;
  void SetOnExecute(const TNotifyEvent& Value) override;

 protected:
  void ActionFreed() override;

 private:
  TControl* client_ = nullptr;
};

// The link of a check box or radio button: Checked as well.
class TButtonActionLink : public TControlActionLink {
  ZYL_CLASS(TButtonActionLink, TControlActionLink)
  TButtonActionLink() = default;
  explicit TButtonActionLink(TButtonControl* AClient)
      : TControlActionLink(AClient), client_(AClient) {}
  bool IsCheckedLinked() override;
  void SetChecked(bool Value) override;

 private:
  TButtonControl* client_ = nullptr;
};

// The link of a menu item: every property of the action and OnClick.
class TMenuActionLink : public TActionLink {
  ZYL_CLASS(TMenuActionLink, TActionLink)
  TMenuActionLink() = default;
  explicit TMenuActionLink(TMenuItem* AClient) : client_(AClient) {}
  TMenuItem* Client() const { return client_; }

  bool IsCaptionLinked() override;
  bool IsCheckedLinked() override;
  bool IsEnabledLinked() override;
  bool IsHelpContextLinked() override;
  bool IsHintLinked() override;
  bool IsImageIndexLinked() override;
  bool IsShortCutLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;
  void SetCaption(const std::string& Value) override;
  void SetChecked(bool Value) override;
  void SetEnabled(bool Value) override;
  void SetHelpContext(int32_t Value) override;
  void SetHint(const std::string& Value) override;
  void SetImageIndex(int32_t Value) override;
  void SetShortCut(TShortCut Value) override;
  void SetVisible(bool Value) override;
  void SetOnExecute(const TNotifyEvent& Value) override;

 protected:
  void ActionFreed() override;

 private:
  TMenuItem* client_ = nullptr;
};

// A client's click: its own OnClick when it differs from the action's OnExecute, otherwise the
// action (not while designing), otherwise OnClick.
void ClickActionClient(TComponent* Client, const TNotifyEvent& OnClick, TBasicActionLink* Link);

// Form files name the action list and the action.
void RegisterActions();

}  // namespace vcl
