// The form's icon in its caption: the form's Icon, else the application's, else the system's
// application icon, handed to the window as it is made and whenever one of them changes; a
// dialog's frame shows none.
#include "ControlsTestSupport.h"

#include "platform/gdi/GdiGuards.h"

namespace vcl::testing {
namespace {

using FormIconTest = ControlsTest;

// A 32 x 32 opaque icon of one colour (a COLORREF).
win::HICON SolidIcon(win::COLORREF c) {
  const uint32_t pixel =
      (uint32_t(win::GetRValue(c)) << 16) | (uint32_t(win::GetGValue(c)) << 8) | win::GetBValue(c);
  const std::vector<uint32_t> bits(32 * 32, pixel);
  const std::vector<uint8_t> mask(4 * 32, 0);
  const win::TOwnedObject<win::HBITMAP> color(win::CreateBitmap(32, 32, 1, 32, bits.data()));
  const win::TOwnedObject<win::HBITMAP> monochrome(win::CreateBitmap(32, 32, 1, 1, mask.data()));
  win::ICONINFO ii{};
  ii.fIcon = win::TRUE;
  ii.hbmColor = color;
  ii.hbmMask = monochrome;
  return win::CreateIconIndirect(&ii);
}

win::HICON Shown(TCustomForm* f) {
  return reinterpret_cast<win::HICON>(
      win::SendMessageA(f->Handle(), win::WM_GETICON, win::ICON_BIG, 0));
}

std::unique_ptr<TForm> Framed(TFormBorderStyle Style = bsSizeable) {
  auto f = std::make_unique<TForm>(nullptr);
  f->SetBorderStyle(Style);
  f->SetBounds(20, 20, 200, 100);
  f->SetCaption("Icon");
  ShowNow(f.get());
  return f;
}

TEST_F(FormIconTest, TheFormsIconElseTheApplicationsElseTheSystemsIsShown) {
  const win::HICON system = win::LoadIconA(nullptr, win::MAKEINTRESOURCE(win::IDI_APPLICATION));
  auto form = Framed();
  EXPECT_EQ(Shown(form.get()), system);
  Application->Icon()->SetHandle(SolidIcon(win::RGB(0, 0, 255)));
  EXPECT_EQ(Shown(form.get()), Application->Icon()->Handle());
  form->Icon()->SetHandle(SolidIcon(win::RGB(255, 0, 0)));
  EXPECT_EQ(Shown(form.get()), form->Icon()->Handle());
  // A form created after the application's icon changed shows it too.
  auto later = Framed();
  EXPECT_EQ(Shown(later.get()), Application->Icon()->Handle());
  form->Icon()->Assign(nullptr);
  EXPECT_EQ(Shown(form.get()), Application->Icon()->Handle());
  Application->Icon()->Assign(nullptr);
  EXPECT_EQ(Shown(form.get()), system);
  EXPECT_EQ(Shown(later.get()), system);
}

TEST_F(FormIconTest, ADialogFrameShowsNoIconAndARecreatedWindowGetsItsIconAgain) {
  auto dialog = Framed(bsDialog);
  dialog->Icon()->SetHandle(SolidIcon(win::RGB(255, 0, 0)));
  EXPECT_EQ(Shown(dialog.get()), nullptr);
  dialog->SetBorderStyle(bsSingle);  // a new window
  Idle();
  EXPECT_EQ(Shown(dialog.get()), dialog->Icon()->Handle());
}

}  // namespace
}  // namespace vcl::testing
