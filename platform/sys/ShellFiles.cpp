#include "platform/sys/ShellFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/WinReg.h"

namespace win {

namespace fs = std::filesystem;

namespace {

constexpr int64_t kTicksPerSecond = 10000000;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr int64_t kEpochDelta = 11644473600;

uint64_t Ticks(const FILETIME& t) {
  return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime;
}
FILETIME FromTicks(uint64_t v) {
  FILETIME t;
  t.dwLowDateTime = static_cast<DWORD>(v & 0xFFFFFFFFu);
  t.dwHighDateTime = static_cast<DWORD>(v >> 32);
  return t;
}
FILETIME FromUnix(int64_t sec, int64_t nsec) {
  const int64_t s = sec + kEpochDelta;
  if (s < 0) return FILETIME{};
  return FromTicks(static_cast<uint64_t>(s) * kTicksPerSecond + static_cast<uint64_t>(nsec / 100));
}
timespec ToUnix(const FILETIME& t) {
  const uint64_t v = Ticks(t);
  timespec ts;
  ts.tv_sec = static_cast<time_t>(static_cast<int64_t>(v / kTicksPerSecond) - kEpochDelta);
  ts.tv_nsec = static_cast<long>((v % kTicksPerSecond) * 100);
  return ts;
}

// Offset of local time from UTC in seconds at the UTC moment t.
int64_t LocalOffset(int64_t t) {
  const time_t tt = static_cast<time_t>(t);
  tm tmv{};
  if (!localtime_r(&tt, &tmv)) return 0;
  return tmv.tm_gmtoff;
}

// Days since 1970-01-01 of a civil date, and back.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}
void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp + (mp < 10 ? 3 : -9);
  y += m <= 2;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

TShellFileOpRecord& Record() {
  static TShellFileOpRecord r;
  return r;
}

std::vector<std::string> SplitList(LPCSTR p) {
  std::vector<std::string> out;
  if (!p) return out;
  while (*p) {
    const size_t n = std::strlen(p);
    out.emplace_back(p, n);
    p += n + 1;
  }
  return out;
}

// True when the name exists as file or folder.
bool NativeFileNameExists(const std::string& name) {
  const std::string n = vcl::NativeFileName(name);
  struct stat st;
  return !n.empty() && lstat(n.c_str(), &st) == 0;
}

bool HasWildcard(const std::string& name) {
  const std::string last = vcl::ExtractFileName(name);
  return last.find_first_of("*?") != std::string::npos;
}

// The names a source entry stands for (wildcards expanded); false when it names nothing.
bool ExpandSource(const std::string& name, bool filesOnly, std::vector<std::string>& out) {
  if (!HasWildcard(name)) {
    if (NativeFileNameExists(name)) {
      out.push_back(name);
      return true;
    }
    return false;
  }
  const std::string dir = vcl::ExtractFilePath(name);
  vcl::TSearchRec f;
  const int32_t attr = filesOnly ? (vcl::faAnyFile & ~vcl::faDirectory) : vcl::faAnyFile;
  bool any = false;
  for (int rc = vcl::FindFirst(name, attr, f); rc == 0; rc = vcl::FindNext(f)) {
    if (f.Name == "." || f.Name == "..") continue;
    if (filesOnly && (f.Attr & vcl::faDirectory)) continue;
    out.push_back(dir + f.Name);
    any = true;
  }
  vcl::FindClose(f);
  return any;
}

}  // namespace

DWORD GetFileAttributesA(LPCSTR fileName) {
  if (!fileName) return INVALID_FILE_ATTRIBUTES;
  const int32_t a = vcl::FileGetAttr(fileName);
  if (a < 0) return INVALID_FILE_ATTRIBUTES;
  return a == 0 ? FILE_ATTRIBUTE_NORMAL : static_cast<DWORD>(a);
}

BOOL SetFileAttributesA(LPCSTR fileName, DWORD attributes) {
  if (!fileName || vcl::FileGetAttr(fileName) < 0) return FALSE;
  return vcl::FileSetAttr(fileName, static_cast<int32_t>(attributes & FILE_ATTRIBUTE_READONLY)) == 0
             ? TRUE
             : FALSE;
}

DWORD GetFileSize(int file, DWORD* sizeHigh) {
  struct stat st;
  if (file < 0 || fstat(file, &st) != 0) return INVALID_FILE_SIZE;
  const uint64_t size = static_cast<uint64_t>(st.st_size);
  if (sizeHigh) *sizeHigh = static_cast<DWORD>(size >> 32);
  return static_cast<DWORD>(size & 0xFFFFFFFFu);
}

namespace {
// A creation time set by SetFileTime, kept as the file's extended attribute (UTC ticks).
const char* const kCreationAttribute = "user.zyl.creation";

bool ReadCreationAttribute(int file, FILETIME& time) {
  uint64_t ticks = 0;
  if (fgetxattr(file, kCreationAttribute, &ticks, sizeof ticks) != sizeof ticks) return false;
  time = FromTicks(ticks);
  return true;
}

bool ReadCreationAttribute(const char* path, FILETIME& time) {
  uint64_t ticks = 0;
  if (getxattr(path, kCreationAttribute, &ticks, sizeof ticks) != sizeof ticks) return false;
  time = FromTicks(ticks);
  return true;
}

// The times of a file in `st`, found by descriptor (file >= 0) or by path; the creation time
// is the stored one, else the birth time, else the status-change time.
void TimesOf(int file, const char* path, const struct stat& st, FILETIME* creation,
             FILETIME* lastAccess, FILETIME* lastWrite) {
  if (creation &&
      (file >= 0 ? ReadCreationAttribute(file, *creation) : ReadCreationAttribute(path, *creation)))
    creation = nullptr;
  if (creation) {
    int64_t sec = st.st_ctim.tv_sec, nsec = st.st_ctim.tv_nsec;
#ifdef STATX_BTIME
    struct statx sx;
    const int rc = file >= 0 ? statx(file, "", AT_EMPTY_PATH, STATX_BTIME, &sx)
                             : statx(AT_FDCWD, path, 0, STATX_BTIME, &sx);
    if (rc == 0 && (sx.stx_mask & STATX_BTIME)) {
      sec = sx.stx_btime.tv_sec;
      nsec = sx.stx_btime.tv_nsec;
    }
#endif
    *creation = FromUnix(sec, nsec);
  }
  if (lastAccess) *lastAccess = FromUnix(st.st_atim.tv_sec, st.st_atim.tv_nsec);
  if (lastWrite) *lastWrite = FromUnix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
}
}  // namespace

BOOL GetFileTime(int file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite) {
  struct stat st;
  if (file < 0 || fstat(file, &st) != 0) return FALSE;
  TimesOf(file, nullptr, st, creation, lastAccess, lastWrite);
  return TRUE;
}

BOOL GetFileAttributesExA(LPCSTR fileName, GET_FILEEX_INFO_LEVELS level, void* information) {
  if (!fileName || !information || level != GetFileExInfoStandard) return FALSE;
  const std::string native = vcl::NativeFileName(fileName);
  struct stat st;
  if (native.empty() || stat(native.c_str(), &st) != 0) return FALSE;
  auto* data = static_cast<WIN32_FILE_ATTRIBUTE_DATA*>(information);
  data->dwFileAttributes = GetFileAttributesA(fileName);
  TimesOf(-1, native.c_str(), st, &data->ftCreationTime, &data->ftLastAccessTime,
          &data->ftLastWriteTime);
  const uint64_t size = S_ISDIR(st.st_mode) ? 0 : static_cast<uint64_t>(st.st_size);
  data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
  data->nFileSizeLow = static_cast<DWORD>(size & 0xFFFFFFFFu);
  return TRUE;
}

BOOL SetFileTime(int file, const FILETIME* creation, const FILETIME* lastAccess,
                 const FILETIME* lastWrite) {
  struct stat st;
  if (file < 0 || fstat(file, &st) != 0) return FALSE;
  if (creation) {
    const uint64_t ticks = Ticks(*creation);
    if (fsetxattr(file, kCreationAttribute, &ticks, sizeof ticks, 0) != 0) return FALSE;
  }
  timespec ts[2];
  ts[0].tv_sec = ts[1].tv_sec = 0;
  ts[0].tv_nsec = ts[1].tv_nsec = UTIME_OMIT;
  if (lastAccess) ts[0] = ToUnix(*lastAccess);
  if (lastWrite) ts[1] = ToUnix(*lastWrite);
  return futimens(file, ts) == 0 ? TRUE : FALSE;
}

BOOL FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local) {
  if (!utc || !local) return FALSE;
  const timespec ts = ToUnix(*utc);
  const int64_t off = LocalOffset(ts.tv_sec);
  const int64_t v = static_cast<int64_t>(Ticks(*utc)) + off * kTicksPerSecond;
  if (v < 0) return FALSE;
  *local = FromTicks(static_cast<uint64_t>(v));
  return TRUE;
}

