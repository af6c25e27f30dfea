// Controls in scrolled and nested places, over every registered control class (the framework's
// and the library's package's), each with a caption or text, items where it lists them, a hint,
// and Transparent where the class publishes it:
//  - on a form whose client is scrolled across and down (plain, and painted by a form fill), and
//    in each scroll box (the framework's and the library's) scrolled so, by the program or by
//    the bars' arrows, or scrolled before the control is put in, the control looks, takes the
//    user's clicks, a drag, the wheel and keys (the same events with the same points, the same
//    values after them), and places its caret and what it opens beside itself (a drop-down, a
//    menu, a hint) exactly as a twin put there alike where nothing is scrolled;
//  - inside every container class (the framework's and the library's panels, group boxes,
//    button groups, scroll boxes, tab controls, and on a page of a page control or the wizard),
//    nested two deep in containers of the class in a colour other than the form's (a gradient
//    where the container publishes a fill), the control looks and takes the user's input as a
//    twin in one such container at the same place of the screen on a form of yet another
//    colour: a transparent one shows its container's background, never the form's; moving the
//    outer container moves it on the screen unchanged, scrolling it moves it, and hiding it
//    hides it and keeps the user's clicks from it.
// Each control paints every pixel of itself: rendered afresh over one desktop colour and over
// another, it looks the same. A table names each check a class does not pass, with the reason;
// a row whose check passes fails the sweep.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "buttons/ZYLAssist.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGradient.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/TabCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLFormFill.h"
#include "tests/package/EventTallies.h"
#include "tests/package/InputSteps.h"
#include "tests/package/NamedChecks.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/PixelCheck.h"

namespace {

namespace tk = win::testkit;
using packagetest::TNamedChecks;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;
// Longer than any double-click time: the next click is a click of its own.
constexpr uint64_t kApart = 1000;
// How far a scrolled place is scrolled, across and down: whole lines of 8 pixels.
constexpr int kScrollX = 40;
constexpr int kScrollY = 32;
// Where the control stands in the visible client area of its place.
constexpr int kLeft = 12;
constexpr int kTop = 28;
// The containers' colour, other than the form's, and the colour of the form a nested control's
// twin stands on.
constexpr vcl::TColor kContainerColor = 0x00B0D8C0;
constexpr vcl::TColor kTwinFormColor = 0x004080FF;
// Where the forms stand on the screen, and a point of the screen away from them.
constexpr int kFormLeft = 120;
constexpr int kFormTop = 90;
constexpr win::POINT kAway{1010, 750};

// The checks a class does not pass, with the reason, by the case ("TZYLLabel nested in
// TPanel", "TZYLLabel scrolled in TForm") or by the start of its name ("TZYLLabel nested",
// "TZYLLabel").
struct TExemption {
  const char* Who;
  const char* Check;
  const char* Reason;
};

const std::vector<TExemption>& Exemptions() {
  static const std::vector<TExemption> rows = {
      // A page shows in its page control or wizard only.
      {"TTabSheet", "shows", "a page shows in its page control only"},
      {"TZYLAssistPage", "shows", "a page shows in its wizard only"},
  };
  return rows;
}

std::set<std::string> Exempt(const std::string& who) {
  std::set<std::string> checks;
  for (const TExemption& e : Exemptions())
    if (who == e.Who || who.rfind(std::string(e.Who) + " ", 0) == 0) checks.insert(e.Check);
  return checks;
}

// The checks not made of a class whose look or values follow the clock, which moves on
// between a control and its twin.
const std::map<std::string, std::set<std::string>>& Unsteady() {
  static const std::map<std::string, std::set<std::string>> rows = {
      // The clock's hands show the time.
      {"TZYLClock", {"pixels", "moved pixels"}},
      // The picker holds the time it was made at.
      {"TDateTimePicker", {"state"}},
  };
  return rows;
}

// The checks of one case of a class, against the exceptions the table names for it.
class TCaseChecks : public TNamedChecks {
 public:
  TCaseChecks(vcl::TClass cls, const std::string& who)
      : TNamedChecks(who, Exempt(who)), cls_(cls->ClassName()) {}
  void Expect(const std::string& check, bool ok, const std::string& detail = "") {
    auto it = Unsteady().find(cls_);
    if (it == Unsteady().end() || !it->second.count(check)) TNamedChecks::Expect(check, ok, detail);
  }

