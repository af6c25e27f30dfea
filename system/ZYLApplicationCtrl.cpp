#include "system/ZYLApplicationCtrl.h"

#include <algorithm>
#include <vector>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLFormUtils.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"

namespace zyl {

namespace {

bool Designing(const vcl::TComponent* c) { return c->ComponentState().contains(vcl::csDesigning); }

const vcl::TColor DefaultHintColor = vcl::clInfoBk;

// The components there are, oldest first: the newest one hears the application object's edit
// mode, and when it goes, the newest one left hears it again.
std::vector<TZYLApplicationCtrl*>& EditModeListeners() {
  static std::vector<TZYLApplicationCtrl*> listeners;
  return listeners;
}

}  // namespace

ZYL_CLASS_IMPL(TZYLApplicationCtrl) {
  using C = TZYLApplicationCtrl;
  b.Publish("About")
      .Prop("CheckBitmap", &C::CheckBitmap, &C::SetCheckBitmap)
      .Prop("Company", &C::Company, &C::SetCompany)
      .Prop("Options", &C::Options, &C::SetOptions)
      .Default(TOptions{aoMouseCtrlActive, aoLogAlwaysClear, aoLogHeader, aoLogNr})
      .Prop("Version", &C::Version, &C::SetVersion)
      .Prop("LogMaxAction", &C::LogMaxAction, &C::SetLogMaxAction)
      .Default(laNone)
      .Prop("LogMaxsize", &C::LogMaxsize, &C::SetLogMaxsize)
      .Default(-1)
      .Prop("LogPrefix", &C::LogPrefix, &C::SetLogPrefix)
      .Default(ppProgram)
      .Prop("LogName", &C::LogName, &C::SetLogName)
      .Prop("DlgEffectDelay", &C::DlgEffectDelay, &C::SetDlgEffectDelay)
      .Default(3)
      .Prop("IniFile", &C::IniFile, &C::SetIniFile)
      .Prop("IniPrefix", &C::IniPrefix, &C::SetIniPrefix)
      .Default(ppWindows)
      .Prop("RegPath", &C::RegPath, &C::SetRegPath)
      .Prop("RegRoot", &C::RegRoot, &C::SetRegRoot)
      .Default(rpCurrentUser)
      .Prop("IniTarget", &C::IniTarget, &C::SetIniTarget)
      .Default(itAuto)
      .Prop("OnException", &C::GetOnException, &C::SetOnException)
      .Prop("OnMaxLogSize", &C::GetOnMaxLogSize, &C::SetOnMaxLogSize)
      .Prop("OnHeaderWrite", &C::GetOnHeaderWrite, &C::SetOnHeaderWrite)
      // The hint settings and the two update switches start from the running application's
      // values, not from a declared default: each is always written, or a form would take
      // whatever the application holds when it is read.
      .Prop("HintColor", &C::HintColor, &C::SetHintColor, vcl::ColorTypeInfo())
      .NoDefault()
      .Prop("HintPause", &C::HintPause, &C::SetHintPause)
      .NoDefault()
      .Prop("HintHidePause", &C::HintHidePause, &C::SetHintHidePause)
      .NoDefault()
      .Prop("HintShortPause", &C::HintShortPause, &C::SetHintShortPause)
      .NoDefault()
      .Prop("Icon", &C::Icon, &C::SetIcon)
      .Prop("HelpFile", &C::HelpFile, &C::SetHelpFile)
      .Prop("ShowHint", &C::ShowHint, &C::SetShowHint)
      .NoDefault()
      .Prop("Title", &C::Title, &C::SetTitle)
      .Prop("UpdateMetricSettings", &C::UpdateMetricSettings, &C::SetUpdateMetricSettings)
      .NoDefault()
      .Prop("UpdateFormatSettings", &C::UpdateFormatSettings, &C::SetUpdateFormatSettings)
      .NoDefault()
      .Prop("HintFont", &C::GetFont, &C::SetFont)
      .Index(fiHintFont)
      .Prop("IconFont", &C::GetFont, &C::SetFont)
      .Index(fiIconFont)
      .Prop("MenuFont", &C::GetFont, &C::SetFont)
      .Index(fiMenuFont)
      .Prop("SystemOptions", &C::SystemOptions, &C::SetSystemOptions)
      .Default(TSystemOptions{})
      .Prop("OnActivate", &C::GetOnActivate, &C::SetOnActivate)
      .Prop("OnDeactivate", &C::GetOnDeactivate, &C::SetOnDeactivate)
      .Prop("OnHelp", &C::GetOnHelp, &C::SetOnHelp)
      .Prop("OnIdle", &C::GetOnIdle, &C::SetOnIdle)
      .Prop("OnMessage", &C::GetOnMessage, &C::SetOnMessage)
      .Prop("OnMinimize", &C::GetOnMinimize, &C::SetOnMinimize)
      .Prop("OnHint", &C::GetOnHint, &C::SetOnHint)
      .Prop("OnRestore", &C::GetOnRestore, &C::SetOnRestore)
      .Prop("OnShowHint", &C::GetOnShowHint, &C::SetOnShowHint)
      .Prop("OnActionExecute", &C::GetOnActionExecute, &C::SetOnActionExecute)
      .Prop("OnActionUpdate", &C::GetOnActionUpdate, &C::SetOnActionUpdate)
      .Prop("OnActiveFormChange", &C::GetOnActiveFormChange, &C::SetOnActiveFormChange)
      .Prop("OnActiveControlChange", &C::GetOnActiveControlChange, &C::SetOnActiveControlChange)
      .Prop("OnEditModeChange", &C::GetOnEditModeChange, &C::SetOnEditModeChange);
}

TZYLApplicationCtrl::TZYLApplicationCtrl(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FCheckBitmap(new vcl::TBitmap()),
      FHintColor(DefaultHintColor),
      FIcon(new vcl::TIcon()),
      FHintFont(new vcl::TFont()),
      FIconFont(new vcl::TFont()),
      FMenuFont(new vcl::TFont()) {
  FOptions = TOptions{aoMouseCtrlActive, aoLogAlwaysClear, aoLogHeader, aoLogNr};
  if (vcl::Application) {
    FShowHint = vcl::Application->ShowHint();
    FHintPause = vcl::Application->HintPause();
    FHintColor = vcl::Application->HintColor();
    FHintShortPause = vcl::Application->HintShortPause();
    FHintHidePause = vcl::Application->HintHidePause();
    FUpdateFormatSettings = vcl::Application->UpdateFormatSettings;
    FUpdateMetricSettings = vcl::Application->UpdateMetricSettings;
  }
  if (Designing(this) && ZYLCheckForSameClass(AOwner, ClassType(), false)) {
    const std::string name = ClassName();
    Detach();  // the owned bitmap, icon and fonts go with the members
    throw ZYLEOneInstError(name, ZYLEOneInstError::okInvalidOwner);
  }
  EditModeListeners().push_back(this);
  if (TZYLApplication* app = ZYLApplication())
    app->SetOnEditModeChange(vcl::TNotifyEvent(this, &TZYLApplicationCtrl::DoEditModeChange));
}

TZYLApplicationCtrl::~TZYLApplicationCtrl() {
  Detach();
  FIcon.reset();
  FHintFont.reset();
  FIconFont.reset();
  FMenuFont.reset();
  FCheckBitmap.reset();
}

// Withdraws every handler of the application objects that still points at this component, so
// that none of them calls a freed component.
void TZYLApplicationCtrl::Detach() {
  std::vector<TZYLApplicationCtrl*>& listeners = EditModeListeners();
  listeners.erase(std::remove(listeners.begin(), listeners.end(), this), listeners.end());
  if (TZYLApplication* app = ZYLApplication()) {
    if (app->GetOnEditModeChange() ==
        vcl::TNotifyEvent(this, &TZYLApplicationCtrl::DoEditModeChange))
      app->SetOnEditModeChange(
          listeners.empty()
              ? vcl::TNotifyEvent()
              : vcl::TNotifyEvent(listeners.back(), &TZYLApplicationCtrl::DoEditModeChange));
    // The exception and log handlers handed over at Loaded are the form's as well.
    if (FOnException && app->GetOnException() == FOnException) app->SetOnException(nullptr);
    if (FOnMaxLogSize && app->GetOnMaxLogSize() == FOnMaxLogSize) app->SetOnMaxLogSize(nullptr);
    if (FOnHeaderWrite && app->GetOnHeaderWrite() == FOnHeaderWrite) app->SetOnHeaderWrite(nullptr);
  }
  if (vcl::Application &&
      vcl::Application->OnException == vcl::TExceptionEvent(this, &TZYLApplicationCtrl::AppException))
    vcl::Application->OnException = nullptr;
  // The handlers handed over at Loaded belong to the form that owns this component and go
  // with it: none of them may be called once it is gone.
  auto withdraw = [](auto& target, const auto& handed) {
    if (handed && target == handed) target = nullptr;
  };
  if (vcl::TApplication* a = vcl::Application) {
    withdraw(a->OnHint, FOnHint);
    withdraw(a->OnShowHint, FOnShowHint);
    withdraw(a->OnActivate, FOnActivate);
    withdraw(a->OnDeactivate, FOnDeactivate);
    withdraw(a->OnMessage, FOnMessage);
    withdraw(a->OnHelp, FOnHelp);
    withdraw(a->OnIdle, FOnIdle);
    withdraw(a->OnRestore, FOnRestore);
    withdraw(a->OnMinimize, FOnMinimize);
    withdraw(a->OnActionUpdate, FOnActionUpdate);
    withdraw(a->OnActionExecute, FOnActionExecute);
  }
  if (vcl::TScreen* s = vcl::Screen) {
    withdraw(s->OnActiveFormChange, FOnActiveFormChange);
    withdraw(s->OnActiveControlChange, FOnActiveControlChange);
  }
}

void TZYLApplicationCtrl::SetCheckBitmap(vcl::TBitmap* Value) { FCheckBitmap->Assign(Value); }

void TZYLApplicationCtrl::SetIcon(vcl::TIcon* Value) { FIcon->Assign(Value); }

void TZYLApplicationCtrl::SetLogName(const std::string& Value) {
  if (!Value.empty() && vcl::ExtractFileExt(Value).empty())
    FLogName = Value + ".LOG";
  else
    FLogName = Value;
}

vcl::TFont* TZYLApplicationCtrl::GetFont(int Index) const {
  switch (Index) {
    case fiHintFont: return FHintFont.get();
    case fiIconFont: return FIconFont.get();
    case fiMenuFont: return FMenuFont.get();
  }
  return nullptr;
}

void TZYLApplicationCtrl::SetFont(int Index, vcl::TFont* Value) {
  if (vcl::TFont* f = GetFont(Index)) f->Assign(Value);
}

void TZYLApplicationCtrl::DoEditModeChange(vcl::TObject*) {
  if (FOnEditModeChange) FOnEditModeChange(this);
}

void TZYLApplicationCtrl::AppException(vcl::TObject* Sender, vcl::Exception& E) {
  if (TZYLApplication* app = ZYLApplication()) app->HandleException(Sender, E);
}

void TZYLApplicationCtrl::Loaded() {
  inherited::Loaded();
  if (Designing(this)) return;
  TZYLApplication* app = ZYLApplication();
  // 1. The library's application object and its settings storage.
  if (app) {
    if (FCheckBitmap && !FCheckBitmap->Empty()) app->SetCheckBitmap(FCheckBitmap.get());
    app->Options = FOptions;
    app->Company = FCompany;
    app->Version = FVersion;
    app->DlgEffectDelay = FDlgEffectDelay;
    app->SetLogPrefix(FLogPrefix);
    app->SetLogName(FLogName);
    app->LogMaxSize = FLogMaxsize;
    app->LogMaxAction = FLogMaxAction;
    if (TZYLIniCtrl* ini = app->IniCtrl()) {
      ini->SetIniFile(FIniFile);
      ini->SetRegPath(FRegPath);
      ini->SetIniPrefix(FIniPrefix);
      ini->SetRegRoot(FRegRoot);
      ini->SetTarget(FIniTarget);
    }
    // 2. Exceptions and the log events.
    if (vcl::Application && (FOptions.contains(aoLogException) || FOnException))
      vcl::Application->OnException = vcl::TExceptionEvent(this, &TZYLApplicationCtrl::AppException);
    if (FOnException) app->SetOnException(FOnException);
    if (FOnMaxLogSize) app->SetOnMaxLogSize(FOnMaxLogSize);
    if (FOnHeaderWrite) app->SetOnHeaderWrite(FOnHeaderWrite);
  }
  vcl::TApplication* a = vcl::Application;
  if (a) {
    // 3. The help file, when it exists; otherwise the application keeps only the name part.
    if (!FHelpFile.empty() && vcl::FileExists(FHelpFile))
      a->SetHelpFile(FHelpFile);
    else
      a->SetHelpFile(vcl::ExtractFileName(a->HelpFile()));
    // 4. The icon (the component keeps its copy).
    if (FIcon && !FIcon->Empty() && a->Icon()) a->Icon()->Assign(FIcon.get());
    // 5. Hints, title and the system-setting switches.
    a->SetShowHint(FShowHint);
    if (!FTitle.empty()) a->SetTitle(FTitle);
    a->SetHintPause(FHintPause);
    a->SetHintColor(FHintColor);
    a->SetHintShortPause(FHintShortPause);
    a->SetHintHidePause(FHintHidePause);
    a->UpdateFormatSettings = FUpdateFormatSettings;
    a->UpdateMetricSettings = FUpdateMetricSettings;
    // 6. The events; an unassigned one leaves the existing handler in place.
    if (FOnHint) a->OnHint = FOnHint;
    if (FOnShowHint) a->OnShowHint = FOnShowHint;
    if (FOnActivate) a->OnActivate = FOnActivate;
    if (FOnDeactivate) a->OnDeactivate = FOnDeactivate;
    if (FOnMessage) a->OnMessage = FOnMessage;
    if (FOnHelp) a->OnHelp = FOnHelp;
    if (FOnIdle) a->OnIdle = FOnIdle;
    if (FOnRestore) a->OnRestore = FOnRestore;
    if (FOnMinimize) a->OnMinimize = FOnMinimize;
    if (FOnActionUpdate) a->OnActionUpdate = FOnActionUpdate;
    if (FOnActionExecute) a->OnActionExecute = FOnActionExecute;
  }
  if (vcl::TScreen* s = vcl::Screen) {
    if (FOnActiveFormChange) s->OnActiveFormChange = FOnActiveFormChange;
    if (FOnActiveControlChange) s->OnActiveControlChange = FOnActiveControlChange;
    // 7. The screen fonts chosen by SystemOptions.
    if (FSystemOptions.contains(soSetIconFont)) s->IconFont()->Assign(FIconFont.get());
    if (FSystemOptions.contains(soSetHintFont)) s->HintFont()->Assign(FHintFont.get());
    if (FSystemOptions.contains(soSetMenuFont)) s->MenuFont()->Assign(FMenuFont.get());
  }
}

}  // namespace zyl
