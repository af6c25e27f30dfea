// TZYLCustomListBox: properties, item painting and measuring, the border, transparency and the
// window messages. The in-place editor, the large-text hint, the selection operations and the
// caption label continue in ZYLCustomListBoxEdit.cpp.
#include "edits/ZYLCustomListBox.h"

#include <algorithm>

#include "display/ZYLBoundLabel.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLWindowFrame.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/CanvasGuards.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

using vcl::TRect;

namespace {
// The edit part of the themed border and its states.
constexpr int kEditPart = 1;
constexpr int kStateNormal = 1, kStateHot = 2, kStateDisabled = 4, kStateFocused = 5;

vcl::TOwnerDrawState StateOf(win::UINT ItemState) {
  vcl::TOwnerDrawState s;
  if (ItemState & win::ODS_SELECTED) s += vcl::odSelected;
  if (ItemState & win::ODS_FOCUS) s += vcl::odFocused;
  if (ItemState & win::ODS_DISABLED) s += vcl::odDisabled;
  return s;
}
}  // namespace

ZYL_MESSAGE_MAP(TZYLCustomListBox) {
  using C = TZYLCustomListBox;
  m.On(CM_ZYLTHEMECHANGED, &C::CMThemeChanged)
      .On(win::WM_THEMECHANGED, &C::WMThemeChanged)
      .On(CM_ZYLBOUNDLABELCHANGE, &C::CMBoundLabelChange)
      .On(CM_ZYLSCROLLBOXSCROLLEVENT, &C::CMScrollBoxScroll)
      .On(vcl::CM_VISIBLECHANGED, &C::CMVisibleChanged)
      .On(vcl::CM_ENABLEDCHANGED, &C::CMEnabledChanged)
      .On(vcl::CM_BIDIMODECHANGED, &C::CMBiDiModeChanged)
      .On(vcl::CM_MOUSEENTER, &C::CMMouseEnter)
      .On(vcl::CM_MOUSELEAVE, &C::CMMouseLeave)
      .On(vcl::CN_DRAWITEM, &C::CNDrawItem)
      .On(vcl::CN_COMMAND, &C::CNCommand)
      .On(vcl::CN_CTLCOLORLISTBOX, &C::CNCtlColorListBox)
      .On(win::LB_GETTOPINDEX, &C::LBGetTopIndex)
      .On(win::WM_KILLFOCUS, &C::WMKillFocus)
      .On(win::WM_SETFOCUS, &C::WMSetFocus)
      .On(win::WM_NCPAINT, &C::WMNCPaint)
      .On(win::WM_PRINT, &C::WMPrint)
      .On(win::WM_PAINT, &C::WMPaint)
      .On(win::WM_SIZE, &C::WMSize)
      .On(win::WM_MOVE, &C::WMMove)
      .On(win::WM_SETCURSOR, &C::WMSetCursor)
      .On(win::WM_NCHITTEST, &C::WMNCHitTest)
      .On(win::WM_ERASEBKGND, &C::WMEraseBkgnd);
}

