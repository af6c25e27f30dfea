// The IDE's services for the code editor, as far as design-time editors use them: module
// services that create modules from creators and find them by file name, modules with their
// editors, and file systems that decide where a module's text goes when it is saved.
//
// Reference-counted objects are shared: the services hold a module's creator (and so its
// files) as long as the module is open. A module refers to what it edits by name
// ("Form1.ListBox1.Items"), never by pointer, so freeing the component or the form while its
// module is open leaves nothing dangling: saving then raises a clear error.
//
// IDEServices() is the global services object; while it is removed (SetIDEServicesInstalled),
// asking it for module services raises EIntfCastError.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/DateTime.h"

namespace vcl {

class IOTAModule;

enum TOTACreatorType : uint8_t { ctUnit, ctForm, ctText };
// The type strings creators answer.
constexpr const char sUnit[] = "Unit";
constexpr const char sForm[] = "Form";
constexpr const char sText[] = "Text";

class IOTAFile {
 public:
  virtual ~IOTAFile() = default;
  virtual std::string GetSource() = 0;
  virtual TDateTime GetAge() = 0;
};

class IOTACreator {
 public:
  virtual ~IOTACreator() = default;
  virtual std::string GetCreatorType() = 0;
  virtual bool GetExisting() = 0;
  virtual std::string GetFileSystem() = 0;
  virtual std::shared_ptr<IOTAModule> GetOwner() = 0;
  virtual bool GetUnnamed() = 0;
};

class IOTAModuleCreator : public IOTACreator {
 public:
  virtual std::string GetAncestorName() = 0;
  virtual std::string GetImplFileName() = 0;
  virtual std::string GetIntfFileName() = 0;
  virtual std::string GetFormName() = 0;
  virtual bool GetMainForm() = 0;
  virtual bool GetShowForm() = 0;
  virtual bool GetShowSource() = 0;
  virtual std::shared_ptr<IOTAFile> NewFormFile(const std::string& FormIdent,
                                                const std::string& AncestorIdent) = 0;
  virtual std::shared_ptr<IOTAFile> NewImplSource(const std::string& ModuleIdent,
                                                  const std::string& FormIdent,
                                                  const std::string& AncestorIdent) = 0;
  virtual std::shared_ptr<IOTAFile> NewIntfSource(const std::string& ModuleIdent,
                                                  const std::string& FormIdent,
                                                  const std::string& AncestorIdent) = 0;
  virtual void FormCreated(const std::shared_ptr<IOTAModule>& FormEditor) = 0;
};

class IOTAEditor {
 public:
  virtual ~IOTAEditor() = default;
  virtual std::string GetFileName() = 0;
  virtual void MarkModified() = 0;
  // Brings the editor to the front.
  virtual void Show() = 0;
};

class IOTAModule {
 public:
  virtual ~IOTAModule() = default;
  virtual std::string GetFileName() = 0;
  virtual int GetModuleFileCount() = 0;
  virtual std::shared_ptr<IOTAEditor> GetModuleFileEditor(int Index) = 0;
};

class IOTAModuleServices {
 public:
  virtual ~IOTAModuleServices() = default;
  // A module made by the creator, nullptr when the IDE cannot make it (no module creator, or
  // its file system is not registered). A module of the same file name is answered as it is.
  virtual std::shared_ptr<IOTAModule> CreateModule(const std::shared_ptr<IOTACreator>& Creator) = 0;
  virtual std::shared_ptr<IOTAModule> FindModule(const std::string& FileName) = 0;
};

// Where a module's text goes when it is saved.
class IOTAFileSystem {
 public:
  virtual ~IOTAFileSystem() = default;
  virtual std::string GetIDString() = 0;
  virtual void SaveModule(const std::string& FileName, const std::string& Text) = 0;
};

// The IDE's services object; asked for its services by cast.
class IOTAServices {
 public:
  virtual ~IOTAServices() = default;
};

// The strings file system: "Root.Component.Property" names a string list property (or a
// string property) of a component of a designed form, which a saved module's text is written
// into; the form is told it was modified.
class TStringsFileSystem : public IOTAFileSystem {
 public:
  static constexpr char IDString[] = "Vorlix.TStringsFileSystem";
  std::string GetIDString() override { return IDString; }
  // Raises EFilerError when the form, component or property named is not there.
  void SaveModule(const std::string& FileName, const std::string& Text) override;
};

std::shared_ptr<IOTAServices> IDEServices();
// The module services of IDEServices(); raises EIntfCastError while the services are removed.
std::shared_ptr<IOTAModuleServices> ModuleServices();
// Removes the services (false) or puts fresh ones in place (true); starts installed.
void SetIDEServicesInstalled(bool Installed);

// File systems by their ID strings; a TStringsFileSystem is registered from the start.
// Registering replaces one of the same ID.
void RegisterFileSystem(const std::shared_ptr<IOTAFileSystem>& FileSystem);
void UnregisterFileSystem(const std::string& IDString);
std::shared_ptr<IOTAFileSystem> FindFileSystem(const std::string& IDString);

// ---- What tests do with the code editor ----
// Replaces the module's text, as typing in its editor would, and saves it through its file
// system. Unknown names raise EFilerError.
void EditModuleTextAndSave(const std::string& FileName, const std::string& Text);
// The module's text as the editor holds it.
std::string ModuleText(const std::string& FileName);
// How often the module's editor was marked modified and brought to the front.
int ModuleMarkModifiedCount(const std::string& FileName);
int ModuleShowCount(const std::string& FileName);
// Closes the module: FindModule no longer finds it and its creator is let go.
void CloseModule(const std::string& FileName);
std::vector<std::string> OpenModuleNames();

}  // namespace vcl
