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
#include "platform/classes/Component.h"
#include "platform/classes/Registry.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "tests/support/TestKit.h"
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

}  // namespace

TEST(Application, BrushBitmapIsACachedCheckerboard) {
  win::testkit::TSession session;
  TZYLApplication app(false);
  vcl::TBitmap* b = app.GetBrushBitmap(vcl::clRed);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Width(), 8);
  EXPECT_EQ(b->Height(), 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(b->Canvas()->Pixels(x, y), (x + y) % 2 ? vcl::clWhite : vcl::clRed) << x << y;
  EXPECT_EQ(app.GetBrushBitmap(vcl::clRed), b);
  EXPECT_EQ(app.BrushBitmapBuilds(), 1);
  vcl::TBitmap* g = app.GetBrushBitmap(vcl::clGreen);
  EXPECT_EQ(app.BrushBitmapBuilds(), 2);
  EXPECT_EQ(g->Canvas()->Pixels(0, 0), vcl::clGreen);
  EXPECT_EQ(g->Canvas()->Pixels(1, 0), vcl::clWhite);
  // The black checker is the application's own copy: later brush colours leave it alone.
  vcl::TBitmap* black = app.GetBitmap();
  ASSERT_NE(black, nullptr);
  EXPECT_NE(black, app.GetBrushBitmap(vcl::clBlue));
  EXPECT_EQ(app.GetBitmap(), black);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(black->Canvas()->Pixels(x, y), (x + y) % 2 ? vcl::clWhite : vcl::clBlack);
}

TEST(Application, SwitchesCheckBitmapAndFrequency) {
  win::testkit::TSession session;
  ASSERT_FALSE(ZYLTimerPoolExists());
  TZYLApplication app(false);
  EXPECT_FALSE(app.PrevInstance());
  EXPECT_DOUBLE_EQ(app.GetTimerFrequency(), 1000000.0);
  EXPECT_TRUE(ZYLTimerPoolExists());
  ASSERT_NE(app.CheckBitmap(), nullptr);
  EXPECT_EQ(app.CheckBitmap()->Width(), 13);
  vcl::TBitmap mine;
  mine.SetSize(10, 9);
  app.SetCheckBitmap(&mine);
  EXPECT_NE(app.CheckBitmap(), &mine);  // a copy
  EXPECT_EQ(app.CheckBitmap()->Height(), 9);
  app.SetCheckBitmap(nullptr);
  EXPECT_EQ(app.CheckBitmap()->Width(), 13);

  Counter themes, modes;
  app.OnThemeChange = vcl::TNotifyEvent(&themes, &Counter::Hit);
  app.OnEditModeChange = vcl::TNotifyEvent(&modes, &Counter::Hit);
  EXPECT_TRUE(app.UseXPThemes());
  EXPECT_FALSE(app.GetUseXPThemes());  // no theme engine
  ZYLUseStandInThemes(true);
  EXPECT_TRUE(app.GetUseXPThemes());
  app.SetUseXPThemes(false);
  app.SetUseXPThemes(false);
  EXPECT_FALSE(app.GetUseXPThemes());
  EXPECT_EQ(themes.n, 1);
  ZYLUseStandInThemes(false);
  app.SetEditMode(TZYLEditModes{emInsert, emCaps});
  app.SetEditMode(TZYLEditModes{emInsert, emCaps});
  EXPECT_EQ(modes.n, 1);
  EXPECT_TRUE(app.EditMode().contains(emCaps));
  EXPECT_EQ(app.DefaultRegPath("", "My App", "Opt"), "Software\\My App\\Opt\\");
  EXPECT_EQ(app.DefaultRegPath("Corp\\", "T", ""), "Software\\Corp\\T\\");
  EXPECT_NE(app.TimerPool(), nullptr);
  EXPECT_EQ(ZYLGlobalIniCtrl(), app.IniCtrl());
}