ZYL_CLASS_IMPL(TZYLCustomListBox) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomListBox;
  const vcl::TTypeInfo* color = vcl::ColorTypeInfo();
  b.Prop("About", &C::About, &C::SetAbout)
      .Stored(false)
      .Prop("Font3D", &C::Font3D, &C::SetFont3D)
      .Prop("Transparent", &C::Transparent, &C::SetTransparent)
      .Default(false)
      .Prop("CtlXP", &C::GetCtlXP, &C::SetCtlXP)
      .Default(true)
      .Prop("HideSelection", &C::HideSelection, &C::SetHideSelection)
      .Default(false)
      .Prop("Margin", &C::Margin, &C::SetMargin)
      .Default(1)
      .Prop("HorzGridColor", &C::GetColor, &C::SetColor, color)
      .Index(ciHorzGridColor)
      .Default(0xC0C0C0)
      .Prop("HorzGridStyle", &C::HorzGridStyle, &C::SetHorzGridStyle)
      .Default(vcl::psSolid)
      .Prop("HorzGridLine", &C::HorzGridLine, &C::SetHorzGridLine)
      .Default(false)
      .Prop("VerticalScrollBar", &C::VerticalScrollBar, &C::SetVerticalScrollBar)
      .Default(true)
      .Prop("Flat", &C::Flat, &C::SetFlat)
      .Default(false)
      .Prop("SelectedColor", &C::GetColor, &C::SetColor, color)
      .Index(ciSelectedColor)
      .Default(vcl::clHighlight)
      .Prop("DisabledColor", &C::GetColor, &C::SetColor, color)
      .Index(ciDisabledColor)
      .Default(vcl::clWindow)
      .Prop("SelectedFontColor", &C::GetColor, &C::SetColor, color)
      .Index(ciSelectedFontColor)
      .Default(vcl::clHighlightText)
      .Prop("SelectedFontStyle", &C::SelectedFontStyle, &C::SetSelectedFontStyle)
      .Default(0)
      .Prop("HideFocus", &C::HideFocus, &C::SetHideFocus)
      .Default(false)
      .Prop("BeveledFocus", &C::BeveledFocus, &C::SetBeveledFocus)
      .Default(false)
      .Prop("BevelFocusShadowColor", &C::GetColor, &C::SetColor, color)
      .Index(ciBevelFocusShadowColor)
      .Default(0x808080)
      .Prop("BevelFocusLightColor", &C::GetColor, &C::SetColor, color)
      .Index(ciBevelFocusLightColor)
      .Default(0xFFFFFF)
      .Prop("MeasureItemEvent", &C::MeasureItemEvent, &C::SetMeasureItemEvent)
      .Default(false)
      .Publish("MultiSelect")
      .Prop("OnSelect", &C::GetOnSelect, &C::SetOnSelect)
      .Publish({"Align",       "BorderStyle",    "Ctl3D",          "Color",       "DragCursor",
                "DragMode",    "Enabled",        "ExtendedSelect", "Font",        "ImeMode",
                "ImeName",     "IntegralHeight", "ItemHeight",     "ParentColor", "ParentCtl3D",
                "ParentFont",  "ParentShowHint", "PopupMenu",      "ShowHint",    "Sorted",
                "TabOrder",    "TabStop",        "Visible",        "Anchors",     "Constraints",
                "DragKind",    "BiDiMode",       "ParentBiDiMode", "OnClick",     "OnDblClick",
                "OnDragDrop",  "OnDragOver",     "OnDrawItem",     "OnEndDrag",   "OnEnter",
                "OnExit",      "OnKeyDown",      "OnKeyPress",     "OnKeyUp",     "OnMeasureItem",
                "OnMouseDown", "OnMouseMove",    "OnMouseUp",      "OnStartDrag", "OnContextPopup",
                "OnEndDock",   "OnStartDock"});
  // Described here, published by the descendants that show them.
  b.Declare("MultiLine", &C::MultiLine, &C::SetMultiLine)
      .Default(false)
      .Declare("ItemAutoHeight", &C::ItemAutoHeight, &C::SetItemAutoHeight)
      .Default(false)
      .Declare("EditOptions", &C::EditOptions, &C::SetEditOptions)
      .Default(0)
      .Declare("LargeTextOptions", &C::LargeTextOptions, &C::SetLargeTextOptions)
      .Default(lbltNone)
      .Declare("OnEditShow", &C::GetOnEditShow, &C::SetOnEditShow)
      .Declare("OnEditMeasure", &C::GetOnEditMeasure, &C::SetOnEditMeasure)
      .Declare("OnEditChange", &C::GetOnEditChange, &C::SetOnEditChange)
      .Declare("OnEditHide", &C::GetOnEditHide, &C::SetOnEditHide);
  TZYLLabelProperties::Declare(b);
}

ZYL_CLASS_IMPL(TZYLCustomListBoxEdit) {}
ZYL_CLASS_IMPL(TCustomListControl) {}

TZYLCustomListBox::TZYLCustomListBox(vcl::TComponent* AOwner)
    : inherited(AOwner), TZYLLabelProperties(this) {
  FFont3D.reset(new TZYL3DCaption(), vcl::TNotifyEvent(this, &TZYLCustomListBox::GetChange));
  style_ = vcl::lbOwnerDrawFixed;
}

