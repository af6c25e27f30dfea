#include "platform/classes/Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>

#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"

namespace vcl {

ZYL_CLASS_IMPL(TStream) {}
ZYL_CLASS_IMPL(TCustomMemoryStream) {}
ZYL_CLASS_IMPL(TMemoryStream) {}
ZYL_CLASS_IMPL(TFileStream) {}
ZYL_CLASS_IMPL(TStringStream) {}

namespace {

[[noreturn]] void RaiseBadPosition() { throw EStreamError(SInvalidStreamPosition); }

int64_t NewPosition(int64_t offset, TSeekOrigin origin, int64_t current, int64_t size) {
  int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? current : size;
  if ((offset > 0 && base > INT64_MAX - offset) || base + offset < 0) RaiseBadPosition();
  return base + offset;
}

// Bytes available to read at `pos` in a buffer of `size`, capped to `count`.
int32_t Available(int64_t pos, int64_t size, int32_t count) {
  if (count <= 0 || pos >= size) return 0;
  return static_cast<int32_t>(std::min<int64_t>(count, size - pos));
}

// The position after writing `count` bytes at `pos`.
int64_t EndOfWrite(int64_t pos, int32_t count) {
  if (pos > INT64_MAX - count) throw EWriteError(SWriteError);
  return pos + count;
}

// Resizes a memory buffer (new bytes zero), turning allocation failures into stream errors.
// As on the platform, memory streams hold at most 2 GiB - 1 bytes.
template <class Buffer>
void Grow(Buffer& buffer, int64_t size) {
  if (size > INT32_MAX || static_cast<uint64_t>(size) > buffer.max_size())
    throw EStreamError(SMemoryStreamError);
  try {
    buffer.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    throw EStreamError(SMemoryStreamError);
  } catch (const std::length_error&) {
    throw EStreamError(SMemoryStreamError);
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TStream

int64_t TStream::Size() {
  int64_t pos = Seek(0, soCurrent);
  int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) { throw EStreamError(SStreamSizeFixed); }

int64_t TStream::Remaining() {
  int64_t pos = Position();
  int64_t size = Size();
  return pos < size ? size - pos : 0;
}

void TStream::ReadBuffer(void* buffer, int32_t count) {
  if (count < 0) throw EReadError(SReadError);
  if (count != 0 && Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, int32_t count) {
  if (count < 0) throw EWriteError(SWriteError);
  if (count != 0 && Write(buffer, count) != count) throw EWriteError(SWriteError);
}

int64_t TStream::CopyFrom(TStream* source, int64_t count) {
  if (!source) throw EStreamError(SNoSourceStream);
  if (count == 0) {
    source->SetPosition(0);
    count = source->Size();
  }
  if (count < 0) throw EReadError(SReadError);
  const int64_t total = count;
  std::vector<uint8_t> buf(static_cast<size_t>(std::min<int64_t>(count, 0xF000)));
  while (count > 0) {
    int32_t n = static_cast<int32_t>(std::min<int64_t>(count, static_cast<int64_t>(buf.size())));
    source->ReadBuffer(buf.data(), n);
    WriteBuffer(buf.data(), n);
    count -= n;
  }
  return total;
}

// ---------------------------------------------------------------------------------------------
// TCustomMemoryStream

void TCustomMemoryStream::SetPointer(const void* ptr, int64_t size) {
  memory_ = ptr;
  size_ = size < 0 ? 0 : size;
}

int32_t TCustomMemoryStream::Read(void* buffer, int32_t count) {
  int32_t n = Available(position_, size_, count);
  if (n > 0) {
    std::memcpy(buffer, static_cast<const uint8_t*>(memory_) + position_, static_cast<size_t>(n));
    position_ += n;
  }
  return n;
}

int64_t TCustomMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  position_ = NewPosition(offset, origin, position_, size_);
  return position_;
}

int32_t TCustomMemoryStream::Write(const void*, int32_t) {
  throw EStreamError(SCantWriteMemoryStream);
}

void TCustomMemoryStream::SaveToStream(TStream* stream) {
  if (size_ > INT32_MAX) throw EWriteError(SWriteError);
  if (size_ > 0) stream->WriteBuffer(memory_, static_cast<int32_t>(size_));
}

void TCustomMemoryStream::SaveToFile(const std::string& fileName) {
  TFileStream f(fileName, fmCreate);
  SaveToStream(&f);
}

// ---------------------------------------------------------------------------------------------
// TMemoryStream

void TMemoryStream::Sync() { SetPointer(data_.data(), static_cast<int64_t>(data_.size())); }

int32_t TMemoryStream::Write(const void* buffer, int32_t count) {
  if (count <= 0) return 0;
  const int64_t end = EndOfWrite(position_, count);
  if (end > static_cast<int64_t>(data_.size())) Grow(data_, end);
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  Sync();
  return count;
}

void TMemoryStream::SetSize(int64_t newSize) {
  if (newSize < 0) throw EStreamError(SInvalidStreamSize);
  Grow(data_, newSize);
  Sync();
  if (position_ > newSize) position_ = newSize;
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  position_ = 0;
  Sync();
}

void TMemoryStream::LoadFromStream(TStream* stream) {
  stream->SetPosition(0);
  int64_t count = stream->Size();
  SetSize(count);
  if (count > INT32_MAX) throw EReadError(SReadError);
  if (count > 0) stream->ReadBuffer(data_.data(), static_cast<int32_t>(count));
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream f(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&f);
}

// ---------------------------------------------------------------------------------------------
// TFileStream

std::string StreamFileName(const std::string& fileName) { return NativeFileName(fileName); }

namespace {

// Open files of this process with their access and share modes, by device and inode.
struct TOpenFile {
  bool Reads, Writes;
  bool ShareRead, ShareWrite;
};

std::mutex& OpenMutex() {
  static std::mutex m;
  return m;
}
std::multimap<std::string, TOpenFile>& OpenFiles() {
  static auto* files = new std::multimap<std::string, TOpenFile>;
  return *files;
}

std::string FileKey(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return std::string();
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

TOpenFile ModeInfo(uint16_t mode) {
  TOpenFile f{};
  if (mode == fmCreate) {
    f = {true, true, false, false};
    return f;
  }
  const uint16_t access = mode & 3;
  f.Reads = access == fmOpenRead || access == fmOpenReadWrite;
  f.Writes = access == fmOpenWrite || access == fmOpenReadWrite;
  switch (mode & 0xF0) {
    case fmShareDenyWrite: f.ShareRead = true; f.ShareWrite = false; break;
    case fmShareDenyRead: f.ShareRead = false; f.ShareWrite = true; break;
    case fmShareDenyNone: f.ShareRead = true; f.ShareWrite = true; break;
    default: f.ShareRead = false; f.ShareWrite = false; break;  // compat, exclusive
  }
  return f;
}

bool Conflicts(const TOpenFile& a, const TOpenFile& b) {
  return (b.Reads && !a.ShareRead) || (b.Writes && !a.ShareWrite) || (a.Reads && !b.ShareRead) ||
         (a.Writes && !b.ShareWrite);
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, uint16_t mode)
    : fileName_(fileName), mode_(mode) {
  const std::string path = StreamFileName(fileName);
  const bool create = mode == fmCreate;
  if (path.empty()) {
    if (create) throw EFCreateError(Format(SFCreateError, {fileName}));
    throw EFOpenError(Format(SFOpenError, {fileName}));
  }
  const TOpenFile info = ModeInfo(mode);
  const uint16_t access = mode & 3;
  if (!create && access == 3) throw EFOpenError(Format(SFOpenError, {fileName}));
  std::lock_guard<std::mutex> lock(OpenMutex());
  std::string key = FileKey(path);
  if (!key.empty()) {
    auto range = OpenFiles().equal_range(key);
    for (auto it = range.first; it != range.second; ++it) {
      if (Conflicts(it->second, info)) {
        if (create) throw EFCreateError(Format(SFCreateError, {fileName}));
        throw EFOpenError(Format(SFOpenError, {fileName}));
      }
    }
  }
  int flags = O_CLOEXEC;
  if (create) flags |= O_RDWR | O_CREAT | O_TRUNC;
  else if (access == fmOpenRead) flags |= O_RDONLY;
  else if (access == fmOpenWrite) flags |= O_WRONLY;
  else flags |= O_RDWR;
  fd_ = ::open(path.c_str(), flags, 0644);
  if (fd_ >= 0) {
    struct stat st;
    if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  if (fd_ < 0) {
    if (create) throw EFCreateError(Format(SFCreateError, {fileName}));
    throw EFOpenError(Format(SFOpenError, {fileName}));
  }
  key_ = FileKey(path);
  OpenFiles().emplace(key_, info);
}

TFileStream::~TFileStream() {
  if (fd_ >= 0) {
    ::close(fd_);
    std::lock_guard<std::mutex> lock(OpenMutex());
    auto range = OpenFiles().equal_range(key_);
    const TOpenFile info = ModeInfo(mode_);
    for (auto it = range.first; it != range.second; ++it) {
      if (it->second.Reads == info.Reads && it->second.Writes == info.Writes &&
          it->second.ShareRead == info.ShareRead && it->second.ShareWrite == info.ShareWrite) {
        OpenFiles().erase(it);
        break;
      }
    }
  }
}

int32_t TFileStream::Read(void* buffer, int32_t count) {
  if (count <= 0) return 0;
  int32_t total = 0;
  while (total < count) {
    ssize_t n = ::read(fd_, static_cast<char*>(buffer) + total, static_cast<size_t>(count - total));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    total += static_cast<int32_t>(n);
  }
  return total;
}

int32_t TFileStream::Write(const void* buffer, int32_t count) {
  if (count <= 0) return 0;
  int32_t total = 0;
  while (total < count) {
    ssize_t n =
        ::write(fd_, static_cast<const char*>(buffer) + total, static_cast<size_t>(count - total));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    total += static_cast<int32_t>(n);
  }
  return total;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
  off_t r = ::lseek(fd_, static_cast<off_t>(offset), whence);
  if (r < 0) RaiseBadPosition();
  return static_cast<int64_t>(r);
}

void TFileStream::SetSize(int64_t newSize) {
  if (newSize < 0 || ::ftruncate(fd_, static_cast<off_t>(newSize)) != 0)
    throw EStreamError(Format(SFileSizeError, {fileName_}));
  if (Position() > newSize) SetPosition(newSize);
}

// ---------------------------------------------------------------------------------------------
// TStringStream

TStringStream::TStringStream(std::string data) : data_(std::move(data)) {}

int32_t TStringStream::Read(void* buffer, int32_t count) {
  int32_t n = Available(position_, static_cast<int64_t>(data_.size()), count);
  if (n > 0) {
    std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
    position_ += n;
  }
  return n;
}

int32_t TStringStream::Write(const void* buffer, int32_t count) {
  if (count <= 0) return 0;
  const int64_t end = EndOfWrite(position_, count);
  if (end > static_cast<int64_t>(data_.size())) Grow(data_, end);
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

int64_t TStringStream::Seek(int64_t offset, TSeekOrigin origin) {
  position_ = NewPosition(offset, origin, position_, static_cast<int64_t>(data_.size()));
  return position_;
}

void TStringStream::SetSize(int64_t newSize) {
  if (newSize < 0) throw EStreamError(SInvalidStreamSize);
  Grow(data_, newSize);
  if (position_ > newSize) position_ = newSize;
}

std::string TStringStream::ReadString(int32_t count) {
  int32_t n = Available(position_, static_cast<int64_t>(data_.size()), count);
  std::string s = data_.substr(static_cast<size_t>(position_), static_cast<size_t>(n));
  position_ += n;
  return s;
}

void TStringStream::WriteString(const std::string& s) {
  if (s.size() > static_cast<size_t>(INT32_MAX)) throw EWriteError(SWriteError);
  Write(s.data(), static_cast<int32_t>(s.size()));
}

}  // namespace vcl
