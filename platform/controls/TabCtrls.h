// Tab controls: TCustomTabControl draws a row (or rows) of tabs over a raised page frame and
// keeps the selected tab; TTabControl shows its Tabs strings; TPageControl shows one TTabSheet
// (a page holding controls) per visible tab and the selected page inside the frame.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/StringList.h"
#include "platform/controls/Controls.h"

namespace vcl {

ZYL_ENUM(TTabStyle, tsTabs, tsButtons, tsFlatButtons)
ZYL_ENUM(TTabPosition, tpTop, tpBottom, tpLeft, tpRight)
using TTabChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;
class TCustomTabControl;
using TDrawTabEvent =
    TEvent<void(TCustomTabControl* Control, int TabIndex, const TRect& Rect, bool Active)>;
using TTabGetImageEvent = TEvent<void(TObject* Sender, int TabIndex, int& ImageIndex)>;
class TChangeLink;
class TCustomImageList;

class TCustomTabControl : public TCustomControl {
  ZYL_CLASS(TCustomTabControl, TCustomControl)
  ZYL_MESSAGES(TCustomTabControl)
  explicit TCustomTabControl(TComponent* AOwner);
  ~TCustomTabControl() override;

  // The area inside the page frame, below the tabs (client coordinates).
  TRect DisplayRect();
  // The tab shown at a client point (-1: none).
  int IndexOfTabAt(int X, int Y);
  // Where tab Index is drawn (empty when it is scrolled out of view).
  TRect TabRect(int Index);
  // Number of rows of tabs.
  int RowCount();

  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool Value);
  // OwnerDraw leaves each tab's inside to OnDrawTab.
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool Value);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool Value);
  bool RaggedRight() const { return raggedRight_; }
  void SetRaggedRight(bool Value);
  bool ScrollOpposite() const { return scrollOpposite_; }
  void SetScrollOpposite(bool Value);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle Value);
  // Tab height and width; 0 sizes tabs to their captions.
  int16_t TabHeight() const { return tabHeight_; }
  void SetTabHeight(int16_t Value);
  int16_t TabWidth() const { return tabWidth_; }
  void SetTabWidth(int16_t Value);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition Value);
  // The selected tab (-1: none); an index outside the tabs leaves the selection as it is.
  int TabIndex() const { return tabIndex_; }
  virtual void SetTabIndex(int Value);
  TStrings* Tabs() const { return tabs_; }
  void SetTabs(TStrings* Value);
  // The pictures shown before the captions (each tab's is GetImageIndex's); the tabs grow to
  // hold them. Forgotten when the list is freed.
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* Value);
  // With a button style, a click with Ctrl held marks a tab (drawn pressed) or clears its mark
  // beside the selected tab; a plain click clears every mark.
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool Value);
  // Whether tab Index carries such a mark.
  bool TabMarked(int Index) const;
  // The image of tab TabIndex: TabIndex itself, or what OnGetImageIndex makes of it.
  virtual int GetImageIndex(int TabIndex);

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  TDrawTabEvent OnDrawTab;
  TTabGetImageEvent OnGetImageIndex;
  const TTabGetImageEvent& GetOnGetImageIndex() const { return OnGetImageIndex; }
  void SetOnGetImageIndex(const TTabGetImageEvent& E) { OnGetImageIndex = E; }
  const TDrawTabEvent& GetOnDrawTab() const { return OnDrawTab; }
  void SetOnDrawTab(const TDrawTabEvent& E) { OnDrawTab = E; }
  const TNotifyEvent& GetOnChange() const { return OnChange; }
  void SetOnChange(const TNotifyEvent& E) { OnChange = E; }
  const TTabChangingEvent& GetOnChanging() const { return OnChanging; }
  void SetOnChanging(const TTabChangingEvent& E) { OnChanging = E; }

  void AdjustClientRect(TRect& Rect) override;
  void Loaded() override;

 protected:
  friend class TTabStrings;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The image list changed: the tabs are measured and drawn again.
  void ImageListChange(TObject* Sender);
  // The image of tab Index when the list holds it, else -1.
  int ShownImage(int Index);
  // Asks OnChanging whether the selection may move.
  virtual bool CanChange();
  virtual void Change();
  // Selects tab Index as a user does: asks CanChange, then selects and calls Change.
  bool SelectTab(int Index);
  // Moves the selection to the next (or previous) tab, wrapping around.
  void SelectNextTab(bool GoForward);
  // Tabs were inserted or deleted at Index (Delta +1 / -1), or all removed (Delta 0).
  virtual void TabsChanged(int Index, int Delta);
  void Paint() override;
  virtual void DrawTab(int Index, const TRect& Rect, bool Selected);
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CMDialogKey(TCMDialogKey& Message);
  void CMDialogChar(TCMDialogChar& Message);
  void CMFontChanged(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void WMSize(TWMSize& Message);
  void CMFocusChanged(TCMFocusChanged& Message);
  // Lays the tabs out again and realigns the children when the tab area changed.
  void TabsLayoutChanged();
  // The tab strings changed at Index (Delta as for TabsChanged, 0 also for a new caption): the
  // rows already laid out stay valid when the change lies after them.
  void TabsFlowChanged(int Index, int Delta);

  TStrings* tabs_;
  int tabIndex_ = -1;
  bool hotTrack_ = false;
  bool multiLine_ = false;
  bool ownerDraw_ = false;
  bool raggedRight_ = false;
  bool scrollOpposite_ = false;
  TTabStyle style_ = tsTabs;
  int16_t tabHeight_ = 0;
  int16_t tabWidth_ = 0;
  TTabPosition tabPosition_ = tpTop;
  int hotTab_ = -1;
  int firstVisible_ = 0;  // the first tab shown on a single row that does not fit
  TCustomImageList* images_ = nullptr;
  TChangeLink* imageChangeLink_;
  bool multiSelect_ = false;
  std::vector<bool> marked_;  // marks by tab; tabs beyond its end carry none

 protected:
  struct TLayout {
    std::vector<TRect> Tabs;  // per tab, empty when not shown
    int Rows = 1;
    int AreaHeight = 0;    // the height of the tab area above the frame
    bool Scrolls = false;  // single row wider than the control: scroll buttons shown
    TRect ScrollLeft, ScrollRight;
  };
  TLayout Layout();
  int RowHeight();
  // Where tabs go on their rows: a new row starts when a tab of a multi-line control does not
  // fit beside the others.
  struct TFlowState {
    int Rows = 1;
    int64_t X = 0;         // where the next tab starts on the last row
    bool RowUsed = false;  // the last row holds a tab
    // Places a tab of width W; true when it starts a new row.
    bool Place(int W, int Start, int Right, int Gap, bool MultiLine);
  };
  // The flow of all tabs into rows, kept for the tabs laid out so far: adding tabs at the end
  // lays out only the new ones.
  struct TFlow : TFlowState {
    int Tabs = 0;  // tabs laid out (0: start again)
    int Width = -1;
    TTabStyle Style = tsTabs;
    bool MultiLine = false;
    int16_t TabWidth = 0;
  };
  const TFlow& Flow();
  // The width of tab Index with the space around its caption.
  int TabExtent(int Index);
  // The left edge of the tabs, the right edge they stay within and the gap between them.
  int TabsStart() const;
  int TabsRight() const;
  int TabsGap() const;
  // The height of the tab area above (or below) the page frame.
  int AreaHeight();
  // A single row wider than the control: scroll buttons shown.
  bool TabsScroll();
  // Tabs go along the bottom for tpBottom and along the top otherwise.
  bool AtBottom() const { return tabPosition_ == tpBottom; }
  // Scrolls a single row of tabs until tab Index shows.
  void ScrollIntoView(int Index);
  int lastAreaHeight_ = -1;
  TFlow flow_;
};

