#include "edits/ZYLEditAutoComplete.h"

#include <algorithm>
#include <memory>

#include "edits/ZYLBaseEdit.h"
#include "foundation/ZYLCont.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/StrUtils.h"
#include "platform/user/ScreenPlace.h"
#include "platform/user/WinUserConsts.h"
#include "platform/user/WndProcThunk.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLEditAutoComplete) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLEditAutoComplete;
  b.Prop("About", &C::About, &C::SetAbout)
      .Stored(false)
      .Prop("StringList", &C::StringList, &C::SetStringList)
      .Prop("StringListIndex", &C::StringListIndex, &C::SetStringListIndex)
      .Default(0)
      .Prop("Mode", &C::Mode, &C::SetMode)
      .Default(TZYLAutoCompleteModes{}.Bits())
      .Prop("AddUnknownOn", &C::AddUnknownOn, &C::SetAddUnknownOn)
      .Default(TZYLAutoCompleteAddOns{}.Bits())
      .Prop("CaseSensitive", &C::CaseSensitive, &C::SetCaseSensitive)
      .Default(true)
      .Prop("Enabled", &C::Enabled, &C::SetEnabled)
      .Default(true)
      .Prop("OnAdd", &C::GetOnAdd, &C::SetOnAdd);
}

TZYLEditAutoComplete::TZYLEditAutoComplete(vcl::TComponent* AOwner) : inherited(AOwner) {}

TZYLEditAutoComplete::~TZYLEditAutoComplete() {
  CancelPopup();
  if (FInstance) win::FreeWndProc(FInstance);
}

void TZYLEditAutoComplete::SetStringList(TZYLStringList* Value) {
  if (Value == FStringList) return;
  if (FStringList) FStringList->RemoveFreeNotification(this);
  FStringList = Value;
  if (FStringList) FStringList->FreeNotification(this);
}

void TZYLEditAutoComplete::SetStringListIndex(int Value) {
  if (FStringList && !ComponentState().contains(vcl::csLoading))
    Value = std::clamp(Value, 0, std::max(0, FStringList->Count() - 1));
  FStringListIndex = std::max(0, Value);
}

void TZYLEditAutoComplete::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != vcl::opRemove) return;
  if (AComponent == FStringList) FStringList = nullptr;
  if (AComponent == FEdit) {
    CancelPopup();
    FEdit = nullptr;
  }
}

std::string TZYLEditAutoComplete::GetS(const std::string& S) const {
  return FCaseSensitive ? S : vcl::UpperCase(S);
}

bool TZYLEditAutoComplete::Matches(const std::string& Candidate, const std::string& Text) const {
  return !Text.empty() && GetS(Candidate).rfind(GetS(Text), 0) == 0;
}

vcl::TStrings* TZYLEditAutoComplete::Candidates() const {
  if (!FStringList || !FSources.contains(asStringList)) return nullptr;
  if (FStringListIndex < 0 || FStringListIndex >= FStringList->Count()) return nullptr;
  return FStringList->GetArrayItem(FStringListIndex)->GetList();
}

std::string TZYLEditAutoComplete::CompleteText(TZYLBaseEdit* Edit, const std::string& Text) {
  std::string result = Text;
  FLastText = Text;
  if (FMode.contains(amText)) {
    if (vcl::TStrings* list = Candidates()) {
      for (int i = 0; i < list->Count(); ++i) {
        if (Matches(list->Get(i), Text)) {
          result = list->Get(i);
          break;
        }
      }
    }
  }
  if (FMode.contains(amPopup)) {
    if (!FLastText.empty())
      Popup(Edit, Text);
    else
      CancelPopup();
  }
  return result;
}

void TZYLEditAutoComplete::AutoCompleteText(TZYLBaseEdit* Edit, const std::string& Text) {
  if (!FEnabled || !Edit || FCompleting) return;
  const std::string completed = CompleteText(Edit, Text);
  if (GetS(completed) == GetS(Text)) return;
  const int typed = static_cast<int>(Text.size());
  // The completion is one step of the edit's history, so that Undo takes it back.
  FCompleting = true;
  vcl::TFinally done([this] { FCompleting = false; });
  Edit->Replace(1, Edit->GetLength(), completed);
  // The completed tail is selected, the caret before it.
  Edit->Select(typed + 1, static_cast<int>(completed.size()) - typed, typed + 1);
}

void TZYLEditAutoComplete::Popup(TZYLBaseEdit* Edit, const std::string& Text) {
  vcl::TStringList matching;
  if (vcl::TStrings* list = Candidates()) matching.Assign(list);
  matching.Sort();
  while (matching.Count() > 0 && !Matches(matching.Get(0), Text)) matching.Delete(0);
  int run = 0;
  while (run < matching.Count() && Matches(matching.Get(run), Text)) ++run;
  while (matching.Count() > run) matching.Delete(matching.Count() - 1);
  if (matching.Count() == 0) {
    CancelPopup();  // nothing matches: a pop-up left open would offer stale items
    return;
  }
  CreatePopup(Edit, &matching);
}

