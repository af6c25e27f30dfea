#include "platform/rtl/FileUtils.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

using namespace win;

namespace {

inline bool IsDelim(char c) { return c == '\\' || c == '/'; }

bool HasDrive(const std::string& s) {
  return s.size() >= 2 && s[1] == ':' && ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
}

}  // namespace

int ErrorCodeFromErrno(int e) {
  switch (e) {
    case 0: return 0;
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: case ENAMETOOLONG: case ELOOP: return ERROR_PATH_NOT_FOUND;
    case EACCES: case EPERM: case EROFS: case EISDIR: return ERROR_ACCESS_DENIED;
    case EBADF: return ERROR_INVALID_HANDLE;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOSPC: return ERROR_DISK_FULL;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    default: return ERROR_GEN_FAILURE;
  }
}

std::string SysErrorMessage(int code) {
  switch (code) {
    case 0: return "The operation completed successfully.";
    case ERROR_FILE_NOT_FOUND: return "The system cannot find the file specified.";
    case ERROR_PATH_NOT_FOUND: return "The system cannot find the path specified.";
    case ERROR_ACCESS_DENIED: return "Access is denied.";
    case ERROR_INVALID_HANDLE: return "The handle is invalid.";
    case ERROR_NO_MORE_FILES: return "There are no more files.";
    case ERROR_GEN_FAILURE: return "A device attached to the system is not functioning.";
    case ERROR_INVALID_PARAMETER: return "The parameter is incorrect.";
    case ERROR_DISK_FULL: return "There is not enough space on the disk.";
    case ERROR_ALREADY_EXISTS: return "Cannot create a file when that file already exists.";
    default: return "Unknown error " + std::to_string(code) + ".";
  }
}

namespace {

bool IsUnc(const std::string& s) { return s.size() >= 2 && IsDelim(s[0]) && IsDelim(s[1]); }

// The separator a name uses: its first one, else PathDelim.
char StyleOf(const std::string& s) {
  for (char c : s)
    if (IsDelim(c)) return c;
  return PathDelim;
}

// Delimiters of a file name: both separators and the drive colon.
int LastPathDelimiter(const std::string& s) { return LastDelimiter("\\/:", s); }

}  // namespace

