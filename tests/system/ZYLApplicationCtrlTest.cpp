// The application-control component: defaults, the copy at load, edit-mode notification and
// the handlers it withdraws again.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLIniCtrl.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLApplicationCtrl.h"
#include "tests/support/ApplicationSettings.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

using namespace zyl;

namespace {

class AppCtrlTest : public ::testing::Test {
 protected:
  AppCtrlTest() : session_(800, 600) {
    ownsApp_ = !ZYLApplication();
    if (ownsApp_) ZYLApplicationInit();
  }
  ~AppCtrlTest() override {
    // The settings the component copies into the application go back with settings_; its
    // events are taken back here.
    vcl::TApplication* a = vcl::Application;
    a->OnException = nullptr;
    a->OnHint = nullptr;
    a->OnMinimize = nullptr;
    vcl::Screen->OnActiveFormChange = nullptr;
    vcl::Screen->OnActiveControlChange = nullptr;
    if (ownsApp_) ZYLApplicationDone();
  }

 private:
  vcl::testkit::TControlsSession session_;
  testsupport::TApplicationSettingsScope settings_;
  bool ownsApp_ = false;
};

class Sink : public vcl::TObject {
 public:
  std::vector<vcl::TObject*> Senders;
  std::vector<std::string> Texts;
  void Notify(vcl::TObject* Sender) { Senders.push_back(Sender); }
  void Other(vcl::TObject* Sender) { Texts.push_back(Sender ? "other" : "nil"); }
  void Exception(vcl::TObject*, const std::exception& E, bool&) { Texts.push_back(E.what()); }
};

}  // namespace

TEST_F(AppCtrlTest, StartValuesComeFromTheApplication) {
  vcl::Application->SetHintPause(700);
  vcl::Application->SetHintColor(vcl::clRed);
  vcl::Application->SetShowHint(false);
  vcl::Application->UpdateFormatSettings = false;
  TZYLApplicationCtrl c(nullptr);
  EXPECT_EQ(c.HintPause(), 700);
  EXPECT_EQ(c.HintColor(), vcl::clRed);
  EXPECT_FALSE(c.ShowHint());
  EXPECT_FALSE(c.UpdateFormatSettings());
  EXPECT_NE(c.HintFont(), c.IconFont());
  EXPECT_EQ(c.GetFont(3), nullptr);
}

TEST_F(AppCtrlTest, LogNameGetsAnExtensionOnlyWhenItHasNone) {
  TZYLApplicationCtrl c(nullptr);
  auto named = [&](const std::string& in) {
    c.SetLogName(in);
    return c.LogName();
  };
  testsupport::ExpectCases({{named("trace"), "trace.LOG"},
                            {named("trace.txt"), "trace.txt"},
                            {named("logs.d\\trace"), "logs.d\\trace.LOG"},
                            {named(""), ""}});
}

