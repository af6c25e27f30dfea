#include "system/ZYLApplicationCtrl.h"

#include <fstream>

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

namespace ZYLApplicationCtrl {

std::string PrefixFolder(TZYLPathPrefix Prefix) {
  switch (Prefix) {
    case ppWindows: return ZYLSIWindowsDirectory();
    case ppSystem: return ZYLSISystemDirectory();
    case ppProgram: return vcl::ExcludeTrailingPathDelimiter(vcl::ExtractFilePath(vcl::ParamStr(0)));
    case ppFixed: return {};
  }
  return {};
}

std::string PrefixedName(TZYLPathPrefix Prefix, const std::string& Name) {
  if (Name.empty() || !vcl::ExtractFilePath(Name).empty()) return Name;
  const std::string folder = PrefixFolder(Prefix);
  if (folder.empty()) return Name;
  return vcl::IncludeTrailingPathDelimiter(folder) + Name;
}

}  // namespace ZYLApplicationCtrl

namespace ac = ZYLApplicationCtrl;

namespace {

bool Designing(const vcl::TComponent* c) { return c->ComponentState().contains(vcl::csDesigning); }

const vcl::TColor DefaultHintColor = vcl::clInfoBk;

}  // namespace

ZYL_CLASS_IMPL(TZYLApplicationCtrl) {
  using C = TZYLApplicationCtrl;
  b.Publish("About")
      .Prop("CheckBitmap", &C::CheckBitmap, &C::SetCheckBitmap)
      .Prop("Company", &C::Company, &C::SetCompany)
      .Prop("Options", &C::Options, &C::SetOptions)
      .Default(TOptions{ac::aoMouseCtrlActive, ac::aoLogAlwaysClear, ac::aoLogHeader, ac::aoLogNr})
      .Prop("Version", &C::Version, &C::SetVersion)
      .Prop("LogMaxAction", &C::LogMaxAction, &C::SetLogMaxAction)
      .Default(ac::laNone)
      .Prop("LogMaxsize", &C::LogMaxsize, &C::SetLogMaxsize)
      .Default(-1)
      .Prop("LogPrefix", &C::LogPrefix, &C::SetLogPrefix)
      .Default(ac::ppProgram)
      .Prop("LogName", &C::LogName, &C::SetLogName)
      .Prop("DlgEffectDelay", &C::DlgEffectDelay, &C::SetDlgEffectDelay)
      .Default(3)
      .Prop("IniFile", &C::IniFile, &C::SetIniFile)
      .Prop("IniPrefix", &C::IniPrefix, &C::SetIniPrefix)
      .Default(ac::ppWindows)
      .Prop("RegPath", &C::RegPath, &C::SetRegPath)
      .Prop("RegRoot", &C::RegRoot, &C::SetRegRoot)
      .Default(rpCurrentUser)
      .Prop("IniTarget", &C::IniTarget, &C::SetIniTarget)
      .Default(itAuto)
      .Prop("OnException", &C::GetOnException, &C::SetOnException)
      .Prop("OnMaxLogSize", &C::GetOnMaxLogSize, &C::SetOnMaxLogSize)
      .Prop("OnHeaderWrite", &C::GetOnHeaderWrite, &C::SetOnHeaderWrite)
      .Prop("HintColor", &C::HintColor, &C::SetHintColor, vcl::ColorTypeInfo())
      .Default(DefaultHintColor)
      .Prop("HintPause", &C::HintPause, &C::SetHintPause)
      .Default(500)
      .Prop("HintHidePause", &C::HintHidePause, &C::SetHintHidePause)
      .Default(2500)
      .Prop("HintShortPause", &C::HintShortPause, &C::SetHintShortPause)
      .Default(50)
      .Prop("Icon", &C::Icon, &C::SetIcon)
      .Prop("HelpFile", &C::HelpFile, &C::SetHelpFile)
      .Prop("ShowHint", &C::ShowHint, &C::SetShowHint)
      .Default(true)
      .Prop("Title", &C::Title, &C::SetTitle)
      .Prop("UpdateMetricSettings", &C::UpdateMetricSettings, &C::SetUpdateMetricSettings)
      .Default(true)
      .Prop("UpdateFormatSettings", &C::UpdateFormatSettings, &C::SetUpdateFormatSettings)
      .Default(true)
      .Prop("HintFont", &C::GetFont, &C::SetFont)
      .Index(0)
      .Prop("IconFont", &C::GetFont, &C::SetFont)
      .Index(1)
      .Prop("MenuFont", &C::GetFont, &C::SetFont)
      .Index(2)
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
  FOptions = TOptions{ac::aoMouseCtrlActive, ac::aoLogAlwaysClear, ac::aoLogHeader, ac::aoLogNr};
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
    Detach();
    delete FCheckBitmap;
    delete FIcon;
    delete FHintFont;
    delete FIconFont;
    delete FMenuFont;
    throw ZYLEOneInstError(name, ZYLEOneInstError::okInvalidOwner);
  }
  if (TZYLApplication* app = ZYLApplication())
    app->OnEditModeChange = vcl::TNotifyEvent(this, &TZYLApplicationCtrl::DoEditModeChange);
}

