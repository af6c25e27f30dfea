// The string-list launcher of pZYLDsgnCPGet with the bridge to the IDE's code editor: the
// strings editor's "Code" button hands the text to the IDE as a module of the strings file
// system, named after what it edits ("Form1.ListBox1.Items"); saving that module writes the
// text back into the property (see platform/designer/ToolsAPI.h).
#pragma once

#include <memory>
#include <string>

#include "platform/designer/ToolsAPI.h"

namespace vcl {
class TStrings;
class TStringStream;
}  // namespace vcl

namespace zyl {

// Edits the list in the strings editor. True only when the list was changed through OK; "Code"
// answers false and opens the text in the code editor as module ModuleName (its editor marked
// modified and brought to the front). Raises EIntfCastError when the IDE offers no module
// services.
bool ZYLCPGetStrings(vcl::TStrings* Strings, const std::string& ModuleName);
// When a module of that name is open in the code editor with a file, brings its editor to the
// front and answers true; false otherwise.
bool ZYLShowStringsModule(const std::string& ModuleName);

// A source file the IDE asks a creator for: its text and its age.
class TOTAFile : public vcl::IOTAFile {
 public:
  TOTAFile(std::string Source, vcl::TDateTime Age) : FSource(std::move(Source)), FAge(Age) {}
  std::string GetSource() override { return FSource; }
  vcl::TDateTime GetAge() override { return FAge; }

 private:
  std::string FSource;
  vcl::TDateTime FAge;
};

// What the IDE asks when it opens a string list as a text module of the strings file system.
// It owns the stream with the list's text; the IDE holds the creator as long as the module is
// open.
class TZYLStringsModuleCreator : public vcl::IOTAModuleCreator {
 public:
  TZYLStringsModuleCreator(std::string FileName, std::unique_ptr<vcl::TStringStream> Stream,
                           vcl::TDateTime Age);
  ~TZYLStringsModuleCreator() override;

  std::string GetCreatorType() override { return vcl::sText; }
  bool GetExisting() override { return false; }
  std::string GetFileSystem() override { return vcl::TStringsFileSystem::IDString; }
  std::shared_ptr<vcl::IOTAModule> GetOwner() override { return nullptr; }
  bool GetUnnamed() override { return false; }
  std::string GetAncestorName() override { return {}; }
  std::string GetImplFileName() override { return FFileName; }
  std::string GetIntfFileName() override { return {}; }
  std::string GetFormName() override { return {}; }
  bool GetMainForm() override { return false; }
  bool GetShowForm() override { return false; }
  bool GetShowSource() override { return true; }
  std::shared_ptr<vcl::IOTAFile> NewFormFile(const std::string&, const std::string&) override {
    return nullptr;
  }
  // The stream's whole text with the creator's age.
  std::shared_ptr<vcl::IOTAFile> NewImplSource(const std::string& ModuleIdent,
                                               const std::string& FormIdent,
                                               const std::string& AncestorIdent) override;
  std::shared_ptr<vcl::IOTAFile> NewIntfSource(const std::string&, const std::string&,
                                               const std::string&) override {
    return nullptr;
  }
  void FormCreated(const std::shared_ptr<vcl::IOTAModule>&) override {}

 private:
  std::string FFileName;
  std::unique_ptr<vcl::TStringStream> FStream;
  vcl::TDateTime FAge;
};

}  // namespace zyl
