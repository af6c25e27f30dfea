// The library's run-time package. Its unit table lists the library's units in start-up order;
// Initialize and Finalize hand it to the host's package loader, which runs each unit's
// initialization once, in table order, and finalizes in reverse order. GetPackageInfoTable
// lets a host look at the table.
#include <vector>

#include "foundation/ZYLPackage.h"

namespace {

const vcl::TPackageUnitTable& PackageTable() {
  static const std::vector<vcl::TUnitEntry> units = [] {
    std::vector<vcl::TUnitEntry> all;
    for (const vcl::TPackageUnitTable* part : {&zyl::ZYLPackageUnitTable()})
      all.insert(all.end(), part->Units, part->Units + part->UnitCount);
    return all;
  }();
  static const vcl::TPackageUnitTable table{static_cast<int>(units.size()), units.data()};
  return table;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const vcl::TPackageUnitTable*
GetPackageInfoTable() {
  return &PackageTable();
}

extern "C" __attribute__((visibility("default"))) void Initialize() {
  vcl::InitializePackage(PackageTable());
}

extern "C" __attribute__((visibility("default"))) void Finalize() {
  vcl::FinalizePackage(PackageTable());
}
