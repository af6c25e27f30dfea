// The component editor frame: verb tables, the standard kinds of verb and their reports to the
// designer, driven through the designer's context menu on a designed form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "design/pZYLCE.h"
#include "design/pZYLStrEditorDlg.h"
#include "design/pZYLStringsEditorDlg.h"
#include "design/pZYLValueChoiceDlg.h"
#include "display/ZYLLabel.h"
#include "foundation/IntfZYLBackground.h"
#include "foundation/ZYLBevel.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/FormDesigner.h"
#include "platform/designer/ToolsAPI.h"
#include "platform/rtl/Consts.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/design/StringsTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/DesignerDrivers.h"
#include "tests/support/ErrorOf.h"

namespace zyl {

// A data-aware variant as the frame recognises them: by its class name.
class TZYLDBTestLabel : public TZYLLabel {
  ZYL_CLASS(TZYLDBTestLabel, TZYLLabel)
  explicit TZYLDBTestLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};
ZYL_CLASS_IMPL(TZYLDBTestLabel) {}

namespace {

// An editor over the standard kinds; the "Twinkle" toggle is offered only to a multi-line label,
// and double-clicking opens OnDblClick.
class TLabelTestEditor : public TZYLVerbEditor<vcl::TDefaultEditor> {
 public:
  static constexpr char EditorClassName[] = "TLabelTestEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override {
    TZYLVerbs verbs = {ZYLNotForDB(ZYLSettingsVerb("Font"), SZYLDBNoCaption),
                       ZYLEventVerb("OnClick..."),
                       ZYLSettingsVerb("Bevel"),
                       ZYLColorVerb(),
                       ZYLToggleVerb("Transparent"),
                       ZYLToggleVerb("MultiLine"),
                       ZYLSeparatorVerb(),
                       ZYLCtlXPVerb(),
                       ZYLUpdateFormCtlXPVerb(),
                       ZYLBevelCtlXPVerb(),
                       ZYLValueChoiceVerb("Alignment"),
                       ZYLValueChoiceVerb("Options")};
    verbs.push_back(ZYLCaptionVerb());
    if (static_cast<TZYLLabel*>(Component())->MultiLine())
      verbs.push_back(ZYLUnreported(ZYLToggleVerb("Twinkle")));
    return verbs;
  }
  void EditProperty(vcl::TPropertyEditor* PropertyEditor, bool& Continue) override {
    if (!ZYLEditPropertyNamed(PropertyEditor, "ondblclick", Continue))
      TZYLVerbEditor::EditProperty(PropertyEditor, Continue);
  }
};

// The list box's items, through the strings editor or the code editor.
class TListTestEditor : public TZYLVerbEditor<> {
 public:
  static constexpr char EditorClassName[] = "TListTestEditor";
  using TZYLVerbEditor::TZYLVerbEditor;

 protected:
  TZYLVerbs Verbs() override { return {ZYLStringsVerb("Items...", "Items", ".Items")}; }
};

IZYLThemes* Themes(vcl::TComponent* c) {
  IZYLThemes* themes = nullptr;
  ZYLSupports(c, themes);
  return themes;
}

class ComponentEditorFrame : public ::testing::Test {
 protected:
  ComponentEditorFrame() {
    vcl::RegisterClass(TZYLDBTestLabel::StaticClass());
    pZYLStrEditorDlgUnit.Init();
    pZYLCEInit();  // the package's launchers
    form_->SetName("Form1");
    designer_ = new vcl::TFormDesigner(form_);
    label_ = Add<TZYLLabel>("Label1");
    other_ = Add<TZYLLabel>("Label2");
    vcl::LoadDesignPackage("frame-test", [] {
      vcl::RegisterComponentEditor(TZYLLabel::StaticClass(),
                                   vcl::ComponentEditorClassOf<TLabelTestEditor>());
      vcl::RegisterComponentEditor(vcl::TListBox::StaticClass(),
                                   vcl::ComponentEditorClassOf<TListTestEditor>());
    });
  }
  ~ComponentEditorFrame() override {
    vcl::UnloadDesignPackage("frame-test");
    for (const std::string& name : vcl::OpenModuleNames()) vcl::CloseModule(name);
    delete designer_;
    delete form_;
    pZYLCEDone();
    pZYLStrEditorDlgUnit.FInit();
    vcl::UnRegisterClass(TZYLDBTestLabel::StaticClass());
  }
  template <class T>
  T* Add(const std::string& name) {
    auto* c = new T(form_);
    c->SetName(name);
    c->SetParent(form_);
    return c;
  }
  std::string Stream(vcl::TComponent* c) { return vcl::WriteComponentToBytes(c); }
  vt::TContextMenuDriver Menu(vcl::TComponent* c) { return vt::TContextMenuDriver(c, designer_); }