class TTabControl : public TCustomTabControl {
  ZYL_CLASS(TTabControl, TCustomTabControl)
  explicit TTabControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}
};

class TPageControl;

class TTabSheet : public TWinControl {
  ZYL_CLASS(TTabSheet, TWinControl)
  ZYL_MESSAGES(TTabSheet)
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;

  void SetPageControl(TPageControl* Value);
  // The position among the control's pages; EListError outside 0..PageCount-1.
  int PageIndex() const;
  void SetPageIndex(int Value);
  // The position among the visible tabs (-1 when its tab is hidden).
  int TabIndex() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool Value);
  bool Highlighted() const { return highlighted_; }
  void SetHighlighted(bool Value);
  int32_t ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int32_t Value);

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  const TNotifyEvent& GetOnShow() const { return OnShow; }
  void SetOnShow(const TNotifyEvent& E) { OnShow = E; }
  const TNotifyEvent& GetOnHide() const { return OnHide; }
  void SetOnHide(const TNotifyEvent& E) { OnHide = E; }

  void ReadState(TReader* Reader) override;
  void SetParentComponent(TComponent* Value) override;

 protected:
  friend class TPageControl;
  void CMTextChanged(TMessage& Message);
  void CMShowingChanged(TMessage& Message);
  void UpdateTabShowing();

  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  bool tabShowing_ = false;
  bool highlighted_ = false;
  int32_t imageIndex_ = 0;
};

class TPageControl : public TCustomTabControl {
  ZYL_CLASS(TPageControl, TCustomTabControl)
  ZYL_MESSAGES(TPageControl)
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  // EListError outside 0..PageCount-1.
  TTabSheet* Pages(int Index) const;
  TTabSheet* ActivePage() const { return activePage_; }
  // Shows Value (one of this control's pages, or null for none).
  void SetActivePage(TTabSheet* Value);
  int ActivePageIndex() const;
  // An index outside the pages shows none.
  void SetActivePageIndex(int Value);
  // The next page after CurrentPage (before it when not GoForward), wrapping; with
  // CheckTabVisible only pages with a visible tab; null when there is none.
  TTabSheet* FindNextPage(TTabSheet* CurrentPage, bool GoForward, bool CheckTabVisible);
  // Selects the next page with a visible tab as a user does (OnChanging may refuse).
  void SelectNextPage(bool GoForward);

  // Selecting a tab from code shows its page too.
  void SetTabIndex(int Value) override;
  // A page's image is its ImageIndex (then OnGetImageIndex).
  int GetImageIndex(int TabIndex) override;
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;
  void Loaded() override;

 protected:
  friend class TTabSheet;
  void Change() override;
  void TabsChanged(int Index, int Delta) override;
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void MovePage(TTabSheet* Page, int NewIndex);
  // Rebuilds the tabs from the pages whose tab is visible.
  void UpdateTabs();
  // Hides the shown page and shows Page (or none); keeps the tab selection in step.
  void ChangeActivePage(TTabSheet* Page);
  void CMDialogKey(TCMDialogKey& Message);
  // Hidden pages take the size of the shown one too, so that what is aligned on them has its
  // size (and is written with it) before they are shown.
  void AlignControls(TControl* AControl, TRect& Rect) override;

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
  bool updatingTabs_ = false;
};

}  // namespace vcl
