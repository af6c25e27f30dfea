// The component editors of the edits, the memo, the list and combo boxes, and the section
// editor, driven through the designer's context menu on components of a designed form.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "buttons/ZYLSpecialButtons.h"
#include "design/pZYLCEEdits.h"
#include "design/pZYLPECst.h"
#include "design/pZYLSectionEditorDlg.h"
#include "design/pZYLStringsEditorDlg.h"
#include "edits/ZYLBrowseEdit.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLColorEdit.h"
#include "edits/ZYLColorListBox.h"
#include "edits/ZYLEdit.h"
#include "edits/ZYLExtListBox.h"
#include "edits/ZYLExtSpinEdit.h"
#include "edits/ZYLFileOpenEdit.h"
#include "edits/ZYLFileSaveEdit.h"
#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontListBox.h"
#include "edits/ZYLImageComboBox.h"
#include "edits/ZYLImageListBox.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLListComboBox.h"
#include "edits/ZYLMaskEdit.h"
#include "edits/ZYLMemo.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/ColnEdit.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/ComponentEditorTestSupport.h"
#include "tests/design/StringsTestSupport.h"
#include "tests/support/ErrorOf.h"

namespace zyl {

// A data-aware memo, as the data-aware variants are named.
class TZYLDBMemo : public TZYLMemo {
  ZYL_CLASS(TZYLDBMemo, TZYLMemo)
  explicit TZYLDBMemo(vcl::TComponent* AOwner) : inherited(AOwner) {}
};
ZYL_CLASS_IMPL(TZYLDBMemo) {}

namespace {

using Strings = std::vector<std::string>;

// A list box of the form with one header section per width, captioned "C0", "C1", ...
TZYLListBox* ListWithSections(TDesignedForm& f, const std::string& Name,
                              const std::vector<int>& Widths) {
  auto* box = f.Add<TZYLListBox>(Name);
  box->SetBounds(8, 8, 300, 120);
  vcl::THeaderSections* sections = box->GetHeaderSections();
  while (sections->Count() > 0) sections->Delete(0);
  for (size_t i = 0; i < Widths.size(); ++i) {
    vcl::THeaderSection* s = sections->Add();
    s->SetText("C" + std::to_string(i));
    s->SetWidth(Widths[i]);
  }
  return box;
}

std::vector<int> WidthsOf(TZYLListBox* Box) {
  std::vector<int> widths;
  vcl::THeaderSections* sections = Box->GetHeaderSections();
  for (int i = 0; i < sections->Count(); ++i) widths.push_back(sections->Items(i)->Width());
  return widths;
}

// The rows of a list box with columns.
Strings RowsOf(TZYLListBox* Box) {
  Strings rows;
  for (int i = 0; i < Box->GetItems()->Count(); ++i) rows.push_back(Box->GetItems()->Strings(i));
  return rows;
}

class EditEditors : public designtest::TLaunchingEditorTest<designtest::TStringsUnits> {
 protected:
  EditEditors()
      : TComponentEditorTest({
            EditorFor<TZYLBaseEdit, TZYLEditComponentEditor>(),
            EditorFor<TZYLCustomMemo, TZYLMemoComponentEditor>(),
            EditorFor<TZYLColorComboBox, TZYLColorComboBoxComponentEditor>(),
            EditorFor<TZYLFontComboBox, TZYLFontComboBoxComponentEditor>(),
            EditorFor<TZYLImageComboBox, TZYLImageComboBoxComponentEditor>(),
            EditorFor<TZYLImageListBox, TZYLImageListBoxComponentEditor>(),
            EditorFor<TZYLCustomListBox, TZYLCustomListBoxComponentEditor>(),
            EditorFor<TZYLListBox, TZYLListBoxComponentEditor>(),
        }) {}
};

const Strings kEditBase = {"Transparent [False]", "Font3D", "Font", "Bevel"};
const Strings kButtons = {"CustomButtonsStyle", "CtlXP", "-", "Form: Update CtlXP property", "-"};
const Strings kOwnButtons = {"CustomButtons", "CustomButtonParentCtlXP [False]"};
const Strings kSpin = {"-", "SpinBtnDiag"};

Strings Join(std::initializer_list<Strings> Parts) {
  Strings all;
  for (const Strings& p : Parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

struct TMenuCase {
  const char* Name;
  std::function<vcl::TComponent*(TDesignedForm&)> Make;
  Strings Verbs;
};

template <class T>
std::function<vcl::TComponent*(TDesignedForm&)> Make(const char* Name) {
  return [Name](TDesignedForm& f) -> vcl::TComponent* { return f.Add<T>(Name); };
}

std::vector<TMenuCase> MenuCases() {
  const Strings edit = Join({kEditBase, kButtons, kOwnButtons});
  const Strings browse = Join({kEditBase, kButtons});
  const Strings spin = Join({kEditBase, kButtons, kOwnButtons, kSpin});
  const Strings customList = {"Font", "Font3D", "Transparent [False]"};
  const Strings boxTail = {"Items",          "HeaderSections", "Bevel",     "Color",
                           "Enabled [True]", "Font",           "HeaderFont"};
  return {
      {"edit", Make<TZYLEdit>("Edit1"), edit},
      {"masked edit", Make<TZYLMaskEdit>("Mask1"), edit},
      {"spin edit", Make<TZYLSpinEdit>("Spin1"), spin},
      {"extended spin edit", Make<TZYLExtSpinEdit>("ExtSpin1"), spin},
      {"browse edit", Make<TZYLBrowseEdit>("Browse1"), browse},
      {"colour edit", Make<TZYLColorEdit>("ColorEdit1"), browse},
      {"file open edit", Make<TZYLFileOpenEdit>("Open1"), browse},
      {"file save edit", Make<TZYLFileSaveEdit>("Save1"), browse},
      {"list combo edit", Make<TZYLListComboBox>("ListCombo1"), browse},
      {"memo", Make<TZYLMemo>("Memo1"), Join({kEditBase, {"Lines"}})},
      {"data-aware memo", Make<TZYLDBMemo>("DBMemo1"), kEditBase},
      {"list box, one section",
       [](TDesignedForm& f) -> vcl::TComponent* { return ListWithSections(f, "List1", {80}); },
       boxTail},
      {"list box, two sections",
       [](TDesignedForm& f) -> vcl::TComponent* {
         return ListWithSections(f, "List2", {80, 60});
       },
       Join({{"Resize Sections..."}, boxTail})},
      {"extended list box", Make<TZYLExtListBox>("Ext1"), Join({customList, {"Items"}})},
      {"colour list box", Make<TZYLColorListBox>("ColorList1"), customList},
      {"font list box", Make<TZYLFontListBox>("FontList1"), customList},
      {"image list box", Make<TZYLImageListBox>("ImageList1"),
       Join({customList, {"Layout", "Items"}})},
      {"image combo box",
       Make<TZYLImageComboBox>("ImageCombo1"),
       {"Font", "Font3D", "Layout", "Items"}},
      {"colour combo box",
       Make<TZYLColorComboBox>("ColorCombo1"),
       {"Color", "Enabled [True]", "Font"}},
      {"font combo box",
       Make<TZYLFontComboBox>("FontCombo1"),
       {"Enabled [True]", "Font", "Options"}},
  };
}

// Each editor lists its verbs in order and runs each without error (forms it opens are
// closed).
TEST_F(EditEditors, EachEditorListsItsVerbsInOrderAndRunsEachWithoutError) {
  for (const TMenuCase& c : MenuCases()) {
    SCOPED_TRACE(c.Name);
    vcl::TComponent* component = c.Make(form_);
    EXPECT_EQ(form_.Menu(component).Verbs(), c.Verbs);
    // Each edit's 3D caption stood in for as well (every edit publishes it).
    std::vector<vcl::TPersistent*> objects = designtest::SettingsObjectsOf(component);
    if (auto* edit = dynamic_cast<TZYLBaseEdit*>(component)) objects.push_back(edit->Font3D());
    designtest::TRecordedLaunchers launchers(objects);
    form_.ExpectEachVerbRuns(component);
  }
}

// The memo editor counts the edit editor's verbs before its own.
TEST_F(EditEditors, TheMemoEditorKeepsTheEditVerbCount) {
  auto* memo = form_.Add<TZYLMemo>("Memo1");
  auto* dbMemo = form_.Add<TZYLDBMemo>("DBMemo1");
  TZYLMemoComponentEditor editor(memo, Designer());
  EXPECT_EQ(editor.GetVerbCount(), 5);
  EXPECT_EQ(editor.BaseVerbCount, 4);
  EXPECT_EQ(editor.GetVerb(editor.BaseVerbCount), "Lines");
  EXPECT_EQ(editor.GetVerb(5), "");
  TZYLMemoComponentEditor dbEditor(dbMemo, Designer());
  EXPECT_EQ(dbEditor.GetVerbCount(), 4);
  EXPECT_EQ(dbEditor.BaseVerbCount, 4);
}

// A toggle changes exactly the property it names and reports once; where the caption shows
// the state it follows.
struct TToggleCase {
  const char* Name;
  std::function<vcl::TComponent*(TDesignedForm&)> Make;
  const char* Prop;
  bool ShowsState;
};

TEST_F(EditEditors, EachToggleChangesExactlyItsProperty) {
  const TToggleCase cases[] = {
      {"edit", Make<TZYLEdit>("Edit1"), "Transparent", true},
      {"edit", Make<TZYLEdit>("Edit2"), "CtlXP", false},
      {"edit", Make<TZYLEdit>("Edit3"), "CustomButtonParentCtlXP", true},
      {"extended spin edit", Make<TZYLExtSpinEdit>("Spin1"), "SpinBtnDiag", false},
      {"memo", Make<TZYLMemo>("Memo1"), "Transparent", true},
      {"list box", Make<TZYLListBox>("List1"), "Enabled", true},
      {"extended list box", Make<TZYLExtListBox>("Ext1"), "Transparent", true},
      {"image list box", Make<TZYLImageListBox>("Image1"), "Transparent", true},
      {"colour combo box", Make<TZYLColorComboBox>("Color1"), "Enabled", true},
      {"font combo box", Make<TZYLFontComboBox>("Font1"), "Enabled", true},
  };
  for (const TToggleCase& c : cases) {
    SCOPED_TRACE(std::string(c.Name) + " " + c.Prop);
    vcl::TComponent* component = c.Make(form_);
    for (int round = 0; round < 2; ++round) {
      const bool before = vcl::GetOrdProp(component, c.Prop) != 0;
      std::map<std::string, std::string> expected = designtest::SimpleProps(component);
      expected[c.Prop] = before ? "False" : "True";
      Designer()->ResetModified();
      const auto caption = [&](bool state) {
        return c.Prop + std::string(c.ShowsState ? BoolStr[state] : "");
      };
      form_.Menu(component).Execute(caption(before));
      EXPECT_EQ(designtest::SimpleProps(component), expected);
      // A list box's header takes no drags while the box is disabled; AllowResize keeps its own
      // value for when the box is enabled again.
      if (auto* list = dynamic_cast<TZYLListBox*>(component)) {
        EXPECT_EQ(list->Header()->Enabled(), !before);
      }
      EXPECT_EQ(Designer()->ModifiedCount(), 1);
      const Strings verbs = form_.Menu(component).Verbs();
      EXPECT_NE(std::find(verbs.begin(), verbs.end(), caption(!before)), verbs.end());
    }
  }
}

// The spin edit's SpinBtnDiag and CustomButtonParentCtlXP verbs negate them through their
// setters, and the form is written with the new values.
TEST_F(EditEditors, TheSpinEditTogglesItsFlagsAndTheFormKeepsThem) {
  auto* spin = form_.Add<TZYLSpinEdit>("Spin1");
  const bool diag = spin->SpinBtnDiag();
  form_.Menu(spin).Execute("SpinBtnDiag");
  EXPECT_EQ(spin->SpinBtnDiag(), !diag);
  form_.Menu(spin).Execute("CustomButtonParentCtlXP [False]");
  EXPECT_TRUE(spin->CustomButtonParentCtlXP());
  EXPECT_EQ(form_.Menu(spin).Verbs()[10], "CustomButtonParentCtlXP [True]");
  EXPECT_EQ(Designer()->ModifiedCount(), 2);
  const std::string text = vcl::ObjectBinaryToTextString(designtest::StreamOf(spin));
  EXPECT_NE(text.find(std::string("SpinBtnDiag = ") + (diag ? "False" : "True")),
            std::string::npos);
  EXPECT_NE(text.find("CustomButtonParentCtlXP = True"), std::string::npos);
}

// A value choice sets the chosen value of its property and nothing else, published or not,
// and reports once.
struct TChoiceCase {
  const char* Name;
  std::function<vcl::TComponent*(TDesignedForm&)> Make;
  const char* Verb;
  Strings Choose;  // the values selected in the list
  std::function<std::string(vcl::TComponent*)> Value;
  const char* Expected;
};

TEST_F(EditEditors, AValueChoiceSetsExactlyTheChosenValue) {
  const auto style = [](vcl::TComponent* c) {
    const TZYLUserButtonStyle s = static_cast<TZYLCustomEdit*>(c)->CustomButtonsStyle();
    return vcl::TypeInfoOf<TZYLUserButtonStyle>()->Names[static_cast<size_t>(s)];
  };
  const TChoiceCase cases[] = {
      {"edit", Make<TZYLEdit>("Edit1"), "CustomButtonsStyle", {"ubsCombo"}, style, "ubsCombo"},
      {"spin edit",
       Make<TZYLSpinEdit>("Spin1"),
       "CustomButtonsStyle",
       {"ubsCombo"},
       style,
       "ubsCombo"},
      {"font combo box",
       Make<TZYLFontComboBox>("Font1"),
       "Options",
       {"foPrinterFonts"},
       [](vcl::TComponent* c) { return vcl::GetPropValue(c, "Options"); },
       "[foPrinterFonts]"},
  };
  for (const TChoiceCase& c : cases) {
    SCOPED_TRACE(c.Name);
    vcl::TComponent* component = c.Make(form_);
    const std::map<std::string, std::string> before = designtest::SimpleProps(component);
    vt::TDialogScript script;
    designtest::AnswerEditor(
        script,
        [&](vcl::TCustomForm* f) {
          auto* list = designtest::On<vcl::TListBox>(f, "lst");
          for (int i = 0; i < list->Items()->Count(); ++i)
            list->SetSelected(i, std::find(c.Choose.begin(), c.Choose.end(),
                                           list->Items()->Strings(i)) != c.Choose.end());
          if (!list->MultiSelect()) vt::ChooseListItem(list, c.Choose.front());
        },
        TEnding::Ok);
    Designer()->ResetModified();
    form_.Menu(component).Execute(c.Verb);
    EXPECT_EQ(c.Value(component), c.Expected);
    std::map<std::string, std::string> after = designtest::SimpleProps(component);
    std::map<std::string, std::string> expected = before;
    for (auto& [name, value] : after)
      if (name == c.Verb) expected[name] = value;  // published: the one property that changed
    EXPECT_EQ(after, expected);
    EXPECT_EQ(Designer()->ModifiedCount(), 1);
  }
}

// A settings-object verb hands the component's own object to the launcher of its class and
// reports only when the launcher answered true.
TEST_F(EditEditors, ASettingsVerbEditsTheComponentsOwnObject) {
  auto* edit = form_.Add<TZYLMaskEdit>("Mask1");
  auto* combo = form_.Add<TZYLImageComboBox>("Combo1");
  auto* list = form_.Add<TZYLExtListBox>("Ext1");
  struct TCase {
    vcl::TComponent* Component;
    const char* Verb;
    vcl::TPersistent* Object;
  };
  const TCase cases[] = {
      {edit, "Font3D", edit->Font3D()},   {edit, "Font", edit->Font()},
      {edit, "Bevel", edit->Bevel()},     {combo, "Font3D", combo->Font3D()},
      {combo, "Layout", combo->Layout()}, {list, "Font3D", list->Font3D()},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Verb);
    TZYLSettingsLauncher package;
    try {
      package = ZYLSettingsLauncherOf(c.Object);
    } catch (const vcl::EPropertyError&) {
      // no launcher in the package for this class yet
    }
    std::vector<vcl::TPersistent*> edited;
    for (const bool answer : {false, true}) {
      ZYLRegisterSettingsLauncher(c.Object->ClassType(), [&](vcl::TPersistent* o) {
        edited.push_back(o);
        return answer;
      });
      Designer()->ResetModified();
      form_.Menu(c.Component).Execute(c.Verb);
      EXPECT_EQ(Designer()->ModifiedCount(), answer ? 1 : 0);
    }
    if (package)
      ZYLRegisterSettingsLauncher(c.Object->ClassType(), package);
    else
      ZYLUnregisterSettingsLauncher(c.Object->ClassType());
    EXPECT_EQ(edited, (std::vector<vcl::TPersistent*>{c.Object, c.Object}));
  }
}

// "Lines" edits the memo's text in the strings editor: OK takes the edited lines and reports,
// the other endings leave the memo and the form's modified state alone.
TEST_F(EditEditors, LinesEditsTheMemoTextInTheStringsEditor) {
  auto* memo = form_.Add<TZYLMemo>("Memo1");
  memo->Lines()->SetText("one\r\ntwo");
  for (const TEnding ending : {TEnding::Cancel, TEnding::Escape, TEnding::Ok}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    const std::string before = designtest::StreamOf(memo);
    std::string shown;
    vt::TDialogScript script;
    designtest::AnswerStringsEditor(
        script,
        [&](TZYLFrmStringEditor* f) {
          shown = f->StrList->Text();
          f->StrList->SetText("alpha\r\nbeta\r\ngamma\r\n");
        },
        ending);
    Designer()->ResetModified();
    form_.Menu(memo).Execute("Lines");
    EXPECT_EQ(shown, "one\r\ntwo");
    if (ending == TEnding::Ok) {
      EXPECT_EQ(memo->Lines()->Count(), 3);
      EXPECT_EQ(memo->Lines()->Get(2), "gamma");
      EXPECT_EQ(Designer()->ModifiedCount(), 1);
    } else {
      EXPECT_EQ(designtest::StreamOf(memo), before);
      EXPECT_EQ(Designer()->ModifiedCount(), 0);
    }
  }
}

// A property editor that only records which property it was asked to edit.
class TRecordingEditor : public vcl::TClassProperty {
 public:
  static constexpr char EditorClassName[] = "TRecordingEditor";
  using vcl::TClassProperty::TClassProperty;
  void Edit() override { Edited().push_back(GetName()); }
  static Strings& Edited() {
    static Strings edited;
    return edited;
  }
};

// Double-clicking a list box opens the editor of its HeaderSections, an edit that of its
// CustomButtons; the verbs of those names do the same.
TEST_F(EditEditors, DoubleClickOpensTheHeaderSectionsOrCustomButtonsEditor) {
  const char kProps[] = "edit-editors-test-properties";
  vcl::LoadDesignPackage(kProps, [] {
    const auto editor = vcl::PropertyEditorClassOf<TRecordingEditor>();
    vcl::RegisterPropertyEditor(
        vcl::GetPropInfo(TZYLListBox::StaticClass(), "HeaderSections")->PropType,
        TZYLListBox::StaticClass(), "HeaderSections", editor);
    vcl::RegisterPropertyEditor(
        vcl::GetPropInfo(TZYLEdit::StaticClass(), "CustomButtons")->PropType,
        TZYLEdit::StaticClass(), "CustomButtons", editor);
  });
  auto* box = ListWithSections(form_, "List1", {50, 50});
  auto* edit = form_.Add<TZYLEdit>("Edit1");
  TRecordingEditor::Edited().clear();
  form_.Menu(box).DoubleClick();
  form_.Menu(edit).DoubleClick();
  form_.Menu(box).Execute("HeaderSections");
  form_.Menu(edit).Execute("CustomButtons");
  vcl::UnloadDesignPackage(kProps);
  EXPECT_EQ(TRecordingEditor::Edited(),
            (Strings{"HeaderSections", "CustomButtons", "HeaderSections", "CustomButtons"}));
}

// The list box's "HeaderSections" and the edit's "CustomButtons" open the collection editor of
// that property, as double-clicking the component does; the form counts as modified only when
// something changed there, once per change.
TEST_F(EditEditors, HeaderSectionsAndCustomButtonsOpenTheCollectionEditor) {
  auto* box = ListWithSections(form_, "List1", {50, 60});
  auto* edit = form_.Add<TZYLEdit>("Edit1");
  struct TCase {
    const char* Name;
    vcl::TComponent* Component;
    vcl::TCollection* Collection;
    const char* Verb;
    bool DoubleClick;
    int Adds;
  };
  const TCase cases[] = {
      {"list box verb, nothing changed", box, box->GetHeaderSections(), "HeaderSections", false, 0},
      {"list box verb, one section added", box, box->GetHeaderSections(), "HeaderSections", false,
       1},
      {"list box double click, two added", box, box->GetHeaderSections(), "HeaderSections", true,
       2},
      {"edit verb, nothing changed", edit, edit->CustomButtons(), "CustomButtons", false, 0},
      {"edit double click, one button added", edit, edit->CustomButtons(), "CustomButtons", true,
       1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const int before = c.Collection->Count();
    form_.Designer()->ResetModified();
    std::string caption, formClass;
    Strings lines;
    vt::TDialogScript script;
    script.Do([&](vcl::TCustomForm* f) {
      caption = f->Caption();
      formClass = f->ClassName();
      auto* editor = dynamic_cast<vcl::TCollectionEditor*>(f);
      ASSERT_NE(editor, nullptr);
      for (int i = 0; i < c.Adds; ++i) {
        vt::ClickControl(editor->AddCmd);
        vt::ChooseListItem(editor->ItemList, vcl::TCollectionEditor::ItemText(c.Collection, 0));
      }
      for (int i = 0; i < editor->ItemList->Items()->Count(); ++i)
        lines.push_back(editor->ItemList->Items()->Strings(i));
    });
    script.Press("Close");
    if (c.DoubleClick)
      form_.Menu(c.Component).DoubleClick();
    else
      form_.Menu(c.Component).Execute(c.Verb);
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_EQ(formClass, "TCollectionEditor");
    EXPECT_EQ(caption, "Editing Form1." + c.Component->Name() + "." + c.Verb);
    EXPECT_EQ(c.Collection->Count(), before + c.Adds);
    EXPECT_EQ(lines.size(), static_cast<size_t>(before + c.Adds));
    EXPECT_EQ(form_.Designer()->ModifiedCount(), c.Adds);
    // No event handler was opened instead.
    EXPECT_TRUE(form_.Designer()->ShownMethods().empty());
  }
  EXPECT_EQ(box->GetHeaderSections()->Count(), 5);
  EXPECT_EQ(box->Header()->Sections()->Count(), 5);
}

// ---------------------------------------------------------------------------------------------
// The section editor

// Drags the divider after section Index of the preview's header by Dx pixels.
void DragDivider(TZYLListBox* Preview, int Index, int Dx) {
  vcl::THeaderControl* header = Preview->Header();
  int right = 0;
  for (int i = 0; i <= Index; ++i) right += header->Sections()->Items(i)->Width();
  const int y = header->Height() / 2;
  wt::Drag(wt::ScreenPoint(header->Handle(), right, y),
           wt::ScreenPoint(header->Handle(), right + Dx, y));
}

TEST_F(EditEditors, ResizeSectionsShowsTheDraggedWidthsAndOkSetsThem) {
  auto* box = ListWithSections(form_, "List1", {60, 80, 100});
  Strings rowsBefore, rowsAfter;
  std::vector<int> previewBefore;
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script,
      [&](vcl::TCustomForm* f) {
        auto* lb = designtest::On<TZYLListBox>(f, "lb");
        auto* lb1 = designtest::On<TZYLListBox>(f, "lb1");
        previewBefore = WidthsOf(lb);
        rowsBefore = RowsOf(lb1);
        DragDivider(lb, 0, 30);
        DragDivider(lb, 2, -40);
        rowsAfter = RowsOf(lb1);
        EXPECT_TRUE(wt::WritePng(wt::RenderWindow(f->Handle()), "/tmp/section_editor.png"));
      },
      TEnding::Ok, "ok", "cancel");
  Designer()->ResetModified();
  form_.Menu(box).Execute("Resize Sections...");
  EXPECT_EQ(previewBefore, (std::vector<int>{60, 80, 100}));
  EXPECT_EQ(rowsBefore, (Strings{"C0;60", "C1;80", "C2;100"}));
  EXPECT_EQ(rowsAfter, (Strings{"C0;90", "C1;80", "C2;60"}));
  EXPECT_EQ(WidthsOf(box), (std::vector<int>{90, 80, 60}));
  EXPECT_EQ(Designer()->ModifiedCount(), 1);
}

// Any ending but OK leaves the list box exactly as it was; the verb still reports, unless an
// exception inside the form ends it.
TEST_F(EditEditors, ResizeSectionsLeavesTheListBoxAsItWasUnlessOk) {
  auto* box = ListWithSections(form_, "List1", {60, 80});
  for (const TEnding ending :
       {TEnding::Cancel, TEnding::CloseBox, TEnding::Escape, TEnding::Exception}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    const bool raises = ending == TEnding::Exception;
    const std::string before = designtest::StreamOf(box);
    vt::TDialogScript script;
    designtest::AnswerEditor(
        script,
        [&](vcl::TCustomForm* f) { DragDivider(designtest::On<TZYLListBox>(f, "lb"), 0, 25); },
        ending, "ok", "cancel");
    Designer()->ResetModified();
    EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>(
                  [&] { form_.Menu(box).Execute("Resize Sections..."); }),
              raises ? "failure inside the editor" : "<no error>");
    EXPECT_EQ(designtest::StreamOf(box), before);
    EXPECT_EQ(WidthsOf(box), (std::vector<int>{60, 80}));
    EXPECT_EQ(Designer()->ModifiedCount(), raises ? 0 : 1);
  }
}

// The unregistered section editor: the preview at the list box's width, the widths copied back
// on OK, nothing reported; a list box with fewer than two sections is refused before any form
// comes up.
TEST_F(EditEditors, TheSectionEditorCopiesTheWidthsBackWithoutReporting) {
  auto* box = ListWithSections(form_, "List1", {70, 40});
  box->SetWidth(260);
  TZYLSectionEditor editor(box, Designer());
  ASSERT_EQ(editor.GetVerbCount(), 1);
  EXPECT_EQ(editor.GetVerb(0), "Section-Editor");
  int previewWidth = 0;
  vt::TDialogScript script;
  designtest::AnswerEditor(
      script,
      [&](vcl::TCustomForm* f) {
        auto* lb = designtest::On<TZYLListBox>(f, "lb");
        previewWidth = lb->Width();
        DragDivider(lb, 1, 20);
      },
      TEnding::Ok, "ok", "cancel");
  editor.ExecuteVerb(0);
  EXPECT_EQ(previewWidth, 260);
  EXPECT_EQ(WidthsOf(box), (std::vector<int>{70, 60}));
  EXPECT_EQ(Designer()->ModifiedCount(), 0);

  for (const std::vector<int>& widths : {std::vector<int>{}, std::vector<int>{90}}) {
    auto* few = ListWithSections(form_, "Few" + std::to_string(widths.size()), widths);
    TZYLSectionEditor refused(few, Designer());
    vt::TDialogScript none;
    EXPECT_EQ(testsupport::ErrorOf<EZYLSectionEditor>([&] { refused.ExecuteVerb(0); }),
              ZYL_SECTIONSREQUIRED);
    EXPECT_TRUE(none.Shown().empty());
    EXPECT_EQ(WidthsOf(few), widths);
  }
}

}  // namespace
}  // namespace zyl
