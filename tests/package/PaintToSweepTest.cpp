// Pictures taken away from the screen, over every registered control class (the framework's and
// the library's package's): a windowed control painted with PaintTo into a memory bitmap, and
// every control standing on a panel painted with the panel, equal what the screen shows of it,
// at the bitmap's corner and at an offset, in a bitmap whose DC has a clip region, a moved
// viewport or window origin, or another colour depth, and printed through WM_PRINT; nothing of
// the bitmap outside the control's place (and the clip) changes. Without a DC, PaintTo raises
// the canvas error and WM_PRINT does nothing. Painted while hidden, while its form is not shown and
// before its window exists, a control raises nothing, shows no window, paints nothing on the
// screen and keeps its state: a twin never painted that way compares equal afterwards.
// Where a class does otherwise for a reason its own description gives, it is named below with
// the reason; a named exception that no longer happens fails the sweep.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/controls/Controls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/rtl/Consts.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/DCGuards.h"
#include "tests/package/InputSteps.h"
#include "tests/package/NamedChecks.h"
#include "tests/package/PackageFixture.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace {

namespace tk = win::testkit;
using packagetest::TValues;

constexpr int kShards = 8;
// The untouched bitmap around the picture, and its colour, which no control paints.
constexpr int kMargin = 24;
constexpr win::COLORREF kUntouched = win::RGB(13, 201, 97);

// ---- Where the control stands ----

// On its form alone (painted itself, when it has a window), or on a panel painted with it.
enum class TPlace { Alone, OnPanel };

// A control of the class on a form at the screen's corner, alone or on a panel; the form is
// shown unless told. Lists get lines, button groups their buttons.
struct TPaintStage {
  std::unique_ptr<vcl::TForm> Form{new vcl::TForm(nullptr)};
  vcl::TPanel* Panel = nullptr;
  vcl::TControl* Control;

  TPaintStage(vcl::TClass cls, TPlace place, bool show = true) {
    Form->SetBounds(0, 0, 320, 240);
    vcl::TWinControl* parent = Form.get();
    if (place == TPlace::OnPanel) {
      Panel = new vcl::TPanel(Form.get());
      Panel->SetBounds(12, 10, 170, 110);
      Panel->SetCaption("");
      Panel->SetParent(Form.get());
      parent = Panel;
    }
    Control = static_cast<vcl::TControl*>(cls->Create(Form.get()));
    Control->SetBounds(10, 12, 120, 60);
    Control->SetParent(parent);
    packagetest::GiveItems(Control);
    if (show) Form->Show();
    tk::RunUntilIdle();
  }
  // What PaintTo paints: the panel, or the control itself; nullptr for a graphic control alone.
  vcl::TWinControl* Painted() const {
    if (Panel) return Panel;
    return dynamic_cast<vcl::TWinControl*>(Control);
  }
};

// ---- The bitmaps painted into ----

enum class TDc { Plain, Clipped, Viewport, WindowOrigin, Depth24, Depth16, Printed };

struct TDcCase {
  const char* Name;
  TDc Kind;
  int X, Y;  // given to PaintTo
  int Tolerance;
};

const TDcCase kDcs[] = {
    {"at the corner", TDc::Plain, 0, 0, 0},
    {"at an offset", TDc::Plain, 17, 9, 0},
    {"through a clip region", TDc::Clipped, 5, 11, 0},
    {"with a moved viewport origin", TDc::Viewport, 7, 3, 0},
    {"with a moved window origin", TDc::WindowOrigin, 4, 8, 0},
    {"into a 24-bit bitmap", TDc::Depth24, 9, 6, 0},
    // Five bits a channel: a colour comes back within 8 of what was painted.
    {"into a 16-bit bitmap", TDc::Depth16, 3, 14, 8},
    // The window system's picture of the window, its frame and its child windows.
    {"printed through WM_PRINT", TDc::Printed, 11, 2, 0},
};

// Where the picture's corner lands in the bitmap beyond X and Y, by the moved origins.
constexpr win::POINT kViewport{6, 5};
constexpr win::POINT kWindowOrigin{-8, -3};

// A bitmap of the size given, of the depth the case asks for (the screen's else).
win::HBITMAP MakeBitmap(TDc kind, int width, int height) {
  if (kind != TDc::Depth24 && kind != TDc::Depth16) {
    win::TWindowDC screen(nullptr);
    return win::CreateCompatibleBitmap(screen, width, height);
  }
  win::BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = kind == TDc::Depth24 ? 24 : 16;
  bi.bmiHeader.biCompression = win::BI_RGB;
  void* bits = nullptr;
  return win::CreateDIBSection(nullptr, &bi, win::DIB_RGB_COLORS, &bits, nullptr, 0);
}

