#include "design/pZYLHideNonVC.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "design/pZYLObjectEditor.h"
#include "platform/base/Restore.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/user/ListComboConsts.h"
#include "platform/user/ListOrder.h"
#include "system/ZYLFormStyler.h"
#include "system/ZYLHideNonVC.h"

namespace zyl {

using vcl::TComponent;
using vcl::TObject;

TZYLHideNonVCfrm* ZYLHideNonVCfrm = nullptr;

namespace {

// The stand-in designer's icon windows, as the hider walks them.
class TDesignerIconWindows final : public IZYLIconWindows {
 public:
  int Count(vcl::TCustomForm* Form) override {
    vcl::TFormDesigner* d = Of(Form);
    return d ? d->IconWindowCount() : 0;
  }
  std::string ClassName(vcl::TCustomForm* Form, int Index) override {
    return At(Form, Index)->ClassName();
  }
  vcl::TRect Bounds(vcl::TCustomForm* Form, int Index) override {
    return At(Form, Index)->BoundsRect();
  }
  void Move(vcl::TCustomForm* Form, int Index, int X, int Y) override {
    Of(Form)->PlaceIconWindow(At(Form, Index), X, Y);
  }

 private:
  static vcl::TFormDesigner* Of(vcl::TCustomForm* Form) {
    return Form ? dynamic_cast<vcl::TFormDesigner*>(Form->Designer()) : nullptr;
  }
  static vcl::TIconWindow* At(vcl::TCustomForm* Form, int Index) {
    vcl::TFormDesigner* d = Of(Form);
    vcl::TIconWindow* w = d ? d->IconWindowAt(Index) : nullptr;
    if (!w) throw vcl::EListError(vcl::Format(vcl::SListIndexError, {Index}));
    return w;
  }
};

TDesignerIconWindows gIconWindows;

}  // namespace

ZYL_CLASS_IMPL(TZYLHideNonVCfrm) {
  DescribeFields(b);
  using T = TZYLHideNonVCfrm;
  b.Method("CloseButtonClick", &T::CloseButtonClick)
      .Method("btHideClick", &T::btHideClick)
      .Method("btShowClick", &T::btShowClick)
      .Method("btshowallClick", &T::btshowallClick)
      .Method("btHideAllClick", &T::btHideAllClick)
      .Method("btDeleteClick", &T::btDeleteClick)
      .Method("cbListMouseUp", &T::cbListMouseUp)
      .Method("cbListKeyUp", &T::cbListKeyUp)
      .Method("popMenuPopup", &T::popMenuPopup);
}

TZYLHideNonVCfrm::TZYLHideNonVCfrm(TComponent* AOwner) : inherited(AOwner) {}

TZYLHideNonVCfrm::~TZYLHideNonVCfrm() {
  if (FComponent) FComponent->SetOnNewComponent(nullptr);
  if (ZYLHideNonVCfrm == this) ZYLHideNonVCfrm = nullptr;
}

vcl::TCustomForm* TZYLHideNonVCfrm::DesignedForm() const {
  return FComponent ? dynamic_cast<vcl::TCustomForm*>(FComponent->Owner()) : nullptr;
}

std::string TZYLHideNonVCfrm::CaptionText() const {
  vcl::TCustomForm* form = DesignedForm();
  return form ? form->Name() + "." + FComponent->Name() : std::string();
}

void TZYLHideNonVCfrm::SetComponent(TZYLHideNonVC* C) {
  if (C == FComponent) return;
  if (FComponent) FComponent->SetOnNewComponent(nullptr);
  FComponent = C;
  if (!C) return;
  C->SetOnNewComponent(TZYLHideNonVCNewEvent(this, &TZYLHideNonVCfrm::HandleNewComponent));
  FCaptionText = CaptionText();
  SetCaption(FCaptionText);
  if (fs) fs->ForceNCPaint();
  FFormDesigner = vcl::FormDesignerOf(C);
  SetDesigner(FFormDesigner);
  Initialize();
}

void TZYLHideNonVCfrm::HandleNewComponent(TObject*, TComponent*) { FNewComponent = true; }

void TZYLHideNonVCfrm::Initialize() {
  cbList->Items()->Clear();
  FListedText.clear();
  FItemsKnown = false;
  FNamesForm = nullptr;
  vcl::TCustomForm* form = DesignedForm();
  if (!form) return;
  BeginUpdate();
  FUnnamedItem = false;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* c = form->Components(i);
    if (!ZYLCheckValidComponent(c, form)) continue;
    ListComponent(c);
    FUnnamedItem = FUnnamedItem || c->Name().empty();
  }
  EndUpdate();
  FNamesForm = form;
  FNamesFreed = form->NamesFreed();
}

