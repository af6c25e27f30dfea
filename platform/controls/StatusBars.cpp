#include "platform/controls/StatusBars.h"

#include <algorithm>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlPaint.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

namespace {
constexpr int kPanelGap = 2;    // between two panels
constexpr int kBarTop = 2;      // the bar's margin above its panels
constexpr int kTextIndent = 2;  // inside a panel's bevel
}  // namespace

// ---------------------------------------------------------------------------------------------
// TStatusPanel

TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}

void TStatusPanel::Assign(TPersistent* Source) {
  if (auto* p = dynamic_cast<TStatusPanel*>(Source)) {
    alignment_ = p->alignment_;
    bevel_ = p->bevel_;
    style_ = p->style_;
    text_ = p->text_;
    width_ = p->width_;
    Changed(false);
    return;
  }
  TCollectionItem::Assign(Source);
}

std::string TStatusPanel::DisplayName() const {
  return text_.empty() ? TCollectionItem::DisplayName() : text_;
}

void TStatusPanel::SetAlignment(TAlignment Value) {
  alignment_ = Value;
  Changed(false);
}
void TStatusPanel::SetBevel(TStatusPanelBevel Value) {
  bevel_ = Value;
  Changed(false);
}
void TStatusPanel::SetStyle(TStatusPanelStyle Value) {
  style_ = Value;
  Changed(false);
}
void TStatusPanel::SetText(const std::string& Value) {
  text_ = Value;
  Changed(false);
}
void TStatusPanel::SetWidth(int32_t Value) {
  if (Value < 0) throw EInvalidOperation(Format(SPropertyOutOfRange, {"Width"}));
  width_ = Value;
  Changed(true);
}

