#include "tests/design/PropertyEditorsSupport.h"

#include <algorithm>

#include "buttons/ZYLScrollBox.h"
#include "design/pZYLRegister.h"
#include "edits/ZYLCustomComboBox.h"
#include "edits/ZYLCustomListBox.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLCustomComponent.h"
#include "foundation/ZYLCustomControl.h"
#include "platform/classes/Registry.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/sys/Packages.h"

extern "C" const vcl::TPackageUnitTable* GetPackageInfoTable();

namespace zyl::designtest {

namespace {
constexpr char kPackage[] = "property editors under test";
}

TPackageClasses::TPackageClasses() {
  const std::vector<vcl::TClass> before = vcl::RegisteredClasses();
  vcl::InitializePackage(*GetPackageInfoTable());
  for (vcl::TClass c : vcl::RegisteredClasses())
    if (std::find(before.begin(), before.end(), c) == before.end() &&
        c->FactoryKind() == vcl::fkComponent)
      classes_.push_back(c);
}

TPackageClasses::~TPackageClasses() { vcl::FinalizePackage(*GetPackageInfoTable()); }

TPropertyEditorPackage::TPropertyEditorPackage(int32_t Options) {
  vcl::LoadDesignPackage(kPackage, [Options] {
    ZYLRegisterUnit("_zyl_regpropertyeditors", Options);
    for (const TZYLRegRow& r : ZYLRegUnit("_zyl_regext").Rows)
      if (r.Kind == TZYLRegRow::rkPropertyEditor && ZYLRowStands(r)) ZYLRegisterRow(r);
  });
}

TPropertyEditorPackage::~TPropertyEditorPackage() { vcl::UnloadDesignPackage(kPackage); }

bool HasStringListFilter(vcl::TClass Class) {
  for (vcl::TClass filter : {TZYLCustomComponent::StaticClass(), TZYLCustomControl::StaticClass(),
                             TZYLControl::StaticClass(), TZYLCustomComboBox::StaticClass(),
                             TZYLCustomListBox::StaticClass(), TZYLCustomScrollBox::StaticClass()})
    if (Class->InheritsFrom(filter)) return true;
  return false;
}

TInspectedForm::TInspectedForm() : form_(std::make_unique<vcl::TForm>(nullptr)) {
  form_->SetName("Form1");
  designer_ = std::make_unique<vcl::TFormDesigner>(form_.get());
}

// The form goes while it is designed, as a host closes a designed form: its components are
// freed as designed ones (they write no settings).
TInspectedForm::~TInspectedForm() {
  form_.reset();
  designer_.reset();
}

vcl::TComponent* TInspectedForm::Add(vcl::TClass Class) {
  vcl::TComponent* c = Class->Create(form_.get());
  c->SetName(designer_->UniqueName(Class->ClassName()));
  if (auto* control = dynamic_cast<vcl::TControl*>(c)) control->SetParent(form_.get());
  return c;
}

}  // namespace zyl::designtest
