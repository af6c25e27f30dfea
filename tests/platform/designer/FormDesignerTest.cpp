// The form designer: names, the selection and what design windows hear of it, insertions and
// deletions, icon windows of non-visual components, casts, component editors through the
// context-menu driver, and lifetimes of forms, designers and design windows.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Filer.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/testkit/TestKit.h"
#include "tests/platform/designer/DesignerTestSupport.h"
#include "tests/support/DesignerDrivers.h"
#include "tests/support/ErrorOf.h"

namespace vcl::dztest {
namespace {

using testsupport::ErrorOf;

// A design window that writes down what it hears.
class TLogWindow : public TDesignWindow {
 public:
  TLogWindow(TComponent* AOwner, IFormDesigner* ADesigner, std::vector<std::string>* log)
      : TDesignWindow(AOwner, ADesigner), log_(log) {}
  ~TLogWindow() override { log_->push_back("freed"); }
  void FormModified() override { log_->push_back("modified"); }
  void ComponentDeleted(TPersistent* c) override { log_->push_back("deleted " + Name(c)); }
  void SelectionChanged(const TDesignerSelections& s) override {
    std::string text = "selection";
    for (int i = 0; i < s.Count(); ++i) text += " " + Name(s[i]);
    log_->push_back(text);
  }
  void FormClosed(TCustomForm*) override {
    log_->push_back("closed");
    Release();
  }
  void Activated() override { log_->push_back("activated"); }
  TEditState GetEditState() override { return {esCanDelete}; }
  void EditAction(TEditAction a) override {
    log_->push_back(a == eaDelete ? "action delete" : "action other");
  }

