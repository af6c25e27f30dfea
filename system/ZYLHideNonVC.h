// TZYLHideNonVC: lets the form designer hide the icons of chosen non-visual components of the
// form it sits on, and show them again, without changing anything at run time. A hidden
// component is marked by its DesignInfo (defHideX) and its icon window is moved out of sight;
// with UseTagInfo the icon's place waits in the component's Tag while it is hidden. The user's
// own Tag is remembered by the hider meanwhile (streamed with it) and given back when the
// component is shown again. At design time there is at most one per form, and only on a form.
//
// The icon windows belong to the host designer: the design-time side installs them
// (ZYLSetIconWindows); without a host a form has no icon windows and nothing is moved.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "foundation/ZYLCustomComponent.h"
#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"

namespace zyl {

// The DesignInfo of a hidden component, and the side of a non-visual component's icon window
// (other sizes mean the designer shows component captions, which hiding refuses).
constexpr int32_t defHideX = 65000;
constexpr int defComWidth = 28;

// A designer's icon windows of a form's non-visual components, walked in z-order.
class IZYLIconWindows {
 public:
  virtual ~IZYLIconWindows() = default;
  virtual int Count(vcl::TCustomForm* Form) = 0;
  virtual std::string ClassName(vcl::TCustomForm* Form, int Index) = 0;
  // In the form's client coordinates.
  virtual vcl::TRect Bounds(vcl::TCustomForm* Form, int Index) = 0;
  // Moves the window without changing its size or z-order.
  virtual void Move(vcl::TCustomForm* Form, int Index, int X, int Y) = 0;
};
void ZYLSetIconWindows(IZYLIconWindows* Host);
IZYLIconWindows* ZYLIconWindows();

// A component the hider handles: no control, not the form itself, without a parent.
bool ZYLCheckValidComponent(vcl::TComponent* Component, vcl::TComponent* Form);
// Walking the form's components from the last to the first, how many valid ones come before
// Component (its icon window's place among the icon windows).
int ZYLGetNonVCIndex(vcl::TComponent* Form, vcl::TComponent* Component);
// Move the component's icon window out of sight, or back to its DesignInfo place. Nothing
// for a TZYLHideNonVC or a component without an icon window; an icon window that is not
// defComWidth square (component captions shown) raises vcl::Exception.
void ZYLRemoveContainer(vcl::TCustomForm* Form, vcl::TComponent* Component);
void ZYLShowContainer(vcl::TCustomForm* Form, vcl::TComponent* Component);

using TZYLHideNonVCNewEvent = vcl::TEvent<void(vcl::TObject* Sender, vcl::TComponent* Component)>;

class TZYLHideNonVC : public TZYLCustomComponent {
  ZYL_CLASS(TZYLHideNonVC, TZYLCustomComponent)
  // At design time raises ZYLEOneInstError when the owner is no form or already holds one.
  explicit TZYLHideNonVC(vcl::TComponent* AOwner);
  // At design time, unless the form goes too, shows every hidden component again.
  ~TZYLHideNonVC() override;

  bool UseTagInfo() const { return FUseTagInfo; }
  void SetUseTagInfo(bool Value) { FUseTagInfo = Value; }

  // Called at design time when a valid component is inserted into the form (the design window
  // listens; one listener).
  void SetOnNewComponent(const TZYLHideNonVCNewEvent& Value) { FOnNewComponent = Value; }

  static bool IsHidden(const vcl::TComponent* Component);
  // Hides or shows one component of the owner form: its DesignInfo, Tag and icon window.
  // Nothing for a component already in that state or a hider; raises (changing nothing) when the
  // icon window shows a caption.
  void HideComponent(vcl::TComponent* Component);
  void ShowComponent(vcl::TComponent* Component);
  // The same for each of Components in turn, the form's icon windows walked once for all; an
  // icon window showing a caption stops the run at its component.
  void HideComponents(const std::vector<vcl::TComponent*>& Components);
  void ShowComponents(const std::vector<vcl::TComponent*>& Components);
  // The Tag the user gave a component that is hidden now (0 when none is remembered).
  int32_t UserTag(vcl::TComponent* Component);

  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 protected:
  void DefineProperties(vcl::TFiler* Filer) override;

 private:
  vcl::TCustomForm* OwnerForm() const;
  // Moves pending names read from a stream onto the components they name.
  void ResolveUserTags();
  void RememberTag(vcl::TComponent* Component);
  // Gives a hidden component its place (DesignInfo) and its Tag back.
  void Unmark(vcl::TComponent* Component);
  void ReadUserTags(vcl::TReader* Reader);
  void WriteUserTags(vcl::TWriter* Writer);

  // The user's Tag of a hidden component, and when it was remembered (the order they are
  // written in).
  struct TUserTag {
    uint64_t Order;
    int32_t Tag;
  };

  bool FUseTagInfo = true;
  TZYLHideNonVCNewEvent FOnNewComponent;
  std::unordered_map<vcl::TComponent*, TUserTag> FUserTags;
  uint64_t FNextOrder = 0;
  std::vector<std::pair<std::string, int32_t>> FPendingTags;
};

inline constexpr vcl::TUnitEntry ZYLHideNonVCUnit = vcl::ClassesUnit<TZYLHideNonVC>("ZYLHideNonVC");

}  // namespace zyl
