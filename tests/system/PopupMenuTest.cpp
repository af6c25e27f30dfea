// The popup menu with its side bar, opened and captured while it is tracked.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLFillObject.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLPopupMenu.h"
#include "tests/support/PixelCheck.h"

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

// A menu read from an older form file: its OwnerDraw line is read and dropped, the Options
// decide whether the menu is owner-drawn, and OwnerDraw is not written again.
struct TOldFileCase {
  const char* Name;
  const char* Lines;
  bool OwnerDrawn;
};

class PopupMenuOldFile : public PopupMenu, public ::testing::WithParamInterface<TOldFileCase> {};

TEST_P(PopupMenuOldFile, OwnerDrawIsReadAndDropped) {
  ZYLPopupMenuUnit.Init();
  const std::string text = std::string("object Menu: TZYLPopupMenu\n") + GetParam().Lines + "end\n";
  TZYLPopupMenu menu(nullptr);
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), &menu);
  EXPECT_EQ(menu.OwnerDraw(), GetParam().OwnerDrawn);
  EXPECT_EQ(menu.OwnerDraw(), menu.Options().contains(poDisplayBar));
  const std::string written = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(&menu));
  EXPECT_EQ(written.find("OwnerDraw"), std::string::npos) << written;
  ZYLPopupMenuUnit.FInit();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PopupMenuOldFile,
    ::testing::Values(TOldFileCase{"FalseWithTheBar", "  OwnerDraw = False\n", true},
                      TOldFileCase{"TrueWithoutTheBar",
                                   "  OwnerDraw = True\n  Options = [poUseAppTitle]\n", false},
                      TOldFileCase{"AfterTheOptions", "  Options = []\n  OwnerDraw = True\n",
                                   false},
                      TOldFileCase{"None", "  Options = [poDisplayBar]\n", true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PopupMenu, OwnerDrawFollowsTheOptionsOnly) {
  auto* menu = Make<TZYLPopupMenu>({"Open"});
  EXPECT_TRUE(menu->OwnerDraw());
  vcl::SetOrdProp(menu, "OwnerDraw", 0);
  EXPECT_TRUE(menu->OwnerDraw());
  menu->SetOptions({});
  EXPECT_FALSE(menu->OwnerDraw());
  vcl::SetOrdProp(menu, "OwnerDraw", 1);
  EXPECT_FALSE(menu->OwnerDraw());
  // Switched from code, it is switched back when the menu opens.
  menu->SetOwnerDraw(true);
  OpenAndCapture(menu);
  EXPECT_FALSE(menu->OwnerDraw());
}

// A negative picture index is ignored: the one set before stays.
struct TIndexCase {
  const char* Name;
  int Index;
};

class PopupMenuIndex : public PopupMenu, public ::testing::WithParamInterface<TIndexCase> {};

TEST_P(PopupMenuIndex, ANegativeValueKeepsThePreviousOne) {
  auto* menu = Make<TZYLPopupMenu>({"Open"});
  const int index = GetParam().Index;
  menu->SetIndex(index, 3);
  for (int bad : {-1, -2, INT32_MIN}) {
    menu->SetIndex(index, bad);
    EXPECT_EQ(menu->GetIndex(index), 3) << bad;
  }
  menu->SetIndex(index, 0);
  EXPECT_EQ(menu->GetIndex(index), 0);
  // Also when read from a form file.
  ZYLPopupMenuUnit.Init();
  TZYLPopupMenu read(nullptr);
  const std::string text = std::string("object Menu: TZYLPopupMenu\n  ") + GetParam().Name +
                           " = 2\n  " + GetParam().Name + " = -5\nend\n";
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), &read);
  EXPECT_EQ(read.GetIndex(index), 2);
  ZYLPopupMenuUnit.FInit();
}

INSTANTIATE_TEST_SUITE_P(Cases, PopupMenuIndex,
                         ::testing::Values(TIndexCase{"ImageIndex", iiImageIndex},
                                           TIndexCase{"ListIndex", iiListIndex}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace zyl
