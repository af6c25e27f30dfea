// TZYLCustomListBox, continued: the in-place editor (F2 edits, Insert inserts, Delete deletes;
// Enter commits, Escape and leaving the editor discard), the selection operations, the hint
// window for text wider than its item, and the caption label.
//
// A closed editor is hidden at once and freed later (when the next one opens, the window goes
// or the box is destroyed): it is closed from inside its own key handler, which still runs.
#include <algorithm>

#include "display/ZYLBoundLabel.h"
#include "edits/ZYLCustomListBox.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

using vcl::TRect;

// ---------------------------------------------------------------------------------------------
// Selection

void TZYLCustomListBox::DeleteSelected() {
  if (!MultiSelect()) {
    const int i = ItemIndex();
    if (i < 0 || i >= Items()->Count()) return;
    Items()->Delete(i);
    const int n = Items()->Count();
    if (n > 0) SetItemIndex(std::min(i, n - 1));
    return;
  }
  Items()->BeginUpdate();
  vcl::TFinally done([this] { Items()->EndUpdate(); });
  for (int i = Items()->Count() - 1; i >= 0; --i)
    if (Selected(i)) Items()->Delete(i);
}

void TZYLCustomListBox::CopySelection(TCustomListControl* Destination) {
  if (!Destination) return;
  auto copy = [&](int i) {
    Destination->Items()->AddObject(Items()->Strings(i), Items()->Objects(i));
  };
  if (!MultiSelect()) {
    const int i = ItemIndex();
    if (i >= 0 && i < Items()->Count()) copy(i);
    return;
  }
  for (int i = 0; i < Items()->Count(); ++i)
    if (Selected(i)) copy(i);
}

void TZYLCustomListBox::SelectAll() {
  if (MultiSelect() && HandleAllocated())
    win::SendMessageA(Handle(), win::LB_SETSEL, 1, static_cast<win::LPARAM>(-1));
}

void TZYLCustomListBox::ClearSelection() {
  if (!MultiSelect()) {
    SetItemIndex(-1);
    return;
  }
  if (HandleAllocated())
    win::SendMessageA(Handle(), win::LB_SETSEL, 0, static_cast<win::LPARAM>(-1));
}

// ---------------------------------------------------------------------------------------------
// In-place editor

void TZYLCustomListBox::AddItemByEditor() { EnterEditMode(true, -1); }

void TZYLCustomListBox::DisplayEditor(int Index) {
  if (Index < 0 || Index >= Items()->Count()) return;
  SetItemIndex(Index);
  EnterEditMode(false, -1);
}

void TZYLCustomListBox::KeyDown(uint16_t& Key, vcl::TShiftState Shift) {
  CancelHint();
  if (Key == win::VK_INSERT && FEditOptions.contains(lboAllowInsert)) {
    const int i = ItemIndex();
    EnterEditMode(true, Shift.contains(vcl::ssCtrl) ? i + 1 : i);
    Key = 0;
    return;
  }
  if (Key == win::VK_DELETE && FEditOptions.contains(lboAllowDelete)) {
    DeleteSelected();
    Key = 0;
    return;
  }
  if (Key == win::VK_F2 && FEditOptions.contains(lboAllowEdit)) {
    EnterEditMode(false, -1);
    Key = 0;
    return;
  }
  inherited::KeyDown(Key, Shift);
}

