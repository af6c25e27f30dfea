// The form's system menu with the application's own entries.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLSysMenu.h"

namespace zyl {
namespace {

// A form that counts the WM_SYSCOMMAND messages its own procedure receives.
class TCountingForm : public vcl::TForm {
 public:
  using vcl::TForm::TForm;
  std::vector<win::WPARAM> Commands;
  void WndProc(vcl::TMessage& Message) override {
    if (Message.Msg == win::WM_SYSCOMMAND) Commands.push_back(Message.WParam);
    vcl::TForm::WndProc(Message);
  }
};

struct TListener : vcl::TObject {
  std::vector<std::string> Heard;
  void Click(vcl::TObject*, int index, const std::string& caption) {
    Heard.push_back(std::to_string(index) + " " + caption);
  }
  void Change(vcl::TObject*) { Heard.push_back("change"); }
  void ItemClick(vcl::TObject* s) {
    Heard.push_back("item " + dynamic_cast<vcl::TMenuItem*>(s)->Caption());
  }
};

// The entries of a menu, top down: "text=id", "-" for a separator.
std::vector<std::string> Entries(win::HMENU menu) {
  std::vector<std::string> out;
  for (int i = 0; i < win::GetMenuItemCount(menu); ++i) {
    char text[300] = "";
    win::GetMenuStringA(menu, static_cast<win::UINT>(i), text, sizeof text, win::MF_BYPOSITION);
    const win::UINT state = win::GetMenuState(menu, static_cast<win::UINT>(i), win::MF_BYPOSITION);
    out.push_back(state & win::MF_SEPARATOR
                      ? "-"
                      : std::string(text) + "=" + std::to_string(win::GetMenuItemID(menu, i)));
  }
  return out;
}

class SysMenu : public ::testing::Test {
 protected:
  SysMenu() : form_(new TCountingForm(nullptr)) {
    form_->SetBounds(10, 10, 300, 200);
    menu_ = new TZYLSysMenu(form_.get());
    menu_->SetOnClick(TZYLSysMenuClickEvent(&listener_, &TListener::Click));
    menu_->SetOnChange(vcl::TNotifyEvent(&listener_, &TListener::Change));
  }
  win::HMENU System() { return win::GetSystemMenu(form_->Handle(), false); }
  void SetItems(std::initializer_list<const char*> lines) {
    vcl::TStringList list;
    for (const char* l : lines) list.Add(l);
    menu_->SetItems(&list);
  }