  vt::TControlsSession session_;
  designtest::TStringsUnits units_;
  vcl::TForm* form_ = new vcl::TForm(nullptr);
  vcl::TFormDesigner* designer_;
  TZYLLabel *label_, *other_;
};

TEST_F(ComponentEditorFrame, TheVerbsAreListedInOrderWithTheirCurrentValues) {
  label_->SetTransparent(true);
  Themes(label_)->SetCtlXP(false);
  EXPECT_EQ(Menu(label_).Verbs(),
            (std::vector<std::string>{"Font", "OnClick...", "Bevel", "Color", "Transparent [True]",
                                      "MultiLine [False]", "-", "CtlXP [False]",
                                      "Form: Update CtlXP property", "Make Bevel CtlXP compatible",
                                      "Alignment", "Options", "Caption"}));
  label_->SetMultiLine(true);  // the table is made per use: one more verb now
  EXPECT_EQ(Menu(label_).Verbs().back(), "Twinkle [False]");
  auto editor = vcl::GetComponentEditor(label_, designer_);
  EXPECT_EQ(editor->GetVerbCount(), 14);
  EXPECT_EQ(editor->GetVerb(14), "");
  EXPECT_EQ(editor->GetVerb(-1), "");
  editor->ExecuteVerb(14);  // no such verb: nothing happens, nothing is reported
  EXPECT_EQ(designer_->ModifiedCount(), 0);
  EXPECT_EQ(BoolStr[false], std::string(" [False]"));
  EXPECT_EQ(BoolStr[true], std::string(" [True]"));
}

// A toggle changes exactly its property (the label's form stream equals that of a twin given
// only that change), its caption follows, and one modification is reported (none for an
// unreported verb).
struct TToggleCase {
  const char* Before;
  const char* After;
  void (*Expect)(TZYLLabel* twin);
  int Reports;
};

TEST_F(ComponentEditorFrame, EachToggleChangesExactlyWhatItsCaptionSays) {
  label_->SetMultiLine(true);
  const TToggleCase cases[] = {
      {"Transparent [True]", "Transparent [False]", [](TZYLLabel* t) { t->SetTransparent(false); },
       1},
      {"MultiLine [True]", "MultiLine [False]", [](TZYLLabel* t) { t->SetMultiLine(false); }, 1},
      {"MultiLine [False]", "MultiLine [True]", [](TZYLLabel* t) { t->SetMultiLine(true); }, 1},
      {"Twinkle [False]", "Twinkle [True]", [](TZYLLabel* t) { t->SetTwinkle(true); }, 0},
  };
  for (const TToggleCase& c : cases) {
    SCOPED_TRACE(c.Before);
    TZYLLabel twin(nullptr);
    vcl::ReadComponentFromBytes(Stream(label_), &twin);
    c.Expect(&twin);
    designer_->ResetModified();
    Menu(label_).Execute(c.Before);
    EXPECT_EQ(Stream(label_), Stream(&twin));
    EXPECT_EQ(designer_->ModifiedCount(), c.Reports);
    const std::vector<std::string> verbs = Menu(label_).Verbs();
    EXPECT_NE(std::find(verbs.begin(), verbs.end(), c.After), verbs.end());
  }
  // CtlXP through the themes interface.
  const bool xp = Themes(label_)->GetCtlXP();
  designer_->ResetModified();
  Menu(label_).Execute(std::string("CtlXP") + BoolStr[xp]);
  EXPECT_EQ(Themes(label_)->GetCtlXP(), !xp);
  EXPECT_EQ(designer_->ModifiedCount(), 1);
}

TEST_F(ComponentEditorFrame, TheColourVerbStoresTheDialogsAnswerEvenWhenCancelled) {
  label_->SetColor(vcl::clYellow);
  for (const bool ok : {false, true}) {
    vt::TDialogScript script;
    if (ok) {
      script.ChooseColor(vcl::clAqua);
      script.Press("OK");
    } else {
      script.Press("Cancel");
    }
    designer_->ResetModified();
    Menu(label_).Execute("Color");
    EXPECT_EQ(label_->Color(), ok ? vcl::clAqua : vcl::clYellow);
    EXPECT_EQ(designer_->ModifiedCount(), 1);
  }
}

TEST_F(ComponentEditorFrame, ASettingsObjectIsReportedOnlyWhenTheEditorWasConfirmed) {
  const std::string before = Stream(label_);
  for (const TEnding ending : {TEnding::Cancel, TEnding::Escape, TEnding::CloseBox}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    vt::TDialogScript script;
    designtest::AnswerEditor(
        script,
        [](vcl::TCustomForm* f) { vt::ClickControl(designtest::On<vcl::TControl>(f, "btReset")); },
        ending);
    Menu(label_).Execute("Bevel");
    EXPECT_EQ(Stream(label_), before);
    EXPECT_EQ(designer_->ModifiedCount(), 0);
  }
  vt::TDialogScript script;
  script.ChooseFont(label_->Font()->Name(), 17);
  Menu(label_).Execute("Font");
  EXPECT_EQ(label_->Font()->Size(), 17);
  EXPECT_EQ(designer_->ModifiedCount(), 1);
}

// A value choice lists the property's values with the current one chosen; OK sets the choice,
// and either way one modification is reported.
TEST_F(ComponentEditorFrame, AValueChoiceSetsTheChosenEnumerationOrSetValue) {
  label_->SetAlignment(agCenter);
  std::vector<std::string> shown;
  std::string chosen;
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script,
      [&](vcl::TCustomForm* f) {
        auto* list = designtest::On<vcl::TListBox>(f, "lst");
        for (int i = 0; i < list->Items()->Count(); ++i) shown.push_back(list->Items()->Strings(i));
        chosen = list->Items()->Strings(list->ItemIndex());
        vt::ChooseListItem(list, "agBottomRight");
        win::testkit::WritePng(win::testkit::RenderWindow(f->Handle(), false),
                               "/tmp/value_choice.png");
      },
      TEnding::Ok);
  Menu(label_).Execute("Alignment");
  EXPECT_EQ(shown.size(), 9u);
  EXPECT_EQ(shown.front(), "agTopLeft");
  EXPECT_EQ(chosen, "agCenter");
  EXPECT_EQ(label_->Alignment(), agBottomRight);
  EXPECT_EQ(designer_->ModifiedCount(), 1);

