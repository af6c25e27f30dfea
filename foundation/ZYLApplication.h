// The application object: theme switches, edit mode, the shared timer pool and settings
// storage, the previous-instance flag, the cached brush and check-box bitmaps and the log file.
//
// Log file: LogName (default: the program's file name with ".LOG") placed, when it names no
// folder, in the folder of LogPrefix (default ppProgram). An entry is one line
// "[<number %.5d> ][<yyyy-mm-dd> ][<hh:nn:ss> ]<text>" by aoLogNr, aoLogDate and aoLogTime; the
// texts "#Header", "#Line" and "#CR" write the header block, a line of 60 "-" and an empty
// line. The header block is a line of "=", "Log of <program>", "Started: <date time>", a line
// of "=", then the lines OnHeaderWrite adds; with aoLogHeader it opens every new or restarted
// file. With aoLogAlwaysClear the first entry of a run (or after LogName / LogPrefix changed)
// starts the file afresh. When an entry would take the file past LogMaxSize bytes (0 or less:
// no limit) OnMaxLogSize may cancel the LogMaxAction: laClearLog restarts the file,
// laBackupLog first copies it to the same name with ".BAK", laNone lets it grow.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ZYLClass.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/Events.h"
#include "platform/graphics/Colors.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLTimerPool;
class TZYLIniCtrl;

ZYL_ENUM(TZYLApplicationOption, aoAutoRealizePalette, aoMouseCtrlActive, aoLogAlwaysClear,
         aoLogException, aoLogHeader, aoLogNr, aoLogTime, aoLogDate)
using TZYLApplicationOptions = vcl::TSet<TZYLApplicationOption>;
ZYL_ENUM(TZYLLogAction, laNone, laClearLog, laBackupLog)

// Cancel (false on entry) set by the handler skips the logging and the message of the caught
// exception.
using TZYLExceptionEvent =
    vcl::TEvent<void(vcl::TObject* Sender, const std::exception& E, bool& Cancel)>;
// Cancel set by the handler keeps the log as it is (no LogMaxAction this time).
using TZYLMaxLogSizeEvent =
    vcl::TEvent<void(vcl::TObject* Sender, const std::string& LogName, bool& Cancel)>;
// The handler appends its own lines (each ended by a line break) to Target, the header block.
using TZYLOnHeaderWrite = vcl::TEvent<void(vcl::TObject* Sender, std::string& Target)>;

// A named lock that another process of the same program sees: flock on
// "<dir>/zyl-<NAME>.lock" in $XDG_RUNTIME_DIR (else /tmp). Acquire answers false when another
// holder has it (the lock is then not held); Release gives it back.
class TZYLInstanceLock {
 public:
  explicit TZYLInstanceLock(const std::string& Name);
  ~TZYLInstanceLock();
  bool Acquire();
  void Release();
  bool Held() const { return FFd >= 0; }
  const std::string& FileName() const { return FFileName; }

 private:
  std::string FFileName;
  int FFd = -1;
};

class TZYLApplication : public vcl::TObject {
 public:
  // HostIsApplication: a running program (not the designer); only then is the instance lock
  // taken, named after the upper-cased program name.
  explicit TZYLApplication(bool HostIsApplication = true);
  ~TZYLApplication() override;

  // Theme switches and the answers that combine them with the theme binding. The second
  // switch limits themed drawing to the library's own controls (the framework's controls
  // never draw themed on this system, so it changes no picture here); the third one is never
  // set by the library and stays false.
  bool UseXPThemes() const { return FUseXPThemes; }
  void SetUseXPThemes(bool Value);
  bool XPThemesOwnControlsOnly() const { return FXPOwnControlsOnly; }
  void SetXPThemesOwnControlsOnly(bool Value);
  bool XPThemesReserved() const { return FXPReserved; }
  bool GetUseXPThemes() const;
  bool GetXPThemesSupported() const;
  const vcl::TNotifyEvent& GetOnThemeChange() const { return FOnThemeChange; }
  void SetOnThemeChange(const vcl::TNotifyEvent& Value) { FOnThemeChange = Value; }

  // Edit mode (insert, shift, ...), shared by the owner-drawn edits; it starts as {emInsert}
  // (typing inserts). Setting a different value runs OnEditModeChange.
  TZYLEditModes EditMode() const { return FEditMode; }
  void SetEditMode(TZYLEditModes Value);
  const vcl::TNotifyEvent& GetOnEditModeChange() const { return FOnEditModeChange; }
  void SetOnEditModeChange(const vcl::TNotifyEvent& Value) { FOnEditModeChange = Value; }

