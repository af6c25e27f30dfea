// The caption, layout, fill, effect caption, transparency and LED editors: what their openers
// change on the form, Reset, nested editors on the working copy, and the live previews.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLBrushEditorDlg.h"
#include "design/pZYLButtonLayoutEditorDlg.h"
#include "design/pZYLCaptionEditorDlg.h"
#include "design/pZYLFillEditorDlg.h"
#include "design/pZYLFxEditorDlg.h"
#include "design/pZYLGlyphTextLayoutEditorDlg.h"
#include "design/pZYLGradientEditorDlg.h"
#include "design/pZYLLEDEditorDlg.h"
#include "design/pZYLSmallBarEditorDlg.h"
#include "design/pZYLTransparentEditorDlg.h"
#include "display/ZYLFill.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLLED.h"
#include "display/ZYLLEDLabel.h"
#include "display/ZYLLabel.h"
#include "display/ZYLNImage.h"
#include "display/ZYLProgress.h"
#include "display/ZYLShapeControl.h"
#include "display/ZYLSmallBar.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/classes/Filer.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "system/ZYLFormStyler.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

class SettingsEditorEdges : public ::testing::Test {
 protected:
  // Queues one answer to the next editor: `look` on the form, then `ending`.
  template <class TDlg>
  void Answer(const std::function<void(TDlg*)>& look, TEnding ending = TEnding::Ok) {
    designtest::AnswerEditorAs<TDlg>(script_, look, ending);
  }
  static std::string Stream(vcl::TComponent* c) { return vcl::WriteComponentToBytes(c); }

  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  vt::TDialogScript script_;
};

TEST_F(SettingsEditorEdges, AnAngleOf360IsStoredAndShownAs0) {
  TZYLFxCaption fx;
  fx.SetAngle(30);
  int shown = -1;
  Answer<TZYLFxEditorDlg>([&](TZYLFxEditorDlg* f) {
    vt::TypeInto(f->anglev, "360");
    shown = f->anglev->IntValue();
    EXPECT_EQ(f->Copy()->Angle(), 0);
  });
  ASSERT_TRUE(TZYLFxEditorDlg::EditFx(&fx));
  EXPECT_EQ(shown, 0);
  EXPECT_EQ(fx.Angle(), 0);
}

TEST_F(SettingsEditorEdges, TheTwoEffectOpenersDifferInCaptionAndAngleControl) {
  struct TSeen {
    std::string Caption;
    bool Angle = false, AngleLabel = false, SystemGradient = false;
  };
  TSeen fx, d3;
  auto look = [](TSeen& seen) {
    return [&seen](TZYLFxEditorDlg* f) {
      seen = {f->Caption(), f->anglev->Visible(), f->rt->Visible(),
              f->fs->Options().contains(fsCheckSystemGradient)};
    };
  };
  Answer<TZYLFxEditorDlg>(look(fx), TEnding::Cancel);
  Answer<TZYLFxEditorDlg>(look(d3), TEnding::Cancel);
  TZYLFxCaption fxCaption;
  TZYL3DCaption caption3D;
  EXPECT_FALSE(TZYLFxEditorDlg::EditFx(&fxCaption));
  EXPECT_FALSE(TZYLFxEditorDlg::Edit3D(&caption3D));
  EXPECT_EQ(fx.Caption, "FxCaption-Editor");
  EXPECT_TRUE(fx.Angle && fx.AngleLabel && fx.SystemGradient);
  EXPECT_EQ(d3.Caption, "3DCaption-Editor");
  EXPECT_FALSE(d3.Angle || d3.AngleLabel);
  EXPECT_TRUE(d3.SystemGradient);
}

