#include "system/ZYLFormStyler.h"

#include <algorithm>
#include <cstring>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLFormUtils.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLSysUtils.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasGuards.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLFormStyler) {
  using T = TZYLFormStyler;
  b.Publish("About")
      .Prop("Alignment", &T::Alignment, &T::SetAlignment)
      .Default(vcl::taLeftJustify)
      .Prop("Colors", &T::Colors, &T::SetColors)
      .Default(32)
      .Publish("Enabled")
      .Prop("Font", &T::Font, &T::SetFont)
      .Prop("Font3D", &T::Font3D, &T::SetFont3D)
      .Prop("PaintMode", &T::PaintMode, &T::SetPaintMode)
      .Default(pcControl)
      .Prop("Options", &T::Options, &T::SetOptions)
      .Default(T::DefaultOptions)
      .Prop("OnPaint", &T::GetOnPaint, &T::SetOnPaint)
      .Prop("OnCaptionPaint", &T::GetOnCaptionPaint, &T::SetOnCaptionPaint);
}

namespace {

// Answers WM_GETTEXT with one blank, within the buffer the caller gave.
void AnswerBlankText(vcl::TMessage& Message) {
  char* buffer = reinterpret_cast<char*>(Message.LParam);
  const size_t room = static_cast<size_t>(Message.WParam);
  if (buffer && room > 0) {
    const char blank[] = " ";
    std::memcpy(buffer, blank, std::min(room, sizeof blank));
    buffer[std::min(room, sizeof blank) - 1] = 0;
  }
}

// A flag raised for the length of a scope.
class TRaisedFlag {
 public:
  explicit TRaisedFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~TRaisedFlag() { flag_ = false; }
  TRaisedFlag(const TRaisedFlag&) = delete;
  TRaisedFlag& operator=(const TRaisedFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TZYLFormStyler::TZYLFormStyler(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FFont(this, &TZYLFormStyler::GetChange),
      FFont3D(this, &TZYLFormStyler::GetChange),
      FCanvas(new vcl::TCanvas()),
      FIconBitmap(new vcl::TBitmap()),
      FSystemGradient(ZYLSIWindows98 || ZYLSIWindows2000 || (XPThemesAvailable && IsAppThemed())) {
  FForceWindowProc = true;
  if (ComponentState().contains(vcl::csDesigning) &&
      ZYLCheckForSameClass(AOwner, ClassType(), false)) {
    // The members free the canvas and the icon bitmap.
    throw ZYLEOneInstError(ClassName(), ZYLEOneInstError::okInvalidOwner);
  }
}

TZYLFormStyler::~TZYLFormStyler() {
  // A styler freed before its form leaves the form its text.
  vcl::TCustomForm* form = GetOwnerForm();
  if (FCaptionTaken && form && !form->ComponentState().contains(vcl::csDestroying))
    form->SetCaption(FCaption);
  FCanvas->SetHandle(nullptr);
  FCanvas.reset();
  FFont.reset();
  FFont3D.reset();
  FIconBitmap.reset();
}

void TZYLFormStyler::SetAlignment(vcl::TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  if (FPaintMode != pcNone) PaintTitleBar(false);
}

void TZYLFormStyler::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  if (FPaintMode != pcNone) PaintTitleBar(false);
}

void TZYLFormStyler::SetColors(int Value) {
  Value = std::clamp(Value, MinColors, MaxColors);
  if (Value == FColors) return;
  FColors = Value;
  if (FPaintMode == pcControl) PaintTitleBar(false);
}

void TZYLFormStyler::SetOptions(TZYLFormStyleOptions Value) {
  if (Value == FOptions) return;
  const bool formCaption = Value.contains(fsUseFormCaption);
  FOptions = Value;
  // The text moves with the option: back to the form when its caption is used again, into
  // Caption when the styler is to draw it.
  if (vcl::TCustomForm* form = GetOwnerForm(); form && Hooked() && Enabled()) {
    if (formCaption && FCaptionTaken) {
      form->SetCaption(FCaption);
      FCaptionTaken = false;
    } else if (!formCaption && !FCaptionTaken) {
      FCaption = form->Caption();
      form->SetCaption(" ");
      FCaptionTaken = true;
    }
  }
  if (FPaintMode != pcNone)
    PaintTitleBar(true);
  else
    NCPaint();
}

void TZYLFormStyler::SetPaintMode(TZYLPaintMode Value) {
  if (Value == FPaintMode) return;
  FPaintMode = Value;
  if (FPaintMode != pcNone)
    PaintTitleBar(true);
  else
    NCPaint();
}

void TZYLFormStyler::SetFont(vcl::TFont* Value) { FFont->Assign(Value); }
void TZYLFormStyler::SetFont3D(TZYL3DCaption* Value) { FFont3D->Assign(Value); }

void TZYLFormStyler::GetChange(vcl::TObject*) {
  if (FPaintMode != pcNone && !FOptions.contains(fsUseDefaultFont)) PaintTitleBar(false);
}

void TZYLFormStyler::NCPaint() {
  if (ValidOwner()) GetOwnerForm()->Perform(win::WM_NCACTIVATE, 1, 0);
}

void TZYLFormStyler::ForceNCPaint() {
  if (ValidOwner()) PaintTitleBar(false);
}

void TZYLFormStyler::Init() {
  // A disabled styler leaves the form's caption where it is.
  if (!Enabled()) return;
  inherited::Init();
  vcl::TCustomForm* form = GetOwnerForm();
  if (form && !FOptions.contains(fsUseFormCaption) && !FCaptionTaken) {
    FCaption = form->Caption();
    form->SetCaption(" ");
    FCaptionTaken = true;
  }
  if (!ComponentState().contains(vcl::csLoading)) PaintTitleBar(true);
}

void TZYLFormStyler::RestoreState() {
  FIconBitmap->SetWidth(0);
  FIconBitmap->SetHeight(0);
  vcl::TCustomForm* form = GetOwnerForm();
  // Only a text the styler took is given back: a styler switched off before it ever ran
  // leaves the form's caption as it is.
  if (form && FCaptionTaken && !form->ComponentState().contains(vcl::csDestroying))
    form->SetCaption(FCaption);
  FCaptionTaken = false;
  if (!ComponentState().contains(vcl::csDestroying)) NCPaint();
}

void TZYLFormStyler::WndProc(vcl::TMessage& Message) {
  if (!Enabled() || FPaintMode == pcNone || Suspended()) {
    inherited::WndProc(Message);
    return;
  }
  switch (Message.Msg) {
    case win::WM_GETTEXT:
    case win::WM_GETTEXTLENGTH:
      if (FOptions.contains(fsUseFormCaption)) break;
      // The window manager draws an empty caption; the styler draws Caption.
      if (Message.Msg == win::WM_GETTEXT) AnswerBlankText(Message);
      Message.Result = 1;
      return;
    case win::WM_NCPAINT:
      inherited::WndProc(Message);
      if (FActive || FOptions.contains(fsInactiveGradient)) PaintTitleBar(true);
      Message.Result = 0;
      return;
    case win::WM_NCACTIVATE:
      FActive = Message.WParam != 0;
      inherited::WndProc(Message);
      if (FActive || FOptions.contains(fsInactiveGradient)) PaintTitleBar(false);
      Message.Result = 1;
      return;
    default: break;
  }
  inherited::WndProc(Message);
}

void TZYLFormStyler::PaintTitleBar(bool TakeIconSnapshot) {
  if (ComponentState().contains(vcl::csDesigning) || !Enabled() || FPaintMode == pcNone ||
      FPainting)
    return;
  vcl::TCustomForm* form = GetOwnerForm();
  if (!form || !form->HandleAllocated()) return;
  const win::HWND wnd = form->Handle();
  if (!win::IsWindow(wnd) || !win::IsWindowVisible(wnd)) return;
  if (win::IsIconic(wnd) && !vcl::NewStyleControls) return;
  // The system's own gradient caption stays on displays of more than 256 colours.
  if (FSystemGradient && FOptions.contains(fsCheckSystemGradient) && ZYLSIColorDepth() > 8) return;
  if (FOptions.contains(fsUseFormCaption)) FCaption = form->Caption();

  const win::TWindowDC dc(wnd, win::GetWindowDC(wnd));
  if (!dc) return;
  const TRaisedFlag painting(FPainting);
  const vcl::TCanvasBinding binding(FCanvas.get(), dc);
  uint32_t flags = ZYL_NC_ALWAYS;
  if (FPaintMode == pcOwnerDraw && FOptions.contains(fsAdjustRect)) flags |= ZYL_NC_OWNERDRAW;
  if (form->BorderStyle() == vcl::bsSingle) flags |= ZYL_NC_SINGLEBORDER;
  vcl::TRect captionRect, textRect;
  ZYLNCCalcDrawingArea(wnd, captionRect, textRect, flags);
  PaintCaptionArea(captionRect, textRect, flags, TakeIconSnapshot);
  PrepareFont(textRect, flags);
  FCanvas->Brush()->SetStyle(vcl::bsClear);
  PaintText(textRect);
}

void TZYLFormStyler::CallClipped(const TZYLPaintEvent& Event, const vcl::TRect& Rect) {
  if (!Event) return;
  const win::HDC dc = FCanvas->Handle();
  const win::TSavedClip clip(dc);
  const win::TOwnedObject<win::HRGN> region(win::CreateRectRgnIndirect(&Rect));
  win::SelectClipRgn(dc, region);
  Event(this, FCanvas.get(), Rect);
}

void TZYLFormStyler::PaintCaptionArea(const vcl::TRect& CaptionRect, const vcl::TRect& TextRect,
                                      uint32_t Flags, bool TakeIconSnapshot) {
  if (FPaintMode == pcOwnerDraw) {
    CallClipped(FOnPaint, CaptionRect);
    return;
  }
  const bool withIcon = (Flags & ZYL_NC_SYSICON) != 0;
  if (withIcon && TakeIconSnapshot) {
    // The icon as the window manager has just drawn it.
    const int width = TextRect.Left - CaptionRect.Left;
    const int height = CaptionRect.Bottom - CaptionRect.Top;
    FIconBitmap->SetWidth(width);
    FIconBitmap->SetHeight(height);
    const vcl::TRect area{0, 0, width, height};
    FIconBitmap->Canvas()->CopyRect(area, FCanvas.get(),
                                    vcl::TRect{CaptionRect.Left, CaptionRect.Top,
                                               CaptionRect.Left + width, CaptionRect.Top + height});
  }
  if (!FActive && !FOptions.contains(fsInactiveGradient)) return;
  // The caption buttons right of the text stay as the window manager drew them.
  const win::HDC dc = FCanvas->Handle();
  const win::TSavedClip clip(dc);
  win::ExcludeClipRect(dc, TextRect.Right, CaptionRect.Top, CaptionRect.Right, CaptionRect.Bottom);
  ZYLGradientPaint(FCanvas.get(), CaptionRect, vcl::clBlack,
                   FActive ? vcl::clActiveCaption : vcl::clInactiveCaption, FColors, gstHorizontal,
                   0, 0);
  if (withIcon && vcl::NewStyleControls && !FIconBitmap->Empty()) {
    ZYLBmpDraw(
        FCanvas.get(),
        vcl::TRect{CaptionRect.Left, CaptionRect.Top, CaptionRect.Left + FIconBitmap->Width(),
                   CaptionRect.Top + FIconBitmap->Height()},
        FIconBitmap.get(), dsfTransparent, FIconBitmap->TransparentColor());
  }
}

void TZYLFormStyler::PrepareFont(const vcl::TRect& TextRect, uint32_t Flags) {
  vcl::TFont* font = FCanvas->Font();
  if (!FOptions.contains(fsUseDefaultFont)) {
    font->Assign(FFont);
    return;
  }
  // The system's caption font (the small one for a tool window), bold.
  if (vcl::NewStyleControls) {
    win::NONCLIENTMETRICSA metrics;
    win::SystemParametersInfoA(win::SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    font->SetHandle(win::CreateFontIndirectA(
        (Flags & ZYL_NC_SMALLCAPTION) ? &metrics.lfSmCaptionFont : &metrics.lfCaptionFont));
  } else {
    font->SetHeight(TextRect.Bottom - TextRect.Top);
  }
  font->SetStyle(vcl::TFontStyles{vcl::fsBold});
}

void TZYLFormStyler::PaintText(const vcl::TRect& TextRect) {
  vcl::TFont* font = FCanvas->Font();
  if (!FActive) {
    font->SetColor(vcl::clInactiveCaptionText);
  } else if (FOptions.contains(fsUseDefaultFont) || !FOptions.contains(fsUseFontColor)) {
    // Black caption text on the dark end of the gradient would not show.
    const bool black = vcl::ColorToRGB(vcl::clCaptionText) == vcl::ColorToRGB(vcl::clBlack);
    font->SetColor(black ? vcl::clWhite : vcl::clCaptionText);
  }
  if (FOptions.contains(fsDrawCaptionEvent) || FPaintMode == pcOwnerDraw) {
    CallClipped(FOnCaptionPaint, TextRect);
    return;
  }
  if (!FActive && FOptions.contains(fsUseFormCaption) && !FOptions.contains(fsInactiveGradient))
    return;
  int32_t format = win::DT_VCENTER | win::DT_SINGLELINE | win::DT_NOPREFIX;
  if (FAlignment == vcl::taRightJustify)
    format |= win::DT_RIGHT;
  else if (FAlignment == vcl::taCenter)
    format |= win::DT_CENTER;
  ZYLDrawTextExt(FCanvas.get(), FCaption,
                 FOptions.contains(fsUseDefaultFont) ? nullptr : FFont3D.get(), TextRect, format,
                 TZYLDrawTextStyles{dtEnabled, dtClip});
}

}  // namespace zyl
