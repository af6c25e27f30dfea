// Package loading: unit tables with per-unit counters, and run-time packages as shared
// libraries.
//
// A package is a shared library that exports `extern "C" void Initialize()` and
// `extern "C" void Finalize()`. Its Initialize hands the package's unit table to
// InitializePackage, its Finalize to FinalizePackage. A unit's initialization runs when its
// counter goes from zero to one, its finalization when the counter returns to zero, so loading
// a package twice runs nothing the second time. Counters belong to unit names
// (case-insensitive): a unit is initialized once per process whichever table lists it.
#pragma once

#include <string>

#include "platform/base/Types.h"
#include "platform/classes/Registry.h"

namespace vcl {

using TUnitProc = void (*)();

struct TUnitEntry {
  const char* Name;
  TUnitProc Init;   // may be null
  TUnitProc FInit;  // may be null
};

// The initialization and finalization of a unit that does nothing but make its classes known
// to form streams: RegisterClasses of the classes in the order given, UnRegisterClasses of
// them. Each class names itself through its StaticClass.
template <class... C>
struct TClassesUnit {
  static void Init() { RegisterClasses({C::StaticClass()...}); }
  static void Done() { UnRegisterClasses({C::StaticClass()...}); }
};

// The entry of such a unit, its procedures made from its classes. A unit's header holds its
// entry as a value that unit tables name and tests start and stop:
//   inline constexpr vcl::TUnitEntry ZYLEditUnit =
//       vcl::ClassesUnit<TZYLEdit, TZYLLabeledEdit>("ZYLEdit");
// A unit whose initialization does more keeps its procedures and makes its entry of them.
template <class... C>
constexpr TUnitEntry ClassesUnit(const char* Name) {
  return {Name, &TClassesUnit<C...>::Init, &TClassesUnit<C...>::Done};
}

// The entry of a unit that also gives back, when it is finalized, what its code left in
// process-wide state beyond its components (a window class whose procedure is the unit's):
// `Release` runs after its classes are unregistered.
//   inline constexpr vcl::TUnitEntry ZYLHintUnit =
//       vcl::ClassesUnitReleasing<&ZYLHintRelease, TZYLHint>("ZYLHint");
template <TUnitProc Release, class... C>
struct TReleasingClassesUnit {
  static void Done() {
    TClassesUnit<C...>::Done();
    Release();
  }
};
template <TUnitProc Release, class... C>
constexpr TUnitEntry ClassesUnitReleasing(const char* Name) {
  return {Name, &TClassesUnit<C...>::Init, &TReleasingClassesUnit<Release, C...>::Done};
}

struct TPackageUnitTable {
  int UnitCount;
  const TUnitEntry* Units;
};

// Runs, in table order, the initialization of every unit whose counter was zero and counts
// each unit once more. When an initialization raises, the units initialized by this call are
// finalized again (in reverse order), every counter taken by this call is given back, and the
// exception passes on.
void InitializePackage(const TPackageUnitTable& table);
// Counts each unit of the table once less, in reverse table order, running the finalization
// of every unit whose counter returns to zero. Units not counted are skipped. An exception of
// a finalization is passed on after the remaining units were finalized.
void FinalizePackage(const TPackageUnitTable& table);
// The counter of a unit (0 for an unknown unit).
int UnitInitCount(const std::string& unitName);

// Opens the shared library `name` and calls its Initialize. A name with a folder follows the
// layer's path policy. A bare name ("zyl70se_B5.so", or "zyl70se_B5" without its extension) is
// looked for as the system's loader looks (LD_LIBRARY_PATH, the program's run path), then
// beside the platform's library, where the build and the installation put the packages.
// Raises EPackageError "Can't load package %s.\n%s" when the library cannot be opened,
// "Invalid package file '%s'" when it exports no Initialize; an exception of Initialize
// closes the library again and passes on.
win::HMODULE LoadPackage(const std::string& name);
// Calls the package's Finalize, if any, and closes the library.
void UnloadPackage(win::HMODULE module);
// Calls the exported Initialize / Finalize of a loaded module.
void InitializePackage(win::HMODULE module);
void FinalizePackage(win::HMODULE module);

}  // namespace vcl

namespace win {

// The address of an exported function of a loaded module (null when it exports no such name).
using FARPROC = void (*)();
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);

}  // namespace win