TEST_F(SettingsEditorEdges, EachOptionBoxAddsItsOptionAndTakesItAway) {
  const struct {
    const char* Box;
    TZYLFillOption Option;
  } cases[] = {{"ck1", foFillInner}, {"ck2", foQuickDraw}, {"ck3", foGrUseBitmap}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Box);
    TZYLFillObject fill;
    const bool before = fill.Options().contains(c.Option);
    std::vector<bool> seen;
    Answer<TZYLFillEditorDlg>([&](TZYLFillEditorDlg* f) {
      for (int i = 0; i < 2; ++i) {
        vt::ClickControl(On<vcl::TControl>(f, c.Box));
        seen.push_back(f->Copy()->Options().contains(c.Option));
      }
      vt::ClickControl(On<vcl::TControl>(f, c.Box));
    });
    ASSERT_TRUE(TZYLFillEditorDlg::EditFillObject(&fill));
    EXPECT_EQ(seen, (std::vector<bool>{!before, before}));
    EXPECT_EQ(fill.Options().contains(c.Option), !before);
  }
}

TEST_F(SettingsEditorEdges, TheShapeFillOpenerHidesWhatAShapeFillLacks) {
  const char* const hidden[] = {"ck1", "ck2", "ck3", "btest", "btnbrush"};
  for (bool shape : {false, true}) {
    SCOPED_TRACE(shape ? "shape fill" : "fill object");
    std::vector<bool> visible;
    bool info = !shape;
    std::string caption;
    Answer<TZYLFillEditorDlg>(
        [&](TZYLFillEditorDlg* f) {
          for (const char* name : hidden) visible.push_back(On<vcl::TControl>(f, name)->Visible());
          info = f->info->Visible();
          caption = f->Caption();
        },
        TEnding::Cancel);
    TZYLFillObject fill;
    if (shape)
      TZYLFillEditorDlg::EditShapeFill(&fill);
    else
      TZYLFillEditorDlg::EditFillObject(&fill);
    EXPECT_EQ(visible, std::vector<bool>(5, !shape));
    EXPECT_EQ(info, shape);
    EXPECT_EQ(caption, shape ? "ShapeFill-Editor" : "FillObject-Editor");
  }
}

TEST_F(SettingsEditorEdges, TheMultiLineBoxShowsExactlyWhenTheOpenerAsks) {
  for (bool show : {true, false}) {
    TZYLCaption caption;
    caption.SetMultiLine(true);
    bool visible = !show, checked = false;
    Answer<TZYLCaptionEditorDlg>(
        [&](TZYLCaptionEditorDlg* f) {
          visible = f->chk->Visible();
          checked = f->chk->Checked();
        },
        TEnding::Cancel);
    EXPECT_FALSE(TZYLCaptionEditorDlg::Edit(&caption, show));
    EXPECT_EQ(visible, show);
    EXPECT_TRUE(checked);
  }
}

TEST_F(SettingsEditorEdges, ChoosingAModeShowsItsDescription) {
  const std::vector<std::string> texts = {
      "No transparent drawing", "Real transparent drawing with transparent color of Bitmap ",
      "Replaces the transparent Color of the Bitmap with Color",
      "Real transparent drawing with specified color in property Color"};
  TZYLTransparent transparent;
  transparent.SetStyle(tpRBTranspColor);
  std::vector<std::string> seen;
  Answer<TZYLTransparentEditorDlg>([&](TZYLTransparentEditorDlg* f) {
    seen.push_back(f->lbl->Caption());
    for (const char* mode : {"tpNone", "tpRestoreBack", "tpTransparentColor", "tpRBTranspColor"}) {
      designtest::ChooseComboItem(f->cmb, mode);
      seen.push_back(f->lbl->Caption());
    }
    designtest::ChooseComboItem(f->cmb, "tpRestoreBack");
  });
  ASSERT_TRUE(TZYLTransparentEditorDlg::Edit(&transparent));
  std::vector<std::string> expected = {texts[3]};
  expected.insert(expected.end(), texts.begin(), texts.end());
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(transparent.Mode(), tpRestoreBack);
}

// Reset and OK leave the edited object as a new object of its class would be assigned.
struct TResetCase {
  const char* Name;
  std::function<std::unique_ptr<vcl::TComponent>(bool defaults)> MakeHolder;
  std::function<bool(vcl::TComponent*)> Edit;
};

