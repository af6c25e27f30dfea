// TSplitter: a bar between aligned controls that the user drags to resize the control it is
// aligned against.
#pragma once

#include "platform/controls/Controls.h"

namespace vcl {

ZYL_ENUM(TResizeStyle, rsNone, rsLine, rsUpdate, rsPattern)
using TCanResizeEvent = TEvent<void(TObject* Sender, int& NewSize, bool& Accept)>;

// Registers TSplitter for form streams (also done at start-up).
void RegisterSplitter();

class TSplitter : public TGraphicControl {
  ZYL_CLASS(TSplitter, TGraphicControl)
  explicit TSplitter(TComponent* AOwner);

  // Dragging below MinSize collapses the neighbour to nothing (or stops at MinSize without).
  bool AutoSnap() const { return autoSnap_; }
  void SetAutoSnap(bool Value) { autoSnap_ = Value; }
  bool Beveled() const { return beveled_; }
  void SetBeveled(bool Value);
  // The smallest size the neighbour is given (and left to the other side); at least 1.
  int32_t MinSize() const { return minSize_; }
  void SetMinSize(int32_t Value);
  TResizeStyle ResizeStyle() const { return resizeStyle_; }
  void SetResizeStyle(TResizeStyle Value) { resizeStyle_ = Value; }
  // The control the splitter resizes: the one aligned the same way that it touches.
  TControl* FindNeighbour();

  TCanResizeEvent OnCanResize;
  TNotifyEvent OnMoved;
  TNotifyEvent OnPaint;
  const TCanResizeEvent& GetOnCanResize() const { return OnCanResize; }
  void SetOnCanResize(const TCanResizeEvent& E) { OnCanResize = E; }
  const TNotifyEvent& GetOnMoved() const { return OnMoved; }
  void SetOnMoved(const TNotifyEvent& E) { OnMoved = E; }
  const TNotifyEvent& GetOnPaint() const { return OnPaint; }
  void SetOnPaint(const TNotifyEvent& E) { OnPaint = E; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool Across() const { return align_ == alLeft || align_ == alRight; }
  // The neighbour's size for a mouse position, after MinSize, the room left and OnCanResize.
  int SizeFor(int Pos, bool& Accept);
  void Apply(int Size);
  // Inverts the bar where the splitter would go for a neighbour of Size (rsLine, rsPattern).
  void DrawBar(int Size);

  bool autoSnap_ = true;
  bool beveled_ = false;
  int32_t minSize_ = 30;
  TResizeStyle resizeStyle_ = rsPattern;
  TControl* control_ = nullptr;  // being resized
  int downPos_ = 0, oldSize_ = 0, maxSize_ = 0, newSize_ = 0;
  int barDrawn_ = -1;  // the size whose bar shows, -1 none
};

}  // namespace vcl
