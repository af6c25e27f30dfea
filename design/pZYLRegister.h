// What the package's eleven registration units register with the IDE, as tables: each unit's
// palette page with its components in order, and its component-editor and property-editor
// registrations in call order. The units' Register procedures (design/_zyl_reg*.h) run their
// table through ZYLRegisterUnit; the package's loader runs the eleven in unit order.
//
// A row names its classes and editor; a row whose class, type or editor is nullptr is not
// registered (ZYLRowStands). The package's own rows all stand (a test checks it).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/designer/DesignEditors.h"

namespace zyl {

// One component on a palette page.
struct TZYLPaletteItem {
  const char* ClassName;
  vcl::TClass (*Class)();  // nullptr: not in this library
};

// One editor registration.
struct TZYLRegRow {
  enum TKind { rkComponentEditor, rkPropertyEditor };
  TKind Kind;
  // The component class, or the property type's name.
  const char* Target;
  // A property editor's class filter and property name ("" for any).
  const char* Filter;
  const char* PropertyName;
  const char* EditorName;
  // 0: always; otherwise the option word's bit value that switches the row on.
  int32_t OptionBit;
  vcl::TClass (*Class)();           // the component class, or the class filter
  const vcl::TTypeInfo* (*Type)();  // the property type
  vcl::TComponentEditorClass (*ComponentEditor)();
  vcl::TPropertyEditorClass (*PropertyEditor)();
};

struct TZYLRegUnit {
  const char* Name;  // "_zyl_regsys"
  const char* Page;  // "" for a unit without components
  std::vector<TZYLPaletteItem> Components;
  std::vector<TZYLRegRow> Rows;
};

// The eleven units in the package's unit order.
const std::vector<TZYLRegUnit>& ZYLRegUnits();
// The unit of the name; EComponentError for an unknown one.
const TZYLRegUnit& ZYLRegUnit(const std::string& Name);

// The package's name in the IDE and its option bits.
extern const char* const ZYLDesignPackageName;
constexpr int32_t ZYLOptStringEditor = 1;
constexpr int32_t ZYLOptHintEditor = 2;
constexpr int32_t ZYLOptCaptionEditor = 4;
constexpr int32_t ZYLOptStringListEditor = 8;

// Whether everything the row names exists in this library.
bool ZYLRowStands(const TZYLRegRow& Row);
// The rows the unit registers under the option word, in call order (optional rows whose bit is
// clear left out), whether they stand or not.
std::vector<const TZYLRegRow*> ZYLSelectedRows(const TZYLRegUnit& Unit, int32_t Options);
// The option word the property-editor unit reads at package load (default 15).
int32_t ZYLRegisterOptions();

// Registers one editor row with the IDE (whether it stands is the caller's question).
void ZYLRegisterRow(const TZYLRegRow& Row);
// Registers the unit's page (components that exist, in order) and its standing rows selected
// by the option word.
void ZYLRegisterTable(const TZYLRegUnit& Unit, int32_t Options);
// The same for the package's unit of that name.
void ZYLRegisterUnit(const std::string& Unit, int32_t Options = 0);
// Runs the eleven Register procedures in unit order (what the IDE does on loading the
// package); the palette pictures are put into the resources first.
void ZYLRegisterPackage();
// Loads the package into the IDE once: EPackageError when it is loaded already; a class some
// other package put on the palette raises EComponentError and leaves no registration of this
// package behind.
void ZYLLoadDesignPackage();
void ZYLUnloadDesignPackage();

}  // namespace zyl