void TZYLCustomListBox::EnterEditMode(bool Insert, int Index) {
  CancelHint();
  if (!CanEdit()) return;
  CancelEditMode();
  FDoomedEditor.reset();
  auto editor = std::make_unique<TZYLCustomListBoxEdit>(this);
  editor->SetParent(this);
  if (FEditOptions.contains(lboNo3DFrame)) editor->SetCtl3D(false);
  if (FOnEditShow) {
    bool cancel = false;
    FOnEditShow(this, ItemIndex(), cancel);
    if (cancel) return;
  }
  const int count = Items()->Count();
  if (!Insert) {
    FEditIndex = ItemIndex();
  } else if (Index >= 0 && Index < count && !Sorted()) {
    FEditIndex = Index;
    Items()->Insert(Index, "");
  } else {
    FEditIndex = Items()->Add("");
  }
  FEditor = std::move(editor);
  SetItemIndex(-1);
  if (MultiSelect()) ClearSelection();
  FEditor->OnExit = vcl::TNotifyEvent(this, &TZYLCustomListBox::DoOnEditExit);
  FEditor->OnKeyDown = vcl::TKeyEvent(this, &TZYLCustomListBox::DoOnEditKeyDown);
  FEditor->OnKeyPress = vcl::TKeyPressEvent(this, &TZYLCustomListBox::DoOnEditKeyPress);
  FEditor->SetWantTabs(true);
  if (Insert) FEditor->SetTag(FEditIndex + kInsertedTag);
  if (FEditIndex >= 0) {
    FEditor->SetText(Items()->Strings(FEditIndex));
    if (!ItemVisible(FEditIndex)) SetTopIndex(FEditIndex);
  }
  if (FEditOptions.contains(lboSelectText)) FEditor->SelectAll();
  const TRect r = GetEditRect(FEditIndex);
  int height = r.Bottom - r.Top + 1;
  if (FOnEditMeasure) FOnEditMeasure(this, FEditIndex, height);
  FEditor->SetBounds(r.Left, r.Top - 1, r.Right, height);
  if (FEditor->CanFocus()) FEditor->SetFocus();
}

vcl::TRect TZYLCustomListBox::GetEditRect(int Index) {
  const int count = Items()->Count();
  if (Index >= 0 && Index < count) return ItemRect(Index);
  if (count > 0) return ItemRect(count);
  return TRect{0, 0, ClientWidth(), ItemHeight()};
}

void TZYLCustomListBox::CancelEditMode() {
  if (!FEditor) return;
  std::unique_ptr<TZYLCustomListBoxEdit> e = std::move(FEditor);
  e->OnExit = nullptr;
  e->OnKeyDown = nullptr;
  e->OnKeyPress = nullptr;
  e->SetVisible(false);
  FDoomedEditor = std::move(e);
  if (FOnEditHide) FOnEditHide(this);
  // The item may have gone meanwhile (an inserted item removed by Escape).
  if (FEditIndex >= 0 && FEditIndex < Items()->Count()) {
    if (MultiSelect())
      SetSelected(FEditIndex, true);
    else
      SetItemIndex(FEditIndex);
  }
  FEditIndex = -1;
  if (CanFocus()) SetFocus();
}

void TZYLCustomListBox::CloseEditor() {
  FEditor.reset();
  FDoomedEditor.reset();
}

void TZYLCustomListBox::DoOnEditKeyPress(vcl::TObject* /*Sender*/, char& Key) {
  if (Key == '\t') Key = 0;
}

void TZYLCustomListBox::DoOnEditExit(vcl::TObject* /*Sender*/) { CancelEditMode(); }

void TZYLCustomListBox::DoOnEditKeyDown(vcl::TObject* /*Sender*/, uint16_t& Key,
                                        vcl::TShiftState /*Shift*/) {
  if (!FEditor) return;
  if (Key == win::VK_TAB) {
    Key = 0;
    return;
  }
  if (Key == win::VK_RETURN) {
    const std::string text = FEditor->Text();
    if (Sorted()) {
      if (FEditIndex >= 0 && FEditIndex < Items()->Count()) Items()->Delete(FEditIndex);
      FEditIndex = Items()->Add(text);
      if (!ItemVisible(FEditIndex)) SetTopIndex(FEditIndex);
    } else if (FEditIndex < 0 || FEditIndex >= Items()->Count()) {
      FEditIndex = Items()->Add(text);
    } else {
      Items()->SetStrings(FEditIndex, text);
    }
    if (FOnEditChange) FOnEditChange(this, FEditIndex);
    CancelEditMode();
    Key = 0;
    return;
  }
  if (Key == win::VK_ESCAPE) {
    const int inserted = FEditor->Tag() - kInsertedTag;
    if (inserted >= 0 && inserted < Items()->Count()) {
      Items()->Delete(inserted);
      // The item is gone: nothing to select again.
      if (FEditIndex == inserted) FEditIndex = -1;
    }
    CancelEditMode();
    Key = 0;
  }
}

