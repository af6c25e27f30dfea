// The component editors of the system, hint, wave, message box, dialog and starter
// components, driven through the designer's context menu on components of a designed form.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "design/pZYLCESystem.h"
#include "design/pZYLCEVerbs.h"
#include "design/pZYLPECst.h"
#include "edits/ZYLBrowseDlg.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLHint.h"
#include "system/ZYLInputDlg.h"
#include "system/ZYLMessageHint.h"
#include "system/ZYLMousePositioner.h"
#include "system/ZYLMsg.h"
#include "system/ZYLShapeHint.h"
#include "system/ZYLStarter.h"
#include "tests/design/ComponentEditorTestSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using Strings = std::vector<std::string>;

class SystemEditors : protected designtest::TTempRegistry,
                      public designtest::TLaunchingEditorTest<> {
 protected:
  SystemEditors()
      : TComponentEditorTest({
            EditorFor<TZYLMousePositioner, TZYLMousePosEditor>(),
            EditorFor<TZYLHint, TZYLHintComponentEditor>(),
            EditorFor<TZYLCustomShapeHint, TZYLShapeHintComponentEditor>(),
            EditorFor<TZYLWaveComp, TZYLWaveEditor>(),
            EditorFor<TZYLMessageBoxDlg, TZYLMessageBoxComponentEditor>(),
            EditorFor<TZYLBaseDialog, TZYLDlgEditor>(),
            EditorFor<TZYLBrowseDlg, TZYLBrowseDlgEditor>(),
            EditorFor<TZYLStarter, TZYLStarterEditor>(),
        }) {}
};

// What a dialog built of library controls showed, then the click on its button of that
// caption (without '&').
struct TSeen {
  std::string Form, Caption, Text;
  Strings Buttons;
};
void SeeAndPress(vt::TDialogScript& script, std::vector<TSeen>& seen, const std::string& button,
                 const char* TextControl) {
  script.Do([&seen, button, TextControl](vcl::TCustomForm* form) {
    TSeen s{form->Name(),
            form->Caption(),
            dynamic_cast<vcl::TControl*>(vt::DialogControl(form, TextControl))->Caption(),
            {}};
    TZYLButton* press = nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
      if (auto* b = dynamic_cast<TZYLButton*>(form->Components(i)); b && b->Visible()) {
        s.Buttons.push_back(vcl::StringReplace(b->Caption(), "&", "", {vcl::rfReplaceAll}));
        if (s.Buttons.back() == button) press = b;
      }
    seen.push_back(s);
    if (!press) throw vt::EDialogScript("no button " + button);
    vt::ClickControl(press);
  });
}

// Each editor lists its verbs in order and runs each without error (forms a verb opens are
// closed).
TEST_F(SystemEditors, EachEditorListsItsVerbsInOrderAndRunsEachWithoutError) {
  const TMenuCase cases[] = {
      {"mouse positioner", &MakeNamed<TZYLMousePositioner>, {"&Test..."}},
      {"hint", &MakeNamed<TZYLHint>, {"Bevel", "Color", "Enabled [True]", "Font", "Font3D"}},
      {"shape hint",
       &MakeNamed<TZYLShapeHint>,
       {"BorderColor", "Color", "Enabled [True]", "Font", "Font3D", "Shadow"}},
      // The message hint has no Enabled.
      {"message hint",
       &MakeNamed<TZYLMessageHint>,
       {"BorderColor", "Color", "Font", "Font3D", "Shadow"}},
      {"wave", &MakeNamed<TZYLWaveComp>, {"Specify Wave"}},
      {"message box", &MakeNamed<TZYLMessageBoxDlg>, {"Demo"}},
      {"input dialog", &MakeNamed<TZYLInputDlg>, {"Test dialog...", "ImageList"}},
      {"folder dialog", &MakeNamed<TZYLBrowseDlg>, {"Test dialog..."}},
      {"starter", &MakeNamed<TZYLStarter>, {"Autostart [False]", "StartTime"}},
  };
  designtest::ExpectMenus(form_, cases);
}

// A toggle changes exactly the property it names and reports once; its caption follows.
TEST_F(SystemEditors, EachToggleChangesExactlyItsProperty) {
  const designtest::TToggleCase cases[] = {
      {&MakeNamed<TZYLHint>, "Enabled", "Enabled"},
      {&MakeNamed<TZYLShapeHint>, "Enabled", "Enabled"},
      {&MakeNamed<TZYLStarter>, "AutoStart", "Autostart"},
  };
  designtest::ExpectToggles(form_, cases);
}