TZYLCustomListBox::~TZYLCustomListBox() {
  CloseEditor();
  FreeHintWindow();
  // The base destroys the window after this class is gone, without this class's DestroyWnd:
  // the theme data is given back here.
  FreeXPThemeHandles();
  FFont3D.reset();
}

bool TZYLCustomListBox::Loading() const {
  return ComponentState().contains(vcl::csLoading) || ComponentState().contains(vcl::csReading);
}

// ---------------------------------------------------------------------------------------------
// Properties

void TZYLCustomListBox::SetFont3D(TZYL3DCaption* Value) { FFont3D->Assign(Value); }

void TZYLCustomListBox::GetChange(vcl::TObject* /*Sender*/) { Invalidate(); }

void TZYLCustomListBox::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  if (Value)
    controlStyle_ -= vcl::csOpaque;
  else
    controlStyle_ += vcl::csOpaque;
  RecreateWnd();
}

void TZYLCustomListBox::SetCtlXP(bool Value) {
  if (FCtlXP == Value) return;
  FCtlXP = Value;
  DoThemeChanged();
}

void TZYLCustomListBox::SetHideSelection(bool Value) {
  if (FHideSelection == Value || (Value && MultiSelect())) return;
  FHideSelection = Value;
  Invalidate();
}

void TZYLCustomListBox::SetMargin(uint8_t Value) {
  if (FMargin == Value) return;
  FMargin = Value;
  Refresh();
}

vcl::TColor TZYLCustomListBox::GetColor(int Index) const {
  switch (Index) {
    case ciHorzGridColor: return FHorzGridColor;
    case ciSelectedColor: return FSelectedColor;
    case ciDisabledColor: return FDisabledColor;
    case ciSelectedFontColor: return FSelectedFontColor;
    case ciBevelFocusShadowColor: return FBevelFocusShadowColor;
    case ciBevelFocusLightColor: return FBevelFocusLightColor;
    default: return vcl::clNone;
  }
}

void TZYLCustomListBox::SetColor(int Index, vcl::TColor Value) {
  vcl::TColor* field = nullptr;
  switch (Index) {
    case ciHorzGridColor: field = &FHorzGridColor; break;
    case ciSelectedColor: field = &FSelectedColor; break;
    case ciDisabledColor: field = &FDisabledColor; break;
    case ciSelectedFontColor: field = &FSelectedFontColor; break;
    case ciBevelFocusShadowColor: field = &FBevelFocusShadowColor; break;
    case ciBevelFocusLightColor: field = &FBevelFocusLightColor; break;
    default: return;
  }
  if (*field == Value) return;
  *field = Value;
  // The focus bevel shows only on a focused box with BeveledFocus.
  if ((Index == ciBevelFocusShadowColor || Index == ciBevelFocusLightColor) &&
      !(FBeveledFocus && HandleAllocated() && Focused()))
    return;
  Invalidate();
}

void TZYLCustomListBox::SetHorzGridStyle(vcl::TPenStyle Value) {
  if (FHorzGridStyle == Value) return;
  FHorzGridStyle = Value;
  Invalidate();
}

void TZYLCustomListBox::SetHorzGridLine(bool Value) {
  if (FHorzGridLine == Value) return;
  FHorzGridLine = Value;
  Invalidate();
}

void TZYLCustomListBox::SetVerticalScrollBar(bool Value) {
  if (FVerticalScrollBar == Value) return;
  FVerticalScrollBar = Value;
  RecreateWnd();
}

void TZYLCustomListBox::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  RecreateWnd();
}

void TZYLCustomListBox::SetSelectedFontStyle(vcl::TFontStyles Value) {
  if (FSelectedFontStyle == Value) return;
  FSelectedFontStyle = Value;
  Invalidate();
}

void TZYLCustomListBox::SetHideFocus(bool Value) {
  if (FHideFocus == Value) return;
  FHideFocus = Value;
  Invalidate();
}

void TZYLCustomListBox::SetBeveledFocus(bool Value) {
  if (FBeveledFocus == Value) return;
  FBeveledFocus = Value;
  if (!Loading() && HandleAllocated() && Focused()) Invalidate();
}

