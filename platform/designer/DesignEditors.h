// Property editors and component editors: what the object inspector and the designer's
// context menu call.
//
// A property editor edits one published property of the selected components (index 0 is the
// first selected); its setters set the property on every selected component and then report one
// modification to the designer. The standard editors below cover each kind of property; an
// editor of a package derives from one and is registered with RegisterPropertyEditor
// (DesignRegistry.h), which also finds the editor a property gets.
//
// A component editor offers a component's verbs (the context menu) and what double-clicking it
// does (Edit: verb 0 when there is one). TDefaultEditor, which components without a registered
// editor get, opens the code of the component's default event.
//
// Editor classes are class references made by PropertyEditorClassOf<E>() and
// ComponentEditorClassOf<E>(); each editor class names itself in `EditorClassName`.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/Sets.h"
#include "platform/classes/TypeInfo.h"
#include "platform/designer/DesignIntf.h"
#include "platform/graphics/Canvas.h"

namespace vcl {

class TMenuItem;

// In this bit order: the set's value is the sum of 2^position.
enum TPropertyAttribute : uint8_t {
  paValueList,
  paSubProperties,
  paDialog,
  paMultiSelect,
  paAutoUpdate,
  paSortList,
  paReadOnly,
  paRevertable
};
using TPropertyAttributes = TSet<TPropertyAttribute>;

class TPropertyEditor;
class TComponentEditor;

struct TPropertyEditorClassInfo {
  const char* Name;
  std::unique_ptr<TPropertyEditor> (*Create)(IFormDesigner* Designer,
                                             const std::vector<TPersistent*>& Components,
                                             const TPropInfo* Prop);
};
using TPropertyEditorClass = const TPropertyEditorClassInfo*;

struct TComponentEditorClassInfo {
  const char* Name;
  std::unique_ptr<TComponentEditor> (*Create)(TComponent* Component, IFormDesigner* Designer);
};
using TComponentEditorClass = const TComponentEditorClassInfo*;

template <class E>
TPropertyEditorClass PropertyEditorClassOf() {
  static const TPropertyEditorClassInfo info{
      E::EditorClassName,
      [](IFormDesigner* d, const std::vector<TPersistent*>& c, const TPropInfo* p)
          -> std::unique_ptr<TPropertyEditor> { return std::make_unique<E>(d, c, p); }};
  return &info;
}

template <class E>
TComponentEditorClass ComponentEditorClassOf() {
  static const TComponentEditorClassInfo info{
      E::EditorClassName, [](TComponent* c, IFormDesigner* d) -> std::unique_ptr<TComponentEditor> {
        return std::make_unique<E>(c, d);
      }};
  return &info;
}

class TPropertyEditor {
 public:
  static constexpr char EditorClassName[] = "TPropertyEditor";
  // Raises EPropertyError when no component is given or not every one of them publishes a
  // property of that name and type.
  TPropertyEditor(IFormDesigner* ADesigner, const std::vector<TPersistent*>& AComponents,
                  const TPropInfo* AProp);
  virtual ~TPropertyEditor() = default;
  TPropertyEditor(const TPropertyEditor&) = delete;
  TPropertyEditor& operator=(const TPropertyEditor&) = delete;

  IFormDesigner* Designer() const { return designer_; }
  TPersistent* GetComponent(int Index) const;
  int PropCount() const { return static_cast<int>(components_.size()); }
  virtual std::string GetName() const { return prop_->Name; }
  const TTypeInfo* GetPropType() const { return prop_->PropType; }
  const TPropInfo* GetPropInfo() const { return prop_; }

  // Values of the first selected component; the setters set every selected component and then
  // call Designer()->Modified() once.
  int64_t GetOrdValue() const;
  void SetOrdValue(int64_t Value);
  std::string GetStrValue() const;
  void SetStrValue(const std::string& Value);
  int64_t GetInt64Value() const;
  void SetInt64Value(int64_t Value);
  double GetFloatValue() const;
  void SetFloatValue(double Value);
  TMethod GetMethodValue() const;
  void SetMethodValue(const TMethod& Value);
  // Object values (the framework passes them through GetOrdValue).
  TObject* GetObjectValue() const;
  void SetObjectValue(TObject* Value);
  // Whether every selected component holds the first one's value: for an object that is no
  // component, one that a form stream writes alike.
  bool AllEqual() const;

  // Runs the property's dialog; by default steps to the next value of a value list.
  virtual void Edit();
  virtual TPropertyAttributes GetAttributes();
  virtual std::string GetValue();
  // Calls Proc once per value offered.
  virtual void GetValues(const TGetStrProc& Proc);
  virtual void SetValue(const std::string& Value);
  // Draws the value text in the inspector's value column.
  virtual void PropDrawValue(TCanvas* ACanvas, const TRect& ARect, bool ASelected);

 protected:
  TObject* Instance(size_t i) const;
  // Calls set(component, its property) for every selected component, then reports one
  // modification.
  template <class F>
  void SetAll(F set) {
    for (size_t i = 0; i < components_.size(); ++i) set(Instance(i), props_[i]);
    if (designer_) designer_->Modified();
  }

