// TZYLCustomBrowseEdit: a single-line edit with one embedded browse button. A click on the
// button runs DoBrowse, which each descendant fills with its dialog (the folder, colour and file
// edits), then OnBrowse.
//
// The folder and file edits hold a path and, with MinimizeName, show it shortened to the text
// width while they do not have the focus (ReduceText says how the shown form is made). The
// full path is then kept aside and comes back into the text when the focus comes; FullText
// answers the full path in either state. Text set by code replaces the full path; the
// shortening itself never does.
#pragma once

#include <functional>
#include <string>

#include "edits/ZYLCustomEdit.h"

namespace zyl {

class TZYLSpecialButton;

class TZYLCustomBrowseEdit : public TZYLCustomEdit {
  ZYL_CLASS(TZYLCustomBrowseEdit, TZYLCustomEdit)
  ZYL_MESSAGES(TZYLCustomBrowseEdit)
  // The width the browse button gets.
  static constexpr int BrowseButtonWidth = 18;

  explicit TZYLCustomBrowseEdit(vcl::TComponent* AOwner);

  // The embedded browse button.
  TZYLSpecialButton* BrowseButton() const;

  // While not focused, show the path shortened to the text width.
  bool MinimizeName() const { return FMinimizeName; }
  void SetMinimizeName(bool Value);
  // The full path: the one kept aside while a shortened form is shown, else the text.
  std::string FullText() const { return FReduced ? FFullText : FText; }
  // Sets the text; unless focused, the shown form follows at once.
  void SetFullText(const std::string& Value);
  // Whether the text now shows a shortened form of FullText.
  bool TextReduced() const { return FReduced; }

  // A dialog changed the text.
  const vcl::TNotifyEvent& GetOnDlgChange() const { return FOnDlgChange; }
  void SetOnDlgChange(const vcl::TNotifyEvent& E) { FOnDlgChange = E; }
  // A dialog is about to open.
  const vcl::TNotifyEvent& GetOnBeforeBrowse() const { return FOnBeforeBrowse; }
  void SetOnBeforeBrowse(const vcl::TNotifyEvent& E) { FOnBeforeBrowse = E; }
  // After browsing.
  const vcl::TNotifyEvent& GetOnBrowse() const { return FOnBrowse; }
  void SetOnBrowse(const vcl::TNotifyEvent& E) { FOnBrowse = E; }

 protected:
  // The browse button's work (nothing here).
  virtual void DoBrowse() {}
  // The shown form of a full path: shortened to the text width with MinimizeName (measured
  // with the font), else the path itself.
  virtual std::string ReduceText(const std::string& Full);
  // Keeps the full path aside and shows its shortened form (the full path when it needs none).
  void UpdateText();
  // The steps every dialog of a browse edit takes: the edit takes the focus (when TakeFocus),
  // Prepare sets the dialog up, OnBeforeBrowse, Execute; when that answers true, Accept and
  // OnDlgChange.
  void RunDialog(bool TakeFocus, const std::function<void()>& Prepare,
                 const std::function<bool()>& Execute, const std::function<void()>& Accept);

  void SetNewText() override;
  void DoEnter() override;
  void DoExit() override;
  void WMSizeBrowse(vcl::TWMSize& Message);

  vcl::TNotifyEvent FOnDlgChange;
  vcl::TNotifyEvent FOnBeforeBrowse;
  vcl::TNotifyEvent FOnBrowse;

 private:
  void DoOnBrowseClick(vcl::TObject* Sender, int Index);

  bool FMinimizeName = false;
  std::string FFullText;   // the full path while a shortened form is shown
  bool FReduced = false;   // the text shows a shortened form
  bool FReducing = false;  // UpdateText is putting the shortened form in
};

}  // namespace zyl
