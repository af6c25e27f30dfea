// The most-recently-used list: order and limits, shown texts, the items it puts into menus and
// into a button's drop-down, clicks on them, the clear item, and the settings storage.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYL3DButton.h"
#include "foundation/ZYLIniCtrl.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/rtl/Consts.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLMRUList.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/RaisingHandler.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

namespace wt = win::testkit;
namespace vt = vcl::testkit;

std::string Join(vcl::TStrings* s) {
  std::string r;
  for (int i = 0; i < s->Count(); ++i) r += (i ? "|" : "") + s->Strings(i);
  return r;
}

// The captions of a menu item's children; the list's own items are marked with '*', disabled
// ones with '~'.
std::string Captions(vcl::TMenuItem* parent) {
  std::string r;
  for (int i = 0; i < parent->Count(); ++i) {
    vcl::TMenuItem* item = parent->Items(i);
    if (i) r += "|";
    if (dynamic_cast<TZYLMRUItem*>(item)) r += "*";
    if (!item->Enabled()) r += "~";
    r += item->Caption();
  }
  return r;
}

struct TListener : vcl::TObject {
  std::vector<std::string> Heard;
  bool RemoveIt = false;
  void Click(vcl::TObject*, const std::string& name, bool& remove) {
    Heard.push_back("click " + name);
    remove = RemoveIt;
  }
  void Clear(vcl::TObject*) { Heard.push_back("clear"); }
  void Change(vcl::TObject*) { Heard.push_back("change"); }
};

class MRUList : public ::testing::Test {
 protected:
  MRUList() : form_(new vcl::TForm(nullptr)) {
    ZYLMRUListUnit.Init();
    form_->SetName("Form1");
    form_->SetBounds(10, 10, 300, 200);
    popup_ = new vcl::TPopupMenu(form_.get());
    for (const char* caption : {"Open", "Save", "-", "Exit"}) {
      auto* item = new vcl::TMenuItem(popup_);
      item->SetCaption(caption);
      popup_->Items()->Add(item);
    }
    list_ = new TZYLMRUList(form_.get());
    list_->SetIniUse(ioNone);
  }
  ~MRUList() override {
    wt::SetMenuHandler(nullptr);
    form_.reset();
    ZYLMRUListUnit.FInit();
  }
  vcl::TMenuItem* Item(const std::string& caption) { return popup_->Items()->Find(caption); }
  void Fill(std::initializer_list<const char*> names) {
    for (const char* n : names) list_->Add(n);
  }
  // Opens the popup menu and clicks the items shown as path.
  void Choose(const std::vector<std::string>& path) {
    wt::ChooseMenuPath(path);
    popup_->Popup(50, 50);
    wt::SetMenuHandler(nullptr);
    // The chosen item runs when the menu's command arrives.
    wt::RunUntilIdle();
  }

  vt::TControlsSession session_;
  std::unique_ptr<vcl::TForm> form_;
  vcl::TPopupMenu* popup_;
  TZYLMRUList* list_;
  TListener listener_;
};

TEST_F(MRUList, AddKeepsTheNewestFirstWithinMaxEntries) {
  struct Case {
    int max;
    std::vector<std::string> added;
    std::string want;
  };
  const Case cases[] = {
      {4, {"a", "b", "c", "d", "e"}, "e|d|c|b"},
      {4, {"a", "b", "c", "a"}, "a|c|b"},
      {4, {"a", "", "b"}, "b|a"},
      {2, {"a", "b", "a", "c"}, "c|a"},
      {1, {"a", "b"}, "b"},
  };
  for (const Case& c : cases) {
    list_->RemoveAll();
    list_->SetMaxEntries(static_cast<uint8_t>(c.max));
    for (const auto& n : c.added) list_->Add(n);
    EXPECT_EQ(Join(list_->Entries()), c.want) << "max " << c.max;
  }
}

TEST_F(MRUList, ListOperationsKeepOrderAndLimits) {
  list_->SetMaxEntries(6);
  Fill({"1", "2", "3", "4", "5", "6"});
  list_->SetMaxEntries(2);
  EXPECT_EQ(Join(list_->Entries()), "6|5");
  vcl::TStringList more;
  for (const char* s : {"x", "y", "z"}) more.Add(s);
  list_->SetMaxEntries(4);
  list_->AddItems(&more);
  EXPECT_EQ(Join(list_->Entries()), "x|y|z|6");
  list_->Remove("absent");
  list_->Remove("y");
  EXPECT_EQ(Join(list_->Entries()), "x|z|6");
  list_->ShareList(&more);
  EXPECT_EQ(Join(list_->Entries()), "x|y|z");
  listener_.RemoveIt = true;
  list_->SetOnClick(TZYLMRUClickEvent(&listener_, &TListener::Click));
  list_->CheckSharedFile("y");
  EXPECT_EQ(Join(list_->Entries()), "x|z");
  listener_.RemoveIt = false;
  list_->CheckSharedFile("n");
  EXPECT_EQ(Join(list_->Entries()), "n|x|z");
}

