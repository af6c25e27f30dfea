// The object editor forms: every editor works on a copy that only OK assigns back; the bevel
// editor's pages, its synchronised fields, its reset and its live preview.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLSimplePanel.h"
#include "design/pZYLBevelEditorDlg.h"
#include "design/pZYLBrushEditorDlg.h"
#include "design/pZYLGradientEditorDlg.h"
#include "design/pZYLGraphicLabelEditor.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLShadowEditorDlg.h"
#include "design/pZYLSimpleBevelEditorDlg.h"
#include "design/pZYLSmallBarEditorDlg.h"
#include "design/pZYLTeethEditorDlg.h"
#include "display/ZYLFill.h"
#include "display/ZYLGraphicLabel.h"
#include "display/ZYLProgress.h"
#include "display/ZYLShapeControl.h"
#include "display/ZYLSmallBar.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Filer.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

using designtest::TEditorCase;

TZYLBevel* PanelBevel(vcl::TComponent* c) { return static_cast<TZYLSimplePanel*>(c)->Bevel(); }
TZYLShapeControl* Shape(vcl::TComponent* c) { return static_cast<TZYLShapeControl*>(c); }

// A shape control named Target whose settings objects hold values other than their defaults.
std::unique_ptr<vcl::TComponent> MakeShape() {
  auto s = std::make_unique<TZYLShapeControl>(nullptr);
  s->SetName("Target");
  s->Shadow()->SetDepth(9);
  s->Bevel()->SetWidth(2);
  s->Teeth()->SetCount(12);
  return std::unique_ptr<vcl::TComponent>(std::move(s));
}

