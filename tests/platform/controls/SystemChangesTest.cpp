// The changes the system tells the top-level windows of (colours, settings, the font table,
// the time) reach every control on a form, however deep, as the framework's own messages, once
// each and with what the system said; the screen's font list follows fonts being removed.
#include "ControlsTestSupport.h"

#include <algorithm>
#include <map>
#include <string>

#include "platform/base/Finally.h"
#include "platform/text/FontEngine.h"
#include "platform/text/Text.h"

namespace vcl::testing {
namespace {

// Records the framework's change messages a control hears, chaining to its own procedure.
class TChangeSpy : public TObject {
 public:
  explicit TChangeSpy(TControl* c) : control_(c), saved_(c->WindowProc()) {
    c->SetWindowProc(TWndMethod(this, &TChangeSpy::Proc));
  }
  // The control, which outlives its spy, gets its own procedure back.
  ~TChangeSpy() override { control_->SetWindowProc(saved_); }
  struct Heard {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
  };
  std::vector<Heard> Log;
  int Count(UINT msg) const {
    return static_cast<int>(
        std::count_if(Log.begin(), Log.end(), [msg](const Heard& h) { return h.Msg == msg; }));
  }

 private:
  void Proc(TMessage& m) {
    if (m.Msg >= CM_SYSCOLORCHANGE && m.Msg <= CM_TIMECHANGE)
      Log.push_back({m.Msg, m.WParam, m.LParam});
    saved_(m);
  }
  TControl* control_;
  TWndMethod saved_;
};

class SystemChanges : public ControlsTest {
 protected:
  SystemChanges() {
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetBounds(10, 10, 300, 200);
    auto* panel = Place<TPanel>(form_.get(), 0, 0, 200, 150);
    controls_ = {{"form", form_.get()},
                 {"panel", panel},
                 {"edit", Place<TEdit>(panel, 5, 5, 80, 24)},
                 {"label", FixedLabel(panel, 5, 40, 80, 20)},
                 {"button", Place<TButton>(form_.get(), 210, 10, 60, 24)}};
    ShowNow(form_.get());
    for (auto& [name, c] : controls_) spies_.emplace(name, std::make_unique<TChangeSpy>(c));
  }
  ~SystemChanges() override {
    spies_.clear();
    form_.reset();
    win::ResetFontResources();
  }
  std::unique_ptr<TForm> form_;
  std::map<std::string, TControl*> controls_;
  std::map<std::string, std::unique_ptr<TChangeSpy>> spies_;
};

TEST_F(SystemChanges, EveryControlHearsEachChangeOnceAsTheFrameworksMessage) {
  static const char section[] = "intl";
  struct TCase {
    UINT Told;  // what the system sends
    WPARAM WParam;
    LPARAM LParam;
    UINT Heard;  // what each control hears
  } cases[] = {{win::WM_SYSCOLORCHANGE, 0, 0, CM_SYSCOLORCHANGE},
               {win::WM_SETTINGCHANGE, 47, PtrToLParam(section), CM_WININICHANGE},
               {win::WM_FONTCHANGE, 0, 0, CM_FONTCHANGE},
               {win::WM_TIMECHANGE, 0, 0, CM_TIMECHANGE}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(win::testkit::MessageName(c.Told));
    for (auto& [name, spy] : spies_) spy->Log.clear();
    win::SendMessageA(win::HWND_BROADCAST, c.Told, c.WParam, c.LParam);
    Idle();
    for (auto& [name, spy] : spies_) {
      SCOPED_TRACE(name);
      ASSERT_EQ(spy->Log.size(), 1u);
      EXPECT_EQ(spy->Log[0].Msg, c.Heard);
      if (c.Heard == CM_WININICHANGE) {
        EXPECT_EQ(spy->Log[0].WParam, c.WParam);
        EXPECT_EQ(spy->Log[0].LParam, c.LParam);
      }
    }
  }
}

TEST_F(SystemChanges, AColourChangeRepaintsTheFormInTheNewColour) {
  const int element = win::COLOR_BTNFACE;
  const win::COLORREF saved = win::GetSysColor(element), pink = win::RGB(250, 160, 200);
  const TFinally restore([&] { win::SetSysColors(1, &element, &saved); });
  win::SetSysColors(1, &element, &pink);
  Idle();
  const win::testkit::TCapture shot = win::testkit::CaptureWindow(form_->Handle(), false);
  EXPECT_EQ(shot.Color(shot.Width - 3, shot.Height - 3), pink);
}

TEST_F(SystemChanges, TheScreensFontListFollowsAFontRemovedAndInstalledAgain) {
  const std::vector<win::fontengine::TCatalogFace> faces = win::fontengine::CatalogFaces();
  auto face = std::find_if(faces.begin(), faces.end(), [](const auto& f) {
    return !f.File.empty() &&
           std::count(Screen->Fonts().begin(), Screen->Fonts().end(), f.FaceName) == 1;
  });
  ASSERT_NE(face, faces.end());
  const std::vector<std::string> before = Screen->Fonts();
  ASSERT_TRUE(win::RemoveFontResourceA(face->File.c_str()));
  win::SendMessageA(win::HWND_BROADCAST, win::WM_FONTCHANGE, 0, 0);
  const std::vector<std::string>& after = Screen->Fonts();
  EXPECT_EQ(std::count(after.begin(), after.end(), face->FaceName), 0);
  EXPECT_LT(after.size(), before.size());
  ASSERT_EQ(win::AddFontResourceA(face->File.c_str()), 1);
  win::SendMessageA(win::HWND_BROADCAST, win::WM_FONTCHANGE, 0, 0);
  EXPECT_EQ(Screen->Fonts(), before);
}

}  // namespace
}  // namespace vcl::testing
