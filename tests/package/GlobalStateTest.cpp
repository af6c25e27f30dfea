// What the components leave in process-wide state. Components reach into the application (its
// events, hint settings and hint window class, hooks of its window), the screen (its events,
// cursor and fonts), the window system (window classes, windows, timers, hot keys, tray icons)
// and the library's own globals (the current hint components, the global image lists, the
// application object's handlers). Over every component class of the library's package:
//  - a component read from a form file (every event set to a handler of the form), shown, used
//    and freed leaves all of it as it found it, but for what the table below says the component
//    keeps on purpose (and each entry there must still hold);
//  - made and freed a thousand times, no global list grows;
// and the package, unloaded after components that set global state were used and freed, leaves
// nothing in the application, the screen or the window system that refers to its classes or its
// code, and loads again.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLWndProcComponent.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "platform/gdi/GdiInternal.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Icon.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/UserInternal.h"
#include "system/ZYLApplicationCtrl.h"
#include "system/ZYLHint.h"
#include "system/ZYLHintWindow.h"
#include "system/ZYLMessageHint.h"
#include "system/ZYLMouseFencer.h"
#include "system/ZYLOneInstance.h"
#include "system/ZYLShapeHint.h"
#include "system/ZYLShapeHintWindow.h"
#include "system/ZYLStopWatch.h"
#include "system/ZYLTrayIcon.h"
#include "tests/package/EventsHost.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ErrorOf.h"

namespace {

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 4;
// How often each class is made and freed in the test of the global lists.
constexpr int kRounds = 1000;

// ---------------------------------------------------------------------------------------------
// The global state, item by item, as text

using TState = std::map<std::string, std::string>;

std::string Hex(const void* p) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%p", p);
  return buf;
}

template <class E>
std::string EventText(const E& e) {
  const vcl::TMethod& m = e.Method();
  return m.Code ? Hex(m.Code) + "/" + Hex(m.Data) : "none";
}

std::string ClassText(vcl::TClass c) { return c ? c->ClassName() : "nil"; }

std::string FontText(vcl::TFont* f) {
  return f->Name() + "," + std::to_string(f->Size()) + "," + std::to_string(f->Color()) + "," +
         std::to_string(f->Style().Bits());
}

// The windows of the window system by class name, with their number.
std::string WindowsText() {
  std::map<std::string, int> byClass;
  win::user::State& s = win::user::UserState();
  std::lock_guard<std::recursive_mutex> lock(s.TableMutex);
  for (const auto& [handle, wnd] : s.Handles)
    if (wnd && wnd->Class) ++byClass[wnd->Class->Name];
  std::string text;
  for (const auto& [name, n] : byClass) text += name + "*" + std::to_string(n) + " ";
  return text;
}

// The module that holds the code at p (nullptr: none).
const void* ModuleOf(const void* p) {
  Dl_info info{};
  return p && dladdr(p, &info) ? info.dli_fbase : nullptr;
}

// The window classes registered with a procedure of their own. The framework registers one
// class for each control class the first time a control of it gets a window, with a procedure
// of the window system, and keeps it as the window system keeps it; those are left out.
std::string WindowClassesText() {
  const void* system = ModuleOf(reinterpret_cast<const void*>(&win::DefWindowProcA));
  std::vector<std::string> names;
  for (const auto& c : win::user::UserState().Classes)
    if (!c->System && ModuleOf(reinterpret_cast<const void*>(c->Proc)) != system)
      names.push_back(c->Name);
  std::sort(names.begin(), names.end());
  std::string text;
  for (const std::string& n : names) text += n + " ";
  return text;
}

size_t TimerCount() {
  win::user::ThreadQueue& q = win::user::QueueOf(win::GetCurrentThreadId());
  std::lock_guard<std::mutex> lock(q.Mutex);
  return static_cast<size_t>(
      std::count_if(q.Timers.begin(), q.Timers.end(), [](const auto& t) { return !t.System; }));
}

std::string ListText(zyl::TZYLCustomContainer* list) {
  return list ? std::to_string(list->Count()) + " items, " + std::to_string(list->LinkCount()) +
                    " links"
              : "none";
}

