// The embedded buttons: items with their visible buttons on the owning control, the order of
// the click notices, pass-through properties, the change notice, copying, deleting and a form
// stream of the collection.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "buttons/ZYLSpecialButtons.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "tests/buttons/ButtonsTestHost.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

using buttontest::THost;
namespace tk = win::testkit;

// A control that publishes embedded buttons, as the edits do.
class TButtonHost : public vcl::TCustomControl {
  ZYL_CLASS(TButtonHost, vcl::TCustomControl)
  explicit TButtonHost(vcl::TComponent* AOwner)
      : inherited(AOwner), FButtons(std::make_unique<TZYLSpecialButtons>(this, true)) {}
  TZYLSpecialButtons* CustomButtons() const { return FButtons.get(); }
  void SetCustomButtons(TZYLSpecialButtons* Value) { FButtons->Assign(Value); }

 private:
  std::unique_ptr<TZYLSpecialButtons> FButtons;
};
}  // namespace
ZYL_CLASS_IMPL(TButtonHost) {
  b.Prop("CustomButtons", &TButtonHost::CustomButtons, &TButtonHost::SetCustomButtons);
}
namespace {

// Logs the click notices in order.
struct TClickLog : buttontest::TRecorder {
  void Item(vcl::TObject* Sender, int Index) {
    Log.push_back((dynamic_cast<TZYLSpecialButton*>(Sender) ? "item" : "?") +
                  std::to_string(Index));
  }
  void Owner(vcl::TObject*, int Index) { Log.push_back("owner" + std::to_string(Index)); }
  void Changed(vcl::TObject*) { Log.push_back("changed"); }
};

class SpecialButtonsTest : public ::testing::Test {
 protected:
  SpecialButtonsTest() {
    edit_ = new TButtonHost(host_.Form());
    edit_->SetBounds(10, 10, 120, 20);
    edit_->SetParent(host_.Panel());
    buttons_ = edit_->CustomButtons();
  }
  THost host_;
  TButtonHost* edit_ = nullptr;
  TZYLSpecialButtons* buttons_ = nullptr;
  TClickLog log_;
};

TEST_F(SpecialButtonsTest, ItemsOwnVisibleButtonsOnTheControl) {
  EXPECT_EQ(buttons_->Control(), edit_);
  EXPECT_TRUE(buttons_->Flag());
  TZYLSpecialButton* a = buttons_->Add();
  TZYLSpecialButton* b = buttons_->Add();
  EXPECT_EQ(buttons_->Count(), 2);
  EXPECT_EQ(buttons_->GetItem(1), b);
  EXPECT_EQ(edit_->ControlCount(), 2);
  EXPECT_EQ(a->Button()->Parent(), edit_);
  EXPECT_EQ(a->Button()->Height(), 20);
  EXPECT_EQ(testsupport::ErrorOf<vcl::EListError>([&] { buttons_->GetItem(2); }),
            "List index out of bounds (2)");
  buttons_->Delete(0);
  EXPECT_EQ(edit_->ControlCount(), 1);
  EXPECT_EQ(buttons_->GetItem(0), b);
  TZYLSpecialButtons loose(nullptr, false);
  EXPECT_EQ(loose.Add()->Button()->Parent(), nullptr);
}

// The visible button may be freed before its item, by the user or by the control it stands on:
// the item forgets it, and freeing the item or the owner afterwards frees nothing twice.
TEST_F(SpecialButtonsTest, AButtonFreedFirstIsNotFreedAgain) {
  TZYLSpecialButton* a = buttons_->Add();
  buttons_->Add();
  delete a->Button();
  EXPECT_EQ(a->Button(), nullptr);
  EXPECT_EQ(edit_->ControlCount(), 1);
  buttons_->Delete(0);
  EXPECT_EQ(buttons_->Count(), 1);
  delete buttons_->GetItem(0)->Button();
  delete edit_;
  edit_ = nullptr;

  auto* parent = new TButtonHost(host_.Form());
  parent->SetParent(host_.Panel());
  {
    TZYLSpecialButtons outer(parent, false);
    TZYLSpecialButton* item = outer.Add();
    EXPECT_EQ(item->Button()->Parent(), parent);
    delete parent;
    EXPECT_EQ(item->Button(), nullptr);
  }
}

// An item whose button is gone answers every use of the button's settings with an error naming
// that, never by reaching into the freed button; the list and its other items go on.
TEST_F(SpecialButtonsTest, AnItemWhoseButtonWasFreedRefusesTheButtonsSettings) {
  TZYLSpecialButton* a = buttons_->Add();
  TZYLSpecialButton* b = buttons_->Add();
  delete a->Button();
  const std::function<void()> uses[] = {
      [&] { a->Caption(); },         [&] { a->SetCaption("x"); },
      [&] { a->GetGlyph(); },        [&] { a->Layout(); },
      [&] { a->SetEnabled(false); }, [&] { a->Width(); },
      [&] { a->SetWidth(30); },      [&] { a->Font(); },
      [&] { a->SetPressed(true); },  [&] { a->GetOnMouseDown(); },
      [&] { b->Assign(a); },
  };
  for (const auto& use : uses)
    EXPECT_EQ(testsupport::ErrorOf<vcl::EInvalidOperation>(use),
              "The button of this embedded button item was freed");
  b->SetCaption("still here");
  EXPECT_EQ(b->Caption(), "still here");
  EXPECT_EQ(buttons_->Count(), 2);
}

TEST_F(SpecialButtonsTest, ClickRunsTheUsersEventThenTheItemThenTheOwner) {
  buttons_->Add();
  TZYLSpecialButton* b = buttons_->Add();
  b->Button()->SetBounds(60, 0, 20, 20);
  b->SetOnClick(vcl::TNotifyEvent(&log_, &TClickLog::Click));
  b->SetClickMethod(TZYLSpecialButtonClick(&log_, &TClickLog::Item));
  buttons_->SetOnItemClick(TZYLSpecialButtonClick(&log_, &TClickLog::Owner));
  const win::POINT p = THost::At(b->Button(), 5, 5);
  tk::Click(p.X, p.Y);
  EXPECT_EQ(log_.Take(), "click item1 owner1");
  b->SetEnabled(false);
  tk::AdvanceClock(1000);
  tk::Click(p.X, p.Y);
  EXPECT_EQ(log_.Take(), "");
}

TEST_F(SpecialButtonsTest, PropertiesPassThroughAndWidthReportsAChange) {
  TZYLSpecialButton* a = buttons_->Add();
  buttons_->SetOnChange(vcl::TNotifyEvent(&log_, &TClickLog::Changed));
  a->SetCtlXP(false);
  a->SetCaption("Go");
  a->SetGroupIndex(2);
  a->SetPressed(true);
  EXPECT_FALSE(a->Button()->GetCtlXP());
  EXPECT_EQ(a->Button()->Caption(), "Go");
  EXPECT_TRUE(a->Button()->Pressed());
  EXPECT_EQ(log_.Take(), "");
  a->SetWidth(30);
  EXPECT_EQ(a->Button()->Width(), 30);
  EXPECT_EQ(log_.Take(), "changed");
  a->SetWidth(30);
  EXPECT_EQ(log_.Take(), "");
  buttons_->Add();
  EXPECT_EQ(log_.Take(), "changed");
}

TEST_F(SpecialButtonsTest, AssignCopiesTheItems) {
  TZYLSpecialButtons source(nullptr, false);
  TZYLSpecialButton* s = source.Add();
  s->SetCaption("...");
  s->SetWidth(22);
  s->SetGroupIndex(4);
  s->SetAllowAllUp(true);
  s->SetEnabled(false);
  buttons_->Assign(&source);
  ASSERT_EQ(buttons_->Count(), 1);
  TZYLSpecialButton* c = buttons_->GetItem(0);
  EXPECT_EQ(c->Caption(), "...");
  EXPECT_EQ(c->Width(), 22);
  EXPECT_EQ(c->GroupIndex(), 4);
  EXPECT_TRUE(c->AllowAllUp());
  EXPECT_FALSE(c->Enabled());
  EXPECT_EQ(c->Button()->Parent(), edit_);
}

TEST_F(SpecialButtonsTest, CollectionSurvivesAFormStream) {
  vcl::RegisterClasses({TButtonHost::StaticClass(), buttontest::TPlainPanel::StaticClass()});
  edit_->SetName("Edit");
  TZYLSpecialButton* a = buttons_->Add();
  a->SetCaption("A");
  a->SetWidth(25);
  TZYLSpecialButton* b = buttons_->Add();
  b->SetGroupIndex(3);
  b->SetPressed(true);
  b->SetCtlXP(false);
  const std::string bytes = vcl::WriteComponentToBytes(host_.Form());
  vcl::TForm back(nullptr);
  vcl::ReadComponentFromBytes(bytes, &back);
  auto* edit = dynamic_cast<TButtonHost*>(back.FindComponent("Edit"));
  ASSERT_NE(edit, nullptr);
  ASSERT_EQ(edit->CustomButtons()->Count(), 2);
  TZYLSpecialButton* a2 = edit->CustomButtons()->GetItem(0);
  TZYLSpecialButton* b2 = edit->CustomButtons()->GetItem(1);
  EXPECT_EQ(a2->Caption(), "A");
  EXPECT_EQ(a2->Width(), 25);
  EXPECT_EQ(b2->GroupIndex(), 3);
  EXPECT_TRUE(b2->Pressed());
  EXPECT_FALSE(b2->CtlXP());
  vcl::UnRegisterClasses({TButtonHost::StaticClass(), buttontest::TPlainPanel::StaticClass()});
}

}  // namespace
}  // namespace zyl
