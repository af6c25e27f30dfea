#include "design/pZYLDsgnCPGetStrings.h"

#include "design/pZYLStringsEditorDlg.h"
#include "platform/classes/Streams.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

TZYLStringsModuleCreator::TZYLStringsModuleCreator(std::string FileName,
                                                   std::unique_ptr<vcl::TStringStream> Stream,
                                                   vcl::TDateTime Age)
    : FFileName(std::move(FileName)), FStream(std::move(Stream)), FAge(Age) {}

TZYLStringsModuleCreator::~TZYLStringsModuleCreator() = default;

std::shared_ptr<vcl::IOTAFile> TZYLStringsModuleCreator::NewImplSource(const std::string&,
                                                                       const std::string&,
                                                                       const std::string&) {
  return std::make_shared<TOTAFile>(FStream->DataString(), FAge);
}

bool ZYLCPGetStrings(vcl::TStrings* Strings, const std::string& ModuleName) {
  auto form = ZYLCreateEditorForm<TZYLFrmStringEditor>(nullptr);
  form->StrList->Lines()->Assign(Strings);
  const int result = form->ShowModal();
  if (result == vcl::mrOk) {
    Strings->Assign(form->StrList->Lines());
    return true;
  }
  if (result != vcl::mrYes) return false;
  auto services = vcl::ModuleServices();
  auto stream = std::make_unique<vcl::TStringStream>(form->StrList->Text());
  stream->SetPosition(0);
  auto creator =
      std::make_shared<TZYLStringsModuleCreator>(ModuleName, std::move(stream), vcl::Now());
  if (auto module = services->CreateModule(creator)) {
    auto editor = module->GetModuleFileCount() > 0 ? module->GetModuleFileEditor(0) : nullptr;
    if (editor) {
      editor->MarkModified();
      editor->Show();
    }
  }
  return false;
}

bool ZYLShowStringsModule(const std::string& ModuleName) {
  auto module = vcl::ModuleServices()->FindModule(ModuleName);
  if (!module || module->GetModuleFileCount() == 0) return false;
  module->GetModuleFileEditor(0)->Show();
  return true;
}

}  // namespace zyl
