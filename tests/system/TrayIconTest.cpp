// The tray icon: in the tray while active, its mouse actions, its animation and the owner
// form's minimize and close.
#include <gtest/gtest.h>

#include <algorithm>

#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLCont.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLTrayIcon.h"

namespace zyl {
namespace {

namespace wt = win::testkit;

const vcl::TColor kFrameColors[] = {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow};

struct TListener : vcl::TObject {
  std::vector<std::string> Heard;
  void Click(vcl::TObject*) { Heard.push_back("click"); }
  void DblClick(vcl::TObject*) { Heard.push_back("dblclick"); }
  void PopUp(vcl::TObject*) { Heard.push_back("popup"); }
  void NoClose(vcl::TObject* s) { Heard.push_back(std::string("noclose ") + s->ClassName()); }
  void Down(vcl::TObject*, vcl::TMouseButton b, vcl::TShiftState s, int, int) {
    Heard.push_back("down " + std::to_string(b) + (s.contains(vcl::ssDouble) ? " double" : ""));
  }
  void Up(vcl::TObject*, vcl::TMouseButton b, vcl::TShiftState, int, int) {
    Heard.push_back("up " + std::to_string(b));
  }
};

// The colour in the middle of an icon as drawn.
vcl::TColor IconColor(win::HICON icon) {
  vcl::TBitmap b;
  b.SetWidth(16);
  b.SetHeight(16);
  win::DrawIconEx(b.Canvas()->Handle(), 0, 0, icon, 16, 16, 0, nullptr, win::DI_NORMAL);
  return b.Canvas()->Pixels(8, 8);
}

class TrayIcon : public ::testing::Test {
 protected:
  TrayIcon() : form_(new vcl::TForm(nullptr)) {
    ZYLTrayIconInit();
    form_->SetBounds(10, 10, 300, 200);
    tray_ = new TZYLTrayIcon(form_.get());
  }
  ~TrayIcon() override {
    // The application window is left as the session found it.
    form_.reset();
    ZYLTrayIconDone();
  }
  // The component's icon in the tray.
  const win::TTrayIcon* InTray() {
    icons_ = wt::TrayIcons();
    for (const auto& i : icons_)
      if (i.Wnd == tray_->WindowHandle()) return &i;
    return nullptr;
  }
  TZYLImageList* Frames() {
    auto* list = new TZYLImageList(form_.get());
    auto* item = list->GetArrayItem(list->Add());
    item->SetInteger(0, 16);
    item->SetInteger(1, 16);
    for (vcl::TColor c : kFrameColors) {
      // The bottom row is the see-through colour of the frame.
      vcl::TBitmap b;
      b.SetWidth(16);
      b.SetHeight(16);
      b.Canvas()->Brush()->SetColor(c);
      b.Canvas()->FillRect({0, 0, 16, 15});
      b.Canvas()->Brush()->SetColor(vcl::clWhite);
      b.Canvas()->FillRect({0, 15, 16, 16});
      item->Add(&b, nullptr);
    }
    return list;
  }

  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> form_;
  TZYLTrayIcon* tray_;
  TListener listener_;
  std::vector<win::TTrayIcon> icons_;
};

TEST_F(TrayIcon, LoadedItGoesIntoTheTrayWithItsTipAndLeavesWhenSwitchedOff) {
  tray_->SetHint(std::string(100, 'h'));
  EXPECT_EQ(InTray(), nullptr);  // not before it is loaded
  tray_->Loaded();
  const win::TTrayIcon* icon = InTray();
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->Tip, std::string(63, 'h'));
  EXPECT_EQ(icon->CallbackMessage, TZYLTrayIcon::CallbackMessage);
  EXPECT_FALSE(vcl::Application->ShowMainForm());
  EXPECT_FALSE(win::IsWindowVisible(vcl::Application->Handle()));
  tray_->SetHint("short");
  EXPECT_EQ(InTray()->Tip, "short");
  tray_->SetActive(false);
  EXPECT_EQ(InTray(), nullptr);
  EXPECT_TRUE(vcl::Application->ShowMainForm());
  tray_->SetActive(true);
  EXPECT_NE(InTray(), nullptr);
  delete tray_;
  EXPECT_EQ(InTray(), nullptr);
}

TEST_F(TrayIcon, MouseActionsBecomeEventsAndTheRightButtonShowsTheMenu) {
  tray_->SetOnClick(vcl::TNotifyEvent(&listener_, &TListener::Click));
  tray_->SetOnDblClick(vcl::TNotifyEvent(&listener_, &TListener::DblClick));
  tray_->SetOnPopUp(vcl::TNotifyEvent(&listener_, &TListener::PopUp));
  tray_->SetOnMouseDown(vcl::TMouseEvent(&listener_, &TListener::Down));
  tray_->SetOnMouseUp(vcl::TMouseEvent(&listener_, &TListener::Up));
  tray_->Loaded();
  wt::ClickTrayIcon(tray_->WindowHandle(), 0, 0, true);
  EXPECT_EQ(listener_.Heard,
            (std::vector<std::string>{"down 0", "click", "up 0", "dblclick", "down 0 double"}));
  auto* menu = new vcl::TPopupMenu(form_.get());
  auto* item = new vcl::TMenuItem(menu);
  item->SetCaption("Restore");
  menu->Items()->Add(item);
  tray_->SetPopupMenu(menu);
  listener_.Heard.clear();
  item->SetOnClick(vcl::TNotifyEvent(&listener_, &TListener::DblClick));
  wt::ChooseMenuPath({"Restore"});
  wt::ClickTrayIcon(tray_->WindowHandle(), 0, 1);
  wt::SetMenuHandler(nullptr);
  // The chosen item runs when the menu's command arrives, after the button's release.
  EXPECT_EQ(listener_.Heard,
            (std::vector<std::string>{"down 1", "popup", "click", "up 1", "dblclick"}));
  EXPECT_EQ(menu->PopupComponent(), tray_);
  delete menu;
  EXPECT_EQ(tray_->PopupMenu(), nullptr);
}

// Made in code, the icon reads active but waits for the switch: switching it on puts it in the
// tray, where the mouse reaches the handlers set in code, with the component as Sender.
TEST_F(TrayIcon, MadeInCodeItGoesIntoTheTrayWhenSwitchedOn) {
  struct TSenders : vcl::TObject {
    std::vector<vcl::TObject*> Heard;
    void Click(vcl::TObject* Sender) { Heard.push_back(Sender); }
  } senders;
  tray_->SetOnClick(vcl::TNotifyEvent(&senders, &TSenders::Click));
  EXPECT_TRUE(tray_->Active());
  EXPECT_EQ(InTray(), nullptr);
  tray_->SetActive(true);
  ASSERT_NE(InTray(), nullptr);
  EXPECT_FALSE(vcl::Application->ShowMainForm());
  wt::ClickTrayIcon(tray_->WindowHandle(), 0, 0);
  EXPECT_EQ(senders.Heard, std::vector<vcl::TObject*>{tray_});
  // Switched on again, it stays in the tray once; switched off, it leaves.
  tray_->SetActive(true);
  EXPECT_EQ(wt::TrayIcons().size(), 1u);
  tray_->SetActive(false);
  EXPECT_EQ(InTray(), nullptr);
  EXPECT_TRUE(vcl::Application->ShowMainForm());
}

TEST_F(TrayIcon, TheAnimationCyclesThroughTheFramesOfItsEntry) {
  tray_->SetImageList(Frames());
  tray_->SetInterval(100);
  tray_->SetAnimated(true);
  tray_->Loaded();
  std::vector<vcl::TColor> shown;
  for (int i = 0; i < 6; ++i) {
    wt::AdvanceClock(100);
    shown.push_back(IconColor(InTray()->Icon));
  }
  EXPECT_EQ(shown, (std::vector<vcl::TColor>{vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow,
                                             vcl::clRed, vcl::clLime}));
  // Another timer mode: the new timer waits until the animation is switched on again.
  tray_->SetTimerMode(tmGlobalTimer);
  EXPECT_NE(tray_->Timers().Timer(), nullptr);
  EXPECT_FALSE(tray_->Timers().Timer()->Enabled());
  tray_->SetAnimated(false);
  EXPECT_EQ(tray_->Timers().Timer(), nullptr);
  tray_->SetAnimated(true);
  EXPECT_TRUE(tray_->Timers().Timer()->Enabled());
}

TEST_F(TrayIcon, AFreedImageListEndsTheFramesAndLeavesTheIconShown) {
  TZYLImageList* frames = Frames();
  tray_->SetImageList(frames);
  tray_->SetInterval(100);
  tray_->SetAnimated(true);
  tray_->Loaded();
  wt::AdvanceClock(100);
  ASSERT_NE(InTray(), nullptr);
  EXPECT_EQ(IconColor(InTray()->Icon), vcl::clRed);
  delete frames;
  EXPECT_EQ(tray_->ImageList(), nullptr);
  // The timer goes on but has no frame to show: the last one stays in the tray.
  wt::AdvanceClock(300);
  ASSERT_NE(InTray(), nullptr);
  EXPECT_EQ(IconColor(InTray()->Icon), vcl::clRed);
}

TEST_F(TrayIcon, MinimizeHidesAndNoCloseTurnsCloseIntoHiding) {
  tray_->SetNoClose(true);
  tray_->SetOnNoClose(vcl::TNotifyEvent(&listener_, &TListener::NoClose));
  tray_->Loaded();
  form_->Show();
  wt::RunUntilIdle();
  form_->Perform(win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
  EXPECT_FALSE(form_->Visible());
  EXPECT_EQ(listener_.Heard, (std::vector<std::string>{"noclose TForm"}));
  form_->Show();
  form_->Perform(win::WM_SYSCOMMAND, win::SC_MINIMIZE, 0);
  EXPECT_FALSE(form_->Visible());
  // The taskbar made anew: the icon goes back in.
  ASSERT_NE(ZYLTaskbarCreatedMessage(), 0u);
  win::Shell_NotifyIconA(win::NIM_DELETE, [&] {
    static win::NOTIFYICONDATAA d;
    d.hWnd = tray_->WindowHandle();
    return &d;
  }());
  EXPECT_EQ(InTray(), nullptr);
  form_->Perform(ZYLTaskbarCreatedMessage(), 0, 0);
  EXPECT_NE(InTray(), nullptr);
}

// Minimized to the tray, the form goes out of sight (and the application's button with it)
// unless ShowMinimizedIcon keeps them; a click on the icon whose handler shows the form and
// restores it brings it back where it stood.
struct TRestorer : vcl::TObject {
  vcl::TForm* Form = nullptr;
  void Click(vcl::TObject*) {
    Form->Show();
    Form->SetWindowState(vcl::wsNormal);
  }
};

class TrayIconMinimized : public TrayIcon, public ::testing::WithParamInterface<bool> {};

TEST_P(TrayIconMinimized, TheFormGoesToTheTrayAndComesBackWhereItStood) {
  const bool keepButton = GetParam();
  TRestorer restorer;
  restorer.Form = form_.get();
  tray_->SetShowMinimizedIcon(keepButton);
  tray_->SetOnClick(vcl::TNotifyEvent(&restorer, &TRestorer::Click));
  tray_->Loaded();
  form_->Show();
  wt::RunUntilIdle();
  const win::HWND app = vcl::Application->Handle();
  form_->Perform(win::WM_SYSCOMMAND, win::SC_MINIMIZE, 0);
  wt::RunUntilIdle();
  EXPECT_TRUE(win::IsIconic(form_->Handle()));
  EXPECT_EQ(form_->Visible(), keepButton);
  EXPECT_EQ(win::IsWindowVisible(app) != 0, keepButton);
  ASSERT_NE(InTray(), nullptr);
  wt::ClickTrayIcon(InTray()->Wnd, InTray()->ID);
  EXPECT_TRUE(win::IsWindowVisible(form_->Handle()));
  EXPECT_FALSE(win::IsIconic(form_->Handle()));
  EXPECT_EQ(form_->WindowState(), vcl::wsNormal);
  EXPECT_EQ(form_->BoundsRect(), vcl::Bounds(10, 10, 300, 200));
}

INSTANTIATE_TEST_SUITE_P(ShowMinimizedIcon, TrayIconMinimized, ::testing::Bool());

// Three icons of one form: whichever goes first, the others stay in the tray, each with its own
// icon, and a click on each reaches its own handler.
struct TClickedBy : vcl::TObject {
  std::vector<vcl::TObject*> Senders;
  void Click(vcl::TObject* Sender) { Senders.push_back(Sender); }
};

class TrayIconTwins : public TrayIcon, public ::testing::WithParamInterface<int> {};

TEST_P(TrayIconTwins, TheOthersStayAndHearTheirOwnClicks) {
  TClickedBy clicked;
  std::vector<TZYLTrayIcon*> icons = {tray_, new TZYLTrayIcon(form_.get()),
                                      new TZYLTrayIcon(form_.get())};
  for (TZYLTrayIcon* t : icons) {
    t->SetOnClick(vcl::TNotifyEvent(&clicked, &TClickedBy::Click));
    t->Loaded();
  }
  EXPECT_EQ(wt::TrayIcons().size(), 3u);
  const auto gone = static_cast<size_t>(GetParam());
  delete icons[gone];
  icons.erase(icons.begin() + static_cast<std::ptrdiff_t>(gone));
  EXPECT_EQ(wt::TrayIcons().size(), 2u);
  for (TZYLTrayIcon* t : icons) {
    clicked.Senders.clear();
    wt::AdvanceClock(1000);
    wt::ClickTrayIcon(t->WindowHandle(), 0);
    EXPECT_EQ(clicked.Senders, std::vector<vcl::TObject*>{t});
  }
  EXPECT_FALSE(win::IsWindowVisible(vcl::Application->Handle()));
}

INSTANTIATE_TEST_SUITE_P(FreedFirst, TrayIconTwins, ::testing::Values(0, 1, 2));

// The shell ends and starts again: the tray comes back empty and the windows hear that the
// taskbar was made anew; the active icon is back once, with its tip, and takes clicks.
TEST_F(TrayIcon, ATaskbarMadeAnewGetsTheIconBackOnce) {
  tray_->Loaded();
  form_->Show();
  wt::RunUntilIdle();
  ASSERT_NE(InTray(), nullptr);
  const std::string tip = InTray()->Tip;
  win::ShellRecreateTaskbar();
  wt::RunUntilIdle();
  ASSERT_NE(InTray(), nullptr);
  EXPECT_EQ(InTray()->Tip, tip);
  EXPECT_EQ(std::count_if(icons_.begin(), icons_.end(),
                          [&](const win::TTrayIcon& i) { return i.Wnd == tray_->WindowHandle(); }),
            1);
  // Switched off, the next taskbar gets no icon.
  tray_->SetActive(false);
  win::ShellRecreateTaskbar();
  wt::RunUntilIdle();
  EXPECT_EQ(InTray(), nullptr);
}

}  // namespace
}  // namespace zyl
