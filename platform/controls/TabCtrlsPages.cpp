// TTabSheet and TPageControl: pages shown one at a time inside a tab control's frame.
#include <algorithm>
#include <iterator>

#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/controls/TabCtrls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

using namespace win;

// ---------------------------------------------------------------------------------------------
// TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
  controlStyle_ += TControlStyle{csAcceptsControls, csNoDesignVisible};
  align_ = alClient;
  visible_ = false;
  SetParentColor(true);
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value) {
  if (pageControl_ == Value) return;
  if (pageControl_) pageControl_->RemovePage(this);
  SetParent(Value);
  if (Value) Value->InsertPage(this);
}

void TTabSheet::SetParentComponent(TComponent* Value) {
  if (auto* pc = dynamic_cast<TPageControl*>(Value))
    SetPageControl(pc);
  else
    TWinControl::SetParentComponent(Value);
}

void TTabSheet::ReadState(TReader* Reader) {
  if (auto* pc = dynamic_cast<TPageControl*>(Reader->Parent())) SetPageControl(pc);
  TWinControl::ReadState(Reader);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int Value) {
  if (!pageControl_) return;
  const int last = pageControl_->PageCount() - 1;
  if (Value < 0 || Value > last) throw EListError(Format(SPageIndexError, {Value, last}));
  pageControl_->MovePage(this, Value);
}

