// The colour combo box: which colours its options list, the chosen colour (added when it is not
// listed), name=value lines of its own, the colour dialog on a right click, the custom colours
// kept in an INI file, the swatches and names it draws, and its height following the font.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "edits/ZYLColorComboBox.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/sys/IniFiles.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/ComboTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/TempDir.h"

namespace {

using combotest::Place;
using combotest::Texts;
using edittest::THost;
using zyl::TZYLColorComboBox;

const std::vector<std::string> kStandard = {
    "clBlack",  "clMaroon", "clGreen", "clOlive",  "clNavy", "clPurple",  "clTeal", "clGray",
    "clSilver", "clRed",    "clLime",  "clYellow", "clBlue", "clFuchsia", "clAqua", "clWhite"};

class ColorComboTest : public ::testing::Test {
 protected:
  TZYLColorComboBox* Combo() { return Place<TZYLColorComboBox>(host_, "Colors", 10, 10, 180); }
  THost host_;
};

TEST_F(ColorComboTest, TheOptionsChooseTheListedColours) {
  TZYLColorComboBox* combo = Combo();
  EXPECT_EQ(Texts(combo), kStandard);
  combo->SetOptions({zyl::coDefaultColors, zyl::coSystemColors});
  const std::vector<std::string> all = Texts(combo);
  ASSERT_GT(all.size(), kStandard.size());
  EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 16), kStandard);
  EXPECT_EQ(all[16], "clMoneyGreen");
  EXPECT_EQ(all.back(), "clWindowText");
  for (const char* never : {"clNone", "clDefault"})
    EXPECT_EQ(combo->Items()->IndexOf(never), -1) << never;
  combo->SetOptions({zyl::coSystemColors});
  EXPECT_EQ(Texts(combo).front(), "clMoneyGreen");
}

TEST_F(ColorComboTest, CustomColoursFollowTheNamedOnesWithEightDigits) {
  TZYLColorComboBox* combo = Combo();
  combo->SetOptions({zyl::coDefaultColors, zyl::coCustomColors});
  combo->CustomColors()->Add("ColorA=FF8040");
  combo->CustomColors()->Add("ColorB=FFFFFFFF");
  combo->CustomColors()->Add("ColorC=12");
  EXPECT_EQ(Texts(combo).size(), 18u);
  testsupport::ExpectCases(
      {{combo->Items()->Get(16), "$00FF8040"}, {combo->Items()->Get(17), "$00000012"}});
  // The dialog's colours read as hexadecimal, letters included; junk and unset slots are
  // dropped.
  vcl::TStringList dialog;
  for (const char* line : {"ColorA=ABCDEF12", "ColorB=zz", "ColorC=FFFFFFFF", "ColorP=0000A0"})
    dialog.Add(line);
  combo->SetCustomColors(&dialog);
  EXPECT_EQ(combo->CustomColors()->Text(), "ColorA=ABCDEF\r\nColorP=0000A0\r\n");
  testsupport::ExpectCases(
      {{combo->Items()->Get(16), "$00ABCDEF"}, {combo->Items()->Get(17), "$000000A0"}});
}

struct SelectCase {
  vcl::TColor Color;
  bool AllowAny;
  const char* Text;  // the text afterwards
  int Count;         // the number of items afterwards
};

class ColorComboSelect : public ColorComboTest, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(ColorComboSelect, SelectsListedColoursAndAddsOthersWhenAllowed) {
  const SelectCase& c = GetParam();
  TZYLColorComboBox* combo = Combo();
  combo->SetOptions(c.AllowAny ? zyl::TZYLColorCBOptions{zyl::coDefaultColors, zyl::coAllowAnyColor}
                               : zyl::TZYLColorCBOptions{zyl::coDefaultColors});
  combo->SetSelectedColor(vcl::clBlue);
  combo->SetSelectedColor(c.Color);
  EXPECT_EQ(combo->Text(), c.Text);
  EXPECT_EQ(combo->Items()->Count(), c.Count);
  EXPECT_EQ(combo->SelectedColor(), std::string(c.Text).empty() ? -1 : c.Color);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColorComboSelect,
                         ::testing::Values(SelectCase{vcl::clRed, true, "clRed", 16},
                                           SelectCase{0x123456, true, "$00123456", 17},
                                           SelectCase{0x123456, false, "", 16},
                                           SelectCase{vcl::clDefault, true, "", 16},
                                           SelectCase{vcl::clNone, true, "", 16}));

