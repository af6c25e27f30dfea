#include "platform/user/WndProcThunk.h"

#include <array>
#include <mutex>
#include <utility>
#include <vector>

namespace win {

namespace {

constexpr size_t kSlots = 2048;

struct Slot {
  BoundWndProc Fn = nullptr;
  void* Context = nullptr;
};

std::array<Slot, kSlots> g_slots;
std::mutex g_mutex;
std::vector<size_t> g_free;
bool g_init = false;

__attribute__((noinline)) LRESULT CallSlot(size_t i, HWND h, UINT m, WPARAM w, LPARAM l) {
  const Slot& s = g_slots[i];
  return s.Fn ? s.Fn(s.Context, h, m, w, l) : DefWindowProcA(h, m, w, l);
}

// Each instance only forwards its index (kept tiny: thousands are compiled).
template <size_t I>
LRESULT SlotProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  return CallSlot(I, h, m, w, l);
}

template <size_t... I>
constexpr std::array<WNDPROC, sizeof...(I)> MakeProcs(std::index_sequence<I...>) {
  return {&SlotProc<I>...};
}

const std::array<WNDPROC, kSlots> kProcs = MakeProcs(std::make_index_sequence<kSlots>());

void Init() {
  if (g_init) return;
  g_free.reserve(kSlots);
  for (size_t i = kSlots; i-- > 0;) g_free.push_back(i);
  g_init = true;
}

}  // namespace

WNDPROC AllocateWndProc(BoundWndProc fn, void* context) {
  if (!fn) return nullptr;
  std::lock_guard lock(g_mutex);
  Init();
  if (g_free.empty()) return nullptr;
  const size_t i = g_free.back();
  g_free.pop_back();
  g_slots[i].Context = context;
  g_slots[i].Fn = fn;
  return kProcs[i];
}

void FreeWndProc(WNDPROC proc) {
  if (!proc) return;
  std::lock_guard lock(g_mutex);
  Init();
  for (size_t i = 0; i < kSlots; ++i) {
    if (kProcs[i] != proc) continue;
    if (!g_slots[i].Fn) return;  // already free
    g_slots[i] = Slot();
    g_free.push_back(i);
    return;
  }
}

size_t FreeWndProcCount() {
  std::lock_guard lock(g_mutex);
  Init();
  return g_free.size();
}

size_t UsedWndProcCount() { return kSlots - FreeWndProcCount(); }

}  // namespace win
