// Hiding non-visual components in the form designer: the hider's marks, Tags and icon windows,
// its design window (opened through the context menu) and the hider's streamed Tags.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "design/pZYLHideNonVC.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLConst.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/rtl/Consts.h"
#include "system/ZYLHideNonVC.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/DesignerDrivers.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

using vcl::TComponent;
using vcl::TRect;

int32_t Place(int left, int top) { return (top << 16) | left; }

class HideNonVC : public ::testing::Test {
 protected:
  HideNonVC() {
    form_->SetName("Form1");
    form_->SetBounds(0, 0, 400, 300);
    designer_ = new vcl::TFormDesigner(form_);
    timer1_ = Add<vcl::TTimer>("Timer1", Place(10, 20));
    button_ = new vcl::TButton(form_);
    button_->SetName("Button1");
    button_->SetParent(form_);
    timer2_ = Add<vcl::TTimer>("Timer2", Place(50, 20));
    menu_ = Add<vcl::TPopupMenu>("PopupMenu1", Place(90, 20));
    hider_ = Add<TZYLHideNonVC>("ZYLHideNonVC1", Place(130, 20));
  }
  ~HideNonVC() override {
    if (vcl::IsDesignPackageLoaded("hide-test")) vcl::UnloadDesignPackage("hide-test");
    delete ZYLHideNonVCfrm;
    delete designer_;
    delete form_;
  }
  template <class T>
  T* Add(const std::string& name, int32_t place) {
    auto* c = new T(form_);
    c->SetName(name);
    c->SetDesignInfo(place);
    return c;
  }
  TRect Icon(TComponent* c) { return designer_->IconWindowOf(c)->BoundsRect(); }
  static TRect IconAt(int32_t place) {
    return TRect{place & 0xFFFF, place >> 16, (place & 0xFFFF) + 28, (place >> 16) + 28};
  }
  // Opens the design window through the hider's context menu.
  TZYLHideNonVCfrm* OpenWindow() {
    vcl::LoadDesignPackage("hide-test", [] {
      vcl::RegisterComponentEditor(TZYLHideNonVC::StaticClass(),
                                   vcl::ComponentEditorClassOf<TZYLHideNonVCEditor>());
    });
    vt::TContextMenuDriver menu(hider_, designer_);
    EXPECT_EQ(menu.Verbs(), std::vector<std::string>{"Editor"});
    menu.Execute("Editor");
    wt::RunUntilIdle();
    return ZYLHideNonVCfrm;
  }
  std::vector<std::string> Items(TZYLHideNonVCfrm* w) {
    std::vector<std::string> items;
    for (int i = 0; i < w->cbList->Items()->Count(); ++i)
      items.push_back(w->cbList->Items()->Strings(i));
    return items;
  }
  std::vector<std::string> SelectedItems(TZYLHideNonVCfrm* w) {
    std::vector<std::string> items;
    for (int i = 0; i < w->cbList->Items()->Count(); ++i)
      if (w->cbList->Selected(i)) items.push_back(w->cbList->Items()->Strings(i));
    return items;
  }
  // Clicks the item of the list (with control held: adds it to the selection).
  void ClickItem(TZYLHideNonVCfrm* w, const std::string& item, bool add = false) {
    const int index = w->cbList->Items()->IndexOf(item);
    ASSERT_GE(index, 0) << item;
    const TRect r = w->cbList->ItemRect(index);
    const vcl::TPoint p = w->cbList->ClientToScreen({r.Left + 4, (r.Top + r.Bottom) / 2});
    wt::SetShiftState(false, add, false);
    wt::Click(p.X, p.Y);
    wt::SetShiftState(false, false, false);
  }
  std::vector<TComponent*> Selection() {
    vcl::TDesignerSelections list;
    designer_->GetSelections(list);
    std::vector<TComponent*> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(dynamic_cast<TComponent*>(list[i]));
    return out;
  }

  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  vcl::TForm* form_ = new vcl::TForm(nullptr);
  vcl::TFormDesigner* designer_;
  vcl::TTimer *timer1_, *timer2_;
  vcl::TButton* button_;
  vcl::TPopupMenu* menu_;
  TZYLHideNonVC* hider_;
};

