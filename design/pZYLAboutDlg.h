// TZYLToolsAbout: the design-time about form the About property of every component opens. Its
// settings page is where the option word that switches the optional string property editors
// is changed: it is read when the form is made (with the registration's default, so that a
// machine without the value shows every editor switched on) and written however the form is
// closed. The check boxes carry the registration's bit meanings: String (1), Hint (2),
// TCaption (4), TStrings (8).
#pragma once

#include <string>

#include "design/pZYLAboutDlg.fieldtypes.h"
#include "design/pZYLObjectEditor.h"
#include "platform/controls/Forms.h"

namespace zyl {

class TZYLToolsAbout : public vcl::TForm {
  ZYL_CLASS(TZYLToolsAbout, vcl::TForm)
  explicit TZYLToolsAbout(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Shows the form modally with Description on the General page.
  static void Execute(const std::string& Description);

#include "design/pZYLAboutDlg.fields.h"

  void FormCreate(vcl::TObject* Sender);
  void FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action);
};

inline constexpr vcl::TUnitEntry pZYLAboutDlgUnit =
    ZYLEditorFormUnit<TZYLToolsAbout>("pZYLAboutDlg");

}  // namespace zyl
