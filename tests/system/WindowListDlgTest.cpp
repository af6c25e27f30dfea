// The window list: which of the application's forms it lists (options and the per-form
// event), choosing one by the list and OK or a double click, the veto, and bringing the chosen
// form forward, answered through the test kit as a user would.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "edits/ZYLExtListBox.h"
#include "foundation/ZYLApplication.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLWindowListDlg.h"
#include "tests/support/Cases.h"

namespace zyl {
namespace {

namespace vt = vcl::testkit;
namespace wt = win::testkit;

TZYLExtListBox* List(vcl::TCustomForm* form) {
  return dynamic_cast<TZYLExtListBox*>(vt::DialogControl(form, "Windows"));
}
TZYLButton* Button(vcl::TCustomForm* form, const char* name) {
  return dynamic_cast<TZYLButton*>(vt::DialogControl(form, name));
}

class WindowListDlg : public ::testing::Test {
 protected:
  // The application: a visible main form owning the dialog, a visible dialog-style form,
  // two hidden forms, a hidden one captioned with blanks.
  WindowListDlg() {
    ZYLApplicationInit();
    vcl::Application->CreateForm(main_);
    main_->SetCaption("Main");
    main_->Show();
    dialog_ = std::make_unique<TZYLWindowListDlg>(main_);
    options_ = Add("Options", true);
    options_->SetBorderStyle(vcl::bsDialog);
    report_ = Add("Report", false);
    ledger_ = Add("Ledger", false);
    blank_ = Add("   ", false);
  }
  ~WindowListDlg() override {
    dialog_.reset();
    delete main_;
    ZYLApplicationDone();
  }
  vcl::TForm* Add(const char* caption, bool visible) {
    auto* f = new vcl::TForm(main_);
    f->SetCaption(caption);
    f->SetBounds(10, 10, 200, 100);
    if (visible) f->Show();
    return f;
  }
  // Looks at the list, then selects `item` (unless empty) and presses `key`.
  void Choose(const std::string& item, uint8_t key = win::VK_RETURN) {
    script_.Do([this, item](vcl::TCustomForm* form) {
      Look(form);
      if (!item.empty()) vt::ChooseListItem(List(form), item);
    });
    script_.PressKey(key);
  }
  void Look(vcl::TCustomForm* form) {
    listed_.clear();
    TZYLExtListBox* list = List(form);
    for (int i = 0; i < list->Items()->Count(); ++i) listed_.push_back(list->Items()->Get(i));
    okEnabled_ = Button(form, "OK")->Enabled();
    selected_ = list->ItemIndex();
    label_ = dynamic_cast<vcl::TLabel*>(vt::DialogControl(form, "Description"))->Caption();
    clientWidth_ = form->ClientWidth();
    clientHeight_ = form->ClientHeight();
  }

