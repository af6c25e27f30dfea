#include "tests/platform/designer/DesignerTestClasses.h"

#include "platform/classes/TypeInfo.h"
#include "platform/rtl/StrUtils.h"

namespace vcl::dztest {

ZYL_CLASS_IMPL(TDzFill) {}
ZYL_CLASS_IMPL(TDzFillObject) {}
ZYL_CLASS_IMPL(TDzLayout) {}
ZYL_CLASS_IMPL(TDzButtonLayout) {}
ZYL_CLASS_IMPL(TDzMemoStrings) {}
ZYL_CLASS_IMPL(TDzHolder) {
  using C = TDzHolder;
  b.Prop("Fill", &C::Fill, &C::SetFill)
      .Prop("Background", &C::Background, &C::SetBackground)
      .Prop("Layout", &C::Layout, &C::SetLayout)
      .Prop("Glyph", &C::Glyph, &C::SetGlyph)
      .Prop("Lines", &C::Lines, &C::SetLines)
      .Prop("Caption", &C::Text, &C::SetText)
      .Index(0)
      .Prop("Mask", &C::Text, &C::SetText)
      .Index(1)
      .Prop("HelpFile", &C::Text, &C::SetText)
      .Index(2)
      .Prop("Hint", &C::Text, &C::SetText)
      .Index(3)
      .Prop("Small", &C::Small, &C::SetSmall)
      .Prop("Ratio", &C::Ratio, &C::SetRatio)
      .Prop("Big", &C::Big, &C::SetBig);
}
ZYL_CLASS_IMPL(TDzCustomMemo) {}
ZYL_CLASS_IMPL(TDzMemo) {}
ZYL_CLASS_IMPL(TDzCustomListBox) {}
ZYL_CLASS_IMPL(TDzListBox) {}
ZYL_CLASS_IMPL(TDzSortedListBox) {}
ZYL_CLASS_IMPL(TDzCustomFormFill) {}
ZYL_CLASS_IMPL(TDzBack) {}
ZYL_CLASS_IMPL(TDzEventHolder) {
  using C = TDzEventHolder;
  b.Prop("Items", &C::Items, nullptr)
      .Prop("Count", &C::Count, nullptr)
      .Prop("Partner", &C::Partner, nullptr)
      .Prop("OnEnter", &C::OnEnter, [](C* c, TNotifyEvent e) { c->OnEnter = e; })
      .Prop("OnExit", &C::OnExit, [](C* c, TNotifyEvent e) { c->OnExit = e; });
}

ZYL_CLASS_IMPL(TDzForm) {
  b.Method("ButtonClick", &TDzForm::ButtonClick).Method("Other", &TDzForm::Other);
}

std::vector<std::string>& CallLog() {
  static std::vector<std::string> log;
  return log;
}

int TDzLoggingEditor::GetVerbCount() {
  CallLog().push_back("count");
  return 2;
}

std::string TDzLoggingEditor::GetVerb(int Index) {
  CallLog().push_back("verb " + IntToStr(Index));
  return Index == 0 ? "First" : "Second";
}

void TDzLoggingEditor::ExecuteVerb(int Index) { CallLog().push_back("execute " + IntToStr(Index)); }

void TDzItemsEditor::EditProperty(TPropertyEditor* PropertyEditor, bool& Continue) {
  if (SameText(PropertyEditor->GetName(), "Items")) {
    PropertyEditor->Edit();
    Continue = false;
  }
}

}  // namespace vcl::dztest
