// The IDE services: a module made by a creator over the strings file system, found by name,
// edited and saved back into the property it came from, closed; and what is left when the
// services, the component or the form go.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/controls/StdCtrls.h"
#include "platform/designer/ToolsAPI.h"
#include "tests/platform/designer/DesignerTestSupport.h"
#include "tests/support/ErrorOf.h"

namespace vcl::dztest {
namespace {

using testsupport::ErrorOf;

class TTextFile : public IOTAFile {
 public:
  explicit TTextFile(std::string text) : text_(std::move(text)) {}
  std::string GetSource() override { return text_; }
  TDateTime GetAge() override { return -1; }

 private:
  std::string text_;
};

// Opens a component's string list in the code editor, as the list editors' "code editor"
// button does; counts how often the IDE asked it for its text.
class TStringsCreator : public IOTAModuleCreator {
 public:
  TStringsCreator(std::string fileName, std::string text,
                  std::string fileSystem = TStringsFileSystem::IDString)
      : fileName_(std::move(fileName)),
        text_(std::move(text)),
        fileSystem_(std::move(fileSystem)) {}
  std::string GetCreatorType() override { return sText; }
  bool GetExisting() override { return false; }
  std::string GetFileSystem() override { return fileSystem_; }
  std::shared_ptr<IOTAModule> GetOwner() override { return nullptr; }
  bool GetUnnamed() override { return false; }
  std::string GetAncestorName() override { return ""; }
  std::string GetImplFileName() override { return fileName_; }
  std::string GetIntfFileName() override { return ""; }
  std::string GetFormName() override { return ""; }
  bool GetMainForm() override { return false; }
  bool GetShowForm() override { return false; }
  bool GetShowSource() override { return true; }
  std::shared_ptr<IOTAFile> NewFormFile(const std::string&, const std::string&) override {
    return nullptr;
  }
  std::shared_ptr<IOTAFile> NewImplSource(const std::string&, const std::string&,
                                          const std::string&) override {
    ++sourcesAsked;
    return std::make_shared<TTextFile>(text_);
  }
  std::shared_ptr<IOTAFile> NewIntfSource(const std::string&, const std::string&,
                                          const std::string&) override {
    return nullptr;
  }
  void FormCreated(const std::shared_ptr<IOTAModule>&) override {}
  int sourcesAsked = 0;

