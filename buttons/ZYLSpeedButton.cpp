#include "buttons/ZYLSpeedButton.h"

#include "foundation/ZYLXPStyles.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"

namespace zyl {

// Described by its published descendant.
ZYL_CLASS_IMPL(TZYLCustomSpeedButton) {
  using C = TZYLCustomSpeedButton;
  b.Declare("ButtonStyle", &C::ButtonStyle, &C::SetStyle).Default(ubsWin40);
}

ZYL_CLASS_IMPL(TZYLSpeedButton) {
  b.Publish("ButtonStyle")
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"CtlXP", "ParentColor"})
      .Default(false);
}

void TZYLCustomSpeedButton::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  // Forms of an earlier version stored the layout as "Layout".
  if (auto* reader = dynamic_cast<vcl::TReader*>(Filer))
    reader->ReadRenamedProperty(this, "Layout", "ButtonLayout");
}

namespace {}  // namespace

bool ZYLIsDownState(TZYLButtonState State) {
  return State == bsDown || State == bsOptionSet || State == bsDisabledDown;
}

namespace {

// Styles that show no edge at rest.
bool IsFlat(TZYLUserButtonStyle Style) {
  switch (Style) {
    case ubsVorlixFlat:
    case ubsFlat:
    case ubsFlatUnColored:
    case ubsNavigator:
    case ubsExplorer:
    case ubsExplorerColored:
    case ubsIntegrated:
    case ubsCombo:
    case ubsOffice:
    case ubsOfficeTransp: return true;
    default: return false;
  }
}

void Frame(vcl::TCanvas* Canvas, const vcl::TRect& R, vcl::TColor Color) {
  Canvas->Brush()->SetColor(Color);
  Canvas->Brush()->SetStyle(vcl::bsSolid);
  Canvas->FrameRect(R);
}

}  // namespace

void ZYLGreyGlyph(vcl::TBitmap* Source, vcl::TBitmap* Dest) {
  Dest->Assign(Source);
  if (Source->Empty()) return;
  const int w = Source->Width(), h = Source->Height();
  const vcl::TColor clear = vcl::ColorToRGB(Source->Canvas()->Pixels(0, h - 1));
  vcl::TCanvas* c = Dest->Canvas();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const vcl::TColor p = vcl::ColorToRGB(c->Pixels(x, y));
      if (p == clear) continue;
      const int r = p & 0xFF, g = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
      const int grey = (r * 30 + g * 59 + b * 11) / 100;
      c->SetPixels(x, y, static_cast<vcl::TColor>(win::RGB(grey, grey, grey)));
    }
}

TZYLCustomSpeedButton::TZYLCustomSpeedButton(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetColor(vcl::clBtnFace);
  SetParentColor(false);
  SetBounds(Left(), Top(), 25, 25);
  UpdateOpacity();
}

TZYLCustomSpeedButton::~TZYLCustomSpeedButton() = default;

void TZYLCustomSpeedButton::UpdateOpacity() {
  FSeeThrough = ZYLUserStyleSeeThrough(FStyle, UseXP());
  vcl::TControlStyle s = ControlStyle();
  if (FSeeThrough)
    s.Exclude(vcl::csOpaque);
  else
    s.Include(vcl::csOpaque);
  SetControlStyle(s);
}

void TZYLCustomSpeedButton::SetStyle(TZYLUserButtonStyle Value) {
  FExplorerGlyph = Value == ubsFlatUnColored || Value == ubsNavigator || Value == ubsExplorer;
  FStyle = Value;
  UpdateOpacity();
  GetChange(this);
}

void TZYLCustomSpeedButton::SetCtlXP(bool Value) {
  inherited::SetCtlXP(Value);
  UpdateOpacity();
  Invalidate();
}

bool ZYLUserStyleSeeThrough(TZYLUserButtonStyle Style, bool Themed) {
  return Style == ubsExplorer || Style == ubsExplorerColored || Style == ubsOfficeTransp || Themed;
}

vcl::TRect ZYLDrawUserButtonFace(vcl::TCanvas* C, const vcl::TRect& R, TZYLUserButtonStyle Style,
                                 TZYLButtonState State, vcl::TColor Face, bool Themed,
                                 vcl::TWinControl* ThemeWindow) {
  const bool down = ZYLIsDownState(State);
  const bool hot = State == bsMouseOver;
  const vcl::TRect inner{R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2};
  if (Themed) {
    vcl::TWinControl* p = ThemeWindow;
    HTHEME theme = OpenThemeData(p && p->HandleAllocated() ? p->Handle() : nullptr,
                                 IsFlat(Style) ? "TOOLBAR" : "BUTTON");
    vcl::TFinally close([&] {
      if (theme) CloseThemeData(theme);
    });
    if (theme) {
      const bool disabled = State == bsDisabledUp || State == bsDisabledDown;
      const int state = disabled ? 4 : down ? 3 : hot ? 2 : 1;
      // A flat toolbar button shows nothing at rest.
      if (!IsFlat(Style) || state != 1) {
        win::TRect wr = R;
        DrawThemeBackground(theme, C->Handle(), 1, state, &wr, nullptr);
      }
      return inner;
    }
  }
  if (!ZYLUserStyleSeeThrough(Style, Themed)) {
    C->Brush()->SetColor(Face);
    C->Brush()->SetStyle(vcl::bsSolid);
    C->FillRect(R);
  }
  win::TRect wr = R;
  win::HDC dc = C->Handle();
  switch (Style) {
    case ubsWin31:
      Frame(C, R, vcl::clWindowFrame);
      wr = vcl::TRect{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
      win::DrawEdge(dc, &wr, down ? win::BDR_SUNKENOUTER : win::EDGE_RAISED, win::BF_RECT);
      break;
    case ubsVorlix:
      Frame(C, R, vcl::clBtnShadow);
      wr = vcl::TRect{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
      win::DrawEdge(dc, &wr, down ? win::BDR_SUNKENINNER : win::BDR_RAISEDINNER, win::BF_RECT);
      break;
    case ubsWin40:
    case ubsWin40Ext:
      win::DrawEdge(dc, &wr, down ? win::EDGE_SUNKEN : win::EDGE_RAISED, win::BF_RECT);
      break;
    case ubsOffice:
    case ubsOfficeTransp:
      if (down || hot) {
        C->Brush()->SetColor(down ? vcl::clBtnShadow : vcl::clInfoBk);
        C->Brush()->SetStyle(vcl::bsSolid);
        C->FillRect(R);
        Frame(C, R, vcl::clHighlight);
      }
      break;
    default:  // the flat looks: an edge only while hot or down
      if (down)
        win::DrawEdge(dc, &wr, win::BDR_SUNKENOUTER, win::BF_RECT);
      else if (hot)
        win::DrawEdge(dc, &wr, win::BDR_RAISEDINNER, win::BF_RECT);
      break;
  }
  return inner;
}

vcl::TRect TZYLCustomSpeedButton::DrawFace(vcl::TCanvas* C, const vcl::TRect& R,
                                           TZYLButtonState State) {
  return ZYLDrawUserButtonFace(C, R, FStyle, State, Color(), UseXP(), Parent());
}

vcl::TBitmap* TZYLCustomSpeedButton::GlyphFor(TZYLButtonState State) {
  vcl::TBitmap* shown = ShownGlyph();
  const bool atRest = State == bsUp;
  if (!FExplorerGlyph || !atRest) return shown;
  if (!FGreyGlyph) FGreyGlyph = std::make_unique<vcl::TBitmap>();
  ZYLGreyGlyph(shown, FGreyGlyph.get());
  return FGreyGlyph.get();
}

}  // namespace zyl