TEST_F(AppCtrlTest, LoadedCopiesIntoTheApplicationObjectAndItsStorage) {
  TZYLApplication* app = ZYLApplication();
  TZYLApplicationCtrl c(nullptr);
  c.SetCompany("Acme");
  c.SetVersion("2.1");
  c.SetDlgEffectDelay(9);
  c.SetOptions({aoLogException, aoLogNr, aoLogDate});
  c.SetLogPrefix(ppFixed);
  c.SetLogName("run");
  c.SetLogMaxsize(4096);
  c.SetLogMaxAction(laBackupLog);
  c.SetIniFile("settings.ini");
  c.SetIniPrefix(ppFixed);
  c.SetRegPath("Software\\Acme");
  c.SetRegRoot(rpLocalMachine);
  c.SetIniTarget(itRegistry);
  c.Loaded();
  EXPECT_EQ(app->Company, "Acme");
  EXPECT_EQ(app->Version, "2.1");
  EXPECT_EQ(app->DlgEffectDelay, 9);
  // Every switch arrives as it is: date and time stay two, the mouse switch stays off.
  EXPECT_EQ(app->Options, (TZYLApplicationOptions{aoLogException, aoLogNr, aoLogDate}));
  EXPECT_FALSE(app->MouseCtrlActive());
  EXPECT_EQ(app->LogPrefix(), ppFixed);
  EXPECT_EQ(app->LogFileName(), "run.LOG");
  EXPECT_EQ(app->LogMaxSize, 4096);
  EXPECT_EQ(app->LogMaxAction, laBackupLog);
  TZYLIniCtrl* ini = app->IniCtrl();
  EXPECT_EQ(ini->IniFile(), "settings.ini");
  EXPECT_EQ(ini->IniPrefix(), ppFixed);
  EXPECT_EQ(ini->RegPath(), "Software\\Acme");
  EXPECT_EQ(ini->RegRoot(), rpLocalMachine);
  EXPECT_EQ(ini->Target(), itRegistry);
  // Logging exceptions routes the framework's exception event to the application object.
  EXPECT_TRUE(vcl::Application->OnException.Assigned());
  // The default log prefix puts a bare name into the program's folder.
  TZYLApplicationCtrl d(nullptr);
  d.SetLogName("fromprog");
  d.Loaded();
  EXPECT_EQ(app->LogFileName(), vcl::ExtractFilePath(vcl::ParamStr(0)) + "fromprog.LOG");
  EXPECT_TRUE(app->MouseCtrlActive());
}

TEST_F(AppCtrlTest, TitleHintsAndHelpFileReachTheApplication) {
  testsupport::TempDir dir;
  const std::string help = dir.File("guide.hlp");
  std::ofstream(help) << "help";
  vcl::Application->SetTitle("Kept");
  TZYLApplicationCtrl c(nullptr);
  c.SetHintPause(111);
  c.SetHintColor(vcl::clLime);
  c.SetHintShortPause(22);
  c.SetHintHidePause(3333);
  c.SetShowHint(false);
  c.SetUpdateMetricSettings(false);
  c.SetHelpFile(help);
  c.Loaded();
  EXPECT_EQ(vcl::Application->Title(), "Kept");  // an empty Title keeps the application's
  EXPECT_EQ(vcl::Application->HintPause(), 111);
  EXPECT_EQ(vcl::Application->HintColor(), vcl::clLime);
  EXPECT_EQ(vcl::Application->HintShortPause(), 22);
  EXPECT_EQ(vcl::Application->HintHidePause(), 3333);
  EXPECT_FALSE(vcl::Application->ShowHint());
  EXPECT_FALSE(vcl::Application->UpdateMetricSettings);
  EXPECT_EQ(vcl::Application->HelpFile(), help);

  c.SetTitle("Ledger");
  c.SetHelpFile(dir.File("missing.hlp"));
  c.Loaded();
  EXPECT_EQ(vcl::Application->Title(), "Ledger");
  EXPECT_EQ(vcl::Application->HelpFile(), "guide.hlp");  // only the name part stays
}

TEST_F(AppCtrlTest, ScreenFontsChangeOnlyBySystemOptions) {
  vcl::TFont* hint = vcl::Screen->HintFont();
  vcl::TFont* menu = vcl::Screen->MenuFont();
  const std::string hintName = hint->Name(), menuName = menu->Name();
  const std::string iconName = vcl::Screen->IconFont()->Name();
  vcl::TFont savedHint;
  savedHint.Assign(hint);
  TZYLApplicationCtrl c(nullptr);
  vcl::TFont f;
  f.SetName("Courier New");
  c.SetFont(0, &f);
  c.SetFont(1, &f);
  c.SetFont(2, &f);
  EXPECT_EQ(c.HintFont()->Name(), "Courier New");
  EXPECT_NE(c.HintFont(), &f);  // copied, not taken
  c.Loaded();
  EXPECT_EQ(hint->Name(), hintName);
  EXPECT_EQ(menu->Name(), menuName);
  EXPECT_EQ(vcl::Screen->IconFont()->Name(), iconName);
  c.SetSystemOptions({soSetHintFont});
  c.Loaded();
  EXPECT_EQ(vcl::Screen->HintFont()->Name(), "Courier New");
  EXPECT_EQ(vcl::Screen->MenuFont()->Name(), menuName);
  EXPECT_EQ(vcl::Screen->IconFont()->Name(), iconName);
  hint->Assign(&savedHint);
}

