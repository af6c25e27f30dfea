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

TZYLFontSizeListBox::TZYLFontSizeListBox(TComponent* AOwner) : inherited(AOwner) {
  controlStyle_ -= csSetCaption;
  SetSorted(false);
}

TZYLFontSizeListBox::~TZYLFontSizeListBox() { SetFontControl(nullptr); }

TZYLLabeledFontSizeListBox::TZYLLabeledFontSizeListBox(TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

void TZYLFontSizeListBox::Loaded() {
  inherited::Loaded();
  CreateFontSizeList();
}

void TZYLFontSizeListBox::CreateFontSizeList() {
  if (!ComponentState().contains(csDesigning)) fontsizes::Fill(Items(), FFontName);
}

int TZYLFontSizeListBox::Selected() {
  const int index = ItemIndex();
  return index < 0 ? -1 : StrToIntDef(Items()->Get(index), -1);
}

void TZYLFontSizeListBox::SetSelected(int Value) {
  if (FFontName.empty()) {
    SetItemIndex(-1);
    return;
  }
  const bool designing = ComponentState().contains(csDesigning);
  SetItemIndex(fontsizes::IndexOfSize(
      Items(), fontsizes::Check(Value, FFontName, FDefaultSize, FUseNearestSize && !designing)));
}

void TZYLFontSizeListBox::SetFontName(const std::string& Value) {
  if (FFontName == Value) return;
  const int size = Selected();
  FFontName = Value;
  CreateFontSizeList();
  if (!ComponentState().contains(csLoading)) SetSelected(size);
}

TZYLFontComboBox* TZYLFontSizeListBox::FontCombo() const {
  return dynamic_cast<TZYLFontComboBox*>(FFontControl);
}

TZYLFontListBox* TZYLFontSizeListBox::FontList() const {
  return dynamic_cast<TZYLFontListBox*>(FFontControl);
}

void TZYLFontSizeListBox::SetFontCombo(TZYLFontComboBox* Value) { SetFontControl(Value); }

void TZYLFontSizeListBox::SetFontList(TZYLFontListBox* Value) { SetFontControl(Value); }

void TZYLFontSizeListBox::SetFontControl(TWinControl* Value) {
  if (FFontControl == Value) return;
  if (FFontControl) {
    fontsizes::Hook(FFontControl, TNotifyEvent());
    FFontControl->RemoveFreeNotification(this);
  }
  FFontControl = Value;
  if (!Value) return;
  fontsizes::Hook(Value, TNotifyEvent(this, &TZYLFontSizeListBox::GetFontChange));
  Value->FreeNotification(this);
}

void TZYLFontSizeListBox::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == FFontControl) FFontControl = nullptr;
  inherited::Notification(AComponent, Operation);
}

void TZYLFontSizeListBox::GetFontChange(TObject*) {
  if (TZYLFontComboBox* combo = FontCombo()) SetFontName(combo->SelectedFont());
  if (TZYLFontListBox* list = FontList()) SetFontName(list->SelectedFont());
}

void TZYLFontSizeListBox::KeyPress(char& Key) {
  if (!fontsizes::KeyAccepted(Key, true) || FFontName.empty()) {
    Key = 0;
    win::MessageBeep(0);
    return;
  }
  inherited::KeyPress(Key);
  if (Key == '\r' || Key == '\x1b') {
    if (TCustomForm* form = vcl::GetParentForm(this))
      form->Perform(CM_DIALOGKEY, static_cast<uint8_t>(Key), 0);
    if (Key == '\r') Key = 0;
  }
}

void TZYLFontSizeListBox::CMExit(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (FFontName.empty())
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

void ZYLFontSizeListBoxInit() {
  RegisterClasses({TZYLFontSizeListBox::StaticClass(), TZYLLabeledFontSizeListBox::StaticClass()});
}

void ZYLFontSizeListBoxDone() {
  UnRegisterClasses(
      {TZYLFontSizeListBox::StaticClass(), TZYLLabeledFontSizeListBox::StaticClass()});
}

}  // namespace zyl