TState Snapshot() {
  TState s;
  vcl::TApplication* a = vcl::Application;
  s["Application.OnActivate"] = EventText(a->OnActivate);
  s["Application.OnDeactivate"] = EventText(a->OnDeactivate);
  s["Application.OnMinimize"] = EventText(a->OnMinimize);
  s["Application.OnRestore"] = EventText(a->OnRestore);
  s["Application.OnIdle"] = EventText(a->OnIdle);
  s["Application.OnMessage"] = EventText(a->OnMessage);
  s["Application.OnException"] = EventText(a->OnException);
  s["Application.OnHint"] = EventText(a->OnHint);
  s["Application.OnShowHint"] = EventText(a->OnShowHint);
  s["Application.OnHelp"] = EventText(a->OnHelp);
  s["Application.OnActionExecute"] = EventText(a->OnActionExecute);
  s["Application.OnActionUpdate"] = EventText(a->OnActionUpdate);
  s["Application.Title"] = a->Title();
  s["Application.HelpFile"] = a->HelpFile();
  s["Application.Icon"] = a->Icon()->Empty() ? "empty" : "set";
  s["Application.ShowHint"] = std::to_string(a->ShowHint());
  s["Application.HintColor"] = std::to_string(a->HintColor());
  s["Application.HintPause"] = std::to_string(a->HintPause());
  s["Application.HintShortPause"] = std::to_string(a->HintShortPause());
  s["Application.HintHidePause"] = std::to_string(a->HintHidePause());
  s["Application.UpdateMetricSettings"] = std::to_string(a->UpdateMetricSettings);
  s["Application.UpdateFormatSettings"] = std::to_string(a->UpdateFormatSettings);
  s["Application.ShowMainForm"] = std::to_string(a->ShowMainForm());
  s["Application.MainForm"] = Hex(a->MainForm());
  s["Application.ComponentCount"] = std::to_string(a->ComponentCount());
  s["Application.HintWindowClass"] = ClassText(vcl::TApplication::HintWindowClass);
  s["Application.HintWindow"] = a->HintWindow() ? ClassText(a->HintWindow()->ClassType()) : "none";
  s["Application.WindowHooks"] = std::to_string(a->WindowHookCount());
  s["Application window shown"] = std::to_string(win::IsWindowVisible(a->Handle()) != 0);

  vcl::TScreen* sc = vcl::Screen;
  s["Screen.OnActiveFormChange"] = EventText(sc->OnActiveFormChange);
  s["Screen.OnActiveControlChange"] = EventText(sc->OnActiveControlChange);
  s["Screen.Cursor"] = std::to_string(sc->Cursor());
  std::string cursors;
  for (int i = -22; i <= 8; ++i) cursors += Hex(sc->Cursors(i)) + " ";
  s["Screen.Cursors"] = cursors;
  s["Screen.HintFont"] = FontText(sc->HintFont());
  s["Screen.IconFont"] = FontText(sc->IconFont());
  s["Screen.MenuFont"] = FontText(sc->MenuFont());
  s["Screen.FormCount"] = std::to_string(sc->FormCount());

  win::RECT clip{};
  win::GetClipCursor(&clip);
  s["cursor clip"] = std::to_string(clip.Left) + "," + std::to_string(clip.Top) + "," +
                     std::to_string(clip.Right) + "," + std::to_string(clip.Bottom);
  s["capture"] = Hex(win::GetCapture());
  s["capture control"] = Hex(vcl::GetCaptureControl());
  const win::user::State& u = win::user::UserState();
  s["system settings"] =
      std::to_string(u.KeyboardDelay) + " " + std::to_string(u.KeyboardSpeed) + " " +
      std::to_string(u.WheelLines) + " " + std::to_string(u.DragFullWindows) + " " +
      std::to_string(u.FontSmoothing) + " " + std::to_string(u.WarningBeep) + " " +
      std::to_string(u.ScreenSaveActive) + " " + std::to_string(u.SnapToDefButton) + " " +
      std::to_string(u.MinAnimate) + " " + u.Wallpaper;
  s["window classes"] = WindowClassesText();
  s["windows"] = WindowsText();
  s["timers"] = std::to_string(TimerCount());
  s["hot keys"] = std::to_string(win::user::UserState().HotKeys.size());
  s["tray icons"] = std::to_string(win::testkit::TrayIcons().size());
  const win::MessageLoopHook hook = win::SetMessageLoopHook(nullptr);
  win::SetMessageLoopHook(hook);
  s["message loop hook"] = Hex(reinterpret_cast<const void*>(hook));
  s["registered classes"] = std::to_string(vcl::RegisteredClasses().size());

  s["HintControl"] = Hex(zyl::HintControl);
  s["single-instance components"] = std::to_string(zyl::ZYLOneInstanceCount());
  s["hooked controls"] = std::to_string(zyl::ZYLHookedControlCount());
  s["ShapeHintControl"] = Hex(zyl::ShapeHintControl);
  if (zyl::TZYLApplication* app = zyl::ZYLApplication()) {
    s["ZYLApplication.OnException"] = EventText(app->GetOnException());
    s["ZYLApplication.OnMaxLogSize"] = EventText(app->GetOnMaxLogSize());
    s["ZYLApplication.OnHeaderWrite"] = EventText(app->GetOnHeaderWrite());
    s["ZYLApplication.OnEditModeChange"] = EventText(app->GetOnEditModeChange());
    s["ZYLApplication.OnThemeChange"] = EventText(app->GetOnThemeChange());
  }
  if (zyl::TZYLContainer* cont = zyl::ZYLContainer()) {
    s["global ImageList"] = ListText(cont->ImageList());
    s["global BitmapList"] = ListText(cont->BitmapList());
    s["global StringList"] = ListText(cont->StringList());
    s["global WaveList"] = ListText(cont->WaveList());
  }
  return s;
}

