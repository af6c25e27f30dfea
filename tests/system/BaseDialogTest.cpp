// The dialog base: what BaseExecute does to the form a dialog builds before it shows it, and
// the caption of a form being shown.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLCont.h"
#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLBack.h"
#include "system/ZYLBaseDialog.h"
#include "system/ZYLFormStyler.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

namespace vt = vcl::testkit;

// A dialog of an OK button and the custom button, built as the dialog components build theirs.
class TTestDialog : public TZYLBaseDialog {
  ZYL_CLASS(TTestDialog, TZYLBaseDialog)
  using TZYLBaseDialog::TZYLBaseDialog;
  vcl::TCustomForm* Target = nullptr;
  int Result = 0;
  // What the form held as it came up.
  TZYLFormStyler* Styler = nullptr;
  TZYLBack* Back = nullptr;

  bool Execute() override {
    auto form = std::make_unique<vcl::TForm>(nullptr);
    form->SetName("TestDialog");
    form->SetBounds(0, 0, 200, 120);
    auto* ok = new vcl::TButton(form.get());
    ok->SetParent(form.get());
    ok->SetName("OK");
    ok->SetCaption("OK");
    ok->SetModalResult(vcl::mrOk);
    auto* custom = new vcl::TButton(form.get());
    custom->SetParent(form.get());
    custom->SetName("Custom");
    custom->SetBounds(100, 0, 80, 24);
    Styler = new TZYLFormStyler(form.get());
    Styler->SetEnabled(false);
    Back = new TZYLBack(form.get());
    Back->SetEnabled(false);
    const vcl::TFinally gone([this] { Styler = nullptr, Back = nullptr; });
    Result = BaseExecute(form.get(), Target, custom, Styler, Back, "Test dialog");
    return Result == vcl::mrOk;
  }
};
ZYL_CLASS_IMPL(TTestDialog) {}

struct TListener : vcl::TObject {
  std::vector<std::string> Heard;
  void Custom(vcl::TObject* s) { Heard.push_back("custom " + s->ClassName()); }
  void Customize(vcl::TObject* s) {
    Heard.push_back("customize " + dynamic_cast<vcl::TComponent*>(s)->Name());
  }
  void Throw(vcl::TObject*) { throw vcl::Exception("customize failed"); }
};

class BaseDialog : public ::testing::Test {
 protected:
  BaseDialog() : dialog_(new TTestDialog(nullptr)) {}
  vcl::TControl* Control(vcl::TCustomForm* form, const char* name) {
    return dynamic_cast<vcl::TControl*>(vt::DialogControl(form, name));
  }

  vt::TControlsSession session_;
  std::unique_ptr<TTestDialog> dialog_;
  TListener listener_;
  vt::TDialogScript script_;
};

TEST_F(BaseDialog, CaptionsAndShowsTheFormAndAnswersItsResult) {
  script_.Press("OK");
  EXPECT_TRUE(dialog_->Execute());
  ASSERT_EQ(script_.Shown().size(), 1u);
  EXPECT_EQ(script_.Shown()[0].Caption, "Test dialog");
  EXPECT_EQ(dialog_->ShownForm(), nullptr);
  dialog_->SetCaptionTitle("Own title");
  script_.Press("OK");
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(script_.Shown()[1].Caption, "Own title");
}

// The custom button by its caption and its click handler.
struct TCustomCase {
  const char* Name;
  const char* Caption;
  bool Handler;
  std::vector<std::string> Buttons;  // the visible buttons
};

class BaseDialogCustomButton : public BaseDialog,
                               public ::testing::WithParamInterface<TCustomCase> {};