std::vector<TEditorCase> EditorCases() {
  std::vector<TEditorCase> cases = {
      {"bevel",
       [] {
         auto p = std::make_unique<TZYLSimplePanel>(nullptr);
         p->SetName("Target");
         p->Bevel()->SetMode(bmCustom);
         p->Bevel()->SetBevelStyleOuter(bvLowered);
         return std::unique_ptr<vcl::TComponent>(std::move(p));
       },
       [](vcl::TComponent* c) { return TZYLBevelEditorDlg::Edit(PanelBevel(c)); },
       [](vcl::TCustomForm* f) {
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmb1"), "bvRaised");
         vt::TypeInto(On<vcl::TWinControl>(f, "edbw"), "3");
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmbb"), "clRed");
       },
       [](vcl::TComponent* c) {
         TZYLBevel* b = PanelBevel(c);
         EXPECT_EQ(b->StyleOuter(), bvRaised);
         EXPECT_EQ(b->BorderWidth(), 3);
         EXPECT_EQ(b->BorderColor(), vcl::clRed);
       }},
      {"shadow", MakeShape,
       [](vcl::TComponent* c) { return TZYLShadowEditorDlg::Edit(Shape(c)->Shadow()); },
       [](vcl::TCustomForm* f) {
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmbstyle"), "hssTracing");
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmbS"), "clNavy");
         vt::TypeInto(On<vcl::TWinControl>(f, "spind"), "12");
       },
       [](vcl::TComponent* c) {
         EXPECT_EQ(Shape(c)->Shadow()->Style(), hssTracing);
         EXPECT_EQ(Shape(c)->Shadow()->Color(), vcl::clNavy);
         EXPECT_EQ(Shape(c)->Shadow()->Depth(), 12);
       }},
      {"simple bevel", MakeShape,
       [](vcl::TComponent* c) { return TZYLSimpleBevelEditorDlg::Edit(Shape(c)->Bevel()); },
       [](vcl::TCustomForm* f) {
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmbstyle"), "sbOffset");
         vt::TypeInto(On<vcl::TWinControl>(f, "spind"), "5");
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmbn"), "clGreen");
       },
       [](vcl::TComponent* c) {
         EXPECT_EQ(Shape(c)->Bevel()->Style(), sbOffset);
         EXPECT_EQ(Shape(c)->Bevel()->Width(), 5);
         EXPECT_EQ(Shape(c)->Bevel()->Color(), vcl::clGreen);
       }},
      {"gradient",
       [] {
         auto f = std::make_unique<TZYLFill>(nullptr);
         f->SetName("Target");
         f->FillObject()->SetFillStyle(sfGradient);
         f->FillObject()->Gradient()->SetColorList({vcl::clRed, vcl::clLime, vcl::clBlue});
         return std::unique_ptr<vcl::TComponent>(std::move(f));
       },
       [](vcl::TComponent* c) {
         return TZYLGradientEditorDlg::Edit(static_cast<TZYLFill*>(c)->FillObject()->Gradient());
       },
       [](vcl::TCustomForm* f) {
         vt::TypeInto(On<vcl::TWinControl>(f, "edbiw"), "40");
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "direct"), "gsElliptic");
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmbL"), "clYellow");
       },
       [](vcl::TComponent* c) {
         TZYLGradient* g = static_cast<TZYLFill*>(c)->FillObject()->Gradient();
         EXPECT_EQ(g->ColorCount(), 40);
         EXPECT_EQ(g->Style(), gstElliptic);
         EXPECT_EQ(g->EndColor(), vcl::clYellow);
         EXPECT_EQ(g->ColorList(),
                   (std::vector<vcl::TColor>{vcl::clRed, vcl::clLime, vcl::clBlue}));
       }},
      {"brush",
       [] {
         auto s = std::make_unique<vcl::TShape>(nullptr);
         s->SetName("Target");
         s->Brush()->SetColor(vcl::clLime);
         return std::unique_ptr<vcl::TComponent>(std::move(s));
       },
       [](vcl::TComponent* c) {
         return TZYLBrushEditorDlg::Edit(static_cast<vcl::TShape*>(c)->Brush());
       },
       [](vcl::TCustomForm* f) {
         // Walking the styles from the keyboard passes bsClear, which whitens the brush: the
         // colour comes second.
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmb"), "bsDiagCross");
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmbc"), "clPurple");
       },
       [](vcl::TComponent* c) {
         EXPECT_EQ(static_cast<vcl::TShape*>(c)->Brush()->Color(), vcl::clPurple);
         EXPECT_EQ(static_cast<vcl::TShape*>(c)->Brush()->Style(), vcl::bsDiagCross);
       }},
      {"small bar",
       [] {
         auto p = std::make_unique<TZYLProgress>(nullptr);
         p->SetName("Target");
         p->SmallBar()->SetBarCount(4);
         return std::unique_ptr<vcl::TComponent>(std::move(p));
       },
       [](vcl::TComponent* c) {
         return TZYLSmallBarEditorDlg::Edit(static_cast<TZYLProgress*>(c)->SmallBar());
       },
       [](vcl::TCustomForm* f) {
         vt::TypeInto(On<vcl::TWinControl>(f, "spinc"), "12");
         vt::TypeInto(On<vcl::TWinControl>(f, "spinv"), "1");
         vt::ClickControl(On<vcl::TControl>(f, "chk"));
       },
       [](vcl::TComponent* c) {
         TZYLSmallBar* b = static_cast<TZYLProgress*>(c)->SmallBar();
         EXPECT_EQ(b->BarCount(), 12);
         EXPECT_EQ(b->VSpace(), 1);
         EXPECT_FALSE(b->AutoSize());
       }},
      {"teeth", MakeShape,
       [](vcl::TComponent* c) { return TZYLTeethEditorDlg::Edit(Shape(c)->Teeth()); },
       [](vcl::TCustomForm* f) {
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmb"), "tdUp");
         vt::TypeInto(On<vcl::TWinControl>(f, "spinc"), "20");
         vt::TypeInto(On<vcl::TWinControl>(f, "spinh"), "7");
         vt::ClickControl(On<vcl::TControl>(f, "chko"));
       },
       [](vcl::TComponent* c) {
         EXPECT_EQ(Shape(c)->Teeth()->Direction(), tdUp);
         EXPECT_EQ(Shape(c)->Teeth()->Count(), 20);
         EXPECT_EQ(Shape(c)->Teeth()->Height(), 7);
         EXPECT_FALSE(Shape(c)->Teeth()->Offset());
       }},
      {"graphic label",
       [] {
         auto l = std::make_unique<TZYLGraphicLabel>(nullptr);
         l->SetName("Target");
         l->SetFactor(40);
         return std::unique_ptr<vcl::TComponent>(std::move(l));
       },
       [](vcl::TComponent* c) {
         return TZYLFormGraphicLabelEditor::Edit(static_cast<TZYLGraphicLabel*>(c));
       },
       [](vcl::TCustomForm* f) {
         designtest::ChooseComboItem(On<vcl::TWinControl>(f, "ComboBoxTransform"), "tmArrow");
         vt::TypeInto(On<vcl::TWinControl>(f, "ZYLSpinEditFactor"), "250");
         On<vcl::TPageControl>(f, "TabbedNotebookProperties")->SetActivePageIndex(3);
         vt::ClickControl(On<vcl::TControl>(f, "CheckBoxToggled"));
       },
       [](vcl::TComponent* c) {
         auto* l = static_cast<TZYLGraphicLabel*>(c);
         EXPECT_EQ(l->Transform(), ZYLGrlf::tmArrow);
         EXPECT_EQ(l->Factor(), 250);
         EXPECT_EQ(l->Attributes(),
                   (TZYLTransLabelAttr{ZYLGrlf::taAutoToggled, ZYLGrlf::taToggled}));
       }},
  };
  for (TEditorCase& c : designtest::SettingsEditorCases()) cases.push_back(std::move(c));
  return cases;
}

