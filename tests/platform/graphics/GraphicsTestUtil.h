// Helpers of the graphics tests: bitmaps of a given format and size filled with a colour,
// pixel access, and a component with graphic properties for the form stream tests.
#pragma once

#include <string>

#include "platform/classes/Component.h"
#include "platform/graphics/Graphics.h"

namespace gfxtest {

// A bitmap of the format and size, filled with `fill`.
inline vcl::TBitmap* NewBitmap(int w, int h, vcl::TPixelFormat pf = vcl::pf32bit,
                               vcl::TColor fill = vcl::clWhite) {
  auto* b = new vcl::TBitmap;
  b->SetPixelFormat(pf);
  b->SetSize(w, h);
  b->Canvas()->Brush()->SetColor(fill);
  b->Canvas()->FillRect(vcl::Rect(0, 0, w, h));
  return b;
}

// The colour of a pixel (0x00BBGGRR).
inline vcl::TColor At(vcl::TBitmap* b, int x, int y) { return b->Canvas()->Pixels(x, y); }

inline int CountColor(vcl::TBitmap* b, vcl::TColor c, const vcl::TRect& r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += At(b, x, y) == c;
  return n;
}

// Writes what the test saw beside the test binary (for a failing pixel test).
inline std::string Snapshot(vcl::TBitmap* b, const std::string& name) {
  const std::string path = "graphics-" + name + ".png";
  try {
    vcl::WritePng(b, path);
  } catch (const vcl::Exception&) {
  }
  return " (picture written to " + path + ")";
}

// A component with the graphic properties a control publishes.
class TGfxHolder : public vcl::TComponent {
  ZYL_CLASS(TGfxHolder, vcl::TComponent)
  explicit TGfxHolder(vcl::TComponent* AOwner);
  ~TGfxHolder() override;

  vcl::TFont* Font() const { return font_; }
  void SetFont(vcl::TFont* v) { font_->Assign(v); }
  vcl::TPen* Pen() const { return pen_; }
  void SetPen(vcl::TPen* v) { pen_->Assign(v); }
  vcl::TBrush* Brush() const { return brush_; }
  void SetBrush(vcl::TBrush* v) { brush_->Assign(v); }
  vcl::TColor Color() const { return color_; }
  void SetColor(vcl::TColor v) { color_ = v; }
  vcl::TBitmap* Glyph() const { return glyph_; }
  void SetGlyph(vcl::TBitmap* v) { glyph_->Assign(v); }
  vcl::TPicture* Picture() const { return picture_; }
  void SetPicture(vcl::TPicture* v) { picture_->Assign(v); }
  vcl::TCursor Cursor() const { return cursor_; }
  void SetCursor(vcl::TCursor v) { cursor_ = v; }

 private:
  vcl::TFont* font_;
  vcl::TPen* pen_;
  vcl::TBrush* brush_;
  vcl::TColor color_ = vcl::clBtnFace;
  vcl::TBitmap* glyph_;
  vcl::TPicture* picture_;
  vcl::TCursor cursor_ = vcl::crDefault;
};

}  // namespace gfxtest
