// The library's design-time package. It needs the run-time package: Initialize starts the
// run-time package's units (a second start only counts them) and then the design-time units,
// the editor forms; Finalize stops them in reverse. Register is what the IDE calls once the
// package is loaded: it puts the components on the palette and registers the component and
// property editors (vcl::LoadDesignPackageFile loads a package and calls it).
#include "design/pZYLDesignUnits.h"
#include "design/pZYLRegister.h"
#include "platform/base/Finally.h"
#include "platform/sys/Packages.h"

// The run-time package's unit table, exported by zyl70se_B5.
extern "C" const vcl::TPackageUnitTable* GetPackageInfoTable();

extern "C" __attribute__((visibility("default"))) void Initialize() {
  vcl::InitializePackage(*GetPackageInfoTable());
  const vcl::TOnFailure finalize([] { vcl::FinalizePackage(*GetPackageInfoTable()); });
  vcl::InitializePackage(zyl::ZYLDesignUnitTable());
}

extern "C" __attribute__((visibility("default"))) void Finalize() {
  vcl::FinalizePackage(zyl::ZYLDesignUnitTable());
  vcl::FinalizePackage(*GetPackageInfoTable());
}

extern "C" __attribute__((visibility("default"))) void Register() { zyl::ZYLRegisterPackage(); }
