// Reading the example forms of the source tree in tests.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/TempDir.h"

namespace exampletest {

// A fresh form read from examples/<Name>; the classes must be registered.
inline std::unique_ptr<vcl::TForm> ReadExample(const std::string& Name) {
  auto form = std::make_unique<vcl::TForm>(nullptr);
  vcl::TFileStream stream(testsupport::SourceDir() + "/examples/" + Name, vcl::fmOpenRead);
  vcl::ReadForm(&stream, form.get());
  return form;
}

// How many components of each class Owner owns.
inline std::map<std::string, int> ClassCounts(vcl::TComponent* Owner) {
  std::map<std::string, int> count;
  for (int i = 0; i < Owner->ComponentCount(); ++i) ++count[Owner->Components(i)->ClassName()];
  return count;
}

// How many different colours a capture shows.
inline size_t ColourCount(const win::testkit::TCapture& Cap) {
  return std::set<uint32_t>(Cap.Pixels.begin(), Cap.Pixels.end()).size();
}

}  // namespace exampletest
