#include "buttons/ZYLButtonGroup.h"

#include <algorithm>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLProcs.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLCustomButtonGroup) {
  m.On(win::WM_GETDLGCODE, &TZYLCustomButtonGroup::WMGetDlgCode);
}

// What both groups publish; the check group adds Value, the radio group ItemIndex.
ZYL_CLASS_IMPL(TZYLCustomButtonGroup) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomButtonGroup;
  b.Publish("About")
      .Publish({"Align", "Anchors", "Bevel", "Caption"})
      .Publish({"CaptionFont", "CaptionFont3D"})
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Prop("Columns", &C::Columns, &C::SetColumns)
      .Default(1)
      .Publish({"Constraints", "CtlXP", "Enabled", "Font"})
      .Prop("Font3D", &C::Font3D, &C::SetFont3D)
      .Prop("GlyphImageIndex", &C::GetGlyphIndex, &C::SetGlyphIndex)
      .Index(giImageIndex)
      .Default(0)
      .Prop("GlyphImageList", &C::GlyphImageList, &C::SetGlyphImageList)
      .Stored(&C::IsGlyphImageListStored)
      .Prop("GlyphListIndex", &C::GetGlyphIndex, &C::SetGlyphIndex)
      .Index(giListIndex)
      .Default(0)
      .Publish({"ImageIndex", "ImageList"})
      .Prop("Items", &C::Items, &C::SetItems)
      .Publish("ListIndex")
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop"})
      .Default(true)
      .Publish({"Transparent", "Visible"})
      .Prop("OnChange", &C::GetOnChange, &C::SetOnChange)
      .Publish({"OnClick", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
}

ZYL_CLASS_IMPL(TZYLCustomCheckGroup) {}
ZYL_CLASS_IMPL(TZYLCustomRadioGroup) {}

ZYL_CLASS_IMPL(TZYLCheckGroup) {
  using C = TZYLCheckGroup;
  b.Prop("Value", &C::Value, &C::SetValue).Default(0);
}

ZYL_CLASS_IMPL(TZYLRadioGroup) {
  using C = TZYLRadioGroup;
  b.Prop("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1);
}

namespace {

// Space between a box and its text, and around the items.
constexpr int Gap = 4;

}  // namespace

TZYLCustomButtonGroup::TZYLCustomButtonGroup(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FItems(new vcl::TStringList()),
      FFont3D(new TZYLFxCaption()),
      FGlyphBitmap(std::make_unique<vcl::TBitmap>()) {
  FItems.Link(vcl::TNotifyEvent(this, &TZYLCustomButtonGroup::ItemsChange));
  FFont3D.Link(vcl::TNotifyEvent(this, &TZYLCustomButtonGroup::PartChange));
  vcl::TControlStyle s = ControlStyle();
  s.Exclude(vcl::csAcceptsControls);
  SetControlStyle(s);
  SetTabStop(true);
}

TZYLCustomButtonGroup::~TZYLCustomButtonGroup() {
  if (FGlyphImageList) FGlyphImageList->RemoveFreeNotification(this);
}

vcl::TStrings* TZYLCustomButtonGroup::Items() const { return FItems.get(); }

void TZYLCustomButtonGroup::SetItems(vcl::TStrings* Value) {
  if (Value)
    FItems->Assign(Value);
  else
    FItems->Clear();
}

void TZYLCustomButtonGroup::SetColumns(int Value) {
  Value = std::max(Value, 1);
  if (Value == FColumns) return;
  FColumns = Value;
  Invalidate();
}

void TZYLCustomButtonGroup::SetFont3D(TZYLFxCaption* Value) {
  if (Value) FFont3D->Assign(Value);
}

void TZYLCustomButtonGroup::SetGlyphImageList(TZYLCustomImageList* Value) {
  if (Value == FGlyphImageList) return;
  if (FGlyphImageList) FGlyphImageList->RemoveFreeNotification(this);
  FGlyphImageList = Value;
  if (FGlyphImageList) FGlyphImageList->FreeNotification(this);
  Invalidate();
}

int TZYLCustomButtonGroup::GetGlyphIndex(int Index) const {
  return Index == giImageIndex ? FGlyphImageIndex : FGlyphListIndex;
}

void TZYLCustomButtonGroup::SetGlyphIndex(int Index, int Value) {
  int& field = Index == giImageIndex ? FGlyphImageIndex : FGlyphListIndex;
  if (field == Value) return;
  field = Value;
  Invalidate();
}

void TZYLCustomButtonGroup::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != vcl::opRemove || AComponent != FGlyphImageList) return;
  FGlyphImageList = nullptr;
  Invalidate();
}

bool TZYLCustomButtonGroup::IsGlyphImageListStored() const {
  return ZYLIsReferenceStored(FGlyphImageList);
}

void TZYLCustomButtonGroup::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  ZYLDefineGlobalIdent(
      Filer, FGlyphImageList, [this](TZYLCustomImageList* L) { SetGlyphImageList(L); },
      "GlyphImageListInternal");
}