class ObjectEditors : public ::testing::Test {
 protected:
  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
};

TEST_F(ObjectEditors, OnlyOKAssignsTheWorkingCopyBack) {
  for (const TEditorCase& c : EditorCases()) {
    for (TEnding ending : {TEnding::Ok, TEnding::Cancel, TEnding::CloseBox, TEnding::Escape,
                           TEnding::Exception, TEnding::Unanswered}) {
      SCOPED_TRACE(std::string(c.Name) + ", " + designtest::EndingName(ending));
      auto holder = c.MakeHolder();
      const std::string before = vcl::WriteComponentToBytes(holder.get());
      vt::TDialogScript script;
      designtest::AnswerEditor(script, c.Change, ending);
      const auto [accepted, error] = designtest::OutcomeOf([&] { return c.Edit(holder.get()); });
      ASSERT_EQ(script.Shown().size(), 1u) << error;
      if (ending == TEnding::Ok) {
        EXPECT_TRUE(accepted);
        EXPECT_EQ(error, "");
        c.ExpectEdited(holder.get());
        EXPECT_NE(vcl::WriteComponentToBytes(holder.get()), before);
        continue;
      }
      EXPECT_FALSE(accepted);
      EXPECT_EQ(vcl::WriteComponentToBytes(holder.get()), before);
      designtest::ExpectEndingError(ending, error);
    }
  }
}

TEST_F(ObjectEditors, AFormWithoutItsLayoutIsAClearError) {
  ZYLUnregisterEditorLayout("TZYLBevelEditorDlg");
  TZYLBevel bevel;
  EXPECT_EQ(testsupport::ErrorOf<vcl::EResNotFound>([&] { TZYLBevelEditorDlg::Edit(&bevel); }),
            "The editor form TZYLBevelEditorDlg has no layout in the package");
}

class BevelEditor : public ObjectEditors {
 protected:
  // Opens the editor on bevel_ and runs `look` on the form, then leaves it with OK or Cancel.
  bool Run(const std::function<void(TZYLBevelEditorDlg*)>& look, bool ok = true) {
    vt::TDialogScript script;
    designtest::AnswerEditorAs<TZYLBevelEditorDlg>(script, look,
                                                   ok ? TEnding::Ok : TEnding::Cancel);
    return TZYLBevelEditorDlg::Edit(&bevel_);
  }
  TZYLBevel bevel_;
};

