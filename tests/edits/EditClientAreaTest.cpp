// What the edits show inside their border: the window's own edge (bevel mode bmWindows) leaves
// the whole client area to the edit, which shows its colour up to the last column, focused or
// not; a bevel of another mode is painted inside the client and the edit's colour reaches up to
// it; with themes on, the text keeps inside the theme's content rectangle of the edit part.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "edits/ZYLEdit.h"
#include "edits/ZYLMaskEdit.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/base/Finally.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/ThemeScope.h"

namespace zyl {
namespace {

using edittest::THost;
namespace tk = win::testkit;

// The edits without embedded buttons, each placed empty on the host's form.
struct TEditKind {
  const char* Name;
  std::function<TZYLCustomEdit*(THost&)> Place;
};

const TEditKind EditKinds[] = {
    {"edit", [](THost& h) { return h.Place<TZYLEdit>("E", 10, 40, 120); }},
    {"labeled_edit", [](THost& h) { return h.Place<TZYLLabeledEdit>("E", 10, 40, 120); }},
    {"mask_edit", [](THost& h) { return h.Place<TZYLMaskEdit>("E", 10, 40, 120); }},
    {"labeled_mask_edit", [](THost& h) { return h.Place<TZYLLabeledMaskEdit>("E", 10, 40, 120); }},
};

void PrintTo(const TEditKind& Kind, std::ostream* Out) { *Out << Kind.Name; }

class EditClientArea : public ::testing::TestWithParam<TEditKind> {
 protected:
  EditClientArea() {
    edit_ = GetParam().Place(host_);
    other_ = host_.Edit("Other", 10, 100, 120);
  }
  // Succeeds when every client pixel inside Area shows Color.
  ::testing::AssertionResult Shows(vcl::TColor Color, const win::RECT& Area,
                                   const std::string& Name) {
    const win::COLORREF want = vcl::ColorToRGB(Color);
    return tk::PixelsMatch(
        host_.Shot(edit_), [want](int, int) { return want; },
        std::string(GetParam().Name) + "_" + Name, Area);
  }
  THost host_;
  TZYLCustomEdit* edit_ = nullptr;
  TZYLEdit* other_ = nullptr;
};

TEST_P(EditClientArea, TheWindowsEdgeLeavesTheWholeClientInTheEditsColour) {
  ASSERT_EQ(edit_->Bevel()->Mode(), bmWindows);
  // The edge is the window's: two pixels round the client on every side.
  EXPECT_NE(win::GetWindowLongA(edit_->Handle(), win::GWL_EXSTYLE) & win::WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(edit_->Width() - edit_->ClientWidth(), 4);
  const int w = edit_->ClientWidth(), h = edit_->ClientHeight();
  for (vcl::TColor color : {vcl::clWindow, vcl::clYellow, vcl::clNavy}) {
    edit_->SetColor(color);
    THost::Focus(other_);
    EXPECT_TRUE(Shows(color, {0, 0, w, h}, "unfocused"));
    EXPECT_TRUE(Shows(color, {w - 1, 0, w, h}, "last_column"));
    // Focused, the caret stands at the left; right of it the client is the edit's colour.
    THost::Focus(edit_);
    EXPECT_TRUE(Shows(color, {w / 2, 0, w, h}, "focused"));
  }
}

TEST_P(EditClientArea, AnotherBevelIsPaintedInsideTheClientAndTheColourReachesIt) {
  edit_->SetColor(vcl::clYellow);
  edit_->Bevel()->SetMode(bmStandard);  // the frame of lsSingleLowered, two pixels wide
  THost::Idle();
  EXPECT_EQ(edit_->Width(), edit_->ClientWidth());
  const int w = edit_->ClientWidth(), h = edit_->ClientHeight();
  const int e = edit_->Bevel()->GetBevelExtend();
  ASSERT_EQ(e, 2);
  for (bool focused : {false, true}) {
    THost::Focus(focused ? static_cast<vcl::TWinControl*>(edit_) : other_);
    EXPECT_TRUE(Shows(vcl::clYellow, {w / 2, e, w - e, h - e}, "inside_bevel"));
    const tk::TCapture shot = host_.Shot(edit_);
    for (int y = e; y < h - e; ++y) {
      EXPECT_NE(shot.Color(w - 1, y), vcl::ColorToRGB(vcl::clYellow)) << "frame row " << y;
      EXPECT_NE(shot.Color(0, y), vcl::ColorToRGB(vcl::clYellow)) << "frame row " << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, EditClientArea, ::testing::ValuesIn(EditKinds),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---- Themes ----

class ThemedEditClientArea : public ::testing::Test {
 protected:
  ThemedEditClientArea() {
    ZYLUseStandInThemes(true);
    edit_ = host_.Edit("Themed", 10, 40, 120);
    other_ = host_.Edit("Other", 10, 100, 120);
  }
  ~ThemedEditClientArea() override { ZYLUseStandInThemes(false); }
  // The content rectangle the theme gives for the edit part in State over the client.
  vcl::TRect Content(int State) {
    const HTHEME theme = OpenThemeData(nullptr, "EDIT");
    vcl::TFinally close([theme] { CloseThemeData(theme); });
    const win::TRect client = edit_->ClientRect();
    win::TRect content{};
    EXPECT_EQ(GetThemeBackgroundContentRect(theme, nullptr, 1, State, &client, &content), ZYL_S_OK);
    return content;
  }
  THost host_;
  TZYLEdit* edit_ = nullptr;
  TZYLEdit* other_ = nullptr;
};

TEST_F(ThemedEditClientArea, TheInnerRectangleIsTheThemesContentRectangleInEveryState) {
  ASSERT_TRUE(edit_->UseXP());
  struct TCase {
    const char* Name;
    int State;
    std::function<void()> Enter;
  };
  const TCase cases[] = {
      {"normal", 1, [&] { THost::Focus(other_); }},
      {"focused", 5, [&] { THost::Focus(edit_); }},
      {"read-only", 6, [&] { edit_->SetReadOnly(true); }},
      {"disabled", 4, [&] { edit_->SetEnabled(false); }},
  };
  int width = 120;
  for (const TCase& c : cases) {
    c.Enter();
    edit_->SetWidth(++width);  // the rectangles are laid out again in this state
    THost::Idle();
    const vcl::TRect want = Content(c.State);
    EXPECT_EQ(edit_->InnerRect(), want) << c.Name;
    EXPECT_EQ(edit_->TextRect().Left, want.Left + 1) << c.Name;
    EXPECT_EQ(edit_->TextRect().Top, want.Top + 1) << c.Name;
  }
}

TEST_F(ThemedEditClientArea, TheSelectionStaysOffTheThemedFrame) {
  edit_->SetText("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
  THost::Focus(edit_);
  edit_->Select(1, edit_->GetLength());
  const tk::TCapture shot = host_.Shot(edit_);
  const vcl::TRect c = Content(5);
  const win::COLORREF highlight = vcl::ColorToRGB(vcl::clHighlight);
  int inside = 0, onFrame = 0;
  for (int y = 0; y < shot.Height; ++y)
    for (int x = 0; x < shot.Width; ++x) {
      const bool ring = x < c.Left || x >= c.Right || y < c.Top || y >= c.Bottom;
      (ring ? onFrame : inside) += shot.Color(x, y) == highlight;
    }
  EXPECT_EQ(onFrame, 0);
  EXPECT_GT(inside, 0);
}

// ---- The flat border ----

// A flat edit shows its bevel only while it is hot or focused: at rest the border strips take
// the edit's background; the mouse above or the focus bring the bevel (the front look), and it
// goes again when both have left.
TEST(FlatEdit, ShowsItsBevelOnlyWhileHotOrFocused) {
  THost host;
  TZYLEdit* edit = host.Edit("Flat", 10, 40, 120);
  TZYLEdit* other = host.Edit("Other", 10, 100, 120);
  edit->SetColor(vcl::clYellow);
  edit->Bevel()->SetMode(bmStandard);  // a bevel of its own, inside the client area
  edit->SetFlat(true);
  THost::Idle();
  ASSERT_GT(edit->BevelExt(), 0);
  const win::COLORREF yellow = vcl::ColorToRGB(vcl::clYellow);
  // The left border strip, half way down.
  const auto border = [&] { return host.Shot(edit).Color(0, edit->Height() / 2); };
  const auto away = [&] {
    const win::POINT p = THost::At(other, 60, 10);
    tk::MouseMove(p.X, p.Y);
    THost::Idle();
  };
  const auto over = [&] {
    const win::POINT p = THost::At(edit, 60, 10);
    tk::MouseMove(p.X, p.Y);
    THost::Idle();
  };
  struct TStep {
    const char* Name;
    std::function<void()> Do;
    bool Bevel;
  };
  const TStep steps[] = {
      {"rest", [&] { away(); }, false},
      {"hot", [&] { over(); }, true},
      {"left again", [&] { away(); }, false},
      {"focused", [&] { THost::Focus(edit); }, true},
      {"focused, mouse gone", [&] { away(); }, true},
      {"focus gone", [&] { THost::Focus(other); }, false},
  };
  for (const TStep& step : steps) {
    step.Do();
    if (step.Bevel)
      EXPECT_NE(border(), yellow) << step.Name;
    else
      EXPECT_EQ(border(), yellow) << step.Name;
  }
}

// Under themes a flat edit with the platform's border keeps the themed frame in every state and
// shows its state in the face: normal at rest, hot under the mouse, focused with the focus.
TEST(FlatEdit, ThemedKeepsTheThemedFrameAndShowsTheState) {
  testsupport::TThemeScope themes;
  THost host;
  TZYLEdit* edit = host.Edit("Flat", 10, 40, 120);
  TZYLEdit* other = host.Edit("Other", 10, 100, 120);
  edit->Bevel()->SetMode(bmWindows);
  edit->SetFlat(true);
  THost::Idle();
  ASSERT_TRUE(edit->UseXP());
  const auto moveTo = [&](TZYLEdit* e) {
    const win::POINT p = THost::At(e, 60, 10);
    tk::MouseMove(p.X, p.Y);
    THost::Idle();
  };
  struct TStep {
    const char* Name;
    std::function<void()> Do;
    int State;
  };
  const TStep steps[] = {
      {"rest", [&] { moveTo(other); }, 1},
      {"hot", [&] { moveTo(edit); }, 2},
      {"left again", [&] { moveTo(other); }, 1},
      {"focused", [&] { THost::Focus(edit); }, 5},
  };
  for (const TStep& step : steps) {
    step.Do();
    const tk::TCapture shot = host.Shot(edit);
    EXPECT_EQ(shot.Color(0, edit->Height() / 2), testsupport::kThemeFrame) << step.Name;
    EXPECT_EQ(shot.Color(1, 1), ZYLThemeFaceColor(step.State)) << step.Name;
  }
}

}  // namespace
}  // namespace zyl
