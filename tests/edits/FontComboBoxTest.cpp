// The font combo box: the screen's (and the printer's) fonts listed once each, TrueType only
// when asked, the chosen face whatever its case, the type symbols, each name in its own face,
// the example window while the list is dropped, the item height of the box's font, and the
// fast mode that takes the screen's list and learns the types while drawing.
#include <gtest/gtest.h>

#include <memory>

#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontListBox.h"
#include "edits/ZYLFontSymbols.h"
#include "foundation/ZYLProcs.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/StrUtils.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/edits/ComboTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/FormText.h"
#include "tests/support/StreamCopy.h"

namespace {

using combotest::Place;
using combotest::Texts;
using edittest::THost;
using zyl::TZYLFontComboBox;

int TypeOf(TZYLFontComboBox* Combo, const std::string& Face) {
  const int i = Combo->Items()->IndexOf(Face);
  return i < 0 ? -1 : zyl::fontlist::FontType(Combo->Items(), i);
}

class FontComboTest : public ::testing::Test {
 protected:
  ~FontComboTest() override { delete vcl::SetPrinter(nullptr); }
  TZYLFontComboBox* Combo(int Y = 10) {
    return Place<TZYLFontComboBox>(host_, "Fonts", 10, Y, 200);
  }
  THost host_;
};

TEST_F(FontComboTest, ListsEveryScreenFaceOnceInOrderWithItsType) {
  TZYLFontComboBox* combo = Combo();
  const std::vector<std::string> faces = Texts(combo);
  ASSERT_GT(faces.size(), 10u);
  for (size_t i = 1; i < faces.size(); ++i)
    EXPECT_LT(vcl::CompareText(faces[i - 1], faces[i]), 0) << faces[i];
  testsupport::ExpectCases(
      {{std::to_string(TypeOf(combo, "Arial") & win::TRUETYPE_FONTTYPE), "4"},
       {std::to_string(TypeOf(combo, "MS Sans Serif") & win::RASTER_FONTTYPE), "1"}});
  combo->SetOptions({zyl::foScreenFonts, zyl::foTrueTypeOnly});
  EXPECT_EQ(combo->Items()->IndexOf("MS Sans Serif"), -1);
  for (int i = 0; i < combo->Items()->Count(); ++i)
    EXPECT_NE(zyl::fontlist::FontType(combo->Items(), i) & win::TRUETYPE_FONTTYPE, 0)
        << combo->Items()->Get(i);
}

TEST_F(FontComboTest, PrinterFontsJoinOnceAndNoPrinterAddsNone) {
  TZYLFontComboBox* combo = Combo();
  const size_t screen = Texts(combo).size();
  vcl::Printer()->SetPrinterIndex(0);
  combo->SetOptions({zyl::foScreenFonts, zyl::foPrinterFonts});
  EXPECT_EQ(Texts(combo).size(), screen);  // the same faces are not listed twice
  combo->SetOptions({zyl::foPrinterFonts});
  EXPECT_EQ(Texts(combo).size(), screen);
  vcl::Printer()->Printers()->Clear();
  ASSERT_EQ(vcl::Printer()->PrinterIndex(), -1);
  combo->Init();
  EXPECT_EQ(combo->Items()->Count(), 0);
}

TEST_F(FontComboTest, SelectedFontFindsTheNameWhateverItsCase) {
  TZYLFontComboBox* combo = Combo();
  combo->SetSelectedFont("times new roman");
  EXPECT_EQ(combo->SelectedFont(), "Times New Roman");
  combo->SetSelectedFont("No Such Face");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->SelectedFont(), "");
}

class FontComboHeight : public FontComboTest, public ::testing::WithParamInterface<int> {};

TEST_P(FontComboHeight, ItemsAreOnePixelHigherThanTheFontButAtLeastTen) {
  TZYLFontComboBox* combo = Combo();
  combo->Font()->SetName("Arial");
  combo->Font()->SetHeight(GetParam());
  THost::Idle();
  const int cell = zyl::ZYLGetFontHeight(combo->Font());
  EXPECT_EQ(combo->ItemHeight(), cell < 10 ? 10 : cell + 1) << cell;
  const win::RECT r = combotest::ListItemRect(combo, 0);
  EXPECT_EQ(r.Bottom - r.Top, combo->ItemHeight());
}

INSTANTIATE_TEST_SUITE_P(Heights, FontComboHeight, ::testing::Values(-5, -7, -11, -16, -24));