// The names of the items that differ.
std::set<std::string> Changed(const TState& before, const TState& after) {
  std::set<std::string> names;
  for (const auto& [name, value] : before) {
    auto it = after.find(name);
    if (it == after.end() || it->second != value) names.insert(name);
  }
  for (const auto& [name, value] : after)
    if (!before.count(name)) names.insert(name);
  return names;
}

std::string Describe(const std::set<std::string>& names, const TState& before,
                     const TState& after) {
  std::string text;
  for (const std::string& n : names) {
    auto b = before.find(n);
    auto a = after.find(n);
    text += "  " + n + ": " + (b == before.end() ? "-" : b->second) + " -> " +
            (a == after.end() ? "-" : a->second) + "\n";
  }
  return text;
}

// ---------------------------------------------------------------------------------------------
// What the sweep does beyond the common use, and what a component keeps on purpose

struct TKept {
  const char* Class;
  // Set on the new component before it goes into the form file.
  std::function<void(vcl::TComponent*)> Setup;
  // Done with the component read from the form file, after the common use: what only code
  // asks of it.
  std::function<void(vcl::TComponent*)> Use;
  // What it leaves changed on purpose (none: it leaves everything as it found it).
  std::set<std::string> Items;
  const char* Reason;
};

const std::vector<TKept>& KeptTable() {
  static const std::vector<TKept> table = {
      {"TZYLFormShadow",
       {},
       {},
       {"window classes"},
       "the shadow registers its strips' window class when it first makes them and unregisters "
       "it only when it is switched off; freed, it leaves the class registered until its unit "
       "is finalized"},
      {"TZYLHint",
       {},
       {},
       {"Application.HintWindowClass", "Application.HintWindow"},
       "an enabled hint component installs its hint window class and leaves it installed when "
       "it goes; the window then paints as a plain hint window"},
      {"TZYLShapeHint",
       {},
       {},
       {"Application.HintWindowClass", "Application.HintWindow"},
       "an enabled balloon hint installs the balloon window class as the hint component does "
       "and leaves it installed when it goes"},
      {"TZYLApplicationCtrl",
       [](vcl::TComponent* c) {
         auto* ctrl = static_cast<zyl::TZYLApplicationCtrl*>(c);
         ctrl->SetTitle("Kept title");
         ctrl->SetHintPause(1234);
         ctrl->HintFont()->SetSize(13);
         ctrl->SetSystemOptions({zyl::soSetHintFont});
       },
       {},
       {"Application.Title", "Application.HintPause", "Screen.HintFont"},
       "the application settings component copies its settings into the application once, "
       "when it is loaded; they are the application's from then on"},
      {"TZYLTrayIcon",
       {},
       {},
       {"Application.ShowMainForm"},
       "an active tray icon hides the application's main form at start; freeing it takes the "
       "icon out of the tray but does not switch the main form back on"},
      {"TZYLStopWatch",
       [](vcl::TComponent* c) { static_cast<zyl::TZYLStopWatch*>(c)->SetWaitCursor(true); },
       [](vcl::TComponent* c) { static_cast<zyl::TZYLStopWatch*>(c)->Start(); },
       {},
       "a watch freed while it runs takes back the hourglass it put up"},
      {"TZYLMouseFencer",
       {},
       [](vcl::TComponent* c) { static_cast<zyl::TZYLMouseFencer*>(c)->Execute(); },
       {},
       "a fence still up when the fencer goes is lifted"},
      {"TZYLMessageHint",
       {},
       [](vcl::TComponent* c) {
         static_cast<zyl::TZYLMessageHint*>(c)->ShowMessage("Sweep", 40, 40);
       },
       {},
       "a message still shown when its component goes is closed, and its capture goes"},
      {"TZYLGlobalHotKey",
       [](vcl::TComponent* c) {
         static_cast<zyl::TZYLGlobalHotKey*>(c)->SetHotKey(vcl::ShortCut('G', {vcl::ssCtrl}));
       },
       {},
       {},
       "the hot key registered while the form loads goes with the component"},
  };
  return table;
}