TEST_F(AppCtrlTest, AssignedEventsReplaceAndUnassignedOnesStay) {
  Sink s, keep;
  vcl::Application->OnMinimize = vcl::TNotifyEvent(&keep, &Sink::Notify);
  vcl::Screen->OnActiveFormChange = vcl::TNotifyEvent(&keep, &Sink::Notify);
  TZYLApplicationCtrl c(nullptr);
  c.SetOnHint(vcl::TNotifyEvent(&s, &Sink::Notify));
  c.SetOnActiveControlChange(vcl::TNotifyEvent(&s, &Sink::Other));
  c.Loaded();
  EXPECT_EQ(vcl::Application->OnHint, vcl::TNotifyEvent(&s, &Sink::Notify));
  EXPECT_EQ(vcl::Application->OnMinimize, vcl::TNotifyEvent(&keep, &Sink::Notify));
  EXPECT_EQ(vcl::Screen->OnActiveControlChange, vcl::TNotifyEvent(&s, &Sink::Other));
  EXPECT_EQ(vcl::Screen->OnActiveFormChange, vcl::TNotifyEvent(&keep, &Sink::Notify));
}

// The handlers belong to the component's form: when it goes they go, so that the application
// calls no handler of a freed form; handlers set by others stay.
TEST_F(AppCtrlTest, HandedOverEventsAreWithdrawnWhenTheComponentGoes) {
  Sink s, keep;
  vcl::Application->OnMinimize = vcl::TNotifyEvent(&keep, &Sink::Notify);
  {
    TZYLApplicationCtrl c(nullptr);
    c.SetOnActivate(vcl::TNotifyEvent(&s, &Sink::Notify));
    c.SetOnActiveFormChange(vcl::TNotifyEvent(&s, &Sink::Other));
    c.Loaded();
    EXPECT_EQ(vcl::Application->OnActivate, vcl::TNotifyEvent(&s, &Sink::Notify));
  }
  EXPECT_FALSE(vcl::Application->OnActivate);
  EXPECT_FALSE(vcl::Screen->OnActiveFormChange);
  EXPECT_EQ(vcl::Application->OnMinimize, vcl::TNotifyEvent(&keep, &Sink::Notify));
}

TEST_F(AppCtrlTest, EditModeChangesReachTheComponentUntilItIsFreed) {
  Sink s;
  TZYLApplication* app = ZYLApplication();
  auto* c = new TZYLApplicationCtrl(nullptr);
  c->SetOnEditModeChange(vcl::TNotifyEvent(&s, &Sink::Notify));
  app->SetEditMode({emInsert, emCaps});
  app->SetEditMode({emInsert, emCaps});  // unchanged: no event
  ASSERT_EQ(s.Senders.size(), 1u);
  EXPECT_EQ(s.Senders[0], c);
  delete c;
  EXPECT_FALSE(app->GetOnEditModeChange().Assigned());
  app->SetEditMode({emCaps});  // reaches no freed component
  EXPECT_EQ(s.Senders.size(), 1u);
}

// Three components: the last one made hears the edit mode; when it goes, the one made before
// it that is still there hears it again, whichever went before.
struct TEditModeTwins {
  const char* Name;
  std::vector<int> Freed;  // in this order, each followed by a change of the edit mode
  std::vector<int> Hear;   // who hears each change (-1: nobody)
};

