// The windows the package's components open stay on the screen wherever the user puts the form:
// every registered component class is placed at each corner and edge of the screen (and in its
// middle) on screens of 1024 x 768, 640 x 480 and one smaller than most windows, and a user's
// ways of opening a window are taken on it: the drop-down key, a click on the control and on
// its button, a right click, resting the mouse for the hint, Execute for a dialog, Popup for a
// menu; the tray icon's menu at the mouse, the auto-complete list while typing, the message
// hint's balloon. Every window that comes up lies within the screen (one larger than the
// screen has its top-left corner on it), and a drop-down list shows its items and takes a
// choice from the keyboard. A table names each class and the ways that open a window of its
// own; the sweep checks that no other class opens one and that each named way does.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "edits/ZYLBrowseDlg.h"
#include "edits/ZYLCustomListComboBox.h"
#include "edits/ZYLEdit.h"
#include "edits/ZYLEditAutoComplete.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLCont.h"
#include "platform/base/Finally.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Controls.h"
#include "platform/controls/DateCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLCustomHint.h"
#include "system/ZYLCustomShapeHint.h"
#include "system/ZYLMessageHint.h"
#include "system/ZYLMsg.h"
#include "system/ZYLTrayIcon.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ApplicationSettings.h"
#include "tests/support/ErrorOf.h"

namespace {

namespace tk = win::testkit;

// Longer than any double-click time: the next click is a click of its own.
constexpr uint64_t kApart = 1000;

struct TScreenSize {
  const char* Name;
  int Width;
  int Height;
};

// A common screen, a notebook's small one and one smaller than the dialogs.
constexpr TScreenSize kScreens[] = {
    {"1024x768", 1024, 768}, {"640x480", 640, 480}, {"200x150", 200, 150}};

// Where on the screen the control (or, for a component without a window, the edit beside it
// and the point the user works at) is put: at a corner, in the middle of an edge, or in the
// middle of the screen.
enum class TPlace { TopLeft, Top, TopRight, Left, Middle, Right, BottomLeft, Bottom, BottomRight };

constexpr TPlace kPlaces[] = {TPlace::TopLeft,    TPlace::Top,    TPlace::TopRight,
                              TPlace::Left,       TPlace::Middle, TPlace::Right,
                              TPlace::BottomLeft, TPlace::Bottom, TPlace::BottomRight};

const char* NameOf(TPlace p) {
  static const char* const names[] = {"TopLeft", "Top",        "TopRight", "Left",       "Middle",
                                      "Right",   "BottomLeft", "Bottom",   "BottomRight"};
  return names[static_cast<int>(p)];
}

// The top-left corner of a w x h rectangle standing at the place on a screen of sw x sh.
win::POINT Origin(TPlace p, int sw, int sh, int w, int h) {
  const int column = static_cast<int>(p) % 3, row = static_cast<int>(p) / 3;
  auto along = [](int k, int room, int size) {
    return k == 0 ? 0 : k == 1 ? (room - size) / 2 : room - size;
  };
  return {along(column, sw, w), along(row, sh, h)};
}

// The user's ways of bringing up a window.
enum class TWay { Drop, Click, RightClick, Hover, Execute, Popup, Tray, Typing, Message };

const char* NameOf(TWay w) {
  static const char* const names[] = {"Drop",  "Click", "RightClick", "Hover",  "Execute",
                                      "Popup", "Tray",  "Typing",     "Message"};
  return names[static_cast<int>(w)];
}

// A window that came up, as the screen had it.
struct TOpened {
  TWay Way;
  std::string What;  // the framework class of the window, or its window class
  win::RECT Rect;
  win::HWND Window;
};

std::string WhatOf(win::HWND h) {
  if (vcl::TWinControl* c = vcl::FindControl(h)) return c->ClassName();
  char name[64] = {};
  win::GetClassNameA(h, name, sizeof name);
  return name;
}

win::RECT RectOf(win::HWND h) {
  win::RECT r{};
  win::GetWindowRect(h, &r);
  return r;
}

std::string Text(const win::RECT& r) {
  return "(" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ")-(" +
         std::to_string(r.Right) + ", " + std::to_string(r.Bottom) + ")";
}

using packagetest::VisibleTopLevel;

// Watches the windows a way of the user's brings up: the modal forms (recorded as they come
// up, then cancelled), the menus (recorded while they wait for input, then left to close) and
// the top-level windows showing afterwards that did not show before.
class TWindowWatch {
 public:
  TWindowWatch() {
    previous_ = vcl::SetModalFormHandler([this](vcl::TCustomForm* f) { OnModal(f); });
    tk::SetMenuHandler([this] { OnMenu(); });
    tk::CloseMenusWhenIdle(true);
  }
  ~TWindowWatch() {
    tk::CloseMenusWhenIdle(false);
    tk::SetMenuHandler(nullptr);
    vcl::SetModalFormHandler(previous_);
  }
  TWindowWatch(const TWindowWatch&) = delete;
  TWindowWatch& operator=(const TWindowWatch&) = delete;

