// The glyph placement that the speed button and the bitmap button both publish: the values each
// takes, and the ones each refuses with its own class named.
#include <functional>
#include <string>

#include "ControlsTestSupport.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Buttons.h"
#include "tests/support/ErrorOf.h"

namespace vcl::testing {
namespace {

struct TPlacementCase {
  const char* Class;
  std::function<TControl*(TComponent* Owner)> Make;
  const char* Prop;
  int64_t Value;
  const char* Error;  // empty: the value is taken
};

class GlyphPlacementTest : public ControlsTest,
                           public ::testing::WithParamInterface<TPlacementCase> {};

TEST_P(GlyphPlacementTest, TakesValidValuesAndRefusesOthersKeepingTheOldOne) {
  const TPlacementCase& c = GetParam();
  TForm form(nullptr);
  TControl* b = c.Make(&form);
  const int64_t before = GetOrdProp(b, c.Prop);
  EXPECT_EQ(testsupport::ErrorOf<EInvalidOperation>([&] { SetOrdProp(b, c.Prop, c.Value); }),
            *c.Error ? c.Error : "<no error>");
  EXPECT_EQ(GetOrdProp(b, c.Prop), *c.Error ? before : c.Value);
}

TControl* MakeSpeedButton(TComponent* o) { return new TSpeedButton(o); }
TControl* MakeBitBtn(TComponent* o) { return new TBitBtn(o); }

INSTANTIATE_TEST_SUITE_P(
    Buttons, GlyphPlacementTest,
    ::testing::Values(
        TPlacementCase{"SpeedButton", MakeSpeedButton, "Margin", -2,
                       "TSpeedButton property out of range"},
        TPlacementCase{"SpeedButton", MakeSpeedButton, "Margin", -1, ""},
        TPlacementCase{"SpeedButton", MakeSpeedButton, "Margin", 7, ""},
        TPlacementCase{"SpeedButton", MakeSpeedButton, "Spacing", -2,
                       "TSpeedButton property out of range"},
        TPlacementCase{"SpeedButton", MakeSpeedButton, "Spacing", -1, ""},
        TPlacementCase{"SpeedButton", MakeSpeedButton, "NumGlyphs", 5,
                       "NumGlyphs property out of range"},
        TPlacementCase{"SpeedButton", MakeSpeedButton, "NumGlyphs", 4, ""},
        TPlacementCase{"SpeedButton", MakeSpeedButton, "Layout", blGlyphBottom, ""},
        TPlacementCase{"BitBtn", MakeBitBtn, "Margin", -2, "TBitBtn property out of range"},
        TPlacementCase{"BitBtn", MakeBitBtn, "Margin", 7, ""},
        TPlacementCase{"BitBtn", MakeBitBtn, "Spacing", -2, "TBitBtn property out of range"},
        TPlacementCase{"BitBtn", MakeBitBtn, "Spacing", -1, ""},
        TPlacementCase{"BitBtn", MakeBitBtn, "Spacing", 0, ""},
        TPlacementCase{"BitBtn", MakeBitBtn, "NumGlyphs", 0, "NumGlyphs property out of range"},
        TPlacementCase{"BitBtn", MakeBitBtn, "NumGlyphs", 2, ""},
        TPlacementCase{"BitBtn", MakeBitBtn, "Layout", blGlyphRight, ""}),
    [](const ::testing::TestParamInfo<TPlacementCase>& i) {
      std::string value = std::to_string(i.param.Value);
      if (value[0] == '-') value = "Minus" + value.substr(1);
      return std::string(i.param.Class) + i.param.Prop + value;
    });

}  // namespace
}  // namespace vcl::testing