 private:
  std::string cls_;
};

vcl::TClass ClassNamed(const std::string& name) {
  for (vcl::TClass cls : packagetest::ComponentClasses())
    if (cls->ClassName() == name) return cls;
  return nullptr;
}

// The control's rectangle on the screen.
vcl::TRect ScreenRect(vcl::TControl* c) {
  const vcl::TPoint p = c->Parent()->ClientToScreen({c->Left(), c->Top()});
  return {p.X, p.Y, p.X + c->Width(), p.Y + c->Height()};
}

std::string Text(const win::RECT& r) {
  return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + ")-(" +
         std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ")";
}

// What the screen shows at a rectangle once the form's paints and timers ran (nothing is
// painted afresh: what scrolling or moving left there is what the user sees).
tk::TCapture PictureAt(vcl::TCustomForm* form, const vcl::TRect& r) {
  tk::RunUntilIdle();
  tk::AdvanceClock(packagetest::kTimerSpan);
  const vcl::TPoint o = form->ClientOrigin();
  return tk::CapturePart(tk::CaptureWindow(form->Handle(), false),
                         {r.Left - o.X, r.Top - o.Y, r.Right - o.X, r.Bottom - o.Y});
}

// Whether the control paints every pixel of itself: rendered afresh on a scratch screen of one
// desktop colour and then of another, what the form shows at the rectangle is the same.
bool PaintsAllOfItself(vcl::TCustomForm* form, const vcl::TRect& r) {
  const int element = win::COLOR_BACKGROUND;
  const win::COLORREF was = win::GetSysColor(element);
  tk::TCapture on[2];
  for (int k = 0; k < 2; ++k) {
    const win::COLORREF desktop = k ? 0x00FF00FF : 0x0000FF00;
    win::SetSysColors(1, &element, &desktop);
    const vcl::TPoint o = form->ClientOrigin();
    on[k] = tk::CapturePart(tk::RenderWindow(form->Handle(), false),
                            {r.Left - o.X, r.Top - o.Y, r.Right - o.X, r.Bottom - o.Y});
  }
  win::SetSysColors(1, &element, &was);
  tk::RunUntilIdle();
  return tk::CountDifferentPixels(on[0], on[1]) == 0;
}

// A control of the class (named X) at `at` of `parent`, not aligned, with a caption or text,
// items where it lists them, a hint, and transparent where the class publishes it.
vcl::TControl* NewControl(vcl::TClass cls, vcl::TForm* form, vcl::TWinControl* parent,
                          vcl::TPoint at) {
  auto* c = static_cast<vcl::TControl*>(cls->Create(form));
  c->SetName("X");
  if (vcl::IsPublishedProp(c, "Align")) vcl::SetOrdProp(c, "Align", vcl::alNone);
  if (const vcl::TPropInfo* p = vcl::GetPropInfo(c, "Transparent");
      p && p->Kind() == vcl::tkEnumeration && p->IsWritable())
    vcl::SetOrdProp(c, p, 1);
  c->SetBounds(at.X, at.Y, 120, std::clamp(c->Height(), 16, 60));
  c->SetParent(parent);
  packagetest::GiveText(c, "Abc");
  packagetest::GiveItems(c);
  vcl::SetStrProp(c, "Hint", "Short|Long");
  if (vcl::GetPropInfo(c, "ShowHint")) vcl::SetOrdProp(c, "ShowHint", 1);
  return c;
}

// A form at its place on the screen, in the colour given.
std::unique_ptr<vcl::TForm> NewForm(vcl::TColor color = vcl::clBtnFace) {
  auto form = std::make_unique<vcl::TForm>(nullptr);
  form->SetBounds(kFormLeft, kFormTop, 420, 340);
  form->SetColor(color);
  return form;
}

// A fill of a gradient from the top-left corner, so that each part of what it fills looks
// different.
void GiveGradient(zyl::TZYLFillObject* f) {
  f->SetFillStyle(zyl::sfGradient);
  f->Gradient()->SetTwoColors(true);
  f->Gradient()->SetColor(vcl::clYellow);
  f->Gradient()->SetEndColor(vcl::clNavy);
  f->Gradient()->SetStyle(zyl::gstTopLeft);
}

// ---- What the user sees of a control ----

struct TSeen {
  bool Shows = false;    // on the screen, with some pixels
  bool Painted = false;  // every pixel of it, whatever lay below
  tk::TCapture Picture;
  std::vector<std::string> Beside;  // the windows each way opened, as the screen had them
  std::vector<std::string> Events;  // the input events, with the points they were told
  packagetest::TValues Values;      // the published values after the input
  std::string Caret;                // where the caret stood on the screen after the click
};

// Runs one of the user's ways, a dialog it brings up closed at once.
void Take(const std::function<void()>& input) {
  try {
    input();
  } catch (const vcl::testkit::EDialogScript&) {
    // the dialog was closed
  }
  tk::RunUntilIdle();
}

// The windows a way of the user's brings up beside the control: the top-level windows showing
// afterwards that did not before, and the menus while they wait for input.
std::vector<std::string> OpenedBy(const std::string& way, const std::function<void()>& input) {
  std::vector<std::string> opened;
  const std::vector<win::HWND> before = packagetest::VisibleTopLevel();
  tk::SetMenuHandler([&] {
    for (const tk::TOpenMenu& m : tk::OpenMenus()) {
      win::RECT r{};
      win::GetWindowRect(m.Window, &r);
      opened.push_back(way + " menu " + Text(r));
    }
  });
  Take(input);
  tk::SetMenuHandler(nullptr);
  for (win::HWND h : packagetest::VisibleTopLevel()) {
    if (std::find(before.begin(), before.end(), h) != before.end()) continue;
    win::RECT r{};
    win::GetWindowRect(h, &r);
    opened.push_back(way + " window " + Text(r));
  }
  // What stays open closes: a drop-down with Escape, the hint when cancelled.
  if (opened.size()) tk::KeyPress(win::VK_ESCAPE);
  vcl::Application->CancelHint();
  tk::MouseMove(kAway.X, kAway.Y);
  tk::AdvanceClock(kApart);
  return opened;
}

// Where the caret stands on the screen while the control or a part of it has the focus ("" when
// it has none, or no caret).
std::string CaretPlace(vcl::TControl* c) {
  win::POINT p{};
  const win::HWND focus = win::GetFocus();
  vcl::TControl* focused = focus ? vcl::FindControl(focus) : nullptr;
  while (focused && focused != c) focused = focused->Parent();
  if (!focused || !win::GetCaretPos(&p)) return "";
  const win::POINT s = tk::ScreenPoint(focus, p.X, p.Y);
  return std::to_string(s.X) + "," + std::to_string(s.Y);
}

// What the user sees of the control on its shown form and what the user's ways do to it.
TSeen Look(vcl::TCustomForm* form, vcl::TControl* c) {
  TSeen seen;
  const vcl::TRect r = ScreenRect(c);
  seen.Picture = PictureAt(form, r);
  auto* w = dynamic_cast<vcl::TWinControl*>(c);
  vcl::TWinControl* shown = w ? w : c->Parent();
  seen.Shows = c->Visible() && shown->Showing() && c->Width() > 0 && c->Height() > 0;
  seen.Painted = PaintsAllOfItself(form, r);
  const vcl::TPoint middle{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  auto add = [&seen](const std::vector<std::string>& opened) {
    seen.Beside.insert(seen.Beside.end(), opened.begin(), opened.end());
  };
  if (w && w->CanFocus()) {
    add(OpenedBy("drop", [w] {
      w->SetFocus();
      tk::KeyPress(win::VK_F4);
    }));
  }
  add(OpenedBy("button", [&] { tk::Click(r.Right - 6, middle.Y); }));
  add(OpenedBy("right click", [&] { tk::Click(middle.X, middle.Y, 1); }));
  add(OpenedBy("hint", [&] {
    tk::MouseMove(middle.X, middle.Y);
    tk::AdvanceClock(vcl::Application->HintPause() + 20);
  }));
  {
    packagetest::TEventTallies events(c, packagetest::IsUsersInputEvent, &seen.Events);
    Take([&] { tk::Click(middle.X, middle.Y); });
    seen.Caret = CaretPlace(c);
    tk::AdvanceClock(kApart);
    Take([&] { tk::DoubleClick(middle.X, middle.Y); });
    tk::AdvanceClock(kApart);
    Take([&] { tk::Drag({middle.X, middle.Y}, {middle.X + 20, middle.Y + 4}); });
    Take([&] { tk::Wheel(-win::WHEEL_DELTA); });
    Take([] {
      tk::TypeText("a");
      tk::KeyPress(win::VK_DOWN);
    });
    tk::MouseMove(kAway.X, kAway.Y);
    tk::AdvanceClock(kApart);
  }
  seen.Values = packagetest::PublishedValues(c);
  return seen;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& l : lines) all += l + "; ";
  return all;
}

// The control acts as its twin: it looks the same, opens the same windows at the same places,
// hears the same events and holds the same values after them.
void ExpectAsTwin(TCaseChecks& checks, const TSeen& seen, const TSeen& twin,
                  const std::string& name) {
  checks.Expect("shows", seen.Shows && twin.Shows, "it or its twin does not show");
  checks.Expect("painted", seen.Painted && twin.Painted,
                "it or its twin leaves pixels of itself unpainted");
  const auto same = tk::SamePixels(seen.Picture, twin.Picture, name);
  checks.Expect("pixels", static_cast<bool>(same), same ? "" : same.message());
  checks.Expect("beside", seen.Beside == twin.Beside,
                "opened " + Joined(seen.Beside) + "its twin " + Joined(twin.Beside));
  checks.Expect("input", seen.Events == twin.Events,
                "heard " + Joined(seen.Events) + "its twin " + Joined(twin.Events));
  // Where it stands within its parent is the place's business.
  std::string changed;
  for (const std::string& path : packagetest::ChangedPaths(seen.Values, twin.Values))
    if (path != "Left" && path != "Top")
      changed += path + " " + seen.Values.at(path) + " for " +
                 (twin.Values.count(path) ? twin.Values.at(path) : "none") + "; ";
  checks.Expect("state", changed.empty(), "holds other values than its twin: " + changed);
  checks.Expect("caret", seen.Caret == twin.Caret,
                "caret at " + seen.Caret + ", its twin's at " + twin.Caret);
}

class ScrolledPlaces : public packagetest::TControlClassesSweep {
 protected:
  void SetUp() override {
    TControlClassesSweep::SetUp();
    tk::MouseMove(kAway.X, kAway.Y);
  }
  // Every dialog a click brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers_;
};

// ---- Scrolled places ----

// The places that scroll: the form itself, plain and painted by a form fill with a gradient
// (which transparent controls show), and the scroll boxes of the framework and the library on
// a form.
struct TScrollPlace {
  const char* Name;
  const char* Box;  // the scroll box's class, "" for the form itself
  bool Filled;
};

constexpr TScrollPlace kScrollPlaces[] = {{"TForm", "", false},
                                          {"TZYLFormFill", "", true},
                                          {"TScrollBox", "TScrollBox", false},
                                          {"TZYLScrollBox", "TZYLScrollBox", false}};

// A form fill of a gradient on the form.
void FillForm(vcl::TForm* form) {
  auto* fill = new zyl::TZYLFormFill(form);
  fill->SetPaintMode(zyl::pcControl);
  GiveGradient(fill->FillObject());
}

// How the place came to be scrolled: by the program before the control was put there, by the
// user clicking the bars' arrows, or before the control was put in.
enum class TScrollWay { Code, Arrows, ControlAfter };

struct TScrollWayName {
  TScrollWay Way;
  const char* Name;
};

constexpr TScrollWayName kScrollWays[] = {{TScrollWay::Code, "by code"},
                                          {TScrollWay::Arrows, "by the arrows"},
                                          {TScrollWay::ControlAfter, "before the control came"}};

// The user clicks a bar's arrow towards the end `lines` times, a line (8 pixels) each.
void ClickArrow(vcl::TScrollingWinControl* place, win::UINT message, int lines) {
  for (int k = 0; k < lines; ++k) win::SendMessageA(place->Handle(), message, win::SB_LINEDOWN, 0);
  win::SendMessageA(place->Handle(), message, win::SB_ENDSCROLL, 0);
}

// A control of the class at the place, put there as the way says and the place scrolled by
// kScrollX, kScrollY the way given; for the twin (`scrolled` false) nothing scrolls, and the
// control stands where the scrolled one does.
class TScrolledStage {
 public:
  TScrolledStage(vcl::TClass cls, const TScrollPlace& where, TScrollWay way, bool scrolled)
      : form_(NewForm()) {
    vcl::TScrollingWinControl* place = form_.get();
    if (where.Filled) FillForm(form_.get());
    if (*where.Box) {
      place = static_cast<vcl::TScrollingWinControl*>(ClassNamed(where.Box)->Create(form_.get()));
      place->SetBounds(6, 6, 380, 280);
      place->SetParent(form_.get());
    }
    // Room to scroll in, on both, so that both show the same bars.
    place->HorzScrollBar()->SetRange(1000);
    place->VertScrollBar()->SetRange(800);
    const bool later = way == TScrollWay::ControlAfter;
    const int dx = scrolled && !later ? kScrollX : 0, dy = scrolled && !later ? kScrollY : 0;
    if (!later) control_ = NewControl(cls, form_.get(), place, {kLeft + dx, kTop + dy});
    form_->Show();
    tk::RunUntilIdle();
    if (scrolled && way == TScrollWay::Arrows) {
      ClickArrow(place, win::WM_HSCROLL, kScrollX / 8);
      ClickArrow(place, win::WM_VSCROLL, kScrollY / 8);
    } else if (scrolled) {
      place->HorzScrollBar()->SetPosition(kScrollX);
      place->VertScrollBar()->SetPosition(kScrollY);
    }
    tk::RunUntilIdle();
    if (later) control_ = NewControl(cls, form_.get(), place, {kLeft, kTop});
    tk::RunUntilIdle();
  }
  vcl::TForm* Form() const { return form_.get(); }
  vcl::TControl* Control() const { return control_; }