class AppCtrlTwins : public AppCtrlTest, public ::testing::WithParamInterface<TEditModeTwins> {};

TEST_P(AppCtrlTwins, TheLatestOneLeftHearsTheEditMode) {
  const TEditModeTwins& c = GetParam();
  Sink s;
  TZYLApplication* app = ZYLApplication();
  std::vector<TZYLApplicationCtrl*> ctrls;
  for (int i = 0; i < 3; ++i) {
    ctrls.push_back(new TZYLApplicationCtrl(nullptr));
    ctrls.back()->SetOnEditModeChange(vcl::TNotifyEvent(&s, &Sink::Notify));
  }
  std::vector<bool> alive(3, true);
  bool overwrite = false;
  for (size_t k = 0; k < c.Freed.size(); ++k) {
    const auto freed = static_cast<size_t>(c.Freed[k]);
    delete ctrls[freed];
    alive[freed] = false;
    s.Senders.clear();
    overwrite = !overwrite;
    app->SetEditMode(overwrite ? TZYLEditModes{emCaps} : TZYLEditModes{emInsert});
    SCOPED_TRACE(k);
    if (c.Hear[k] < 0) {
      EXPECT_TRUE(s.Senders.empty());
    } else {
      EXPECT_EQ(s.Senders, (std::vector<vcl::TObject*>{ctrls[static_cast<size_t>(c.Hear[k])]}));
    }
  }
  for (size_t i = 0; i < 3; ++i)
    if (alive[i]) delete ctrls[i];
  EXPECT_FALSE(app->GetOnEditModeChange().Assigned());
}

INSTANTIATE_TEST_SUITE_P(Orders, AppCtrlTwins,
                         ::testing::ValuesIn(std::vector<TEditModeTwins>{
                             {"LastFirst", {2, 1, 0}, {1, 0, -1}},
                             {"FirstFirst", {0, 1, 2}, {2, 2, -1}},
                             {"MiddleFirst", {1, 2, 0}, {2, 0, -1}},
                             {"LastThenFirst", {2, 0, 1}, {1, 1, -1}},
                         }),
                         [](const ::testing::TestParamInfo<TEditModeTwins>& info) {
                           return info.param.Name;
                         });

TEST_F(AppCtrlTest, ExceptionHandlersAreHandedOverAndWithdrawnOnFree) {
  Sink s;
  TZYLApplication* app = ZYLApplication();
  auto* c = new TZYLApplicationCtrl(nullptr);
  c->SetOptions({});
  c->SetOnException(TZYLExceptionEvent(&s, &Sink::Exception));
  c->Loaded();
  ASSERT_TRUE(vcl::Application->OnException.Assigned());
  EXPECT_EQ(app->GetOnException(), TZYLExceptionEvent(&s, &Sink::Exception));
  vcl::Exception e("broken");
  vcl::Application->OnException(nullptr, e);
  ASSERT_EQ(s.Texts.size(), 1u);
  EXPECT_EQ(s.Texts[0], "broken");
  delete c;  // the framework's event pointed at the component
  EXPECT_FALSE(vcl::Application->OnException.Assigned());
}

TEST_F(AppCtrlTest, WithoutExceptionSettingsNoHandlerIsInstalled) {
  TZYLApplicationCtrl c(nullptr);
  c.Loaded();  // the default options hold no aoLogException
  EXPECT_FALSE(vcl::Application->OnException.Assigned());
  EXPECT_FALSE(ZYLApplication()->GetOnException().Assigned());
  EXPECT_FALSE(ZYLApplication()->GetOnMaxLogSize().Assigned());
}

