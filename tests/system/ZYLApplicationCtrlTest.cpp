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
#include "tests/support/ControlsSession.h"
#include "tests/support/TestKit.h"
#include "system/ZYLApplicationCtrl.h"
#include "tests/support/TempDir.h"

using namespace zyl;
namespace ac = zyl::ZYLApplicationCtrl;

namespace {

class AppCtrlTest : public ::testing::Test {
 protected:
  AppCtrlTest() : session_(800, 600) {
    ownsApp_ = !ZYLApplication();
    if (ownsApp_) ZYLApplicationInit();
    Save();
  }
  ~AppCtrlTest() override {
    Restore();
    if (ownsApp_) ZYLApplicationDone();
  }

 private:
  // The framework's application outlives a test; what the component copies into it is put
  // back afterwards.
  void Save() {
    vcl::TApplication* a = vcl::Application;
    title_ = a->Title();
    help_ = a->HelpFile();
    showHint_ = a->ShowHint();
    color_ = a->HintColor();
    pause_ = a->HintPause();
    shortPause_ = a->HintShortPause();
    hidePause_ = a->HintHidePause();
    metrics_ = a->UpdateMetricSettings;
    formats_ = a->UpdateFormatSettings;
  }
  void Restore() {
    vcl::TApplication* a = vcl::Application;
    a->SetTitle(title_);
    a->SetHelpFile(help_);
    a->SetShowHint(showHint_);
    a->SetHintColor(color_);
    a->SetHintPause(pause_);
    a->SetHintShortPause(shortPause_);
    a->SetHintHidePause(hidePause_);
    a->UpdateMetricSettings = metrics_;
    a->UpdateFormatSettings = formats_;
    a->OnException = nullptr;
    a->OnHint = nullptr;
    a->OnMinimize = nullptr;
    vcl::Screen->OnActiveFormChange = nullptr;
    vcl::Screen->OnActiveControlChange = nullptr;
  }
  std::string title_, help_;
  bool showHint_ = true, metrics_ = true, formats_ = true;
  vcl::TColor color_ = 0;
  int32_t pause_ = 0, shortPause_ = 0, hidePause_ = 0;
  vcl::testkit::TControlsSession session_;
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

TEST_F(AppCtrlTest, DefaultsAndStartValuesFromTheApplication) {
  vcl::Application->SetHintPause(700);
  vcl::Application->SetHintColor(vcl::clRed);
  vcl::Application->SetShowHint(false);
  vcl::Application->UpdateFormatSettings = false;
  TZYLApplicationCtrl c(nullptr);
  EXPECT_EQ(c.Options(), (TZYLApplicationCtrl::TOptions{ac::aoMouseCtrlActive, ac::aoLogAlwaysClear,
                                                       ac::aoLogHeader, ac::aoLogNr}));
  EXPECT_EQ(c.LogMaxAction(), ac::laNone);
  EXPECT_EQ(c.LogMaxsize(), -1);
  EXPECT_EQ(c.LogPrefix(), ac::ppProgram);
  EXPECT_EQ(c.DlgEffectDelay(), 3);
  EXPECT_EQ(c.IniPrefix(), ac::ppWindows);
  EXPECT_EQ(c.RegRoot(), rpCurrentUser);
  EXPECT_EQ(c.IniTarget(), itAuto);
  EXPECT_EQ(c.SystemOptions(), TZYLApplicationCtrl::TSystemOptions{});
  EXPECT_EQ(c.HintPause(), 700);
  EXPECT_EQ(c.HintColor(), vcl::clRed);
  EXPECT_FALSE(c.ShowHint());
  EXPECT_FALSE(c.UpdateFormatSettings());
  EXPECT_TRUE(c.UpdateMetricSettings());
  EXPECT_EQ(c.HintHidePause(), 2500);
  EXPECT_EQ(c.HintShortPause(), 50);
  ASSERT_NE(c.CheckBitmap(), nullptr);
  ASSERT_NE(c.Icon(), nullptr);
  for (int i = 0; i < 3; ++i) EXPECT_NE(c.GetFont(i), nullptr);
  EXPECT_NE(c.HintFont(), c.IconFont());
  EXPECT_EQ(c.GetFont(3), nullptr);
}

TEST_F(AppCtrlTest, LogNameGetsAnExtensionOnlyWhenItHasNone) {
  TZYLApplicationCtrl c(nullptr);
  c.SetLogName("trace");
  EXPECT_EQ(c.LogName(), "trace.LOG");
  c.SetLogName("trace.txt");
  EXPECT_EQ(c.LogName(), "trace.txt");
  c.SetLogName("logs.d\\trace");
  EXPECT_EQ(c.LogName(), "logs.d\\trace.LOG");
  c.SetLogName("");
  EXPECT_EQ(c.LogName(), "");
}

TEST_F(AppCtrlTest, LoadedCopiesIntoTheApplicationObjectAndItsStorage) {
  TZYLApplication* app = ZYLApplication();
  TZYLApplicationCtrl c(nullptr);
  c.SetCompany("Acme");
  c.SetVersion("2.1");
  c.SetDlgEffectDelay(9);
  c.SetOptions({ac::aoLogException, ac::aoLogNr, ac::aoLogDate, ac::aoMouseCtrlActive});
  c.SetLogPrefix(ac::ppFixed);
  c.SetLogName("run");
  c.SetLogMaxsize(4096);
  c.SetLogMaxAction(ac::laClearLog);
  c.SetIniFile("settings.ini");
  c.SetIniPrefix(ac::ppFixed);
  c.SetRegPath("Software\\Acme");
  c.SetRegRoot(rpLocalMachine);
  c.SetIniTarget(itRegistry);
  c.Loaded();
  EXPECT_EQ(app->Company, "Acme");
  EXPECT_EQ(app->Version, "2.1");
  EXPECT_EQ(app->DlgEffectDelay, 9);
  EXPECT_EQ(app->Options, (TZYLApplicationOptions{aoLogExceptions, aoLogNumbers, aoLogDateTime}));
  EXPECT_EQ(app->LogName(), "run.LOG");
  EXPECT_EQ(app->LogMaxSize, 4096);
  EXPECT_EQ(app->LogMaxAction, laRestart);
  TZYLIniCtrl* ini = app->IniCtrl();
  EXPECT_EQ(ini->IniFile(), "settings.ini");
  EXPECT_EQ(ini->RegPath(), "Software\\Acme");
  EXPECT_EQ(ini->RegRoot(), rpLocalMachine);
  EXPECT_EQ(ini->Target(), itRegistry);
  // Logging exceptions routes the framework's exception event to the application object.
  EXPECT_TRUE(vcl::Application->OnException.Assigned());
}

TEST_F(AppCtrlTest, PathPrefixesPlaceBareNamesOnly) {
  const std::string prog = vcl::ExtractFilePath(vcl::ParamStr(0));
  EXPECT_EQ(ac::PrefixedName(ac::ppProgram, "a.LOG"), prog + "a.LOG");
  EXPECT_EQ(ac::PrefixedName(ac::ppFixed, "a.LOG"), "a.LOG");
  EXPECT_EQ(ac::PrefixedName(ac::ppProgram, "/var/a.LOG"), "/var/a.LOG");
  EXPECT_EQ(ac::PrefixedName(ac::ppWindows, ""), "");
  TZYLApplicationCtrl c(nullptr);
  c.SetLogName("fromprog");
  c.Loaded();
  EXPECT_EQ(ZYLApplication()->LogName(), prog + "fromprog.LOG");
  // No log name keeps the application object's own.
  const std::string before = ZYLApplication()->LogName();
  TZYLApplicationCtrl d(nullptr);
  d.Loaded();
  EXPECT_EQ(ZYLApplication()->LogName(), before);
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
  c.SetSystemOptions({ac::soSetHintFont});
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
  c.OnHint = vcl::TNotifyEvent(&s, &Sink::Notify);
  c.OnActiveControlChange = vcl::TNotifyEvent(&s, &Sink::Other);
  c.Loaded();
  EXPECT_EQ(vcl::Application->OnHint, vcl::TNotifyEvent(&s, &Sink::Notify));
  EXPECT_EQ(vcl::Application->OnMinimize, vcl::TNotifyEvent(&keep, &Sink::Notify));
  EXPECT_EQ(vcl::Screen->OnActiveControlChange, vcl::TNotifyEvent(&s, &Sink::Other));
  EXPECT_EQ(vcl::Screen->OnActiveFormChange, vcl::TNotifyEvent(&keep, &Sink::Notify));
}

TEST_F(AppCtrlTest, EditModeChangesReachTheComponentUntilItIsFreed) {
  Sink s;
  TZYLApplication* app = ZYLApplication();
  auto* c = new TZYLApplicationCtrl(nullptr);
  c->OnEditModeChange = vcl::TNotifyEvent(&s, &Sink::Notify);
  app->SetEditMode({emInsert});
  app->SetEditMode({emInsert});  // unchanged: no event
  ASSERT_EQ(s.Senders.size(), 1u);
  EXPECT_EQ(s.Senders[0], c);
  delete c;
  EXPECT_FALSE(app->OnEditModeChange.Assigned());
  app->SetEditMode({emCaps});  // reaches no freed component
  EXPECT_EQ(s.Senders.size(), 1u);
}

TEST_F(AppCtrlTest, ExceptionHandlersAreHandedOverAndWithdrawnOnFree) {
  Sink s;
  TZYLApplication* app = ZYLApplication();
  auto* c = new TZYLApplicationCtrl(nullptr);
  c->SetOptions({});
  c->OnException = ac::TZYLExceptionEvent(&s, &Sink::Exception);
  c->Loaded();
  ASSERT_TRUE(vcl::Application->OnException.Assigned());
  ASSERT_TRUE(app->OnException.Assigned());
  vcl::Exception e("broken");
  vcl::Application->OnException(nullptr, e);
  ASSERT_EQ(s.Texts.size(), 1u);
  EXPECT_EQ(s.Texts[0], "broken");
  delete c;
  EXPECT_FALSE(vcl::Application->OnException.Assigned());
  EXPECT_FALSE(app->OnException.Assigned());
}

TEST_F(AppCtrlTest, WithoutExceptionSettingsNoHandlerIsInstalled) {
  TZYLApplicationCtrl c(nullptr);
  c.Loaded();  // the default options hold no aoLogException
  EXPECT_FALSE(vcl::Application->OnException.Assigned());
  EXPECT_FALSE(ZYLApplication()->OnException.Assigned());
  EXPECT_FALSE(ZYLApplication()->OnMaxLogSize.Assigned());
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
  try {
    new TZYLApplicationCtrl(form);
    FAIL() << "a second component on the designed form was accepted";
  } catch (const ZYLEOneInstError& e) {
    EXPECT_EQ(std::string(e.what()), std::string("TZYLApplicationCtrl:\r") + SZYLInvalidOwner);
  }
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

TEST_F(AppCtrlTest, StreamsOnlyChangedValues) {
  std::string bytes;
  {
    TZYLApplicationCtrl a(nullptr);
    const std::string plain = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(&a));
    for (const char* absent : {"Options", "LogMaxsize", "DlgEffectDelay", "HintPause", "ShowHint",
                               "IniTarget", "RegRoot", "SystemOptions", "LogPrefix", "About"})
      EXPECT_EQ(plain.find(std::string(absent) + " = "), std::string::npos) << absent << plain;
    a.SetLogName("trace");
    a.SetLogMaxsize(100);
    a.SetOptions({ac::aoLogTime});
    a.SetSystemOptions({ac::soSetMenuFont});
    a.SetIniPrefix(ac::ppSystem);
    a.SetTitle("Streamed");
    bytes = vcl::WriteComponentToBytes(&a);
  }
  const std::string text = vcl::ObjectBinaryToTextString(bytes);
  for (const char* want : {"LogName = 'trace.LOG'", "LogMaxsize = 100", "Options = [aoLogTime]",
                           "SystemOptions = [soSetMenuFont]", "IniPrefix = ppSystem",
                           "Title = 'Streamed'"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  ZYLApplicationCtrlInit();
  EXPECT_EQ(vcl::GetClass("TZYLApplicationCtrl"), TZYLApplicationCtrl::StaticClass());
  TZYLApplicationCtrl b(nullptr);
  vcl::ReadComponentFromBytes(bytes, &b);
  ZYLApplicationCtrlDone();
  EXPECT_EQ(vcl::GetClass("TZYLApplicationCtrl"), nullptr);
  EXPECT_EQ(b.LogName(), "trace.LOG");
  EXPECT_EQ(b.LogMaxsize(), 100);
  EXPECT_EQ(b.Options(), TZYLApplicationCtrl::TOptions{ac::aoLogTime});
  EXPECT_EQ(b.SystemOptions(), TZYLApplicationCtrl::TSystemOptions{ac::soSetMenuFont});
  EXPECT_EQ(b.IniPrefix(), ac::ppSystem);
  // Reading the stream loads the component: the title went to the application.
  EXPECT_EQ(vcl::Application->Title(), "Streamed");
}

namespace {

class LogSink : public vcl::TObject {
 public:
  std::vector<std::string> Names;
  int Headers = 0;
  void MaxSize(vcl::TObject*, const std::string& LogName, bool&) { Names.push_back(LogName); }
  void Header(vcl::TObject*, std::string& Target) {
    ++Headers;
    Target += "Customer build";
  }
};

std::string ReadFile(const std::string& Name) {
  std::ifstream f(Name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace

TEST_F(AppCtrlTest, LogEventsReachTheComponentsHandlers) {
  testsupport::TempDir dir;
  LogSink s;
  TZYLApplication* app = ZYLApplication();
  auto* c = new TZYLApplicationCtrl(nullptr);
  c->SetLogPrefix(ac::ppFixed);
  c->SetLogName(dir.File("app"));
  c->SetLogMaxsize(300);
  c->SetLogMaxAction(ac::laClearLog);
  c->OnMaxLogSize = ac::TZYLMaxLogSizeEvent(&s, &LogSink::MaxSize);
  c->OnHeaderWrite = ac::TZYLOnHeaderWrite(&s, &LogSink::Header);
  c->Loaded();
  app->Log("first");
  EXPECT_EQ(s.Headers, 1);  // the default options write a header to a new file
  const std::string text = ReadFile(dir.File("app.LOG"));
  EXPECT_NE(text.find("Customer build\n"), std::string::npos) << text;
  EXPECT_NE(text.find("first"), std::string::npos) << text;
  for (int i = 0; s.Names.empty() && i < 20; ++i) app->Log("filler line to pass the limit");
  ASSERT_FALSE(s.Names.empty());
  EXPECT_EQ(s.Names[0], dir.File("app.LOG"));
  delete c;
  EXPECT_FALSE(app->OnMaxLogSize.Assigned());
  EXPECT_FALSE(app->OnHeaderWrite.Assigned());
  // A new file gets a header again, but no handler of the freed component runs.
  const int headers = s.Headers;
  std::remove(dir.File("app.LOG").c_str());
  app->Log("after the component");
  EXPECT_EQ(s.Headers, headers);
  EXPECT_EQ(ReadFile(dir.File("app.LOG")).find("Customer build"), std::string::npos);
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