 private:
  static std::string Name(TPersistent* p) {
    auto* c = dynamic_cast<TComponent*>(p);
    return c ? c->Name() : "?";
  }
  std::vector<std::string>* log_;
};

using FormDesignerTest = DesignerTest;

TEST_F(FormDesignerTest, UniqueNamesDropTheTAndTakeTheSmallestFreeNumber) {
  EXPECT_EQ(designer_->UniqueName("TButton"), "Button1");
  Add<TButton>("Button1");
  Add<TButton>("Button3");
  EXPECT_EQ(designer_->UniqueName("TButton"), "Button2");
  Add<TButton>("button2");
  EXPECT_EQ(designer_->UniqueName("TButton"), "Button4");
  EXPECT_EQ(designer_->UniqueName("TDzForm"), "DzForm1");
  form_->SetName("DzForm1");
  EXPECT_EQ(designer_->UniqueName("TDzForm"), "DzForm2");
  EXPECT_EQ(designer_->UniqueName("Label"), "Label1");
  EXPECT_EQ(designer_->UniqueName("T"), "T1");
}

// Numbers are given again once free: the component holding one freed, renamed or given
// another owner, or the form let go of the name.
TEST_F(FormDesignerTest, UniqueNamesTakeNumbersFreedSinceTheLastName) {
  std::vector<TButton*> buttons;
  for (int i = 1; i <= 6; ++i) {
    const std::string name = designer_->UniqueName("TButton");
    EXPECT_EQ(name, "Button" + std::to_string(i));
    buttons.push_back(Add<TButton>(name));
  }
  EXPECT_EQ(designer_->UniqueName("TButton"), "Button7");
  delete buttons[3];
  EXPECT_EQ(designer_->UniqueName("TButton"), "Button4");
  Add<TButton>("Button4");
  buttons[1]->SetName("OkButton");
  EXPECT_EQ(designer_->UniqueName("TButton"), "Button2");
  buttons[1]->SetName("Button2");
  EXPECT_EQ(designer_->UniqueName("TButton"), "Button7");
  form_->RemoveComponent(buttons[0]);
  EXPECT_EQ(designer_->UniqueName("TButton"), "Button1");
  form_->InsertComponent(buttons[0]);
  form_->SetName("Button7");
  EXPECT_EQ(designer_->UniqueName("TButton"), "Button8");
  form_->SetName("Form1");
  EXPECT_EQ(designer_->UniqueName("TButton"), "Button7");
}

TEST_F(FormDesignerTest, ComponentsOfTheDesignedFormAreDesigning) {
  auto* before = Add<TButton>("Button1");
  EXPECT_TRUE(form_->ComponentState().contains(csDesigning));
  EXPECT_TRUE(before->ComponentState().contains(csDesigning));
  auto* after = Add<TTimer>("Timer1");
  EXPECT_TRUE(after->ComponentState().contains(csDesigning));
  EXPECT_EQ(form_->Designer(), designer_);
  EXPECT_EQ(designer_->GetRoot(), form_);
  EXPECT_EQ(designer_->Form(), form_);
  delete designer_;
  designer_ = nullptr;
  EXPECT_FALSE(before->ComponentState().contains(csDesigning));
  EXPECT_EQ(form_->Designer(), nullptr);
}

TEST_F(FormDesignerTest, TheFormsDesignerIsFoundFromItsComponentsAndOtherwiseTheCastFails) {
  auto* button = Add<TButton>("Button1");
  EXPECT_EQ(FormDesignerOf(button), designer_);
  EXPECT_EQ(FormDesignerOf(form_), designer_);
  TForm plain(nullptr);
  auto* loose = new TButton(&plain);
  EXPECT_EQ(ErrorOf<EInvalidCast>([&] { FormDesignerOf(loose); }), "Invalid class typecast");
  EXPECT_EQ(ErrorOf<EInvalidCast>([&] { FormDesignerOf(nullptr); }), "Invalid class typecast");
}

TEST_F(FormDesignerTest, ComponentsAreFoundByNameAndClass) {
  auto* b1 = Add<TButton>("Button1");
  Add<TPanel>("Panel1");
  Add<TButton>("Button2");
  Add<TButton>("");
  std::vector<std::string> names;
  designer_->GetComponentNames(TButton::StaticClass(),
                               [&](const std::string& n) { names.push_back(n); });
  EXPECT_EQ(names, (std::vector<std::string>{"Button1", "Button2"}));
  names.clear();
  designer_->GetComponentNames(TWinControl::StaticClass(),
                               [&](const std::string& n) { names.push_back(n); });
  EXPECT_EQ(names, (std::vector<std::string>{"Button1", "Panel1", "Button2"}));
  EXPECT_EQ(designer_->GetComponent("button1"), b1);
  EXPECT_EQ(designer_->GetComponent("DzForm"), form_);
  EXPECT_EQ(designer_->GetComponent("Nobody"), nullptr);
  EXPECT_EQ(designer_->GetComponent(""), nullptr);
  EXPECT_EQ(designer_->GetComponentName(b1), "Button1");
  EXPECT_EQ(designer_->GetComponentName(nullptr), "");
}

TEST_F(FormDesignerTest, SelectionChangesAndRemovalsReachTheDesignWindows) {
  std::vector<std::string> log;
  auto* window = new TLogWindow(nullptr, designer_, &log);
  auto* b1 = Add<TButton>("Button1");
  auto* b2 = Add<TButton>("Button2");
  designer_->SelectComponent(b1);
  TDesignerSelections both;
  both.Add(b1);
  both.Add(b2);
  designer_->SetSelections(both);
  TDesignerSelections read;
  designer_->GetSelections(read);
  EXPECT_EQ(read, both);
  designer_->Modified();
  delete b1;
  designer_->GetSelections(read);
  EXPECT_EQ(read.Count(), 1);
  EXPECT_EQ(read[0], b2);
  designer_->SelectComponent(nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"modified", "modified", "selection Button1",
                                           "selection Button1 Button2", "modified",
                                           "selection Button2", "deleted Button1", "selection"}));
  delete window;
}

TEST_F(FormDesignerTest, ComponentsTheFormDoesNotOwnAreNotItsNews) {
  std::vector<std::string> log;
  auto* window = new TLogWindow(nullptr, designer_, &log);
  TForm other(nullptr);
  auto* foreign = new TTimer(&other);
  foreign->SetName("Foreign1");
  foreign->FreeNotification(form_);
  delete foreign;
  auto* mine = Add<TTimer>("Timer1");
  designer_->SelectComponent(mine);
  delete mine;
  EXPECT_EQ(log, (std::vector<std::string>{"modified", "selection Timer1", "selection",
                                           "deleted Timer1"}));
  EXPECT_EQ(designer_->IconWindowCount(), 0);
  delete window;
}

