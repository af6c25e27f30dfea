#include "edits/ZYLCustomComboBox.h"

#include <algorithm>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLTimer.h"
#include "platform/base/Restore.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/user/DCGuards.h"
#include "platform/user/ListOrder.h"

namespace zyl {

using namespace vcl;
using namespace win;

ZYL_MESSAGE_MAP(TZYLCustomComboBox) {
  m.On(CN_COMMAND, &TZYLCustomComboBox::CNCommand)
      .On(CM_MOUSEENTER, &TZYLCustomComboBox::CMMouseEnter)
      .On(CM_MOUSELEAVE, &TZYLCustomComboBox::CMMouseLeave)
      .On(CM_ENTER, &TZYLCustomComboBox::CMEnter)
      .On(CM_EXIT, &TZYLCustomComboBox::CMExit)
      .On(WM_PAINT, &TZYLCustomComboBox::WMPaint)
      .On(WM_THEMECHANGED, &TZYLCustomComboBox::WMThemeChanged);
}

// Described here, published by the library's combo boxes.
ZYL_CLASS_IMPL(TZYLCustomComboBox) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomComboBox;
  b.Declare("About", &C::About, &C::SetAbout, AboutVarTypeInfo())
      .Stored(false)
      .Declare("DropDownWidth", &C::GetInteger, &C::SetInteger)
      .Index(ipDropDownWidth)
      .Default(0)
      .Declare("Flat", &C::GetBoolean, &C::SetBoolean)
      .Index(bpFlat)
      .Default(false)
      .Declare("FocusControl", &C::FocusControl, &C::SetFocusControl)
      .Declare("Interval", &C::Interval, &C::SetInterval)
      .Default(1500)
      .Declare("MRUList", &C::GetBoolean, &C::SetBoolean)
      .Index(bpMRUList)
      .Default(false)
      .Declare("MRUMax", &C::GetInteger, &C::SetInteger)
      .Index(ipMRUMax)
      .Default(5)
      .Declare("Search", &C::Search, &C::SetSearch)
      .Default(false)
      .Declare("UseGlobalTimer", &C::UseGlobalTimer, &C::SetUseGlobalTimer)
      .Default(false)
      .Declare("OnEditClick", &C::GetOnEditClick, &C::SetOnEditClick);
}

TZYLCustomComboBox::TZYLCustomComboBox(TComponent* AOwner) : inherited(AOwner) {
  controlStyle_ += csReplicatable;
}

TZYLCustomComboBox::~TZYLCustomComboBox() {
  FTimer.reset();
  FSpentTimer.reset();
}

void TZYLCustomComboBox::SetBoolean(int Index, bool Value) {
  if (GetBoolean(Index) == Value) return;
  if (Index == bpFlat) {
    FFlat = Value;
    RepaintBorder();
    return;
  }
  FMRUList = Value;
  if (!Value) {
    for (; FMRUCount > 0; --FMRUCount) Items()->Delete(0);
  } else if (!ComponentState().contains(vcl::csLoading)) {
    // A form file holds the style as it was written.
    SetStyle(csOwnerDrawFixed);
  }
}

void TZYLCustomComboBox::SetInteger(int Index, int32_t Value) {
  if (GetInteger(Index) == Value) return;
  if (Index == ipDropDownWidth) {
    FDropDownWidth = Value;
    if (HandleAllocated()) PostMessageA(handle_, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(Value), 0);
    return;
  }
  FMRUMax = Value;
  for (; FMRUCount > std::max(Value, 0); --FMRUCount) Items()->Delete(FMRUCount - 1);
}

// A form file holds Sorted as it was written (False, the default, is not written), so reading
// Search leaves it alone.
void TZYLCustomComboBox::SetSearch(bool Value) {
  if (FSearch == Value) return;
  FSearch = Value;
  if (!Sorted() && !ComponentState().contains(vcl::csLoading)) SetSorted(true);
}

void TZYLCustomComboBox::SetFocusControl(TWinControl* Value) {
  if (FFocusControl == Value) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TZYLCustomComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
  inherited::Notification(AComponent, Operation);
}

void TZYLCustomComboBox::Loaded() {
  inherited::Loaded();
  if (HandleAllocated() && FDropDownWidth != 0)
    PostMessageA(handle_, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(FDropDownWidth), 0);
}

void TZYLCustomComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FAdjusting) return;
  const TRestore adjusting(FAdjusting, true);
  AdjustHeight();
}

// A new window gets the dropped width at once, so that it survives the window's re-creation.
void TZYLCustomComboBox::CreateWnd() {
  inherited::CreateWnd();
  if (FDropDownWidth != 0)
    SendMessageA(handle_, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(FDropDownWidth), 0);
}

void TZYLCustomComboBox::ApplyItemHeight(int Value) {
  SetItemHeight(Value);
  AdjustHeight();
}

