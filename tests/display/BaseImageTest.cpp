// The picture base: defaults and the drawing-style word its placement styles give.
#include <gtest/gtest.h>

#include "display/ZYLLImage.h"
#include "foundation/ZYLBevel.h"
#include "platform/testkit/TestKit.h"

namespace zyl {
namespace {

TEST(BaseImageTest, StyleFlagsWithAndWithoutBevel) {
  win::testkit::TSession session;
  TZYLLImage img(nullptr);
  struct Case {
    TZYLBitmapStyle style;
    TZYLDrawStyleFlags withBevel;
  };
  const Case cases[] = {{sbNone, 0x0001},      {sbAutosize, 0x0001},     {sbCenter, 0x0009},
                        {sbStretch, 0x0010},   {sbTile, 0x0021},         {sbKeepAspRatio, 0x0610},
                        {sbKeepWidth, 0x0211}, {sbKeepHeight, 0x0411}};
  for (const Case& c : cases) {
    img.SetStyle(c.style);
    img.Bevel()->SetBorderWidth(0);
    ASSERT_EQ(img.BevelExt(), 0);
    TZYLDrawStyleFlags flags = 0;
    img.AddStyleFlags(flags);
    // Without a bevel the clip bit is the other way round.
    EXPECT_EQ(flags, c.withBevel ^ dsfClip) << int(c.style);
    img.Bevel()->SetBorderWidth(2);
    ASSERT_GT(img.BevelExt(), 0);
    flags = 0;
    img.AddStyleFlags(flags);
    EXPECT_EQ(flags, c.withBevel) << int(c.style);
  }
  // The caller's bits stay; an already set clip bit is toggled off without a bevel.
  img.SetStyle(sbCenter);
  img.Bevel()->SetBorderWidth(0);
  TZYLDrawStyleFlags flags = dsfTransparent;
  img.AddStyleFlags(flags);
  EXPECT_EQ(flags, dsfTransparent | dsfCenter);
  flags = dsfClip;
  img.SetStyle(sbStretch);
  img.AddStyleFlags(flags);
  EXPECT_EQ(flags, dsfStretch);
}

}  // namespace
}  // namespace zyl