ZYL_CLASS_IMPL(TStatusPanel) {
  using C = TStatusPanel;
  b.Prop("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(taLeftJustify)
      .Prop("Bevel", &C::Bevel, &C::SetBevel)
      .Default(pbLowered)
      .Prop("Style", &C::Style, &C::SetStyle)
      .Default(psText)
      .Prop("Text", &C::Text, &C::SetText)
      .Prop("Width", &C::Width, &C::SetWidth);
}

// ---------------------------------------------------------------------------------------------
// TStatusPanels

TStatusPanels::TStatusPanels(TStatusBar* StatusBar)
    : TCollection(TStatusPanel::StaticClass()), statusBar_(StatusBar) {}

TPersistent* TStatusPanels::GetOwner() { return statusBar_; }

void TStatusPanels::Update(TCollectionItem*) { statusBar_->Invalidate(); }

ZYL_CLASS_IMPL(TStatusPanels) {}

// ---------------------------------------------------------------------------------------------
// TStatusBar

TStatusBar::TStatusBar(TComponent* AOwner)
    : TCustomControl(AOwner), panels_(new TStatusPanels(this)) {
  controlStyle_ = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
  SetColor(clBtnFace);
  height_ = 19;
  width_ = 19;
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() { delete panels_; }

void TStatusBar::SetSimplePanel(bool Value) {
  simplePanel_ = Value;
  Invalidate();
}
void TStatusBar::SetSimpleText(const std::string& Value) {
  simpleText_ = Value;
  if (simplePanel_) Invalidate();
}
void TStatusBar::SetSizeGrip(bool Value) {
  sizeGrip_ = Value;
  Invalidate();
}

bool TStatusBar::SizeGripShown() {
  if (!sizeGrip_) return false;
  auto* form = dynamic_cast<TCustomForm*>(parent_);
  return form && (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin);
}

TRect TStatusBar::PanelRect(int Index) {
  panels_->Items(Index);  // raises for a bad index
  int x = 0;
  for (int i = 0; i < Index; ++i) x += panels_->Items(i)->Width() + kPanelGap;
  return PanelRectAt(Index, x);
}

TRect TStatusBar::PanelRectAt(int Index, int Left) {
  const int right = Index == panels_->Count() - 1 ? width_ : Left + panels_->Items(Index)->Width();
  return TRect{Left, kBarTop, std::min(right, width_), height_};
}

void TStatusBar::DrawPanelFrame(TStatusPanelBevel Bevel, TRect& Rect) {
  if (Bevel == pbNone) return;
  RECT e = Rect;
  DrawEdge(canvas_->Handle(), &e, Bevel == pbLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
           BF_RECT | BF_ADJUST);
  Rect = e;
}

void TStatusBar::DrawPanel(TStatusPanel* Panel, const TRect& Rect) {
  TRect r = Rect;
  DrawPanelFrame(Panel->Bevel(), r);
  if (Panel->Style() == psOwnerDraw) {
    if (OnDrawPanel) {
      canvas_->Font()->Assign(font_);
      canvas_->Brush()->SetColor(color_);
      canvas_->Brush()->SetStyle(bsSolid);
      OnDrawPanel(this, Panel, r);
    }
    return;
  }
  static const unsigned kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  r.Left += kTextIndent;
  r.Right -= kTextIndent;
  canvas_->Font()->Assign(font_);
  canvas_->Brush()->SetStyle(bsClear);
  DrawCaption(
      canvas_, Panel->Text(), r,
      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | kAlign[Panel->Alignment()],
      enabled_);
}

void TStatusBar::Paint() {
  TCanvas* c = canvas_;
  c->Brush()->SetColor(color_);
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(TRect{0, 0, width_, height_});
  if (simplePanel_) {
    TRect r{0, kBarTop, width_, height_};
    DrawPanelFrame(pbLowered, r);
    r.Left += kTextIndent;
    c->Font()->Assign(font_);
    c->Brush()->SetStyle(bsClear);
    DrawCaption(c, simpleText_, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, enabled_);
  } else {
    // One walk: each panel starts where the one before it ended.
    int x = 0;
    for (int i = 0; i < panels_->Count() && x < width_; ++i) {
      TStatusPanel* p = panels_->Items(i);
      DrawPanel(p, PanelRectAt(i, x));
      x += p->Width() + kPanelGap;
    }
  }
  if (SizeGripShown()) {
    const int size = GetSystemMetrics(SM_CXVSCROLL);
    RECT grip{width_ - size, height_ - size, width_, height_};
    DrawFrameControl(c->Handle(), &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  }
}

void TStatusBar::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TStatusBar::WMSize(TWMSize& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

ZYL_MESSAGE_MAP(TStatusBar) {
  m.On(CM_FONTCHANGED, &TStatusBar::CMFontChanged).On(WM_SIZE, &TStatusBar::WMSize);
}

ZYL_CLASS_IMPL(TStatusBar) {
  using C = TStatusBar;
  b.Publish("Align")
      .Default(alBottom)
      .Publish("Anchors")
      .Prop("AutoHint", &C::AutoHint, &C::SetAutoHint)
      .Default(false)
      .Publish("BiDiMode")
      .Prop("BorderWidth", &C::BorderWidth, &C::SetBorderWidth)
      .Default(0)
      .Publish("Color")
      .Default(clBtnFace)
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled", "Font", "Constraints"})
      .Prop("Panels", &C::Panels, &C::SetPanels)
      .Publish({"ParentBiDiMode"})
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"})
      .Prop("SimplePanel", &C::SimplePanel, &C::SetSimplePanel)
      .Default(false)
      .Prop("SimpleText", &C::SimpleText, &C::SetSimpleText)
      .Prop("SizeGrip", &C::SizeGrip, &C::SetSizeGrip)
      .Default(true)
      .Prop("UseSystemFont", &C::UseSystemFont, &C::SetUseSystemFont)
      .Default(true)
      .Publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnResize", "OnStartDock",
                "OnStartDrag"})
      .Prop("OnDrawPanel", &C::GetOnDrawPanel, &C::SetOnDrawPanel)
      .Prop("OnHint", &C::GetOnHint, &C::SetOnHint);
}

}  // namespace vcl
