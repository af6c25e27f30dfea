#include "GraphicsTestUtil.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "tests/support/TempDir.h"

namespace gfxtest {

vcl::TBitmap* NewBitmap(int w, int h, vcl::TPixelFormat pf, vcl::TColor fill) {
  auto* b = new vcl::TBitmap;
  b->SetPixelFormat(pf);
  b->SetSize(w, h);
  b->Canvas()->Brush()->SetColor(fill);
  b->Canvas()->FillRect(vcl::Rect(0, 0, w, h));
  return b;
}

int CountColor(vcl::TBitmap* b, vcl::TColor c, const vcl::TRect& r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += At(b, x, y) == c;
  return n;
}

win::testkit::TCapture Capture(vcl::TBitmap* b) {
  return win::testkit::MakeCapture(b->Width(), b->Height(),
                                   [b](int x, int y) { return win::COLORREF(At(b, x, y)); });
}

void ExpectPixels(vcl::TBitmap* b, const std::vector<TPx>& want, const std::string& what) {
  for (const TPx& p : want) {
    const vcl::TColor got = At(b, p.X, p.Y);
    if (got == p.Color) continue;
    ADD_FAILURE() << what << ": pixel " << p.X << "," << p.Y << " is " << std::hex << got
                  << ", not " << p.Color << "; saw "
                  << win::testkit::WriteFailurePng(Capture(b), what);
    return;
  }
}

std::string Save(vcl::TGraphic* g) {
  vcl::TStringStream s;
  g->SaveToStream(&s);
  return s.DataString();
}

void LoadInto(vcl::TGraphic* g, const std::string& bytes) {
  vcl::TStringStream s(bytes);
  g->LoadFromStream(&s);
}

std::string Regress(const std::string& target, const std::string& name) {
  std::ifstream f(testsupport::SourceDir() + "/tests/fuzz/" + target + "/regress/" + name + ".bin",
                  std::ios::binary);
  EXPECT_TRUE(f.good()) << target << "/" << name;
  return std::string(std::istreambuf_iterator<char>(f), {});
}

ZYL_CLASS_IMPL(TGfxHolder) {
  b.Prop("Brush", &TGfxHolder::Brush, &TGfxHolder::SetBrush)
      .Prop("Color", &TGfxHolder::Color, &TGfxHolder::SetColor, vcl::ColorTypeInfo())
      .Default(vcl::clBtnFace)
      .Prop("Cursor", &TGfxHolder::Cursor, &TGfxHolder::SetCursor, vcl::CursorTypeInfo())
      .Default(vcl::crDefault)
      .Prop("Font", &TGfxHolder::Font, &TGfxHolder::SetFont)
      .Prop("Glyph", &TGfxHolder::Glyph, &TGfxHolder::SetGlyph)
      .Prop("Pen", &TGfxHolder::Pen, &TGfxHolder::SetPen)
      .Prop("Picture", &TGfxHolder::Picture, &TGfxHolder::SetPicture);
}

}  // namespace gfxtest
