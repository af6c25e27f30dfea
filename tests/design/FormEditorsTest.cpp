// The component editors of the form-level components (the form's limits, the title-bar styler,
// the background fills, the form shadow and the form display), driven through the designer's
// context menu on components of a designed form.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "design/pZYLCEForm.h"
#include "design/pZYLCEVerbs.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/TypeInfo.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLBack.h"
#include "system/ZYLFormA.h"
#include "system/ZYLFormDisplay.h"
#include "system/ZYLFormFill.h"
#include "system/ZYLFormShadow.h"
#include "system/ZYLFormStyler.h"
#include "tests/design/ComponentEditorTestSupport.h"

namespace zyl {
namespace {

using Strings = std::vector<std::string>;

class FormEditors : public designtest::TLaunchingEditorTest<> {
 protected:
  FormEditors()
      : TComponentEditorTest({
            EditorFor<TZYLForm, TZYLFormComponentEditor>(),
            EditorFor<TZYLFormStyler, TZYLFormStylerComponentEditor>(),
            EditorFor<TZYLCustomFormFill, TZYLFormFillComponentEditor>(),
            EditorFor<TZYLFormShadow, TZYLShadowComponentEditor>(),
            EditorFor<TZYLFormDisplay, TZYLFormDisplayComponentEditor>(),
        }) {}
  // Runs the verb once and expects exactly one report.
  void RunReported(vcl::TComponent* c, const std::string& verb) {
    Designer()->ResetModified();
    form_.Menu(c).Execute(verb);
    EXPECT_EQ(Designer()->ModifiedCount(), 1) << verb;
  }
};

// Each editor lists its verbs in order (a form fill with a fill object has one more than the
// back panel) and runs each without error.
TEST_F(FormEditors, EachEditorListsItsVerbsInOrderAndRunsEachWithoutError) {
  const TMenuCase cases[] = {
      {"form",
       &MakeNamed<TZYLForm>,
       {"AcceptFiles [False]", "Enabled [True]", "Set maximized values",
        "Set TrackMaxWidth + Height", "Set TrackMinWidth + Height", "Reset"}},
      {"form styler",
       &MakeNamed<TZYLFormStyler>,
       {"Enabled [True]", "Font", "Font3D", "AdjustRect [True]", "UseDefaultFont [True]",
        "InactiveGradient [False]", "DrawCaptionEvent [False]", "UseFormCaption [True]"}},
      {"back", &MakeNamed<TZYLBack>, {"ImageList", "DefaultFill [True]", "Enabled [True]"}},
      {"form fill",
       &MakeNamed<TZYLFormFill>,
       {"FillObject", "DefaultFill [True]", "Enabled [True]", "ImageList"}},
      {"form shadow", &MakeNamed<TZYLFormShadow>, {"Shadow", "ShowInActive  [True]"}},
      {"form display",
       &MakeNamed<TZYLFormDisplay>,
       {"Bevel", "Color", "Enabled [True]", "SaveResources [False]", "UseResForms [False]"}},
  };
  designtest::ExpectMenus(form_, cases);
}

// A toggle changes exactly the property it names and reports once; its caption follows.
TEST_F(FormEditors, EachToggleChangesExactlyItsProperty) {
  const designtest::TToggleCase cases[] = {
      {&MakeNamed<TZYLForm>, "AcceptFiles", "AcceptFiles"},
      {&MakeNamed<TZYLForm>, "Enabled", "Enabled"},
      {&MakeNamed<TZYLFormStyler>, "Enabled", "Enabled"},
      {&MakeNamed<TZYLBack>, "DefaultFill", "DefaultFill"},
      {&MakeNamed<TZYLBack>, "Enabled", "Enabled"},
      {&MakeNamed<TZYLFormFill>, "DefaultFill", "DefaultFill"},
      {&MakeNamed<TZYLFormShadow>, "ShowInActive", "ShowInActive "},
      {&MakeNamed<TZYLFormDisplay>, "Enabled", "Enabled"},
      {&MakeNamed<TZYLFormDisplay>, "SaveResources", "SaveResources"},
      {&MakeNamed<TZYLFormDisplay>, "UseResForms", "UseResForms"},
  };
  // One form component per form: each case gets the form to itself.
  designtest::ExpectToggles(form_, cases, true);
}

// Each option verb adds its option to Options or takes it out, nothing else; run twice it
// gives Options back.
TEST_F(FormEditors, EachStylerOptionVerbFlipsItsOptionAndTwiceRestoresOptions) {
  auto* styler = form_.Add<TZYLFormStyler>("Styler1");
  const std::pair<const char*, TZYLFormStyleOption> cases[] = {
      {"AdjustRect", fsAdjustRect},
      {"UseDefaultFont", fsUseDefaultFont},
      {"InactiveGradient", fsInactiveGradient},
      {"DrawCaptionEvent", fsDrawCaptionEvent},
      {"UseFormCaption", fsUseFormCaption},
  };
  for (const auto& [name, option] : cases) {
    SCOPED_TRACE(name);
    const TZYLFormStyleOptions original = styler->Options();
    const bool in = original.contains(option);
    RunReported(styler, name + std::string(BoolStr[in]));
    EXPECT_EQ(styler->Options(), in ? original - option : original + option);
    RunReported(styler, name + std::string(BoolStr[!in]));
    EXPECT_EQ(styler->Options(), original);
  }
}

// The "Set" verbs take the designed form's bounds, "Reset" clears all eight values at once;
// on a minimized form the "Set" verbs change nothing and report nothing.
TEST_F(FormEditors, TheFormVerbsTakeTheDesignedFormsBoundsAndResetClearsThem) {
  auto* component = static_cast<TZYLForm*>(MakeNamed<TZYLForm>(form_));
  form_.Form()->SetBounds(40, 30, 500, 400);
  const auto values = [&] {
    std::vector<int> v;
    for (int i = 0; i < TZYLForm::liCount; ++i) v.push_back(component->GetInteger(i));
    return v;
  };
  // liTrackMaxHeight, liTrackMaxWidth, liTrackMinHeight, liTrackMinWidth, liMaximizedHeight,
  // liMaximizedWidth, liMaximizedPosX, liMaximizedPosY.
  RunReported(component, "Set maximized values");
  EXPECT_EQ(values(), (std::vector<int>{0, 0, 0, 0, 400, 500, 40, 30}));
  RunReported(component, "Set TrackMaxWidth + Height");
  EXPECT_EQ(values(), (std::vector<int>{400, 500, 0, 0, 400, 500, 40, 30}));
  form_.Form()->SetBounds(40, 30, 300, 200);
  RunReported(component, "Set TrackMinWidth + Height");
  EXPECT_EQ(values(), (std::vector<int>{400, 500, 200, 300, 400, 500, 40, 30}));

  form_.Form()->SetWindowState(vcl::wsMinimized);
  const std::string before = designtest::StreamOf(component);
  for (const char* verb :
       {"Set maximized values", "Set TrackMaxWidth + Height", "Set TrackMinWidth + Height"}) {
    SCOPED_TRACE(verb);
    Designer()->ResetModified();
    form_.Menu(component).Execute(verb);
    EXPECT_EQ(designtest::StreamOf(component), before);
    EXPECT_EQ(Designer()->ModifiedCount(), 0);
  }
  // Reset works on a minimized form too.
  RunReported(component, "Reset");
  EXPECT_EQ(values(), std::vector<int>(TZYLForm::liCount, 0));
}

// The back panel's first verb and the form fill's last pick an image (list first) and are
// reported also when cancelled; the form fill's "FillObject" edits its own fill object.
TEST_F(FormEditors, TheFillsPickTheirImageAndEditTheirFillObject) {
  auto* list = form_.Add<TZYLImageList>("ImageList1");
  auto* back = static_cast<TZYLBack*>(MakeNamed<TZYLBack>(form_));
  auto* fill = static_cast<TZYLFormFill*>(MakeNamed<TZYLFormFill>(form_));
  designtest::TRecordedPicker picker;
  for (TZYLCustomFormFill* c : std::vector<TZYLCustomFormFill*>{back, fill}) {
    SCOPED_TRACE(c->ClassName());
    const int index = c == back ? 0 : 3;
    picker.Answer = false;
    const std::string before = designtest::StreamOf(c);
    Designer()->ResetModified();
    form_.Menu(c).Execute(index);
    EXPECT_EQ(designtest::StreamOf(c), before);
    EXPECT_EQ(Designer()->ModifiedCount(), 1);
    picker.Answer = true;
    picker.Choice = {list, 1, 4};
    RunReported(c, "ImageList");
    EXPECT_EQ(c->ImageList(), list);
    EXPECT_EQ(c->ListIndex(), 1);
    EXPECT_EQ(c->ImageIndex(), 4);
  }
  for (const bool answer : {false, true}) {
    designtest::TRecordedLaunchers launchers({fill->FillObject()}, answer);
    Designer()->ResetModified();
    form_.Menu(fill).Execute("FillObject");
    EXPECT_EQ(launchers.Edited(), (std::vector<vcl::TPersistent*>{fill->FillObject()}));
    EXPECT_EQ(Designer()->ModifiedCount(), answer ? 1 : 0);
  }
}

}  // namespace
}  // namespace zyl