  // How often a submenu was seen open.
  int Submenus = 0;

  void Begin(TWay way) {
    way_ = way;
    seen_.clear();
    before_ = VisibleTopLevel();
  }
  std::vector<TOpened> End() {
    std::vector<TOpened> opened = std::move(seen_);
    seen_.clear();
    for (win::HWND h : VisibleTopLevel())
      if (std::find(before_.begin(), before_.end(), h) == before_.end())
        opened.push_back({way_, WhatOf(h), RectOf(h), h});
    return opened;
  }

 private:
  void OnModal(vcl::TCustomForm* f) {
    if (f->ModalResult() != vcl::mrNone) return;
    seen_.push_back({way_, f->ClassName(), RectOf(f->Handle()), nullptr});
    f->SetModalResult(vcl::mrCancel);
  }
  void OnMenu() {
    const std::vector<tk::TOpenMenu> open = tk::OpenMenus();
    // A menu just opened: Down takes its first item and Right opens that item's submenu.
    if (open.size() == 1 && open[0].Highlighted < 0) {
      for (win::BYTE key : {win::VK_DOWN, win::VK_RIGHT}) {
        tk::QueueKey(key, true);
        tk::QueueKey(key, false);
      }
    }
    if (open.size() > 1) ++Submenus;
    for (const tk::TOpenMenu& m : open) {
      const bool known = std::any_of(seen_.begin(), seen_.end(),
                                     [&](const TOpened& o) { return o.Window == m.Window; });
      if (!known) seen_.push_back({way_, "menu", RectOf(m.Window), m.Window});
    }
  }
  vcl::TModalFormHandler previous_;
  TWay way_ = TWay::Drop;
  std::vector<TOpened> seen_;
  std::vector<win::HWND> before_;
};

// The window lies on the screen; along a side where it is larger than the screen, it starts
// on the screen.
void ExpectOnScreen(const TOpened& w, int sw, int sh) {
  SCOPED_TRACE(std::string(NameOf(w.Way)) + " opened " + w.What + " at " + Text(w.Rect));
  const int width = w.Rect.Right - w.Rect.Left, height = w.Rect.Bottom - w.Rect.Top;
  EXPECT_GE(w.Rect.Left, 0) << "left of the screen";
  EXPECT_GE(w.Rect.Top, 0) << "above the screen";
  if (width <= sw)
    EXPECT_LE(w.Rect.Right, sw) << "right of the screen";
  else
    EXPECT_LT(w.Rect.Left, sw) << "starts right of the screen";
  if (height <= sh)
    EXPECT_LE(w.Rect.Bottom, sh) << "below the screen";
  else
    EXPECT_LT(w.Rect.Top, sh) << "starts below the screen";
}

// The ways that open a window of the class's own, by class. The application's hint window,
// which any control with a hint brings up, is the application's, not the class's.
using TWays = std::set<TWay>;

const std::map<std::string, TWays>& Openers() {
  using W = TWay;
  static const std::map<std::string, TWays> table = {
      // The framework's: the common dialogs, the combo boxes' lists, the date picker's
      // calendar, the popup menu.
      {"TColorDialog", {W::Execute}},
      {"TFindDialog", {W::Execute}},
      {"TFontDialog", {W::Execute}},
      {"TOpenDialog", {W::Execute}},
      {"TOpenPictureDialog", {W::Execute}},
      {"TPrintDialog", {W::Execute}},
      {"TPrinterSetupDialog", {W::Execute}},
      {"TReplaceDialog", {W::Execute}},
      {"TSaveDialog", {W::Execute}},
      {"TSavePictureDialog", {W::Execute}},
      {"TComboBox", {W::Drop, W::Click}},
      {"TDriveComboBox", {W::Drop, W::Click}},
      {"TDateTimePicker", {W::Drop, W::Click}},
      {"TPopupMenu", {W::Popup}},
      // The library's combo boxes drop their lists.
      {"TZYLColorComboBox", {W::Drop, W::Click}},
      {"TZYLComboBox", {W::Drop, W::Click}},
      {"TZYLDriveComboBox", {W::Drop, W::Click}},
      {"TZYLFontComboBox", {W::Drop, W::Click}},
      {"TZYLFontSizeComboBox", {W::Drop, W::Click}},
      {"TZYLImageComboBox", {W::Drop, W::Click}},
      {"TZYLPrinterComboBox", {W::Drop, W::Click}},
      // The drop-down edits drop their lists and have the edits' menu.
      {"TZYLListComboBox", {W::Drop, W::Click, W::RightClick}},
      {"TZYLLabeledListComboBox", {W::Drop, W::Click, W::RightClick}},
      {"TZYLHistoryEdit", {W::Drop, W::Click, W::RightClick}},
      // The browse edits' buttons open their dialogs (the colour edit's the colour dialog).
      {"TZYLBrowseEdit", {W::Click, W::RightClick}},
      {"TZYLLabeledBrowseEdit", {W::Click, W::RightClick}},
      {"TZYLColorEdit", {W::Click, W::RightClick}},
      {"TZYLLabeledColorEdit", {W::Click, W::RightClick}},
      {"TZYLFileOpenEdit", {W::Click, W::RightClick}},
      {"TZYLLabeledFileOpenEdit", {W::Click, W::RightClick}},
      {"TZYLFileSaveEdit", {W::Click, W::RightClick}},
      {"TZYLLabeledFileSaveEdit", {W::Click, W::RightClick}},
      // The owner-drawn edits' own menu.
      {"TZYLEdit", {W::RightClick}},
      {"TZYLLabeledEdit", {W::RightClick}},
      {"TZYLMaskEdit", {W::RightClick}},
      {"TZYLLabeledMaskEdit", {W::RightClick}},
      {"TZYLMemo", {W::RightClick}},
      {"TZYLLabeledMemo", {W::RightClick}},
      {"TZYLSpinEdit", {W::RightClick}},
      {"TZYLExtSpinEdit", {W::RightClick}},
      {"TZYLLabeledExtSpinEdit", {W::RightClick}},
      // The library's dialogs.
      {"TZYLAboutDlg", {W::Execute}},
      {"TZYLBrowseDlg", {W::Execute}},
      {"TZYLDirDlg", {W::Execute}},
      {"TZYLInputDlg", {W::Execute}},
      {"TZYLMessageBoxDlg", {W::Execute}},
      {"TZYLTipDlg", {W::Execute}},
      {"TZYLWindowListDlg", {W::Execute}},
      // Menus, hints and lists of the library's components.
      {"TZYLPopupMenu", {W::Popup}},
      {"TZYLTrayIcon", {W::Tray}},
      {"TZYLHint", {W::Hover}},
      {"TZYLShapeHint", {W::Hover}},
      {"TZYLMessageHint", {W::Message}},
      {"TZYLEditAutoComplete", {W::Typing}},
  };
  return table;
}

bool IsOwnWindow(const TOpened& w) {
  return !(w.Way == TWay::Hover && w.What == vcl::THintWindow::StaticClass()->ClassName());
}

// ---- The stage ----

// A component of the class on a shown form, with a hint; a control among the form's own, at
// the place; a component without a window with an edit beside it that stands at the place.
class TPlaced {
 public:
  TPlaced(vcl::TClass cls, TPlace place, int sw, int sh) : form_(new vcl::TForm(nullptr)) {
    form_->SetBounds(0, 0, 320, 240);
    component_ = cls->Create(form_.get());
    component_->SetName("X");
    control_ = dynamic_cast<vcl::TControl*>(component_);
    if (!control_) {
      helper_ = new zyl::TZYLEdit(form_.get());
      helper_->SetName("Y");
      control_ = helper_;
    }
    control_->SetBounds(8, 8, 120, std::clamp(control_->Height(), 16, 60));
    control_->SetParent(form_.get());
    GiveItems(control_);
    vcl::SetStrProp(control_, "Hint", "Short|Long");
    if (vcl::GetPropInfo(control_, "ShowHint")) vcl::SetOrdProp(control_, "ShowHint", 1);
    form_->Show();
    tk::RunUntilIdle();
    // The control's screen rectangle to the place.
    const vcl::TPoint at = control_->ClientToScreen(vcl::TPoint{0, 0});
    const win::POINT to = Origin(place, sw, sh, control_->Width(), control_->Height());
    form_->SetBounds(form_->Left() + to.X - at.X, form_->Top() + to.Y - at.Y, form_->Width(),
                     form_->Height());
    tk::RunUntilIdle();
    point_ = Origin(place, sw, sh, 1, 1);
  }
  vcl::TComponent* Component() const { return component_; }
  // The control the user works on: the component, or the edit beside it.
  vcl::TControl* Control() const { return control_; }
  vcl::TCustomForm* Form() const { return form_.get(); }
  // The point of the place itself (a corner pixel at a corner).
  win::POINT Point() const { return point_; }
  vcl::TPoint At(int x, int y) const { return control_->ClientToScreen(vcl::TPoint{x, y}); }

