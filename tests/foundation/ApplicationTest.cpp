#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLCustomComponent.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLPackage.h"
#include "foundation/ZYLTimer.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/base/Finally.h"
#include "platform/classes/Component.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/TempDir.h"

using namespace zyl;

namespace {

std::vector<std::string> Lines(const std::string& name) {
  std::ifstream f(name);
  std::vector<std::string> r;
  for (std::string l; std::getline(f, l);) r.push_back(l);
  return r;
}

struct Counter : vcl::TObject {
  int n = 0;
  void Hit(vcl::TObject*) { ++n; }
};

void ExpectChecker(vcl::TBitmap* b, vcl::TColor Ink) {
  ASSERT_NE(b, nullptr);
  ASSERT_EQ(b->Width(), 8);
  ASSERT_EQ(b->Height(), 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(b->Canvas()->Pixels(x, y), (x + y) % 2 ? vcl::clWhite : Ink) << x << "," << y;
}

}  // namespace

TEST(Application, BrushBitmapIsACachedCheckerboard) {
  win::testkit::TSession session;
  TZYLApplication app(false);
  vcl::TBitmap* b = app.GetBrushBitmap(vcl::clRed);
  ExpectChecker(b, vcl::clRed);
  EXPECT_EQ(app.GetBrushBitmap(vcl::clRed), b);
  EXPECT_EQ(app.BrushBitmapBuilds(), 1);
  ExpectChecker(app.GetBrushBitmap(vcl::clGreen), vcl::clGreen);
  EXPECT_EQ(app.BrushBitmapBuilds(), 2);
  // The black checker is the application's own copy: later brush colours leave it alone.
  vcl::TBitmap* black = app.GetBitmap();
  EXPECT_NE(black, app.GetBrushBitmap(vcl::clBlue));
  EXPECT_EQ(app.GetBitmap(), black);
  ExpectChecker(black, vcl::clBlack);
}

// The checker of a system colour is made again once that colour changed, as it is drawn now.
TEST(Application, BrushBitmapOfASystemColourFollowsItsChange) {
  win::testkit::TSession session;
  TZYLApplication app(false);
  const int element = win::COLOR_BTNFACE;
  const win::COLORREF lilac = win::RGB(200, 170, 230);
  vcl::TBitmap* b = app.GetBrushBitmap(vcl::clBtnFace);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), vcl::ColorToRGB(vcl::clBtnFace));
  EXPECT_EQ(app.GetBrushBitmap(vcl::clBtnFace), b);
  EXPECT_EQ(app.BrushBitmapBuilds(), 1);
  win::SetSysColors(1, &element, &lilac);
  const vcl::TFinally restore([] { win::ResetSysColors(); });
  ExpectChecker(app.GetBrushBitmap(vcl::clBtnFace), static_cast<vcl::TColor>(lilac));
  EXPECT_EQ(app.BrushBitmapBuilds(), 2);
  app.GetBrushBitmap(vcl::clBtnFace);
  EXPECT_EQ(app.BrushBitmapBuilds(), 2);
}