const TKept* KeptOf(vcl::TClass cls) {
  for (const TKept& k : KeptTable())
    if (cls->ClassName() == k.Class) return &k;
  return nullptr;
}

// ---------------------------------------------------------------------------------------------
// The sweep

// The root of the sweep's forms is the events host: every event of a component goes into its
// form file set, and a component that hands its handlers on to the application, the screen or
// the library's application object does so in the sweep.
using packagetest::TEventsHost;

// Every published event of the component set to the host's handler.
void SetEvents(vcl::TComponent* c, TEventsHost* host) {
  for (const vcl::TPropInfo* p : vcl::GetPropList(c))
    if (p->Kind() == vcl::tkMethod && p->IsWritable())
      vcl::SetMethodProp(c, p,
                         vcl::TMethod{packagetest::HostHandlerFor(p->PropType->Signature), host});
}

// A new root for the class's form file: the class itself for a form class, the host else.
std::unique_ptr<vcl::TCustomForm> SweepRoot(vcl::TClass cls) {
  if (packagetest::IsForm(cls)) return packagetest::NewRoot(cls);
  return std::make_unique<TEventsHost>(nullptr);
}

bool IsImageListClass(vcl::TClass c) {
  return c && c->InheritsFrom(zyl::TZYLCustomImageList::StaticClass());
}

// Every image-list reference of the component set to a global list that fits it, so that
// the global lists hear of the component.
void LinkGlobalLists(vcl::TComponent* c) {
  zyl::TZYLContainer* cont = zyl::ZYLContainer();
  if (!cont) return;
  for (const vcl::TPropInfo* p : vcl::GetPropList(c)) {
    if (p->Kind() != vcl::tkClass || !p->IsWritable()) continue;
    const vcl::TClass type = p->PropType->ClassType();
    if (!IsImageListClass(type)) continue;
    for (zyl::TZYLCustomImageList* list :
         {static_cast<zyl::TZYLCustomImageList*>(cont->ImageList()),
          static_cast<zyl::TZYLCustomImageList*>(cont->BitmapList())})
      if (list->InheritsFrom(type)) {
        testsupport::ErrorOf<vcl::Exception>([&] { vcl::SetObjectProp(c, p, list); });
        break;
      }
  }
}

// A form file holding a component of the class named X (the form itself for a form class),
// its image-list references on the global lists and the table's setup applied.
std::string FormFile(vcl::TClass cls, const TKept* kept) {
  std::unique_ptr<vcl::TCustomForm> made = SweepRoot(cls);
  vcl::TComponent* c = made.get();
  if (auto* host = dynamic_cast<TEventsHost*>(made.get())) {
    c = cls->Create(made.get());
    c->SetName("X");
    if (auto* control = dynamic_cast<vcl::TControl*>(c)) {
      control->SetBounds(8, 8, 120, 60);
      control->SetParent(made.get());
    }
    SetEvents(c, host);
  }
  LinkGlobalLists(c);
  if (kept && kept->Setup) kept->Setup(c);
  return vcl::WriteComponentToBytes(made.get());
}