 private:
  // Three items for a control that lists items, so that a list has some to show.
  static void GiveItems(vcl::TControl* c) {
    const vcl::TPropInfo* p = vcl::GetPropInfo(c, "Items");
    if (!p || p->Kind() != vcl::tkClass) return;
    if (auto* items = dynamic_cast<vcl::TStrings*>(vcl::GetObjectProp(c, p)))
      for (const char* item : {"One", "Two", "Three"}) items->Add(item);
    tk::RunUntilIdle();
  }
  std::unique_ptr<vcl::TCustomForm> form_;
  vcl::TComponent* component_ = nullptr;
  vcl::TControl* control_ = nullptr;
  zyl::TZYLEdit* helper_ = nullptr;
  win::POINT point_{};
};

// ---- Drop-downs ----

// A control's drop-down while it is open: the list of a combo box, the calendar of a date
// picker, the control of a drop-down edit.
bool DroppedDown(vcl::TControl* c) {
  if (auto* picker = dynamic_cast<vcl::TDateTimePicker*>(c)) return picker->DroppedDown();
  if (auto* combo = dynamic_cast<vcl::TCustomComboBox*>(c))
    return combo->HandleAllocated() && combo->DroppedDown();
  if (auto* ext = dynamic_cast<zyl::TZYLCustomExtCombo*>(c)) return ext->DroppedDown();
  return false;
}

// What the user chose, as the control keeps it.
std::string Choice(vcl::TControl* c) {
  if (auto* picker = dynamic_cast<vcl::TDateTimePicker*>(c)) return std::to_string(picker->Date());
  if (auto* combo = dynamic_cast<vcl::TCustomComboBox*>(c))
    return std::to_string(combo->ItemIndex());
  if (auto* list = dynamic_cast<zyl::TZYLCustomListComboBox*>(c))
    return std::to_string(list->ItemIndex());
  return "";
}

// Starts a list at its first item, so that Down picks the second.
void ChooseFirst(vcl::TControl* c) {
  if (auto* combo = dynamic_cast<vcl::TCustomComboBox*>(c); combo && combo->Items()->Count() > 1)
    combo->SetItemIndex(0);
  if (auto* list = dynamic_cast<zyl::TZYLCustomListComboBox*>(c);
      list && list->Items()->Count() > 1)
    list->SetItemIndex(0);
}

// What Down then Enter on the open drop-down must leave: the next item of a list, the day a
// week later in a calendar.
std::string ChoiceAfterDown(vcl::TControl* c) {
  if (auto* picker = dynamic_cast<vcl::TDateTimePicker*>(c))
    return std::to_string(picker->Date() + 7);
  if (auto* combo = dynamic_cast<vcl::TCustomComboBox*>(c))
    return combo->Items()->Count() > 1 ? "1" : std::to_string(combo->ItemIndex());
  if (auto* list = dynamic_cast<zyl::TZYLCustomListComboBox*>(c))
    return list->Items()->Count() > 1 ? "1" : std::to_string(list->ItemIndex());
  return "";
}

// An open list shows its items: it holds some and is at least one line high.
void ExpectListShows(const TOpened& w) {
  if (!w.Window) return;
  const win::LRESULT count = win::SendMessageA(w.Window, win::LB_GETCOUNT, 0, 0);
  if (count <= 0) return;  // not a list (a calendar)
  win::RECT client{};
  win::GetClientRect(w.Window, &client);
  const win::LRESULT line = win::SendMessageA(w.Window, win::LB_GETITEMHEIGHT, 0, 0);
  EXPECT_GE(client.Bottom - client.Top, line) << w.What << " shows no whole line";
}

// The settings a component's window is placed by, each in turn (the first leaves them as they
// are): a dialog's place on the screen and on the active form, and, for the message box, its
// own place pushed past the screen's corner; a balloon's side of its point.
std::vector<std::function<void()>> Placings(vcl::TComponent* c) {
  std::vector<std::function<void()>> placings{[] {}};
  if (vcl::GetPropInfo(c, "RelatePos")) {
    for (zyl::TZYLDlgPosRel relate : {zyl::brScreen, zyl::brActiveWindow})
      for (int p = zyl::bpCustom; p <= zyl::bpBottomRight; ++p)
        placings.push_back([c, relate, p] {
          vcl::SetOrdProp(c, "RelatePos", relate);
          vcl::SetOrdProp(c, "Position", p);
        });
  }
  if (vcl::GetPropInfo(c, "BoxLeft")) {
    placings.push_back([c] {
      vcl::SetOrdProp(c, "Position", zyl::bpCustom);
      vcl::SetOrdProp(c, "BoxLeft", 5000);
      vcl::SetOrdProp(c, "BoxTop", 5000);
    });
  }
  // A popup menu to the right of its point, or centred on it.
  if (auto* menu = dynamic_cast<vcl::TPopupMenu*>(c))
    for (vcl::TPopupAlignment a : {vcl::paRight, vcl::paCenter, vcl::paLeft})
      placings.push_back([menu, a] { menu->SetAlignment(a); });
  // A drop-down list wider than its control.
  if (vcl::GetPropInfo(c, "DropDownWidth"))
    placings.push_back([c] { vcl::SetOrdProp(c, "DropDownWidth", 300); });
  if (auto* shape = dynamic_cast<zyl::TZYLCustomShapeHint*>(c))
    for (zyl::TZYLHintPosition p :
         {zyl::hpAboveLeft, zyl::hpAboveRight, zyl::hpBelowLeft, zyl::hpBelowRight})
      placings.push_back([shape, p] { shape->SetPosition(p); });
  return placings;
}

// Shows a dialog component: Execute, or the message box's ShowMessage.
void ExecuteDialog(vcl::TComponent* c) {
  if (packagetest::Execute(c)) return;
  if (auto* browse = dynamic_cast<zyl::TZYLBrowseDlg*>(c)) browse->Execute();
  if (auto* box = dynamic_cast<zyl::TZYLMessageBoxDlg*>(c)) box->ShowMessage("Message");
}

// ---- The fixture ----

struct TEdgeCase {
  TScreenSize Screen;
  TPlace Place;
};

void PrintTo(const TEdgeCase& c, std::ostream* os) {
  *os << c.Screen.Name << " " << NameOf(c.Place);
}

// Three items, the first with a submenu of three more, long enough to reach past an edge.
void GiveMenuItems(vcl::TPopupMenu* menu) {
  for (const char* caption : {"One", "Two", "Three"}) {
    auto* item = new vcl::TMenuItem(menu);
    item->SetCaption(caption);
    menu->Items()->Add(item);
  }
  for (const char* caption : {"Four with a long caption", "Five", "Six"}) {
    auto* item = new vcl::TMenuItem(menu);
    item->SetCaption(caption);
    menu->Items()->Items(0)->Add(item);
  }
}

// What a class needs before it opens its window: the hint components enabled, the message
// hint's balloon without the mouse's capture, the tray icon shown with a menu, the auto-complete
// list linked to the edit beside it with words to offer.
void Prepare(TPlaced& stage) {
  vcl::TComponent* c = stage.Component();
  if (auto* hint = dynamic_cast<zyl::TZYLCustomHint*>(c)) hint->SetEnabled(true);
  if (auto* message = dynamic_cast<zyl::TZYLMessageHint*>(c)) message->SetSetCapture(false);
  if (auto* tray = dynamic_cast<zyl::TZYLTrayIcon*>(c)) {
    auto* menu = new vcl::TPopupMenu(stage.Form());
    GiveMenuItems(menu);
    tray->SetPopupMenu(menu);
    // Made in code, it comes into the tray as it is switched on.
    tray->SetActive(false);
    tray->SetActive(true);
  }
  if (auto* complete = dynamic_cast<zyl::TZYLEditAutoComplete*>(c)) {
    auto* words = new zyl::TZYLStringList(stage.Form());
    words->GetArrayItem(words->Add())->GetList()->SetText("apple\r\napplesauce\r\napricot\r\n");
    complete->SetStringList(words);
    complete->SetMode(zyl::TZYLAutoCompleteModes{zyl::amPopup});
    static_cast<zyl::TZYLEdit*>(stage.Control())->SetAutoComplete(complete);
  }
  tk::RunUntilIdle();
}

class ScreenEdges : public packagetest::TPackageFixture<::testing::TestWithParam<TEdgeCase>> {
 protected:
  ScreenEdges() : TPackageFixture(GetParam().Screen.Width, GetParam().Screen.Height) {}
  void TearDown() override {
    vcl::TApplication::HintWindowClass = nullptr;
    TPackageFixture::TearDown();
  }

