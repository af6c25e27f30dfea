// The wizard: TZYLAssist is a panel that shows one of its pages (TZYLAssistPage) at a time
// above a strip of navigation buttons ("< Back", "Next >", "Finish", "Cancel"). A page joins a
// wizard through its AssistControl and stands in the wizard's page list in the order it joined;
// pages whose Included is false are passed over by the navigation. Changing the page asks the
// wizard's OnPageChanging (which may refuse), tells the pages that are left and entered
// (OnPageExit, OnPageEnter) and then OnPageChanged. Next is the default button (Return) and
// Cancel the cancel button (Escape); Back is enabled while an included page lies before the
// active one, Next while one lies after it, Finish on the last included page.
#pragma once

#include <vector>

#include "buttons/ZYLCustomPanel.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLAssist;
class TZYLButton;

class TZYLAssistPage : public TZYLCustomPanel {
  ZYL_CLASS(TZYLAssistPage, TZYLCustomPanel)
  // Creates a page owned by AOwner, not yet in any wizard (and hidden until one shows it).
  explicit TZYLAssistPage(vcl::TComponent* AOwner);
  // Leaves its wizard.
  ~TZYLAssistPage() override;

  TZYLAssist* AssistControl() const { return FAssist; }
  // Leaves the old wizard's page list and joins the end of the new one's, whose child it
  // becomes (null: in none, and without parent).
  void SetAssistControl(TZYLAssist* Value);
  // The page's place in its wizard's list; -1 when it belongs to no wizard.
  int GetPageIndex() const;
  bool Included() const { return FIncluded; }
  // Whether the navigation stops at the page.
  void SetIncluded(bool Value);

  const vcl::TNotifyEvent& GetOnPageEnter() const { return FOnPageEnter; }
  void SetOnPageEnter(const vcl::TNotifyEvent& E) { FOnPageEnter = E; }
  const vcl::TNotifyEvent& GetOnPageExit() const { return FOnPageExit; }
  void SetOnPageExit(const vcl::TNotifyEvent& E) { FOnPageExit = E; }

 private:
  friend class TZYLAssist;
  TZYLAssist* FAssist = nullptr;
  bool FIncluded = true;

 protected:
  vcl::TNotifyEvent FOnPageExit;
  vcl::TNotifyEvent FOnPageEnter;
};

using TZYLAssistPageChangingEvent =
    vcl::TEvent<void(vcl::TObject* Sender, TZYLAssistPage* NewPage, bool& AllowChange)>;

class TZYLAssist : public TZYLCustomPanel {
  ZYL_CLASS(TZYLAssist, TZYLCustomPanel)
  // The navigation strip: buttons of this size, this far apart and from the edges.
  static constexpr int ButtonWidth = 75;
  static constexpr int ButtonHeight = 23;
  static constexpr int ButtonGap = 8;
  static constexpr int ButtonAreaHeight = ButtonHeight + 2 * ButtonGap;
  // The navigation buttons, in the order they stand from the left.
  enum TNavButton : int { nbBack = 0, nbNext = 1, nbFinish = 2, nbCancel = 3, nbCount = 4 };

  explicit TZYLAssist(vcl::TComponent* AOwner);
  // Lets its pages go first (they stay its children and are freed with it).
  ~TZYLAssist() override;

  int GetCount() const { return static_cast<int>(FPages.size()); }
  // Page Index; EListError outside 0 .. GetCount() - 1.
  TZYLAssistPage* GetPage(int Index) const;
  TZYLAssistPage* ActivePage() const { return FActivePage; }
  // Shows Page and hides the one before (null hides all); a page of another wizard is ignored.
  // While a form is read, the page is shown once the form is complete.
  void SetActivePage(TZYLAssistPage* Value);
  // Activate the first, last, next or previous included page. Without an active page, the
  // next is the first and the previous the last.
  void FirstPage();
  void LastPage();
  void NextPage();
  void PriorPage();
  // The included page next to From (-1: before the first, GetCount(): after the last) in
  // Step's direction; null when there is none.
  TZYLAssistPage* FindIncluded(int From, int Step) const;

  const std::string& NavCaption(int Index) const { return FCaptions[Index]; }
  void SetNavCaption(int Index, const std::string& Value);
  // A navigation button (for its state; the wizard owns it).
  TZYLButton* NavButton(TNavButton Which) const { return FButtons[Which]; }

  const TZYLAssistPageChangingEvent& GetOnPageChanging() const { return FOnPageChanging; }
  void SetOnPageChanging(const TZYLAssistPageChangingEvent& E) { FOnPageChanging = E; }
  const vcl::TNotifyEvent& GetOnPageChanged() const { return FOnPageChanged; }
  void SetOnPageChanged(const vcl::TNotifyEvent& E) { FOnPageChanged = E; }
  const vcl::TNotifyEvent& GetOnFinish() const { return FOnFinish; }
  void SetOnFinish(const vcl::TNotifyEvent& E) { FOnFinish = E; }
  const vcl::TNotifyEvent& GetOnCancel() const { return FOnCancel; }
  void SetOnCancel(const vcl::TNotifyEvent& E) { FOnCancel = E; }

 protected:
  void Loaded() override;
  void Paint() override;
  void Resize() override;
  void AdjustClientRect(vcl::TRect& Rect) override;
  // Enables the navigation buttons for the active page.
  void UpdateButtons();
  void PlaceButtons();
  void InsertPage(TZYLAssistPage* Page);
  void RemovePage(TZYLAssistPage* Page);
  void ButtonClick(vcl::TObject* Sender);

 private:
  friend class TZYLAssistPage;
  std::vector<TZYLAssistPage*> FPages;
  TZYLAssistPage* FActivePage = nullptr;
  TZYLAssistPage* FLoadedPage = nullptr;  // ActivePage as read, shown in Loaded
  TZYLButton* FButtons[nbCount] = {};
  std::string FCaptions[nbCount];

 protected:
  vcl::TNotifyEvent FOnCancel;
  vcl::TNotifyEvent FOnFinish;

 protected:
  vcl::TNotifyEvent FOnPageChanged;
  TZYLAssistPageChangingEvent FOnPageChanging;
};

inline constexpr vcl::TUnitEntry ZYLAssistUnit =
    vcl::ClassesUnit<TZYLAssist, TZYLAssistPage>("ZYLAssist");

}  // namespace zyl