TEST_F(AppCtrlTest, AnEmptyCheckBitmapKeepsTheBuiltInOne) {
  TZYLApplication* app = ZYLApplication();
  const int w = app->CheckBitmap()->Width();
  ASSERT_GT(w, 0);
  TZYLApplicationCtrl c(nullptr);
  c.Loaded();
  EXPECT_EQ(app->CheckBitmap()->Width(), w);
  vcl::TBitmap b;
  b.SetWidth(5);
  b.SetHeight(7);
  c.SetCheckBitmap(&b);
  EXPECT_EQ(c.CheckBitmap()->Width(), 5);
  c.Loaded();
  EXPECT_EQ(app->CheckBitmap()->Width(), 5);
  EXPECT_EQ(app->CheckBitmap()->Height(), 7);
}

TEST_F(AppCtrlTest, DesignTimeActsOnNothingAndAllowsOnePerForm) {
  auto* form = new vcl::TForm(nullptr);
  form->SetDesigning(true);
  auto* c = new TZYLApplicationCtrl(form);
  c->SetTitle("Designed");
  c->Loaded();
  EXPECT_NE(vcl::Application->Title(), "Designed");
  EXPECT_EQ(testsupport::ErrorOf<ZYLEOneInstError>([&] { new TZYLApplicationCtrl(form); }),
            std::string("TZYLApplicationCtrl:\r") + SZYLInvalidOwner);
  EXPECT_EQ(form->ComponentCount(), 1);
  // A designed owner that is no form is refused as well.
  vcl::TComponent holder(nullptr);
  holder.SetDesigning(true);
  EXPECT_THROW(new TZYLApplicationCtrl(&holder), ZYLEOneInstError);
  EXPECT_EQ(holder.ComponentCount(), 0);
  // At run time several may exist.
  TZYLApplicationCtrl a(nullptr), b(nullptr);
  delete form;
}

namespace {

class LogSink : public vcl::TObject {
 public:
  std::vector<std::string> Names;
  void MaxSize(vcl::TObject*, const std::string& LogName, bool&) { Names.push_back(LogName); }
  void Header(vcl::TObject*, std::string& Target) { Target += "Customer build"; }
};

}  // namespace

TEST_F(AppCtrlTest, LogHandlersAreHandedOverAndTheirLinesFollowTheHeader) {
  testsupport::TempDir dir;
  LogSink s;
  TZYLApplication* app = ZYLApplication();
  TZYLApplicationCtrl c(nullptr);
  c.SetLogPrefix(ppFixed);
  c.SetLogName(dir.File("app"));
  c.SetLogMaxsize(300);
  c.SetLogMaxAction(laClearLog);
  c.SetOnMaxLogSize(TZYLMaxLogSizeEvent(&s, &LogSink::MaxSize));
  c.SetOnHeaderWrite(TZYLOnHeaderWrite(&s, &LogSink::Header));
  c.Loaded();
  app->Log("first");
  std::ifstream f(dir.File("app.LOG"));
  std::vector<std::string> lines;
  for (std::string l; std::getline(f, l);) lines.push_back(l);
  // The default options write the header block, the handler's line, then numbered entries.
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[4], "Customer build");
  EXPECT_EQ(lines[5], "00001 first");
  for (int i = 0; s.Names.empty() && i < 20; ++i) app->Log("filler line to pass the limit");
  ASSERT_FALSE(s.Names.empty());
  EXPECT_EQ(s.Names[0], dir.File("app.LOG"));
  app->SetOnMaxLogSize(nullptr);
  app->SetOnHeaderWrite(nullptr);
}

