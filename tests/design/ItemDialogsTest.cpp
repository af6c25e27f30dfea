// The item property dialogs of the list editors and the AVI to image-list converter: their
// forms, choosing a picture file and showing its size, cutting a clip into images frame by
// frame from the screen, and bad files that are refused without changing anything.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "design/pZYLAviEditorDlg.h"
#include "design/pZYLBitmapItemPropertiesEditorDlg.h"
#include "design/pZYLImageListPropertiesEditorDlg.h"
#include "design/pZYLItemPropDlgs.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLPictureItemPropertiesEditorDlg.h"
#include "design/pZYLStringListItemPropertiesEditorDlg.h"
#include "design/pZYLWaveItemPropertiesEditorDlg.h"
#include "display/ZYLNImage.h"
#include "display/ZYLSimpleLabel.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Registry.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "tests/design/DesignPixels.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/MediaFiles.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

class ItemDialogs : public ::testing::Test, protected designtest::TEditorFileSession {
 protected:
  // Creates the form, runs `steps` on it while it is shown modally (`after` answers the
  // dialogs the steps bring up, in order) and answers the form's own modal result; `shown`
  // receives what each dialog showed.
  template <class T>
  int Run(T* form, const std::function<void(T*)>& steps,
          const std::function<void(vt::TDialogScript&)>& after = {},
          std::vector<vt::TShownDialog>* shown = nullptr) {
    vt::TDialogScript script;
    script.Do([&](vcl::TCustomForm* f) { steps(static_cast<T*>(f)); });
    if (after) after(script);
    const int result = form->ShowModal();
    if (shown) *shown = script.Shown();
    return result;
  }
  std::string Bitmap(const std::string& name, int w, int h) {
    vcl::TBitmap bmp;
    bmp.SetSize(w, h);
    const std::string path = dir_.File(name);
    bmp.SaveToFile(path);
    return path;
  }
  std::string Text(const std::string& name, const std::string& text) {
    const std::string path = dir_.File(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
};

struct TFormCase {
  const char* Class;
  const char* Caption;
  int Width, Height;
  const char *Ok, *Cancel;  // the names of the two buttons
};

TEST_F(ItemDialogs, EachFormComesUpWithItsCaptionAndSizeAndClosesThroughItsButtons) {
  const TFormCase cases[] = {
      {"Tzylfrmbiprop", "BitmapItem - Properties", 306, 208, "btOK", "btCancel"},
      {"TZYLFrmprop", "ImageList Properties", 289, 207, "btOK", "btCancel"},
      {"Tzylfrmpiprop", "PictureItem - Properties", 306, 198, "btOK", "btCancel"},
      {"TZYLFrmcavi", "AVI2IML Converter", 438, 246, "ZYLButton1", "ZYLButton2"}};
  for (const TFormCase& c : cases) {
    SCOPED_TRACE(c.Class);
    for (const char* button : {c.Ok, c.Cancel}) {
      std::unique_ptr<vcl::TCustomForm> owned(
          static_cast<vcl::TCustomForm*>(vcl::FindClass(c.Class)->Create(nullptr)));
      vcl::TCustomForm* form = owned.get();
      ZYLLoadEditorForm(form);
      std::vector<std::string> seen;
      vt::TDialogScript script;
      script.Do([&](vcl::TCustomForm* f) {
        seen = {f->Caption(), std::to_string(f->ClientWidth()), std::to_string(f->ClientHeight())};
        vt::ClickControl(designtest::On<vcl::TControl>(f, button));
      });
      EXPECT_EQ(form->ShowModal(), button == c.Ok ? vcl::mrOk : vcl::mrCancel);
      EXPECT_EQ(seen, (std::vector<std::string>{c.Caption, std::to_string(c.Width),
                                                std::to_string(c.Height)}));
    }
  }
}

// Every item dialog of the list editors binds the item's header controls, and its ident takes
// five digits at most.
TEST_F(ItemDialogs, EveryItemDialogBindsTheHeaderAndLimitsTheIdentToFiveDigits) {
  const std::function<std::unique_ptr<TZYLItemHeaderForm>()> makers[] = {
      [] { return ZYLCreateEditorForm<Tzylfrmbiprop>(nullptr); },
      [] { return ZYLCreateEditorForm<Tzylfrmpiprop>(nullptr); },
      [] { return ZYLCreateEditorForm<TZYLfrmsiprop>(nullptr); },
      [] { return ZYLCreateEditorForm<TZYLFrmwiprop>(nullptr); }};
  for (const auto& make : makers) {
    const std::unique_ptr<TZYLItemHeaderForm> d = make();
    SCOPED_TRACE(d->ClassName());
    ASSERT_TRUE(d->Index && d->desc && d->compress && d->ed);
    EXPECT_EQ(d->ed->MaxLength(), 5);
  }
}

TEST_F(ItemDialogs, ChangeLoadsTheChosenBitmapAndAnyEndingShowsTheSize) {
  const std::string file = Bitmap("strip.bmp", 32, 16);
  auto f = ZYLCreateEditorForm<Tzylfrmbiprop>(nullptr);
  std::vector<std::string> labels;
  std::vector<vt::TShownDialog> shown;
  EXPECT_EQ(Run<Tzylfrmbiprop>(
                f.get(),
                [&](Tzylfrmbiprop* d) {
                  vt::ClickControl(d->change);  // cancelled: the empty bitmap's size
                  labels.push_back(d->dimLabel->Caption());
                  vt::ClickControl(d->change);  // chosen
                  labels.push_back(d->dimLabel->Caption());
                  vt::ClickControl(d->btOK);
                },
                [&](vt::TDialogScript& s) { s.Press("Cancel").ChooseFiles({file}); }, &shown),
            vcl::mrOk);
  EXPECT_EQ(labels, (std::vector<std::string>{"(0x0)", "(32x16)"}));
  // Both times the picture dialog (with its preview) offers bitmaps, named by the mask.
  ASSERT_EQ(shown.size(), 3u);
  for (size_t i : {1u, 2u}) {
    testsupport::ExpectCases({{shown[i].Values["FileName"], "*.bmp"},
                              {shown[i].Values["FileType"], "All (*.bmp)"},
                              {shown[i].Values.count("PictureSize") ? "preview" : "", "preview"}});
  }
  EXPECT_EQ(f->img->Bitmap()->Width(), 32);
  EXPECT_EQ(f->img->Bitmap()->Height(), 16);
  EXPECT_EQ(f->img->Style(), sbKeepAspRatio);
}

TEST_F(ItemDialogs, AFileThatIsNoPictureIsRefusedAndTheFormKeepsItsValues) {
  const std::string good = Bitmap("good.bmp", 5, 7), bad = Text("bad.bmp", "BM but no bitmap");
  // The bitmap and the picture item: a good file, then the bad one; the size label shows the
  // good picture still.
  const std::function<std::unique_ptr<TZYLItemPropForm>()> makers[] = {
      [] { return ZYLCreateEditorForm<Tzylfrmbiprop>(nullptr); },
      [] { return ZYLCreateEditorForm<Tzylfrmpiprop>(nullptr); }};
  for (const auto& make : makers) {
    auto item = make();
    std::string label;
    Run<TZYLItemPropForm>(
        item.get(),
        [&](TZYLItemPropForm* d) {
          vt::ClickControl(d->change);
          vt::ClickControl(d->change);
          label = d->dimLabel->Caption();
          vt::ClickControl(d->btCancel);
        },
        [&](vt::TDialogScript& s) { s.ChooseFiles({good}).ChooseFiles({bad}); });
    EXPECT_EQ(label, "(5x7)") << item->ClassName();
  }

  auto strip = ZYLCreateEditorForm<TZYLFrmprop>(nullptr);
  std::vector<int> sizes;
  Run<TZYLFrmprop>(
      strip.get(),
      [&](TZYLFrmprop* d) {
        d->ed2->SetIntValue(12);
        d->ed1->SetIntValue(13);
        vt::ClickControl(d->ZYLButton1);
        sizes = {d->ed2->IntValue(), d->ed1->IntValue()};
        vt::ClickControl(d->btCancel);
      },
      [&](vt::TDialogScript& s) { s.ChooseFiles({bad}); });
  EXPECT_EQ(sizes, (std::vector<int>{12, 13}));
  EXPECT_EQ(errors_.Texts, std::vector<std::string>(3, "Bitmap image is not valid"));
}

TEST_F(ItemDialogs, GetDimensionsTakesOnlyTheBitmapsWidthAndHeight) {
  const std::string file = Bitmap("wide.bmp", 32, 16);
  auto f = ZYLCreateEditorForm<TZYLFrmprop>(nullptr);
  std::vector<std::string> seen;
  EXPECT_EQ(Run<TZYLFrmprop>(
                f.get(),
                [&](TZYLFrmprop* d) {
                  vt::TypeInto(d->desc, "strip");
                  d->ed3->SetIntValue(8);
                  d->cmb->SetItemIndex(3);
                  vt::ClickControl(d->ZYLButton1);
                  seen = {std::to_string(d->ed2->IntValue()),
                          std::to_string(d->ed1->IntValue()),
                          d->desc->Text(),
                          std::to_string(d->ed3->IntValue()),
                          d->cmb->Text(),
                          d->g1->Visible() ? "g1" : "g2"};
                  vt::ClickControl(d->btOK);
                },
                [&](vt::TDialogScript& s) { s.ChooseFiles({file}); }),
            vcl::mrOk);
  EXPECT_EQ(seen, (std::vector<std::string>{"32", "16", "strip", "8", "spf8bit", "g1"}));
  // The import mode shows the other group box in the same place.
  f->SetImportMode(true);
  EXPECT_FALSE(f->g1->Visible());
  EXPECT_TRUE(f->g2->Visible());
  EXPECT_EQ(f->g2->BoundsRect(), f->g1->BoundsRect());
}

TEST_F(ItemDialogs, ThePictureItemTakesAnyRegisteredPictureFormat) {
  const std::string file = Bitmap("pic.bmp", 9, 4);
  auto f = ZYLCreateEditorForm<Tzylfrmpiprop>(nullptr);
  std::string label;
  std::vector<vt::TShownDialog> shown;
  Run<Tzylfrmpiprop>(
      f.get(),
      [&](Tzylfrmpiprop* d) {
        vt::ClickControl(d->change);
        label = d->dimLabel->Caption();
        vt::ClickControl(d->btOK);
      },
      [&](vt::TDialogScript& s) { s.ChooseFiles({file}); }, &shown);
  EXPECT_EQ(label, "(9x4)");
  ASSERT_EQ(shown.size(), 2u);
  // No mask in the name; the filter's first entry lists every registered format.
  EXPECT_EQ(shown[1].Values["FileName"], "");
  EXPECT_EQ(shown[1].Values["FileType"].rfind("All (*.bmp;", 0), 0u) << shown[1].Values["FileType"];
  EXPECT_NE(dynamic_cast<vcl::TBitmap*>(f->img->Picture()->Graphic()), nullptr);
}

}  // namespace
}  // namespace zyl
