// TZYLToolsAbout: the design-time about form the About property of every component opens. Its
// settings page is where the option word that switches the optional string property editors
// is changed: it is read when the form is made (with the registration's default, so that a
// machine without the value shows every editor switched on) and written however the form is
// closed. The check boxes carry the registration's bit meanings: String (1), Hint (2),
// TCaption (4), TStrings (8).
#pragma once

#include <string>

#include "platform/controls/Forms.h"

namespace vcl {
class TButton;
class TLabel;
class TPageControl;
class TTabSheet;
}  // namespace vcl

namespace zyl {

class TZYLBitmapList;
class TZYLCheckGroup;
class TZYLForm;
class TZYLFormStyler;
class TZYLLImage;

class TZYLToolsAbout : public vcl::TForm {
  ZYL_CLASS(TZYLToolsAbout, vcl::TForm)
  explicit TZYLToolsAbout(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Shows the form modally with Description on the General page.
  static void Execute(const std::string& Description);

  TZYLLImage* ZYLLImage1 = nullptr;
  vcl::TButton* ok = nullptr;
  vcl::TPageControl* zylvar = nullptr;
  vcl::TTabSheet *TabSheet1 = nullptr, *TabSheet3 = nullptr;
  vcl::TLabel *des = nullptr, *restart = nullptr;
  TZYLCheckGroup* editorset = nullptr;
  TZYLBitmapList* ZYLBitmapList1 = nullptr;
  TZYLFormStyler* ZYLFormStyler1 = nullptr;
  TZYLForm* ZYLForm1 = nullptr;

  void FormCreate(vcl::TObject* Sender);
  void FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action);
};

void pZYLAboutDlgInit();
void pZYLAboutDlgDone();

}  // namespace zyl
