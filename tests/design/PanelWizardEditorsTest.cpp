// The component editors of the panels and the wizard, driven through the designer's context menu
// on components of a designed form.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "buttons/ZYLAssist.h"
#include "buttons/ZYLBackPanel.h"
#include "buttons/ZYLPanelFill.h"
#include "buttons/ZYLSimplePanel.h"
#include "design/pZYLCEButtons.h"
#include "design/pZYLStrEditorDlg.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/Filer.h"
#include "platform/designer/DesignIntf.h"
#include "platform/rtl/Consts.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/ComponentEditorTestSupport.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

using Strings = std::vector<std::string>;

// The string editor's unit and the panels' units that register their classes.
using TPanelUnits =
    designtest::TEntered<designtest::TEditorUnits, designtest::TEntryUnit<pZYLStrEditorDlgUnit>,
                         designtest::TEntryUnit<ZYLAssistUnit>,
                         designtest::TEntryUnit<ZYLBackPanelUnit>,
                         designtest::TEntryUnit<ZYLPanelFillUnit>>;

class PanelWizardEditors : public designtest::TComponentEditorTest<TPanelUnits> {
 protected:
  PanelWizardEditors()
      : TComponentEditorTest({
            EditorFor<TZYLSimplePanel, TZYLSimplePanelComponentEditor>(),
            EditorFor<TZYLBackPanel, TZYLBackPanelComponentEditor>(),
            EditorFor<TZYLPanelFill, TZYLPanelFillComponentEditor>(),
            EditorFor<TZYLAssist, TZYLAssistComponentEditor>(),
            EditorFor<TZYLAssistPage, TZYLAssistComponentEditor>(),
        }) {}
  // A wizard "Assist1" with Pages pages.
  TZYLAssist* Wizard(int Pages) {
    auto* wizard = form_.Add<TZYLAssist>("Assist1");
    for (int i = 0; i < Pages; ++i) {
      auto* page = new TZYLAssistPage(form_.Form());
      page->SetName("Page" + std::to_string(i));
      page->SetAssistControl(wizard);
    }
    return wizard;
  }
};

// Every panel's verbs in order, each carried out without error (any form it opens is
// closed).

TEST_F(PanelWizardEditors, EachPanelListsItsVerbsInOrderAndRunsEachWithoutError) {
  const designtest::TMenuCase cases[] = {
      {"simple panel",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLSimplePanel>("Simple1"); },
       {"Bevel", "Color", "Enabled [True]", "Font", "Transparent [False]"}},
      {"back panel",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLBackPanel>("Back1"); },
       {"ImageList", "Font", "Bevel", "Transparent [False]"}},
      {"fill panel",
       [](TDesignedForm& f) -> vcl::TComponent* { return f.Add<TZYLPanelFill>("Fill1"); },
       {"ImageList", "FillObject", "Bevel", "Caption", "Enabled [True]", "Font", "FontFX"}},
  };
  for (const designtest::TMenuCase& c : cases) {
    SCOPED_TRACE(c.Name);
    vcl::IFormDesigner* picked = form_.ExpectMenu(c.Make(form_), c.Verbs);
    // The verbs that pick an image handed the picker the component's designer.
    if (c.Verbs.front() == "ImageList") {
      EXPECT_EQ(picked, Designer());
    }
  }
}

// A toggle changes exactly the property it names (every other simple property keeps its value), its
// caption follows and one modification is reported.
TEST_F(PanelWizardEditors, TheEnabledToggleChangesOnlyEnabled) {
  vcl::TWinControl* panels[] = {form_.Add<TZYLSimplePanel>("Simple1"),
                                form_.Add<TZYLPanelFill>("Fill1")};
  for (vcl::TWinControl* panel : panels) {
    SCOPED_TRACE(panel->ClassName());
    for (const bool before : {true, false}) {
      std::map<std::string, std::string> expected = designtest::SimpleProps(panel);
      expected["Enabled"] = before ? "False" : "True";
      Designer()->ResetModified();
      form_.Menu(panel).Execute(std::string("Enabled") + BoolStr[before]);
      EXPECT_EQ(panel->Enabled(), !before);
      EXPECT_EQ(designtest::SimpleProps(panel), expected);
      EXPECT_EQ(Designer()->ModifiedCount(), 1);
      const Strings verbs = form_.Menu(panel).Verbs();
      EXPECT_NE(std::find(verbs.begin(), verbs.end(), std::string("Enabled") + BoolStr[!before]),
                verbs.end());
    }
  }
}

