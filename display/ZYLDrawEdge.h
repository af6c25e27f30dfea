// TZYLDrawEdge: a graphic control that draws a window edge on chosen sides, a diagonal edge
// line, or one of the library's standard frames over its client area.
#pragma once

#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "platform/sys/Packages.h"

namespace zyl {

// The corner a diagonal edge line ends in (it starts in the opposite one).
ZYL_ENUM(TZYLDiagonalStyle, dsEndBottomLeft, dsEndBottomRight, dsEndTopLeft, dsEndTopRight)
// esEdge: an edge on FrameSides; esDiagonal: a diagonal line; esStandard: a standard frame.
ZYL_ENUM(TZYLDrawEdgeStyle, esEdge, esDiagonal, esStandard)

class TZYLDrawEdge : public TZYLControl {
  ZYL_CLASS(TZYLDrawEdge, TZYLControl)
  explicit TZYLDrawEdge(vcl::TComponent* AOwner);

  // Each setter stores a changed value and repaints.
  TZYLDiagonalStyle DiagonalStyle() const { return FDiagonalStyle; }
  void SetDiagonal(TZYLDiagonalStyle Value);
  TZYLEdgeStyle EdgeStyle() const { return FEdgeStyle; }
  void SetEdgeStyle(TZYLEdgeStyle Value);
  TZYLFrameSides FrameSides() const { return FFrameSides; }
  void SetFrame(TZYLFrameSides Value);
  TZYLBorderStyle StandardStyle() const { return FStandardStyle; }
  void SetShape(TZYLBorderStyle Value);
  TZYLDrawEdgeStyle Style() const { return FStyle; }
  void SetStyle(TZYLDrawEdgeStyle Value);
  // Index 0 Filled (the middle painted in the face colour), 1 Soft (softer edge colours).
  // The indices of the Boolean properties.
  enum TBooleanProp : int { bpFilled, bpSoft };
  bool GetBoolean(int Index) const { return Index == bpFilled ? FFilled : FSoft; }
  void SetBoolean(int Index, bool Value);
  bool Filled() const { return FFilled; }
  bool Soft() const { return FSoft; }

  // The DrawEdge edge value of an edge style, and the flags (BF_SOFT, BF_MIDDLE and the sides
  // or diagonal) that Paint passes for the current settings.
  static uint32_t EdgeKind(TZYLEdgeStyle Style);
  uint32_t EdgeFlags() const;


 protected:
  void Paint() override;

 private:
  TZYLDiagonalStyle FDiagonalStyle = dsEndBottomLeft;
  TZYLEdgeStyle FEdgeStyle = etEtched;
  bool FFilled = false;
  TZYLFrameSides FFrameSides{fsBottom, fsLeft, fsRight, fsTop};
  TZYLBorderStyle FStandardStyle = lsSingleLowered;
  bool FSoft = false;
  TZYLDrawEdgeStyle FStyle = esEdge;
};

inline constexpr vcl::TUnitEntry ZYLDrawEdgeUnit = vcl::ClassesUnit<TZYLDrawEdge>("ZYLDrawEdge");

}  // namespace zyl