 private:
  std::unique_ptr<vcl::TForm> form_;
  vcl::TControl* control_ = nullptr;
};

TEST_P(ScrolledPlaces, AControlInAScrolledPlaceActsAsATwinStandingThereUnscrolled) {
  ASSERT_GT(classes_.size(), 60u);
  int compared = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    for (const TScrollPlace& place : kScrollPlaces) {
      for (const TScrollWayName& way : kScrollWays) {
        const std::string who =
            std::string(cls->ClassName()) + " scrolled in " + place.Name + " " + way.Name;
        SCOPED_TRACE(who);
        TCaseChecks checks(cls, who);
        // One form at a time, each the active one when it is seen.
        TSeen seen[2];
        vcl::TRect at[2];
        for (bool scrolled : {true, false}) {
          TScrolledStage s(cls, place, way.Way, scrolled);
          at[scrolled] = ScreenRect(s.Control());
          seen[scrolled] = Look(s.Form(), s.Control());
        }
        checks.Expect("place", at[true] == at[false],
                      "stands at " + Text({at[1].Left, at[1].Top, at[1].Right, at[1].Bottom}) +
                          ", its twin at " +
                          Text({at[0].Left, at[0].Top, at[0].Right, at[0].Bottom}));
        ExpectAsTwin(checks, seen[true], seen[false], std::string(cls->ClassName()) + "_scrolled");
        compared += checks.Passed() > 0;
      }
    }
  }
  EXPECT_GT(compared, 0);
  RecordProperty("compared", compared);
}