// "ImageList" seeds the picker with the panel's list and indices and stores the choice; a
// cancelled pick changes nothing and is still reported.
TEST_F(PanelWizardEditors, TheImageListVerbStoresThePickAndReportsEvenWhenCancelled) {
  auto* list = form_.Add<TZYLImageList>("ImageList1");
  auto* panel = form_.Add<TZYLPanelFill>("Fill1");
  panel->SetIndex(iiListIndex, 2);
  panel->SetIndex(iiImageIndex, 5);
  designtest::TRecordedPicker picker;
  const std::string before = designtest::StreamOf(panel);
  form_.Menu(panel).Execute("ImageList");
  ASSERT_EQ(picker.Seeded.size(), 1u);
  EXPECT_EQ(picker.Seeded[0].List, nullptr);
  EXPECT_EQ(picker.Seeded[0].ListIndex, 2);
  EXPECT_EQ(picker.Seeded[0].ImageIndex, 5);
  EXPECT_EQ(designtest::StreamOf(panel), before);
  EXPECT_EQ(Designer()->ModifiedCount(), 1);

  picker.Answer = true;
  picker.Choice = {list, 1, 3};
  Designer()->ResetModified();
  form_.Menu(panel).Execute("ImageList");
  EXPECT_EQ(panel->ImageList(), list);
  EXPECT_EQ(panel->ListIndex(), 1);
  EXPECT_EQ(panel->ImageIndex(), 3);
  EXPECT_EQ(Designer()->ModifiedCount(), 1);
}

TEST_F(PanelWizardEditors, WithoutAnImagePickerTheImageListVerbSaysSo) {
  auto* panel = form_.Add<TZYLBackPanel>("Back1");
  const TZYLImageListPicker none = ZYLSetImageListPicker(nullptr);
  EXPECT_EQ(
      testsupport::ErrorOf<vcl::EPropertyError>([&] { form_.Menu(panel).Execute("ImageList"); }),
      vcl::Format(vcl::SZYLNoImageListPicker, {"ImageList"}));
  EXPECT_EQ(Designer()->ModifiedCount(), 0);
  ZYLSetImageListPicker(none);
}

// A settings verb hands the launcher the panel's own object; only a confirmed edit is reported.
TEST_F(PanelWizardEditors, ASettingsVerbEditsThePanelsOwnObject) {
  auto* panel = form_.Add<TZYLPanelFill>("Fill1");
  for (const bool answer : {false, true}) {
    designtest::TRecordedLaunchers launchers({panel->FillObject(), panel->FontFX()}, answer);
    Designer()->ResetModified();
    form_.Menu(panel).Execute("FillObject");
    form_.Menu(panel).Execute("FontFX");
    EXPECT_EQ(launchers.Edited(),
              (std::vector<vcl::TPersistent*>{panel->FillObject(), panel->FontFX()}));
    EXPECT_EQ(Designer()->ModifiedCount(), answer ? 2 : 0);
  }
}

