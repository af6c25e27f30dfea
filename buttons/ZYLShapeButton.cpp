#include "buttons/ZYLShapeButton.h"

#include <algorithm>

#include "buttons/ZYLSpeedButton.h"
#include "foundation/ZYLObject.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Messages.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLCustomShapeButton) { m.On(vcl::CM_HITTEST, &TZYLCustomShapeButton::CMHitTest); }

ZYL_CLASS_IMPL(TZYLCustomShapeButton) {
  using C = TZYLCustomShapeButton;
  b.Declare("BevelWidth", &C::BevelWidth, &C::SetBevelWidth)
      .Default(2)
      .Declare("RoundPercent", &C::RoundPercent, &C::SetRoundPercent)
      .Default(25)
      .Declare("Shape", &C::Shape, &C::SetShape)
      .Default(stEllipse)
      .Declare("Square", &C::Square, &C::SetSquare)
      .Default(false);
}

ZYL_CLASS_IMPL(TZYLShapeButton) {
  b.Publish("BevelWidth")
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"ParentColor"})
      .Default(false)
      .Publish({"RoundPercent", "Shape", "Square"});
}

TZYLCustomShapeButton::TZYLCustomShapeButton(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetColor(vcl::clBtnFace);
  SetParentColor(false);
  // The corners outside the shape show the parent.
  vcl::TControlStyle s = ControlStyle();
  s.Exclude(vcl::csOpaque);
  SetControlStyle(s);
  SetBounds(Left(), Top(), 50, 50);
}

void TZYLCustomShapeButton::Changed() { Invalidate(); }

void TZYLCustomShapeButton::SetShape(TZYLShapeType Value) {
  if (ZYLStoreValue(FShape, Value)) Changed();
}

void TZYLCustomShapeButton::SetSquare(bool Value) {
  if (ZYLStoreValue(FSquare, Value)) Changed();
}

void TZYLCustomShapeButton::SetRoundPercent(TZYLPercent Value) {
  if (ZYLStoreValue(FRoundPercent, std::clamp(Value, 0, 100))) Changed();
}

void TZYLCustomShapeButton::SetBevelWidth(int Value) {
  if (ZYLStoreValue(FBevelWidth, std::clamp(Value, 0, MaxBevelWidth))) Changed();
}

TZYLShapeParams TZYLCustomShapeButton::FaceParams(TZYLButtonState State) const {
  TZYLShapeParams p = ZYLShapeParams(FShape, nullptr, FSquare, FRoundPercent, nullptr, nullptr);
  p.BevelWidth = FBevelWidth;
  // Light on the upper left stands out; shadow there sinks.
  p.BevelStyle = ZYLIsDownState(State) ? sbInset : sbOffset;
  return p;
}

vcl::TRect TZYLCustomShapeButton::DrawFace(vcl::TCanvas* Canvas, const vcl::TRect& Rect,
                                           TZYLButtonState State) {
  const TZYLShapeParams p = FaceParams(State);
  ZYLShapePaint(Rect, Canvas, p, {}, nullptr, nullptr, Color(), vcl::clNone, TZYLDrawStyleFlags{});
  const vcl::TRect r = ZYLShapeRect(Rect, p);
  return vcl::TRect{r.Left + FBevelWidth, r.Top + FBevelWidth, r.Right - FBevelWidth,
                    r.Bottom - FBevelWidth};
}

bool TZYLCustomShapeButton::OnFace(int X, int Y) {
  if (!inherited::OnFace(X, Y)) return false;
  const vcl::TRect client{0, 0, Width(), Height()};
  const TZYLShapeParams p = FaceParams(bsUp);
  const std::vector<win::TPoint> outline = ZYLShapeOutline(client, p);
  if (outline.size() < 3) return false;
  win::TOwnedObject<win::HRGN> rgn(ZYLOutlineRegion(outline));
  return win::PtInRegion(rgn, X, Y) != 0;
}

void TZYLCustomShapeButton::CMHitTest(vcl::TCMHitTest& Message) {
  Message.Result = OnFace(Message.XPos(), Message.YPos()) ? win::HTCLIENT : win::HTNOWHERE;
}

}  // namespace zyl