std::string NativeFileName(const std::string& name) {
  std::string rest = name;
  std::string root;
  if (HasDrive(name)) {
    const char letter = static_cast<char>(name[0] >= 'a' ? name[0] - 32 : name[0]);
    const std::string var = std::string("ZYL_DRIVE_") + letter;
    const char* mapped = std::getenv(var.c_str());
    if (mapped && *mapped) root = mapped;
    else if (letter == 'C') root = "/";
    else return std::string();
    rest = name.substr(2);
    if (!root.empty() && root.back() != '/') root += '/';
    while (!rest.empty() && IsDelim(rest[0])) rest.erase(0, 1);
  } else if (IsUnc(name)) {
    return std::string();
  }
  std::string out = root + AnsiToUtf8(rest);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

std::string FromNativeFileName(const std::string& native) { return Utf8ToAnsi(native); }

bool IsPathDelimiter(const std::string& s, int index) {
  return index >= 1 && index <= static_cast<int>(s.size()) && IsDelim(s[static_cast<size_t>(index - 1)]);
}

std::string IncludeTrailingBackslash(const std::string& s) {
  if (IsPathDelimiter(s, static_cast<int>(s.size()))) return s;
  return s + StyleOf(s);
}

std::string ExcludeTrailingBackslash(const std::string& s) {
  if (IsPathDelimiter(s, static_cast<int>(s.size()))) return s.substr(0, s.size() - 1);
  return s;
}

std::string IncludeTrailingPathDelimiter(const std::string& s) { return IncludeTrailingBackslash(s); }
std::string ExcludeTrailingPathDelimiter(const std::string& s) { return ExcludeTrailingBackslash(s); }

std::string ExtractFileDrive(const std::string& name) {
  if (HasDrive(name)) return name.substr(0, 2);
  if (IsUnc(name)) {
    // "\\server\share": up to the separator after the share name.
    size_t i = 2;
    int seps = 0;
    while (i < name.size()) {
      if (IsDelim(name[i]) && ++seps == 2) break;
      ++i;
    }
    return name.substr(0, i);
  }
  return std::string();
}

std::string ExtractFilePath(const std::string& name) {
  return name.substr(0, static_cast<size_t>(LastPathDelimiter(name)));
}

std::string ExtractFileDir(const std::string& name) {
  int i = LastPathDelimiter(name);
  if (i > 1 && IsDelim(name[static_cast<size_t>(i - 1)]) && !IsDelim(name[static_cast<size_t>(i - 2)]) &&
      name[static_cast<size_t>(i - 2)] != ':')
    --i;
  return name.substr(0, static_cast<size_t>(i));
}

std::string ExtractFileName(const std::string& name) {
  return name.substr(static_cast<size_t>(LastPathDelimiter(name)));
}

std::string ExtractFileExt(const std::string& name) {
  const int i = LastDelimiter(".\\/:", name);
  if (i > 0 && name[static_cast<size_t>(i - 1)] == '.') return name.substr(static_cast<size_t>(i - 1));
  return std::string();
}

std::string ChangeFileExt(const std::string& name, const std::string& ext) {
  int i = LastDelimiter(".\\/:", name);
  if (i == 0 || name[static_cast<size_t>(i - 1)] != '.') i = static_cast<int>(name.size()) + 1;
  return name.substr(0, static_cast<size_t>(i - 1)) + ext;
}

std::string GetCurrentDir() {
  std::vector<char> buf(4096);
  while (!getcwd(buf.data(), buf.size())) {
    if (errno != ERANGE || buf.size() > (1u << 20)) return std::string();
    buf.resize(buf.size() * 2);
  }
  return FromNativeFileName(buf.data());
}

bool SetCurrentDir(const std::string& dir) {
  const std::string n = NativeFileName(dir);
  return !n.empty() && chdir(n.c_str()) == 0;
}

std::string ExpandFileName(const std::string& name) {
  if (name.empty()) return std::string();
  std::string prefix;  // drive or share, without the root separator
  std::string rest;
  char sep;
  if (HasDrive(name)) {
    prefix = name.substr(0, 2);
    rest = name.substr(2);
    sep = '\\';
    for (char c : rest)
      if (IsDelim(c)) {
        sep = c;
        break;
      }
  } else if (IsUnc(name)) {
    prefix = ExtractFileDrive(name);
    rest = name.substr(prefix.size());
    sep = name[0];
  } else if (IsDelim(name[0])) {
    rest = name;
    sep = name[0];
  } else {
    const std::string cwd = GetCurrentDir();
    std::string full = cwd;
    if (full.empty() || !IsDelim(full.back())) full += '/';
    full += name;
    // The current folder sets the style; it may itself carry a drive when mapped names are
    // used.
    if (HasDrive(full)) return ExpandFileName(full);
    rest = full;
    sep = StyleOf(cwd.empty() ? std::string("/") : cwd);
  }
  const bool trailing = !rest.empty() && IsDelim(rest.back());
  std::vector<std::string> parts;
  std::string cur;
  auto flush = [&]() {
    if (cur == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!cur.empty() && cur != ".") {
      parts.push_back(cur);
    }
    cur.clear();
  };
  for (char c : rest) {
    if (IsDelim(c)) flush();
    else cur += c;
  }
  flush();
  std::string out = prefix;
  out += sep;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) out += sep;
    out += parts[i];
  }
  if (trailing && !parts.empty()) out += sep;
  return out;
}

int AnsiCompareFileName(const std::string& a, const std::string& b) {
  return AnsiCompareStr(AnsiLowerCase(a), AnsiLowerCase(b));
}

bool SameFileName(const std::string& a, const std::string& b) { return AnsiCompareFileName(a, b) == 0; }

