#include "platform/sys/SysFiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/rtl/FileUtils.h"

namespace vcl::sysfiles {

TFileStamp StampOf(const struct stat& st) {
  TFileStamp s;
  s.Exists = true;
  s.Dev = st.st_dev;
  s.Ino = st.st_ino;
  s.Size = static_cast<uint64_t>(st.st_size);
  s.Sec = st.st_mtim.tv_sec;
  s.Nsec = st.st_mtim.tv_nsec;
  return s;
}

TFileStamp StampOf(const std::string& name) {
  const std::string native = NativeFileName(name);
  struct stat st {};
  if (native.empty() || ::stat(native.c_str(), &st) != 0) return TFileStamp{};
  return StampOf(st);
}

int ReadWholeFile(const std::string& name, std::string& text, TFileStamp& stamp) {
  text.clear();
  stamp = TFileStamp{};
  const std::string native = NativeFileName(name);
  if (native.empty()) return ENOENT;
  const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  return ReadOpenFile(fd, text, stamp);
}

int ReadOpenFile(int fd, std::string& text, TFileStamp& stamp) {
  text.clear();
  stamp = TFileStamp{};
  struct stat st {};
  if (::fstat(fd, &st) != 0) return errno;
  if (!S_ISREG(st.st_mode)) return EISDIR;
  if (static_cast<uint64_t>(st.st_size) > kMaxFileSize) return EFBIG;
  text.resize(static_cast<size_t>(st.st_size));
  size_t got = 0;
  while (got < text.size()) {
    const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      text.clear();
      return errno;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  text.resize(got);
  stamp = StampOf(st);
  return 0;
}

bool WriteWholeFile(const std::string& name, const std::string& text) {
  std::string target = NativeFileName(name);
  if (target.empty()) {
    errno = ENOENT;
    return false;
  }
  char resolved[PATH_MAX];
  if (::realpath(target.c_str(), resolved)) target = resolved;
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  const std::string tmp = target + ".~" + std::to_string(::getpid());
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = true;
  size_t done = 0;
  while (ok && done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    else done += static_cast<size_t>(n);
  }
  if (ok && existed) ::fchmod(fd, old.st_mode & 07777);
  if (::close(fd) != 0) ok = false;
  if (ok && ::rename(tmp.c_str(), target.c_str()) != 0) ok = false;
  if (!ok) {
    const int err = errno;
    ::unlink(tmp.c_str());
    errno = err;
  }
  return ok;
}

int UpdateWholeFile(const std::string& name,
                    const std::function<bool(std::string& text, bool exists)>& change) {
  std::string native = NativeFileName(name);
  if (native.empty()) return ENOENT;
  char resolved[PATH_MAX];
  if (::realpath(native.c_str(), resolved)) native = resolved;
  const size_t slash = native.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : native.substr(0, slash);
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return errno;
  struct Unlock {
    int fd;
    ~Unlock() {
      ::flock(fd, LOCK_UN);
      ::close(fd);
    }
  } unlock{dir};
  while (::flock(dir, LOCK_EX) != 0)
    if (errno != EINTR) return errno;
  std::string text;
  TFileStamp stamp;
  const int rc = ReadWholeFile(name, text, stamp);
  if (rc != 0 && rc != ENOENT) return rc;
  if (!change(text, rc == 0)) return 0;
  return WriteWholeFile(name, text) ? 0 : errno;
}

std::string ErrorText(int code) {
  if (code == EISDIR) return "not a regular file";
  if (code == EFBIG) return "file too large";
  return std::strerror(code);
}

}  // namespace vcl::sysfiles