// Reads the form file, shows the form, takes a user's input on the component, runs its dialog
// when it has one, does what the table asks and lets the clock run; then frees the form.
void ReadShowUseAndFree(vcl::TClass cls, const std::string& bytes,
                        const std::function<void(vcl::TComponent*)>& use) {
  std::unique_ptr<vcl::TCustomForm> form = SweepRoot(cls);
  EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>(
      [&] { vcl::ReadComponentFromBytes(bytes, form.get()); }));
  form->SetBounds(0, 0, 320, 240);
  vcl::TComponent* c = packagetest::ReadComponent(cls, form.get());
  // A menu item goes into a form file only as part of a menu.
  if (!c) c = cls->Create(form.get());
  if (packagetest::ShowAndTakeInput(form.get(), c)) packagetest::PaintShown(form.get());
  try {
    packagetest::Execute(c);
  } catch (const vcl::testkit::EDialogScript&) {
  }
  if (use) use(c);
  win::testkit::AdvanceClock(2000);
  form.reset();
  win::testkit::RunUntilIdle();
}

class GlobalState : public packagetest::TPackageFixture<::testing::TestWithParam<int>> {
 protected:
  void SetUp() override {
    packagetest::TPackageFixture<::testing::TestWithParam<int>>::SetUp();
    classes_ = RegisteredComponents();
    for (vcl::TClass c : classes_)
      for (const vcl::TPropInfo* p : vcl::GetPropList(c))
        if (p->Kind() == vcl::tkMethod) packagetest::HostHandlerFor(p->PropType->Signature);
    // What the first form of a session brings up once (the application's window, the screen's
    // font list) is there before the first look.
    vcl::TForm warm(nullptr);
    auto* edit = new vcl::TEdit(&warm);
    edit->SetParent(&warm);
    warm.Show();
    packagetest::TakeInput(&warm, edit);
  }
  std::vector<vcl::TClass> classes_;
};

TEST_P(GlobalState, AComponentUsedAndFreedLeavesTheGlobalStateAsItFoundIt) {
  ASSERT_GT(classes_.size(), 90u);
  // Every dialog the use brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers;
  std::set<std::string> seen;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    SCOPED_TRACE(cls->ClassName());
    const TKept* kept = KeptOf(cls);
    if (kept) seen.insert(kept->Class);
    // Each class starts from the same state: what a listed component keeps goes back after it.
    testsupport::TApplicationSettingsScope back;
    const std::string bytes = FormFile(cls, kept);
    const TState before = Snapshot();
    ReadShowUseAndFree(cls, bytes, kept ? kept->Use : nullptr);
    const TState after = Snapshot();
    const std::set<std::string> changed = Changed(before, after);
    const std::set<std::string> expected = kept ? kept->Items : std::set<std::string>{};
    EXPECT_EQ(changed, expected) << Describe(changed, before, after)
                                 << (kept ? std::string("kept: ") + kept->Reason : "");
  }
  // Every entry of the table names a class of the package.
  for (const TKept& k : KeptTable()) {
    const vcl::TClass cls = vcl::GetClass(k.Class);
    ASSERT_NE(cls, nullptr) << k.Class;
    const auto at = std::find(classes_.begin(), classes_.end(), cls) - classes_.begin();
    if (at % kShards == GetParam()) {
      EXPECT_TRUE(seen.count(k.Class)) << k.Class;
    }
  }
}

// The counts of the global lists a component may enter.
TState ListCounts(vcl::TCustomForm* form) {
  TState s;
  s["form components"] = std::to_string(form->ComponentCount());
  s["form controls"] = std::to_string(form->ControlCount());
  s["Screen.FormCount"] = std::to_string(vcl::Screen->FormCount());
  s["Application.ComponentCount"] = std::to_string(vcl::Application->ComponentCount());
  s["Application.WindowHooks"] = std::to_string(vcl::Application->WindowHookCount());
  s["windows"] = std::to_string(win::user::UserState().Handles.size());
  s["GDI objects"] = std::to_string(win::gdi::LiveObjectCount());
  s["timers"] = std::to_string(TimerCount());
  s["registered classes"] = std::to_string(vcl::RegisteredClasses().size());
  s["hooked controls"] = std::to_string(zyl::ZYLHookedControlCount());
  if (zyl::TZYLContainer* cont = zyl::ZYLContainer()) {
    s["global ImageList"] = ListText(cont->ImageList());
    s["global BitmapList"] = ListText(cont->BitmapList());
  }
  return s;
}

