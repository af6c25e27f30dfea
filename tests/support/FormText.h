// Forms of the tests given as the text of a form file.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/Forms.h"

namespace testsupport {

// A new form of class T read from the text of a form file ("object F: TForm ... end").
template <class T = vcl::TForm>
std::unique_ptr<T> FormFromText(const std::string& Text) {
  auto form = std::make_unique<T>(nullptr);
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(Text), form.get());
  return form;
}

}  // namespace testsupport