void TZYLCustomListBox::SetMeasureItemEvent(bool Value) {
  if (FMeasureItemEvent == Value) return;
  FMeasureItemEvent = Value;
  SetListBoxStyle();
}

void TZYLCustomListBox::SetMultiLine(bool Value) {
  if (FMultiLine == Value) return;
  FMultiLine = Value;
  if (Value) FLargeTextOptions = lbltNone;
  RecreateWnd();
}

void TZYLCustomListBox::SetItemAutoHeight(bool Value) {
  if (FItemAutoHeight == Value) return;
  FItemAutoHeight = Value;
  SetListBoxStyle();
}

void TZYLCustomListBox::SetEditOptions(TZYLListBoxEditOptions Value) {
  if (FEditOptions == Value) return;
  FEditOptions = Value;
  if (ComponentState().contains(vcl::csDesigning)) CancelEditMode();
}

void TZYLCustomListBox::SetLargeTextOptions(TZYLListBoxLargeTextOptions Value) {
  if (FLargeTextOptions == Value) return;
  FLargeTextOptions = Value;
  if (Value != lbltNone) FMultiLine = false;
  FHorzExtent = 0;
  RecreateWnd();
}

void TZYLCustomListBox::SetListBoxStyle() {
  const vcl::TListBoxStyle s =
      FItemAutoHeight || FMeasureItemEvent ? vcl::lbOwnerDrawVariable : vcl::lbOwnerDrawFixed;
  if (style_ == s) return;
  style_ = s;
  if (!Loading()) RecreateWnd();
}

// ---------------------------------------------------------------------------------------------
// Themes and background

bool TZYLCustomListBox::UseXP() const {
  TZYLApplication* app = ZYLApplication();
  return XPThemesAvailable && app && app->GetUseXPThemes() && app->GetXPThemesSupported() && FCtlXP;
}

void TZYLCustomListBox::DoThemeChanged() { RecreateWnd(); }

void TZYLCustomListBox::CreateXPThemeHandles() {
  FThemeHandle = UseXP() && HandleAllocated() ? OpenThemeData(Handle(), "Edit") : nullptr;
}

void TZYLCustomListBox::FreeXPThemeHandles() {
  if (XPThemesAvailable && FThemeHandle) CloseThemeData(FThemeHandle);
  FThemeHandle = nullptr;
}

bool TZYLCustomListBox::CheckOptimized() { return FTransparent && BackBitmapCheck(); }

void TZYLCustomListBox::RestoreBack(const TRect& Rect) {
  if (CheckOptimized()) BackDrawArea(Canvas(), Rect, Rect.TopLeft(), 0);
}

vcl::TBitmap* TZYLCustomListBox::BackBitmap() { return ZYLBackBitmap(this); }

bool TZYLCustomListBox::BackBitmapCheck() { return ZYLBackBitmapCheck(this); }

win::HPALETTE TZYLCustomListBox::BackBitmapPalette() { return ZYLBackBitmapPalette(this); }

vcl::TPoint TZYLCustomListBox::BackMapPoint(const vcl::TPoint& Point) {
  if (!BackBitmapCheck()) return Point;
  vcl::TPoint p = ZYLBackMapPoint(this, Point);
  const int w = ZYLGetCtrlBorderWidth(Ctl3D(), static_cast<uint8_t>(BorderStyle()), UseXP());
  p.X += w;
  p.Y += w;
  return p;
}

bool TZYLCustomListBox::BackDrawArea(vcl::TCanvas* Canvas, const TRect& DestRect,
                                     const vcl::TPoint& Source, uint16_t /*Flags*/) {
  vcl::TBitmap* bmp = BackBitmap();
  if (!bmp) return false;
  const vcl::TPoint p = BackMapPoint(Source);
  Canvas->CopyRect(DestRect, bmp->Canvas(),
                   TRect{p.X, p.Y, p.X + DestRect.Width(), p.Y + DestRect.Height()});
  return true;
}

