#include "platform/designer/DesignEditors.h"

#include <array>
#include <string_view>

#include "platform/classes/Collection.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/designer/ColnEdit.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/graphics/CanvasGuards.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

// ---- TPropertyEditor ----

TPropertyEditor::TPropertyEditor(IFormDesigner* ADesigner,
                                 const std::vector<TPersistent*>& AComponents,
                                 const TPropInfo* AProp)
    : designer_(ADesigner), components_(AComponents), prop_(AProp) {
  if (components_.empty()) throw EPropertyError(SNoEditedComponents);
  if (!prop_) throw EPropertyError(SNoProperty);
  // Each class publishes its own copy of a property; all must be of the one type.
  for (TPersistent* c : components_) {
    const TPropInfo* own = c ? ::vcl::GetPropInfo(c, prop_->Name) : nullptr;
    if (!own || own->PropType != prop_->PropType)
      throw EPropertyError(Format(SUnknownProperty, {prop_->Name}));
    props_.push_back(own);
  }
}

TPersistent* TPropertyEditor::GetComponent(int Index) const {
  if (Index < 0 || Index >= PropCount()) throw EListError(Format(SListIndexError, {Index}));
  return components_[static_cast<size_t>(Index)];
}

TObject* TPropertyEditor::Instance(size_t i) const { return components_[i]; }

int64_t TPropertyEditor::GetOrdValue() const { return GetOrdProp(Instance(0), props_[0]); }
void TPropertyEditor::SetOrdValue(int64_t Value) {
  SetAll([&](TObject* o, const TPropInfo* p) { SetOrdProp(o, p, Value); });
}
std::string TPropertyEditor::GetStrValue() const { return GetStrProp(Instance(0), props_[0]); }
void TPropertyEditor::SetStrValue(const std::string& Value) {
  SetAll([&](TObject* o, const TPropInfo* p) { SetStrProp(o, p, Value); });
}
int64_t TPropertyEditor::GetInt64Value() const { return GetInt64Prop(Instance(0), props_[0]); }
void TPropertyEditor::SetInt64Value(int64_t Value) {
  SetAll([&](TObject* o, const TPropInfo* p) { SetInt64Prop(o, p, Value); });
}
double TPropertyEditor::GetFloatValue() const { return GetFloatProp(Instance(0), props_[0]); }
void TPropertyEditor::SetFloatValue(double Value) {
  SetAll([&](TObject* o, const TPropInfo* p) { SetFloatProp(o, p, Value); });
}
TMethod TPropertyEditor::GetMethodValue() const { return GetMethodProp(Instance(0), props_[0]); }
void TPropertyEditor::SetMethodValue(const TMethod& Value) {
  SetAll([&](TObject* o, const TPropInfo* p) { SetMethodProp(o, p, Value); });
}
TObject* TPropertyEditor::GetObjectValue() const { return GetObjectProp(Instance(0), props_[0]); }
void TPropertyEditor::SetObjectValue(TObject* Value) {
  SetAll([&](TObject* o, const TPropInfo* p) { SetObjectProp(o, p, Value); });
}

namespace {
// What a form stream holds of an object's properties (references by name from Root).
std::string StreamedProperties(TPersistent* Object, TComponent* Root) {
  TStringStream stream;
  {
    TWriter writer(&stream, 4096);
    writer.SetRoot(Root);
    writer.WriteProperties(Object);
  }
  return stream.DataString();
}

// Whether two values of an object property are the same: one component, or objects (of the
// property's class or a descendant) that a form stream writes alike.
bool SameObjectValues(TObject* A, TObject* B, TComponent* Root) {
  if (A == B) return true;
  auto* a = dynamic_cast<TPersistent*>(A);
  auto* b = dynamic_cast<TPersistent*>(B);
  if (!a || !b || dynamic_cast<TComponent*>(a) || dynamic_cast<TComponent*>(b)) return false;
  return StreamedProperties(a, Root) == StreamedProperties(b, Root);
}
}  // namespace