BOOL LocalFileTimeToFileTime(const FILETIME* local, FILETIME* utc) {
  if (!local || !utc) return FALSE;
  const int64_t t = ToUnix(*local).tv_sec;
  // The offset at the moment the local time stands for: a first guess, then corrected.
  const int64_t off = LocalOffset(t - LocalOffset(t));
  const int64_t v = static_cast<int64_t>(Ticks(*local)) - off * kTicksPerSecond;
  if (v < 0) return FALSE;
  *utc = FromTicks(static_cast<uint64_t>(v));
  return TRUE;
}

BOOL FileTimeToSystemTime(const FILETIME* time, SYSTEMTIME* st) {
  if (!time || !st) return FALSE;
  const uint64_t v = Ticks(*time);
  if (v >> 63) return FALSE;
  const int64_t secs = static_cast<int64_t>(v / kTicksPerSecond);
  const int64_t days = secs / 86400 - kEpochDelta / 86400;
  const int64_t rest = secs % 86400;
  int64_t y;
  unsigned m, d;
  CivilFromDays(days, y, m, d);
  if (y > 30827) return FALSE;
  st->wYear = static_cast<WORD>(y);
  st->wMonth = static_cast<WORD>(m);
  st->wDay = static_cast<WORD>(d);
  st->wDayOfWeek = static_cast<WORD>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
  st->wHour = static_cast<WORD>(rest / 3600);
  st->wMinute = static_cast<WORD>(rest / 60 % 60);
  st->wSecond = static_cast<WORD>(rest % 60);
  st->wMilliseconds = static_cast<WORD>(v % kTicksPerSecond / 10000);
  return TRUE;
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* st, FILETIME* time) {
  if (!st || !time) return FALSE;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (st->wYear < 1601 || st->wYear > 30827 || st->wMonth < 1 || st->wMonth > 12 ||
      st->wDay < 1 || st->wHour > 23 || st->wMinute > 59 || st->wSecond > 59 ||
      st->wMilliseconds > 999)
    return FALSE;
  const int dim = kDays[st->wMonth - 1] + (st->wMonth == 2 && IsLeap(st->wYear) ? 1 : 0);
  if (st->wDay > dim) return FALSE;
  const int64_t days = DaysFromCivil(st->wYear, st->wMonth, st->wDay) + kEpochDelta / 86400;
  const int64_t secs = days * 86400 + st->wHour * 3600 + st->wMinute * 60 + st->wSecond;
  *time = FromTicks(static_cast<uint64_t>(secs) * kTicksPerSecond +
                    uint64_t{st->wMilliseconds} * 10000);
  return TRUE;
}

