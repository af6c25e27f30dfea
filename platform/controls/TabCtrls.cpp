#include "platform/controls/TabCtrls.h"

#include <algorithm>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlPaint.h"
#include "platform/controls/Forms.h"
#include "platform/controls/ImgList.h"
#include "platform/controls/StdCtrls.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

namespace {
constexpr int kTabInset = 2;       // the first tab's distance from the left edge
constexpr int kTabPadding = 6;     // space left and right of a caption
constexpr int kButtonGap = 3;      // between buttons of the button styles
constexpr int kSelectedGrow = 2;   // the selected tab stands out by this much
constexpr int kImageGap = 3;       // between a tab's picture and its caption
constexpr int kFrameMargin = 4;    // page frame plus the margin inside it
constexpr int kScrollButton = 16;  // each of the two scroll buttons of a single row
}  // namespace

// The tab captions of a tab control, telling it where tabs come and go so that the selection
// follows its tab. Each tab keeps the width of its caption once measured, until its text or the
// control's font changes.
class TTabStrings : public TStrings {
  ZYL_CLASS(TTabStrings, TStrings)
  explicit TTabStrings(TCustomTabControl* Owner) : owner_(Owner) {}

  std::string Get(int Index) const override { return items_.at(Check(Index)).S; }
  int GetCount() const override { return static_cast<int>(items_.size()); }
  TObject* GetObject(int Index) const override { return items_.at(Check(Index)).Obj; }
  void Put(int Index, const std::string& S) override {
    items_[Check(Index)].S = S;
    items_[Index].Width = kUnmeasured;
    Changed(Index, 0, true);
  }
  void PutObject(int Index, TObject* AObject) override { items_[Check(Index)].Obj = AObject; }
  void Insert(int Index, const std::string& S) override {
    if (Index < 0 || Index > GetCount()) throw EStringListError(Format(SListIndexError, {Index}));
    items_.insert(items_.begin() + Index, TItem{S, nullptr, kUnmeasured});
    Changed(Index, 1, false);
  }
  void Delete(int Index) override {
    items_.erase(items_.begin() + Check(Index));
    Changed(Index, -1, false);
  }
  void Clear() override {
    if (items_.empty()) return;
    items_.clear();
    Changed(0, 0, false);
  }

  // The width of tab Index's caption, measured with Font on first use.
  int CaptionWidth(int Index, TFont* Font) {
    TItem& item = items_[Index];
    if (item.Width == kUnmeasured) item.Width = MeasureText(Font, item.S).cx;
    return item.Width;
  }
  void ForgetWidths() {
    for (TItem& item : items_) item.Width = kUnmeasured;
  }

 protected:
  void SetUpdateState(bool Updating) override {
    if (!Updating && pending_) {
      pending_ = false;
      owner_->TabsLayoutChanged();
    }
  }

 private:
  static constexpr int kUnmeasured = -1;
  struct TItem {
    std::string S;
    TObject* Obj;
    int Width;
  };
  int Check(int Index) const {
    if (Index < 0 || Index >= GetCount()) throw EStringListError(Format(SListIndexError, {Index}));
    return Index;
  }
  void Changed(int Index, int Delta, bool TextOnly) {
    owner_->TabsFlowChanged(Index, Delta);
    if (!TextOnly) owner_->TabsChanged(Index, Delta);
    if (UpdateCount() > 0)
      pending_ = true;
    else
      owner_->TabsLayoutChanged();
  }
  TCustomTabControl* owner_;
  std::vector<TItem> items_;
  bool pending_ = false;
};

ZYL_CLASS_IMPL(TTabStrings) {}

// ---------------------------------------------------------------------------------------------
// TCustomTabControl

TCustomTabControl::TCustomTabControl(TComponent* AOwner)
    : TCustomControl(AOwner), tabs_(new TTabStrings(this)), imageChangeLink_(new TChangeLink()) {
  imageChangeLink_->OnChange = TNotifyEvent(this, &TCustomTabControl::ImageListChange);
  controlStyle_ = {csAcceptsControls, csDoubleClicks, csOpaque};
  width_ = 289;
  height_ = 193;
  tabStop_ = true;
  SetParentColor(false);
  SetColor(clBtnFace);
}

