// Shared pieces of the list box tests: the items as one text, a recorder of the boxes' events
// and a player of key scripts.
#pragma once

#include <memory>
#include <string>

#include "edits/ZYLCustomListBox.h"
#include "platform/controls/Controls.h"

namespace listtest {

// The strings joined by ','.
std::string Joined(vcl::TStrings* Items);

// Presses the keys of a script of words separated by blanks: F2, ENTER, ESC, TAB, INS, DEL,
// ^INS (Ctrl+Insert); any other word is typed as text.
void Play(const std::string& Keys);

// Writes what a list box reports: "change<i>", "hide", "select".
class TEvents : public vcl::TObject {
  ZYL_CLASS(TEvents, vcl::TObject)
  bool CancelShow = false;  // OnEditShow cancels the editor
  int MeasureTo = 0;        // OnEditMeasure sets this height when not 0
  void Attach(zyl::TZYLCustomListBox* List);
  void Show(vcl::TObject* Sender, int Index, bool& Cancel);
  void Measure(vcl::TObject* Sender, int Index, int& Height);
  void Change(vcl::TObject* Sender, int Index);
  void Hide(vcl::TObject* Sender);
  void Select(vcl::TObject* Sender);
  // Joins the log with spaces and clears it.
  std::string Take();

 private:
  std::string log_;
};

}  // namespace listtest