void TZYLEditAutoComplete::CreatePopup(TZYLBaseEdit* Edit, vcl::TStrings* Strings) {
  if (!Edit || !Strings || Strings->Count() == 0) return;
  if (Strings->Count() == 1 && GetS(Strings->Get(0)) == GetS(Edit->RawText())) {
    CancelPopup();
    return;
  }
  if (FEdit && FEdit != Edit) CancelPopup();
  // Showing the list may move the focus about; the edit's focus loss does not close it then.
  FPlacing = true;
  vcl::TFinally placed([this] { FPlacing = false; });
  if (!FListBox) {
    FListBox = new vcl::TListBox(this);
    FListBox->SetVisible(false);
    FListBox->SetParent(Edit);
    // A top-level tool window of the desktop, so that it may reach out of the edit's form.
    const win::HWND list = FListBox->Handle();
    win::SetParent(list, win::GetDesktopWindow());
    win::SetWindowLongPtr(list, win::GWL_EXSTYLE,
                          win::GetWindowLongPtr(list, win::GWL_EXSTYLE) | win::WS_EX_TOOLWINDOW);
    win::SetWindowLongPtr(list, win::GWL_STYLE,
                          win::GetWindowLongPtr(list, win::GWL_STYLE) | win::WS_BORDER);
  }
  if (!FInstance) FInstance = win::AllocateWndProc(&TZYLEditAutoComplete::EditProc, this);
  if (FEdit != Edit) {
    FEdit = Edit;
    Edit->FreeNotification(this);
  }
  if (!FOldProc && FInstance) {
    FEditWnd = Edit->Handle();
    FOldProc = reinterpret_cast<win::WNDPROC>(win::SetWindowLongPtr(
        FEditWnd, win::GWL_WNDPROC, reinterpret_cast<win::LONG_PTR>(FInstance)));
  }
  const vcl::TPoint p = Edit->ClientToScreen(vcl::TPoint{0, Edit->Height()});
  FListBox->Items()->Assign(Strings);
  FListBox->Canvas()->SetFont(FListBox->Font());
  const int rows = std::min(Strings->Count(), MaxPopupRows);
  const int height = rows * FListBox->Canvas()->TextHeight(Strings->Get(0)) + 5;
  // Under the edit, or above it near the bottom of the screen.
  win::RECT edit{};
  win::GetWindowRect(Edit->Handle(), &edit);
  const win::RECT r = win::user::DropBeside(win::RECT{p.X, edit.Top, p.X + Edit->Width(), p.Y}, p.X,
                                            Edit->Width(), height, height);
  win::SetWindowPos(FListBox->Handle(), win::HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(),
                    win::SWP_SHOWWINDOW | win::SWP_NOACTIVATE);
}

void TZYLEditAutoComplete::CancelPopup() {
  if (!FListBox) return;
  if (FOldProc && FEditWnd && win::IsWindow(FEditWnd))
    win::SetWindowLongPtr(FEditWnd, win::GWL_WNDPROC, reinterpret_cast<win::LONG_PTR>(FOldProc));
  FOldProc = nullptr;
  FEditWnd = nullptr;
  if (FEdit) FEdit->RemoveFreeNotification(this);
  FEdit = nullptr;
  if (FInstance) {
    win::FreeWndProc(FInstance);
    FInstance = nullptr;
  }
  vcl::TListBox* list = FListBox;
  FListBox = nullptr;
  delete list;
}

win::LRESULT TZYLEditAutoComplete::EditProc(void* Context, win::HWND Wnd, win::UINT Msg,
                                            win::WPARAM W, win::LPARAM L) {
  auto* self = static_cast<TZYLEditAutoComplete*>(Context);
  vcl::TMessage m{};
  m.Msg = Msg;
  m.WParam = W;
  m.LParam = L;
  if (!self->FOldProc) return win::DefWindowProc(Wnd, Msg, W, L);
  m.Result = win::CallWindowProc(self->FOldProc, Wnd, Msg, W, L);
  self->ControlWndProc(m);
  return m.Result;
}

void TZYLEditAutoComplete::TakeText(const std::string& S) {
  if (!FEdit) return;
  FEdit->SetText(S);
  FEdit->Select(1, FEdit->GetLength());
}

void TZYLEditAutoComplete::ControlWndProc(vcl::TMessage& Message) {
  if (!FListBox || !FEdit || FPlacing) return;
  switch (Message.Msg) {
    case win::WM_KILLFOCUS:
    case win::WM_CANCELMODE:
      TakeText(FLastText);
      CancelPopup();
      break;
    case win::WM_KEYUP: {
      const int count = FListBox->Items()->Count();
      int index = FListBox->ItemIndex();
      if (Message.WParam == win::VK_UP) {
        if (index > 0) FListBox->SetItemIndex(index - 1);
      } else if (Message.WParam == win::VK_DOWN) {
        if (index < count - 1) FListBox->SetItemIndex(index + 1);
      } else {
        break;
      }
      index = FListBox->ItemIndex();
      if (index >= 0 && index < count) TakeText(FListBox->Items()->Get(index));
      break;
    }
    case win::WM_CHAR:
      if (Message.WParam == win::VK_RETURN) {
        const int index = FListBox->ItemIndex();
        if (index >= 0 && index < FListBox->Items()->Count())
          TakeText(FListBox->Items()->Get(index));
        else
          TakeText(FEdit->RawText());
        CancelPopup();
      } else if (Message.WParam == win::VK_ESCAPE) {
        TakeText(FLastText);
        CancelPopup();
      }
      break;
    default: break;
  }
}

void TZYLEditAutoComplete::Add(TZYLBaseEdit* Edit, const std::string& Text) {
  if (!FEnabled) return;
  vcl::TStrings* list = Candidates();
  if (list) {
    for (int i = list->Count() - 1; i >= 0; --i)
      if (GetS(list->Get(i)) == GetS(Text)) return;
  }
  std::string text = Text;
  bool add = true;
  TZYLAutoCompleteSource addTo = asStringList;
  if (FOnAdd) FOnAdd(this, Edit, text, add, addTo);
  if (add && addTo == asStringList && list) list->Add(text);
}

}  // namespace zyl
