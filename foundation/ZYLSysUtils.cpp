#include "foundation/ZYLSysUtils.h"

#include <pwd.h>
#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <ctime>
#include <fstream>

#include "foundation/ZYLConst.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Locale.h"
#include "platform/sys/VersionInfo.h"
#include "platform/user/DCGuards.h"
#include "platform/user/WinUser.h"

extern char** environ;

namespace zyl {

bool ZYLSIWindowsNT = true;
bool ZYLSIWindowsXP = true;
bool ZYLSIWindows98 = true;
bool ZYLSIWindows2000 = true;
bool ZYLSIWindowsExtension = true;

namespace {

std::string EnvValue(const char* Name) {
  const char* v = std::getenv(Name);
  return v ? std::string(v) : std::string();
}

struct TUname {
  std::string Sys, Release, Machine;
};

TUname Uname() {
  TUname u;
  struct utsname buf {};
  if (uname(&buf) == 0) {
    u.Sys = buf.sysname;
    u.Release = buf.release;
    u.Machine = buf.machine;
  }
  return u;
}

// The leading decimal number of S from position Pos on, moving Pos past it; 0 for none.
int32_t ReadNumber(const std::string& S, size_t& Pos) {
  int64_t n = 0;
  while (Pos < S.size() && S[Pos] >= '0' && S[Pos] <= '9' && n < 100000000) {
    n = n * 10 + (S[Pos] - '0');
    ++Pos;
  }
  return static_cast<int32_t>(n);
}

// Physical memory and swap from the kernel.
struct TMemInfo {
  int64_t Total = 0, Free = 0, SwapTotal = 0, SwapFree = 0;
};

TMemInfo MemInfo() {
  TMemInfo m;
  struct sysinfo si {};
  if (sysinfo(&si) == 0) {
    const int64_t unit = si.mem_unit ? si.mem_unit : 1;
    m.Total = static_cast<int64_t>(si.totalram) * unit;
    m.Free = static_cast<int64_t>(si.freeram + si.bufferram) * unit;
    m.SwapTotal = static_cast<int64_t>(si.totalswap) * unit;
    m.SwapFree = static_cast<int64_t>(si.freeswap) * unit;
  }
  // The kernel's own estimate of available memory counts reclaimable caches too.
  std::ifstream f("/proc/meminfo");
  std::string key;
  int64_t kb = 0;
  std::string rest;
  while (f >> key >> kb) {
    std::getline(f, rest);
    if (key == "MemAvailable:") {
      m.Free = std::min(kb * 1024, m.Total > 0 ? m.Total : kb * 1024);
      break;
    }
  }
  return m;
}

int64_t VirtLimit() {
  struct rlimit rl {};
  if (getrlimit(RLIMIT_AS, &rl) == 0 && rl.rlim_cur != RLIM_INFINITY)
    return static_cast<int64_t>(rl.rlim_cur);
  return int64_t(1) << 47;
}

int64_t VirtUsed() {
  std::ifstream f("/proc/self/statm");
  int64_t pages = 0;
  if (f >> pages) return pages * static_cast<int64_t>(sysconf(_SC_PAGESIZE));
  return 0;
}

std::string YesNo(bool B) { return B ? "On" : "Off"; }

}  // namespace

bool ZYLSIFontSmoothing() {
  win::BOOL on = 0;
  return win::SystemParametersInfoA(win::SPI_GETFONTSMOOTHING, 0, &on, 0) && on != 0;
}

std::string ZYLSIUserName() {
  std::string s = EnvValue("USER");
  if (s.empty()) s = EnvValue("LOGNAME");
  if (s.empty()) {
    if (const struct passwd* pw = getpwuid(getuid())) s = pw->pw_name ? pw->pw_name : "";
  }
  return s;
}

std::string ZYLSIComputerName() {
  char buf[256] = {};
  if (gethostname(buf, sizeof buf - 1) != 0) return {};
  return buf;
}

std::string ZYLSIRegisteredOwner() { return ZYLSIUserName(); }
std::string ZYLSIRegisteredCompany() { return {}; }

std::string ZYLSIWindowsDirectory() {
  std::string s = EnvValue("HOME");
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

std::string ZYLSISystemDirectory() { return "/usr/lib"; }
std::string ZYLSITempPath() { return vcl::GetTempPath(); }
std::string ZYLSITempFile() { return vcl::GetTempFileName(vcl::GetTempPath(), "ZYL"); }

std::string ZYLSIVersionStr() { return Uname().Release; }

std::string ZYLSIPlatformStr() {
  const TUname u = Uname();
  if (u.Machine.empty()) return u.Sys;
  return u.Sys + " " + u.Machine;
}

int32_t ZYLSIMajorVersion() {
  size_t pos = 0;
  return ReadNumber(Uname().Release, pos);
}

int32_t ZYLSIBuildNr() {
  const std::string r = Uname().Release;
  size_t pos = 0;
  ReadNumber(r, pos);
  if (pos >= r.size() || r[pos] != '.') return 0;
  ++pos;
  return ReadNumber(r, pos);
}

std::string ZYLSIVersionInfo(TZYLVersionInfoType Field) {
  const std::string program = vcl::ParamStr(0);
  win::DWORD handle = 0;
  const win::DWORD size = win::GetFileVersionInfoSizeA(program.c_str(), &handle);
  if (size == 0) return {};
  std::vector<char> block(size);
  if (!win::GetFileVersionInfoA(program.c_str(), handle, size, block.data())) return {};
  void* p = nullptr;
  win::UINT len = 0;
  if (Field == viFileVersionFull || Field == viFileVersionBuild) {
    if (!win::VerQueryValueA(block.data(), "\\", &p, &len) || len < sizeof(win::VS_FIXEDFILEINFO))
      return {};
    const auto* f = static_cast<const win::VS_FIXEDFILEINFO*>(p);
    if (Field == viFileVersionBuild) return std::to_string(f->dwFileVersionLS & 0xFFFF);
    return std::to_string(f->dwFileVersionMS >> 16) + "." +
           std::to_string(f->dwFileVersionMS & 0xFFFF) + "." +
           std::to_string(f->dwFileVersionLS >> 16) + "." +
           std::to_string(f->dwFileVersionLS & 0xFFFF);
  }
  static const char* const names[] = {"CompanyName",     "ProductName",    "ProductVersion",
                                      "LegalCopyright",  "LegalTrademarks", "FileDescription",
                                      "Comments",        "FileVersion"};
  if (!win::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &p, &len) || len < 4)
    return {};
  win::DWORD tr = 0;
  std::memcpy(&tr, p, sizeof tr);
  char lang[9];
  std::snprintf(lang, sizeof lang, "%04x%04x", tr & 0xFFFF, tr >> 16);
  const std::string path =
      std::string("\\StringFileInfo\\") + lang + "\\" + names[static_cast<int>(Field)];
  if (!win::VerQueryValueA(block.data(), path.c_str(), &p, &len)) return {};
  return static_cast<const char*>(p);
}

int32_t ZYLSIFreeGDIRes() { return 100; }
int32_t ZYLSIFreeUserRes() { return 100; }
int32_t ZYLSIFreeSysRes() { return 100; }

int32_t ZYLSIMemLoaded() {
  const TMemInfo m = MemInfo();
  if (m.Total <= 0) return 0;
  const int64_t used = std::clamp<int64_t>(m.Total - m.Free, 0, m.Total);
  return static_cast<int32_t>(used * 100 / m.Total);
}

int64_t ZYLSIMemTotal() { return MemInfo().Total; }
int64_t ZYLSIMemFree() { return MemInfo().Free; }
int64_t ZYLSIMemPageTotal() {
  const TMemInfo m = MemInfo();
  return m.Total + m.SwapTotal;
}
int64_t ZYLSIMemPageFree() {
  const TMemInfo m = MemInfo();
  return m.Free + m.SwapFree;
}
int64_t ZYLSIMemVirtTotal() { return VirtLimit(); }
int64_t ZYLSIMemVirtFree() { return std::max<int64_t>(0, VirtLimit() - VirtUsed()); }
int64_t ZYLSIMemVirtExtended() { return 0; }

int32_t ZYLSIProcessorCount() {
  const long n = sysconf(_SC_NPROCESSORS_ONLN);
  return n > 0 ? static_cast<int32_t>(std::min<long>(n, 1 << 20)) : 1;
}

std::string ZYLSIProcessorTypeStr() {
  std::ifstream f("/proc/cpuinfo");
  std::string line;
  while (std::getline(f, line)) {
    if (line.rfind("model name", 0) == 0) {
      const size_t colon = line.find(':');
      if (colon != std::string::npos) {
        std::string v = line.substr(colon + 1);
        const size_t b = v.find_first_not_of(" \t");
        return b == std::string::npos ? std::string() : v.substr(b);
      }
    }
  }
  return Uname().Machine;
}

uint16_t ZYLSISystemDefaultLanguageID() {
  return static_cast<uint16_t>(win::GetThreadLocale() & 0xFFFF);
}

std::string ZYLSIGetTimeZone() {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
  if (!localtime_r(&now, &local) || !local.tm_zone) return {};
  return local.tm_zone;
}

int32_t ZYLSIGetTimeZoneBias() {
  const std::time_t now = std::time(nullptr);
  std::tm local {};
  if (!localtime_r(&now, &local)) return 0;
  return static_cast<int32_t>(-local.tm_gmtoff / 60);
}

int32_t ZYLSIScreenSaverDelay() {
  win::UINT secs = 0;
  if (!win::SystemParametersInfoA(win::SPI_GETSCREENSAVETIMEOUT, 0, &secs, 0)) return 0;
  return static_cast<int32_t>(secs);
}

int32_t ZYLSIColorDepth() {
  win::TWindowDC dc(nullptr);
  if (!dc) return 0;
  return win::GetDeviceCaps(dc, win::PLANES) * win::GetDeviceCaps(dc, win::BITSPIXEL);
}

bool ZYLSINumLock() { return (win::GetKeyState(win::VK_NUMLOCK) & 1) != 0; }
bool ZYLSICapsLock() { return (win::GetKeyState(win::VK_CAPITAL) & 1) != 0; }
bool ZYLSIScrollLock() { return (win::GetKeyState(win::VK_SCROLL) & 1) != 0; }

int32_t ZYLSIIconWidth() { return win::GetSystemMetrics(win::SM_CXICON); }
int32_t ZYLSIIconHeight() { return win::GetSystemMetrics(win::SM_CYICON); }
int32_t ZYLSISmallIconWidth() { return win::GetSystemMetrics(win::SM_CXSMICON); }
int32_t ZYLSISmallIconHeight() { return win::GetSystemMetrics(win::SM_CYSMICON); }

void ZYLSIEnvironment(vcl::TStrings* List) {
  if (!List) return;
  List->BeginUpdate();
  List->Clear();
  for (char** e = environ; e && *e; ++e) List->Add(*e);
  List->EndUpdate();
}

void ZYLSIDriveList(vcl::TStrings* List) {
  if (!List) return;
  List->BeginUpdate();
  List->Clear();
  for (char c = 'A'; c <= 'Z'; ++c)
    if (ZYLSIDriveInfo(c) == 3) List->Add(std::string(1, c) + ":\\");
  List->EndUpdate();
}

uint32_t ZYLSIDriveInfo(char Drive) {
  if (Drive >= 'a' && Drive <= 'z') Drive = static_cast<char>(Drive - 'a' + 'A');
  if (Drive < 'A' || Drive > 'Z') return 1;
  return vcl::DiskSize(static_cast<uint8_t>(Drive - 'A' + 1)) >= 0 ? 3 : 1;
}

std::string ZYLSIDriveTypeStr(uint32_t Type) {
  static const char* const names[] = {"Unknown", "No root dir", "Removable", "Fixed",
                                      "Remote",  "CD-ROM",      "RAM disk"};
  return Type < 7 ? names[Type] : names[0];
}

std::string GetSystemInfoString(TZYLInfoType Kind, int32_t Divider, const std::string& Format) {
  const int64_t div = Divider < 1 ? 1 : Divider;
  auto mem = [div](int64_t v) { return std::to_string(v / div); };
  switch (Kind) {
    case itUser: return ZYLSIUserName();
    case itWinDir: return ZYLSIWindowsDirectory();
    case itCurrentDir32: return vcl::GetCurrentDir();
    case itCurrentDiskFree32: return mem(std::max<int64_t>(0, vcl::DiskFree(0)));
    case itCurrentDiskSize32: return mem(std::max<int64_t>(0, vcl::DiskSize(0)));
    case itSystemDir: return ZYLSISystemDirectory();
    case itReg_Owner32: return ZYLSIRegisteredOwner();
    case itReg_Company32: return ZYLSIRegisteredCompany();
    case itVersion: return ZYLSIVersionStr();
    case itColorDepth: return std::to_string(ZYLSIColorDepth());
    case itScreenSaverDelay: return std::to_string(ZYLSIScreenSaverDelay());
    case itMemSize: return mem(ZYLSIMemTotal());
    case itFreeSysRes: return std::to_string(ZYLSIFreeSysRes());
    case itFreeGDIRes: return std::to_string(ZYLSIFreeGDIRes());
    case itFreeUserRes: return std::to_string(ZYLSIFreeUserRes());
    case itComputerName32: return ZYLSIComputerName();
    case itMajorVerNr32: return std::to_string(ZYLSIMajorVersion());
    case itBuildNr32: return std::to_string(ZYLSIBuildNr());
    case itMemLoaded32: return std::to_string(ZYLSIMemLoaded());
    case itMemFree32: return mem(ZYLSIMemFree());
    case itMemPageFree32: return mem(ZYLSIMemPageFree());
    case itMemPageTotal32: return mem(ZYLSIMemPageTotal());
    case itMemVirtFree32: return mem(ZYLSIMemVirtFree());
    case itMemVirtTotal32: return mem(ZYLSIMemVirtTotal());
    case itPlatformID32: return "2";  // the NT line
    case itPlatform32: return ZYLSIPlatformStr();
    case itProcessorCont32: return std::to_string(ZYLSIProcessorCount());
    case itProcessor32: return ZYLSIProcessorTypeStr();
    case itTempPath32: return ZYLSITempPath();
    case itDOSVersion: return {};  // no DOS layer here
    case itNumLock: return YesNo(ZYLSINumLock());
    case itCapsLock: return YesNo(ZYLSICapsLock());
    case itScroll: return YesNo(ZYLSIScrollLock());
    case itCurrentDateTime:
      return vcl::FormatDateTime(Format.empty() ? std::string("c") : Format, vcl::Now());
    case itProgCompany: return ZYLSIVersionInfo(viCompany);
    case itProgName: return ZYLSIVersionInfo(viName);
    case itProgVersion: return ZYLSIVersionInfo(viVersion);
    case itFileVersion: return ZYLSIVersionInfo(viFileVersion);
    case itFileVersionFull: return ZYLSIVersionInfo(viFileVersionFull);
    case itFileVersionBuild: return ZYLSIVersionInfo(viFileVersionBuild);
    case itProgCopyright: return ZYLSIVersionInfo(viCopyright);
    case itProgTrademark: return ZYLSIVersionInfo(viTrademark);
    case itProgDescription: return ZYLSIVersionInfo(viDescription);
    case itProgComments: return ZYLSIVersionInfo(viComments);
    case itCPUSpeed: return {};  // not measured: the answer would depend on timing
  }
  return {};
}

uintptr_t ZYLSHGetFileInfo(const std::string& Path, uint32_t Attributes, win::SHFILEINFOA& Info,
                           uint32_t Flags) {
  return win::SHGetFileInfoA(Path.c_str(), Attributes, &Info, sizeof(Info), Flags);
}

uintptr_t ZYLSISystemIconListHandle(bool Large) {
  win::SHFILEINFOA info;
  return ZYLSHGetFileInfo("C:\\", 0, info,
                          win::SHGFI_SYSICONINDEX |
                              (Large ? win::SHGFI_LARGEICON : win::SHGFI_SMALLICON));
}

vcl::TRect ZYLDlgGetTargetRect(TZYLDlgPosRel PosRel) {
  const vcl::TRect screen = vcl::Rect(0, 0, win::GetSystemMetrics(win::SM_CXSCREEN),
                                      win::GetSystemMetrics(win::SM_CYSCREEN));
  switch (PosRel) {
    case brScreen: return screen;
    case brScreenWorkArea: {
      vcl::TRect r;
      if (win::SystemParametersInfoA(win::SPI_GETWORKAREA, 0, &r, 0)) return r;
      return screen;
    }
    case brMainForm:
      if (vcl::Application && vcl::Application->MainForm())
        return vcl::Application->MainForm()->BoundsRect();
      return screen;
    case brActiveWindow:
      if (vcl::Screen && vcl::Screen->ActiveForm()) return vcl::Screen->ActiveForm()->BoundsRect();
      return screen;
  }
  return screen;
}

void ZYLPositionWindow(win::HWND Handle, const vcl::TRect& Target, TZYLDlgPosition Position,
                       bool) {
  vcl::TRect wr;
  if (!Handle || !win::GetWindowRect(Handle, &wr)) return;
  const int32_t w = wr.Width(), h = wr.Height();
  const int32_t tw = Target.Width(), th = Target.Height();
  int32_t x = Target.Left, y = Target.Top;
  // Columns: left, centre, right; rows: top, centre, bottom (bpCustom as bpTopLeft).
  int col = 0, row = 0;
  switch (Position) {
    case bpCustom:
    case bpTopLeft: break;
    case bpTopCenter: col = 1; break;
    case bpTopRight: col = 2; break;
    case bpCenterLeft: row = 1; break;
    case bpCenter: col = 1; row = 1; break;
    case bpCenterRight: col = 2; row = 1; break;
    case bpBottomLeft: row = 2; break;
    case bpBottomCenter: col = 1; row = 2; break;
    case bpBottomRight: col = 2; row = 2; break;
  }
  if (col == 1) x = Target.Left + (tw - w) / 2;
  if (col == 2) x = Target.Right - w;
  if (row == 1) y = Target.Top + (th - h) / 2;
  if (row == 2) y = Target.Bottom - h;
  vcl::TRect desk;
  win::GetWindowRect(win::GetDesktopWindow(), &desk);
  if (x + w > desk.Width()) x = desk.Width() - w;
  if (y + h > desk.Height()) y = desk.Height() - h;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  win::SetWindowPos(Handle, nullptr, x, y, 0, 0,
                    win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE);
}

}  // namespace zyl
