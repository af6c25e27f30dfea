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

std::string Load(const std::string& name) { return TestData("writeback/" + name); }

// The classes the texts name are registered for reading.
class WithFormClasses : public ControlsTest {
 protected:
  WithFormClasses() {
    RegisterStandardControls();
    RegisterCommonControls();
    RegisterClass(TWriteBackForm::StaticClass());
  }
};

class FormWriteBack : public WithFormClasses, public ::testing::WithParamInterface<const char*> {};

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
                                           "pagecontrol_images.txt", "grid_nofixed.txt",
                                           "defaults_labels.txt", "order_tabstop.txt",
                                           "taborder_statusbar.txt", "dates_controls.txt"));

// The keyboard order a form has once read: the children that read a tab order take the places
// they name, in the order of those numbers; a child that reads none (or one outside the list)
// keeps its place among the others.
struct TTabOrderCase {
  const char* Name;
  std::vector<std::pair<const char*, int>> Children;  // stream order; -1 reads no TabOrder
  std::vector<const char*> Order;                     // the keyboard order after reading
};

void PrintTo(const TTabOrderCase& c, std::ostream* os) { *os << c.Name; }

std::string TabOrderForm(const TTabOrderCase& c) {
  std::string text =
      "object WriteBackForm: TWriteBackForm\n  Left = 0\n  Top = 0\n  Width = 300\n"
      "  Height = 200\n";
  int top = 0;
  for (auto [name, order] : c.Children) {
    const bool bar = std::string(name).rfind("Status", 0) == 0;
    text += std::string("  object ") + name + (bar ? ": TStatusBar\n" : ": TEdit\n");
    text += "    Left = 8\n    Top = " + std::to_string(top += 24) + "\n";
    if (order >= 0) text += "    TabOrder = " + std::to_string(order) + "\n";
    text += "  end\n";
  }
  return text + "end\n";
}

class TabOrderOnRead : public WithFormClasses,
                       public ::testing::WithParamInterface<TTabOrderCase> {};

TEST_P(TabOrderOnRead, PlacesOnlyTheChildrenThatReadATabOrder) {
  const TTabOrderCase& c = GetParam();
  auto form = std::make_unique<TWriteBackForm>(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(TabOrderForm(c)), form.get());
  std::vector<TWinControl*> list;
  form->GetTabOrderList(list);
  std::vector<std::string> got, want(c.Order.begin(), c.Order.end());
  for (TWinControl* w : list) got.push_back(w->Name());
  EXPECT_EQ(got, want);
  // Each child's tab order is its place in that order.
  for (size_t i = 0; i < want.size(); ++i)
    EXPECT_EQ(static_cast<TWinControl*>(form->FindComponent(want[i]))->TabOrder(),
              static_cast<int>(i))
        << want[i];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TabOrderOnRead,
    ::testing::Values(
        TTabOrderCase{"BarFirst",
                      {{"StatusBar", -1}, {"First", 0}, {"Second", 1}},
                      {"First", "Second", "StatusBar"}},
        TTabOrderCase{"BarBetween",
                      {{"Second", 1}, {"StatusBar", -1}, {"First", 0}},
                      {"First", "Second", "StatusBar"}},
        TTabOrderCase{"BarLast",
                      {{"First", 0}, {"Second", 1}, {"StatusBar", -1}},
                      {"First", "Second", "StatusBar"}},
        TTabOrderCase{"OrderReversed",
                      {{"Third", 2}, {"Second", 1}, {"First", 0}},
                      {"First", "Second", "Third"}},
        TTabOrderCase{
            "OutsideTheList", {{"Far", 7}, {"First", 0}, {"Next", -1}}, {"First", "Far", "Next"}},
        TTabOrderCase{"SameNumberTwice", {{"Early", 0}, {"Late", 0}}, {"Late", "Early"}}),
    [](const ::testing::TestParamInfo<TTabOrderCase>& info) { return info.param.Name; });

// Forms with AutoScroll and scroll bars of their own.
INSTANTIATE_TEST_SUITE_P(ScrollingForms, FormWriteBack,
                         ::testing::Values("scroll_ranges.txt", "scroll_dialog.txt",
                                           "scroll_sizeable.txt", "scroll_flat.txt"));

}  // namespace
}  // namespace vcl::testing
