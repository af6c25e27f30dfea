#include "fuzz/FormFuzz.h"

#include <memory>

#include "foundation/ZYLPackage.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classes/Streams.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"

namespace fuzz {

void ReadIntoForm(const std::string& bytes) {
  // Kept for the whole run: the screen, and the classes the units registered.
  static vcl::testkit::TControlsSession* session = [] {
    auto* s = new vcl::testkit::TControlsSession(640, 480);
    vcl::RegisterStandardControls();
    vcl::InitializePackage(zyl::ZYLPackageUnitTable());
    return s;
  }();
  (void)session;
  std::unique_ptr<vcl::TForm> form(new vcl::TForm(nullptr));
  Expect([&] {
    vcl::TStringStream in(bytes);
    vcl::ReadForm(&in, form.get(), true);
  });
}

}  // namespace fuzz
