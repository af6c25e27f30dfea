// Test-kit drivers of the design-time stand-in: what the object inspector and the designer's
// context menu do with the registered editors.
//
//   TInspectorDriver inspect(&designer, {button}, "Caption");
//   inspect.SetValue("OK");   EXPECT_EQ(inspect.Value(), "OK");
//
//   TContextMenuDriver menu(listBox, &designer);
//   EXPECT_EQ(menu.Verbs(), (std::vector<std::string>{"Items..."}));
//   menu.Execute("Items...");
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/designer/DesignRegistry.h"

namespace vcl::testkit {

// One property of the selected components, through the editor the registrations give it.
class TInspectorDriver {
 public:
  // Raises EPropertyError when a component does not publish the property.
  TInspectorDriver(IFormDesigner* Designer, const std::vector<TPersistent*>& Components,
                   const std::string& PropName);

  TPropertyEditor& Editor() { return *editor_; }
  TPropertyEditorClass EditorClass() const { return class_; }
  TPropertyAttributes Attributes() { return editor_->GetAttributes(); }
  int AttributeBits() { return static_cast<int>(Attributes().Bits()); }
  std::string Value() { return editor_->GetValue(); }
  std::vector<std::string> Values();
  void SetValue(const std::string& Text) { editor_->SetValue(Text); }
  void Edit() { editor_->Edit(); }
  // Draws the value into ARect of the canvas, as the inspector's value column does.
  void Draw(TCanvas* ACanvas, const TRect& ARect, bool Selected = false) {
    editor_->PropDrawValue(ACanvas, ARect, Selected);
  }

 private:
  TPropertyEditorClass class_ = nullptr;
  std::unique_ptr<TPropertyEditor> editor_;
};

// The component's context menu, asked in the designer's order: each use makes a fresh editor,
// asks GetVerbCount, then GetVerb for every verb, then (to execute) ExecuteVerb, and frees it.
class TContextMenuDriver {
 public:
  TContextMenuDriver(TComponent* Component, IFormDesigner* Designer)
      : component_(Component), designer_(Designer) {}

  std::vector<std::string> Verbs();
  void Execute(int Index);
  // Raises EListError when no verb has the caption.
  void Execute(const std::string& Caption);
  // Double-clicking the component.
  void DoubleClick();

 private:
  // A fresh editor that has been asked its verbs, and what it answered.
  std::unique_ptr<TComponentEditor> Open(std::vector<std::string>& verbs);

  TComponent* component_;
  IFormDesigner* designer_;
};

}  // namespace vcl::testkit
