// TWindowListStrings: the items of the list controls on the window system's list classes.
#include <algorithm>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/SysUtils.h"

namespace vcl {

using namespace win;

void TWindowListStrings::IndexError(int Index) const {
  throw EListError(Format(SListIndexError, {Index}));
}

LRESULT TWindowListStrings::Send(UINT Msg, WPARAM WParam, LPARAM LParam) const {
  return SendMessageA(control_->Handle(), Msg, WParam, LParam);
}

std::string TWindowListStrings::Get(int Index) const {
  if (!control_->HandleAllocated()) {
    Settle();
    return saved_->Get(Index);
  }
  const LRESULT n = Send(messages_.GetTextLen, static_cast<WPARAM>(Index), 0);
  if (n < 0) IndexError(Index);
  std::string s(static_cast<size_t>(n) + 1, '\0');
  Send(messages_.GetText, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(s.data()));
  s.resize(static_cast<size_t>(n));
  return s;
}

int TWindowListStrings::GetCount() const {
  if (!control_->HandleAllocated()) return saved_->Count();
  return static_cast<int>(Send(messages_.GetCount, 0, 0));
}

TObject* TWindowListStrings::GetObject(int Index) const {
  if (!control_->HandleAllocated()) {
    Settle();
    return saved_->Objects(Index);
  }
  const LRESULT d = Send(messages_.GetItemData, static_cast<WPARAM>(Index), 0);
  if (d == messages_.Err) IndexError(Index);
  return reinterpret_cast<TObject*>(d);
}

void TWindowListStrings::PutObject(int Index, TObject* AObject) {
  if (!control_->HandleAllocated()) {
    // The item Add has just put at the end keeps that place until the list is read.
    if (Index != arrived_) Settle();
    saved_->PutObject(Index, AObject);
    return;
  }
  if (Send(messages_.SetItemData, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(AObject)) ==
      messages_.Err)
    IndexError(Index);
}

int TWindowListStrings::Add(const std::string& S) {
  if (!control_->HandleAllocated()) {
    const int n = saved_->Count();
    if (sorted_ && n > 0 && (unsorted_ || AnsiCompareText(saved_->Get(n - 1), S) > 0)) {
      unsorted_ = true;
      arrived_ = n;
    }
    return saved_->Add(S);
  }
  const LRESULT r = Send(messages_.AddString, 0, reinterpret_cast<LPARAM>(S.c_str()));
  if (r < 0) throw EOutOfResources(messages_.OutOfSpace);
  return static_cast<int>(r);
}

void TWindowListStrings::SortedChanged(bool Sorted) {
  if (control_->HandleAllocated()) return;
  if (Sorted)
    unsorted_ = true;
  else
    Settle();
}

void TWindowListStrings::LoadWindow() {
  Settle();
  const int n = saved_->Count();
  if (n == 0) return;
  Send(messages_.InitStorage, static_cast<WPARAM>(n), 0);
  for (int i = 0; i < n; ++i) {
    const std::string s = saved_->Get(i);
    const LRESULT k =
        Send(sorted_ ? messages_.AddString : messages_.InsertString,
             static_cast<WPARAM>(sorted_ ? 0 : i), reinterpret_cast<LPARAM>(s.c_str()));
    if (k >= 0)
      Send(messages_.SetItemData, static_cast<WPARAM>(k),
           reinterpret_cast<LPARAM>(saved_->Objects(i)));
  }
  saved_->Clear();
}

void TWindowListStrings::SaveWindow() {
  const int n = GetCount();
  saved_->Clear();
  unsorted_ = false;
  for (int i = 0; i < n; ++i) saved_->AddObject(Get(i), GetObject(i));
}

void TWindowListStrings::Settle() const {
  if (!unsorted_) return;
  unsorted_ = false;
  arrived_ = -1;
  std::vector<std::pair<std::string, TObject*>> all;
  all.reserve(static_cast<size_t>(saved_->Count()));
  for (int i = 0; i < saved_->Count(); ++i) all.emplace_back(saved_->Get(i), saved_->Objects(i));
  std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
    return AnsiCompareText(a.first, b.first) < 0;
  });
  saved_->Clear();
  for (auto& [text, object] : all) saved_->AddObject(text, object);
}

void TWindowListStrings::Insert(int Index, const std::string& S) {
  if (Index < 0 || Index > GetCount()) IndexError(Index);
  if (!control_->HandleAllocated()) {
    Settle();
    saved_->Insert(Index, S);
    return;
  }
  if (Send(messages_.InsertString, static_cast<WPARAM>(Index),
           reinterpret_cast<LPARAM>(S.c_str())) < 0)
    throw EOutOfResources(messages_.OutOfSpace);
}

void TWindowListStrings::Delete(int Index) {
  if (Index < 0 || Index >= GetCount()) IndexError(Index);
  if (!control_->HandleAllocated()) {
    Settle();
    saved_->Delete(Index);
    SavedDeleted(Index);
    return;
  }
  Send(messages_.DeleteString, static_cast<WPARAM>(Index), 0);
}

void TWindowListStrings::Clear() {
  if (!control_->HandleAllocated()) {
    saved_->Clear();
    unsorted_ = false;
    SavedCleared();
    return;
  }
  ClearWindow();
}

void TWindowListStrings::ClearWindow() { Send(messages_.ResetContent, 0, 0); }

int TWindowListStrings::IndexOf(const std::string& S) const {
  if (!control_->HandleAllocated()) {
    Settle();
    return saved_->IndexOf(S);
  }
  const LRESULT r =
      Send(messages_.FindStringExact, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(S.c_str()));
  return r < 0 ? -1 : static_cast<int>(r);
}

void TWindowListStrings::SetUpdateState(bool Updating) {
  if (!control_->HandleAllocated()) return;
  Send(WM_SETREDRAW, Updating ? 0 : 1, 0);
  if (!Updating) control_->Invalidate();
}

ZYL_CLASS_IMPL(TWindowListStrings) {}

}  // namespace vcl
