// Form fills: the client area painted from a fill object, an image of an image list or an
// owner-draw handler in place of the form's plain colour.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLBack.h"
#include "system/ZYLFormFill.h"
#include "tests/support/Cases.h"
#include "tests/support/ContainerScope.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

namespace wt = win::testkit;

struct TPainter : vcl::TObject {
  std::vector<vcl::TRect> Areas;
  std::vector<vcl::TColor> Under;
  void Paint(vcl::TObject*, vcl::TCanvas* canvas, const vcl::TRect& dest) {
    Areas.push_back(dest);
    Under.push_back(canvas->Pixels(dest.Right - 1, dest.Bottom - 1));
    canvas->Brush()->SetColor(vcl::clBlue);
    canvas->FillRect(vcl::TRect{0, 0, 10, 10});
  }
};

class FormFill : public ::testing::Test {
 protected:
  FormFill() : form_(new vcl::TForm(nullptr)) {
    form_->SetBounds(30, 30, 240, 160);
    form_->SetColor(vcl::clSilver);
  }
  void Show(TZYLWndProcComponent* fill) {
    fill->Loaded();
    form_->Show();
    wt::RunUntilIdle();
  }
  wt::TCapture Client() { return wt::CaptureWindow(form_->Handle(), false); }
  // A list whose one bitmap is a 2x2 check of red and yellow.
  TZYLBitmapList* CheckList() {
    auto* list = new TZYLBitmapList(form_.get());
    vcl::TBitmap pic;
    pic.SetWidth(2);
    pic.SetHeight(2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 2; ++x)
        pic.Canvas()->SetPixels(x, y, (x + y) % 2 ? vcl::clYellow : vcl::clRed);
    list->GetArrayItem(list->Add())->SetBitmap(&pic);
    return list;
  }
  static win::COLORREF Check(int x, int y) {
    return vcl::ColorToRGB((x + y) % 2 ? vcl::clYellow : vcl::clRed);
  }

  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> form_;
  TPainter painter_;
};

TEST_F(FormFill, ABrushFillPaintsTheClientAreaThroughTheBuffer) {
  auto* fill = new TZYLFormFill(form_.get());
  fill->FillObject()->SetFillStyle(sfBrush);
  fill->FillObject()->Brush()->SetColor(vcl::clTeal);
  Show(fill);
  EXPECT_TRUE(wt::PixelsMatch(
      Client(), [](int, int) { return vcl::ColorToRGB(vcl::clTeal); }, "formfill_brush"));
  ASSERT_NE(fill->Buffer(), nullptr);
  EXPECT_EQ(fill->Buffer()->Width(), form_->ClientWidth());
}

TEST_F(FormFill, AGradientFollowsTheFormsSize) {
  auto* fill = new TZYLFormFill(form_.get());
  fill->FillObject()->SetFillStyle(sfGradient);
  Show(fill);
  for (int width : {240, 300}) {
    form_->SetBounds(30, 30, width, 160);
    wt::RunUntilIdle();
    vcl::TBitmap expected;
    expected.SetWidth(form_->ClientWidth());
    expected.SetHeight(form_->ClientHeight());
    fill->FillObject()->FillCanvas(expected.Canvas(),
                                   vcl::TRect{0, 0, expected.Width(), expected.Height()}, 0);
    ASSERT_NE(fill->Buffer(), nullptr);
    EXPECT_EQ(fill->Buffer()->Width(), form_->ClientWidth());
    EXPECT_TRUE(wt::PixelsMatch(
        Client(), [&](int x, int y) { return vcl::ColorToRGB(expected.Canvas()->Pixels(x, y)); },
        "formfill_gradient_" + std::to_string(width)));
  }
}

TEST_F(FormFill, AChangeOfTheFillRepaintsTheForm) {
  auto* fill = new TZYLFormFill(form_.get());
  Show(fill);
  // The empty fill leaves the form its colour.
  EXPECT_TRUE(wt::PixelsMatch(
      Client(), [](int, int) { return vcl::ColorToRGB(vcl::clSilver); }, "formfill_none"));
  fill->FillObject()->SetFillStyle(sfBrush);
  fill->FillObject()->Brush()->SetColor(vcl::clNavy);
  wt::RunUntilIdle();
  EXPECT_TRUE(wt::PixelsMatch(
      Client(), [](int, int) { return vcl::ColorToRGB(vcl::clNavy); }, "formfill_change"));
  // Switched off, the form shows its own colour again.
  fill->SetEnabled(false);
  wt::RunUntilIdle();
  EXPECT_TRUE(wt::PixelsMatch(
      Client(), [](int, int) { return vcl::ColorToRGB(vcl::clSilver); }, "formfill_off"));
}

TEST_F(FormFill, AnImageOfTheListBecomesTheFill) {
  auto* fill = new TZYLFormFill(form_.get());
  fill->FillObject()->SetFillStyle(sfBitmapList);
  fill->SetImageList(CheckList());
  ASSERT_NE(fill->FillObject()->ListBitmap(), nullptr);
  Show(fill);
  EXPECT_TRUE(wt::PixelsMatch(Client(), Check, "formfill_list"));
  // A freed list takes the picture with it.
  delete fill->ImageList();
  EXPECT_EQ(fill->ImageList(), nullptr);
  EXPECT_EQ(fill->FillObject()->ListBitmap(), nullptr);
}

