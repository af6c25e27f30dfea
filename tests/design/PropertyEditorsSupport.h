// Shared steps of the property-editor tests: the package's editors registered as the package
// registers them, and a form being designed that components are added to.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/controls/Forms.h"
#include "platform/designer/FormDesigner.h"

namespace zyl::designtest {

// The package's property editors (with the option word's groups Options switches on, and the
// LED editor the extension controls' registration adds) for the length of a scope.
class TPropertyEditorPackage {
 public:
  explicit TPropertyEditorPackage(int32_t Options);
  ~TPropertyEditorPackage();
  TPropertyEditorPackage(const TPropertyEditorPackage&) = delete;
  TPropertyEditorPackage& operator=(const TPropertyEditorPackage&) = delete;
};

// The library's package units started as a host starts them, for the length of a scope, and
// the component classes the package registered.
class TPackageClasses {
 public:
  TPackageClasses();
  ~TPackageClasses();
  TPackageClasses(const TPackageClasses&) = delete;
  TPackageClasses& operator=(const TPackageClasses&) = delete;
  const std::vector<vcl::TClass>& Classes() const { return classes_; }

 private:
  std::vector<vcl::TClass> classes_;
};

// Whether components of the class get the string-list editor for their TStrings properties
// (the classes of the six registrations of the TStrings group and their descendants).
bool HasStringListFilter(vcl::TClass Class);

// A form "Form1" under a designer.
class TInspectedForm {
 public:
  TInspectedForm();
  ~TInspectedForm();
  vcl::TForm* Form() const { return form_.get(); }
  vcl::TFormDesigner* Designer() const { return designer_.get(); }
  // A new component of the class on the form, named as the designer names it and, for a
  // control, placed on the form.
  vcl::TComponent* Add(vcl::TClass Class);
  template <class T>
  T* Add() {
    return static_cast<T*>(Add(T::StaticClass()));
  }

 private:
  std::unique_ptr<vcl::TForm> form_;
  std::unique_ptr<vcl::TFormDesigner> designer_;
};

}  // namespace zyl::designtest