bool TPropertyEditor::AllEqual() const {
  const std::string first = prop_->Kind() == tkClass || prop_->Kind() == tkMethod
                                ? std::string()
                                : GetPropValue(Instance(0), props_[0]);
  for (size_t i = 1; i < components_.size(); ++i) {
    switch (prop_->Kind()) {
      case tkClass:
        if (!SameObjectValues(GetObjectValue(), GetObjectProp(Instance(i), props_[i]),
                              designer_ ? designer_->GetRoot() : nullptr))
          return false;
        break;
      case tkMethod:
        if (!(GetMethodProp(Instance(i), props_[i]) == GetMethodValue())) return false;
        break;
      default:
        if (GetPropValue(Instance(i), props_[i]) != first) return false;
    }
  }
  return true;
}

void TPropertyEditor::Edit() {
  if (!GetAttributes().contains(paValueList)) return;
  std::vector<std::string> values;
  GetValues([&](const std::string& v) { values.push_back(v); });
  if (values.empty()) return;
  const std::string current = GetValue();
  size_t next = 0;
  for (size_t i = 0; i < values.size(); ++i)
    if (SameText(values[i], current)) next = (i + 1) % values.size();
  SetValue(values[next]);
}

TPropertyAttributes TPropertyEditor::GetAttributes() { return {paRevertable}; }
std::string TPropertyEditor::GetValue() { return srUnknown; }
void TPropertyEditor::GetValues(const TGetStrProc&) {}
void TPropertyEditor::SetValue(const std::string&) {}

void TPropertyEditor::PropDrawValue(TCanvas* ACanvas, const TRect& ARect, bool) {
  ACanvas->TextRect(ARect, ARect.Left + 1, ARect.Top + 1, GetValue());
}

// ---- Ordinal kinds ----

TPropertyAttributes TOrdinalProperty::GetAttributes() { return {paMultiSelect, paRevertable}; }

std::string TIntegerProperty::GetValue() { return IntToStr(GetOrdValue()); }

void TIntegerProperty::SetValue(const std::string& Value) {
  const int64_t v = StrToInt64(Value);
  const TTypeInfo* type = GetPropType();
  if (type && type->MinValue < type->MaxValue && (v < type->MinValue || v > type->MaxValue))
    throw EPropertyError(Format(SOutOfRange, {type->MinValue, type->MaxValue}));
  SetOrdValue(v);
}

TPropertyAttributes TInt64Property::GetAttributes() { return {paMultiSelect, paRevertable}; }
std::string TInt64Property::GetValue() { return IntToStr(GetInt64Value()); }
void TInt64Property::SetValue(const std::string& Value) { SetInt64Value(StrToInt64(Value)); }

std::string TCharProperty::GetValue() {
  const auto c = static_cast<unsigned char>(GetOrdValue());
  if (c > ' ' && c != 0x7F) return std::string(1, static_cast<char>(c));
  return "#" + IntToStr(c);
}

void TCharProperty::SetValue(const std::string& Value) {
  int64_t code;
  if (Value.size() == 1)
    code = static_cast<unsigned char>(Value[0]);
  else if (Value.size() > 1 && Value[0] == '#')
    code = StrToInt64(Value.substr(1));
  else
    throw EPropertyError(SInvalidPropertyValue);
  if (code < 0 || code > 255) throw EPropertyError(Format(SOutOfRange, {0, 255}));
  SetOrdValue(code);
}

TPropertyAttributes TEnumProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TEnumProperty::GetValue() { return GetEnumProp(Instance(0), GetPropInfo()); }

void TEnumProperty::GetValues(const TGetStrProc& Proc) {
  for (const std::string& name : GetPropType()->Names) Proc(name);
}

void TEnumProperty::SetValue(const std::string& Value) {
  const auto& names = GetPropType()->Names;
  for (size_t i = 0; i < names.size(); ++i)
    if (SameText(names[i], Value)) return SetOrdValue(static_cast<int64_t>(i));
  throw EPropertyError(SInvalidPropertyValue);
}

