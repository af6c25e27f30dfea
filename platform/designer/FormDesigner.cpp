#include "platform/designer/FormDesigner.h"

#include <algorithm>
#include <iterator>

#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Clipbrd.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

namespace {

bool showCaptions = false;

std::vector<TFormDesigner*>& LiveDesigners() {
  static std::vector<TFormDesigner*> designers;
  return designers;
}

bool IsVisual(const TComponent* c) { return dynamic_cast<const TControl*>(c) != nullptr; }

}  // namespace

TRect TIconWindow::BoundsRect() const {
  const auto info = static_cast<uint32_t>(component_->DesignInfo());
  const int left = placed_ ? place_.X : static_cast<int16_t>(info & 0xFFFF);
  const int top = placed_ ? place_.Y : static_cast<int16_t>(info >> 16);
  const int height =
      TFormDesigner::kIconSize + (showCaptions ? TFormDesigner::kIconCaptionHeight : 0);
  return TRect{left, top, left + TFormDesigner::kIconSize, top + height};
}

// ---- TFormDesigner ----

TFormDesigner::TFormDesigner(TCustomForm* ARoot) : root_(ARoot) {
  root_->SetDesigner(this);
  root_->SetDesigning(true);
  for (int i = 0; i < root_->ComponentCount(); ++i) inserted_.push_back(root_->Components(i));
  LiveDesigners().push_back(this);
}

TFormDesigner::~TFormDesigner() {
  std::erase(LiveDesigners(), this);
  if (root_) {
    root_->SetDesigner(nullptr);
    root_->SetDesigning(false);
  }
  Detach();
}

// Tells the design windows the form is closed and forgets them and the form.
void TFormDesigner::Detach() {
  TCustomForm* form = root_;
  root_ = nullptr;
  icons_.clear();
  iconOf_.clear();
  byPlace_.clear();
  inserted_.clear();
  selection_.Clear();
  Broadcast([&](TDesignWindow* w) { w->FormClosed(form); });
  for (TDesignWindow* w : windows_) w->designer_ = nullptr;
  windows_.clear();
  active_ = nullptr;
}

template <class F>
void TFormDesigner::Broadcast(F notify) {
  // A window may go (or others may) while it is told: each is checked before its turn.
  const std::vector<TDesignWindow*> windows = windows_;
  for (TDesignWindow* w : windows)
    if (std::find(windows_.begin(), windows_.end(), w) != windows_.end()) notify(w);
}

void TFormDesigner::Modified() {
  ++modifiedCount_;
  Broadcast([](TDesignWindow* w) { w->FormModified(); });
}

void TFormDesigner::Notification(TPersistent* AnObject, TOperation Operation) {
  if (!root_) return;
  if (AnObject == root_) {
    if (Operation == opRemove) Detach();
    return;
  }
  // The form also hears of components it does not own (free notifications, its owner's
  // broadcasts): those are not the designer's business.
  auto* component = dynamic_cast<TComponent*>(AnObject);
  if (!component || component->Owner() != root_) return;
  if (Operation == opInsert) {
    // The component is still being built: it is judged (visual or not) when icons are next read.
    inserted_.push_back(component);
    Broadcast([](TDesignWindow* w) { w->FormModified(); });
    return;
  }
  std::erase(inserted_, component);
  if (const auto icon = iconOf_.find(component); icon != iconOf_.end()) {
    icons_.erase(icon->second);
    iconOf_.erase(icon);
    byPlaceStale_ = true;
  }
  std::erase_if(shownMethods_, [&](const TShownMethod& m) { return m.Instance == AnObject; });
  if (selection_.Remove(AnObject)) {
    const TDesignerSelections now = selection_;
    Broadcast([&](TDesignWindow* w) { w->SelectionChanged(now); });
  }
  Broadcast([&](TDesignWindow* w) { w->ComponentDeleted(AnObject); });
}

