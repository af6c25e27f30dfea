#include "platform/classes/Resources.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

using namespace vcl;

using testsupport::ErrorOf;

namespace {
const char kData[] = "resource bytes";
TResourceRegistration gRegistered(RT_RCDATA, "TESTDATA", kData, sizeof kData - 1);
}  // namespace

TEST(Resources, StreamsOverRegisteredData) {
  TResourceStream s(HInstance, "testdata", RT_RCDATA);  // names ignore case
  EXPECT_EQ(s.Size(), 14);
  char buf[32] = {};
  s.ReadBuffer(buf, 8);
  EXPECT_STREQ(buf, "resource");
  EXPECT_THROW(s.WriteBuffer("x", 1), EStreamError);
  EXPECT_THROW(s.ReadBuffer(buf, 10), EReadError);
}

TEST(Resources, NumericIdsReplacementAndMissing) {
  RegisterResource(HInstance, RT_BITMAP, ResourceId(7), "abc", 3);
  TResourceStream s(HInstance, 7, RT_BITMAP);
  // Replacing the entry keeps an open stream's bytes.
  RegisterResource(HInstance, RT_BITMAP, "#7", "xyzw", 4);
  char buf[4] = {};
  s.ReadBuffer(buf, 3);
  EXPECT_EQ(std::string(buf, 3), "abc");
  TResourceStream s2(HInstance, 7, RT_BITMAP);
  EXPECT_EQ(s2.Size(), 4);
  EXPECT_TRUE(UnregisterResource(HInstance, RT_BITMAP, "#7"));
  EXPECT_EQ(ErrorOf<EResNotFound>([&] { TResourceStream missing(HInstance, 7, RT_BITMAP); }),
            "Resource #7 not found");
  // Another module's resources are separate.
  auto other = reinterpret_cast<win::HINSTANCE>(0x1000);
  EXPECT_THROW(TResourceStream(other, "TESTDATA", RT_RCDATA), EResNotFound);
  EXPECT_THROW(TResourceStream(HInstance, "TESTDATA", RT_BITMAP), EResNotFound);
}
