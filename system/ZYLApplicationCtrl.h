// TZYLApplicationCtrl: the application-wide settings on a form, for the designer. Nothing acts
// at design time; when the component is loaded at run time it copies everything once into the
// framework's application and screen objects and into the library's application object
// (ZYLApplication) and its settings storage. Later changes wait for the next load.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCustomComponent.h"
#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
class TFont;
class TIcon;
}  // namespace vcl

namespace zyl {

ZYL_ENUM(TZYLSystemOption, soSetHintFont, soSetIconFont, soSetMenuFont)
using TZYLSystemOptions = vcl::TSet<TZYLSystemOption>;
using TActionEvent = vcl::TEvent<void(vcl::TObject* Action, bool& Handled)>;

class TZYLApplicationCtrl : public TZYLCustomComponent {
  ZYL_CLASS(TZYLApplicationCtrl, TZYLCustomComponent)

 public:
  using TOptions = TZYLApplicationOptions;
  using TLogAction = TZYLLogAction;
  using TPathPrefix = TZYLPathPrefix;
  using TSystemOptions = TZYLSystemOptions;
  // The indices of the font properties.
  enum TFontProp : int { fiHintFont, fiIconFont, fiMenuFont };

  // Raises ZYLEOneInstError at design time when the owner is no form or already holds one.
  explicit TZYLApplicationCtrl(vcl::TComponent* AOwner);
  ~TZYLApplicationCtrl() override;

  vcl::TBitmap* CheckBitmap() const { return FCheckBitmap.get(); }
  void SetCheckBitmap(vcl::TBitmap* Value);
  const std::string& Company() const { return FCompany; }
  void SetCompany(const std::string& Value) { FCompany = Value; }
  TOptions Options() const { return FOptions; }
  void SetOptions(TOptions Value) { FOptions = Value; }
  const std::string& Version() const { return FVersion; }
  void SetVersion(const std::string& Value) { FVersion = Value; }
  TLogAction LogMaxAction() const { return FLogMaxAction; }
  void SetLogMaxAction(TLogAction Value) { FLogMaxAction = Value; }
  int32_t LogMaxsize() const { return FLogMaxsize; }
  void SetLogMaxsize(int32_t Value) { FLogMaxsize = Value; }
  TPathPrefix LogPrefix() const { return FLogPrefix; }
  void SetLogPrefix(TPathPrefix Value) { FLogPrefix = Value; }
  const std::string& LogName() const { return FLogName; }
  // A non-empty name without extension gets ".LOG".
  void SetLogName(const std::string& Value);
  uint8_t DlgEffectDelay() const { return FDlgEffectDelay; }
  void SetDlgEffectDelay(uint8_t Value) { FDlgEffectDelay = Value; }
  const std::string& IniFile() const { return FIniFile; }
  void SetIniFile(const std::string& Value) { FIniFile = Value; }
  TPathPrefix IniPrefix() const { return FIniPrefix; }
  void SetIniPrefix(TPathPrefix Value) { FIniPrefix = Value; }
  const std::string& RegPath() const { return FRegPath; }
  void SetRegPath(const std::string& Value) { FRegPath = Value; }
  TZYLRegRootKey RegRoot() const { return FRegRoot; }
  void SetRegRoot(TZYLRegRootKey Value) { FRegRoot = Value; }
  TZYLIniTarget IniTarget() const { return FIniTarget; }
  void SetIniTarget(TZYLIniTarget Value) { FIniTarget = Value; }