TEST_F(HideNonVC, ValidComponentsAndTheirPlaceAmongTheIconWindows) {
  auto* item = new vcl::TMenuItem(form_);
  const auto valid = [&](TComponent* c) { return ZYLCheckValidComponent(c, form_) ? "1" : "0"; };
  testsupport::ExpectCases({{valid(timer1_), "1"},
                            {valid(button_), "0"},
                            {valid(form_), "0"},
                            {valid(item), "0"},
                            {valid(hider_), "1"},
                            {std::to_string(ZYLGetNonVCIndex(form_, hider_)), "0"},
                            {std::to_string(ZYLGetNonVCIndex(form_, menu_)), "1"},
                            {std::to_string(ZYLGetNonVCIndex(form_, timer2_)), "2"},
                            {std::to_string(ZYLGetNonVCIndex(form_, timer1_)), "3"}});
  // The count is the component's place among the designer's icon windows.
  int place = 0;
  for (vcl::TIconWindow* w = designer_->FirstIconWindow(); w; w = designer_->NextIconWindow(w))
    EXPECT_EQ(ZYLGetNonVCIndex(form_, w->Component()), place++) << w->Component()->Name();
}

struct TTagCase {
  bool UseTagInfo;
  int32_t UserTag;
  int32_t TagWhileHidden;  // -1: the place
  int32_t PlaceAfterShow;  // -1: the place it had
};

class HideNonVCTags : public HideNonVC, public ::testing::WithParamInterface<TTagCase> {};

TEST_P(HideNonVCTags, HidingAndShowingKeepsThePlaceAndGivesTheUsersTagBack) {
  const TTagCase& c = GetParam();
  const int32_t place = timer2_->DesignInfo();
  hider_->SetUseTagInfo(c.UseTagInfo);
  timer2_->SetTag(c.UserTag);
  hider_->HideComponent(timer2_);
  EXPECT_EQ(timer2_->DesignInfo(), defHideX);
  EXPECT_EQ(timer2_->Tag(), c.TagWhileHidden < 0 ? place : c.TagWhileHidden);
  EXPECT_EQ(Icon(timer2_), (TRect{-40, 0, -12, 28}));
  EXPECT_EQ(Icon(timer1_), IconAt(Place(10, 20)));  // the others stay
  hider_->HideComponent(timer2_);                   // hidden already: nothing changes
  EXPECT_EQ(timer2_->Tag(), c.TagWhileHidden < 0 ? place : c.TagWhileHidden);
  hider_->ShowComponent(timer2_);
  const int32_t back = c.PlaceAfterShow < 0 ? place : c.PlaceAfterShow;
  EXPECT_EQ(timer2_->DesignInfo(), back);
  EXPECT_EQ(timer2_->Tag(), c.UserTag);
  EXPECT_EQ(Icon(timer2_), IconAt(back));
}

INSTANTIATE_TEST_SUITE_P(Cases, HideNonVCTags,
                         ::testing::Values(TTagCase{true, 0, -1, -1}, TTagCase{true, 77, -1, -1},
                                           TTagCase{true, -5, -1, -1}, TTagCase{false, 0, 0, 0},
                                           TTagCase{false, 77, 77, 0}));

TEST_F(HideNonVC, WithCaptionsShownHidingIsRefusedAndChangesNothing) {
  timer1_->SetTag(3);
  vcl::TFormDesigner::SetShowComponentCaptions(true);
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { hider_->HideComponent(timer1_); }),
            vcl::SZYLHideCaptionsShown);
  vcl::TFormDesigner::SetShowComponentCaptions(false);
  EXPECT_EQ(timer1_->DesignInfo(), Place(10, 20));
  EXPECT_EQ(timer1_->Tag(), 3);
  EXPECT_EQ(Icon(timer1_), IconAt(Place(10, 20)));
}

