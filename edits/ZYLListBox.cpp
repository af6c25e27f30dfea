#include "edits/ZYLListBox.h"

#include <algorithm>
#include <cstdlib>

#include "display/ZYLBaseLabel.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLStrings.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/base/Restore.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/SysUtils.h"
#include "platform/text/Text.h"

namespace zyl {

using vcl::TRect;

// ---------------------------------------------------------------------------------------------
// TZYLHeaderControl, TZYLMyListBox

ZYL_CLASS_IMPL(TZYLHeaderControl) {}

int TZYLHeaderControl::GetSectionWidth(int I) const {
  if (I < 0 || I >= Sections()->Count()) return 0;
  return Sections()->Items(I)->Width();
}

void TZYLHeaderControl::SetSectionWidth(int I, int W) {
  if (I < 0 || I >= Sections()->Count()) return;
  vcl::THeaderSection* s = Sections()->Items(I);
  if (s->Width() == W) return;
  s->SetWidth(W);
  if (OnSectionResize) OnSectionResize(this, s);
}

void TZYLHeaderControl::WndProc(vcl::TMessage& Message) {
  if (auto* box = dynamic_cast<TZYLListBox*>(Owner())) box->PassHandlers();
  inherited::WndProc(Message);
}

ZYL_CLASS_IMPL(TZYLMyListBox) {}

void TZYLMyListBox::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!HandleAllocated()) return;
  if (auto* box = dynamic_cast<TZYLListBox*>(Owner())) box->InternalMouseMove(Shift, X, Y);
}

void TZYLMyListBox::WndProc(vcl::TMessage& Message) {
  if (auto* box = dynamic_cast<TZYLListBox*>(Owner())) box->PassHandlers();
  inherited::WndProc(Message);
}

// ---------------------------------------------------------------------------------------------
// TZYLListBox: description

namespace {
// Draws a column's text in the canvas's font, on a clear ground.
void ColumnText(vcl::TCanvas* Canvas, const std::string& Text, win::RECT Rect, uint32_t Flags) {
  Canvas->RequiredState({vcl::csHandleValid, vcl::csFontValid, vcl::csBrushValid});
  const win::HDC dc = Canvas->Handle();
  win::SetBkMode(dc, win::TRANSPARENT);
  win::SetTextColor(dc, static_cast<win::COLORREF>(vcl::ColorToRGB(Canvas->Font()->Color())));
  win::DrawTextA(dc, Text.c_str(), static_cast<int>(Text.size()), &Rect, Flags);
}

// The caption of a section added for a stored width beyond the header's sections.
constexpr const char* kAddedSectionCaption = "S. %d";
}  // namespace

ZYL_MESSAGE_MAP(TZYLListBox) {
  m.On(CM_ZYLTRANSPARENTCHANGED, &TZYLListBox::CMTransparentChanged)
      .On(win::WM_ERASEBKGND, &TZYLListBox::WMEraseBkgnd);
}

