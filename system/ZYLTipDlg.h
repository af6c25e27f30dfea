// TZYLTipDlg: the tip of the day. Shows the tips of its list one at a time on a form built in
// code, with Next and Previous buttons that walk the tips shown so far, an optional Help button
// and a "Show tips at every start" check box whose answer the application reads back from
// ShowAtStart.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "foundation/ZYLOwned.h"
#include "platform/sys/Packages.h"
#include "system/ZYLBaseDialog.h"

namespace vcl {
class TLabel;
}

namespace zyl {

class TZYLButton;

ZYL_ENUM(TZYLTipsDialogMode, moNormal, moStart)

class TZYLTipDlg : public TZYLBaseDialog {
  ZYL_CLASS(TZYLTipDlg, TZYLBaseDialog)
  explicit TZYLTipDlg(vcl::TComponent* AOwner);
  ~TZYLTipDlg() override;

  // One tip a line; empty lines are dropped whenever the list changes.
  vcl::TStrings* Tips() const;
  void SetTips(vcl::TStrings* Value);
  int GetTipsCount() const;
  // Writing the count changes nothing.
  void SetTipsCount(int) {}
  bool ShowRandom() const { return FShowRandom; }
  void SetShowRandom(bool Value) { FShowRandom = Value; }
  // The tip shown first; -1 or an index outside the list: none in particular.
  int FirstHintNumber() const { return FFirstHintNumber; }
  void SetFirstHintNumber(int Value) { FFirstHintNumber = Value; }
  bool ShowAtStart() const { return FShowAtStart; }
  void SetShowAtStart(bool Value) { FShowAtStart = Value; }
  bool HideShowAtStart() const { return FHideShowAtStart; }
  void SetHideShowAtStart(bool Value) { FHideShowAtStart = Value; }
  TZYLTipsDialogMode Mode() const { return FMode; }
  void SetMode(TZYLTipsDialogMode Value) { FMode = Value; }
  const std::string& CaptionHeader() const { return FCaptionHeader; }
  void SetCaptionHeader(const std::string& Value) { FCaptionHeader = Value; }
  const std::string& CaptionHelp() const { return FCaptionHelp; }
  void SetCaptionHelp(const std::string& Value) { FCaptionHelp = Value; }
  int32_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t Value) { FHelpContext = Value; }

  bool Execute() override { return ExecuteEnh(nullptr, FMode); }
  // Shows the tips over Target (or placed by RelatePos when null). In moStart mode nothing is
  // shown unless ShowAtStart is set; an empty list shows a warning instead. Always false.
  bool ExecuteEnh(vcl::TCustomForm* Target, TZYLTipsDialogMode Mode);

  // The indexes of the tips shown so far in this execution, and the place of the one on screen.
  const std::vector<int>& History() const { return FHistory; }
  int Position() const { return FPosition; }

 private:
  void TipsChange(vcl::TObject* Sender);
  void FormActivate(vcl::TObject* Sender);
  void FormDestroy(vcl::TObject* Sender);
  void NextClick(vcl::TObject* Sender);
  void PreviousClick(vcl::TObject* Sender);
  void HelpClick(vcl::TObject* Sender);
  void ShowTip(int Index);
  // Previous while there is a tip before, Next while not every tip has been shown.
  void EnableButtons();

  TZYLOwned<vcl::TStringList> FTips;
  bool FShowRandom = true;
  int FFirstHintNumber = -1;
  bool FShowAtStart = false;
  bool FHideShowAtStart = false;
  TZYLTipsDialogMode FMode = moNormal;
  std::string FCaptionHeader;
  std::string FCaptionHelp;
  int32_t FHelpContext = 0;

  // While the form is open.
  std::vector<int> FHistory;
  int FPosition = 0;
  bool FFirstTip = false;
  bool FActivated = false;
  vcl::TLabel* FTipLabel = nullptr;
  TZYLButton* FOK = nullptr;
  TZYLButton* FNext = nullptr;
  TZYLButton* FPrevious = nullptr;
  std::minstd_rand FRandom;
};

inline constexpr vcl::TUnitEntry ZYLTipDlgUnit = vcl::ClassesUnit<TZYLTipDlg>("ZYLTipDlg");

}  // namespace zyl
