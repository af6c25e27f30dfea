// A small program for the single-instance tests, started twice as two real processes with the
// same window registry and instance-lock folders.
//
//   zyl_instance_helper first TITLE    minimises its main form, prints "ready", waits until it
//                                      is brought forward, prints "forward" (exit 0); after 20
//                                      seconds without it prints "timeout" (exit 3)
//   zyl_instance_helper second TITLE   prints "previous" when an earlier instance runs, and
//                                      "terminated" once its single-instance component ends it
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "foundation/ZYLApplication.h"
#include "platform/controls/Forms.h"
#include "platform/user/WinUser.h"
#include "system/ZYLOneInstance.h"

namespace {

void Say(const char* text) {
  std::printf("%s\n", text);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[1], "first") != 0 && std::strcmp(argv[1], "second") != 0)) {
    std::fprintf(stderr, "usage: zyl_instance_helper first|second TITLE\n");
    return 1;
  }
  const bool first = std::strcmp(argv[1], "first") == 0;
  zyl::ZYLApplicationInit();  // takes the program's instance lock
  vcl::Application->SetTitle(argv[2]);
  vcl::Application->Handle();
  vcl::TCustomForm* form = vcl::Application->CreateForm(vcl::TForm::StaticClass());
  form->SetCaption(std::string(argv[2]) + " main form");
  form->SetBounds(100, 100, 300, 200);
  auto* single = new zyl::TZYLOneInstance(form);
  if (first) {
    form->Show();
    vcl::Application->Minimize();
  }
  single->Loaded();  // as when the form is read from its stream
  if (!first) {
    if (zyl::ZYLApplication()->PrevInstance()) Say("previous");
    vcl::Application->ProcessMessages();
    if (vcl::Application->Terminated()) Say("terminated");
    delete form;
    zyl::ZYLApplicationDone();
    return 0;
  }
  vcl::Application->ProcessMessages();  // the windows are published
  Say("ready");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    vcl::Application->HandleMessage();
    if (win::IsWindowVisible(form->Handle()) && win::GetForegroundWindow() == form->Handle()) {
      Say("forward");
      delete form;
      zyl::ZYLApplicationDone();
      return 0;
    }
  }
  Say("timeout");
  return 3;
}
