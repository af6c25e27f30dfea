// While a program runs, the system tells its top-level windows of changes: the system colours,
// a setting, the fonts installed, the screen's size, the visual theme, the time, the taskbar
// made anew, power and the user's session ending. Over every component class the library's
// package and the framework register, each on a shown form, every change is made and told as
// the system does it; then nothing raises, no published value changes that the change does not
// change, the events that tell of the change fire once each and no other event fires, a tray
// icon is back after the taskbar was made anew, nothing refuses the end of the session, and
// the control still takes input. After a change of the system colours a control paints as a
// twin made after the change does (no brush, face or gradient cached from the old colours).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/text/FontEngine.h"
#include "platform/text/Text.h"
#include "platform/user/WinUser.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FreeProbe.h"
#include "tests/support/PixelCheck.h"

namespace {

namespace tk = win::testkit;
using packagetest::TInputStage;
using packagetest::TMade;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;

// ---- The changes, made and told as the system does ----

// The colours a change of the colour scheme gives the elements the controls paint with.
const std::vector<std::pair<int, win::COLORREF>>& NewScheme() {
  static const std::vector<std::pair<int, win::COLORREF>> scheme = {
      {win::COLOR_BTNFACE, win::RGB(200, 170, 230)},
      {win::COLOR_WINDOW, win::RGB(255, 250, 205)},
      {win::COLOR_WINDOWTEXT, win::RGB(0, 60, 0)},
      {win::COLOR_BTNTEXT, win::RGB(90, 0, 0)},
      {win::COLOR_HIGHLIGHT, win::RGB(220, 90, 20)},
      {win::COLOR_HIGHLIGHTTEXT, win::RGB(255, 255, 180)},
      {win::COLOR_BTNSHADOW, win::RGB(100, 60, 130)},
      {win::COLOR_BTNHIGHLIGHT, win::RGB(250, 235, 255)},
      {win::COLOR_3DDKSHADOW, win::RGB(40, 20, 60)},
      {win::COLOR_3DLIGHT, win::RGB(225, 205, 240)},
      {win::COLOR_GRAYTEXT, win::RGB(150, 120, 160)},
      {win::COLOR_INFOBK, win::RGB(200, 255, 255)},
      {win::COLOR_ACTIVECAPTION, win::RGB(120, 0, 60)},
      {win::COLOR_GRADIENTACTIVECAPTION, win::RGB(240, 120, 170)},
      {win::COLOR_APPWORKSPACE, win::RGB(90, 110, 70)}};
  return scheme;
}

void SetColours(const std::vector<std::pair<int, win::COLORREF>>& colours) {
  std::vector<int> elements;
  std::vector<win::COLORREF> values;
  for (const auto& [e, v] : colours) {
    elements.push_back(e);
    values.push_back(v);
  }
  win::SetSysColors(static_cast<int>(elements.size()), elements.data(), values.data());
}

// The user picks another colour scheme: the colours change, and SetSysColors tells the
// top-level windows.
void ChangeColours(const std::vector<std::pair<int, win::COLORREF>>& colours) {
  SetColours(colours);
}

// Every window, children included (the visual theme is told to each of them).
std::vector<win::HWND> EveryWindow() {
  std::vector<win::HWND> all;
  win::EnumWindows(
      [](win::HWND h, win::LPARAM data) -> win::BOOL {
        auto* list = reinterpret_cast<std::vector<win::HWND>*>(data);
        list->push_back(h);
        win::EnumChildWindows(
            h,
            [](win::HWND c, win::LPARAM d) -> win::BOOL {
              reinterpret_cast<std::vector<win::HWND>*>(d)->push_back(c);
              return win::TRUE;
            },
            data);
        return win::TRUE;
      },
      reinterpret_cast<win::LPARAM>(&all));
  return all;
}

std::vector<win::HWND> TopLevelWindows() {
  std::vector<win::HWND> tops;
  win::EnumWindows(
      [](win::HWND h, win::LPARAM data) -> win::BOOL {
        reinterpret_cast<std::vector<win::HWND>*>(data)->push_back(h);
        return win::TRUE;
      },
      reinterpret_cast<win::LPARAM>(&tops));
  return tops;
}

// A face of the catalogue that no control is given by default, for the fonts' change.
std::string SpareFontFile() {
  for (const win::fontengine::TCatalogFace& f : win::fontengine::CatalogFaces())
    if (!f.File.empty() && f.FaceName != "MS Sans Serif" && f.FaceName != "Tahoma" &&
        f.FaceName != "Arial")
      return f.File;
  return "";
}

// The user logs off: every top-level window is asked, none refuses; then each hears whether the
// session ends.
void EndSession(bool ends) {
  for (win::HWND h : TopLevelWindows())
    if (win::IsWindow(h) && win::SendMessageA(h, win::WM_QUERYENDSESSION, 0, 0) == 0)
      ADD_FAILURE() << "a window refused the end of the session";
  win::SendMessageA(win::HWND_BROADCAST, win::WM_ENDSESSION, ends ? win::TRUE : win::FALSE, 0);
}

// What a user or the system does, and what it tells the windows.
struct TChange {
  const char* Name;
  std::function<void()> Make;
  std::function<void()> Undo;  // puts things back without telling anyone; may be empty
};

const std::vector<TChange>& Changes() {
  static const std::vector<TChange> changes = {
      {"SysColorChange", [] { ChangeColours(NewScheme()); }, [] { win::ResetSysColors(); }},
      {"SettingChange",
       [] {
         win::SystemParametersInfoA(win::SPI_SETDOUBLECLICKTIME, 400, nullptr,
                                    win::SPIF_UPDATEINIFILE | win::SPIF_SENDCHANGE);
       },
       [] { win::SystemParametersInfoA(win::SPI_SETDOUBLECLICKTIME, 500, nullptr, 0); }},
      {"WinIniChange",
       [] {
         static const char section[] = "intl";
         win::SendMessageA(win::HWND_BROADCAST, win::WM_WININICHANGE, 0,
                           reinterpret_cast<win::LPARAM>(section));
       },
       {}},
      {"FontChange",
       [] {
         win::RemoveFontResourceA(SpareFontFile().c_str());
         win::SendMessageA(win::HWND_BROADCAST, win::WM_FONTCHANGE, 0, 0);
       },
       [] { win::AddFontResourceA(SpareFontFile().c_str()); }},
      {"DisplayChange",
       [] {
         win::DEVMODEA mode;
         mode.dmFields = win::DM_PELSWIDTH | win::DM_PELSHEIGHT;
         mode.dmPelsWidth = 800;
         mode.dmPelsHeight = 600;
         win::ChangeDisplaySettingsA(&mode, 0);
       },
       {}},
      {"DisplayBack", [] { win::ChangeDisplaySettingsA(nullptr, 0); }, {}},
      {"ThemeChanged",
       [] {
         for (win::HWND h : EveryWindow())
           if (win::IsWindow(h)) win::SendMessageA(h, win::WM_THEMECHANGED, 0, 0);
       },
       {}},
      {"TimeChange",
       [] {
         auto& clock = dynamic_cast<win::TVirtualClock&>(win::CurrentClock());
         clock.SetNow(clock.Now() + 1.0 / 24);
         win::SendMessageA(win::HWND_BROADCAST, win::WM_TIMECHANGE, 0, 0);
       },
       {}},
      {"TaskbarCreated", [] { win::ShellRecreateTaskbar(); }, {}},
      {"PowerSuspend",
       [] {
         win::SendMessageA(win::HWND_BROADCAST, win::WM_POWERBROADCAST, win::PBT_APMSUSPEND, 0);
       },
       {}},
      {"PowerResume",
       [] {
         win::SendMessageA(win::HWND_BROADCAST, win::WM_POWERBROADCAST, win::PBT_APMRESUMESUSPEND,
                           0);
         win::SendMessageA(win::HWND_BROADCAST, win::WM_POWER, win::PWR_SUSPENDRESUME, 0);
       },
       {}},
      // The user logs off; another program refuses, so the session goes on.
      {"SessionGoesOn", [] { EndSession(false); }, {}},
      // The user logs off and the session ends; the program ends after this.
      {"SessionEnds", [] { EndSession(true); }, {}},
  };
  return changes;
}

// ---- What the Parts say a change does ----

// Events that tell of a change and fire once per change, by class and change.
const std::map<std::pair<std::string, std::string>, std::vector<std::string>>& Told() {
  static const std::map<std::pair<std::string, std::string>, std::vector<std::string>> told = {
      {{"TZYLForm", "SysColorChange"}, {"OnSysColorChange"}},
      {{"TZYLForm", "SettingChange"}, {"OnIniChange"}},
      {{"TZYLForm", "WinIniChange"}, {"OnIniChange"}},
      {{"TZYLForm", "FontChange"}, {"OnFontChange"}},
      {{"TZYLForm", "TimeChange"}, {"OnTimeChange"}},
      {{"TZYLForm", "DisplayChange"}, {"OnDisplayChange"}},
      {{"TZYLForm", "DisplayBack"}, {"OnDisplayChange"}},
      {{"TZYLForm", "PowerResume"}, {"OnAPMResume"}},
      // A form is asked whether the session may end.
      {{"TForm", "SessionGoesOn"}, {"OnCloseQuery"}},
      {{"TForm", "SessionEnds"}, {"OnCloseQuery"}},
  };
  return told;
}

// A (class, change, what) that the sweep lets pass, with the reason. `What` is a published
// value's path, an event's name (an event that fires beyond those listed above) or "pixels".
struct TExempt {
  const char* Class;
  const char* Change;
  const char* What;
  const char* Reason;
};

const std::vector<TExempt>& Exempt() {
  static const std::vector<TExempt> exempt = {
        {"TZYLDriveComboBox", "ThemeChanged", "OnChange",
         "its window made anew fills the list and selects the drive again, which calls Change"},
        {"TZYLScrollText", "SysColorChange", "OnScroll", "OnScroll tells of each painted step"},
        {"TZYLScrollText", "DisplayChange", "OnScroll", "OnScroll tells of each painted step"},
        {"TZYLScrollText", "DisplayBack", "OnScroll", "OnScroll tells of each painted step"},
        {"TMonthCalendar", "SysColorChange", "OnGetMonthInfo",
         "the calendar asks for each shown month's bold days when it lays its months out again"},
        {"TZYLSysInfo", "DisplayChange", "ScreenWidth", "it reads the screen's size"},
        {"TZYLSysInfo", "DisplayChange", "ScreenHeight", "it reads the screen's size"},
        {"TZYLSysInfo", "DisplayBack", "ScreenWidth", "it reads the screen's size"},
        {"TZYLSysInfo", "DisplayBack", "ScreenHeight", "it reads the screen's size"},
  };
  return exempt;
}

// The components that keep state between runs, and when their Parts have them store it. None
// stores it on the session's end itself: each stores when its owner form is freed, which the
// application does for its forms when the session ends (tests/system/SessionEndTest.cpp).
struct TSaver {
  const char* Class;
  const char* When;
};
const std::vector<TSaver>& Savers() {
  static const std::vector<TSaver> savers = {
      {"TZYLForm",
       "writes the form's placement, colour and font when the owner form is freed "
       "(its OnDestroy, chained when read from a form file)"},
      {"TZYLMRUList",
       "writes its list when the owner form is freed (SaveState, chained to the "
       "form's OnDestroy when read from a form file)"},
      {"TZYLApplicationCtrl",
       "keeps nothing: it hands its settings to the application when "
       "loaded"}};
  return savers;
}

// Published values that follow the system from one moment to the next, whatever changed.
const std::vector<TExempt>& Live() {
  static const std::vector<TExempt> live = {
      {"TZYLSysInfo", "", "MemPageFree", "the free memory as the system reports it now"},
      {"TZYLSysInfo", "", "MemPhysFree", "the free memory as the system reports it now"},
      {"TZYLSysInfo", "", "MemVirtFree", "the free memory as the system reports it now"},
      {"TZYLSysInfo", "", "MemoryLoaded", "the memory in use as the system reports it now"}};
  return live;
}

bool IsLive(const std::string& cls, const std::string& path) {
  for (const TExempt& e : Live())
    if (cls == e.Class && path == e.What) return true;
  return false;
}

bool IsExempt(const std::string& cls, const std::string& change, const std::string& what,
              std::set<std::string>& used) {
  for (const TExempt& e : Exempt())
    if (cls == e.Class && change == e.Change && what == e.What) {
      used.insert(std::string(e.Class) + "/" + e.Change + "/" + e.What);
      return true;
    }
  return false;
}

// Events that paint, measure, run on every message or on the loop's idling: they fire whenever
// the form is painted or the loop runs, which every change may ask for.
bool IsPaintOrLoopEvent(const std::string& name) {
  if (name.ends_with("Change")) return false;  // OnSysColorChange tells of a change
  for (const char* part : {"Paint", "Draw", "Measure", "Idle", "Message", "GetImage", "Hint",
                           "Timer", "Progress", "GetLineSettings", "Color", "Update"})
    if (name.find(part) != std::string::npos) return true;
  return false;
}

class SystemNotifications : public packagetest::TClassesSweep {
 protected:
  void TearDown() override {
    win::ResetSysColors();
    win::ResetFontResources();
    win::ChangeDisplaySettingsA(nullptr, 0);
    TClassesSweep::TearDown();
  }
  packagetest::THandlers handlers_;
  // Every exemption of the shard's classes for what the test looks at (the pixels, or the
  // rest) was needed.
  void ExpectNoStaleExemptions(bool pixels) {
    std::set<std::string> names;
    for (vcl::TClass cls : Shard(kShards)) names.insert(cls->ClassName());
    for (const TExempt& e : Exempt())
      if (names.count(e.Class) && (std::string(e.What) == "pixels") == pixels &&
          !usedExemptions_.count(std::string(e.Class) + "/" + e.Change + "/" + e.What))
        ADD_FAILURE() << "stale exemption " << e.Class << " " << e.Change << " " << e.What << " ("
                      << e.Reason << ")";
  }
  // Every dialog a change brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers_;
  std::set<std::string> usedExemptions_;
};

// Counts the calls of each published event of a component but those of painting and the loop,
// by name; each event has a set of handlers of its own.
class TEventCounts {
 public:
  // The events are unbound again when the counts go, unless the component went first.
  TEventCounts(vcl::TComponent* c, const testsupport::TFreeProbe& gone)
      : component_(c), gone_(gone) {
    for (const vcl::TPropInfo* event : packagetest::EventsOf(c->ClassType())) {
      if (IsPaintOrLoopEvent(event->Name)) continue;
      auto handlers = std::make_unique<packagetest::THandlers>();
      const std::string name = event->Name;
      const vcl::TMethod* m =
          handlers->For(event->PropType->Signature, [this, name](vcl::TObject*) { ++Calls[name]; });
      if (!m) continue;
      vcl::SetMethodProp(c, event, *m);
      Bound.insert(name);
      bound_.push_back(event);
      handlers_.push_back(std::move(handlers));
    }
  }
  ~TEventCounts() {
    if (!gone_.Freed)
      for (const vcl::TPropInfo* event : bound_)
        vcl::SetMethodProp(component_, event, vcl::TMethod{});
  }
  TEventCounts(const TEventCounts&) = delete;
  TEventCounts& operator=(const TEventCounts&) = delete;
  std::set<std::string> Bound;
  std::map<std::string, int> Calls;