  for (const TEnding ending : {TEnding::Cancel, TEnding::Ok}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    label_->SetOptions({});
    const std::string before = Stream(label_);
    int names = 0;
    vt::TDialogScript sets;
    designtest::AnswerEditor(
        sets,
        [&](vcl::TCustomForm* f) {
          auto* list = designtest::On<vcl::TListBox>(f, "lst");
          names = list->Items()->Count();
          EXPECT_TRUE(list->MultiSelect());
          EXPECT_EQ(list->SelCount(), 0);
          list->SetSelected(0, true);
        },
        ending);
    designer_->ResetModified();
    Menu(label_).Execute("Options");
    EXPECT_GT(names, 0);
    if (ending == TEnding::Ok)
      EXPECT_EQ(vcl::GetOrdProp(label_, vcl::FindPropInfo(label_, "Options")), 1);
    else
      EXPECT_EQ(Stream(label_), before);
    EXPECT_EQ(designer_->ModifiedCount(), 1);
  }
  EXPECT_EQ(testsupport::ErrorOf<vcl::EPropertyError>(
                [&] { TZYLValueChoiceDlg::Choose(label_, vcl::FindPropInfo(label_, "Color")); }),
            "Invalid property type: Color");
}

TEST_F(ComponentEditorFrame, TheCaptionVerbEditsTheTextAndAlwaysReports) {
  label_->SetCaption("Old");
  for (const bool ok : {false, true}) {
    vt::TDialogScript script;
    script.Do([ok](vcl::TCustomForm* f) {
      vt::TypeInto(designtest::On<vcl::TWinControl>(f, "str"), "New text");
      vt::ClickControl(designtest::On<vcl::TControl>(f, ok ? "ok" : "cancel"));
    });
    designer_->ResetModified();
    Menu(label_).Execute("Caption");
    EXPECT_EQ(label_->Caption(), ok ? "New text" : "Old");
    EXPECT_EQ(designer_->ModifiedCount(), 1);
  }
}