TPropertyAttributes TSetProperty::GetAttributes() {
  return {paMultiSelect, paSubProperties, paReadOnly, paRevertable};
}

std::string TSetProperty::GetValue() { return GetSetProp(Instance(0), GetPropInfo(), true); }

void TSetProperty::SetValue(const std::string& Value) {
  SetOrdValue(static_cast<int64_t>(StringToSet(GetPropType(), Value)));
}

// ---- Floats, strings, objects ----

TPropertyAttributes TFloatProperty::GetAttributes() { return {paMultiSelect, paRevertable}; }
std::string TFloatProperty::GetValue() { return FloatToStr(GetFloatValue()); }
void TFloatProperty::SetValue(const std::string& Value) { SetFloatValue(StrToFloat(Value)); }

TPropertyAttributes TStringProperty::GetAttributes() { return {paMultiSelect, paRevertable}; }
std::string TStringProperty::GetValue() { return GetStrValue(); }
void TStringProperty::SetValue(const std::string& Value) { SetStrValue(Value); }

TPropertyAttributes TClassProperty::GetAttributes() {
  return {paMultiSelect, paSubProperties, paReadOnly};
}
std::string TClassProperty::GetValue() { return "(" + GetPropType()->Name() + ")"; }

TPropertyAttributes TCollectionProperty::GetAttributes() { return {paDialog, paReadOnly}; }

void TCollectionProperty::Edit() {
  auto* collection = dynamic_cast<TCollection*>(GetObjectValue());
  // The component holding the collection: the edited object itself or the nearest owner of it
  // that is a component (a collection inside a collection item).
  TPersistent* holder = GetComponent(0);
  while (holder && !dynamic_cast<TComponent*>(holder)) holder = holder->GetOwner();
  auto* component = dynamic_cast<TComponent*>(holder);
  if (!collection || !component) return;
  ShowCollectionEditor(Designer(), component, collection, GetName());
}