TEST(Application, LogFileEntries) {
  win::testkit::TSession session;
  testsupport::TempDir dir;
  TZYLApplication app(false);
  app.SetLogName(dir.File("app.log"));
  app.Options = {aoLogHeader, aoLogNumbers, aoLogDateTime, aoLogExceptions};
  Counter headers;
  app.OnHeaderWrite = vcl::TNotifyEvent(&headers, &Counter::Hit);
  app.Log("first");
  app.Log("#Line");
  app.Log("second");
  app.Log("#CR");
  struct Sink : vcl::TObject {
    std::string seen;
    void On(vcl::TObject*, const std::exception& E) { seen = E.what(); }
  } sink;
  app.OnException = TZYLExceptionEvent(&sink, &Sink::On);
  vcl::TComponent comp(nullptr);
  comp.SetName("Button1");
  app.HandleException(&comp, vcl::EConvertError("bad number"));
  EXPECT_EQ(sink.seen, "bad number");
  const auto l = Lines(dir.File("app.log"));
  ASSERT_EQ(l.size(), 9u);
  EXPECT_EQ(l[0], std::string(60, '='));
  EXPECT_NE(l[1].find("Log of "), std::string::npos);
  EXPECT_EQ(l[2], "Started: 2000-01-01 12:00:00");  // the virtual clock's date
  EXPECT_EQ(l[4], "00001 2000-01-01 12:00:00 first");
  EXPECT_EQ(l[5], std::string(60, '-'));
  EXPECT_EQ(l[6], "00002 2000-01-01 12:00:00 second");
  EXPECT_EQ(l[7], "");
  EXPECT_EQ(l[8].rfind("00003 2000-01-01 12:00:00 Button1, Address: ", 0), 0u) << l[8];
  EXPECT_NE(l[8].find("bad number"), std::string::npos);
  EXPECT_EQ(headers.n, 1);

  // The size limit restarts the file with its header.
  Counter full;
  app.OnMaxLogSize = vcl::TNotifyEvent(&full, &Counter::Hit);
  app.LogMaxSize = 300;
  app.LogMaxAction = laRestart;
  app.Options = {aoLogHeader};
  app.Log("after restart");
  EXPECT_EQ(full.n, 1);
  const auto r = Lines(dir.File("app.log"));
  ASSERT_EQ(r.size(), 5u);
  EXPECT_EQ(r[4], "after restart");

  app.SetLogName(dir.File("no/such/folder/x.log"));
  EXPECT_ANY_THROW(app.Log("lost"));
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
  EXPECT_FALSE(XPThemesAvailable);
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
  ASSERT_EQ(ZYLContainer(), nullptr);
  const auto& table = ZYLPackageUnitTable();
  ASSERT_EQ(table.UnitCount, 4);
  EXPECT_STREQ(table.Units[0].Name, "ZYLXPStyles");
  EXPECT_STREQ(table.Units[3].Name, "ZYLFaceController");
  vcl::InitializePackage(table);
  TZYLApplication* app = ZYLApplication();
  TZYLContainer* cont = ZYLContainer();
  ASSERT_NE(app, nullptr);
  ASSERT_NE(cont, nullptr);
  EXPECT_NE(cont->BitmapList(), nullptr);
  EXPECT_NE(cont->ImageList(), nullptr);
  EXPECT_NE(cont->StringList(), nullptr);
  EXPECT_NE(cont->WaveList(), nullptr);
  EXPECT_EQ(vcl::UnitInitCount("ZYLCont"), 1);
  EXPECT_NE(vcl::GetClass("TZYLFaceSetting"), nullptr);
  // A second load runs nothing.
  vcl::InitializePackage(table);
  EXPECT_EQ(ZYLApplication(), app);
  EXPECT_EQ(ZYLContainer(), cont);
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
  EXPECT_EQ(vcl::UnitInitCount("ZYLXPStyles"), 0);
}