// ---- Shell file operations ----

namespace {

// A free name beside `target`: "Copy of name", "Copy (2) of name", ...
fs::path CollisionName(const fs::path& target) {
  const fs::path dir = target.parent_path();
  const std::string name = target.filename().string();
  for (int i = 1; i < 10000; ++i) {
    const std::string prefix = i == 1 ? "Copy of " : "Copy (" + std::to_string(i) + ") of ";
    fs::path p = dir / (prefix + name);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(p, ec))) return p;
  }
  return {};
}

// True when `inner` is `outer` or lies inside it.
bool Within(const fs::path& inner, const fs::path& outer) {
  std::error_code ec;
  const fs::path a = fs::weakly_canonical(inner, ec), b = fs::weakly_canonical(outer, ec);
  auto ai = a.begin();
  for (auto bi = b.begin(); bi != b.end(); ++bi, ++ai) {
    if (bi->empty()) continue;
    if (ai == a.end() || *ai != *bi) return false;
  }
  return true;
}

int ErrFrom(const std::error_code& ec) {
  return ec ? vcl::ErrorCodeFromErrno(ec.value()) : 0;
}

int CopyEntry(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  const auto st = fs::symlink_status(from, ec);
  if (fs::is_directory(st)) {
    fs::create_directories(to, ec);
    if (ec) return ErrFrom(ec);
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing |
                           fs::copy_options::copy_symlinks, ec);
  } else {
    if (fs::is_directory(fs::symlink_status(to, ec))) return ERROR_ALREADY_EXISTS;
    fs::copy(from, to, fs::copy_options::overwrite_existing | fs::copy_options::copy_symlinks, ec);
  }
  return ErrFrom(ec);
}