// The form's background offered to transparent controls: an area of the painted buffer copied
// from a point of the client area, nothing before the form was painted; points stay as given.
TEST_F(FormFill, TheBackgroundIsHandedOutFromThePaintedBuffer) {
  auto* fill = new TZYLFormFill(form_.get());
  fill->FillObject()->SetFillStyle(sfBitmapList);
  fill->SetImageList(CheckList());
  vcl::TBitmap dest;
  dest.SetSize(12, 8);
  dest.Canvas()->Brush()->SetColor(vcl::clWhite);
  dest.Canvas()->FillRect(vcl::TRect{0, 0, 12, 8});
  EXPECT_FALSE(fill->BackBitmapCheck());
  EXPECT_FALSE(fill->BackDrawArea(dest.Canvas(), vcl::TRect{0, 0, 12, 8}, vcl::TPoint{0, 0}, 0));
  EXPECT_EQ(dest.Canvas()->Pixels(0, 0), vcl::clWhite);
  Show(fill);
  ASSERT_TRUE(fill->BackBitmapCheck());
  EXPECT_FALSE(fill->isTransparentSet());
  EXPECT_EQ(fill->BackMapPoint(vcl::TPoint{7, 9}), (vcl::TPoint{7, 9}));
  // From (3, 4) on: the check's colour at (x, y) of the area is the client's at (x + 3, y + 4);
  // the area goes to (2, 1) of the canvas, the rest of the canvas stays white.
  ASSERT_TRUE(fill->BackDrawArea(dest.Canvas(), vcl::TRect{2, 1, 10, 7}, vcl::TPoint{3, 4}, 0));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 2 && x < 10 && y >= 1 && y < 7;
      const vcl::TColor want =
          inside ? ((x - 2 + 3 + y - 1 + 4) % 2 ? vcl::clYellow : vcl::clRed) : vcl::clWhite;
      EXPECT_EQ(dest.Canvas()->Pixels(x, y), want) << x << "," << y;
    }
}

TEST_F(FormFill, NegativeOrUnchangedIndicesAreIgnored) {
  auto* fill = new TZYLFormFill(form_.get());
  fill->SetIndex(iiImageIndex, 3);
  fill->SetIndex(iiListIndex, 2);
  fill->SetIndex(iiImageIndex, -1);
  fill->SetIndex(iiListIndex, -5);
  testsupport::ExpectCases(
      {{std::to_string(fill->ImageIndex()), "3"}, {std::to_string(fill->ListIndex()), "2"}});
}

TEST_F(FormFill, OwnerDrawingGetsTheClientAreaOverTheFormsColour) {
  auto* fill = new TZYLFormFill(form_.get());
  fill->SetPaintMode(pcOwnerDraw);
  fill->SetOnPaint(TZYLPaintEvent(&painter_, &TPainter::Paint));
  Show(fill);
  ASSERT_FALSE(painter_.Areas.empty());
  EXPECT_EQ(painter_.Areas.back(), form_->ClientRect());
  EXPECT_EQ(vcl::ColorToRGB(painter_.Under.back()), vcl::ColorToRGB(vcl::clSilver));
  EXPECT_TRUE(wt::PixelsMatch(
      Client(),
      [](int x, int y) { return vcl::ColorToRGB(x < 10 && y < 10 ? vcl::clBlue : vcl::clSilver); },
      "formfill_owner_draw"));
}

TEST_F(FormFill, OwnerDrawingWithoutAHandlerLeavesTheErasingToTheForm) {
  auto* fill = new TZYLBack(form_.get());
  fill->SetPaintMode(pcOwnerDraw);
  Show(fill);
  EXPECT_TRUE(wt::PixelsMatch(
      Client(), [](int, int) { return vcl::ColorToRGB(vcl::clSilver); }, "back_no_handler"));
}

TEST_F(FormFill, AGlobalListTravelsAsItsIdentifier) {
  testsupport::TContainerScope container;
  ZYLBackUnit.Init();
  TZYLCustomImageList* list = ZYLContainer()->BitmapList();
  std::string bytes;
  {
    TZYLBack back(nullptr);
    back.SetImageList(list);
    EXPECT_FALSE(back.IsImageListStored());
    bytes = vcl::WriteComponentToBytes(&back);
  }
  const std::string text = vcl::ObjectBinaryToTextString(bytes);
  EXPECT_NE(text.find("Internal = '" + ZYLGlobalIdent(list) + "'"), std::string::npos) << text;
  EXPECT_EQ(text.find("ImageList"), std::string::npos) << text;
  {
    TZYLBack read(nullptr);
    vcl::ReadComponentFromBytes(bytes, &read);
    EXPECT_EQ(read.ImageList(), list);
  }
  ZYLBackUnit.FInit();
}

// The back component: the image tiled over the client area, or the form's colour when the
// image is missing.
struct TBackCase {
  const char* Name;
  bool WithList;
  int ListIndex;
  bool Image;  // the check shows
};

class BackImage : public FormFill, public ::testing::WithParamInterface<TBackCase> {};

TEST_P(BackImage, ShowsTheImageOrTheFormsColour) {
  const TBackCase& c = GetParam();
  auto* back = new TZYLBack(form_.get());
  if (c.WithList) back->SetImageList(CheckList());
  back->SetIndex(iiListIndex, c.ListIndex);
  EXPECT_EQ(back->IMLEmpty(), !c.Image);
  Show(back);
  EXPECT_TRUE(wt::PixelsMatch(
      Client(),
      [&](int x, int y) { return c.Image ? Check(x, y) : vcl::ColorToRGB(vcl::clSilver); },
      std::string("back_") + c.Name));
}

INSTANTIATE_TEST_SUITE_P(Cases, BackImage,
                         ::testing::Values(TBackCase{"Image", true, 0, true},
                                           TBackCase{"NoList", false, 0, false},
                                           TBackCase{"MissingItem", true, 4, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace zyl
