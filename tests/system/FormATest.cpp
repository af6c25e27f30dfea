// The form component: placement, colour and font kept in the settings storage, size limits,
// docking to the work area's edges, dropped files and the window events.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLIniCtrl.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/StringList.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLFormA.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FormText.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

namespace wt = win::testkit;

struct TEvents : vcl::TObject {
  int NoRestore = 0;
  int Moves = 0;
  std::vector<std::string> Dropped;
  int DropCount = 0;
  bool CancelMoving = false;
  bool CancelSuspend = false;
  std::vector<int> Sizes;
  void OnNoRestore(vcl::TObject*) { ++NoRestore; }
  void OnMove(vcl::TObject*) { ++Moves; }
  void OnDrop(vcl::TObject*, int Count, int, int, vcl::TStrings* Files) {
    DropCount = Count;
    for (int i = 0; i < Files->Count(); ++i) Dropped.push_back(Files->Strings(i));
  }
  void OnMoving(vcl::TObject*, int, int, bool& Cancel) { Cancel = CancelMoving; }
  void OnSuspend(vcl::TObject*, bool& Cancel) { Cancel = CancelSuspend; }
  void OnSize(vcl::TObject*, uint16_t x, uint16_t y, uint16_t flag) { Sizes = {x, y, flag}; }
  std::vector<std::string> Texts;
  void OnIni(vcl::TObject*, const std::string& Text) { Texts.push_back("ini " + Text); }
  void OnDevMode(vcl::TObject*, const std::string& Text) { Texts.push_back("device " + Text); }
};

win::TRect Bounds(vcl::TCustomForm* f) {
  return {f->Left(), f->Top(), f->Left() + f->Width(), f->Top() + f->Height()};
}

// A form read from a form stream with a TZYLForm linked to an INI file of the test's folder.
class FormComponent : public ::testing::Test {
 protected:
  FormComponent() : session_(1024, 768) {
    ZYLIniCtrlUnit.Init();
    ZYLFormAUnit.Init();
  }
  ~FormComponent() override {
    ZYLFormAUnit.FInit();
    ZYLIniCtrlUnit.FInit();
  }

  std::string IniPath() const { return dir_.File("settings.ini"); }

  // Reads a form whose TZYLForm carries the extra property lines.
  std::unique_ptr<vcl::TForm> ReadForm(const std::string& extra) {
    const std::string text =
        "object Form1: TForm\n  Left = 100\n  Top = 100\n  Width = 300\n  Height = 200\n"
        "  object ZYLForm1: TZYLForm\n    IniLink = Ini1\n    IniUse = ioUseLink\n" +
        extra +
        "  end\n"
        "  object Ini1: TZYLIniCtrl\n    IniFile = '" +
        IniPath() + "'\n    IniPrefix = ppFixed\n  end\nend\n";
    auto form = testsupport::FormFromText(text);
    Component(form.get())->SetOnNoRestoreData(vcl::TNotifyEvent(&events_, &TEvents::OnNoRestore));
    return form;
  }
  static TZYLForm* Component(vcl::TForm* f) {
    return static_cast<TZYLForm*>(f->FindComponent("ZYLForm1"));
  }

