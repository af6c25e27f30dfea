// TZYLFMDrop: makes one windowed control a drop target for files from the shell and reports
// the dropped names (as they are, or lower- or upper-cased).
#pragma once

#include "foundation/ZYLClass.h"
#include "platform/sys/Packages.h"
#include "platform/sys/ShellApi.h"
#include "system/ZYLHookComponent.h"

namespace vcl {
class TStrings;
}

namespace zyl {

using TZYLFMDragDropEvent =
    vcl::TEvent<void(vcl::TObject* Sender, int fcount, int x, int y, vcl::TStrings* FileList)>;

// Names as long as this or longer are left out of a drop's list (the count still has them).
constexpr int ZYLMaxDropNameLength = 260;

// Hands a drop to Event: the number of files, the drop point (client coordinates) and the
// names shorter than ZYLMaxDropNameLength in the case CharCase asks for. Nothing for an empty
// drop or an unassigned event; the drop is not released.
void ZYLHandleFileDrop(win::HDROP Drop, TZYLCharCase CharCase, vcl::TObject* Sender,
                       const TZYLFMDragDropEvent& Event);

class TZYLFMDrop : public TZYLCustomHookComponent {
  ZYL_CLASS(TZYLFMDrop, TZYLCustomHookComponent)
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
  TZYLCharCase FCharCase = ccNormal;
  TZYLFMDragDropEvent FOnFMDragDrop;
};

inline constexpr vcl::TUnitEntry ZYLFMDropUnit = vcl::ClassesUnit<TZYLFMDrop>("ZYLFMDrop");

}  // namespace zyl
