// The 3D effect generator's form: what it shows of what its opener hands in, a run with its
// pictures and state box, Stop and Cancel during a run, and no run without a picture.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "design/pZYL3DEffectEditorDlg.h"
#include "display/ZYLProgress.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLFormStyler.h"
#include "tests/design/DesignPixels.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using Dlg = TZYL3DEffectEditorDlg;

const designtest::TPalette kPal = {{'.', vcl::clSilver}, {'R', vcl::clRed}};
// Colours the opener hands in, each different, in the form's order.
const vcl::TColor kColors[] = {vcl::clNavy, vcl::clLime, vcl::clYellow, vcl::clPurple};

class EffectEditor : public ::testing::Test {
 protected:
  EffectEditor() {
    vcl::TBitmap bmp;
    designtest::Paint(bmp, {"......", "..RR..", ".RRRR.", "..RR..", "......"}, kPal);
    bmp.SaveToFile(picture_);
  }

  // Opens the form as its opener does, with `answers` scripted; the modal result.
  int Run(const std::function<void(vt::TDialogScript&)>& answers, int width = 2) {
    auto dlg = ZYLCreateEditorForm<Dlg>(vcl::Application);
    for (int i = 0; i < 4; ++i) dlg->SetColor(Dlg::TColorIndex(i), kColors[i]);
    dlg->SetBevelWidth(width);
    dlg->SetPictures(&src_, &up_, &down_, &dis_);
    vt::TDialogScript script;
    answers(script);
    const int result = dlg->ShowModal();
    EXPECT_EQ(script.Pending(), 0u);
    return result;
  }
  // Loads the test picture through "&Picture >>".
  void LoadPicture(vt::TDialogScript& script) {
    script.Do([](vcl::TCustomForm* f) { vt::ClickControl(static_cast<Dlg*>(f)->btngetpic); })
        .ChooseFiles({picture_});
  }
  static void Click(vt::TDialogScript& script, const std::string& button) {
    script.Do([button](vcl::TCustomForm* f) {
      vt::ClickControl(designtest::On<vcl::TControl>(f, button));
    });
  }
  // Starts the generator from the keyboard and queues `keys` behind it, so that they arrive
  // while it runs.
  static void ExecuteWith(vt::TDialogScript& script, std::vector<std::pair<uint8_t, bool>> keys) {
    script.Do([keys](vcl::TCustomForm* f) {
      static_cast<Dlg*>(f)->EXECUTE->SetFocus();
      wt::RunUntilIdle();
      wt::QueueKey(win::VK_SPACE, true);
      wt::QueueKey(win::VK_SPACE, false);
      for (auto [vk, down] : keys) wt::QueueKey(vk, down);
      wt::RunUntilIdle();
    });
  }

  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  testsupport::TempDir dir_;
  const std::string picture_ = dir_.File("shape.bmp");
  vcl::TBitmap src_, up_, down_, dis_;
};

// What a control group of the form says: enabled buttons, and the state box.
std::string States(Dlg* f) {
  std::string s;
  for (vcl::TControl* c : std::vector<vcl::TControl*>{f->Ok, f->EXECUTE, f->STOP, f->cmbState})
    s += c->Name() + (c->Enabled() ? "+ " : "- ");
  return s + f->cmbState->Text();
}

TEST_F(EffectEditor, TheFormShowsWhatItsOpenerHandsIn) {
  std::vector<vcl::TColor> shown;
  int width = -1;
  std::string states;
  Run(
      [&](vt::TDialogScript& script) {
        script.Do([&](vcl::TCustomForm* form) {
          auto* f = static_cast<Dlg*>(form);
          for (auto* box : {f->cmbB, f->cmbD, f->cmbL, f->cmbS})
            shown.push_back(box->SelectedColor());
          width = f->spind->IntValue();
          states = States(f);
          wt::WritePng(designtest::CaptureControl(f), "/tmp/effect_editor.png");
        });
        script.Press("Cancel");
      },
      9);
  EXPECT_EQ(shown, std::vector<vcl::TColor>(std::begin(kColors), std::end(kColors)));
  EXPECT_EQ(width, 5);
  EXPECT_EQ(states, "Ok- EXECUTE+ STOP- cmbState- Original");
}

TEST_F(EffectEditor, ExecuteWithoutAPictureDoesNothing) {
  std::string states;
  EXPECT_EQ(Run([&](vt::TDialogScript& script) {
              Click(script, "EXECUTE");
              script.Do([&](vcl::TCustomForm* f) { states = States(static_cast<Dlg*>(f)); });
              script.Press("Cancel");
            }),
            vcl::mrCancel);
  EXPECT_EQ(states, "Ok- EXECUTE+ STOP- cmbState- Original");
  EXPECT_TRUE(up_.Empty());
  EXPECT_TRUE(dis_.Empty());
}

