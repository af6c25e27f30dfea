// The host of the edit tests: a session with the application object, a borderless form at the
// screen's top-left corner on which the edits are placed, driven through the test kit's input
// (keys, characters, mouse) and captured from the screen; a recorder of the edits' events.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "edits/ZYLEdit.h"
#include "edits/ZYLEditAutoComplete.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/support/AppScope.h"
#include "tests/support/PixelCheck.h"

namespace edittest {

// Writes what the edits report.
class TRecorder : public vcl::TObject {
  ZYL_CLASS(TRecorder, vcl::TObject)
  std::vector<std::string> Log;
  void Changed(vcl::TObject* Sender);
  void Modified(vcl::TObject* Sender);
  // Any notification that needs no name of its own.
  void Event(vcl::TObject* Sender);
  void ChangedAt(vcl::TObject* Sender, int At);
  void BtnClick(vcl::TObject* Sender, vcl::TObject* Btn, int Index);
  // An auto-complete's OnAdd: refuses "no", brackets every other word.
  void AddWord(vcl::TObject* Sender, zyl::TZYLBaseEdit* Edit, std::string& Text, bool& Add,
               zyl::TZYLAutoCompleteSource& AddTo);
  // An OnContextPopup that takes the click for itself.
  void TakePopup(vcl::TObject* Sender, vcl::TPoint MousePos, bool& Handled);
  // A colour box's dialog event.
  void ColorDialog(vcl::TObject* Sender, vcl::TColorDialog* Dialog);
  // Joins the log with spaces and clears it.
  std::string Take();
};

class THost {
 public:
  THost();
  vcl::TForm* Form() const { return form_.get(); }
  // A single-line edit on the form, named Name, with its events going to Events().
  zyl::TZYLEdit* Edit(const char* Name, int X, int Y, int W = 150, int H = 21) {
    return Place<zyl::TZYLEdit>(Name, X, Y, W, H);
  }
  // An edit of any class of the library placed the same way.
  template <class E>
  E* Place(const char* Name, int X, int Y, int W = 150, int H = 21) {
    auto* e = new E(form_.get());
    Placed(e, Name, X, Y, W, H);
    return e;
  }
  TRecorder& Events() { return rec_; }
  // Focuses the control and runs until idle.
  static void Focus(vcl::TWinControl* Control);
  // A client point of a control in screen coordinates.
  static win::POINT At(vcl::TControl* Control, int X, int Y);
  static void Idle() { win::testkit::RunUntilIdle(); }
  // Presses Key with the modifiers held.
  static void Chord(win::BYTE Key, bool Shift, bool Ctrl = false);
  // Right-clicks the edit, notes the enabled items of the menu that opens and clicks Choice
  // ("" closes the menu). Answers the enabled items joined by ';', or "no menu".
  static std::string RightClickMenu(vcl::TControl* Edit, const std::string& Choice);
  // Clicks Control at (20, 8) with the colour dialog answering Colour; answers how many dialogs
  // were shown.
  static size_t ClickChoosingColor(vcl::TControl* Control, vcl::TColor Colour);
  // What the screen shows of a control (after running until idle).
  win::testkit::TCapture Shot(vcl::TControl* Control);

 private:
  void Placed(zyl::TZYLBaseEdit* E, const char* Name, int X, int Y, int W, int H);
  vcl::testkit::TControlsSession session_;
  testsupport::TAppScope app_;
  TRecorder rec_;  // outlives the form, whose edits report to it
  std::unique_ptr<vcl::TForm> form_;
};

// A parameterised fixture whose host holds one focused edit of class E, named Name, W wide at
// (10, 10).
template <class E, class Param>
class TFocusedEditTest : public ::testing::TestWithParam<Param> {
 protected:
  TFocusedEditTest(const char* Name, int W) : edit_(host_.Place<E>(Name, 10, 10, W)) {
    THost::Focus(edit_);
  }
  THost host_;
  E* edit_;
};

}  // namespace edittest