TEST(Application, CheckCellsThemeSwitchesAndEditMode) {
  win::testkit::TSession session;
  ASSERT_FALSE(ZYLTimerPoolExists());
  TZYLApplication app(false);
  EXPECT_DOUBLE_EQ(app.GetTimerFrequency(), 1000000.0);
  EXPECT_TRUE(ZYLTimerPoolExists());
  EXPECT_EQ(ZYLGlobalIniCtrl(), app.IniCtrl());
  // The built-in strip has six cells of the system's check-box size.
  EXPECT_EQ(app.CheckBitmap()->Width(), 6 * app.SystemCheckWidth());
  EXPECT_EQ(app.GetCheckCustomWidth(), 13);
  EXPECT_EQ(app.GetCheckCustomHeight(), 13);
  vcl::TBitmap mine;
  mine.SetSize(6 * 9 + 5, 11);  // a width that is no multiple of six rounds down
  app.SetCheckBitmap(&mine);
  EXPECT_NE(app.CheckBitmap(), &mine);
  EXPECT_EQ(app.GetCheckCustomWidth(), 9);
  EXPECT_EQ(app.GetCheckCustomHeight(), 11);
  EXPECT_EQ(app.SystemCheckWidth(), 13);
  app.SetCheckBitmap(nullptr);
  EXPECT_EQ(app.GetCheckCustomWidth(), 13);

  Counter themes, modes;
  app.SetOnThemeChange(vcl::TNotifyEvent(&themes, &Counter::Hit));
  app.SetOnEditModeChange(vcl::TNotifyEvent(&modes, &Counter::Hit));
  EXPECT_FALSE(app.GetUseXPThemes());  // no theme engine
  ZYLUseStandInThemes(true);
  EXPECT_TRUE(app.GetUseXPThemes());
  app.SetUseXPThemes(false);
  app.SetUseXPThemes(false);
  EXPECT_FALSE(app.GetUseXPThemes());
  app.SetXPThemesOwnControlsOnly(true);
  app.SetXPThemesOwnControlsOnly(true);
  EXPECT_TRUE(app.XPThemesOwnControlsOnly());
  EXPECT_EQ(themes.n, 2);
  EXPECT_FALSE(app.XPThemesReserved());
  ZYLUseStandInThemes(false);
  app.SetEditMode(TZYLEditModes{emInsert, emCaps});
  app.SetEditMode(TZYLEditModes{emInsert, emCaps});
  EXPECT_EQ(modes.n, 1);
  EXPECT_EQ(app.DefaultRegPath("", "My App", "Opt"), "Software\\My App\\Opt\\");
  EXPECT_EQ(app.DefaultRegPath("Corp\\", "T", ""), "Software\\Corp\\T\\");
  app.Options = {};
  EXPECT_FALSE(app.MouseCtrlActive());
  app.Options = {aoMouseCtrlActive};
  EXPECT_TRUE(app.MouseCtrlActive());
}

// ---------------------------------------------------------------------------------------------
// The log file

namespace {

class LogTest : public ::testing::Test {
 protected:
  LogTest() {
    app_.SetLogPrefix(ppFixed);
    app_.SetLogName(dir_.File("app.log"));
  }
  std::vector<std::string> Log() { return Lines(dir_.File("app.log")); }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_.File(name)) << text;
  }
  vcl::testkit::TControlsSession session_;
  testsupport::TempDir dir_;
  TZYLApplication app_{false};
};

struct Handlers : vcl::TObject {
  std::vector<std::string> full;
  bool cancel = false;
  std::string seen;
  void MaxSize(vcl::TObject*, const std::string& Name, bool& Cancel) {
    full.push_back(Name);
    Cancel = cancel;
  }
  void Header(vcl::TObject*, std::string& Target) { Target += "Build 7\nCustomer X"; }
  void Exception(vcl::TObject*, const std::exception& E, bool& Cancel) {
    seen = E.what();
    Cancel = cancel;
  }
};

struct EntryCase {
  TZYLApplicationOptions options;
  const char* line;
};

class LogEntries : public LogTest, public ::testing::WithParamInterface<EntryCase> {};

}  // namespace

TEST_P(LogEntries, NumberDateAndTimeAreSeparateSwitches) {
  app_.Options = GetParam().options;
  app_.Log("text");
  const auto l = Log();
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(l[0], GetParam().line);
}

// The virtual clock stands at 2000-01-01 12:00:00.
INSTANTIATE_TEST_SUITE_P(
    Options, LogEntries,
    ::testing::Values(EntryCase{{}, "text"}, EntryCase{{aoLogNr}, "00001 text"},
                      EntryCase{{aoLogDate}, "2000-01-01 text"},
                      EntryCase{{aoLogTime}, "12:00:00 text"},
                      EntryCase{{aoLogNr, aoLogDate, aoLogTime}, "00001 2000-01-01 12:00:00 text"}));

// The log's stamps are one fixed form whatever the user's locale, so that a log reads alike on
// every machine: under a locale with "." between hours, minutes and seconds they still read
// 12:00:00.
TEST_F(LogTest, TheStampsKeepTheirFormUnderAnotherLocale) {
  win::testkit::TUserLocale dots(
      {{win::LOCALE_STIME, "."}, {win::LOCALE_SDATE, "."}, {win::LOCALE_SSHORTDATE, "dd.MM.yyyy"}});
  app_.Options = {aoLogHeader, aoLogNr, aoLogDate, aoLogTime};
  app_.Log("text");
  const std::vector<std::string> l = Log();
  ASSERT_EQ(l.size(), 5u);
  EXPECT_EQ(l[2], "Started: 2000-01-01 12:00:00");
  EXPECT_EQ(l[4], "00001 2000-01-01 12:00:00 text");
}

