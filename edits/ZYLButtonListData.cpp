#include "edits/ZYLButtonListData.h"

#include <cstdint>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLGraph.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLButtonListData) {}

namespace {
// The theme parts and states of the button class.
constexpr int kRadioPart = 2, kCheckPart = 3;
constexpr int kThemeState[] = {1, 5, 9};  // unchecked, checked, grayed

int32_t Packed(vcl::TObject* Obj) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(Obj)); }
}  // namespace

int32_t ZYLBtnMakeSaveState(vcl::TCheckBoxState State, bool Disabled) {
  return static_cast<int32_t>(State) << 16 | static_cast<int32_t>(Disabled);
}

vcl::TObject* ZYLBtnStateObject(int32_t Value) {
  return reinterpret_cast<vcl::TObject*>(static_cast<intptr_t>(Value));
}

vcl::TCheckBoxState ZYLBtnGetSaveState(vcl::TObject* Obj) {
  const int32_t s = Packed(Obj) >> 16;
  return s >= vcl::cbUnchecked && s <= vcl::cbGrayed ? static_cast<vcl::TCheckBoxState>(s)
                                                     : vcl::cbUnchecked;
}

int ZYLBtnGetSaveDisabled(vcl::TObject* Obj) { return Packed(Obj) & 255; }

void ZYLDrawButtonListItem(vcl::TWinControl* /*Control*/, vcl::TCanvas* Canvas, const TRect& Rect,
                           vcl::TCheckBoxState State, TZYLButtonListMode Mode, bool Enabled,
                           bool Flat, bool SystemSize, HTHEME Theme) {
  TZYLApplication* app = ZYLApplication();
  if (!Canvas || !app) return;
  const int w = SystemSize ? app->SystemCheckWidth() : app->GetCheckCustomWidth();
  const int h = SystemSize ? app->SystemCheckHeight() : app->GetCheckCustomHeight();
  const int left = Rect.Left + (Rect.Width() - w) / 2;
  const int top = Rect.Top + (Rect.Height() - h) / 2;
  TRect glyph{left, top, left + w, top + h};
  vcl::TBitmap* cells = app->CheckBitmap();
  if (!SystemSize && cells && !cells->Empty()) {
    const int c = (1 - static_cast<int>(Enabled)) + 2 * static_cast<int>(State);
    ZYLBmpDrawExt(Canvas, glyph, cells->Canvas(), TRect{c * w, 0, (c + 1) * w, h}, dsfTransparent,
                  cells->TransparentColor());
    return;
  }
  if (Theme) {
    DrawThemeBackground(Theme, Canvas->Handle(), Mode == blRadioButton ? kRadioPart : kCheckPart,
                        kThemeState[State], &glyph, nullptr);
    return;
  }
  const bool radio = Mode == blRadioButton;
  win::UINT flags = radio ? win::DFCS_BUTTONRADIO : win::DFCS_BUTTONCHECK;
  if (State == vcl::cbChecked) flags |= win::DFCS_CHECKED;
  // Grayed is drawn as a checked three-state box in every mode.
  if (State == vcl::cbGrayed) flags = win::DFCS_CHECKED | win::DFCS_BUTTON3STATE;
  if (!Enabled) flags |= win::DFCS_INACTIVE;
  const win::HDC dc = Canvas->Handle();
  win::RECT r = glyph;
  if (!Flat) {
    win::DrawFrameControl(dc, &r, win::DFC_BUTTON, flags);
    return;
  }
  if (radio) {
    win::DrawFrameControl(dc, &r, win::DFC_BUTTON, flags | win::DFCS_FLAT);
    return;
  }
  // A flat check box: the 3D edge is cut off and a plain shadow frame drawn instead.
  {
    win::TSavedClip clip(dc);
    win::TOwnedObject<win::HRGN> inner(
        win::CreateRectRgn(glyph.Left + 2, glyph.Top + 2, glyph.Right - 2, glyph.Bottom - 2));
    clip.IntersectLogical(inner.Get());
    win::DrawFrameControl(dc, &r, win::DFC_BUTTON, flags);
  }
  const vcl::TBrushStyle brushStyle = Canvas->Brush()->Style();
  const vcl::TColor brushColor = Canvas->Brush()->Color();
  const vcl::TColor penColor = Canvas->Pen()->Color();
  Canvas->Brush()->SetStyle(vcl::bsClear);
  Canvas->Pen()->SetColor(vcl::clBtnShadow);
  Canvas->Rectangle(TRect{glyph.Left + 1, glyph.Top + 1, glyph.Right - 1, glyph.Bottom - 1});
  Canvas->Brush()->SetColor(brushColor);
  Canvas->Brush()->SetStyle(brushStyle);
  Canvas->Pen()->SetColor(penColor);
}

}  // namespace zyl
