// Values of the display controls read back from a form file as they were written: labels and
// panels that follow their parent's font keep doing so after a jump mode or a turned caption
// changed their font in the designer and ParentFont was set again (font smoothing only sets
// the quality the font is drawn in, which is no font of the label's own), a jump label keeps the
// cursor the file gives it, and a track bar switched to a custom thumb without a picture stays
// without one.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "buttons/ZYLPanelFill.h"
#include "buttons/ZYLStatusBar.h"
#include "display/ZYLBoundLabel.h"
#include "display/ZYLDockLabel.h"
#include "display/ZYLSimpleLabel.h"
#include "display/ZYLStaticText.h"
#include "display/ZYLTrackBar.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "tests/display/LabelTestSupport.h"
#include "tests/support/StreamCopy.h"

namespace {

struct TFontCase {
  const char* Name;
  vcl::TControl* (*Make)(vcl::TComponent* Owner);
  const char* Path;  // the property that changes the font: "JumpMode" or "FontFX.Angle"
  int64_t Value;
};

template <class T>
vcl::TControl* Make(vcl::TComponent* Owner) {
  return new T(Owner);
}

// The property at a path of one or two names.
void SetPath(vcl::TObject* c, const std::string& Path, int64_t Value) {
  const size_t dot = Path.find('.');
  if (dot == std::string::npos) return vcl::SetOrdProp(c, Path, Value);
  vcl::SetOrdProp(vcl::GetObjectProp(c, Path.substr(0, dot)), Path.substr(dot + 1), Value);
}
int64_t GetPath(vcl::TObject* c, const std::string& Path) {
  const size_t dot = Path.find('.');
  if (dot == std::string::npos) return vcl::GetOrdProp(c, Path);
  return vcl::GetOrdProp(vcl::GetObjectProp(c, Path.substr(0, dot)), Path.substr(dot + 1));
}

std::string FontOf(vcl::TObject* c) {
  vcl::TObject* f = vcl::GetObjectProp(c, "Font");
  return vcl::GetPropValue(f, "Name") + " " + vcl::GetPropValue(f, "Color") + " " +
         vcl::GetPropValue(f, "Style");
}

class FontReadBack : public ::testing::TestWithParam<TFontCase> {
 protected:
  labeltest::THost host_;
};

TEST_P(FontReadBack, ParentFontAndTheFontSurviveAFormStream) {
  const TFontCase& c = GetParam();
  vcl::TControl* control = c.Make(host_.Form());
  control->SetParent(host_.Panel());
  const std::string parentFont = FontOf(control);
  SetPath(control, c.Path, c.Value);
  // Whatever the change did to the font, the user goes back to the parent's.
  vcl::SetOrdProp(control, "ParentFont", 1);
  EXPECT_EQ(FontOf(control), parentFont);
  const std::unique_ptr<vcl::TComponent> copy = testsupport::StreamCopyOf(control);
  EXPECT_EQ(GetPath(copy.get(), c.Path), c.Value);
  EXPECT_EQ(vcl::GetOrdProp(copy.get(), "ParentFont"), 1);
  EXPECT_EQ(FontOf(copy.get()), parentFont);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, FontReadBack,
    ::testing::Values(
        TFontCase{"SimpleLabelJump", &Make<zyl::TZYLSimpleLabel>, "JumpMode", zyl::jmInternet},
        TFontCase{"DockLabelJump", &Make<zyl::TZYLDockLabel>, "JumpMode", zyl::jmApplication},
        TFontCase{"BoundLabelJump", &Make<zyl::TZYLBoundLabel>, "JumpMode", zyl::jmCustom},
        TFontCase{"SimpleLabelSmoothed", &Make<zyl::TZYLSimpleLabel>, "FontSmoothing", 1},
        TFontCase{"StaticTextTurned", &Make<zyl::TZYLStaticText>, "FontFX.Angle", 90},
        TFontCase{"PanelFillTurned", &Make<zyl::TZYLPanelFill>, "FontFX.Angle", 45},
        TFontCase{"StatusBarTurned", &Make<zyl::TZYLStatusBar>, "FontFX.Angle", 270}),
    [](const ::testing::TestParamInfo<TFontCase>& i) { return std::string(i.param.Name); });

// A jump label's cursor is the hand unless the form file gives another one.
TEST(JumpLabelCursor, TheHandUnlessTheFormFileGivesAnother) {
  labeltest::THost host;
  auto* l = new zyl::TZYLSimpleLabel(host.Form());
  l->SetParent(host.Panel());
  l->SetJumpMode(zyl::jmInternet);
  EXPECT_EQ(l->Cursor(), vcl::crHandPoint);
  l->SetCursor(vcl::crDefault);
  EXPECT_EQ(testsupport::StreamCopy(l)->Cursor(), vcl::crHandPoint);
  l->SetCursor(vcl::crCross);
  EXPECT_EQ(testsupport::StreamCopy(l)->Cursor(), vcl::crCross);
}

// A custom thumb style without a picture is written without one; reading it back does not take
// the standard thumb for a custom picture, so the form writes the same again.
TEST(TrackBarReadBack, ACustomThumbWithoutAPictureStaysWithout) {
  labeltest::THost host;
  auto* b = new zyl::TZYLTrackBar(host.Form());
  b->SetParent(host.Panel());
  b->SetThumbStyle(zyl::tsCustom);
  ASSERT_TRUE(b->ThumbBitmap()->Empty());
  const std::string bytes = testsupport::StreamBytes(b);
  const std::unique_ptr<zyl::TZYLTrackBar> copy = testsupport::StreamCopy(b);
  EXPECT_EQ(copy->ThumbStyle(), zyl::tsCustom);
  EXPECT_TRUE(copy->ThumbBitmap()->Empty());
  EXPECT_EQ(testsupport::StreamBytes(copy.get()).size(), bytes.size());
  // A picture of its own comes back as it was.
  vcl::TBitmap pic;
  pic.SetSize(16, 9);
  b->SetThumb(&pic);
  const std::unique_ptr<zyl::TZYLTrackBar> drawn = testsupport::StreamCopy(b);
  EXPECT_EQ(drawn->ThumbStyle(), zyl::tsCustom);
  EXPECT_EQ(drawn->ThumbBitmap()->Width(), 16);
  EXPECT_EQ(drawn->ThumbLength(), 8);
}

}  // namespace
