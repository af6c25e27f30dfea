#include "edits/ZYLFontSizeListBox.h"

#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontListBox.h"
#include "edits/ZYLFontSizeComboBox.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

using namespace vcl;

ZYL_MESSAGE_MAP(TZYLFontSizeListBox) {
  m.On(CM_EXIT, &TZYLFontSizeListBox::CMExit)
      .On(CM_FONTCHANGED, &TZYLFontSizeListBox::CMFontChanged)
      .On(CM_FONTCHANGE, &TZYLFontSizeListBox::CMFontChanged);
}

ZYL_CLASS_IMPL(TZYLFontSizeListBox) {
  using C = TZYLFontSizeListBox;
  b.Prop("DefaultSize", &C::DefaultSize, &C::SetDefaultSize)
      .Default(10)
      .Prop("FontCombo", &C::FontCombo, &C::SetFontCombo)
      .Prop("FontList", &C::FontList, &C::SetFontList)
      .Prop("FontName", &C::FontName, &C::SetFontName)
      .Prop("UseNearestSize", &C::UseNearestSize, &C::SetUseNearestSize)
      .Default(false);
}

ZYL_CLASS_IMPL(TZYLLabeledFontSizeListBox) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLLabeledFontSizeListBox::TZYLLabeledFontSizeListBox(TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

int TZYLFontSizeListBox::Selected() {
  const int index = ItemIndex();
  return index < 0 ? -1 : StrToIntDef(Items()->Get(index), -1);
}

void TZYLFontSizeListBox::SetSelected(int Value) {
  if (FontName().empty()) {
    SetItemIndex(-1);
    return;
  }
  SetItemIndex(fontsizes::IndexOfSize(Items(), CheckedSize(Value)));
}

void TZYLFontSizeListBox::CMExit(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (FontName().empty())
    SetItemIndex(-1);
  else if (ItemIndex() >= 0)
    SetSelected(Selected());
}

void TZYLFontSizeListBox::InitHeight() {
  SetItemHeight(ZYLGetFontHeight(Font()) + 1);
  RecreateWnd();
}

void TZYLFontSizeListBox::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!ComponentState().contains(csLoading)) InitHeight();
}

}  // namespace zyl