TPropertyAttributes TComponentProperty::GetAttributes() {
  // A reference the component keeps itself is shown, not chosen.
  if (!GetPropInfo()->IsWritable()) return {paMultiSelect, paReadOnly};
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TComponentProperty::GetValue() {
  auto* c = dynamic_cast<TComponent*>(GetObjectValue());
  return c && Designer() ? Designer()->GetComponentName(c) : std::string();
}

void TComponentProperty::GetValues(const TGetStrProc& Proc) {
  if (Designer()) Designer()->GetComponentNames(GetPropType()->ClassType(), Proc);
}

void TComponentProperty::SetValue(const std::string& Value) {
  if (Value.empty()) return SetObjectValue(nullptr);
  TComponent* c = Designer() ? Designer()->GetComponent(Value) : nullptr;
  if (!c || !c->InheritsFrom(GetPropType()->ClassType()))
    throw EPropertyError(Format(SUnknownComponentName, {Value}));
  SetObjectValue(c);
}

// ---- Events ----

TPropertyAttributes TMethodProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TMethodProperty::GetValue() {
  return Designer() ? Designer()->GetMethodName(GetMethodValue()) : std::string();
}

void TMethodProperty::SetValue(const std::string& Value) {
  if (Value.empty()) return SetMethodValue(TMethod());
  TComponent* root = Designer() ? Designer()->GetRoot() : nullptr;
  const TMethodCode* code = root ? root->MethodAddress(Value) : nullptr;
  if (!code || code->Signature != GetPropType()->Signature)
    throw EPropertyError(Format(SUnknownMethodName, {Value}));
  SetMethodValue(TMethod{code, root});
}

std::string TMethodProperty::GetFormMethodName() const {
  std::string event = GetName();
  if (event.size() > 2 && SameText(event.substr(0, 2), "On")) event.erase(0, 2);
  auto* c = dynamic_cast<TComponent*>(GetComponent(0));
  return (c ? c->Name() : std::string()) + event;
}

void TMethodProperty::Edit() {
  if (!Designer()) return;
  std::string name = GetValue();
  if (name.empty()) name = GetFormMethodName();
  Designer()->ShowMethod(GetComponent(0), GetName(), name);
}

// ---- Colours ----

TPropertyAttributes TColorProperty::GetAttributes() {
  return {paMultiSelect, paDialog, paValueList, paRevertable};
}
std::string TColorProperty::GetValue() { return ColorToString(static_cast<TColor>(GetOrdValue())); }
void TColorProperty::GetValues(const TGetStrProc& Proc) { GetColorValues(Proc); }
void TColorProperty::SetValue(const std::string& Value) { SetOrdValue(StringToColor(Value)); }

void TColorProperty::PropDrawValue(TCanvas* ACanvas, const TRect& ARect, bool ASelected) {
  // The swatch is as high as the row less a pixel above and below, and square.
  const int side = ARect.Bottom - ARect.Top - 2;
  if (side <= 0) return TIntegerProperty::PropDrawValue(ACanvas, ARect, ASelected);
  {
    TCanvasColors keep(ACanvas);
    ACanvas->Brush()->SetColor(static_cast<TColor>(GetOrdValue()));
    ACanvas->Pen()->SetColor(ASelected ? clWhite : clBlack);
    ACanvas->Rectangle(ARect.Left + 1, ARect.Top + 1, ARect.Left + 1 + side, ARect.Top + 1 + side);
  }
  TRect text = ARect;
  text.Left += side + 3;
  TPropertyEditor::PropDrawValue(ACanvas, text, ASelected);
}

// ---- Cursors ----

TPropertyAttributes TCursorProperty::GetAttributes() {
  return {paMultiSelect, paSortList, paValueList, paRevertable};
}
std::string TCursorProperty::GetValue() {
  return CursorToString(static_cast<TCursor>(GetOrdValue()));
}
void TCursorProperty::GetValues(const TGetStrProc& Proc) { GetCursorValues(Proc); }
void TCursorProperty::SetValue(const std::string& Value) { SetOrdValue(StringToCursor(Value)); }

// ---- Component editors ----

void TComponentEditor::Edit() {
  if (GetVerbCount() > 0) ExecuteVerb(0);
}
void TComponentEditor::ExecuteVerb(int) {}
std::string TComponentEditor::GetVerb(int) { return std::string(); }
int TComponentEditor::GetVerbCount() { return 0; }
void TComponentEditor::PrepareItem(int, TMenuItem*) {}
void TComponentEditor::Copy() {}

namespace {
// The events a double click opens, best first; any other event ranks below them.
constexpr std::array<std::string_view, 3> kDefaultEvents{"OnCreate", "OnChange", "OnClick"};

int EventRank(const std::string& name) {
  for (size_t i = 0; i < kDefaultEvents.size(); ++i)
    if (SameText(name, std::string(kDefaultEvents[i])))
      return static_cast<int>(kDefaultEvents.size() - i) + 1;
  return 1;
}
}  // namespace

void TDefaultEditor::Edit() {
  auto editors = GetComponentProperties(GetDesigner(), Component());
  best_ = nullptr;
  bestRank_ = 0;
  bool proceed = true;
  for (auto& editor : editors) {
    EditProperty(editor.get(), proceed);
    if (!proceed) break;
  }
  if (TPropertyEditor* best = std::exchange(best_, nullptr); best && proceed) best->Edit();
}

void TDefaultEditor::EditProperty(TPropertyEditor* PropertyEditor, bool&) {
  if (!dynamic_cast<TMethodProperty*>(PropertyEditor)) return;
  const int rank = EventRank(PropertyEditor->GetName());
  if (rank > bestRank_) {
    bestRank_ = rank;
    best_ = PropertyEditor;
  }
}

}  // namespace vcl
