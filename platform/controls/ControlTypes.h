// The types the control classes share: alignment, anchors, shift states, control styles and
// states, mouse, key and drag events, and what CreateParams fills in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/controls/Messages.h"
#include "platform/user/WinUser.h"

namespace vcl {

class TControl;
class TWinControl;
class TCustomForm;

ZYL_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
using TAlignSet = TSet<TAlign>;
ZYL_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
ZYL_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateItem>;
ZYL_ENUM(TDragMode, dmManual, dmAutomatic)
ZYL_ENUM(TDragState, dsDragEnter, dsDragLeave, dsDragMove)
ZYL_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
ZYL_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
using TAnchors = TSet<TAnchorKind>;
ZYL_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
ZYL_ENUM(TDragKind, dkDrag, dkDock)
ZYL_ENUM(TControlStyleItem, csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents,
         csFramed, csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight,
         csNoDesignVisible, csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector,
         csActionClient, csMenuEvents)
using TControlStyle = TSet<TControlStyleItem>;
ZYL_ENUM(TControlStateItem, csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded,
         csFocusing, csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking,
         csRecreating)
using TControlState = TSet<TControlStateItem>;

using TCaption = std::string;
// Type information of TCaption (a named string type).
const TTypeInfo* CaptionTypeInfo();
// The input method's state a windowed control asks for, and the name of its input method.
ZYL_ENUM(TImeMode, imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata,
         imKata, imChinese, imSHanguel, imHanguel)
using TImeName = std::string;
const TTypeInfo* ImeNameTypeInfo();
using TModalResult = int32_t;
// What a scroll event reports: a line (scLineUp, scLineDown) or a page (scPageUp, scPageDown)
// toward the maximum or the minimum, the released (scPosition) or dragged (scTrack) thumb,
// the minimum (scTop) or maximum (scBottom) reached, and the end of an action (scEndScroll).
ZYL_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop,
         scBottom, scEndScroll)
using TScrollEvent = TEvent<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// Event types of the controls.
using TContextPopupEvent = TEvent<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TMouseEvent =
    TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;
using TMouseWheelEvent = TEvent<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                     TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    TEvent<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TDragOverEvent =
    TEvent<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = TEvent<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TStartDragEvent = TEvent<void(TObject* Sender, TObject*& DragObject)>;
class TDragDockObject;
using TStartDockEvent = TEvent<void(TObject* Sender, TDragDockObject*& DragObject)>;
// Docking ends with the same arguments as dragging: the target (or null) and the position.
using TEndDockEvent = TEndDragEvent;
// The window procedure of a control: its WindowProc, which may be replaced and chained.
using TWndMethod = TEvent<void(TMessage& Message)>;

// The anchors an alignment implies: the sides an aligned control keeps at the parent's edges.
TAnchors AnchorAlign(TAlign Value);

// What a dock operation would carry. There is no docking here: the class exists for the
// signature of OnStartDock, whose handlers may hand one out.
class TDragDockObject : public TObject {
  ZYL_CLASS(TDragDockObject, TObject)
  explicit TDragDockObject(TControl* AControl) : control_(AControl) {}
  TControl* Control() const { return control_; }

 private:
  TControl* control_;
};

// Shift state from the key flags of a mouse message, and from the keyboard.
TShiftState KeysToShiftState(uint32_t Keys);
TShiftState KeyDataToShiftState(int32_t KeyData);

// What CreateParams fills in for CreateWnd.
struct TCreateParams {
  std::string Caption;
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  win::HWND WndParent = nullptr;
  void* Param = nullptr;
  win::WNDCLASSA WindowClass;
  std::string WinClassName;
};

}  // namespace vcl
