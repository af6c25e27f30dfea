// Helpers of the combo-box tests: a combo of the library placed on the edit tests' host form,
// the user's ways of choosing an item (the drop button, F4, a click on a dropped item, the
// arrow keys) and the screen's picture of a combo's whole window or its dropped list.
#pragma once

#include <string>
#include <vector>

#include "edits/ZYLCustomComboBox.h"
#include "tests/edits/EditTestHost.h"

namespace combotest {

// Places a new combo of class T on the host's form.
template <class T>
T* Place(edittest::THost& Host, const char* Name, int X, int Y, int W = 150) {
  auto* c = new T(Host.Form());
  c->SetName(Name);
  c->SetBounds(X, Y, W, c->Height());
  c->SetParent(Host.Form());
  edittest::THost::Idle();
  return c;
}

// The items' texts in order.
std::vector<std::string> Texts(vcl::TCustomComboBox* Combo);
// Clicks the drop button (opens or closes the list).
void ClickButton(vcl::TCustomComboBox* Combo);
// Drops the list with F4 (focusing the combo first) and clicks item Index in it.
void ChooseByMouse(vcl::TCustomComboBox* Combo, int Index);
// The rectangle of item Index in the dropped list, in the list's client coordinates.
win::RECT ListItemRect(vcl::TCustomComboBox* Combo, int Index);
// What the screen shows of a window (a combo's whole window, its dropped list); black where
// the window reaches past the screen.
win::testkit::TCapture ShotWindow(win::HWND Window);
// Whether the captured window's outer rings (ring 0 the outermost) have the colours given.
::testing::AssertionResult RingsAre(const win::testkit::TCapture& Shot,
                                    const std::vector<vcl::TColor>& Rings, const char* Name);

}  // namespace combotest
