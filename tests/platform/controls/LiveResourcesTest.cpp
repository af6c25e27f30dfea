// The test kit's counts of what a program holds in the window system's and the framework's
// tables: each kind counts one more for a resource taken, and is back when it is given back.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/Forms.h"
#include "platform/controls/ObjectInstance.h"
#include "platform/sys/RegStore.h"
#include "platform/sys/ShellApi.h"
#include "platform/sys/WinReg.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WndProcThunk.h"

namespace {

using win::testkit::LiveResources;
using win::testkit::ResourceChanges;
using win::testkit::TLiveResources;

struct TReceiver : vcl::TObject {
  void Receive(vcl::TMessage&) {}
  bool Hook(vcl::TMessage&) { return false; }
};

// One kind: the count it reads, how a program takes one resource of it on the host window
// (answering what gives it back), and that giving back.
struct TKindCase {
  const char* Name;
  size_t TLiveResources::*Count;
  std::function<std::function<void()>(win::HWND host)> Take;
};

template <class H, class F>
std::function<void()> Deleting(H handle, F free) {
  EXPECT_NE(handle, H{});
  return [handle, free] { free(handle); };
}

std::vector<TKindCase> Kinds(TReceiver* receiver) {
  using namespace win;
  using R = TLiveResources;
  auto object = [](HGDIOBJ h) { return Deleting(h, [](HGDIOBJ o) { DeleteObject(o); }); };
  return {
      {"Pens", &R::Pens, [=](HWND) { return object(CreatePen(PS_SOLID, 1, 0)); }},
      {"Brushes", &R::Brushes, [=](HWND) { return object(CreateSolidBrush(0xFF)); }},
      {"Fonts", &R::Fonts,
       [=](HWND) {
         LOGFONTA log{};
         log.lfHeight = -12;
         return object(CreateFontIndirectA(&log));
       }},
      {"Bitmaps", &R::Bitmaps, [=](HWND) { return object(CreateBitmap(4, 4, 1, 32, nullptr)); }},
      {"Regions", &R::Regions, [=](HWND) { return object(CreateRectRgn(0, 0, 4, 4)); }},
      {"Palettes", &R::Palettes,
       [=](HWND) {
         LOGPALETTE log;
         log.palNumEntries = 1;
         log.palPalEntry[0] = {};
         return object(CreatePalette(&log));
       }},
      {"DCs", &R::DCs,
       [](HWND) { return Deleting(CreateCompatibleDC(nullptr), [](HDC dc) { DeleteDC(dc); }); }},
      {"Icons", &R::Icons,
       [](HWND) {
         const HICON shared = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
         return Deleting(CopyIcon(shared), [](HICON icon) { DestroyIcon(icon); });
       }},
      {"Windows", &R::Windows,
       [](HWND host) {
         const HWND child = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 8, 8, host, nullptr,
                                            nullptr, nullptr);
         return Deleting(child, [](HWND w) { DestroyWindow(w); });
       }},
      {"WindowClasses", &R::WindowClasses,
       [](HWND) {
         WNDCLASSA wc;
         wc.lpfnWndProc = DefWindowProcA;
         wc.lpszClassName = "LiveResourcesProbe";
         EXPECT_NE(RegisterClassA(&wc), ATOM{0});
         return [] { UnregisterClassA("LiveResourcesProbe", nullptr); };
       }},
      {"Timers", &R::Timers,
       [](HWND host) {
         EXPECT_NE(SetTimer(host, 7, 100, nullptr), 0u);
         return [host] { KillTimer(host, 7); };
       }},
      {"Carets", &R::Carets,
       [](HWND host) {
         EXPECT_TRUE(CreateCaret(host, nullptr, 2, 10));
         return [] { DestroyCaret(); };
       }},
      {"Properties", &R::Properties,
       [](HWND host) {
         EXPECT_TRUE(SetPropA(host, "probe", reinterpret_cast<HANDLE>(uintptr_t{1})));
         return [host] { RemovePropA(host, "probe"); };
       }},
      {"Menus", &R::Menus,
       [](HWND) { return Deleting(CreatePopupMenu(), [](HMENU m) { DestroyMenu(m); }); }},
      {"HotKeys", &R::HotKeys,
       [](HWND host) {
         EXPECT_TRUE(RegisterHotKey(host, 3, MOD_CONTROL, 'Q'));
         return [host] { UnregisterHotKey(host, 3); };
       }},
      {"WindowDCs", &R::WindowDCs,
       [](HWND host) {
         const HDC dc = GetDC(host);
         EXPECT_NE(dc, nullptr);
         return [host, dc] { ReleaseDC(host, dc); };
       }},
      {"TrayIcons", &R::TrayIcons,
       [](HWND host) {
         NOTIFYICONDATAA data;
         data.hWnd = host;
         data.uID = 5;
         EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
         return [data]() mutable { Shell_NotifyIconA(NIM_DELETE, &data); };
       }},
      {"Atoms", &R::Atoms,
       [](HWND) {
         const ATOM atom = GlobalAddAtomA("live resources probe");
         return Deleting(atom, [](ATOM a) { GlobalDeleteAtom(a); });
       }},
      {"GlobalBlocks", &R::GlobalBlocks,
       [](HWND) { return Deleting(GlobalAlloc(GHND, 16), [](HGLOBAL m) { GlobalFree(m); }); }},
      {"RegistryKeys", &R::RegistryKeys,
       [](HWND) {
         const HKEY key = regstore::OpenHandle(HKEY_CURRENT_USER, "Software", KEY_READ);
         return Deleting(key, [](HKEY k) { regstore::CloseHandle(k); });
       }},
      {"ObjectInstances", &R::ObjectInstances,
       [receiver](HWND) {
         const WNDPROC proc =
             vcl::MakeObjectInstance(vcl::TWndMethod(receiver, &TReceiver::Receive));
         return Deleting(proc, [](WNDPROC p) { vcl::FreeObjectInstance(p); });
       }},
      {"BoundWndProcs", &R::BoundWndProcs,
       [](HWND) {
         const WNDPROC proc = AllocateWndProc(
             [](void*, HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; }, nullptr);
         return Deleting(proc, [](WNDPROC p) { FreeWndProc(p); });
       }},
      {"WindowHooks", &R::WindowHooks,
       [receiver](HWND) {
         const vcl::TWindowHook hook(receiver, &TReceiver::Hook);
         vcl::Application->HookMainWindow(hook);
         return [hook] { vcl::Application->UnhookMainWindow(hook); };
       }},
  };
}