TEST_F(ColorComboTest, NameValueLinesShowTheirNamesAndReadTheirValues) {
  TZYLColorComboBox* combo = Combo();
  for (const char* line : {"Sky=clSkyBlue", "Cyclamen=$FF00FF", "Number=255", "Broken=xyz"})
    combo->CustomColors()->Add(line);
  combo->SetCustomMode(true);
  ASSERT_EQ(combo->Items()->Count(), 4);
  testsupport::ExpectCases({{combo->GetColorName(1), "Cyclamen"},
                            {std::to_string(combo->GetColor(0)), std::to_string(vcl::clSkyBlue)},
                            {std::to_string(combo->GetColor(1)), std::to_string(0xFF00FF)},
                            {std::to_string(combo->GetColor(2)), "255"},
                            {std::to_string(combo->GetColor(3)), "-1"}});
  combo->SetSelectedColor(0xFF00FF);
  EXPECT_EQ(combo->Text(), "Cyclamen=$FF00FF");
  EXPECT_EQ(combo->SelectedColorName(), "Cyclamen");
  EXPECT_EQ(combo->SelectedColor(), 0xFF00FF);
  // The dialog is not offered for lines of the box's own.
  EXPECT_FALSE(combo->Execute());
  // Each line draws its colour's swatch beside its name; the broken one its name alone.
  combotest::ClickButton(combo);
  const win::testkit::TCapture list = combotest::ShotWindow(combo->ListHandle());
  const auto swatchCentre = [&](int index) {
    const win::RECT r = combotest::ListItemRect(combo, index);
    return list.Color(1 + 4 + (8 + (r.Bottom - r.Top) - 4) / 2, 1 + (r.Top + r.Bottom) / 2);
  };
  testsupport::ExpectCases({{std::to_string(swatchCentre(1)), std::to_string(0xFF00FF)},
                            {std::to_string(swatchCentre(2)), std::to_string(0x0000FF)}});
  combotest::ClickButton(combo);
}

TEST_F(ColorComboTest, ARightClickOpensTheColourDialogWhenAllowed) {
  TZYLColorComboBox* combo = Combo();
  combo->SetOptions(
      {zyl::coDefaultColors, zyl::coCustomColors, zyl::coAllowAnyColor, zyl::coAllowDialog});
  combo->SetOnBeforeDialogShow(
      zyl::TZYLOnColorDialogEvent(&host_.Events(), &edittest::TRecorder::ColorDialog));
  ASSERT_EQ(THost::ClickChoosingColor(combo, vcl::clRed), 1u);
  EXPECT_EQ(combo->Text(), "clRed");
  EXPECT_EQ(host_.Events().Take(), "dialog");
  // Without the option a right click shows nothing.
  combo->SetOptions({zyl::coDefaultColors});
  EXPECT_EQ(THost::ClickChoosingColor(combo, vcl::clRed), 0u);
}

TEST_F(ColorComboTest, CustomColoursSurviveAnIniFile) {
  testsupport::TempDir dir;
  TZYLColorComboBox* combo = Combo();
  combo->SetOptions({zyl::coCustomColors});
  combo->CustomColors()->Add("ColorB=00FF00");
  vcl::TIniFile ini(dir.File("colors.ini"));
  combo->SaveCustomColors(&ini, "Colors");
  combo->CustomColors()->Clear();
  EXPECT_EQ(combo->Items()->Count(), 0);
  combo->LoadCustomColors(&ini, "Colors");
  EXPECT_EQ(Texts(combo), (std::vector<std::string>{"$0000FF00"}));
}

TEST_F(ColorComboTest, SwatchesOnlyMakeTheBox25PixelsHighWith15PixelItems) {
  TZYLColorComboBox* combo = Combo();
  combo->SetDisplayStyle(zyl::csColor);
  THost::Idle();
  EXPECT_EQ(combo->Height(), 25);
  combotest::ClickButton(combo);
  const win::RECT r = combotest::ListItemRect(combo, 3);
  EXPECT_EQ(r.Bottom - r.Top, 15);
  // The swatch fills the item but for 3 pixels on every side (a black frame around).
  const win::testkit::TCapture list = combotest::ShotWindow(combo->ListHandle());
  const win::RECT swatch{1 + r.Left + 4, 1 + r.Top + 4, 1 + r.Right - 4, 1 + r.Bottom - 4};
  EXPECT_TRUE(win::testkit::PixelsMatch(
      list, [](int, int) { return static_cast<win::COLORREF>(vcl::clOlive); }, "olive_swatch",
      swatch));
  combotest::ClickButton(combo);
}