TEST_P(BaseDialogCustomButton, ShowsOnlyWithACaption) {
  const TCustomCase& c = GetParam();
  dialog_->SetCustomButton(c.Caption);
  if (c.Handler) dialog_->SetOnCustomClick(vcl::TNotifyEvent(&listener_, &TListener::Custom));
  if (!std::string(c.Caption).empty()) script_.Press(c.Caption);
  script_.Press("OK");
  dialog_->Execute();
  ASSERT_EQ(script_.Shown().size(), 1u);
  EXPECT_EQ(script_.Shown()[0].Buttons, c.Buttons);
  const bool clicked = c.Handler && !std::string(c.Caption).empty();
  EXPECT_EQ(listener_.Heard,
            clicked ? std::vector<std::string>{"custom TButton"} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, BaseDialogCustomButton,
                         ::testing::Values(TCustomCase{"NoCaptionHidesIt", "", true, {"OK"}},
                                           TCustomCase{
                                               "CaptionShowsIt", "More", true, {"OK", "More"}},
                                           TCustomCase{"NoHandler", "More", false, {"OK", "More"}}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BaseDialog, ACaptionSetWhileShownReachesTheFormAndItsTitleBar) {
  dialog_->SetCaptionFill(true);
  dialog_->SetColors(12);
  std::string caption, painted;
  int colors = 0;
  bool enabled = false;
  script_
      .Do([&](vcl::TCustomForm* form) {
        // The title bar paints even on this display of many colours.
        dialog_->Styler->SetOptions(dialog_->Styler->Options() - fsCheckSystemGradient);
        dialog_->SetCaptionTitle("Renamed");
        caption = form->Caption();
        painted = dialog_->Styler->Caption();
        colors = dialog_->Styler->Colors();
        enabled = dialog_->Styler->Enabled();
      })
      .Press("OK");
  dialog_->Execute();
  testsupport::ExpectCases({{caption, "Renamed"},
                            {painted, "Renamed"},
                            {std::to_string(colors), "12"},
                            {enabled ? "on" : "off", "on"}});
}

// Where the form goes: relative to a target form or to the screen.
struct TPlaceCase {
  const char* Name;
  TZYLDlgPosition Position;
  bool WithTarget;
  int Left, Top;
};

class BaseDialogPlacement : public BaseDialog, public ::testing::WithParamInterface<TPlaceCase> {};

TEST_P(BaseDialogPlacement, PutsTheForm) {
  const TPlaceCase& c = GetParam();
  vcl::TForm target(nullptr);
  target.SetBounds(300, 200, 400, 300);
  if (c.WithTarget) dialog_->Target = &target;
  dialog_->SetPosition(c.Position);
  vcl::TRect placed;
  script_.Do([&](vcl::TCustomForm* form) { placed = form->BoundsRect(); }).Press("OK");
  dialog_->Execute();
  EXPECT_EQ(placed.Left, c.Left);
  EXPECT_EQ(placed.Top, c.Top);
  EXPECT_EQ(placed.Width(), 200);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BaseDialogPlacement,
    ::testing::Values(TPlaceCase{"CustomOnTheScreen", bpCustom, false, 0, 0},
                      TPlaceCase{"CustomOnTheTarget", bpCustom, true, 300, 200},
                      TPlaceCase{"CentredOnTheTarget", bpCenter, true, 400, 290},
                      TPlaceCase{"CentredOnTheScreen", bpCenter, false, 412, 324}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BaseDialog, TheBackgroundPictureNeedsAnImageList) {
  bool withoutList = true;
  script_.Do([&](vcl::TCustomForm*) { withoutList = dialog_->Back->Enabled(); }).Press("OK");
  dialog_->Execute();
  EXPECT_FALSE(withoutList);

  TZYLBitmapList list(nullptr);
  dialog_->SetImageList(&list);
  dialog_->SetIndex(iiListIndex, 2);
  bool enabled = false;
  int listIndex = -1;
  TZYLCustomImageList* given = nullptr;
  script_
      .Do([&](vcl::TCustomForm*) {
        enabled = dialog_->Back->Enabled();
        listIndex = dialog_->Back->ListIndex();
        given = dialog_->Back->ImageList();
      })
      .Press("OK");
  dialog_->Execute();
  EXPECT_TRUE(enabled);
  EXPECT_EQ(listIndex, 2);
  EXPECT_EQ(given, &list);
  dialog_->SetImageList(nullptr);
}

TEST_F(BaseDialog, OnCustomizeGetsTheFinishedFormAndItsErrorsReachTheCaller) {
  dialog_->SetOnCustomize(vcl::TNotifyEvent(&listener_, &TListener::Customize));
  script_.Press("OK");
  dialog_->Execute();
  EXPECT_EQ(listener_.Heard, std::vector<std::string>{"customize TestDialog"});

  dialog_->SetOnCustomize(vcl::TNotifyEvent(&listener_, &TListener::Throw));
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { dialog_->Execute(); }), "customize failed");
  EXPECT_EQ(dialog_->ShownForm(), nullptr);
  EXPECT_EQ(script_.Pending(), 0u);
}

}  // namespace
}  // namespace zyl
