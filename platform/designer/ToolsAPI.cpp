#include "platform/designer/ToolsAPI.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/designer/FormDesigner.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

namespace {

class TOTAEditor final : public IOTAEditor {
 public:
  explicit TOTAEditor(std::string fileName) : fileName_(std::move(fileName)) {}
  std::string GetFileName() override { return fileName_; }
  void MarkModified() override { ++marked_; }
  void Show() override { ++shown_; }
  int marked_ = 0;
  int shown_ = 0;

 private:
  std::string fileName_;
};

class TOTAModule final : public IOTAModule {
 public:
  TOTAModule(std::string fileName, std::string text, std::string fileSystem,
             std::shared_ptr<IOTACreator> creator)
      : fileName_(std::move(fileName)),
        fileSystem_(std::move(fileSystem)),
        creator_(std::move(creator)),
        editor_(std::make_shared<TOTAEditor>(fileName_)),
        text_(std::move(text)) {}
  std::string GetFileName() override { return fileName_; }
  int GetModuleFileCount() override { return 1; }
  std::shared_ptr<IOTAEditor> GetModuleFileEditor(int Index) override {
    if (Index != 0) throw EListError(Format(SListIndexError, {Index}));
    return editor_;
  }

  std::string fileName_;
  std::string fileSystem_;
  std::shared_ptr<IOTACreator> creator_;  // held while the module is open
  std::shared_ptr<TOTAEditor> editor_;
  std::string text_;
};

class TModuleServices final : public IOTAServices, public IOTAModuleServices {
 public:
  std::shared_ptr<IOTAModule> CreateModule(const std::shared_ptr<IOTACreator>& Creator) override;
  std::shared_ptr<IOTAModule> FindModule(const std::string& FileName) override {
    auto it = Find(FileName);
    return it == modules_.end() ? nullptr : *it;
  }
  std::vector<std::shared_ptr<TOTAModule>>::iterator Find(const std::string& FileName) {
    return std::find_if(modules_.begin(), modules_.end(),
                        [&](const auto& m) { return SameText(m->fileName_, FileName); });
  }
  TOTAModule& Open(const std::string& FileName) {
    auto it = Find(FileName);
    if (it == modules_.end()) throw EFilerError(Format(SUnknownModule, {FileName}));
    return **it;
  }
  std::vector<std::shared_ptr<TOTAModule>> modules_;
};

std::shared_ptr<IOTAModule> TModuleServices::CreateModule(
    const std::shared_ptr<IOTACreator>& Creator) {
  auto creator = std::dynamic_pointer_cast<IOTAModuleCreator>(Creator);
  if (!creator) return nullptr;
  // Asked in the order the IDE asks them.
  creator->GetCreatorType();
  creator->GetExisting();
  const std::string fileSystem = creator->GetFileSystem();
  creator->GetOwner();
  creator->GetUnnamed();
  if (fileSystem.empty() || !FindFileSystem(fileSystem)) return nullptr;
  const std::string fileName = creator->GetImplFileName();
  if (auto open = FindModule(fileName)) return open;
  const std::string formName = creator->GetFormName();
  const std::string ancestor = creator->GetAncestorName();
  auto source = creator->NewImplSource(fileName, formName, ancestor);
  auto module = std::make_shared<TOTAModule>(fileName, source ? source->GetSource() : std::string(),
                                             fileSystem, Creator);
  modules_.push_back(module);
  creator->FormCreated(module);
  return module;
}

std::shared_ptr<TModuleServices>& Services() {
  static std::shared_ptr<TModuleServices> services = std::make_shared<TModuleServices>();
  return services;
}

std::vector<std::shared_ptr<IOTAFileSystem>>& FileSystems() {
  // The IDE's own strings file system is there from the start.
  static std::vector<std::shared_ptr<IOTAFileSystem>> systems{
      std::make_shared<TStringsFileSystem>()};
  return systems;
}

TModuleServices& OpenServices() {
  if (!Services()) throw EIntfCastError(SIntfCastError);
  return *Services();
}

}  // namespace