  int Sw() const { return GetParam().Screen.Width; }
  int Sh() const { return GetParam().Screen.Height; }

  // Runs one way of the user's and checks every window it brought up; records the ways that
  // opened a window of the class's own.
  std::vector<TOpened> Take(vcl::TClass cls, TWay way, const std::function<void()>& input) {
    SCOPED_TRACE(NameOf(way));
    watch_->Begin(way);
    testsupport::ErrorOf<vcl::Exception>(input);
    std::vector<TOpened> opened = watch_->End();
    for (const TOpened& w : opened) {
      ExpectOnScreen(w, Sw(), Sh());
      if (IsOwnWindow(w)) opened_[cls->ClassName()][way] = w.What;
      ++windows_;
    }
    return opened;
  }

  // Closes what a way left open: a drop-down, a form shown without a modal loop, the hint.
  static void CloseAll(vcl::TControl* c, const std::vector<TOpened>& opened) {
    if (DroppedDown(c)) tk::KeyPress(win::VK_ESCAPE);
    for (const TOpened& w : opened)
      if (w.Window && win::IsWindow(w.Window) && win::IsWindowVisible(w.Window))
        if (auto* f = dynamic_cast<vcl::TCustomForm*>(vcl::FindControl(w.Window))) f->Close();
    if (vcl::Application) vcl::Application->CancelHint();
    tk::RunUntilIdle();
    tk::AdvanceClock(kApart);
  }