TCustomTabControl::~TCustomTabControl() {
  if (images_) images_->UnRegisterChanges(imageChangeLink_);
  delete imageChangeLink_;
  delete tabs_;
}

int TCustomTabControl::RowHeight() {
  if (tabHeight_ > 0) return tabHeight_;
  const int text = MeasureText(font_, "").cy;
  const int picture = images_ ? images_->Height() : 0;
  return std::max(text, picture) + (style_ == tsTabs ? 6 : 8);
}

void TCustomTabControl::SetImages(TCustomImageList* Value) {
  if (images_ == Value) return;
  if (images_) {
    images_->UnRegisterChanges(imageChangeLink_);
    images_->RemoveFreeNotification(this);
  }
  images_ = Value;
  if (images_) {
    images_->RegisterChanges(imageChangeLink_);
    images_->FreeNotification(this);
  }
  ImageListChange(this);
}

void TCustomTabControl::ImageListChange(TObject*) {
  flow_.Tabs = 0;
  TabsLayoutChanged();
}

void TCustomTabControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == images_) {
    images_ = nullptr;
    ImageListChange(this);
  }
}

int TCustomTabControl::GetImageIndex(int TabIndex) {
  int index = TabIndex;
  if (OnGetImageIndex) OnGetImageIndex(this, TabIndex, index);
  return index;
}

int TCustomTabControl::ShownImage(int Index) {
  if (!images_) return -1;
  const int image = GetImageIndex(Index);
  return image >= 0 && image < images_->Count() ? image : -1;
}

void TCustomTabControl::SetMultiSelect(bool Value) {
  if (multiSelect_ == Value) return;
  multiSelect_ = Value;
  if (!Value && !marked_.empty()) {
    marked_.clear();
    Invalidate();
  }
}

bool TCustomTabControl::TabMarked(int Index) const {
  return Index >= 0 && Index < static_cast<int>(marked_.size()) && marked_[Index];
}

bool TCustomTabControl::TFlowState::Place(int W, int Start, int Right, int Gap, bool MultiLine) {
  const bool wrap = MultiLine && RowUsed && X + W > Right;
  if (wrap) {
    ++Rows;
    X = Start;
  }
  RowUsed = true;
  X += W + Gap;
  return wrap;
}

int TCustomTabControl::TabsStart() const { return style_ != tsTabs ? 0 : kTabInset; }
int TCustomTabControl::TabsRight() const {
  const int w = std::max(0, width_);  // a negative width shows no tabs
  return style_ != tsTabs ? w : w - kTabInset;
}
int TCustomTabControl::TabsGap() const { return style_ != tsTabs ? kButtonGap : 0; }

int TCustomTabControl::TabExtent(int Index) {
  if (tabWidth_ > 0) return tabWidth_;
  const int picture = ShownImage(Index) >= 0 ? images_->Width() + kImageGap : 0;
  return static_cast<TTabStrings*>(tabs_)->CaptionWidth(Index, font_) + 2 * kTabPadding + picture;
}

const TCustomTabControl::TFlow& TCustomTabControl::Flow() {
  TFlow& f = flow_;
  if (f.Tabs == 0 || f.Width != width_ || f.Style != style_ || f.MultiLine != multiLine_ ||
      f.TabWidth != tabWidth_) {
    f = TFlow{};
    f.X = TabsStart();
    f.Width = width_;
    f.Style = style_;
    f.MultiLine = multiLine_;
    f.TabWidth = tabWidth_;
  }
  const int start = TabsStart(), right = TabsRight(), gap = TabsGap();
  for (const int count = tabs_->Count(); f.Tabs < count; ++f.Tabs)
    f.Place(TabExtent(f.Tabs), start, right, gap, multiLine_);
  return f;
}

void TCustomTabControl::TabsFlowChanged(int Index, int Delta) {
  if (Index < flow_.Tabs) flow_.Tabs = 0;
  // Marks move with their tabs.
  if (Index < static_cast<int>(marked_.size())) {
    if (Delta > 0) marked_.insert(marked_.begin() + Index, false);
    if (Delta < 0) marked_.erase(marked_.begin() + Index);
  }
  if (tabs_->Count() == 0) marked_.clear();
}

