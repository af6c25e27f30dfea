#include "design/pZYLObjectEditor.h"

#include <cstdlib>
#include <utility>

#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "platform/base/Restore.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Resources.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

namespace {
int gUnitEntries = 0;
}

void ZYLRegisterEditorLayout(const char* FormClass, const char* Layout) {
  vcl::RegisterResource(vcl::HInstance, vcl::RT_RCDATA, FormClass, Layout,
                        std::char_traits<char>::length(Layout));
}

void ZYLUnregisterEditorLayout(const char* FormClass) {
  vcl::UnregisterResource(vcl::HInstance, vcl::RT_RCDATA, FormClass);
}

vcl::TCustomForm* ZYLLoadEditorForm(vcl::TCustomForm* Form) {
  if (!Form->InitFromResources())
    throw vcl::EResNotFound(vcl::Format(vcl::SZYLNoEditorForm, {Form->ClassName()}));
  return Form;
}

void ZYLFormDestroying(vcl::TCustomForm* Form) {
  const vcl::TNotifyEvent destroy = std::exchange(Form->OnDestroy, vcl::TNotifyEvent());
  if (!destroy) return;
  try {
    destroy(Form);
  } catch (const vcl::Exception&) {
    // as the framework's form does: freeing goes on
  }
}

bool ZYLRunEditorForm(vcl::TCustomForm* Form) { return Form->ShowModal() == vcl::mrOk; }

ZYL_CLASS_IMPL(TZYLObjectEditorForm) {
  using T = TZYLObjectEditorForm;
  b.Method("FormCreate", &T::FormCreate)
      .Method("FormActivate", &T::FormActivate)
      .Method("ColorButtonClick", &T::ColorButtonClick);
}

void TZYLObjectEditorForm::FormCreate(vcl::TObject*) { FActivated = false; }

void TZYLObjectEditorForm::FormActivate(vcl::TObject*) { FActivated = true; }

void TZYLObjectEditorForm::Refill() {
  if (FActivated) SetLabels();
}

void TZYLObjectEditorForm::Fill(const std::function<void()>& fill) {
  if (FFilling) return;
  vcl::TRestore<bool> filling(FFilling, true);
  fill();
}

bool TZYLObjectEditorForm::Chosen(vcl::TCustomComboBox* Box, int& Index) const {
  Index = Box->ItemIndex();
  return !Filling() && Index >= 0;
}

bool TZYLObjectEditorForm::Takes(TZYLSpinEdit* Edit, int Low, int High, int& Value) const {
  Value = Edit->IntValue();
  return !Filling() && Value >= Low && Value <= High;
}

bool TZYLObjectEditorForm::Takes(TZYLSpinEdit* Edit, int& Value) const {
  return Takes(Edit, Edit->IntMinValue(), Edit->IntMaxValue(), Value);
}

TZYLColorComboBox* TZYLObjectEditorForm::FirstColorBox() const {
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* box = dynamic_cast<TZYLColorComboBox*>(Components(i))) return box;
  return nullptr;
}

TZYLColorComboBox* TZYLObjectEditorForm::ColorBoxBeside(vcl::TObject* Button) const {
  auto* button = dynamic_cast<vcl::TControl*>(Button);
  if (!button) return nullptr;
  TZYLColorComboBox* best = nullptr;
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* box = dynamic_cast<TZYLColorComboBox*>(Components(i));
    if (!box || box->Parent() != button->Parent() || box->Left() > button->Left()) continue;
    if (std::abs(box->Top() - button->Top()) > 4) continue;
    if (!best || box->Left() > best->Left()) best = box;
  }
  return best;
}

void TZYLObjectEditorForm::ColorButtonClick(vcl::TObject* Sender) {
  TZYLColorComboBox* box = ColorBoxBeside(Sender);
  TZYLColorComboBox* first = FirstColorBox();
  if (!box) return;
  const bool chosen = box == first ? box->Execute() : box->ExecuteEnh(first->CustomColors());
  if (chosen && box->GetOnChange()) box->GetOnChange()(box);
}

int ZYLEditorUnitEntries() { return gUnitEntries; }
void ZYLEnterEditorUnit(vcl::TClass FormClass, const char* Layout) {
  ++gUnitEntries;
  vcl::RegisterCommonControls();  // page controls and their sheets
  vcl::RegisterClass(FormClass);
  ZYLRegisterEditorLayout(FormClass->ClassName().c_str(), Layout);
}

void ZYLLeaveEditorUnit(vcl::TClass FormClass) {
  ZYLUnregisterEditorLayout(FormClass->ClassName().c_str());
  vcl::UnRegisterClass(FormClass);
  --gUnitEntries;
}

}  // namespace zyl
