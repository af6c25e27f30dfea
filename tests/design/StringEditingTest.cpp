// Editing strings, hints and string lists at design time: the string and hint editor, the
// launchers, the property editors through the object inspector (registered locally), and the
// bridge to the code editor, including components and forms freed while their module is open.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLSimplePanel.h"
#include "design/ZYLCPGetStrings.h"
#include "design/pZYLDsgnCPGetStrings.h"
#include "design/pZYLPEStrings.h"
#include "design/pZYLStrEditorDlg.h"
#include "design/pZYLStringsEditorDlg.h"
#include "edits/ZYLMemo.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/FormDesigner.h"
#include "platform/designer/ToolsAPI.h"
#include "tests/design/StringsTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/DesignerDrivers.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

using testsupport::ErrorOf;

// Scripts one answer to the string editor: `steps` on it, then OK or Cancel by its buttons.
void AnswerStrEditor(vt::TDialogScript& script, const std::function<void(TZYLStrEditorDlg*)>& steps,
                     TEnding ending) {
  script.Do([steps, ending](vcl::TCustomForm* form) {
    auto* f = static_cast<TZYLStrEditorDlg*>(form);
    steps(f);
    if (ending == TEnding::Ok) vt::ClickControl(f->ok);
    if (ending == TEnding::Cancel) vt::ClickControl(f->cancel);
  });
}

// Types at the end of the memo of the string editor.
void TypeAtEnd(TZYLStrEditorDlg* f, const std::string& text) {
  f->str->SetFocus();
  wt::SetShiftState(false, true, false);
  wt::KeyPress(win::VK_END);
  wt::SetShiftState(false, false, false);
  wt::TypeText(text);
}

class StringEditing : public ::testing::Test {
 protected:
  StringEditing() {
    pZYLStrEditorDlgUnit.Init();
    form_ = std::make_unique<vcl::TForm>(nullptr);
    form_->SetName("Form1");
    designer_ = std::make_unique<vcl::TFormDesigner>(form_.get());
    list_ = new vcl::TListBox(form_.get());
    list_->SetName("ListBox1");
    list_->SetParent(form_.get());
    list_->Items()->SetText("alpha\r\nbeta\r\n");
    // The string editors as a package would register them.
    vcl::LoadDesignPackage("strings", [] {
      vcl::RegisterPropertyEditor(vcl::TypeInfoOf<std::string>(), nullptr, "",
                                  vcl::PropertyEditorClassOf<TZYLStringProperty>());
      vcl::RegisterPropertyEditor(vcl::TypeInfoOf<std::string>(), vcl::TControl::StaticClass(),
                                  "Hint", vcl::PropertyEditorClassOf<TZYLHintProperty>());
      vcl::RegisterPropertyEditor(vcl::CaptionTypeInfo(), nullptr, "",
                                  vcl::PropertyEditorClassOf<TZYLStdCaptionProperty>());
      vcl::RegisterPropertyEditor(vcl::TypeInfoOf<vcl::TStrings*>(), nullptr, "",
                                  vcl::PropertyEditorClassOf<TZYLStringListProperty>());
      vcl::RegisterPropertyEditor(vcl::TypeInfoOf<TZYLMemoStrings*>(), nullptr, "",
                                  vcl::PropertyEditorClassOf<TZYLMemoLinesProperty>());
    });
  }
  ~StringEditing() override {
    vcl::UnloadDesignPackage("strings");
    for (const std::string& name : vcl::OpenModuleNames()) vcl::CloseModule(name);
    vcl::SetIDEServicesInstalled(true);
    designer_.reset();
    form_.reset();
    pZYLStrEditorDlgUnit.FInit();
  }
  vt::TInspectorDriver Inspect(vcl::TPersistent* c, const std::string& prop) {
    return vt::TInspectorDriver(designer_.get(), {c}, prop);
  }
  int Modified() const { return designer_->ModifiedCount(); }

  vt::TControlsSession session_;
  designtest::TStringsUnits units_;
  vt::TDialogScript script_;
  std::unique_ptr<vcl::TForm> form_;
  std::unique_ptr<vcl::TFormDesigner> designer_;
  vcl::TListBox* list_ = nullptr;
};

TEST_F(StringEditing, GetCaptionAnswersTheEditedTextOnOKAndTheValueOtherwise) {
  struct Case {
    TEnding ending;
    std::string want;
  };
  for (const Case& c : {Case{TEnding::Ok, "value!"}, Case{TEnding::Cancel, "value"},
                        Case{TEnding::Escape, "value"}}) {
    std::string selected;
    script_.Do([&](vcl::TCustomForm* form) {
      auto* f = static_cast<TZYLStrEditorDlg*>(form);
      selected = f->Caption() + ":" + std::to_string(f->str->SelLength());
      TypeAtEnd(f, "!");
      if (c.ending == TEnding::Ok) vt::ClickControl(f->ok);
      if (c.ending == TEnding::Cancel) vt::ClickControl(f->cancel);
      if (c.ending == TEnding::Escape) wt::KeyPress(win::VK_ESCAPE);
    });
    std::string result = "unchanged";
    ZYLCPGetCaption("value", -1, result);
    EXPECT_EQ(result, c.want) << designtest::EndingName(c.ending);
    EXPECT_EQ(selected, "String-Editor:5");  // the whole text selected
  }
}

