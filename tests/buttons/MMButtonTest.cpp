// The multimedia button: each state's picture from the face list through the face table or
// from the own strip, the transparent colour letting the parent through, the plain face where
// a picture is missing or the list is freed, a strip of the wrong size refused, and the face
// strip, table and colour through a form stream (a damaged table refused).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLMMButton.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "tests/buttons/ButtonsTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/ContainerScope.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/GlobalListStream.h"

namespace zyl {
namespace {

using buttontest::THost;
namespace tk = win::testkit;

win::COLORREF Rgb(vcl::TColor c) { return win::COLORREF(vcl::ColorToRGB(c)); }

// A strip of nine 13 x 13 faces, face i a square of Colours[i] on a magenta ground.
std::unique_ptr<vcl::TBitmap> Strip(const vcl::TColor (&Colours)[9], int Width = 9 * 13) {
  auto b = std::make_unique<vcl::TBitmap>();
  b->SetSize(Width, 13);
  b->Canvas()->Brush()->SetColor(vcl::clFuchsia);
  b->Canvas()->FillRect(vcl::TRect{0, 0, Width, 13});
  for (int i = 0; i < 9; ++i) {
    b->Canvas()->Brush()->SetColor(Colours[i]);
    b->Canvas()->FillRect(vcl::TRect{i * 13 + 2, 2, i * 13 + 11, 11});
  }
  return b;
}

const vcl::TColor kStripColours[9] = {vcl::clRed,   vcl::clGray,   vcl::clLime,
                                      vcl::clNavy,  vcl::clBlue,   vcl::clTeal,
                                      vcl::clOlive, vcl::clPurple, vcl::clMaroon};

class MMButtonTest : public ::testing::Test {
 protected:
  MMButtonTest() {
    button_ = new TZYLMMButton(host_.Form());
    button_->SetName("MM");
    button_->SetBounds(10, 10, 21, 21);
    button_->SetParent(host_.Panel());
    tk::MouseMove(600, 400);
  }
  // The colours the button shows at its centre and at the faces' corner (4, 4).
  std::string Look() {
    const tk::TCapture c = host_.Shot(button_);
    const auto name = [](win::COLORREF v) {
      for (vcl::TColor k : kStripColours)
        if (v == Rgb(k)) return std::to_string(k);
      if (v == Rgb(buttontest::PanelColor)) return std::string("parent");
      if (v == Rgb(vcl::clBtnFace)) return std::string("face");
      return std::string("other");
    };
    return name(c.Color(10, 10)) + "/" + name(c.Color(4, 4));
  }
  static std::string Of(vcl::TColor Centre, const char* Corner) {
    return std::to_string(Centre) + "/" + Corner;
  }