TEST_F(HideNonVC, TheIconRoutinesMoveOnlyTheComponentsIconWindow) {
  std::vector<TComponent*> others{timer1_, timer2_, menu_, hider_};
  for (TComponent* c : {static_cast<TComponent*>(timer1_), static_cast<TComponent*>(timer2_),
                        static_cast<TComponent*>(menu_)}) {
    SCOPED_TRACE(c->Name());
    const int32_t place = c->DesignInfo();
    ZYLRemoveContainer(form_, c);
    EXPECT_EQ(Icon(c), (TRect{-40, 0, -12, 28}));
    EXPECT_EQ(c->DesignInfo(), place);  // the mark is the caller's business
    for (TComponent* o : others) {
      if (o == c) continue;
      EXPECT_EQ(Icon(o), IconAt(o->DesignInfo())) << o->Name();
    }
    // Shown again at the place its DesignInfo holds now.
    c->SetDesignInfo(Place(70, 40));
    ZYLShowContainer(form_, c);
    EXPECT_EQ(Icon(c), IconAt(Place(70, 40)));
    c->SetDesignInfo(place);
    ZYLShowContainer(form_, c);
    EXPECT_EQ(Icon(c), IconAt(place));
  }
  // The hider's own icon never moves.
  ZYLRemoveContainer(form_, hider_);
  EXPECT_EQ(Icon(hider_), IconAt(Place(130, 20)));
  // With captions shown both routines refuse and the icon stays.
  vcl::TFormDesigner::SetShowComponentCaptions(true);
  const std::string refused =
      testsupport::ErrorOf<vcl::Exception>([&] { ZYLRemoveContainer(form_, timer1_); });
  const std::string refusedShow =
      testsupport::ErrorOf<vcl::Exception>([&] { ZYLShowContainer(form_, timer1_); });
  vcl::TFormDesigner::SetShowComponentCaptions(false);
  const std::string text =
      "TZYLHideNonVC: Display of component caption in designmode is activated.\r"
      "Please disable this option or remove TZYLHideNonVC component.";
  EXPECT_EQ(refused, text);
  EXPECT_EQ(refusedShow, text);
  EXPECT_EQ(Icon(timer1_), IconAt(Place(10, 20)));
}

TEST_F(HideNonVC, AnIconLeftOrAboveTheFormComesBackWhereTheDesignerKeptIt) {
  // The designer keeps a place left of or above the form as 16-bit words: -5 is 0xFFFB.
  const int32_t place = static_cast<int32_t>((0xFFF4u << 16) | 0xFFFBu);
  timer1_->SetDesignInfo(place);
  EXPECT_EQ(Icon(timer1_), (TRect{-5, -12, 23, 16}));
  ZYLRemoveContainer(form_, timer1_);
  EXPECT_EQ(Icon(timer1_), (TRect{-40, 0, -12, 28}));
  ZYLShowContainer(form_, timer1_);
  EXPECT_EQ(Icon(timer1_), (TRect{-5, -12, 23, 16}));
}

TEST_F(HideNonVC, WithoutIconWindowsTheIconRoutinesDoNothing) {
  // A form nobody designs has no icon windows, and a component of another form has none here.
  vcl::TForm plain(nullptr);
  auto* timer = new vcl::TTimer(&plain);
  timer->SetDesignInfo(Place(5, 6));
  ZYLRemoveContainer(&plain, timer);
  ZYLShowContainer(&plain, timer);
  EXPECT_EQ(timer->DesignInfo(), Place(5, 6));
  ZYLRemoveContainer(form_, timer);
  for (TComponent* c : {static_cast<TComponent*>(timer1_), static_cast<TComponent*>(timer2_),
                        static_cast<TComponent*>(menu_), static_cast<TComponent*>(hider_)})
    EXPECT_EQ(Icon(c), IconAt(c->DesignInfo())) << c->Name();
}

TEST_F(HideNonVC, RemovingTheHiderShowsEveryHiddenIconAtItsPlace) {
  timer1_->SetTag(11);
  hider_->HideComponent(timer1_);
  hider_->SetUseTagInfo(false);
  hider_->HideComponent(menu_);
  delete hider_;
  EXPECT_EQ(timer1_->DesignInfo(), Place(10, 20));
  EXPECT_EQ(timer1_->Tag(), 11);
  EXPECT_EQ(Icon(timer1_), IconAt(Place(10, 20)));
  EXPECT_EQ(menu_->DesignInfo(), 0);  // without Tag info the place is lost: (0, 0)
  EXPECT_EQ(Icon(menu_), IconAt(0));
}