// The bitmap's pixels, top-down.
tk::TCapture Pixels(win::HDC dc, win::HBITMAP bmp, int width, int height) {
  win::BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = win::BI_RGB;
  tk::TCapture c;
  c.Width = width;
  c.Height = height;
  c.Pixels.resize(static_cast<size_t>(width) * height);
  win::GetDIBits(dc, bmp, 0, static_cast<win::UINT>(height), c.Pixels.data(), &bi,
                 win::DIB_RGB_COLORS);
  for (uint32_t& p : c.Pixels) p &= 0xFFFFFF;
  return c;
}

// A bitmap of the untouched colour, `margin` wider than the control's picture on every side,
// that the control was painted into as the case says; `inClip` is told which bitmap pixels the
// clip region leaves (all but in the clipped case).
struct TPainted {
  tk::TCapture Picture;
  win::POINT Corner{};  // where the control's picture should stand
  std::function<bool(int x, int y)> InClip = [](int, int) { return true; };
};

TPainted PaintInto(vcl::TWinControl* w, const TDcCase& k) {
  const int width = w->Width() + 2 * kMargin, height = w->Height() + 2 * kMargin;
  TPainted out;
  win::TMemoryDC mem;
  win::TOwnedObject<win::HBITMAP> bmp(MakeBitmap(k.Kind, width, height));
  {
    win::TSelectedObject selected(mem, bmp);
    win::RECT all{0, 0, width, height};
    win::TOwnedObject<win::HBRUSH> untouched(win::CreateSolidBrush(kUntouched));
    win::FillRect(mem, &all, untouched);
    out.Corner = {kMargin + k.X, kMargin + k.Y};
    // PaintTo's X and Y are logical: the origins moved before move the picture with them.
    win::SetViewportOrgEx(mem, kMargin, kMargin, nullptr);
    if (k.Kind == TDc::Viewport) {
      win::OffsetViewportOrgEx(mem, kViewport.X, kViewport.Y, nullptr);
      out.Corner = {out.Corner.X + kViewport.X, out.Corner.Y + kViewport.Y};
    }
    if (k.Kind == TDc::WindowOrigin) {
      win::SetWindowOrgEx(mem, kWindowOrigin.X, kWindowOrigin.Y, nullptr);
      out.Corner = {out.Corner.X - kWindowOrigin.X, out.Corner.Y - kWindowOrigin.Y};
    }
    std::shared_ptr<win::TOwnedObject<win::HRGN>> clip;
    if (k.Kind == TDc::Clipped) {
      // An ellipse over the picture's middle and a band across its top, in device units.
      const int cx = out.Corner.X, cy = out.Corner.Y;
      clip = std::make_shared<win::TOwnedObject<win::HRGN>>(
          win::CreateEllipticRgn(cx + 10, cy + 6, cx + w->Width() - 14, cy + w->Height() + 9));
      win::TOwnedObject<win::HRGN> band(win::CreateRectRgn(0, cy + 2, width, cy + 5));
      win::CombineRgn(*clip, *clip, band, win::RGN_OR);
      win::SelectClipRgn(mem, *clip);
      out.InClip = [clip](int x, int y) { return win::PtInRegion(*clip, x, y) != 0; };
    }
    if (k.Kind == TDc::Printed) {
      win::OffsetWindowOrgEx(mem, -k.X, -k.Y, nullptr);
      win::SendMessageA(
          w->Handle(), win::WM_PRINT, reinterpret_cast<win::WPARAM>(mem.Get()),
          win::PRF_NONCLIENT | win::PRF_CLIENT | win::PRF_ERASEBKGND | win::PRF_CHILDREN);
    } else {
      w->PaintTo(mem, k.X, k.Y);
    }
  }
  out.Picture = Pixels(mem, bmp, width, height);
  return out;
}

// What the bitmap should hold: the screen's picture of the control at its corner inside the
// clip, the untouched colour everywhere else.
tk::TCapture Expected(const TPainted& p, const tk::TCapture& screen) {
  return tk::MakeCapture(p.Picture.Width, p.Picture.Height, [&](int x, int y) {
    const int sx = x - p.Corner.X, sy = y - p.Corner.Y;
    if (sx < 0 || sy < 0 || sx >= screen.Width || sy >= screen.Height || !p.InClip(x, y))
      return kUntouched;
    return screen.Color(sx, sy);
  });
}

// ---- The checks, and the named exceptions ----

constexpr char kPicture[] = "paints its screen picture";
constexpr char kNoRaise[] = "raises nothing";
constexpr char kNoShow[] = "shows no window";
constexpr char kNoScreen[] = "paints nothing on the screen";
constexpr char kKeeps[] = "keeps its state";
constexpr char kRefused[] = "refuses to paint without a DC";

