// A form file that cannot be read tells where: every error names the object and the property
// ("Error reading Button1.Caption: ...") whatever went wrong with the value, and the line of a
// text form file.
#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/Streams.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/support/ErrorOf.h"

namespace vcl::testing {
namespace {

struct TBrokenForm {
  const char* What;
  const char* Text;  // the form file
  const char* Error;
};

// A form with one button; `line` is put among the button's properties.
std::string ButtonForm(const std::string& line) {
  return "object Form1: TForm\n  Caption = 'Broken'\n  object Button1: TButton\n    Left = 8\n   "
         " " +
         line + "\n  end\nend\n";
}

// Line 5 is the button's broken line.
const TBrokenForm kBroken[] = {
    {"an unknown property", "Colour = clRed",
     "Error reading Button1.Colour: Property Colour does not exist on line 5"},
    {"a handler the form lacks", "OnClick = ButtonClick",
     "Error reading Button1.OnClick: Invalid property value on line 5"},
    {"an unknown enumeration value", "DragMode = dmSideways",
     "Error reading Button1.DragMode: Invalid property value on line 5"},
    {"an unknown set element", "Anchors = [akLeft, akMiddle]",
     "Error reading Button1.Anchors: Invalid property value on line 5"},
    {"a byte value out of its range", "Font.Charset = 300",
     "Error reading Button1.Font.Charset: Invalid property value on line 5"},
    {"a string where a number belongs", "Width = 'wide'",
     "Error reading Button1.Width: Invalid property value on line 5"},
    {"a number where a string belongs", "Caption = 12",
     "Error reading Button1.Caption: Invalid property value on line 5"},
    {"an unknown colour name", "Font.Color = clSunset",
     "Error reading Button1.Font.Color: Invalid property value on line 5"},
    {"a property of the form itself", "",
     "Error reading Form1.Visible: Invalid property value on line 2"},
};

class FormReadErrorsTest : public ::testing::TestWithParam<TBrokenForm> {
 protected:
  testkit::TControlsSession session_;

  static std::string ErrorReading(const std::string& text) {
    auto form = std::make_unique<TForm>(nullptr);
    TStringStream stream(text);
    return testsupport::ErrorOf<EReadError>([&] { ReadForm(&stream, form.get()); });
  }
};

TEST_P(FormReadErrorsTest, TheErrorNamesTheObjectAndTheProperty) {
  const TBrokenForm& c = GetParam();
  std::string text = ButtonForm(c.Text);
  if (*c.Text == '\0')
    text = "object Form1: TForm\n  Visible = Perhaps\n  object Button1: TButton\n  end\nend\n";
  EXPECT_EQ(ErrorReading(text), c.Error) << c.What;
}

INSTANTIATE_TEST_SUITE_P(Broken, FormReadErrorsTest, ::testing::ValuesIn(kBroken));

TEST(FormReadErrors, AByteValueInItsRangeReads) {
  testkit::TControlsSession session;
  auto form = std::make_unique<TForm>(nullptr);
  TStringStream stream(ButtonForm("Font.Charset = 255"));
  ReadForm(&stream, form.get());
  auto* button = dynamic_cast<TButton*>(form->FindComponent("Button1"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Font()->Charset(), 255);
}

}  // namespace
}  // namespace vcl::testing
