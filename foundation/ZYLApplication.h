// The application object: theme switch, edit mode, the shared timer pool and settings
// storage, the previous-instance flag, the cached brush and check-box bitmaps and the log file.
//
// Log file (LogName, default: the program's name with ".LOG"): each Log call appends one line
// "[<Prefix> ][<number %.5d> ][<yyyy-mm-dd hh:nn:ss> ]<text>" by LogOptions; the texts
// "#Header", "#Line" and "#CR" write the header block (a line of "=", "<prefix>Log of
// <program>", "Started: <date time>", a line of "="), a line of 60 "-" and an empty line.
// When the file grows past LogMaxSize bytes (0: no limit) OnMaxLogSize runs and, with
// LogMaxAction laRestart, the file starts again with the header block.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ZYLClass.h"
#include "platform/classes/Events.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLTimerPool;
class TZYLIniCtrl;

ZYL_ENUM(TZYLApplicationOption, aoAutoRealizePalette, aoLogHeader, aoLogNumbers,
         aoLogDateTime, aoLogExceptions)
using TZYLApplicationOptions = vcl::TSet<TZYLApplicationOption>;
ZYL_ENUM(TZYLLogMaxAction, laNone, laRestart)

using TZYLExceptionEvent = vcl::TEvent<void(vcl::TObject* Sender, const std::exception& E)>;

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

  // Theme switch and the answers that combine it with the theme binding.
  bool UseXPThemes() const { return FUseXPThemes; }
  void SetUseXPThemes(bool Value);
  bool GetUseXPThemes() const;
  bool GetXPThemesSupported() const;
  vcl::TNotifyEvent OnThemeChange;

  // Edit mode (insert, shift, ...): setting a different value runs OnEditModeChange.
  TZYLEditModes EditMode() const { return FEditMode; }
  void SetEditMode(TZYLEditModes Value);
  vcl::TNotifyEvent OnEditModeChange;

  // An owned 8 x 8 checkerboard of Color and white, rebuilt only when Color changes.
  vcl::TBitmap* GetBrushBitmap(vcl::TColor Color);
  int BrushBitmapBuilds() const { return FBrushBuilds; }
  // The black checker: an owned copy of GetBrushBitmap(0), made on first use and kept whatever
  // GetBrushBitmap is later asked for.
  vcl::TBitmap* GetBitmap();
  // The check-box bitmap: the built-in one, or a copy of what SetCheckBitmap received (nil
  // restores the built-in one).
  vcl::TBitmap* CheckBitmap() const { return FCheckBitmap.get(); }
  void SetCheckBitmap(vcl::TBitmap* Value);

  double GetTimerFrequency() const { return FTimerFrequency; }
  // The global timer pool; an application object that created it frees it again.
  TZYLTimerPool* TimerPool() const;
  TZYLIniCtrl* IniCtrl() const { return FIniCtrl.get(); }
  bool PrevInstance() const { return FPrevInstance; }
  // "Software\<Part1\><title or program path>\<Part2\>" (each non-empty part ended by "\").
  std::string DefaultRegPath(const std::string& Part1, const std::string& Title,
                             const std::string& Part2) const;

  TZYLApplicationOptions Options;
  std::string Company;
  std::string Version;
  int DlgEffectDelay = 0;
  vcl::TObject* MessageBox = nullptr;

  // Log file.
  const std::string& LogName() const { return FLogName; }
  void SetLogName(const std::string& Value) { FLogName = Value; }
  const std::string& LogPrefix() const { return FLogPrefix; }
  void SetLogPrefix(const std::string& Value) { FLogPrefix = Value; }
  int64_t LogMaxSize = 0;
  TZYLLogMaxAction LogMaxAction = laNone;
  vcl::TNotifyEvent OnMaxLogSize;
  vcl::TNotifyEvent OnHeaderWrite;
  // Appends an entry; errors of the file system raise EFCreateError / EWriteError.
  void Log(const std::string& Text);
  // Logs "<Sender name>, Address: <address>" and the message (with aoLogExceptions), then
  // runs OnException.
  void HandleException(vcl::TObject* Sender, const std::exception& E);
  TZYLExceptionEvent OnException;

 private:
  void WriteHeader(std::string& Out);
  std::string FLogName;
  std::string FLogPrefix;
  int FLogNumber = 0;
  bool FUseXPThemes = true;
  TZYLEditModes FEditMode;
  std::unique_ptr<vcl::TBitmap> FBrushBitmap;
  std::unique_ptr<vcl::TBitmap> FBitmap;  // GetBitmap's black checker
  vcl::TColor FBrushColor = 0;
  int FBrushBuilds = 0;
  std::unique_ptr<vcl::TBitmap> FCheckBitmap;
  double FTimerFrequency = 0;
  std::unique_ptr<TZYLIniCtrl> FIniCtrl;
  std::unique_ptr<TZYLInstanceLock> FLock;
  bool FPrevInstance = false;
  bool FOwnsPool = false;
};

// The application object (nil until the unit's initialization created it).
TZYLApplication* ZYLApplication();
void ZYLApplicationInit();
void ZYLApplicationDone();

}  // namespace zyl