TEST_F(FormDesignerTest, EditCommandsGoToTheActiveDesignWindow) {
  std::vector<std::string> log;
  EXPECT_EQ(designer_->GetEditState(), TEditState{});
  designer_->EditAction(eaDelete);  // no window: nothing happens
  auto* window = new TLogWindow(nullptr, designer_, &log);
  window->Show();
  win::testkit::RunUntilIdle();
  EXPECT_EQ(designer_->ActiveDesignWindow(), window);
  EXPECT_TRUE(designer_->GetEditState().contains(esCanDelete));
  designer_->EditAction(eaDelete);
  EXPECT_EQ(log, (std::vector<std::string>{"activated", "action delete"}));
  delete window;
  EXPECT_EQ(designer_->ActiveDesignWindow(), nullptr);
  EXPECT_TRUE(designer_->DesignWindows().empty());
}

// A component of a designed form keeps a name the form stream can hold and that references can
// name: a blank name or one longer than a stream's 255 characters is refused, the name kept.
TEST_F(FormDesignerTest, ARenameToABlankOrOverlongNameIsRefused) {
  auto* button = Add<TButton>("Button1");
  testkit::TInspectorDriver name(designer_, {button}, "Name");
  const std::string longest(255, 'x');
  struct Case {
    std::string typed;
    const char* error;
  };
  const Case cases[] = {
      {"", "A component name cannot be blank"},
      {std::string(256, 'x'), "A component name is at most 255 characters long"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorOf<EComponentError>([&] { name.SetValue(c.typed); }), c.error);
    EXPECT_EQ(button->Name(), "Button1");
  }
  name.SetValue(longest);
  TForm back(nullptr);
  ReadComponentFromBytes(WriteComponentToBytes(form_), &back);
  EXPECT_NE(back.FindComponent(longest), nullptr);
  // The form itself too; outside a designer names are the program's business.
  EXPECT_EQ(ErrorOf<EComponentError>([&] { form_->SetName(""); }),
            "A component name cannot be blank");
  TButton plain(nullptr);
  plain.SetName("Plain");
  plain.SetName("");
  EXPECT_EQ(plain.Name(), "");
}

// ---- The form's own edit commands (no design window active) ----

// A second designed form, "Other", empty.
struct TOtherForm {
  TOtherForm() : form(new TForm(nullptr)) {
    form->SetName("Other");
    designer = std::make_unique<TFormDesigner>(form.get());
  }
  ~TOtherForm() { designer.reset(); }
  std::unique_ptr<TForm> form;
  std::unique_ptr<TFormDesigner> designer;
};

// Empties the clipboard at the end of a test, however it ends.
struct TClipboardEmptied {
  ~TClipboardEmptied() { Clipboard()->Clear(); }
};

TEST_F(FormDesignerTest, ACopiedComponentPastesOnAnotherFormWithItsValuesAndItsName) {
  const TClipboardEmptied emptied;
  auto* button = Add<TButton>("Button1");
  button->SetCaption("Copy me");
  button->SetBounds(10, 20, 90, 30);
  designer_->SelectComponent(button);
  EXPECT_TRUE(designer_->GetEditState().contains(esCanCopy));
  EXPECT_TRUE(designer_->GetEditState().contains(esCanCut));
  EXPECT_TRUE(designer_->GetEditState().contains(esCanDelete));
  designer_->ResetModified();
  designer_->EditAction(eaCopy);
  EXPECT_EQ(designer_->ModifiedCount(), 0);
  TOtherForm other;
  EXPECT_TRUE(other.designer->GetEditState().contains(esCanPaste));
  other.designer->EditAction(eaPaste);
  auto* pasted = dynamic_cast<TButton*>(other.form->FindComponent("Button1"));
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->Owner(), other.form.get());
  EXPECT_EQ(pasted->Parent(), other.form.get());
  EXPECT_EQ(pasted->Caption(), "Copy me");
  EXPECT_EQ(pasted->BoundsRect(), button->BoundsRect());
  EXPECT_TRUE(pasted->ComponentState().contains(csDesigning));
  EXPECT_EQ(other.designer->ModifiedCount(), 1);
  TDesignerSelections selected;
  other.designer->GetSelections(selected);
  ASSERT_EQ(selected.Count(), 1);
  EXPECT_EQ(selected[0], pasted);
  // Pasted again, on the same form, it takes the next free name.
  other.designer->EditAction(eaPaste);
  auto* second = dynamic_cast<TButton*>(other.form->FindComponent("Button2"));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Caption(), "Copy me");
}