int MoveEntry(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  const auto tst = fs::symlink_status(to, ec);
  if (fs::exists(tst)) {
    if (fs::is_directory(tst) != fs::is_directory(fs::symlink_status(from, ec)))
      return ERROR_ALREADY_EXISTS;
    if (!fs::is_directory(tst)) fs::remove(to, ec);
  }
  fs::rename(from, to, ec);
  if (ec == std::errc::cross_device_link || ec == std::errc::directory_not_empty ||
      ec == std::errc::file_exists) {
    // Another file system, or a folder merged into an existing one: copy, then remove.
    if (const int rc = CopyEntry(from, to)) return rc;
    fs::remove_all(from, ec);
  }
  return ErrFrom(ec);
}

int Recycle(const fs::path& from) {
  std::error_code ec;
  const fs::path bin = SHRecycleBinFolder();
  fs::create_directories(bin, ec);
  if (ec) return ErrFrom(ec);
  fs::path target = bin / from.filename();
  for (int i = 2; fs::exists(fs::symlink_status(target, ec)); ++i)
    target = bin / (from.filename().string() + " (" + std::to_string(i) + ")");
  return MoveEntry(from, target);
}

int Run(UINT func, WORD flags, const std::vector<std::string>& fromList,
        const std::vector<std::string>& toList) {
  if (func < FO_MOVE || func > FO_RENAME || fromList.empty()) return ERROR_INVALID_PARAMETER;
  const bool filesOnly = flags & FOF_FILESONLY;
  // Every source must name something before anything is changed.
  std::vector<std::string> sources;
  for (const std::string& s : fromList)
    if (!ExpandSource(s, filesOnly, sources)) return ERROR_FILE_NOT_FOUND;
  std::vector<fs::path> from;
  for (const std::string& s : sources) from.emplace_back(vcl::NativeFileName(s));

  if (func == FO_DELETE) {
    for (const fs::path& p : from) {
      std::error_code ec;
      if (flags & FOF_ALLOWUNDO) {
        if (const int rc = Recycle(p)) return rc;
      } else {
        fs::remove_all(p, ec);
        if (ec) return ErrFrom(ec);
      }
    }
    return 0;
  }

  if (toList.empty()) return ERROR_INVALID_PARAMETER;
  std::vector<fs::path> to;
  for (const std::string& s : toList) {
    if (s.find_first_of("*?") != std::string::npos) return ERROR_INVALID_PARAMETER;
    const std::string n = vcl::NativeFileName(s);
    if (n.empty()) return ERROR_PATH_NOT_FOUND;
    to.emplace_back(n);
  }
  const bool multiDest = (flags & FOF_MULTIDESTFILES) && to.size() == from.size();
  if (!multiDest && to.size() != 1) return ERROR_INVALID_PARAMETER;

  if (func == FO_RENAME) {
    if (from.size() != 1 || to.size() != 1) return ERROR_INVALID_PARAMETER;
    std::error_code ec;
    if (fs::exists(fs::symlink_status(to[0], ec))) return ERROR_ALREADY_EXISTS;
    fs::rename(from[0], to[0], ec);
    return ErrFrom(ec);
  }

  for (size_t i = 0; i < from.size(); ++i) {
    std::error_code ec;
    fs::path target;
    if (multiDest) {
      target = to[i];
    } else if (fs::is_directory(to[0], ec) || from.size() > 1 || HasWildcard(fromList[0])) {
      fs::create_directories(to[0], ec);
      if (ec) return ErrFrom(ec);
      target = to[0] / from[i].filename();
    } else {
      target = to[0];
    }
    if (fs::is_directory(fs::symlink_status(from[i], ec)) && Within(target, from[i]))
      return ERROR_INVALID_PARAMETER;  // a folder into itself
    const bool same = fs::exists(target, ec) && fs::equivalent(from[i], target, ec);
    if (same && func == FO_MOVE) continue;
    if (same || ((flags & FOF_RENAMEONCOLLISION) && fs::exists(fs::symlink_status(target, ec)))) {
      target = CollisionName(target);
      if (target.empty()) return ERROR_ALREADY_EXISTS;
    }
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    const int rc = func == FO_COPY ? CopyEntry(from[i], target) : MoveEntry(from[i], target);
    if (rc) return rc;
  }
  return 0;
}

}  // namespace

