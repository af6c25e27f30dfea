// The road of one request through the foundation: a button-like control read from a form
// stream finds its glyph list in the global container through the "Internal" identifier,
// paints the chosen image, repaints when the list changes and lets go of the list when it is
// freed.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLPackage.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

using vcl::TRect;

win::COLORREF Rgb(vcl::TColor c) { return static_cast<win::COLORREF>(c); }

// Stands in for a speed button: its face is the inherited background and bevel, its glyph the
// linked list's image chosen by ListIndex / ImageIndex, drawn at the source size in the
// top-left corner of the area inside the bevel.
class TRoadButton : public TZYLGraphicControl {
  ZYL_CLASS(TRoadButton, TZYLGraphicControl)
  explicit TRoadButton(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;
  int GlyphPaints = 0;
  TRect LastGlyph{0, 0, 0, 0};
  bool LoadedWithList = false;

 protected:
  void Paint() override {
    inherited::Paint();
    ++Paints;
    if (!IMLEmpty()) {
      LastGlyph = ImageList()->DrawExt(Canvas(), BeveledRect(), 0, ListIndex(), ImageIndex());
      ++GlyphPaints;
    }
  }
  void Loaded() override {
    LoadedWithList = ImageList() != nullptr;
    inherited::Loaded();
  }
};
ZYL_CLASS_IMPL(TRoadButton) { b.Publish({"ImageIndex", "ImageList", "ListIndex", "Transparent"}); }

constexpr int kGlyphW = 8;
constexpr int kGlyphH = 6;

std::unique_ptr<vcl::TBitmap> Solid(vcl::TColor c) {
  auto b = std::make_unique<vcl::TBitmap>();
  b->SetSize(kGlyphW, kGlyphH);
  b->Canvas()->Brush()->SetColor(c);
  b->Canvas()->FillRect(TRect{0, 0, kGlyphW, kGlyphH});
  return b;
}

// Four quadrants: top-left, top-right, bottom-left, bottom-right.
std::unique_ptr<vcl::TBitmap> Quadrants(vcl::TColor tl, vcl::TColor tr, vcl::TColor bl,
                                        vcl::TColor br) {
  auto b = Solid(tl);
  auto* c = b->Canvas();
  const int mx = kGlyphW / 2, my = kGlyphH / 2;
  c->Brush()->SetColor(tr);
  c->FillRect(TRect{mx, 0, kGlyphW, my});
  c->Brush()->SetColor(bl);
  c->FillRect(TRect{0, my, mx, kGlyphH});
  c->Brush()->SetColor(br);
  c->FillRect(TRect{mx, my, kGlyphW, kGlyphH});
  return b;
}

// A strip item holding image 0 (a decoy in one colour) and image 1 (the glyph).
TZYLImageListItem* MakeStrip(vcl::TBitmap* decoy, vcl::TBitmap* glyph) {
  auto* item = new TZYLImageListItem();
  item->SetInteger(0, kGlyphW);
  item->SetInteger(1, kGlyphH);
  EXPECT_EQ(item->Add(decoy, nullptr), 0);
  EXPECT_EQ(item->Add(glyph, nullptr), 1);
  return item;
}

// The "Internal = ..." line the form-stream writer produces for a control on List.
std::string InternalLine(TZYLCustomImageList* List) {
  TZYLGraphicControl probe(nullptr);
  probe.SetImageList(List);
  const std::string text = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(&probe));
  const auto at = text.find("Internal = ");
  if (at == std::string::npos) return std::string();
  const auto end = text.find_first_of("\r\n", at);
  return text.substr(at, end - at);
}

std::string FormText(const std::string& internal) {
  return "object RoadForm: TForm\n  Left = 0\n  Top = 0\n  Width = 120\n  Height = 90\n"
         "  BorderStyle = bsNone\n"
         "  object Button1: TRoadButton\n    Left = 10\n    Top = 12\n    Width = 40\n"
         "    Height = 30\n    ImageIndex = 1\n    Transparent = False\n"
         "    " +
         internal + "\n  end\nend\n";
}

std::unique_ptr<vcl::TForm> ReadRoadForm(const std::string& text) {
  const std::string binary = vcl::ObjectTextToBinaryString(text);
  EXPECT_EQ(vcl::TestStreamFormatString(binary), vcl::sofBinary);
  vcl::TStringStream stream(binary);
  auto form = std::make_unique<vcl::TForm>(nullptr);
  vcl::ReadForm(&stream, form.get());
  return form;
}

class RoadTest : public ::testing::Test {
 protected:
  RoadTest() : session_(800, 600) {
    vcl::RegisterClass(TRoadButton::StaticClass());
    vcl::InitializePackage(ZYLPackageUnitTable());
    started_ = true;
  }
  ~RoadTest() override {
    StopPackage();
    vcl::UnRegisterClass(TRoadButton::StaticClass());
  }
  void StopPackage() {
    if (started_) vcl::FinalizePackage(ZYLPackageUnitTable());
    started_ = false;
  }
  static void Idle() { win::testkit::RunUntilIdle(); }

  // The glyph (quadrant colours) sits at (ox, oy) of a capture of the form's client.
  static ::testing::AssertionResult ShowsGlyph(const win::testkit::TCapture& cap, int ox, int oy,
                                               vcl::TColor tl, vcl::TColor tr, vcl::TColor bl,
                                               vcl::TColor br) {
    return win::testkit::PixelsMatch(cap,
                                     [&](int x, int y) {
                                       const bool left = x - ox < kGlyphW / 2,
                                                  top = y - oy < kGlyphH / 2;
                                       return Rgb(top ? (left ? tl : tr) : (left ? bl : br));
                                     },
                                     "road_glyph", {ox, oy, ox + kGlyphW, oy + kGlyphH});
  }