 private:
  std::string fileName_, text_, fileSystem_;
};

class ToolsAPITest : public DesignerTest {
 protected:
  // Tests leave the services as they start: installed, with the strings file system, no module.
  ~ToolsAPITest() override {
    RegisterFileSystem(std::make_shared<TStringsFileSystem>());
    SetIDEServicesInstalled(true);
    for (const std::string& name : OpenModuleNames()) CloseModule(name);
  }
  std::shared_ptr<IOTAModule> Open(const std::string& name, const std::string& text) {
    return ModuleServices()->CreateModule(std::make_shared<TStringsCreator>(name, text));
  }
};

TEST_F(ToolsAPITest, AModuleRoundTripsIntoTheStringListItCameFrom) {
  auto* memo = Add<TMemo>("Memo1");
  memo->Lines()->SetText("one\r\ntwo\r\n");
  auto creator = std::make_shared<TStringsCreator>("DzForm.Memo1.Lines", memo->Lines()->Text());
  std::weak_ptr<TStringsCreator> held = creator;
  auto module = ModuleServices()->CreateModule(creator);
  creator.reset();
  ASSERT_NE(module, nullptr);
  EXPECT_FALSE(held.expired());  // the IDE holds the creator while the module is open
  EXPECT_EQ(held.lock()->sourcesAsked, 1);
  EXPECT_EQ(module->GetFileName(), "DzForm.Memo1.Lines");
  EXPECT_EQ(ModuleServices()->FindModule("dzform.memo1.lines"), module);
  EXPECT_EQ(ModuleText("DzForm.Memo1.Lines"), "one\r\ntwo\r\n");
  ASSERT_EQ(module->GetModuleFileCount(), 1);
  auto editor = module->GetModuleFileEditor(0);
  editor->Show();
  editor->MarkModified();
  EXPECT_EQ(ModuleShowCount("DzForm.Memo1.Lines"), 1);
  EXPECT_EQ(ModuleMarkModifiedCount("DzForm.Memo1.Lines"), 1);
  // Opening it again answers the open module.
  EXPECT_EQ(Open("DzForm.Memo1.Lines", "other"), module);
  designer_->ResetModified();
  EditModuleTextAndSave("DzForm.Memo1.Lines", "alpha\r\nbeta\r\ngamma\r\n");
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Strings(2), "gamma");
  EXPECT_EQ(designer_->ModifiedCount(), 1);
  module.reset();
  editor.reset();
  CloseModule("DzForm.Memo1.Lines");
  EXPECT_TRUE(held.expired());
  EXPECT_EQ(ModuleServices()->FindModule("DzForm.Memo1.Lines"), nullptr);
}

TEST_F(ToolsAPITest, AStringPropertyTakesTheWholeText) {
  auto* button = Add<TButton>("Button1");
  ASSERT_NE(Open("DzForm.Button1.Caption", "Go"), nullptr);
  EditModuleTextAndSave("DzForm.Button1.Caption", "Stop");
  EXPECT_EQ(button->Caption(), "Stop");
}

TEST(ToolsAPIStartTest, TheStringsFileSystemIsThereFromTheStart) {
  auto fs = FindFileSystem("Vorlix.TStringsFileSystem");
  ASSERT_NE(fs, nullptr);
  EXPECT_EQ(fs->GetIDString(), "Vorlix.TStringsFileSystem");
  EXPECT_EQ(FindFileSystem("Other.FS"), nullptr);
}

TEST_F(ToolsAPITest, NoModuleWithoutTheFileSystemOrAModuleCreator) {
  UnregisterFileSystem(TStringsFileSystem::IDString);
  EXPECT_EQ(Open("DzForm.Memo1.Lines", "x"), nullptr);
  RegisterFileSystem(std::make_shared<TStringsFileSystem>());
  EXPECT_EQ(ModuleServices()->CreateModule(
                std::make_shared<TStringsCreator>("DzForm.M.Lines", "x", "Other.FS")),
            nullptr);
  EXPECT_TRUE(OpenModuleNames().empty());
}

TEST_F(ToolsAPITest, SavingAfterTheComponentOrFormWentIsAClearError) {
  auto* memo = Add<TMemo>("Memo1");
  ASSERT_NE(Open("DzForm.Memo1.Lines", "a"), nullptr);
  ASSERT_NE(Open("DzForm.Memo1.Nothing", "a"), nullptr);
  EXPECT_EQ(ErrorOf<EFilerError>([] { EditModuleTextAndSave("DzForm.Memo1.Nothing", "b"); }),
            "Cannot save the module DzForm.Memo1.Nothing: Nothing not found");
  delete memo;
  EXPECT_EQ(ErrorOf<EFilerError>([] { EditModuleTextAndSave("DzForm.Memo1.Lines", "b"); }),
            "Cannot save the module DzForm.Memo1.Lines: Memo1 not found");
  delete form_;
  form_ = nullptr;
  EXPECT_EQ(ErrorOf<EFilerError>([] { EditModuleTextAndSave("DzForm.Memo1.Lines", "b"); }),
            "Cannot save the module DzForm.Memo1.Lines: DzForm not found");
  EXPECT_EQ(ModuleText("DzForm.Memo1.Lines"), "b");  // the editor keeps what was typed
  EXPECT_EQ(ErrorOf<EFilerError>([] { CloseModule("Nothing.Open.Here"); }),
            "No module is named Nothing.Open.Here");
}

TEST_F(ToolsAPITest, WithoutTheServicesTheCastFails) {
  SetIDEServicesInstalled(false);
  EXPECT_EQ(IDEServices(), nullptr);
  EXPECT_EQ(ErrorOf<EIntfCastError>([] { ModuleServices(); }), "Interface not supported");
  EXPECT_EQ(ErrorOf<EIntfCastError>([] { ModuleText("DzForm.Memo1.Lines"); }),
            "Interface not supported");
  SetIDEServicesInstalled(true);
  EXPECT_NE(ModuleServices(), nullptr);
}

}  // namespace
}  // namespace vcl::dztest
