#include "platform/graphics/GraphicsObjects.h"

#include <cstring>

#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

namespace {

struct TCharsetName {
  int32_t Value;
  const char* Name;
};

const TCharsetName kCharsets[] = {
    {win::ANSI_CHARSET, "ANSI_CHARSET"},
    {win::DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {win::SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {win::MAC_CHARSET, "MAC_CHARSET"},
    {win::SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
    {win::HANGEUL_CHARSET, "HANGEUL_CHARSET"},
    {win::JOHAB_CHARSET, "JOHAB_CHARSET"},
    {win::GB2312_CHARSET, "GB2312_CHARSET"},
    {win::CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {win::GREEK_CHARSET, "GREEK_CHARSET"},
    {win::TURKISH_CHARSET, "TURKISH_CHARSET"},
    {win::VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
    {win::HEBREW_CHARSET, "HEBREW_CHARSET"},
    {win::ARABIC_CHARSET, "ARABIC_CHARSET"},
    {win::BALTIC_CHARSET, "BALTIC_CHARSET"},
    {win::RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {win::THAI_CHARSET, "THAI_CHARSET"},
    {win::EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {win::OEM_CHARSET, "OEM_CHARSET"},
};

const int kRop2OfMode[] = {
    win::R2_BLACK,       win::R2_WHITE,       win::R2_NOP,        win::R2_NOT,
    win::R2_COPYPEN,     win::R2_NOTCOPYPEN,  win::R2_MERGEPENNOT, win::R2_MASKPENNOT,
    win::R2_MERGENOTPEN, win::R2_MASKNOTPEN,  win::R2_MERGEPEN,   win::R2_NOTMERGEPEN,
    win::R2_MASKPEN,     win::R2_NOTMASKPEN,  win::R2_XORPEN,     win::R2_NOTXORPEN,
};

const win::UINT kPenStyles[] = {win::PS_SOLID,      win::PS_DASH, win::PS_DOT,
                                win::PS_DASHDOT,    win::PS_DASHDOTDOT, win::PS_NULL,
                                win::PS_INSIDEFRAME};

}  // namespace

int PenModeToRop2(TPenMode Mode) {
  return Mode <= pmNotXor ? kRop2OfMode[Mode] : win::R2_COPYPEN;
}

bool CharsetToIdent(int32_t Charset, std::string& Ident) {
  for (const auto& c : kCharsets)
    if (c.Value == Charset) {
      Ident = c.Name;
      return true;
    }
  return false;
}

bool IdentToCharset(const std::string& Ident, int32_t& Charset) {
  for (const auto& c : kCharsets)
    if (SameText(Ident, c.Name)) {
      Charset = c.Value;
      return true;
    }
  return false;
}

const TTypeInfo* FontCharsetTypeInfo() {
  static const TTypeInfo* const info =
      MakeIntegerConstsTypeInfo("TFontCharset", 0, 255, &IdentToCharset, &CharsetToIdent);
  return info;
}

// ---------------------------------------------------------------------------------------------
// TGraphicsObject

ZYL_CLASS_IMPL(TGraphicsObject) {}

TGraphicsObject::~TGraphicsObject() {
  if (retired_) win::DeleteObject(retired_);
}

void TGraphicsObject::Retire(win::HGDIOBJ handle) {
  if (!handle) return;
  if (retired_) win::DeleteObject(retired_);
  retired_ = handle;
}

void TGraphicsObject::Changed() {
  OnChange(this);
  if (retired_) {
    win::DeleteObject(retired_);
    retired_ = nullptr;
  }
}
void TGraphicsObject::Changing() { OnChanging(this); }

// ---------------------------------------------------------------------------------------------
// TFont

// Every property but Pitch and Size is written whenever a font is stored, as the framework's
// form files carry them; Size is derived from Height and never stored.
ZYL_CLASS_IMPL(TFont) {
  b.Prop("Charset", &TFont::Charset, &TFont::SetCharset, FontCharsetTypeInfo())
      .Prop("Color", &TFont::Color, &TFont::SetColor, ColorTypeInfo())
      .Prop("Height", &TFont::Height, &TFont::SetHeight)
      .Prop("Name", &TFont::Name, &TFont::SetName)
      .Prop("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault)
      .Prop("Size", &TFont::Size, &TFont::SetSize).Stored(false)
      .Prop("Style", &TFont::Style, &TFont::SetStyle);
}

TFont::TFont() : pixelsPerInch_(win::ScreenLogPixels()) {}

TFont::~TFont() { FreeHandle(); }

void TFont::FreeHandle() {
  Retire(handle_);
  handle_ = nullptr;
}

void TFont::Changed() {
  FreeHandle();
  inherited::Changed();
}

void TFont::Assign(TPersistent* Source) {
  if (auto* f = dynamic_cast<TFont*>(Source)) {
    if (f == this) return;
    Changing();
    name_ = f->name_;
    style_ = f->style_;
    pitch_ = f->pitch_;
    charset_ = f->charset_;
    color_ = f->color_;
    // The same size in points when the two fonts measure in different resolutions.
    if (pixelsPerInch_ != f->pixelsPerInch_)
      height_ = -win::MulDiv(f->Size(), pixelsPerInch_, 72);
    else
      height_ = f->height_;
    Changed();
    return;
  }
  inherited::Assign(Source);
}

win::HFONT TFont::Handle() {
  if (!handle_) {
    win::LOGFONTA lf;
    lf.lfHeight = height_;
    lf.lfWeight = style_.contains(fsBold) ? win::FW_BOLD : win::FW_NORMAL;
    lf.lfItalic = style_.contains(fsItalic);
    lf.lfUnderline = style_.contains(fsUnderline);
    lf.lfStrikeOut = style_.contains(fsStrikeOut);
    lf.lfCharSet = charset_;
    lf.lfOutPrecision = win::OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = win::CLIP_DEFAULT_PRECIS;
    lf.lfQuality = win::DEFAULT_QUALITY;
    lf.lfPitchAndFamily = pitch_ == fpVariable ? win::VARIABLE_PITCH
                          : pitch_ == fpFixed  ? win::FIXED_PITCH
                                               : win::DEFAULT_PITCH;
    std::strncpy(lf.lfFaceName, name_.c_str(), win::LF_FACESIZE - 1);
    handle_ = win::CreateFontIndirectA(&lf);
  }
  return handle_;
}

void TFont::SetHandle(win::HFONT Value) {
  if (Value == handle_) return;
  win::LOGFONTA lf;
  if (Value && win::GetObjectA(Value, sizeof lf, &lf) != int(sizeof lf))
    throw EInvalidGraphicOperation(SInvalidFontHandle);
  Changing();
  FreeHandle();
  if (Value) {
    name_ = std::string(lf.lfFaceName, strnlen(lf.lfFaceName, win::LF_FACESIZE));
    height_ = lf.lfHeight;
    style_ = {};
    if (lf.lfWeight >= win::FW_BOLD) style_ += fsBold;
    if (lf.lfItalic) style_ += fsItalic;
    if (lf.lfUnderline) style_ += fsUnderline;
    if (lf.lfStrikeOut) style_ += fsStrikeOut;
    charset_ = lf.lfCharSet;
    const int pitch = lf.lfPitchAndFamily & 3;
    pitch_ = pitch == win::FIXED_PITCH ? fpFixed : pitch == win::VARIABLE_PITCH ? fpVariable : fpDefault;
  }
  // Taken before the change is announced: a listener that asks for the handle gets this one
  // (and does not make another from the properties).
  handle_ = Value;
  inherited::Changed();
}

void TFont::SetName(const TFontName& Value) {
  if (!Value.empty()) ChangeValue(name_, Value);
}

void TFont::SetHeight(int32_t Value) { ChangeValue(height_, Value); }

int32_t TFont::Size() const { return -win::MulDiv(height_, 72, pixelsPerInch_); }

void TFont::SetSize(int32_t Value) { SetHeight(-win::MulDiv(Value, pixelsPerInch_, 72)); }

void TFont::SetStyle(TFontStyles Value) { ChangeValue(style_, Value); }

void TFont::SetColor(TColor Value) {
  if (Value == color_) return;
  Changing();
  color_ = Value;
  // The colour is not part of the font handle.
  inherited::Changed();
}

void TFont::SetPitch(TFontPitch Value) { ChangeValue(pitch_, Value); }

void TFont::SetCharset(TFontCharset Value) { ChangeValue(charset_, Value); }

void TFont::SetPixelsPerInch(int32_t Value) {
  if (Value <= 0) throw EInvalidGraphicOperation(SInvalidPixelsPerInch);
  pixelsPerInch_ = Value;
}

// ---------------------------------------------------------------------------------------------
// TPen

ZYL_CLASS_IMPL(TPen) {
  b.Prop("Color", &TPen::Color, &TPen::SetColor, ColorTypeInfo()).Default(clBlack)
      .Prop("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy)
      .Prop("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid)
      .Prop("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

TPen::~TPen() { FreeHandle(); }

void TPen::FreeHandle() {
  Retire(handle_);
  handle_ = nullptr;
}

void TPen::Assign(TPersistent* Source) {
  if (auto* p = dynamic_cast<TPen*>(Source)) {
    if (p == this) return;
    Changing();
    FreeHandle();
    color_ = p->color_;
    mode_ = p->mode_;
    style_ = p->style_;
    width_ = p->width_;
    Changed();
    return;
  }
  inherited::Assign(Source);
}

// A handle made from a system colour is made again once that colour changed.
bool TPen::Stale() const {
  return handle_ && IsSystemColor(color_) &&
         made_ != static_cast<win::COLORREF>(ColorToRGB(color_));
}

win::HPEN TPen::Handle() {
  if (Stale()) FreeHandle();
  if (!handle_) {
    win::LOGPEN lp;
    lp.lopnStyle = kPenStyles[style_ <= psInsideFrame ? style_ : psSolid];
    lp.lopnWidth.X = width_;
    lp.lopnColor = made_ = static_cast<win::COLORREF>(ColorToRGB(color_));
    handle_ = win::CreatePenIndirect(&lp);
  }
  return handle_;
}

void TPen::SetHandle(win::HPEN Value) {
  if (Value == handle_) return;
  win::LOGPEN lp;
  if (Value && win::GetObjectA(Value, sizeof lp, &lp) != int(sizeof lp))
    throw EInvalidGraphicOperation(SInvalidPenHandle);
  Changing();
  FreeHandle();
  if (Value) {
    color_ = static_cast<TColor>(lp.lopnColor);
    made_ = lp.lopnColor;
    width_ = lp.lopnWidth.X;
    style_ = psSolid;
    for (int i = 0; i <= psInsideFrame; ++i)
      if (kPenStyles[i] == (lp.lopnStyle & win::PS_STYLE_MASK)) style_ = static_cast<TPenStyle>(i);
  }
  handle_ = Value;
  Changed();
}

// The same system colour set again after it changed lets go of the handle made from the old one.
void TPen::SetColor(TColor Value) {
  if (Value == color_ && Stale()) {
    Changing();
    FreeHandle();
    Changed();
    return;
  }
  ChangeValue(color_, Value, [this] { FreeHandle(); });
}

// The mode is not part of the pen handle.
void TPen::SetMode(TPenMode Value) { ChangeValue(mode_, Value); }

void TPen::SetStyle(TPenStyle Value) {
  ChangeValue(style_, Value, [this] { FreeHandle(); });
}

void TPen::SetWidth(int32_t Value) {
  if (Value >= 0) ChangeValue(width_, Value, [this] { FreeHandle(); });
}

// ---------------------------------------------------------------------------------------------
// TBrush

ZYL_CLASS_IMPL(TBrush) {
  b.Prop("Color", &TBrush::Color, &TBrush::SetColor, ColorTypeInfo()).Default(clWhite)
      .Prop("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

TBrush::~TBrush() { FreeHandle(); }

void TBrush::FreeHandle() {
  Retire(handle_);
  handle_ = nullptr;
}

void TBrush::Assign(TPersistent* Source) {
  if (auto* br = dynamic_cast<TBrush*>(Source)) {
    if (br == this) return;
    Changing();
    FreeHandle();
    color_ = br->color_;
    style_ = br->style_;
    bitmap_ = br->bitmap_;
    Changed();
    return;
  }
  inherited::Assign(Source);
}

bool TBrush::Stale() const {
  return handle_ && !(bitmap_ && !bitmap_->Empty()) && IsSystemColor(color_) &&
         made_ != static_cast<win::COLORREF>(ColorToRGB(color_));
}

// A handle made from a system colour is made again once that colour changed.
win::HBRUSH TBrush::Handle() {
  if (Stale()) FreeHandle();
  if (!handle_) {
    const auto rgb = made_ = static_cast<win::COLORREF>(ColorToRGB(color_));
    if (bitmap_ && !bitmap_->Empty()) {
      handle_ = win::CreatePatternBrush(bitmap_->Handle());
    } else if (style_ == bsSolid) {
      handle_ = win::CreateSolidBrush(rgb);
    } else if (style_ == bsClear) {
      win::LOGBRUSH lb;
      lb.lbStyle = win::BS_HOLLOW;
      handle_ = win::CreateBrushIndirect(&lb);
    } else {
      handle_ = win::CreateHatchBrush(int(style_) - int(bsHorizontal) + win::HS_HORIZONTAL, rgb);
    }
  }
  return handle_;
}

void TBrush::SetHandle(win::HBRUSH Value) {
  if (Value == handle_) return;
  win::LOGBRUSH lb;
  if (Value && win::GetObjectA(Value, sizeof lb, &lb) != int(sizeof lb))
    throw EInvalidGraphicOperation(SInvalidBrushHandle);
  Changing();
  FreeHandle();
  if (Value) {
    bitmap_ = nullptr;
    color_ = static_cast<TColor>(lb.lbColor);
    if (lb.lbStyle == win::BS_NULL) style_ = bsClear;
    else if (lb.lbStyle == win::BS_HATCHED && lb.lbHatch <= 5)
      style_ = static_cast<TBrushStyle>(bsHorizontal + lb.lbHatch);
    else style_ = bsSolid;
  }
  handle_ = Value;
  Changed();
}

void TBrush::SetColor(TColor Value) {
  if (Value == color_ && style_ != bsClear && !Stale()) return;
  Changing();
  FreeHandle();
  color_ = Value;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == style_) return;
  Changing();
  FreeHandle();
  style_ = Value;
  // A clear brush forgets its colour.
  if (style_ == bsClear) color_ = clWhite;
  Changed();
}

void TBrush::SetBitmap(TBitmap* Value) {
  ChangeValue(bitmap_, Value, [this] { FreeHandle(); });
}

}  // namespace vcl
