#include "tests/support/DesignerDrivers.h"

#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl::testkit {

TInspectorDriver::TInspectorDriver(IFormDesigner* Designer,
                                   const std::vector<TPersistent*>& Components,
                                   const std::string& PropName) {
  if (Components.empty() || !Components[0]) throw EPropertyError(SNoEditedComponents);
  const TPropInfo* prop = GetPropInfo(Components[0], PropName);
  if (!prop) throw EPropertyError(Format(SUnknownProperty, {PropName}));
  class_ = FindPropertyEditorClass(prop, Components[0]->ClassType());
  editor_ = class_->Create(Designer, Components, prop);
}

std::vector<std::string> TInspectorDriver::Values() {
  std::vector<std::string> values;
  editor_->GetValues([&](const std::string& v) { values.push_back(v); });
  return values;
}

std::unique_ptr<TComponentEditor> TContextMenuDriver::Open(std::vector<std::string>& verbs) {
  auto editor = GetComponentEditor(component_, designer_);
  const int count = editor->GetVerbCount();
  for (int i = 0; i < count; ++i) verbs.push_back(editor->GetVerb(i));
  return editor;
}

std::vector<std::string> TContextMenuDriver::Verbs() {
  std::vector<std::string> verbs;
  Open(verbs);
  return verbs;
}

void TContextMenuDriver::Execute(int Index) {
  std::vector<std::string> verbs;
  auto editor = Open(verbs);
  if (Index < 0 || Index >= static_cast<int>(verbs.size()))
    throw EListError(Format(SListIndexError, {Index}));
  editor->ExecuteVerb(Index);
}

void TContextMenuDriver::Execute(const std::string& Caption) {
  std::vector<std::string> verbs;
  auto editor = Open(verbs);
  for (size_t i = 0; i < verbs.size(); ++i)
    if (verbs[i] == Caption) return editor->ExecuteVerb(static_cast<int>(i));
  throw EListError(Format(SVerbNotFound, {Caption}));
}

void TContextMenuDriver::DoubleClick() { GetComponentEditor(component_, designer_)->Edit(); }

}  // namespace vcl::testkit
