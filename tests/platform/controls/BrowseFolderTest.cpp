// The shell's folder browser, shown as a form and answered through its folder tree.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/controls/Dialogs.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/ShlObj.h"
#include "platform/testkit/DialogScript.h"
#include "tests/platform/controls/ControlsTestSupport.h"
#include "tests/support/TempDir.h"

namespace vcl::testing {
namespace {

using testkit::EDialogScript;
using testkit::TDialogScript;
namespace wt = win::testkit;

// What the callback heard, and what it does when the dialog comes up.
struct TCallbackLog {
  TLines Heard;
  std::string SelectPath;  // sent with BFFM_SETSELECTIONA on BFFM_INITIALIZED
  std::string Status;      // sent with BFFM_SETSTATUSTEXTA
  int EnableOk = -1;       // sent with BFFM_ENABLEOK when 0 or 1
  int ValidateAnswer = 0;
  static int Callback(win::HWND wnd, win::UINT msg, win::LPARAM lParam, win::LPARAM data) {
    auto* self = reinterpret_cast<TCallbackLog*>(data);
    switch (msg) {
      case win::BFFM_INITIALIZED:
        self->Heard.push_back("init");
        if (!self->Status.empty())
          win::SendMessageA(wnd, win::BFFM_SETSTATUSTEXTA, 0,
                            reinterpret_cast<win::LPARAM>(self->Status.c_str()));
        if (!self->SelectPath.empty())
          win::SendMessageA(wnd, win::BFFM_SETSELECTIONA, 1,
                            reinterpret_cast<win::LPARAM>(self->SelectPath.c_str()));
        if (self->EnableOk >= 0) win::SendMessageA(wnd, win::BFFM_ENABLEOK, 0, self->EnableOk);
        break;
      case win::BFFM_SELCHANGED: {
        char path[win::MAX_PATH];
        self->Heard.push_back(
            win::SHGetPathFromIDListA(reinterpret_cast<win::LPCITEMIDLIST>(lParam), path)
                ? std::string("sel ") + path
                : std::string("sel -"));
        break;
      }
      case win::BFFM_VALIDATEFAILEDA:
        self->Heard.push_back(std::string("invalid ") + reinterpret_cast<const char*>(lParam));
        return self->ValidateAnswer;
    }
    return 0;
  }
};

class BrowseFolderTest : public ControlsTest {
 protected:
  BrowseFolderTest() {
    ForceDirectories(dir_.File("one/two"));
    ForceDirectories(dir_.File("three"));
  }
  // Runs the browser; the chosen path ("" for none) and the display name.
  std::string Browse(win::UINT flags, TCallbackLog* log = nullptr,
                     win::LPCITEMIDLIST root = nullptr, std::string* display = nullptr) {
    char name[win::MAX_PATH] = "?";
    win::BROWSEINFOA bi;
    bi.pidlRoot = root;
    bi.pszDisplayName = name;
    bi.lpszTitle = "Pick a folder";
    bi.ulFlags = flags;
    if (log) {
      bi.lpfn = &TCallbackLog::Callback;
      bi.lParam = reinterpret_cast<win::LPARAM>(log);
    }
    win::LPITEMIDLIST pidl = win::SHBrowseForFolderA(&bi);
    if (display) *display = name;
    if (!pidl) return "";
    char path[win::MAX_PATH];
    std::string result = win::SHGetPathFromIDListA(pidl, path) ? path : "<virtual>";
    win::CoTaskMemFree(pidl);
    return result;
  }
  testsupport::TempDir dir_;
};

TEST_F(BrowseFolderTest, TheTreeIsOpenedDownToTheChosenFolder) {
  TDialogScript script;
  script.ChooseFolder(dir_.File("one/two"));
  TCallbackLog log;
  std::string display;
  EXPECT_EQ(Browse(win::BIF_RETURNONLYFSDIRS, &log, nullptr, &display), dir_.File("one/two"));
  EXPECT_EQ(display, "two");
  ASSERT_GE(log.Heard.size(), 2u);
  EXPECT_EQ(log.Heard[0], "init");
  EXPECT_EQ(log.Heard.back(), "sel " + dir_.File("one/two"));
  const testkit::TShownDialog& s = script.Shown()[0];
  EXPECT_EQ(s.Caption, "Browse for Folder");
  EXPECT_EQ(s.Values.at("Title"), "Pick a folder");
  EXPECT_EQ(s.Values.at("Folders"), "Desktop");
}

TEST_F(BrowseFolderTest, TheCallbackSelectsSetsTheStatusAndDisablesOk) {
  TCallbackLog log;
  log.SelectPath = dir_.File("three");
  log.Status = "Choose well";
  TDialogScript script;
  script.Press("OK");
  EXPECT_EQ(Browse(win::BIF_STATUSTEXT, &log), dir_.File("three"));
  EXPECT_EQ(script.Shown()[0].Values.at("Status"), "Choose well");
  EXPECT_EQ(Trim(script.Shown()[0].Values.at("Folders")), "three");
  EXPECT_NE(std::find(log.Heard.begin(), log.Heard.end(), "sel " + dir_.File("three")),
            log.Heard.end());
  log.EnableOk = 0;
  script.Press("OK");
  EXPECT_THROW(Browse(0, &log), EDialogScript);  // the OK button is disabled
}

TEST_F(BrowseFolderTest, ARootFolderLimitsTheTree) {
  win::LPITEMIDLIST root = win::ILCreateFromPathA(dir_.Path().c_str());
  ASSERT_NE(root, nullptr);
  TLines items;
  TDialogScript script;
  script.Do([&](TCustomForm* f) {
    auto* tree = Find<TListBox>(f, "Folders");
    for (int i = 0; i < tree->Items()->Count(); ++i) items.push_back(tree->Items()->Get(i));
    wt::KeyPress(win::VK_RETURN);
  });
  EXPECT_EQ(Browse(0, nullptr, root), dir_.Path());
  EXPECT_EQ(items, (TLines{dir_.Path(), "  one", "  three"}));
  script.ChooseFolder(dir_.File("one/two"));
  EXPECT_EQ(Browse(0, nullptr, root), dir_.File("one/two"));
  script.ChooseFolder("/");
  EXPECT_THROW(Browse(0, nullptr, root), EDialogScript);  // outside the tree
  win::CoTaskMemFree(root);
}

TEST_F(BrowseFolderTest, TypedNamesAreValidated) {
  TCallbackLog log;
  log.SelectPath = dir_.Path();
  TDialogScript script;
  auto type = [](const char* text) {
    return [text](TCustomForm* f) {
      testkit::TypeInto(Find<TEdit>(f, "Folder"), text);
      wt::KeyPress(win::VK_RETURN);
    };
  };
  // An existing folder typed relative to the selection is taken.
  script.Do(type("one"));
  EXPECT_EQ(Browse(win::BIF_EDITBOX | win::BIF_VALIDATE, &log), dir_.File("one"));
  // A missing one: the callback keeps the dialog open (1), or lets it close with nothing (0).
  log.ValidateAnswer = 1;
  script.Do(type("nothing")).Press("Cancel");
  EXPECT_EQ(Browse(win::BIF_EDITBOX | win::BIF_VALIDATE, &log), "");
  EXPECT_EQ(log.Heard.back(), "invalid nothing");
  log.ValidateAnswer = 0;
  script.Do(type("nothing"));
  EXPECT_EQ(Browse(win::BIF_EDITBOX | win::BIF_VALIDATE, &log), "");
}

TEST_F(BrowseFolderTest, CancelAndMissingFoldersGiveNothing) {
  TDialogScript script;
  script.PressKey(win::VK_ESCAPE);
  EXPECT_EQ(Browse(0), "");
  script.ChooseFolder(dir_.File("missing"));
  EXPECT_THROW(Browse(0), EDialogScript);
  EXPECT_EQ(win::SHBrowseForFolderA(nullptr), nullptr);
}

TEST_F(BrowseFolderTest, AnOwnerFormIsEnabledAgainAndTheFocusReturnsToItsControl) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  TEdit* edit = Place<TEdit>(&form, 10, 10, 100, 21, "Edit");
  form.Show();
  edit->SetFocus();
  wt::RunUntilIdle();
  TDialogScript script;
  bool ownerDisabled = false;
  script.Do([&](TCustomForm*) { ownerDisabled = !win::IsWindowEnabled(form.Handle()); })
      .Press("Cancel");
  char name[win::MAX_PATH];
  win::BROWSEINFOA bi;
  bi.hwndOwner = edit->Handle();  // a control: its form owns the dialog
  bi.pszDisplayName = name;
  EXPECT_EQ(win::SHBrowseForFolderA(&bi), nullptr);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(win::IsWindowEnabled(form.Handle()));
  EXPECT_EQ(win::GetActiveWindow(), form.Handle());
  EXPECT_EQ(win::GetFocus(), edit->Handle());
}

}  // namespace
}  // namespace vcl::testing
