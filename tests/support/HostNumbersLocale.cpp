#include "tests/support/HostNumbersLocale.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace testsupport {

namespace {

constexpr char kLocale[] = "de_DE.UTF-8";

// The folder holding the made locale, or "" with the reason when it cannot be made.
const std::string& LocaleFolder(std::string& why) {
  static std::string reason;
  static const std::string folder = [] {
    const char* tmp = std::getenv("ZYL_TEST_TMP");
    const std::filesystem::path dir =
        std::filesystem::path(tmp && *tmp ? tmp : std::filesystem::temp_directory_path().string()) /
        "host-locales";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (std::filesystem::exists(dir / kLocale)) return dir.string();
    // Made aside and moved in whole, so that test programs running side by side never read a
    // locale another one is still writing.
    const std::filesystem::path aside =
        dir / (std::string(kLocale) + "." + std::to_string(::getpid()));
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + aside.string() + "' >/dev/null 2>&1";
    const bool made = std::system(command.c_str()) == 0;
    if (made) std::filesystem::rename(aside, dir / kLocale, ec);
    std::filesystem::remove_all(aside, ec);
    if (!std::filesystem::exists(dir / kLocale)) {
      reason = "localedef could not make de_DE.UTF-8 (the locales package is missing)";
      return std::string();
    }
    return dir.string();
  }();
  why = reason;
  return folder;
}

}  // namespace

THostNumbersLocale::THostNumbersLocale() {
  if (const char* now = std::setlocale(LC_ALL, nullptr)) previous_ = now;
  const std::string& folder = LocaleFolder(why_);
  if (folder.empty()) return;
  if (const char* path = std::getenv("LOCPATH")) {
    hadLocPath_ = true;
    locPath_ = path;
  }
  setenv("LOCPATH", folder.c_str(), 1);
  inForce_ = std::setlocale(LC_ALL, kLocale) != nullptr;
  if (!inForce_) why_ = "setlocale refused the locale made in " + folder;
}

THostNumbersLocale::~THostNumbersLocale() {
  std::setlocale(LC_ALL, previous_.empty() ? "C" : previous_.c_str());
  if (hadLocPath_)
    setenv("LOCPATH", locPath_.c_str(), 1);
  else
    unsetenv("LOCPATH");
}

}  // namespace testsupport
