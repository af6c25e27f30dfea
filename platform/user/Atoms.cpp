// The global atom table: strings of up to 255 characters shared under 16-bit numbers.
// String atoms count from 0xC000 and are reference counted; "#<n>" with n in 1 .. 0xBFFF
// is the integer atom n itself and is never stored. Names compare without regard to case.
#include <cctype>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "platform/user/UserInternal.h"
#include "platform/user/WinUser.h"

namespace win {

namespace {

struct AtomEntry {
  std::string Name;
  unsigned Refs = 0;  // 0: the slot is free
};

constexpr ATOM FirstStringAtom = 0xC000;
constexpr size_t MaxAtomName = 255;

std::mutex& AtomLock() {
  static std::mutex m;
  return m;
}
std::vector<AtomEntry>& AtomTable() {
  static std::vector<AtomEntry> t;
  return t;
}

bool SameName(const std::string& a, const char* b) {
  const size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// 1: an integer atom (value in *out), 0: a string name, -1: invalid.
int IntegerAtom(LPCSTR name, ATOM* out) {
  if (name[0] != '#') return 0;
  unsigned long v = 0;
  const char* p = name + 1;
  if (!*p) return -1;
  for (; *p; ++p) {
    if (*p < '0' || *p > '9') return 0;  // "#abc" is an ordinary name
    v = v * 10 + static_cast<unsigned long>(*p - '0');
    if (v >= FirstStringAtom) return -1;
  }
  if (v == 0) return -1;
  *out = static_cast<ATOM>(v);
  return 1;
}

bool ValidName(LPCSTR name) { return name && *name && std::strlen(name) <= MaxAtomName; }

}  // namespace

ATOM GlobalAddAtomA(LPCSTR name) {
  if (!ValidName(name)) return 0;
  ATOM a = 0;
  const int kind = IntegerAtom(name, &a);
  if (kind != 0) return kind > 0 ? a : 0;
  std::lock_guard<std::mutex> g(AtomLock());
  auto& t = AtomTable();
  size_t free = t.size();
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i].Refs == 0) {
      if (free == t.size()) free = i;
      continue;
    }
    if (SameName(t[i].Name, name)) {
      ++t[i].Refs;
      return static_cast<ATOM>(FirstStringAtom + i);
    }
  }
  if (free == t.size()) {
    if (t.size() >= 0x4000) return 0;  // the table is full
    t.emplace_back();
  }
  t[free].Name = name;
  t[free].Refs = 1;
  return static_cast<ATOM>(FirstStringAtom + free);
}

ATOM GlobalFindAtomA(LPCSTR name) {
  if (!ValidName(name)) return 0;
  ATOM a = 0;
  const int kind = IntegerAtom(name, &a);
  if (kind != 0) return kind > 0 ? a : 0;
  std::lock_guard<std::mutex> g(AtomLock());
  const auto& t = AtomTable();
  for (size_t i = 0; i < t.size(); ++i)
    if (t[i].Refs && SameName(t[i].Name, name)) return static_cast<ATOM>(FirstStringAtom + i);
  return 0;
}

ATOM GlobalDeleteAtom(ATOM atom) {
  if (atom < FirstStringAtom) return 0;  // integer atoms need no deleting
  std::lock_guard<std::mutex> g(AtomLock());
  auto& t = AtomTable();
  const size_t i = atom - FirstStringAtom;
  if (i >= t.size() || t[i].Refs == 0) return atom;  // failure answers the atom
  if (--t[i].Refs == 0) t[i].Name.clear();
  return 0;
}

UINT GlobalGetAtomNameA(ATOM atom, LPSTR buffer, int size) {
  if (!buffer || size <= 0 || atom == 0) return 0;
  std::string name;
  if (atom < FirstStringAtom) {
    name = "#" + std::to_string(atom);
  } else {
    std::lock_guard<std::mutex> g(AtomLock());
    const auto& t = AtomTable();
    const size_t i = atom - FirstStringAtom;
    if (i >= t.size() || t[i].Refs == 0) return 0;
    name = t[i].Name;
  }
  const size_t n = std::min(name.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, name.data(), n);
  buffer[n] = '\0';
  return static_cast<UINT>(n);
}

namespace user {

size_t LiveAtomCount() {
  std::lock_guard<std::mutex> g(AtomLock());
  size_t n = 0;
  for (const AtomEntry& e : AtomTable())
    if (e.Refs) ++n;
  return n;
}

}  // namespace user

}  // namespace win
