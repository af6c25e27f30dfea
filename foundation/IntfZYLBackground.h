// The interfaces of the library: IZYLBackground, through which a parent supplies its
// background to transparent children, and IZYLThemes, of controls that switch themed drawing.
// Both are abstract classes; ZYLSupports asks an object for one.
#pragma once

#include <cstdint>

#include "platform/base/Types.h"

namespace vcl {
class TBitmap;
class TCanvas;
class TControl;
class TObject;
}

namespace zyl {

class IZYLBackground {
 public:
  virtual ~IZYLBackground() = default;
  // The background bitmap (null when there is none).
  virtual vcl::TBitmap* BackBitmap() = 0;
  // Whether a usable background bitmap is there.
  virtual bool BackBitmapCheck() = 0;
  // Copies the background under DestRect (starting at Source) into Canvas.
  virtual bool BackDrawArea(vcl::TCanvas* Canvas, const vcl::TRect& DestRect,
                            const vcl::TPoint& Source, uint16_t Flags) = 0;
  virtual bool isTransparentSet() = 0;
  // Maps a point of the supplier to the coordinates of its background bitmap.
  virtual vcl::TPoint BackMapPoint(const vcl::TPoint& Point) = 0;
  virtual win::HPALETTE BackBitmapPalette() = 0;
  // Asks every control that takes its background from this one to refresh it.
  virtual void BackUpdate() = 0;
  virtual vcl::TControl* BackControl(int Index) = 0;
  virtual int BackControlCount() = 0;
};

class IZYLThemes {
 public:
  virtual ~IZYLThemes() = default;
  virtual bool GetCtlXP() const = 0;
  virtual void SetCtlXP(bool Value) = 0;
  virtual bool ControlSupportsXP() const = 0;
};

// Whether Obj implements the interface I (false for null); on success Intf points at it.
template <class I>
bool ZYLSupports(vcl::TObject* Obj, I*& Intf) {
  Intf = Obj ? dynamic_cast<I*>(Obj) : nullptr;
  return Intf != nullptr;
}
template <class I>
bool ZYLSupports(vcl::TObject* Obj) {
  return Obj && dynamic_cast<I*>(Obj) != nullptr;
}

}  // namespace zyl
