// The registry hive of one root key: the file is put in place, every key (to a bounded depth
// and breadth) is listed with its values and their data, then one value is written (a read,
// change and save of the whole hive) and must read back.
#include <cstdlib>

#include "fuzz/FuzzSupport.h"
#include "platform/sys/RegStore.h"
#include "platform/sys/WinReg.h"

namespace rs = win::regstore;

namespace {

void Walk(win::HKEY root, const std::string& path, int depth) {
  std::vector<std::string> names;
  rs::TKeyInfo info;
  rs::QueryInfo(root, path, info);
  if (rs::ValueNames(root, path, names) == win::regerr::kSuccess) {
    for (size_t i = 0; i < names.size() && i < 64; ++i) {
      rs::TValue value;
      rs::QueryValue(root, path, names[i], value);
    }
  }
  if (depth >= 8 || rs::SubKeyNames(root, path, names) != win::regerr::kSuccess) return;
  for (size_t i = 0; i < names.size() && i < 16; ++i)
    Walk(root, rs::JoinPath(path, names[i]), depth + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    ::setenv("ZYL_REGISTRY_DIR", fuzz::ScratchFolder().c_str(), 1);
    return true;
  }();
  (void)ready;
  const win::HKEY root = win::HKEY_CURRENT_USER;
  fuzz::WriteScratchFile(rs::HiveFile(root).substr(fuzz::ScratchFolder().size() + 1), data, size);
  fuzz::Expect([&] {
    Walk(root, "", 0);
    rs::TValue value{win::REG_SZ, std::string("fuzz", 5)};
    if (rs::SetValue(root, "Fuzz", "Value", value) != win::regerr::kSuccess) return;
    rs::TValue back;
    if (rs::QueryValue(root, "Fuzz", "Value", back) != win::regerr::kSuccess ||
        back.Data != value.Data)
      std::abort();
  });
  return 0;
}