// ---- Nested places ----

// The classes that take controls but are no containers a user nests controls in: the pages,
// which stand in their page control or wizard.
const std::set<std::string>& NoContainers() {
  static const std::set<std::string> names = {"TTabSheet", "TZYLAssistPage"};
  return names;
}

// The containers that hold controls a user puts in them in code, though they take none at
// design time: the page control (on a page) and the button groups.
const std::set<std::string>& HoldersInCode() {
  static const std::set<std::string> names = {"TPageControl", "TRadioGroup", "TZYLRadioGroup",
                                              "TZYLCheckGroup"};
  return names;
}

// The registered control classes whose controls take others, by name.
std::vector<vcl::TClass> ContainerClasses(const std::vector<vcl::TClass>& classes) {
  std::vector<vcl::TClass> containers;
  for (vcl::TClass cls : classes) {
    if (NoContainers().count(cls->ClassName())) continue;
    if (HoldersInCode().count(cls->ClassName())) {
      containers.push_back(cls);
      continue;
    }
    std::unique_ptr<vcl::TComponent> c(cls->Create(nullptr));
    auto* w = dynamic_cast<vcl::TWinControl*>(c.get());
    if (w && w->ControlStyle().contains(vcl::csAcceptsControls)) containers.push_back(cls);
  }
  return containers;
}

