// The font dialog's family, style and size boxes: simple combo boxes whose list follows what is
// typed in their edit and whose edit takes the item chosen in the list; the sample shows the
// font as it stands.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/controls/Dialogs.h"
#include "platform/rtl/StrUtils.h"
#include "platform/testkit/DialogScript.h"
#include "tests/platform/controls/ControlsTestSupport.h"
#include "tests/support/PixelCheck.h"

namespace vcl::testing {
namespace {

using testkit::TDialogScript;
namespace wt = win::testkit;

class FontDialogCombosTest : public ControlsTest {
 protected:
  // Runs the font dialog with `steps` as the answer and Escape after them.
  static void Run(TFontDialog& d, const std::function<void(TCustomForm*)>& steps) {
    TDialogScript script;
    script.Do([&](TCustomForm* f) {
      steps(f);
      wt::KeyPress(win::VK_ESCAPE);
    });
    EXPECT_FALSE(d.Execute());
  }
  // The row of item i in a combo box's list (list client coordinates).
  static win::RECT Row(TComboBox* box, int i) {
    win::RECT r{};
    win::SendMessageA(box->ListHandle(), win::LB_GETITEMRECT, static_cast<win::WPARAM>(i),
                      reinterpret_cast<win::LPARAM>(&r));
    return r;
  }
  static void ClickRow(TComboBox* box, int i) {
    const win::RECT r = Row(box, i);
    const win::POINT p = wt::ScreenPoint(box->ListHandle(), r.Left + 4, (r.Top + r.Bottom) / 2);
    wt::Click(p.X, p.Y);
  }
  static std::string Chosen(TComboBox* box) {
    const int i = box->ItemIndex();
    return i < 0 ? "" : box->Items()->Get(i);
  }
};

// What typing into a box makes its list choose ("" for no item), the typed text staying.
struct TTypedCase {
  const char* Box;
  const char* Typed;
  const char* Chosen;
};

class TypingFollows : public FontDialogCombosTest,
                      public ::testing::WithParamInterface<TTypedCase> {};

TEST_P(TypingFollows, TheNearestItemOfTheList) {
  const TTypedCase& c = GetParam();
  TFontDialog d(nullptr);
  Run(d, [&](TCustomForm* f) {
    auto* box = Find<TComboBox>(f, c.Box);
    ASSERT_NE(box, nullptr);
    testkit::TypeInto(box, c.Typed);
    EXPECT_EQ(box->Text(), c.Typed);
    EXPECT_EQ(Chosen(box), c.Chosen);
    const int i = box->ItemIndex();
    const int listed =
        static_cast<int>(win::SendMessageA(box->ListHandle(), win::LB_GETCURSEL, 0, 0));
    EXPECT_EQ(listed, i);  // the list shows the same item highlighted
    if (i >= 0) {
      // ... scrolled into view.
      const win::RECT r = Row(box, i);
      win::RECT client{};
      win::GetClientRect(box->ListHandle(), &client);
      EXPECT_GE(r.Top, 0);
      EXPECT_LE(r.Bottom, client.Bottom);
    }
  });
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, TypingFollows,
    ::testing::Values(TTypedCase{"FontStyle", "b", "Bold"},
                      TTypedCase{"FontStyle", "BOLD I", "Bold Italic"},
                      TTypedCase{"FontStyle", "Italic", "Italic"}, TTypedCase{"FontStyle", "x", ""},
                      TTypedCase{"FontSize", "2", "20"}, TTypedCase{"FontSize", "7", "72"},
                      TTypedCase{"FontSize", "13", ""}, TTypedCase{"FontSize", "", ""}));

TEST_F(FontDialogCombosTest, APartOfAFamilyNameFindsTheFirstFamilyStartingSo) {
  ASSERT_FALSE(Screen->Fonts().empty());
  const std::string family = Screen->Fonts().back();
  const std::string typed = LowerCase(family.substr(0, std::min<size_t>(3, family.size())));
  std::string first;
  for (const std::string& f : Screen->Fonts())
    if (SameText(f.substr(0, typed.size()), typed) && (first.empty() || CompareText(f, first) < 0))
      first = f;
  TFontDialog d(nullptr);
  Run(d, [&](TCustomForm* f) {
    auto* box = Find<TComboBox>(f, "FontName");
    testkit::TypeInto(box, typed);
    EXPECT_EQ(Chosen(box), first);
    EXPECT_EQ(box->Text(), typed);
    // The sample shows the family found while the name is typed in part.
    EXPECT_EQ(Find<TPanel>(f, "Sample")->Font()->Name(), first);
  });
}

TEST_F(FontDialogCombosTest, ChoosingAnItemPutsItInTheEditAndTheSample) {
  TFontDialog d(nullptr);
  d.Font()->SetSize(10);
  TDialogScript script;
  script.Do([](TCustomForm* f) {
    auto* style = Find<TComboBox>(f, "FontStyle");
    ClickRow(style, 3);
    EXPECT_EQ(style->Text(), "Bold Italic");
    auto* size = Find<TComboBox>(f, "FontSize");
    const int twelve = size->Items()->IndexOf("12");
    ClickRow(size, twelve);
    EXPECT_EQ(size->Text(), "12");
    // Down in the edit steps to the next item.
    wt::KeyPress(win::VK_DOWN);
    EXPECT_EQ(size->Text(), "14");
    EXPECT_EQ(Chosen(size), "14");
    TFont* sample = Find<TPanel>(f, "Sample")->Font();
    EXPECT_EQ(sample->Size(), 14);
    EXPECT_EQ(sample->Style(), (TFontStyles{fsBold, fsItalic}));
    wt::KeyPress(win::VK_RETURN);
  });
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(d.Font()->Size(), 14);
  EXPECT_EQ(d.Font()->Style(), (TFontStyles{fsBold, fsItalic}));
}

TEST_F(FontDialogCombosTest, TheHighlightedRowIsTheOneTyped) {
  TFontDialog d(nullptr);
  Run(d, [&](TCustomForm* f) {
    auto* style = Find<TComboBox>(f, "FontStyle");
    testkit::TypeInto(style, "bo");
    Idle();
    const wt::TCapture list = wt::CaptureWindow(style->ListHandle(), false);
    const win::COLORREF highlight = win::GetSysColor(win::COLOR_HIGHLIGHT);
    const win::COLORREF window = win::GetSysColor(win::COLOR_WINDOW);
    // A strip at the right end of each row, clear of the text: highlighted for "Bold" only.
    for (int i = 0; i < style->Items()->Count(); ++i) {
      win::RECT r = Row(style, i);
      r.Left = r.Right - 8;
      r.Right -= 2;
      const win::COLORREF want = i == 2 ? highlight : window;
      EXPECT_TRUE(wt::PixelsMatch(
          list, [&](int, int) { return want; }, "font_style_row_" + IntToStr(i), r));
    }
  });
}

TEST_F(FontDialogCombosTest, TheSampleShowsTheChosenFontAsAPanelWouldDrawIt) {
  ASSERT_FALSE(Screen->Fonts().empty());
  const std::string family = Screen->Fonts().front();
  TFontDialog d(nullptr);
  TDialogScript script;
  script.Do([&](TCustomForm* f) {
    testkit::TypeInto(Find<TComboBox>(f, "FontName"), family);
    testkit::TypeInto(Find<TComboBox>(f, "FontStyle"), "Bold");
    testkit::TypeInto(Find<TComboBox>(f, "FontSize"), "16");
    testkit::ChooseListItem(Find<TComboBox>(f, "Colors"), "Red");
    auto* sample = Find<TPanel>(f, "Sample");
    // The same panel, with the font the choices make, on a form of its own.
    auto reference = FramelessForm(sample->Width(), sample->Height(), 0, 0);
    auto* p = Place<TPanel>(reference.get(), 0, 0, sample->Width(), sample->Height());
    p->SetBevelOuter(bvLowered);
    p->SetCaption(sample->Caption());
    p->SetParentFont(false);
    p->Font()->SetName(family);
    p->Font()->SetSize(16);
    p->Font()->SetStyle({fsBold});
    p->Font()->SetColor(clRed);
    reference->Show();
    Idle();
    EXPECT_TRUE(wt::SamePixels(wt::RenderWindow(sample->Handle()), wt::RenderWindow(p->Handle()),
                               "font_dialog_sample"));
    reference.reset();
    wt::KeyPress(win::VK_RETURN);
  });
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(d.Font()->Name(), family);
  EXPECT_EQ(d.Font()->Color(), clRed);
}

}  // namespace
}  // namespace vcl::testing