template <class T>
std::unique_ptr<vcl::TComponent> Named(T* c) {
  c->SetName("Target");
  return std::unique_ptr<vcl::TComponent>(c);
}

// A case on the object `get` finds in a holder of class THolder: `vary` moves it off its
// defaults, `edit` opens the editor on it; TDefault is the class whose new object Reset copies.
template <class THolder, class TObj, class TDefault = TObj>
TResetCase ResetCase(const char* name, std::function<TObj*(THolder*)> get,
                     std::function<void(TObj*)> vary, std::function<bool(TObj*)> edit) {
  return {name,
          [get, vary](bool defaults) {
            auto* h = new THolder(nullptr);
            if (defaults) {
              TDefault fresh;
              get(h)->Assign(&fresh);
            } else {
              vary(get(h));
            }
            return Named(h);
          },
          [get, edit](vcl::TComponent* c) { return edit(get(static_cast<THolder*>(c))); }};
}

TEST_F(SettingsEditorEdges, ResetThenOKGivesTheDefaultsOfANewObject) {
  const TResetCase cases[] = {
      ResetCase<TZYLShapeControl, TZYLCaption>(
          "caption", [](TZYLShapeControl* s) { return s->Caption(); },
          [](TZYLCaption* c) { c->SetAlignment(agBottomLeft), c->SetMultiLine(true); },
          [](TZYLCaption* c) { return TZYLCaptionEditorDlg::Edit(c, true); }),
      ResetCase<TZYLSpeedButton, TZYLButtonLayout>(
          "button layout", [](TZYLSpeedButton* b) { return b->Layout(); },
          [](TZYLButtonLayout* l) { l->SetArrow(true), l->SetSpacing(30); },
          [](TZYLButtonLayout* l) { return TZYLButtonLayoutEditorDlg::Edit(l); }),
      ResetCase<TZYLGlyphLabel, TZYLGlyphTextLayout, TZYLButtonLayout>(
          "glyph-text layout", [](TZYLGlyphLabel* l) { return l->GlyphLayout(); },
          [](TZYLGlyphTextLayout* l) { l->SetOffset(TZYLGlyphTextLayout::oiOffsetY, 40); },
          [](TZYLGlyphTextLayout* l) { return TZYLGlyphTextLayoutEditorDlg::Edit(l); }),
      ResetCase<TZYLFill, TZYLFillObject>(
          "fill", [](TZYLFill* f) { return f->FillObject(); },
          [](TZYLFillObject* o) { o->SetFillStyle(sfGradient), o->SetTileMode(tmStretch); },
          [](TZYLFillObject* o) { return TZYLFillEditorDlg::EditFillObject(o); }),
      ResetCase<TZYLLabel, TZYLFxCaption>(
          "effect caption", [](TZYLLabel* l) { return l->FontFX(); },
          [](TZYLFxCaption* fx) { fx->SetStyle(tdExtrude), fx->SetTracing(9); },
          [](TZYLFxCaption* fx) { return TZYLFxEditorDlg::EditFx(fx); }),
      ResetCase<TZYLLEDLabel, TZYLLED>(
          "LED", [](TZYLLEDLabel* l) { return l->LED(); },
          [](TZYLLED* led) { led->SetByte(TZYLLED::biThickness, 7), led->SetEnabled(false); },
          [](TZYLLED* led) { return TZYLLEDEditorDlg::Edit(led); }),
      ResetCase<TZYLProgress, TZYLSmallBar>(
          "small bar", [](TZYLProgress* p) { return p->SmallBar(); },
          [](TZYLSmallBar* b) { b->SetBarCount(4), b->SetAutoSize(false); },
          [](TZYLSmallBar* b) { return TZYLSmallBarEditorDlg::Edit(b); }),
  };
  for (const TResetCase& c : cases) {
    SCOPED_TRACE(c.Name);
    auto edited = c.MakeHolder(false);
    auto expected = c.MakeHolder(true);
    ASSERT_NE(Stream(edited.get()), Stream(expected.get()));
    designtest::AnswerEditor(
        script_, [](vcl::TCustomForm* f) { vt::ClickControl(On<vcl::TControl>(f, "btReset")); },
        TEnding::Ok);
    ASSERT_TRUE(c.Edit(edited.get()));
    EXPECT_EQ(Stream(edited.get()), Stream(expected.get()));
  }
}