namespace {

std::vector<std::string> SplitFolders(const std::string& path) {
  std::vector<std::string> parts;
  std::string cur;
  for (char c : path) {
    if (IsDelim(c)) {
      if (!cur.empty()) parts.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) parts.push_back(cur);
  return parts;
}

}  // namespace

std::string ExtractRelativePath(const std::string& baseName, const std::string& destName) {
  const std::string basePath = ExtractFilePath(baseName), destPath = ExtractFilePath(destName);
  if (!SameFileName(ExtractFileDrive(basePath), ExtractFileDrive(destPath))) return destName;
  const std::string drive = ExtractFileDrive(basePath);
  const auto base = SplitFolders(basePath.substr(drive.size()));
  const auto dest = SplitFolders(destPath.substr(drive.size()));
  size_t common = 0;
  while (common < base.size() && common < dest.size() && SameFileName(base[common], dest[common])) ++common;
  const char sep = StyleOf(destName);
  std::string r;
  for (size_t i = common; i < base.size(); ++i) r += std::string("..") + sep;
  for (size_t i = common; i < dest.size(); ++i) r += dest[i] + sep;
  return r + ExtractFileName(destName);
}

std::string FileSearch(const std::string& name, const std::string& dirList) {
  if (FileExists(name)) return name;
  size_t start = 0;
  while (start <= dirList.size()) {
    size_t end = dirList.find(PathSep, start);
    if (end == std::string::npos) end = dirList.size();
    const std::string dir = Trim(dirList.substr(start, end - start));
    if (!dir.empty()) {
      const std::string candidate = IncludeTrailingBackslash(dir) + name;
      if (FileExists(candidate)) return candidate;
    }
    start = end + 1;
  }
  return std::string();
}

namespace {

bool DiskStat(uint8_t drive, struct statvfs& st) {
  std::string root;
  if (drive == 0) root = ".";
  else if (drive <= 26) root = NativeFileName(std::string(1, static_cast<char>('A' + drive - 1)) + ":\\");
  if (root.empty()) return false;
  return statvfs(root.c_str(), &st) == 0;
}

}  // namespace

int64_t DiskFree(uint8_t drive) {
  struct statvfs st;
  if (!DiskStat(drive, st)) return -1;
  return static_cast<int64_t>(st.f_bavail) * static_cast<int64_t>(st.f_frsize);
}

int64_t DiskSize(uint8_t drive) {
  struct statvfs st;
  if (!DiskStat(drive, st)) return -1;
  return static_cast<int64_t>(st.f_blocks) * static_cast<int64_t>(st.f_frsize);
}

namespace {

bool StatOf(const std::string& name, struct stat& st) {
  const std::string n = NativeFileName(name);
  return !n.empty() && stat(n.c_str(), &st) == 0;
}

}  // namespace

bool FileExists(const std::string& name) {
  struct stat st;
  return StatOf(name, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& name) {
  struct stat st;
  return StatOf(name, st) && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string& dir) {
  const std::string n = NativeFileName(dir);
  return !n.empty() && mkdir(n.c_str(), 0777) == 0;
}

bool RemoveDir(const std::string& dir) {
  const std::string n = NativeFileName(dir);
  return !n.empty() && rmdir(n.c_str()) == 0;
}

bool ForceDirectories(const std::string& dir) {
  if (dir.empty()) throw EInOutError(SCannotCreateDir);
  const std::string d = ExcludeTrailingBackslash(dir);
  if (d.empty() || DirectoryExists(d)) return true;
  if (HasDrive(d) && d.size() <= 2) return DirectoryExists(d + PathDelim);
  const std::string parent = ExtractFilePath(d);
  if (!parent.empty() && parent != d && !ForceDirectories(parent)) return false;
  return CreateDir(d) || DirectoryExists(d);
}

bool DeleteFile(const std::string& name) {
  const std::string n = NativeFileName(name);
  struct stat st;
  if (n.empty() || stat(n.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  return unlink(n.c_str()) == 0;
}

bool RenameFile(const std::string& oldName, const std::string& newName) {
  const std::string a = NativeFileName(oldName), b = NativeFileName(newName);
  if (a.empty() || b.empty()) return false;
  struct stat st;
  if (lstat(b.c_str(), &st) == 0) return false;
  return rename(a.c_str(), b.c_str()) == 0;
}

std::string GetTempPath() {
  for (const char* var : {"TMP", "TEMP", "TMPDIR"}) {
    const char* v = std::getenv(var);
    if (v && *v) return IncludeTrailingBackslash(FromNativeFileName(v));
  }
  return "/tmp/";
}

std::string GetTempFileName(const std::string& dir, const std::string& prefix) {
  static std::atomic<unsigned> counter{0};
  const std::string base = IncludeTrailingBackslash(dir) + prefix.substr(0, 3);
  unsigned start = (static_cast<unsigned>(getpid()) * 7919u + counter.fetch_add(1)) & 0xFFFF;
  for (unsigned k = 0; k < 0x10000; ++k) {
    const unsigned u = (start + k) & 0xFFFF;
    if (u == 0) continue;
    const std::string name = base + IntToHex(static_cast<int32_t>(u), 4) + ".tmp";
    const std::string n = NativeFileName(name);
    if (n.empty()) return std::string();
    const int fd = open(n.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0666);
    if (fd >= 0) {
      close(fd);
      counter.fetch_add(1);
      return name;
    }
    if (errno != EEXIST) return std::string();
  }
  return std::string();
}

int FileOpen(const std::string& name, uint32_t mode) {
  const std::string n = NativeFileName(name);
  if (n.empty()) return -1;
  int flags;
  switch (mode & 3) {
    case 1: flags = O_WRONLY; break;
    case 2: flags = O_RDWR; break;
    default: flags = O_RDONLY; break;
  }
  struct stat st;
  if (stat(n.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return -1;
  return open(n.c_str(), flags | O_CLOEXEC);
}

int FileCreate(const std::string& name) {
  const std::string n = NativeFileName(name);
  if (n.empty()) return -1;
  return open(n.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

int FileRead(int handle, void* buffer, int count) {
  if (count < 0 || !buffer) return -1;
  return static_cast<int>(read(handle, buffer, static_cast<size_t>(count)));
}

int FileWrite(int handle, const void* buffer, int count) {
  if (count < 0 || !buffer) return -1;
  return static_cast<int>(write(handle, buffer, static_cast<size_t>(count)));
}

int64_t FileSeek(int handle, int64_t offset, int origin) {
  const int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
  return static_cast<int64_t>(lseek(handle, static_cast<off_t>(offset), whence));
}

void FileClose(int handle) {
  if (handle >= 0) close(handle);
}

int32_t DateTimeToFileDate(TDateTime dateTime) {
  uint16_t y, mo, d, h, mi, s, ms;
  DecodeDate(dateTime, y, mo, d);
  if (y < 1980 || y > 2107) return 0;
  DecodeTime(dateTime, h, mi, s, ms);
  const uint32_t date = (static_cast<uint32_t>(y - 1980) << 9) | (static_cast<uint32_t>(mo) << 5) | d;
  const uint32_t time = (static_cast<uint32_t>(h) << 11) | (static_cast<uint32_t>(mi) << 5) | (s >> 1);
  return static_cast<int32_t>((date << 16) | time);
}

TDateTime FileDateToDateTime(int32_t fileDate) {
  const uint32_t v = static_cast<uint32_t>(fileDate);
  const uint32_t date = v >> 16, time = v & 0xFFFF;
  const TDateTime d = EncodeDate(static_cast<int>((date >> 9) + 1980), static_cast<int>((date >> 5) & 15),
                                 static_cast<int>(date & 31));
  return d + EncodeTime(static_cast<int>(time >> 11), static_cast<int>((time >> 5) & 63),
                        static_cast<int>((time & 31) * 2), 0);
}

namespace {

int32_t StampOf(time_t t) {
  std::tm tm{};
  if (!localtime_r(&t, &tm)) return -1;
  const int year = tm.tm_year + 1900;
  if (year < 1980 || year > 2107) return -1;
  const uint32_t date = (static_cast<uint32_t>(year - 1980) << 9) | (static_cast<uint32_t>(tm.tm_mon + 1) << 5) |
                        static_cast<uint32_t>(tm.tm_mday);
  const uint32_t time = (static_cast<uint32_t>(tm.tm_hour) << 11) | (static_cast<uint32_t>(tm.tm_min) << 5) |
                        static_cast<uint32_t>(tm.tm_sec >> 1);
  return static_cast<int32_t>((date << 16) | time);
}

bool TimeOfStamp(int32_t age, time_t& t) {
  const uint32_t v = static_cast<uint32_t>(age);
  const uint32_t date = v >> 16, time = v & 0xFFFF;
  std::tm tm{};
  tm.tm_year = static_cast<int>((date >> 9) + 80);
  tm.tm_mon = static_cast<int>((date >> 5) & 15) - 1;
  tm.tm_mday = static_cast<int>(date & 31);
  tm.tm_hour = static_cast<int>(time >> 11);
  tm.tm_min = static_cast<int>((time >> 5) & 63);
  tm.tm_sec = static_cast<int>((time & 31) * 2);
  tm.tm_isdst = -1;
  TDateTime check;
  if (!TryEncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, check) ||
      !TryEncodeTime(tm.tm_hour, tm.tm_min, tm.tm_sec, 0, check))
    return false;
  t = mktime(&tm);
  return t != static_cast<time_t>(-1);
}

int32_t AttrOf(const std::string& name, const struct stat& st) {
  int32_t a = 0;
  // Archive marks plain files only: not pipes, sockets or devices.
  if (S_ISDIR(st.st_mode)) a |= faDirectory;
  else if (S_ISREG(st.st_mode))
    a |= faArchive;
  if (!(st.st_mode & S_IWUSR)) a |= faReadOnly;
  if (!name.empty() && name[0] == '.' && name != "." && name != "..") a |= faHidden;
  return a;
}

}  // namespace

int32_t FileAge(const std::string& name) {
  struct stat st;
  if (!StatOf(name, st) || S_ISDIR(st.st_mode)) return -1;
  return StampOf(st.st_mtime);
}

int32_t FileGetDate(int handle) {
  struct stat st;
  if (fstat(handle, &st) != 0) return -1;
  return StampOf(st.st_mtime);
}

int FileSetDate(int handle, int32_t age) {
  time_t t;
  if (!TimeOfStamp(age, t)) return ERROR_INVALID_PARAMETER;
  const struct timespec times[2] = {{t, 0}, {t, 0}};
  return futimens(handle, times) == 0 ? 0 : ErrorCodeFromErrno(errno);
}

int FileSetDate(const std::string& name, int32_t age) {
  const int h = FileOpen(name, 1);
  if (h < 0) {
    const int rc = FileOpen(name, 0);
    if (rc < 0) return ERROR_FILE_NOT_FOUND;
    const int r = FileSetDate(rc, age);
    FileClose(rc);
    return r;
  }
  const int r = FileSetDate(h, age);
  FileClose(h);
  return r;
}

int32_t FileGetAttr(const std::string& name) {
  struct stat st;
  if (!StatOf(name, st)) return -1;
  return AttrOf(ExtractFileName(ExcludeTrailingBackslash(name)), st);
}

int FileSetAttr(const std::string& name, int32_t attr) {
  const std::string n = NativeFileName(name);
  struct stat st;
  if (n.empty() || stat(n.c_str(), &st) != 0) return ERROR_FILE_NOT_FOUND;
  mode_t mode = st.st_mode & 07777;
  if (attr & faReadOnly) mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
  else mode |= S_IWUSR;
  return chmod(n.c_str(), mode) == 0 ? 0 : ErrorCodeFromErrno(errno);
}

// ---- Search -------------------------------------------------------------------------------

struct TFindState {
  struct Entry {
    std::string name;
    int32_t attr;
    int64_t size;
    int32_t time;
  };
  std::vector<Entry> entries;
  size_t next = 0;
  int32_t excludeAttr = 0;
};

namespace {

char Up(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : win::CharUpperChar(c); }

bool Glob(const char* n, const char* m) {
  // Iterative wildcard match with backtracking on the last '*'.
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*n) {
    if (*m == '*') {
      star = m++;
      resume = n;
    } else if (*m == '?' || (*m && Up(*m) == Up(*n))) {
      ++m;
      ++n;
    } else if (star) {
      m = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (*m == '*') ++m;
  return *m == 0;
}

bool MatchesFileMask(const std::string& name, const std::string& mask) {
  if (mask == "*" || mask == "*.*") return true;
  if (Glob(name.c_str(), mask.c_str())) return true;
  // "name.*" also finds "name", and "*." finds names without an extension.
  if (mask.size() >= 2 && mask.compare(mask.size() - 2, 2, ".*") == 0 && name.find('.') == std::string::npos)
    return Glob(name.c_str(), mask.substr(0, mask.size() - 2).c_str());
  if (!mask.empty() && mask.back() == '.' && name.find('.') == std::string::npos)
    return Glob(name.c_str(), mask.substr(0, mask.size() - 1).c_str());
  return false;
}

bool NextMatch(TSearchRec& f) {
  TFindState* s = f.FindHandle.get();
  if (!s) return false;
  while (s->next < s->entries.size()) {
    const auto& e = s->entries[s->next++];
    if (e.attr & s->excludeAttr) continue;
    f.Name = e.name;
    f.Attr = e.attr;
    f.Size = e.size;
    f.Time = e.time;
    return true;
  }
  return false;
}

}  // namespace

int FindFirst(const std::string& path, int32_t attr, TSearchRec& f) {
  f.FindHandle.reset();
  const std::string dir = ExtractFilePath(path);
  const std::string mask = ExtractFileName(path);
  std::string native = dir.empty() ? std::string(".") : NativeFileName(dir);
  if (native.empty()) return ERROR_PATH_NOT_FOUND;
  DIR* d = opendir(native.c_str());
  if (!d) return ERROR_PATH_NOT_FOUND;
  if (native.back() != '/') native += '/';
  auto state = std::make_shared<TFindState>();
  state->excludeAttr = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);
  bool isRoot = false;
  {
    struct stat a, b;
    isRoot = stat(native.c_str(), &a) == 0 && stat((native + "..").c_str(), &b) == 0 && a.st_ino == b.st_ino &&
             a.st_dev == b.st_dev;
  }
  while (dirent* e = readdir(d)) {
    const std::string raw = e->d_name;
    if (isRoot && (raw == "." || raw == "..")) continue;
    const std::string name = FromNativeFileName(raw);
    if (mask.empty() || !MatchesFileMask(name, mask)) continue;
    struct stat st;
    if (stat((native + raw).c_str(), &st) != 0) continue;  // a dangling link
    state->entries.push_back({name, AttrOf(name, st), S_ISDIR(st.st_mode) ? 0 : static_cast<int64_t>(st.st_size),
                              StampOf(st.st_mtime)});
  }
  closedir(d);
  if (state->entries.empty()) return ERROR_FILE_NOT_FOUND;
  auto rank = [](const std::string& n) { return n == "." ? 0 : n == ".." ? 1 : 2; };
  std::sort(state->entries.begin(), state->entries.end(), [&](const auto& a, const auto& b) {
    if (rank(a.name) != rank(b.name)) return rank(a.name) < rank(b.name);
    const int c = CompareText(a.name, b.name);
    return c != 0 ? c < 0 : CompareStr(a.name, b.name) < 0;
  });
  f.ExcludeAttr = state->excludeAttr;
  f.FindHandle = state;
  if (!NextMatch(f)) {
    f.FindHandle.reset();
    return ERROR_NO_MORE_FILES;
  }
  return 0;
}

int FindNext(TSearchRec& f) { return NextMatch(f) ? 0 : ERROR_NO_MORE_FILES; }

void FindClose(TSearchRec& f) { f.FindHandle.reset(); }

}  // namespace vcl
