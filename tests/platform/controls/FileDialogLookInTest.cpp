// The open and save dialogs' Look in box: a drop-down list of the shown folder's path from the
// root down, then the mapped drives; choosing one opens it.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/controls/Dialogs.h"
#include "platform/controls/FileCtrl.h"
#include "platform/rtl/FileUtils.h"
#include "platform/testkit/DialogScript.h"
#include "tests/platform/controls/ControlsTestSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/TempDir.h"

namespace vcl::testing {
namespace {

using testkit::TDialogScript;
namespace wt = win::testkit;

TLines Items(TStrings* s) {
  TLines items;
  for (int i = 0; i < s->Count(); ++i) items.push_back(s->Get(i));
  return items;
}

// The folders from the root down to `path` (a native folder), each by its full path.
TLines Chain(const std::string& path) {
  TLines chain{"/"};
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    chain.push_back(path.substr(0, slash));
    if (slash == std::string::npos) break;
  }
  return chain;
}

// How many pixels of `area` differ from `back`: ink drawn there.
int Ink(const wt::TCapture& c, const win::RECT& area, win::COLORREF back) {
  int n = 0;
  for (int y = std::max(0, area.Top); y < std::min(c.Height, area.Bottom); ++y)
    for (int x = std::max(0, area.Left); x < std::min(c.Width, area.Right); ++x)
      n += c.Color(x, y) != back ? 1 : 0;
  return n;
}

class FileDialogLookInTest : public ControlsTest {
 protected:
  FileDialogLookInTest() : drive_("ZYL_DRIVE_D", dir_.File("sub")) {
    for (const char* n : {"a.txt", "sub/inner.txt", "sub/deeper/x.txt"}) {
      ForceDirectories(ExtractFileDir(dir_.File(n)));
      std::ofstream(dir_.File(n)) << "x";
    }
  }
  // A file dialog opened on `folder`, answered by `steps` and then Cancel.
  void Run(TOpenDialog& d, const std::string& folder,
           const std::function<void(TCustomForm*, TComboBox*)>& steps) {
    d.SetInitialDir(folder);
    TDialogScript script;
    script.Do([&](TCustomForm* f) {
      auto* box = Find<TComboBox>(f, "Folder");
      ASSERT_NE(box, nullptr);
      steps(f, box);
    });
    script.Press("Cancel");
    EXPECT_FALSE(d.Execute());
  }
  static TLines Files(TCustomForm* f) { return Items(Find<TListBox>(f, "Files")->Items()); }

  testsupport::TempDir dir_;
  testsupport::TEnvGuard drive_;
  testsupport::TCurrentDirGuard cwd_;
};

TEST_F(FileDialogLookInTest, ListsThePathFromTheRootThenTheDrives) {
  TOpenDialog d(nullptr);
  const std::string shown = dir_.File("sub/deeper");
  Run(d, shown, [&](TCustomForm*, TComboBox* box) {
    TLines want = Chain(shown);
    const int index = static_cast<int>(want.size()) - 1;
    for (char drive : MappedDrives()) want.push_back(std::string(1, drive) + ":\\");
    EXPECT_EQ(Items(box->Items()), want);
    EXPECT_EQ(box->ItemIndex(), index);
    EXPECT_EQ(box->Style(), csOwnerDrawFixed);
    EXPECT_NE(std::find(want.begin(), want.end(), "C:\\"), want.end());
    EXPECT_NE(std::find(want.begin(), want.end(), "D:\\"), want.end());
  });
}

TEST_F(FileDialogLookInTest, ChoosingAFolderOrADriveOpensIt) {
  TOpenDialog d(nullptr);
  TLog log;
  d.OnFolderChange = log.Counter();
  Run(d, dir_.File("sub/deeper"), [&](TCustomForm* f, TComboBox* box) {
    EXPECT_EQ(Files(f), (TLines{"x.txt"}));
    // Two levels up, by keyboard.
    testkit::ChooseListItem(box, dir_.Path());
    EXPECT_EQ(Files(f), (TLines{"a.txt"}));
    EXPECT_EQ(Items(Find<TListBox>(f, "Folders")->Items()), (TLines{"sub"}));
    EXPECT_EQ(box->Items()->Get(box->ItemIndex()), dir_.Path());
    EXPECT_EQ(log.Count, 1);
    // The drive D: (the folder "sub"), by mouse: the box drops down and the item is clicked.
    testkit::ClickControl(box);
    ASSERT_TRUE(box->DroppedDown());
    const int d = box->Items()->IndexOf("D:\\");
    win::RECT r{};
    win::SendMessageA(box->ListHandle(), win::LB_GETITEMRECT, static_cast<win::WPARAM>(d),
                      reinterpret_cast<win::LPARAM>(&r));
    const win::POINT p = wt::ScreenPoint(box->ListHandle(), r.Left + 20, (r.Top + r.Bottom) / 2);
    wt::Click(p.X, p.Y);
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_EQ(Files(f), (TLines{"inner.txt"}));
    EXPECT_EQ(box->Items()->Get(box->ItemIndex()), dir_.File("sub"));
    EXPECT_EQ(log.Count, 2);
    // The folder shown chosen again opens nothing.
    testkit::ChooseListItem(box, dir_.File("sub"));
    EXPECT_EQ(log.Count, 2);
  });
}

// The dropped list shows each folder a step further in than its parent; the closed box shows
// the folder's name without the step.
TEST_F(FileDialogLookInTest, FoldersAreIndentedByLevelInTheDroppedListOnly) {
  TOpenDialog d(nullptr);
  Run(d, dir_.File("sub/deeper"), [&](TCustomForm*, TComboBox* box) {
    box->SetDroppedDown(true);
    Idle();
    const wt::TCapture list = wt::CaptureWindow(box->ListHandle(), false);
    const int chained = static_cast<int>(Chain(dir_.File("sub/deeper")).size());
    const int selected = box->ItemIndex();
    for (int i = 0; i < std::min(chained, box->DropDownCount()); ++i) {
      win::RECT r{};
      win::SendMessageA(box->ListHandle(), win::LB_GETITEMRECT, static_cast<win::WPARAM>(i),
                        reinterpret_cast<win::LPARAM>(&r));
      const win::COLORREF back =
          win::GetSysColor(i == selected ? win::COLOR_HIGHLIGHT : win::COLOR_WINDOW);
      // Nothing drawn in the row's indent (inside a focus rectangle's dots); the name starts
      // right after it.
      const win::RECT indent{r.Left + 1, r.Top + 1, r.Left + 2 + i * 10, r.Bottom - 1};
      EXPECT_TRUE(wt::PixelsMatch(
          list, [&](int, int) { return back; }, "look_in_indent_" + std::to_string(i), indent));
      win::RECT name = r;
      name.Left = indent.Right;
      name.Right = name.Left + 8;
      EXPECT_GT(Ink(list, name, back), 0) << "row " << i << " shows no name after its indent";
    }
    box->SetDroppedDown(false);
    Idle();
    // The closed field: the folder's name at the field's left edge.
    const wt::TCapture field = wt::CaptureWindow(box->Handle(), false);
    const win::COLORREF back =
        win::GetSysColor(box->Focused() ? win::COLOR_HIGHLIGHT : win::COLOR_WINDOW);
    EXPECT_GT(Ink(field, win::RECT{4, 3, 12, 17}, back), 0);
  });
}

}  // namespace
}  // namespace vcl::testing