  vt::TControlsSession session_;
  vcl::TForm* main_ = nullptr;
  vcl::TForm *options_, *report_, *ledger_, *blank_;
  std::unique_ptr<TZYLWindowListDlg> dialog_;
  vt::TDialogScript script_;
  std::vector<std::string> listed_;
  bool okEnabled_ = false;
  int selected_ = -2;
  std::string label_;
  int clientWidth_ = 0, clientHeight_ = 0;
};

TEST_F(WindowListDlg, ListsHiddenFormsAndBringsTheChosenOneForward) {
  Choose("Ledger");
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(listed_, (std::vector<std::string>{"Report", "Ledger"}));
  EXPECT_TRUE(okEnabled_);
  EXPECT_EQ(selected_, 0);
  EXPECT_EQ(label_, "Available &Windows:");
  EXPECT_EQ(clientWidth_, 393);
  EXPECT_EQ(clientHeight_, 258);
  EXPECT_EQ(dialog_->ChosenForm(), ledger_);
  EXPECT_TRUE(ledger_->Visible());
  EXPECT_FALSE(report_->Visible());
  EXPECT_EQ(script_.Pending(), 0u);
}

// Each option lets one more kind of form in.
struct TOptionCase {
  const char* Name;
  TZYLWLOptions Options;
  std::vector<std::string> Listed;
};

class WindowListDlgOptions : public WindowListDlg,
                             public ::testing::WithParamInterface<TOptionCase> {};

TEST_P(WindowListDlgOptions, AdmitTheirKindOfForm) {
  dialog_->SetOptions(GetParam().Options);
  Choose("", win::VK_ESCAPE);
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_EQ(listed_, GetParam().Listed);
  EXPECT_EQ(okEnabled_, !GetParam().Listed.empty());
  EXPECT_EQ(dialog_->ChosenForm(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowListDlgOptions,
    ::testing::Values(
        TOptionCase{"None", {}, {}},
        TOptionCase{"InVisible", {wlAddInVisible}, {"Report", "Ledger"}},
        TOptionCase{"Dialogs", {wlAddInVisible, wlAddDialogForms}, {"Options", "Report", "Ledger"}},
        // The main form is also the dialog's owner: both options are needed.
        TOptionCase{"MainOnly", {wlAddMainForm}, {}},
        TOptionCase{"MainAndParent", {wlAddMainForm, wlAddParentForm}, {"Main"}},
        TOptionCase{
            "NoCaption", {wlAddInVisible, wlAddNoCaptionForms}, {"Report", "Ledger", "   "}},
        TOptionCase{
            "All",
            {wlAddInVisible, wlAddDialogForms, wlAddMainForm, wlAddParentForm, wlAddNoCaptionForms},
            {"Main", "Options", "Report", "Ledger", "   "}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(WindowListDlg, OnListDecidesFirstAndMayListTheDialogItself) {
  std::vector<std::string> asked;
  struct THandler : vcl::TObject {
    std::vector<std::string>* Asked;
    void List(vcl::TObject*, vcl::TForm* form, bool& accept) {
      Asked->push_back(form->Caption() + (accept ? "+" : "-"));
      // Report out, everything else in (the options may still reject).
      accept = form->Caption() != "Report";
    }
  } handler;
  handler.Asked = &asked;
  dialog_->SetOnList(TZYLWLFormEvent(&handler, &THandler::List));
  dialog_->SetOptions({wlAddInVisible, wlAddDialogForms});
  Choose("", win::VK_ESCAPE);
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_EQ(listed_, (std::vector<std::string>{"Options", "Ledger", "Windowlist..."}));
  // Every form was asked, the dialog's own first refused.
  EXPECT_EQ(asked, (std::vector<std::string>{"Main+", "Options+", "Report+", "Ledger+", "   +",
                                             "Windowlist...-"}));
}

TEST_F(WindowListDlg, NothingToChooseLeavesOKDisabled) {
  dialog_->SetOptions({});
  Choose("", win::VK_RETURN);
  script_.PressKey(win::VK_ESCAPE);
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_TRUE(listed_.empty());
  EXPECT_FALSE(okEnabled_);
  EXPECT_EQ(selected_, -1);
}

TEST_F(WindowListDlg, ADoubleClickChoosesAndAMinimizedFormIsRestored) {
  report_->SetWindowState(vcl::wsMinimized);
  dialog_->SetDescription("Pick one:");
  script_.Do([this](vcl::TCustomForm* form) {
    Look(form);
    vt::ChooseListItem(List(form), "Report", true);
  });
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(label_, "Pick one:");
  EXPECT_EQ(dialog_->ChosenForm(), report_);
  EXPECT_EQ(report_->WindowState(), vcl::wsNormal);
  EXPECT_TRUE(report_->Visible());
}

TEST_F(WindowListDlg, OnShowMayVetoTheChoiceWhichStaysRecorded) {
  struct TVeto : vcl::TObject {
    vcl::TForm* Seen = nullptr;
    void Show(vcl::TObject*, vcl::TForm* form, bool& accept) {
      Seen = form;
      accept = false;
    }
  } veto;
  dialog_->SetOnShow(TZYLWLFormEvent(&veto, &TVeto::Show));
  Choose("Ledger");
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_EQ(veto.Seen, ledger_);
  EXPECT_EQ(dialog_->ChosenForm(), ledger_);
  EXPECT_FALSE(ledger_->Visible());
  // Cancel clears the choice of the execution before.
  Choose("Report", win::VK_ESCAPE);
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_EQ(dialog_->ChosenForm(), nullptr);
  EXPECT_EQ(veto.Seen, ledger_);
}

TEST_F(WindowListDlg, AChosenFormThatIsFreedIsForgotten) {
  Choose("Ledger");
  EXPECT_TRUE(dialog_->Execute());
  ASSERT_EQ(dialog_->ChosenForm(), ledger_);
  delete ledger_;
  EXPECT_EQ(dialog_->ChosenForm(), nullptr);
  // A recorded form freed after the dialog itself has nothing to tell it.
  Choose("Report");
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(dialog_->ChosenForm(), report_);
  dialog_.reset();
  delete report_;
}

TEST_F(WindowListDlg, OnShowMayFreeTheChosenFormWhichIsThenNotShown) {
  struct TCloser : vcl::TObject {
    void Show(vcl::TObject*, vcl::TForm* form, bool&) { delete form; }
  } closer;
  dialog_->SetOnShow(TZYLWLFormEvent(&closer, &TCloser::Show));
  Choose("Ledger");
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_EQ(dialog_->ChosenForm(), nullptr);
}

TEST_F(WindowListDlg, AListedFormFreedWhileTheListIsOpenLeavesTheList) {
  std::vector<std::string> before;
  script_.Do([this, &before](vcl::TCustomForm* form) {
    Look(form);
    before = listed_;
    vt::ChooseListItem(List(form), "Report");
    delete report_;
    Look(form);
    vt::ChooseListItem(List(form), "Ledger");
  });
  script_.PressKey(win::VK_RETURN);
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(before, (std::vector<std::string>{"Report", "Ledger"}));
  EXPECT_EQ(listed_, (std::vector<std::string>{"Ledger"}));
  // The selected line went with its form: nothing is selected and OK waits for a choice.
  EXPECT_EQ(selected_, -1);
  EXPECT_FALSE(okEnabled_);
  EXPECT_EQ(dialog_->ChosenForm(), ledger_);
}

}  // namespace
}  // namespace zyl