void TFormDesigner::ValidateRename(TComponent*, const std::string& CurName,
                                   const std::string& NewName) {
  // A stream writes names as short strings, and an unnamed component cannot be referred to
  // (a component comes in without a name: only taking one away is refused).
  if (NewName.empty() && !CurName.empty()) throw EComponentError(SBlankComponentName);
  if (NewName.size() > 255) throw EComponentError(SComponentNameTooLong);
}

std::string TFormDesigner::UniqueName(const std::string& BaseName) {
  std::string base = BaseName;
  if (base.size() > 1 && (base[0] == 'T' || base[0] == 't')) base.erase(0, 1);
  if (!root_) return base + "1";
  // Numbers below the last one given are still taken unless a name came free since: placing
  // n components of a class does not try every number from 1 each time.
  TNameHint& hint = nameHints_[LowerCase(base)];
  if (hint.Freed != root_->NamesFreed() || !SameText(hint.RootName, root_->Name())) hint.Next = 1;
  for (int n = std::max(1, hint.Next);; ++n) {
    std::string name = base + IntToStr(n);
    if (!root_->FindComponent(name) && !SameText(root_->Name(), name)) {
      hint = {n, root_->NamesFreed(), root_->Name()};
      return name;
    }
  }
}

void TFormDesigner::SelectComponent(TPersistent* Instance) {
  TDesignerSelections list;
  if (Instance) list.Add(Instance);
  SetSelections(list);
}

void TFormDesigner::SetSelections(const TDesignerSelections& List) {
  selection_ = List;
  const TDesignerSelections now = selection_;
  Broadcast([&](TDesignWindow* w) { w->SelectionChanged(now); });
}

void TFormDesigner::GetSelections(TDesignerSelections& List) { List = selection_; }

void TFormDesigner::GetComponentNames(TClass ClassType, const TGetStrProc& Proc) {
  if (!root_) return;
  for (int i = 0; i < root_->ComponentCount(); ++i) {
    TComponent* c = root_->Components(i);
    if (!c->Name().empty() && (!ClassType || c->InheritsFrom(ClassType))) Proc(c->Name());
  }
}

TComponent* TFormDesigner::GetComponent(const std::string& Name) {
  if (!root_ || Name.empty()) return nullptr;
  if (SameText(root_->Name(), Name)) return root_;
  return root_->FindComponent(Name);
}

std::string TFormDesigner::GetComponentName(TComponent* Component) {
  return Component ? Component->Name() : std::string();
}

std::string TFormDesigner::GetMethodName(const TMethod& Method) {
  if (!root_ || !Method.Code || Method.Data != root_) return std::string();
  return root_->MethodName(Method.Code);
}

void TFormDesigner::ShowMethod(TPersistent* Instance, const std::string& EventName,
                               const std::string& MethodName) {
  shownMethods_.push_back({Instance, EventName, MethodName});
}

TEditState TFormDesigner::GetEditState() {
  if (active_) return active_->GetEditState();
  TEditState state;
  if (!SelectedComponents().empty()) state += TEditState{esCanCopy, esCanCut, esCanDelete};
  if (root_ && Clipboard()->HasFormat(CF_COMPONENT)) state += esCanPaste;
  return state;
}

void TFormDesigner::EditAction(TEditAction Action) {
  if (active_) return active_->EditAction(Action);
  if (!root_) return;
  switch (Action) {
    case eaCopy: CopySelection(); break;
    case eaCut:
      CopySelection();
      DeleteSelection();
      break;
    case eaDelete: DeleteSelection(); break;
    case eaPaste: PasteFromClipboard(); break;
    default: break;
  }
}

// ---- The form's own edit commands ----

