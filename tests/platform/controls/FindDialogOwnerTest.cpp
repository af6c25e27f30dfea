// The modeless find dialog's window is owned by its form: it stays above that form when the
// form comes forward, and hides while the form is minimised.
#include <gtest/gtest.h>

#include "platform/controls/Dialogs.h"
#include "tests/platform/controls/ControlsTestSupport.h"

namespace vcl::testing {
namespace {

class FindDialogOwnerTest : public ControlsTest {
 protected:
  // A sizeable form, shown.
  static std::unique_ptr<TForm> ShownForm(const char* name, int x, int y, int w, int h) {
    auto f = std::make_unique<TForm>(nullptr);
    f->SetName(name);
    f->SetBounds(x, y, w, h);
    ShowNow(f.get());
    return f;
  }
  // The window of the find form seen at the centre of the find form (null when none is).
  static win::HWND TopFormAtCentreOf(TForm* find) {
    const TPoint p = find->ClientToScreen({find->ClientWidth() / 2, find->ClientHeight() / 2});
    return win::GetAncestor(win::WindowFromPoint({p.X, p.Y}), win::GA_ROOT);
  }
};

TEST_F(FindDialogOwnerTest, TheDialogStaysAboveItsFormWhenTheFormIsClickedOrActivated) {
  auto owner = ShownForm("Editor", 0, 0, 500, 420);
  TFindDialog d(owner.get());
  ASSERT_TRUE(d.Execute());
  TForm* find = d.Form();
  ASSERT_NE(find, nullptr);
  Idle();
  EXPECT_EQ(d.OwnerForm(), owner.get());
  EXPECT_EQ(win::GetWindow(find->Handle(), win::GW_OWNER), owner->Handle());
  // Another form comes over both, then the user clicks the editor where nothing covers it.
  auto other = ShownForm("Other", 150, 150, 500, 300);
  ASSERT_EQ(TopFormAtCentreOf(find), other->Handle());
  ClickAt(owner.get(), 10, owner->ClientHeight() - 10);
  Idle();
  EXPECT_EQ(win::GetActiveWindow(), owner->Handle());
  EXPECT_EQ(win::GetWindow(owner->Handle(), win::GW_HWNDPREV), find->Handle());
  EXPECT_EQ(TopFormAtCentreOf(find), find->Handle());
  // Brought forward from the program, the same.
  other->SetFocus();
  Idle();
  ASSERT_EQ(TopFormAtCentreOf(find), other->Handle());
  owner->SetFocus();
  Idle();
  EXPECT_EQ(TopFormAtCentreOf(find), find->Handle());
  d.CloseDialog();
  Idle();
  EXPECT_EQ(d.Form(), nullptr);
}

TEST_F(FindDialogOwnerTest, WithoutAFormAmongItsOwnersTheActiveFormOwnsIt) {
  auto owner = ShownForm("Editor", 0, 0, 300, 200);
  TReplaceDialog d(nullptr);
  EXPECT_EQ(d.OwnerForm(), owner.get());
  ASSERT_TRUE(d.Execute());
  Idle();
  EXPECT_EQ(win::GetWindow(d.Handle(), win::GW_OWNER), owner->Handle());
  d.CloseDialog();
  Idle();
}

TEST_F(FindDialogOwnerTest, TheDialogGoesWithTheActiveFormThatOwnedItAndComesBackAnew) {
  auto first = ShownForm("First", 0, 0, 300, 200);
  TFindDialog d(nullptr);
  d.SetFindText("kept");
  ASSERT_TRUE(d.Execute());
  Idle();
  const win::HWND gone = d.Handle();
  first.reset();  // its window takes the dialog's along
  Idle();
  EXPECT_FALSE(win::IsWindow(gone));
  auto second = ShownForm("Second", 100, 100, 300, 200);
  ASSERT_TRUE(d.Execute());
  Idle();
  ASSERT_NE(d.Form(), nullptr);
  EXPECT_TRUE(win::IsWindowVisible(d.Handle()));
  EXPECT_EQ(win::GetWindow(d.Handle(), win::GW_OWNER), second->Handle());
  EXPECT_EQ(Find<TEdit>(d.Form(), "FindText")->Text(), "kept");
  d.CloseDialog();
  Idle();
}

TEST_F(FindDialogOwnerTest, TheDialogHidesWhileItsFormIsMinimised) {
  auto owner = ShownForm("Editor", 0, 0, 500, 420);
  TFindDialog d(owner.get());
  d.SetFindText("word");
  ASSERT_TRUE(d.Execute());
  Idle();
  const win::HWND find = d.Handle();
  ASSERT_TRUE(win::IsWindowVisible(find));
  owner->SetWindowState(wsMinimized);
  Idle();
  EXPECT_TRUE(win::IsIconic(owner->Handle()));
  EXPECT_FALSE(win::IsWindowVisible(find));
  EXPECT_TRUE(win::IsWindow(find));
  ASSERT_NE(d.Form(), nullptr);  // hidden, not closed: the search goes on afterwards
  owner->SetWindowState(wsNormal);
  Idle();
  EXPECT_TRUE(win::IsWindowVisible(find));
  EXPECT_EQ(win::GetWindow(owner->Handle(), win::GW_HWNDPREV), find);
  EXPECT_EQ(d.FindText(), "word");
  d.CloseDialog();
  Idle();
}

}  // namespace
}  // namespace vcl::testing
