// TZYLStarter: starts a program, or opens, prints, explores or edits a document, or shows a
// file's properties, through the shell; optionally at a set date and time, optionally waiting
// for the started process. Events come before and after each start, on failure and when the
// started process has ended (watched on a timer).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ZYLCustomComponent.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLDateTime;
class TZYLTimer;

ZYL_ENUM(TZYLStarterOperation, smOpen, smPrint, smExplore, smEdit, smProperties)
ZYL_ENUM(TZYLStarterOptions, soSW_HIDE, soSW_MAXIMIZE, soSW_MINIMIZE, soSW_RESTORE, soSW_SHOW,
         soSW_SHOWMAXIMIZED, soSW_SHOWMINIMIZED, soSW_SHOWMINNOACTIVE, soSW_SHOWNA, soSW_SHOWNORMAL)

// The shell verb of an operation and the show command of an option.
const char* ZYLStarterVerb(TZYLStarterOperation Operation);
int ZYLStarterShowCommand(TZYLStarterOptions Option);

class TZYLStarter : public TZYLCustomComponent {
  ZYL_CLASS(TZYLStarter, TZYLCustomComponent)
  // The indices of the string properties.
  enum TStringIndex { siCommand, siParameters, siDefaultDir };
  // The timers' intervals in milliseconds.
  static constexpr int StartTimerInterval = 1000;
  static constexpr int ProcessTimerInterval = 500;

  explicit TZYLStarter(vcl::TComponent* AOwner);
  ~TZYLStarter() override;

  // Starts: OnBeforeStart, the shell's start, then OnError (with a nil Sender) on failure or
  // the process watch and the wait on success, then OnAfterStart. True on success.
  bool Execute();
  // Ends the started process with exit code 1; false when there is none.
  bool TerminateProcess();
  // The shell's error of the last failed start (0 when none failed).
  int GetLastError() const { return FLastError; }
  // True while a started process is known and not yet seen to have ended.
  bool HasProcess() const { return FProcess != nullptr; }
  // The started process (null when none is known).
  win::HANDLE Process() const { return FProcess; }

  TZYLStarterOperation StartOperation() const { return FStartOperation; }
  void SetStartOperation(TZYLStarterOperation Value) { FStartOperation = Value; }
  TZYLStarterOptions StartOption() const { return FStartOption; }
  void SetStartOption(TZYLStarterOptions Value) { FStartOption = Value; }
  std::string GetString(int Index) const;
  void SetString(int Index, std::string Value);
  bool AutoStart() const { return FAutoStart; }
  // Arms or disarms the start timer.
  void SetAutoStart(bool Value);
  TZYLDateTime* StartTime() const { return FStartTime.get(); }
  // Copies the value into the owned object.
  void SetStartTime(TZYLDateTime* Value);
  bool Wait() const { return FWait; }
  void SetWait(bool Value) { FWait = Value; }
  bool UseGlobalTimer() const { return FUseGlobalTimer; }
  // Moves the timers to or from the shared pool.
  void SetUseGlobalTimer(bool Value);

  const vcl::TNotifyEvent& GetOnBeforeStart() const { return FOnBeforeStart; }
  void SetOnBeforeStart(const vcl::TNotifyEvent& Value) { FOnBeforeStart = Value; }
  const vcl::TNotifyEvent& GetOnAfterStart() const { return FOnAfterStart; }
  void SetOnAfterStart(const vcl::TNotifyEvent& Value) { FOnAfterStart = Value; }
  const vcl::TNotifyEvent& GetOnError() const { return FOnError; }
  void SetOnError(const vcl::TNotifyEvent& Value) { FOnError = Value; }
  const vcl::TNotifyEvent& GetOnFinished() const { return FOnFinished; }
  void SetOnFinished(const vcl::TNotifyEvent& Value) { FOnFinished = Value; }

  // The start timer's handler: at run time, starts once when the clock has reached StartTime,
  // then switches AutoStart off.
  void GetTimer(vcl::TObject* Sender);
  // The process timer's handler: when the process has ended, forgets it and fires OnFinished.
  void CheckForProcessEnd(vcl::TObject* Sender);

 private:
  void CloseProcess();

  TZYLStarterOperation FStartOperation = smOpen;
  TZYLStarterOptions FStartOption = soSW_SHOW;
  std::string FCommand, FParameters, FDefaultDir;
  bool FAutoStart = false;
  bool FWait = false;
  bool FUseGlobalTimer = false;
  int FLastError = 0;
  // When AutoStart was last switched on or off.
  double FArmedAt = 0;
  std::unique_ptr<TZYLDateTime> FStartTime;
  std::unique_ptr<TZYLTimer> FStartTimer;
  std::unique_ptr<TZYLTimer> FProcessTimer;
  win::HANDLE FProcess = nullptr;
  vcl::TNotifyEvent FOnBeforeStart, FOnAfterStart, FOnError, FOnFinished;
};

inline constexpr vcl::TUnitEntry ZYLStarterUnit = vcl::ClassesUnit<TZYLStarter>("ZYLStarter");

}  // namespace zyl