  THost host_;
  TZYLMMButton* button_ = nullptr;
};

TEST_F(MMButtonTest, ShowsTheListsPictureOfEachStateThroughTheFaceTable) {
  TZYLImageList* list =
      buttontest::MakeGlyphList(host_.Form(), {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clGray});
  TZYLButtonFaceIndex faces;
  faces[bsMouseOver].ImageIndex = 1;
  faces[bsDown].ImageIndex = 2;
  faces[bsDisabledUp].ImageIndex = 3;
  button_->SetButtonFaceIndices(faces);
  button_->SetButtonFaceImageList(list);
  EXPECT_EQ(button_->TransColor(), vcl::clFuchsia);
  const std::string rest = Look();
  const win::POINT p = THost::At(button_, 10, 10);
  tk::MouseMove(p.X, p.Y);
  const std::string hot = Look();
  tk::MouseDown(p.X, p.Y);
  const std::string down = Look();
  tk::MouseUp(p.X, p.Y);
  button_->SetEnabled(false);
  const std::string disabled = Look();
  // The magenta ground is the transparent colour: the parent shows there.
  testsupport::ExpectCases({{rest, Of(vcl::clRed, "parent")},
                            {hot, Of(vcl::clLime, "parent")},
                            {down, Of(vcl::clBlue, "parent")},
                            {disabled, Of(vcl::clGray, "parent")}});
}

TEST_F(MMButtonTest, WithoutAListShowsTheFaceOfItsStateFromItsStrip) {
  auto strip = Strip(kStripColours);
  button_->SetButtonFace(strip.get());
  const std::string rest = Look();
  button_->SetEnabled(false);
  EXPECT_EQ(rest, Of(vcl::clRed, "parent"));
  EXPECT_EQ(Look(), Of(vcl::clGray, "parent"));
}

TEST_F(MMButtonTest, RefusesAStripThatIsNotNineFacesAndKeepsItsOwn) {
  auto strip = Strip(kStripColours);
  button_->SetButtonFace(strip.get());
  auto bad = Strip(kStripColours, 9 * 13 + 4);
  const std::string error =
      testsupport::ErrorOf<EZYLWrongBmpSize>([&] { button_->SetButtonFace(bad.get()); });
  EXPECT_NE(error.find("nine faces"), std::string::npos) << error;
  EXPECT_NE(error.find("121"), std::string::npos) << error;
  EXPECT_EQ(button_->ButtonFace()->Width(), 9 * 13);
  EXPECT_EQ(Look(), Of(vcl::clRed, "parent"));
}

TEST_F(MMButtonTest, AMissingPictureOrAFreedListShowsThePlainFace) {
  TZYLImageList* list = buttontest::MakeGlyphList(host_.Form(), {vcl::clRed});
  TZYLButtonFaceIndex faces;
  faces[bsUp].ImageIndex = 7;  // no such image
  button_->SetButtonFaceIndices(faces);
  button_->SetButtonFaceImageList(list);
  EXPECT_EQ(button_->TransColor(), vcl::clNone);
  EXPECT_EQ(Look(), "face/face");
  button_->SetButtonFaceIndices(TZYLButtonFaceIndex());
  button_->SetTransCol();
  EXPECT_EQ(Look(), Of(vcl::clRed, "parent"));
  delete list;
  EXPECT_EQ(button_->ButtonFaceImageList(), nullptr);
  EXPECT_EQ(Look(), "face/face");
}

TEST_F(MMButtonTest, StripTableAndColourSurviveAFormStream) {
  std::unique_ptr<vcl::TForm> source(new vcl::TForm(nullptr));
  auto* written = new TZYLMMButton(source.get());
  written->SetName("MM");
  written->SetParent(source.get());
  auto strip = Strip(kStripColours);
  written->SetButtonFace(strip.get());
  TZYLButtonFaceIndex faces;
  faces[bsDown] = {3, 0x1234};
  faces[bsDefaultEd] = {0xFFFF, 8};
  written->SetButtonFaceIndices(faces);
  const std::string bytes = vcl::WriteComponentToBytes(source.get());
  const std::string text = vcl::ObjectBinaryToTextString(bytes);
  for (const char* name : {"ButtonFace =", "ButtonFaceIndicesNew2 =", "ButtonFaceTransColNew ="})
    EXPECT_NE(text.find(name), std::string::npos) << name;

  ZYLMMButtonUnit.Init();
  std::unique_ptr<vcl::TForm> copy(new vcl::TForm(nullptr));
  vcl::ReadComponentFromBytes(bytes, copy.get());
  ZYLMMButtonUnit.FInit();
  auto* read = dynamic_cast<TZYLMMButton*>(copy->FindComponent("MM"));
  ASSERT_NE(read, nullptr);
  TZYLButtonFaceIndex back;
  read->GetButtonFaceIndices(back);
  EXPECT_TRUE(back == faces);
  EXPECT_EQ(read->TransColor(), vcl::clFuchsia);
  // An older form without the colour: the face at rest gives it once the form is read.
  std::string older = text;
  const size_t at = older.find("    ButtonFaceTransColNew =");
  older.erase(at, older.find('\n', at) + 1 - at);
  ZYLMMButtonUnit.Init();
  std::unique_ptr<vcl::TForm> third(new vcl::TForm(nullptr));
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(older), third.get());
  ZYLMMButtonUnit.FInit();
  auto* fromOlder = dynamic_cast<TZYLMMButton*>(third->FindComponent("MM"));
  ASSERT_NE(fromOlder, nullptr);
  EXPECT_EQ(fromOlder->TransColor(), vcl::clFuchsia);
  vcl::TBitmap a, b;
  ASSERT_TRUE(read->GetFace(bsDefaultEd, &a));
  ASSERT_TRUE(written->GetFace(bsDefaultEd, &b));
  EXPECT_TRUE(tk::SamePixels(
      tk::MakeCapture(13, 13, [&](int x, int y) { return Rgb(a.Canvas()->Pixels(x, y)); }),
      tk::MakeCapture(13, 13, [&](int x, int y) { return Rgb(b.Canvas()->Pixels(x, y)); }),
      "mm_strip_streamed"));
}

// The button's two lists, ImageList and ButtonFaceImageList, may each be a list of the global
// container or one of the form: each comes back to its own property when the form is read again.
TEST_F(MMButtonTest, BothListsComeBackWhenTheFormIsReadAgain) {
  testsupport::TContainerScope container;
  ZYLMMButtonUnit.Init();
  const std::vector<testsupport::TListProperty> lists = {
      {"ImageList", "Internal"}, {"ButtonFaceImageList", "ButtonFaceImageListInternal"}};
  testsupport::ExpectEveryPickSurvivesTheForm(TZYLMMButton::StaticClass(), lists);
  testsupport::ExpectUnknownIdentReadsAsNone(TZYLMMButton::StaticClass(), lists[1]);
  ZYLMMButtonUnit.FInit();
}

TEST_F(MMButtonTest, ADamagedFaceTableIsAReadError) {
  ZYLMMButtonUnit.Init();
  std::unique_ptr<vcl::TForm> form(new vcl::TForm(nullptr));
  const std::string bytes = vcl::ObjectTextToBinaryString(
      "object F: TForm\n"
      "  object M: TZYLMMButton\n"
      "    ButtonFaceIndicesNew2 = {0100020003}\n"
      "  end\n"
      "end\n");
  const std::string error = testsupport::ErrorOf<vcl::EReadError>(
      [&] { vcl::ReadComponentFromBytes(bytes, form.get()); });
  ZYLMMButtonUnit.FInit();
  EXPECT_NE(error.find("36 bytes"), std::string::npos) << error;
  EXPECT_NE(error.find("holds 5"), std::string::npos) << error;
}

}  // namespace
}  // namespace zyl
