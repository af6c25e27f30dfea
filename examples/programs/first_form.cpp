// A first program: a form of the library's controls built in code, shown on a headless screen
// and saved as a PNG.
#include "buttons/ZYLButton.h"
#include "display/ZYLLabel.h"
#include "edits/ZYLEdit.h"
#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"

int main() {
  vcl::testkit::TControlsSession screen(640, 480);        // a headless screen, virtual clock
  win::HMODULE package = vcl::LoadPackage("zyl70se_B5");  // starts the library's units
  auto* form = new vcl::TForm(nullptr);
  form->SetBounds(0, 0, 260, 130);
  form->SetCaption("First form");
  auto* label = new zyl::TZYLLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 10, 200, 20);
  label->SetCaption("Hello from the library");
  auto* edit = new zyl::TZYLEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 35, 150, 21);
  edit->SetText("Type here");
  auto* button = new zyl::TZYLButton(form);
  button->SetParent(form);
  button->SetBounds(10, 65, 90, 25);
  button->SetCaption("OK");
  form->Show();
  const bool saved =
      win::testkit::WritePng(win::testkit::RenderWindow(form->Handle()), "first_form.png");
  delete form;
  vcl::UnloadPackage(package);
  return saved ? 0 : 1;
}