std::vector<TComponent*> TFormDesigner::SelectedComponents() {
  std::vector<TComponent*> owned;
  for (int i = 0; root_ && i < selection_.Count(); ++i) {
    auto* c = dynamic_cast<TComponent*>(selection_[i]);
    if (c && c != root_ && c->Owner() == root_) owned.push_back(c);
  }
  // A control inside a selected one goes with it.
  std::vector<TComponent*> list;
  for (TComponent* c : owned) {
    auto* control = dynamic_cast<TControl*>(c);
    bool inside = false;
    for (TWinControl* p = control ? control->Parent() : nullptr; p && !inside; p = p->Parent())
      inside = std::find(owned.begin(), owned.end(), p) != owned.end();
    if (!inside) list.push_back(c);
  }
  return list;
}

void TFormDesigner::CopySelection() {
  const std::vector<TComponent*> list = SelectedComponents();
  if (list.empty()) return;
  TStringStream stream;
  {
    TWriter writer(&stream, 4096);
    writer.SetRoot(root_);
    writer.WriteSignature();
    for (TComponent* c : list) writer.WriteComponent(c);
  }
  Clipboard()->SetComponentStream(stream.DataString());
}

void TFormDesigner::DeleteSelection() {
  const std::vector<TComponent*> list = SelectedComponents();
  if (list.empty()) return;
  // Each leaves the selection as it goes (Notification).
  for (TComponent* c : list) delete c;
  Modified();
}

void TFormDesigner::RepointCopies(const std::vector<TComponent*>& Read,
                                  const std::unordered_map<std::string, TComponent*>& Renamed) {
  if (Renamed.empty()) return;
  // A name of the clipboard's stream meant the component read under it: where that name was
  // taken on the form, the reference found the form's component and goes to the copy.
  for (TComponent* c : Read)
    for (const TPropInfo* p : GetPropList(c)) {
      if (p->Kind() != tkClass || !p->IsWritable()) continue;
      auto* target = dynamic_cast<TComponent*>(GetObjectProp(c, p));
      if (!target || target->Owner() != root_) continue;
      if (std::find(Read.begin(), Read.end(), target) != Read.end()) continue;
      auto copy = Renamed.find(LowerCase(target->Name()));
      if (copy != Renamed.end()) SetObjectProp(c, p, copy->second);
    }
}

void TFormDesigner::PasteFromClipboard() {
  const std::string bytes = Clipboard()->ComponentStream();
  if (bytes.empty()) return;
  TWinControl* parent = root_;
  if (selection_.Count() == 1) {
    auto* target = dynamic_cast<TWinControl*>(selection_[0]);
    if (target && target->Owner() == root_ && target->ControlStyle().contains(csAcceptsControls))
      parent = target;
  }
  std::vector<TComponent*> pasted;
  // A paste that fails takes what it read with it.
  const TOnFailure undo([&] {
    for (auto it = pasted.rbegin(); it != pasted.rend(); ++it) delete *it;
  });
  TStringStream stream(bytes);
  TReader reader(&stream);
  reader.SetOwner(root_);
  reader.SetParent(parent);
  // Every component read, with the name the clipboard gave it, and the new names given.
  std::vector<TComponent*> read;
  std::unordered_map<std::string, TComponent*> renamed;  // by the old name, lower case
  reader.OnSetName = [&](TReader*, TComponent* c, std::string& name) {
    read.push_back(c);
    if (!name.empty() && !root_->FindComponent(name) && !SameText(root_->Name(), name)) return;
    if (!name.empty()) renamed[LowerCase(name)] = c;
    name = UniqueName(c->ClassName());
  };
  reader.ReadSignature();
  while (reader.BytesLeft() > 0)
    if (TComponent* c = reader.ReadComponent(nullptr)) pasted.push_back(c);
  if (pasted.empty()) return;
  RepointCopies(read, renamed);
  TDesignerSelections now;
  for (TComponent* c : pasted) now.Add(c);
  SetSelections(now);
  Modified();
}

void TFormDesigner::AddDesignWindow(TDesignWindow* Window) {
  if (std::find(windows_.begin(), windows_.end(), Window) == windows_.end())
    windows_.push_back(Window);
}

