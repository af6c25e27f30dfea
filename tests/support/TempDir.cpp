#include "tests/support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testsupport {

TempDir::TempDir() {
  namespace fs = std::filesystem;
  const char* base = std::getenv("ZYL_TEST_TMP");
  fs::path root = base && *base ? fs::path(base) : fs::temp_directory_path();
  fs::create_directories(root);
  std::string pattern = (root / "zylXXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
  std::error_code ec;
  home_ = fs::current_path(ec).string();
}

TempDir::~TempDir() {
  std::error_code ec;
  // A test that chose a file here (a file dialog moves the current folder to it) must not leave
  // the process in a folder that is about to go.
  std::string now = std::filesystem::current_path(ec).string();
  if ((ec || now.rfind(path_, 0) == 0) && !home_.empty()) std::filesystem::current_path(home_, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string SourceDir() { return ZYL_SOURCE_DIR; }

std::string SourceFile(const std::string& relative) {
  const std::string path = SourceDir() + "/" + relative;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace testsupport
