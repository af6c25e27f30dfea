#include "system/ZYLFMDrop.h"

#include <memory>

#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/ShellApi.h"

namespace zyl {

void ZYLHandleFileDrop(win::HDROP Drop, TZYLCharCase CharCase, vcl::TObject* Sender,
                       const TZYLFMDragDropEvent& Event) {
  if (!Event) return;
  const int count = static_cast<int>(win::DragQueryFileA(Drop, 0xFFFFFFFF, nullptr, 0));
  if (count <= 0) return;
  win::POINT at;
  win::DragQueryPoint(Drop, &at);
  auto files = std::make_unique<vcl::TStringList>();
  for (int i = 0; i < count; ++i) {
    const auto index = static_cast<win::UINT>(i);
    const int length = static_cast<int>(win::DragQueryFileA(Drop, index, nullptr, 0));
    if (length >= ZYLMaxDropNameLength) continue;
    std::string name(static_cast<size_t>(length) + 1, '\0');
    win::DragQueryFileA(Drop, index, name.data(), static_cast<win::UINT>(name.size()));
    name.resize(static_cast<size_t>(length));
    if (CharCase == ccLowerCase)
      name = vcl::AnsiLowerCase(name);
    else if (CharCase == ccUpperCase)
      name = vcl::AnsiUpperCase(name);
    files->Add(name);
  }
  Event(Sender, count, at.X, at.Y, files.get());
}

ZYL_CLASS_IMPL(TZYLFMDrop) {
  b.Publish({"About", "Control", "Enabled"})
      .Prop("CharCase", &TZYLFMDrop::CharCase, &TZYLFMDrop::SetCharCase)
      .Default(ccNormal)
      .Prop("OnFMDragDrop", &TZYLFMDrop::GetOnFMDragDrop, &TZYLFMDrop::SetOnFMDragDrop);
}

void TZYLFMDrop::Init() {
  inherited::Init();
  if (Enabled() && Control() && !ComponentState().contains(vcl::csDesigning))
    win::DragAcceptFiles(Control()->Handle(), true);
}

void TZYLFMDrop::RestoreState() {
  const vcl::TComponentState state = ComponentState();
  // The control keeps taking files while another drop target hooks it.
  if (!state.contains(vcl::csDesigning) && !state.contains(vcl::csDestroying) && Control() &&
      Control()->HandleAllocated() && !AnotherHooks<TZYLFMDrop>())
    win::DragAcceptFiles(Control()->Handle(), false);
  inherited::RestoreState();
}

void TZYLFMDrop::WndProc(vcl::TMessage& Message) {
  const bool drop = Message.Msg == win::WM_DROPFILES && FOnFMDragDrop;
  const auto handle = reinterpret_cast<win::HDROP>(Message.WParam);
  // The drop's handle is let go however the handler ends, also when it raises.
  vcl::TFinally finish([drop, handle] {
    if (drop) win::DragFinish(handle);
  });
  if (drop) ZYLHandleFileDrop(handle, FCharCase, this, FOnFMDragDrop);
  inherited::WndProc(Message);
}

}  // namespace zyl
