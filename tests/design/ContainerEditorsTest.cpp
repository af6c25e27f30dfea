// The component editors of the list containers, driven through the designer's context menu on
// components of a designed form: the verbs in order, each opening its list editor on the right
// list (the container control's own container at design time), and a modification reported
// only when the editor ended with OK.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "design/pZYLCEContainer.h"
#include "design/pZYLListEditor.h"
#include "foundation/ZYLCont.h"
#include "platform/controls/Menus.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/ComponentEditorTestSupport.h"

namespace zyl {
namespace {

using Strings = std::vector<std::string>;

class ContainerEditors : public designtest::TComponentEditorTest<designtest::TEditorUnits> {
 protected:
  ContainerEditors()
      : TComponentEditorTest({
            EditorFor<TZYLContainerCtrl, TZYLContainerComponentEditor>(),
            EditorFor<TZYLImageList, TZYLImageListEditor>(),
            EditorFor<TZYLBitmapList, TZYLBitmapListEditor>(),
            EditorFor<TZYLStringList, TZYLStringListEditor>(),
            EditorFor<TZYLWaveList, TZYLWaveListEditor>(),
        }) {}
};

// One verb: the component it is on, its caption, the list it must open, and the editor form.
struct TVerbCase {
  std::string Component;
  std::string Verb;
  std::function<TZYLCustomContainer*(vcl::TComponent*)> List;
  const char* Form;
};

TZYLContainer* ContainerOf(vcl::TComponent* c) {
  return static_cast<TZYLContainerCtrl*>(c)->Container();
}

std::vector<TVerbCase> VerbCases() {
  auto itself = [](vcl::TComponent* c) { return static_cast<TZYLCustomContainer*>(c); };
  return {
      {"Container1", "BitmapList",
       [](vcl::TComponent* c) -> TZYLCustomContainer* { return ContainerOf(c)->BitmapList(); },
       "TZYLBitmapListEditorDlg"},
      {"Container1", "ImageList",
       [](vcl::TComponent* c) -> TZYLCustomContainer* { return ContainerOf(c)->ImageList(); },
       "TZYLImageListEditorDlg"},
      {"Container1", "StringList",
       [](vcl::TComponent* c) -> TZYLCustomContainer* { return ContainerOf(c)->StringList(); },
       "TZYLStringListEditorDlg"},
      {"Container1", "WaveList",
       [](vcl::TComponent* c) -> TZYLCustomContainer* { return ContainerOf(c)->WaveList(); },
       "TZYLWaveListEditorDlg"},
      {"Images1", "Editor", itself, "TZYLImageListEditorDlg"},
      {"Bitmaps1", "BitmapList-Editor", itself, "TZYLBitmapListEditorDlg"},
      {"Strings1", "Editor", itself, "TZYLStringListEditorDlg"},
      {"Waves1", "Specify Wave", itself, "TZYLWaveListEditorDlg"},
  };
}

TEST_F(ContainerEditors, EachEditorListsItsVerbsInOrder) {
  const std::pair<vcl::TComponent*, Strings> cases[] = {
      {form_.Add<TZYLContainerCtrl>("Container1"),
       {"BitmapList", "ImageList", "StringList", "WaveList"}},
      {form_.Add<TZYLImageList>("Images1"), {"Editor"}},
      {form_.Add<TZYLBitmapList>("Bitmaps1"), {"BitmapList-Editor"}},
      {form_.Add<TZYLStringList>("Strings1"), {"Editor"}},
      {form_.Add<TZYLWaveList>("Waves1"), {"Specify Wave"}},
  };
  for (const auto& [component, verbs] : cases) {
    SCOPED_TRACE(component->Name());
    EXPECT_EQ(form_.Menu(component).Verbs(), verbs);
  }
}

TEST_F(ContainerEditors, EachVerbOpensItsEditorOnTheRightListAndReportsOnlyOK) {
  form_.Add<TZYLContainerCtrl>("Container1");
  form_.Add<TZYLImageList>("Images1");
  form_.Add<TZYLBitmapList>("Bitmaps1");
  form_.Add<TZYLStringList>("Strings1");
  form_.Add<TZYLWaveList>("Waves1");
  for (const TVerbCase& c : VerbCases()) {
    vcl::TComponent* component = form_.Form()->FindComponent(c.Component);
    ASSERT_NE(component, nullptr);
    TZYLCustomContainer* list = c.List(component);
    // The list is told apart by its one item's description.
    list->Clear();
    list->Item(list->Add())->Description = c.Component + "." + c.Verb;
    for (TEnding ending : {TEnding::Cancel, TEnding::Escape, TEnding::Ok}) {
      SCOPED_TRACE(c.Component + " " + c.Verb + ", " + designtest::EndingName(ending));
      list->Item(0)->Compressed = false;
      std::string form, shown;
      vt::TDialogScript script;
      designtest::AnswerEditor(
          script,
          [&](vcl::TCustomForm* f) {
            form = f->ClassName();
            shown = static_cast<TZYLListEditorForm*>(f)->WorkList()->Item(0)->Description;
            static_cast<vcl::TMenuItem*>(f->FindComponent("checkall"))->Click();
          },
          ending, "ZYLButton1", "ZYLButton2");
      form_.Designer()->ResetModified();
      form_.Menu(component).Execute(c.Verb);
      EXPECT_EQ(script.Pending(), 0u);
      EXPECT_EQ(form, c.Form);
      EXPECT_EQ(shown, c.Component + "." + c.Verb);
      const bool ok = ending == TEnding::Ok;
      EXPECT_EQ(list->Item(0)->Compressed, ok);
      EXPECT_EQ(form_.Designer()->ModifiedCount(), ok ? 1 : 0);
    }
  }
}

TEST_F(ContainerEditors, TheContainerControlEditsItsOwnContainerAtDesignTime) {
  auto* control = form_.Add<TZYLContainerCtrl>("Container1");
  ASSERT_NE(ZYLContainer(), nullptr);
  EXPECT_NE(control->Container(), ZYLContainer());
  const int before = ZYLContainer()->WaveList()->Count();
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script,
      [](vcl::TCustomForm* f) {
        vt::ClickControl(static_cast<vcl::TControl*>(f->FindComponent("add")));
      },
      TEnding::Ok, "ZYLButton1", "ZYLButton2");
  script.Do([](vcl::TCustomForm* d) {
    vt::ClickControl(static_cast<vcl::TControl*>(d->FindComponent("Button1")));
  });
  form_.Menu(control).Execute("WaveList");
  EXPECT_EQ(control->Container()->WaveList()->Count(), 1);
  EXPECT_EQ(ZYLContainer()->WaveList()->Count(), before);
}

}  // namespace
}  // namespace zyl
