// Fonts, pens and brushes: conversions, handles and change notification, and how form
// streams write them.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "GraphicsTestUtil.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/gdi/Gdi.h"

using namespace vcl;
using namespace gfxtest;

namespace {

std::string AsText(TComponent* c) { return ObjectBinaryToTextString(WriteComponentToBytes(c)); }

template <class T>
T Logical(win::HGDIOBJ h) {
  T v{};
  EXPECT_EQ(win::GetObjectA(h, sizeof v, &v), int(sizeof v));
  return v;
}

// What a font reports: name, height, size, style, charset, pitch, colour.
auto Describe(const TFont& f) {
  return std::make_tuple(f.Name(), f.Height(), f.Size(), f.Style(), f.Charset(), f.Pitch(),
                         f.Color());
}

}  // namespace

TEST(Font, SizeAndHeightConvertThroughPixelsPerInch) {
  // Pixels per inch, size set -> height, or height set -> size (points round half away).
  const struct {
    int Ppi;
    bool SetSize;
    int Value, Expect;
  } cases[] = {{96, true, 8, -11},   {96, true, 10, -13},  {96, true, 12, -16},
               {96, false, -15, 11}, {96, false, -14, 11}, {96, false, 20, -15},
               {120, true, 9, -15}};
  for (const auto& c : cases) {
    TFont f;
    f.SetPixelsPerInch(c.Ppi);
    if (c.SetSize)
      f.SetSize(c.Value);
    else
      f.SetHeight(c.Value);
    EXPECT_EQ(c.SetSize ? f.Height() : f.Size(), c.Expect) << c.Ppi << " " << c.Value;
  }
  TFont f;
  EXPECT_THROW(f.SetPixelsPerInch(0), EInvalidGraphicOperation);
}

TEST(Font, HandleIsCreatedOnceAndRenewedAfterAChange) {
  TFont f;
  EXPECT_FALSE(f.HandleAllocated());
  win::HFONT h1 = f.Handle();
  EXPECT_EQ(f.Handle(), h1);
  auto lf = Logical<win::LOGFONTA>(h1);
  EXPECT_EQ(std::make_tuple(lf.lfHeight, std::string(lf.lfFaceName), lf.lfWeight),
            std::make_tuple(-11, std::string("MS Sans Serif"), int(win::FW_NORMAL)));
  f.SetStyle({fsBold, fsUnderline});
  EXPECT_FALSE(f.HandleAllocated());
  win::HFONT h2 = f.Handle();
  lf = Logical<win::LOGFONTA>(h2);
  EXPECT_EQ(std::make_tuple(lf.lfWeight, lf.lfUnderline, lf.lfItalic),
            std::make_tuple(int(win::FW_BOLD), uint8_t(1), uint8_t(0)));
  f.SetColor(clRed);  // the colour is not part of the handle
  EXPECT_EQ(f.Handle(), h2);
}

TEST(Font, AssignedHandlesAndFontsCarryEverything) {
  win::LOGFONTA lf{};
  lf.lfHeight = -24;
  lf.lfWeight = win::FW_BOLD;
  lf.lfItalic = lf.lfStrikeOut = 1;
  lf.lfCharSet = win::SYMBOL_CHARSET;
  lf.lfPitchAndFamily = win::FIXED_PITCH;
  std::strcpy(lf.lfFaceName, "Arial");
  win::HFONT h = win::CreateFontIndirectA(&lf);
  TFont f, b;
  f.SetColor(clBlue);
  f.SetHandle(h);
  EXPECT_EQ(f.Handle(), h);
  const TFontStyles styles{fsBold, fsItalic, fsStrikeOut};
  const auto symbol = TFontCharset(win::SYMBOL_CHARSET);
  EXPECT_EQ(Describe(f),
            std::make_tuple(std::string("Arial"), -24, 18, styles, symbol, fpFixed, clBlue));
  // Assigning keeps the point size at the target's pixels per inch.
  b.SetPixelsPerInch(120);
  b.Assign(&f);
  EXPECT_EQ(Describe(b),
            std::make_tuple(std::string("Arial"), -30, 18, styles, symbol, fpFixed, clBlue));
  TPen pen;
  EXPECT_THROW(b.Assign(&pen), EConvertError);
}

// A listener of OnChange that reads the handle while SetHandle announces it.
struct THandleReader : TObject {
  TFont* Font = nullptr;
  win::HFONT Seen = nullptr;
  void Changed(TObject*) { Seen = Font->Handle(); }
};

TEST(Font, AListenerSeesTheAssignedHandle) {
  win::LOGFONTA lf{};
  lf.lfHeight = -13;
  lf.lfQuality = win::ANTIALIASED_QUALITY;
  std::strcpy(lf.lfFaceName, "Arial");
  const win::HFONT h = win::CreateFontIndirectA(&lf);
  TFont f;
  THandleReader reader;
  reader.Font = &f;
  f.OnChange = TNotifyEvent(&reader, &THandleReader::Changed);
  f.SetHandle(h);
  EXPECT_EQ(reader.Seen, h);
  EXPECT_EQ(f.Handle(), h);
}