int TCustomTabControl::AreaHeight() {
  const bool buttons = style_ != tsTabs;
  return (buttons ? 0 : kTabInset) + Flow().Rows * (RowHeight() + TabsGap());
}

bool TCustomTabControl::TabsScroll() {
  const TFlow& f = Flow();
  return !multiLine_ && f.Tabs > 0 && f.X - TabsGap() > TabsRight();
}

TCustomTabControl::TLayout TCustomTabControl::Layout() {
  TLayout l;
  const int count = tabs_->Count();
  l.Tabs.assign(count, TRect{0, 0, 0, 0});
  const int w = std::max(0, width_);
  const int rh = RowHeight();
  const bool buttons = style_ != tsTabs;
  const int gap = TabsGap();
  const int start = TabsStart();
  const int right = TabsRight();
  std::vector<int> widths(count);
  for (int i = 0; i < count; ++i) widths[i] = TabExtent(i);
  // Rows of tab indices, in order.
  std::vector<std::vector<int>> rows(1);
  TFlowState flow;
  flow.X = start;
  for (int i = 0; i < count; ++i) {
    if (flow.Place(widths[i], start, right, gap, multiLine_)) rows.emplace_back();
    rows.back().push_back(i);
  }
  int64_t x = flow.X;
  l.Rows = static_cast<int>(rows.size());
  const int pitch = rh + gap;
  l.AreaHeight = (buttons ? 0 : kTabInset) + l.Rows * pitch;
  if (count == 0) return l;
  int selRow = 0;
  for (int r = 0; r < l.Rows; ++r)
    if (std::find(rows[r].begin(), rows[r].end(), tabIndex_) != rows[r].end()) selRow = r;
  if (!multiLine_) {
    l.Scrolls = x - gap > right;
    if (l.Scrolls) {
      const int top = kTabInset + std::max(0, (rh - kScrollButton) / 2);
      l.ScrollRight = TRect{w - kScrollButton, top, w, top + kScrollButton};
      l.ScrollLeft = TRect{w - 2 * kScrollButton, top, w - kScrollButton, top + kScrollButton};
    }
  }
  for (int r = 0; r < l.Rows; ++r) {
    // The row of the selected tab sits next to the page; the others keep their cyclic order.
    const int shown = buttons ? r : (r - selRow - 1 + 2 * l.Rows) % l.Rows;
    const int top = (buttons ? 0 : kTabInset) + shown * pitch;
    int64_t spread = 0;
    const int n = static_cast<int>(rows[r].size());
    if (multiLine_ && l.Rows > 1 && !raggedRight_) {
      int64_t used = start;
      for (int i : rows[r]) used += widths[i] + gap;
      spread = std::max<int64_t>(0, right - (used - gap));
    }
    x = start;
    for (int k = 0; k < n; ++k) {
      const int i = rows[r][k];
      if (!multiLine_ && i < firstVisible_) continue;
      const int64_t wi = widths[i] + spread * (k + 1) / n - spread * k / n;
      TRect rc{ClampToInt(x), top, ClampToInt(x + wi), top + rh};
      if (l.Scrolls && rc.Left >= l.ScrollLeft.Left) rc = TRect{0, 0, 0, 0};
      l.Tabs[i] = rc;
      x += wi + gap;
    }
  }
  if (!buttons && tabIndex_ >= 0 && tabIndex_ < count && !IsRectEmpty(&l.Tabs[tabIndex_])) {
    TRect& s = l.Tabs[tabIndex_];
    s = TRect{s.Left - kSelectedGrow, s.Top - kSelectedGrow, s.Right + kSelectedGrow, s.Bottom + 1};
  }
  if (AtBottom()) {
    // Tabs below the page: the same rows upside down.
    const int h = std::max(0, height_);
    auto mirror = [h](TRect& r) {
      if (!IsRectEmpty(&r)) r = TRect{r.Left, h - r.Bottom, r.Right, h - r.Top};
    };
    for (TRect& r : l.Tabs) mirror(r);
    mirror(l.ScrollLeft);
    mirror(l.ScrollRight);
  }
  return l;
}

