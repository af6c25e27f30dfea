// The drawing tools of the framework: TGraphicsObject and its TFont, TPen and TBrush, each
// describing a platform object (font, pen, brush) whose handle is created when first asked
// for and dropped when a property changes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/Types.h"
#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Colors.h"

namespace vcl {

class TBitmap;

ZYL_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
ZYL_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)
using TFontName = std::string;
using TFontCharset = uint8_t;

ZYL_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)
ZYL_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot,
         pmMaskPenNot, pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask,
         pmXor, pmNotXor)
ZYL_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal,
         bsCross, bsDiagCross)

// The binary raster operation (R2_*) of a pen mode.
int PenModeToRop2(TPenMode Mode);

// Charset names of the form streams ("DEFAULT_CHARSET") and the type information of
// TFontCharset (a named integer type 0..255 streamed with those names).
bool CharsetToIdent(int32_t Charset, std::string& Ident);
bool IdentToCharset(const std::string& Ident, int32_t& Charset);
const TTypeInfo* FontCharsetTypeInfo();

class TGraphicsObject : public TPersistent {
  ZYL_CLASS(TGraphicsObject, TPersistent)
  TGraphicsObject() = default;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  ~TGraphicsObject() override;
  // Runs OnChange, then deletes the handle Retire put aside (so that whoever listens can
  // deselect it from a device context first).
  virtual void Changed();
  virtual void Changing();
  void Retire(win::HGDIOBJ handle);
  // Stores a new value of a property, announced by Changing and Changed; `before` runs between
  // Changing and the store (to let go of a handle made from the old value). An equal value
  // changes nothing.
  template <class T, class Before>
  void ChangeValue(T& field, const T& value, Before before) {
    if (value == field) return;
    Changing();
    before();
    field = value;
    Changed();
  }
  template <class T>
  void ChangeValue(T& field, const T& value) {
    ChangeValue(field, value, [] {});
  }

 private:
  win::HGDIOBJ retired_ = nullptr;
};

class TFont : public TGraphicsObject {
  ZYL_CLASS(TFont, TGraphicsObject)
  TFont();
  ~TFont() override;

  void Assign(TPersistent* Source) override;

  // The font handle, created from the properties when first asked for and kept until a
  // property changes. Assigning a handle takes it over and reads the properties from it.
  win::HFONT Handle();
  void SetHandle(win::HFONT Value);
  bool HandleAllocated() const { return handle_ != nullptr; }

  const TFontName& Name() const { return name_; }
  void SetName(const TFontName& Value);
  // Height in pixels (negative: character height without internal leading).
  int32_t Height() const { return height_; }
  void SetHeight(int32_t Value);
  // Size in points: -Height * 72 / PixelsPerInch, rounded (and the reverse when set).
  int32_t Size() const;
  void SetSize(int32_t Value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch Value);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset Value);
  int32_t PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int32_t Value);

 protected:
  void Changed() override;

 private:
  void FreeHandle();
  TFontName name_ = "MS Sans Serif";
  int32_t height_ = -11;
  TFontStyles style_;
  TColor color_ = clWindowText;
  TFontPitch pitch_ = fpDefault;
  TFontCharset charset_ = 1;
  int32_t pixelsPerInch_;  // the screen's when the font was made
  win::HFONT handle_ = nullptr;
};

class TPen : public TGraphicsObject {
  ZYL_CLASS(TPen, TGraphicsObject)
  TPen() = default;
  ~TPen() override;

  void Assign(TPersistent* Source) override;

  win::HPEN Handle();
  void SetHandle(win::HPEN Value);
  bool HandleAllocated() const { return handle_ != nullptr; }

  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode Value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle Value);
  int32_t Width() const { return width_; }
  void SetWidth(int32_t Value);

 private:
  void FreeHandle();
  // Whether the handle was made from a system colour that has changed since.
  bool Stale() const;
  TColor color_ = clBlack;
  TPenMode mode_ = pmCopy;
  TPenStyle style_ = psSolid;
  int32_t width_ = 1;
  win::HPEN handle_ = nullptr;
  win::COLORREF made_ = 0;  // the colour the handle was made with
};

class TBrush : public TGraphicsObject {
  ZYL_CLASS(TBrush, TGraphicsObject)
  TBrush() = default;
  ~TBrush() override;

  void Assign(TPersistent* Source) override;

  win::HBRUSH Handle();
  void SetHandle(win::HBRUSH Value);
  bool HandleAllocated() const { return handle_ != nullptr; }

  // Setting a colour makes a clear brush solid again.
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle Value);
  // A pattern bitmap (not owned; the caller keeps it alive while the brush uses it). While
  // set, the brush paints the pattern.
  TBitmap* Bitmap() const { return bitmap_; }
  void SetBitmap(TBitmap* Value);

 private:
  void FreeHandle();
  // Whether the handle was made from a system colour that has changed since.
  bool Stale() const;
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  TBitmap* bitmap_ = nullptr;
  win::HBRUSH handle_ = nullptr;
  win::COLORREF made_ = 0;  // the colour the handle was made with
};

}  // namespace vcl
