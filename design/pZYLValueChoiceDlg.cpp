#include "design/pZYLValueChoiceDlg.h"

#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLValueChoiceDlg) { DescribeFields(b); }

bool TZYLValueChoiceDlg::Choose(vcl::TObject* Instance, const vcl::TPropInfo* Prop) {
  const vcl::TTypeInfo* type = Prop ? Prop->PropType : nullptr;
  const bool isSet = type && type->Kind == vcl::tkSet;
  if (!type || (!isSet && type->Kind != vcl::tkEnumeration))
    throw vcl::EPropertyError(vcl::Format(vcl::SInvalidPropertyType, {Prop ? Prop->Name : ""}));
  const vcl::TTypeInfo* values = isSet ? type->CompType : type;
  auto dlg = ZYLCreateEditorForm<TZYLValueChoiceDlg>(vcl::Application);
  dlg->SetCaption(Prop->Name);
  dlg->lst->SetMultiSelect(isSet);
  for (const std::string& name : values->Names) dlg->lst->Items()->Add(name);
  const int64_t current = vcl::GetOrdProp(Instance, Prop);
  if (isSet) {
    for (int i = 0; i < dlg->lst->Items()->Count(); ++i)
      dlg->lst->SetSelected(i, (current >> i) & 1);
  } else {
    dlg->lst->SetItemIndex(static_cast<int>(current - values->MinValue));
  }
  if (!ZYLRunEditorForm(dlg.get())) return false;
  int64_t chosen = 0;
  if (isSet) {
    for (int i = 0; i < dlg->lst->Items()->Count(); ++i)
      if (dlg->lst->Selected(i)) chosen |= int64_t{1} << i;
  } else {
    if (dlg->lst->ItemIndex() < 0) return false;
    chosen = values->MinValue + dlg->lst->ItemIndex();
  }
  vcl::SetOrdProp(Instance, Prop, chosen);
  return true;
}

}  // namespace zyl
