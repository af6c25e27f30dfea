// Masks of the mask edit's own language and of the framework's edit-mask syntax (converted),
// with a text set and typed into the edit of every kind and base: a mask that does not parse is
// refused with an error, and a mask edit's text always fits its mask.
//
// Input: a byte picking the kind, a byte picking the base, then the mask, a line feed and the
// text.
#include <cstdlib>
#include <memory>

#include "edits/ZYLMaskEdit.h"
#include "fuzz/FuzzSupport.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/user/WinUserConsts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Kept for the whole run: the screen the edit lives on.
  static vcl::testkit::TControlsSession* session = new vcl::testkit::TControlsSession(320, 240);
  (void)session;
  if (size < 2) return 0;
  const auto kind = static_cast<zyl::TZYLMaskType>(data[0] % (zyl::meNone + 1));
  const int base = 2 + data[1] % 35;
  const std::string rest = fuzz::Bytes(data + 2, size - 2);
  const size_t cut = rest.find('\n');
  const std::string mask = rest.substr(0, cut);
  const std::string text = cut == std::string::npos ? "" : rest.substr(cut + 1);
  std::unique_ptr<vcl::TForm> form(new vcl::TForm(nullptr));
  auto* edit = new zyl::TZYLMaskEdit(form.get());
  edit->SetParent(form.get());
  fuzz::Expect([&] { edit->SetMask(zyl::convertVCLMask2ZYLMask(mask)); });
  fuzz::Expect([&] { edit->SetMask(mask); });
  fuzz::Expect([&] { edit->SetMaskType(kind); });
  edit->SetNumberBase(base);
  fuzz::Expect([&] { edit->SetText(text); });
  fuzz::Expect([&] { edit->SetMaskType(kind == zyl::meMask ? zyl::meNone : zyl::meMask); });
  fuzz::Expect([&] { edit->SetMaskType(kind); });
  for (char c : text) {
    fuzz::Expect([&] { edit->Perform(win::WM_CHAR, static_cast<uint8_t>(c), 0); });
    fuzz::Expect([&] { edit->Perform(win::WM_KEYDOWN, win::VK_LEFT, 0); });
  }
  fuzz::Expect([&] { edit->Perform(win::WM_KEYDOWN, win::VK_BACK, 0); });
  fuzz::Expect([&] { edit->SetValue(static_cast<double>(static_cast<int8_t>(data[1])) * 1e3); });
  fuzz::Expect([&] { edit->AsString(), edit->AsCurrency(); });
  fuzz::Expect([&] { edit->AsInt64(); });
  fuzz::Expect([&] { edit->AsFloat(); });
  fuzz::Expect([&] { edit->AsDate(); });
  fuzz::Expect([&] { edit->AsTime(); });
  if (edit->MaskType() == zyl::meMask && !edit->checkText(edit->RawText())) std::abort();
  return 0;
}
