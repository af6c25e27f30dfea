// TZYLCustomComponent: the base of the library's non-visual components.
#pragma once

#include <string>

#include "foundation/ZYLClass.h"
#include "platform/classes/Component.h"
#include "platform/classes/Events.h"

namespace zyl {

// Whether the application wants themed drawing and the theme library is there. The
// application object installs its answer (its UseXPThemes switch and XPThemesAvailable); until
// then, and on a system without the theme library, the answer is false.
using TZYLThemeQuery = bool (*)();
void ZYLSetThemeQuery(TZYLThemeQuery Query);
bool ZYLUseXPThemesQuery();

class TZYLCustomComponent : public vcl::TComponent {
  ZYL_CLASS(TZYLCustomComponent, vcl::TComponent)
  explicit TZYLCustomComponent(vcl::TComponent* AOwner);

  // The About property every component publishes; it holds nothing.
  TZYLAboutVar About() const { return {}; }
  void SetAbout(const TZYLAboutVar&) {}

  const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(const vcl::TNotifyEvent& Value) { FOnChange = Value; }

  // An update counter brackets changes; EndUpdate(true) at zero calls Change.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate(bool DoChange);
  bool IsUpdating() const { return FUpdateCount > 0; }
  // Fires OnChange unless updating.
  virtual void Change();
  // The handler owned settings objects and change links point at: runs Change.
  virtual void GetChange(vcl::TObject* Sender);

  bool CtlXP() const { return FCtlXP; }
  void SetCtlXP(bool Value) { FCtlXP = Value; }
  // Themed drawing: the application's theme switch, the theme library and CtlXP all hold.
  bool UseXP() const;

 protected:
  int FUpdateCount = 0;
  bool FCtlXP = true;
  vcl::TNotifyEvent FOnChange;
};

}  // namespace zyl