// The list is sorted: an item goes to its place among the others, and is found again by the
// text it was listed under (a renamed component keeps that text until RenameItems).
void TZYLHideNonVCfrm::ListComponent(TComponent* C) {
  const std::string text = BuildAddString(C);
  cbList->Items()->AddObject(text, C);
  FItemsKnown = false;
  const auto [known, fresh] = FListedText.emplace(C, text);
  if (!fresh && win::ListCompareText(text, known->second) < 0) known->second = text;
}

void TZYLHideNonVCfrm::DropItem(int Index) {
  TComponent* c = GetSelected(Index);
  cbList->Items()->Delete(Index);
  FItemsKnown = false;
  FListedText.erase(c);
}

std::string TZYLHideNonVCfrm::BuildAddString(TComponent* C) {
  return C->Name() + " [" + C->ClassName() + "]";
}

std::string TZYLHideNonVCfrm::GetAddStringName(const std::string& S) {
  return vcl::Trim(S.substr(0, S.find('[')));
}

void TZYLHideNonVCfrm::KnowItems(int Lookups) {
  if (FItemsKnown) return;
  const int count = cbList->Items()->Count();
  // A search reads about log2(count) items, the walk each item once: a few lookups search.
  if (cbList->HandleAllocated() &&
      int64_t{Lookups} * std::bit_width(static_cast<unsigned>(count)) < count)
    return;
  FItemOf.clear();
  for (int i = 0; i < count; ++i) FItemOf.emplace(GetSelected(i), i);
  FItemsKnown = true;
}

int TZYLHideNonVCfrm::IndexOfComponent(TComponent* C) {
  const auto listed = FListedText.find(C);
  if (listed == FListedText.end()) return -1;
  KnowItems(1);
  if (FItemsKnown) {
    const auto at = FItemOf.find(C);
    return at == FItemOf.end() ? -1 : at->second;
  }
  // The window's list keeps its items sorted: the first item not before the text, then the
  // run of items equal to it.
  vcl::TStrings* items = cbList->Items();
  const int count = items->Count();
  int first = 0, last = count;
  while (first < last) {
    const int mid = first + (last - first) / 2;
    if (win::ListCompareText(items->Strings(mid), listed->second) < 0)
      first = mid + 1;
    else
      last = mid;
  }
  for (int i = first; i < count && win::ListCompareText(items->Strings(i), listed->second) == 0;
       ++i)
    if (GetSelected(i) == C) return i;
  return -1;
}

TComponent* TZYLHideNonVCfrm::GetSelected(int Index) const {
  return static_cast<TComponent*>(cbList->Items()->Objects(Index));
}

void TZYLHideNonVCfrm::CheckInfo() {
  const int index = cbList->ItemIndex();
  if (index < 0) {
    d->SetCaption("---");
    d->Font()->SetColor(vcl::clBlack);
  } else if (TZYLHideNonVC::IsHidden(GetSelected(index))) {
    d->SetCaption("[Hidden]");
    d->Font()->SetColor(vcl::clMaroon);
  } else {
    d->SetCaption("[Visible]");
    d->Font()->SetColor(vcl::clNavy);
  }
}

void TZYLHideNonVCfrm::CheckButtonStates() {
  const bool selected = cbList->SelCount() > 0;
  const bool any = cbList->Items()->Count() > 0;
  btHide->SetEnabled(selected);
  btShow->SetEnabled(selected);
  btDelete->SetEnabled(selected);
  btHideAll->SetEnabled(any);
  btshowall->SetEnabled(any);
}

std::vector<TComponent*> TZYLHideNonVCfrm::SelectedComponents(bool Hidden) const {
  std::vector<TComponent*> chosen;
  for (int i = 0; i < cbList->Items()->Count(); ++i)
    if (cbList->Selected(i) && TZYLHideNonVC::IsHidden(GetSelected(i)) == Hidden)
      chosen.push_back(GetSelected(i));
  return chosen;
}

void TZYLHideNonVCfrm::HideSelection() {
  if (!FComponent) return;
  const std::vector<TComponent*> chosen = SelectedComponents(false);
  FComponent->HideComponents(chosen);
  // The form's stream changes with the places: the designer must save it.
  if (!chosen.empty() && FFormDesigner) FFormDesigner->Modified();
  CheckInfo();
}

void TZYLHideNonVCfrm::ShowSelection() {
  if (!FComponent) return;
  const std::vector<TComponent*> chosen = SelectedComponents(true);
  FComponent->ShowComponents(chosen);
  if (!chosen.empty() && FFormDesigner) FFormDesigner->Modified();
  CheckInfo();
}