  void TakeAndClose(vcl::TClass cls, vcl::TControl* c, TWay way,
                    const std::function<void()>& input) {
    CloseAll(c, Take(cls, way, input));
  }

  // Every way of the user's on the component at its place.
  void Sweep(vcl::TClass cls) {
    // What the component puts into the application goes back with it: the hint window class,
    // then the application's hint window, made afresh of the class put back.
    const vcl::TFinally freshHint([] {
      vcl::Application->SetShowHint(false);
      vcl::Application->SetShowHint(true);
    });
    const testsupport::TApplicationSettingsScope settings;
    TPlaced stage(cls, GetParam().Place, Sw(), Sh());
    Prepare(stage);
    vcl::TControl* c = stage.Control();
    TWindowWatch watch;
    watch_ = &watch;
    vcl::TComponent* component = stage.Component();
    // Resting on the control brings up the hint (a hint component's, on each side of the
    // mouse it may take).
    const vcl::TPoint middle = stage.At(c->Width() / 2, c->Height() / 2);
    const std::vector<std::function<void()>> hovers =
        dynamic_cast<zyl::TZYLCustomHint*>(component) ? Placings(component)
                                                      : std::vector<std::function<void()>>{[] {}};
    for (const auto& place : hovers) {
      place();
      TakeAndClose(cls, c, TWay::Hover, [&] {
        tk::MouseMove(middle.X, middle.Y);
        tk::AdvanceClock(vcl::Application->HintPause() + 20);
      });
      tk::MouseMove(stage.Point().X, stage.Point().Y);
    }
    if (component == c) {
      SweepControl(cls, stage);
    } else {
      for (const auto& place : Placings(component)) {
        place();
        TakeAndClose(cls, c, TWay::Execute, [&] { ExecuteDialog(component); });
      }
    }
    if (auto* menu = dynamic_cast<vcl::TPopupMenu*>(component)) {
      GiveMenuItems(menu);
      for (const auto& place : Placings(component)) {
        place();
        TakeAndClose(cls, c, TWay::Popup, [&] { menu->Popup(stage.Point().X, stage.Point().Y); });
      }
    }
    if (dynamic_cast<zyl::TZYLTrayIcon*>(component)) {
      // The menu comes up at the mouse, wherever it is when the icon is clicked.
      for (const win::TTrayIcon& icon : win::ShellTrayIcons())
        TakeAndClose(cls, c, TWay::Tray, [&] { tk::ClickTrayIcon(icon.Wnd, icon.ID, 1); });
    }
    if (auto* message = dynamic_cast<zyl::TZYLMessageHint*>(component)) {
      for (const auto& place : Placings(component)) {
        place();
        TakeAndClose(cls, c, TWay::Message, [&] { message->ShowControlMessage("Message", c); });
        message->HideMessage();
        // At the place's own point: a corner pixel at a corner.
        TakeAndClose(cls, c, TWay::Message,
                     [&] { message->ShowMessage("Message", stage.Point().X, stage.Point().Y); });
        message->HideMessage();
      }
    }
    if (dynamic_cast<zyl::TZYLEditAutoComplete*>(component)) SweepTyping(cls, stage);
    submenus_ += watch.Submenus;
    watch_ = nullptr;
  }

