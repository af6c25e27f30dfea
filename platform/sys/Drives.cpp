#include "platform/sys/Drives.h"

#include <sys/stat.h>

#include <atomic>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/base/LastError.h"
#include "platform/rtl/FileUtils.h"

namespace win {

namespace {

std::atomic<UINT> errorMode{0};

struct Mount {
  std::string Source, Point, Type;
};

// The mount table's fields escape blanks, tabs, new lines and backslashes as octal numbers
// (\040); the label folder's names escape unsafe characters as hexadecimal ones (\x20).
std::string Unescape(const std::string& s) {
  const auto digits = [&s](size_t from, int base) {
    for (size_t k = from; k < from + (base == 8 ? 3 : 2); ++k)
      if (k >= s.size() || !(base == 8 ? std::isdigit(static_cast<unsigned char>(s[k]))
                                       : std::isxdigit(static_cast<unsigned char>(s[k]))))
        return false;
    return true;
  };
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && digits(i + 1, 8)) {
      out += static_cast<char>(std::stoi(s.substr(i + 1, 3), nullptr, 8));
      i += 3;
    } else if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'x' && digits(i + 2, 16)) {
      out += static_cast<char>(std::stoi(s.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      out += s[i];
    }
  }
  return out;
}

std::string EnvOr(const char* name, const char* fallback) {
  const char* v = std::getenv(name);
  return v && *v ? v : fallback;
}

// The drive letter of "X:", "X:\" or "X:/" in upper case; 0 for anything else.
char DriveLetter(LPCSTR name, bool rootOnly) {
  if (!name || !std::isalpha(static_cast<unsigned char>(name[0])) || name[1] != ':') return 0;
  const char* rest = name + 2;
  if (*rest == '\\' || *rest == '/') ++rest;
  if (rootOnly && *rest) return 0;
  return static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
}

// The drive's folder; empty when the letter is not mapped.
std::string DriveFolder(char letter) { return vcl::NativeFileName(std::string(1, letter) + ":\\"); }

bool IsFolder(const std::string& path) {
  struct stat st;
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The mount that holds `folder` (the longest mount point that is a prefix of it).
bool FindMount(const std::string& folder, Mount& found) {
  std::error_code ec;
  const std::string real = std::filesystem::canonical(folder, ec).string();
  if (ec) return false;
  std::ifstream in(EnvOr("ZYL_MOUNTS", "/proc/self/mounts"));
  std::string line;
  size_t best = 0;
  bool any = false;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    Mount m;
    if (!(fields >> m.Source >> m.Point >> m.Type)) continue;
    m.Source = Unescape(m.Source);
    m.Point = Unescape(m.Point);
    const bool holds = m.Point == "/" || real == m.Point ||
                       (real.compare(0, m.Point.size(), m.Point) == 0 &&
                        real.size() > m.Point.size() && real[m.Point.size()] == '/');
    // A later mount on the same point hides an earlier one.
    if (holds && m.Point.size() >= best) {
      best = m.Point.size();
      found = m;
      any = true;
    }
  }
  return any;
}

bool IsRemoteType(const std::string& t) {
  for (const char* r : {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "9p", "afs"})
    if (t == r) return true;
  return false;
}

UINT KindOf(const Mount& m) {
  if (IsRemoteType(m.Type)) return DRIVE_REMOTE;
  if (m.Type == "iso9660" || m.Type == "udf") return DRIVE_CDROM;
  if (m.Type == "tmpfs" || m.Type == "ramfs") return DRIVE_RAMDISK;
  if (m.Type == "vfat" || m.Type == "exfat" || m.Type == "msdos" ||
      m.Point.rfind("/media/", 0) == 0 || m.Point.rfind("/run/media/", 0) == 0)
    return DRIVE_REMOVABLE;
  return DRIVE_FIXED;
}

// The label of the mount's device: the name of the link in the label folder that leads to it.
std::string LabelOf(const Mount& m) {
  std::error_code ec;
  const auto device = std::filesystem::canonical(m.Source, ec);
  if (ec) return {};
  std::filesystem::directory_iterator it(EnvOr("ZYL_DISK_LABELS", "/dev/disk/by-label"), ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    std::error_code ec2;
    if (std::filesystem::canonical(it->path(), ec2) == device && !ec2)
      return vcl::FromNativeFileName(Unescape(it->path().filename().string()));
  }
  return {};
}

// "//server/share/path" or "server:/path" as "\\server\share\path".
std::string RemoteName(const std::string& source) {
  std::string s = source;
  if (s.rfind("//", 0) == 0) {
    s = s.substr(2);
  } else if (const size_t colon = s.find(':'); colon != std::string::npos) {
    std::string path = s.substr(colon + 1);
    while (!path.empty() && path[0] == '/') path.erase(0, 1);
    s = s.substr(0, colon) + (path.empty() ? "" : "/" + path);
  }
  while (!s.empty() && s.back() == '/') s.pop_back();
  for (char& c : s)
    if (c == '/') c = '\\';
  return "\\\\" + vcl::FromNativeFileName(s);
}

// Copies `s` into a buffer of `size` characters, cut to fit.
void CopyOut(const std::string& s, LPSTR buffer, DWORD size) {
  if (!buffer || size == 0) return;
  const size_t n = std::min<size_t>(s.size(), size - 1);
  std::memcpy(buffer, s.data(), n);
  buffer[n] = '\0';
}

}  // namespace