void TZYLCustomButtonGroup::ItemsChange(vcl::TObject*) {
  FFocusIndex = std::clamp(FFocusIndex, 0, std::max(FItems->Count() - 1, 0));
  ItemsChanged();
  Invalidate();
}

void TZYLCustomButtonGroup::ChecksChanged() {
  Invalidate();
  if (!ComponentState().contains(vcl::csLoading) && FOnChange) FOnChange(this);
}

void TZYLCustomButtonGroup::WMGetDlgCode(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Message.Result |= win::DLGC_WANTARROWS;
}

vcl::TRect TZYLCustomButtonGroup::ItemsArea() {
  const vcl::TRect r = ContentRect();
  return vcl::TRect{r.Left + Gap, r.Top + Gap / 2, r.Right - Gap, r.Bottom - Gap / 2};
}

vcl::TRect TZYLCustomButtonGroup::ItemRect(int Index) {
  const int count = FItems->Count();
  if (Index < 0 || Index >= count) return vcl::TRect{0, 0, 0, 0};
  const vcl::TRect area = ItemsArea();
  const int rows = (count + FColumns - 1) / FColumns;
  const int col = Index / rows, row = Index % rows;
  const int w = area.Right - area.Left, h = area.Bottom - area.Top;
  return vcl::TRect{area.Left + col * w / FColumns, area.Top + row * h / rows,
                    area.Left + (col + 1) * w / FColumns, area.Top + (row + 1) * h / rows};
}

int TZYLCustomButtonGroup::ItemAt(int X, int Y) {
  for (int i = 0; i < FItems->Count(); ++i) {
    const vcl::TRect r = ItemRect(i);
    if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
  }
  return -1;
}

void TZYLCustomButtonGroup::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                                      int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != vcl::mbLeft || !Enabled()) return;
  if (CanFocus() && !Focused()) SetFocus();
  const int i = ItemAt(X, Y);
  if (i < 0) return;
  FFocusIndex = i;
  ItemClicked(i);
  Invalidate();
}

void TZYLCustomButtonGroup::KeyDown(uint16_t& Key, vcl::TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  const int count = FItems->Count();
  if (count == 0 || !Enabled()) return;
  int next = FFocusIndex;
  switch (Key) {
    case win::VK_UP:
    case win::VK_LEFT: next = std::max(FFocusIndex - 1, 0); break;
    case win::VK_DOWN:
    case win::VK_RIGHT: next = std::min(FFocusIndex + 1, count - 1); break;
    case win::VK_SPACE:
      Key = 0;
      ItemClicked(FFocusIndex);
      return;
    default: return;
  }
  Key = 0;
  if (next == FFocusIndex) return;
  FFocusIndex = next;
  Invalidate();
}

void TZYLCustomButtonGroup::DrawBox(vcl::TCanvas* C, const vcl::TRect& Box, int Index) {
  const bool checked = ItemChecked(Index);
  if (FGlyphImageList &&
      FGlyphImageList->GetBitmapItem(FGlyphListIndex, FGlyphImageIndex + (checked ? 1 : 0),
                                     FGlyphBitmap.get())) {
    FGlyphBitmap->SetTransparent(true);
    C->Draw(Box.Left, Box.Top, FGlyphBitmap.get());
    return;
  }
  uint32_t flags = MarkKind();
  if (checked) flags |= win::DFCS_CHECKED;
  if (!Enabled()) flags |= win::DFCS_INACTIVE;
  win::TRect r = Box;
  win::DrawFrameControl(C->Handle(), &r, win::DFC_BUTTON, flags);
}