TEST(GraphicsObjects, OnChangeFiresOncePerRealChange) {
  TCounter fc, pc, bc, before;
  TFont f;
  TPen pen;
  TBrush brush;
  f.OnChange = TNotifyEvent(&fc, &TCounter::Hit);
  pen.OnChange = TNotifyEvent(&pc, &TCounter::Hit);
  brush.OnChange = TNotifyEvent(&bc, &TCounter::Hit);
  brush.OnChanging = TNotifyEvent(&before, &TCounter::Hit);
  // An empty name and a negative width are ignored; repeated and unchanged values are not news.
  f.SetName("Arial");
  f.SetName("Arial");
  f.SetName("");
  f.SetSize(8);
  f.SetColor(clRed);
  pen.SetWidth(3);
  pen.SetWidth(3);
  pen.SetWidth(-1);
  pen.SetMode(pmXor);
  brush.SetStyle(bsCross);
  brush.SetColor(clYellow);
  EXPECT_EQ(std::vector<int>({fc.Count, pc.Count, bc.Count, before.Count}),
            std::vector<int>({2, 2, 2, 2}));
}

TEST(Pen, HandleFollowsTheProperties) {
  TPen pen;
  pen.SetColor(clBtnShadow);
  pen.SetStyle(psDot);
  EXPECT_EQ(Logical<win::LOGPEN>(pen.Handle()).lopnStyle, win::PS_DOT);
  pen.SetWidth(4);
  const auto lp = Logical<win::LOGPEN>(pen.Handle());
  EXPECT_EQ(std::make_pair(lp.lopnWidth.X, lp.lopnColor),
            std::make_pair(4, win::GetSysColor(win::COLOR_BTNSHADOW)));
  win::HPEN h = pen.Handle();
  pen.SetMode(pmNot);  // the mode is the canvas's business
  EXPECT_EQ(pen.Handle(), h);
  pen.SetStyle(psInsideFrame);
  EXPECT_EQ(Logical<win::LOGPEN>(pen.Handle()).lopnStyle, win::PS_INSIDEFRAME);
  const std::pair<TPenMode, int> rops[] = {
      {pmBlack, win::R2_BLACK},      {pmWhite, win::R2_WHITE},
      {pmNop, win::R2_NOP},          {pmNot, win::R2_NOT},
      {pmCopy, win::R2_COPYPEN},     {pmMask, win::R2_MASKPEN},
      {pmMerge, win::R2_MERGEPEN},   {pmXor, win::R2_XORPEN},
      {pmNotXor, win::R2_NOTXORPEN}, {pmMaskPenNot, win::R2_MASKPENNOT}};
  for (const auto& [mode, rop] : rops) EXPECT_EQ(PenModeToRop2(mode), rop) << int(mode);
}

TEST(Brush, StylesColoursAndHandles) {
  TBrush brush;
  auto lb = Logical<win::LOGBRUSH>(brush.Handle());
  EXPECT_EQ(std::make_pair(lb.lbStyle, lb.lbColor),
            std::make_pair(win::UINT(win::BS_SOLID), win::RGB(255, 255, 255)));
  brush.SetStyle(bsDiagCross);
  brush.SetColor(clRed);
  lb = Logical<win::LOGBRUSH>(brush.Handle());
  EXPECT_EQ(
      std::make_tuple(lb.lbStyle, int(lb.lbHatch), lb.lbColor),
      std::make_tuple(win::UINT(win::BS_HATCHED), int(win::HS_DIAGCROSS), win::RGB(255, 0, 0)));
  EXPECT_EQ(brush.Style(), bsDiagCross);
  // A clear brush forgets its colour; giving it a colour makes it solid again.
  brush.SetStyle(bsClear);
  EXPECT_EQ(brush.Color(), clWhite);
  EXPECT_EQ(Logical<win::LOGBRUSH>(brush.Handle()).lbStyle, win::BS_NULL);
  brush.SetColor(clNavy);
  EXPECT_EQ(brush.Style(), bsSolid);
  TBitmap pattern;  // a pattern bitmap makes a pattern brush
  pattern.SetSize(8, 8);
  brush.SetBitmap(&pattern);
  EXPECT_EQ(Logical<win::LOGBRUSH>(brush.Handle()).lbStyle, win::BS_PATTERN);
  brush.SetBitmap(nullptr);
  EXPECT_EQ(Logical<win::LOGBRUSH>(brush.Handle()).lbStyle, win::BS_SOLID);
}

