// Menus of the framework: shortcut text, the item tree and its errors, the window-system menus
// kept in step with the items, popup menus raised by the mouse and the keyboard, shortcuts,
// owner drawing, and menus read from and written to form files.
#include "ComCtrlsTestSupport.h"
#include "ControlsTestSupport.h"

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/ImgList.h"
#include "platform/controls/Menus.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace vcl::testing {
namespace {

using namespace win::testkit;

// ---- Shortcut text ----

struct ShortCutCase {
  TShortCut Key;
  const char* Text;
};

class ShortCutText : public ::testing::TestWithParam<ShortCutCase> {};

TEST_P(ShortCutText, ConvertsBothWays) {
  EXPECT_EQ(ShortCutToText(GetParam().Key), GetParam().Text);
  EXPECT_EQ(TextToShortCut(GetParam().Text), GetParam().Key);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortCutText,
    ::testing::Values(ShortCutCase{scCtrl | 'O', "Ctrl+O"},
                      ShortCutCase{scShift | scCtrl | win::VK_F5, "Shift+Ctrl+F5"},
                      ShortCutCase{win::VK_DELETE, "Del"},
                      ShortCutCase{scAlt | win::VK_BACK, "Alt+BkSp"},
                      ShortCutCase{scCtrl | '7', "Ctrl+7"}, ShortCutCase{win::VK_F12, "F12"}));

TEST(ShortCutTextEdges, UnknownTextIsNoShortcutAndCaseDoesNotMatter) {
  testsupport::ExpectCases({{std::to_string(TextToShortCut("ctrl+shift+pgdn")),
                             std::to_string(scCtrl | scShift | win::VK_NEXT)},
                            {std::to_string(TextToShortCut("Ctrl+")), "0"},
                            {std::to_string(TextToShortCut("Hyper+X")), "0"},
                            {std::to_string(TextToShortCut("")), "0"},
                            {std::to_string(TextToShortCut("Ctrl+OO")), "0"},
                            {ShortCutToText(scCtrl | 0xE5), ""}});
}

// ---- The item tree ----

struct TClicks : TObject {
  std::vector<std::string> Log;
  void Clicked(TObject* Sender) { Log.push_back(static_cast<TMenuItem*>(Sender)->Caption()); }
};

TMenuItem* Item(TComponent* owner, const std::string& caption, TClicks* clicks = nullptr) {
  auto* i = new TMenuItem(owner);
  i->SetCaption(caption);
  if (clicks) i->SetOnClick(TNotifyEvent(clicks, &TClicks::Clicked));
  return i;
}

// The entries of a window-system menu: text, and "+checked", "+grey", "+radio", "+sub".
std::vector<std::string> Entries(win::HMENU menu) {
  std::vector<std::string> r;
  for (int i = 0; i < win::GetMenuItemCount(menu); ++i) {
    win::MENUITEMINFOA mii;
    char text[64] = {};
    mii.fMask = win::MIIM_STRING | win::MIIM_STATE | win::MIIM_FTYPE | win::MIIM_SUBMENU;
    mii.dwTypeData = text;
    mii.cch = sizeof text;
    win::GetMenuItemInfoA(menu, static_cast<win::UINT>(i), win::TRUE, &mii);
    std::string e = (mii.fType & win::MFT_SEPARATOR) ? "-" : text;
    if (mii.fState & win::MFS_CHECKED) e += "+checked";
    if (mii.fState & win::MFS_GRAYED) e += "+grey";
    if (mii.fType & win::MFT_RADIOCHECK) e += "+radio";
    if (mii.hSubMenu) e += "+sub";
    r.push_back(e);
  }
  return r;
}

class MenuTreeTest : public ControlsTest {
 protected:
  void SetUp() override {
    menu_ = new TPopupMenu(&owner_);
    for (const char* c : {"&Open", "-", "E&xit"}) menu_->Items()->Add(Item(&owner_, c, &clicks_));
  }
  TComponent owner_{nullptr};
  TPopupMenu* menu_ = nullptr;
  TClicks clicks_;
};

TEST_F(MenuTreeTest, BadIndexesAndSecondParentsRaiseMenuErrors) {
  TMenuItem* root = menu_->Items();
  TMenuItem* loose = Item(&owner_, "Loose");
  testsupport::ExpectCases({
      {testsupport::ErrorOf<EMenuError>([&] { root->Insert(4, loose); }),
       "Menu index out of range"},
      {testsupport::ErrorOf<EMenuError>([&] { root->Insert(-1, loose); }),
       "Menu index out of range"},
      {testsupport::ErrorOf<EMenuError>([&] { root->Items(3); }), "Menu index out of range"},
      {testsupport::ErrorOf<EMenuError>([&] { root->Add(root->Items(0)); }), "Menu inserted twice"},
      {testsupport::ErrorOf<EMenuError>([&] { root->Remove(loose); }), "Sub-menu is not in menu"},
  });
  // An item cannot hold its own ancestor.
  loose->Add(Item(&owner_, "Inner"));
  EXPECT_EQ(testsupport::ErrorOf<EMenuError>([&] { loose->Items(0)->Add(loose); }),
            "Menu inserted twice");
  EXPECT_EQ(root->Count(), 3);
  EXPECT_EQ(loose->Count(), 1);
}

TEST_F(MenuTreeTest, SubmenusNestNoDeeperThanTheWindowSystemsMenus) {
  const std::string tooDeep =
      "Menus cannot nest more than " + std::to_string(win::kMaxMenuNesting) + " levels deep";
  // Made from the top: each new item goes below the last, until the limit refuses one.
  TMenuItem* root = menu_->Items();
  TMenuItem* deepest = root;
  int levels = 0;
  std::string error = "<no error>";
  while (error == "<no error>" && levels < 40000) {
    TMenuItem* next = Item(&owner_, "Level " + std::to_string(levels + 1));
    error = testsupport::ErrorOf<EMenuError>([&] { deepest->Add(next); });
    if (error == "<no error>") {
      deepest = next;
      ++levels;
    }
  }
  EXPECT_EQ(error, tooDeep);
  EXPECT_EQ(levels, win::kMaxMenuNesting);
  // The handles reach the deepest submenu.
  win::HMENU h = win::GetSubMenu(menu_->Handle(), 3);
  int submenus = 0;
  for (; h; h = win::GetSubMenu(h, 0)) ++submenus;
  EXPECT_EQ(submenus, win::kMaxMenuNesting - 1);
  // Made from the bottom: a deep loose tree goes in where it stays within the limit only.
  auto chain = [&](int below) {
    TMenuItem* top = Item(&owner_, "Loose");
    for (TMenuItem* end = top; below > 0; --below) {
      TMenuItem* next = Item(&owner_, "Below");
      end->Add(next);
      end = next;
    }
    return top;
  };
  EXPECT_EQ(testsupport::ErrorOf<EMenuError>([&] { root->Add(chain(win::kMaxMenuNesting - 1)); }),
            "<no error>");
  TMenuItem* refused = chain(win::kMaxMenuNesting - 1);
  EXPECT_EQ(testsupport::ErrorOf<EMenuError>([&] { root->Items(0)->Add(refused); }), tooDeep);
  EXPECT_EQ(root->Items(0)->Count(), 0);
  EXPECT_EQ(refused->Parent(), nullptr);
}

TEST_F(MenuTreeTest, HandleFollowsEveryChangeOfTheItems) {
  TMenuItem* root = menu_->Items();
  const win::HMENU h = menu_->Handle();
  EXPECT_EQ(Entries(h), (TLines{"&Open", "-", "E&xit"}));
  struct Step {
    std::function<void()> Change;
    TLines Expected;
  };
  const std::vector<Step> steps = {
      {[&] { root->Items(0)->SetShortCut(scCtrl | 'O'); }, {"&Open\tCtrl+O", "-", "E&xit"}},
      {[&] { root->Items(2)->SetEnabled(false); }, {"&Open\tCtrl+O", "-", "E&xit+grey"}},
      {[&] { root->Items(1)->SetVisible(false); }, {"&Open\tCtrl+O", "E&xit+grey"}},
      {[&] { root->Items(2)->SetMenuIndex(0); }, {"E&xit+grey", "&Open\tCtrl+O"}},
      {[&] { root->Items(0)->Add(Item(&owner_, "Deep")); }, {"E&xit+grey+sub", "&Open\tCtrl+O"}},
      {[&] { root->Items(1)->SetCaption("&Close"); }, {"E&xit+grey+sub", "&Close\tCtrl+O"}},
      {[&] { delete root->Items(0); }, {"&Close\tCtrl+O"}},
  };
  for (size_t k = 0; k < steps.size(); ++k) {
    steps[k].Change();
    EXPECT_EQ(Entries(h), steps[k].Expected) << "step " << k;
  }
  EXPECT_EQ(menu_->Handle(), h);
}

TEST_F(MenuTreeTest, RadioItemsOfOneGroupCheckOneAtATime) {
  TMenuItem* root = menu_->Items();
  std::vector<TMenuItem*> radios;
  for (int g : {1, 1, 2}) {
    TMenuItem* i = Item(&owner_, "R" + std::to_string(radios.size()));
    i->SetRadioItem(true);
    i->SetGroupIndex(static_cast<uint8_t>(g));
    root->Add(i);
    radios.push_back(i);
  }
  radios[2]->SetChecked(true);
  radios[0]->SetChecked(true);
  radios[1]->SetChecked(true);
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_TRUE(radios[1]->Checked());
  EXPECT_TRUE(radios[2]->Checked());  // another group
  EXPECT_EQ(Entries(menu_->Handle()).back(), "R2+checked+radio");
}

TEST_F(MenuTreeTest, FindsItemsByCommandHandleAndShortCutAndDispatchesThem) {
  TMenuItem* open = menu_->Items()->Items(0);
  TMenuItem* sub = Item(&owner_, "Sub");
  sub->Add(Item(&owner_, "Inner", &clicks_));
  sub->Items(0)->SetShortCut(scCtrl | 'I');
  sub->Items(0)->SetAutoCheck(true);
  menu_->Items()->Add(sub);
  EXPECT_EQ(menu_->FindItem(open->Command(), fkCommand), open);
  EXPECT_EQ(menu_->FindItem(reinterpret_cast<uintptr_t>(sub->Handle()), fkHandle), sub);
  EXPECT_EQ(menu_->FindItem(scCtrl | 'I', fkShortCut), sub->Items(0));
  EXPECT_EQ(menu_->FindItem(0xFFFF, fkCommand), nullptr);
  EXPECT_NE(open->Command(), sub->Items(0)->Command());
  EXPECT_TRUE(menu_->DispatchCommand(sub->Items(0)->Command()));
  EXPECT_FALSE(menu_->DispatchCommand(0xFFFF));
  EXPECT_TRUE(sub->Items(0)->Checked());
  EXPECT_EQ(clicks_.Log, (TLines{"Inner"}));
  EXPECT_EQ(menu_->Items()->Find("open"), open);
}

TEST_F(MenuTreeTest, BuildersMakeTreesAndFreeTheRestOnError) {
  TPopupMenu* built = NewPopupMenu(
      &owner_, "Built", paRight, false,
      {NewItem("&New", scCtrl | 'N', true, false, TNotifyEvent(), 0, "NewItem"), NewLine(),
       NewSubMenu("&More", 0, "More", {NewItem("A", 0, false, true, TNotifyEvent(), 0, "")})});
  EXPECT_EQ(Entries(built->Handle()), (TLines{"&New\tCtrl+N+checked+grey", "-", "&More+sub"}));
  EXPECT_EQ(built->Alignment(), paRight);
  EXPECT_FALSE(built->AutoPopup());
  TMenuItem* twice = NewItem("Twice", 0, false, true, TNotifyEvent(), 0, "");
  built->Items()->Add(twice);
  EXPECT_EQ(testsupport::ErrorOf<EMenuError>([&] {
              NewSubMenu("Bad", 0, "", {NewLine(), twice, NewLine()});
            }),
            "Menu inserted twice");
  EXPECT_EQ(twice->Parent(), built->Items());
}

// ---- Popup menus driven by the user ----

class PopupTest : public ControlsTest {
 protected:
  void SetUp() override {
    form_ = new TForm(nullptr);
    form_->SetBounds(100, 100, 300, 200);
    panel_ = Place<TPanel>(form_, 10, 10, 120, 80, "Panel", form_);
    edit_ = Place<TEdit>(form_, 150, 10, 100, 22, "Edit", form_);
    menu_ = new TPopupMenu(form_);
    for (const char* c : {"&Copy", "&Paste"}) menu_->Items()->Add(Item(form_, c, &clicks_));
    popups_.Menu = menu_;
    menu_->SetOnPopup(TNotifyEvent(&popups_, &TPopups::Popped));
    CloseMenusWhenIdle(true);
  }
  void TearDown() override { delete form_; }
  struct TPopups : TObject {
    TPopupMenu* Menu = nullptr;
    std::vector<TComponent*> Seen;
    void Popped(TObject*) { Seen.push_back(Menu->PopupComponent()); }
  } popups_;
  // The open menu's captions, read while it waits for input.
  void ReadOpenMenu() {
    SetMenuHandler([this] {
      if (!OpenMenus().empty()) seen_ = OpenMenus().back().Items.size();
      SetMenuHandler(nullptr);
    });
  }
  TForm* form_ = nullptr;
  TPanel* panel_ = nullptr;
  TEdit* edit_ = nullptr;
  TPopupMenu* menu_ = nullptr;
  TClicks clicks_;
  std::vector<TComponent*>& popped_ = popups_.Seen;
  size_t seen_ = 0;
};

TEST_F(PopupTest, RightClickPopsTheControlsMenuAndRunsTheChosenItem) {
  panel_->SetPopupMenu(menu_);
  ShowNow(form_);
  ChooseMenuPath({"Paste"});
  const TPoint p = ScreenOf(panel_, 20, 20);
  Click(p.X, p.Y, 1);
  Idle();
  EXPECT_EQ(clicks_.Log, (TLines{"&Paste"}));
  EXPECT_EQ(popped_, (std::vector<TComponent*>{panel_}));
  EXPECT_EQ(menu_->PopupPoint().X, p.X);
  EXPECT_EQ(menu_->PopupPoint().Y, p.Y);
}

TEST_F(PopupTest, ControlsWithoutAMenuUseTheirParentsMenu) {
  form_->SetPopupMenu(menu_);
  ShowNow(form_);
  ReadOpenMenu();
  ClickAt(panel_, 20, 20);  // a left click pops nothing
  EXPECT_TRUE(popped_.empty());
  const TPoint p = ScreenOf(panel_, 20, 20);
  Click(p.X, p.Y, 1);
  Idle();
  EXPECT_EQ(seen_, 2u);
  EXPECT_EQ(popped_, (std::vector<TComponent*>{form_}));
}

struct KeyPopupCase {
  const char* Name;
  std::vector<win::BYTE> Keys;
  bool Shift;
};

class PopupKeys : public PopupTest, public ::testing::WithParamInterface<KeyPopupCase> {};

TEST_P(PopupKeys, TheContextKeysPopTheFocusedControlsMenuAtItsCorner) {
  edit_->SetPopupMenu(menu_);
  ShowNow(form_);
  edit_->SetFocus();
  Idle();
  ReadOpenMenu();
  SetShiftState(GetParam().Shift, false, false);
  for (win::BYTE k : GetParam().Keys) KeyPress(k);
  SetShiftState(false, false, false);
  Idle();
  EXPECT_EQ(seen_, 2u);
  EXPECT_EQ(popped_, (std::vector<TComponent*>{edit_}));
  const TPoint corner = edit_->ClientToScreen({0, 0});
  EXPECT_EQ(menu_->PopupPoint().X, corner.X);
  EXPECT_EQ(menu_->PopupPoint().Y, corner.Y);
}

INSTANTIATE_TEST_SUITE_P(Keys, PopupKeys,
                         ::testing::Values(KeyPopupCase{"ShiftF10", {win::VK_F10}, true},
                                           KeyPopupCase{"MenuKey", {win::VK_APPS}, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PopupTest, OnContextPopupCanKeepTheMenuShut) {
  panel_->SetPopupMenu(menu_);
  struct TKeeper : TObject {
    TPoint At{-9, -9};
    void Keep(TObject*, TPoint MousePos, bool& Handled) {
      At = MousePos;
      Handled = true;
    }
  } keeper;
  panel_->SetOnContextPopup(TContextPopupEvent(&keeper, &TKeeper::Keep));
  ShowNow(form_);
  const TPoint p = ScreenOf(panel_, 30, 25);
  Click(p.X, p.Y, 1);
  Idle();
  EXPECT_TRUE(popped_.empty());
  EXPECT_EQ(keeper.At.X, 30);
  EXPECT_EQ(keeper.At.Y, 25);
}

TEST_F(PopupTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirEvents) {
  struct TDrawLog : TObject {
    std::vector<std::pair<std::string, bool>> Drawn;
    void Measure(TObject*, TCanvas*, int& Width, int& Height) {
      Width = 90;
      Height = 30;
    }
    void Draw(TObject* Sender, TCanvas* C, TRect R, TOwnerDrawState State) {
      Drawn.emplace_back(static_cast<TMenuItem*>(Sender)->Caption(), State.contains(odSelected));
      C->Brush()->SetColor(clRed);
      C->FillRect(R);
    }
  } log;
  menu_->SetOwnerDraw(true);
  for (int i = 0; i < 2; ++i) {
    menu_->Items()->Items(i)->SetOnMeasureItem(TMenuMeasureItemEvent(&log, &TDrawLog::Measure));
    menu_->Items()->Items(i)->SetOnAdvancedDrawItem(
        TAdvancedMenuDrawItemEvent(&log, &TDrawLog::Draw));
  }
  std::vector<int> heights;
  SetMenuHandler([&] {
    const std::vector<TOpenMenu> open = OpenMenus();
    if (open.empty() || !heights.empty()) return;
    for (const TMenuItemView& v : open.back().Items) heights.push_back(v.Rect.Bottom - v.Rect.Top);
    QueueKey(win::VK_DOWN, true);
    QueueKey(win::VK_DOWN, false);
  });
  ShowNow(form_);
  menu_->Popup(200, 200);
  Idle();
  EXPECT_EQ(heights, (std::vector<int>{30, 30}));
  ASSERT_FALSE(log.Drawn.empty());
  EXPECT_EQ(log.Drawn.front(), (std::pair<std::string, bool>{"&Copy", false}));
  const std::pair<std::string, bool> selected{"&Copy", true};
  EXPECT_NE(std::find(log.Drawn.begin(), log.Drawn.end(), selected), log.Drawn.end());
}

TEST_F(PopupTest, ItemsDrawTheirImagesFromTheMenusImageList) {
  auto* images = new TImageList(form_);
  TBitmap red;
  red.SetSize(16, 16);
  red.Canvas()->Brush()->SetColor(clRed);
  red.Canvas()->FillRect(TRect{0, 0, 16, 16});
  images->AddMasked(&red, clNone);
  menu_->SetImages(images);
  menu_->Items()->Items(1)->SetImageIndex(0);
  menu_->Items()->Items(0)->SetImageIndex(5);  // out of range: no image
  std::vector<TRect> red_ink;
  SetMenuHandler([&] {
    const std::vector<TOpenMenu> open = OpenMenus();
    if (open.empty() || !red_ink.empty()) return;
    const win::testkit::TCapture screen = win::testkit::CaptureScreen();
    for (const TMenuItemView& v : open.back().Items) {
      // The red part of the item's glyph column, relative to the item.
      const TRect box = InkBox(
          screen, TRect{v.Rect.Left, v.Rect.Top, v.Rect.Left + 20, v.Rect.Bottom}, Is(clRed));
      red_ink.push_back(TRect{box.Left - v.Rect.Left, box.Top - v.Rect.Top, box.Right - v.Rect.Left,
                              box.Bottom - v.Rect.Top});
    }
  });
  ShowNow(form_);
  menu_->Popup(200, 200);
  Idle();
  ASSERT_EQ(red_ink.size(), 2u);
  EXPECT_LE(red_ink[0].Right - red_ink[0].Left, 0);  // "&Copy" has no image
  EXPECT_EQ(red_ink[1].Right - red_ink[1].Left, 16);
  EXPECT_EQ(red_ink[1].Bottom - red_ink[1].Top, 16);
  EXPECT_EQ(red_ink[1].Left, 2);
}

// ---- Shortcuts ----

TEST_F(PopupTest, ShortcutsOfTheFormsMenuAndOfPopupMenusRunBeforeTheControlsKeys) {
  auto* bar = new TMainMenu(form_);
  TMenuItem* file = Item(form_, "&File");
  bar->Items()->Add(file);
  file->Add(Item(form_, "&Save", &clicks_));
  file->Items(0)->SetShortCut(scCtrl | 'S');
  file->Add(Item(form_, "&Hidden", &clicks_));
  file->Items(1)->SetShortCut(scCtrl | 'H');
  file->Items(1)->SetEnabled(false);
  menu_->Items()->Items(0)->SetShortCut(scCtrl | 'K');
  edit_->SetPopupMenu(menu_);
  form_->SetMenu(bar);
  ShowNow(form_);
  edit_->SetFocus();
  Idle();
  SetShiftState(false, true, false);
  for (char k : {'S', 'H', 'K'}) KeyPress(static_cast<win::BYTE>(k));
  SetShiftState(false, false, false);
  EXPECT_EQ(clicks_.Log, (TLines{"&Save", "&Copy"}));
  EXPECT_EQ(edit_->Text(), "");
}

// ---- Forms: where Position puts them ----

struct PlaceCase {
  TPosition Position;
  bool Owned;  // owned by the second form
  int X, Y;    // expected origin
};

class FormPlacement : public ControlsTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(FormPlacement, CentresOverTheMainOrOwnerForm) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  main->SetBounds(0, 0, 400, 300);
  ShowNow(main);
  auto* other = new TForm(main);
  other->SetBounds(400, 200, 300, 200);
  ShowNow(other);
  auto* placed = new TForm(GetParam().Owned ? static_cast<TComponent*>(other) : main);
  placed->SetBounds(5, 5, 100, 80);
  placed->SetPosition(GetParam().Position);
  ShowNow(placed);
  EXPECT_EQ(placed->Left(), GetParam().X);
  EXPECT_EQ(placed->Top(), GetParam().Y);
  delete main;
}

INSTANTIATE_TEST_SUITE_P(Positions, FormPlacement,
                         ::testing::Values(PlaceCase{poMainFormCenter, true, 150, 110},
                                           PlaceCase{poOwnerFormCenter, true, 500, 260},
                                           PlaceCase{poOwnerFormCenter, false, 150, 110},
                                           PlaceCase{poScreenCenter, true, 350, 260},
                                           PlaceCase{poDesigned, true, 5, 5}));

// ---- Form files ----

constexpr const char kMenuForm[] = R"(object MenuForm: TForm
  Left = 0
  Top = 0
  Caption = 'Menus'
  ClientHeight = 200
  ClientWidth = 320
  DefaultMonitor = dmMainForm
  Menu = MainMenu1
  PopupMenu = PopupMenu1
  Position = poOwnerFormCenter
  PrintScale = poPrintToFit
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 100
    Height = 50
    PopupMenu = PopupMenu1
    TabOrder = 0
  end
  object MainMenu1: TMainMenu
    Left = 200
    Top = 8
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open...'
        ShortCut = 16463
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
        Hint = 'Leaves'
      end
    end
    object View1: TMenuItem
      Caption = '&View'
      object Big1: TMenuItem
        Caption = '&Big'
        Checked = True
        GroupIndex = 1
        RadioItem = True
      end
    end
  end
  object PopupMenu1: TPopupMenu
    Alignment = paCenter
    AutoPopup = False
    Left = 240
    Top = 8
    object Copy1: TMenuItem
      Caption = '&Copy'
      Visible = False
    end
  end
end
)";

TEST_F(ControlsTest, MenusReadFromAFormFileSurviveARoundTrip) {
  auto read = [](const std::string& text) {
    auto form = std::make_unique<TForm>(nullptr);
    ReadComponentFromBytes(ObjectTextToBinaryString(text), form.get());
    return form;
  };
  std::unique_ptr<TForm> form = read(kMenuForm);
  auto* bar = dynamic_cast<TMainMenu*>(form->FindComponent("MainMenu1"));
  auto* popup = dynamic_cast<TPopupMenu*>(form->FindComponent("PopupMenu1"));
  ASSERT_TRUE(bar && popup);
  EXPECT_EQ(form->Menu(), bar);
  EXPECT_EQ(form->PopupMenu(), popup);
  EXPECT_EQ(static_cast<TPanel*>(form->FindComponent("Panel1"))->PopupMenu(), popup);
  EXPECT_EQ(form->PrintScale(), poPrintToFit);
  EXPECT_EQ(form->DefaultMonitor(), dmMainForm);
  EXPECT_EQ(form->Position(), poOwnerFormCenter);
  EXPECT_EQ(form->ClientHeight(), 200);
  EXPECT_EQ(bar->Items()->Count(), 2);
  EXPECT_EQ(bar->Items()->Items(0)->Count(), 3);
  EXPECT_EQ(bar->Items()->Items(0)->Items(0)->ShortCut(), scCtrl | 'O');
  EXPECT_EQ(bar->Items()->Items(0)->Items(2)->Hint(), "Leaves");
  EXPECT_TRUE(bar->Items()->Items(1)->Items(0)->RadioItem());
  EXPECT_EQ(popup->Alignment(), paCenter);
  EXPECT_FALSE(popup->Items()->Items(0)->Visible());
  EXPECT_EQ(Entries(popup->Handle()), TLines{});

  const std::string written = ObjectBinaryToTextString(WriteComponentToBytes(form.get()));
  std::unique_ptr<TForm> again = read(written);
  EXPECT_EQ(ObjectBinaryToTextString(WriteComponentToBytes(again.get())), written);
  auto* bar2 = static_cast<TMainMenu*>(again->FindComponent("MainMenu1"));
  EXPECT_EQ(Entries(bar2->Handle()), (TLines{"&File+sub", "&View+sub"}));
  EXPECT_EQ(Entries(bar2->Items()->Items(0)->Handle()), (TLines{"&Open...\tCtrl+O", "-", "E&xit"}));
}

}  // namespace
}  // namespace vcl::testing