TEST_F(HideNonVC, OnlyOneHiderOnAFormAndOnlyOnAForm) {
  EXPECT_EQ(testsupport::ErrorOf<ZYLEOneInstError>([&] { new TZYLHideNonVC(form_); }),
            "TZYLHideNonVC:\r" + std::string(SZYLInvalidOwner));
  vcl::TComponent holder(nullptr);
  holder.SetDesigning(true);
  EXPECT_EQ(testsupport::ErrorOf<ZYLEOneInstError>([&] { new TZYLHideNonVC(&holder); }),
            "TZYLHideNonVC:\r" + std::string(SZYLInvalidOwner));
  EXPECT_EQ(holder.ComponentCount(), 0);
  EXPECT_EQ(form_->ComponentCount(), 5);
  vcl::TComponent plain(nullptr);  // at run time anything goes
  EXPECT_EQ(testsupport::ErrorOf<ZYLEOneInstError>([&] { new TZYLHideNonVC(&plain); }),
            "<no error>");
}

TEST_F(HideNonVC, TheUsersTagsTravelWithTheFormStream) {
  timer1_->SetTag(42);
  hider_->HideComponent(timer1_);
  const std::string bytes = vcl::WriteComponentToBytes(form_);
  EXPECT_NE(vcl::ObjectBinaryToTextString(bytes).find("UserTags"), std::string::npos);
  delete designer_;
  designer_ = nullptr;
  delete form_;
  form_ = new vcl::TForm(nullptr);
  vcl::ReadComponentFromBytes(bytes, form_);
  auto* timer = dynamic_cast<vcl::TTimer*>(form_->FindComponent("Timer1"));
  auto* hider = dynamic_cast<TZYLHideNonVC*>(form_->FindComponent("ZYLHideNonVC1"));
  ASSERT_TRUE(timer && hider);
  EXPECT_EQ(timer->DesignInfo(), defHideX);
  EXPECT_EQ(timer->Tag(), Place(10, 20));
  EXPECT_EQ(hider->UserTag(timer), 42);
  // Streamed again unchanged, then shown: the place and the user's Tag come back.
  EXPECT_EQ(vcl::WriteComponentToBytes(form_), bytes);
  hider->ShowComponent(timer);
  EXPECT_EQ(timer->DesignInfo(), Place(10, 20));
  EXPECT_EQ(timer->Tag(), 42);
  EXPECT_EQ(vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(form_)).find("UserTags"),
            std::string::npos);
}

// Many components hidden and shown in one call: each as if hidden or shown alone, the hider
// and the components already in that state left as they are.
TEST_F(HideNonVC, HidingAndShowingManyAtOnceActsOnEachAsAlone) {
  std::vector<TComponent*> timers;
  for (int i = 0; i < 40; ++i) {
    auto* t = Add<vcl::TTimer>("Many" + std::to_string(i), Place(200 + i, 60 + i));
    t->SetTag(1000 + i);
    timers.push_back(t);
  }
  hider_->HideComponent(timer1_);
  std::vector<TComponent*> chosen = timers;
  chosen.insert(chosen.begin() + 5, timer1_);  // hidden already
  chosen.push_back(hider_);                    // never hidden
  hider_->HideComponents(chosen);
  for (int i = 0; i < 40; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(timers[i]->DesignInfo(), defHideX);
    EXPECT_EQ(timers[i]->Tag(), Place(200 + i, 60 + i));
    EXPECT_EQ(hider_->UserTag(timers[i]), 1000 + i);
    EXPECT_EQ(Icon(timers[i]), (TRect{-40, 0, -12, 28}));
  }
  EXPECT_EQ(timer1_->Tag(), Place(10, 20));
  EXPECT_EQ(hider_->DesignInfo(), Place(130, 20));
  EXPECT_EQ(Icon(hider_), IconAt(Place(130, 20)));
  EXPECT_EQ(Icon(timer2_), IconAt(Place(50, 20)));  // not chosen: stays
  // The remembered Tags are written in the order the components were hidden.
  const std::string text = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(form_));
  size_t last = text.find("'Timer1'");
  ASSERT_NE(last, std::string::npos);
  for (int i = 0; i < 40; ++i) {
    const size_t at = text.find("'Many" + std::to_string(i) + "'");
    ASSERT_NE(at, std::string::npos) << i;
    EXPECT_GT(at, last) << i;
    last = at;
  }
  chosen.push_back(timer2_);  // shown already
  hider_->ShowComponents(chosen);
  for (int i = 0; i < 40; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(timers[i]->DesignInfo(), Place(200 + i, 60 + i));
    EXPECT_EQ(timers[i]->Tag(), 1000 + i);
    EXPECT_EQ(Icon(timers[i]), IconAt(Place(200 + i, 60 + i)));
  }
  EXPECT_EQ(timer1_->DesignInfo(), Place(10, 20));
  EXPECT_EQ(Icon(timer2_), IconAt(Place(50, 20)));
}