// A container of the class in `parent`, in the containers' colour (filled with a gradient where
// it publishes a fill) and without a caption; answers where its children go: its page for a
// page control or a wizard, else itself.
vcl::TWinControl* NewContainer(vcl::TClass cls, vcl::TForm* form, vcl::TWinControl* parent,
                               const vcl::TRect& bounds, vcl::TWinControl*& made) {
  auto* c = static_cast<vcl::TWinControl*>(cls->Create(form));
  made = c;
  if (vcl::IsPublishedProp(c, "Align")) vcl::SetOrdProp(c, "Align", vcl::alNone);
  c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  c->SetParent(parent);
  c->SetColor(kContainerColor);
  if (vcl::GetPropInfo(c, "FillObject"))
    if (auto* fill = dynamic_cast<zyl::TZYLFillObject*>(vcl::GetObjectProp(c, "FillObject")))
      GiveGradient(fill);
  packagetest::GiveText(c, "");
  vcl::TWinControl* page = nullptr;
  if (auto* pages = dynamic_cast<vcl::TPageControl*>(c)) {
    auto* sheet = new vcl::TTabSheet(form);
    sheet->SetPageControl(pages);
    pages->SetActivePage(sheet);
    page = sheet;
  } else if (auto* wizard = dynamic_cast<zyl::TZYLAssist*>(c)) {
    auto* step = new zyl::TZYLAssistPage(form);
    step->SetAssistControl(wizard);
    wizard->SetActivePage(step);
    page = step;
  }
  if (!page) return c;
  page->SetColor(kContainerColor);
  return page;
}

