#include "buttons/ZYLAssist.h"

#include <algorithm>
#include <iterator>

#include "buttons/ZYLButton.h"
#include "foundation/ZYLObject.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

namespace {

// The captions of a new wizard's buttons, in TNavButton order.
const char* const kDefaultCaptions[] = {"< &Back", "&Next >", "&Finish", "Cancel"};
const char* const kCaptionNames[] = {"BackCaption", "NextCaption", "FinishCaption",
                                     "CancelCaption"};
static_assert(std::size(kDefaultCaptions) == TZYLAssist::nbCount);
static_assert(std::size(kCaptionNames) == TZYLAssist::nbCount);

}  // namespace

ZYL_CLASS_IMPL(TZYLAssistPage) {
  using C = TZYLAssistPage;
  b.Publish("About")
      .Prop("AssistControl", &C::AssistControl, &C::SetAssistControl)
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Enabled", "Font"})
      .Prop("Included", &C::Included, &C::SetIncluded)
      .Default(true)
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "OnResize"})
      .Prop("OnPageEnter", &C::GetOnPageEnter, &C::SetOnPageEnter)
      .Prop("OnPageExit", &C::GetOnPageExit, &C::SetOnPageExit);
}

ZYL_CLASS_IMPL(TZYLAssist) {
  using C = TZYLAssist;
  b.Publish("About").Prop("ActivePage", &C::ActivePage, &C::SetActivePage);
  // A caption is written when it is not the one a new wizard has.
  for (int i = 0; i < nbCount; ++i)
    b.Prop(kCaptionNames[i], &C::NavCaption, &C::SetNavCaption)
        .Index(i)
        .Stored([i](C* c) { return c->NavCaption(i) != kDefaultCaptions[i]; })
        .EmptyStored();
  b.Publish({"Align", "Anchors"})
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Constraints", "Enabled", "Font"})
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "Visible",
                "OnResize"})
      .Prop("OnCancel", &C::GetOnCancel, &C::SetOnCancel)
      .Prop("OnFinish", &C::GetOnFinish, &C::SetOnFinish)
      .Prop("OnPageChanged", &C::GetOnPageChanged, &C::SetOnPageChanged)
      .Prop("OnPageChanging", &C::GetOnPageChanging, &C::SetOnPageChanging);
}

// ---- TZYLAssistPage ----

TZYLAssistPage::TZYLAssistPage(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetVisible(false);
  SetAlign(vcl::alClient);
}

TZYLAssistPage::~TZYLAssistPage() {
  if (FAssist) FAssist->RemovePage(this);
}

void TZYLAssistPage::SetAssistControl(TZYLAssist* Value) {
  if (Value == FAssist) return;
  if (FAssist) FAssist->RemovePage(this);
  if (Value) Value->InsertPage(this);
}