  void SweepControl(vcl::TClass cls, TPlaced& stage) {
    vcl::TControl* c = stage.Control();
    auto* w = dynamic_cast<vcl::TWinControl*>(c);
    // The drop-down key; the open list shows its items, Down and Enter choose the next.
    for (const auto& place : Placings(c)) {
      if (!w || !w->CanFocus()) break;
      place();
      w->SetFocus();
      tk::RunUntilIdle();
      ChooseFirst(c);
      const std::vector<TOpened> opened = Take(cls, TWay::Drop, [] { tk::KeyPress(win::VK_F4); });
      if (DroppedDown(c)) {
        for (const TOpened& o : opened) ExpectListShows(o);
        const std::string want = ChoiceAfterDown(c);
        tk::KeyPress(win::VK_DOWN);
        tk::KeyPress(win::VK_RETURN);
        EXPECT_FALSE(DroppedDown(c)) << "Enter leaves the drop-down open";
        EXPECT_EQ(Choice(c), want) << "Down and Enter did not choose the next one";
        ++chosen_;
      }
      CloseAll(c, opened);
    }
    // A click on the middle, then on the control's right end (where a button stands).
    for (int x : {c->Width() / 2, c->Width() - 6}) {
      const vcl::TPoint p = stage.At(x, c->Height() / 2);
      TakeAndClose(cls, c, TWay::Click, [&] { tk::Click(p.X, p.Y); });
    }
    const vcl::TPoint middle = stage.At(c->Width() / 2, c->Height() / 2);
    TakeAndClose(cls, c, TWay::RightClick, [&] { tk::Click(middle.X, middle.Y, 1); });
  }

