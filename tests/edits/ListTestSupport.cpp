#include "tests/edits/ListTestSupport.h"

#include <sstream>

#include "platform/classes/TypeInfo.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"

namespace listtest {

std::string Joined(vcl::TStrings* Items) {
  std::string s;
  for (int i = 0; i < Items->Count(); ++i) s += (i ? "," : "") + Items->Strings(i);
  return s;
}

void Play(const std::string& Keys) {
  std::istringstream words(Keys);
  std::string w;
  while (words >> w) {
    if (w == "F2")
      edittest::THost::Chord(win::VK_F2, false);
    else if (w == "ENTER")
      edittest::THost::Chord(win::VK_RETURN, false);
    else if (w == "ESC")
      edittest::THost::Chord(win::VK_ESCAPE, false);
    else if (w == "TAB")
      edittest::THost::Chord(win::VK_TAB, false);
    else if (w == "INS")
      edittest::THost::Chord(win::VK_INSERT, false);
    else if (w == "^INS")
      edittest::THost::Chord(win::VK_INSERT, false, true);
    else if (w == "DEL")
      edittest::THost::Chord(win::VK_DELETE, false);
    else
      win::testkit::TypeText(w);
    edittest::THost::Idle();
  }
}

ZYL_CLASS_IMPL(TEvents) {}

void TEvents::Attach(zyl::TZYLCustomListBox* List) {
  List->SetOnEditShow(zyl::TZYLListBoxEditShowEvent(this, &TEvents::Show));
  List->SetOnEditMeasure(zyl::TZYLListBoxEditMeasureEvent(this, &TEvents::Measure));
  List->SetOnEditChange(zyl::TZYLListBoxEditChangeEvent(this, &TEvents::Change));
  List->SetOnEditHide(vcl::TNotifyEvent(this, &TEvents::Hide));
  List->SetOnSelect(vcl::TNotifyEvent(this, &TEvents::Select));
}

void TEvents::Show(vcl::TObject*, int, bool& Cancel) { Cancel = CancelShow; }
void TEvents::Measure(vcl::TObject*, int, int& Height) {
  if (MeasureTo) Height = MeasureTo;
}
void TEvents::Change(vcl::TObject*, int Index) {
  log_ += (log_.empty() ? "" : " ") + ("change" + std::to_string(Index));
}
void TEvents::Hide(vcl::TObject*) { log_ += log_.empty() ? "hide" : " hide"; }
void TEvents::Select(vcl::TObject*) { log_ += log_.empty() ? "select" : " select"; }

std::string TEvents::Take() {
  std::string s;
  s.swap(log_);
  return s;
}

}  // namespace listtest