TEST_F(BevelEditor, TheFormShowsThePageOfTheBevelsModeWithItsRadioButtonChecked) {
  struct {
    TZYLBevelMode Mode;
    const char* Page;
    const char* Radio;
  } const cases[] = {{bmCustom, "Custom", "rbCustom"},
                     {bmStandard, "Standard", "rbStandard"},
                     {bmEdge, "Edged", "rbEdge"},
                     {bmWindows, "Windows", "rbWindow"}};
  for (const auto& c : cases) {
    bevel_.SetMode(c.Mode);
    std::string page;
    std::vector<bool> radios;
    Run([&](TZYLBevelEditorDlg* f) {
      page = f->nb->ActivePage()->Caption();
      for (auto* rb : {f->rbCustom, f->rbStandard, f->rbEdge, f->rbWindow})
        radios.push_back(rb->Checked());
      EXPECT_EQ(f->Caption(), "Bevel-Editor");
      EXPECT_TRUE(On<vcl::TRadioButton>(f, c.Radio)->Checked());
    });
    EXPECT_EQ(page, c.Page);
    EXPECT_EQ(std::count(radios.begin(), radios.end(), true), 1) << c.Page;
  }
}

TEST_F(BevelEditor, APropertyShownOnThreePagesShowsOneValueInAllThree) {
  bevel_.SetMode(bmEdge);
  std::vector<vcl::TColor> colors;
  std::vector<int> widths;
  Run([&](TZYLBevelEditorDlg* f) {
    designtest::ChooseComboItem(f->cmbb2, "clBlue");
    vt::TypeInto(f->edbiw2, "7");
    for (auto* c : {f->cmbb, f->cmbb2, f->cmbb3}) colors.push_back(c->SelectedColor());
    for (auto* e : {f->edbiw, f->edbiw2, f->edbiw3}) widths.push_back(e->IntValue());
  });
  EXPECT_EQ(colors, std::vector<vcl::TColor>(3, vcl::clBlue));
  EXPECT_EQ(widths, std::vector<int>(3, 7));
  EXPECT_EQ(bevel_.BorderColor(), vcl::clBlue);
  EXPECT_EQ(bevel_.BorderInnerWidth(), 7);
}

TEST_F(BevelEditor, ResetThenOKGivesEveryDefault) {
  bevel_.SetMode(bmStandard);
  bevel_.SetStyle(lsDoubleRaised);
  bevel_.SetBorderWidth(9);
  bevel_.SetColor(TZYLBevel::ciLightColor, vcl::clLime);
  Run([](TZYLBevelEditorDlg* f) { vt::ClickControl(f->btReset); });
  TZYLBevel defaults;
  auto stream = [](TZYLBevel* b) {
    TZYLSimplePanel p(nullptr);
    p.SetBevel(b);
    return vcl::WriteComponentToBytes(&p);
  };
  EXPECT_EQ(stream(&bevel_), stream(&defaults));
}

TEST_F(BevelEditor, UncheckingAllSidesLeavesNoSide) {
  bevel_.SetMode(bmEdge);
  bevel_.SetBorderSides({fsLeft, fsTop, fsRight, fsBottom});
  Run([](TZYLBevelEditorDlg* f) {
    for (auto* cb : {f->cbLeft, f->cbTop, f->cbRight, f->cbBottom}) vt::ClickControl(cb);
  });
  EXPECT_TRUE(bevel_.BorderSides().empty());
  Run([](TZYLBevelEditorDlg* f) { vt::ClickControl(f->cbTop); });
  EXPECT_EQ(bevel_.BorderSides(), TZYLFrameSides({fsTop}));
}