  // Typing the start of a word brings up the list of the words it starts; Down takes the first
  // into the edit, Enter closes the list.
  void SweepTyping(vcl::TClass cls, TPlaced& stage) {
    auto* edit = static_cast<zyl::TZYLEdit*>(stage.Control());
    edit->SetFocus();
    tk::RunUntilIdle();
    const std::vector<TOpened> opened = Take(cls, TWay::Typing, [] { tk::TypeText("ap"); });
    for (const TOpened& o : opened) {
      EXPECT_EQ(win::SendMessageA(o.Window, win::LB_GETCOUNT, 0, 0), 3);
      ExpectListShows(o);
    }
    tk::KeyPress(win::VK_DOWN);
    EXPECT_EQ(edit->RawText(), "apple");
    tk::KeyPress(win::VK_RETURN);
    for (const TOpened& o : opened) EXPECT_FALSE(win::IsWindowVisible(o.Window));
    ++chosen_;
    CloseAll(edit, opened);
  }

  TWindowWatch* watch_ = nullptr;
  // The ways that opened a window of the class's own, with the window's class.
  std::map<std::string, std::map<TWay, std::string>> opened_;
  int windows_ = 0;
  int chosen_ = 0;
  int submenus_ = 0;
};

TEST_P(ScreenEdges, EveryWindowAComponentOpensLiesOnTheScreen) {
  int swept = 0;
  for (vcl::TClass cls : packagetest::ComponentClasses()) {
    if (packagetest::IsForm(cls)) continue;
    SCOPED_TRACE(cls->ClassName());
    Sweep(cls);
    ++swept;
  }
  EXPECT_GT(swept, 150);
  EXPECT_GT(windows_, 0);
  EXPECT_GT(chosen_, 0);
  EXPECT_GT(submenus_, 0);
  // The ways that opened a window of the class's own are those the table names, all of them.
  for (const auto& [name, ways] : opened_)
    for (const auto& [way, what] : ways) {
      auto it = Openers().find(name);
      EXPECT_TRUE(it != Openers().end() && it->second.count(way))
          << name << " opens a window the table does not name: " << NameOf(way) << " " << what;
    }
  for (const auto& [name, ways] : Openers())
    for (TWay way : ways) {
      auto it = opened_.find(name);
      EXPECT_TRUE(it != opened_.end() && it->second.count(way))
          << name << " opened no window: " << NameOf(way);
    }
  RecordProperty("swept", swept);
  RecordProperty("windows", windows_);
  RecordProperty("chosen", chosen_);
  RecordProperty("submenus", submenus_);
}

std::vector<TEdgeCase> EdgeCases() {
  std::vector<TEdgeCase> cases;
  for (const TScreenSize& screen : kScreens)
    for (TPlace place : kPlaces) cases.push_back({screen, place});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenEdges, ::testing::ValuesIn(EdgeCases()),
                         [](const auto& info) {
                           return std::string("S") + info.param.Screen.Name + "_" +
                                  NameOf(info.param.Place);
                         });

}  // namespace
