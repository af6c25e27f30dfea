// Desktop settings kept by the window system: beep, screen saver, snapping to the default
// button, window animation (with its record's size checks) and the recorded wallpaper.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"

namespace {

using namespace win;

int Get(UINT action) {
  BOOL v = -1;
  EXPECT_TRUE(SystemParametersInfoA(action, 0, &v, 0));
  return v;
}

TEST(DesktopParams, FlagsStartAtTheirDefaultsAndFollowWrites) {
  testkit::TSession session;
  struct Flag {
    UINT Get, Set, Written;
    int Before, After;
  } flags[] = {{SPI_GETBEEP, SPI_SETBEEP, 0, TRUE, FALSE},
               {SPI_GETSCREENSAVEACTIVE, SPI_SETSCREENSAVEACTIVE, 7, FALSE, TRUE},  // any non-zero is on
               {SPI_GETSNAPTODEFBUTTON, SPI_SETSNAPTODEFBUTTON, 1, FALSE, TRUE}};
  for (const Flag& f : flags) {
    EXPECT_EQ(Get(f.Get), f.Before) << f.Get;
    EXPECT_TRUE(SystemParametersInfoA(f.Set, f.Written, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE));
    EXPECT_EQ(Get(f.Get), f.After) << f.Get;
  }
  // Reads need a place for the answer.
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETBEEP, 0, nullptr, 0));
}

TEST(DesktopParams, AFreshSessionForgetsTheChanges) {
  {
    testkit::TSession session;
    SystemParametersInfoA(SPI_SETBEEP, 0, nullptr, 0);
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>("a.bmp"), 0);
  }
  testkit::TSession session;
  EXPECT_EQ(Get(SPI_GETBEEP), TRUE);
  char name[16] = {'x'};
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof name, name, 0));
  EXPECT_STREQ(name, "");
}

TEST(DesktopParams, AnimationRecordIsChecked) {
  testkit::TSession session;
  ANIMATIONINFO ai;
  ASSERT_EQ(sizeof ai, 8u);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETANIMATION, sizeof ai, &ai, 0));
  EXPECT_EQ(ai.iMinAnimate, 1);
  ai.iMinAnimate = 0;
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETANIMATION, sizeof ai, &ai, SPIF_SENDCHANGE));
  ai.iMinAnimate = 5;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETANIMATION, sizeof ai, &ai, 0));
  EXPECT_EQ(ai.iMinAnimate, 0);
  // A wrong size (of the record or the parameter) or a missing record is refused.
  ANIMATIONINFO bad;
  bad.cbSize = 4;
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETANIMATION, sizeof bad, &bad, 0));
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETANIMATION, 0, &ai, 0));
  EXPECT_FALSE(SystemParametersInfoA(SPI_SETANIMATION, sizeof ai, nullptr, 0));
  ai.iMinAnimate = 3;  // any non-zero value switches it on
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETANIMATION, sizeof ai, &ai, 0));
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETANIMATION, sizeof ai, &ai, 0));
  EXPECT_EQ(ai.iMinAnimate, 1);
}

TEST(DesktopParams, WallpaperNameIsRecordedAndReadBackWithinTheBuffer) {
  testkit::TSession session;
  char name[] = "C:\\Windows\\Clouds.bmp";
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, name, SPIF_UPDATEINIFILE));
  char out[64];
  std::memset(out, 'x', sizeof out);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof out, out, 0));
  EXPECT_STREQ(out, name);
  char small[6];
  std::memset(small, 'x', sizeof small);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof small, small, 0));
  EXPECT_STREQ(small, "C:\\Wi");
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETDESKWALLPAPER, 0, out, 0));
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof out, nullptr, 0));
  // A null name clears the wallpaper.
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, nullptr, 0));
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof out, out, 0));
  EXPECT_STREQ(out, "");
}

}  // namespace
