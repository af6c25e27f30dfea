#include <gtest/gtest.h>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLConst.h"
#include "platform/classes/TypeInfo.h"

using namespace zyl;

TEST(Exceptions, TextsAndClasses) {
  EXPECT_EQ(EZYLWrongPixelFormat("Glyph").Message(), "Wrong PixelFormat in Glyph bitmap!");
  EXPECT_STREQ(EZYLWrongPixelFormat("Glyph").ClassName(), "EZYLWrongPixelFormat");
  EXPECT_EQ(EZYLWrongPixelFormat("").Message(), "Wrong PixelFormat in  bitmap!");

  const ZYLEOneInstError second("TZYLFormStyler", ZYLEOneInstError::okSecondInstance);
  EXPECT_EQ(second.Message(),
            "TZYLFormStyler:\rAlready one TZYLFormStyler control in this project!");
  const ZYLEOneInstError owner("TZYLFormFill", ZYLEOneInstError::okInvalidOwner);
  EXPECT_EQ(owner.Message(),
            "TZYLFormFill:\rInvalid owner (<>TForm) or second instance on a form");
  EXPECT_STREQ(owner.ClassName(), "ZYLEOneInstError");

  EXPECT_THROW(throw EZYLWrongDataType("x"), vcl::Exception);
  EXPECT_STREQ(EZYLWrongBmpSize("s").ClassName(), "EZYLWrongBmpSize");
  EXPECT_STREQ(EInvalidWave("w").ClassName(), "EInvalidWave");
  EXPECT_STREQ(EErrorCheckingWave("w").ClassName(), "EErrorCheckingWave");
  EXPECT_STREQ(EZYLWrongDataType("w").what(), "w");
}

TEST(Enumerations, ValueNamesAreRegistered) {
  const vcl::TTypeInfo* t = vcl::TypeInfoOf<TZYLBevelStyle>();
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Kind, vcl::tkEnumeration);
  EXPECT_EQ(t->Name(), "TZYLBevelStyle");
  EXPECT_EQ(vcl::GetEnumName(t, bvFrameRaised), "bvFrameRaised");
  EXPECT_EQ(vcl::GetEnumValue(t, "bvshadow"), bvShadow);
  EXPECT_EQ(vcl::GetEnumValue(t, "bsUp"), -1);

  EXPECT_EQ(vcl::GetEnumName(vcl::TypeInfoOf<TZYLUserButtonStyle>(), ubsWin40Ext), "ubsWin40Ext");
  EXPECT_EQ(vcl::GetEnumName(vcl::TypeInfoOf<TZYLBorderStyle>(), lsDoubleLowered),
            "lsDoubleLowered");
  EXPECT_EQ(vcl::TypeInfoOf<TZYLInfoType>()->Names.size(), 45u);
  EXPECT_EQ(vcl::GetEnumName(vcl::TypeInfoOf<TZYLInfoType>(), itCPUSpeed), "itCPUSpeed");
  EXPECT_EQ(vcl::GetEnumName(vcl::TypeInfoOf<TZYLTimerMode>(), tmThreaded), "tmThreaded");

  const vcl::TTypeInfo* sides = vcl::TypeInfoOf<TZYLFrameSides>();
  EXPECT_EQ(sides->Kind, vcl::tkSet);
  EXPECT_EQ(vcl::SetToString(sides, TZYLFrameSides{fsBottom, fsTop}.Bits(), true),
            "[fsBottom,fsTop]");
}

TEST(Enumerations, AlignmentFlagsAndInfoCaptions) {
  EXPECT_EQ(ZYLAlignmentFlags(agTopLeft), 0u);
  EXPECT_EQ(ZYLAlignmentFlags(agCenter), 5u);
  EXPECT_EQ(ZYLAlignmentFlags(agBottomRight), 10u);
  EXPECT_EQ(ZYLAlignmentFlags(static_cast<TZYLAlignment>(200)), 0u);
  EXPECT_EQ(ZYLSIInfoToString(itUser), "Username");
  EXPECT_EQ(ZYLSIInfoToString(itColorDepth), "Colordepth (in bits)");
  EXPECT_EQ(ZYLSIInfoToString(itFileVersionBuild), "Version");
  EXPECT_EQ(ZYLSIInfoToString(itCPUSpeed), "CPU Speed");
  EXPECT_EQ(ZYLSIInfoToString(static_cast<TZYLInfoType>(45)), "");
}