// A nested editor confirmed inside the form changes the working copy only: Cancel on the
// outer form forgets it, OK keeps it.
struct TNestedCase {
  const char* Name;
  std::function<std::unique_ptr<vcl::TComponent>()> MakeHolder;
  std::function<bool(vcl::TComponent*)> Edit;
  const char* Button;
  // Queues the nested editor's answer.
  std::function<void(vt::TDialogScript&)> AnswerNested;
  std::function<void(vcl::TComponent*)> ExpectKept;
};

TZYLShapeControl* Shape(vcl::TComponent* c) { return static_cast<TZYLShapeControl*>(c); }
TZYLFillObject* FillOf(vcl::TComponent* c) { return static_cast<TZYLFill*>(c)->FillObject(); }

TEST_F(SettingsEditorEdges, ANestedEditorWritesIntoTheWorkingCopyOnly) {
  const TNestedCase cases[] = {
      {"Font >>", [] { return Named(new TZYLShapeControl(nullptr)); },
       [](vcl::TComponent* c) { return TZYLCaptionEditorDlg::Edit(Shape(c)->Caption(), true); },
       "btnFont", [](vt::TDialogScript& s) { s.ChooseFont("Arial", 20, {vcl::fsBold}); },
       [](vcl::TComponent* c) {
         EXPECT_EQ(Shape(c)->Caption()->Font()->Name(), "Arial");
         EXPECT_EQ(Shape(c)->Caption()->Font()->Size(), 20);
       }},
      {"FontFX >>", [] { return Named(new TZYLShapeControl(nullptr)); },
       [](vcl::TComponent* c) { return TZYLCaptionEditorDlg::Edit(Shape(c)->Caption(), false); },
       "btnFX",
       [](vt::TDialogScript& s) {
         designtest::AnswerEditor(
             s,
             [](vcl::TCustomForm* f) {
               designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmb"), "tdShadow");
             },
             TEnding::Ok);
       },
       [](vcl::TComponent* c) { EXPECT_EQ(Shape(c)->Caption()->FontFX()->Style(), tdShadow); }},
      {"Brush >>", [] { return Named(new TZYLFill(nullptr)); },
       [](vcl::TComponent* c) { return TZYLFillEditorDlg::EditFillObject(FillOf(c)); }, "btnbrush",
       [](vt::TDialogScript& s) {
         designtest::AnswerEditor(
             s,
             [](vcl::TCustomForm* f) {
               designtest::ChooseComboItem(On<vcl::TWinControl>(f, "cmbc"), "clOlive");
             },
             TEnding::Ok);
       },
       [](vcl::TComponent* c) { EXPECT_EQ(FillOf(c)->Brush()->Color(), vcl::clOlive); }},
      {"Gradient >>", [] { return Named(new TZYLFill(nullptr)); },
       [](vcl::TComponent* c) { return TZYLFillEditorDlg::EditFillObject(FillOf(c)); },
       "btngradient",
       [](vt::TDialogScript& s) {
         designtest::AnswerEditor(
             s, [](vcl::TCustomForm* f) { vt::TypeInto(On<vcl::TWinControl>(f, "edbiw"), "9"); },
             TEnding::Ok);
       },
       [](vcl::TComponent* c) { EXPECT_EQ(FillOf(c)->Gradient()->ColorCount(), 9); }},
  };
  for (const TNestedCase& c : cases) {
    for (TEnding outer : {TEnding::Cancel, TEnding::Ok}) {
      SCOPED_TRACE(std::string(c.Name) + ", " + designtest::EndingName(outer));
      auto holder = c.MakeHolder();
      const std::string before = Stream(holder.get());
      vt::TDialogScript script;
      std::string during;
      designtest::AnswerEditor(
          script,
          [&](vcl::TCustomForm* f) {
            if (auto* page = dynamic_cast<vcl::TPageControl*>(f->FindComponent("nb")))
              designtest::ShowPage(page,
                                   c.Button == std::string("btnbrush") ? "Brush" : "Gradient");
            const std::string copy = Stream(On<vcl::TComponent>(f, "test"));
            vt::ClickControl(On<vcl::TControl>(f, c.Button));
            during = copy == Stream(On<vcl::TComponent>(f, "test")) ? "unchanged" : "changed";
          },
          outer);
      c.AnswerNested(script);
      EXPECT_EQ(c.Edit(holder.get()), outer == TEnding::Ok);
      EXPECT_EQ(script.Shown().size(), 2u);
      EXPECT_EQ(during, "changed");
      if (outer == TEnding::Ok)
        c.ExpectKept(holder.get());
      else
        EXPECT_EQ(Stream(holder.get()), before);
    }
  }
}