TZYLApplicationCtrl::~TZYLApplicationCtrl() {
  Detach();
  delete FIcon;
  delete FHintFont;
  delete FIconFont;
  delete FMenuFont;
  delete FCheckBitmap;
}

// Withdraws every handler of the application objects that still points at this component, so
// that none of them calls a freed component.
void TZYLApplicationCtrl::Detach() {
  if (TZYLApplication* app = ZYLApplication()) {
    if (app->OnEditModeChange == vcl::TNotifyEvent(this, &TZYLApplicationCtrl::DoEditModeChange))
      app->OnEditModeChange = nullptr;
    if (app->OnException == zyl::TZYLExceptionEvent(this, &TZYLApplicationCtrl::ZylException))
      app->OnException = nullptr;
    if (app->OnMaxLogSize == vcl::TNotifyEvent(this, &TZYLApplicationCtrl::ZylMaxLogSize))
      app->OnMaxLogSize = nullptr;
    if (app->OnHeaderWrite == vcl::TNotifyEvent(this, &TZYLApplicationCtrl::ZylHeaderWrite))
      app->OnHeaderWrite = nullptr;
  }
  if (vcl::Application &&
      vcl::Application->OnException == vcl::TExceptionEvent(this, &TZYLApplicationCtrl::AppException))
    vcl::Application->OnException = nullptr;
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
    case 0: return FHintFont;
    case 1: return FIconFont;
    case 2: return FMenuFont;
  }
  return nullptr;
}

void TZYLApplicationCtrl::SetFont(int Index, vcl::TFont* Value) {
  if (vcl::TFont* f = GetFont(Index)) f->Assign(Value);
}

void TZYLApplicationCtrl::DoEditModeChange(vcl::TObject*) {
  if (OnEditModeChange) OnEditModeChange(this);
}

void TZYLApplicationCtrl::AppException(vcl::TObject* Sender, vcl::Exception& E) {
  if (TZYLApplication* app = ZYLApplication()) app->HandleException(Sender, E);
}

void TZYLApplicationCtrl::ZylException(vcl::TObject* Sender, const std::exception& E) {
  bool cancel = false;
  if (OnException) OnException(Sender, E, cancel);
}

void TZYLApplicationCtrl::ZylMaxLogSize(vcl::TObject* Sender) {
  bool cancel = false;
  TZYLApplication* app = ZYLApplication();
  if (OnMaxLogSize && app) OnMaxLogSize(Sender, app->LogName(), cancel);
}

void TZYLApplicationCtrl::ZylHeaderWrite(vcl::TObject* Sender) {
  std::string target;
  if (OnHeaderWrite) OnHeaderWrite(Sender, target);
  // The application object's hook runs while it composes the header and offers no access
  // to it; logging through it from here would start a header again and recurse. The lines go
  // straight into the log file instead.
  if (target.empty()) return;
  TZYLApplication* app = ZYLApplication();
  if (!app) return;
  const std::string native = vcl::NativeFileName(app->LogName());
  if (native.empty()) return;
  std::ofstream f(native, std::ios::binary | std::ios::app);
  if (target.back() != '\n') target += '\n';
  f << target;
}