// Each style list sets its style of the bevel to the chosen item.
TEST_F(BevelEditor, EachStyleListSetsItsStyle) {
  struct {
    TZYLBevelMode Mode;
    const char* List;
    const char* Item;
    std::function<int(const TZYLBevel&)> Style;
    int Expected;
  } const cases[] = {
      {bmStandard, "cmbStandard", "lsFrameInset",
       [](const TZYLBevel& b) { return static_cast<int>(b.StandardStyle()); }, lsFrameInset},
      {bmCustom, "cmb", "bvShadow",
       [](const TZYLBevel& b) { return static_cast<int>(b.StyleInner()); }, bvShadow},
      {bmCustom, "cmb1", "bvFrameLowered",
       [](const TZYLBevel& b) { return static_cast<int>(b.StyleOuter()); }, bvFrameLowered},
      {bmEdge, "cmbEdge", "etBump",
       [](const TZYLBevel& b) { return static_cast<int>(b.EdgeStyle()); }, etBump},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.List);
    bevel_.Assign(std::make_unique<TZYLBevel>().get());
    bevel_.SetMode(c.Mode);
    Run([&](TZYLBevelEditorDlg* f) {
      designtest::ChooseComboItem(On<vcl::TWinControl>(f, c.List), c.Item);
    });
    EXPECT_EQ(c.Style(bevel_), c.Expected);
    EXPECT_EQ(bevel_.Mode(), c.Mode);
  }
}

TEST_F(BevelEditor, ARadioButtonSwitchesTheModeAndCancelForgetsIt) {
  bevel_.SetMode(bmCustom);
  Run(
      [](TZYLBevelEditorDlg* f) {
        f->nb->SetActivePage(f->tb3);
        vt::ClickControl(f->rbEdge);
        EXPECT_EQ(f->test->Bevel()->Mode(), bmEdge);
        EXPECT_FALSE(f->rbCustom->Checked());
      },
      false);
  EXPECT_EQ(bevel_.Mode(), bmCustom);
}

TEST_F(BevelEditor, TheColourButtonChangesItsOwnBoxOnly) {
  bevel_.SetMode(bmCustom);
  vt::TDialogScript script;
  std::vector<vcl::TColor> after;
  script.Do([&](vcl::TCustomForm* form) {
    auto* f = static_cast<TZYLBevelEditorDlg*>(form);
    vt::ClickControl(f->bt11);  // beside LightColor; the colour dialog answers next
    for (auto* c : {f->cmbb, f->cmbL, f->cmbs}) after.push_back(c->SelectedColor());
  });
  script.ChooseColor(vcl::clRed);
  script.Press("OK");
  const vcl::TColor border = bevel_.BorderColor(), shadow = bevel_.ShadowColor();
  ASSERT_TRUE(TZYLBevelEditorDlg::Edit(&bevel_));
  EXPECT_EQ(after, (std::vector<vcl::TColor>{border, vcl::clRed, shadow}));
  EXPECT_EQ(bevel_.LightColor(), vcl::clRed);
  EXPECT_EQ(bevel_.BorderColor(), border);
  EXPECT_EQ(bevel_.ShadowColor(), shadow);
}

TEST_F(BevelEditor, ThePreviewShowsEachChangeAtOnce) {
  bevel_.SetMode(bmCustom);
  wt::TCapture before, after, expected;
  Run([&](TZYLBevelEditorDlg* f) {
    before = designtest::CaptureControl(f->test);
    designtest::ChooseComboItem(f->cmb1, "bvRaised");
    vt::TypeInto(f->edbw, "4");
    designtest::ChooseComboItem(f->cmbb, "clRed");
    after = designtest::CaptureControl(f->test);
    // The same bevel on a panel of the same size in a plain form.
    expected = designtest::CaptureSample(f->test, [](vcl::TForm* host) {
      auto* p = new TZYLSimplePanel(host);
      TZYLBevel want;
      want.SetMode(bmCustom);
      want.SetBevelStyleOuter(bvRaised);
      want.SetBorderWidth(4);
      want.SetColor(TZYLBevel::ciBorderColor, vcl::clRed);
      p->SetBevel(&want);
      return p;
    });
  });
  EXPECT_GT(wt::CountDifferentPixels(before, after), 0);
  EXPECT_TRUE(wt::SamePixels(after, expected, "bevel_editor_preview"));
  // Inside the raised outer line (one pixel) the red border runs four pixels wide.
  EXPECT_TRUE(wt::PixelsMatch(after, [](int, int) { return win::RGB(255, 0, 0); },
                              "bevel_editor_border",
                              {1, after.Height / 2, 5, after.Height / 2 + 1}));
}

}  // namespace
}  // namespace zyl