TEST_F(MRUList, ShownTextsFitMaxLength) {
  const std::string path = "C:\\Program Files\\App\\Data\\report.txt";
  const std::string longName = "C:\\a\\" + std::string(40, 'n') + ".txt";
  auto shown = [this](int max, TZYLMRUDisplay display, const std::string& name) {
    list_->SetMaxLength(static_cast<uint8_t>(max));
    list_->SetDisplay(display);
    return list_->ShownText(name);
  };
  testsupport::ExpectCases({
      {shown(255, mdFileName, path), path},
      {shown(12, mdDefault, path), "report.txt"},
      {shown(36, mdFileName, path), path},
      {shown(30, mdDefault, path), "C:\\Program Files\\App\\Data\\r..."},
      {shown(30, mdFileName, path), "C:\\...\\report.txt"},
      {shown(34, mdFileName, path), "C:\\Program Files\\...\\report.txt"},
      {shown(35, mdFileName, path), "C:\\Program Files\\App\\...\\report.txt"},
      {shown(20, mdFileName, longName), "C:\\...\\nnnnnnnnnn..."},
  });
  list_->SetOptions({moFileNameOnly});
  EXPECT_EQ(shown(255, mdFileName, path), "report.txt");
  // However short the room, the shortened path never exceeds it.
  list_->SetOptions({});
  for (int max = 13; max < 60; ++max)
    for (const std::string& name : {path, longName, std::string("C:\\x\\y\\z\\w\\v\\u\\t.doc")})
      EXPECT_LE(shown(max, mdFileName, name).size(), static_cast<size_t>(max)) << name << max;
}

TEST_F(MRUList, EntriesGoAroundTheMenuItem) {
  struct Case {
    const char* item;
    TZYLMRUListStyle style;
    const char* want;
  };
  const Case cases[] = {
      {"Open", msAfterItem, "Open|*-|*&1 b|*&2 a|*-|Save|-|Exit"},
      {"Save", msAfterItem, "Open|Save|*-|*&1 b|*&2 a|-|Exit"},
      {"-", msAfterItem, "Open|Save|-|*&1 b|*&2 a|Exit"},
      {"Exit", msBeforeItem, "Open|Save|-|*&1 b|*&2 a|*-|Exit"},
      {"Open", msBeforeItem, "*&1 b|*&2 a|*-|Open|Save|-|Exit"},
      {"Save", msBeforeItem, "Open|*-|*&1 b|*&2 a|*-|Save|-|Exit"},
  };
  Fill({"a", "b"});
  for (const Case& c : cases) {
    list_->SetMenuItem(nullptr);
    list_->SetStyle(c.style);
    list_->SetMenuItem(Item(c.item));
    EXPECT_EQ(Captions(popup_->Items()), c.want) << c.item << " " << c.style;
  }
  // An empty list leaves the menu as it was.
  list_->RemoveAll();
  list_->UpdateMenu();
  EXPECT_EQ(Captions(popup_->Items()), "Open|Save|-|Exit");
}

TEST_F(MRUList, SubMenuShowsEntriesOrTheEmptyItem) {
  vcl::TMenuItem* open = Item("Open");
  list_->SetStyle(msCreateSubMenu);
  list_->SetMenuItem(open);
  EXPECT_EQ(Captions(open), std::string("*~") + vcl::SRNone);
  list_->SetOptions({moShowAccel});
  EXPECT_EQ(Captions(open), "");
  EXPECT_FALSE(open->Enabled());
  list_->SetOptions({moShowAccel, moSubClearOption});
  list_->SetMaxEntries(12);
  Fill({"a", "b", "c", "d", "e", "f", "g", "h", "i", "R&D.doc"});
  EXPECT_TRUE(open->Enabled());
  EXPECT_EQ(Captions(open),
            "*&1 R&&D.doc|*&2 i|*&3 h|*&4 g|*&5 f|*&6 e|*&7 d|*&8 c|*&9 b|*&A a|*-|*Clear List...");
  list_->SetOptions({});
  EXPECT_EQ(Captions(open), "*R&&D.doc|*i|*h|*g|*f|*e|*d|*c|*b|*a");
  EXPECT_EQ(Captions(popup_->Items()), "Open|Save|-|Exit");
  // Items the application put into the sub-menu stay; the entries follow a separator.
  list_->SetMenuItem(nullptr);
  EXPECT_EQ(open->Count(), 0);
  auto* own = new vcl::TMenuItem(popup_);
  own->SetCaption("Own");
  open->Add(own);
  list_->SetMaxEntries(2);
  list_->SetMenuItem(open);
  EXPECT_EQ(Captions(open), "Own|*-|*R&&D.doc|*i");
}

