// Fonts, pens and brushes: defaults, conversions, handles and change notification, and how
// form streams write them.
#include <gtest/gtest.h>

#include <cstring>

#include "GraphicsTestUtil.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"

using namespace vcl;
using gfxtest::TGfxHolder;

namespace {

class TCounter : public TObject {
 public:
  void Hit(TObject*) { ++Count; }
  int Count = 0;
};

std::string AsText(TComponent* c) { return ObjectBinaryToTextString(WriteComponentToBytes(c)); }

}  // namespace

TEST(Font, Defaults) {
  TFont f;
  EXPECT_EQ(f.Name(), "MS Sans Serif");
  EXPECT_EQ(f.Height(), -11);
  EXPECT_EQ(f.Size(), 8);
  EXPECT_EQ(f.Color(), clWindowText);
  EXPECT_EQ(f.Style(), TFontStyles{});
  EXPECT_EQ(f.Pitch(), fpDefault);
  EXPECT_EQ(f.Charset(), 1);
  EXPECT_EQ(f.PixelsPerInch(), 96);
}

TEST(Font, SizeAndHeightConvertThroughPixelsPerInch) {
  TFont f;
  f.SetSize(10);
  EXPECT_EQ(f.Height(), -13);  // 10 * 96 / 72 = 13.33
  EXPECT_EQ(f.Size(), 10);
  f.SetSize(12);
  EXPECT_EQ(f.Height(), -16);
  f.SetHeight(-15);
  EXPECT_EQ(f.Size(), 11);  // 15 * 72 / 96 = 11.25
  f.SetHeight(-14);
  EXPECT_EQ(f.Size(), 11);  // 10.5 rounds away from zero
  f.SetHeight(20);          // a cell height gives a negative size
  EXPECT_EQ(f.Size(), -15);
  f.SetPixelsPerInch(120);
  f.SetSize(9);
  EXPECT_EQ(f.Height(), -15);
  EXPECT_THROW(f.SetPixelsPerInch(0), EInvalidGraphicOperation);
}

TEST(Font, HandleIsCreatedOnceAndRenewedAfterAChange) {
  TFont f;
  EXPECT_FALSE(f.HandleAllocated());
  win::HFONT h1 = f.Handle();
  ASSERT_NE(h1, nullptr);
  EXPECT_EQ(f.Handle(), h1);
  win::LOGFONTA lf;
  ASSERT_EQ(win::GetObjectA(h1, sizeof lf, &lf), int(sizeof lf));
  EXPECT_EQ(lf.lfHeight, -11);
  EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(lf.lfWeight, win::FW_NORMAL);

  f.SetStyle({fsBold, fsUnderline});
  EXPECT_FALSE(f.HandleAllocated());
  win::HFONT h2 = f.Handle();
  ASSERT_EQ(win::GetObjectA(h2, sizeof lf, &lf), int(sizeof lf));
  EXPECT_EQ(lf.lfWeight, win::FW_BOLD);
  EXPECT_EQ(lf.lfUnderline, 1);
  EXPECT_EQ(lf.lfItalic, 0);
  // The colour is not part of the handle.
  f.SetColor(clRed);
  EXPECT_EQ(f.Handle(), h2);
}

TEST(Font, AssignedHandleDescribesTheFont) {
  win::LOGFONTA lf;
  lf.lfHeight = -24;
  lf.lfWeight = win::FW_BOLD;
  lf.lfItalic = 1;
  lf.lfStrikeOut = 1;
  lf.lfCharSet = win::SYMBOL_CHARSET;
  lf.lfPitchAndFamily = win::FIXED_PITCH;
  std::strcpy(lf.lfFaceName, "Arial");
  win::HFONT h = win::CreateFontIndirectA(&lf);
  TFont f;
  f.SetColor(clBlue);
  f.SetHandle(h);
  EXPECT_EQ(f.Handle(), h);
  EXPECT_EQ(f.Name(), "Arial");
  EXPECT_EQ(f.Height(), -24);
  EXPECT_EQ(f.Style(), (TFontStyles{fsBold, fsItalic, fsStrikeOut}));
  EXPECT_EQ(f.Charset(), win::SYMBOL_CHARSET);
  EXPECT_EQ(f.Pitch(), fpFixed);
  EXPECT_EQ(f.Color(), clBlue);
}

TEST(Font, AssignCopiesEverythingAndKeepsThePointSize) {
  TFont a, b;
  a.SetName("Arial");
  a.SetSize(12);
  a.SetStyle({fsItalic});
  a.SetColor(clGreen);
  a.SetCharset(0);
  b.SetPixelsPerInch(120);
  b.Assign(&a);
  EXPECT_EQ(b.Name(), "Arial");
  EXPECT_EQ(b.Size(), 12);
  EXPECT_EQ(b.Height(), -20);
  EXPECT_EQ(b.Style(), TFontStyles{fsItalic});
  EXPECT_EQ(b.Color(), clGreen);
  EXPECT_EQ(b.Charset(), 0);
  TPen pen;
  EXPECT_THROW(b.Assign(&pen), EConvertError);
}