  // An owned 8 x 8 checkerboard of Color and white, rebuilt only when Color changes.
  vcl::TBitmap* GetBrushBitmap(vcl::TColor Color);
  int BrushBitmapBuilds() const { return FBrushBuilds; }
  // The black checker: an owned copy of GetBrushBitmap(0), made on first use and kept whatever
  // GetBrushBitmap is later asked for.
  vcl::TBitmap* GetBitmap();
  // The check-box bitmap: six cells side by side (unchecked, checked, grayed, each enabled then
  // disabled: cell = 2 x state + disabled). The built-in one has the system's 13 x 13 cells;
  // SetCheckBitmap keeps a copy of its bitmap (nil or an empty one restores the built-in one).
  vcl::TBitmap* CheckBitmap() const { return FCheckBitmap.get(); }
  void SetCheckBitmap(vcl::TBitmap* Value);
  // One cell of the check-box bitmap: width div 6, and the height (0 without a bitmap).
  int GetCheckCustomWidth() const;
  int GetCheckCustomHeight() const;
  // The system's check box.
  int SystemCheckWidth() const { return FSystemCheckWidth; }
  int SystemCheckHeight() const { return FSystemCheckHeight; }

  double GetTimerFrequency() const { return FTimerFrequency; }
  TZYLIniCtrl* IniCtrl() const { return FIniCtrl.get(); }
  bool PrevInstance() const { return FPrevInstance; }
  // "Software\<Part1\><title or program path>\<Part2\>" (each non-empty part ended by "\").
  std::string DefaultRegPath(const std::string& Part1, const std::string& Title,
                             const std::string& Part2) const;

  TZYLApplicationOptions Options{aoMouseCtrlActive, aoLogAlwaysClear, aoLogHeader, aoLogNr};
  // Whether the mouse fencing and positioning components may act (aoMouseCtrlActive).
  bool MouseCtrlActive() const { return Options.contains(aoMouseCtrlActive); }
  std::string Company;
  std::string Version;
  int DlgEffectDelay = 3;
  vcl::TObject* MessageBox = nullptr;

  // Log file.
  const std::string& LogName() const { return FLogName; }
  void SetLogName(const std::string& Value);
  TZYLPathPrefix LogPrefix() const { return FLogPrefix; }
  void SetLogPrefix(TZYLPathPrefix Value);
  // The file the entries go to.
  std::string LogFileName() const;
  int64_t LogMaxSize = -1;
  TZYLLogAction LogMaxAction = laNone;
  const TZYLMaxLogSizeEvent& GetOnMaxLogSize() const { return FOnMaxLogSize; }
  void SetOnMaxLogSize(const TZYLMaxLogSizeEvent& Value) { FOnMaxLogSize = Value; }
  const TZYLOnHeaderWrite& GetOnHeaderWrite() const { return FOnHeaderWrite; }
  void SetOnHeaderWrite(const TZYLOnHeaderWrite& Value) { FOnHeaderWrite = Value; }
  // Appends an entry; errors of the file system raise EFCreateError / EWriteError.
  void Log(const std::string& Text);
  // The framework application's exception handler: OnException first; unless it cancels,
  // with aoLogException "<Sender name>, Address: <address> <message>" goes to the log, then the
  // framework application shows the message.
  void HandleException(vcl::TObject* Sender, vcl::Exception& E);
  const TZYLExceptionEvent& GetOnException() const { return FOnException; }
  void SetOnException(const TZYLExceptionEvent& Value) { FOnException = Value; }

 private:
  std::string HeaderBlock();
  std::string FLogName;
  TZYLPathPrefix FLogPrefix = ppProgram;
  int FLogNumber = 0;
  bool FLogStarted = false;
  bool FUseXPThemes = true;
  bool FXPOwnControlsOnly = false;
  bool FXPReserved = false;
  TZYLEditModes FEditMode{emInsert};  // typing inserts until the Insert key says otherwise
  std::unique_ptr<vcl::TBitmap> FBrushBitmap;
  std::unique_ptr<vcl::TBitmap> FBitmap;  // GetBitmap's black checker
  vcl::TColor FBrushColor = 0;
  vcl::TColor FBrushRgb = 0;  // the colour the cached checker was drawn in
  int FBrushBuilds = 0;
  std::unique_ptr<vcl::TBitmap> FCheckBitmap;
  int FSystemCheckWidth = 13;
  int FSystemCheckHeight = 13;
  double FTimerFrequency = 0;
  std::unique_ptr<TZYLIniCtrl> FIniCtrl;
  std::unique_ptr<TZYLInstanceLock> FLock;
  bool FPrevInstance = false;
  bool FOwnsPool = false;

 protected:
  TZYLExceptionEvent FOnException;
  TZYLOnHeaderWrite FOnHeaderWrite;

 protected:
  TZYLMaxLogSizeEvent FOnMaxLogSize;
  vcl::TNotifyEvent FOnEditModeChange;

 protected:
  vcl::TNotifyEvent FOnThemeChange;
};

// The application object (nil until the unit's initialization created it).
TZYLApplication* ZYLApplication();
void ZYLApplicationInit();
void ZYLApplicationDone();
inline constexpr vcl::TUnitEntry ZYLApplicationUnit{"ZYLApplication", &ZYLApplicationInit,
                                                    &ZYLApplicationDone};

}  // namespace zyl