TEST_F(MRUList, ClickingAnEntryReportsAndReorders) {
  Fill({"a.txt", "b.txt", "c.txt"});
  list_->SetMenuItem(Item("Exit"));
  list_->SetStyle(msBeforeItem);
  list_->SetOnClick(TZYLMRUClickEvent(&listener_, &TListener::Click));
  Choose({"3 a.txt"});
  EXPECT_EQ(Join(list_->Entries()), "a.txt|c.txt|b.txt");
  EXPECT_EQ(Captions(popup_->Items()), "Open|Save|-|*&1 a.txt|*&2 c.txt|*&3 b.txt|*-|Exit");
  listener_.RemoveIt = true;
  Choose({"2 c.txt"});
  EXPECT_EQ(Join(list_->Entries()), "a.txt|b.txt");
  listener_.RemoveIt = false;
  list_->SetShared(true);
  Choose({"2 b.txt"});
  EXPECT_EQ(Join(list_->Entries()), "a.txt|b.txt");
  EXPECT_EQ(listener_.Heard,
            (std::vector<std::string>{"click a.txt", "click c.txt", "click b.txt"}));
}

// The user's handlers raise: a click on an entry whose OnClick raises hands the error to the
// application and leaves the entries as they were; an OnChange that raises comes back to the
// caller of Add with the entry added and shown. The next click and the next change work.
struct TMRURaiser : testsupport::TRaisingHandler {
  void Click(vcl::TObject*, const std::string&, bool&) { Raise(); }
};

TEST_F(MRUList, RaisingHandlersLeaveTheListAndItsMenuWorking) {
  TMRURaiser raising;
  Fill({"a.txt", "b.txt", "c.txt"});
  list_->SetMenuItem(Item("Exit"));
  list_->SetStyle(msBeforeItem);
  list_->SetOnClick(TZYLMRUClickEvent(&raising, &TMRURaiser::Click));
  Choose({"3 a.txt"});
  EXPECT_EQ(raising.Arrived, std::vector<std::string>{"The file was not found"});
  EXPECT_EQ(Join(list_->Entries()), "c.txt|b.txt|a.txt");
  EXPECT_EQ(Captions(popup_->Items()), "Open|Save|-|*&1 c.txt|*&2 b.txt|*&3 a.txt|*-|Exit");
  raising.Armed = false;
  Choose({"3 a.txt"});
  EXPECT_EQ(Join(list_->Entries()), "a.txt|c.txt|b.txt");
  list_->SetOnChange(vcl::TNotifyEvent(&raising, &TMRURaiser::Notify));
  raising.Armed = true;
  EXPECT_THROW(list_->Add("d.txt"), testsupport::EHandlerFailed);
  EXPECT_EQ(Join(list_->Entries()), "d.txt|a.txt|c.txt|b.txt");
  EXPECT_EQ(Captions(popup_->Items()),
            "Open|Save|-|*&1 d.txt|*&2 a.txt|*&3 c.txt|*&4 b.txt|*-|Exit");
  vcl::TStringList more;
  more.Add("e.txt");
  EXPECT_THROW(list_->AddItems(&more), testsupport::EHandlerFailed);
  raising.Armed = false;
  list_->Add("f.txt");  // the newest four, MaxEntries by default
  EXPECT_EQ(Captions(popup_->Items()),
            "Open|Save|-|*&1 f.txt|*&2 e.txt|*&3 d.txt|*&4 a.txt|*-|Exit");
}