ZYL_CLASS_IMPL(TZYLListBox) {
  using C = TZYLListBox;
  const vcl::TTypeInfo* color = vcl::ColorTypeInfo();
  const vcl::TTypeInfo* cursor = vcl::CursorTypeInfo();
  b.Publish({"About", "Align", "Anchors", "Constraints", "DragKind", "BiDiMode", "ParentBiDiMode",
             "PopupMenu", "TabOrder", "Visible", "Bevel", "CtlXP", "Transparent"})
      .Prop("Delimiter", &C::Delimiter, &C::SetDelimiter)
      .Default(';')
      .Prop("GridLines", &C::GridLines, &C::SetGridLines)
      .Default(glNone)
      .Prop("GridHorzColor", &C::GetColor, &C::SetColor, color)
      .Index(ciGridHorzColor)
      .Default(0xC0C0C0)
      .Prop("GridVertColor", &C::GetColor, &C::SetColor, color)
      .Index(ciGridVertColor)
      .Default(0xC0C0C0)
      .Prop("GridHorzStyle", &C::GetPenStyle, &C::SetPenStyle)
      .Index(piGridHorzStyle)
      .Default(vcl::psSolid)
      .Prop("GridVertStyle", &C::GetPenStyle, &C::SetPenStyle)
      .Index(piGridVertStyle)
      .Default(vcl::psSolid)
      .Prop("SelectedColor", &C::GetColor, &C::SetColor, color)
      .Index(ciSelectedColor)
      .Default(vcl::clHighlight)
      .Prop("SelectedFontColor", &C::GetColor, &C::SetColor, color)
      .Index(ciSelectedFontColor)
      .Default(vcl::clHighlightText)
      .Prop("SelectedFontStyle", &C::SelectedFontStyle, &C::SetSelectedFontStyle)
      .Default(0)
      .Prop("AlternateColors", &C::GetBool, &C::SetBool)
      .Index(biAlternateColors)
      .Default(false)
      .Prop("AltLineColor", &C::GetColor, &C::SetColor, color)
      .Index(ciAltLineColor)
      .Default(0xC0C0C0)
      .Prop("AltFontColor", &C::GetColor, &C::SetColor, color)
      .Index(ciAltFontColor)
      .Default(vcl::clWindowText)
      .Prop("ColumnOptions", &C::ColumnOptions, &C::SetColumnOptions)
      .Default(0)
      .Prop("Style", &C::Style, &C::SetStyle)
      .Default(vcl::lbStandard)
      .Prop("VirtualWidth", &C::VirtualWidth, &C::SetVirtualWidth)
      .Default(0)
      .Prop("VirtualAutoWidth", &C::GetBool, &C::SetBool)
      .Index(biVirtualAutoWidth)
      .Default(false)
      .Prop("IniLink", &C::IniLink, &C::SetIniLink)
      .Prop("IniUse", &C::IniUse, &C::SetIniUse)
      .Default(ioNone)
      .Prop("Section", &C::Section, &C::SetSection)
      .Stored(&C::IsSectionStored)
      .Prop("IniKey", &C::IniKey, &C::SetIniKey)
      .Stored(&C::IsIniKeyStored)
      // The inner list starts in the window colour: the colour is always written, white too.
      .Prop("Color", &C::GetColor, &C::SetColor, color)
      .Index(ciColor)
      .Prop("BevelFocusShadowColor", &C::GetColor, &C::SetColor, color)
      .Index(ciBevelFocusShadowColor)
      .Default(0x808080)
      .Prop("BevelFocusLightColor", &C::GetColor, &C::SetColor, color)
      .Index(ciBevelFocusLightColor)
      .Default(0xFFFFFF);
  struct TBool {
    const char* Name;
    int Index;
    bool Default;
  };
  for (const TBool& p : {TBool{"Enabled", biEnabled, true},
                         {"ExtendedSelect", biExtendedSelect, true},
                         {"MultiSelect", biMultiSelect, false},
                         {"Sorted", biSorted, false},
                         {"ShowHint", biShowHint, false},
                         {"ParentShowHint", biParentShowHint, true},
                         {"TabStop", biTabStop, true},
                         {"ItemAutoHeight", biItemAutoHeight, false},
                         {"BeveledFocus", biBeveledFocus, false},
                         {"HeaderVisible", biHeaderVisible, true},
                         {"AllowResize", biAllowResize, true},
                         {"HeaderHotTrack", biHeaderHotTrack, false},
                         {"HeaderFlat", biHeaderFlat, false}}) {
    b.Prop(p.Name, &C::GetBool, &C::SetBool).Index(p.Index).Default(p.Default);
    if (p.Index == biShowHint) b.Stored(&C::IsShowHintStored);
  }
  b.Prop("AutoScroll", &C::GetBool, nullptr)
      .Index(biAutoScroll)
      .Stored(false)
      .Prop("HeaderHeight", &C::GetInteger, &C::SetInteger)
      .Index(iiHeaderHeight)
      .Default(17)
      .Prop("ItemHeight", &C::GetInteger, &C::SetInteger)
      .Index(iiItemHeight)
      .Prop("HeaderFont", &C::GetFont, &C::SetFont)
      .Index(fiHeaderFont)
      .Prop("Font", &C::GetFont, &C::SetFont)
      .Index(fiFont)
      .Prop("HeaderSections", &C::GetHeaderSections, &C::SetHeaderSections)
      .Prop("Items", &C::GetItems, &C::SetItems)
      .Prop("Cursor", &C::GetCursor, &C::SetCursor, cursor)
      .Index(uiCursor)
      .Default(vcl::crDefault)
      .Prop("DragCursor", &C::GetCursor, &C::SetCursor, cursor)
      .Index(uiDragCursor)
      .Default(vcl::crDrag)
      .Prop("DragMode", &C::GetDragMode, &C::SetDragMod)
      .Default(vcl::dmManual)
      .Prop("Hint", &C::GetHint, &C::SetHint)
      .Prop("ImeMode", &C::GetImeMode, &C::SetImeMode)
      .Default(vcl::imDontCare)
      .Prop("ImeName", &C::GetImeName, &C::SetImeName, vcl::ImeNameTypeInfo())
      .Prop("VertScrollBar", &C::GetControlBar, nullptr)
      .Stored(false)
      .Prop("OnDrawItem", &C::GetOnDrawItem, &C::SetOnDrawItem)
      .Prop("OnPrepareDrawItem", &C::GetOnPrepareDrawItem, &C::SetOnPrepareDrawItem)
      .Prop("OnMeasureItem", &C::GetMeasureItemEvent, &C::SetMeasureItemEvent)
      .Prop("OnSelect", &C::GetOnSelect, &C::SetOnSelect)
      .Prop("OnGetLineSettings", &C::GetOnGetLineSettings, &C::SetOnGetLineSettings)
      .Prop("OnSSCompareItem", &C::GetOnSSCompareItem, &C::SetOnSSCompareItem)
      .Prop("OnHeaderSized", &C::GetOnHeaderSized, &C::SetOnHeaderSized)
      .Prop("OnHeaderSectionResize", &C::GetOnHeaderSectionResize, &C::SetOnHeaderSectionResize)
      .Prop("OnHeaderDrawSection", &C::GetDrawSectionEvent, &C::SetDrawSectionEvent)
      .Prop("OnHeaderSectionClick", &C::GetSectionEvent, &C::SetSectionEvent)
      .Prop("OnHeaderSectionTrack", &C::GetSectionTrackEvent, &C::SetSectionTrackEvent)
      .Prop("OnIniReadData", &C::GetOnIniReadData, &C::SetOnIniReadData)
      .Prop("OnIniWriteData", &C::GetOnIniWriteData, &C::SetOnIniWriteData)
      .Publish({"OnClick", "OnDblClick", "OnEnter", "OnExit", "OnDragDrop", "OnDragOver",
                "OnEndDrag", "OnStartDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnKeyDown",
                "OnKeyUp", "OnKeyPress", "OnResize", "OnEndDock", "OnStartDock"});
}

