// Masked edits: the mask language, typing into the places of a mask, the check of required
// places and the text a form stream keeps.
#include "ControlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/Mask.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

namespace vcl::testing {
namespace {

using namespace win;
using namespace win::testkit;
using testsupport::ErrorOf;

TEST(MaskText, ValuesAreLaidIntoTheMaskAndReadBack) {
  testsupport::ExpectCases({
      {FormatMaskText("!99/99/00;1;_", "12/05/99"), "12/05/99"},
      {FormatMaskText("(999) 000-0000;0;_", "5551234567"), "5551234567"},
      {FormatMaskText("(999) 000-0000;1;_", "(555) 123-4567"), "(555) 123-4567"},
      {FormatMaskText(">LL;0;_", "ab"), "AB"},
      {FormatMaskText("<LL;0;_", "AB"), "ab"},
      {FormatMaskText(">L<>l;0;_", "ab"), "Ab"},
      {FormatMaskText("00;0;*", "1x"), "1 "},    // a letter does not fit a digit's place
      {FormatMaskText("\\L0;1;_", "L5"), "L5"},  // an escaped literal
      {FormatMaskText("##0;0;_", "-12"), "-12"},
      {FormatMaskText("ccc;0;_", "a b"), "a b"},
      {FormatMaskText("", "free text"), "free text"},  // no mask: the value as it is
  });
  const TParsedMask m = ParseEditMask("AA-9;0;#");
  EXPECT_EQ(m.Places.size(), 4u);
  EXPECT_FALSE(m.SaveLiterals);
  EXPECT_EQ(m.Blank, '#');
  EXPECT_EQ(m.Places[2].Literal, '-');
}

class MaskEditTest : public ControlsTest {
 protected:
  TMaskEdit* NewEdit(const char* mask) {
    form_ = FramelessForm(300, 100);
    auto* e = Place<TMaskEdit>(form_.get(), 10, 10, 150, 21);
    e->SetEditMask(mask);
    ShowNow(form_.get());
    e->SetFocus();
    Idle();
    return e;
  }
  std::unique_ptr<TForm> form_;
};

TEST_F(MaskEditTest, TypingFillsThePlacesSkipsLiteralsAndRefusesWhatDoesNotFit) {
  auto* e = NewEdit("(999) 000-0000;1;_");
  EXPECT_EQ(e->EditText(), "(___) ___-____");
  e->SetSelStart(0);
  TypeText("555x1234567");  // the letter is refused
  EXPECT_EQ(e->EditText(), "(555) 123-4567");
  EXPECT_EQ(e->Text(), "(555) 123-4567");
  KeyPress(VK_BACK);
  EXPECT_EQ(e->EditText(), "(555) 123-456_");
  e->SetSelStart(1);
  KeyPress(VK_DELETE);
  EXPECT_EQ(e->Text(), "( 55) 123-456 ");
  // Without the literals kept, Text is the entered characters only.
  e->SetEditMask(">LL-00;0;_");
  e->SetText("ab12");
  EXPECT_EQ(e->EditText(), "AB-12");
  EXPECT_EQ(e->Text(), "AB12");
}

TEST_F(MaskEditTest, RequiredPlacesMustBeFilled) {
  auto* e = NewEdit("00:00;1;_");
  e->SetText("12:3");
  EXPECT_EQ(ErrorOf<EDBEditError>([&] { e->ValidateEdit(); }), SMaskEditErr);
  EXPECT_EQ(e->SelStart(), 4);  // the caret on the empty place
  e->SetText("12:34");
  EXPECT_EQ(ErrorOf<EDBEditError>([&] { e->ValidateEdit(); }), "<no error>");
  int pos = -1;
  EXPECT_FALSE(e->Validate("1", pos));
  EXPECT_EQ(pos, 1);
}

TEST_F(MaskEditTest, AFormKeepsTheMaskAndTheText) {
  RegisterStandardControls();
  const TObj text{
      "Form1: TForm",
      {"Width = 300", "Height = 100"},
      {{"Date: TMaskEdit",
        {"Left = 8", "Top = 8", "Width = 80", "Height = 21", "EditMask = '!99/99/00;1;_'",
         "MaxLength = 8", "TabOrder = 0", "Text = '12/05/99'"},
        {}}}};
  auto form = FormFromText(text);
  auto* e = Find<TMaskEdit>(form.get(), "Date");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->Text(), "12/05/99");
  EXPECT_EQ(e->EditMask(), "!99/99/00;1;_");
  const std::string written = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  EXPECT_NE(written.find("EditMask = '!99/99/00;1;_'\r\n    MaxLength = 8\r\n    TabOrder = 0\r\n"
                         "    Text = '12/05/99'"),
            std::string::npos)
      << written;
}

}  // namespace
}  // namespace vcl::testing