TEST_F(PanelWizardEditors, AWizardWithOnePageOffersOnlyANewPageThenAllFive) {
  const Strings all = {"Ne&xt Page", "&Previous Page", "&First Page", "&Last Page", "&New Page"};
  TZYLAssist* wizard = Wizard(1);
  EXPECT_EQ(form_.Menu(wizard).Verbs(), Strings{"&New Page"});
  EXPECT_EQ(form_.Menu(wizard->GetPage(0)).Verbs(), Strings{"&New Page"});
  auto editor = vcl::GetComponentEditor(wizard, Designer());
  editor->GetVerbCount();
  EXPECT_TRUE(static_cast<TZYLAssistComponentEditor*>(editor.get())->NewPageOnly);

  form_.Menu(wizard).Execute("&New Page");
  ASSERT_EQ(wizard->GetCount(), 2);
  TZYLAssistPage* page = wizard->GetPage(1);
  EXPECT_EQ(page->Owner(), form_.Form());
  EXPECT_EQ(page->Name(), "ZYLAssistPage1");
  EXPECT_EQ(page->AssistControl(), wizard);
  EXPECT_EQ(Designer()->ModifiedCount(), 1);
  EXPECT_EQ(form_.Menu(wizard).Verbs(), all);
  EXPECT_EQ(form_.Menu(page).Verbs(), all);
  editor = vcl::GetComponentEditor(page, Designer());
  editor->GetVerbCount();
  EXPECT_FALSE(static_cast<TZYLAssistComponentEditor*>(editor.get())->NewPageOnly);

  // A new page from a page's menu joins that page's wizard under the next free name.
  form_.Menu(page).Execute("&New Page");
  ASSERT_EQ(wizard->GetCount(), 3);
  EXPECT_EQ(wizard->GetPage(2)->Name(), "ZYLAssistPage2");
}

// Next and Previous go round the pages by their place; without an active page Next goes to
// the first and Previous to the last. Each reports once and selects the page it activated.
struct TNavigationCase {
  int From;  // -1: no active page
  const char* Verb;
  int To;
};

TEST_F(PanelWizardEditors, NextAndPreviousGoRoundThePages) {
  TZYLAssist* wizard = Wizard(3);
  const TNavigationCase cases[] = {
      {0, "Ne&xt Page", 1},      {1, "Ne&xt Page", 2},     {2, "Ne&xt Page", 0},
      {2, "&Previous Page", 1},  {0, "&Previous Page", 2}, {-1, "Ne&xt Page", 0},
      {-1, "&Previous Page", 2}, {1, "&First Page", 0},    {1, "&Last Page", 2},
  };
  for (const TNavigationCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.From) + " " + c.Verb);
    wizard->SetActivePage(c.From < 0 ? nullptr : wizard->GetPage(c.From));
    Designer()->ResetModified();
    Designer()->SelectComponent(wizard);
    // From the wizard's menu and from a page's: the same wizard is edited.
    form_.Menu(c.From == 1 ? static_cast<vcl::TComponent*>(wizard->GetPage(0)) : wizard)
        .Execute(c.Verb);
    ASSERT_NE(wizard->ActivePage(), nullptr);
    EXPECT_EQ(wizard->ActivePage()->GetPageIndex(), c.To);
    EXPECT_EQ(Designer()->ModifiedCount(), 1);
    vcl::TDesignerSelections selected;
    Designer()->GetSelections(selected);
    ASSERT_EQ(selected.Count(), 1);
    EXPECT_EQ(selected[0], wizard->ActivePage());
  }
}

// A page outside any wizard offers only "&New Page", as a wizard with fewer than two pages
// does; the new page, like the page itself, belongs to no wizard.
TEST_F(PanelWizardEditors, APageOutsideAnyWizardOffersOnlyANewPage) {
  auto* page = new TZYLAssistPage(form_.Form());
  page->SetName("Lonely");
  EXPECT_EQ(form_.Menu(page).Verbs(), Strings{"&New Page"});
  auto editor = vcl::GetComponentEditor(page, Designer());
  EXPECT_EQ(editor->GetVerbCount(), 1);
  EXPECT_EQ(editor->GetVerb(0), "&New Page");
  editor->ExecuteVerb(0);
  EXPECT_EQ(Designer()->ModifiedCount(), 1);
  EXPECT_EQ(page->AssistControl(), nullptr);
  auto* made = dynamic_cast<TZYLAssistPage*>(form_.Form()->FindComponent("ZYLAssistPage1"));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->AssistControl(), nullptr);
}

}  // namespace
}  // namespace zyl
