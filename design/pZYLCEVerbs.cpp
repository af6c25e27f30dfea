#include "design/pZYLCEVerbs.h"

#include <utility>

#include "design/ZYLCPGet.h"
#include "design/ZYLCPGetStrings.h"
#include "design/pZYLDsgnCPGetStrings.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Control.h"
#include "platform/designer/DesignIntf.h"
#include "platform/designer/ToolsAPI.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

using vcl::TComponentEditor;

namespace {

TZYLImageListPicker& Picker() {
  static TZYLImageListPicker picker;
  return picker;
}

const vcl::TPropInfo* Prop(TComponentEditor& e, const std::string& name) {
  return vcl::FindPropInfo(e.Component(), name);
}

}  // namespace

TZYLImageListPicker ZYLSetImageListPicker(TZYLImageListPicker Picker_) {
  return std::exchange(Picker(), std::move(Picker_));
}

TZYLVerb ZYLImageListVerb(const std::string& Caption, const std::string& ListProp,
                          const std::string& ListIndexProp, const std::string& ImageIndexProp,
                          TZYLImageStore Store, bool ReportCancel) {
  return ZYLVerb(Caption, [=](TComponentEditor& e) {
    vcl::TComponent* c = e.Component();
    const vcl::TPropInfo *listProp = Prop(e, ListProp), *listIndexProp = Prop(e, ListIndexProp),
                         *imageIndexProp =
                             ImageIndexProp.empty() ? nullptr : Prop(e, ImageIndexProp);
    if (!Picker()) throw vcl::EPropertyError(vcl::Format(vcl::SZYLNoImageListPicker, {ListProp}));
    auto* list = dynamic_cast<TZYLCustomImageList*>(vcl::GetObjectProp(c, listProp));
    auto listIndex = static_cast<uint16_t>(vcl::GetOrdProp(c, listIndexProp));
    auto imageIndex =
        static_cast<uint16_t>(imageIndexProp ? vcl::GetOrdProp(c, imageIndexProp) : 0);
    if (!Picker()(e.GetDesigner(), list, listIndex, imageIndex)) return ReportCancel;
    if (Store != TZYLImageStore::IndicesFirst) vcl::SetObjectProp(c, listProp, list);
    if (Store == TZYLImageStore::ListOnly) return true;
    vcl::SetOrdProp(c, listIndexProp, listIndex);
    if (Store != TZYLImageStore::ListTwice && imageIndexProp)
      vcl::SetOrdProp(c, imageIndexProp, imageIndex);
    if (Store != TZYLImageStore::ListFirst) vcl::SetObjectProp(c, listProp, list);
    if (Store == TZYLImageStore::ListTwice && imageIndexProp)
      vcl::SetOrdProp(c, imageIndexProp, imageIndex);
    return true;
  });
}

TZYLVerb ZYLImageListVerb(const std::string& Caption, bool ReportCancel) {
  return ZYLImageListVerb(Caption, "ImageList", "ListIndex", "ImageIndex",
                          TZYLImageStore::ListFirst, ReportCancel);
}

std::string ZYLStringsModuleName(vcl::IFormDesigner* Designer, vcl::TComponent* Component,
                                 const std::string& Suffix) {
  vcl::TComponent* root = Designer ? Designer->GetRoot() : nullptr;
  return (root ? root->Name() : std::string()) + "." + Component->Name() + Suffix;
}

TZYLVerb ZYLCodeStringsVerb(const std::string& Caption, const std::string& PropName,
                            const std::string& Suffix) {
  return ZYLVerb(Caption, [=](TComponentEditor& e) {
    auto* strings =
        dynamic_cast<vcl::TStrings*>(vcl::GetObjectProp(e.Component(), Prop(e, PropName)));
    if (!strings) throw vcl::EInvalidCast(vcl::SInvalidCast);
    const std::string module = ZYLStringsModuleName(e.GetDesigner(), e.Component(), Suffix);
    const std::shared_ptr<vcl::IOTAModule> open = vcl::ModuleServices()->FindModule(module);
    if (open && open->GetModuleFileCount() > 0) {
      open->GetModuleFileEditor(0)->Show();
      return true;
    }
    return ZYLCPGetStrings(strings, module);
  });
}

TZYLVerb ZYLValuePickVerb(const std::string& PropName,
                          const std::function<int64_t(int64_t)>& Pick) {
  return ZYLVerb(PropName, [=](TComponentEditor& e) {
    const vcl::TPropInfo* p = Prop(e, PropName);
    vcl::SetOrdProp(e.Component(), p, Pick(vcl::GetOrdProp(e.Component(), p)));
    return true;
  });
}

TZYLVerb ZYLDateTimeFormatVerb(const std::string& Caption, const std::string& PropName) {
  return ZYLVerb(Caption, [=](TComponentEditor& e) {
    const vcl::TPropInfo* p = Prop(e, PropName);
    std::string format = vcl::GetStrProp(e.Component(), p);
    if (!ZYLCPGetDateTimeFormat(format)) return false;
    vcl::SetStrProp(e.Component(), p, format);
    return true;
  });
}

TZYLVerbMenu& TZYLVerbMenu::Add(TZYLVerb Verb) {
  verbs_.push_back(std::move(Verb));
  return *this;
}

TZYLVerbMenu& TZYLVerbMenu::Themes() {
  return Add(ZYLCtlXPVerb()).Add(ZYLSeparatorVerb()).Add(ZYLUpdateFormCtlXPVerb());
}

TZYLVerb ZYLToggleVerbAs(const std::string& Prop, const std::string& Label) {
  TZYLVerb verb = ZYLToggleVerb(Prop);
  verb.Caption = [Prop, Label](TComponentEditor& e) {
    return Label + BoolStr[vcl::GetOrdProp(e.Component(), Prop) != 0];
  };
  return verb;
}

}  // namespace zyl
