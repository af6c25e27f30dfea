// The test kit's counts of what the program holds in the window system's and the framework's
// tables.
#include <mutex>
#include <ostream>
#include <string>

#include "platform/controls/Forms.h"
#include "platform/controls/ObjectInstance.h"
#include "platform/gdi/GdiInternal.h"
#include "platform/sys/RegStore.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/UserInternal.h"
#include "platform/user/WndProcThunk.h"

namespace win::testkit {

namespace {

// The kinds by name, in the order ResourceChanges reports them.
struct TKind {
  const char* Name;
  size_t TLiveResources::*Count;
};
constexpr TKind kKinds[] = {
    {"Pens", &TLiveResources::Pens},
    {"Brushes", &TLiveResources::Brushes},
    {"Fonts", &TLiveResources::Fonts},
    {"Bitmaps", &TLiveResources::Bitmaps},
    {"Regions", &TLiveResources::Regions},
    {"Palettes", &TLiveResources::Palettes},
    {"DCs", &TLiveResources::DCs},
    {"Icons", &TLiveResources::Icons},
    {"GdiObjects", &TLiveResources::GdiObjects},
    {"Windows", &TLiveResources::Windows},
    {"WindowClasses", &TLiveResources::WindowClasses},
    {"Timers", &TLiveResources::Timers},
    {"Carets", &TLiveResources::Carets},
    {"Properties", &TLiveResources::Properties},
    {"Menus", &TLiveResources::Menus},
    {"HotKeys", &TLiveResources::HotKeys},
    {"WindowDCs", &TLiveResources::WindowDCs},
    {"TrayIcons", &TLiveResources::TrayIcons},
    {"Atoms", &TLiveResources::Atoms},
    {"GlobalBlocks", &TLiveResources::GlobalBlocks},
    {"RegistryKeys", &TLiveResources::RegistryKeys},
    {"ObjectInstances", &TLiveResources::ObjectInstances},
    {"BoundWndProcs", &TLiveResources::BoundWndProcs},
    {"WindowHooks", &TLiveResources::WindowHooks},
};
static_assert(sizeof(kKinds) / sizeof(kKinds[0]) == sizeof(TLiveResources) / sizeof(size_t),
              "every count has its name");

void CountWindows(TLiveResources& r) {
  user::State& s = user::UserState();
  std::lock_guard lock(s.TableMutex);
  for (const auto& [handle, w] : s.Handles) {
    if (w->IsDesktop()) continue;
    ++r.Windows;
    r.Properties += w->Props.size();
  }
  for (const auto& cls : s.Classes)
    if (!cls->System) ++r.WindowClasses;
  for (const auto& [thread, q] : s.Queues) {
    std::lock_guard queueLock(q->Mutex);
    for (const user::Timer& t : q->Timers)
      if (!t.System) ++r.Timers;
  }
  r.Carets = s.Caret.Owner ? 1 : 0;
  r.HotKeys = s.HotKeys.size();
  r.WindowDCs = s.WindowDCs.size();
}

}  // namespace

TLiveResources LiveResources() {
  TLiveResources r;
  r.Pens = gdi::LiveObjectCount(OBJ_PEN) + gdi::LiveObjectCount(OBJ_EXTPEN);
  r.Brushes = gdi::LiveObjectCount(OBJ_BRUSH);
  r.Fonts = gdi::LiveObjectCount(OBJ_FONT);
  r.Bitmaps = gdi::LiveObjectCount(OBJ_BITMAP);
  r.Regions = gdi::LiveObjectCount(OBJ_REGION);
  r.Palettes = gdi::LiveObjectCount(OBJ_PAL);
  r.DCs = gdi::LiveObjectCount(OBJ_DC) + gdi::LiveObjectCount(OBJ_MEMDC);
  r.Icons = gdi::LiveObjectCount(gdi::kIconObjectType);
  r.GdiObjects = gdi::LiveObjectCount();
  CountWindows(r);
  r.Menus = user::LiveMenuCount();
  r.TrayIcons = ShellTrayIcons().size();
  r.Atoms = user::LiveAtomCount();
  r.GlobalBlocks = user::LiveGlobalBlockCount();
  r.RegistryKeys = regstore::OpenHandleCount();
  r.ObjectInstances = static_cast<size_t>(vcl::ObjectInstanceCount());
  r.BoundWndProcs = UsedWndProcCount();
  r.WindowHooks = vcl::Application ? static_cast<size_t>(vcl::Application->WindowHookCount()) : 0;
  return r;
}

std::string ResourceChanges(const TLiveResources& before, const TLiveResources& after) {
  std::string text;
  for (const TKind& kind : kKinds) {
    const size_t was = before.*kind.Count, is = after.*kind.Count;
    if (was == is) continue;
    if (!text.empty()) text += ", ";
    text += std::string(kind.Name) + " " + std::to_string(was) + " -> " + std::to_string(is);
  }
  return text;
}

std::ostream& operator<<(std::ostream& out, const TLiveResources& counts) {
  const char* separator = "";
  for (const TKind& kind : kKinds) {
    if (counts.*kind.Count == 0) continue;
    out << separator << kind.Name << " " << counts.*kind.Count;
    separator = ", ";
  }
  return out;
}

}  // namespace win::testkit
