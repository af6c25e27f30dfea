// A form's menu bar and system menu used as a user would: the bar's room in the frame, its
// items clicked and reached by the keyboard, its look while an item is open, and the window
// commands of the system menu.
#include "ControlsTestSupport.h"

#include "platform/controls/Menus.h"
#include "tests/support/PixelCheck.h"

namespace vcl::testing {
namespace {

using namespace win::testkit;

struct TChosen : TObject {
  std::vector<std::string> Log;
  void Clicked(TObject* Sender) {
    Log.push_back(StripHotkey(static_cast<TMenuItem*>(Sender)->Caption()));
  }
};

class MenuBarTest : public ControlsTest {
 protected:
  void SetUp() override {
    form_ = new TForm(nullptr);
    form_->SetBounds(100, 100, 320, 200);
    bar_ = new TMainMenu(form_);
    AddMenu("&File", {"&Open", "-", "E&xit"});
    AddMenu("&Edit", {"&Undo", "&Copy"});
    AddMenu("&Help", {"&About"});
    bar_->Items()->Items(1)->Items(0)->SetEnabled(false);
    CloseMenusWhenIdle(true);
  }
  void TearDown() override { delete form_; }
  void AddMenu(const std::string& caption, const std::vector<std::string>& items) {
    auto* top = new TMenuItem(form_);
    top->SetCaption(caption);
    for (const std::string& c : items) {
      auto* i = new TMenuItem(form_);
      i->SetCaption(c);
      i->SetOnClick(TNotifyEvent(&chosen_, &TChosen::Clicked));
      top->Add(i);
    }
    bar_->Items()->Add(top);
  }
  void ShowWithMenu() {
    form_->SetMenu(bar_);
    ShowNow(form_);
  }
  // Queues key presses (a leading VK_MENU is held while the next key goes down).
  static void QueueKeys(const std::vector<win::BYTE>& keys) {
    for (win::BYTE k : keys) {
      QueueKey(k, true);
      QueueKey(k, false);
    }
  }
  std::vector<std::string> BarTexts() {
    std::vector<std::string> r;
    for (const TMenuItemView& v : MenuBarItems(form_->Handle())) r.push_back(v.Text);
    return r;
  }
  TForm* form_ = nullptr;
  TMainMenu* bar_ = nullptr;
  TChosen chosen_;
};

TEST_F(MenuBarTest, TheBarTakesItsRowsFromTheClientAreaAndLaysItsItemsOut) {
  ShowNow(form_);
  const int plain = form_->ClientHeight();
  form_->SetMenu(bar_);
  Idle();
  const int row = win::GetSystemMetrics(win::SM_CYMENU);
  EXPECT_EQ(form_->ClientHeight(), plain - row);
  EXPECT_EQ(form_->Height(), 200);
  EXPECT_EQ(BarTexts(), (TLines{"&File", "&Edit", "&Help"}));
  const std::vector<TMenuItemView> items = MenuBarItems(form_->Handle());
  const TPoint client = form_->ClientToScreen({0, 0});
  for (size_t k = 0; k < items.size(); ++k) {
    EXPECT_EQ(items[k].Rect.Bottom, client.Y) << k;
    EXPECT_EQ(items[k].Rect.Bottom - items[k].Rect.Top, row) << k;
    const int left = k > 0 ? items[k - 1].Rect.Right : items[k].Rect.Left;
    EXPECT_EQ(items[k].Rect.Left, left) << k;
  }
  win::RECT r{};
  EXPECT_TRUE(win::GetMenuItemRect(form_->Handle(), bar_->Handle(), 2, &r));
  EXPECT_EQ(r.Left, items[2].Rect.Left);
  EXPECT_FALSE(win::GetMenuItemRect(form_->Handle(), bar_->Handle(), 3, &r));

  // A new item shows at once; when the items no longer fit in one row, the bar wraps.
  form_->SetWidth(200);
  AddMenu("&Window arrangement", {"&Tile"});
  Idle();
  EXPECT_EQ(BarTexts().back(), "&Window arrangement");
  EXPECT_EQ(form_->ClientHeight(), plain - 2 * row);
  const std::vector<TMenuItemView> wrapped = MenuBarItems(form_->Handle());
  EXPECT_EQ(wrapped.back().Rect.Top, wrapped.front().Rect.Bottom);
  EXPECT_EQ(wrapped.back().Rect.Left, wrapped.front().Rect.Left);
  form_->SetMenu(nullptr);
  Idle();
  EXPECT_TRUE(MenuBarItems(form_->Handle()).empty());
}

TEST_F(MenuBarTest, ClickingAnItemOpensItsMenuAndRunsTheChosenCommand) {
  ShowWithMenu();
  ChooseMenuPath({"Copy"});
  ClickMenuBar(form_->Handle(), "Edit");
  Idle();
  EXPECT_EQ(chosen_.Log, (TLines{"Copy"}));
}

TEST_F(MenuBarTest, TheOpenItemLooksPushedOnTheMenuFace) {
  ShowWithMenu();
  TCapture seen;
  SetMenuHandler([&] {
    if (seen.Width == 0 && !OpenMenus().empty()) seen = CaptureWindow(form_->Handle());
  });
  ClickMenuBar(form_->Handle(), "File");
  Idle();
  ASSERT_GT(seen.Width, 0);
  const std::vector<TMenuItemView> items = MenuBarItems(form_->Handle());
  win::RECT wr;
  win::GetWindowRect(form_->Handle(), &wr);
  win::RECT file = items[0].Rect, help = items[2].Rect;
  win::OffsetRect(&file, -wr.Left, -wr.Top);
  win::OffsetRect(&help, -wr.Left, -wr.Top);
  const win::COLORREF shadow = win::GetSysColor(win::COLOR_BTNSHADOW);
  const win::COLORREF face = win::GetSysColor(win::COLOR_MENU);
  // The pushed item's top edge is shadow; the bar right of the last item is the menu face.
  EXPECT_TRUE(PixelsMatch(seen, [&](int, int) { return shadow; }, "bar_pushed_edge",
                          {file.Left, file.Top, file.Right - 1, file.Top + 1}));
  EXPECT_TRUE(PixelsMatch(seen, [&](int, int) { return face; }, "bar_face",
                          {help.Right, help.Top, seen.Width - 8, help.Bottom}));
}

struct BarKeyCase {
  const char* Name;
  std::vector<win::BYTE> Keys;
  std::vector<std::string> Chosen;
};

class MenuBarKeys : public MenuBarTest, public ::testing::WithParamInterface<BarKeyCase> {};

TEST_P(MenuBarKeys, TheKeyboardReachesTheExpectedItem) {
  ShowWithMenu();
  QueueKeys(GetParam().Keys);
  Idle();
  EXPECT_EQ(chosen_.Log, GetParam().Chosen);
  EXPECT_TRUE(OpenMenus().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, MenuBarKeys,
    ::testing::Values(
        BarKeyCase{"F10DownEnter", {win::VK_F10, win::VK_DOWN, win::VK_RETURN}, {"Open"}},
        BarKeyCase{"RightMovesAlongTheBar",
                   {win::VK_F10, win::VK_RIGHT, win::VK_DOWN, win::VK_DOWN, win::VK_RETURN},
                   {"Copy"}},
        BarKeyCase{"RightWhileOpenMovesToTheNextMenu",
                   {win::VK_F10, win::VK_DOWN, win::VK_RIGHT, win::VK_DOWN, win::VK_RETURN},
                   {"Copy"}},
        BarKeyCase{
            "LeftWraps", {win::VK_F10, win::VK_LEFT, win::VK_RETURN, win::VK_RETURN}, {"About"}},
        BarKeyCase{"AltAloneSelectsTheBar", {win::VK_MENU, win::VK_DOWN, win::VK_RETURN}, {"Open"}},
        BarKeyCase{"LetterOpensItsMenu", {win::VK_F10, 'H', win::VK_RETURN}, {"About"}},
        BarKeyCase{"DisabledItemIsNotChosen", {win::VK_F10, 'E', win::VK_RETURN}, {}},
        BarKeyCase{"EscapeTwiceLeaves",
                   {win::VK_F10, win::VK_DOWN, win::VK_ESCAPE, win::VK_ESCAPE, win::VK_RETURN},
                   {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MenuBarTest, AltAndALetterOpenThatMenu) {
  ShowWithMenu();
  QueueKey(win::VK_MENU, true);
  QueueKey('H', true);
  QueueKey('H', false);
  QueueKey(win::VK_MENU, false);
  QueueKeys({win::VK_RETURN});
  Idle();
  EXPECT_EQ(chosen_.Log, (TLines{"About"}));
}

TEST_F(MenuBarTest, TheHighlightedItemsHintBecomesTheApplicationsHint) {
  bar_->Items()->Items(0)->Items(0)->SetHint("Opens a file");
  ShowWithMenu();
  std::string during;
  SetMenuHandler([&] {
    if (OpenMenus().empty() || !during.empty()) return;
    during = Application->Hint();
    QueueKeys({win::VK_ESCAPE, win::VK_ESCAPE});
  });
  QueueKeys({win::VK_F10, win::VK_DOWN});
  Idle();
  EXPECT_EQ(during, "Opens a file");
  EXPECT_EQ(Application->Hint(), "");  // the menu closed
}

TEST_F(MenuBarTest, TheSystemMenuOpensFromAltSpaceAndTheIconAndRunsWindowCommands) {
  ShowWithMenu();
  std::vector<std::string> shown;
  SetMenuHandler([&] {
    const std::vector<TOpenMenu> open = OpenMenus();
    if (shown.empty() && !open.empty())
      for (const TMenuItemView& v : open.back().Items) shown.push_back(v.Text);
  });
  // A click on the caption icon shows it (and a click elsewhere closes it).
  win::RECT wr;
  win::GetWindowRect(form_->Handle(), &wr);
  const int frame = win::GetSystemMetrics(win::SM_CXFRAME);
  Click(wr.Left + frame + 6, wr.Top + frame + 6);
  Idle();
  EXPECT_EQ(shown.size(), 7u);
  EXPECT_TRUE(form_->Visible());

  ChooseMenuPath({"Close"});
  QueueKey(win::VK_MENU, true);
  QueueKey(win::VK_SPACE, true);
  QueueKey(win::VK_SPACE, false);
  QueueKey(win::VK_MENU, false);
  Idle();
  EXPECT_FALSE(form_->Visible());
}

TEST_F(MenuBarTest, MaximiseAndRestoreFromTheSystemMenu) {
  ShowWithMenu();
  ChooseMenuPath({"Maximize"});
  QueueKey(win::VK_MENU, true);
  QueueKey(win::VK_SPACE, true);
  QueueKey(win::VK_SPACE, false);
  QueueKey(win::VK_MENU, false);
  Idle();
  EXPECT_EQ(form_->WindowState(), wsMaximized);
  // Open again: Maximize is grey now; Restore brings the form back.
  std::vector<std::string> grey;
  SetMenuHandler([&] {
    const std::vector<TOpenMenu> open = OpenMenus();
    if (open.empty() || !grey.empty()) return;
    for (const TMenuItemView& v : open.back().Items)
      if (v.Flags & win::MF_GRAYED) grey.push_back(v.Text);
    const int i = open.back().Find("Restore");
    const win::RECT r = open.back().Items[static_cast<size_t>(i)].Rect;
    QueueClick((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  });
  QueueKey(win::VK_MENU, true);
  QueueKey(win::VK_SPACE, true);
  QueueKey(win::VK_SPACE, false);
  QueueKey(win::VK_MENU, false);
  Idle();
  EXPECT_EQ(grey, (TLines{"&Move", "&Size", "Ma&ximize"}));
  EXPECT_EQ(form_->WindowState(), wsNormal);
}

}  // namespace
}  // namespace vcl::testing
