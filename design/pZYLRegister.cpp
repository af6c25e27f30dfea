#include "design/pZYLRegister.h"

#include "design/_zyl_regcontainer.h"
#include "design/_zyl_regdialogs.h"
#include "design/_zyl_regeditcontrols.h"
#include "design/_zyl_regext.h"
#include "design/_zyl_regform.h"
#include "design/_zyl_reglistcontrols.h"
#include "design/_zyl_regmm.h"
#include "design/_zyl_regpropertyeditors.h"
#include "design/_zyl_regshell.h"
#include "design/_zyl_regstd.h"
#include "design/_zyl_regsys.h"
#include "design/pZYLDsgnOptions.h"
#include "design/pZYLPaletteArt.h"
#include "platform/base/Exceptions.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

const char* const ZYLDesignPackageName = "zyl70se_B5 design";

const TZYLRegUnit& ZYLRegUnit(const std::string& Name) {
  for (const TZYLRegUnit& u : ZYLRegUnits())
    if (Name == u.Name) return u;
  throw vcl::EComponentError(vcl::Format(vcl::SRegUnitUnknown, {Name}));
}

bool ZYLRowStands(const TZYLRegRow& Row) {
  if (Row.Kind == TZYLRegRow::rkComponentEditor)
    return Row.Class && Row.ComponentEditor && Row.ComponentEditor();
  const bool filterStands = !*Row.Filter || Row.Class;
  return filterStands && Row.Type && Row.PropertyEditor && Row.PropertyEditor();
}

std::vector<const TZYLRegRow*> ZYLSelectedRows(const TZYLRegUnit& Unit, int32_t Options) {
  std::vector<const TZYLRegRow*> rows;
  for (const TZYLRegRow& r : Unit.Rows)
    if (r.OptionBit == 0 || (Options & r.OptionBit)) rows.push_back(&r);
  return rows;
}

int32_t ZYLRegisterOptions() { return ZYLReadEditorOptions(ZYLEditorOptionsRegisterDefault); }

void ZYLRegisterUnit(const std::string& Unit, int32_t Options) {
  ZYLRegisterTable(ZYLRegUnit(Unit), Options);
}

void ZYLRegisterTable(const TZYLRegUnit& Unit, int32_t Options) {
  if (*Unit.Page) {
    std::vector<vcl::TClass> classes;
    for (const TZYLPaletteItem& item : Unit.Components)
      if (item.Class) classes.push_back(item.Class());
    vcl::RegisterComponents(Unit.Page, classes);
  }
  for (const TZYLRegRow* r : ZYLSelectedRows(Unit, Options))
    if (ZYLRowStands(*r)) ZYLRegisterRow(*r);
}

void ZYLRegisterRow(const TZYLRegRow& Row) {
  if (Row.Kind == TZYLRegRow::rkComponentEditor)
    vcl::RegisterComponentEditor(Row.Class(), Row.ComponentEditor());
  else
    vcl::RegisterPropertyEditor(Row.Type(), Row.Class ? Row.Class() : nullptr, Row.PropertyName,
                                Row.PropertyEditor());
}

void ZYLRegisterPackage() {
  ZYLRegisterPalettePictures();
  _zyl_regsys::Register();
  _zyl_regcontainer::Register();
  _zyl_regdialogs::Register();
  _zyl_regeditcontrols::Register();
  _zyl_regext::Register();
  _zyl_regform::Register();
  _zyl_reglistcontrols::Register();
  _zyl_regmm::Register();
  _zyl_regpropertyeditors::Register();
  _zyl_regshell::Register();
  _zyl_regstd::Register();
}

void ZYLLoadDesignPackage() { vcl::LoadDesignPackage(ZYLDesignPackageName, ZYLRegisterPackage); }

void ZYLUnloadDesignPackage() { vcl::UnloadDesignPackage(ZYLDesignPackageName); }

}  // namespace zyl