void TZYLApplicationCtrl::Loaded() {
  inherited::Loaded();
  if (Designing(this)) return;
  TZYLApplication* app = ZYLApplication();
  // 1. The library's application object and its settings storage.
  if (app) {
    if (FCheckBitmap && !FCheckBitmap->Empty()) app->SetCheckBitmap(FCheckBitmap);
    zyl::TZYLApplicationOptions o;
    if (FOptions.contains(ac::aoAutoRealizePalette)) o = o + zyl::TZYLApplicationOptions{zyl::aoAutoRealizePalette};
    if (FOptions.contains(ac::aoLogHeader)) o = o + zyl::TZYLApplicationOptions{zyl::aoLogHeader};
    if (FOptions.contains(ac::aoLogNr)) o = o + zyl::TZYLApplicationOptions{zyl::aoLogNumbers};
    if (FOptions.contains(ac::aoLogTime) || FOptions.contains(ac::aoLogDate))
      o = o + zyl::TZYLApplicationOptions{zyl::aoLogDateTime};
    if (FOptions.contains(ac::aoLogException)) o = o + zyl::TZYLApplicationOptions{zyl::aoLogExceptions};
    app->Options = o;
    app->Company = FCompany;
    app->Version = FVersion;
    app->DlgEffectDelay = FDlgEffectDelay;
    if (!FLogName.empty()) app->SetLogName(ac::PrefixedName(FLogPrefix, FLogName));
    app->LogMaxSize = FLogMaxsize > 0 ? FLogMaxsize : 0;
    app->LogMaxAction = FLogMaxAction == ac::laNone ? zyl::laNone : zyl::laRestart;
    if (TZYLIniCtrl* ini = app->IniCtrl()) {
      if (!FIniFile.empty()) ini->SetIniFile(ac::PrefixedName(FIniPrefix, FIniFile));
      ini->SetRegPath(FRegPath);
      ini->SetRegRoot(FRegRoot);
      ini->SetTarget(FIniTarget);
    }
    // 2. Exceptions and the log events.
    if (vcl::Application && (FOptions.contains(ac::aoLogException) || OnException))
      vcl::Application->OnException = vcl::TExceptionEvent(this, &TZYLApplicationCtrl::AppException);
    if (OnException) app->OnException = zyl::TZYLExceptionEvent(this, &TZYLApplicationCtrl::ZylException);
    if (OnMaxLogSize) app->OnMaxLogSize = vcl::TNotifyEvent(this, &TZYLApplicationCtrl::ZylMaxLogSize);
    if (OnHeaderWrite) app->OnHeaderWrite = vcl::TNotifyEvent(this, &TZYLApplicationCtrl::ZylHeaderWrite);
  }
  vcl::TApplication* a = vcl::Application;
  if (a) {
    // 3. The help file, when it exists; otherwise the application keeps only the name part.
    if (!FHelpFile.empty() && vcl::FileExists(FHelpFile))
      a->SetHelpFile(FHelpFile);
    else
      a->SetHelpFile(vcl::ExtractFileName(a->HelpFile()));
    // 4. The icon (the component keeps its copy).
    if (FIcon && !FIcon->Empty() && a->Icon()) a->Icon()->Assign(FIcon);
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
    if (OnHint) a->OnHint = OnHint;
    if (OnShowHint) a->OnShowHint = OnShowHint;
    if (OnActivate) a->OnActivate = OnActivate;
    if (OnDeactivate) a->OnDeactivate = OnDeactivate;
    if (OnMessage) a->OnMessage = OnMessage;
    if (OnHelp) a->OnHelp = OnHelp;
    if (OnIdle) a->OnIdle = OnIdle;
    if (OnRestore) a->OnRestore = OnRestore;
    if (OnMinimize) a->OnMinimize = OnMinimize;
    if (OnActionUpdate) a->OnActionUpdate = OnActionUpdate;
    if (OnActionExecute) a->OnActionExecute = OnActionExecute;
  }
  if (vcl::TScreen* s = vcl::Screen) {
    if (OnActiveFormChange) s->OnActiveFormChange = OnActiveFormChange;
    if (OnActiveControlChange) s->OnActiveControlChange = OnActiveControlChange;
    // 7. The screen fonts chosen by SystemOptions.
    if (FSystemOptions.contains(ac::soSetIconFont)) s->IconFont()->Assign(FIconFont);
    if (FSystemOptions.contains(ac::soSetHintFont)) s->HintFont()->Assign(FHintFont);
    if (FSystemOptions.contains(ac::soSetMenuFont)) s->MenuFont()->Assign(FMenuFont);
  }
}

void ZYLApplicationCtrlInit() { vcl::RegisterClasses({TZYLApplicationCtrl::StaticClass()}); }

void ZYLApplicationCtrlDone() { vcl::UnRegisterClasses({TZYLApplicationCtrl::StaticClass()}); }

}  // namespace zyl