void TZYLCustomComboBox::InitItemHeight() {
  const int h = ZYLGetFontHeight(Font());
  ApplyItemHeight(h < 10 ? 10 : h + 1);
  RecreateWnd();
}

bool TZYLCustomComboBox::UseXP() const {
  const TZYLApplication* app = ZYLApplication();
  return app && app->GetUseXPThemes() && app->XPThemesReserved();
}

// ---------------------------------------------------------------------------------------------
// The border

void TZYLCustomComboBox::RepaintBorder(HDC DC) {
  if (UseXP() || !HandleAllocated()) return;
  const TOwnedObject<HBRUSH> face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  const TOwnedObject<HBRUSH> window(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
  const TOwnedObject<HBRUSH> frame(CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME)));
  const TWindowDC own(handle_, DC ? nullptr : GetWindowDC(handle_));
  const HDC dc = DC ? DC : own.Get();
  RECT r;
  GetWindowRect(handle_, &r);
  // On a given DC the window's corner lies left of and above the client area's.
  POINT corner{r.Left, r.Top};
  if (DC) {
    corner = POINT{0, 0};
    win::ClientToScreen(handle_, &corner);
  }
  OffsetRect(&r, -corner.X, -corner.Y);
  const bool designing = ComponentState().contains(csDesigning);
  const bool flat = FFlat && (FExitPainting ||
                              (!designing && !FMouseInside &&
                               !const_cast<TZYLCustomComboBox*>(this)->Focused() && !FEditFocused));
  if (flat) {
    FrameRect(dc, &r, face);
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, face);
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, window);
    return;
  }
  RECT outer = r;
  outer.Left += 1;
  outer.Top += 1;
  FrameRect(dc, &outer, frame);
  RECT inner = r;
  inner.Right -= 1;
  inner.Bottom -= 1;
  FrameRect(dc, &inner, face);
  DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}

void TZYLCustomComboBox::WMPaint(TMessage& Message) {
  ZYL_INHERITED(Message);
  RepaintBorder(reinterpret_cast<HDC>(Message.WParam));
}

void TZYLCustomComboBox::CMEnter(TMessage& Message) {
  ZYL_INHERITED(Message);
  RepaintBorder();
}

void TZYLCustomComboBox::CMExit(TMessage& Message) {
  ZYL_INHERITED(Message);
  ExitCtrl();
}

void TZYLCustomComboBox::CMMouseEnter(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (ComponentState().contains(csDesigning)) return;
  FMouseInside = true;
  if (FFlat && !Focused()) RepaintBorder();
}

void TZYLCustomComboBox::CMMouseLeave(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (ComponentState().contains(csDesigning)) return;
  FMouseInside = false;
  if (FFlat && !Focused() && !DroppedDown() && !FEditFocused) RepaintBorder();
}

void TZYLCustomComboBox::WMThemeChanged(TMessage& Message) {
  DefaultHandler(&Message);
  RecreateWnd();
}

void TZYLCustomComboBox::ExitCtrl() {
  if (!FMouseInside && !FEditFocused) {
    const TRestore painting(FExitPainting, true);
    RepaintBorder();
  }
  if (FSearch) FreeTimer();
}

// The edit child tells its focus and its clicks.
void TZYLCustomComboBox::ComboWndProc(TMessage& Message, HWND ComboWnd, WNDPROC ComboProc) {
  inherited::ComboWndProc(Message, ComboWnd, ComboProc);
  if (ComboWnd != EditHandle()) return;
  switch (Message.Msg) {
    case WM_SETFOCUS: FEditFocused = true; break;
    case WM_KILLFOCUS: FEditFocused = false; break;
    case WM_LBUTTONDOWN:
      if (FOnEditClick) FOnEditClick(this);
      break;
    default: break;
  }
}

// ---------------------------------------------------------------------------------------------
// The incremental search

