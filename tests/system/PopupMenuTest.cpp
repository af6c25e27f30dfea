// The popup menu with its side bar, opened and captured while it is tracked.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLFillObject.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "system/ZYLPopupMenu.h"
#include "tests/support/ControlsSession.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/StreamCopy.h"
#include "tests/support/TestKit.h"

namespace zyl {
namespace {

namespace wt = win::testkit;

struct TListener : vcl::TObject {
  std::vector<std::string> Heard;
  bool Cancel = false;
  void Before(vcl::TObject*, int x, int y, bool& cancel) {
    Heard.push_back("before " + std::to_string(x) + "," + std::to_string(y));
    cancel = Cancel;
  }
  void After(vcl::TObject*) { Heard.push_back("after"); }
  void Measure(vcl::TObject*, vcl::TCanvas*, int&, int&) { Heard.push_back("own measure"); }
};

class PopupMenu : public ::testing::Test {
 protected:
  PopupMenu() : session_(800, 600), owner_(new vcl::TForm(nullptr)) {}
  template <class M>
  M* Make(std::initializer_list<const char*> captions) {
    auto* menu = new M(owner_.get());
    for (const char* c : captions) {
      auto* item = new vcl::TMenuItem(menu);
      item->SetCaption(c);
      menu->Items()->Add(item);
    }
    return menu;
  }
  // Opens the menu at (100, 100), captures the screen while it is open, closes it.
  wt::TCapture OpenAndCapture(vcl::TPopupMenu* menu, win::RECT* where = nullptr) {
    wt::TCapture shot;
    wt::SetMenuHandler([&] {
      if (shot.Width == 0) {
        shot = wt::CaptureScreen();
        if (where) {
          const auto open = wt::OpenMenus();
          win::GetWindowRect(open.at(0).Window, where);
        }
      }
      win::EndMenu();
    });
    menu->Popup(100, 100);
    wt::SetMenuHandler(nullptr);
    return shot;
  }
  // A part of a capture.
  static wt::TCapture Part(const wt::TCapture& c, const win::RECT& r) {
    return wt::MakeCapture(r.Right - r.Left, r.Bottom - r.Top,
                           [&](int x, int y) { return c.Color(r.Left + x, r.Top + y); });
  }

  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> owner_;
  TListener listener_;
};

TEST_F(PopupMenu, ACancelledPopupOpensNothing) {
  auto* menu = Make<TZYLPopupMenu>({"One"});
  menu->SetOnBeforePopup(TZYLOnPopUpEvent(&listener_, &TListener::Before));
  menu->SetOnAfterPopUp(vcl::TNotifyEvent(&listener_, &TListener::After));
  listener_.Cancel = true;
  menu->Popup(10, 20);  // no handler: an open menu would throw
  EXPECT_EQ(listener_.Heard, (std::vector<std::string>{"before 10,20"}));
  listener_.Cancel = false;
  OpenAndCapture(menu);
  EXPECT_EQ(listener_.Heard, (std::vector<std::string>{"before 10,20", "before 100,100", "after"}));
}

TEST_F(PopupMenu, TheBarStandsLeftOfTheItemsTheHeightOfTheVisibleOnes) {
  auto* menu = Make<TZYLPopupMenu>({"Open", "Save", "Hidden"});
  menu->Items()->Items(2)->SetVisible(false);
  menu->Items()->Items(0)->SetOnMeasureItem(
      vcl::TMenuMeasureItemEvent(&listener_, &TListener::Measure));
  menu->SetCaption("Tools");
  win::RECT r;
  const wt::TCapture shot = OpenAndCapture(menu, &r);
  const int height = menu->BarHeight();
  EXPECT_GT(height, 0);
  EXPECT_LT(height, r.Bottom - r.Top);  // two items, not three
  // Inside the menu's frame: the bar's gradient runs from black at the top to blue at the
  // bottom, and the items start right of it.
  const win::COLORREF top = shot.Color(r.Left + 4, r.Top + 4);
  const win::COLORREF bottom = shot.Color(r.Left + 4, r.Top + height - 2);
  EXPECT_LT(win::GetBValue(top), win::GetBValue(bottom));
  EXPECT_EQ(win::GetRValue(bottom), 0);
  // The item's own handler is back after the popup, and was not called during it.
  EXPECT_TRUE(menu->Items()->Items(0)->OnMeasureItem ==
              vcl::TMenuMeasureItemEvent(&listener_, &TListener::Measure));
  EXPECT_TRUE(listener_.Heard.empty());
}

TEST_F(PopupMenu, WithoutTheBarItLooksLikeAPlainPopupMenu) {
  auto* bare = Make<TZYLPopupMenu>({"Open", "-", "Close"});
  bare->SetOptions({});
  EXPECT_FALSE(bare->OwnerDraw());
  win::RECT r1, r2;
  const wt::TCapture a = OpenAndCapture(bare, &r1);
  auto* plain = Make<vcl::TPopupMenu>({"Open", "-", "Close"});
  const wt::TCapture b = OpenAndCapture(plain, &r2);
  ASSERT_EQ(r1, r2);
  EXPECT_TRUE(wt::SamePixels(Part(a, r1), Part(b, r2), "popup_without_bar"));
}

TEST_F(PopupMenu, APictureOutsideTheListShowsTheBitmapAndTheTitleStandsInForTheCaption) {
  auto* menu = Make<TZYLPopupMenu>({"Open", "Save", "Print", "Close"});
  vcl::TBitmap red;
  red.SetWidth(12);
  red.SetHeight(12);
  red.Canvas()->Brush()->SetColor(vcl::clRed);
  red.Canvas()->FillRect({0, 0, 12, 12});
  red.Canvas()->SetPixels(0, 11, vcl::clWhite);  // the see-through colour
  menu->SetBitmap(&red);
  menu->SetIndex(iiImageIndex, 7);  // no list: the bitmap
  vcl::Application->SetTitle("Application");
  win::RECT r;
  const wt::TCapture titled = OpenAndCapture(menu, &r);
  int reds = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Left + 28; ++x) reds += titled.Color(x, y) == win::RGB(255, 0, 0);
  EXPECT_GT(reds, 50);
  menu->SetOptions({poDisplayBar});  // no title in the bar now
  const wt::TCapture untitled = OpenAndCapture(menu);
  EXPECT_FALSE(wt::SamePixels(Part(titled, r), Part(untitled, r), "bar_with_title_differs"));
}

// Options without the bar make the menu draw as a plain one; OwnerDraw set on again afterwards
// (its default, which a form file leaves out) comes back from the file.
TEST_F(PopupMenu, OwnerDrawSetAfterTheOptionsSurvivesAFormStream) {
  auto* menu = Make<TZYLPopupMenu>({});
  menu->SetOptions({poUseAppTitle});
  EXPECT_FALSE(menu->OwnerDraw());
  menu->SetOwnerDraw(true);
  const std::unique_ptr<TZYLPopupMenu> copy = testsupport::StreamCopy(menu);
  EXPECT_EQ(copy->Options(), TZYLPopUpOptions{poUseAppTitle});
  EXPECT_TRUE(copy->OwnerDraw());
  // Set by the program, the options still decide.
  copy->SetOptions({poDisplayBar});
  EXPECT_TRUE(copy->OwnerDraw());
  copy->SetOptions({});
  EXPECT_FALSE(copy->OwnerDraw());
}

}  // namespace
}  // namespace zyl