DWORD GetLogicalDrives() {
  DWORD bits = 0;
  for (char letter = 'A'; letter <= 'Z'; ++letter)
    if (!DriveFolder(letter).empty()) bits |= 1u << (letter - 'A');
  return bits;
}

UINT GetDriveTypeA(LPCSTR rootPathName) {
  const char letter = DriveLetter(rootPathName, true);
  const std::string folder = letter ? DriveFolder(letter) : std::string();
  if (!IsFolder(folder)) return DRIVE_NO_ROOT_DIR;
  Mount m;
  return FindMount(folder, m) ? KindOf(m) : DRIVE_FIXED;
}

BOOL GetVolumeInformationA(LPCSTR rootPathName, LPSTR volumeNameBuffer, DWORD volumeNameSize,
                           DWORD* volumeSerialNumber, DWORD* maximumComponentLength,
                           DWORD* fileSystemFlags, LPSTR fileSystemNameBuffer,
                           DWORD fileSystemNameSize) {
  const char letter = DriveLetter(rootPathName, true);
  const std::string folder = letter ? DriveFolder(letter) : std::string();
  if (!IsFolder(folder)) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  Mount m;
  const bool mounted = FindMount(folder, m);
  std::string type = mounted ? m.Type : std::string();
  for (char& c : type) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  CopyOut(mounted ? LabelOf(m) : std::string(), volumeNameBuffer, volumeNameSize);
  CopyOut(type, fileSystemNameBuffer, fileSystemNameSize);
  if (volumeSerialNumber) *volumeSerialNumber = 0;
  if (maximumComponentLength) *maximumComponentLength = 255;
  if (fileSystemFlags) *fileSystemFlags = 0;
  return TRUE;
}

DWORD WNetGetConnectionA(LPCSTR localName, LPSTR remoteName, DWORD* length) {
  const char letter = DriveLetter(localName, false);
  if (!letter || !length) return ERROR_BAD_DEVICE;
  const std::string folder = DriveFolder(letter);
  Mount m;
  if (!IsFolder(folder) || !FindMount(folder, m) || !IsRemoteType(m.Type))
    return ERROR_NOT_CONNECTED;
  const std::string remote = RemoteName(m.Source);
  if (!remoteName || *length < remote.size() + 1) {
    *length = static_cast<DWORD>(remote.size() + 1);
    return ERROR_MORE_DATA;
  }
  CopyOut(remote, remoteName, *length);
  return 0;
}

UINT SetErrorMode(UINT mode) { return errorMode.exchange(mode); }

}  // namespace win
