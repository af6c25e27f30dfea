// The example form of the LED labels and clocks reads completely, with its settings, and paints.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "display/ZYLClock.h"
#include "display/ZYLLED.h"
#include "display/ZYLLEDLabel.h"
#include "foundation/ZYLDateTime.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "tests/display/ExampleForm.h"
#include "tests/display/FillTestHost.h"

namespace zyl {
namespace {

TEST(LEDExampleTest, EveryControlIsCreatedWithItsSettingsAndPaints) {
  filltest::THostSession host;
  ZYLLEDLabelInit();
  ZYLClockInit();
  auto form = exampletest::ReadExample("leds.txt");
  ZYLClockDone();
  ZYLLEDLabelDone();
  auto count = exampletest::ClassCounts(form.get());
  EXPECT_EQ(count["TZYLLEDLabel"], 7);
  EXPECT_EQ(count["TZYLClock"], 5);

  auto find = [&](const char* name) { return form->FindComponent(name); };
  auto* lines = dynamic_cast<TZYLLEDLabel*>(find("LedLines"));
  ASSERT_NE(lines, nullptr);
  EXPECT_EQ(lines->LED()->Horzsize(), 7);
  EXPECT_EQ(lines->LED()->Vertsize(), 9);
  // Auto-sized on loading: four columns, two rows.
  EXPECT_EQ(lines->Width(), 4 * lines->LED()->GetWidth() + 2 * lines->BevelExt() + 1);
  EXPECT_EQ(lines->Height(), 2 * lines->LED()->GetHeight() + 2 * lines->BevelExt());
  auto* overflow = dynamic_cast<TZYLLEDLabel*>(find("LedOverflow"));
  ASSERT_NE(overflow, nullptr);
  EXPECT_EQ(overflow->GetLabelText(), "---");
  auto* both = dynamic_cast<TZYLClock*>(find("ClockBoth"));
  ASSERT_NE(both, nullptr);
  EXPECT_TRUE(both->Options().contains(coShowSecCircle));
  EXPECT_EQ(both->FixedTime()->GetMinute(), 40);
  EXPECT_EQ(both->GetDigitalText(), "03:40:20");
  auto* date = dynamic_cast<TZYLClock*>(find("ClockDate"));
  ASSERT_NE(date, nullptr);
  EXPECT_EQ(date->GetDigitalText(), "Sun 2/29/2004");

  form->Show();
  filltest::THostSession::Idle();
  // Digital-only clocks have sized themselves to their text.
  EXPECT_EQ(date->Width(), 13 * date->Digital()->GetWidth() + 2 * date->BevelExt());
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  auto* number = dynamic_cast<TZYLLEDLabel*>(find("LedNumber"));
  ASSERT_NE(number, nullptr);
  // "01234": the second cell's middle verticals are lit red.
  const int e = number->BevelExt();
  EXPECT_EQ(filltest::At(cap, number->Left() + e + 19 + 9, number->Top() + e + 8), vcl::clRed);
  // The digital-only clock painted after sizing itself: "23:59:58", the 2's top bar lit.
  auto* digital = dynamic_cast<TZYLClock*>(find("ClockDigital"));
  ASSERT_NE(digital, nullptr);
  const int d = digital->BevelExt();
  EXPECT_EQ(filltest::At(cap, digital->Left() + d + 9, digital->Top() + d + 3), 0x00FF00);
  EXPECT_GT(exampletest::ColourCount(cap), 20u);
  form.reset();
}

}  // namespace
}  // namespace zyl