// A control of the class in a container of the container class, itself in one of that class
// on the form (`depth` 2); or, for its twin, in one container only on a form of another
// colour, standing at `at` on the screen.
class TNestedStage {
 public:
  TNestedStage(vcl::TClass cls, vcl::TClass container, int depth = 2,
               const vcl::TRect* at = nullptr)
      : form_(NewForm(depth == 2 ? vcl::clBtnFace : kTwinFormColor)) {
    // The inner container, and the twin's only one, are of one size: what they show (a
    // gradient, say) lies alike around the control.
    const vcl::TRect innerBounds{6, 18, 352, 246};
    vcl::TWinControl* inner = nullptr;
    vcl::TWinControl* holder =
        NewContainer(container, form_.get(), form_.get(),
                     depth == 2 ? vcl::TRect{8, 8, 406, 308} : innerBounds, outer_);
    if (depth == 2) holder = NewContainer(container, form_.get(), holder, innerBounds, inner);
    control_ = NewControl(cls, form_.get(), holder, {kLeft, kTop});
    form_->Show();
    tk::RunUntilIdle();
    if (!at) return;
    const vcl::TRect now = ScreenRect(control_);
    outer_->SetBounds(outer_->Left() + at->Left - now.Left, outer_->Top() + at->Top - now.Top,
                      outer_->Width(), outer_->Height());
    tk::RunUntilIdle();
  }
  vcl::TForm* Form() const { return form_.get(); }
  vcl::TWinControl* Outer() const { return outer_; }
  vcl::TControl* Control() const { return control_; }

 private:
  std::unique_ptr<vcl::TForm> form_;
  vcl::TWinControl* outer_ = nullptr;
  vcl::TControl* control_ = nullptr;
};

std::string Moved(const vcl::TRect& from, const vcl::TRect& to, int dx, int dy) {
  if (to.Left - from.Left == dx && to.Top - from.Top == dy && to.Width() == from.Width() &&
      to.Height() == from.Height())
    return "";
  return "went from " + Text({from.Left, from.Top, from.Right, from.Bottom}) + " to " +
         Text({to.Left, to.Top, to.Right, to.Bottom}) + " for a move by " + std::to_string(dx) +
         "," + std::to_string(dy) + "; ";
}