TEST_F(FormDesignerTest, APanelPastesWithItsControlsIntoTheSelectedContainerAllOwnedByTheForm) {
  const TClipboardEmptied emptied;
  auto* panel = Add<TPanel>("Panel1");
  auto* inner = new TEdit(form_);
  inner->SetName("Edit1");
  inner->SetText("typed");
  inner->SetParent(panel);
  designer_->SelectComponent(panel);
  designer_->EditAction(eaCopy);
  // Into a group box of the same form: every name is taken, so each copy gets a new one.
  auto* box = Add<TGroupBox>("GroupBox1");
  designer_->SelectComponent(box);
  designer_->EditAction(eaPaste);
  auto* pasted = dynamic_cast<TPanel*>(form_->FindComponent("Panel2"));
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->Parent(), box);
  EXPECT_EQ(pasted->Owner(), form_);
  ASSERT_EQ(pasted->ControlCount(), 1);
  auto* innerCopy = dynamic_cast<TEdit*>(pasted->Controls(0));
  ASSERT_NE(innerCopy, nullptr);
  EXPECT_EQ(innerCopy->Name(), "Edit2");
  EXPECT_EQ(innerCopy->Owner(), form_);
  EXPECT_EQ(innerCopy->Text(), "typed");
  // The copies are the form's: saved with it and read back.
  TForm back(nullptr);
  ReadComponentFromBytes(WriteComponentToBytes(form_), &back);
  auto* again = dynamic_cast<TEdit*>(back.FindComponent("Edit2"));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->Parent(), back.FindComponent("Panel2"));
}

// Copies that take new names keep referring to each other; a reference to a component that
// was not copied stays with that component.
TEST_F(FormDesignerTest, RenamedCopiesReferToEachOtherAndOthersStay) {
  const TClipboardEmptied emptied;
  auto* popup = Add<TPopupMenu>("Popup1");
  auto* panel = Add<TPanel>("Panel1");
  auto* edit = new TEdit(form_);
  edit->SetName("Edit1");
  edit->SetParent(panel);
  auto* label = new TLabel(form_);
  label->SetName("Label1");
  label->SetParent(panel);
  label->SetFocusControl(edit);
  label->SetPopupMenu(popup);
  designer_->SelectComponent(panel);
  designer_->EditAction(eaCopy);
  designer_->SelectComponent(form_);
  designer_->EditAction(eaPaste);
  auto* copy = dynamic_cast<TLabel*>(form_->FindComponent("Label2"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->FocusControl(), form_->FindComponent("Edit2"));
  EXPECT_EQ(copy->PopupMenu(), popup);
  EXPECT_EQ(label->FocusControl(), edit);
}

TEST_F(FormDesignerTest, CutTakesTheComponentAwayAndDeleteFreesIt) {
  const TClipboardEmptied emptied;
  auto* timer = Add<TTimer>("Timer1");
  timer->SetInterval(250);
  auto* button = Add<TButton>("Button1");
  designer_->SelectComponent(timer);
  designer_->ResetModified();
  designer_->EditAction(eaCut);
  EXPECT_EQ(form_->FindComponent("Timer1"), nullptr);
  EXPECT_EQ(designer_->ModifiedCount(), 1);
  TDesignerSelections selected;
  designer_->GetSelections(selected);
  EXPECT_EQ(selected.Count(), 0);
  EXPECT_FALSE(designer_->GetEditState().contains(esCanCopy));
  // Pasted back, it has its name and value again.
  designer_->EditAction(eaPaste);
  auto* back = dynamic_cast<TTimer*>(form_->FindComponent("Timer1"));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Interval(), 250);
  designer_->SelectComponent(button);
  designer_->ResetModified();
  designer_->EditAction(eaDelete);
  EXPECT_EQ(form_->FindComponent("Button1"), nullptr);
  EXPECT_EQ(designer_->ModifiedCount(), 1);
  // The form itself is neither copied nor deleted.
  designer_->SelectComponent(form_);
  EXPECT_EQ(designer_->GetEditState(), TEditState{esCanPaste});
  designer_->EditAction(eaDelete);
  EXPECT_EQ(form_->FindComponent("Timer1"), back);
}