TRect TCustomTabControl::TabRect(int Index) {
  TLayout l = Layout();
  if (Index < 0 || Index >= static_cast<int>(l.Tabs.size())) return TRect{0, 0, 0, 0};
  return l.Tabs[Index];
}

int TCustomTabControl::RowCount() { return Flow().Rows; }

int TCustomTabControl::IndexOfTabAt(int X, int Y) {
  TLayout l = Layout();
  const TPoint p{X, Y};
  const bool inArea = AtBottom() ? int64_t{Y} >= int64_t{height_} - l.AreaHeight : Y < l.AreaHeight;
  if (l.Scrolls && X >= l.ScrollLeft.Left && inArea) return -1;
  if (tabIndex_ >= 0 && tabIndex_ < static_cast<int>(l.Tabs.size()) &&
      PtInRect(&l.Tabs[tabIndex_], p))
    return tabIndex_;
  for (int i = 0; i < static_cast<int>(l.Tabs.size()); ++i)
    if (PtInRect(&l.Tabs[i], p)) return i;
  return -1;
}

TRect TCustomTabControl::DisplayRect() {
  const int area = AreaHeight();
  const int w = std::max(0, width_), h = std::max(0, height_);
  const int top = AtBottom() ? 0 : area, bottom = AtBottom() ? h - area : h;
  if (style_ != tsTabs) return TRect{0, top, w, std::max(top, bottom)};
  TRect r{kFrameMargin, top + kFrameMargin, w - kFrameMargin, bottom - kFrameMargin};
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

void TCustomTabControl::AdjustClientRect(TRect& Rect) { Rect = DisplayRect(); }

void TCustomTabControl::TabsLayoutChanged() {
  // A control going away (its pages freed one by one with it) has no rows to lay out.
  if (ComponentState().contains(csDestroying)) return;
  const int area = AreaHeight();
  if (area != lastAreaHeight_) {
    lastAreaHeight_ = area;
    Realign();
  }
  Invalidate();
}

void TCustomTabControl::TabsChanged(int Index, int Delta) {
  const int count = tabs_->Count();
  if (Delta == 0) {
    tabIndex_ = -1;
    firstVisible_ = 0;
  } else if (Delta > 0) {
    if (count == 1 && !ComponentState().contains(csLoading))
      tabIndex_ = 0;
    else if (tabIndex_ >= Index)
      ++tabIndex_;
  } else {
    if (tabIndex_ == Index)
      tabIndex_ = -1;
    else if (tabIndex_ > Index)
      --tabIndex_;
    firstVisible_ = std::clamp(firstVisible_, 0, std::max(0, count - 1));
  }
}

void TCustomTabControl::SetTabs(TStrings* Value) { tabs_->Assign(Value); }

void TCustomTabControl::SetTabIndex(int Value) {
  if (ComponentState().contains(csLoading)) {
    tabIndex_ = Value;
    return;
  }
  if (Value < -1 || Value >= tabs_->Count() || Value == tabIndex_) return;
  tabIndex_ = Value;
  ScrollIntoView(Value);
  TabsLayoutChanged();
}

void TCustomTabControl::ScrollIntoView(int Index) {
  if (multiLine_ || Index < 0 || Index >= tabs_->Count()) return;
  if (Index < firstVisible_) {
    firstVisible_ = Index;
    return;
  }
  if (!TabsScroll()) return;
  // The first tab shown moves on as little as lets the tab end left of the scroll buttons (the
  // selected tab with its grown edges), and stops at the tab itself.
  const int gap = TabsGap();
  const int limit = std::max(0, width_) - 2 * kScrollButton;
  const int grow = style_ == tsTabs && Index == tabIndex_ ? kSelectedGrow : 0;
  int64_t end = int64_t{TabsStart()} + TabExtent(Index) + grow;
  int first = Index;
  while (first > firstVisible_) {
    const int64_t wider = end + TabExtent(first - 1) + gap;
    if (wider > limit) break;
    end = wider;
    --first;
  }
  firstVisible_ = first;
}

void TCustomTabControl::Loaded() {
  TCustomControl::Loaded();
  if (tabIndex_ < -1 || tabIndex_ >= tabs_->Count()) tabIndex_ = -1;
  ScrollIntoView(tabIndex_);
  TabsLayoutChanged();
}

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

bool TCustomTabControl::SelectTab(int Index) {
  if (Index < 0 || Index >= tabs_->Count() || Index == tabIndex_) return false;
  if (!CanChange()) return false;
  tabIndex_ = Index;
  ScrollIntoView(Index);
  TabsLayoutChanged();
  Change();
  return true;
}

void TCustomTabControl::SelectNextTab(bool GoForward) {
  const int count = tabs_->Count();
  if (count == 0) return;
  const int from = tabIndex_ < 0 ? (GoForward ? -1 : 0) : tabIndex_;
  SelectTab(((from + (GoForward ? 1 : -1)) % count + count) % count);
}

void TCustomTabControl::SetHotTrack(bool Value) {
  if (hotTrack_ == Value) return;
  hotTrack_ = Value;
  TabsLayoutChanged();
}

void TCustomTabControl::SetOwnerDraw(bool Value) {
  if (ownerDraw_ == Value) return;
  ownerDraw_ = Value;
  TabsLayoutChanged();
}

void TCustomTabControl::SetRaggedRight(bool Value) {
  if (raggedRight_ == Value) return;
  raggedRight_ = Value;
  TabsLayoutChanged();
}

void TCustomTabControl::SetScrollOpposite(bool Value) {
  if (scrollOpposite_ == Value) return;
  scrollOpposite_ = Value;
  TabsLayoutChanged();
}

void TCustomTabControl::SetStyle(TTabStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  TabsLayoutChanged();
}

void TCustomTabControl::SetTabPosition(TTabPosition Value) {
  if (tabPosition_ == Value) return;
  tabPosition_ = Value;
  lastAreaHeight_ = -1;  // the page area moves even when its height stays
  TabsLayoutChanged();
}

void TCustomTabControl::SetMultiLine(bool Value) {
  if (multiLine_ == Value) return;
  multiLine_ = Value;
  firstVisible_ = 0;
  ScrollIntoView(tabIndex_);
  TabsLayoutChanged();
}

void TCustomTabControl::SetTabHeight(int16_t Value) {
  if (Value < 0) throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
  tabHeight_ = Value;
  TabsLayoutChanged();
}

void TCustomTabControl::SetTabWidth(int16_t Value) {
  if (Value < 0) throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
  tabWidth_ = Value;
  TabsLayoutChanged();
}

void TCustomTabControl::DrawTab(int Index, const TRect& Rect, bool Selected) {
  TCanvas* c = canvas_;
  TRect r = Rect;
  const TColor face = color_;
  if (style_ == tsTabs && AtBottom()) {
    c->Brush()->SetColor(face);
    c->Brush()->SetStyle(bsSolid);
    // The selected tab also covers the frame's inner shadow row above it.
    const int t = Selected ? r.Top - 1 : r.Top;
    c->FillRect(TRect{r.Left + 1, t, r.Right - 2, r.Bottom - 1});
    auto line = [c](TColor color, int x1, int y1, int x2, int y2) {
      c->Pen()->SetColor(color);
      c->MoveTo(x1, y1);
      c->LineTo(x2, y2);
    };
    line(clBtnHighlight, r.Left, t, r.Left, r.Bottom - 2);
    line(cl3DDkShadow, r.Left + 1, r.Bottom - 2, r.Left + 2, r.Bottom - 1);
    line(cl3DDkShadow, r.Left + 2, r.Bottom - 1, r.Right - 2, r.Bottom - 1);
    line(clBtnShadow, r.Left + 2, r.Bottom - 2, r.Right - 2, r.Bottom - 2);
    line(cl3DDkShadow, r.Right - 2, r.Bottom - 2, r.Right - 1, r.Bottom - 3);
    line(cl3DDkShadow, r.Right - 1, r.Bottom - 3, r.Right - 1, t - 1);
    line(clBtnShadow, r.Right - 2, r.Bottom - 3, r.Right - 2, t - 1);
    if (!Selected)
      r.Bottom -= 1;
    else
      r.Top += 1;
    r.Left += kSelectedGrow * Selected;
    r.Right -= kSelectedGrow * Selected;
  } else if (style_ == tsTabs) {
    c->Brush()->SetColor(face);
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(TRect{r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom});
    auto line = [c](TColor color, int x1, int y1, int x2, int y2) {
      c->Pen()->SetColor(color);
      c->MoveTo(x1, y1);
      c->LineTo(x2, y2);
    };
    const int b = r.Bottom;
    line(clBtnHighlight, r.Left, b - 1, r.Left, r.Top + 1);
    line(clBtnHighlight, r.Left + 1, r.Top + 1, r.Left + 2, r.Top);
    line(clBtnHighlight, r.Left + 2, r.Top, r.Right - 2, r.Top);
    line(cl3DDkShadow, r.Right - 2, r.Top + 1, r.Right - 1, r.Top + 2);
    line(cl3DDkShadow, r.Right - 1, r.Top + 2, r.Right - 1, b);
    line(clBtnShadow, r.Right - 2, r.Top + 2, r.Right - 2, b);
    if (!Selected)
      r.Top += 1;
    else
      r.Bottom -= 1;
    r.Left += kSelectedGrow * Selected;
    r.Right -= kSelectedGrow * Selected;
  } else {
    RECT e = r;
    const bool pressed = Selected || TabMarked(Index);
    if (pressed)
      DrawEdge(c->Handle(), &e, EDGE_SUNKEN, BF_RECT);
    else if (style_ == tsButtons)
      DrawEdge(c->Handle(), &e, EDGE_RAISED, BF_RECT);
    if (pressed) OffsetRect(&r, 1, 1);
  }
  c->Font()->Assign(font_);
  if (ownerDraw_) {
    if (OnDrawTab) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(face);
      OnDrawTab(this, Index, r, Selected);
    }
    return;
  }
  if (hotTrack_ && Index == hotTab_ && !Selected) c->Font()->SetColor(clHighlight);
  c->Brush()->SetStyle(bsClear);
  const std::string text = tabs_->Get(Index);
  uint32_t align = DT_CENTER;
  if (const int image = ShownImage(Index); image >= 0) {
    // Picture and caption side by side, centred together.
    const int picture = images_->Width() + (text.empty() ? 0 : kImageGap);
    const int64_t both = int64_t{picture} + (text.empty() ? 0 : MeasureText(font_, text).cx);
    const int left = ClampToInt(r.Left + (int64_t{r.Width()} - both) / 2);
    images_->Draw(c, left, r.Top + (r.Height() - images_->Height()) / 2, image, enabled_);
    r.Left = ClampToInt(int64_t{left} + picture);
    align = DT_LEFT;
  }
  DrawCaption(c, text, r, align | DT_VCENTER | DT_SINGLELINE, enabled_);
  if (Selected && Focused()) {
    TRect f = r;
    InflateRect(&f, -3, -3);
    c->Brush()->SetStyle(bsSolid);
    c->DrawFocusRect(f);
  }
}