// The list's strings: Code hands them to the code editor (no change, no report); while that
// module is open the verb only brings it to the front; once it is closed the strings editor
// edits the list again.
TEST_F(ComponentEditorFrame, TheStringsVerbPrefersAModuleOpenInTheCodeEditor) {
  auto* list = new vcl::TListBox(form_);
  list->SetName("ListBox1");
  list->SetParent(form_);
  list->Items()->SetText("alpha\r\nbeta\r\n");
  const std::string module = "Form1.ListBox1.Items";
  vt::TDialogScript script;
  designtest::AnswerStringsEditor(
      script, [](TZYLFrmStringEditor* f) { vt::ClickControl(f->ZYLButton2); }, TEnding::Unanswered);
  Menu(list).Execute("Items...");
  EXPECT_EQ(vcl::ModuleText(module), "alpha\r\nbeta");
  EXPECT_EQ(designer_->ModifiedCount(), 0);
  const size_t shown = script.Shown().size();
  Menu(list).Execute("Items...");
  EXPECT_EQ(vcl::ModuleShowCount(module), 2);
  EXPECT_EQ(script.Shown().size(), shown);
  EXPECT_EQ(designer_->ModifiedCount(), 1);
  vcl::CloseModule(module);
  designtest::AnswerStringsEditor(
      script, [](TZYLFrmStringEditor* f) { f->StrList->Lines()->Add("gamma"); }, TEnding::Ok);
  Menu(list).Execute("Items...");
  EXPECT_EQ(list->Items()->Text(), "alpha\r\nbeta\r\ngamma\r\n");
  EXPECT_EQ(designer_->ModifiedCount(), 2);
}

TEST_F(ComponentEditorFrame, DataAwareComponentsShowTheirOwnCaptionAndChangeNothing) {
  auto* db = Add<TZYLDBTestLabel>("DBLabel1");
  testsupport::ExpectCases({{std::to_string(ZYLCPIsDBControl(db)), "1"},
                            {std::to_string(ZYLCPIsDBControl(label_)), "0"},
                            {std::to_string(ZYLCPIsDBControl(nullptr)), "0"}});
  EXPECT_EQ(Menu(db).Verbs().front(), "[DB] No caption available");
  const std::string before = Stream(db);
  Menu(db).Execute(0);  // no dialog comes up: none is answered
  EXPECT_EQ(Stream(db), before);
  EXPECT_EQ(designer_->ModifiedCount(), 0);
}

TEST_F(ComponentEditorFrame, ThemeVerbsReachTheOwnersComponentsAndTheBevel) {
  Themes(label_)->SetCtlXP(false);
  Themes(other_)->SetCtlXP(true);
  Menu(label_).Execute("Form: Update CtlXP property");
  EXPECT_FALSE(Themes(other_)->GetCtlXP());
  Themes(label_)->SetCtlXP(true);
  Menu(label_).Execute("Form: Update CtlXP property");
  EXPECT_TRUE(Themes(other_)->GetCtlXP());
  Menu(label_).Execute("Make Bevel CtlXP compatible");
  EXPECT_EQ(label_->Bevel()->Mode(), bmWindows);
  EXPECT_EQ(designer_->ModifiedCount(), 3);
}

TEST_F(ComponentEditorFrame, TheEventVerbAndDoubleClickOpenTheEventTheEditorPicks) {
  Menu(label_).Execute("OnClick...");
  Menu(other_).DoubleClick();
  ASSERT_EQ(designer_->ShownMethods().size(), 2u);
  EXPECT_EQ(designer_->ShownMethods()[0].MethodName, "Label1DblClick");
  EXPECT_EQ(designer_->ShownMethods()[1].MethodName, "Label2DblClick");
  EXPECT_EQ(designer_->ModifiedCount(), 1);  // the verb reports, the double click is the IDE's
}

TEST_F(ComponentEditorFrame, SettingsObjectsWithoutAnEditorAreAClearError) {
  vcl::TStringList list;
  EXPECT_EQ(testsupport::ErrorOf<vcl::EPropertyError>([&] { ZYLSettingsLauncherOf(&list); }),
            "No editor edits objects of class TStringList");
  EXPECT_EQ(testsupport::ErrorOf<vcl::EPropertyError>([&] { ZYLSettingsLauncherOf(nullptr); }),
            "No editor edits objects of class nil");
  // A launcher registered for a class serves its descendants too, the nearest one winning.
  int calls = 0;
  ZYLRegisterSettingsLauncher(vcl::TStrings::StaticClass(), [&](vcl::TPersistent*) {
    ++calls;
    return true;
  });
  EXPECT_TRUE(ZYLSettingsLauncherOf(&list)(&list));
  EXPECT_EQ(calls, 1);
  ZYLUnregisterSettingsLauncher(vcl::TStrings::StaticClass());
  EXPECT_EQ(testsupport::ErrorOf<vcl::EPropertyError>([&] { ZYLSettingsLauncherOf(&list); }),
            "No editor edits objects of class TStringList");
}

}  // namespace
}  // namespace zyl