void TZYLHideNonVCfrm::DeleteSelection() {
  vcl::IFormDesigner* designer = FFormDesigner;
  for (int i = cbList->Items()->Count() - 1; i >= 0; --i) {
    // Deleting a component removes its item (ComponentDeleted), so the list may have shrunk.
    if (i >= cbList->Items()->Count() || !cbList->Selected(i)) continue;
    TComponent* c = GetSelected(i);
    // Nothing is renamed meanwhile, and the selection is handed over once at the end.
    vcl::TRestore<int> deleting(FDeletingItem, i);
    if (TComponent* owner = c->Owner()) owner->RemoveComponent(c);
    if (designer) designer->Modified();
    delete c;
  }
  if (vcl::TCustomForm* form = DesignedForm(); form && form == FNamesForm)
    FNamesFreed = form->NamesFreed();
  UpdateSelection();
}

void TZYLHideNonVCfrm::UpdateSelection() {
  if (FFormDesigner) {
    FSelection.Clear();
    for (int i = 0; i < cbList->Items()->Count(); ++i)
      if (cbList->Selected(i)) FSelection.Add(GetSelected(i));
    // The designer tells every design window, this one too, which then has nothing to follow.
    vcl::TRestore<bool> setting(FSetting, true);
    if (FSelection.Count() == 1)
      FFormDesigner->SelectComponent(FSelection[0]);
    else
      FFormDesigner->SetSelections(FSelection);
    FSelfSelected = true;
  }
  CheckButtonStates();
  CheckInfo();
}

void TZYLHideNonVCfrm::SelectAll() {
  for (int i = 0; i < cbList->Items()->Count(); ++i) cbList->SetSelected(i, true);
}

// The list-box message that sets the selection state of every item to false.
void TZYLHideNonVCfrm::SelectNone() { cbList->Perform(win::LB_SETSEL, 0, -1); }

void TZYLHideNonVCfrm::SelectOne(int Index) {
  SelectNone();
  SelectAdd(Index);
}

void TZYLHideNonVCfrm::SelectAdd(int Index) {
  if (Index >= 0 && Index < cbList->Items()->Count()) cbList->SetSelected(Index, true);
}

void TZYLHideNonVCfrm::BeginUpdate() {
  if (FUpdateCount++ == 0) cbList->Items()->BeginUpdate();
}

void TZYLHideNonVCfrm::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) cbList->Items()->EndUpdate();
}

void TZYLHideNonVCfrm::DoSelectAll(bool Hide) {
  SelectAll();
  if (Hide)
    HideSelection();
  else
    ShowSelection();
  CheckButtonStates();
}

// ---- The designer's notices ----

void TZYLHideNonVCfrm::FormModified() {
  vcl::TCustomForm* form = DesignedForm();
  if (!form) return;
  const std::string caption = CaptionText();
  if (caption != FCaptionText) {
    FCaptionText = caption;
    SetCaption(caption);
    if (fs) fs->ForceNCPaint();
    return;
  }
  if (FNewComponent) {
    // A component is announced while it is being built: it is listed once it has its name.
    TComponent* last =
        form->ComponentCount() ? form->Components(form->ComponentCount() - 1) : nullptr;
    if (!last || last->Name().empty()) return;
    if (ZYLCheckValidComponent(last, form) && IndexOfComponent(last) < 0) ListComponent(last);
  } else if (FDeletingItem < 0 &&
             (form != FNamesForm || form->NamesFreed() != FNamesFreed || FUnnamedItem)) {
    RenameItems();
  }
  FNewComponent = false;
}

void TZYLHideNonVCfrm::RenameItems() {
  vcl::TCustomForm* form = DesignedForm();
  FUnnamedItem = false;
  for (int i = cbList->Items()->Count() - 1; i >= 0; --i) {
    TComponent* c = GetSelected(i);
    FUnnamedItem = FUnnamedItem || c->Name().empty();
    if (GetAddStringName(cbList->Items()->Strings(i)) == c->Name()) continue;
    const bool selected = cbList->Selected(i);
    DropItem(i);
    ListComponent(c);
    if (selected) cbList->SetSelected(cbList->Items()->Count() - 1, true);
  }
  FNamesForm = form;
  FNamesFreed = form ? form->NamesFreed() : 0;
}

void TZYLHideNonVCfrm::ComponentDeleted(vcl::TPersistent* AComponent) {
  if (AComponent == FComponent) {
    FComponent = nullptr;
    Release();
    return;
  }
  // A listed component is dropped even while a new one is announced: its item must not stay.
  if (FDeletingItem >= 0 && GetSelected(FDeletingItem) == AComponent) {
    DropItem(FDeletingItem);
    return;
  }
  const int index = IndexOfComponent(dynamic_cast<TComponent*>(AComponent));
  if (index < 0) return;
  DropItem(index);
  UpdateSelection();
}