void TZYLCustomButtonGroup::Paint() {
  inherited::Paint();
  vcl::TCanvas* c = Canvas();
  c->SetFont(Font());
  for (int i = 0; i < FItems->Count(); ++i) {
    const vcl::TRect r = ItemRect(i);
    const int side = FGlyphImageList ? std::max(FGlyphBitmap->Height(), BoxSize) : BoxSize;
    const int top = r.Top + (r.Bottom - r.Top - BoxSize) / 2;
    const vcl::TRect box{r.Left, top, r.Left + BoxSize, top + BoxSize};
    DrawBox(c, box, i);
    vcl::TRect text{r.Left + side + Gap, r.Top, r.Right, r.Bottom};
    c->Brush()->SetStyle(vcl::bsClear);
    ZYLDrawTextAndGlyph(c, FItems->Strings(i), FFont3D.get(), text, nullptr, nullptr,
                        FTextLayout.get(), false, true, true,
                        TZYLDrawTextStyles{Enabled() ? dtEnabled : dtDisabled}, 0);
    if (Focused() && i == FFocusIndex) {
      win::TRect f{text.Left - 1, top - 1, text.Right, top + BoxSize + 1};
      c->Brush()->SetStyle(vcl::bsSolid);
      c->DrawFocusRect(f);
    }
  }
}

// ---- the check group ----

TZYLCustomCheckGroup::TZYLCustomCheckGroup(vcl::TComponent* AOwner)
    : inherited(AOwner), FChecked(32, false) {}

bool TZYLCustomCheckGroup::ItemChecked(int Index) const {
  return Index >= 0 && Index < static_cast<int>(FChecked.size()) && FChecked[Index];
}

void TZYLCustomCheckGroup::SetChecked(int Index, bool Value) {
  if (Index < 0 || Index >= static_cast<int>(FChecked.size()))
    throw vcl::EListError(vcl::Format(vcl::SListIndexError, {Index}));
  if (FChecked[Index] == Value) return;
  FChecked[Index] = Value;
  ChecksChanged();
}

int32_t TZYLCustomCheckGroup::Value() const {
  uint32_t v = 0;
  for (int i = 0; i < 32; ++i)
    if (FChecked[i]) v |= uint32_t{1} << i;
  return static_cast<int32_t>(v);
}

void TZYLCustomCheckGroup::SetValue(int32_t Value) {
  const uint32_t v = static_cast<uint32_t>(Value);
  bool changed = false;
  for (int i = 0; i < 32; ++i) {
    const bool on = (v >> i) & 1u;
    if (FChecked[i] != on) {
      FChecked[i] = on;
      changed = true;
    }
  }
  if (changed) ChecksChanged();
}

void TZYLCustomCheckGroup::ItemClicked(int Index) { SetChecked(Index, !ItemChecked(Index)); }

uint32_t TZYLCustomCheckGroup::MarkKind() const { return win::DFCS_BUTTONCHECK; }

void TZYLCustomCheckGroup::ItemsChanged() {
  const size_t n = std::max<size_t>(32, static_cast<size_t>(FItems->Count()));
  FChecked.resize(n, false);
}

// ---- the radio group ----

void TZYLCustomRadioGroup::SetItemIndex(int Value) {
  const vcl::TComponentState state = ComponentState();
  if (state.contains(vcl::csLoading) || state.contains(vcl::csReading)) {
    FItemIndex = Value;
    return;
  }
  if (Value < -1 || Value >= FItems->Count())
    throw vcl::EListError(vcl::Format(vcl::SListIndexError, {Value}));
  if (Value == FItemIndex) return;
  FItemIndex = Value;
  if (Value >= 0) FFocusIndex = Value;
  ChecksChanged();
}

uint32_t TZYLCustomRadioGroup::MarkKind() const { return win::DFCS_BUTTONRADIO; }

void TZYLCustomRadioGroup::ItemsChanged() {
  if (ComponentState().contains(vcl::csLoading)) return;
  // The chosen item went with its line.
  if (FItemIndex >= FItems->Count()) {
    FItemIndex = -1;
    ChecksChanged();
  }
}

void TZYLCustomRadioGroup::Loaded() {
  inherited::Loaded();
  if (FItemIndex < -1 || FItemIndex >= FItems->Count()) FItemIndex = -1;
}

}  // namespace zyl