TEST(LiveResources, EachKindCountsWhatIsTakenAndGivenBack) {
  vcl::testkit::TControlsSession session;
  const win::HWND host = win::CreateWindowExA(0, "BUTTON", "host", win::WS_OVERLAPPEDWINDOW, 0, 0,
                                              100, 80, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(host, nullptr);
  TReceiver receiver;
  const std::vector<TKindCase> kinds = Kinds(&receiver);
  // Every count has its row.
  EXPECT_EQ(kinds.size() + 1, sizeof(TLiveResources) / sizeof(size_t));
  for (const TKindCase& kind : kinds) {
    SCOPED_TRACE(kind.Name);
    const TLiveResources before = LiveResources();
    const std::function<void()> giveBack = kind.Take(host);
    const TLiveResources taken = LiveResources();
    EXPECT_EQ(taken.*kind.Count, before.*kind.Count + 1);
    // The change is reported under the kind's name.
    EXPECT_NE(ResourceChanges(before, taken)
                  .find(std::string(kind.Name) + " " + std::to_string(before.*kind.Count) + " -> " +
                        std::to_string(before.*kind.Count + 1)),
              std::string::npos)
        << ResourceChanges(before, taken);
    giveBack();
    EXPECT_EQ(LiveResources(), before) << ResourceChanges(before, LiveResources());
  }
  win::DestroyWindow(host);
}

TEST(LiveResources, GdiObjectsCountEveryKindAndChangesNameOnlyWhatDiffers) {
  vcl::testkit::TControlsSession session;
  const TLiveResources before = LiveResources();
  EXPECT_EQ(ResourceChanges(before, before), "");
  const win::HGDIOBJ pen = win::CreatePen(win::PS_SOLID, 1, 0);
  const win::HGDIOBJ brush = win::CreateSolidBrush(0);
  const TLiveResources taken = LiveResources();
  EXPECT_EQ(taken.GdiObjects, before.GdiObjects + 2);
  EXPECT_EQ(ResourceChanges(before, taken),
            "Pens " + std::to_string(before.Pens) + " -> " + std::to_string(before.Pens + 1) +
                ", Brushes " + std::to_string(before.Brushes) + " -> " +
                std::to_string(before.Brushes + 1) + ", GdiObjects " +
                std::to_string(before.GdiObjects) + " -> " + std::to_string(before.GdiObjects + 2));
  win::DeleteObject(pen);
  win::DeleteObject(brush);
  EXPECT_EQ(LiveResources(), before);
}

}  // namespace
