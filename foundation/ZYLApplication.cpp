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
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

namespace {
TZYLApplication* globalApp = nullptr;

// The folder of the previous-instance locks: ZYL_LOCK_DIR when set (the test kit's sessions
// keep their programs' locks apart from other programs'), else the user's runtime folder.
std::string LockFolder() {
  if (const char* d = std::getenv("ZYL_LOCK_DIR"); d && *d) return d;
  if (const char* d = std::getenv("XDG_RUNTIME_DIR"); d && *d) return d;
  return "/tmp";
}

// The built-in check-box strip: six 13 x 13 cells (unchecked, checked, grayed, each enabled then
// disabled, the order the list items' drawing reads): a box with a grey frame, white (light grey
// when disabled), a tick or a grey fill.
constexpr int CheckCell = 13;
std::unique_ptr<vcl::TBitmap> BuiltInCheckBitmap() {
  auto b = std::make_unique<vcl::TBitmap>();
  b->SetSize(6 * CheckCell, CheckCell);
  vcl::TCanvas* c = b->Canvas();
  const int tick[][2] = {{3, 6}, {4, 7}, {5, 8}, {6, 7}, {7, 6}, {8, 5}, {9, 4}};
  for (int cell = 0; cell < 6; ++cell) {
    const int x0 = cell * CheckCell, state = cell / 2;
    const bool disabled = cell % 2 == 1;
    c->Brush()->SetColor(state == 2 ? vcl::clSilver : disabled ? vcl::clBtnFace : vcl::clWhite);
    c->FillRect(win::Rect(x0, 0, x0 + CheckCell, CheckCell));
    for (int i = 0; i < CheckCell; ++i) {
      c->SetPixels(x0 + i, 0, vcl::clGray);
      c->SetPixels(x0, i, vcl::clGray);
      c->SetPixels(x0 + i, CheckCell - 1, vcl::clGray);
      c->SetPixels(x0 + CheckCell - 1, i, vcl::clGray);
    }
    if (state == 0) continue;
    for (auto& p : tick) {
      const vcl::TColor ink = disabled ? vcl::clGray : vcl::clBlack;
      c->SetPixels(x0 + p[0], p[1], ink);
      c->SetPixels(x0 + p[0], p[1] + 1, ink);
    }
  }
  return b;
}

// Whether a file exists, and its size.
bool FileSizeOf(const std::string& Native, int64_t& Size) {
  std::ifstream probe(Native, std::ios::binary | std::ios::ate);
  if (!probe.good()) return false;
  Size = static_cast<int64_t>(probe.tellg());
  return true;
}

// The log's stamps: one fixed form whatever the user's locale (quoted colons stay colons).
constexpr char kLogDate[] = "yyyy-mm-dd";
constexpr char kLogTime[] = "hh\":\"nn\":\"ss";
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
  if (FOnThemeChange) FOnThemeChange(this);
}

void TZYLApplication::SetXPThemesOwnControlsOnly(bool Value) {
  if (Value == FXPOwnControlsOnly) return;
  FXPOwnControlsOnly = Value;
  if (FOnThemeChange) FOnThemeChange(this);
}

bool TZYLApplication::GetUseXPThemes() const { return FUseXPThemes && XPThemesAvailable; }
bool TZYLApplication::GetXPThemesSupported() const { return XPThemesAvailable; }

void TZYLApplication::SetEditMode(TZYLEditModes Value) {
  if (Value == FEditMode) return;
  FEditMode = Value;
  if (FOnEditModeChange) FOnEditModeChange(this);
}