TEST_F(ColorComboTest, AFontChangeResizesTheBoxAndKeepsTheColour) {
  TZYLColorComboBox* combo = Combo();
  combo->SetSelectedColor(vcl::clTeal);
  const int height = combo->Height();
  combo->Font()->SetSize(combo->Font()->Size() * 2);
  THost::Idle();
  EXPECT_GT(combo->Height(), height);
  EXPECT_EQ(combo->SelectedColor(), vcl::clTeal);
}

TEST_F(ColorComboTest, NamesAndSwatchesSitSideBySide) {
  TZYLColorComboBox* combo = Combo();
  for (zyl::TZYLColorCBStyle style : {zyl::csColorText, zyl::csColor3DText, zyl::csText}) {
    combo->SetDisplayStyle(style);
    combo->SetSelectedColor(vcl::clNavy);
    combotest::ClickButton(combo);
    const win::testkit::TCapture list = combotest::ShotWindow(combo->ListHandle());
    const int purple = combo->Items()->IndexOf("clPurple");  // below the chosen one
    const win::RECT r = combotest::ListItemRect(combo, purple);
    const int h = r.Bottom - r.Top;
    // The swatch spans from 4 pixels in to 8 + the item's height, the name 6 pixels further.
    const win::COLORREF centre = list.Color(1 + (4 + 8 + h) / 2, 1 + r.Top + h / 2);
    EXPECT_EQ(centre == static_cast<win::COLORREF>(vcl::clPurple), style != zyl::csText)
        << static_cast<int>(style);
    const win::RECT name{1 + 8 + h + 6, 1 + r.Top, 1 + r.Right, 1 + r.Bottom};
    const win::RECT before{1 + 8 + h + 1, 1 + r.Top + 3, 1 + 8 + h + 5, 1 + r.Bottom - 3};
    const win::COLORREF paper = list.Color(before.Left, before.Top);
    if (style != zyl::csText) {
      EXPECT_TRUE(win::testkit::PixelsMatch(
          list, [&](int, int) { return paper; }, "gap", before));
      EXPECT_FALSE(win::testkit::PixelsMatch(
          list, [&](int, int) { return paper; }, "ink", name));
    }
    combotest::ClickButton(combo);
  }
}

// A handler of the box's OnChange that gives the box new settings of its own (a new font, the
// custom colours assigned again, the options set): the box rebuilds and keeps the chosen colour,
// which is no change to tell of, so the handler is not called again without end.
class TRebuilder : public vcl::TObject {
 public:
  std::function<void(TZYLColorComboBox*)> Rebuild;
  int Calls = 0, Depth = 0, Deepest = 0;
  void Changed(vcl::TObject* Sender) {
    ++Calls;
    if (Depth >= 4) return;  // an endless recursion: stop it, the test fails on Deepest
    ++Depth;
    Deepest = std::max(Deepest, Depth);
    Rebuild(static_cast<TZYLColorComboBox*>(Sender));
    --Depth;
  }
};

TEST_F(ColorComboTest, AHandlerRebuildingTheBoxInOnChangeIsNotToldOfTheKeptColour) {
  struct TCase {
    const char* Name;
    std::function<void(TZYLColorComboBox*)> Rebuild;
  };
  const TCase cases[] = {
      {"a new font assigned",
       [](TZYLColorComboBox* c) {
         vcl::TFont font;
         font.Assign(c->Font());
         c->SetFont(&font);
       }},
      {"the custom colours assigned again",
       [](TZYLColorComboBox* c) {
         vcl::TStringList colours;
         colours.Add("ColorA=FF8040");
         c->SetCustomColors(&colours);
       }},
      {"the display style set", [](TZYLColorComboBox* c) { c->SetDisplayStyle(zyl::csColor); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TZYLColorComboBox* combo = Combo();
    combo->SetSelectedColor(vcl::clTeal);
    THost::Focus(combo);
    TRebuilder rebuilder;
    rebuilder.Rebuild = c.Rebuild;
    combo->SetOnChange(vcl::TNotifyEvent(&rebuilder, &TRebuilder::Changed));
    win::testkit::KeyPress(win::VK_DOWN);  // the next colour, clGray
    THost::Idle();
    EXPECT_EQ(rebuilder.Calls, 1);
    EXPECT_EQ(rebuilder.Deepest, 1);
    EXPECT_EQ(combo->SelectedColor(), vcl::clGray);
    // A colour set in code is a change to tell of, rebuilt or not.
    combo->SetSelectedColor(vcl::clNavy);
    THost::Idle();
    EXPECT_EQ(rebuilder.Calls, 2);
    EXPECT_EQ(combo->SelectedColor(), vcl::clNavy);
    combo->SetOnChange(vcl::TNotifyEvent());
    delete combo;
  }
}

}  // namespace
