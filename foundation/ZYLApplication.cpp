#include "foundation/ZYLApplication.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLTimer.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/base/Clock.h"
#include "platform/classes/Component.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

namespace {
TZYLApplication* globalApp = nullptr;

std::string LockFolder() {
  if (const char* d = std::getenv("XDG_RUNTIME_DIR"); d && *d) return d;
  return "/tmp";
}

// The built-in 13 x 13 check-box bitmap: a white box with a dark frame and a tick.
std::unique_ptr<vcl::TBitmap> BuiltInCheckBitmap() {
  auto b = std::make_unique<vcl::TBitmap>();
  b->SetSize(13, 13);
  vcl::TCanvas* c = b->Canvas();
  c->Brush()->SetColor(vcl::clWhite);
  c->FillRect(win::TRect{0, 0, 13, 13});
  for (int i = 0; i < 13; ++i) {
    c->SetPixels(i, 0, vcl::clGray);
    c->SetPixels(0, i, vcl::clGray);
    c->SetPixels(i, 12, vcl::clGray);
    c->SetPixels(12, i, vcl::clGray);
  }
  const int tick[][2] = {{3, 6}, {4, 7}, {5, 8}, {6, 7}, {7, 6}, {8, 5}, {9, 4}};
  for (auto& p : tick) {
    c->SetPixels(p[0], p[1], vcl::clBlack);
    c->SetPixels(p[0], p[1] + 1, vcl::clBlack);
  }
  return b;
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// TZYLInstanceLock

TZYLInstanceLock::TZYLInstanceLock(const std::string& Name) {
  std::string safe;
  for (char ch : Name) safe += (ch == '/' || ch == '\\' || ch == ':') ? '_' : ch;
  FFileName = LockFolder() + "/zyl-" + safe + ".lock";
}

TZYLInstanceLock::~TZYLInstanceLock() { Release(); }

bool TZYLInstanceLock::Acquire() {
  if (FFd >= 0) return true;
  const int fd = ::open(FFileName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  FFd = fd;
  return true;
}

void TZYLInstanceLock::Release() {
  if (FFd < 0) return;
  ::flock(FFd, LOCK_UN);
  ::close(FFd);
  FFd = -1;
}

// ---------------------------------------------------------------------------------------------
// TZYLApplication

TZYLApplication::TZYLApplication(bool HostIsApplication)
    : FCheckBitmap(BuiltInCheckBitmap()), FIniCtrl(std::make_unique<TZYLIniCtrl>(nullptr)) {
  FTimerFrequency = static_cast<double>(win::TClock::PerformanceFrequency);
  FOwnsPool = !ZYLTimerPoolExists();
  ZYLTimerPool();
  if (!ZYLGlobalIniCtrl()) ZYLSetGlobalIniCtrl(FIniCtrl.get());
  ZYLSetThemeQuery([] { return globalApp && globalApp->GetUseXPThemes(); });
  const std::string program = vcl::ParamStr(0);
  FLogName = vcl::ChangeFileExt(program, ".LOG");
  if (HostIsApplication) {
    FLock = std::make_unique<TZYLInstanceLock>(vcl::UpperCase(vcl::ExtractFileName(program)));
    FPrevInstance = !FLock->Acquire();
  }
}

TZYLApplication::~TZYLApplication() {
  if (ZYLGlobalIniCtrl() == FIniCtrl.get()) ZYLSetGlobalIniCtrl(nullptr);
  if (FOwnsPool) ZYLTimerPoolDone();
}

void TZYLApplication::SetUseXPThemes(bool Value) {
  if (Value == FUseXPThemes) return;
  FUseXPThemes = Value;
  if (OnThemeChange) OnThemeChange(this);
}

bool TZYLApplication::GetUseXPThemes() const { return FUseXPThemes && XPThemesAvailable; }
bool TZYLApplication::GetXPThemesSupported() const { return XPThemesAvailable; }

void TZYLApplication::SetEditMode(TZYLEditModes Value) {
  if (Value == FEditMode) return;
  FEditMode = Value;
  if (OnEditModeChange) OnEditModeChange(this);
}

vcl::TBitmap* TZYLApplication::GetBrushBitmap(vcl::TColor Color) {
  if (FBrushBitmap && FBrushColor == Color) return FBrushBitmap.get();
  auto b = std::make_unique<vcl::TBitmap>();
  b->SetSize(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) b->Canvas()->SetPixels(x, y, (x + y) % 2 ? vcl::clWhite : Color);
  FBrushBitmap = std::move(b);
  FBrushColor = Color;
  ++FBrushBuilds;
  return FBrushBitmap.get();
}

vcl::TBitmap* TZYLApplication::GetBitmap() {
  if (!FBitmap) {
    FBitmap = std::make_unique<vcl::TBitmap>();
    FBitmap->Assign(GetBrushBitmap(0));
  }
  return FBitmap.get();
}

void TZYLApplication::SetCheckBitmap(vcl::TBitmap* Value) {
  if (!Value || Value->Empty()) {
    FCheckBitmap = BuiltInCheckBitmap();
    return;
  }
  auto b = std::make_unique<vcl::TBitmap>();
  b->Assign(Value);
  FCheckBitmap = std::move(b);
}

TZYLTimerPool* TZYLApplication::TimerPool() const { return ZYLTimerPool(); }

std::string TZYLApplication::DefaultRegPath(const std::string& Part1, const std::string& Title,
                                            const std::string& Part2) const {
  auto part = [](std::string s) {
    if (!s.empty() && s.back() != '\\') s += '\\';
    return s;
  };
  return "Software\\" + part(Part1) + part(Title.empty() ? vcl::ParamStr(0) : Title) +
         part(Part2);
}

void TZYLApplication::WriteHeader(std::string& Out) {
  const std::string rule(60, '=');
  Out += rule + "\n";
  Out += FLogPrefix + "Log of " + vcl::ParamStr(0) + "\n";
  Out += "Started: " + vcl::FormatDateTime("yyyy-mm-dd hh:nn:ss", win::CurrentClock().Now()) +
         "\n";
  Out += rule + "\n";
  if (OnHeaderWrite) OnHeaderWrite(this);
}

void TZYLApplication::Log(const std::string& Text) {
  std::string out;
  if (Text == "#Header") {
    WriteHeader(out);
  } else if (Text == "#Line") {
    out = std::string(60, '-') + "\n";
  } else if (Text == "#CR") {
    out = "\n";
  } else {
    if (!FLogPrefix.empty()) out += FLogPrefix + " ";
    if (Options.contains(aoLogNumbers)) out += vcl::Format("%.5d ", {++FLogNumber});
    if (Options.contains(aoLogDateTime))
      out += vcl::FormatDateTime("yyyy-mm-dd hh:nn:ss ", win::CurrentClock().Now());
    out += Text + "\n";
  }
  const std::string native = vcl::NativeFileName(FLogName);
  if (native.empty()) throw vcl::EFCreateError("Cannot create file " + FLogName);
  std::ifstream probe(native, std::ios::binary | std::ios::ate);
  const bool exists = probe.good();
  int64_t size = exists ? static_cast<int64_t>(probe.tellg()) : 0;
  probe.close();
  std::ios::openmode mode = std::ios::binary | std::ios::app;
  if (LogMaxSize > 0 && size + int64_t(out.size()) > LogMaxSize) {
    if (OnMaxLogSize) OnMaxLogSize(this);
    if (LogMaxAction == laRestart) {
      mode = std::ios::binary | std::ios::trunc;
      size = 0;
    }
  }
  std::string text;
  if (size == 0 && Options.contains(aoLogHeader) && Text != "#Header") WriteHeader(text);
  text += out;
  std::ofstream f(native, mode);
  if (!f) throw vcl::EFCreateError("Cannot create file " + FLogName);
  f << text;
  if (!f) throw vcl::EWriteError("Stream write error");
}

void TZYLApplication::HandleException(vcl::TObject* Sender, const std::exception& E) {
  if (Options.contains(aoLogExceptions)) {
    std::string name = "Application";
    if (auto* c = dynamic_cast<vcl::TComponent*>(Sender); c && !c->Name().empty())
      name = c->Name();
    Log(vcl::Format("%s, Address: %p", {name, static_cast<const void*>(&E)}) + " " + E.what());
  }
  if (OnException) OnException(Sender, E);
}

TZYLApplication* ZYLApplication() { return globalApp; }

void ZYLApplicationInit() {
  if (!globalApp) globalApp = new TZYLApplication(true);
}

void ZYLApplicationDone() {
  delete globalApp;
  globalApp = nullptr;
}

}  // namespace zyl