void TZYLHideNonVCfrm::SelectionChanged(const vcl::TDesignerSelections& List) {
  if (FSetting || FDeletingItem >= 0) return;
  FSelfSelected = false;
  SelectNone();
  vcl::TCustomForm* form = DesignedForm();
  KnowItems(List.Count());
  for (int i = 0; i < List.Count(); ++i) {
    auto* c = dynamic_cast<TComponent*>(List[i]);
    if (form && ZYLCheckValidComponent(c, form)) SelectAdd(IndexOfComponent(c));
  }
  CheckButtonStates();
}

void TZYLHideNonVCfrm::FormClosed(vcl::TCustomForm* Form) {
  if (!FComponent || Form != FComponent->Owner()) return;
  FComponent->SetOnNewComponent(nullptr);
  FComponent = nullptr;
  delete this;
}

void TZYLHideNonVCfrm::Activated() {
  if (!FSelfSelected) UpdateSelection();
}

vcl::TEditState TZYLHideNonVCfrm::GetEditState() {
  vcl::TEditState state;
  if (cbList->SelCount() > 0) state += vcl::esCanDelete;
  return state;
}

void TZYLHideNonVCfrm::EditAction(vcl::TEditAction Action) {
  if (Action == vcl::eaDelete) DeleteSelection();
}

std::string TZYLHideNonVCfrm::UniqueName(const std::string&) { return std::string(); }

// ---- Event handlers ----

void TZYLHideNonVCfrm::CloseButtonClick(TObject*) { Close(); }
void TZYLHideNonVCfrm::btHideClick(TObject*) { HideSelection(); }
void TZYLHideNonVCfrm::btShowClick(TObject*) { ShowSelection(); }
void TZYLHideNonVCfrm::btshowallClick(TObject*) { DoSelectAll(false); }
void TZYLHideNonVCfrm::btHideAllClick(TObject*) { DoSelectAll(true); }
void TZYLHideNonVCfrm::btDeleteClick(TObject*) { DeleteSelection(); }

void TZYLHideNonVCfrm::cbListMouseUp(TObject*, vcl::TMouseButton Button, vcl::TShiftState, int,
                                     int) {
  if (Button == vcl::mbRight) return;
  UpdateSelection();
  CheckInfo();
}

void TZYLHideNonVCfrm::cbListKeyUp(TObject*, uint16_t&, vcl::TShiftState) {
  UpdateSelection();
  CheckInfo();
}

void TZYLHideNonVCfrm::popMenuPopup(TObject*) {
  popMenu->Items()->Clear();
  const int index = cbList->ItemIndex();
  if (index < 0 || !FFormDesigner) return;
  auto editor = vcl::GetComponentEditor(GetSelected(index), FFormDesigner);
  const int count = editor->GetVerbCount();
  for (int i = 0; i < count; ++i) {
    auto* item = new vcl::TMenuItem(popMenu);
    item->SetCaption(editor->GetVerb(i));
    item->SetTag(i);
    item->SetOnClick(vcl::TNotifyEvent(this, &TZYLHideNonVCfrm::PopupItemClick));
    popMenu->Items()->Add(item);
  }
}

void TZYLHideNonVCfrm::PopupItemClick(TObject* Sender) {
  const int index = cbList->ItemIndex();
  auto* item = dynamic_cast<vcl::TMenuItem*>(Sender);
  if (index < 0 || !item || !FFormDesigner) return;
  auto editor = vcl::GetComponentEditor(GetSelected(index), FFormDesigner);
  if (item->Tag() < editor->GetVerbCount()) editor->ExecuteVerb(item->Tag());
}

// ---- TZYLHideNonVCEditor ----

std::string TZYLHideNonVCEditor::GetVerb(int Index) {
  return Index == 0 ? "Editor" : std::string();
}

void TZYLHideNonVCEditor::ExecuteVerb(int Index) {
  if (Index != 0) return;
  auto* hider = dynamic_cast<TZYLHideNonVC*>(Component());
  if (!hider) throw vcl::EInvalidCast(vcl::SInvalidCast);
  if (!ZYLHideNonVCfrm)
    ZYLHideNonVCfrm = ZYLCreateEditorForm<TZYLHideNonVCfrm>(vcl::Application).release();
  ZYLHideNonVCfrm->SetDesigner(GetDesigner());
  ZYLHideNonVCfrm->SetComponent(hider);
  ZYLHideNonVCfrm->Initialize();
  ZYLHideNonVCfrm->Show();
  ZYLHideNonVCfrm->UpdateSelection();
}

void pZYLHideNonVCInit() {
  ZYLEnterEditorUnit(TZYLHideNonVCfrm::StaticClass(), TZYLHideNonVCfrm::FormLayout());
  ZYLSetIconWindows(&gIconWindows);
}

void pZYLHideNonVCDone() {
  if (ZYLIconWindows() == &gIconWindows) ZYLSetIconWindows(nullptr);
  delete ZYLHideNonVCfrm;
  ZYLLeaveEditorUnit(TZYLHideNonVCfrm::StaticClass());
}

}  // namespace zyl