TEST_P(GlobalState, AComponentMadeAndFreedAThousandTimesGrowsNoGlobalList) {
  ASSERT_GT(classes_.size(), 90u);
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    SCOPED_TRACE(cls->ClassName());
    // A shown form: a control placed on it gets its window at once.
    vcl::TForm form(nullptr);
    form.SetBounds(0, 0, 320, 240);
    form.Show();
    const bool isForm = packagetest::IsForm(cls);
    auto round = [&] {
      vcl::TComponent* c = cls->Create(isForm ? nullptr : &form);
      if (auto* control = dynamic_cast<vcl::TControl*>(c); control && !isForm) {
        control->SetBounds(8, 8, 120, 60);
        control->SetParent(&form);
      }
      LinkGlobalLists(c);
      delete c;
    };
    // What the first one makes once (a class's shared picture, say) is there before counting.
    round();
    win::testkit::RunUntilIdle();
    const TState before = ListCounts(&form);
    for (int i = 0; i < kRounds; ++i) round();
    win::testkit::RunUntilIdle();
    const TState after = ListCounts(&form);
    EXPECT_EQ(after, before) << Describe(Changed(before, after), before, after);
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, GlobalState, ::testing::Range(0, kShards));

// ---------------------------------------------------------------------------------------------
// Unloading the package

// Where the package's code and classes lie: the module that holds a class of the package.
const void* PackageBase() { return ModuleOf(reinterpret_cast<const void*>(&zyl::ZYLHintRelease)); }

bool InPackage(const void* p) { return p && ModuleOf(p) == PackageBase(); }

// A class stands for the code of its C++ class.
const void* ClassCode(vcl::TClass c) { return c ? c->CppType() : nullptr; }

template <class E>
void AddEvent(std::vector<std::pair<std::string, const void*>>& refs, const std::string& name,
              const E& e) {
  const vcl::TMethod& m = e.Method();
  if (!m.Code) return;
  refs.emplace_back(name + " (invoker)", reinterpret_cast<const void*>(m.Code->Invoker));
  refs.emplace_back(name + " (class)", m.Code->Class);
}

// Everything of the application, the screen, the window system and the class registry that
// points at code or a class: the event handlers, the hint window class and window, the
// procedures of the window classes, of the windows and of the timers, the message loop's hook
// and the classes the form reader knows.
std::vector<std::pair<std::string, const void*>> CodeReferences() {
  std::vector<std::pair<std::string, const void*>> refs;
  vcl::TApplication* a = vcl::Application;
  AddEvent(refs, "Application.OnActivate", a->OnActivate);
  AddEvent(refs, "Application.OnDeactivate", a->OnDeactivate);
  AddEvent(refs, "Application.OnMinimize", a->OnMinimize);
  AddEvent(refs, "Application.OnRestore", a->OnRestore);
  AddEvent(refs, "Application.OnIdle", a->OnIdle);
  AddEvent(refs, "Application.OnMessage", a->OnMessage);
  AddEvent(refs, "Application.OnException", a->OnException);
  AddEvent(refs, "Application.OnHint", a->OnHint);
  AddEvent(refs, "Application.OnShowHint", a->OnShowHint);
  AddEvent(refs, "Application.OnHelp", a->OnHelp);
  AddEvent(refs, "Application.OnActionExecute", a->OnActionExecute);
  AddEvent(refs, "Application.OnActionUpdate", a->OnActionUpdate);
  AddEvent(refs, "Screen.OnActiveFormChange", vcl::Screen->OnActiveFormChange);
  AddEvent(refs, "Screen.OnActiveControlChange", vcl::Screen->OnActiveControlChange);
  refs.emplace_back("Application.HintWindowClass", ClassCode(vcl::TApplication::HintWindowClass));
  if (a->HintWindow())
    refs.emplace_back("Application.HintWindow", ClassCode(a->HintWindow()->ClassType()));
  for (const auto& c : win::user::UserState().Classes)
    refs.emplace_back("window class " + c->Name, reinterpret_cast<const void*>(c->Proc));
  for (const auto& [handle, wnd] : win::user::UserState().Handles)
    if (wnd && wnd->Class)
      refs.emplace_back("window of " + wnd->Class->Name, reinterpret_cast<const void*>(wnd->Proc));
  {
    win::user::ThreadQueue& q = win::user::QueueOf(win::GetCurrentThreadId());
    std::lock_guard<std::mutex> lock(q.Mutex);
    for (const auto& t : q.Timers) {
      refs.emplace_back("timer procedure", reinterpret_cast<const void*>(t.Proc));
      refs.emplace_back("timer work", reinterpret_cast<const void*>(t.Tick));
    }
  }
  const win::MessageLoopHook hook = win::SetMessageLoopHook(nullptr);
  win::SetMessageLoopHook(hook);
  refs.emplace_back("message loop hook", reinterpret_cast<const void*>(hook));
  for (vcl::TClass c : vcl::RegisteredClasses())
    refs.emplace_back("registered class " + c->ClassName(), ClassCode(c));
  return refs;
}

