#include "display/ZYLDrawEdge.h"

#include "foundation/ZYLGraph.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLDrawEdge) {
  b.Publish("About")
      .Publish({"Align", "Anchors", "Constraints"})
      .Prop("DiagonalStyle", &TZYLDrawEdge::DiagonalStyle, &TZYLDrawEdge::SetDiagonal)
      .Default(dsEndBottomLeft)
      .Prop("EdgeStyle", &TZYLDrawEdge::EdgeStyle, &TZYLDrawEdge::SetEdgeStyle)
      .Default(etEtched)
      .Publish("Enabled")
      .Prop("Filled", &TZYLDrawEdge::GetBoolean, &TZYLDrawEdge::SetBoolean)
      .Index(bpFilled)
      .Default(false)
      .Prop("FrameSides", &TZYLDrawEdge::FrameSides, &TZYLDrawEdge::SetFrame)
      .Default(TZYLFrameSides{fsBottom, fsLeft, fsRight, fsTop})
      .Publish({"ParentShowHint", "ShowHint"})
      .Prop("Soft", &TZYLDrawEdge::GetBoolean, &TZYLDrawEdge::SetBoolean)
      .Index(bpSoft)
      .Default(false)
      .Prop("StandardStyle", &TZYLDrawEdge::StandardStyle, &TZYLDrawEdge::SetShape)
      .Default(lsSingleLowered)
      .Prop("Style", &TZYLDrawEdge::Style, &TZYLDrawEdge::SetStyle)
      .Default(esEdge)
      .Publish("Visible");
}

TZYLDrawEdge::TZYLDrawEdge(vcl::TComponent* AOwner) : inherited(AOwner) {
  vcl::TControlStyle s = ControlStyle();
  s.Include(vcl::csReplicatable);
  SetControlStyle(s);
  SetBounds(Left(), Top(), 40, 40);
}

void TZYLDrawEdge::SetDiagonal(TZYLDiagonalStyle Value) {
  if (Value == FDiagonalStyle) return;
  FDiagonalStyle = Value;
  Invalidate();
}

void TZYLDrawEdge::SetEdgeStyle(TZYLEdgeStyle Value) {
  if (Value == FEdgeStyle) return;
  FEdgeStyle = Value;
  Invalidate();
}

void TZYLDrawEdge::SetFrame(TZYLFrameSides Value) {
  if (Value == FFrameSides) return;
  FFrameSides = Value;
  Invalidate();
}

void TZYLDrawEdge::SetShape(TZYLBorderStyle Value) {
  if (Value == FStandardStyle) return;
  FStandardStyle = Value;
  Invalidate();
}

void TZYLDrawEdge::SetStyle(TZYLDrawEdgeStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Invalidate();
}

void TZYLDrawEdge::SetBoolean(int Index, bool Value) {
  bool& field = Index == bpFilled ? FFilled : FSoft;
  if (field == Value) return;
  field = Value;
  Invalidate();
}

uint32_t TZYLDrawEdge::EdgeKind(TZYLEdgeStyle Style) {
  switch (Style) {
    case etRaisedInner: return win::BDR_RAISEDINNER;
    case etRaisedOuter: return win::BDR_RAISEDOUTER;
    case etSunkenInner: return win::BDR_SUNKENINNER;
    case etSunkenOuter: return win::BDR_SUNKENOUTER;
    case etBump: return win::EDGE_BUMP;
    case etRaised: return win::EDGE_RAISED;
    case etSunken: return win::EDGE_SUNKEN;
    case etEtched:
    default: return win::EDGE_ETCHED;
  }
}

uint32_t TZYLDrawEdge::EdgeFlags() const {
  uint32_t flags = 0;
  if (FSoft) flags |= win::BF_SOFT;
  if (FFilled) flags |= win::BF_MIDDLE;
  switch (FStyle) {
    case esEdge:
      if (FFrameSides.contains(fsBottom)) flags |= win::BF_BOTTOM;
      if (FFrameSides.contains(fsLeft)) flags |= win::BF_LEFT;
      if (FFrameSides.contains(fsRight)) flags |= win::BF_RIGHT;
      if (FFrameSides.contains(fsTop)) flags |= win::BF_TOP;
      break;
    case esDiagonal:
      switch (FDiagonalStyle) {
        case dsEndBottomLeft: flags |= win::BF_DIAGONAL_ENDBOTTOMLEFT; break;
        case dsEndBottomRight: flags |= win::BF_DIAGONAL_ENDBOTTOMRIGHT; break;
        case dsEndTopLeft: flags |= win::BF_DIAGONAL_ENDTOPLEFT; break;
        case dsEndTopRight: flags |= win::BF_DIAGONAL_ENDTOPRIGHT; break;
      }
      break;
    case esStandard:
      break;
  }
  return flags;
}

void TZYLDrawEdge::Paint() {
  vcl::TCanvas* c = Canvas();
  win::TRect r = ClientRect();
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  const uint32_t flags = EdgeFlags();
  if (FStyle == esStandard) {
    ZYLDrawStdFrame(c, r, FStandardStyle, static_cast<uint16_t>(flags));
  } else {
    win::DrawEdge(c->Handle(), &r, EdgeKind(FEdgeStyle), flags);
  }
}

}  // namespace zyl
