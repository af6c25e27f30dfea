#include "edits/ZYLCustomListComboBox.h"

#include <algorithm>

#include "foundation/ZYLCaret.h"
#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

// ---------------------------------------------------------------------------------------------
// The list

ZYL_MESSAGE_MAP(TZYLComboListBox) {
  using C = TZYLComboListBox;
  m.On(win::WM_MOUSEMOVE, &C::WMMouseMoveList)
      .On(win::WM_LBUTTONDOWN, &C::WMLButtonDownList)
      .On(win::WM_MOUSEACTIVATE, &C::WMMouseActivateList);
}

ZYL_CLASS_IMPL(TZYLComboListBox) {}

TZYLComboListBox::TZYLComboListBox(vcl::TComponent* AOwner) : inherited(AOwner) {}

TZYLCustomListComboBox* TZYLComboListBox::Combo() const {
  return dynamic_cast<TZYLCustomListComboBox*>(Owner());
}

// A click on the list leaves the activation (and the focus) with the edit's form.
void TZYLComboListBox::WMMouseActivateList(vcl::TMessage& Message) {
  Message.Result = win::MA_NOACTIVATE;
}

void TZYLComboListBox::WMMouseMoveList(vcl::TWMMouse& Message) {
  const int index = ItemAtPos(vcl::TPoint{Message.XPos(), Message.YPos()}, true);
  if (index >= 0 && index != ItemIndex()) SetItemIndex(index);
  ZYL_INHERITED(Message);
}

void TZYLComboListBox::WMLButtonDownList(vcl::TWMMouse& Message) {
  const int index = ItemAtPos(vcl::TPoint{Message.XPos(), Message.YPos()}, true);
  if (index >= 0) SetItemIndex(index);
  if (TZYLCustomListComboBox* combo = Combo()) combo->Close(true);
}

// ---------------------------------------------------------------------------------------------
// The combo

ZYL_CLASS_IMPL(TZYLCustomListComboBox) {
  using C = TZYLCustomListComboBox;
  b.Declare("DropDownCount", &C::DropDownCount, &C::SetDropDownCount)
      .Default(8)
      .Declare("Style", &C::Style, &C::SetStyle)
      .Default(csDropDown)
      .Declare("Items", &C::Items, &C::SetItems);
}

TZYLCustomListComboBox::TZYLCustomListComboBox(vcl::TComponent* AOwner) : inherited(AOwner) {
  CreateAndSetup();
  SetStyle(csDropDown);
  if (ComponentState().contains(vcl::csDesigning)) FList->SetWidth(0);
  // A combo made in code is ready for typing at once, as one read from a form.
  Init();
}

void TZYLCustomListComboBox::CreateControl() {
  FList = new TZYLComboListBox(this);
  SetControl(FList);
}

// Free text: the list's strings are no mask's.
void TZYLCustomListComboBox::Init() { SetMaskType(meNone); }

void TZYLCustomListComboBox::Loaded() {
  inherited::Loaded();
  Init();
}

vcl::TStrings* TZYLCustomListComboBox::Items() const { return FList->Items(); }
void TZYLCustomListComboBox::SetItems(vcl::TStrings* Value) { FList->Items()->Assign(Value); }

void TZYLCustomListComboBox::SetSorted(bool Value) {
  FSorted = Value;
  if (FList) FList->SetSorted(Value);
}

void TZYLCustomListComboBox::ModifyControl() { FList->SetSorted(FSorted); }

void TZYLCustomListComboBox::ReModifyControl() {
  const int count = FList->Items()->Count();
  const int rows = std::min(FDropDownCount, count);
  Canvas()->SetFont(Font());
  const int height = vcl::ClampToInt(int64_t{rows} * Canvas()->TextHeight("Wq") + 4);
  const int width = DropDownWidth() > 0 && count > 0 ? DropDownWidth() : Width();
  FList->SetBounds(FList->Left(), FList->Top(), width, height);
}

void TZYLCustomListComboBox::BeforeDropDown() {
  FTextBefore = RawText();
  inherited::BeforeDropDown();
}

void TZYLCustomListComboBox::DisplayControl() {
  SelectAll();
  FList->SetItemIndex(FList->Items()->IndexOf(RawText()));
}

void TZYLCustomListComboBox::Accept() {
  FItemIndex = FList->ItemIndex();
  SetText(GetSelectedText());
  if (FOnAcceptItem) FOnAcceptItem(this);
  inherited::Accept();
}

void TZYLCustomListComboBox::Cancel() {
  SetText(FTextBefore);
  inherited::Cancel();
}

bool TZYLCustomListComboBox::MoveSelection(int Step) {
  const int count = FList->Items()->Count();
  const int next = FList->ItemIndex() + Step;
  if (count == 0 || next < 0 || next >= count) return false;
  FList->SetItemIndex(next);
  return true;
}

// A step that moved is accepted at once while the list is closed; one that could not move
// leaves the text alone.
void TZYLCustomListComboBox::DoDownKey() {
  if (MoveSelection(1) && !DroppedDown()) Accept();
}

void TZYLCustomListComboBox::DoUpKey() {
  if (FList->ItemIndex() < 0) return;
  if (MoveSelection(-1) && !DroppedDown()) Accept();
}

void TZYLCustomListComboBox::SetItemIndex(int Value) {
  FList->SetItemIndex(Value);
  Accept();
}

void TZYLCustomListComboBox::SelectItem(const std::string& Text) {
  FList->SetItemIndex(FList->Items()->IndexOf(Text));
  Accept();
}

bool TZYLCustomListComboBox::NoneSelected() const { return FList->ItemIndex() < 0; }

std::string TZYLCustomListComboBox::GetSelectedText() const {
  const int i = FList->ItemIndex();
  return i >= 0 && i < FList->Items()->Count() ? FList->Items()->Get(i) : std::string();
}

void TZYLCustomListComboBox::SetStyle(TZYLDropDownStyle Value) {
  FStyle = Value;
  const bool typing = Value == csDropDown;
  SetInputEnabled(typing);
  Caret()->SetCaretOn(typing);
  if (typing) {
    if (Focused()) Caret()->Enable();
  } else {
    Caret()->Disable();
  }
  SetupRects();
  if (HandleAllocated()) Invalidate();
}

void TZYLCustomListComboBox::ModifyTextRect() {
  inherited::ModifyTextRect();
  if (FStyle == csDropDownList) win::InflateRect(&FTextRect, -1, -1);
}

void TZYLCustomListComboBox::DrawSpecialTextBackground(vcl::TCanvas* Canvas,
                                                       const vcl::TRect& /*Rect*/) {
  if (FStyle != csDropDownList || !Focused()) return;
  vcl::TRect r = FTextRect;
  win::InflateRect(&r, -1, -1);
  Canvas->Brush()->SetStyle(vcl::bsSolid);
  Canvas->Brush()->SetColor(ListStyleFocusColor);
  Canvas->FillRect(r);
  Canvas->DrawFocusRect(r);
}

void TZYLCustomListComboBox::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                                       int Y) {
  const bool wasOpen = DroppedDown();
  inherited::MouseDown(Button, Shift, X, Y);
  if (!wasOpen && FStyle == csDropDownList) DoDropDownClick();
}

bool TZYLCustomListComboBox::DoMouseWheel(vcl::TShiftState Shift, int WheelDelta,
                                          vcl::TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (WheelDelta < 1)
    DoDownKey();
  else
    DoUpKey();
  return true;
}

}  // namespace zyl