TEST_F(LogTest, HeaderBlockWithTheHandlersLinesAndSpecialEntries) {
  Handlers h;
  app_.SetOnHeaderWrite(TZYLOnHeaderWrite(&h, &Handlers::Header));
  app_.Options = {aoLogHeader, aoLogNr};
  app_.Log("first");
  app_.Log("#Line");
  app_.Log("second");
  app_.Log("#CR");
  // The handler's lines follow the header block.
  const std::string rule(60, '='), line(60, '-');
  EXPECT_EQ(Log(), (std::vector<std::string>{
                       rule, "Log of " + vcl::ParamStr(0), "Started: 2000-01-01 12:00:00", rule,
                       "Build 7", "Customer X", "00001 first", line, "00002 second", ""}));
}

TEST_F(LogTest, AlwaysClearStartsAnExistingLogAfreshOncePerRun) {
  Write("app.log", "old run\n");
  app_.Options = {aoLogAlwaysClear};
  app_.Log("one");
  app_.Log("two");
  EXPECT_EQ(Log(), (std::vector<std::string>{"one", "two"}));
  // Without the switch an existing log grows.
  Write("b.log", "old run\n");
  app_.Options = {};
  app_.SetLogName(dir_.File("b.log"));
  app_.Log("three");
  EXPECT_EQ(Lines(dir_.File("b.log")), (std::vector<std::string>{"old run", "three"}));
}

namespace {
struct MaxCase {
  TZYLLogAction action;
  bool cancel;
  bool restarted;
  bool backup;
};
class LogMaxSize : public LogTest, public ::testing::WithParamInterface<MaxCase> {};
}  // namespace