// ---------------------------------------------------------------------------------------------
// TZYLListBox: life

TZYLListBox::TZYLListBox(vcl::TComponent* AOwner) : inherited(AOwner) {
  // Only a box linked through IniUse looks at the components that join its owner.
  HearInserts(false);
  SetControlStyle(ControlStyle() - vcl::csAcceptsControls - vcl::csSetCaption);
  FHeader.reset(new TZYLHeaderControl(this));
  FHeader->SetParent(this);
  FHeader->OnSectionResize = vcl::TSectionNotifyEvent(this, &TZYLListBox::HeaderSized);
  FHeader->SetTabStop(false);
  FHeader->SetAlign(vcl::alTop);
  FHeader->SetHeight(17);
  FHeader->Sections()->Add();
  FListBox.reset(new TZYLMyListBox(this));
  FListBox->SetParent(this);
  FListBox->SetParentCtl3D(false);
  FListBox->SetCtl3D(false);
  FListBox->SetBorderStyle(vcl::bsNone);
  FListBox->vcl::TControl::SetColor(vcl::clWindow);
  FListBox->OnDrawItem = vcl::TDrawItemEvent(this, &TZYLListBox::DrawItem);
  FListBox->SetAlign(vcl::alClient);
  SetTabStop(false);
  SetAutoScroll(true);
  SetBounds(Left(), Top(), 100, 100);
  VertScrollBar()->SetVisible(false);
}

TZYLListBox::~TZYLListBox() {
  // Settings that cannot be written (a folder gone, a file read-only) are not kept; the box
  // still goes.
  if (!ComponentState().contains(vcl::csDesigning)) try {
      DoWriteData();
    } catch (const vcl::Exception&) {
    }
  FListBox->OnDrawItem = nullptr;
  FListBox.reset();
  FHeader.reset();
}

bool TZYLListBox::Busy() const {
  const vcl::TComponentState st = ComponentState();
  return st.contains(vcl::csLoading) || st.contains(vcl::csReading) ||
         st.contains(vcl::csDestroying);
}