TEST(GraphicsObjects, OnChangeFiresOncePerRealChange) {
  TCounter c;
  TFont f;
  f.OnChange = TNotifyEvent(&c, &TCounter::Hit);
  f.SetName("Arial");
  f.SetName("Arial");
  f.SetName("");  // ignored
  f.SetSize(8);   // unchanged
  f.SetColor(clRed);
  EXPECT_EQ(c.Count, 2);

  TCounter p;
  TPen pen;
  pen.OnChange = TNotifyEvent(&p, &TCounter::Hit);
  pen.SetWidth(3);
  pen.SetWidth(3);
  pen.SetWidth(-1);  // ignored
  pen.SetMode(pmXor);
  EXPECT_EQ(p.Count, 2);

  TCounter b, before;
  TBrush brush;
  brush.OnChange = TNotifyEvent(&b, &TCounter::Hit);
  brush.OnChanging = TNotifyEvent(&before, &TCounter::Hit);
  brush.SetStyle(bsCross);
  brush.SetColor(clYellow);
  EXPECT_EQ(b.Count, 2);
  EXPECT_EQ(before.Count, 2);
}

TEST(Pen, HandleFollowsTheProperties) {
  TPen pen;
  EXPECT_EQ(pen.Color(), clBlack);
  EXPECT_EQ(pen.Width(), 1);
  EXPECT_EQ(pen.Style(), psSolid);
  EXPECT_EQ(pen.Mode(), pmCopy);
  pen.SetColor(clBtnShadow);
  pen.SetStyle(psDot);
  win::LOGPEN lp;
  ASSERT_EQ(win::GetObjectA(pen.Handle(), sizeof lp, &lp), int(sizeof lp));
  EXPECT_EQ(lp.lopnStyle, win::PS_DOT);
  pen.SetWidth(4);
  ASSERT_EQ(win::GetObjectA(pen.Handle(), sizeof lp, &lp), int(sizeof lp));
  EXPECT_EQ(lp.lopnWidth.X, 4);
  EXPECT_EQ(lp.lopnColor, win::GetSysColor(win::COLOR_BTNSHADOW));
  win::HPEN h = pen.Handle();
  pen.SetMode(pmNot);  // the mode is the canvas's business
  EXPECT_EQ(pen.Handle(), h);
  pen.SetStyle(psInsideFrame);
  win::GetObjectA(pen.Handle(), sizeof lp, &lp);
  EXPECT_EQ(lp.lopnStyle, win::PS_INSIDEFRAME);
}

TEST(Pen, ModesMapToBinaryRasterOperations) {
  EXPECT_EQ(PenModeToRop2(pmBlack), win::R2_BLACK);
  EXPECT_EQ(PenModeToRop2(pmWhite), win::R2_WHITE);
  EXPECT_EQ(PenModeToRop2(pmNop), win::R2_NOP);
  EXPECT_EQ(PenModeToRop2(pmNot), win::R2_NOT);
  EXPECT_EQ(PenModeToRop2(pmCopy), win::R2_COPYPEN);
  EXPECT_EQ(PenModeToRop2(pmMask), win::R2_MASKPEN);
  EXPECT_EQ(PenModeToRop2(pmMerge), win::R2_MERGEPEN);
  EXPECT_EQ(PenModeToRop2(pmXor), win::R2_XORPEN);
  EXPECT_EQ(PenModeToRop2(pmNotXor), win::R2_NOTXORPEN);
  EXPECT_EQ(PenModeToRop2(pmMaskPenNot), win::R2_MASKPENNOT);
}

TEST(Brush, StylesColoursAndHandles) {
  TBrush brush;
  EXPECT_EQ(brush.Color(), clWhite);
  EXPECT_EQ(brush.Style(), bsSolid);
  win::LOGBRUSH lb;
  ASSERT_EQ(win::GetObjectA(brush.Handle(), sizeof lb, &lb), int(sizeof lb));
  EXPECT_EQ(lb.lbStyle, win::BS_SOLID);
  EXPECT_EQ(lb.lbColor, win::RGB(255, 255, 255));

  brush.SetStyle(bsDiagCross);
  brush.SetColor(clRed);
  win::GetObjectA(brush.Handle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, win::BS_HATCHED);
  EXPECT_EQ(int(lb.lbHatch), win::HS_DIAGCROSS);
  EXPECT_EQ(lb.lbColor, win::RGB(255, 0, 0));
  EXPECT_EQ(brush.Style(), bsDiagCross);

  // A clear brush forgets its colour; giving it a colour makes it solid again.
  brush.SetStyle(bsClear);
  EXPECT_EQ(brush.Color(), clWhite);
  win::GetObjectA(brush.Handle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, win::BS_NULL);
  brush.SetColor(clNavy);
  EXPECT_EQ(brush.Style(), bsSolid);

  // A pattern bitmap makes a pattern brush.
  TBitmap pattern;
  pattern.SetSize(8, 8);
  brush.SetBitmap(&pattern);
  win::GetObjectA(brush.Handle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, win::BS_PATTERN);
  brush.SetBitmap(nullptr);
  win::GetObjectA(brush.Handle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, win::BS_SOLID);
}

