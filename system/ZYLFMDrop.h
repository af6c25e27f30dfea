// TZYLFMDrop: makes one windowed control a drop target for files from the shell and reports
// the dropped names (as they are, or lower- or upper-cased).
#pragma once

#include "platform/sys/ShellApi.h"
#include "system/ZYLHookComponent.h"

namespace vcl {
class TStrings;
}

namespace zyl {

ZYL_ENUM(TZYLCharCase, ccNormal, ccLowerCase, ccUpperCase)

using TZYLFMDragDropEvent =
    vcl::TEvent<void(vcl::TObject* Sender, int fcount, int x, int y, vcl::TStrings* FileList)>;

class TZYLFMDrop : public TZYLCustomHookComponent {
  ZYL_CLASS(TZYLFMDrop, TZYLCustomHookComponent)
  // Names as long as this or longer are left out of the list (the count still has them).
  static constexpr int MaxNameLength = 260;

  using TZYLCustomHookComponent::TZYLCustomHookComponent;

  TZYLCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TZYLCharCase Value) { FCharCase = Value; }
  const TZYLFMDragDropEvent& GetOnFMDragDrop() const { return FOnFMDragDrop; }
  void SetOnFMDragDrop(const TZYLFMDragDropEvent& Value) { FOnFMDragDrop = Value; }

  // Hooks the control and lets it accept files.
  void Init() override;
  // Stops the control accepting files and unhooks it.
  void RestoreState() override;
  // WM_DROPFILES goes to OnFMDragDrop first, then on to the control; the drop is released
  // after both.
  void WndProc(vcl::TMessage& Message) override;

 private:
  void HandleMessage(win::HDROP Drop);

  TZYLCharCase FCharCase = ccNormal;
  TZYLFMDragDropEvent FOnFMDragDrop;
};

void ZYLFMDropInit();
void ZYLFMDropDone();

}  // namespace zyl
