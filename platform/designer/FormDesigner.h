// The stand-in's form designer: TFormDesigner designs one form; TDesignWindow is a window of
// the design environment (an object tree, a list of hidden components) that hears what the
// designer does.
//
// Attaching a designer makes it the form's Designer and marks the form and everything it owns
// csDesigning (components created later inherit the flag from their owner). The form tells the
// designer of every component it gains (FormModified to the design windows) and loses (the
// component leaves the selection and its icon window; ComponentDeleted to the design windows).
// When the form is freed the designer lets go of it (FormClosed to the design windows) and
// answers as a designer without a form; when the designer goes first the form is plain again.
//
// Non-visual components (not controls, without a parent) are shown by icon windows of class
// "TContainer", 28x28 pixels at the component's DesignInfo (left in the low word, top in the high
// word), newest first in z-order; with component captions shown they are taller by a caption line.
#pragma once

#include <list>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/designer/DesignIntf.h"

namespace vcl {

// The icon of a non-visual component in the designed form.
class TIconWindow {
 public:
  TComponent* Component() const { return component_; }
  std::string ClassName() const { return "TContainer"; }
  // In the form's client coordinates: at the component's DesignInfo, or where the window was
  // last placed (PlaceIconWindow).
  TRect BoundsRect() const;

 private:
  friend class TFormDesigner;
  explicit TIconWindow(TComponent* AComponent) : component_(AComponent) {}
  TComponent* component_;
  bool placed_ = false;
  TPoint place_{};
};

// A request to open the code of an event handler.
struct TShownMethod {
  TPersistent* Instance;
  std::string EventName;
  std::string MethodName;
};

class TFormDesigner final : public IFormDesigner {
 public:
  // Icon windows' sides, and the height a caption line adds while captions are shown.
  static constexpr int kIconSize = 28;
  static constexpr int kIconCaptionHeight = 14;

  explicit TFormDesigner(TCustomForm* ARoot);
  ~TFormDesigner() override;
  TFormDesigner(const TFormDesigner&) = delete;
  TFormDesigner& operator=(const TFormDesigner&) = delete;

  // ---- IFormDesigner ----
  void Modified() override;
  void Notification(TPersistent* AnObject, TOperation Operation) override;
  // The form and its components keep names a form stream holds: taking a name away, or one
  // longer than 255 characters, raises EComponentError.
  void ValidateRename(TComponent* AComponent, const std::string& CurName,
                      const std::string& NewName) override;
  TComponent* GetRoot() override { return root_; }
  TCustomForm* Form() override { return root_; }
  // Drops a leading "T" and appends the smallest number from 1 that no component (nor the form)
  // is named: "TButton" -> "Button1".
  std::string UniqueName(const std::string& BaseName) override;
  void SelectComponent(TPersistent* Instance) override;
  void SetSelections(const TDesignerSelections& List) override;
  void GetSelections(TDesignerSelections& List) override;
  void GetComponentNames(TClass ClassType, const TGetStrProc& Proc) override;
  TComponent* GetComponent(const std::string& Name) override;
  std::string GetComponentName(TComponent* Component) override;
  std::string GetMethodName(const TMethod& Method) override;
  void ShowMethod(TPersistent* Instance, const std::string& EventName,
                  const std::string& MethodName) override;
  // Answered by the active design window; without one, by the form itself: the edit commands
  // then work on the components of the selection that the form owns (never the form, nor a
  // control whose parent is selected too). Copy puts them on the clipboard as their form
  // stream (with the controls the form keeps on them); cut copies and frees them; delete frees
  // them; paste reads the clipboard's components into the selected control when it accepts
  // controls, else into the form, all owned by the form, each name the form holds already
  // replaced by a unique one (UniqueName; a copy's reference to another copy so renamed
  // follows it), and selects them. A change is one modification; a
  // paste that fails leaves nothing behind.
  TEditState GetEditState() override;
  void EditAction(TEditAction Action) override;
  void AddDesignWindow(TDesignWindow* Window) override;
  void RemoveDesignWindow(TDesignWindow* Window) override;
  void ActivateDesignWindow(TDesignWindow* Window) override;