TEST_F(HideNonVC, WithCaptionsShownHidingManyIsRefusedAtTheFirst) {
  vcl::TFormDesigner::SetShowComponentCaptions(true);
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] {
              hider_->HideComponents({timer1_, timer2_, menu_});
            }),
            vcl::SZYLHideCaptionsShown);
  vcl::TFormDesigner::SetShowComponentCaptions(false);
  for (TComponent* c : {static_cast<TComponent*>(timer1_), static_cast<TComponent*>(timer2_),
                        static_cast<TComponent*>(menu_)})
    EXPECT_NE(c->DesignInfo(), defHideX) << c->Name();
}

TEST_F(HideNonVC, TheWindowListsTheComponentsAndHidesAndShowsTheChosenOnes) {
  timer2_->SetTag(9);
  TZYLHideNonVCfrm* w = OpenWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(designer_->ModifiedCount(), 0);  // opening changes nothing
  EXPECT_EQ(w->Caption(), "Form1.ZYLHideNonVC1");
  EXPECT_EQ(Items(w),
            (std::vector<std::string>{"PopupMenu1 [TPopupMenu]", "Timer1 [TTimer]",
                                      "Timer2 [TTimer]", "ZYLHideNonVC1 [TZYLHideNonVC]"}));
  EXPECT_FALSE(w->btHide->Enabled());
  EXPECT_TRUE(w->btHideAll->Enabled());
  EXPECT_EQ(w->d->Caption(), "[Visible]");  // the first line is the current one

  ClickItem(w, "Timer2 [TTimer]");
  EXPECT_EQ(Selection(), std::vector<TComponent*>{timer2_});
  EXPECT_EQ(w->d->Caption(), "[Visible]");
  EXPECT_EQ(w->d->Font()->Color(), vcl::clNavy);
  ASSERT_TRUE(w->btHide->Enabled());
  vt::ClickControl(w->btHide);
  EXPECT_EQ(timer2_->DesignInfo(), defHideX);
  EXPECT_EQ(Icon(timer2_), (TRect{-40, 0, -12, 28}));
  EXPECT_EQ(timer1_->DesignInfo(), Place(10, 20));
  EXPECT_EQ(w->d->Caption(), "[Hidden]");
  EXPECT_EQ(w->d->Font()->Color(), vcl::clMaroon);
  EXPECT_EQ(designer_->ModifiedCount(), 1);
  wt::WritePng(designtest::CaptureControl(w), "/tmp/hide_nonvc_window.png");

  vt::ClickControl(w->btShow);
  EXPECT_EQ(timer2_->DesignInfo(), Place(50, 20));
  EXPECT_EQ(timer2_->Tag(), 9);
  EXPECT_EQ(designer_->ModifiedCount(), 2);
  vt::ClickControl(w->btShow);  // nothing hidden: no modification
  EXPECT_EQ(designer_->ModifiedCount(), 2);

  vt::ClickControl(w->btHideAll);
  for (TComponent* c : {static_cast<TComponent*>(timer1_), static_cast<TComponent*>(timer2_),
                        static_cast<TComponent*>(menu_)})
    EXPECT_EQ(c->DesignInfo(), defHideX) << c->Name();
  EXPECT_EQ(hider_->DesignInfo(), Place(130, 20));  // its icon leads to this window
  vt::ClickControl(w->btshowall);
  EXPECT_EQ(menu_->DesignInfo(), Place(90, 20));
  EXPECT_EQ(Icon(menu_), IconAt(Place(90, 20)));
}