void TZYLCustomListBox::BackUpdate() {
  if (!ComponentState().contains(vcl::csLoading) && !ComponentState().contains(vcl::csDestroying))
    Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Window

void TZYLCustomListBox::CreateParams(vcl::TCreateParams& Params) {
  inherited::CreateParams(Params);
  FLastTopIndex = -20;
  if (FLargeTextOptions == lbltHorzScrollBar)
    Params.Style |= win::WS_HSCROLL;
  else
    Params.Style &= ~win::WS_HSCROLL;
  if (!FVerticalScrollBar) Params.Style &= ~win::WS_VSCROLL;
  if (UseXP() && Ctl3D() && BorderStyle() == vcl::bsSingle) {
    Params.Style |= win::WS_BORDER;
    Params.ExStyle &= ~win::WS_EX_CLIENTEDGE;
  }
}

void TZYLCustomListBox::CreateWnd() {
  if (MultiSelect()) FHideSelection = false;
  inherited::CreateWnd();
  CreateXPThemeHandles();
  SetHorzExtent();
}

void TZYLCustomListBox::DestroyWnd() {
  CloseEditor();
  inherited::DestroyWnd();
  FreeXPThemeHandles();
}

void TZYLCustomListBox::WndProc(vcl::TMessage& Message) {
  const bool wide = FLargeTextOptions == lbltHorzScrollBar;
  switch (Message.Msg) {
    case win::WM_SETFONT:
      inherited::WndProc(Message);
      if (!wide) return;
      Canvas()->SetFont(Font());
      InitHorzExtent();
      return;
    case win::LB_ADDSTRING:
    case win::LB_INSERTSTRING: {
      inherited::WndProc(Message);
      const int index = static_cast<int>(Message.Result);
      if (index < 0) return;
      // The window measured the item before it held its text: measure it again.
      if (FItemAutoHeight && style_ == vcl::lbOwnerDrawVariable) RemeasureItem(index);
      if (!wide) return;
      FHorzExtent = std::max(FHorzExtent, GetHorzExtent(index));
      SetHorzExtent();
      return;
    }
    case win::LB_DELETESTRING: {
      const int index = static_cast<int>(Message.WParam);
      if (!wide || (index >= 0 && index < Items()->Count() && GetHorzExtent(index) < FHorzExtent)) {
        inherited::WndProc(Message);
        return;
      }
      MoveHorz(win::SB_LEFT);
      inherited::WndProc(Message);
      InitHorzExtent();
      return;
    }
    case win::LB_RESETCONTENT:
      if (wide) {
        FHorzExtent = 0;
        SetHorzExtent();
        MoveHorz(win::SB_LEFT);
      }
      inherited::WndProc(Message);
      return;
    default: inherited::WndProc(Message);
  }
}

void TZYLCustomListBox::RemeasureItem(int Index) {
  int h = ItemHeight();
  MeasureItem(Index, h);
  win::SendMessageA(Handle(), win::LB_SETITEMHEIGHT, static_cast<win::WPARAM>(Index),
                    std::clamp(h, 1, 255));
}

void TZYLCustomListBox::MoveHorz(uint16_t ScrollCode) {
  if (HandleAllocated()) Perform(win::WM_HSCROLL, ScrollCode, 0);
}

int TZYLCustomListBox::MeasureText(const std::string& Text) {
  TRect r{0, 0, 0, 0};
  ZYLDrawTextCalc(Text, FFont3D, r, Font(), false, false, 0, win::DT_EXPANDTABS);
  return r.Right;
}

int TZYLCustomListBox::GetHorzExtent(int Index) { return MeasureText(GetStringValue(Index)) + 4; }

void TZYLCustomListBox::InitHorzExtent() {
  int widest = 0;
  const int n = Items()->Count();
  for (int i = 0; i < n; ++i) widest = std::max(widest, GetHorzExtent(i));
  FHorzExtent = widest;
  SetHorzExtent();
}

void TZYLCustomListBox::SetHorzExtent() {
  if (FLargeTextOptions == lbltHorzScrollBar && !FMultiLine && HandleAllocated())
    win::SendMessageA(Handle(), win::LB_SETHORIZONTALEXTENT, static_cast<win::WPARAM>(FHorzExtent),
                      0);
}

std::string TZYLCustomListBox::GetStringValue(int Index) {
  if (Index < 0 || Index >= Items()->Count()) return {};
  return Items()->Strings(Index);
}

bool TZYLCustomListBox::ItemVisible(int Index) {
  if (!HandleAllocated() || Index < 0 || Index >= Items()->Count()) return false;
  const TRect r = ItemRect(Index);
  const TRect c = ClientRect();
  const vcl::TPoint p = r.TopLeft();
  return win::PtInRect(&c, p);
}

// ---------------------------------------------------------------------------------------------
// Painting

void TZYLCustomListBox::CNDrawItem(vcl::TMessage& Message) {
  const auto* dis = reinterpret_cast<const win::DRAWITEMSTRUCT*>(Message.LParam);
  const vcl::TOwnerDrawState state = StateOf(dis->itemState & 0xFFFF);
  vcl::TCanvas* c = Canvas();
  vcl::TCanvasBinding binding(c, dis->hDC);
  c->SetFont(Font());
  c->SetBrush(Brush());
  bool hideFocus = FHideFocus;
  vcl::TColor selColor = FSelectedColor;
  if (!Enabled()) {
    c->Brush()->SetColor(FDisabledColor);
    selColor = vcl::clNone;
    hideFocus = true;
  } else if (FHideSelection && !Focused()) {
    selColor = vcl::clNone;
  }
  const int count = Items()->Count();
  const int id = count == 0 ? -1 : static_cast<int>(dis->itemID);
  TRect r = dis->rcItem;
  const bool selected = state.contains(vcl::odSelected) && selColor != vcl::clNone;
  auto paintSelected = [&] {
    c->Brush()->SetColor(selColor);
    c->Font()->SetColor(FSelectedFontColor);
    c->Font()->SetStyle(FSelectedFontStyle);
  };
  if (!CheckOptimized()) {
    if (selected) paintSelected();
    c->FillRect(r);
  } else {
    if (id == count - 1) {
      RestoreBack(TRect{r.Left, r.Top, r.Right, ClientRect().Bottom});
    } else if (!state.contains(vcl::odSelected)) {
      RestoreBack(r);
    }
    if (selected) {
      paintSelected();
      c->FillRect(r);
    }
  }
  if (id >= 0) {
    TRect item = r;
    if (FHorzExtent > Width()) item.Right = FHorzExtent + 2 * FMargin;
    DrawItem(id, item, state);
  }
  if (FHorzGridLine) {
    c->Brush()->SetStyle(vcl::bsClear);
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(FHorzGridStyle);
    c->Pen()->SetColor(FHorzGridColor);
    c->MoveTo(r.Left, r.Bottom - 1);
    c->LineTo(r.Right, r.Bottom - 1);
  }
  if (state.contains(vcl::odFocused) && !hideFocus) {
    if (r.Height() == 0) r.Bottom = r.Top + ItemHeight();
    if (FBeveledFocus) {
      c->Pen()->SetStyle(vcl::psSolid);
      c->Pen()->SetWidth(1);
      c->Pen()->SetColor(FBevelFocusShadowColor);
      c->MoveTo(r.Left, r.Bottom - 1);
      c->LineTo(r.Left, r.Top);
      c->LineTo(r.Right - 1, r.Top);
      c->Pen()->SetColor(FBevelFocusLightColor);
      c->LineTo(r.Right - 1, r.Bottom - 1);
      c->LineTo(r.Left, r.Bottom - 1);
    } else {
      c->DrawFocusRect(r);
    }
  }
  Message.Result = 1;
}

void TZYLCustomListBox::DrawItem(int Index, TRect Rect, vcl::TOwnerDrawState State) {
  Rect.Left += FMargin;
  Rect.Right -= FMargin;
  Rect.Bottom -= 1;
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  int32_t flags = static_cast<int32_t>(DrawTextBiDiModeFlags(win::DT_NOPREFIX | win::DT_VCENTER));
  flags |= FMultiLine ? win::DT_WORDBREAK : win::DT_SINGLELINE;
  if (FLargeTextOptions == lbltEndEllipsis) flags |= win::DT_END_ELLIPSIS;
  if (FLargeTextOptions == lbltPathEllipsis) flags |= win::DT_PATH_ELLIPSIS;
  ZYLDrawTextExt(Canvas(), GetStringValue(Index), FFont3D, Rect, flags,
                 TZYLDrawTextStyles{Enabled() ? dtEnabled : dtDisabled});
}

void TZYLCustomListBox::MeasureItem(int Index, int& Height) {
  inherited::MeasureItem(Index, Height);
  if (Index == -1 || !FItemAutoHeight) return;
  TRect r{0, 0, 0, 0};
  if (FMultiLine) {
    r.Right = ClientWidth();
    ZYLDrawTextCalc(GetStringValue(Index), FFont3D, r, Font(), true, false, 0,
                    win::DT_WORDBREAK | win::DT_EXPANDTABS);
  } else {
    ZYLDrawTextCalc("Wq", FFont3D, r, Font(), false, false, 0, win::DT_EXPANDTABS);
  }
  if (Height < r.Bottom) Height = r.Bottom + 1;
}

void TZYLCustomListBox::MeasureListBoxItems() {
  if (!HandleAllocated()) return;
  const int n = Items()->Count();
  const int top = TopIndex();
  int64_t sum = 0;
  for (int i = 0; i < n; ++i) {
    RemeasureItem(i);
    if (i >= top)
      sum += win::SendMessageA(Handle(), win::LB_GETITEMHEIGHT, static_cast<win::WPARAM>(i), 0);
  }
  win::ShowScrollBar(Handle(), win::SB_VERT, sum >= Height() ? win::TRUE : win::FALSE);
  Invalidate();
}

// The background below the items: nothing while transparent (the items restore the parent's
// background), else the box's colour.
void TZYLCustomListBox::CNCtlColorListBox(vcl::TMessage& Message) {
  Message.Result = reinterpret_cast<win::LRESULT>(
      CheckOptimized() ? win::GetStockObject(win::NULL_BRUSH) : Brush()->Handle());
}

void TZYLCustomListBox::DrawBorder(win::HDC DC) {
  if (BorderStyle() == vcl::bsNone) return;
  ZYLPaintWindowFrame(
      this,
      [this](vcl::TCanvas* Canvas, TRect r) {
        win::HDC dc = Canvas->Handle();
        win::TSavedDC saved(dc);
        // Clips drawing to the ring of width W just inside the window's edge (within the clip the
        // DC has already).
        auto clipRing = [&](int W) {
          win::IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
          win::ExcludeClipRect(dc, r.Left + W, r.Top + W, r.Right - W, r.Bottom - W);
        };
        const bool focused = Focused();
        if (UseXP() && FThemeHandle) {
          clipRing(1);
          const int state = !Enabled()        ? kStateDisabled
                            : focused         ? kStateFocused
                            : FMouseInControl ? kStateHot
                                              : kStateNormal;
          DrawThemeBackground(FThemeHandle, dc, kEditPart, state, &r, nullptr);
        } else if (focused || FMouseInControl) {
          ZYLDrawStdFrame(Canvas, r, lsLoweredExt, 0);
        } else if (CheckOptimized()) {
          const int w =
              ZYLGetCtrlBorderWidth(Ctl3D(), static_cast<uint8_t>(BorderStyle()), UseXP());
          clipRing(w);
          const vcl::TPoint p = BackMapPoint(vcl::TPoint{-w, -w});
          Canvas->CopyRect(r, BackBitmap()->Canvas(),
                           TRect{p.X, p.Y, p.X + r.Width(), p.Y + r.Height()});
        } else {
          Canvas->Brush()->SetStyle(vcl::bsClear);
          Canvas->Pen()->SetWidth(3);
          Canvas->Pen()->SetColor(Enabled() ? Color() : FDisabledColor);
          Canvas->Rectangle(r);
        }
      },
      DC);
}

// ---------------------------------------------------------------------------------------------
// Messages

void TZYLCustomListBox::CMThemeChanged(vcl::TMessage& /*Message*/) { DoThemeChanged(); }

void TZYLCustomListBox::WMThemeChanged(vcl::TMessage& Message) {
  DefaultHandler(&Message);
  DoThemeChanged();
}

void TZYLCustomListBox::CMScrollBoxScroll(vcl::TMessage& /*Message*/) {
  if (CheckOptimized()) Invalidate();
}

void TZYLCustomListBox::CMMouseEnter(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  FMouseInControl = true;
  if ((FFlat && !Focused()) || FThemeHandle) DrawBorder();
}

void TZYLCustomListBox::CMMouseLeave(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  FMouseInControl = false;
  CancelHint();
  if ((FFlat && !Focused()) || FThemeHandle) DrawBorder();
}

void TZYLCustomListBox::CNCommand(vcl::TWMCommand& Message) {
  ZYL_INHERITED(Message);
  if (Message.NotifyCode() == win::LBN_SELCHANGE) DoSelect();
}

void TZYLCustomListBox::DoSelect() {
  if (FOnSelect) FOnSelect(this);
}

void TZYLCustomListBox::LBGetTopIndex(vcl::TMessage& Message) {
  DefaultHandler(&Message);
  const int top = static_cast<int>(Message.Result);
  if (top != FLastTopIndex && CheckOptimized()) win::InvalidateRect(Handle(), nullptr, win::FALSE);
  FLastTopIndex = top;
}

void TZYLCustomListBox::WMKillFocus(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (FHideSelection) Invalidate();
  if ((FFlat && !FMouseInControl) || FThemeHandle) DrawBorder();
}

void TZYLCustomListBox::WMSetFocus(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (FHideSelection) Invalidate();
  if ((FFlat && !FMouseInControl) || FThemeHandle) DrawBorder();
}

void TZYLCustomListBox::WMNCPaint(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (UseXP() && Ctl3D() && !FFlat) DrawBorder();
}

bool TZYLCustomListBox::DrawsBorder() { return FFlat || (UseXP() && Ctl3D()); }

void TZYLCustomListBox::WMPrint(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (ZYLPrintsFrame(Message) && DrawsBorder())
    DrawBorder(reinterpret_cast<win::HDC>(Message.WParam));
}

void TZYLCustomListBox::WMPaint(vcl::TMessage& Message) {
  if (HandleAllocated()) Perform(win::LB_GETTOPINDEX, 0, 0);
  ZYL_INHERITED(Message);
  // A picture taken into a DC gets the empty box's background there; the frame is WM_PRINT's.
  const auto given = reinterpret_cast<win::HDC>(Message.WParam);
  if (Items()->Count() == 0 && CheckOptimized()) {
    const win::TWindowDC own(Handle(), given ? nullptr : win::GetDC(Handle()));
    vcl::TCanvasBinding bind(Canvas(), given ? given : own.Get());
    RestoreBack(ClientRect());
  }
  if (FFlat && !given) DrawBorder();
}

void TZYLCustomListBox::WMSize(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  CancelEditMode();
  if (!HandleAllocated() || Loading()) return;
  if (FItemAutoHeight && FMultiLine) MeasureListBoxItems();
  if (FLargeTextOptions == lbltEndEllipsis || FLargeTextOptions == lbltPathEllipsis) Invalidate();
}

void TZYLCustomListBox::WMMove(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (ComponentState().contains(vcl::csDesigning)) {
    FLastTopIndex = -20;
    Perform(win::LB_GETTOPINDEX, 0, 0);
  }
}

void TZYLCustomListBox::WMNCHitTest(vcl::TMessage& Message) {
  if (ComponentState().contains(vcl::csDesigning))
    DefaultHandler(&Message);
  else
    ZYL_INHERITED(Message);
}

void TZYLCustomListBox::WMEraseBkgnd(vcl::TMessage& Message) {
  if (!CheckOptimized()) {
    ZYL_INHERITED(Message);
    return;
  }
  vcl::TCanvasBinding bind(Canvas(), reinterpret_cast<win::HDC>(Message.WParam));
  RestoreBack(ClientRect());
  Message.Result = 1;
}

void TZYLCustomListBox::CMEnabledChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  CancelHint();
  FLabelBinding.EnabledChanged();
  if (FDisabledColor != Color() && !FTransparent) Invalidate();
  if (FFlat || FThemeHandle) DrawBorder();
}

}  // namespace zyl
