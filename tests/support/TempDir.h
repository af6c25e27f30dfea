// A fresh temporary folder per test, removed afterwards.
#pragma once

#include <string>

namespace testsupport {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return path_; }
  // Path of a file inside the folder.
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::string home_;  // the current folder when the folder was made
};

// The folder of the project's sources (for fixtures under tests/ and examples/).
std::string SourceDir();

// The bytes of a file of the sources, named from the source folder ("tests/fuzz/x/seed.bin");
// a std::runtime_error naming it when it cannot be read.
std::string SourceFile(const std::string& relative);

}  // namespace testsupport
