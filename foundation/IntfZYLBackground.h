// The interfaces of the library: IZYLBackground, through which a parent supplies its
// background to transparent children, IZYLThemes, of controls that switch themed drawing,
// IZYLControlPosSize (position and size locking) and the state queries of the face controller
// (IZYLFaceController, IZYLFaceControllerEditable, IZYLFaceControllerPressable). All are
// abstract classes; ZYLSupports asks an object for one.
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

// The identifiers of the interfaces, as their GUID strings.
inline constexpr const char* IID_IZYLControlPosSize = "{6C0E4A51-93D2-4B7F-8A15-2F1D0B7C3E41}";
inline constexpr const char* IID_IZYLFaceController = "{6C0E4A52-93D2-4B7F-8A15-2F1D0B7C3E41}";
inline constexpr const char* IID_IZYLFaceControllerEditable =
    "{6C0E4A53-93D2-4B7F-8A15-2F1D0B7C3E41}";
inline constexpr const char* IID_IZYLFaceControllerPressable =
    "{6C0E4A54-93D2-4B7F-8A15-2F1D0B7C3E41}";

// Position and size locking of controls that the user may move or size at run time.
// ControlLocked overrides both permissions.
class IZYLControlPosSize {
 public:
  virtual ~IZYLControlPosSize() = default;
  virtual bool GetAllowMoving() const = 0;
  virtual void SetAllowMoving(bool Value) = 0;
  virtual bool GetAllowSizing() const = 0;
  virtual void SetAllowSizing(bool Value) = 0;
  virtual bool GetControlLocked() const = 0;
  virtual void SetControlLocked(bool Value) = 0;
};

// The state queries a face controller asks of a registered control.
class IZYLFaceController {
 public:
  virtual ~IZYLFaceController() = default;
  virtual bool fcGetFocused() = 0;
  virtual bool fcGetMouseAbove() = 0;
  virtual bool fcGetEnabled() = 0;
};

// Further queries of controls that edit a value.
class IZYLFaceControllerEditable {
 public:
  virtual ~IZYLFaceControllerEditable() = default;
  virtual bool fcGetModified() = 0;
  virtual bool fcGetReadOnly() = 0;
  virtual bool fcGetInvalidData() = 0;
};

// The query of controls that can be pressed.
class IZYLFaceControllerPressable {
 public:
  virtual ~IZYLFaceControllerPressable() = default;
  virtual bool fcGetDown() = 0;
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