// A pen or brush of a system colour draws in that colour as it is now: its handle is made again
// once the colour changed, and setting the same colour again tells the listeners (a canvas
// holding the old handle selects the new one).
TEST(GraphicsObjects, HandlesOfASystemColourFollowItsChange) {
  const int element = win::COLOR_BTNSHADOW;
  const win::COLORREF was = win::GetSysColor(element), pink = win::RGB(255, 192, 203);
  TPen pen;
  TBrush brush, red;
  pen.SetColor(clBtnShadow);
  brush.SetColor(clBtnShadow);
  red.SetColor(clRed);
  EXPECT_EQ(Logical<win::LOGPEN>(pen.Handle()).lopnColor, was);
  EXPECT_EQ(Logical<win::LOGBRUSH>(brush.Handle()).lbColor, was);
  const win::HBRUSH redHandle = red.Handle();
  TCounter penChanges, brushChanges;
  pen.OnChange = TNotifyEvent(&penChanges, &TCounter::Hit);
  brush.OnChange = TNotifyEvent(&brushChanges, &TCounter::Hit);
  win::SetSysColors(1, &element, &pink);
  EXPECT_EQ(Logical<win::LOGPEN>(pen.Handle()).lopnColor, pink);
  EXPECT_EQ(Logical<win::LOGBRUSH>(brush.Handle()).lbColor, pink);
  EXPECT_EQ(red.Handle(), redHandle);  // a colour of its own stays as it was
  EXPECT_EQ(penChanges.Count + brushChanges.Count, 0);
  // Set again after a change that no handle has seen yet: the listeners hear of it once.
  win::ResetSysColors();
  pen.SetColor(clBtnShadow);
  brush.SetColor(clBtnShadow);
  EXPECT_EQ(penChanges.Count, 1);
  EXPECT_EQ(brushChanges.Count, 1);
  EXPECT_EQ(Logical<win::LOGPEN>(pen.Handle()).lopnColor, was);
  EXPECT_EQ(Logical<win::LOGBRUSH>(brush.Handle()).lbColor, was);
  pen.SetColor(clBtnShadow);
  brush.SetColor(clBtnShadow);
  EXPECT_EQ(penChanges.Count + brushChanges.Count, 2);
}

TEST(GraphicsObjects, StreamsWriteOnlyWhatDiffersFromTheDefaults) {
  RegisterClass(TGfxHolder::StaticClass());
  TGfxHolder h(nullptr);
  h.SetName("Holder");
  auto expect = [&](std::vector<const char*> in, std::vector<const char*> out) {
    const std::string text = AsText(&h);
    for (const char* s : in) EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;
    for (const char* s : out) EXPECT_EQ(text.find(s), std::string::npos) << s << "\n" << text;
  };
  // Pens and brushes at their defaults are left out; a font writes what a form file holds.
  expect({"Font.Charset = DEFAULT_CHARSET", "Font.Color = clWindowText", "Font.Height = -11",
          "Font.Name = 'MS Sans Serif'", "Font.Style = []"},
         {"Pen.", "Brush.", "\n  Color = ", "Font.Size", "Font.Pitch", "Cursor"});
  h.Pen()->SetWidth(2);
  h.Pen()->SetColor(clRed);
  h.Brush()->SetStyle(bsClear);
  h.Font()->SetStyle({fsBold});
  h.Font()->SetPitch(fpFixed);
  h.SetColor(0x123456);
  h.SetCursor(crHandPoint);
  expect({"Pen.Color = clRed", "Pen.Width = 2", "Brush.Style = bsClear", "Font.Style = [fsBold]",
          "Font.Pitch = fpFixed", "Color = 1193046", "Cursor = crHandPoint"},
         {"Pen.Style"});
  // And everything comes back.
  TGfxHolder back(nullptr);
  ReadComponentFromBytes(WriteComponentToBytes(&h), &back);
  EXPECT_EQ(std::make_tuple(back.Pen()->Width(), back.Pen()->Color(), back.Brush()->Style(),
                            back.Color(), back.Cursor()),
            std::make_tuple(2, clRed, bsClear, 0x123456, crHandPoint));
  EXPECT_EQ(std::make_pair(back.Font()->Style(), back.Font()->Pitch()),
            std::make_pair(TFontStyles{fsBold}, fpFixed));
}

TEST(GraphicsObjects, StreamsReadNamedColoursAndCharsets) {
  RegisterClass(TGfxHolder::StaticClass());
  TGfxHolder h(nullptr);
  ReadComponentFromBytes(ObjectTextToBinaryString("object Holder: TGfxHolder\n"
                                                  "  Color = clInfoBk\n"
                                                  "  Font.Charset = ANSI_CHARSET\n"
                                                  "  Font.Color = $00ABCDEF\n"
                                                  "  Font.Height = -13\n"
                                                  "  Font.Name = 'Arial'\n"
                                                  "  Font.Style = [fsItalic, fsStrikeOut]\n"
                                                  "  Pen.Mode = pmXor\n"
                                                  "end\n"),
                         &h);
  EXPECT_EQ(h.Color(), clInfoBk);
  EXPECT_EQ(Describe(*h.Font()),
            std::make_tuple(std::string("Arial"), -13, 10, TFontStyles{fsItalic, fsStrikeOut},
                            TFontCharset(0), fpDefault, TColor(0x00ABCDEF)));
  EXPECT_EQ(h.Pen()->Mode(), pmXor);
}
