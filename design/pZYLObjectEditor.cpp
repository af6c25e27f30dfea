#include "design/pZYLObjectEditor.h"

#include "platform/classes/Resources.h"
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

bool ZYLRunEditorForm(vcl::TCustomForm* Form) { return Form->ShowModal() == vcl::mrOk; }

int ZYLEditorUnitEntries() { return gUnitEntries; }
void ZYLEnterEditorUnit() { ++gUnitEntries; }
void ZYLLeaveEditorUnit() { --gUnitEntries; }

}  // namespace zyl