TEST_F(HideNonVC, TheWindowFollowsTheDesignersSelectionNamesAndNewComponents) {
  TZYLHideNonVCfrm* w = OpenWindow();
  ASSERT_NE(w, nullptr);
  vcl::TDesignerSelections list;
  list.Add(timer1_);
  list.Add(button_);
  list.Add(menu_);
  designer_->SetSelections(list);
  EXPECT_TRUE(w->cbList->Selected(w->cbList->Items()->IndexOf("Timer1 [TTimer]")));
  EXPECT_TRUE(w->cbList->Selected(w->cbList->Items()->IndexOf("PopupMenu1 [TPopupMenu]")));
  EXPECT_EQ(w->cbList->SelCount(), 2);
  EXPECT_TRUE(w->GetEditState().contains(vcl::esCanDelete));

  timer1_->SetName("Clock");
  designer_->Modified();
  auto* added = new vcl::TTimer(form_);
  added->SetName("Timer3");
  designer_->Modified();
  EXPECT_EQ(Items(w), (std::vector<std::string>{"Clock [TTimer]", "PopupMenu1 [TPopupMenu]",
                                                "Timer2 [TTimer]", "Timer3 [TTimer]",
                                                "ZYLHideNonVC1 [TZYLHideNonVC]"}));
  form_->SetName("Main");
  designer_->Modified();
  EXPECT_EQ(w->Caption(), "Main.ZYLHideNonVC1");
}

TEST_F(HideNonVC, SelectOneLeavesExactlyThatItemSelected) {
  TZYLHideNonVCfrm* w = OpenWindow();
  ASSERT_NE(w, nullptr);
  const auto selected = [&] {
    std::vector<std::string> items;
    for (int i = 0; i < w->cbList->Items()->Count(); ++i)
      if (w->cbList->Selected(i)) items.push_back(w->cbList->Items()->Strings(i));
    return items;
  };
  w->SelectAll();
  ASSERT_EQ(w->cbList->SelCount(), 4);
  w->SelectOne(2);
  EXPECT_EQ(selected(), std::vector<std::string>{"Timer2 [TTimer]"});
  w->SelectOne(0);
  EXPECT_EQ(selected(), std::vector<std::string>{"PopupMenu1 [TPopupMenu]"});
  // An index that names no item leaves nothing selected.
  for (int index : {-1, 4}) {
    w->SelectAll();
    w->SelectOne(index);
    EXPECT_TRUE(selected().empty()) << index;
  }
}

