// TZYLValueChoiceDlg: the choice of a value of a component's enumerated or set property, as the
// value-choice verbs of the component editors offer it: the values in a list (one for an
// enumeration, any for a set), the current value chosen.
#pragma once

#include "design/pZYLObjectEditor.h"
#include "design/pZYLValueChoiceDlg.fieldtypes.h"

namespace vcl {
struct TPropInfo;
}  // namespace vcl

namespace zyl {

class TZYLValueChoiceDlg : public vcl::TForm {
  ZYL_CLASS(TZYLValueChoiceDlg, vcl::TForm)
  explicit TZYLValueChoiceDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Offers the values of Instance's property Prop (an enumeration or a set; others raise
  // EPropertyError) and, on OK, sets the chosen value through the property's setter. True
  // exactly on OK.
  static bool Choose(vcl::TObject* Instance, const vcl::TPropInfo* Prop);

#include "design/pZYLValueChoiceDlg.fields.h"
};

inline constexpr vcl::TUnitEntry pZYLValueChoiceDlgUnit =
    ZYLEditorFormUnit<TZYLValueChoiceDlg>("pZYLValueChoiceDlg");

}  // namespace zyl
