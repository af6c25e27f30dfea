// Form streams (binary or text) over every component of the library's package, so that each
// component's own stream data (its defined properties) is read: the stream is read into a form,
// which is shown and drawn; what was read is written, and the written stream must read into a
// new form and write again to the same bytes.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "fuzz/FuzzSupport.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"

// The package's unit table (zyl70se_B5.cpp, linked into this program).
extern "C" const vcl::TPackageUnitTable* GetPackageInfoTable();

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Kept for the whole run: the screen, and the classes the units registered.
  static vcl::testkit::TControlsSession* session = [] {
    auto* s = new vcl::testkit::TControlsSession(640, 480);
    vcl::RegisterStandardControls();
    vcl::RegisterCommonControls();
    vcl::RegisterButtons();
    vcl::InitializePackage(*GetPackageInfoTable());
    return s;
  }();
  (void)session;
  const std::string bytes = fuzz::Bytes(data, size);
  std::unique_ptr<vcl::TForm> form(new vcl::TForm(nullptr));
  bool read = false;
  fuzz::Expect([&] {
    vcl::TStringStream in(bytes);
    vcl::ReadForm(&in, form.get(), true);
    read = true;
  });
  if (!read) return 0;
  fuzz::Expect([&] {
    form->SetLeft(0);
    form->SetTop(0);
    form->Show();
    win::testkit::RenderWindow(form->Handle(), true);
    form->Hide();
  });
  // What was read writes a stream that reads back and writes the same.
  const std::string written = vcl::WriteComponentToBytes(form.get());
  form.reset();  // some components allow one instance at a time
  std::unique_ptr<vcl::TForm> again(new vcl::TForm(nullptr));
  vcl::ReadComponentFromBytes(written, again.get());
  const std::string rewritten = vcl::WriteComponentToBytes(again.get());
  if (rewritten != written) {
    // Both streams as text, for finding the property that changed.
    std::fprintf(stderr, "written:\n%s\nread and written again:\n%s\n",
                 vcl::ObjectBinaryToTextString(written).c_str(),
                 vcl::ObjectBinaryToTextString(rewritten).c_str());
    std::abort();
  }
  return 0;
}
