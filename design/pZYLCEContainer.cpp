#include "design/pZYLCEContainer.h"

#include "design/pZYLDsgnCPGet.h"
#include "foundation/ZYLCont.h"

namespace zyl {

using vcl::TComponentEditor;

namespace {

// A verb that opens Launch on the list List finds for the edited component (none: nothing
// opens, nothing is reported).
template <class TList, class TOf>
TZYLVerb ListVerb(const std::string& Caption, bool (*Launch)(TList*), TOf List) {
  return ZYLVerb(Caption, [Launch, List](TComponentEditor& e) {
    TList* list = List(e.Component());
    return list && Launch(list);
  });
}

// The component itself as a list of the class.
template <class TList>
TList* Itself(vcl::TComponent* c) {
  return dynamic_cast<TList*>(c);
}

// A verb on one list of a container control's container.
template <class TList>
TZYLVerb ContainerVerb(const std::string& Caption, bool (*Launch)(TList*),
                       TList* (TZYLContainer::*Of)() const) {
  return ListVerb(Caption, Launch, [Of](vcl::TComponent* c) -> TList* {
    auto* control = dynamic_cast<TZYLContainerCtrl*>(c);
    return control ? (control->Container()->*Of)() : nullptr;
  });
}

}  // namespace

TZYLVerbs TZYLContainerComponentEditor::Verbs() {
  return {ContainerVerb("BitmapList", &ZYLCPGetBitmapList, &TZYLContainer::BitmapList),
          ContainerVerb("ImageList", &ZYLCPGetImageList, &TZYLContainer::ImageList),
          ContainerVerb("StringList", &ZYLCPGetStringList, &TZYLContainer::StringList),
          ContainerVerb("WaveList", &ZYLCPGetWaveList, &TZYLContainer::WaveList)};
}

TZYLVerbs TZYLImageListEditor::Verbs() {
  return {ListVerb("Editor", &ZYLCPGetImageList, &Itself<TZYLImageList>)};
}

TZYLVerbs TZYLBitmapListEditor::Verbs() {
  return {ListVerb("BitmapList-Editor", &ZYLCPGetBitmapList, &Itself<TZYLBitmapList>)};
}

TZYLVerbs TZYLStringListEditor::Verbs() {
  return {ListVerb("Editor", &ZYLCPGetStringList, &Itself<TZYLStringList>)};
}

TZYLVerbs TZYLWaveListEditor::Verbs() {
  return {ListVerb("Specify Wave", &ZYLCPGetWaveList, &Itself<TZYLWaveList>)};
}

}  // namespace zyl