void TZYLListBox::RefreshList() {
  if (FListBox) FListBox->Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Indexed accessors

bool TZYLListBox::IsShowHintStored() const { return !FListBox->ParentShowHint(); }

bool TZYLListBox::GetBool(int Index) const {
  switch (Index) {
    case biEnabled: return FListBox->Enabled();
    case biExtendedSelect: return FListBox->ExtendedSelect();
    case biHeaderVisible: return FHeader->Visible();
    case biMultiSelect: return FListBox->MultiSelect();
    case biSorted: return FListBox->Sorted();
    case biAllowResize: return FAllowResize;
    case biShowHint: return FListBox->ShowHint();
    case biParentShowHint: return FListBox->ParentShowHint();
    case biTabStop: return FListBox->TabStop();
    case biItemAutoHeight: return FListBox->ItemAutoHeight();
    case biHeaderHotTrack: return FHeader->HotTrack();
    case biHeaderFlat: return FHeader->Style() == vcl::hsFlat;
    case biAlternateColors: return FAlternateColors;
    case biBeveledFocus: return FListBox->BeveledFocus();
    case biVirtualAutoWidth: return FVirtualAutoWidth;
    default: return false;  // AutoScroll among them
  }
}

void TZYLListBox::SetEnabled(bool Value) {
  if (FListBox) FListBox->SetEnabled(Value);
  if (FHeader) FHeader->SetEnabled(Value && FAllowResize);
  inherited::SetEnabled(Value);
}

void TZYLListBox::SetBool(int Index, bool Value) {
  switch (Index) {
    case biEnabled:
      if (Value == GetBool(Index)) return;
      SetEnabled(Value);
      return;
    case biExtendedSelect: FListBox->SetExtendedSelect(Value); return;
    case biHeaderVisible:
      if (Value == FHeader->Visible()) return;
      FHeader->SetVisible(Value);
      Realign();
      return;
    case biMultiSelect: FListBox->SetMultiSelect(Value); return;
    case biSorted: FListBox->SetSorted(Value); return;
    case biAllowResize:
      FAllowResize = Value;
      FHeader->SetEnabled(Value && FListBox->Enabled());
      return;
    case biShowHint:
      FListBox->SetShowHint(Value);
      FHeader->SetShowHint(Value);
      return;
    case biParentShowHint:
      FListBox->SetParentShowHint(Value);
      FHeader->SetParentShowHint(Value);
      return;
    case biTabStop: FListBox->SetTabStop(Value); return;
    case biItemAutoHeight: FListBox->SetItemAutoHeight(Value); return;
    case biHeaderHotTrack: FHeader->SetHotTrack(Value); return;
    case biHeaderFlat: FHeader->SetStyle(Value ? vcl::hsFlat : vcl::hsButtons); return;
    case biAlternateColors:
      FAlternateColors = Value;
      if (FListBox->Visible() && !Busy()) RefreshList();
      return;
    case biBeveledFocus: FListBox->SetBeveledFocus(Value); return;
    case biVirtualAutoWidth:
      FVirtualAutoWidth = Value;
      if (!Value) {
        SetVirtualWidth(0);
        return;
      }
      UpdateVirtualWidth();
      Realign();
      RefreshList();
      return;
    default: return;
  }
}

int TZYLListBox::GetInteger(int Index) const {
  switch (Index) {
    case iiHeaderHeight: return FHeader->Height();
    case iiItemIndex: return FListBox->ItemIndex();
    case iiTopIndex: return FListBox->TopIndex();
    case iiSelCount: return FListBox->SelCount();
    case iiItemHeight: return FListBox->ItemHeight();
    case iiSectionCount: return FHeader->Sections()->Count();
    default: return 0;
  }
}

void TZYLListBox::SetInteger(int Index, int Value) {
  switch (Index) {
    case iiHeaderHeight:
      if (Value == FHeader->Height()) return;
      FHeader->SetHeight(Value);
      Realign();
      return;
    case iiItemIndex: FListBox->SetItemIndex(Value); return;
    case iiTopIndex: FListBox->SetTopIndex(Value); return;
    case iiItemHeight: FListBox->SetItemHeight(Value); return;
    default: return;
  }
}

vcl::TColor TZYLListBox::GetColor(int Index) const {
  switch (Index) {
    case ciColor: return FListBox->Color();
    case ciSelectedColor: return FSelectedColor;
    case ciGridHorzColor: return FGridHorzColor;
    case ciGridVertColor: return FGridVertColor;
    case ciSelectedFontColor: return FSelectedFontColor;
    case ciAltLineColor: return FAltLineColor;
    case ciAltFontColor: return FAltFontColor;
    case ciBevelFocusShadowColor:
      return FListBox->GetColor(TZYLCustomListBox::ciBevelFocusShadowColor);
    case ciBevelFocusLightColor:
      return FListBox->GetColor(TZYLCustomListBox::ciBevelFocusLightColor);
    default: return vcl::clNone;
  }
}

void TZYLListBox::SetColor(int Index, vcl::TColor Value) {
  if (Value == GetColor(Index)) return;
  switch (Index) {
    case ciColor: FListBox->vcl::TControl::SetColor(Value); break;
    case ciSelectedColor:
      FSelectedColor = Value;
      FListBox->SetColor(TZYLCustomListBox::ciSelectedColor, Value);
      break;
    case ciGridHorzColor: FGridHorzColor = Value; break;
    case ciGridVertColor: FGridVertColor = Value; break;
    case ciSelectedFontColor:
      FSelectedFontColor = Value;
      FListBox->SetColor(TZYLCustomListBox::ciSelectedFontColor, Value);
      break;
    case ciAltLineColor: FAltLineColor = Value; break;
    case ciAltFontColor: FAltFontColor = Value; break;
    case ciBevelFocusShadowColor:
      FListBox->SetColor(TZYLCustomListBox::ciBevelFocusShadowColor, Value);
      break;
    case ciBevelFocusLightColor:
      FListBox->SetColor(TZYLCustomListBox::ciBevelFocusLightColor, Value);
      break;
    default: return;
  }
  RefreshList();
}

vcl::TFont* TZYLListBox::GetFont(int Index) const {
  return Index == fiHeaderFont ? FHeader->Font() : FListBox->Font();
}

void TZYLListBox::SetFont(int Index, vcl::TFont* Value) {
  (Index == fiHeaderFont ? FHeader->Font() : FListBox->Font())->Assign(Value);
}

vcl::TCursor TZYLListBox::GetCursor(int Index) const {
  return Index == uiCursor ? FListBox->Cursor() : FListBox->DragCursor();
}

void TZYLListBox::SetCursor(int Index, vcl::TCursor Value) {
  if (Index == uiCursor)
    FListBox->SetCursor(Value);
  else
    FListBox->SetDragCursor(Value);
}

vcl::TPenStyle TZYLListBox::GetPenStyle(int Index) const {
  return Index == piGridHorzStyle ? FGridHorzStyle : FGridVertStyle;
}

void TZYLListBox::SetPenStyle(int Index, vcl::TPenStyle Value) {
  (Index == piGridHorzStyle ? FGridHorzStyle : FGridVertStyle) = Value;
  RefreshList();
}

vcl::THeaderSections* TZYLListBox::GetHeaderSections() const { return FHeader->Sections(); }
void TZYLListBox::SetHeaderSections(vcl::THeaderSections* Value) { FHeader->SetSections(Value); }
vcl::TStrings* TZYLListBox::GetItems() const { return FListBox->Items(); }
void TZYLListBox::SetItems(vcl::TStrings* Value) { FListBox->Items()->Assign(Value); }
std::string TZYLListBox::GetHint() const { return FListBox->Hint(); }

void TZYLListBox::SetHint(const std::string& Value) {
  FListBox->SetHint(Value);
  FHeader->SetHint(Value);
}

vcl::TImeMode TZYLListBox::GetImeMode() const { return FListBox->ImeMode(); }
void TZYLListBox::SetImeMode(vcl::TImeMode Value) { FListBox->SetImeMode(Value); }
std::string TZYLListBox::GetImeName() const { return FListBox->ImeName(); }
void TZYLListBox::SetImeName(const std::string& Value) { FListBox->SetImeName(Value); }
vcl::TDragMode TZYLListBox::GetDragMode() const { return FListBox->DragMode(); }
void TZYLListBox::SetDragMod(vcl::TDragMode Value) { FListBox->SetDragMode(Value); }

const vcl::TNotifyEvent& TZYLListBox::GetOnSelect() const { return FListBox->GetOnSelect(); }
void TZYLListBox::SetOnSelect(const vcl::TNotifyEvent& Value) { FListBox->SetOnSelect(Value); }
const vcl::TMeasureItemEvent& TZYLListBox::GetMeasureItemEvent() const {
  return FListBox->OnMeasureItem;
}
void TZYLListBox::SetMeasureItemEvent(const vcl::TMeasureItemEvent& Value) {
  FListBox->OnMeasureItem = Value;
}
const vcl::TSectionNotifyEvent& TZYLListBox::GetSectionEvent() const {
  return FHeader->OnSectionClick;
}
void TZYLListBox::SetSectionEvent(const vcl::TSectionNotifyEvent& Value) {
  FHeader->OnSectionClick = Value;
}
const vcl::TDrawSectionEvent& TZYLListBox::GetDrawSectionEvent() const {
  return FHeader->OnDrawSection;
}
void TZYLListBox::SetDrawSectionEvent(const vcl::TDrawSectionEvent& Value) {
  FHeader->OnDrawSection = Value;
}
const vcl::TSectionTrackEvent& TZYLListBox::GetSectionTrackEvent() const {
  return FHeader->OnSectionTrack;
}
void TZYLListBox::SetSectionTrackEvent(const vcl::TSectionTrackEvent& Value) {
  FHeader->OnSectionTrack = Value;
}

// ---------------------------------------------------------------------------------------------
// Own properties

void TZYLListBox::SetDelimiter(char Value) {
  if (FDelimiter == Value) return;
  FDelimiter = Value;
  RefreshList();
}

void TZYLListBox::SetGridLines(TZYLLBGridLines Value) {
  if (FGridLines == Value) return;
  FGridLines = Value;
  RefreshList();
}

void TZYLListBox::SetSelectedFontStyle(vcl::TFontStyles Value) {
  if (FSelectedFontStyle == Value) return;
  FSelectedFontStyle = Value;
  FListBox->SetSelectedFontStyle(Value);
  if (!ComponentState().contains(vcl::csDesigning)) RefreshList();
}

void TZYLListBox::SetColumnOptions(TZYLLabelOptions Value) {
  if (FColumnOptions == Value) return;
  FColumnOptions = Value;
  RefreshList();
}

void TZYLListBox::SetStyle(vcl::TListBoxStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  FListBox->SetMeasureItemEvent(Value == vcl::lbOwnerDrawVariable);
}

void TZYLListBox::SetIniLink(TZYLIniCtrl* Value) {
  if (FIniLink == Value) return;
  if (FIniLink) FIniLink->RemoveFreeNotification(this);
  FIniLink = Value;
  if (Value) Value->FreeNotification(this);
}

uint32_t TZYLListBox::GetOptionsFlag() const {
  uint32_t f = win::DT_NOPREFIX;
  if (FColumnOptions.contains(loPathEllipsis)) f |= win::DT_PATH_ELLIPSIS;
  if (FColumnOptions.contains(loEndEllipsis)) f |= win::DT_END_ELLIPSIS;
  if (FColumnOptions.contains(loEditControl)) f |= win::DT_EDITCONTROL;
  return f;
}

// ---------------------------------------------------------------------------------------------
// Rows and columns

int TZYLListBox::AddLine(std::initializer_list<std::string> Columns) {
  return AddLine(std::vector<std::string>(Columns));
}

int TZYLListBox::AddLine(const std::vector<std::string>& Columns) {
  return FListBox->Items()->Add(ZYLCodeString(Columns, FDelimiter));
}

std::string TZYLListBox::ItemPart(int Row, int Column) const {
  if (Row < 0 || Row >= FListBox->Items()->Count()) return {};
  return ZYLGetCodedString(FListBox->Items()->Strings(Row), FDelimiter, Column);
}

void TZYLListBox::SetItemPart(int Row, int Column, const std::string& Text) {
  if (Row < 0 || Row >= FListBox->Items()->Count()) return;
  std::string s = FListBox->Items()->Strings(Row);
  ZYLSetCodedString(s, Text, FDelimiter, Column);
  FListBox->Items()->SetStrings(Row, s);
}

std::string TZYLListBox::GetPartString(const std::string& S, int Column) const {
  return ZYLGetCodedString(S, FDelimiter, Column);
}

void TZYLListBox::Clear() { FListBox->Items()->Clear(); }

int TZYLListBox::ItemAtPos(vcl::TPoint P, bool Existing) const {
  return FListBox->ItemAtPos(P, Existing);
}

bool TZYLListBox::GetSelected(int I) const { return FListBox->Selected(I); }
void TZYLListBox::SetSelected(int I, bool Value) { FListBox->SetSelected(I, Value); }
vcl::TCanvas* TZYLListBox::GetCanvas() const { return FListBox->Canvas(); }

// ---------------------------------------------------------------------------------------------
// Sorting

int TZYLListBox::CompareRows(const std::string& S, const std::string& P,
                             const std::vector<int>& Columns) {
  if (FOnSSCompareItem) {
    int8_t r = 0;
    FOnSSCompareItem(this, S, P, r);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
  }
  for (int c : Columns) {
    const int d = GetPartString(S, c).compare(GetPartString(P, c));
    if (d != 0) return d < 0 ? -1 : 1;
  }
  return 0;
}

void TZYLListBox::QuickSort(int L, int R, const std::vector<int>& Columns) {
  vcl::TStrings* items = FListBox->Items();
  while (L < R) {
    int i = L, j = R;
    const std::string pivot = items->Strings(L + (R - L) / 2);
    while (i <= j) {
      while (CompareRows(items->Strings(i), pivot, Columns) < 0) ++i;
      while (CompareRows(items->Strings(j), pivot, Columns) > 0) --j;
      if (i <= j) {
        if (i != j) items->Exchange(i, j);
        ++i;
        --j;
      }
    }
    // The smaller part recursively, the larger one in this loop: the depth stays logarithmic.
    if (j - L < R - i) {
      QuickSort(L, j, Columns);
      L = i;
    } else {
      QuickSort(i, R, Columns);
      R = j;
    }
  }
}

void TZYLListBox::SpecialSort(const std::vector<int>& Columns) {
  vcl::TStrings* items = FListBox->Items();
  if (items->Count() < 2) return;
  items->BeginUpdate();
  vcl::TFinally done([items] { items->EndUpdate(); });
  QuickSort(0, items->Count() - 1, Columns);
}

// ---------------------------------------------------------------------------------------------
// Drawing

void TZYLListBox::PrepareDrawItem(TRect Rect, vcl::TOwnerDrawState State, int Index) {
  vcl::TCanvas* c = FListBox->Canvas();
  vcl::TColor back;
  if (State.contains(vcl::odSelected)) {
    back = FSelectedColor;
    c->Font()->SetColor(FSelectedFontColor);
    c->Font()->SetStyle(FSelectedFontStyle);
  } else {
    c->Font()->SetStyle(FListBox->Font()->Style());
    if (FAlternateColors && Index % 2 == 1) {
      back = FAltLineColor;
      c->Font()->SetColor(FAltFontColor);
    } else {
      back = FListBox->Color();
      c->Font()->SetColor(FListBox->Font()->Color());
    }
    if (State.contains(vcl::odDisabled)) c->Font()->SetColor(vcl::clInactiveCaption);
  }
  if (FOnGetLineSettings) FOnGetLineSettings(this, Index, State, back, c->Font());
  if (!Transparent()) {
    c->Brush()->SetStyle(vcl::bsSolid);
    c->Brush()->SetColor(back);
    c->FillRect(Rect);
  }
  c->Brush()->SetStyle(vcl::bsClear);
}

void TZYLListBox::DrawItem(vcl::TWinControl* Control, int Index, TRect Rect,
                           vcl::TOwnerDrawState State) {
  if (Busy()) return;
  if (FStyle != vcl::lbStandard && FOnDrawItem) {
    FOnDrawItem(Control, Index, Rect, State);
    return;
  }
  PrepareDrawItem(Rect, State, Index);
  if (FOnPrepareDrawItem) FOnPrepareDrawItem(Control, Index, Rect, State);
  vcl::TCanvas* c = FListBox->Canvas();
  const uint32_t flags = DrawTextBiDiModeFlags(GetOptionsFlag());
  const std::string row = Index >= 0 && Index < FListBox->Items()->Count()
                              ? FListBox->Items()->Strings(Index)
                              : std::string();
  if (ZYLEmpty(row)) return;
  vcl::THeaderSections* sections = FHeader->Sections();
  const int n = sections->Count();
  if (n > 0) {
    const std::vector<std::string> parts = ZYLSplitString(row, FDelimiter);
    const int limit = FListBox->ClientWidth() - 1;
    TRect r = Rect;
    const int shown = std::min(n, static_cast<int>(parts.size()));
    for (int i = 0; i < shown; ++i) {
      vcl::THeaderSection* s = sections->Items(i);
      r.Right = std::min(vcl::ClampToInt(int64_t{r.Left} + s->Width() - 1), limit);
      uint32_t align = win::DT_LEFT;
      if (s->Alignment() == vcl::taRightJustify) align = win::DT_RIGHT;
      if (s->Alignment() == vcl::taCenter) align = win::DT_CENTER;
      r.Left += 1;
      ColumnText(c, parts[static_cast<size_t>(i)], r, flags | align);
      r.Left = r.Right + 1;
    }
    if (FGridLines == glVertical || FGridLines == glBoth) {
      c->Pen()->SetWidth(1);
      c->Pen()->SetStyle(FGridVertStyle);
      c->Pen()->SetColor(FGridVertColor);
      int64_t x = Rect.Left;
      for (int i = 0; i < n; ++i) {
        x += sections->Items(i)->Width();
        if (std::abs(x - ClientWidth()) >= 2) {
          const int xi = vcl::ClampToInt(x - 1);
          c->MoveTo(xi, 0);
          c->LineTo(xi, ClientHeight());
        }
      }
    }
  } else {
    ColumnText(c, row, TRect{Rect.Left + 2, Rect.Top, Rect.Right, Rect.Bottom},
               flags | win::DT_LEFT);
  }
  if (FGridLines == glHorizontal || FGridLines == glBoth) {
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(FGridHorzStyle);
    c->Pen()->SetColor(FGridHorzColor);
    c->MoveTo(Rect.Left, Rect.Bottom - 1);
    c->LineTo(Rect.Right, Rect.Bottom - 1);
  }
}

// ---------------------------------------------------------------------------------------------
// Virtual width and layout

int TZYLListBox::CalcColumnsWidth() const {
  int64_t sum = 0;
  vcl::THeaderSections* sections = FHeader->Sections();
  for (int i = 0; i < sections->Count(); ++i) sum += sections->Items(i)->Width();
  return vcl::ClampToInt(sum);
}

void TZYLListBox::UpdateVirtualWidth() {
  if (!FVirtualAutoWidth) return;
  const int sum = CalcColumnsWidth();
  if (sum <= ClientWidth())
    SetVirtualWidth(0);
  else
    FVirtualWidth = sum;
}

void TZYLListBox::SetVirtualWidth(int W) {
  if (W < 0 || W == FVirtualWidth) return;
  FVirtualWidth = W;
  UpdateVirtualWidth();
  if (FVirtualWidth != 0) {
    HorzScrollBar()->SetRange(FVirtualWidth);
    HorzScrollBar()->SetPosition(0);
    FListBox->SetAlign(vcl::alNone);
    FHeader->SetAlign(vcl::alNone);
    FListBox->SetLeft(0);
    FHeader->SetLeft(0);
    FListBox->SetWidth(FVirtualWidth);
  } else {
    FListBox->SetAlign(vcl::alClient);
    FListBox->Invalidate();
    FHeader->SetAlign(vcl::alTop);
  }
  Realign();
}

void TZYLListBox::AlignControls(vcl::TControl* AControl, TRect& Rect) {
  inherited::AlignControls(AControl, Rect);
  if (Busy() || !FListBox || !FHeader || FAligning) return;
  vcl::TRestore<bool> aligning(FAligning, true);
  if (FVirtualWidth < 1) {
    HorzScrollBar()->SetRange(0);
    return;
  }
  HorzScrollBar()->SetRange(FVirtualWidth);
  if (FListBox->Align() == vcl::alClient) FListBox->SetAlign(vcl::alNone);
  int top = 0;
  if (FHeader->Visible()) {
    FHeader->SetBounds(FHeader->Left(), 0, FVirtualWidth, FHeader->Height());
    top = FHeader->Height();
  }
  FListBox->SetBounds(FListBox->Left(), top, FVirtualWidth, std::max(0, ClientHeight() - top));
}

void TZYLListBox::Resize() {
  inherited::Resize();
  if (Busy()) return;
  Realign();
  RefreshList();
}

void TZYLListBox::HeaderSized(vcl::THeaderControl* HeaderControl, vcl::THeaderSection* Section) {
  UpdateVirtualWidth();
  Realign();
  RefreshList();
  if (FOnHeaderSized) FOnHeaderSized(HeaderControl, Section->Index(), Section->Width());
  if (FOnHeaderSectionResize) FOnHeaderSectionResize(HeaderControl, Section);
}

// ---------------------------------------------------------------------------------------------
// Column widths in the settings storage

std::string TZYLListBox::GetIniString() const {
  std::string s;
  vcl::THeaderSections* sections = FHeader->Sections();
  for (int i = 0; i < sections->Count(); ++i)
    s += (i ? "," : "") + std::to_string(sections->Items(i)->Width());
  return s;
}

// A stored entry that is no width (not a number, or negative) leaves its column as it is: a
// damaged settings file must not stop the form from loading.
void TZYLListBox::SetIniString(const std::string& S) {
  const std::vector<std::string> values = ZYLSplitString(S, ',');
  vcl::THeaderSections* sections = FHeader->Sections();
  sections->BeginUpdate();
  vcl::TFinally done([sections] { sections->EndUpdate(); });
  for (size_t i = 0; i < values.size(); ++i) {
    const int index = static_cast<int>(i);
    if (index >= sections->Count())
      sections->Add()->SetText(vcl::Format(kAddedSectionCaption, {index + 1}));
    int w = 0;
    if (vcl::TryStrToInt(ZYLTrim(values[i]), w) && w >= 0) sections->Items(index)->SetWidth(w);
  }
}

// The notification of a new ini control comes before the control is complete, when it cannot
// yet be told by its class; a link still missing when the storage is first used is taken from
// the owner's ini controls then.
void TZYLListBox::FindIniLink() {
  if (FIniUse != ioUseLink || FIniLink || !Owner() ||
      Owner()->ComponentState().contains(vcl::csDestroying))
    return;
  for (int i = 0; i < Owner()->ComponentCount(); ++i)
    if (auto* ini = dynamic_cast<TZYLIniCtrl*>(Owner()->Components(i))) {
      SetIniLink(ini);
      return;
    }
}

TZYLIniCtrl* TZYLListBox::Storage() const {
  if (FIniUse == ioUseLink) return FIniLink;
  if (FIniUse == ioUseGlobal && ZYLApplication()) return ZYLApplication()->IniCtrl();
  return nullptr;
}

void TZYLListBox::DoReadData() {
  FindIniLink();
  TZYLIniCtrl* ini = Storage();
  if (ini) {
    const std::string s = ini->ReadString(FSection, FIniKey, "");
    if (!s.empty()) SetIniString(s);
  }
  if (FOnIniReadData) FOnIniReadData(this, ini, FSection);
}

void TZYLListBox::DoWriteData() {
  FindIniLink();
  TZYLIniCtrl* ini = Storage();
  if (ini) {
    ini->DeleteKey(FSection, FIniKey);
    ini->WriteString(FSection, FIniKey, GetIniString());
  }
  if (FOnIniWriteData) FOnIniWriteData(this, ini, FSection);
}

// ---------------------------------------------------------------------------------------------
// Streaming, focus, messages

void TZYLListBox::ReadState(vcl::TReader* Reader) {
  FHeader->Sections()->Clear();
  inherited::ReadState(Reader);
}

void TZYLListBox::Loaded() {
  inherited::Loaded();
  PassHandlers(true);
  if (!ComponentState().contains(vcl::csDesigning)) DoReadData();
  UpdateVirtualWidth();
  Realign();
}

namespace {

// Gives the controls the box's handler when it differs from the one given last, or always.
template <class E, class... Controls>
void Pass(const E& From, E& Last, bool All, Controls&... To) {
  if (!All && From == Last) return;
  ((To = From), ...);
  Last = From;
}

}  // namespace

void TZYLListBox::PassHandlers(bool All) {
  // The inner controls come and go with the box.
  if (!FListBox || !FHeader || ComponentState().contains(vcl::csDestroying)) return;
  TZYLMyListBox& L = *FListBox;
  TZYLHeaderControl& H = *FHeader;
  Pass(OnClick, FPassed.Click, All, L.OnClick);
  Pass(OnDblClick, FPassed.DblClick, All, L.OnDblClick);
  Pass(OnEnter, FPassed.Enter, All, L.OnEnter);
  Pass(OnExit, FPassed.Exit, All, L.OnExit);
  Pass(OnDragDrop, FPassed.DragDrop, All, L.OnDragDrop, H.OnDragDrop);
  Pass(OnDragOver, FPassed.DragOver, All, L.OnDragOver, H.OnDragOver);
  Pass(OnEndDrag, FPassed.EndDrag, All, L.OnEndDrag, H.OnEndDrag);
  Pass(OnStartDrag, FPassed.StartDrag, All, L.OnStartDrag, H.OnStartDrag);
  Pass(OnMouseDown, FPassed.MouseDown, All, L.OnMouseDown);
  Pass(OnMouseMove, FPassed.MouseMove, All, L.OnMouseMove);
  Pass(OnMouseUp, FPassed.MouseUp, All, L.OnMouseUp);
  Pass(OnKeyDown, FPassed.KeyDown, All, L.OnKeyDown);
  Pass(OnKeyUp, FPassed.KeyUp, All, L.OnKeyUp);
  Pass(OnKeyPress, FPassed.KeyPress, All, L.OnKeyPress);
}

void TZYLListBox::SetIniUse(TZYLIniUse Value) {
  FIniUse = Value;
  HearInserts(Value == ioUseLink);
}

void TZYLListBox::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  // A link going is forgotten even while the box goes too: its widths are written last.
  if (Operation == vcl::opRemove && AComponent == FIniLink) FIniLink = nullptr;
  if (ComponentState().contains(vcl::csDestroying)) return;
  if (Operation == vcl::opInsert && FIniUse == ioUseLink && !FIniLink)
    if (auto* ini = dynamic_cast<TZYLIniCtrl*>(AComponent)) SetIniLink(ini);
}

void TZYLListBox::SetFocus() { FListBox->SetFocus(); }

bool TZYLListBox::Focused() { return inherited::Focused() || FListBox->Focused(); }

void TZYLListBox::InternalMouseMove(vcl::TShiftState /*Shift*/, int /*X*/, int /*Y*/) {}

void TZYLListBox::CMTransparentChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  FListBox->SetTransparent(Transparent());
}

void TZYLListBox::WMEraseBkgnd(vcl::TMessage& Message) {
  Message.Result = 1;
  if (!Busy() && (FGridLines == glVertical || FGridLines == glBoth) && FListBox->HandleAllocated())
    RefreshList();
}

}  // namespace zyl