// A system colour's checker is drawn again once the colour it stands for changed.
vcl::TBitmap* TZYLApplication::GetBrushBitmap(vcl::TColor Color) {
  const vcl::TColor rgb = vcl::ColorToRGB(Color);
  if (FBrushBitmap && FBrushColor == Color && FBrushRgb == rgb) return FBrushBitmap.get();
  auto b = std::make_unique<vcl::TBitmap>();
  b->SetSize(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) b->Canvas()->SetPixels(x, y, (x + y) % 2 ? vcl::clWhite : Color);
  FBrushBitmap = std::move(b);
  FBrushColor = Color;
  FBrushRgb = rgb;
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

int TZYLApplication::GetCheckCustomWidth() const {
  return FCheckBitmap ? FCheckBitmap->Width() / 6 : 0;
}

int TZYLApplication::GetCheckCustomHeight() const {
  return FCheckBitmap ? FCheckBitmap->Height() : 0;
}

std::string TZYLApplication::DefaultRegPath(const std::string& Part1, const std::string& Title,
                                            const std::string& Part2) const {
  auto part = [](std::string s) {
    if (!s.empty() && s.back() != '\\') s += '\\';
    return s;
  };
  return "Software\\" + part(Part1) + part(Title.empty() ? vcl::ParamStr(0) : Title) +
         part(Part2);
}

void TZYLApplication::SetLogName(const std::string& Value) {
  if (Value == FLogName) return;
  FLogName = Value;
  FLogStarted = false;
}

void TZYLApplication::SetLogPrefix(TZYLPathPrefix Value) {
  if (Value == FLogPrefix) return;
  FLogPrefix = Value;
  FLogStarted = false;
}

std::string TZYLApplication::LogFileName() const {
  const std::string name = FLogName.empty()
                               ? vcl::ExtractFileName(vcl::ChangeFileExt(vcl::ParamStr(0), ".LOG"))
                               : FLogName;
  return ZYLPrefixedName(FLogPrefix, name);
}

std::string TZYLApplication::HeaderBlock() {
  const std::string rule(60, '=');
  std::string out = rule + "\n";
  out += "Log of " + vcl::ParamStr(0) + "\n";
  out += "Started: " +
         vcl::FormatDateTime(std::string(kLogDate) + " " + kLogTime, win::CurrentClock().Now()) +
         "\n";
  out += rule + "\n";
  if (FOnHeaderWrite) {
    std::string own;
    FOnHeaderWrite(this, own);
    if (!own.empty() && own.back() != '\n') own += '\n';
    out += own;
  }
  return out;
}

void TZYLApplication::Log(const std::string& Text) {
  std::string out;
  if (Text == "#Header") {
    out = HeaderBlock();
  } else if (Text == "#Line") {
    out = std::string(60, '-') + "\n";
  } else if (Text == "#CR") {
    out = "\n";
  } else {
    const vcl::TDateTime now = win::CurrentClock().Now();
    if (Options.contains(aoLogNr)) out += vcl::Format("%.5d ", {++FLogNumber});
    if (Options.contains(aoLogDate)) out += vcl::FormatDateTime(kLogDate, now) + " ";
    if (Options.contains(aoLogTime)) out += vcl::FormatDateTime(kLogTime, now) + " ";
    out += Text + "\n";
  }
  const std::string file = LogFileName();
  const std::string native = vcl::NativeFileName(file);
  if (native.empty()) throw vcl::EFCreateError(vcl::Format(vcl::SFCreateError, {file}));
  int64_t size = 0;
  bool restart = false;
  if (FileSizeOf(native, size)) {
    if (!FLogStarted && Options.contains(aoLogAlwaysClear)) restart = true;
    if (!restart && LogMaxSize > 0 && size + int64_t(out.size()) > LogMaxSize) {
      bool cancel = false;
      if (FOnMaxLogSize) FOnMaxLogSize(this, file, cancel);
      if (!cancel && LogMaxAction == laBackupLog) {
        const std::string backup = vcl::NativeFileName(vcl::ChangeFileExt(file, ".BAK"));
        std::ifstream from(native, std::ios::binary);
        std::ofstream to(backup, std::ios::binary | std::ios::trunc);
        to << from.rdbuf();
        if (!to)
          throw vcl::EFCreateError(
              vcl::Format(vcl::SFCreateError, {vcl::ChangeFileExt(file, ".BAK")}));
      }
      restart = !cancel && LogMaxAction != laNone;
    }
  }
  if (restart) size = 0;
  FLogStarted = true;
  std::string text;
  if (size == 0 && Options.contains(aoLogHeader) && Text != "#Header") text = HeaderBlock();
  text += out;
  std::ofstream f(native, std::ios::binary | (restart ? std::ios::trunc : std::ios::app));
  if (!f) throw vcl::EFCreateError(vcl::Format(vcl::SFCreateError, {file}));
  f << text;
  if (!f) throw vcl::EWriteError(vcl::SWriteError);
}

void TZYLApplication::HandleException(vcl::TObject* Sender, vcl::Exception& E) {
  bool cancel = false;
  if (FOnException) FOnException(Sender, E, cancel);
  if (cancel) return;
  if (Options.contains(aoLogException)) {
    std::string name = "Application";
    if (auto* c = dynamic_cast<vcl::TComponent*>(Sender); c && !c->Name().empty())
      name = c->Name();
    Log(vcl::Format("%s, Address: %p", {name, static_cast<const void*>(&E)}) + " " + E.what());
  }
  if (vcl::Application) vcl::Application->ShowException(E);
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
