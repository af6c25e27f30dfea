// msgview: shows the library's message box on the headless screen, with a painted title bar,
// and writes a PNG of its window.
//
//   msgview OUT.png
//
// Exit code 0 on success, 1 on a bad command line, 2 when the box cannot be shown or the
// picture cannot be written.
#include <cstdio>
#include <string>

#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLFormStyler.h"
#include "system/ZYLMsg.h"

namespace {

// Lets the box paint its title bar on this display of many colours.
struct TCustomizer : vcl::TObject {
  void Customize(vcl::TObject* Sender) {
    auto* form = dynamic_cast<vcl::TCustomForm*>(Sender);
    for (int i = 0; form && i < form->ComponentCount(); ++i)
      if (auto* styler = dynamic_cast<zyl::TZYLFormStyler*>(form->Components(i)))
        styler->SetOptions(styler->Options() - zyl::fsCheckSystemGradient);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: msgview OUT.png\n");
    return 1;
  }
  const std::string outFile = argv[1];
  vcl::testkit::TControlsSession session(640, 400);
  bool written = false;
  TCustomizer customizer;
  zyl::TZYLMessageBoxDlg box(nullptr);
  box.SetBool(zyl::TZYLMessageBoxDlg::bpCaptionFill, true);
  box.SetInteger(zyl::TZYLMessageBoxDlg::ipColors, 64);
  box.SetOnCustomize(vcl::TNotifyEvent(&customizer, &TCustomizer::Customize));
  // The box is pictured once it has painted, then answered.
  const vcl::TModalFormHandler previous = vcl::SetModalFormHandler([&](vcl::TCustomForm* form) {
    win::testkit::RunUntilIdle();
    written = win::testkit::WritePng(win::testkit::RenderWindow(form->Handle()), outFile);
    form->SetModalResult(vcl::mrCancel);
  });
  try {
    box.MessageBox("Save the changes to the ledger before closing?", "Ledger",
                   win::MB_YESNOCANCEL | win::MB_ICONQUESTION);
  } catch (const vcl::Exception& e) {
    std::fprintf(stderr, "msgview: %s\n", e.Message().c_str());
  }
  vcl::SetModalFormHandler(previous);
  if (!written) {
    std::fprintf(stderr, "msgview: cannot write %s\n", outFile.c_str());
    return 2;
  }
  return 0;
}