 private:
  IFormDesigner* designer_;
  std::vector<TPersistent*> components_;
  const TPropInfo* prop_;                // the first component's
  std::vector<const TPropInfo*> props_;  // each component's own
};

class TOrdinalProperty : public TPropertyEditor {
 public:
  static constexpr char EditorClassName[] = "TOrdinalProperty";
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override;
};

class TIntegerProperty : public TOrdinalProperty {
 public:
  static constexpr char EditorClassName[] = "TIntegerProperty";
  using TOrdinalProperty::TOrdinalProperty;
  std::string GetValue() override;
  // Raises EConvertError for text that is not a number and EPropertyError outside the type's range.
  void SetValue(const std::string& Value) override;
};

class TInt64Property : public TPropertyEditor {
 public:
  static constexpr char EditorClassName[] = "TInt64Property";
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  // Raises EConvertError for text that is not a number.
  void SetValue(const std::string& Value) override;
};

class TCharProperty : public TOrdinalProperty {
 public:
  static constexpr char EditorClassName[] = "TCharProperty";
  using TOrdinalProperty::TOrdinalProperty;
  // A printable character as itself, others as "#n".
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
};

class TEnumProperty : public TOrdinalProperty {
 public:
  static constexpr char EditorClassName[] = "TEnumProperty";
  using TOrdinalProperty::TOrdinalProperty;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& Proc) override;
  void SetValue(const std::string& Value) override;
};

class TSetProperty : public TOrdinalProperty {
 public:
  static constexpr char EditorClassName[] = "TSetProperty";
  using TOrdinalProperty::TOrdinalProperty;
  TPropertyAttributes GetAttributes() override;
  // "[a,b]"
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
};

class TFloatProperty : public TPropertyEditor {
 public:
  static constexpr char EditorClassName[] = "TFloatProperty";
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
};

class TStringProperty : public TPropertyEditor {
 public:
  static constexpr char EditorClassName[] = "TStringProperty";
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
};

class TClassProperty : public TPropertyEditor {
 public:
  static constexpr char EditorClassName[] = "TClassProperty";
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override;
  // "(" + the property's class name + ")"
  std::string GetValue() override;
};

// A TCollection: Edit opens the collection editor (ColnEdit.h) on the first selected component's
// collection; each change made there is reported as it is made. Attributes: paDialog, paReadOnly.
class TCollectionProperty : public TClassProperty {
 public:
  static constexpr char EditorClassName[] = "TCollectionProperty";
  using TClassProperty::TClassProperty;
  TPropertyAttributes GetAttributes() override;
  void Edit() override;
};

class TComponentProperty : public TPropertyEditor {
 public:
  static constexpr char EditorClassName[] = "TComponentProperty";
  using TPropertyEditor::TPropertyEditor;
  // A value list of the form's components; read-only when the property has no setter.
  TPropertyAttributes GetAttributes() override;
  // The designer's name of the referenced component ("" for none).
  std::string GetValue() override;
  void GetValues(const TGetStrProc& Proc) override;
  // "" sets none; an unknown name raises EPropertyError.
  void SetValue(const std::string& Value) override;
};

class TMethodProperty : public TPropertyEditor {
 public:
  static constexpr char EditorClassName[] = "TMethodProperty";
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override;
  // Opens the handler's code: the bound handler, else the name the event's handler would get.
  void Edit() override;
  std::string GetValue() override;
  // "" clears the event; other names bind the root's published method of that name.
  void SetValue(const std::string& Value) override;
  // The component's name and the event's name without "On": "Button1Click".
  std::string GetFormMethodName() const;
};

class TColorProperty : public TIntegerProperty {
 public:
  static constexpr char EditorClassName[] = "TColorProperty";
  using TIntegerProperty::TIntegerProperty;
  TPropertyAttributes GetAttributes() override;
  // The colour's identifier ("clRed") or "$00BBGGRR".
  std::string GetValue() override;
  void GetValues(const TGetStrProc& Proc) override;
  void SetValue(const std::string& Value) override;
  // A framed swatch of the colour before the text.
  void PropDrawValue(TCanvas* ACanvas, const TRect& ARect, bool ASelected) override;
};

// A TCursor: shown by its name ("crDefault", "crDrag", ...), else as a number; the value list
// holds the named cursors.
class TCursorProperty : public TIntegerProperty {
 public:
  static constexpr char EditorClassName[] = "TCursorProperty";
  using TIntegerProperty::TIntegerProperty;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& Proc) override;
  // A cursor's name (ignoring case) or a number; other texts raise EConvertError.
  void SetValue(const std::string& Value) override;
};

// ---------------------------------------------------------------------------------------------

class TComponentEditor {
 public:
  static constexpr char EditorClassName[] = "TComponentEditor";
  TComponentEditor(TComponent* AComponent, IFormDesigner* ADesigner)
      : component_(AComponent), designer_(ADesigner) {}
  virtual ~TComponentEditor() = default;
  TComponentEditor(const TComponentEditor&) = delete;
  TComponentEditor& operator=(const TComponentEditor&) = delete;

  TComponent* Component() const { return component_; }
  IFormDesigner* GetDesigner() const { return designer_; }

  // Double-clicking the component: verb 0 when there is one.
  virtual void Edit();
  virtual void ExecuteVerb(int Index);
  virtual std::string GetVerb(int Index);
  virtual int GetVerbCount();
  virtual void PrepareItem(int Index, TMenuItem* AItem);
  virtual void Copy();

 private:
  TComponent* component_;
  IFormDesigner* designer_;
};

class TDefaultEditor : public TComponentEditor {
 public:
  static constexpr char EditorClassName[] = "TDefaultEditor";
  using TComponentEditor::TComponentEditor;
  // Offers every published property's editor, in declaration order, to EditProperty until it
  // clears Continue; then opens the best event found ("OnCreate", "OnChange", "OnClick", else
  // the first event).
  void Edit() override;

 protected:
  virtual void EditProperty(TPropertyEditor* PropertyEditor, bool& Continue);

 private:
  TPropertyEditor* best_ = nullptr;
  int bestRank_ = 0;
};

}  // namespace vcl