TEST_F(FormDesignerTest, NonVisualComponentsGetIconWindowsNewestFirst) {
  auto* t1 = Add<TTimer>("Timer1");
  Add<TButton>("Button1");
  auto* p1 = Add<TPopupMenu>("Popup1");
  auto* t2 = Add<TTimer>("Timer2");
  p1->SetDesignInfo((40 << 16) | 100);
  std::vector<TComponent*> order;
  for (TIconWindow* w = designer_->FirstIconWindow(); w; w = designer_->NextIconWindow(w)) {
    EXPECT_EQ(w->ClassName(), "TContainer");
    order.push_back(w->Component());
  }
  EXPECT_EQ(order, (std::vector<TComponent*>{t2, p1, t1}));
  TIconWindow* icon = designer_->IconWindowOf(p1);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->BoundsRect(), (TRect{100, 40, 128, 68}));
  designer_->MoveIconWindow(icon, 10, 300);
  EXPECT_EQ(icon->BoundsRect(), (TRect{10, 300, 38, 328}));
  EXPECT_EQ(p1->DesignInfo(), (300 << 16) | 10);
  EXPECT_EQ(designer_->FirstIconWindow()->Component(), t2);  // the z-order stays
  TFormDesigner::SetShowComponentCaptions(true);
  EXPECT_EQ(icon->BoundsRect(), (TRect{10, 300, 38, 342}));
  TFormDesigner::SetShowComponentCaptions(false);
  delete t2;
  EXPECT_EQ(designer_->IconWindowCount(), 2);
  EXPECT_EQ(designer_->FirstIconWindow()->Component(), p1);
  EXPECT_EQ(designer_->IconWindowOf(t2), nullptr);
}

// The icon windows by z-order place are the walk's, through insertions and removals.
TEST_F(FormDesignerTest, IconWindowsByPlaceFollowTheWalk) {
  auto walk = [&] {
    std::vector<TIconWindow*> order;
    for (TIconWindow* w = designer_->FirstIconWindow(); w; w = designer_->NextIconWindow(w))
      order.push_back(w);
    return order;
  };
  auto byPlace = [&] {
    std::vector<TIconWindow*> order;
    for (int i = 0; designer_->IconWindowAt(i); ++i) order.push_back(designer_->IconWindowAt(i));
    return order;
  };
  EXPECT_EQ(designer_->IconWindowAt(0), nullptr);
  auto* t1 = Add<TTimer>("Timer1");
  auto* t2 = Add<TTimer>("Timer2");
  EXPECT_EQ(designer_->IconWindowAt(0), designer_->IconWindowOf(t2));  // newest first
  EXPECT_EQ(byPlace(), walk());
  auto* p1 = Add<TPopupMenu>("Popup1");
  Add<TButton>("Button1");
  EXPECT_EQ(byPlace(), walk());
  EXPECT_EQ(byPlace().size(), 3u);
  delete t2;
  EXPECT_EQ(byPlace(), walk());
  EXPECT_EQ(byPlace(),
            (std::vector<TIconWindow*>{designer_->IconWindowOf(p1), designer_->IconWindowOf(t1)}));
  EXPECT_EQ(designer_->IconWindowAt(-1), nullptr);
  EXPECT_EQ(designer_->IconWindowAt(2), nullptr);
  // A window of another form's designer has no next one here.
  TForm other(nullptr);
  TFormDesigner otherDesigner(&other);
  auto* t3 = new TTimer(&other);
  t3->SetName("Timer3");
  EXPECT_EQ(designer_->NextIconWindow(otherDesigner.IconWindowOf(t3)), nullptr);
  EXPECT_EQ(designer_->NextIconWindow(nullptr), nullptr);
}

TEST_F(FormDesignerTest, AComponentJustAddedHasItsIconWindowAtOnce) {
  auto* t1 = Add<TTimer>("Timer1");
  t1->SetDesignInfo((12 << 16) | 34);
  // Asked first, before any walk of the icon windows.
  TIconWindow* icon = designer_->IconWindowOf(t1);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->Component(), t1);
  EXPECT_EQ(icon->BoundsRect(), (TRect{34, 12, 62, 40}));
  EXPECT_EQ(designer_->IconWindowCount(), 1);
}

TEST_F(FormDesignerTest, PlacingAnIconWindowLeavesDesignInfoAndMenuItemsHaveNoIcon) {
  auto* t1 = Add<TTimer>("Timer1");
  auto* item = Add<TMenuItem>("Item1");
  t1->SetDesignInfo((40 << 16) | 100);
  EXPECT_EQ(designer_->IconWindowOf(item), nullptr);
  EXPECT_EQ(designer_->IconWindowCount(), 1);
  TIconWindow* icon = designer_->IconWindowOf(t1);
  ASSERT_NE(icon, nullptr);
  designer_->PlaceIconWindow(icon, -40, 0);
  EXPECT_EQ(icon->BoundsRect(), (TRect{-40, 0, -12, 28}));
  EXPECT_EQ(t1->DesignInfo(), (40 << 16) | 100);
  designer_->MoveIconWindow(icon, 7, 9);  // the user drags it: the place is DesignInfo again
  EXPECT_EQ(icon->BoundsRect(), (TRect{7, 9, 35, 37}));
  EXPECT_EQ(t1->DesignInfo(), (9 << 16) | 7);
}

