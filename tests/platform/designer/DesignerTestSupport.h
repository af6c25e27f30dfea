// The fixture of the designer tests: a controls session with a designed form (TDzForm, named
// "DzForm") and its designer.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/controls/Forms.h"
#include "platform/designer/FormDesigner.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/platform/designer/DesignerTestClasses.h"

namespace vcl::dztest {

class DesignerTest : public ::testing::Test {
 protected:
  DesignerTest()
      : session_(800, 600), form_(new TDzForm(nullptr)), designer_(new TFormDesigner(form_)) {}
  ~DesignerTest() override {
    delete designer_;
    delete form_;
  }
  // A component of class T owned by the form and named; controls go into the form.
  template <class T>
  T* Add(const std::string& name) {
    auto* c = new T(form_);
    c->SetName(name);
    if constexpr (std::is_base_of_v<TControl, T>) c->SetParent(form_);
    return c;
  }

  vcl::testkit::TControlsSession session_;
  TDzForm* form_;
  TFormDesigner* designer_;
};

}  // namespace vcl::dztest