// The settings verbs hand the component's own object to its launcher and report only when it
// answers true; the colour verbs always report.
TEST_F(SystemEditors, SettingsVerbsEditTheComponentsOwnObjects) {
  auto* hint = form_.Add<TZYLShapeHint>("Hint1");
  for (const bool answer : {false, true}) {
    designtest::TRecordedLaunchers launchers({hint->Font(), hint->Font3D(), hint->Shadow()}, answer);
    Designer()->ResetModified();
    for (const char* verb : {"Font", "Font3D", "Shadow"}) form_.Menu(hint).Execute(verb);
    EXPECT_EQ(launchers.Edited(),
              (std::vector<vcl::TPersistent*>{hint->Font(), hint->Font3D(), hint->Shadow()}));
    EXPECT_EQ(Designer()->ModifiedCount(), answer ? 3 : 0);
  }
  for (const char* verb : {"BorderColor", "Color"}) {
    SCOPED_TRACE(verb);
    const std::string before = designtest::StreamOf(hint);
    vt::TDialogScript script;
    designtest::CloseNextForm(script);
    Designer()->ResetModified();
    form_.Menu(hint).Execute(verb);
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_EQ(designtest::StreamOf(hint), before);
    EXPECT_EQ(Designer()->ModifiedCount(), 1);
  }
}

// "Demo" shows the test message through the message box created last, whichever box's menu
// it was chosen from, with that box's own buttons; without a box in the slot nothing shows.
TEST_F(SystemEditors, TheDemoShowsTheTestMessageThroughTheBoxCreatedLast) {
  auto* first = form_.Add<TZYLMessageBoxDlg>("Box1");
  auto* last = form_.Add<TZYLMessageBoxDlg>("Box2");
  first->SetCaptionTitle("First box");
  last->SetCaptionTitle("Last box");
  last->SetButtons({vcl::mbYes, vcl::mbNo});
  {
    vt::TDialogScript script;
    std::vector<TSeen> seen;
    SeeAndPress(script, seen, "No", "Message");
    Designer()->ResetModified();
    form_.Menu(first).Execute("Demo");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Caption, "Last box");
    EXPECT_EQ(seen[0].Text, "Test - Message");
    EXPECT_EQ(seen[0].Buttons, (Strings{"Yes", "No"}));
    EXPECT_EQ(Designer()->ModifiedCount(), 0);
  }
  delete last;  // clears the slot
  vt::TDialogScript script;
  form_.Menu(first).Execute("Demo");
  EXPECT_TRUE(script.Shown().empty());
  EXPECT_EQ(Designer()->ModifiedCount(), 0);
}

// "Test dialog..." runs the dialog's own Execute (a real modal form) and reports nothing; the
// folder dialog's test run is reported.
TEST_F(SystemEditors, TheTestRunsShowTheDialogs) {
  auto* input = form_.Add<TZYLInputDlg>("Input1");
  input->SetPrompt("Your name");
  auto* browse = form_.Add<TZYLBrowseDlg>("Browse1");
  browse->SetString(TZYLBrowseDlg::siCaptionTitle, "Pick a folder");
  vt::TDialogScript script;
  std::vector<TSeen> seen;
  SeeAndPress(script, seen, "Cancel", "Prompt");
  script.Press("Cancel");
  Designer()->ResetModified();
  form_.Menu(input).Execute(IDS_TESTDIALOG);
  EXPECT_EQ(Designer()->ModifiedCount(), 0);
  form_.Menu(browse).Execute(IDS_TESTDIALOG);
  EXPECT_EQ(Designer()->ModifiedCount(), 1);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].Text, "Your name");
  ASSERT_EQ(script.Shown().size(), 2u);
  EXPECT_EQ(script.Shown()[1].Caption, "Pick a folder");
}

// A dialog's "ImageList" seeds the picker with its list and indices, stores a confirmed pick
// (list first) and reports only then.
TEST_F(SystemEditors, ADialogsImageListVerbStoresAConfirmedPick) {
  auto* list = form_.Add<TZYLImageList>("ImageList1");
  auto* input = form_.Add<TZYLInputDlg>("Input1");
  input->SetIndex(1, 3);
  input->SetIndex(0, 5);
  designtest::TRecordedPicker picker;
  const std::string before = designtest::StreamOf(input);
  Designer()->ResetModified();
  form_.Menu(input).Execute("ImageList");
  ASSERT_EQ(picker.Seeded.size(), 1u);
  EXPECT_EQ(picker.Seeded[0].ListIndex, 3);
  EXPECT_EQ(picker.Seeded[0].ImageIndex, 5);
  EXPECT_EQ(designtest::StreamOf(input), before);
  EXPECT_EQ(Designer()->ModifiedCount(), 0);

  picker.Answer = true;
  picker.Choice = {list, 2, 7};
  form_.Menu(input).Execute("ImageList");
  EXPECT_EQ(vcl::GetObjectProp(input, "ImageList"), list);
  EXPECT_EQ(vcl::GetOrdProp(input, "ListIndex"), 2);
  EXPECT_EQ(vcl::GetOrdProp(input, "ImageIndex"), 7);
  EXPECT_EQ(Designer()->ModifiedCount(), 1);
}