  // ---- What tests read ----
  int ModifiedCount() const { return modifiedCount_; }
  bool IsModified() const { return modifiedCount_ > 0; }
  void ResetModified() { modifiedCount_ = 0; }
  const std::vector<TShownMethod>& ShownMethods() const { return shownMethods_; }
  TDesignWindow* ActiveDesignWindow() const { return active_; }
  const std::vector<TDesignWindow*>& DesignWindows() const { return windows_; }

  // ---- Icon windows, in z-order (newest first) ----
  TIconWindow* FirstIconWindow();
  TIconWindow* NextIconWindow(const TIconWindow* Window);
  TIconWindow* IconWindowOf(const TComponent* Component);
  int IconWindowCount();
  // The icon window at z-order place Index (0 the newest); nullptr when there is none.
  TIconWindow* IconWindowAt(int Index);
  // Moves the icon as the user drags it (its size and place in the z-order stay) and keeps the
  // place in DesignInfo.
  void MoveIconWindow(TIconWindow* Window, int X, int Y);
  // Moves only the window, as a program moving it does: DesignInfo stays.
  void PlaceIconWindow(TIconWindow* Window, int X, int Y);
  static void SetShowComponentCaptions(bool Value);

  // The designer of the live designed form named `RootName` (ignoring case), nullptr if none.
  static TFormDesigner* FindDesigner(const std::string& RootName);

 private:
  void Detach();
  // Gives the components inserted since the last call their icon windows.
  void SyncIconWindows();
  // The icon window of the component among those listed so far.
  TIconWindow* FindIconWindow(const TComponent* Component);
  template <class F>
  void Broadcast(F notify);
  // The form's own edit commands.
  std::vector<TComponent*> SelectedComponents();
  void CopySelection();
  void DeleteSelection();
  void PasteFromClipboard();
  // Points the references of the components read by a paste that name a component of the
  // clipboard renamed on the way (Renamed, by its old name in lower case) at that copy.
  void RepointCopies(const std::vector<TComponent*>& Read,
                     const std::unordered_map<std::string, TComponent*>& Renamed);

  TCustomForm* root_;
  int modifiedCount_ = 0;
  TDesignerSelections selection_;
  std::vector<TShownMethod> shownMethods_;
  std::vector<TDesignWindow*> windows_;
  TDesignWindow* active_ = nullptr;
  std::list<TIconWindow> icons_;       // newest first
  // Each listed component's icon window, and the windows by z-order place (listed again when
  // icons_ changed since).
  std::unordered_map<const TComponent*, std::list<TIconWindow>::iterator> iconOf_;
  std::vector<TIconWindow*> byPlace_;
  bool byPlaceStale_ = false;
  std::vector<TComponent*> inserted_;  // components not yet judged for an icon window
  // Per base name (lower case): the number UniqueName last gave, below which every number was
  // taken while the form's name and its count of freed names were as recorded.
  struct TNameHint {
    int Next;
    uint64_t Freed;
    std::string RootName;
  };
  std::unordered_map<std::string, TNameHint> nameHints_;
};

class TDesignWindow : public TForm {
  ZYL_CLASS(TDesignWindow, TForm)
  explicit TDesignWindow(TComponent* AOwner) : TForm(AOwner) {}
  // Joins ADesigner's design windows.
  TDesignWindow(TComponent* AOwner, IFormDesigner* ADesigner);
  ~TDesignWindow() override;

  // The designer this window works for (not a designer of this window).
  IFormDesigner* Designer() const { return designer_; }
  // Leaves the old designer's design windows and joins the new one's.
  void SetDesigner(IFormDesigner* Value);

  virtual void FormModified() {}
  virtual void ComponentDeleted(TPersistent*) {}
  virtual void SelectionChanged(const TDesignerSelections&) {}
  // The designed form is going; the window no longer has a designer afterwards.
  virtual void FormClosed(TCustomForm*) {}
  virtual void Activated() {}
  virtual TEditState GetEditState() { return {}; }
  virtual void EditAction(TEditAction) {}
  virtual std::string UniqueName(const std::string&) { return std::string(); }

 protected:
  void Activate() override;

 private:
  friend class TFormDesigner;
  IFormDesigner* designer_ = nullptr;
};

}  // namespace vcl
