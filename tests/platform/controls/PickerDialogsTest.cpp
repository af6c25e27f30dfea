// The colour, font, find / replace and print dialogs, answered through their controls.
#include <gtest/gtest.h>

#include "platform/controls/Dialogs.h"
#include "platform/controls/DialogsInternal.h"
#include "platform/graphics/Printers.h"
#include "platform/testkit/DialogScript.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"
#include "tests/platform/controls/ControlsTestSupport.h"

namespace vcl::testing {
namespace {

using testkit::EDialogScript;
using testkit::TDialogScript;
namespace wt = win::testkit;

class PickerDialogsTest : public ControlsTest {};

// ---- Colours ----

// Colours and their hue, luminance and saturation on the 0..240 scale the dialog shows.
struct THlsCase {
  uint8_t R, G, B;
  int H, L, S;
};

class HlsTest : public ::testing::TestWithParam<THlsCase> {};

TEST_P(HlsTest, ConvertsBothWays) {
  const THlsCase& c = GetParam();
  const TColor color = static_cast<TColor>(win::RGB(c.R, c.G, c.B));
  int h = -1, l = -1, s = -1;
  dialogs::ColorToHls(color, h, l, s);
  EXPECT_EQ(l, c.L);
  EXPECT_EQ(s, c.S);
  if (c.S) {
    EXPECT_EQ(h, c.H);
  }
  EXPECT_EQ(dialogs::HlsToColor(c.H, c.L, c.S), color);
}

INSTANTIATE_TEST_SUITE_P(
    Colors, HlsTest,
    ::testing::Values(THlsCase{255, 0, 0, 0, 120, 240}, THlsCase{0, 255, 0, 80, 120, 240},
                      THlsCase{0, 0, 255, 160, 120, 240}, THlsCase{255, 255, 0, 40, 120, 240},
                      THlsCase{128, 0, 0, 0, 60, 240}, THlsCase{255, 255, 255, 160, 240, 0},
                      THlsCase{0, 0, 0, 160, 0, 0}, THlsCase{127, 127, 127, 160, 120, 0}));

TEST_F(PickerDialogsTest, ABasicColourIsClickedAndTheGridAnswersArrows) {
  TColorDialog d(nullptr);
  d.SetColor(clBtnFace);
  TDialogScript script;
  script.ChooseColor(clRed).Do([](TCustomForm* f) {
    wt::KeyPress(win::VK_RIGHT);  // from the red cell to the next one
    wt::KeyPress(win::VK_RETURN);
    (void)f;
  });
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(d.Color(), clRed);
  ASSERT_TRUE(d.Execute());
  const std::vector<TColor>& basic = TColorDialog::BasicColors();
  const auto red = std::find(basic.begin(), basic.end(), clRed);
  ASSERT_NE(red, basic.end());
  EXPECT_EQ(d.Color(), *(red + 1));
  ASSERT_EQ(basic.size(), 48u);
  EXPECT_EQ(script.Shown()[0].Caption, "Color");
  // Not full open: the red, green and blue edits are hidden, Define is offered.
  EXPECT_EQ(script.Shown()[0].Buttons, (TLines{"Define Custom Colors >>", "OK", "Cancel"}));
}

TEST_F(PickerDialogsTest, AnyColourIsDefinedInTheFullOpenPart) {
  TColorDialog d(nullptr);
  TDialogScript script;
  script.ChooseColor(static_cast<TColor>(0x563412));
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(d.Color(), static_cast<TColor>(0x563412));
  d.SetOptions({cdFullOpen});
  d.SetColor(static_cast<TColor>(win::RGB(0, 255, 0)));
  script.Do([](TCustomForm*) { wt::KeyPress(win::VK_ESCAPE); });
  EXPECT_FALSE(d.Execute());
  const testkit::TShownDialog& s = script.Shown()[1];
  EXPECT_EQ(s.Values.at("Green"), "255");
  EXPECT_EQ(s.Values.at("Hue"), "80");
  EXPECT_EQ(s.Values.at("Lum"), "120");
  EXPECT_EQ(d.Color(), static_cast<TColor>(win::RGB(0, 255, 0)));  // cancelled
}

TEST_F(PickerDialogsTest, ColoursOutsideTheGridNeedTheFullOpenPart) {
  TColorDialog d(nullptr);
  d.SetOptions({cdPreventFullOpen});
  TDialogScript script;
  script.ChooseColor(static_cast<TColor>(0x010203));
  EXPECT_THROW(d.Execute(), EDialogScript);
}

TEST_F(PickerDialogsTest, OutOfRangeValuesAreRefused) {
  TColorDialog d(nullptr);
  d.SetOptions({cdFullOpen});
  TDialogScript script;
  script.Do([](TCustomForm* f) {
    testkit::TypeInto(Find<TEdit>(f, "Red"), "300");
    wt::KeyPress(win::VK_RETURN);
  });
  script.Press("OK").Press("Cancel");
  EXPECT_FALSE(d.Execute());
  ASSERT_EQ(script.Shown().size(), 2u);
  EXPECT_EQ(script.Shown()[1].Text, "Color values range from 0 to 255");
}

TEST_F(PickerDialogsTest, CustomColoursRoundTripAsHexStrings) {
  TColorDialog d(nullptr);
  d.CustomColors()->Add("ColorA=0000FF");
  d.CustomColors()->Add("ColorB=nonsense");
  d.CustomColors()->Add("ColorC=FFFFFFFF");
  d.SetOptions({cdFullOpen});
  TDialogScript script;
  script.Do([](TCustomForm* f) {
    // Choose the second custom cell, define a colour and add it there.
    auto* cells = Find<TWinControl>(f, "CustomColors");
    const int w = cells->ClientWidth() / 8, h = cells->ClientHeight() / 2;
    ClickAt(cells, w + w / 2, h / 2);
    testkit::TypeInto(Find<TEdit>(f, "Red"), "16");
    testkit::TypeInto(Find<TEdit>(f, "Green"), "32");
    testkit::TypeInto(Find<TEdit>(f, "Blue"), "48");
    testkit::ClickControl(Find<TButton>(f, "AddCustom"));
    // The first custom cell chooses its colour.
    ClickAt(cells, w / 2, h / 2);
    wt::KeyPress(win::VK_RETURN);
  });
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(d.Color(), static_cast<TColor>(0x0000FF));
  TStrings* c = d.CustomColors();
  EXPECT_EQ(c->Values("ColorA"), "0000FF");
  EXPECT_EQ(c->Values("ColorB"), "302010");  // the colour value, blue green red
  EXPECT_EQ(c->Values("ColorC"), "FFFFFFFF");
  EXPECT_EQ(c->Values("ColorP"), "FFFFFFFF");
  EXPECT_EQ(c->Count(), 16);
}

// ---- Fonts ----

bool FixedPitch(const std::string& family) {
  win::LOGFONTA lf{};
  lf.lfHeight = -12;
  std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", family.c_str());
  win::TWindowDC dc(nullptr);
  win::HFONT font = win::CreateFontIndirectA(&lf);
  win::HGDIOBJ old = win::SelectObject(dc, font);
  win::TEXTMETRICA tm{};
  win::GetTextMetricsA(dc, &tm);
  win::SelectObject(dc, old);
  win::DeleteObject(font);
  return (tm.tmPitchAndFamily & win::TMPF_FIXED_PITCH) == 0;
}

TEST_F(PickerDialogsTest, AFontIsTypedWithStyleSizeEffectsAndColour) {
  ASSERT_FALSE(Screen->Fonts().empty());
  const std::string family = Screen->Fonts().back();
  TFontDialog d(nullptr);
  d.Font()->SetName(Screen->Fonts().front());
  d.Font()->SetSize(10);
  TDialogScript script;
  script.ChooseFont(family, 14, {fsBold, fsItalic, fsUnderline}, clMaroon);
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(d.Font()->Name(), family);
  EXPECT_EQ(d.Font()->Size(), 14);
  EXPECT_EQ(d.Font()->Style(), (TFontStyles{fsBold, fsItalic, fsUnderline}));
  EXPECT_EQ(d.Font()->Color(), clMaroon);
  const testkit::TShownDialog& s = script.Shown()[0];
  EXPECT_EQ(s.Values.at("FontName"), Screen->Fonts().front());
  EXPECT_EQ(s.Values.at("FontSize"), "10");
  EXPECT_EQ(s.Values.at("FontStyle"), "Regular");
  EXPECT_EQ(s.Values.at("Colors"), "Black");
}

TEST_F(PickerDialogsTest, FixedPitchOnlyListsFixedFonts) {
  TFontDialog d(nullptr);
  d.SetOptions({fdFixedPitchOnly});
  TLines names;
  TDialogScript script;
  script.Do([&](TCustomForm* f) {
    auto* list = Find<TComboBox>(f, "FontName");
    for (int i = 0; i < list->Items()->Count(); ++i) names.push_back(list->Items()->Get(i));
    wt::KeyPress(win::VK_ESCAPE);
  });
  EXPECT_FALSE(d.Execute());
  EXPECT_LT(names.size(), Screen->Fonts().size());
  for (const std::string& n : names) EXPECT_TRUE(FixedPitch(n)) << n;
}

TEST_F(PickerDialogsTest, UnknownFontsAndSizesOutOfRangeAreRefused) {
  TFontDialog d(nullptr);
  d.SetOptions({fdLimitSize});
  d.SetMinFontSize(8);
  d.SetMaxFontSize(12);
  {
    TDialogScript script;
    script.ChooseFont("No Such Family", 10);
    EXPECT_THROW(d.Execute(), EDialogScript);
  }
  TDialogScript script;
  script
      .Do([](TCustomForm* f) {
        testkit::TypeInto(Find<TComboBox>(f, "FontName"), "No Such Family");
        wt::KeyPress(win::VK_RETURN);
      })
      .Press("OK")
      .ChooseFont(Screen->Fonts().front(), 20)
      .Press("OK")
      .ChooseFont(Screen->Fonts().front(), 12);
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(d.Font()->Size(), 12);
  ASSERT_EQ(script.Shown().size(), 3u);
  EXPECT_NE(script.Shown()[1].Text.find("no font with that name"), std::string::npos);
  EXPECT_EQ(script.Shown()[2].Text, "Size must be between 8 and 12 points.");
}

TEST_F(PickerDialogsTest, ApplyHandsTheFontOverWhileTheDialogStays) {
  TFontDialog d(nullptr);
  d.SetOptions({fdEffects, fdApplyButton});
  struct TApply : TObject {
    std::string Name;
    int Size = 0;
    win::HWND Wnd = nullptr;
    void Apply(TObject* Sender, win::HWND W) {
      Name = static_cast<TFontDialog*>(Sender)->Font()->Name();
      Size = static_cast<TFontDialog*>(Sender)->Font()->Size();
      Wnd = W;
    }
  } a;
  d.OnApply = TFDApplyEvent(&a, &TApply::Apply);
  const std::string family = Screen->Fonts().front();
  TDialogScript script;
  script.Do([&](TCustomForm* f) {
    testkit::TypeInto(Find<TComboBox>(f, "FontName"), family);
    testkit::TypeInto(Find<TComboBox>(f, "FontSize"), "16");
    testkit::ClickControl(Find<TButton>(f, "Apply"));
    EXPECT_EQ(a.Wnd, f->Handle());
    wt::KeyPress(win::VK_ESCAPE);
  });
  EXPECT_FALSE(d.Execute());
  EXPECT_EQ(a.Name, family);
  EXPECT_EQ(a.Size, 16);
}

// ---- Find and replace ----

struct TFindLog : TObject {
  TLines Entries;
  void Find(TObject* Sender) { Add("find", Sender); }
  void Replace(TObject* Sender) { Add("replace", Sender); }
  void Add(const std::string& what, TObject* Sender) {
    auto* d = static_cast<TFindDialog*>(Sender);
    std::string s = what + " " + d->FindText();
    if (auto* r = dynamic_cast<TReplaceDialog*>(d)) s += ">" + r->ReplaceText();
    for (auto [o, n] : {std::pair{frDown, " down"}, std::pair{frMatchCase, " case"},
                        std::pair{frWholeWord, " word"}, std::pair{frFindNext, " next"},
                        std::pair{frReplace, " one"}, std::pair{frReplaceAll, " all"}})
      if (d->Options().contains(o)) s += n;
    Entries.push_back(s);
  }
};

TEST_F(PickerDialogsTest, FindRunsModelessAndReportsEachSearch) {
  TFindDialog d(nullptr);
  d.SetFindText("old");
  TFindLog log;
  d.OnFind = TNotifyEvent(&log, &TFindLog::Find);
  ASSERT_TRUE(d.Execute());  // returns at once
  TForm* f = d.Form();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->Visible());
  EXPECT_EQ(d.Handle(), f->Handle());
  testkit::TypeInto(Find<TEdit>(f, "FindText"), "needle");
  testkit::ClickControl(Find<TCheckBox>(f, "MatchCase"));
  wt::KeyPress(win::VK_RETURN);  // Find Next is the default button
  testkit::ClickControl(Find<TRadioButton>(f, "Up"));
  testkit::ClickControl(Find<TButton>(f, "FindNext"));
  EXPECT_EQ(log.Entries, (TLines{"find needle down case next", "find needle case next"}));
  wt::KeyPress(win::VK_ESCAPE);
  Idle();
  EXPECT_EQ(d.Form(), nullptr);
  EXPECT_EQ(d.Handle(), nullptr);
  EXPECT_EQ(d.FindText(), "needle");
}

TEST_F(PickerDialogsTest, ReplaceReportsOneOrAll) {
  TReplaceDialog d(nullptr);
  d.SetOptions({frDown, frHideMatchCase});
  TFindLog log;
  d.OnReplace = TNotifyEvent(&log, &TFindLog::Replace);
  d.Execute();
  TForm* f = d.Form();
  ASSERT_NE(f, nullptr);
  EXPECT_FALSE(Find<TCheckBox>(f, "MatchCase")->Visible());
  testkit::TypeInto(Find<TEdit>(f, "FindText"), "a");
  testkit::TypeInto(Find<TEdit>(f, "ReplaceText"), "b");
  testkit::ClickControl(Find<TButton>(f, "Replace"));
  testkit::ClickControl(Find<TCheckBox>(f, "WholeWord"));
  testkit::ClickControl(Find<TButton>(f, "ReplaceAll"));
  EXPECT_EQ(log.Entries, (TLines{"replace a>b down one", "replace a>b down word all"}));
  d.CloseDialog();
  Idle();
  EXPECT_EQ(d.Form(), nullptr);
  // Shown again, it keeps the texts.
  d.Execute();
  ASSERT_NE(d.Form(), nullptr);
  EXPECT_EQ(Find<TEdit>(d.Form(), "ReplaceText")->Text(), "b");
}

// ---- Printing ----

TEST_F(PickerDialogsTest, PrintDialogTakesRangeAndCopies) {
  TPrintDialog d(nullptr);
  d.SetOptions({poPageNums});
  d.SetMinPage(1);
  d.SetMaxPage(9);
  d.SetFromPage(1);
  d.SetToPage(9);
  TDialogScript script;
  script.Do([](TCustomForm* f) {
    testkit::ClickControl(Find<TRadioButton>(f, "Pages"));
    testkit::TypeInto(Find<TEdit>(f, "FromPage"), "2");
    testkit::TypeInto(Find<TEdit>(f, "ToPage"), "12");
    testkit::TypeInto(Find<TEdit>(f, "Copies"), "3");
    wt::KeyPress(win::VK_RETURN);
  });
  script.Press("OK").Do([](TCustomForm* f) {
    testkit::TypeInto(Find<TEdit>(f, "ToPage"), "5");
    testkit::ClickControl(Find<TCheckBox>(f, "Collate"));
    wt::KeyPress(win::VK_RETURN);
  });
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(d.PrintRange(), prPageNums);
  EXPECT_EQ(d.FromPage(), 2);
  EXPECT_EQ(d.ToPage(), 5);
  EXPECT_EQ(d.Copies(), 3);
  EXPECT_TRUE(d.Collate());
  ASSERT_EQ(script.Shown().size(), 2u);
  EXPECT_NE(script.Shown()[1].Text.find("between 1 and 9"), std::string::npos);
  EXPECT_EQ(script.Shown()[0].Values.at("Printer"), Printer()->Printers()->Get(0));
}

TEST_F(PickerDialogsTest, PrinterSetupChoosesThePrinter) {
  Printer()->Printers()->Add("Second");
  TPrinterSetupDialog d(nullptr);
  TDialogScript script;
  script.Do([](TCustomForm* f) {
    testkit::ChooseListItem(Find<TListBox>(f, "Printer"), "Second");
    wt::KeyPress(win::VK_RETURN);
  });
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(Printer()->Printers()->Get(Printer()->PrinterIndex()), "Second");
  Printer()->SetPrinterIndex(0);
  Printer()->Printers()->Delete(Printer()->Printers()->IndexOf("Second"));
}

}  // namespace
}  // namespace vcl::testing
