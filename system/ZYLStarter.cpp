#include "system/ZYLStarter.h"

#include <array>

#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLTimer.h"
#include "platform/base/LastError.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FileUtils.h"
#include "platform/sys/ShellApi.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLStarter) {
  using T = TZYLStarter;
  b.Publish("About")
      .Prop("StartOperation", &T::StartOperation, &T::SetStartOperation)
      .Default(smOpen)
      .Prop("StartOption", &T::StartOption, &T::SetStartOption)
      .Default(soSW_SHOW)
      .Prop("Command", &T::GetString, &T::SetString)
      .Index(siCommand)
      .Prop("Parameters", &T::GetString, &T::SetString)
      .Index(siParameters)
      .Prop("DefaultDir", &T::GetString, &T::SetString)
      .Index(siDefaultDir)
      .Prop("AutoStart", &T::AutoStart, &T::SetAutoStart)
      .Default(false)
      .Prop("StartTime", &T::StartTime, &T::SetStartTime)
      .Prop("Wait", &T::Wait, &T::SetWait)
      .Default(false)
      .Prop("UseGlobalTimer", &T::UseGlobalTimer, &T::SetUseGlobalTimer)
      .Default(false)
      .Prop("OnBeforeStart", &T::GetOnBeforeStart, &T::SetOnBeforeStart)
      .Prop("OnAfterStart", &T::GetOnAfterStart, &T::SetOnAfterStart)
      .Prop("OnError", &T::GetOnError, &T::SetOnError)
      .Prop("OnFinished", &T::GetOnFinished, &T::SetOnFinished);
}

namespace {

constexpr std::array<const char*, 5> kVerbs = {"open", "print", "explore", "edit", "properties"};
constexpr std::array<int, 10> kShowCommands = {
    win::SW_HIDE,   win::SW_MAXIMIZE,      win::SW_MINIMIZE,      win::SW_RESTORE,
    win::SW_SHOW,   win::SW_SHOWMAXIMIZED, win::SW_SHOWMINIMIZED, win::SW_SHOWMINNOACTIVE,
    win::SW_SHOWNA, win::SW_SHOWNORMAL};
// The masks of the shell's start: the properties dialog, and a start that keeps the process.
constexpr win::ULONG kPropertiesMask = 0x20C;
// The instance values up to this one are the shell's errors.
constexpr uintptr_t kLastShellError = 32;

}  // namespace

const char* ZYLStarterVerb(TZYLStarterOperation Operation) {
  return kVerbs[static_cast<size_t>(Operation)];
}

int ZYLStarterShowCommand(TZYLStarterOptions Option) {
  return kShowCommands[static_cast<size_t>(Option)];
}

TZYLStarter::TZYLStarter(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FStartTime(new TZYLDateTime()),
      FStartTimer(std::make_unique<TZYLTimer>(
          StartTimerInterval, vcl::TNotifyEvent(this, &TZYLStarter::GetTimer), false, false)) {}

TZYLStarter::~TZYLStarter() {
  FStartTimer.reset();
  FProcessTimer.reset();
  CloseProcess();
  FStartTime.reset();
}

std::string TZYLStarter::GetString(int Index) const {
  switch (Index) {
    case siCommand: return FCommand;
    case siParameters: return FParameters;
    case siDefaultDir: return FDefaultDir;
    default: return {};
  }
}

void TZYLStarter::SetString(int Index, std::string Value) {
  switch (Index) {
    case siCommand: FCommand = std::move(Value); break;
    case siParameters: FParameters = std::move(Value); break;
    case siDefaultDir: FDefaultDir = std::move(Value); break;
    default: break;
  }
}

void TZYLStarter::SetStartTime(TZYLDateTime* Value) {
  if (Value) FStartTime->Assign(Value);
}

void TZYLStarter::SetAutoStart(bool Value) {
  if (Value == FAutoStart) return;
  FAutoStart = Value;
  FStartTimer->SetInterval(StartTimerInterval);
  FStartTimer->SetEnabled(Value);
  // A start time already past when the start is armed is never reached.
  FArmedAt = vcl::Now();
}

void TZYLStarter::SetUseGlobalTimer(bool Value) {
  if (Value == FUseGlobalTimer) return;
  FUseGlobalTimer = Value;
  FStartTimer->SetGlobal(Value);
  if (FProcessTimer) FProcessTimer->SetGlobal(Value);
}

void TZYLStarter::CloseProcess() {
  if (!FProcess) return;
  win::CloseHandle(FProcess);
  FProcess = nullptr;
}

bool TZYLStarter::Execute() {
  CloseProcess();
  if (FOnBeforeStart) FOnBeforeStart(this);
  const std::string explored = FStartOperation == smExplore ? vcl::ExtractFilePath(FCommand) : "";
  win::SHELLEXECUTEINFOA info;
  info.lpVerb = ZYLStarterVerb(FStartOperation);
  if (FStartOperation == smProperties) {
    info.fMask = kPropertiesMask;
    info.lpFile = FCommand.c_str();
    info.nShow = win::SW_SHOWNORMAL;
  } else {
    info.fMask = win::SEE_MASK_NOCLOSEPROCESS;
    vcl::TCustomForm* main = vcl::Application ? vcl::Application->MainForm() : nullptr;
    info.hwnd = main ? main->Handle() : nullptr;
    info.nShow = ZYLStarterShowCommand(FStartOption);
    if (FStartOperation == smExplore) {
      info.lpFile = explored.c_str();
      info.lpParameters = "";
      info.lpDirectory = "";
    } else {
      info.lpFile = FCommand.c_str();
      info.lpParameters = FParameters.c_str();
      info.lpDirectory = FDefaultDir.c_str();
    }
  }
  // A start fails when the shell says so or answers one of its error values.
  const bool started = win::ShellExecuteExA(&info) != 0;
  const auto instance = reinterpret_cast<uintptr_t>(info.hInstApp);
  const bool ok = started && instance > kLastShellError;
  if (ok) {
    FProcess = info.hProcess;
    if (FOnFinished && FProcess) {
      // One watch at a time: a new start replaces the previous one's timer.
      FProcessTimer = std::make_unique<TZYLTimer>(
          ProcessTimerInterval, vcl::TNotifyEvent(this, &TZYLStarter::CheckForProcessEnd), true,
          FUseGlobalTimer);
    }
    if (FWait && FProcess) win::WaitForSingleObject(FProcess, win::INFINITE);
  } else {
    FLastError = instance != 0 && instance <= kLastShellError
                     ? static_cast<int>(instance)
                     : static_cast<int>(win::GetLastError());
    if (info.hProcess) win::CloseHandle(info.hProcess);
    if (FOnError) FOnError(nullptr);
  }
  if (FOnAfterStart) FOnAfterStart(this);
  return ok;
}

bool TZYLStarter::TerminateProcess() { return FProcess && win::TerminateProcess(FProcess, 1) != 0; }

void TZYLStarter::GetTimer(vcl::TObject*) {
  if (ComponentState().contains(vcl::csDesigning) || !FAutoStart) return;
  const double start = FStartTime->Value();
  if (FArmedAt > start || vcl::Now() < start) return;
  SetAutoStart(false);
  Execute();
}

void TZYLStarter::CheckForProcessEnd(vcl::TObject*) {
  win::DWORD code = 0;
  if (FProcess && win::GetExitCodeProcess(FProcess, &code) && code == win::STILL_ACTIVE) return;
  CloseProcess();
  if (FProcessTimer) {
    FProcessTimer->SetEnabled(false);
    FProcessTimer->SetOnTimer({});
  }
  if (FOnFinished) FOnFinished(this);
}

}  // namespace zyl
