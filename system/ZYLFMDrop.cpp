#include "system/ZYLFMDrop.h"

#include <memory>

#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/ShellApi.h"

namespace zyl {

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
  if (!state.contains(vcl::csDesigning) && !state.contains(vcl::csDestroying) && Control() &&
      Control()->HandleAllocated())
    win::DragAcceptFiles(Control()->Handle(), false);
  inherited::RestoreState();
}

void TZYLFMDrop::WndProc(vcl::TMessage& Message) {
  const bool drop = Message.Msg == win::WM_DROPFILES && FOnFMDragDrop;
  const auto handle = reinterpret_cast<win::HDROP>(Message.WParam);
  if (drop) HandleMessage(handle);
  inherited::WndProc(Message);
  if (drop) win::DragFinish(handle);
}

void TZYLFMDrop::HandleMessage(win::HDROP Drop) {
  const int count = static_cast<int>(win::DragQueryFileA(Drop, 0xFFFFFFFF, nullptr, 0));
  if (count <= 0) return;
  win::POINT at;
  win::DragQueryPoint(Drop, &at);
  auto files = std::make_unique<vcl::TStringList>();
  for (int i = 0; i < count; ++i) {
    const int length =
        static_cast<int>(win::DragQueryFileA(Drop, static_cast<win::UINT>(i), nullptr, 0));
    if (length >= MaxNameLength) continue;
    std::string name(static_cast<size_t>(length) + 1, '\0');
    win::DragQueryFileA(Drop, static_cast<win::UINT>(i), name.data(),
                        static_cast<win::UINT>(name.size()));
    name.resize(static_cast<size_t>(length));
    if (FCharCase == ccLowerCase)
      name = vcl::AnsiLowerCase(name);
    else if (FCharCase == ccUpperCase)
      name = vcl::AnsiUpperCase(name);
    files->Add(name);
  }
  FOnFMDragDrop(this, count, at.X, at.Y, files.get());
}

void ZYLFMDropInit() { vcl::RegisterClasses({TZYLFMDrop::StaticClass()}); }
void ZYLFMDropDone() { vcl::UnRegisterClasses({TZYLFMDrop::StaticClass()}); }

}  // namespace zyl