  void WriteIni(const std::string& body) { std::ofstream(IniPath()) << body; }
  std::string ReadIni() {
    std::ifstream in(IniPath());
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  vcl::testkit::TControlsSession session_;
  testsupport::TempDir dir_;
  TEvents events_;
};

// A stored placement value read at the first show.
struct TPlacementCase {
  const char* Name;
  const char* Value;
  const char* Options;  // the Options line
  win::TRect Expected;  // where the form stands after showing
  bool Restored;        // false: OnNoRestoreData fired
};

class Placement : public FormComponent, public ::testing::WithParamInterface<TPlacementCase> {};

TEST_P(Placement, IsRestoredAtTheFirstShowOrReportedMissing) {
  const TPlacementCase& c = GetParam();
  WriteIni(std::string("[Common]\nForm=") + c.Value + "\n");
  auto form = ReadForm(std::string("    Options = ") + c.Options + "\n");
  EXPECT_EQ(form->Position(), vcl::poDesigned);
  form->Show();
  wt::RunUntilIdle();
  EXPECT_EQ(Bounds(form.get()), c.Expected);
  EXPECT_EQ(events_.NoRestore, c.Restored ? 0 : 1);
  EXPECT_TRUE(win::IsWindowVisible(form->Handle()));
}

INSTANTIATE_TEST_SUITE_P(
    Values, Placement,
    ::testing::Values(
        TPlacementCase{"Stored", "200,0,1,10,20,410,320", "[foAutoShow]", {10, 20, 410, 320}, true},
        TPlacementCase{
            "Blanks", "200, 0, 1, 10, 20, 410, 320", "[foAutoShow]", {10, 20, 410, 320}, true},
        TPlacementCase{
            "WrongMarker", "201,0,1,10,20,410,320", "[foAutoShow]", {100, 100, 400, 300}, false},
        TPlacementCase{
            "SixFields", "200,0,1,10,20,410", "[foAutoShow]", {100, 100, 400, 300}, false},
        TPlacementCase{"Centred",
                       "200,0,1,10,20,410",
                       "[foAutoCenter,foAutoShow]",
                       {362, 284, 662, 484},
                       false},
        TPlacementCase{
            "NotANumber", "200,0,1,10,twenty,410,320", "[foAutoShow]", {100, 100, 400, 300}, false},
        TPlacementCase{"HugeNumber",
                       "200,0,1,10,99999999999,410,320",
                       "[foAutoShow]",
                       {100, 100, 400, 300},
                       false},
        TPlacementCase{
            "PastTheRight", "200,0,1,900,20,1300,320", "[foAutoShow]", {624, 20, 1024, 320}, true},
        TPlacementCase{
            "PastTheBottom", "200,0,1,10,700,410,1000", "[foAutoShow]", {10, 468, 410, 768}, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FormComponent, WithoutAutoShowTheStoredShowCommandIsNotUsed) {
  WriteIni("[Common]\nForm=200,0,3,10,20,410,320\n");
  auto form = ReadForm("    Options = []\n");
  auto* c = Component(form.get());
  form->HandleNeeded();
  c->SetIniString("200,0,3,10,20,410,320");
  EXPECT_FALSE(win::IsZoomed(form->Handle()));
  c->SetOptions({foAutoShow});
  c->SetIniString("200,0,3,10,20,410,320");
  EXPECT_TRUE(win::IsZoomed(form->Handle()));  // SW_SHOWMAXIMIZED
}

TEST_F(FormComponent, OnlyTheChosenPartsAreRestored) {
  auto form = ReadForm("");
  auto* c = Component(form.get());
  form->Show();
  wt::RunUntilIdle();
  c->SetIniSaveOptions({soPos});
  c->SetIniString("200,0,1,10,20,110,70");
  EXPECT_EQ(Bounds(form.get()), (win::TRect{10, 20, 310, 220}));
  c->SetIniSaveOptions({soSize});
  c->SetIniString("200,0,1,500,500,700,650");
  EXPECT_EQ(Bounds(form.get()), (win::TRect{10, 20, 210, 170}));
  c->SetIniSaveOptions({soColor, soFont});
  c->SetIniString("200,0,1,1,1,2,2");
  EXPECT_EQ(Bounds(form.get()), (win::TRect{10, 20, 210, 170}));
}

TEST_F(FormComponent, DestroyingTheFormStoresPlacementColourAndFontForTheNextOne) {
  {
    auto form = ReadForm("    IniSaveOptions = [soColor, soFont, soPos, soSize, soState]\n");
    form->Show();
    wt::RunUntilIdle();
    form->SetBounds(50, 60, 320, 210);
    form->SetColor(vcl::clRed);
    form->Font()->SetName("Arial");
    form->Font()->SetSize(14);
  }
  const std::string ini = ReadIni();
  EXPECT_NE(ini.find("Form=200,0,1,50,60,370,270"), std::string::npos) << ini;
  EXPECT_NE(ini.find("FormColor=clRed"), std::string::npos) << ini;
  EXPECT_NE(ini.find("FormFont="), std::string::npos) << ini;

  auto again = ReadForm("    IniSaveOptions = [soColor, soFont, soPos, soSize, soState]\n");
  again->Show();
  wt::RunUntilIdle();
  EXPECT_EQ(Bounds(again.get()), (win::TRect{50, 60, 370, 270}));
  EXPECT_EQ(again->Color(), vcl::clRed);
  EXPECT_EQ(again->Font()->Name(), "Arial");
  EXPECT_EQ(again->Font()->Size(), 14);
  EXPECT_EQ(events_.NoRestore, 0);
}

TEST_F(FormComponent, KeysLeftOutOfTheOptionsAreDeletedAndDamagedOnesIgnored) {
  WriteIni("[Common]\nFormColor=notacolour\nFormFont=garbage\n");
  {
    auto form = ReadForm("    IniSaveOptions = [soColor, soFont]\n");
    const vcl::TColor before = form->Color();
    form->Show();  // neither raises
    wt::RunUntilIdle();
    EXPECT_EQ(form->Color(), before);
    Component(form.get())->SetIniSaveOptions({soPos});
  }
  const std::string ini = ReadIni();
  EXPECT_EQ(ini.find("FormColor"), std::string::npos) << ini;
  EXPECT_EQ(ini.find("FormFont"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Form=200,"), std::string::npos) << ini;
}

// A form left in a window state stores its normal bounds with the state; the next one comes
// back in that state and is restored to those bounds, by a user's restore and by WindowState.
struct TStateCase {
  const char* Name;
  std::vector<vcl::TWindowState> States;  // the states the form goes through before it goes
  const char* Stored;                     // the value written when the form goes
  vcl::TWindowState Back;                 // the state of the next form after its show
  bool RestoresMaximized;                 // a user's restore of the next form maximizes it
};

class StoredState : public FormComponent, public ::testing::WithParamInterface<TStateCase> {};

TEST_P(StoredState, IsStoredWithTheNormalBoundsAndComesBack) {
  const TStateCase& c = GetParam();
  const std::string lines =
      "    IniSaveOptions = [soPos, soSize, soState]\n    Options = [foAutoShow]\n";
  {
    auto form = ReadForm(lines);
    form->Show();
    wt::RunUntilIdle();
    form->SetBounds(50, 60, 320, 210);
    for (vcl::TWindowState state : c.States) form->SetWindowState(state);
    wt::RunUntilIdle();
  }
  const std::string ini = ReadIni();
  const size_t at = ini.find(std::string("Form=") + c.Stored);
  ASSERT_NE(at, std::string::npos) << ini;
  EXPECT_TRUE(std::isspace(ini[at + 5 + std::string(c.Stored).size()])) << ini;
  auto again = ReadForm(lines);
  again->Show();
  wt::RunUntilIdle();
  const win::HWND h = again->Handle();
  EXPECT_EQ(again->WindowState(), c.Back);
  EXPECT_EQ(win::IsZoomed(h) != 0, c.Back == vcl::wsMaximized);
  EXPECT_EQ(win::IsIconic(h) != 0, c.Back == vcl::wsMinimized);
  EXPECT_TRUE(win::IsWindowVisible(h));
  win::ShowWindow(h, win::SW_RESTORE);
  wt::RunUntilIdle();
  EXPECT_EQ(win::IsZoomed(h) != 0, c.RestoresMaximized);
  EXPECT_EQ(again->WindowState(), c.RestoresMaximized ? vcl::wsMaximized : vcl::wsNormal);
  again->SetWindowState(vcl::wsNormal);
  wt::RunUntilIdle();
  EXPECT_EQ(Bounds(again.get()), (win::TRect{50, 60, 370, 270}));
  EXPECT_EQ(again->WindowState(), vcl::wsNormal);
}

INSTANTIATE_TEST_SUITE_P(
    States, StoredState,
    ::testing::Values(
        TStateCase{"Normal", {}, "200,0,1,50,60,370,270", vcl::wsNormal, false},
        TStateCase{
            "Maximized", {vcl::wsMaximized}, "200,0,3,50,60,370,270", vcl::wsMaximized, false},
        TStateCase{
            "Minimized", {vcl::wsMinimized}, "200,0,2,50,60,370,270", vcl::wsMinimized, false},
        TStateCase{"MinimizedFromMaximized",
                   {vcl::wsMaximized, vcl::wsMinimized},
                   "200,2,2,50,60,370,270",
                   vcl::wsMinimized,
                   true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FormComponent, RestoreOnceReadsOnlyAtTheFirstShow) {
  WriteIni("[Common]\nForm=200,0,1,10,20,410,320\n");
  auto form = ReadForm("    Options = [foAutoShow, foRestoreOnce]\n");
  form->Show();
  wt::RunUntilIdle();
  form->Hide();
  form->SetBounds(40, 40, 200, 100);
  form->Show();
  wt::RunUntilIdle();
  EXPECT_EQ(Bounds(form.get()), (win::TRect{40, 40, 240, 140}));
}

// The form's own OnShow and OnDestroy, given before the form file is read (as a form file
// gives them), noted in the log the test names.
std::vector<std::string>* g_formLog = nullptr;
struct THandlersLog : vcl::TObject {
  void Shown(vcl::TObject*) { g_formLog->push_back("OnShow"); }
  void Destroyed(vcl::TObject*) { g_formLog->push_back("OnDestroy"); }
  void Reported(vcl::TObject*, vcl::Exception& E) {
    g_formLog->push_back(std::string("reported ") + E.ClassName());
  }
  void NoRestore(vcl::TObject*) {
    g_formLog->push_back("OnNoRestoreData");
    throw vcl::EAbort("");
  }
};
THandlersLog g_handlers;
struct THandledForm : vcl::TForm {
  explicit THandledForm(vcl::TComponent* AOwner) : vcl::TForm(AOwner) {
    OnShow = vcl::TNotifyEvent(&g_handlers, &THandlersLog::Shown);
    OnDestroy = vcl::TNotifyEvent(&g_handlers, &THandlersLog::Destroyed);
  }
};

// A handler of the component raising while the settings are read (OnNoRestoreData, for a
// damaged value), or the settings file that cannot be written when the form goes: the form's
// own handlers still run, and the error is not lost: it comes back to the caller of Show, or
// reaches the application from the destruction.
class FormComponentFailing : public FormComponent {
 protected:
  FormComponentFailing() {
    g_formLog = &log_;
    vcl::Application->OnException = vcl::TExceptionEvent(&g_handlers, &THandlersLog::Reported);
  }
  ~FormComponentFailing() override {
    vcl::Application->OnException = nullptr;
    g_formLog = nullptr;
  }
  std::unique_ptr<THandledForm> HandledForm(const std::string& iniFile) {
    auto form = testsupport::FormFromText<THandledForm>(
        "object Form1: TForm\n  object ZYLForm1: TZYLForm\n    IniLink = Ini1\n"
        "    IniUse = ioUseLink\n  end\n  object Ini1: TZYLIniCtrl\n    IniFile = '" +
        iniFile + "'\n    IniPrefix = ppFixed\n  end\nend\n");
    Component(form.get())
        ->SetOnNoRestoreData(vcl::TNotifyEvent(&g_handlers, &THandlersLog::NoRestore));
    return form;
  }
  std::vector<std::string> log_;
};

TEST_F(FormComponentFailing, ARaisingReadLeavesTheFormsOnShowRunning) {
  WriteIni("[Common]\nForm=damaged\n");
  auto form = HandledForm(IniPath());
  EXPECT_EQ(testsupport::ErrorOf<vcl::EAbort>([&] { form->Show(); }), "");
  wt::RunUntilIdle();
  EXPECT_EQ(log_, (std::vector<std::string>{"OnNoRestoreData", "OnShow"}));
}

TEST_F(FormComponentFailing, AFailedSaveIsReportedAndTheFormsOnDestroyRuns) {
  HandledForm(dir_.File("missing") + "/settings.ini").reset();
  EXPECT_EQ(log_, (std::vector<std::string>{"OnDestroy", "reported EIniFileException"}));
}

TEST_F(FormComponent, AMissingLinkReadsAndWritesNothing) {
  WriteIni("[Common]\nForm=200,0,1,10,20,410,320\n");
  auto form = ReadForm("");
  auto* c = Component(form.get());
  delete form->FindComponent("Ini1");
  EXPECT_EQ(c->IniLink(), nullptr);
  form->Show();
  wt::RunUntilIdle();
  EXPECT_EQ(Bounds(form.get()), (win::TRect{100, 100, 400, 300}));
  form.reset();
  EXPECT_EQ(ReadIni(), "[Common]\nForm=200,0,1,10,20,410,320\n");
}

// Limits: the stored value and its value in pixels on a screen of a given width.
struct TLimitCase {
  int ScreenWidth;
  int Stored;
  int Real;
  int WidthAfterResize;  // a form asked to be 2000 pixels wide (0: wider than the screen)
};

class Limits : public ::testing::TestWithParam<TLimitCase> {};

TEST_P(Limits, TrackMaxWidthFollowsTheScreen) {
  const TLimitCase& c = GetParam();
  vcl::testkit::TControlsSession session(c.ScreenWidth, 600);
  vcl::TForm form(nullptr);
  auto* f = new TZYLForm(&form);
  f->SetInteger(TZYLForm::liTrackMaxWidth, c.Stored);
  f->Loaded();
  EXPECT_EQ(f->RealValue(TZYLForm::liTrackMaxWidth), c.Real);
  form.SetBounds(0, 0, 2000, 200);
  if (c.WidthAfterResize)
    EXPECT_EQ(form.Width(), c.WidthAfterResize);
  else
    EXPECT_GT(form.Width(), c.ScreenWidth);
}

INSTANTIATE_TEST_SUITE_P(Screens, Limits,
                         ::testing::Values(TLimitCase{1024, -2, 512, 512},
                                           TLimitCase{800, -2, 400, 400},
                                           TLimitCase{1024, -100, 10, 10},
                                           TLimitCase{1024, 300, 300, 300},
                                           TLimitCase{800, 1500, 800, 800},  // cut to the screen
                                           TLimitCase{1024, -101, 0, 0}));   // ignored

TEST(FormLimits, AMaximumBelowItsMinimumIsRefusedBothWays) {
  vcl::testkit::TControlsSession session;
  vcl::TForm form(nullptr);
  TZYLForm f(&form);
  f.SetInteger(TZYLForm::liTrackMinWidth, 300);
  f.SetInteger(TZYLForm::liTrackMaxWidth, 200);
  EXPECT_EQ(f.GetInteger(TZYLForm::liTrackMaxWidth), 0);
  f.SetInteger(TZYLForm::liTrackMaxHeight, 100);
  f.SetInteger(TZYLForm::liTrackMinHeight, 150);
  EXPECT_EQ(f.GetInteger(TZYLForm::liTrackMinHeight), 0);
  f.SetInteger(8, 5);  // no such limit
  EXPECT_EQ(f.GetInteger(8), 0);
  f.SetTrackMinValues({120, 50});
  f.SetMaximizedRect({1, 2, 640, 480});
  EXPECT_EQ(f.GetInteger(TZYLForm::liTrackMinWidth), 120);
  EXPECT_EQ(f.GetInteger(TZYLForm::liMaximizedPosY), 2);
  EXPECT_EQ(f.GetInteger(TZYLForm::liMaximizedHeight), 480);
}

TEST(FormLimits, ShowingANormalFormBringsItsSizeIntoTheLimits) {
  vcl::testkit::TControlsSession session;
  ZYLFormAUnit.Init();
  auto form = std::make_unique<vcl::TForm>(nullptr);
  vcl::ReadComponentFromBytes(
      vcl::ObjectTextToBinaryString("object Form1: TForm\n  Width = 100\n  Height = 500\n"
                                    "  object ZYLForm1: TZYLForm\n    TrackMinWidth = 150\n"
                                    "    TrackMaxHeight = -4\n  end\nend\n"),
      form.get());
  form->Show();
  wt::RunUntilIdle();
  EXPECT_EQ(form->Width(), 150);
  EXPECT_EQ(form->Height(), 192);  // a quarter of 768
  ZYLFormAUnit.FInit();
}

// Docking: the form is dragged by its caption and released with its left edge at Release.
struct TDockCase {
  const char* Name;
  int ReleaseLeft;
  int ReleaseTop;
  bool AfterMove;
  win::TPoint Expected;
};

class Docking : public FormComponent, public ::testing::WithParamInterface<TDockCase> {};

TEST_P(Docking, SnapsToTheWorkAreasEdges) {
  const TDockCase& c = GetParam();
  win::RECT work{0, 0, 1024, 728};  // a task bar below
  win::SystemParametersInfoA(win::SPI_SETWORKAREA, 0, &work, 0);
  vcl::TForm form(nullptr);
  form.SetBounds(300, 300, 300, 200);
  auto* f = new TZYLForm(&form);
  f->AutoDock()->SetEnabled(true);
  f->AutoDock()->SetAfterMove(c.AfterMove);
  f->AutoDock()->SetDistance(adBottom, 20);  // the other distances stay 40
  EXPECT_EQ(f->AutoDock()->Distance(adLeft), 40);
  f->Loaded();
  form.Show();
  wt::RunUntilIdle();
  const win::POINT grip = {form.Left() + 100, form.Top() + 10};
  wt::Drag(grip, {grip.X + c.ReleaseLeft - 300, grip.Y + c.ReleaseTop - 300});
  EXPECT_EQ((win::TPoint{form.Left(), form.Top()}), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Releases, Docking,
                         ::testing::Values(TDockCase{"Near_left", 30, 300, true, {0, 300}},
                                           TDockCase{"Away_from_left", 50, 300, true, {50, 300}},
                                           TDockCase{"Near_right", 690, 300, true, {724, 300}},
                                           TDockCase{"Near_top", 300, 39, true, {300, 0}},
                                           TDockCase{"Near_bottom", 300, 515, true, {300, 528}},
                                           TDockCase{
                                               "Away_from_bottom", 300, 505, true, {300, 505}},
                                           TDockCase{"Moved_out_left", -20, 300, true, {-20, 300}},
                                           TDockCase{"While_moving", 30, 300, false, {0, 300}}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(AutoDock, TheRuleByNumbers) {
  TZYLAutoDockObject d;
  const win::TRect work{0, 0, 1000, 700};
  EXPECT_EQ(d.Dock(39, 100, 200, 100, work), (win::TPoint{0, 100}));
  EXPECT_EQ(d.Dock(761, 100, 200, 100, work), (win::TPoint{800, 100}));
  d.SetSides({adTop});
  EXPECT_EQ(d.Dock(39, 39, 200, 100, work), (win::TPoint{39, 0}));
  d.SetSides({adLeft, adTop, adBottom, adRight});
  d.SetMoveOut({});
  EXPECT_EQ(d.Dock(-20, 650, 200, 100, work), (win::TPoint{0, 600}));  // pulled back in
  // Sums at the integer limits do not wrap.
  EXPECT_EQ(d.Dock(INT32_MAX - 10, 100, 200, 100, work), (win::TPoint{800, 100}));
}

// The docking settings set as a whole: every value is the source's, and the rule follows them.
TEST_F(FormComponent, DockingSetAsAWholeTakesEveryValue) {
  vcl::TForm form(nullptr);
  auto* f = new TZYLForm(&form);
  TZYLAutoDockObject source;
  source.SetEnabled(true);
  source.SetAfterMove(false);
  source.SetSides({adTop, adRight});
  source.SetMoveOut({adRight});
  const int distances[] = {11, 12, 13, 14};
  for (const TZYLAutoDockSide side : {adLeft, adTop, adBottom, adRight})
    source.SetDistance(side, distances[side]);
  f->SetAutoDock(&source);
  TZYLAutoDockObject* d = f->AutoDock();
  ASSERT_NE(d, &source);
  EXPECT_TRUE(d->Enabled());
  EXPECT_FALSE(d->AfterMove());
  EXPECT_EQ(d->Sides(), (TZYLAutoDockSides{adTop, adRight}));
  EXPECT_EQ(d->MoveOut(), (TZYLAutoDockSides{adRight}));
  for (const TZYLAutoDockSide side : {adLeft, adTop, adBottom, adRight})
    EXPECT_EQ(d->Distance(side), distances[side]) << side;
  const win::TRect work{0, 0, 1000, 700};
  // The left edge no longer attracts; the top does closer than 12 pixels, the right closer
  // than 14, and the form may still be moved out past the right edge.
  EXPECT_EQ(d->Dock(5, 11, 200, 100, work), (win::TPoint{5, 0}));
  EXPECT_EQ(d->Dock(5, 12, 200, 100, work), (win::TPoint{5, 12}));
  EXPECT_EQ(d->Dock(787, 300, 200, 100, work), (win::TPoint{800, 300}));
  EXPECT_EQ(d->Dock(786, 300, 200, 100, work), (win::TPoint{786, 300}));
  EXPECT_EQ(d->Dock(850, 300, 200, 100, work), (win::TPoint{850, 300}));
  // A later change of the source stays with the source.
  source.SetEnabled(false);
  EXPECT_TRUE(d->Enabled());
  vcl::TPen pen;
  EXPECT_THROW(d->Assign(&pen), vcl::EConvertError);
}

TEST_F(FormComponent, MovingCanBeCancelledWhileTheFormMoves) {
  vcl::TForm form(nullptr);
  form.SetBounds(300, 300, 300, 200);
  auto* f = new TZYLForm(&form);
  f->AutoDock()->SetEnabled(true);
  f->AutoDock()->SetAfterMove(false);
  f->SetOnMoving(TZYLMovingEvent(&events_, &TEvents::OnMoving));
  f->SetOnMove(vcl::TNotifyEvent(&events_, &TEvents::OnMove));
  f->Loaded();
  form.Show();
  wt::RunUntilIdle();
  events_.CancelMoving = true;
  form.SetBounds(400, 400, 300, 200);
  EXPECT_EQ(form.Left(), 300);
  events_.CancelMoving = false;
  const int moves = events_.Moves;
  form.SetBounds(400, 400, 300, 200);
  EXPECT_EQ(form.Left(), 400);
  EXPECT_GT(events_.Moves, moves);
}

TEST_F(FormComponent, SystemMessagesBecomeEvents) {
  vcl::TForm form(nullptr);
  auto* f = new TZYLForm(&form);
  f->SetOnAPMSuspendRequest(TZYLStandardEvent(&events_, &TEvents::OnSuspend));
  f->SetOnSize(TZYLSizingChangeEvent(&events_, &TEvents::OnSize));
  f->Loaded();
  win::HWND h = form.Handle();
  EXPECT_EQ(win::SendMessageA(h, win::WM_POWER, 1, 0), 0);
  events_.CancelSuspend = true;
  EXPECT_EQ(win::SendMessageA(h, win::WM_POWER, 1, 0), -1);
  win::SendMessageA(h, win::WM_SIZE, 2, win::MAKELPARAM(640, 480));
  EXPECT_EQ(events_.Sizes, (std::vector<int>{640, 480, 2}));
  // The settings and device changes hand on the text the message points to; none, empty.
  f->SetOnIniChange(TZYLSendStringEvent(&events_, &TEvents::OnIni));
  f->SetOnDevModeChange(TZYLSendStringEvent(&events_, &TEvents::OnDevMode));
  const char section[] = "intl";
  const char device[] = "Laser 5";
  win::SendMessageA(h, win::WM_WININICHANGE, 0, reinterpret_cast<win::LPARAM>(section));
  win::SendMessageA(h, win::WM_DEVMODECHANGE, 0, reinterpret_cast<win::LPARAM>(device));
  win::SendMessageA(h, win::WM_WININICHANGE, 0, 0);
  EXPECT_EQ(events_.Texts, (std::vector<std::string>{"ini intl", "device Laser 5", "ini "}));
  // Switched off, the component lets everything pass.
  f->SetEnabled(false);
  EXPECT_EQ(win::SendMessageA(h, win::WM_POWER, 1, 0), 0);
  win::SendMessageA(h, win::WM_DEVMODECHANGE, 0, reinterpret_cast<win::LPARAM>(device));
  EXPECT_EQ(events_.Texts.size(), 3u);
}

TEST_F(FormComponent, TrackInfoHandlersGetTheLimitsByReference) {
  vcl::TForm form(nullptr);
  auto* f = new TZYLForm(&form);
  f->SetInteger(TZYLForm::liTrackMinWidth, 200);
  struct TSet : vcl::TObject {
    void Track(vcl::TObject*, int& MinW, int&, int&, int&) { MinW = 333; }
  } handler;
  f->Loaded();
  win::MINMAXINFO info{};
  win::SendMessageA(form.Handle(), win::WM_GETMINMAXINFO, 0, reinterpret_cast<win::LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.X, 200);
  f->SetOnTrackInfo(TZYLTrackInfoEvent(&handler, &TSet::Track));
  win::SendMessageA(form.Handle(), win::WM_GETMINMAXINFO, 0, reinterpret_cast<win::LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.X, 333);
}

TEST_F(FormComponent, DroppedFilesArriveInTheirCaseAndLongNamesAreSkipped) {
  const std::string shortName = dir_.File("Short.TXT");
  std::filesystem::create_directories(dir_.File(std::string(200, 'd')));
  const std::string longName = dir_.File(std::string(200, 'd') + "/" + std::string(80, 'l'));
  std::ofstream(shortName) << "x";
  std::ofstream(longName) << "x";
  vcl::TForm form(nullptr);
  auto* f = new TZYLForm(&form);
  f->SetAcceptFiles(true);
  f->SetCharCase(ccUpperCase);
  f->SetOnFMDragDrop(TZYLFMDragDropEvent(&events_, &TEvents::OnDrop));
  f->Loaded();
  form.Show();
  wt::RunUntilIdle();
  wt::DropFiles(form.Handle(), 10, 10, {shortName, longName});
  EXPECT_EQ(events_.DropCount, 2);
  ASSERT_EQ(events_.Dropped.size(), 1u);
  EXPECT_EQ(events_.Dropped[0], vcl::AnsiUpperCase(shortName));
  // Files are no longer taken once the component lets go.
  f->SetAcceptFiles(false);
  EXPECT_THROW(wt::DropFiles(form.Handle(), 10, 10, {shortName}), vcl::Exception);
}

// A form that notes the drops its own procedure receives, with the names it could still read.
class TDropForm : public vcl::TForm {
 public:
  using vcl::TForm::TForm;
  win::HDROP Drop = nullptr;
  int DropNames = -1;
  void WndProc(vcl::TMessage& Message) override {
    if (Message.Msg == win::WM_DROPFILES) {
      Drop = reinterpret_cast<win::HDROP>(Message.WParam);
      DropNames = static_cast<int>(win::DragQueryFileA(Drop, 0xFFFFFFFF, nullptr, 0));
    }
    vcl::TForm::WndProc(Message);
  }
};

// The form hears every drop; the component releases it after that only when its handler took
// it, and otherwise leaves it to the form's own handling.
class FormComponentDropRelease : public FormComponent,
                                 public ::testing::WithParamInterface<bool> {};

TEST_P(FormComponentDropRelease, OnlyAfterItsHandlerTookIt) {
  const bool handled = GetParam();
  const std::string file = dir_.File("One.txt");
  std::ofstream(file) << "x";
  TDropForm form(nullptr);
  auto* f = new TZYLForm(&form);
  f->SetAcceptFiles(true);
  if (handled) f->SetOnFMDragDrop(TZYLFMDragDropEvent(&events_, &TEvents::OnDrop));
  f->Loaded();
  form.Show();
  wt::RunUntilIdle();
  wt::DropFiles(form.Handle(), 10, 10, {file});
  ASSERT_NE(form.Drop, nullptr);
  EXPECT_EQ(form.DropNames, 1);
  EXPECT_EQ(events_.DropCount, handled ? 1 : 0);
  EXPECT_EQ(win::GlobalSize(form.Drop) > 0, !handled);
  if (!handled) win::DragFinish(form.Drop);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutHandler, FormComponentDropRelease, ::testing::Bool());

TEST(FormDensity, ControlsAreScaledFromTheDesignDensityOnce) {
  vcl::testkit::TControlsSession session;
  vcl::TForm form(nullptr);
  auto* panel = new vcl::TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(40, 40, 80, 20);
  auto* inner = new vcl::TPanel(&form);
  inner->SetParent(panel);
  inner->SetBounds(8, 4, 16, 8);
  TZYLForm f(&form);
  f.SetDesignPPI(120);  // the screen has 96
  f.AdaptResolution();
  EXPECT_EQ(panel->BoundsRect(), (vcl::TRect{50, 50, 150, 75}));
  EXPECT_EQ(inner->BoundsRect(), (vcl::TRect{10, 5, 30, 15}));
  f.AdaptResolution();  // only once
  EXPECT_EQ(panel->BoundsRect(), (vcl::TRect{50, 50, 150, 75}));
  // A form that is not scaled is left alone.
  vcl::TForm fixed(nullptr);
  fixed.SetScaled(false);
  auto* p2 = new vcl::TPanel(&fixed);
  p2->SetParent(&fixed);
  p2->SetBounds(40, 40, 80, 20);
  TZYLForm g(&fixed);
  g.SetDesignPPI(120);
  g.AdaptResolution();
  EXPECT_EQ(p2->BoundsRect(), (vcl::TRect{40, 40, 120, 60}));
}

TEST_F(FormComponent, ADisplayChangeRecomputesTheLimitsAndIsReported) {
  struct TDisplay : vcl::TObject {
    std::vector<int> Seen;
    void Changed(vcl::TObject*, uint16_t x, uint16_t y, uint16_t flag, int bits) {
      Seen = {x, y, flag, bits};
    }
  } handler;
  vcl::TForm form(nullptr);
  auto* f = new TZYLForm(&form);
  f->SetInteger(TZYLForm::liTrackMaxWidth, -4);
  f->SetOnDisplayChange(TZYLDisplayChangeEvent(&handler, &TDisplay::Changed));
  f->Loaded();
  win::SendMessageA(form.Handle(), win::WM_DISPLAYCHANGE, 32, win::MAKELPARAM(1024, 768));
  EXPECT_EQ(handler.Seen, (std::vector<int>{1024, 768, 32, 32}));
  EXPECT_EQ(f->RealValue(TZYLForm::liTrackMaxWidth), 256);
}

// Three form components on one form, the first one or two of an order freed before the form
// shows: the survivors restore (the stored placement is damaged: each tells so once), the freed
// ones are called no more, and the form's own show and destroy handlers still run once each.
struct TTwinsOrder {
  std::array<int, 3> Order;
  int Freed;  // how many of the order go before the form shows
};

class FormComponentTwins : public FormComponent,
                           public ::testing::WithParamInterface<TTwinsOrder> {};

struct TFormOwnEvents : vcl::TObject {
  int Shows = 0, Destroys = 0;
  std::vector<vcl::TObject*> NoRestore;
  void Show(vcl::TObject*) { ++Shows; }
  void Destroy(vcl::TObject*) { ++Destroys; }
  void OnNoRestore(vcl::TObject* Sender) { NoRestore.push_back(Sender); }
};

TEST_P(FormComponentTwins, FreedInAnyOrderLeaveTheFormsChainsWhole) {
  const TTwinsOrder& c = GetParam();
  WriteIni("[Common]\nForm=201,0,1,10,20,410,320\n");
  std::string text = "object Form1: TForm\n  Width = 300\n  Height = 200\n";
  for (int i = 1; i <= 3; ++i)
    text += "  object ZYLForm" + std::to_string(i) +
            ": TZYLForm\n    IniLink = Ini1\n    IniUse = ioUseLink\n  end\n";
  text += "  object Ini1: TZYLIniCtrl\n    IniFile = '" + IniPath() +
          "'\n    IniPrefix = ppFixed\n  end\nend\n";
  TFormOwnEvents own;
  auto form = std::make_unique<vcl::TForm>(nullptr);
  form->OnShow = vcl::TNotifyEvent(&own, &TFormOwnEvents::Show);
  form->OnDestroy = vcl::TNotifyEvent(&own, &TFormOwnEvents::Destroy);
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), form.get());
  std::vector<TZYLForm*> twins;
  for (int i = 1; i <= 3; ++i) {
    twins.push_back(static_cast<TZYLForm*>(form->FindComponent("ZYLForm" + std::to_string(i))));
    ASSERT_NE(twins.back(), nullptr);
    twins.back()->SetOnNoRestoreData(vcl::TNotifyEvent(&own, &TFormOwnEvents::OnNoRestore));
  }
  std::vector<vcl::TObject*> survivors(twins.begin(), twins.end());
  for (int k = 0; k < c.Freed; ++k) {
    TZYLForm* freed = twins[static_cast<size_t>(c.Order[static_cast<size_t>(k)])];
    survivors.erase(std::find(survivors.begin(), survivors.end(), freed));
    delete freed;
  }
  form->Show();
  wt::RunUntilIdle();
  EXPECT_EQ(own.Shows, 1);
  std::vector<vcl::TObject*> told = own.NoRestore;
  std::sort(told.begin(), told.end());
  std::sort(survivors.begin(), survivors.end());
  EXPECT_EQ(told, survivors);
  form.reset();
  EXPECT_EQ(own.Destroys, 1);
  // Each survivor stored the placement as the form went.
  EXPECT_NE(ReadIni().find("Form=200,"), std::string::npos);
}

std::vector<TTwinsOrder> TwinsOrders() {
  std::vector<TTwinsOrder> orders;
  std::array<int, 3> order{0, 1, 2};
  do
    for (int freed : {1, 2}) orders.push_back({order, freed});
  while (std::next_permutation(order.begin(), order.end()));
  return orders;
}

INSTANTIATE_TEST_SUITE_P(Orders, FormComponentTwins, ::testing::ValuesIn(TwinsOrders()),
                         [](const ::testing::TestParamInfo<TTwinsOrder>& info) {
                           std::string name = "Freed";
                           for (int k = 0; k < info.param.Freed; ++k)
                             name += std::to_string(info.param.Order[static_cast<size_t>(k)] + 1);
                           name += "Then";
                           for (int k = info.param.Freed; k < 3; ++k)
                             name += std::to_string(info.param.Order[static_cast<size_t>(k)] + 1);
                           return name;
                         });

TEST(FormKey, TheKeyDefaultsToTheFormsClassName) {
  vcl::testkit::TControlsSession session;
  vcl::TForm form(nullptr);
  TZYLForm f(&form);
  EXPECT_EQ(f.IniKey(), "Form");
  EXPECT_EQ(f.Section(), "Common");
  vcl::TComponent plain(nullptr);
  TZYLForm g(&plain);
  EXPECT_EQ(g.IniKey(), "Form");
}

}  // namespace
}  // namespace zyl
