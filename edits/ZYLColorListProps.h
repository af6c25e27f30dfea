// The colour-list properties the colour combo box and the colour list box both describe: the
// two stand on different framework bases, so each declares them on its own class through this.
#pragma once

#include "edits/ZYLCustomColorComboBox.h"
#include "platform/classes/TypeInfo.h"

namespace zyl::colorlist {

template <class C>
void DeclareProps(vcl::TClassBuilder<C>& b) {
  b.Declare("CustomColors", &C::CustomColors, &C::SetCustomColors)
      .Declare("CustomMode", &C::CustomMode, &C::SetCustomMode)
      .Default(false)
      .Declare("DlgOptions", &C::DlgOptions, &C::SetDlgOptions)
      .Default(vcl::TColorDialogOptions{})
      .Declare("DlgHelpContext", &C::DlgHelpContext, &C::SetDlgHelpContext)
      .Default(0)
      .Declare("DisplayStyle", &C::DisplayStyle, &C::SetDisplayStyle)
      .Default(csColorText)
      .Declare("Options", &C::Options, &C::SetOptions)
      .Default(TZYLColorCBOptions{coDefaultColors, coAllowAnyColor})
      .Declare("OnBeforeDialogShow", &C::GetOnBeforeDialogShow, &C::SetOnBeforeDialogShow)
      .Declare("OnAfterDialogShow", &C::GetOnAfterDialogShow, &C::SetOnAfterDialogShow);
}

}  // namespace zyl::colorlist
