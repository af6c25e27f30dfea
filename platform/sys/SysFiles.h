// Whole-file reading and atomic rewriting for the settings files of this module, with names
// under the layer's path policy (platform/rtl/FileUtils.h).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct stat;

namespace vcl::sysfiles {

// Identifies one version of a file on disk (Exists false: no file).
struct TFileStamp {
  bool Exists = false;
  uint64_t Dev = 0, Ino = 0, Size = 0;
  int64_t Sec = 0, Nsec = 0;
  bool operator==(const TFileStamp&) const = default;
};

// Files larger than this are refused rather than read into memory.
constexpr uint64_t kMaxFileSize = uint64_t{64} * 1024 * 1024;

// The stamp of the file now (Exists false when it does not exist or its drive is unmapped).
TFileStamp StampOf(const std::string& name);
// The stamp of the file a stat or fstat call described.
TFileStamp StampOf(const struct stat& st);
// Reads the whole file: 0, or ENOENT when there is no such file (or its drive is not mapped),
// EISDIR for something that is not a regular file, EFBIG above kMaxFileSize, else the errno
// of the failure. `stamp` is the stamp of the text read.
int ReadWholeFile(const std::string& name, std::string& text, TFileStamp& stamp);
// The same for a file already open for reading as `fd` (which stays open), for callers that
// tell a failure to open from a failure to read.
int ReadOpenFile(int fd, std::string& text, TFileStamp& stamp);
// Replaces the file's contents through a temporary file in the same folder that is renamed
// over it (keeping the mode of an existing file and writing through symbolic links). False
// with errno set on failure, leaving the old file as it was.
bool WriteWholeFile(const std::string& name, const std::string& text);
// Read-modify-write of a file under an exclusive advisory lock (flock) of its folder, so that
// writers in other threads and processes that use this function lose nothing: `change` gets
// the current text (`exists` false for no file) and answers whether to write it back. Answers
// 0, or an error code as ReadWholeFile does (ENOENT also for a missing folder).
int UpdateWholeFile(const std::string& name,
                    const std::function<bool(std::string& text, bool exists)>& change);
// The system's text for an error code of the functions above.
std::string ErrorText(int code);

}  // namespace vcl::sysfiles
