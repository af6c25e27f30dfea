#include "fuzz/FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Locale.h"
#include "platform/testkit/ControlsSession.h"

namespace fuzz {

const std::string& ScratchFolder() {
  static const std::string folder = [] {
    const char* tmp = std::getenv("ZYL_TEST_TMP");
    std::filesystem::path base = tmp && *tmp ? tmp : std::filesystem::temp_directory_path();
    const auto dir = base / ("zyl-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    static const std::string removeAtExit = dir.string();
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(removeAtExit, ec);
    });
    return dir.string();
  }();
  return folder;
}

void StartClipboardSession() {
  static vcl::testkit::TControlsSession* session = [] {
    setenv("ZYL_CLIPBOARD_FILE", (ScratchFolder() + "/clipboard").c_str(), 1);
    auto* s = new vcl::testkit::TControlsSession(640, 480);
    vcl::RegisterStandardControls();
    return s;
  }();
  (void)session;
}

void ReadLocaleOnce() {
  static const bool localeRead = [] {
    vcl::GetFormatSettings();
    return true;
  }();
  (void)localeRead;
}

std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = ScratchFolder() + "/" + name;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  const bool ok = std::fwrite(data, 1, size, f) == size;
  if (std::fclose(f) != 0 || !ok) throw std::runtime_error("cannot write " + path);
  return path;
}

}  // namespace fuzz