TEST_F(FontComboTest, TrueTypeNamesCarryTheirSymbol) {
  TZYLFontComboBox* combo = Combo();
  combo->SetOptions({zyl::foScreenFonts, zyl::foDisplaySymbol});
  combo->SetDropDownCount(40);
  combotest::ClickButton(combo);
  const win::testkit::TCapture list = combotest::ShotWindow(combo->ListHandle());
  const int size = zyl::ZYLFontSymbolSize;
  const auto symbolArea = [&](const char* face) {
    const win::RECT r = combotest::ListItemRect(combo, combo->Items()->IndexOf(face));
    const int top = 1 + r.Top + (r.Bottom - r.Top - size) / 2;
    return win::RECT{1 + 2, top, 1 + 2 + size, top + size};
  };
  const win::RECT tt = symbolArea("Arial");
  EXPECT_TRUE(win::testkit::PixelsMatch(
      list,
      [&](int x, int y) {
        const int32_t c = zyl::ZYLFontSymbolPixel(x - tt.Left, y - tt.Top);
        return c == 0xFF00FF ? list.Color(tt.Left, tt.Top) : static_cast<win::COLORREF>(c);
      },
      "truetype_symbol", tt));
  // A raster face has neither symbol: its square stays blank.
  const win::RECT raster = symbolArea("MS Sans Serif");
  const win::COLORREF paper = list.Color(raster.Left, raster.Top);
  EXPECT_TRUE(win::testkit::PixelsMatch(
      list, [&](int, int) { return paper; }, "no_symbol", raster));
  combotest::ClickButton(combo);
}

TEST_F(FontComboTest, NamesAreDrawnInTheirOwnFaceWhenAsked) {
  TZYLFontComboBox* combo = Combo();
  combo->SetDropDownCount(40);
  const auto shot = [&] {
    combotest::ClickButton(combo);
    const win::testkit::TCapture list = combotest::ShotWindow(combo->ListHandle());
    combotest::ClickButton(combo);
    const win::RECT r = combotest::ListItemRect(combo, combo->Items()->IndexOf("Courier New"));
    return win::testkit::MakeCapture(r.Right - r.Left, r.Bottom - r.Top, [&](int x, int y) {
      return list.Color(1 + x, 1 + r.Top + y);
    });
  };
  const win::testkit::TCapture own = shot();
  combo->SetOptions({zyl::foScreenFonts});
  const win::testkit::TCapture plain = shot();
  EXPECT_GT(win::testkit::CountDifferentPixels(own, plain), 20);
}

TEST_F(FontComboTest, TheExampleFollowsTheHighlightWhileDropped) {
  TZYLFontComboBox* combo = Combo();
  combo->SetShowExample(true);
  combo->SetExampleText("Sample");
  combo->SetSelectedFont("Arial");
  THost::Focus(combo);
  win::testkit::KeyPress(win::VK_F4);
  THost::Idle();
  ASSERT_TRUE(combo->DroppedDown());
  win::testkit::KeyPress(win::VK_DOWN);
  THost::Idle();
  vcl::THintWindow* example = combo->ExampleWindow();
  ASSERT_TRUE(example->HandleAllocated());
  EXPECT_TRUE(win::IsWindowVisible(example->Handle()));
  EXPECT_EQ(example->Font()->Name(), combo->Items()->Get(combo->Items()->IndexOf("Arial") + 1));
  EXPECT_EQ(example->Font()->Size(), 12);
  // Right of the box, level with its top.
  const vcl::TPoint corner = combo->ClientToScreen(vcl::TPoint{combo->Width(), 0});
  EXPECT_EQ(example->Left(), corner.X);
  EXPECT_EQ(example->Top(), corner.Y);
  win::testkit::KeyPress(win::VK_ESCAPE);
  THost::Idle();
  EXPECT_FALSE(example->HandleAllocated() && win::IsWindowVisible(example->Handle()));
}

TEST_F(FontComboTest, FastModeTakesTheScreensListAndLearnsTypesWhileDrawing) {
  const std::string form =
      "object F: TForm\n"
      "  object Fonts: TZYLFontComboBox\n"
      "    FastMode = True\n"
      "    DropDownCount = 40\n"
      "  end\n"
      "end\n";
  zyl::ZYLFontComboBoxUnit.Init();
  auto f = testsupport::FormFromText(form);
  auto* combo = dynamic_cast<TZYLFontComboBox*>(f->FindComponent("Fonts"));
  ASSERT_NE(combo, nullptr);
  f->Show();
  THost::Idle();
  EXPECT_EQ(static_cast<size_t>(combo->Items()->Count()), vcl::Screen->Fonts().size());
  EXPECT_EQ(TypeOf(combo, "Arial"), 0);
  combotest::ClickButton(combo);
  combotest::ClickButton(combo);
  EXPECT_EQ(TypeOf(combo, "Arial"), win::TRUETYPE_FONTTYPE);
  f.reset();
  zyl::ZYLFontComboBoxUnit.FInit();
}

// A user who empties the example text in the designer finds it empty when the form is opened
// again, in the combo box and in both list boxes.
TEST(FontListsExampleText, AnEmptiedExampleTextComesBackEmptyFromAFormFile) {
  vcl::testkit::TControlsSession session;
  for (vcl::TClass cls : {TZYLFontComboBox::StaticClass(), zyl::TZYLFontListBox::StaticClass(),
                          zyl::TZYLLabeledFontListBox::StaticClass()}) {
    const std::unique_ptr<vcl::TComponent> list(cls->Create(nullptr));
    EXPECT_EQ(testsupport::EmptiedTextReadBack(list.get(), "ExampleText"), "") << cls->ClassName();
  }
}

}  // namespace