TEST_P(LogMaxSize, ActionUnlessTheHandlerCancels) {
  const MaxCase& c = GetParam();
  Handlers h;
  h.cancel = c.cancel;
  app_.SetOnMaxLogSize(TZYLMaxLogSizeEvent(&h, &Handlers::MaxSize));
  app_.SetOnHeaderWrite(TZYLOnHeaderWrite(&h, &Handlers::Header));
  app_.Options = {aoLogHeader};
  app_.LogMaxSize = 200;
  app_.LogMaxAction = c.action;
  app_.Log("first");  // the header block and one entry: below the limit
  const auto before = Log();
  ASSERT_TRUE(h.full.empty());
  app_.Log(std::string(100, 'x'));
  ASSERT_EQ(h.full.size(), 1u);
  EXPECT_EQ(h.full[0], dir_.File("app.log"));
  const auto l = Log();
  if (c.restarted) {
    // A restarted log opens with the header block and the handler's lines again.
    ASSERT_EQ(l.size(), 7u);
    EXPECT_EQ(l[4], "Build 7");
    EXPECT_EQ(l[6], std::string(100, 'x'));
  } else {
    ASSERT_EQ(l.size(), before.size() + 1);
    EXPECT_EQ(l[before.size() - 1], "first");
  }
  EXPECT_EQ(vcl::FileExists(dir_.File("app.BAK")), c.backup);
  if (c.backup) {
    EXPECT_EQ(Lines(dir_.File("app.BAK")), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Actions, LogMaxSize,
                         ::testing::Values(MaxCase{laNone, false, false, false},
                                           MaxCase{laClearLog, false, true, false},
                                           MaxCase{laBackupLog, false, true, true},
                                           MaxCase{laClearLog, true, false, false},
                                           MaxCase{laBackupLog, true, false, false}));

TEST_F(LogTest, LogPrefixPlacesABareNameAndErrorsRaise) {
  app_.SetLogPrefix(ppProgram);
  app_.SetLogName("trace.LOG");
  EXPECT_EQ(app_.LogFileName(), vcl::ExtractFilePath(vcl::ParamStr(0)) + "trace.LOG");
  app_.SetLogName("");
  EXPECT_EQ(app_.LogFileName(), vcl::ChangeFileExt(vcl::ParamStr(0), ".LOG"));
  app_.SetLogPrefix(ppFixed);
  EXPECT_EQ(app_.LogFileName(), vcl::ExtractFileName(vcl::ChangeFileExt(vcl::ParamStr(0), ".LOG")));
  app_.SetLogName(dir_.File("no/such/folder/x.log"));
  EXPECT_ANY_THROW(app_.Log("lost"));
}

TEST_F(LogTest, ExceptionsAreLoggedAndShownUnlessTheHandlerCancels) {
  Handlers h;
  app_.Options = {aoLogException};
  app_.SetOnException(TZYLExceptionEvent(&h, &Handlers::Exception));
  vcl::TComponent comp(nullptr);
  comp.SetName("Button1");
  vcl::EConvertError e("bad number");
  const size_t shown = vcl::Application->ShownExceptions().size();
  app_.HandleException(&comp, e);
  EXPECT_EQ(h.seen, "bad number");
  auto l = Log();
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(l[0].rfind("Button1, Address: ", 0), 0u) << l[0];
  EXPECT_NE(l[0].find("bad number"), std::string::npos);
  EXPECT_EQ(vcl::Application->ShownExceptions().size(), shown + 1);
  h.cancel = true;
  app_.HandleException(&comp, e);
  EXPECT_EQ(Log().size(), 1u);
  EXPECT_EQ(vcl::Application->ShownExceptions().size(), shown + 1);
}

TEST(Application, InstanceLockSeenBySecondHolder) {
  testsupport::TempDir dir;
  setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
  TZYLInstanceLock first("MYPROG"), second("MYPROG"), other("OTHER");
  EXPECT_EQ(first.FileName(), dir.Path() + "/zyl-MYPROG.lock");
  EXPECT_TRUE(first.Acquire());
  EXPECT_FALSE(second.Acquire());  // a separate open of the lock file sees the holder
  EXPECT_FALSE(second.Held());
  EXPECT_TRUE(other.Acquire());
  first.Release();
  EXPECT_TRUE(second.Acquire());
  {
    win::testkit::TSession session;
    TZYLApplication a(true), b(true);
    EXPECT_FALSE(a.PrevInstance());
    EXPECT_TRUE(b.PrevInstance());
  }
  unsetenv("XDG_RUNTIME_DIR");
}

TEST(Themes, StandInEngineDrawsFlatParts) {
  win::testkit::TSession session;
  ZYLUseStandInThemes(false);
  EXPECT_EQ(OpenThemeData(nullptr, "BUTTON"), nullptr);
  ZYLUseStandInThemes(true);
  EXPECT_TRUE(IsAppThemed());
  HTHEME t = OpenThemeData(nullptr, "EDIT");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(ZYLThemeClass(t), "EDIT");
  EXPECT_EQ(OpenThemeData(nullptr, ""), nullptr);
  vcl::TBitmap bmp;
  bmp.SetPixelFormat(vcl::pf24bit);
  bmp.SetSize(20, 10);
  bmp.Canvas()->Brush()->SetColor(vcl::clBlack);
  bmp.Canvas()->FillRect(win::TRect{0, 0, 20, 10});
  const win::TRect r{2, 2, 18, 8};
  EXPECT_EQ(DrawThemeBackground(t, bmp.Canvas()->Handle(), 1, 2, &r, nullptr), ZYL_S_OK);
  EXPECT_EQ(bmp.Canvas()->Pixels(5, 5), vcl::TColor(ZYLThemeFaceColor(2)));
  EXPECT_EQ(bmp.Canvas()->Pixels(1, 1), vcl::clBlack);
  EXPECT_NE(bmp.Canvas()->Pixels(2, 2), vcl::TColor(ZYLThemeFaceColor(2)));  // the frame
  const win::TRect clip{0, 0, 10, 10};
  EXPECT_EQ(DrawThemeBackground(t, bmp.Canvas()->Handle(), 1, 4, &r, &clip), ZYL_S_OK);
  EXPECT_EQ(bmp.Canvas()->Pixels(5, 5), vcl::TColor(ZYLThemeFaceColor(4)));
  EXPECT_EQ(bmp.Canvas()->Pixels(14, 5), vcl::TColor(ZYLThemeFaceColor(2)));
  win::TRect content;
  EXPECT_EQ(GetThemeBackgroundContentRect(t, nullptr, 1, 1, &r, &content), ZYL_S_OK);
  EXPECT_EQ(content, (win::TRect{4, 4, 16, 6}));
  EXPECT_EQ(CloseThemeData(t), ZYL_S_OK);
  EXPECT_EQ(CloseThemeData(t), ZYL_E_FAIL);  // already closed
  EXPECT_EQ(DrawThemeBackground(t, bmp.Canvas()->Handle(), 1, 1, &r, nullptr), ZYL_E_FAIL);
  ZYLXPStylesDone();
  EXPECT_FALSE(XPThemesAvailable);
}

TEST(Package, StartUpRunsEachUnitOnceAndFinalizesInReverse) {
  win::testkit::TSession session;
  ASSERT_EQ(ZYLApplication(), nullptr);
  const auto& table = ZYLPackageUnitTable();
  std::vector<std::string> names;
  for (int i = 0; i < table.UnitCount; ++i) names.push_back(table.Units[i].Name);
  EXPECT_EQ(names, (std::vector<std::string>{"ZYLXPStyles", "ZYLTimer", "ZYLIniCtrl",
                                             "ZYLApplication", "ZYLCont", "ZYLFaceController"}));
  vcl::InitializePackage(table);
  TZYLApplication* app = ZYLApplication();
  TZYLContainer* cont = ZYLContainer();
  ASSERT_NE(app, nullptr);
  ASSERT_NE(cont, nullptr);
  EXPECT_NE(cont->WaveList(), nullptr);
  // A second load runs nothing.
  vcl::InitializePackage(table);
  EXPECT_EQ(ZYLApplication(), app);
  EXPECT_EQ(vcl::UnitInitCount("ZYLApplication"), 2);
  // Components ask the application object about themes.
  TZYLCustomComponent comp(nullptr);
  EXPECT_FALSE(comp.UseXP());
  ZYLUseStandInThemes(true);
  EXPECT_TRUE(comp.UseXP());
  vcl::FinalizePackage(table);
  EXPECT_NE(ZYLApplication(), nullptr);
  vcl::FinalizePackage(table);
  EXPECT_EQ(ZYLApplication(), nullptr);
  EXPECT_EQ(ZYLContainer(), nullptr);
  EXPECT_FALSE(ZYLTimerPoolExists());
  EXPECT_FALSE(XPThemesAvailable);
  EXPECT_EQ(vcl::GetClass("TZYLHiTimer"), nullptr);
}

// Every component class of the foundation loads from a form once the package has started.
TEST(Package, AFormWithTheFoundationsComponentsLoads) {
  vcl::testkit::TControlsSession session;
  vcl::InitializePackage(ZYLPackageUnitTable());
  const char* const text =
      "object F: TForm\n"
      "  object Pool: TZYLTimerPool\n  end\n"
      "  object Ini: TZYLIniCtrl\n    IniPrefix = ppFixed\n  end\n"
      "  object Hi: TZYLHiTimer\n    Synchronize = False\n    ThreadPriority = tpHigher\n  end\n"
      "  object Cont: TZYLContainerCtrl\n  end\n"
      "  object Bml: TZYLBitmapList\n  end\n"
      "  object Iml: TZYLImageList\n  end\n"
      "  object Conn: TZYLImageListConnector\n  end\n"
      "  object Sll: TZYLStringList\n  end\n"
      "  object Wav: TZYLWaveComp\n  end\n"
      "  object Wvl: TZYLWaveList\n  end\n"
      "end\n";
  {
    vcl::TForm form(nullptr);
    vcl::TStringStream s{std::string(text)};
    ASSERT_NO_THROW(vcl::ReadForm(&s, &form));
    EXPECT_EQ(form.ComponentCount(), 10);
    auto* hi = dynamic_cast<TZYLHiTimer*>(form.FindComponent("Hi"));
    ASSERT_NE(hi, nullptr);
    EXPECT_FALSE(hi->Synchronize());
    EXPECT_EQ(hi->ThreadPriority(), vcl::tpHigher);
    EXPECT_FALSE(hi->Enabled());
    auto* ini = dynamic_cast<TZYLIniCtrl*>(form.FindComponent("Ini"));
    ASSERT_NE(ini, nullptr);
    EXPECT_EQ(ini->IniPrefix(), ppFixed);
  }
  vcl::FinalizePackage(ZYLPackageUnitTable());
}
