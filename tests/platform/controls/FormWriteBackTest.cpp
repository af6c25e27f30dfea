// Forms written back as they were read: each text under data/writeback/ holds, for every
// object, exactly the properties the framework's designer writes, in its order. Reading one and
// writing it back must give every object the same properties in the same order.
#include "ControlsTestSupport.h"

#include <sstream>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/ExtCtrls.h"
#include "tests/support/TempDir.h"

namespace vcl::testing {

// The root of the texts: one handler the events name.
class TWriteBackForm : public TForm {
  ZYL_CLASS(TWriteBackForm, TForm)
  using TForm::TForm;
  void Handler(TObject*) {}
  void MonthInfo(TObject*, uint32_t, uint32_t&) {}
  void UserInput(TObject*, const std::string&, TDateTime&, bool&) {}
};
ZYL_CLASS_IMPL(TWriteBackForm) {
  b.Method("Handler", &TWriteBackForm::Handler)
      .Method("MonthInfo", &TWriteBackForm::MonthInfo)
      .Method("UserInput", &TWriteBackForm::UserInput);
}

namespace {

// An object of a form text: its header and its property lines, in order (a value over several
// lines joined into one entry).
struct TWrittenObject {
  std::string Header;
  std::vector<std::string> Props;
};

std::vector<TWrittenObject> ObjectsOf(const std::string& text) {
  std::vector<TWrittenObject> objects;
  std::vector<size_t> open;  // indices of the objects being read, innermost last
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t indent = line.find_first_not_of(' ');
    if (indent == std::string::npos) continue;
    const std::string body = line.substr(indent);
    if (body.rfind("object ", 0) == 0) {
      open.push_back(objects.size());
      objects.push_back({body, {}});
    } else if (body == "end") {
      if (!open.empty()) open.pop_back();
    } else if (!open.empty()) {
      TWrittenObject& o = objects[open.back()];
      const size_t propIndent = 2 * open.size();
      if (indent > propIndent && !o.Props.empty())
        o.Props.back() += " " + body;
      else
        o.Props.push_back(body);
    }
  }
  return objects;
}

std::string Load(const std::string& name) {
  TMemoryStream m;
  m.LoadFromFile(testsupport::SourceDir() + "/tests/platform/controls/data/writeback/" + name);
  return std::string(static_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

class FormWriteBack : public ControlsTest, public ::testing::WithParamInterface<const char*> {
 protected:
  FormWriteBack() {
    RegisterStandardControls();
    RegisterCommonControls();
    RegisterClass(TWriteBackForm::StaticClass());
  }
};

TEST_P(FormWriteBack, EveryObjectKeepsItsPropertiesAndTheirOrder) {
  const std::string text = Load(GetParam());
  auto form = std::make_unique<TWriteBackForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(text), form.get());
  const std::string written = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  const std::vector<TWrittenObject> want = ObjectsOf(text), got = ObjectsOf(written);
  ASSERT_GT(want.size(), 1u);
  ASSERT_EQ(got.size(), want.size()) << written;
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i].Header, want[i].Header);
    EXPECT_EQ(::testing::PrintToString(got[i].Props), ::testing::PrintToString(want[i].Props))
        << want[i].Header;
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, FormWriteBack,
                         ::testing::Values("dialog.txt", "sizeable.txt", "grids.txt",
                                           "dates_controls.txt"));

}  // namespace
}  // namespace vcl::testing