// ---------------------------------------------------------------------------------------------
// Large-text hint

vcl::THintWindow* TZYLCustomListBox::GetHintWindow() {
  if (!FHintWindow) {
    vcl::TClass cls = vcl::TApplication::HintWindowClass ? vcl::TApplication::HintWindowClass
                                                         : vcl::THintWindow::StaticClass();
    FHintWindow.reset(dynamic_cast<vcl::THintWindow*>(cls->Create(this)));
    if (!FHintWindow) FHintWindow.reset(new vcl::THintWindow(this));
    if (vcl::Application) FHintWindow->SetColor(vcl::Application->HintColor());
  }
  return FHintWindow.get();
}

bool TZYLCustomListBox::IsHintWindowActive() const {
  return FHintWindow && FHintWindow->HandleAllocated();
}

void TZYLCustomListBox::CancelHint() {
  if (IsHintWindowActive()) FHintWindow->ReleaseHandle();
}

void TZYLCustomListBox::FreeHintWindow() {
  CancelHint();
  FHintWindow.reset();
}

void TZYLCustomListBox::WMSetCursor(vcl::TMessage& Message) {
  if (!ComponentState().contains(vcl::csDesigning) && FLargeTextOptions == lbltShowHint && !FEditor)
    ShowLargeTextHint(static_cast<int>(Message.LParam & 0xFFFF) == win::HTCLIENT);
  ZYL_INHERITED(Message);
}

void TZYLCustomListBox::ShowLargeTextHint(bool InClient) {
  if (!InClient) {
    CancelHint();
    return;
  }
  win::POINT cursor{};
  win::GetCursorPos(&cursor);
  const int item = ItemAtPos(ScreenToClient(vcl::TPoint{cursor.X, cursor.Y}), true);
  if (item < 0 || item == ItemIndex() || (MultiSelect() && Selected(item))) {
    CancelHint();
    return;
  }
  const TRect r = ItemRect(item);
  if (GetHorzExtent(item) < r.Width()) {
    CancelHint();
    return;
  }
  const std::string s = GetStringValue(item);
  const vcl::TPoint p = ClientToScreen(r.TopLeft());
  if (IsHintWindowActive()) {
    win::RECT wr{};
    win::GetWindowRect(FHintWindow->Handle(), &wr);
    if (wr.Top == p.Y) {
      if (FHintWindow->Caption() != s) CancelHint();
      return;
    }
  }
  vcl::THintWindow* hint = GetHintWindow();
  TRect hr = hint->CalcHintRect(Parent() ? Parent()->Width() : Width(), s, nullptr);
  win::OffsetRect(&hr, p.X, p.Y);
  hint->ActivateHint(hr, s);
  hint->SetCaption(s);
}

void TZYLCustomListBox::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  CancelHint();
}

// ---------------------------------------------------------------------------------------------
// Caption label

void TZYLCustomListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  FLabelBinding.Place();
}

void TZYLCustomListBox::SetParent(vcl::TWinControl* AParent) {
  inherited::SetParent(AParent);
  FLabelBinding.ParentChanged();
}

void TZYLCustomListBox::SetName(const std::string& NewName) {
  const std::string old = Name();
  inherited::SetName(NewName);
  FLabelBinding.Renamed(old, NewName);
}

void TZYLCustomListBox::Loaded() {
  inherited::Loaded();
  FLabelBinding.Place();
}

void TZYLCustomListBox::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  FLabelBinding.Notification(AComponent, Operation);
}

void TZYLCustomListBox::CMBoundLabelChange(vcl::TMessage& /*Message*/) { FLabelBinding.Place(); }

void TZYLCustomListBox::CMVisibleChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  FLabelBinding.VisibleChanged();
}

void TZYLCustomListBox::CMBiDiModeChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  FLabelBinding.BiDiModeChanged();
}

void TZYLCustomListBox::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  FLabelBinding.DefineProperties(Filer);
}

}  // namespace zyl