void TFormDesigner::RemoveDesignWindow(TDesignWindow* Window) {
  std::erase(windows_, Window);
  if (active_ == Window) active_ = nullptr;
}

void TFormDesigner::ActivateDesignWindow(TDesignWindow* Window) {
  if (std::find(windows_.begin(), windows_.end(), Window) == windows_.end()) return;
  active_ = Window;
  Window->Activated();
}

// ---- Icon windows ----

void TFormDesigner::SyncIconWindows() {
  for (TComponent* c : inserted_)
    if (root_ && c->Owner() == root_ && !IsVisual(c) && !c->HasParent() && !FindIconWindow(c)) {
      icons_.push_front(TIconWindow(c));
      iconOf_.emplace(c, icons_.begin());
      byPlaceStale_ = true;
    }
  inserted_.clear();
}

TIconWindow* TFormDesigner::FirstIconWindow() {
  SyncIconWindows();
  return icons_.empty() ? nullptr : &icons_.front();
}

TIconWindow* TFormDesigner::NextIconWindow(const TIconWindow* Window) {
  SyncIconWindows();
  const auto icon = Window ? iconOf_.find(Window->component_) : iconOf_.end();
  if (icon == iconOf_.end() || &*icon->second != Window) return nullptr;
  const auto next = std::next(icon->second);
  return next == icons_.end() ? nullptr : &*next;
}

TIconWindow* TFormDesigner::FindIconWindow(const TComponent* Component) {
  const auto icon = iconOf_.find(Component);
  return icon == iconOf_.end() ? nullptr : &*icon->second;
}

TIconWindow* TFormDesigner::IconWindowAt(int Index) {
  SyncIconWindows();
  if (byPlaceStale_) {
    byPlace_.clear();
    for (TIconWindow& icon : icons_) byPlace_.push_back(&icon);
    byPlaceStale_ = false;
  }
  return Index >= 0 && Index < static_cast<int>(byPlace_.size()) ? byPlace_[Index] : nullptr;
}

TIconWindow* TFormDesigner::IconWindowOf(const TComponent* Component) {
  SyncIconWindows();
  return FindIconWindow(Component);
}

int TFormDesigner::IconWindowCount() {
  SyncIconWindows();
  return static_cast<int>(icons_.size());
}

void TFormDesigner::MoveIconWindow(TIconWindow* Window, int X, int Y) {
  const uint32_t info =
      (static_cast<uint32_t>(static_cast<uint16_t>(Y)) << 16) | static_cast<uint16_t>(X);
  Window->placed_ = false;
  Window->component_->SetDesignInfo(static_cast<int32_t>(info));
}

void TFormDesigner::PlaceIconWindow(TIconWindow* Window, int X, int Y) {
  Window->placed_ = true;
  Window->place_ = TPoint{X, Y};
}

void TFormDesigner::SetShowComponentCaptions(bool Value) { showCaptions = Value; }

TFormDesigner* TFormDesigner::FindDesigner(const std::string& RootName) {
  for (TFormDesigner* d : LiveDesigners())
    if (d->root_ && SameText(d->root_->Name(), RootName)) return d;
  return nullptr;
}

// ---- TDesignWindow ----

TDesignWindow::TDesignWindow(TComponent* AOwner, IFormDesigner* ADesigner) : TForm(AOwner) {
  SetDesigner(ADesigner);
}

TDesignWindow::~TDesignWindow() { SetDesigner(nullptr); }

void TDesignWindow::SetDesigner(IFormDesigner* Value) {
  if (designer_ == Value) return;
  if (designer_) designer_->RemoveDesignWindow(this);
  designer_ = Value;
  if (designer_) designer_->AddDesignWindow(this);
}

void TDesignWindow::Activate() {
  TForm::Activate();
  if (designer_) designer_->ActivateDesignWindow(this);
}

ZYL_CLASS_IMPL(TDesignWindow) {}

}  // namespace vcl
