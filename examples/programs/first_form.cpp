// A first program: a form of the library's controls built in code, shown on a headless screen
// and saved as a PNG. The README shows it as it stands here.
#include "buttons/ZYLButton.h"
#include "display/ZYLLabel.h"
#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"

int main() {
  vcl::testkit::TControlsSession screen(640, 480);        // a headless screen, virtual clock
  win::HMODULE package = vcl::LoadPackage("zyl70se_B5");  // starts the library's units
  auto* form = new vcl::TForm(nullptr);
  form->SetBounds(0, 0, 260, 100);
  auto* label = new zyl::TZYLLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 10, 200, 20);
  label->SetCaption("Hello from the library");
  auto* button = new zyl::TZYLButton(form);
  button->SetParent(form);
  button->SetBounds(10, 40, 90, 25);
  button->SetCaption("OK");
  form->Show();
  win::testkit::WritePng(win::testkit::RenderWindow(form->Handle()), "first_form.png");
  delete form;
  vcl::UnloadPackage(package);
}