void TCustomTabControl::Paint() {
  TCanvas* c = canvas_;
  TLayout l = Layout();
  const int w = std::max(0, width_), h = std::max(0, height_);
  const TRect client{0, 0, w, h};
  c->Brush()->SetColor(color_);
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(client);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetWidth(1);
  if (style_ == tsTabs) {
    RECT frame = AtBottom() ? RECT{0, 0, w, h - l.AreaHeight} : RECT{0, l.AreaHeight, w, h};
    DrawEdge(c->Handle(), &frame, EDGE_RAISED, BF_RECT | BF_SOFT);
  }
  {
    TSavedClip clip(c->Handle());
    if (l.Scrolls) {
      const int top = AtBottom() ? h - l.AreaHeight : 0;
      ExcludeClipRect(c->Handle(), l.ScrollLeft.Left, top, w, top + l.AreaHeight);
    }
    for (int i = 0; i < static_cast<int>(l.Tabs.size()); ++i)
      if (i != tabIndex_ && !IsRectEmpty(&l.Tabs[i])) DrawTab(i, l.Tabs[i], false);
    if (tabIndex_ >= 0 && tabIndex_ < static_cast<int>(l.Tabs.size()) &&
        !IsRectEmpty(&l.Tabs[tabIndex_]))
      DrawTab(tabIndex_, l.Tabs[tabIndex_], true);
  }
  if (l.Scrolls) {
    RECT left = l.ScrollLeft, right = l.ScrollRight;
    const bool atStart = firstVisible_ == 0;
    const bool atEnd = !IsRectEmpty(&l.Tabs.back()) && l.Tabs.back().Right <= l.ScrollLeft.Left;
    DrawFrameControl(c->Handle(), &left, DFC_SCROLL,
                     DFCS_SCROLLLEFT | (atStart || !enabled_ ? DFCS_INACTIVE : 0));
    DrawFrameControl(c->Handle(), &right, DFC_SCROLL,
                     DFCS_SCROLLRIGHT | (atEnd || !enabled_ ? DFCS_INACTIVE : 0));
  }
}

void TCustomTabControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  const int count = tabs_->Count();
  if (count == 0) return;
  int target = -2;
  switch (Key) {
    case VK_LEFT:
    case VK_UP: target = std::max(0, tabIndex_ - 1); break;
    case VK_RIGHT:
    case VK_DOWN: target = std::min(count - 1, tabIndex_ + 1); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    default: return;
  }
  Key = 0;
  SelectTab(target);
}

void TCustomTabControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    TLayout l = Layout();
    const TPoint p{X, Y};
    if (l.Scrolls && PtInRect(&l.ScrollLeft, p)) {
      if (firstVisible_ > 0) --firstVisible_;
      Invalidate();
    } else if (l.Scrolls && PtInRect(&l.ScrollRight, p)) {
      const bool atEnd = !IsRectEmpty(&l.Tabs.back()) && l.Tabs.back().Right <= l.ScrollLeft.Left;
      if (!atEnd) ++firstVisible_;
      Invalidate();
    } else {
      const int i = IndexOfTabAt(X, Y);
      if (i >= 0) {
        if (CanFocus() && !Focused()) SetFocus();
        if (multiSelect_ && style_ != tsTabs && Shift.contains(ssCtrl)) {
          if (static_cast<int>(marked_.size()) <= i) marked_.resize(i + 1, false);
          marked_[i] = !marked_[i];
          Invalidate();
        } else {
          if (!marked_.empty()) Invalidate();
          marked_.clear();
          SelectTab(i);
        }
      }
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTabControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (hotTrack_) {
    const int i = IndexOfTabAt(X, Y);
    if (i != hotTab_) {
      hotTab_ = i;
      Invalidate();
    }
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomTabControl::CMMouseLeave(TMessage& Message) {
  if (hotTab_ != -1) {
    hotTab_ = -1;
    Invalidate();
  }
  ZYL_INHERITED(Message);
}

void TCustomTabControl::CMDialogKey(TCMDialogKey& Message) {
  HWND focus = GetFocus();
  if (Message.CharCode() == VK_TAB && GetKeyState(VK_CONTROL) < 0 && HandleAllocated() &&
      (focus == Handle() || IsChild(Handle(), focus))) {
    SelectNextTab(GetKeyState(VK_SHIFT) >= 0);
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

void TCustomTabControl::CMDialogChar(TCMDialogChar& Message) {
  for (int i = 0; i < tabs_->Count(); ++i) {
    if (IsAccel(Message.CharCode(), tabs_->Get(i)) && CanFocus()) {
      Message.Result = 1;
      if (!Focused()) SetFocus();
      SelectTab(i);
      return;
    }
  }
  ZYL_INHERITED(Message);
}

void TCustomTabControl::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  static_cast<TTabStrings*>(tabs_)->ForgetWidths();
  flow_.Tabs = 0;
  TabsLayoutChanged();
}

void TCustomTabControl::CMEnabledChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TCustomTabControl::CMFocusChanged(TCMFocusChanged& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TCustomTabControl::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

void TCustomTabControl::WMSize(TWMSize& Message) {
  ZYL_INHERITED(Message);
  TabsLayoutChanged();
}

ZYL_MESSAGE_MAP(TCustomTabControl) {
  m.On(CM_DIALOGKEY, &TCustomTabControl::CMDialogKey)
      .On(CM_DIALOGCHAR, &TCustomTabControl::CMDialogChar)
      .On(CM_FONTCHANGED, &TCustomTabControl::CMFontChanged)
      .On(CM_MOUSELEAVE, &TCustomTabControl::CMMouseLeave)
      .On(CM_ENABLEDCHANGED, &TCustomTabControl::CMEnabledChanged)
      .On(CM_FOCUSCHANGED, &TCustomTabControl::CMFocusChanged)
      .On(WM_GETDLGCODE, &TCustomTabControl::WMGetDlgCode)
      .On(WM_SIZE, &TCustomTabControl::WMSize);
}

ZYL_CLASS_IMPL(TCustomTabControl) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TCustomTabControl;
  b.Declare("HotTrack", &C::HotTrack, &C::SetHotTrack)
      .Default(false)
      .Declare("MultiLine", &C::MultiLine, &C::SetMultiLine)
      .Default(false)
      .Declare("OwnerDraw", &C::OwnerDraw, &C::SetOwnerDraw)
      .Default(false)
      .Declare("RaggedRight", &C::RaggedRight, &C::SetRaggedRight)
      .Default(false)
      .Declare("ScrollOpposite", &C::ScrollOpposite, &C::SetScrollOpposite)
      .Default(false)
      .Declare("Style", &C::Style, &C::SetStyle)
      .Default(tsTabs)
      .Declare("TabHeight", &C::TabHeight, &C::SetTabHeight)
      .Default(0)
      .Declare("TabPosition", &C::TabPosition, &C::SetTabPosition)
      .Default(tpTop)
      .Declare("Tabs", &C::Tabs, &C::SetTabs)
      .Declare("TabIndex", &C::TabIndex, &C::SetTabIndex)
      .Default(-1)
      .Declare("TabWidth", &C::TabWidth, &C::SetTabWidth)
      .Default(0)
      .Declare("TabStop", &C::TabStop, &C::SetTabStop)
      .Default(true)
      .Declare("OnChange", &C::GetOnChange, &C::SetOnChange)
      .Declare("OnChanging", &C::GetOnChanging, &C::SetOnChanging)
      .Declare("OnDrawTab", &C::GetOnDrawTab, &C::SetOnDrawTab)
      .Declare("Images", &C::Images, &C::SetImages)
      .Declare("MultiSelect", &C::MultiSelect, &C::SetMultiSelect)
      .Default(false)
      .Declare("OnGetImageIndex", &C::GetOnGetImageIndex, &C::SetOnGetImageIndex);
}

ZYL_CLASS_IMPL(TTabControl) {
  b.Publish({"Align",       "Anchors",        "BiDiMode",    "Constraints", "DragCursor",
             "DragKind",    "DragMode",       "Enabled",     "Font",        "HotTrack",
             "Images",      "MultiLine",      "MultiSelect", "OwnerDraw",   "ParentBiDiMode",
             "ParentFont",  "ParentShowHint", "PopupMenu",   "RaggedRight", "ScrollOpposite",
             "ShowHint",    "Style",          "TabHeight",   "TabOrder",    "TabPosition",
             "Tabs",        "TabIndex",       "TabStop",     "TabWidth",    "Visible",
             "OnChange",    "OnChanging",     "OnDragDrop",  "OnDragOver",  "OnDrawTab",
             "OnEndDock",   "OnEndDrag",      "OnEnter",     "OnExit",      "OnGetImageIndex",
             "OnMouseDown", "OnMouseMove",    "OnMouseUp",   "OnResize",    "OnStartDock",
             "OnStartDrag"});
}

}  // namespace vcl