std::shared_ptr<IOTAServices> IDEServices() { return Services(); }

std::shared_ptr<IOTAModuleServices> ModuleServices() {
  auto services = std::dynamic_pointer_cast<IOTAModuleServices>(IDEServices());
  if (!services) throw EIntfCastError(SIntfCastError);
  return services;
}

void SetIDEServicesInstalled(bool Installed) {
  if (!Installed)
    Services().reset();
  else if (!Services())
    Services() = std::make_shared<TModuleServices>();
}

void RegisterFileSystem(const std::shared_ptr<IOTAFileSystem>& FileSystem) {
  UnregisterFileSystem(FileSystem->GetIDString());
  FileSystems().push_back(FileSystem);
}

void UnregisterFileSystem(const std::string& IDString) {
  std::erase_if(FileSystems(), [&](const auto& fs) { return fs->GetIDString() == IDString; });
}

std::shared_ptr<IOTAFileSystem> FindFileSystem(const std::string& IDString) {
  for (const auto& fs : FileSystems())
    if (fs->GetIDString() == IDString) return fs;
  return nullptr;
}

void TStringsFileSystem::SaveModule(const std::string& FileName, const std::string& Text) {
  // "Root.Component.Property": the form by its designer, then the component and its property.
  const size_t first = FileName.find('.');
  const size_t last = FileName.rfind('.');
  if (first == std::string::npos || first == last)
    throw EFilerError(Format(SModuleTargetNotFound, {FileName, FileName}));
  const std::string rootName = FileName.substr(0, first);
  const std::string componentName = FileName.substr(first + 1, last - first - 1);
  const std::string propName = FileName.substr(last + 1);
  TFormDesigner* designer = TFormDesigner::FindDesigner(rootName);
  if (!designer) throw EFilerError(Format(SModuleTargetNotFound, {FileName, rootName}));
  TComponent* component = designer->GetComponent(componentName);
  if (!component) throw EFilerError(Format(SModuleTargetNotFound, {FileName, componentName}));
  const TPropInfo* prop = GetPropInfo(component, propName);
  if (!prop) throw EFilerError(Format(SModuleTargetNotFound, {FileName, propName}));
  if (prop->Kind() == tkClass) {
    auto* strings = dynamic_cast<TStrings*>(GetObjectProp(component, prop));
    if (!strings) throw EFilerError(Format(SModuleTargetNotFound, {FileName, propName}));
    strings->SetText(Text);
  } else {
    SetStrProp(component, prop, Text);
  }
  designer->Modified();
}

void EditModuleTextAndSave(const std::string& FileName, const std::string& Text) {
  TOTAModule& module = OpenServices().Open(FileName);
  module.text_ = Text;
  auto fs = FindFileSystem(module.fileSystem_);
  if (!fs) throw EFilerError(Format(SModuleTargetNotFound, {FileName, module.fileSystem_}));
  fs->SaveModule(module.fileName_, Text);
}

std::string ModuleText(const std::string& FileName) { return OpenServices().Open(FileName).text_; }
int ModuleMarkModifiedCount(const std::string& FileName) {
  return OpenServices().Open(FileName).editor_->marked_;
}
int ModuleShowCount(const std::string& FileName) {
  return OpenServices().Open(FileName).editor_->shown_;
}

void CloseModule(const std::string& FileName) {
  TModuleServices& services = OpenServices();
  auto it = services.Find(FileName);
  if (it == services.modules_.end()) throw EFilerError(Format(SUnknownModule, {FileName}));
  services.modules_.erase(it);
}

std::vector<std::string> OpenModuleNames() {
  std::vector<std::string> names;
  if (Services())
    for (const auto& m : Services()->modules_) names.push_back(m->fileName_);
  return names;
}

}  // namespace vcl