namespace {

// The index of the first of the sorted Items that begins with Prefix as spelt, or -1.
int FirstStartingWith(TStrings* items, const std::string& Prefix) {
  // The sorted list keeps the items that begin with Prefix in any case together, from the
  // first one that does not sort before it: a binary search finds it, and the first of them
  // spelt as typed is the answer.
  int lo = 0, hi = items->Count();
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (win::ListCompareText(items->Get(mid), Prefix) < 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  for (int i = lo; i < items->Count(); ++i) {
    const std::string item = items->Get(i);
    if (item.compare(0, Prefix.size(), Prefix) == 0) return i;
    if (!win::ListStartsText(item, Prefix)) break;
  }
  return -1;
}

}  // namespace

void TZYLCustomComboBox::CreateTimer() {
  FSpentTimer.reset();
  FTimer = std::make_unique<TZYLTimer>(
      FInterval, TNotifyEvent(this, &TZYLCustomComboBox::DoTimerEvent), false, FUseGlobalTimer);
}

void TZYLCustomComboBox::FreeTimer() {
  if (!FTimer) return;
  if (!FInTimerEvent) {
    FTimer.reset();
    return;
  }
  // The timer is still running its own tick: it stops now and goes with the next one.
  FTimer->SetEnabled(false);
  FSpentTimer = std::move(FTimer);
}

void TZYLCustomComboBox::DoTimerEvent(TObject*) {
  if (!Sorted()) return;
  const TRestore inEvent(FInTimerEvent, true);
  if (const int i = FirstStartingWith(Items(), Text()); i >= 0) {
    const int start = SelStart();
    SetItemIndex(i);
    SetSelStart(start);
    SetSelLength(static_cast<int>(Text().size()) - start);
  }
  FreeTimer();
}

void TZYLCustomComboBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (FTimer)
    FTimer->SetEnabled(false);
  else
    CreateTimer();
  if (FSearch && (Key >= VK_SPACE || Key == VK_BACK)) {
    // Backspace and Delete wait longer: the text may be on its way to empty.
    FTimer->SetInterval(Key == VK_BACK || Key == VK_DELETE ? FInterval + DeletePause : FInterval);
    FTimer->SetEnabled(true);
  }
  FKeyNavigation = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_LEFT || Key == VK_UP ||
                   Key == VK_RIGHT || Key == VK_DOWN;
  if (Key == VK_RETURN && FFocusControl) HandFocusOver();
}

void TZYLCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  FKeyNavigation = false;
}

// ---------------------------------------------------------------------------------------------
// Selection, the recently-used block and the focus hand-over

void TZYLCustomComboBox::DoSelect() {
  if (OnSelect) OnSelect(this);
}

void TZYLCustomComboBox::CNCommand(TWMCommand& Message) {
  ZYL_INHERITED(Message);
  if (Message.NotifyCode() != CBN_SELCHANGE) return;
  DoSelect();
  if (FMRUList) AddMRUEntry();
  if (!DroppedDown() && !FKeyNavigation && FFocusControl) HandFocusOver();
}

void TZYLCustomComboBox::AddMRUEntry() {
  const int index = ItemIndex();
  if (index < 0) return;
  const std::string text = Items()->Get(index);
  for (int i = 0; i < FMRUCount; ++i)
    if (Items()->Get(i) == text) {
      // Choosing an entry again (or an item equal to one) selects the entry and adds nothing.
      SetItemIndex(i);
      return;
    }
  if (FMRUMax <= 0) return;
  TObject* object = Items()->Objects(index);
  if (FMRUCount >= FMRUMax)
    Items()->Delete(FMRUMax - 1);
  else
    ++FMRUCount;
  Items()->Insert(0, text);
  Items()->PutObject(0, object);
  SetItemIndex(0);
}

HWND TZYLCustomComboBox::GetTopParentHandleFocusCtrl() const {
  TWinControl* top = FFocusControl;
  while (top->Parent()) top = top->Parent();
  return top->ParentWindow() ? top->ParentWindow() : top->Handle();
}

void TZYLCustomComboBox::HandFocusOver() {
  const TWinControl* own = this;
  while (own->Parent()) own = own->Parent();
  const HWND ownTop =
      own->ParentWindow() ? own->ParentWindow() : const_cast<TWinControl*>(own)->Handle();
  if (ownTop == GetTopParentHandleFocusCtrl()) {
    FFocusControl->SetFocus();
  } else {
    // Another top-level window: the focus goes there for real (its window comes to the front).
    FEditFocused = false;
    win::SetFocus(FFocusControl->Handle());
  }
  ExitCtrl();
}

void TZYLCustomComboBox::MeasureItem(int Index, int& Height) {
  inherited::MeasureItem(Index, Height);
  Height = ItemHeight() + (FMRUList ? 4 : 0);
}

void TZYLCustomComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  inherited::DrawItem(Index, Rect, State);
  PaintSeparatorLine(Rect, Index, State);
}

void TZYLCustomComboBox::PaintSeparatorLine(TRect Rect, int Index, TOwnerDrawState State) {
  if (!FMRUList || Index != FMRUCount - 1 || State.contains(odComboBoxEdit) || !DroppedDown())
    return;
  TPen* pen = Canvas()->Pen();
  pen->SetColor(clBlack);
  pen->SetStyle(psSolid);
  pen->SetWidth(0);
  for (int y : {Rect.Bottom - 3, Rect.Bottom - 1}) {
    Canvas()->MoveTo(Rect.Left, y);
    Canvas()->LineTo(Rect.Right, y);
  }
}

void TZYLCustomComboBox::PrepareItem(TRect Rect, TOwnerDrawState State) {
  TCanvas* c = Canvas();
  if (State.contains(odSelected)) {
    c->Brush()->SetColor(clHighlight);
    c->Font()->SetColor(clHighlightText);
  } else {
    c->Brush()->SetColor(Color());
    c->Font()->SetColor(State.contains(odDisabled) ? clInactiveCaption : Font()->Color());
  }
  c->FillRect(Rect);
}

}  // namespace zyl