 private:
  vcl::testkit::TControlsSession session_;
  bool started_ = false;
};

TEST_F(RoadTest, FormButtonFindsGlobalListPaintsRepaintsAndLetsGo) {
  ASSERT_NE(ZYLContainer(), nullptr);
  TZYLImageList* list = ZYLContainer()->ImageList();
  ASSERT_NE(list, nullptr);
  auto decoy = Solid(vcl::clYellow);
  auto glyph = Quadrants(vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clFuchsia);
  ASSERT_EQ(list->Add(MakeStrip(decoy.get(), glyph.get())), 0);

  // The identifier the writer stores for a global list, and a form carrying it.
  const std::string internal = InternalLine(list);
  ASSERT_EQ(internal, "Internal = '" + ZYLGlobalIdent(list) + "'");
  EXPECT_EQ(list->LinkCount(), 0);  // the probe control left the list again

  auto form = ReadRoadForm(FormText(internal));
  auto* button = dynamic_cast<TRoadButton*>(form->FindComponent("Button1"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Parent(), form.get());
  EXPECT_EQ(button->ImageList(), list);
  EXPECT_TRUE(button->LoadedWithList);  // the list was linked before Loaded
  EXPECT_EQ(list->LinkCount(), 1);
  EXPECT_EQ(button->ListIndex(), 0);
  EXPECT_EQ(button->ImageIndex(), 1);
  EXPECT_FALSE(button->IMLEmpty());

  form->Show();
  Idle();
  ASSERT_GE(button->GlyphPaints, 1);
  const TRect inner = button->BeveledRect();
  EXPECT_EQ(button->LastGlyph, (TRect{inner.Left, inner.Top, inner.Left + kGlyphW,
                                      inner.Top + kGlyphH}));
  const int ox = button->Left() + inner.Left, oy = button->Top() + inner.Top;
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  ASSERT_GE(cap.Width, ox + kGlyphW + 1);
  ASSERT_GE(cap.Height, oy + kGlyphH + 1);
  EXPECT_TRUE(ShowsGlyph(cap, ox, oy, vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clFuchsia));
  // Neither the decoy image nor any glyph colour beside the glyph.
  EXPECT_NE(cap.Color(ox + kGlyphW, oy), Rgb(vcl::clLime));
  EXPECT_NE(cap.Color(ox + kGlyphW, oy), Rgb(vcl::clYellow));
  EXPECT_NE(cap.Color(ox, oy + kGlyphH), Rgb(vcl::clBlue));

  // Replacing the item's picture reaches the button through its change link: one repaint.
  auto glyph2 = Quadrants(vcl::clAqua, vcl::clNavy, vcl::clMaroon, vcl::clGreen);
  const int before = button->Paints;
  list->BeginUpdate();
  list->Delete(0);
  list->Insert(0, MakeStrip(decoy.get(), glyph2.get()));
  Idle();
  EXPECT_EQ(button->Paints, before);  // nothing while the list is updating
  list->EndUpdate(true);
  Idle();
  EXPECT_EQ(button->Paints, before + 1);
  cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_TRUE(ShowsGlyph(cap, ox, oy, vcl::clAqua, vcl::clNavy, vcl::clMaroon, vcl::clGreen));

  // Pointing the button at the decoy image through its index repaints it in the decoy colour.
  button->SetIndex(0, 0);
  Idle();
  cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_TRUE(ShowsGlyph(cap, ox, oy, vcl::clYellow, vcl::clYellow, vcl::clYellow, vcl::clYellow));
  button->SetIndex(0, 1);

  // Freeing the global list (the package shuts down) clears the button's reference; painting
  // afterwards draws the face without a glyph.
  StopPackage();
  EXPECT_EQ(ZYLContainer(), nullptr);
  EXPECT_EQ(button->ImageList(), nullptr);
  EXPECT_TRUE(button->IMLEmpty());
  const int glyphs = button->GlyphPaints;
  const int paints = button->Paints;
  button->Invalidate();
  Idle();
  EXPECT_GT(button->Paints, paints);
  EXPECT_EQ(button->GlyphPaints, glyphs);
  cap = win::testkit::CaptureWindow(form->Handle(), false);
  for (int y = 0; y < kGlyphH; ++y)
    for (int x = 0; x < kGlyphW; ++x)
      for (vcl::TColor c : {vcl::clAqua, vcl::clNavy, vcl::clMaroon, vcl::clGreen})
        EXPECT_NE(cap.Color(ox + x, oy + y), Rgb(c)) << x << "," << y;
}

TEST_F(RoadTest, IdentifierWithoutItsListReadsAsNoList) {
  TZYLImageList* list = ZYLContainer()->ImageList();
  const std::string internal = InternalLine(list);
  ASSERT_FALSE(internal.empty());
  // A foreign identifier names no list.
  {
    auto form = ReadRoadForm(FormText("Internal = 'NOSUCHLS'"));
    auto* button = dynamic_cast<TRoadButton*>(form->FindComponent("Button1"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->ImageList(), nullptr);
    EXPECT_FALSE(button->LoadedWithList);
  }
  // Without the container the stored identifier finds nothing; the button still shows.
  StopPackage();
  auto form = ReadRoadForm(FormText(internal));
  auto* button = dynamic_cast<TRoadButton*>(form->FindComponent("Button1"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->ImageList(), nullptr);
  form->Show();
  Idle();
  EXPECT_GE(button->Paints, 1);
  EXPECT_EQ(button->GlyphPaints, 0);
}

}  // namespace
}  // namespace zyl