// Components placed, renamed and deleted while the window is open land among the sorted items:
// the designer's selection still picks out exactly their items.
TEST_F(HideNonVC, TheWindowFindsItemsAmongManyPlacedRenamedAndDeleted) {
  TZYLHideNonVCfrm* w = OpenWindow();
  ASSERT_NE(w, nullptr);
  std::vector<vcl::TTimer*> placed;
  for (int i = 3; i <= 14; ++i) {  // Timer10 to Timer14 sort between Timer1 and Timer2
    auto* t = new vcl::TTimer(form_);
    t->SetName(designer_->UniqueName("TTimer"));
    designer_->Modified();
    designer_->SelectComponent(t);
    placed.push_back(t);
    EXPECT_EQ(w->cbList->SelCount(), 1) << t->Name();
    EXPECT_TRUE(w->cbList->Selected(w->cbList->Items()->IndexOf(t->Name() + " [TTimer]")));
  }
  const auto select = [&](const std::vector<TComponent*>& chosen) {
    vcl::TDesignerSelections list;
    for (TComponent* c : chosen) list.Add(c);
    designer_->SetSelections(list);
    std::vector<std::string> items;
    for (int i = 0; i < w->cbList->Items()->Count(); ++i)
      if (w->cbList->Selected(i)) items.push_back(w->cbList->Items()->Strings(i));
    return items;
  };
  using Names = std::vector<std::string>;
  EXPECT_EQ(select({placed[9], timer1_, placed[0]}),
            (Names{"Timer1 [TTimer]", "Timer12 [TTimer]", "Timer3 [TTimer]"}));
  delete placed[8];  // Timer11
  delete timer2_;
  EXPECT_EQ(select({placed[9], placed[7], menu_}),
            (Names{"PopupMenu1 [TPopupMenu]", "Timer10 [TTimer]", "Timer12 [TTimer]"}));
  placed[9]->SetName("Alarm");
  designer_->Modified();
  EXPECT_EQ(w->cbList->Items()->Strings(0), "Alarm [TTimer]");
  EXPECT_EQ(select({placed[9], placed[11]}), (Names{"Alarm [TTimer]", "Timer14 [TTimer]"}));
  // A component listed without a name is listed under the name it gets.
  auto* unnamed = new vcl::TTimer(form_);
  w->Initialize();
  auto* named = new vcl::TTimer(form_);
  named->SetName("Clock");
  designer_->Modified();
  unnamed->SetName("Buzzer");
  designer_->Modified();
  EXPECT_EQ(w->cbList->Items()->Strings(1), "Buzzer [TTimer]");
  EXPECT_EQ(w->cbList->Items()->Strings(2), "Clock [TTimer]");
  EXPECT_EQ(select({named, unnamed}), (Names{"Buzzer [TTimer]", "Clock [TTimer]"}));
  EXPECT_EQ(w->cbList->Items()->Count(), 16);
}

// Many components placed in a scattered name order, each selected by the designer as it is
// placed: the window selects exactly the new item each time, and its items stay in the list's
// sorted order (letters compared without their case) also after renames and deletions.
TEST_F(HideNonVC, ManyPlacedComponentsAreFoundAndListedInOrder) {
  TZYLHideNonVCfrm* w = OpenWindow();
  ASSERT_NE(w, nullptr);
  constexpr int kCount = 120;
  std::vector<TComponent*> placed;
  for (int i = 1; i <= kCount; ++i) {
    const int k = i * 37 % (kCount + 1);  // 37 and 121 share no factor: every k once
    TComponent* c = i % 3 == 0 ? static_cast<TComponent*>(new vcl::TPopupMenu(form_))
                               : static_cast<TComponent*>(new vcl::TTimer(form_));
    c->SetName((i % 2 ? "clock" : "Clock") + std::to_string(k));
    designer_->Modified();
    designer_->SelectComponent(c);
    placed.push_back(c);
    const std::string text = c->Name() + " [" + c->ClassName() + "]";
    ASSERT_EQ(SelectedItems(w), std::vector<std::string>{text});
  }
  placed[10]->SetName("Alarm");
  designer_->Modified();
  delete placed[20];
  delete placed[30];
  const std::vector<TComponent*> chosen = {placed[10], placed[40], placed[kCount - 1], menu_};
  vcl::TDesignerSelections list;
  for (TComponent* c : chosen) list.Add(c);
  designer_->SetSelections(list);
  std::vector<std::string> expected;
  for (TComponent* c : chosen) expected.push_back(c->Name() + " [" + c->ClassName() + "]");
  const auto lower = [](std::string t) {
    for (char& ch : t) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return t;
  };
  const auto before = [&](const std::string& a, const std::string& b) {
    return lower(a) < lower(b);
  };
  std::sort(expected.begin(), expected.end(), before);
  EXPECT_EQ(SelectedItems(w), expected);
  const std::vector<std::string> items = Items(w);
  EXPECT_EQ(items.size(), static_cast<size_t>(kCount - 2 + 4));
  EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), before));
  EXPECT_EQ(items.front(), "Alarm [TTimer]");
}

