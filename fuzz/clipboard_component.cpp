// The clipboard's component format: the input is put on the clipboard as a component stream and
// pasted onto a form; whatever was pasted is copied again and must paste to the same class
// and name.
#include <cstdlib>
#include <memory>

#include "fuzz/FuzzSupport.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"

namespace {

void Put(const std::string& bytes) {
  vcl::TClipboard* c = vcl::Clipboard();
  c->Open();
  c->Clear();
  win::HGLOBAL h = win::GlobalAlloc(win::GMEM_MOVEABLE, bytes.size());
  if (!bytes.empty()) {
    std::copy(bytes.begin(), bytes.end(), static_cast<char*>(win::GlobalLock(h)));
    win::GlobalUnlock(h);
  }
  c->SetAsHandle(vcl::CF_COMPONENT, h);
  c->Close();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::StartClipboardSession();
  std::unique_ptr<vcl::TForm> form(new vcl::TForm(nullptr));
  fuzz::Expect([&] {
    Put(fuzz::Bytes(data, size));
    const int before = form->ComponentCount();
    vcl::TComponent* pasted = nullptr;
    try {
      pasted = vcl::Clipboard()->GetComponent(form.get(), form.get());
    } catch (const vcl::Exception&) {
      if (form->ComponentCount() != before) std::abort();  // a failed paste leaves nothing
      throw;
    }
    if (!pasted) return;
    const std::string cls = pasted->ClassName(), name = pasted->Name();
    vcl::Clipboard()->SetComponent(pasted);
    delete pasted;
    std::unique_ptr<vcl::TComponent> again(vcl::Clipboard()->GetComponent(form.get(), form.get()));
    if (!again || again->ClassName() != cls || again->Name() != name) std::abort();
  });
  return 0;
}
