// A small run-time package for the loader's tests: three units that report their
// initialization and finalization to the host through ZylTestPackageTrace. Built a second time
// with ZYL_TEST_PACKAGE_FAIL, its second unit raises during initialization.
#include "platform/base/Exceptions.h"
#include "platform/sys/Packages.h"

extern "C" void ZylTestPackageTrace(const char* what);

namespace {

void InitAlpha() { ZylTestPackageTrace("init Alpha"); }
void FinAlpha() { ZylTestPackageTrace("fin Alpha"); }
void InitBeta() {
#ifdef ZYL_TEST_PACKAGE_FAIL
  throw vcl::Exception("Beta cannot start");
#else
  ZylTestPackageTrace("init Beta");
#endif
}
void InitGamma() { ZylTestPackageTrace("init Gamma"); }
void FinGamma() { ZylTestPackageTrace("fin Gamma"); }

// Beta has no finalization section.
const vcl::TUnitEntry kUnits[] = {
    {"PkgAlpha", InitAlpha, FinAlpha},
    {"PkgBeta", InitBeta, nullptr},
    {"PkgGamma", InitGamma, FinGamma},
};
const vcl::TPackageUnitTable kTable = {3, kUnits};

}  // namespace

extern "C" __attribute__((visibility("default"))) void Initialize() {
  vcl::InitializePackage(kTable);
}
extern "C" __attribute__((visibility("default"))) void Finalize() {
  vcl::FinalizePackage(kTable);
}