  vcl::TColor HintColor() const { return FHintColor; }
  void SetHintColor(vcl::TColor Value) { FHintColor = Value; }
  int32_t HintPause() const { return FHintPause; }
  void SetHintPause(int32_t Value) { FHintPause = Value; }
  int32_t HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int32_t Value) { FHintHidePause = Value; }
  int32_t HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int32_t Value) { FHintShortPause = Value; }
  // The icon stays readable after Loaded handed it to the application.
  vcl::TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(vcl::TIcon* Value);
  const std::string& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::string& Value) { FHelpFile = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  bool UpdateMetricSettings() const { return FUpdateMetricSettings; }
  void SetUpdateMetricSettings(bool Value) { FUpdateMetricSettings = Value; }
  bool UpdateFormatSettings() const { return FUpdateFormatSettings; }
  void SetUpdateFormatSettings(bool Value) { FUpdateFormatSettings = Value; }
  // Index: one of TFontProp (null for any other); the setter copies.
  vcl::TFont* GetFont(int Index) const;
  void SetFont(int Index, vcl::TFont* Value);
  vcl::TFont* HintFont() const { return FHintFont.get(); }
  vcl::TFont* IconFont() const { return FIconFont.get(); }
  vcl::TFont* MenuFont() const { return FMenuFont.get(); }
  TSystemOptions SystemOptions() const { return FSystemOptions; }
  void SetSystemOptions(TSystemOptions Value) { FSystemOptions = Value; }

  // Fires OnEditModeChange (the application object's edit-mode notification ends here).
  void DoEditModeChange(vcl::TObject* Sender);
  void Loaded() override;

  // Events, handed over to the application object, the framework's application and the
  // screen at load when assigned.
  const TZYLExceptionEvent& GetOnException() const { return FOnException; }
  void SetOnException(const TZYLExceptionEvent& Value) { FOnException = Value; }
  const TZYLMaxLogSizeEvent& GetOnMaxLogSize() const { return FOnMaxLogSize; }
  void SetOnMaxLogSize(const TZYLMaxLogSizeEvent& Value) { FOnMaxLogSize = Value; }
  const TZYLOnHeaderWrite& GetOnHeaderWrite() const { return FOnHeaderWrite; }
  void SetOnHeaderWrite(const TZYLOnHeaderWrite& Value) { FOnHeaderWrite = Value; }
  const vcl::TNotifyEvent& GetOnActivate() const { return FOnActivate; }
  void SetOnActivate(const vcl::TNotifyEvent& Value) { FOnActivate = Value; }
  const vcl::TNotifyEvent& GetOnDeactivate() const { return FOnDeactivate; }
  void SetOnDeactivate(const vcl::TNotifyEvent& Value) { FOnDeactivate = Value; }
  const vcl::THelpEvent& GetOnHelp() const { return FOnHelp; }
  void SetOnHelp(const vcl::THelpEvent& Value) { FOnHelp = Value; }
  const vcl::TIdleEvent& GetOnIdle() const { return FOnIdle; }
  void SetOnIdle(const vcl::TIdleEvent& Value) { FOnIdle = Value; }
  const vcl::TMessageEvent& GetOnMessage() const { return FOnMessage; }
  void SetOnMessage(const vcl::TMessageEvent& Value) { FOnMessage = Value; }
  const vcl::TNotifyEvent& GetOnMinimize() const { return FOnMinimize; }
  void SetOnMinimize(const vcl::TNotifyEvent& Value) { FOnMinimize = Value; }
  const vcl::TNotifyEvent& GetOnHint() const { return FOnHint; }
  void SetOnHint(const vcl::TNotifyEvent& Value) { FOnHint = Value; }
  const vcl::TNotifyEvent& GetOnRestore() const { return FOnRestore; }
  void SetOnRestore(const vcl::TNotifyEvent& Value) { FOnRestore = Value; }
  const vcl::TShowHintEvent& GetOnShowHint() const { return FOnShowHint; }
  void SetOnShowHint(const vcl::TShowHintEvent& Value) { FOnShowHint = Value; }
  const TActionEvent& GetOnActionExecute() const { return FOnActionExecute; }
  void SetOnActionExecute(const TActionEvent& Value) { FOnActionExecute = Value; }
  const TActionEvent& GetOnActionUpdate() const { return FOnActionUpdate; }
  void SetOnActionUpdate(const TActionEvent& Value) { FOnActionUpdate = Value; }
  const vcl::TNotifyEvent& GetOnActiveFormChange() const { return FOnActiveFormChange; }
  void SetOnActiveFormChange(const vcl::TNotifyEvent& Value) { FOnActiveFormChange = Value; }
  const vcl::TNotifyEvent& GetOnActiveControlChange() const { return FOnActiveControlChange; }
  void SetOnActiveControlChange(const vcl::TNotifyEvent& Value) { FOnActiveControlChange = Value; }
  const vcl::TNotifyEvent& GetOnEditModeChange() const { return FOnEditModeChange; }
  void SetOnEditModeChange(const vcl::TNotifyEvent& Value) { FOnEditModeChange = Value; }

 protected:
  TZYLExceptionEvent FOnException;
  TZYLMaxLogSizeEvent FOnMaxLogSize;
  TZYLOnHeaderWrite FOnHeaderWrite;
  vcl::TNotifyEvent FOnActivate;
  vcl::TNotifyEvent FOnDeactivate;
  vcl::THelpEvent FOnHelp;
  vcl::TIdleEvent FOnIdle;
  vcl::TMessageEvent FOnMessage;
  vcl::TNotifyEvent FOnMinimize;
  vcl::TNotifyEvent FOnHint;
  vcl::TNotifyEvent FOnRestore;
  vcl::TShowHintEvent FOnShowHint;
  TActionEvent FOnActionExecute;
  TActionEvent FOnActionUpdate;
  vcl::TNotifyEvent FOnActiveFormChange;
  vcl::TNotifyEvent FOnActiveControlChange;
  vcl::TNotifyEvent FOnEditModeChange;

 private:
  void AppException(vcl::TObject* Sender, vcl::Exception& E);
  void Detach();

  std::unique_ptr<vcl::TBitmap> FCheckBitmap;
  std::string FCompany;
  TOptions FOptions;
  std::string FVersion;
  TLogAction FLogMaxAction = laNone;
  int32_t FLogMaxsize = -1;
  TPathPrefix FLogPrefix = ppProgram;
  std::string FLogName;
  uint8_t FDlgEffectDelay = 3;
  std::string FIniFile;
  TPathPrefix FIniPrefix = ppWindows;
  std::string FRegPath;
  TZYLRegRootKey FRegRoot = rpCurrentUser;
  TZYLIniTarget FIniTarget = itAuto;
  vcl::TColor FHintColor;
  int32_t FHintPause = 500;
  int32_t FHintHidePause = 2500;
  int32_t FHintShortPause = 50;
  std::unique_ptr<vcl::TIcon> FIcon;
  std::string FHelpFile;
  bool FShowHint = true;
  std::string FTitle;
  bool FUpdateMetricSettings = true;
  bool FUpdateFormatSettings = true;
  std::unique_ptr<vcl::TFont> FHintFont;
  std::unique_ptr<vcl::TFont> FIconFont;
  std::unique_ptr<vcl::TFont> FMenuFont;
  TSystemOptions FSystemOptions;
};

inline constexpr vcl::TUnitEntry ZYLApplicationCtrlUnit =
    vcl::ClassesUnit<TZYLApplicationCtrl>("ZYLApplicationCtrl");

}  // namespace zyl
