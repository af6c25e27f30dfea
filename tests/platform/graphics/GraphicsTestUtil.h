// Helpers of the graphics tests: bitmaps of a given format and size filled with a colour,
// pixel checks that write a picture of a failure, saving and loading graphics through
// streams, and a component with graphic properties for the form stream tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/graphics/Graphics.h"
#include "tests/support/PixelCheck.h"

namespace gfxtest {

// A bitmap of the format and size, filled with `fill`.
vcl::TBitmap* NewBitmap(int w, int h, vcl::TPixelFormat pf = vcl::pf32bit,
                        vcl::TColor fill = vcl::clWhite);

// The colour of a pixel (0x00BBGGRR); how many pixels of r have colour c.
inline vcl::TColor At(vcl::TBitmap* b, int x, int y) { return b->Canvas()->Pixels(x, y); }
int CountColor(vcl::TBitmap* b, vcl::TColor c, const vcl::TRect& r);

// What a bitmap shows, for the test kit's pixel checks (tests/support/PixelCheck.h).
win::testkit::TCapture Capture(vcl::TBitmap* b);

// Expected colours at points: a mismatch fails with the first wrong pixel and writes what the
// test saw through the test kit.
struct TPx {
  int X, Y;
  vcl::TColor Color;
};
void ExpectPixels(vcl::TBitmap* b, const std::vector<TPx>& want, const std::string& what);
// Every pixel of b: `want(x, y)`.
template <class F>
void ExpectEveryPixel(vcl::TBitmap* b, F want, const std::string& what) {
  EXPECT_TRUE(win::testkit::PixelsMatch(
      Capture(b), [&](int x, int y) { return win::COLORREF(want(x, y)); }, what));
}

std::string Save(vcl::TGraphic* g);
void LoadInto(vcl::TGraphic* g, const std::string& bytes);
// Loads the bytes into a new graphic of class G.
template <class G>
std::unique_ptr<G> Load(const std::string& bytes) {
  auto g = std::make_unique<G>();
  LoadInto(g.get(), bytes);
  return g;
}
// A kept fuzz input of the target (tests/fuzz/<target>/regress/<name>.bin).
std::string Regress(const std::string& target, const std::string& name);

// A component with the graphic properties a control publishes.
class TGfxHolder : public vcl::TComponent {
  ZYL_CLASS(TGfxHolder, vcl::TComponent)
  explicit TGfxHolder(vcl::TComponent* AOwner) : inherited(AOwner) {}
  vcl::TFont* Font() const { return font_.get(); }
  void SetFont(vcl::TFont* v) { font_->Assign(v); }
  vcl::TPen* Pen() const { return pen_.get(); }
  void SetPen(vcl::TPen* v) { pen_->Assign(v); }
  vcl::TBrush* Brush() const { return brush_.get(); }
  void SetBrush(vcl::TBrush* v) { brush_->Assign(v); }
  vcl::TColor Color() const { return color_; }
  void SetColor(vcl::TColor v) { color_ = v; }
  vcl::TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(vcl::TBitmap* v) { glyph_->Assign(v); }
  vcl::TPicture* Picture() const { return picture_.get(); }
  void SetPicture(vcl::TPicture* v) { picture_->Assign(v); }
  vcl::TCursor Cursor() const { return cursor_; }
  void SetCursor(vcl::TCursor v) { cursor_ = v; }

 private:
  std::unique_ptr<vcl::TFont> font_ = std::make_unique<vcl::TFont>();
  std::unique_ptr<vcl::TPen> pen_ = std::make_unique<vcl::TPen>();
  std::unique_ptr<vcl::TBrush> brush_ = std::make_unique<vcl::TBrush>();
  vcl::TColor color_ = vcl::clBtnFace;
  std::unique_ptr<vcl::TBitmap> glyph_ = std::make_unique<vcl::TBitmap>();
  std::unique_ptr<vcl::TPicture> picture_ = std::make_unique<vcl::TPicture>();
  vcl::TCursor cursor_ = vcl::crDefault;
};

// Counts the events it receives.
class TCounter : public vcl::TObject {
 public:
  void Hit(vcl::TObject*) { ++Count; }
  int Count = 0;
};

}  // namespace gfxtest
