// Streams: the abstract TStream and its memory, file, string and resource kinds.
//
// Positions and sizes are 64-bit; one Read/Write moves at most a 32-bit count. Seeking past the
// end is allowed: reading there returns 0 bytes, writing there fills the gap with zeros
// (memory streams) or extends the file. Memory and string streams hold at most 2 GiB - 1 bytes
// (EStreamError "Out of memory while expanding memory stream" beyond).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/Object.h"

namespace vcl {

enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };
constexpr uint16_t soFromBeginning = 0;
constexpr uint16_t soFromCurrent = 1;
constexpr uint16_t soFromEnd = 2;

// File open modes: one access mode, or-ed with one share mode; fmCreate creates or truncates.
constexpr uint16_t fmCreate = 0xFFFF;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

class TStream : public TObject {
  ZYL_CLASS(TStream, TObject)
  // Reads up to `count` bytes; returns how many were read (0 at or past the end).
  virtual int32_t Read(void* buffer, int32_t count) = 0;
  // Writes `count` bytes; returns how many were written.
  virtual int32_t Write(const void* buffer, int32_t count) = 0;
  // Moves the position; returns the new position. A negative result position raises
  // EStreamError ("Invalid stream position").
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t pos) { Seek(pos, soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t newSize);
  // Bytes from the position to the end (0 when past it).
  int64_t Remaining();

  // Exactly `count` bytes or EReadError "Stream read error" / EWriteError "Stream write error".
  void ReadBuffer(void* buffer, int32_t count);
  void WriteBuffer(const void* buffer, int32_t count);
  // Copies `count` bytes from `source` (0 = the whole source, from its beginning); returns the
  // number copied. Raises EReadError when the source ends early.
  int64_t CopyFrom(TStream* source, int64_t count);

  // Form streams of one component (defined with the form streams, platform/classes/Filer.cpp).
  TComponent* ReadComponent(TComponent* instance);
  void WriteComponent(TComponent* instance);
  void WriteDescendent(TComponent* instance, TComponent* ancestor);
};

// A stream over memory it does not own (SetPointer); read and seek only unless a derived class
// provides writing.
class TCustomMemoryStream : public TStream {
  ZYL_CLASS(TCustomMemoryStream, TStream)
  TCustomMemoryStream() = default;
  int32_t Read(void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Size() override { return size_; }
  const void* Memory() const { return memory_; }
  void SaveToStream(TStream* stream);
  void SaveToFile(const std::string& fileName);

 protected:
  void SetPointer(const void* ptr, int64_t size);
  const void* memory_ = nullptr;
  int64_t size_ = 0;
  int64_t position_ = 0;
};

// A growable stream in memory.
class TMemoryStream : public TCustomMemoryStream {
  ZYL_CLASS(TMemoryStream, TCustomMemoryStream)
  TMemoryStream() = default;
  int32_t Write(const void* buffer, int32_t count) override;
  void SetSize(int64_t newSize) override;
  void* Memory() { return data_.data(); }
  const void* Memory() const { return data_.data(); }
  int64_t Capacity() const { return static_cast<int64_t>(data_.capacity()); }
  void Clear();
  void LoadFromStream(TStream* stream);
  void LoadFromFile(const std::string& fileName);

 private:
  void Sync();
  std::vector<uint8_t> data_;
};

// A stream over a file. Errors: EFCreateError "Cannot create file %s" and EFOpenError
// "Cannot open file %s"; share modes are honoured between streams of this process. Names
// follow the layer's path policy (drive letters, '\' separators, code page 1252).
class TFileStream : public TStream {
  ZYL_CLASS(TFileStream, TStream)
  TFileStream(const std::string& fileName, uint16_t mode);
  ~TFileStream() override;
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;
  const std::string& FileName() const { return fileName_; }
  int Handle() const { return fd_; }

 private:
  std::string fileName_;
  std::string key_;
  int fd_ = -1;
  uint16_t mode_ = 0;
};

// A stream over a string of bytes.
class TStringStream : public TStream {
  ZYL_CLASS(TStringStream, TStream)
  explicit TStringStream(std::string data = std::string());
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;
  const std::string& DataString() const { return data_; }
  // Up to `count` bytes from the position.
  std::string ReadString(int32_t count);
  void WriteString(const std::string& s);

 private:
  std::string data_;
  int64_t position_ = 0;
};

// The name as it reaches the operating system (the layer's path policy, NativeFileName);
// empty for names on unmapped drives.
std::string StreamFileName(const std::string& fileName);

}  // namespace vcl