// Moving the outer container moves the control on the screen, and it looks the same there.
void ExpectMovesWith(TCaseChecks& checks, TNestedStage& s, const std::string& name) {
  vcl::TControl* c = s.Control();
  vcl::TWinControl* outer = s.Outer();
  const vcl::TRect before = ScreenRect(c);
  const tk::TCapture picture = PictureAt(s.Form(), before);
  outer->SetBounds(outer->Left() + 16, outer->Top() + 12, outer->Width(), outer->Height());
  tk::RunUntilIdle();
  const vcl::TRect after = ScreenRect(c);
  const std::string moved = Moved(before, after, 16, 12);
  checks.Expect("moved", moved.empty(), moved);
  const auto same = tk::SamePixels(PictureAt(s.Form(), after), picture, name + "_moved");
  checks.Expect("moved pixels", static_cast<bool>(same), same ? "" : same.message());
  // A container that scrolls moves it the other way.
  auto* scrolling = dynamic_cast<vcl::TScrollingWinControl*>(outer);
  if (!scrolling) return;
  scrolling->VertScrollBar()->SetRange(900);
  scrolling->VertScrollBar()->SetPosition(20);
  tk::RunUntilIdle();
  const std::string scrolled = Moved(after, ScreenRect(c), 0, -20);
  checks.Expect("scrolled", scrolled.empty(), scrolled);
}

// Hiding the outer container hides the control: it shows nowhere and hears no click.
void ExpectHidesWith(TCaseChecks& checks, TNestedStage& s, const std::string& name) {
  vcl::TControl* c = s.Control();
  const vcl::TRect r = ScreenRect(c);
  s.Outer()->SetVisible(false);
  tk::RunUntilIdle();
  auto* w = dynamic_cast<vcl::TWinControl*>(c);
  checks.Expect("hidden", !w || !w->HandleAllocated() || !win::IsWindowVisible(w->Handle()),
                "its window shows");
  const vcl::TColor form = vcl::ColorToRGB(s.Form()->Color());
  const auto plain = tk::PixelsMatch(
      PictureAt(s.Form(), r), [form](int, int) { return form; }, name + "_hidden");
  checks.Expect("hidden pixels", static_cast<bool>(plain), plain ? "" : plain.message());
  std::vector<std::string> heard;
  {
    packagetest::TEventTallies events(c, packagetest::IsUsersInputEvent, &heard);
    Take([&] { tk::Click((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); });
    tk::AdvanceClock(kApart);
  }
  checks.Expect("hidden input", heard.empty(), "heard " + Joined(heard));
}

TEST_P(ScrolledPlaces, AControlNestedInContainersShowsTheirColourAndMovesAndHidesWithThem) {
  const std::vector<vcl::TClass> containers = ContainerClasses(classes_);
  ASSERT_GT(containers.size(), 8u);
  int nested = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    for (vcl::TClass container : containers) {
      const std::string where = container->ClassName();
      SCOPED_TRACE(std::string(cls->ClassName()) + " in " + where);
      TCaseChecks checks(cls, std::string(cls->ClassName()) + " nested in " + where);
      const std::string name = std::string(cls->ClassName()) + "_in_" + where;
      TSeen seen, twin;
      vcl::TRect at;
      {
        TNestedStage s(cls, container);
        at = ScreenRect(s.Control());
        seen = Look(s.Form(), s.Control());
      }
      {
        TNestedStage t(cls, container, 1, &at);
        twin = Look(t.Form(), t.Control());
      }
      ExpectAsTwin(checks, seen, twin, name);
      {
        TNestedStage s(cls, container);
        ExpectMovesWith(checks, s, name);
      }
      {
        TNestedStage s(cls, container);
        ExpectHidesWith(checks, s, name);
      }
      nested += checks.Passed() > 0;
    }
  }
  EXPECT_GT(nested, 0);
  RecordProperty("nested", nested);
}

INSTANTIATE_TEST_SUITE_P(Shards, ScrolledPlaces, ::testing::Range(0, kShards));

}  // namespace
