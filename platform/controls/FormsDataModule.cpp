// TDataModule: its form streams, design position and size, and its events.
#include <memory>

#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Consts.h"

namespace vcl {

TDataModule::TDataModule(TComponent* AOwner) : TComponent(AOwner) {}

TDataModule::~TDataModule() {
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {  // a destructor lets nothing out: the handler's error is reported
      if (Application) RunDroppingErrors([this] { Application->HandleException(this); });
    }
  }
  Destroying();
  DestroyComponents();
}

bool TDataModule::InitFromResources() {
  const bool found = InitInheritedComponent(this, TDataModule::StaticClass());
  DoCreate();
  return found;
}

void TDataModule::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TDataModule::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  if (Root != this) return;
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) Proc(Components(i));
}

// Left and Top come from the design position (TComponent); the size always, the offsets when
// the designer's view was scrolled.
void TDataModule::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  auto* ancestor = dynamic_cast<TDataModule*>(Filer->Ancestor());
  auto coordinate = [&](const char* name, int32_t TPoint::*field, TPoint TDataModule::*where,
                        bool always) {
    const int32_t mine = (this->*where).*field;
    const bool store = ancestor ? (ancestor->*where).*field != mine : always || mine != 0;
    Filer->DefineProperty(
        name, [this, field, where](TReader* r) { (this->*where).*field = r->ReadInteger(); },
        [this, field, where](TWriter* w) { w->WriteInteger((this->*where).*field); }, store);
  };
  coordinate("Height", &TPoint::Y, &TDataModule::designSize_, true);
  coordinate("HorizontalOffset", &TPoint::X, &TDataModule::designOffset_, false);
  coordinate("VerticalOffset", &TPoint::Y, &TDataModule::designOffset_, false);
  coordinate("Width", &TPoint::X, &TDataModule::designSize_, true);
}

void ReadDataModule(TStream* Stream, TDataModule* Instance, bool IgnoreMissingMethods) {
  controls_internal::ReadRootStream(Stream, Instance, IgnoreMissingMethods);
  Instance->DoCreate();
}

TDataModule* TApplication::CreateDataModule(TClass InstanceClass) {
  TComponent* c = InstanceClass->Create(this);
  auto* module = dynamic_cast<TDataModule*>(c);
  if (!module) {
    delete c;
    throw EInvalidCast(SInvalidCast);
  }
  std::unique_ptr<TDataModule> made(module);
  module->InitFromResources();
  return made.release();
}

ZYL_CLASS_IMPL(TDataModule) {
  using C = TDataModule;
  b.Prop("OldCreateOrder", &C::OldCreateOrder, &C::SetOldCreateOrder)
      .NoDefault()
      .Prop("OnCreate", &C::GetOnCreate, &C::SetOnCreate)
      .Prop("OnDestroy", &C::GetOnDestroy, &C::SetOnDestroy);
}

namespace {
const controls_internal::TStandardClasses registered{&TDataModule::StaticClass};
}  // namespace

}  // namespace vcl