TEST_F(MRUList, ClearItemAsksFirst) {
  vt::TDialogScript script;
  vcl::TMenuItem* open = Item("Open");
  list_->SetStyle(msCreateSubMenu);
  list_->SetOptions({moShowAccel, moSubClearOption});
  list_->SetMenuItem(open);
  Fill({"a", "b"});
  list_->SetOnClearListClick(vcl::TNotifyEvent(&listener_, &TListener::Clear));
  script.Press("No");
  Choose({"Open", "Clear List..."});
  EXPECT_EQ(Join(list_->Entries()), "b|a");
  script.Press("Yes");
  Choose({"Open", "Clear List..."});
  EXPECT_EQ(Join(list_->Entries()), "");
  // Without moSubIfEmpty the emptied sub-menu is disabled.
  EXPECT_EQ(Captions(open), "");
  EXPECT_FALSE(open->Enabled());
  ASSERT_EQ(script.Shown().size(), 2u);
  EXPECT_EQ(script.Shown()[0].Text, "Really clear recent files list?");
  EXPECT_EQ(script.Shown()[0].Buttons, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(listener_.Heard, (std::vector<std::string>{"clear", "clear"}));
}

TEST_F(MRUList, CheckClearListTellsThenHandlesTheClickedEntry) {
  Fill({"a", "b"});
  list_->SetOnClearListClick(vcl::TNotifyEvent(&listener_, &TListener::Clear));
  list_->SetOnClick(TZYLMRUClickEvent(&listener_, &TListener::Click));
  vcl::TMenuItem entry(nullptr);
  entry.SetTag(1);  // the second entry, "a"
  list_->CheckClearList(&entry);
  EXPECT_EQ(listener_.Heard, (std::vector<std::string>{"clear", "click a"}));
  list_->CheckClearList(nullptr);  // no menu item: only the event
  EXPECT_EQ(listener_.Heard.back(), "clear");
  EXPECT_EQ(listener_.Heard.size(), 3u);
}

TEST_F(MRUList, ItemsDoNotOutliveTheListOrItsMenuItem) {
  Fill({"a", "b"});
  list_->SetMenuItem(Item("Save"));
  EXPECT_EQ(popup_->Items()->Count(), 7);
  delete list_;
  list_ = nullptr;
  EXPECT_EQ(Captions(popup_->Items()), "Open|Save|-|Exit");

  list_ = new TZYLMRUList(form_.get());
  list_->SetIniUse(ioNone);
  Fill({"a", "b"});
  list_->SetMenuItem(Item("Save"));
  delete Item("Save");
  EXPECT_EQ(list_->MenuItem(), nullptr);
  EXPECT_EQ(Captions(popup_->Items()), "Open|-|Exit");
  // The parent going first takes the items with it; the list goes on without them.
  list_->SetMenuItem(Item("Open"));
  delete popup_;
  popup_ = nullptr;
  list_->Add("c");
  EXPECT_EQ(Join(list_->Entries()), "c|b|a");
}

TEST_F(MRUList, ButtonDropDownFollowsTheList) {
  auto* button = new TZYL3DEffectButton(form_.get());
  button->SetParent(form_.get());
  list_->SetOnChange(vcl::TNotifyEvent(&listener_, &TListener::Change));
  list_->SetButton(button);
  ASSERT_NE(list_->DropDownMenu(), nullptr);
  EXPECT_EQ(button->DropDown(), list_->DropDownMenu());
  EXPECT_EQ(Captions(list_->DropDownMenu()->Items()), std::string("*~") + vcl::SRNone);
  Fill({"a", "b"});
  EXPECT_EQ(Captions(list_->DropDownMenu()->Items()), "*&1 b|*&2 a");
  EXPECT_EQ(listener_.Heard.size(), 3u);
  list_->SetButton(nullptr);
  EXPECT_EQ(button->DropDown(), nullptr);
  EXPECT_EQ(list_->DropDownMenu(), nullptr);
  list_->SetButton(button);
  delete list_;
  list_ = nullptr;
  EXPECT_EQ(button->DropDown(), nullptr);
}

// The list has one change event, the component base's: a handler a form binds through the
// published name is the one the base holds, and it fires when the list's menu changes.
TEST_F(MRUList, OnChangeIsTheOneChangeEventOfTheComponent) {
  const vcl::TNotifyEvent heard(&listener_, &TListener::Change);
  TZYLCustomComponent* base = list_;
  vcl::SetMethodProp(list_, "OnChange", heard.Method());
  EXPECT_TRUE(base->GetOnChange() == heard);
  // Without a menu item or a button nothing is shown, and no change is told.
  Fill({"a"});
  EXPECT_TRUE(listener_.Heard.empty());
  list_->SetMenuItem(Item("Save"));
  Fill({"b"});
  list_->Remove("a");
  EXPECT_EQ(listener_.Heard, (std::vector<std::string>{"change", "change", "change"}));

  // A handler set through the base is the published one and fires the same way.
  listener_.Heard.clear();
  base->SetOnChange(vcl::TNotifyEvent());
  EXPECT_EQ(vcl::GetMethodProp(list_, "OnChange").Code, nullptr);
  list_->Add("c");
  EXPECT_TRUE(listener_.Heard.empty());
  base->SetOnChange(heard);
  EXPECT_TRUE(vcl::TNotifyEvent::FromMethod(vcl::GetMethodProp(list_, "OnChange")) == heard);
  list_->Add("d");
  EXPECT_EQ(listener_.Heard, (std::vector<std::string>{"change"}));
}

// The drop-down menu the list made may be freed by someone else first: the list forgets it,
// makes a new one on the next change, and frees nothing twice when it goes.
TEST_F(MRUList, ADropDownFreedFirstIsNotFreedAgain) {
  auto* button = new TZYL3DEffectButton(form_.get());
  button->SetParent(form_.get());
  Fill({"a"});
  list_->SetButton(button);
  ASSERT_NE(list_->DropDownMenu(), nullptr);
  delete list_->DropDownMenu();
  EXPECT_EQ(list_->DropDownMenu(), nullptr);
  EXPECT_EQ(button->DropDown(), nullptr);
  list_->Add("b");
  ASSERT_NE(list_->DropDownMenu(), nullptr);
  EXPECT_EQ(button->DropDown(), list_->DropDownMenu());
  EXPECT_EQ(Captions(list_->DropDownMenu()->Items()), "*&1 b|*&2 a");
  delete list_->DropDownMenu();
  delete list_;
  list_ = nullptr;
  EXPECT_EQ(button->DropDown(), nullptr);
}

TEST_F(MRUList, SettingsKeepTheListBetweenRuns) {
  testsupport::TempDir dir;
  auto* ini = new TZYLIniCtrl(form_.get());
  ini->SetIniFile(dir.File("mru.ini"));
  EXPECT_EQ(list_->Section(), "Form1.MRUList");
  list_->SetIniUse(ioUseLink);
  list_->SetIniLink(ini);
  list_->SetMaxEntries(3);
  Fill({"a", "b", "c"});
  list_->WriteData();
  EXPECT_EQ(ini->ReadString("Form1.MRUList", "H0", ""), "c");
  EXPECT_EQ(ini->ReadString("Form1.MRUList", "H2", ""), "a");

  auto* other = new TZYLMRUList(form_.get());
  other->SetIniUse(ioUseLink);
  other->SetIniLink(ini);
  other->SetMaxEntries(2);
  other->SetMenuItem(Item("Exit"));
  other->SetStyle(msBeforeItem);
  other->ReadData();
  EXPECT_EQ(Join(other->Entries()), "c|b");
  EXPECT_EQ(Captions(popup_->Items()), "Open|Save|-|*&1 c|*&2 b|*-|Exit");
  other->SetIniUse(ioNone);
  other->RemoveAll();
  other->ReadData();
  EXPECT_EQ(Join(other->Entries()), "");
}

// The form's own OnCreate raising (a failed start-up check) leaves the list restored from the
// settings all the same, so that the form's end saves the list it read, not an empty one over
// the stored entries.
TEST_F(MRUList, AFormWhoseOnCreateRaisesKeepsTheStoredList) {
  testsupport::TempDir dir;
  auto* ini = new TZYLIniCtrl(form_.get());
  ini->SetIniFile(dir.File("mru.ini"));
  vcl::TStringList stored;
  for (const char* entry : {"c", "b", "a"}) stored.Add(entry);
  ini->WriteStringsExt("Form1.MRUList", "H", &stored, -1);
  list_->SetIniUse(ioUseLink);
  list_->SetIniLink(ini);
  testsupport::TRaisingHandler raising;
  form_->OnCreate = vcl::TNotifyEvent(&raising, &testsupport::TRaisingHandler::Notify);
  list_->Loaded();
  EXPECT_EQ(testsupport::ErrorOf<testsupport::EHandlerFailed>([&] { form_->DoCreate(); }),
            "The file was not found");
  EXPECT_EQ(Join(list_->Entries()), "c|b|a");
  list_ = nullptr;
  form_.reset();
  TZYLIniCtrl reader;
  reader.SetIniFile(dir.File("mru.ini"));
  vcl::TStringList entries;
  reader.ReadStringsExt("Form1.MRUList", "H", &entries, -1);
  EXPECT_EQ(Join(&entries), "c|b|a");
}

}  // namespace
}  // namespace zyl
