#include "tests/edits/ComboTestHost.h"

#include <algorithm>

#include "platform/graphics/Colors.h"

namespace combotest {

using edittest::THost;

std::vector<std::string> Texts(vcl::TCustomComboBox* Combo) {
  std::vector<std::string> out;
  for (int i = 0; i < Combo->Items()->Count(); ++i) out.push_back(Combo->Items()->Get(i));
  return out;
}

void ClickButton(vcl::TCustomComboBox* Combo) {
  win::COMBOBOXINFO info;
  ASSERT_TRUE(win::GetComboBoxInfo(Combo->Handle(), &info));
  const win::POINT p = THost::At(Combo, info.rcButton.Left + 4, info.rcButton.Top + 4);
  win::testkit::Click(p.X, p.Y);
  THost::Idle();
}

win::RECT ListItemRect(vcl::TCustomComboBox* Combo, int Index) {
  win::RECT r{};
  win::SendMessageA(Combo->ListHandle(), win::LB_GETITEMRECT, static_cast<win::WPARAM>(Index),
                    reinterpret_cast<win::LPARAM>(&r));
  return r;
}

void ChooseByMouse(vcl::TCustomComboBox* Combo, int Index) {
  if (!Combo->DroppedDown()) ClickButton(Combo);
  ASSERT_TRUE(Combo->DroppedDown());
  // Bring the item into view first: the list scrolls to the chosen one.
  win::SendMessageA(Combo->ListHandle(), win::LB_SETTOPINDEX, static_cast<win::WPARAM>(Index), 0);
  THost::Idle();
  const win::RECT r = ListItemRect(Combo, Index);
  const win::POINT p = win::testkit::ScreenPoint(Combo->ListHandle(), 5, (r.Top + r.Bottom) / 2);
  win::testkit::Click(p.X, p.Y);
  THost::Idle();
}

win::testkit::TCapture ShotWindow(win::HWND Window) {
  THost::Idle();
  win::RECT r;
  win::GetWindowRect(Window, &r);
  const win::testkit::TCapture screen = win::testkit::CaptureScreen();
  // A window reaching past the screen's edge shows black there.
  return win::testkit::MakeCapture(r.Right - r.Left, r.Bottom - r.Top, [&](int x, int y) {
    const int sx = r.Left + x, sy = r.Top + y;
    const bool onScreen = sx >= 0 && sy >= 0 && sx < screen.Width && sy < screen.Height;
    return onScreen ? screen.Color(sx, sy) : win::COLORREF{0};
  });
}

::testing::AssertionResult RingsAre(const win::testkit::TCapture& Shot,
                                    const std::vector<vcl::TColor>& Rings, const char* Name) {
  const int w = Shot.Width, h = Shot.Height;
  const int depth = static_cast<int>(Rings.size());
  return win::testkit::PixelsMatch(
      Shot,
      [&](int x, int y) -> win::COLORREF {
        const int ring = std::min({x, y, w - 1 - x, h - 1 - y});
        // Inside the rings the combo's own drawing stands as it is.
        if (ring >= depth) return Shot.Color(x, y);
        return static_cast<win::COLORREF>(vcl::ColorToRGB(Rings[static_cast<size_t>(ring)]));
      },
      Name);
}

}  // namespace combotest