TEST(GraphicsObjects, StreamsWriteOnlyWhatDiffersFromTheDefaults) {
  RegisterClass(TGfxHolder::StaticClass());
  TGfxHolder h(nullptr);
  h.SetName("Holder");
  std::string text = AsText(&h);
  // Pens and brushes at their defaults are left out; a font writes what a form file holds.
  EXPECT_EQ(text.find("Pen."), std::string::npos) << text;
  EXPECT_EQ(text.find("Brush."), std::string::npos) << text;
  EXPECT_EQ(text.find("\n  Color = "), std::string::npos) << text;
  EXPECT_NE(text.find("Font.Charset = DEFAULT_CHARSET"), std::string::npos) << text;
  EXPECT_NE(text.find("Font.Color = clWindowText"), std::string::npos) << text;
  EXPECT_NE(text.find("Font.Height = -11"), std::string::npos) << text;
  EXPECT_NE(text.find("Font.Name = 'MS Sans Serif'"), std::string::npos) << text;
  EXPECT_NE(text.find("Font.Style = []"), std::string::npos) << text;
  EXPECT_EQ(text.find("Font.Size"), std::string::npos) << text;
  EXPECT_EQ(text.find("Font.Pitch"), std::string::npos) << text;
  EXPECT_EQ(text.find("Cursor"), std::string::npos) << text;

  h.Pen()->SetWidth(2);
  h.Pen()->SetColor(clRed);
  h.Brush()->SetStyle(bsClear);
  h.Font()->SetStyle({fsBold});
  h.Font()->SetPitch(fpFixed);
  h.SetColor(0x123456);
  h.SetCursor(crHandPoint);
  text = AsText(&h);
  EXPECT_NE(text.find("Pen.Color = clRed"), std::string::npos) << text;
  EXPECT_NE(text.find("Pen.Width = 2"), std::string::npos) << text;
  EXPECT_EQ(text.find("Pen.Style"), std::string::npos) << text;
  EXPECT_NE(text.find("Brush.Style = bsClear"), std::string::npos) << text;
  EXPECT_NE(text.find("Font.Style = [fsBold]"), std::string::npos) << text;
  EXPECT_NE(text.find("Font.Pitch = fpFixed"), std::string::npos) << text;
  EXPECT_NE(text.find("Color = 1193046"), std::string::npos) << text;
  EXPECT_NE(text.find("Cursor = crHandPoint"), std::string::npos) << text;

  // And everything comes back.
  TGfxHolder back(nullptr);
  ReadComponentFromBytes(WriteComponentToBytes(&h), &back);
  EXPECT_EQ(back.Pen()->Width(), 2);
  EXPECT_EQ(back.Pen()->Color(), clRed);
  EXPECT_EQ(back.Brush()->Style(), bsClear);
  EXPECT_EQ(back.Font()->Style(), TFontStyles{fsBold});
  EXPECT_EQ(back.Font()->Pitch(), fpFixed);
  EXPECT_EQ(back.Color(), 0x123456);
  EXPECT_EQ(back.Cursor(), crHandPoint);
}

TEST(GraphicsObjects, StreamsReadNamedColoursAndCharsets) {
  RegisterClass(TGfxHolder::StaticClass());
  const std::string text =
      "object Holder: TGfxHolder\n"
      "  Color = clInfoBk\n"
      "  Font.Charset = ANSI_CHARSET\n"
      "  Font.Color = $00ABCDEF\n"
      "  Font.Height = -13\n"
      "  Font.Name = 'Arial'\n"
      "  Font.Style = [fsItalic, fsStrikeOut]\n"
      "  Pen.Mode = pmXor\n"
      "end\n";
  TGfxHolder h(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString(text), &h);
  EXPECT_EQ(h.Color(), clInfoBk);
  EXPECT_EQ(h.Font()->Charset(), 0);
  EXPECT_EQ(h.Font()->Color(), 0x00ABCDEF);
  EXPECT_EQ(h.Font()->Size(), 10);
  EXPECT_EQ(h.Font()->Name(), "Arial");
  EXPECT_EQ(h.Font()->Style(), (TFontStyles{fsItalic, fsStrikeOut}));
  EXPECT_EQ(h.Pen()->Mode(), pmXor);
}