int TZYLAssistPage::GetPageIndex() const {
  if (!FAssist) return -1;
  const auto& pages = FAssist->FPages;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TZYLAssistPage::SetIncluded(bool Value) {
  if (ZYLStoreValue(FIncluded, Value) && FAssist) FAssist->UpdateButtons();
}

// ---- TZYLAssist ----

TZYLAssist::TZYLAssist(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetBounds(Left(), Top(), 400, 280);
  for (int i = 0; i < nbCount; ++i) {
    FCaptions[i] = kDefaultCaptions[i];
    auto* b = new TZYLButton(this);
    b->SetCaption(FCaptions[i]);
    b->SetParent(this);
    b->OnClick = vcl::TNotifyEvent(this, &TZYLAssist::ButtonClick);
    FButtons[i] = b;
  }
  FButtons[nbNext]->SetDefault(true);
  FButtons[nbCancel]->SetCancel(true);
  PlaceButtons();
  UpdateButtons();
}

TZYLAssist::~TZYLAssist() {
  for (TZYLAssistPage* p : FPages) p->FAssist = nullptr;
  FPages.clear();
  FActivePage = nullptr;
}

TZYLAssistPage* TZYLAssist::GetPage(int Index) const {
  if (Index < 0 || Index >= GetCount())
    throw vcl::EListError(vcl::Format(vcl::SListIndexError, {Index}));
  return FPages[Index];
}

void TZYLAssist::InsertPage(TZYLAssistPage* Page) {
  FPages.push_back(Page);
  Page->FAssist = this;
  if (Page->Parent() != this) Page->SetParent(this);
  // A page that joins is hidden until it is made the active one.
  if (!ComponentState().contains(vcl::csLoading)) Page->SetVisible(false);
  UpdateButtons();
}

void TZYLAssist::RemovePage(TZYLAssistPage* Page) {
  auto it = std::find(FPages.begin(), FPages.end(), Page);
  if (it == FPages.end()) return;
  FPages.erase(it);
  Page->FAssist = nullptr;
  if (FLoadedPage == Page) FLoadedPage = nullptr;
  if (FActivePage == Page) {
    FActivePage = nullptr;
    if (!ComponentState().contains(vcl::csDestroying)) Page->SetVisible(false);
  }
  if (!Page->ComponentState().contains(vcl::csDestroying) &&
      !ComponentState().contains(vcl::csDestroying) && Page->Parent() == this)
    Page->SetParent(nullptr);
  if (!ComponentState().contains(vcl::csDestroying)) UpdateButtons();
}

void TZYLAssist::SetActivePage(TZYLAssistPage* Value) {
  if (ComponentState().contains(vcl::csLoading)) {
    FLoadedPage = Value;
    return;
  }
  if (Value == FActivePage) return;
  if (Value && Value->FAssist != this) return;
  bool allow = true;
  if (FOnPageChanging) FOnPageChanging(this, Value, allow);
  if (!allow) return;
  TZYLAssistPage* old = FActivePage;
  if (old) {
    if (old->GetOnPageExit()) old->GetOnPageExit()(old);
    old->SetVisible(false);
  }
  FActivePage = Value;
  if (Value) {
    // Only the active page is visible, so the pages keep their order among the wizard's
    // children (the order a form stream writes and reads them in).
    Value->SetVisible(true);
    if (Value->GetOnPageEnter()) Value->GetOnPageEnter()(Value);
  }
  UpdateButtons();
  if (FOnPageChanged) FOnPageChanged(this);
}

TZYLAssistPage* TZYLAssist::FindIncluded(int From, int Step) const {
  for (int i = From + Step; i >= 0 && i < GetCount(); i += Step)
    if (FPages[i]->Included()) return FPages[i];
  return nullptr;
}

void TZYLAssist::FirstPage() {
  if (TZYLAssistPage* p = FindIncluded(-1, 1)) SetActivePage(p);
}

void TZYLAssist::LastPage() {
  if (TZYLAssistPage* p = FindIncluded(GetCount(), -1)) SetActivePage(p);
}

void TZYLAssist::NextPage() {
  if (!FActivePage) return FirstPage();
  if (TZYLAssistPage* p = FindIncluded(FActivePage->GetPageIndex(), 1)) SetActivePage(p);
}

void TZYLAssist::PriorPage() {
  if (!FActivePage) return LastPage();
  if (TZYLAssistPage* p = FindIncluded(FActivePage->GetPageIndex(), -1)) SetActivePage(p);
}

void TZYLAssist::SetNavCaption(int Index, const std::string& Value) {
  if (Index < 0 || Index >= nbCount) return;
  FCaptions[Index] = Value;
  FButtons[Index]->SetCaption(Value);
}

void TZYLAssist::UpdateButtons() {
  const int at = FActivePage ? FActivePage->GetPageIndex() : -1;
  const bool any = FindIncluded(-1, 1) != nullptr;
  const bool before = FActivePage ? FindIncluded(at, -1) != nullptr : any;
  const bool after = FActivePage ? FindIncluded(at, 1) != nullptr : any;
  FButtons[nbBack]->SetEnabled(before);
  FButtons[nbNext]->SetEnabled(after);
  FButtons[nbFinish]->SetEnabled(FActivePage && !after);
}

void TZYLAssist::PlaceButtons() {
  if (!FButtons[nbCancel]) return;  // not all made yet
  // In 64 bits: the wizard's size may lie at int's limits.
  const int top = vcl::ClampToInt(int64_t{Height()} - ButtonGap - ButtonHeight);
  int64_t right = int64_t{Width()} - ButtonGap;
  // Cancel stands at the right edge, Finish beside it; Back and Next touch.
  for (int i = nbCancel; i >= nbBack; --i) {
    FButtons[i]->SetBounds(vcl::ClampToInt(right - ButtonWidth), top, ButtonWidth, ButtonHeight);
    right -= ButtonWidth + (i == nbNext ? 0 : ButtonGap);
  }
}

void TZYLAssist::AdjustClientRect(vcl::TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  Rect.Bottom = std::max(Rect.Top, Rect.Bottom - ButtonAreaHeight);
}

void TZYLAssist::Resize() {
  // The buttons follow the size however the user's OnResize leaves.
  const vcl::TFinally placed([this] { PlaceButtons(); });
  inherited::Resize();
}

void TZYLAssist::Paint() {
  inherited::Paint();
  // An etched line parts the pages from the buttons.
  const int lineTop = vcl::ClampToInt(int64_t{Height()} - ButtonAreaHeight);
  win::TRect line{0, lineTop, Width(), vcl::ClampToInt(int64_t{lineTop} + 2)};
  win::DrawEdge(Canvas()->Handle(), &line, win::EDGE_ETCHED, win::BF_TOP);
}

void TZYLAssist::Loaded() {
  inherited::Loaded();
  TZYLAssistPage* page = FLoadedPage;
  FLoadedPage = nullptr;
  for (TZYLAssistPage* p : FPages) p->SetVisible(false);
  if (page) SetActivePage(page);
  UpdateButtons();
}

void TZYLAssist::ButtonClick(vcl::TObject* Sender) {
  if (Sender == FButtons[nbBack]) {
    PriorPage();
  } else if (Sender == FButtons[nbNext]) {
    NextPage();
  } else if (Sender == FButtons[nbFinish]) {
    if (FOnFinish) FOnFinish(this);
  } else if (Sender == FButtons[nbCancel]) {
    if (FOnCancel) FOnCancel(this);
  }
}

}  // namespace zyl