 private:
  vcl::TComponent* component_;
  const testsupport::TFreeProbe& gone_;
  std::vector<const vcl::TPropInfo*> bound_;
  std::vector<std::unique_ptr<packagetest::THandlers>> handlers_;
};

// Makes the change and runs the loop; answers the error that came out, "" for none.
std::string MakeChange(const TChange& change) {
  try {
    change.Make();
    tk::RunUntilIdle();
  } catch (const vcl::testkit::EDialogScript&) {
    // A dialog the change brought up was closed at once.
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

TEST_P(SystemNotifications, EveryClassBearsEveryChangeAndTellsOfItAsItsPartSays) {
  ASSERT_GT(classes_.size(), 80u);
  int stages = 0, told = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    const std::string name = cls->ClassName();
    SCOPED_TRACE(name);
    TInputStage s(cls, TMade::FromFormFile);
    ++stages;
    TEventCounts events(s.Component(), s.ComponentGone());
    const size_t iconsBefore = tk::TrayIcons().size();
    for (const TChange& change : Changes()) {
      SCOPED_TRACE(change.Name);
      if (s.ComponentGone().Freed) break;
      const packagetest::TValues before = packagetest::PublishedValues(s.Component());
      events.Calls.clear();
      EXPECT_EQ(MakeChange(change), "");
      if (change.Undo) change.Undo();
      ASSERT_FALSE(s.ComponentGone().Freed);
      // The events the Part names fire once each; no other event does.
      std::set<std::string> expected;
      if (auto it = Told().find({name, change.Name}); it != Told().end())
        for (const std::string& e : it->second) {
          EXPECT_TRUE(events.Bound.count(e)) << e << " is not published";
          expected.insert(e);
        }
      told += static_cast<int>(expected.size());
      for (const std::string& e : expected) EXPECT_EQ(events.Calls[e], 1) << e;
      for (const auto& [e, n] : events.Calls)
        if (!expected.count(e) && n > 0 && !IsExempt(name, change.Name, e, usedExemptions_))
          ADD_FAILURE() << e << " fired " << n << " times";
      // No published value changes.
      for (const std::string& path :
           packagetest::ChangedPaths(before, packagetest::PublishedValues(s.Component())))
        if (!IsLive(name, path) && !IsExempt(name, change.Name, path, usedExemptions_))
          ADD_FAILURE() << path << " changed: " << before.at(path);
      if (std::string(change.Name) == "TaskbarCreated") {
        EXPECT_EQ(tk::TrayIcons().size(), iconsBefore) << "the tray icon is not back";
      }
    }
    // The component still takes a user's input.
    EXPECT_EQ(testsupport::ErrorOf<std::exception>(
                  [&] { packagetest::TakeInput(s.Form(), s.Component()); }),
              "<no error>");
    if (auto* w = dynamic_cast<vcl::TWinControl*>(packagetest::ControlOf(s)); w && w->CanFocus()) {
      w->SetFocus();
      tk::RunUntilIdle();
      EXPECT_TRUE(w->Focused() || vcl::Screen->ActiveControl() == w);
    }
  }
  EXPECT_GT(stages, 0);
  ExpectNoStaleExemptions(false);
  RecordProperty("events told", told);
}

// The control painted after a change of the colours, and a twin made after it, both on forms
// of their own, as each paints its form's client area.
TEST_P(SystemNotifications, AControlPaintsInTheNewColoursAsATwinMadeAfterTheChange) {
  int compared = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    if (!packagetest::IsControlClass(cls)) continue;
    const std::string name = cls->ClassName();
    SCOPED_TRACE(name);
    tk::TCapture before, changed, twin;
    {
      TInputStage s(cls, TMade::FromFormFile);
      before = tk::RenderWindow(s.Form()->Handle(), false);
      ChangeColours(NewScheme());
      tk::RunUntilIdle();
      changed = tk::RenderWindow(s.Form()->Handle(), false);
    }
    // The form's face at least shows the change.
    ASSERT_GT(changed.Width, 0);
    EXPECT_GT(tk::CountDifferentPixels(before, changed), 0);
    {
      TInputStage t(cls, TMade::FromFormFile);
      twin = tk::RenderWindow(t.Form()->Handle(), false);
    }
    win::ResetSysColors();
    ++compared;
    if (!tk::CountDifferentPixels(changed, twin) ||
        IsExempt(name, "SysColorChange", "pixels", usedExemptions_))
      continue;
    EXPECT_TRUE(tk::SamePixels(changed, twin, "syscolour_" + name));
  }
  ExpectNoStaleExemptions(true);
  RecordProperty("controls compared", compared);
}

INSTANTIATE_TEST_SUITE_P(Shards, SystemNotifications, ::testing::Range(0, kShards));

// Each exemption names a class that is registered and a change the sweep makes.
TEST(SystemNotificationsTable, NamesRegisteredClassesAndKnownChanges) {
  vcl::testkit::TControlsSession session;
  win::HMODULE module = vcl::LoadPackage(ZYL_LIBRARY_PACKAGE);
  ASSERT_NE(module, nullptr);
  const vcl::TFinally unload([&] { vcl::UnloadPackage(module); });
  std::set<std::string> classes, changes{"SysColorChange"};
  for (vcl::TClass c : packagetest::ComponentClasses()) classes.insert(c->ClassName());
  for (const TChange& c : Changes()) changes.insert(c.Name);
  for (const TExempt& e : Exempt()) {
    EXPECT_TRUE(classes.count(e.Class)) << e.Class;
    EXPECT_TRUE(changes.count(e.Change)) << e.Change;
    EXPECT_STRNE(e.Reason, "");
  }
  for (const TExempt& e : Live()) {
    const std::vector<vcl::TClass> all = packagetest::ComponentClasses();
    const auto cls = std::find_if(all.begin(), all.end(),
                                  [&](vcl::TClass c) { return c->ClassName() == e.Class; });
    ASSERT_NE(cls, all.end()) << e.Class;
    EXPECT_NE(vcl::GetPropInfo(*cls, e.What), nullptr) << e.What;
  }
  for (const TSaver& saver : Savers()) EXPECT_TRUE(classes.count(saver.Class)) << saver.Class;
  for (const auto& [key, events] : Told()) {
    EXPECT_TRUE(classes.count(key.first)) << key.first;
    EXPECT_TRUE(changes.count(key.second)) << key.second;
  }
}

}  // namespace