// A form with the components that set global state: both hint components enabled (the
// balloon one last), the application settings component handing over exception logging and a
// title, a tray icon animated from the global image list.
std::string SettingForm() {
  vcl::TForm made(nullptr);
  auto* hint = new zyl::TZYLHint(&made);
  hint->SetName("Hint1");
  auto* balloon = new zyl::TZYLShapeHint(&made);
  balloon->SetName("Balloon1");
  auto* ctrl = new zyl::TZYLApplicationCtrl(&made);
  ctrl->SetName("Settings1");
  ctrl->SetTitle("Unload title");
  ctrl->SetOptions(ctrl->Options() + zyl::TZYLApplicationOptions{zyl::aoLogException});
  auto* tray = new zyl::TZYLTrayIcon(&made);
  tray->SetName("Tray1");
  tray->SetImageList(zyl::ZYLContainer()->ImageList());
  tray->SetAnimated(true);
  return vcl::WriteComponentToBytes(&made);
}

// Loads the package, reads the form, shows it, lets its hints and timers run, frees it and
// unloads the package.
void UseAndUnload() {
  win::HMODULE module = vcl::LoadPackage(ZYL_LIBRARY_PACKAGE);
  ASSERT_NE(module, nullptr);
  {
    const std::string bytes = SettingForm();
    vcl::TForm form(nullptr);
    vcl::ReadComponentFromBytes(bytes, &form);
    // The package's classes are in use while it lives.
    EXPECT_EQ(vcl::TApplication::HintWindowClass, zyl::TZYLShapeHintWindow::StaticClass());
    ASSERT_NE(vcl::Application->HintWindow(), nullptr);
    EXPECT_TRUE(InPackage(ClassCode(vcl::Application->HintWindow()->ClassType())));
    EXPECT_TRUE(InPackage(vcl::Application->OnException.Method().Code->Class));
    form.SetBounds(0, 0, 320, 240);
    form.Show();
    win::testkit::RunUntilIdle();
    win::testkit::AdvanceClock(1000);
  }
  win::testkit::RunUntilIdle();
  vcl::UnloadPackage(module);
}

class PackageUnload : public ::testing::Test {
 protected:
  vcl::testkit::TControlsSession session_;
  testsupport::TApplicationSettingsScope settings_;
};

TEST_F(PackageUnload, LeavesNothingThatRefersToThePackageAndLoadsAgain) {
  ASSERT_NE(PackageBase(), nullptr);
  const int hooks = vcl::Application->WindowHookCount();
  for (const char* pass : {"first load", "second load"}) {
    SCOPED_TRACE(pass);
    UseAndUnload();
    for (const auto& [name, p] : CodeReferences()) EXPECT_FALSE(InPackage(p)) << name;
    EXPECT_EQ(vcl::TApplication::HintWindowClass, vcl::THintWindow::StaticClass());
    ASSERT_NE(vcl::Application->HintWindow(), nullptr);
    EXPECT_EQ(vcl::Application->HintWindow()->ClassType(), vcl::THintWindow::StaticClass());
    EXPECT_EQ(vcl::Application->WindowHookCount(), hooks);
    EXPECT_TRUE(win::testkit::TrayIcons().empty());
    EXPECT_EQ(vcl::GetClass("TZYLHint"), nullptr);
    EXPECT_EQ(zyl::ZYLContainer(), nullptr);
    EXPECT_EQ(zyl::HintControl, nullptr);
    EXPECT_EQ(zyl::ShapeHintControl, nullptr);
  }
}

}  // namespace
