#include "tests/edits/EditTestHost.h"

#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Colors.h"
#include "platform/testkit/DialogScript.h"
#include "platform/user/WinUserConsts.h"

namespace edittest {

ZYL_CLASS_IMPL(TRecorder) {}

void TRecorder::Changed(vcl::TObject*) { Log.push_back("change"); }
void TRecorder::Modified(vcl::TObject*) { Log.push_back("modified"); }
void TRecorder::Event(vcl::TObject*) { Log.push_back("event"); }
void TRecorder::ChangedAt(vcl::TObject*, int At) { Log.push_back("at" + std::to_string(At)); }
void TRecorder::BtnClick(vcl::TObject*, vcl::TObject*, int Index) {
  Log.push_back("button" + std::to_string(Index));
}

void TRecorder::AddWord(vcl::TObject*, zyl::TZYLBaseEdit*, std::string& Text, bool& Add,
                        zyl::TZYLAutoCompleteSource&) {
  Add = Text != "no";
  Text = "[" + Text + "]";
}

void TRecorder::TakePopup(vcl::TObject*, vcl::TPoint MousePos, bool& Handled) {
  Log.push_back("popup" + std::to_string(MousePos.X) + "," + std::to_string(MousePos.Y));
  Handled = true;
}

void TRecorder::ColorDialog(vcl::TObject*, vcl::TColorDialog*) { Log.push_back("dialog"); }

std::string TRecorder::Take() { return testsupport::TakeLog(Log); }

THost::THost() : session_(640, 480), form_(testsupport::FramelessForm(320, 240)) {
  form_->SetColor(vcl::clBtnFace);
  form_->Show();
  Idle();
}

void THost::Placed(zyl::TZYLBaseEdit* E, const char* Name, int X, int Y, int W, int H) {
  E->SetName(Name);
  E->SetBounds(X, Y, W, H);
  E->SetParent(form_.get());
  E->SetOnChange(vcl::TNotifyEvent(&rec_, &TRecorder::Changed));
  Idle();
}

void THost::Focus(vcl::TWinControl* Control) {
  Control->SetFocus();
  Idle();
}

win::POINT THost::At(vcl::TControl* Control, int X, int Y) {
  const vcl::TPoint p = Control->ClientToScreen(vcl::TPoint{X, Y});
  return {p.X, p.Y};
}

void THost::Chord(win::BYTE Key, bool Shift, bool Ctrl) {
  win::testkit::SetShiftState(Shift, Ctrl, false);
  win::testkit::KeyPress(Key);
  win::testkit::SetShiftState(false, false, false);
}

std::string THost::RightClickMenu(vcl::TControl* Edit, const std::string& Choice) {
  std::string enabled = "no menu";
  win::testkit::SetMenuHandler([&] {
    const auto menus = win::testkit::OpenMenus();
    if (menus.empty() || enabled != "no menu") return;
    enabled.clear();
    for (const auto& item : menus.back().Items)
      if (!(item.Flags & win::MF_GRAYED) && item.Text != "-" && !item.Text.empty())
        enabled += item.Text + ";";
    const int i = menus.back().Find(Choice);
    if (i < 0) return;
    const win::RECT r = menus.back().Items[static_cast<size_t>(i)].Rect;
    win::testkit::QueueClick((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  });
  win::testkit::CloseMenusWhenIdle(true);
  win::testkit::AdvanceClock(1000);
  const win::POINT p = THost::At(Edit, 20, 8);
  win::testkit::Click(p.X, p.Y, 1);
  win::testkit::SetMenuHandler(nullptr);
  win::testkit::CloseMenusWhenIdle(false);
  return enabled;
}

size_t THost::ClickChoosingColor(vcl::TControl* Control, vcl::TColor Colour) {
  vcl::testkit::TDialogScript script;
  script.ChooseColor(Colour);
  const win::POINT p = At(Control, 20, 8);
  win::testkit::Click(p.X, p.Y, 1);
  Idle();
  return script.Shown().size();
}

win::testkit::TCapture THost::Shot(vcl::TControl* Control) {
  Idle();
  const vcl::TPoint o = Control->ClientToScreen(vcl::TPoint{0, 0});
  const win::testkit::TCapture screen = win::testkit::CaptureScreen();
  return win::testkit::MakeCapture(Control->ClientWidth(), Control->ClientHeight(),
                                   [&](int x, int y) { return screen.Color(o.X + x, o.Y + y); });
}

}  // namespace edittest
