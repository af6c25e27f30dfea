#include "platform/controls/UtilWindow.h"

#include <map>
#include <memory>

#include "platform/controls/Forms.h"
#include "platform/user/WndProcThunk.h"

namespace vcl {

namespace {

struct TUtilWindow {
  TWndMethod Method;
  win::WNDPROC Proc = nullptr;
};

std::map<win::HWND, std::unique_ptr<TUtilWindow>>& UtilWindows() {
  static std::map<win::HWND, std::unique_ptr<TUtilWindow>> m;
  return m;
}

win::LRESULT UtilWindowProc(void* context, win::HWND, win::UINT msg, win::WPARAM wParam,
                            win::LPARAM lParam) {
  auto* w = static_cast<TUtilWindow*>(context);
  TMessage m;
  m.Msg = msg;
  m.WParam = wParam;
  m.LParam = lParam;
  HandlingExceptions(w->Method.Object(), [&] { w->Method(m); });
  return m.Result;
}

constexpr const char* UtilWindowClass = "TPUtilWindow";

}  // namespace

win::HWND AllocateHWnd(const TWndMethod& Method) {
  if (!Method) return nullptr;
  win::WNDCLASSA existing;
  if (!win::GetClassInfoA(nullptr, UtilWindowClass, &existing)) {
    win::WNDCLASSA wc;
    wc.lpfnWndProc = &win::DefWindowProcA;
    wc.lpszClassName = UtilWindowClass;
    win::RegisterClassA(&wc);
  }
  auto w = std::make_unique<TUtilWindow>();
  w->Method = Method;
  w->Proc = win::AllocateWndProc(&UtilWindowProc, w.get());
  if (!w->Proc) return nullptr;
  win::HWND h = win::CreateWindowExA(win::WS_EX_TOOLWINDOW, UtilWindowClass, "", win::WS_POPUP, 0,
                                     0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!h) {
    win::FreeWndProc(w->Proc);
    return nullptr;
  }
  win::SetWindowLongPtrA(h, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(w->Proc));
  UtilWindows()[h] = std::move(w);
  return h;
}

void DeallocateHWnd(win::HWND Wnd) {
  auto& m = UtilWindows();
  auto it = m.find(Wnd);
  if (!Wnd || it == m.end()) return;
  std::unique_ptr<TUtilWindow> w = std::move(it->second);
  m.erase(it);
  if (win::IsWindow(Wnd)) {
    win::SetWindowLongPtrA(Wnd, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(&win::DefWindowProcA));
    win::DestroyWindow(Wnd);
  }
  win::FreeWndProc(w->Proc);
}

}  // namespace vcl
