// A form file read into a form class whose published methods handle the controls' events,
// driven by the mouse and the keys as a user would, then written back to a form file.
//   form_events FORM.txt
#include <cstdio>
#include <fstream>
#include <sstream>

#include "buttons/ZYLButton.h"
#include "display/ZYLLabel.h"
#include "edits/ZYLEdit.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"

// The form's class: the form file names it, and its handlers by their published names.
class TEventsForm : public vcl::TForm {
  ZYL_CLASS(TEventsForm, vcl::TForm)
 public:
  using TForm::TForm;
  int Enters = 0;
  void GreetButtonClick(vcl::TObject*) {
    auto* edit = static_cast<zyl::TZYLEdit*>(FindComponent("NameEdit"));
    auto* label = static_cast<zyl::TZYLLabel*>(FindComponent("GreetingLabel"));
    label->SetCaption("Hello, " + edit->Text() + "!");
  }
  void NameEditKeyPress(vcl::TObject*, char& Key) {
    if (Key == '\r') ++Enters;
  }
};
ZYL_CLASS_IMPL(TEventsForm) {
  b.Method("GreetButtonClick", &TEventsForm::GreetButtonClick)
      .Method("NameEditKeyPress", &TEventsForm::NameEditKeyPress);
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: form_events FORM.txt\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();

  vcl::testkit::TControlsSession screen(640, 480);
  win::HMODULE package = vcl::LoadPackage("zyl70se_B5");
  auto* form = new TEventsForm(nullptr);
  vcl::TStringStream stream(text.str());
  vcl::ReadForm(&stream, form);  // a handler the class lacks is an error that names it
  form->Show();

  // Click into the edit, type a name and Enter, then click the button.
  auto* edit = static_cast<zyl::TZYLEdit*>(form->FindComponent("NameEdit"));
  auto* button = static_cast<zyl::TZYLButton*>(form->FindComponent("GreetButton"));
  const win::POINT inEdit = win::testkit::ScreenPoint(edit->Handle(), 5, 5);
  win::testkit::Click(inEdit.X, inEdit.Y);
  win::testkit::TypeText("Ada");
  win::testkit::KeyPress(win::VK_RETURN);
  const vcl::TRect r = button->BoundsRect();
  const win::POINT onButton = win::testkit::ScreenPoint(form->Handle(), r.Left + 5, r.Top + 5);
  win::testkit::Click(onButton.X, onButton.Y);
  const std::string greeting =
      static_cast<zyl::TZYLLabel*>(form->FindComponent("GreetingLabel"))->Caption();
  std::printf("%s (Enter pressed %d time(s))\n", greeting.c_str(), form->Enters);

  // The form written back as text holds what the user typed.
  const std::string written = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(form));
  const bool kept = written.find("Text = 'Ada'") != std::string::npos;
  const int enters = form->Enters;
  delete form;
  vcl::UnloadPackage(package);
  return greeting == "Hello, Ada!" && enters == 1 && kept ? 0 : 1;
}