TEST_F(HideNonVC, DeletingThroughTheWindowAndTheDesigner) {
  TZYLHideNonVCfrm* w = OpenWindow();
  ASSERT_NE(w, nullptr);
  ClickItem(w, "Timer1 [TTimer]");
  ClickItem(w, "Timer2 [TTimer]", true);
  EXPECT_EQ(w->cbList->SelCount(), 2);
  designer_->ActivateDesignWindow(w);
  designer_->EditAction(vcl::eaDelete);
  EXPECT_EQ(form_->FindComponent("Timer1"), nullptr);
  EXPECT_EQ(form_->FindComponent("Timer2"), nullptr);
  EXPECT_EQ(designer_->ModifiedCount(), 2);
  EXPECT_EQ(Items(w),
            (std::vector<std::string>{"PopupMenu1 [TPopupMenu]", "ZYLHideNonVC1 [TZYLHideNonVC]"}));
  EXPECT_FALSE(w->GetEditState().contains(vcl::esCanDelete));
  delete menu_;  // deleted elsewhere: its item goes
  EXPECT_EQ(Items(w), std::vector<std::string>{"ZYLHideNonVC1 [TZYLHideNonVC]"});
  delete hider_;  // the window goes with its hider
  wt::RunUntilIdle();
  EXPECT_EQ(ZYLHideNonVCfrm, nullptr);
}

TEST_F(HideNonVC, ThePopupMenuOffersTheVerbsOfTheCurrentComponent) {
  TZYLHideNonVCfrm* w = OpenWindow();
  ASSERT_NE(w, nullptr);
  ClickItem(w, "ZYLHideNonVC1 [TZYLHideNonVC]");
  w->popMenuPopup(w->popMenu);
  ASSERT_EQ(w->popMenu->Items()->Count(), 1);
  EXPECT_EQ(w->popMenu->Items()->Items(0)->Caption(), "Editor");
  ClickItem(w, "Timer1 [TTimer]");
  w->popMenuPopup(w->popMenu);
  EXPECT_EQ(w->popMenu->Items()->Count(),
            vcl::GetComponentEditor(timer1_, designer_)->GetVerbCount());
}

// A component editor that notes which of its two verbs ran, on which component.
class TNotingEditor : public vcl::TComponentEditor {
 public:
  static constexpr char EditorClassName[] = "TNotingEditor";
  using TComponentEditor::TComponentEditor;
  int GetVerbCount() override { return 2; }
  std::string GetVerb(int Index) override { return Index == 0 ? "First" : "Second"; }
  void ExecuteVerb(int Index) override {
    Ran.push_back(Component()->Name() + ":" + GetVerb(Index));
  }
  static inline std::vector<std::string> Ran;
};

// Clicking a verb of the popup menu runs that verb of the current component's editor.
TEST_F(HideNonVC, APopupVerbRunsOnTheCurrentComponent) {
  TZYLHideNonVCfrm* w = OpenWindow();
  ASSERT_NE(w, nullptr);
  vcl::LoadDesignPackage("hide-test-verbs", [] {
    vcl::RegisterComponentEditor(vcl::TTimer::StaticClass(),
                                 vcl::ComponentEditorClassOf<TNotingEditor>());
  });
  vcl::TFinally unload([] { vcl::UnloadDesignPackage("hide-test-verbs"); });
  TNotingEditor::Ran.clear();
  ClickItem(w, "Timer2 [TTimer]");
  w->popMenuPopup(w->popMenu);
  ASSERT_EQ(w->popMenu->Items()->Count(), 2);
  w->popMenu->Items()->Items(1)->Click();
  w->popMenu->Items()->Items(0)->Click();
  ClickItem(w, "Timer1 [TTimer]");
  w->popMenuPopup(w->popMenu);
  w->popMenu->Items()->Items(1)->Click();
  EXPECT_EQ(TNotingEditor::Ran,
            (std::vector<std::string>{"Timer2:Second", "Timer2:First", "Timer1:Second"}));
}

TEST_F(HideNonVC, ClosingTheDesignedFormFreesTheWindow) {
  ASSERT_NE(OpenWindow(), nullptr);
  delete form_;
  form_ = nullptr;
  EXPECT_EQ(ZYLHideNonVCfrm, nullptr);
  delete designer_;
  designer_ = nullptr;
}

}  // namespace
}  // namespace zyl