// A check a class does not pass in one way of painting it unseen, and why.
struct TExempt {
  const char* Class;
  const char* Way;
  const char* Check;
  const char* Reason;
};

constexpr char kSizesToSegments[] =
    "its Paint first fits its width to whole segments (SmallBar.AutoSize), as its description "
    "says; a twin never painted keeps the width it was given";
constexpr char kCellsSized[] =
    "its Paint computes ShapeWidth and ShapeHeight from the cell counts (SetPerCount), as its "
    "description says; a twin never painted keeps 0";

// The ways a control is painted unseen, by index: hidden on its shown form, on a form that has
// its window but is not shown, before its form has a window.
const char* const kUnseen[] = {"hidden", "form not shown", "no window yet"};
enum { kHidden, kFormNotShown, kNoWindow };

const std::vector<TExempt>& Exemptions() {
  static const std::vector<TExempt> exempt = [] {
    std::vector<TExempt> e;
    // Shown, the twin has painted itself as well.
    for (const char* way : {kUnseen[kFormNotShown], kUnseen[kNoWindow]}) {
      e.push_back({"TZYLProgress", way, kKeeps, kSizesToSegments});
      e.push_back({"TZYLRepeatedShape", way, kKeeps, kCellsSized});
    }
    return e;
  }();
  return exempt;
}

// The checks of one class painted in one way (its place, then how), against the named exceptions.
packagetest::TNamedChecks Checks(const std::string& cls, TPlace place, const std::string& way) {
  std::set<std::string> named;
  for (const TExempt& e : Exemptions())
    if (cls == e.Class && way == e.Way) named.insert(e.Check);
  return packagetest::TNamedChecks(
      cls + " (" + (place == TPlace::Alone ? "alone" : "on a panel") + ", " + way + ")",
      std::move(named));
}

using packagetest::Differences;

// What `f` raised, "" when it returned.
std::string Raised(const std::function<void()>& f) {
  const std::string e = testsupport::ErrorOf<vcl::Exception>(f);
  return e == "<no error>" ? "" : e;
}

// What the screen shows of the painted control once its form is the active one.
tk::TCapture Seen(const TPaintStage& s) {
  win::SetForegroundWindow(s.Form->Handle());
  tk::RunUntilIdle();
  return tk::RenderWindow(s.Painted()->Handle(), true);
}

class PaintToSweep : public packagetest::TControlClassesSweep {
 protected:
  // Paints the control's stage into every kind of bitmap; answers the checks passed.
  int Pictures(vcl::TClass cls, TPlace place) {
    TPaintStage s(cls, place);
    vcl::TWinControl* w = s.Painted();
    if (!w || !s.Control->Visible() || !w->Showing()) return 0;
    // The focus goes to the form: a caret is the window system's, drawn over the control, and
    // no part of its picture.
    win::SetFocus(s.Form->Handle());
    tk::RunUntilIdle();
    const tk::TCapture screen = tk::RenderWindow(w->Handle(), true);
    int passed = 0;
    {
      // Without a DC: PaintTo says so, WM_PRINT does nothing.
      packagetest::TNamedChecks checks = Checks(cls->ClassName(), place, "without a DC");
      const std::string refused = Raised([&] { w->PaintTo(nullptr, 0, 0); });
      checks.Expect(kRefused, refused == vcl::SNoCanvasHandle, refused);
      const std::string raised = Raised([&] {
        win::SendMessageA(w->Handle(), win::WM_PRINT, 0, win::PRF_NONCLIENT | win::PRF_CLIENT);
      });
      checks.Expect(kNoRaise, raised.empty(), raised);
      passed += checks.Passed();
    }
    for (const TDcCase& k : kDcs) {
      SCOPED_TRACE(k.Name);
      packagetest::TNamedChecks checks = Checks(cls->ClassName(), place, k.Name);
      TPainted p;
      const std::string raised = Raised([&] { p = PaintInto(w, k); });
      checks.Expect(kNoRaise, raised.empty(), raised);
      const ::testing::AssertionResult same =
          tk::SamePixels(p.Picture, Expected(p, screen),
                         std::string("paintto_") + cls->ClassName() + "_" +
                             (place == TPlace::Alone ? "alone" : "panel") + "_" +
                             std::to_string(static_cast<int>(k.Kind)) + "_" + std::to_string(k.X),
                         k.Tolerance);
      checks.Expect(kPicture, same, same.message());
      passed += checks.Passed();
    }
    return passed;
  }