// The exception and log handlers handed to the library's application object belong to the
// component's form as well: once the component is freed the application object calls none of
// them, and handlers someone else set there afterwards stay.
TEST_F(AppCtrlTest, HandlersHandedToTheApplicationObjectAreWithdrawnOnFree) {
  Sink s;
  LogSink logs;
  TZYLApplication* app = ZYLApplication();
  auto* c = new TZYLApplicationCtrl(nullptr);
  c->SetOnException(TZYLExceptionEvent(&s, &Sink::Exception));
  c->SetOnMaxLogSize(TZYLMaxLogSizeEvent(&logs, &LogSink::MaxSize));
  c->SetOnHeaderWrite(TZYLOnHeaderWrite(&logs, &LogSink::Header));
  c->Loaded();
  ASSERT_TRUE(app->GetOnException().Assigned());
  ASSERT_TRUE(app->GetOnMaxLogSize().Assigned());
  ASSERT_TRUE(app->GetOnHeaderWrite().Assigned());
  delete c;
  EXPECT_FALSE(app->GetOnException().Assigned());
  EXPECT_FALSE(app->GetOnMaxLogSize().Assigned());
  EXPECT_FALSE(app->GetOnHeaderWrite().Assigned());

  // A handler another party installed after the load is not the component's to take away.
  Sink other;
  auto* d = new TZYLApplicationCtrl(nullptr);
  d->SetOnException(TZYLExceptionEvent(&s, &Sink::Exception));
  d->Loaded();
  app->SetOnException(TZYLExceptionEvent(&other, &Sink::Exception));
  delete d;
  EXPECT_EQ(app->GetOnException(), TZYLExceptionEvent(&other, &Sink::Exception));
  app->SetOnException(nullptr);
}

TEST_F(AppCtrlTest, IconGoesToTheApplicationAndStaysReadable) {
  TZYLApplicationCtrl c(nullptr);
  vcl::TIcon before;
  before.Assign(vcl::Application->Icon());
  c.Loaded();  // an empty icon changes nothing
  EXPECT_EQ(vcl::Application->Icon()->Empty(), before.Empty());
  vcl::TIcon icon;
  win::ICONINFO info;
  info.hbmMask = win::CreateBitmap(16, 16, 1, 1, nullptr);
  info.hbmColor = win::CreateBitmap(16, 16, 1, 32, nullptr);
  icon.SetHandle(win::CreateIconIndirect(&info));
  win::DeleteObject(info.hbmMask);
  win::DeleteObject(info.hbmColor);
  ASSERT_FALSE(icon.Empty());
  c.SetIcon(&icon);
  c.Loaded();
  EXPECT_FALSE(vcl::Application->Icon()->Empty());
  EXPECT_EQ(vcl::Application->Icon()->Width(), icon.Width());
  ASSERT_NE(c.Icon(), nullptr);
  EXPECT_FALSE(c.Icon()->Empty());
  vcl::Application->Icon()->Assign(&before);
}

// The hint settings and the two update switches start from what the running application holds;
// a component set back to the declared defaults keeps them through its form stream, whatever
// the application holds when the form is read.
TEST_F(AppCtrlTest, ApplicationSettingsSetToTheirDefaultsComeBackFromAFormStream) {
  vcl::TApplication* a = vcl::Application;
  a->SetHintColor(vcl::clRed);
  a->SetHintPause(700);
  a->SetHintHidePause(9000);
  a->SetHintShortPause(7);
  a->SetShowHint(false);
  a->UpdateMetricSettings = false;
  a->UpdateFormatSettings = false;
  TZYLApplicationCtrl written(nullptr);
  written.SetHintColor(vcl::clInfoBk);
  written.SetHintPause(500);
  written.SetHintHidePause(2500);
  written.SetHintShortPause(50);
  written.SetShowHint(true);
  written.SetUpdateMetricSettings(true);
  written.SetUpdateFormatSettings(true);
  TZYLApplicationCtrl read(nullptr);
  vcl::ReadComponentFromBytes(vcl::WriteComponentToBytes(&written), &read);
  EXPECT_EQ(read.HintColor(), vcl::clInfoBk);
  EXPECT_EQ(read.HintPause(), 500);
  EXPECT_EQ(read.HintHidePause(), 2500);
  EXPECT_EQ(read.HintShortPause(), 50);
  EXPECT_TRUE(read.ShowHint());
  EXPECT_TRUE(read.UpdateMetricSettings());
  EXPECT_TRUE(read.UpdateFormatSettings());
}
