// Shared steps of the browse-edit tests: placing an edit on the host's form, clicking its
// browse button, recording the events around its dialog, and the shortened form a path should
// show in it.
#pragma once

#include <string>
#include <vector>

#include "buttons/ZYLSpecialButtons.h"
#include "edits/ZYLCustomBrowseEdit.h"
#include "platform/controls/FileCtrl.h"
#include "platform/graphics/Canvas.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/AppScope.h"

namespace browsetest {

// Writes what a browse edit reports around its dialog.
struct TEvents : vcl::TObject {
  std::vector<std::string> Log;
  void Before(vcl::TObject*) { Log.push_back("before"); }
  void DlgChange(vcl::TObject*) { Log.push_back("dlgchange"); }
  void Browse(vcl::TObject*) { Log.push_back("browse"); }
  // Joins the log with spaces and clears it.
  std::string Take() { return testsupport::TakeLog(Log); }
};

inline void Listen(zyl::TZYLCustomBrowseEdit* Edit, TEvents& Events) {
  Edit->SetOnBeforeBrowse(vcl::TNotifyEvent(&Events, &TEvents::Before));
  Edit->SetOnDlgChange(vcl::TNotifyEvent(&Events, &TEvents::DlgChange));
  Edit->SetOnBrowse(vcl::TNotifyEvent(&Events, &TEvents::Browse));
}

// A browse edit of class T on the host's form.
template <class T>
T* Place(edittest::THost& Host, const char* Name, int X, int Y, int W, int H = 21) {
  auto* e = new T(Host.Form());
  e->SetName(Name);
  e->SetBounds(X, Y, W, H);
  e->SetParent(Host.Form());
  edittest::THost::Idle();
  return e;
}

// Clicks the edit's browse button (a while after any earlier click, so that it is no double
// click) and runs until idle.
inline void ClickBrowse(zyl::TZYLCustomBrowseEdit* Edit) {
  win::testkit::AdvanceClock(1000);
  vcl::testkit::ClickControl(Edit->BrowseButton()->Button());
  edittest::THost::Idle();
}

// What Path shortened to the edit's text width reads, measured with the edit's font.
inline std::string Shortened(zyl::TZYLCustomBrowseEdit* Edit, const std::string& Path) {
  vcl::TCanvas* c = Edit->Canvas();
  c->SetFont(Edit->Font());
  return vcl::MinimizeName(Path, c, Edit->TextRect().Right - Edit->TextRect().Left);
}

// The edit's own measure of its whole text (what it draws by) agrees with the canvas's.
inline int DrawnWidth(zyl::TZYLCustomBrowseEdit* Edit) {
  return Edit->PrefixWidth(Edit->GetLength());
}
inline int MeasuredWidth(zyl::TZYLCustomBrowseEdit* Edit) {
  vcl::TCanvas* c = Edit->Canvas();
  c->SetFont(Edit->Font());
  return c->TextWidth(Edit->RawText());
}

}  // namespace browsetest
