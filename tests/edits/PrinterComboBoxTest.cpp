// The printer combo box: the printers in alphabetical order, the choice made the current
// printer (or not), the current printer chosen at start, no printers at all, and the printer
// symbol beside each name.
#include <gtest/gtest.h>

#include "edits/ZYLFontSymbols.h"
#include "edits/ZYLPrinterComboBox.h"
#include "foundation/ZYLProcs.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Printers.h"
#include "tests/edits/ComboTestHost.h"

namespace {

using combotest::Place;
using combotest::Texts;
using edittest::THost;
using zyl::TZYLPrinterComboBox;

class PrinterComboTest : public ::testing::Test {
 protected:
  PrinterComboTest() {
    vcl::TStrings* printers = vcl::Printer()->Printers();
    printers->Add("Zeta Laser");
    printers->Add("alpha ink");
  }
  ~PrinterComboTest() override { delete vcl::SetPrinter(nullptr); }
  TZYLPrinterComboBox* Combo(zyl::TZYLPrinterCBOptions Options) {
    auto* c = Place<TZYLPrinterComboBox>(host_, "Printers", 10, 10, 200);
    c->SetOptions(Options);
    c->Init();
    return c;
  }
  THost host_;
};

TEST_F(PrinterComboTest, ListsThePrintersInAlphabeticalOrder) {
  TZYLPrinterComboBox* combo = Combo({zyl::poDisplaySymbol});
  EXPECT_EQ(Texts(combo),
            (std::vector<std::string>{"alpha ink", "Zeta Laser", vcl::VirtualPrinterName}));
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetSelectedPrinter("ZETA LASER");
  EXPECT_EQ(combo->SelectedPrinter(), "Zeta Laser");
  combo->SetSelectedPrinter("nowhere");
  EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(PrinterComboTest, AChoiceBecomesTheCurrentPrinterOnlyWhenAsked) {
  for (bool activate : {false, true}) {
    vcl::Printer()->SetPrinterIndex(0);
    TZYLPrinterComboBox* combo = Combo(activate ? zyl::TZYLPrinterCBOptions{zyl::poActivatePrinter}
                                                : zyl::TZYLPrinterCBOptions{});
    combotest::ChooseByMouse(combo, 1);
    EXPECT_EQ(combo->Text(), "Zeta Laser");
    EXPECT_EQ(vcl::Printer()->PrinterIndex(), activate ? 1 : 0) << activate;
    delete combo;
  }
}

TEST_F(PrinterComboTest, StartsWithTheCurrentPrinterByName) {
  vcl::Printer()->SetPrinterIndex(2);
  TZYLPrinterComboBox* combo = Combo({zyl::poStartWithActive});
  EXPECT_EQ(combo->Text(), "alpha ink");
  EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(PrinterComboTest, NoPrintersGiveAnEmptyListAndNoError) {
  vcl::Printer()->Printers()->Clear();
  TZYLPrinterComboBox* combo = Combo({zyl::poStartWithActive, zyl::poActivatePrinter});
  EXPECT_EQ(combo->Items()->Count(), 0);
  THost::Focus(combo);
  win::testkit::KeyPress(win::VK_DOWN);
  combotest::ClickButton(combo);
  combotest::ClickButton(combo);
  EXPECT_EQ(combo->Text(), "");
  EXPECT_EQ(vcl::Printer()->PrinterIndex(), -1);
}

// When the system's font table changes the items are measured again (one pixel above the
// font's height, at least 10) and the chosen printer stays chosen.
TEST_F(PrinterComboTest, AChangedFontTableMeasuresTheItemsAgainKeepingTheChoice) {
  for (const int size : {5, 16}) {
    SCOPED_TRACE(size);
    TZYLPrinterComboBox* combo = Combo({});
    combo->Font()->SetSize(size);
    combo->SetSelectedPrinter("Zeta Laser");
    combo->SetItemHeight(40);
    combo->Perform(vcl::CM_FONTCHANGE, 0, 0);
    THost::Idle();
    const int h = zyl::ZYLGetFontHeight(combo->Font());
    EXPECT_EQ(combo->ItemHeight(), h < 10 ? 10 : h + 1);
    EXPECT_EQ(combo->SelectedPrinter(), "Zeta Laser");
    EXPECT_EQ(combo->ItemIndex(), 1);
    delete combo;
  }
}

TEST_F(PrinterComboTest, DrawsThePrinterSymbolBesideEachNameWhenAsked) {
  TZYLPrinterComboBox* combo = Combo({zyl::poDisplaySymbol});
  combotest::ClickButton(combo);
  const win::testkit::TCapture list = combotest::ShotWindow(combo->ListHandle());
  const win::RECT item = combotest::ListItemRect(combo, 1);
  const int size = zyl::ZYLFontSymbolSize;
  // The list's border is one pixel; the symbol stands 2 pixels in, centred in the item.
  const int left = 1 + 2, top = 1 + item.Top + (item.Bottom - item.Top - size) / 2;
  const win::COLORREF paper = static_cast<win::COLORREF>(vcl::ColorToRGB(vcl::clWindow));
  EXPECT_TRUE(win::testkit::PixelsMatch(list,
                                        [&](int x, int y) {
                                          const int32_t c =
                                              zyl::ZYLFontSymbolPixel(size + x - left, y - top);
                                          return c == 0xFF00FF ? paper
                                                               : static_cast<win::COLORREF>(c);
                                        },
                                        "printer_symbol", {left, top, left + size, top + size}));
  combotest::ClickButton(combo);
  combo->SetOptions({});
  combotest::ClickButton(combo);
  const win::testkit::TCapture plain = combotest::ShotWindow(combo->ListHandle());
  // The printer's grey body is nowhere (the name's text starts there now).
  const win::COLORREF grey = 0xC0C0C0;
  EXPECT_TRUE(win::testkit::PixelsMatch(plain,
                                        [&](int x, int y) {
                                          const win::COLORREF c = plain.Color(x, y);
                                          return c == grey ? paper : c;
                                        },
                                        "no_symbol", {left, top, left + size, top + size}));
  combotest::ClickButton(combo);
}

}  // namespace
