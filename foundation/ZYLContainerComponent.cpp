#include "foundation/ZYLContainerComponent.h"

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLContainerComponent) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  b.Prop("ImageList", &TZYLContainerComponent::ImageList, &TZYLContainerComponent::SetImageList)
      .Stored(&TZYLContainerComponent::IsImageListStored)
      .Prop("ImageIndex", &TZYLContainerComponent::GetIndex, &TZYLContainerComponent::SetIndex)
      .Index(iiImageIndex)
      .Default(0)
      .Prop("ListIndex", &TZYLContainerComponent::GetIndex, &TZYLContainerComponent::SetIndex)
      .Index(iiListIndex)
      .Default(0);
}

TZYLContainerComponent::TZYLContainerComponent(vcl::TComponent* AOwner)
    : inherited(AOwner), TZYLImageListClient(this) {
  FChangeLink.reset(new TZYLChangeLink(),
                    vcl::TNotifyEvent(this, &TZYLContainerComponent::GetIMLChange));
}

TZYLContainerComponent::~TZYLContainerComponent() { ReleaseImageList(); }

void TZYLContainerComponent::SetImageList(TZYLCustomImageList* Value) {
  FPendingIdent.clear();
  TZYLImageListClient::SetImageList(Value);
}

void TZYLContainerComponent::GetIMLChange(vcl::TObject* Sender) { GetChange(Sender); }

void TZYLContainerComponent::Loaded() {
  inherited::Loaded();
  if (!FPendingIdent.empty()) {
    const std::string ident = FPendingIdent;
    FPendingIdent.clear();
    // A signature the running program's container does not know leaves the list unset.
    if (TZYLCustomImageList* list = ZYLGlobalList(ident)) SetImageList(list);
  }
}

void TZYLContainerComponent::Notification(vcl::TComponent* AComponent,
                                          vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (ForgetRemovedList(AComponent, Operation)) GetIMLChange(nullptr);
}

void TZYLContainerComponent::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(
      "Internal", [this](vcl::TReader* r) { ReadInternal(r); },
      [this](vcl::TWriter* w) { WriteInternal(w); }, ZYLIsGlobalIdent(FImageList));
}

void TZYLContainerComponent::ReadInternal(vcl::TReader* Reader) {
  // The list is looked up in Loaded: the global container may still be filled while the form
  // is read, and a component read outside a form load takes it at once.
  const std::string ident = Reader->ReadString();
  if (ComponentState().contains(vcl::csLoading))
    FPendingIdent = ident;
  else if (TZYLCustomImageList* list = ZYLGlobalList(ident))
    SetImageList(list);
}

void TZYLContainerComponent::WriteInternal(vcl::TWriter* Writer) {
  ZYLWriteGlobalIdent(Writer, FImageList);
}

}  // namespace zyl