TEST_F(EffectEditor, ARunMakesThePicturesAndTheStateBoxShowsEach) {
  std::vector<std::string> states;
  std::vector<wt::TCapture> shown;
  const auto look = [&](vcl::TCustomForm* form) {
    auto* f = static_cast<Dlg*>(form);
    states.push_back(States(f));
    shown.push_back(designtest::Capture(*f->BtnImg->Picture()->Bitmap()));
  };
  EXPECT_EQ(Run([&](vt::TDialogScript& script) {
              LoadPicture(script);
              script.Do(look);
              script.Do([](vcl::TCustomForm* f) {
                vt::TypeInto(static_cast<Dlg*>(f)->spind, "1");
                designtest::ChooseComboItem(static_cast<Dlg*>(f)->cmbL, "clAqua");
              });
              Click(script, "EXECUTE");
              script.Do(look);
              for (const char* state : {"Down", "Disabled", "Original", "Up"}) {
                script.Do([state, look](vcl::TCustomForm* f) {
                  designtest::ChooseComboItem(static_cast<Dlg*>(f)->cmbState, state);
                  look(f);
                });
              }
              script.Press("OK");
            }),
            vcl::mrOk);
  // The generator ran with the colours of the boxes, light changed, and the width of the spin
  // edit, on the silver background the picture's bottom-left pixel has.
  vcl::TBitmap up, down, dis;
  ZYLDrawButton3D(&src_, &up, &down, &dis, vcl::clSilver, vcl::clAqua, kColors[Dlg::ciShadow],
                  kColors[Dlg::ciDisabled], vcl::clNone, vcl::clNone, kColors[Dlg::ciBevel], false,
                  1, nullptr);
  EXPECT_TRUE(wt::SamePixels(designtest::Capture(up_), designtest::Capture(up), "effect_up"));
  EXPECT_TRUE(wt::SamePixels(designtest::Capture(down_), designtest::Capture(down), "effect_down"));
  EXPECT_TRUE(wt::SamePixels(designtest::Capture(dis_), designtest::Capture(dis), "effect_dis"));
  EXPECT_EQ(states,
            (std::vector<std::string>{
                "Ok- EXECUTE+ STOP- cmbState- Original", "Ok+ EXECUTE+ STOP- cmbState+ Up",
                "Ok+ EXECUTE+ STOP- cmbState+ Down", "Ok+ EXECUTE+ STOP- cmbState+ Disabled",
                "Ok+ EXECUTE+ STOP- cmbState+ Original", "Ok+ EXECUTE+ STOP- cmbState+ Up"}));
  vcl::TBitmap* const expected[] = {&src_, &up_, &down_, &dis_, &src_, &up_};
  ASSERT_EQ(shown.size(), 6u);
  for (size_t i = 0; i < shown.size(); ++i)
    EXPECT_TRUE(wt::SamePixels(shown[i], designtest::Capture(*expected[i]),
                               "effect_shown_" + std::to_string(i)));
}

TEST_F(EffectEditor, StopDuringARunLeavesThePicturesAlone) {
  std::string states, caption;
  int position = -1;
  Run([&](vt::TDialogScript& script) {
    LoadPicture(script);
    ExecuteWith(script, {{win::VK_MENU, true}, {'S', true}, {'S', false}, {win::VK_MENU, false}});
    script.Do([&](vcl::TCustomForm* form) {
      auto* f = static_cast<Dlg*>(form);
      states = States(f);
      caption = f->styler->Caption();
      position = f->zylprog->Position();
    });
    script.Press("Cancel");
  });
  EXPECT_EQ(states, "Ok- EXECUTE+ STOP- cmbState- Original");
  EXPECT_EQ(caption, "3DEffect-Editor");
  EXPECT_EQ(position, 0);
  EXPECT_TRUE(up_.Empty());
  EXPECT_TRUE(down_.Empty());
}

TEST_F(EffectEditor, CancelDuringARunAbortsItAndClosesTheForm) {
  EXPECT_EQ(Run([&](vt::TDialogScript& script) {
              LoadPicture(script);
              ExecuteWith(script, {{win::VK_ESCAPE, true}, {win::VK_ESCAPE, false}});
            }),
            vcl::mrCancel);
  EXPECT_TRUE(up_.Empty());
  EXPECT_FALSE(ZYL3DEffectAborted());
}

TEST_F(EffectEditor, ANewPictureAfterARunDisablesOKAgain) {
  std::string states;
  Run([&](vt::TDialogScript& script) {
    LoadPicture(script);
    Click(script, "EXECUTE");
    LoadPicture(script);
    script.Do([&](vcl::TCustomForm* f) { states = States(static_cast<Dlg*>(f)); });
    script.Press("Cancel");
  });
  EXPECT_EQ(states, "Ok- EXECUTE+ STOP- cmbState- Original");
}

TEST_F(EffectEditor, ACaptionWithTextBecomesThePictureOnSilver) {
  for (const char* text : {"Go", ""}) {
    SCOPED_TRACE(std::string("text \"") + text + "\"");
    src_.SetSize(0, 0);
    std::string states;
    bool multiLineShown = true;
    Run([&](vt::TDialogScript& script) {
      Click(script, "btngetcap");
      script.Do([&](vcl::TCustomForm* f) {
        multiLineShown = designtest::On<vcl::TControl>(f, "chk")->Visible();
        vt::TypeInto(designtest::On<vcl::TWinControl>(f, "cap"), text);
      });
      script.Press("OK");
      script.Do([&](vcl::TCustomForm* f) { states = States(static_cast<Dlg*>(f)); });
      script.Press("Cancel");
    });
    EXPECT_FALSE(multiLineShown);
    EXPECT_EQ(states, "Ok- EXECUTE+ STOP- cmbState- Original");
    if (*text) {
      ASSERT_FALSE(src_.Empty());
      EXPECT_EQ(ZYL3DEffectTransparentColor(&src_), vcl::clSilver);
    } else {
      EXPECT_TRUE(src_.Empty());
    }
  }
}

}  // namespace
}  // namespace zyl