// "Specify Wave" and "StartTime" open their real editors: Cancel and the close box leave the
// component as it was, unreported; OK is reported once.
TEST_F(SystemEditors, TheWaveAndStartTimeEditorsReportOnlyWhenConfirmed) {
  auto* wave = form_.Add<TZYLWaveComp>("Wave1");
  auto* starter = form_.Add<TZYLStarter>("Starter1");
  starter->StartTime()->SetValue(vcl::EncodeDate(2010, 1, 31) + vcl::EncodeTime(8, 0, 0, 0));
  struct TCase {
    vcl::TComponent* Component;
    const char* Verb;
    const char *Ok, *Cancel;
    std::function<void(vcl::TCustomForm*)> Change;
  };
  const TCase cases[] = {{wave, "Specify Wave", "ok", "Button2", [](vcl::TCustomForm*) {}},
                         {starter, "StartTime", "btOK", "btCancel", [](vcl::TCustomForm* f) {
                            vt::TypeInto(designtest::On<vcl::TWinControl>(f, "DayEdit"), "3");
                          }}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Verb);
    for (const TEnding ending : {TEnding::Cancel, TEnding::CloseBox}) {
      const std::string before = designtest::StreamOf(c.Component);
      vt::TDialogScript script;
      designtest::AnswerEditor(script, c.Change, ending, c.Ok, c.Cancel);
      Designer()->ResetModified();
      form_.Menu(c.Component).Execute(c.Verb);
      EXPECT_EQ(designtest::StreamOf(c.Component), before);
      EXPECT_EQ(Designer()->ModifiedCount(), 0);
    }
    vt::TDialogScript script;
    designtest::AnswerEditor(script, c.Change, TEnding::Ok, c.Ok, c.Cancel);
    Designer()->ResetModified();
    form_.Menu(c.Component).Execute(c.Verb);
    EXPECT_EQ(Designer()->ModifiedCount(), 1);
  }
  EXPECT_EQ(starter->StartTime()->GetSetStr(), "{2010-01-03 08:00:00}");
}

// Switching the starter's automatic start on while designing starts nothing, however far the
// clock runs past the start time.
TEST_F(SystemEditors, AutostartWhileDesigningStartsNoProgram) {
  auto* starter = form_.Add<TZYLStarter>("Starter1");
  starter->SetString(TZYLStarter::siCommand, "true");
  starter->StartTime()->SetValue(vcl::Now() + vcl::EncodeTime(0, 0, 2, 0));
  win::ClearShellExecuteLog();
  form_.Menu(starter).Execute("Autostart [False]");
  ASSERT_TRUE(starter->AutoStart());
  win::testkit::AdvanceClock(5 * TZYLStarter::StartTimerInterval);
  EXPECT_TRUE(win::ShellExecuteLog().empty());
  EXPECT_FALSE(starter->HasProcess());
  EXPECT_TRUE(starter->AutoStart());
}

// "&Test..." moves the cursor to the positioner's target (the form's default button) and
// reports nothing; without a target the cursor stays.
TEST_F(SystemEditors, TheTestRunMovesTheCursorToTheTarget) {
  auto* positioner = form_.Add<TZYLMousePositioner>("Positioner1");
  win::SetCursorPos(3, 4);
  form_.Menu(positioner).Execute("&Test...");
  win::TPoint p{};
  win::GetCursorPos(&p);
  EXPECT_EQ(p.X, 3);
  EXPECT_EQ(p.Y, 4);

  form_.Form()->SetBounds(100, 80, 300, 200);
  form_.Form()->Show();
  auto* button = form_.Add<vcl::TButton>("Button1");
  button->SetBounds(20, 30, 80, 24);
  button->SetDefault(true);
  Designer()->ResetModified();
  form_.Menu(positioner).Execute("&Test...");
  const vcl::TPoint centre = button->ClientToScreen({40, 12});
  win::GetCursorPos(&p);
  EXPECT_EQ(p.X, centre.X);
  EXPECT_EQ(p.Y, centre.Y);
  EXPECT_EQ(Designer()->ModifiedCount(), 0);
}

// The filter editor's "Edit Filters" does what a double-click does: it edits the component's
// first property only and opens no event.
class TRecordingProperty : public vcl::TStringProperty {
 public:
  static constexpr char EditorClassName[] = "TRecordingProperty";
  using TStringProperty::TStringProperty;
  void Edit() override { Edited().push_back(GetName()); }
  static Strings& Edited() {
    static Strings names;
    return names;
  }
};

TEST_F(SystemEditors, TheFilterEditorEditsTheFirstPropertyOnly) {
  vcl::LoadDesignPackage("filter-editor-test", [] {
    vcl::RegisterPropertyEditor(vcl::TypeInfoOf<std::string>(), nullptr, "",
                                vcl::PropertyEditorClassOf<TRecordingProperty>());
    vcl::RegisterComponentEditor(TZYLStarter::StaticClass(),
                                 vcl::ComponentEditorClassOf<TZYLFilterComponentEditor>());
  });
  auto* starter = form_.Add<TZYLStarter>("Starter1");
  TRecordingProperty::Edited().clear();
  EXPECT_EQ(form_.Menu(starter).Verbs(), Strings{"Edit Filters"});
  form_.Menu(starter).Execute("Edit Filters");
  form_.Menu(starter).DoubleClick();
  vcl::UnloadDesignPackage("filter-editor-test");
  // Name comes first; the starter's other string properties are not reached.
  EXPECT_EQ(TRecordingProperty::Edited(), (Strings{"Name", "Name"}));
}

}  // namespace
}  // namespace zyl