  // Paints the control where nothing of it shows, and compares it with a twin left alone.
  int Unseen(vcl::TClass cls, TPlace place, int way) {
    const bool show = way == kHidden;
    TPaintStage twin(cls, place, show);
    TPaintStage subject(cls, place, show);
    packagetest::TNamedChecks checks = Checks(cls->ClassName(), place, kUnseen[way]);
    vcl::TWinControl* w = subject.Painted();
    if (!w) return 0;
    if (show) {
      for (TPaintStage* s : {&twin, &subject}) s->Painted()->SetVisible(false);
    } else if (way == kFormNotShown) {
      for (TPaintStage* s : {&twin, &subject}) s->Form->HandleNeeded();
    }
    tk::RunUntilIdle();
    const bool hadWindow = w->HandleAllocated();
    const int shown = packagetest::ShownWindows();
    const tk::TCapture before = tk::CaptureScreen();
    const std::string raised = Raised([&] { PaintInto(w, kDcs[1]); });
    checks.Expect(kNoRaise, raised.empty(), raised);
    tk::RunUntilIdle();
    checks.Expect(kNoShow, packagetest::ShownWindows() == shown && !w->Showing() &&
                               !(w->HandleAllocated() && win::IsWindowVisible(w->Handle())));
    const ::testing::AssertionResult same = tk::SamePixels(
        tk::CaptureScreen(), before, std::string("paintto_screen_") + cls->ClassName());
    checks.Expect(kNoScreen, same, same.message());
    const TValues expected = packagetest::PublishedValues(twin.Control);
    const TValues actual = packagetest::PublishedValues(subject.Control);
    checks.Expect(kKeeps, expected == actual, Differences(expected, actual));
    // A window that existed before still does; shown, both look alike.
    checks.Expect(kKeeps, !hadWindow || w->HandleAllocated(), "lost its window");
    for (TPaintStage* s : {&twin, &subject}) {
      s->Painted()->SetVisible(true);
      s->Form->Show();
    }
    tk::RunUntilIdle();
    if (subject.Control->Visible() && w->Showing()) {
      const ::testing::AssertionResult alike = tk::SamePixels(
          Seen(subject), Seen(twin),
          std::string("paintto_after_") + cls->ClassName() + "_" + std::to_string(way));
      checks.Expect(kKeeps, alike, alike.message());
    }
    return checks.Passed();
  }
};

TEST_P(PaintToSweep, EveryControlPaintsItsScreenPictureIntoABitmap) {
  ASSERT_GT(classes_.size(), 60u);
  vcl::testkit::TDialogScript noAnswers;
  int painted = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    SCOPED_TRACE(cls->ClassName());
    for (TPlace place : {TPlace::Alone, TPlace::OnPanel}) painted += Pictures(cls, place);
  }
  EXPECT_GT(painted, 0);
  RecordProperty("painted", painted);
}

TEST_P(PaintToSweep, EveryControlPaintedUnseenChangesNothing) {
  ASSERT_GT(classes_.size(), 60u);
  vcl::testkit::TDialogScript noAnswers;
  int passed = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    SCOPED_TRACE(cls->ClassName());
    for (TPlace place : {TPlace::Alone, TPlace::OnPanel})
      for (int way : {kHidden, kFormNotShown, kNoWindow}) {
        SCOPED_TRACE(kUnseen[way]);
        passed += Unseen(cls, place, way);
      }
  }
  EXPECT_GT(passed, 0);
  RecordProperty("passed", passed);
}

INSTANTIATE_TEST_SUITE_P(Shards, PaintToSweep, ::testing::Range(0, kShards));

// A named exception of a class the package no longer registers, or of a check the sweep does
// not make, is stale too.
class PaintToExceptions : public packagetest::TPackageFixture<> {};

TEST_F(PaintToExceptions, NameRegisteredControlClassesAndChecksOnly) {
  const std::set<std::string> controls = packagetest::ControlClassNames();
  ASSERT_GT(controls.size(), 60u);
  const std::set<std::string> checks = {kPicture, kNoRaise, kNoShow, kNoScreen, kKeeps, kRefused};
  const std::set<std::string> ways(std::begin(kUnseen), std::end(kUnseen));
  for (const TExempt& e : Exemptions()) {
    EXPECT_TRUE(controls.count(e.Class)) << e.Class << " is no registered control class";
    EXPECT_TRUE(ways.count(e.Way)) << e.Class << ": " << e.Way << " is no way of the sweep";
    EXPECT_TRUE(checks.count(e.Check)) << e.Class << ": " << e.Check << " is no check";
    EXPECT_GT(std::string(e.Reason).size(), 0u) << e.Class;
  }
}

}  // namespace
