// The font size combo box: the sizes of scalable and raster fonts, a font without sizes, the
// checked and nearest sizes, keys refused while no font is named or the editor is off, a typed
// text that is no number when the focus leaves, the link that follows a font combo or list box
// and moves from one to the other, and Enter and Escape in the combo and the list box reaching
// the form's buttons.
#include <gtest/gtest.h>

#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontListBox.h"
#include "edits/ZYLFontSizeComboBox.h"
#include "edits/ZYLFontSizeListBox.h"
#include "platform/controls/StdCtrls.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/ComboTestHost.h"
#include "tests/support/Cases.h"

namespace {

using combotest::Place;
using combotest::Texts;
using edittest::THost;
using zyl::TZYLFontSizeComboBox;

std::vector<std::string> Standard() {
  std::vector<std::string> out;
  for (int size : zyl::fontsizes::kStandard) out.push_back(std::to_string(size));
  return out;
}

class FontSizeComboTest : public ::testing::Test {
 protected:
  TZYLFontSizeComboBox* Sizes(const char* Face, int Y = 10) {
    auto* c = Place<TZYLFontSizeComboBox>(host_, "Sizes", 10, Y, 80);
    c->SetFontName(Face);
    return c;
  }
  THost host_;
};

TEST_F(FontSizeComboTest, ScalableFontsOfferTheStandardSizesRasterFontsTheirOwn) {
  TZYLFontSizeComboBox* sizes = Sizes("Arial");
  EXPECT_EQ(Texts(sizes), Standard());
  // The raster face's strikes, ascending and each once (two strikes of one size share an item).
  sizes->SetFontName("MS Sans Serif");
  EXPECT_EQ(Texts(sizes), (std::vector<std::string>{"8", "10", "12"}));
  sizes->SetFontName("System");
  EXPECT_EQ(Texts(sizes), (std::vector<std::string>{"10", "12"}));
  // A font that is not installed offers nothing: the box stays usable with typed sizes.
  sizes->SetFontName("No Such Face");
  EXPECT_EQ(sizes->Items()->Count(), 0);
  sizes->SetSelected(14);
  EXPECT_EQ(sizes->Text(), "14");
  EXPECT_EQ(sizes->Selected(), 14);
}

// When the system's font table changes, the box keeps its face, the face's sizes and the chosen
// size, whatever its font.
TEST_F(FontSizeComboTest, AChangedFontTableKeepsTheFaceItsSizesAndTheChoice) {
  for (const int size : {5, 16}) {
    SCOPED_TRACE(size);
    TZYLFontSizeComboBox* sizes = Sizes("Arial");
    sizes->Font()->SetSize(size);
    sizes->SetSelected(14);
    sizes->Perform(vcl::CM_FONTCHANGE, 0, 0);
    THost::Idle();
    EXPECT_EQ(sizes->FontName(), "Arial");
    EXPECT_EQ(Texts(sizes), Standard());
    EXPECT_EQ(sizes->Selected(), 14);
    EXPECT_EQ(sizes->Text(), "14");
    delete sizes;
  }
}

struct SelectCase {
  const char* Face;
  bool Nearest;
  int Value;
  const char* Text;
  bool Listed;
};

class FontSizeSelect : public FontSizeComboTest,
                       public ::testing::WithParamInterface<SelectCase> {};

TEST_P(FontSizeSelect, ChecksTheValueAndSelectsItsItem) {
  const SelectCase& c = GetParam();
  TZYLFontSizeComboBox* sizes = Sizes(c.Face);
  sizes->SetUseNearestSize(c.Nearest);
  sizes->SetSelected(c.Value);
  EXPECT_EQ(sizes->Text(), c.Text);
  EXPECT_EQ(sizes->ItemIndex() >= 0, c.Listed);
}

INSTANTIATE_TEST_SUITE_P(Cases, FontSizeSelect,
                         ::testing::Values(SelectCase{"Arial", false, 0, "10", true},
                                           SelectCase{"Arial", false, 1000, "10", true},
                                           SelectCase{"Arial", false, 13, "13", false},
                                           SelectCase{"Arial", true, 13, "13", false},
                                           SelectCase{"MS Sans Serif", false, 11, "11", false},
                                           SelectCase{"MS Sans Serif", true, 11, "10",
                                                      true},  // 10 and 12 tie
                                           SelectCase{"MS Sans Serif", true, 9, "8", true},
                                           SelectCase{"MS Sans Serif", true, 30, "12", true},
                                           SelectCase{"", false, 12, "", false}));

TEST_F(FontSizeComboTest, KeysWithoutAFontOnlyBeep) {
  TZYLFontSizeComboBox* sizes = Sizes("");
  THost::Focus(sizes);
  const size_t before = win::testkit::Beeps().size();
  win::testkit::TypeText("12a");
  THost::Idle();
  EXPECT_EQ(sizes->Text(), "");
  EXPECT_EQ(win::testkit::Beeps().size(), before + 3);
}

TEST_F(FontSizeComboTest, OnlyDigitsAndSignsAreTyped) {
  TZYLFontSizeComboBox* sizes = Sizes("Arial");
  THost::Focus(sizes);
  const size_t before = win::testkit::Beeps().size();
  win::testkit::TypeText("1x4.");
  THost::Idle();
  EXPECT_EQ(sizes->Text(), "14");
  EXPECT_EQ(win::testkit::Beeps().size(), before + 2);
  // Without the editor the box is a drop-down list and every printable key is refused.
  sizes->SetEditorEnabled(false);
  EXPECT_EQ(sizes->Style(), vcl::csDropDownList);
  THost::Focus(sizes);
  win::testkit::TypeText("9");
  THost::Idle();
  EXPECT_EQ(win::testkit::Beeps().size(), before + 3);
}

TEST_F(FontSizeComboTest, LeavingWithATextThatIsNoNumberTakesTheDefaultSize) {
  TZYLFontSizeComboBox* sizes = Sizes("Arial");
  auto* next = host_.Edit("Next", 10, 100);
  sizes->SetDefaultSize(12);
  THost::Focus(sizes);
  sizes->SetText("1x");  // as pasted
  THost::Focus(next);
  EXPECT_EQ(sizes->Text(), "12");
  EXPECT_EQ(sizes->Selected(), 12);
  // An empty text takes it too; a number stays.
  THost::Focus(sizes);
  sizes->SetText("");
  THost::Focus(next);
  EXPECT_EQ(sizes->Text(), "12");
  THost::Focus(sizes);
  sizes->SetText("16");
  THost::Focus(next);
  EXPECT_EQ(sizes->Text(), "16");
}

TEST_F(FontSizeComboTest, FollowsTheLinkedFontCombo) {
  auto* fonts = Place<zyl::TZYLFontComboBox>(host_, "Fonts", 10, 60, 200);
  TZYLFontSizeComboBox* sizes = Sizes("");
  sizes->SetFontCombo(fonts);
  fonts->SetSelectedFont("Arial");
  EXPECT_EQ(sizes->FontName(), "Arial");
  EXPECT_EQ(Texts(sizes), Standard());
  sizes->SetSelected(12);
  // The chosen size stays when the new font offers it, and shows typed when it does not.
  combotest::ChooseByMouse(fonts, fonts->Items()->IndexOf("MS Sans Serif"));
  EXPECT_EQ(sizes->FontName(), "MS Sans Serif");
  EXPECT_EQ(sizes->Text(), "12");
  EXPECT_GE(sizes->ItemIndex(), 0);
  sizes->SetSelected(9);
  fonts->SetSelectedFont("System");
  EXPECT_EQ(sizes->Text(), "9");
  EXPECT_EQ(sizes->ItemIndex(), -1);
  // The font combo going away ends the link.
  delete fonts;
  EXPECT_EQ(sizes->FontCombo(), nullptr);
}

TEST_F(FontSizeComboTest, SetFontControlMovesTheLinkFromOneFontControlToTheNext) {
  auto* fonts = Place<zyl::TZYLFontComboBox>(host_, "Fonts", 10, 60, 200);
  auto* list = new zyl::TZYLFontListBox(host_.Form());
  list->SetBounds(220, 60, 150, 100);
  list->SetParent(host_.Form());
  TZYLFontSizeComboBox* sizes = Sizes("");
  // Linking reads nothing yet: the size box follows the control's next choice.
  sizes->SetFontControl(fonts);
  EXPECT_EQ(sizes->FontCombo(), fonts);
  EXPECT_EQ(sizes->FontList(), nullptr);
  EXPECT_EQ(sizes->FontName(), "");
  fonts->SetSelectedFont("Arial");
  EXPECT_EQ(sizes->FontName(), "Arial");
  // The list box takes over; the combo box's choices no longer reach the size box.
  sizes->SetFontControl(list);
  EXPECT_EQ(sizes->FontCombo(), nullptr);
  EXPECT_EQ(sizes->FontList(), list);
  fonts->SetSelectedFont("System");
  EXPECT_EQ(sizes->FontName(), "Arial");
  list->SetSelectedFont("MS Sans Serif");
  EXPECT_EQ(sizes->FontName(), "MS Sans Serif");
  EXPECT_EQ(Texts(sizes), (std::vector<std::string>{"8", "10", "12"}));
  // None: the size box follows nothing, and the list may go without touching it.
  sizes->SetFontControl(nullptr);
  EXPECT_EQ(sizes->FontList(), nullptr);
  list->SetSelectedFont("Arial");
  EXPECT_EQ(sizes->FontName(), "MS Sans Serif");
  delete list;
  EXPECT_EQ(sizes->FontName(), "MS Sans Serif");
}

TEST_F(FontSizeComboTest, ASizeBoxLeavingAFontControlKeepsTheHookAnotherTookSince) {
  auto* fonts = Place<zyl::TZYLFontComboBox>(host_, "Fonts", 10, 60, 200);
  auto* first = Place<TZYLFontSizeComboBox>(host_, "First", 10, 10, 80);
  auto* second = Place<TZYLFontSizeComboBox>(host_, "Second", 10, 100, 80);
  first->SetFontControl(fonts);
  // The font control has one hook: the second size box takes it.
  second->SetFontControl(fonts);
  fonts->SetSelectedFont("Arial");
  EXPECT_EQ(second->FontName(), "Arial");
  // The first one leaving, by a new link or by going, leaves the second one's hook alone.
  first->SetFontControl(nullptr);
  fonts->SetSelectedFont("System");
  EXPECT_EQ(second->FontName(), "System");
  first->SetFontControl(fonts);
  second->SetFontControl(nullptr);
  second->SetFontControl(fonts);
  delete first;
  fonts->SetSelectedFont("Arial");
  EXPECT_EQ(second->FontName(), "Arial");
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Enter and Escape reach the form's default and cancel buttons once

// Counts the clicks of the form's two buttons.
struct TButtonClicks : vcl::TObject {
  int Ok = 0;
  int Cancel = 0;
  void OkClick(vcl::TObject*) { ++Ok; }
  void CancelClick(vcl::TObject*) { ++Cancel; }
};

struct TDialogKeyCase {
  const char* Control;  // "combo" or "list"
  win::BYTE Key;
  int Ok;
  int Cancel;
};

class FontSizeDialogKeys : public FontSizeComboTest,
                           public ::testing::WithParamInterface<TDialogKeyCase> {};

TEST_P(FontSizeDialogKeys, ClickTheFormsButtonOnce) {
  const TDialogKeyCase& c = GetParam();
  TButtonClicks clicks;
  auto button = [&](const char* Name, int X, void (TButtonClicks::*Click)(vcl::TObject*)) {
    auto* b = new vcl::TButton(host_.Form());
    b->SetName(Name);
    b->SetBounds(X, 150, 75, 25);
    b->SetParent(host_.Form());
    b->OnClick = vcl::TNotifyEvent(&clicks, Click);
    return b;
  };
  button("Ok", 10, &TButtonClicks::OkClick)->SetDefault(true);
  button("Cancel", 100, &TButtonClicks::CancelClick)->SetCancel(true);
  vcl::TWinControl* control = nullptr;
  if (std::string(c.Control) == "combo") {
    control = Sizes("Arial");
  } else {
    auto* list = new zyl::TZYLFontSizeListBox(host_.Form());
    list->SetBounds(120, 10, 60, 100);
    list->SetParent(host_.Form());
    list->SetFontName("Arial");
    control = list;
  }
  THost::Focus(control);
  win::testkit::KeyPress(c.Key);
  THost::Idle();
  EXPECT_EQ(clicks.Ok, c.Ok);
  EXPECT_EQ(clicks.Cancel, c.Cancel);
  EXPECT_TRUE(control->Focused());
}

INSTANTIATE_TEST_SUITE_P(Cases, FontSizeDialogKeys,
                         ::testing::Values(TDialogKeyCase{"combo", win::VK_RETURN, 1, 0},
                                           TDialogKeyCase{"combo", win::VK_ESCAPE, 0, 1},
                                           TDialogKeyCase{"list", win::VK_RETURN, 1, 0},
                                           TDialogKeyCase{"list", win::VK_ESCAPE, 0, 1}));