TEST_F(SettingsEditorEdges, BitmapShowsTheChosenPictureOnTheBitmapPage) {
  testsupport::TempDir dir;
  vcl::TBitmap picture;
  picture.SetSize(24, 12);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 24; ++x)
      picture.Canvas()->SetPixels(x, y, x < 12 ? vcl::clRed : vcl::clBlue);
  picture.SaveToFile(dir.File("pic.bmp"));

  TZYLFillObject fill;
  fill.SetFillStyle(sfBitmap);
  std::vector<vcl::TColor> shown;
  script_.Do([&](vcl::TCustomForm* form) {
    auto* f = static_cast<TZYLFillEditorDlg*>(form);
    designtest::ShowPage(f->nb, "Bitmap");
    vt::ClickControl(f->btnbitmap);  // the picture dialog answers next
    vcl::TBitmap* sample = f->iTest->Bitmap();
    shown = {vcl::TColor(sample->Width()), vcl::TColor(sample->Height()),
             sample->Canvas()->Pixels(3, 3), sample->Canvas()->Pixels(20, 8)};
    vt::ClickControl(f->btOK);
  });
  script_.ChooseFiles({dir.File("pic.bmp")});
  ASSERT_TRUE(TZYLFillEditorDlg::EditFillObject(&fill));
  EXPECT_EQ(shown, (std::vector<vcl::TColor>{24, 12, vcl::clRed, vcl::clBlue}));
  EXPECT_EQ(fill.Bitmap()->Width(), 24);
  EXPECT_EQ(fill.Bitmap()->Canvas()->Pixels(20, 8), vcl::clBlue);
}

TEST_F(SettingsEditorEdges, AnUnreadablePictureIsAClearErrorAndChangesNothing) {
  testsupport::TempDir dir;
  {
    std::ofstream bad(dir.File("bad.bmp"), std::ios::binary);
    bad << "BM this is no bitmap";
  }
  auto holder = Named(new TZYLFill(nullptr));
  static_cast<TZYLFill*>(holder.get())->FillObject()->SetFillStyle(sfBitmap);
  const std::string before = Stream(holder.get());
  script_.Do([](vcl::TCustomForm* form) {
    auto* f = static_cast<TZYLFillEditorDlg*>(form);
    designtest::ShowPage(f->nb, "Bitmap");
    vt::ClickControl(f->btnbitmap);
  });
  script_.ChooseFiles({dir.File("bad.bmp")});
  const std::string error = designtest::MessageOf([&] {
    TZYLFillEditorDlg::EditFillObject(static_cast<TZYLFill*>(holder.get())->FillObject());
  });
  EXPECT_EQ(error, "Bitmap image is not valid");
  EXPECT_EQ(Stream(holder.get()), before);
}

}  // namespace
}  // namespace zyl