int TTabSheet::TabIndex() const {
  if (!pageControl_ || !tabShowing_) return -1;
  int index = 0;
  for (TTabSheet* p : pageControl_->pages_) {
    if (p == this) return index;
    if (p->tabShowing_) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool Value) {
  if (tabVisible_ == Value) return;
  tabVisible_ = Value;
  UpdateTabShowing();
}

void TTabSheet::UpdateTabShowing() {
  tabShowing_ = pageControl_ && tabVisible_;
  if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::SetHighlighted(bool Value) {
  highlighted_ = Value;
  if (pageControl_) pageControl_->Invalidate();
}

void TTabSheet::SetImageIndex(int32_t Value) {
  imageIndex_ = Value;
  // The tab may gain or lose its picture, and its width with it.
  if (pageControl_) pageControl_->ImageListChange(this);
}

void TTabSheet::CMTextChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::CMShowingChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (Showing()) {
    if (OnShow) OnShow(this);
  } else {
    if (OnHide) OnHide(this);
  }
}

ZYL_MESSAGE_MAP(TTabSheet) {
  m.On(CM_TEXTCHANGED, &TTabSheet::CMTextChanged)
      .On(CM_SHOWINGCHANGED, &TTabSheet::CMShowingChanged);
}

ZYL_CLASS_IMPL(TTabSheet) {
  b.Prop("BorderWidth", &TTabSheet::BorderWidth, &TTabSheet::SetBorderWidth)
      .Default(0)
      .Publish("Caption")
      .Publish({"DragMode", "Enabled", "Font"})
      .Publish("Height")
      .Stored(false)
      .Prop("Highlighted", &TTabSheet::Highlighted, &TTabSheet::SetHighlighted)
      .Default(false)
      .Prop("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex)
      .Default(0)
      .Publish("Left")
      .Stored(false)
      .Publish("Constraints")
      .Prop("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex)
      .Stored(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"})
      .Prop("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible)
      .Default(true)
      .Publish("Top")
      .Stored(false)
      .Publish("Visible")
      .Stored(false)
      .Publish("Width")
      .Stored(false)
      .Publish({"OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit"})
      .Prop("OnHide", &TTabSheet::GetOnHide, &TTabSheet::SetOnHide)
      .Publish({"OnMouseDown", "OnMouseMove", "OnMouseUp", "OnResize"})
      .Prop("OnShow", &TTabSheet::GetOnShow, &TTabSheet::SetOnShow)
      .Publish("OnStartDrag");
}

// ---------------------------------------------------------------------------------------------
// TPageControl

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {
  controlStyle_ -= csAcceptsControls;
}

TPageControl::~TPageControl() {
  // The pages die with the other children; they must not report back to a dying control.
  for (TTabSheet* p : pages_) {
    p->pageControl_ = nullptr;
    p->tabShowing_ = false;
  }
  pages_.clear();
  activePage_ = nullptr;
}

TTabSheet* TPageControl::Pages(int Index) const {
  if (Index < 0 || Index >= PageCount()) throw EListError(Format(SListIndexError, {Index}));
  return pages_[Index];
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int Value) {
  SetActivePage(Value >= 0 && Value < PageCount() ? pages_[Value] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* Value) {
  if (Value && Value->pageControl_ != this) return;
  ChangeActivePage(Value);
}

void TPageControl::ChangeActivePage(TTabSheet* Page) {
  if (activePage_ != Page) {
    TCustomForm* form = GetParentForm();
    TTabSheet* old = activePage_;
    // A focused control on the page going away hands the focus to the tabs.
    if (form && old && form->ActiveControl() && old->ContainsControl(form->ActiveControl())) {
      if (CanFocus())
        form->SetActiveControl(this);
      else
        form->SetActiveControl(nullptr);
    }
    activePage_ = Page;
    if (Page) {
      Page->BringToFront();
      Page->SetVisible(true);
    }
    if (old) old->SetVisible(false);
  }
  tabIndex_ = Page ? Page->TabIndex() : -1;
  ScrollIntoView(tabIndex_);
  TabsLayoutChanged();
}

void TPageControl::SetTabIndex(int Value) {
  // While loading, ActivePage decides; outside the tabs, nothing changes.
  if (ComponentState().contains(csLoading) || Value < -1 || Value >= tabs_->Count()) return;
  ChangeActivePage(Value < 0 ? nullptr : static_cast<TTabSheet*>(tabs_->Objects(Value)));
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurrentPage, bool GoForward,
                                      bool CheckTabVisible) {
  const int count = PageCount();
  if (count == 0) return nullptr;
  int start = CurrentPage ? CurrentPage->PageIndex() : -1;
  if (start < 0 || start >= count) start = GoForward ? count - 1 : 0;
  int i = start;
  do {
    i = GoForward ? (i + 1) % count : (i + count - 1) % count;
    TTabSheet* p = pages_[i];
    if (!CheckTabVisible || p->TabVisible()) return p;
  } while (i != start);
  return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward) {
  TTabSheet* page = FindNextPage(activePage_, GoForward, true);
  if (page && page != activePage_ && CanChange()) {
    ChangeActivePage(page);
    TCustomTabControl::Change();
  }
}

void TPageControl::Change() {
  // The user picked a tab: show its page first, then tell OnChange.
  if (tabIndex_ >= 0 && tabIndex_ < tabs_->Count())
    ChangeActivePage(static_cast<TTabSheet*>(tabs_->Objects(tabIndex_)));
  TCustomTabControl::Change();
}

int TPageControl::GetImageIndex(int TabIndex) {
  int index = TabIndex;
  if (TabIndex >= 0 && TabIndex < tabs_->Count())
    if (auto* page = static_cast<TTabSheet*>(tabs_->Objects(TabIndex))) index = page->ImageIndex();
  if (OnGetImageIndex) OnGetImageIndex(this, TabIndex, index);
  return index;
}

void TPageControl::TabsChanged(int Index, int Delta) {
  if (!updatingTabs_) TCustomTabControl::TabsChanged(Index, Delta);
}

void TPageControl::UpdateTabs() {
  updatingTabs_ = true;
  TFinally done([this] { updatingTabs_ = false; });
  tabs_->BeginUpdate();
  TFinally endUpdate([this] { tabs_->EndUpdate(); });
  tabs_->Clear();
  for (TTabSheet* p : pages_) {
    p->tabShowing_ = p->tabVisible_;
    if (p->tabShowing_) tabs_->AddObject(p->Caption(), p);
  }
  tabIndex_ = activePage_ ? activePage_->TabIndex() : -1;
}

void TPageControl::InsertPage(TTabSheet* Page) {
  // A new page comes last: its tab joins the end and the selected tab keeps its index.
  pages_.push_back(Page);
  Page->pageControl_ = this;
  Page->tabShowing_ = Page->tabVisible_;
  if (!Page->tabShowing_) return;
  updatingTabs_ = true;
  TFinally done([this] { updatingTabs_ = false; });
  tabs_->AddObject(Page->Caption(), Page);
}

void TPageControl::RemovePage(TTabSheet* Page) {
  if (Page == activePage_ && ComponentState().contains(csDestroying)) {
    activePage_ = nullptr;
  } else if (Page == activePage_) {
    TTabSheet* next = FindNextPage(Page, true, !ComponentState().contains(csDesigning));
    ChangeActivePage(next == Page ? nullptr : next);
  }
  if (ComponentState().contains(csDestroying)) {
    // The control goes with its pages: only its list of them is kept, searched from the end,
    // where freeing them starts.
    const auto at = std::find(pages_.rbegin(), pages_.rend(), Page);
    if (at != pages_.rend()) pages_.erase(std::next(at).base());
    Page->pageControl_ = nullptr;
    Page->tabShowing_ = false;
    tabIndex_ = -1;
    return;
  }
  // Only the page's own tab goes; the others keep their measured widths.
  const int tab = Page->TabIndex();
  pages_.erase(std::remove(pages_.begin(), pages_.end(), Page), pages_.end());
  Page->pageControl_ = nullptr;
  Page->tabShowing_ = false;
  if (tab >= 0) {
    updatingTabs_ = true;
    TFinally done([this] { updatingTabs_ = false; });
    tabs_->Delete(tab);
  }
  tabIndex_ = activePage_ ? activePage_->TabIndex() : -1;
}

void TPageControl::MovePage(TTabSheet* Page, int NewIndex) {
  pages_.erase(std::remove(pages_.begin(), pages_.end(), Page), pages_.end());
  pages_.insert(pages_.begin() + NewIndex, Page);
  UpdateTabs();
}

void TPageControl::GetChildren(const TGetChildProc& Proc, TComponent*) {
  for (TTabSheet* p : pages_) Proc(p);
}

void TPageControl::SetChildOrder(TComponent* Child, int Order) {
  if (auto* p = dynamic_cast<TTabSheet*>(Child); p && p->pageControl_ == this)
    p->SetPageIndex(std::clamp(Order, 0, PageCount() - 1));
}

void TPageControl::AlignControls(TControl* AControl, TRect& Rect) {
  TRect display = Rect;
  AdjustClientRect(display);
  TCustomTabControl::AlignControls(AControl, Rect);
  for (TTabSheet* p : pages_)
    if (!p->Visible() && p->Align() == alClient)
      p->SetBounds(display.Left, display.Top, display.Width(), display.Height());
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  TTabSheet* page = activePage_;
  activePage_ = nullptr;
  ChangeActivePage(page);
}

void TPageControl::CMDialogKey(TCMDialogKey& Message) {
  HWND focus = GetFocus();
  if (Message.CharCode() == VK_TAB && GetKeyState(VK_CONTROL) < 0 && HandleAllocated() &&
      (focus == Handle() || IsChild(Handle(), focus))) {
    SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

ZYL_MESSAGE_MAP(TPageControl) { m.On(CM_DIALOGKEY, &TPageControl::CMDialogKey); }

ZYL_CLASS_IMPL(TPageControl) {
  b.Prop("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
      .Publish({"Align",          "Anchors",     "BiDiMode",    "Constraints",    "DragCursor",
                "DragKind",       "DragMode",    "Enabled",     "Font",           "HotTrack",
                "Images",         "MultiLine",   "OwnerDraw",   "ParentBiDiMode", "ParentFont",
                "ParentShowHint", "PopupMenu",   "RaggedRight", "ScrollOpposite", "ShowHint",
                "Style",          "TabHeight",   "TabOrder",    "TabPosition",    "TabStop",
                "TabWidth",       "Visible",     "OnChange",    "OnChanging",     "OnDragDrop",
                "OnDragOver",     "OnDrawTab",   "OnEndDock",   "OnEndDrag",      "OnEnter",
                "OnExit",         "OnMouseDown", "OnMouseMove", "OnMouseUp",      "OnResize",
                "OnStartDock",    "OnStartDrag"});
}

}  // namespace vcl
