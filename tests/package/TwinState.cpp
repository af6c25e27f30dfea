#include "tests/package/TwinState.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "edits/ZYLBaseEdit.h"
#include "edits/ZYLCustomMemo.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/RangeCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/user/WinUser.h"
#include "tests/package/PackageFixture.h"

namespace packagetest {

namespace {
std::string Number(int64_t n) { return std::to_string(n); }
}  // namespace

// The checks one class makes in one way, against the named exceptions of the table given.
TNamedChecks Checks(const std::string& cls, const std::string& way,
                    const std::vector<TExempt>& exempt) {
  std::set<std::string> named;
  for (const TExempt& e : exempt)
    if (cls == e.Class && way == e.Way) named.insert(e.Check);
  return TNamedChecks(cls + " (" + way + ")", std::move(named));
}

// The control's state as a user meets it, by name; `focus` adds whether it holds the focus.
TValues RunTimeState(vcl::TControl* c, bool focus) {
  TValues s;
  s["Text"] = c->Text();
  if (auto* e = dynamic_cast<vcl::TCustomEdit*>(c)) {
    s["SelStart"] = Number(e->SelStart());
    s["SelLength"] = Number(e->SelLength());
    s["Modified"] = Number(e->Modified());
  }
  if (auto* e = dynamic_cast<zyl::TZYLBaseEdit*>(c)) {
    s["SelStart"] = Number(e->SelStart());
    s["SelLength"] = Number(e->SelLength());
    s["CaretPos"] = Number(e->CaretPos());
    s["Modified"] = Number(e->Modified());
  }
  if (auto* m = dynamic_cast<zyl::TZYLCustomMemo*>(c)) s["TopRow"] = Number(m->TopRow());
  if (auto* l = dynamic_cast<vcl::TCustomListBox*>(c)) {
    s["ItemIndex"] = Number(l->ItemIndex());
    s["TopIndex"] = Number(l->TopIndex());
  }
  if (auto* b = dynamic_cast<vcl::TCustomComboBox*>(c)) {
    s["ItemIndex"] = Number(b->ItemIndex());
    s["SelStart"] = Number(b->SelStart());
    s["SelLength"] = Number(b->SelLength());
  }
  if (auto* b = dynamic_cast<vcl::TCustomCheckBox*>(c)) s["Checked"] = Number(b->Checked());
  if (auto* b = dynamic_cast<vcl::TRadioButton*>(c)) s["Checked"] = Number(b->Checked());
  if (auto* r = dynamic_cast<vcl::TRangeControl*>(c)) s["Position"] = Number(r->Position());
  if (auto* r = dynamic_cast<vcl::TScrollBar*>(c)) s["Position"] = Number(r->Position());
  // The window's own state, of a control that shows (one that does not may have no window).
  auto* w = dynamic_cast<vcl::TWinControl*>(c);
  if (w && w->HandleAllocated() && w->Showing()) {
    for (int bar : {win::SB_HORZ, win::SB_VERT}) {
      win::SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = win::SIF_ALL;
      const std::string name = bar == win::SB_HORZ ? "HorzScrollBar" : "VertScrollBar";
      if (win::GetScrollInfo(w->Handle(), bar, &si))
        s[name] = Number(si.nMin) + ".." + Number(si.nMax) + " page " + Number(si.nPage) + " at " +
                  Number(si.nPos);
    }
  }
  if (focus && w) s["Focused"] = Number(w->Focused());
  return s;
}

void StartAtOneMoment(vcl::TControl* c) {
  for (const char* name : {"Date", "Time"})
    if (const vcl::TPropInfo* p = vcl::GetPropInfo(c, name); p && p->IsWritable())
      vcl::SetPropValue(c, p, name == std::string("Date") ? "46000" : "0.5");
}

void ExpectRowsNameKnown(const std::vector<TExempt>& rows, const std::set<std::string>& ways,
                         const std::set<std::string>& checks) {
  const std::set<std::string> controls = ControlClassNames();
  ASSERT_GT(controls.size(), 60u);
  for (const TExempt& e : rows) {
    EXPECT_TRUE(controls.count(e.Class)) << e.Class << " is no registered control class";
    EXPECT_TRUE(ways.count(e.Way)) << e.Class << ": " << e.Way << " is no way of the sweep";
    EXPECT_TRUE(checks.count(e.Check)) << e.Class << ": " << e.Check << " is no check";
    EXPECT_GT(std::string(e.Reason).size(), 0u) << e.Class;
  }
}

}  // namespace packagetest