TEST_F(FormDesignerTest, AFreedFormClosesItsDesignWindowsWhichReleaseThemselves) {
  std::vector<std::string> log;
  auto* window = new TLogWindow(nullptr, designer_, &log);
  window->Show();  // with a window, Release waits for the queued messages
  win::testkit::RunUntilIdle();
  log.clear();
  Add<TTimer>("Timer1");
  delete form_;
  form_ = nullptr;
  EXPECT_EQ(log, (std::vector<std::string>{"modified", "closed"}));
  EXPECT_EQ(designer_->GetRoot(), nullptr);
  EXPECT_EQ(designer_->GetComponent("Timer1"), nullptr);
  EXPECT_EQ(designer_->FirstIconWindow(), nullptr);
  EXPECT_TRUE(designer_->DesignWindows().empty());
  win::testkit::RunUntilIdle();  // the released window goes with the queued messages
  EXPECT_EQ(log.back(), "freed");
}

TEST_F(FormDesignerTest, TheContextMenuAsksVerbsInTheDesignersOrder) {
  LoadDesignPackage("dzmenu", [] {
    RegisterComponentEditor(TDzListBox::StaticClass(), ComponentEditorClassOf<TDzLoggingEditor>());
  });
  auto* list = Add<TDzListBox>("List1");
  testkit::TContextMenuDriver menu(list, designer_);
  CallLog().clear();
  EXPECT_EQ(menu.Verbs(), (std::vector<std::string>{"First", "Second"}));
  menu.Execute("Second");
  menu.Execute(0);
  EXPECT_EQ(ErrorOf<EListError>([&] { menu.Execute("Third"); }),
            "The context menu has no item Third");
  menu.DoubleClick();
  EXPECT_EQ(CallLog(),
            (std::vector<std::string>{"count", "verb 0",    "verb 1", "free",               //
                                      "count", "verb 0",    "verb 1", "execute 1", "free",  //
                                      "count", "verb 0",    "verb 1", "execute 0", "free",  //
                                      "count", "verb 0",    "verb 1", "free",               //
                                      "count", "execute 0", "free"}));
  UnloadDesignPackage("dzmenu");
}

TEST_F(FormDesignerTest, TheDefaultEditorOpensTheDefaultEvent) {
  auto* button = Add<TButton>("Button1");
  auto* edit = Add<TEdit>("Edit1");
  auto* holder = Add<TDzEventHolder>("Holder1");
  auto* plain = Add<TDzBack>("Back1");
  for (TComponent* c : std::vector<TComponent*>{button, edit, holder, plain})
    testkit::TContextMenuDriver(c, designer_).DoubleClick();
  ASSERT_EQ(designer_->ShownMethods().size(), 3u);
  EXPECT_EQ(designer_->ShownMethods()[0].MethodName, "Button1Click");
  EXPECT_EQ(designer_->ShownMethods()[1].MethodName, "Edit1Change");
  EXPECT_EQ(designer_->ShownMethods()[2].MethodName, "Holder1Enter");
  EXPECT_EQ(designer_->ShownMethods()[2].EventName, "OnEnter");
  EXPECT_EQ(testkit::TContextMenuDriver(button, designer_).Verbs(), std::vector<std::string>{});
}

TEST_F(FormDesignerTest, AnEditorCanOpenAPropertyInsteadOfAnEvent) {
  LoadDesignPackage("dzitems", [] {
    RegisterComponentEditor(TDzEventHolder::StaticClass(),
                            ComponentEditorClassOf<TDzItemsEditor>());
    RegisterPropertyEditor(TStrings::StaticClass()->ClassTypeInfo(), TDzEventHolder::StaticClass(),
                           "Items", PropertyEditorClassOf<TDzItemsProperty>());
  });
  auto* holder = Add<TDzEventHolder>("Holder1");
  CallLog().clear();
  testkit::TContextMenuDriver(holder, designer_).DoubleClick();
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"edit Items"}));
  EXPECT_TRUE(designer_->ShownMethods().empty());
  UnloadDesignPackage("dzitems");
}

}  // namespace
}  // namespace vcl::dztest
