// The design-time interfaces a form designer offers to property and component editors.
//
// IFormDesigner is what an editor holds: it counts modifications, names and finds the designed
// form's components, keeps the selection and opens event handlers. TFormDesigner
// (FormDesigner.h) is the stand-in's designer over one form; editors reach it through the
// form's Designer (FormDesignerOf below, which raises EInvalidCast when the form has none).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/base/Sets.h"
#include "platform/controls/Forms.h"

namespace vcl {

enum TEditStateItem : uint8_t {
  esCanUndo,
  esCanRedo,
  esCanCut,
  esCanCopy,
  esCanPaste,
  esCanDelete,
  esCanEditOle,
  esCanPrint,
  esCanSelectAll,
  esCanCreateTemplate
};
using TEditState = TSet<TEditStateItem>;
enum TEditAction : uint8_t {
  eaUndo,
  eaRedo,
  eaCut,
  eaCopy,
  eaPaste,
  eaDelete,
  eaSelectAll,
  eaPrint,
  eaBringToFront,
  eaSendToBack,
  eaAlignToGrid
};

using TGetStrProc = std::function<void(const std::string&)>;

// A list of selected objects, in selection order.
class TDesignerSelections {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  TPersistent* Items(int Index) const;
  TPersistent* operator[](int Index) const { return Items(Index); }
  int Add(TPersistent* Item);
  void Clear() { items_.clear(); }
  bool Contains(const TPersistent* Item) const;
  // Drops every occurrence; answers whether there was one.
  bool Remove(const TPersistent* Item);
  friend bool operator==(const TDesignerSelections&, const TDesignerSelections&) = default;

 private:
  std::vector<TPersistent*> items_;
};

class TDesignWindow;

class IFormDesigner : public IDesignerHook {
 public:
  // Counted: every call is one modification of the designed form.
  void Modified() override = 0;
  // The component being designed (its Name begins module names) and the form that owns what
  // editors create (the same object in the stand-in).
  virtual TComponent* GetRoot() = 0;
  virtual TCustomForm* Form() = 0;
  // A name for a new component of the class named BaseName, not used in the form yet.
  virtual std::string UniqueName(const std::string& BaseName) = 0;
  // ---- Selection ----
  virtual void SelectComponent(TPersistent* Instance) = 0;
  virtual void SetSelections(const TDesignerSelections& List) = 0;
  virtual void GetSelections(TDesignerSelections& List) = 0;
  // ---- Components by name ----
  // The names of the form's components of class `ClassType` or a descendant, in creation order.
  virtual void GetComponentNames(TClass ClassType, const TGetStrProc& Proc) = 0;
  virtual TComponent* GetComponent(const std::string& Name) = 0;
  virtual std::string GetComponentName(TComponent* Component) = 0;
  // ---- Event handlers ----
  // The name of the handler a published method of the root answers to, "" for none.
  virtual std::string GetMethodName(const TMethod& Method) = 0;
  // Opens the code of the handler `MethodName` of the event `EventName` of `Instance`.
  virtual void ShowMethod(TPersistent* Instance, const std::string& EventName,
                          const std::string& MethodName) = 0;
  // ---- Edit commands, answered by the active design window ----
  virtual TEditState GetEditState() = 0;
  virtual void EditAction(TEditAction Action) = 0;
  // ---- Design windows that hear this designer's notices ----
  virtual void AddDesignWindow(TDesignWindow* Window) = 0;
  virtual void RemoveDesignWindow(TDesignWindow* Window) = 0;
  virtual void ActivateDesignWindow(TDesignWindow* Window) = 0;
};

// The designer of the form owning `Component` (or of `Component` itself when it is a form);
// raises EInvalidCast when that form is not being designed.
IFormDesigner* FormDesignerOf(TComponent* Component);

}  // namespace vcl