  vcl::testkit::TControlsSession session_;
  std::unique_ptr<TCountingForm> form_;
  TZYLSysMenu* menu_;
  TListener listener_;
};

TEST_F(SysMenu, OwnEntriesGoInAtTheirPlaceAndReportTheirClicks) {
  const std::vector<std::string> standard = Entries(System());
  SetItems({"A", "-", "B"});
  menu_->SetInsertFrom(0);
  menu_->Loaded();
  ASSERT_TRUE(menu_->Active());
  std::vector<std::string> expected = {"A=1", "-", "B=3"};
  expected.insert(expected.end(), standard.begin(), standard.end());
  EXPECT_EQ(Entries(System()), expected);
  EXPECT_EQ(menu_->GetItemsCount(), 3);
  EXPECT_EQ(menu_->MenuString(2), "B");
  EXPECT_EQ(menu_->MenuString(3), "");
  form_->Perform(win::WM_SYSCOMMAND, 3, 0);
  EXPECT_EQ(listener_.Heard, (std::vector<std::string>{"2 B"}));
  EXPECT_EQ(form_->Commands, (std::vector<win::WPARAM>{3}));  // the form still hears it
  form_->Perform(win::WM_SYSCOMMAND, 4, 0);                   // no entry of ours
  EXPECT_EQ(listener_.Heard.size(), 1u);
  // Changing the items while shown only tells; UpdateMenu builds the entries anew.
  SetItems({"C"});
  EXPECT_EQ(listener_.Heard.back(), "change");
  EXPECT_EQ(Entries(System())[0], "A=1");
  menu_->UpdateMenu();
  EXPECT_EQ(Entries(System())[0], "C=1");
  EXPECT_EQ(Entries(System()).size(), standard.size() + 1);
}

// Minimized, maximized and restored, the form keeps the own entries and drops the standard
// ones left out; an own entry chosen in any state reaches OnClick and leaves the state as it is.
TEST_F(SysMenu, EntriesStayAndAnswerInEveryWindowState) {
  SetItems({"A", "B"});
  menu_->SetInsertFrom(0);
  menu_->SetShowEntries({smRestore, smMove, smMinimize, smClose, smSwitch});
  menu_->Loaded();
  form_->Show();
  win::testkit::RunUntilIdle();
  const std::vector<std::string> shown = Entries(System());
  ASSERT_EQ(shown.front(), "A=1");
  for (vcl::TWindowState state : {vcl::wsMinimized, vcl::wsMaximized, vcl::wsNormal}) {
    form_->SetWindowState(state);
    win::testkit::RunUntilIdle();
    EXPECT_EQ(Entries(System()), shown) << state;
    form_->Perform(win::WM_SYSCOMMAND, 2, 0);
    EXPECT_EQ(listener_.Heard.back(), "1 B") << state;
    EXPECT_EQ(form_->WindowState(), state);
  }
  // The standard Restore chosen on the minimized form restores it, and the entries stay.
  form_->SetWindowState(vcl::wsMinimized);
  form_->Perform(win::WM_SYSCOMMAND, win::SC_RESTORE, 0);
  win::testkit::RunUntilIdle();
  EXPECT_EQ(form_->WindowState(), vcl::wsNormal);
  EXPECT_EQ(Entries(System()), shown);
}

// Freed while its form stays, the component takes its entries with it: the form's system menu
// is the standard one again, and a command of a former entry reaches no handler.
TEST_F(SysMenu, FreedItTakesItsEntriesOutOfTheFormsMenu) {
  const std::vector<std::string> standard = Entries(System());
  SetItems({"A", "B"});
  menu_->Loaded();
  ASSERT_EQ(Entries(System()).size(), standard.size() + 2);
  delete menu_;
  EXPECT_EQ(Entries(System()), standard);
  form_->Perform(win::WM_SYSCOMMAND, 1, 0);
  EXPECT_TRUE(listener_.Heard.empty());
}

// With HandleApp (set from a form file) the entries go into the application window's system
// menu as well, and their commands there reach OnClick; other commands go on to the application.
TEST(SysMenuApplication, EntriesOfTheApplicationsMenuReportTheirClicks) {
  vcl::testkit::TControlsSession session;
  ZYLSysMenuUnit.Init();
  auto form = std::make_unique<vcl::TForm>(nullptr);
  vcl::ReadComponentFromBytes(
      vcl::ObjectTextToBinaryString("object Form1: TForm\n"
                                    "  object SysMenu1: TZYLSysMenu\n"
                                    "    HandleApp = True\n"
                                    "    InsertFrom = 0\n"
                                    "    Items.Strings = (\n      'A'\n      'B')\n"
                                    "  end\nend\n"),
      form.get());
  auto* menu = dynamic_cast<TZYLSysMenu*>(form->FindComponent("SysMenu1"));
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(menu->AppHooked());
  TListener listener;
  menu->SetOnClick(TZYLSysMenuClickEvent(&listener, &TListener::Click));
  const win::HWND app = vcl::Application->Handle();
  const std::vector<std::string> entries = Entries(win::GetSystemMenu(app, false));
  ASSERT_GE(entries.size(), 2u);
  EXPECT_EQ((std::vector<std::string>{entries[0], entries[1]}),
            (std::vector<std::string>{"A=1", "B=2"}));
  win::SendMessageA(app, win::WM_SYSCOMMAND, 2, 0);
  win::SendMessageA(app, win::WM_SYSCOMMAND, 7, 0);  // no entry of ours
  EXPECT_EQ(listener.Heard, (std::vector<std::string>{"1 B"}));
  // Disabled, the component leaves the application's commands alone.
  menu->SetEnabled(false);
  win::SendMessageA(app, win::WM_SYSCOMMAND, 1, 0);
  EXPECT_EQ(listener.Heard.size(), 1u);
  form.reset();
  ZYLSysMenuUnit.FInit();
}

TEST_F(SysMenu, InsertFromOutOfRangeAppendsAndStatesFollowTheEntries) {
  menu_->SetInsertFrom(20);
  EXPECT_EQ(menu_->InsertFrom(), -1);
  menu_->SetInsertFrom(-5);
  EXPECT_EQ(menu_->InsertFrom(), -1);
  SetItems({"One", "Two"});
  EXPECT_FALSE(menu_->GetEnabled(0));  // inactive: nothing to read
  menu_->Loaded();
  const std::vector<std::string> entries = Entries(System());
  EXPECT_EQ(entries[entries.size() - 2], "One=1");
  EXPECT_EQ(entries.back(), "Two=2");
  EXPECT_TRUE(menu_->GetEnabled(1));
  menu_->SetEnabled(1, false);
  EXPECT_FALSE(menu_->GetEnabled(1));
  menu_->SetChecked(0, true);
  EXPECT_TRUE(menu_->GetChecked(0));
  menu_->SetChecked(5, true);  // out of range: ignored
  EXPECT_FALSE(menu_->GetChecked(5));
  EXPECT_EQ(menu_->GetSystemMenuHandle(), System());
}

TEST_F(SysMenu, DisablingRestoresTheStandardMenuWithTheRemovedEntries) {
  const std::vector<std::string> standard = Entries(System());
  menu_->SetShowEntries({smRestore, smSize, smMinimize, smMaximize, smClose});
  SetItems({"Own"});
  menu_->Loaded();
  const std::vector<std::string> trimmed = Entries(System());
  EXPECT_EQ(trimmed.size(), standard.size());  // Move gone, Own added
  EXPECT_EQ(std::count(trimmed.begin(), trimmed.end(), standard[1]), 0);
  menu_->SetEnabled(false);
  EXPECT_FALSE(menu_->Active());
  EXPECT_EQ(Entries(System()), standard);
  EXPECT_EQ(menu_->GetSystemMenuHandle(), nullptr);
}

TEST_F(SysMenu, APopupMenuGivesTheEntriesAndTheirClicks) {
  auto* popup = new vcl::TPopupMenu(form_.get());
  for (const char* caption : {"Open", "-", "Save"}) {
    auto* item = new vcl::TMenuItem(popup);
    item->SetCaption(caption);
    item->SetOnClick(vcl::TNotifyEvent(&listener_, &TListener::ItemClick));
    popup->Items()->Add(item);
  }
  popup->Items()->Items(2)->SetShortCut(vcl::ShortCut('S', {vcl::ssCtrl}));
  popup->Items()->Items(2)->SetEnabled(false);
  menu_->SetComponentStateFlag(vcl::csLoading, true);
  menu_->SetMode(mmMenu);
  menu_->SetMenu(popup);
  menu_->SetComponentStateFlag(vcl::csLoading, false);
  menu_->Loaded();
  ASSERT_TRUE(menu_->Active());
  EXPECT_FALSE(popup->AutoPopup());
  EXPECT_EQ(form_->PopupMenu(), popup);
  const std::vector<std::string> entries = Entries(System());
  const win::UINT save = popup->Items()->Items(2)->Command();
  EXPECT_EQ(entries.back(), "Save\tCtrl+S=" + std::to_string(save));
  EXPECT_NE(win::GetMenuState(System(), save, win::MF_BYCOMMAND) & win::MF_GRAYED, 0u);
  form_->Perform(win::WM_SYSCOMMAND, popup->Items()->Items(0)->Command(), 0);
  EXPECT_EQ(listener_.Heard, (std::vector<std::string>{"item Open"}));
  // A forced update builds the entries anew from the standard menu: none twice.
  menu_->ForceUpdate();
  EXPECT_EQ(Entries(System()), entries);
  // Mode is fixed outside loading; the menu going away takes the entries with it.
  menu_->SetMode(mmItems);
  EXPECT_EQ(menu_->Mode(), mmMenu);
  delete popup;
  EXPECT_FALSE(menu_->Active());
  EXPECT_EQ(form_->PopupMenu(), nullptr);
}

}  // namespace
}  // namespace zyl
