// The library's run-time package: its Initialize and Finalize hand the package's unit table
// to the host's package loader, which runs each unit's initialization once, in table order,
// and finalizes in reverse order.
#include "foundation/ZYLPackage.h"

extern "C" __attribute__((visibility("default"))) void Initialize() {
  vcl::InitializePackage(zyl::ZYLPackageUnitTable());
}

extern "C" __attribute__((visibility("default"))) void Finalize() {
  vcl::FinalizePackage(zyl::ZYLPackageUnitTable());
}
