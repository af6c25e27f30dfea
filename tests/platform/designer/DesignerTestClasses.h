// Small components, settings objects and editors the designer tests register: shaped like the
// library's (a list box with a custom ancestor, fills and layouts with derived kinds, a memo
// whose lines are a string list of their own), so the registration rules meet real shapes.
#pragma once

#include <string>
#include <vector>

#include "platform/base/FixedName.h"
#include "platform/classes/Component.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Forms.h"
#include "platform/designer/DesignEditors.h"

namespace vcl::dztest {

// ---- Settings objects (property types) ----
class TDzFill : public TPersistent {
  ZYL_CLASS(TDzFill, TPersistent)
};
class TDzFillObject : public TDzFill {
  ZYL_CLASS(TDzFillObject, TDzFill)
};
class TDzLayout : public TPersistent {
  ZYL_CLASS(TDzLayout, TPersistent)
};
class TDzButtonLayout : public TDzLayout {
  ZYL_CLASS(TDzButtonLayout, TDzLayout)
};
class TDzMemoStrings : public TStringList {
  ZYL_CLASS(TDzMemoStrings, TStringList)
};

// ---- Components ----
// Publishes a property of each shape the property-editor rules tell apart.
class TDzHolder : public TComponent {
  ZYL_CLASS(TDzHolder, TComponent)
  explicit TDzHolder(TComponent* AOwner) : TComponent(AOwner) {}
  TDzFillObject* Fill() const { return fill_; }
  void SetFill(TDzFillObject* v) { fill_ = v; }
  TDzFill* Background() const { return background_; }
  void SetBackground(TDzFill* v) { background_ = v; }
  TDzButtonLayout* Layout() const { return layout_; }
  void SetLayout(TDzButtonLayout* v) { layout_ = v; }
  TDzLayout* Glyph() const { return glyph_; }
  void SetGlyph(TDzLayout* v) { glyph_ = v; }
  TDzMemoStrings* Lines() const { return lines_; }
  void SetLines(TDzMemoStrings* v) { lines_ = v; }
  int16_t Small() const { return small_; }
  void SetSmall(int16_t v) { small_ = v; }
  int64_t Big() const { return big_; }
  void SetBig(int64_t v) { big_ = v; }
  double Ratio() const { return ratio_; }
  void SetRatio(double v) { ratio_ = v; }
  std::string Text(int i) const { return texts_[i]; }
  void SetText(int i, std::string v) { texts_[i] = std::move(v); }

 private:
  TDzFillObject* fill_ = nullptr;
  TDzFill* background_ = nullptr;
  TDzButtonLayout* layout_ = nullptr;
  TDzLayout* glyph_ = nullptr;
  TDzMemoStrings* lines_ = nullptr;
  std::string texts_[4];  // Caption, Mask, HelpFile, Hint
  int16_t small_ = 0;
  int64_t big_ = 0;
  double ratio_ = 0;
};
class TDzCustomMemo : public TDzHolder {
  ZYL_CLASS(TDzCustomMemo, TDzHolder)
  using TDzHolder::TDzHolder;
};
class TDzMemo : public TDzCustomMemo {
  ZYL_CLASS(TDzMemo, TDzCustomMemo)
  using TDzCustomMemo::TDzCustomMemo;
};
class TDzCustomListBox : public TComponent {
  ZYL_CLASS(TDzCustomListBox, TComponent)
  using TComponent::TComponent;
};
class TDzListBox : public TDzCustomListBox {
  ZYL_CLASS(TDzListBox, TDzCustomListBox)
  using TDzCustomListBox::TDzCustomListBox;
};
class TDzSortedListBox : public TDzListBox {
  ZYL_CLASS(TDzSortedListBox, TDzListBox)
  using TDzListBox::TDzListBox;
};
class TDzCustomFormFill : public TComponent {
  ZYL_CLASS(TDzCustomFormFill, TComponent)
  using TComponent::TComponent;
};
class TDzBack : public TDzCustomFormFill {
  ZYL_CLASS(TDzBack, TDzCustomFormFill)
  using TDzCustomFormFill::TDzCustomFormFill;
};
// Events without a default one: the first event is opened.
class TDzEventHolder : public TComponent {
  ZYL_CLASS(TDzEventHolder, TComponent)
  using TComponent::TComponent;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TStrings* Items() const { return items_; }
  ~TDzEventHolder() override { delete items_; }
  // Read-only values: a count and a component the holder keeps itself.
  int Count() const { return items_->Count(); }
  TComponent* Partner() const { return partner_; }
  void SetPartner(TComponent* v) { partner_ = v; }