int SHFileOperationA(SHFILEOPSTRUCTA* op) {
  if (!op) return ERROR_INVALID_PARAMETER;
  TShellFileOpRecord& r = Record();
  r.Func = op->wFunc;
  r.Flags = op->fFlags;
  r.From = SplitList(op->pFrom);
  r.To = SplitList(op->pTo);
  ++r.Calls;
  op->fAnyOperationsAborted = FALSE;
  try {
    r.Result = Run(op->wFunc, op->fFlags, r.From, op->wFunc == FO_DELETE ? std::vector<std::string>{} : r.To);
  } catch (const std::exception&) {
    r.Result = ERROR_ACCESS_DENIED;
  }
  return r.Result;
}

const TShellFileOpRecord& SHLastFileOperation() { return Record(); }

std::string SHRecycleBinFolder() {
  if (const char* e = std::getenv("ZYL_RECYCLE_BIN"); e && *e) return e;
  return vcl::NativeFileName(vcl::GetTempPath()) + "zyl-recycle-bin";
}

// ---- Executables ----

namespace {

std::string DefaultValue(HKEY root, const std::string& key) {
  HKEY k = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return {};
  DWORD type = 0, size = 0;
  std::string out;
  if (RegQueryValueExA(k, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0 && size < 65536) {
    std::string buf(size, '\0');
    if (RegQueryValueExA(k, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()),
                         &size) == ERROR_SUCCESS) {
      buf.resize(std::min<size_t>(size, buf.size()));
      out = buf.c_str();
    }
  }
  RegCloseKey(k);
  return out;
}

// The program of a command line: its first word, or the quoted text.
std::string ProgramOf(const std::string& command) {
  size_t i = command.find_first_not_of(' ');
  if (i == std::string::npos) return {};
  if (command[i] == '"') {
    const size_t e = command.find('"', i + 1);
    return command.substr(i + 1, e == std::string::npos ? std::string::npos : e - i - 1);
  }
  const size_t e = command.find(' ', i);
  return command.substr(i, e == std::string::npos ? std::string::npos : e - i);
}

}  // namespace

HINSTANCE FindExecutableA(LPCSTR file, LPCSTR directory, LPSTR result) {
  if (result) result[0] = '\0';
  if (!file || !*file) return reinterpret_cast<HINSTANCE>(uintptr_t{ERROR_FILE_NOT_FOUND});
  std::string name = file;
  if (directory && *directory && vcl::ExtractFileDrive(name).empty() && name[0] != '/' &&
      name[0] != '\\')
    name = vcl::IncludeTrailingPathDelimiter(directory) + name;
  name = vcl::ExpandFileName(name);
  if (!vcl::FileExists(name)) return reinterpret_cast<HINSTANCE>(uintptr_t{ERROR_FILE_NOT_FOUND});
  std::string program;
  const std::string ext = vcl::AnsiLowerCase(vcl::ExtractFileExt(name));
  struct stat st;
  const std::string native = vcl::NativeFileName(name);
  if (ext == ".exe" || ext == ".com" || ext == ".bat" ||
      (stat(native.c_str(), &st) == 0 && (st.st_mode & S_IXUSR))) {
    program = name;
  } else if (!ext.empty()) {
    const std::string cls = DefaultValue(HKEY_CLASSES_ROOT, ext);
    if (!cls.empty()) program = ProgramOf(DefaultValue(HKEY_CLASSES_ROOT, cls + "\\shell\\open\\command"));
  }
  if (program.empty() || program.size() >= 260)
    return reinterpret_cast<HINSTANCE>(uintptr_t{SE_ERR_NOASSOC});
  if (result) std::memcpy(result, program.c_str(), program.size() + 1);
  return reinterpret_cast<HINSTANCE>(uintptr_t{42});
}

}  // namespace win