TEST_F(StringEditing, TheMemoTakesAtMostTheMaximumLengthAndAnyLengthForMinusOne) {
  const std::string typed(40, 'x');
  struct Case {
    int maxLength;
    size_t want;
  };
  for (const Case& c : {Case{10, 10}, Case{-1, 40}}) {
    AnswerStrEditor(
        script_, [&](TZYLStrEditorDlg* f) { TypeAtEnd(f, typed); }, TEnding::Ok);
    std::string result;
    ZYLCPGetCaption("", c.maxLength, result);
    EXPECT_EQ(result.size(), c.want) << c.maxLength;
  }
}

TEST_F(StringEditing, ReturnPressesOKAndCtrlReturnStartsANewLine) {
  script_.Do([](vcl::TCustomForm* form) {
    auto* f = static_cast<TZYLStrEditorDlg*>(form);
    TypeAtEnd(f, "a");
    wt::SetShiftState(false, true, false);
    wt::KeyPress(win::VK_RETURN);
    wt::SetShiftState(false, false, false);
    wt::TypeText("b");
    wt::KeyPress(win::VK_RETURN);
  });
  std::string result;
  ZYLCPGetCaption("", -1, result);
  EXPECT_EQ(result, "a\r\nb");
}

TEST_F(StringEditing, TheHintEditorSplitsAndJoinsTheShortAndLongParts) {
  struct Case {
    std::string hint, memo, longHint;  // what the editor shows
    std::string newLong;               // typed over the long part ("-": left as it is)
    std::string want;
  };
  const Case cases[] = {
      {"Short|Long text", "Short", "Long text", "-", "Short|Long text"},
      {"Short|Long text", "Short", "Long text", "", "Short"},
      {"Short|Long text", "Short", "Long text", "   ", "Short"},
      {"Plain", "Plain", "", "more", "Plain|more"},
      {"a|b|c", "a", "b|c", "-", "a|b|c"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> seen;
    AnswerStrEditor(
        script_,
        [&](TZYLStrEditorDlg* f) {
          seen = {f->Caption(),
                  f->sh->Caption(),
                  f->str->Text(),
                  f->lh->Text(),
                  f->lh->Visible() ? "shown" : "hidden",
                  std::to_string(f->str->Height())};
          if (c.newLong != "-") vt::TypeInto(f->lh, c.newLong);
        },
        TEnding::Ok);
    list_->SetHint(c.hint);
    Inspect(list_, "Hint").Edit();
    EXPECT_EQ(seen, (std::vector<std::string>{"Hint-Editor", "&ShortHint:", c.memo, c.longHint,
                                              "shown", "126"}))
        << c.hint;
    EXPECT_EQ(list_->Hint(), c.want) << c.hint << " / " << c.newLong;
  }
}

TEST_F(StringEditing, ACancelledHintEditStoresNothing) {
  list_->SetHint("keep|this");
  AnswerStrEditor(
      script_, [](TZYLStrEditorDlg* f) { vt::TypeInto(f->lh, ""); }, TEnding::Cancel);
  Inspect(list_, "Hint").Edit();
  EXPECT_EQ(list_->Hint(), "keep|this");
  EXPECT_EQ(Modified(), 0);
}

TEST_F(StringEditing, TheStringEditorsAnswerTheirAttributesAndStoreTheValueEvenOnCancel) {
  auto* edit = new vcl::TEdit(form_.get());
  edit->SetName("Edit1");
  edit->SetParent(form_.get());
  auto* dialog = new vcl::TOpenDialog(form_.get());
  dialog->SetName("OpenDialog1");
  EXPECT_EQ(Inspect(dialog, "DefaultExt").AttributeBits(), 0x8C);
  EXPECT_EQ(Inspect(list_, "Hint").AttributeBits(), 0x8C);
  EXPECT_EQ(Inspect(form_.get(), "Caption").AttributeBits(), 0x9C);
  EXPECT_EQ(Inspect(edit, "Text").AttributeBits(), 0x9C);  // a caption-typed string
  auto name = [&](vcl::TPersistent* c, const char* prop) {
    return std::string(Inspect(c, prop).EditorClass()->Name);
  };
  testsupport::ExpectCases({{name(dialog, "DefaultExt"), "TZYLStringProperty"},
                            {name(list_, "Hint"), "TZYLHintProperty"},
                            {name(dialog, "Title"), "TZYLStringProperty"},
                            {name(edit, "Text"), "TZYLStdCaptionProperty"},
                            {name(list_, "Items"), "TZYLStringListProperty"}});
  EXPECT_EQ(Inspect(list_, "Items").AttributeBits(), 0x04);
  EXPECT_EQ(Inspect(list_, "Items").Editor().GetValue(), "(TStrings)");

  edit->SetText("old");
  AnswerStrEditor(
      script_, [](TZYLStrEditorDlg* f) { TypeAtEnd(f, "er"); }, TEnding::Ok);
  Inspect(edit, "Text").Edit();
  EXPECT_EQ(edit->Text(), "older");
  AnswerStrEditor(
      script_, [](TZYLStrEditorDlg* f) { TypeAtEnd(f, "zzz"); }, TEnding::Cancel);
  Inspect(edit, "Text").Edit();
  EXPECT_EQ(edit->Text(), "older");
  EXPECT_EQ(Modified(), 2);  // the unchanged value is stored again on Cancel
}

TEST_F(StringEditing, TheStringListEditorStoresTheListOnOKOnly) {
  designtest::AnswerStringsEditor(
      script_,
      [](TZYLFrmStringEditor* f) {
        EXPECT_TRUE(f->ZYLButton2->Visible());
        f->StrList->Lines()->Add("gamma");
      },
      TEnding::Ok);
  Inspect(list_, "Items").Edit();
  EXPECT_EQ(list_->Items()->Text(), "alpha\r\nbeta\r\ngamma\r\n");
  EXPECT_EQ(Modified(), 1);
  designtest::AnswerStringsEditor(
      script_, [](TZYLFrmStringEditor* f) { f->StrList->Lines()->Clear(); }, TEnding::Cancel);
  Inspect(list_, "Items").Edit();
  EXPECT_EQ(list_->Items()->Text(), "alpha\r\nbeta\r\ngamma\r\n");
  EXPECT_EQ(Modified(), 1);
}

// "Code" in the strings editor: the list stays, and the text opens as a module.
void PressCode(vt::TDialogScript& script, const std::string& addLine = "") {
  designtest::AnswerStringsEditor(
      script,
      [addLine](TZYLFrmStringEditor* f) {
        if (!addLine.empty()) f->StrList->Lines()->Add(addLine);
        vt::ClickControl(f->ZYLButton2);
      },
      TEnding::Unanswered);
}

TEST_F(StringEditing, CodeOpensTheListInTheCodeEditorAndSavingThereWritesItBack) {
  PressCode(script_, "typed before Code");
  Inspect(list_, "Items").Edit();
  const std::string module = "Form1.ListBox1.Items";
  EXPECT_EQ(list_->Items()->Text(), "alpha\r\nbeta\r\n");
  EXPECT_EQ(vcl::OpenModuleNames(), (std::vector<std::string>{module}));
  EXPECT_EQ(vcl::ModuleText(module), "alpha\r\nbeta\r\ntyped before Code");
  EXPECT_EQ(vcl::ModuleMarkModifiedCount(module), 1);
  EXPECT_EQ(vcl::ModuleShowCount(module), 1);

  vcl::EditModuleTextAndSave(module, "one\r\ntwo\r\n");
  EXPECT_EQ(list_->Items()->Text(), "one\r\ntwo\r\n");
  EXPECT_EQ(Modified(), 1);

  // While the module is open, Edit brings it to the front and shows no form.
  const size_t shown = script_.Shown().size();
  Inspect(list_, "Items").Edit();
  EXPECT_EQ(vcl::ModuleShowCount(module), 2);
  EXPECT_EQ(script_.Shown().size(), shown);

  // Once it is closed, Edit opens the strings editor again.
  vcl::CloseModule(module);
  designtest::AnswerStringsEditor(
      script_, [](TZYLFrmStringEditor* f) { f->StrList->Lines()->Add("three"); }, TEnding::Ok);
  Inspect(list_, "Items").Edit();
  EXPECT_EQ(list_->Items()->Text(), "one\r\ntwo\r\nthree\r\n");
}

TEST_F(StringEditing, AComponentOrFormFreedWhileItsModuleIsOpenLeavesNothingDangling) {
  PressCode(script_);
  Inspect(list_, "Items").Edit();
  delete list_;
  list_ = nullptr;
  EXPECT_NE(
      ErrorOf<vcl::EFilerError>([] { vcl::EditModuleTextAndSave("Form1.ListBox1.Items", "lost"); }),
      "<no error>");
  EXPECT_EQ(vcl::ModuleText("Form1.ListBox1.Items"), "lost");  // the editor keeps the text

  // A second list, opened in the code editor, then its whole form goes.
  auto* other = new vcl::TListBox(form_.get());
  other->SetName("ListBox2");
  other->SetParent(form_.get());
  PressCode(script_, "x");
  Inspect(other, "Items").Edit();
  designer_.reset();
  form_.reset();
  EXPECT_NE(ErrorOf<vcl::EFilerError>(
                [] { vcl::EditModuleTextAndSave("Form1.ListBox2.Items", "lost too"); }),
            "<no error>");
  EXPECT_EQ(vcl::OpenModuleNames().size(), 2u);
}

TEST_F(StringEditing, WithoutModuleServicesCodeRaisesTheInterfaceCastErrorAndKeepsTheList) {
  vcl::SetIDEServicesInstalled(false);
  PressCode(script_, "not kept");
  vcl::TStringList strings;
  strings.SetText("kept");
  EXPECT_EQ(ErrorOf<vcl::EIntfCastError>([&] { ZYLCPGetStrings(&strings, "Form1.X.Items"); }),
            "Interface not supported");
  EXPECT_EQ(strings.Text(), "kept\r\n");
  EXPECT_EQ(vcl::Screen->FormCount(), 1);  // only the designed form is left
}

TEST_F(StringEditing, TheCreatorAnswersWhatTheIDEAsksForATextModule) {
  auto creator = std::make_shared<TZYLStringsModuleCreator>(
      "Form1.ListBox1.Items", std::make_unique<vcl::TStringStream>("a\r\nb"), 4.5);
  auto source = creator->NewImplSource("", "", "");
  testsupport::ExpectCases({
      {creator->GetCreatorType(), "Text"},
      {creator->GetFileSystem(), "Vorlix.TStringsFileSystem"},
      {creator->GetImplFileName(), "Form1.ListBox1.Items"},
      {creator->GetIntfFileName() + creator->GetAncestorName() + creator->GetFormName(), ""},
      {std::to_string(creator->GetExisting()) + std::to_string(creator->GetUnnamed()) +
           std::to_string(creator->GetMainForm()) + std::to_string(creator->GetShowForm()) +
           std::to_string(creator->GetShowSource()),
       "00001"},
      {source->GetSource(), "a\r\nb"},
      {std::to_string(source->GetAge()), std::to_string(4.5)},
  });
  EXPECT_EQ(creator->GetOwner(), nullptr);
  EXPECT_EQ(creator->NewFormFile("", ""), nullptr);
  EXPECT_EQ(creator->NewIntfSource("", "", ""), nullptr);
}

TEST_F(StringEditing, TheMemoLinesEditorHidesCodeAndWritesTheLinesBack) {
  auto* memo = new TZYLMemo(form_.get());
  memo->SetName("Memo1");
  memo->SetParent(form_.get());
  memo->Lines()->SetText("first\r\nsecond");
  std::vector<std::string> seen;
  designtest::AnswerStringsEditor(
      script_,
      [&](TZYLFrmStringEditor* f) {
        seen = {f->ZYLButton2->Visible() ? "Code shown" : "Code hidden",
                std::to_string(f->tools->Left()), f->StrList->Text()};
        f->StrList->Lines()->Add("third");
      },
      TEnding::Ok);
  vt::TInspectorDriver inspect = Inspect(memo, "Lines");
  EXPECT_EQ(inspect.AttributeBits(), 0x04);
  inspect.Edit();
  EXPECT_EQ(seen, (std::vector<std::string>{"Code hidden", "110", "first\r\nsecond"}));
  EXPECT_EQ(memo->Lines()->Text(), "first\r\nsecond\r\nthird\r\n");
}

TEST_F(StringEditing, TheLauncherWithoutBridgeAssignsBackOnOKOnly) {
  vcl::TStringList strings;
  strings.SetText("a\r\nb");
  for (TEnding ending : {TEnding::Cancel, TEnding::Escape, TEnding::Ok}) {
    designtest::AnswerStringsEditor(
        script_, [](TZYLFrmStringEditor* f) { f->StrList->Lines()->Delete(0); }, ending);
    EXPECT_EQ(ZYLCPGetStrings(&strings), ending == TEnding::Ok) << designtest::EndingName(ending);
  }
  EXPECT_EQ(strings.Text(), "b\r\n");
  // An error inside the editor passes to the caller and leaves the list as it was.
  designtest::AnswerStringsEditor(
      script_, [](TZYLFrmStringEditor* f) { f->StrList->Lines()->Clear(); }, TEnding::Exception);
  EXPECT_EQ(ErrorOf<vcl::Exception>([&] { ZYLCPGetStrings(&strings); }),
            "failure inside the editor");
  EXPECT_EQ(strings.Text(), "b\r\n");
  EXPECT_EQ(vcl::Screen->FormCount(), 1);  // the editor is gone
}

}  // namespace
}  // namespace zyl