 private:
  TStrings* items_ = new TStringList;
  TComponent* partner_ = nullptr;
};

// A designed form with a published handler.
class TDzForm : public TForm {
  ZYL_CLASS(TDzForm, TForm)
  explicit TDzForm(TComponent* AOwner) : TForm(AOwner) { SetName("DzForm"); }
  void ButtonClick(TObject*) {}
  void Other(TObject*, int) {}
};

// ---- Editors: each names itself, and records the calls made on it ----
std::vector<std::string>& CallLog();

// An editor that only names itself, over Base.
template <vcl::TFixedName Name, class Base>
class TDzNamedEditor : public Base {
 public:
  static constexpr const char* EditorClassName = Name.text;
  using Base::Base;
};
using TDzShapeFillProperty = TDzNamedEditor<"TDzShapeFillProperty", TClassProperty>;
using TDzFillObjectProperty = TDzNamedEditor<"TDzFillObjectProperty", TDzShapeFillProperty>;
using TDzGlyphTextLayoutProperty = TDzNamedEditor<"TDzGlyphTextLayoutProperty", TClassProperty>;
using TDzButtonLayoutProperty =
    TDzNamedEditor<"TDzButtonLayoutProperty", TDzGlyphTextLayoutProperty>;
using TDzStringListProperty = TDzNamedEditor<"TDzStringListProperty", TClassProperty>;
using TDzMemoLinesProperty = TDzNamedEditor<"TDzMemoLinesProperty", TDzStringListProperty>;
using TDzStringProperty = TDzNamedEditor<"TDzStringProperty", TStringProperty>;
using TDzMaskProperty = TDzNamedEditor<"TDzMaskProperty", TDzStringProperty>;
using TDzHelpFileProperty = TDzNamedEditor<"TDzHelpFileProperty", TDzStringProperty>;
using TDzHintProperty = TDzNamedEditor<"TDzHintProperty", TDzStringProperty>;
using TDzLaterHintProperty = TDzNamedEditor<"TDzLaterHintProperty", TDzStringProperty>;
using TDzMemoStringProperty = TDzNamedEditor<"TDzMemoStringProperty", TDzStringProperty>;
using TDzCustomMemoStringProperty =
    TDzNamedEditor<"TDzCustomMemoStringProperty", TDzStringProperty>;

// Verbs "First" and "Second"; logs every call.
class TDzLoggingEditor : public TComponentEditor {
 public:
  static constexpr char EditorClassName[] = "TDzLoggingEditor";
  using TComponentEditor::TComponentEditor;
  ~TDzLoggingEditor() override { CallLog().push_back("free"); }
  int GetVerbCount() override;
  std::string GetVerb(int Index) override;
  void ExecuteVerb(int Index) override;
};
using TDzCustomListBoxEditor = TDzNamedEditor<"TDzCustomListBoxEditor", TComponentEditor>;
using TDzListBoxEditor = TDzNamedEditor<"TDzListBoxEditor", TComponentEditor>;
using TDzFormFillEditor = TDzNamedEditor<"TDzFormFillEditor", TComponentEditor>;
using TDzLaterFormFillEditor = TDzNamedEditor<"TDzLaterFormFillEditor", TComponentEditor>;

// Opens the "Items" property's dialog instead of an event, as editors of collections do.
class TDzItemsEditor : public TDefaultEditor {
 public:
  static constexpr char EditorClassName[] = "TDzItemsEditor";
  using TDefaultEditor::TDefaultEditor;

 protected:
  void EditProperty(TPropertyEditor* PropertyEditor, bool& Continue) override;
};
// Logs its Edit.
class TDzItemsProperty : public TClassProperty {
 public:
  static constexpr char EditorClassName[] = "TDzItemsProperty";
  using TClassProperty::TClassProperty;
  void Edit() override { CallLog().push_back("edit " + GetName()); }
};

}  // namespace vcl::dztest
