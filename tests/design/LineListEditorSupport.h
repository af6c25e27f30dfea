// What the tests of the list editors with a line per item (the wave, string and bitmap list
// editors) share: a fixture that opens the editor's static Edit on a list of its kind under a
// dialog script, the lines and item descriptions a test follows, the errors the application shows,
// and a clipboard holding a damaged component stream.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "design/pZYLDsgnCPGet.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Clipbrd.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempDir.h"

namespace zyl::designtest {

// Counts the change notices of a list.
struct TChangeCount : vcl::TObject {
  int N = 0;
  void Count(vcl::TObject*) { ++N; }
};

// The descriptions of a list's items, in order: what the tests follow items by.
inline std::vector<std::string> ItemNames(const TZYLCustomContainer* list) {
  std::vector<std::string> names;
  for (int i = 0; i < list->Count(); ++i) names.push_back(list->Item(i)->Description);
  return names;
}

// The lines of a list box as texts.
inline std::vector<std::string> BoxLines(TZYLListBox* box) {
  std::vector<std::string> lines;
  for (int i = 0; i < box->GetItems()->Count(); ++i) lines.push_back(box->GetItems()->Strings(i));
  return lines;
}

// Puts a copy of `list` on the clipboard with its component stream cut short by `cut` bytes.
inline void PutDamagedComponent(vcl::TComponent* list, size_t cut) {
  vcl::Clipboard()->SetComponent(list);
  std::string bytes;
  vcl::Clipboard()->Open();
  win::HANDLE h = vcl::Clipboard()->GetAsHandle(vcl::CF_COMPONENT);
  const char* p = static_cast<const char*>(win::GlobalLock(h));
  bytes.assign(p, win::GlobalSize(h));
  win::GlobalUnlock(h);
  vcl::Clipboard()->Close();
  bytes.resize(bytes.size() - std::min(cut, bytes.size()));
  win::HGLOBAL damaged = win::GlobalAlloc(0, bytes.size());
  std::copy(bytes.begin(), bytes.end(), static_cast<char*>(win::GlobalLock(damaged)));
  win::GlobalUnlock(damaged);
  vcl::Clipboard()->SetAsHandle(vcl::CF_COMPONENT, damaged);
}

// Runs the editor through `run` under Cancel, the close box, Escape and an exception in turn,
// `refill` making the list anew before each: every ending answers false (the exception passes)
// and leaves the list's form stream as it was.
inline void ExpectOnlyOKChanges(vcl::TComponent* list, const std::function<void()>& refill,
                                const std::function<bool(TEnding)>& run) {
  for (TEnding ending : {TEnding::Cancel, TEnding::CloseBox, TEnding::Escape, TEnding::Exception}) {
    SCOPED_TRACE(EndingName(ending));
    refill();
    const std::string before = vcl::WriteComponentToBytes(list);
    if (ending == TEnding::Exception)
      EXPECT_THROW(run(ending), vcl::Exception);
    else
      EXPECT_FALSE(run(ending));
    EXPECT_EQ(vcl::WriteComponentToBytes(list), before);
  }
}

// Opens TDlg::Edit on the fixture's TList: `steps` run on the form, then it is left as the
// ending says; `after` scripts the dialogs the steps open.
template <class TDlg, class TList>
class TLineListEditorFixture : public ::testing::Test, protected TEditorFileSession {
 protected:
  TLineListEditorFixture() { vcl::Clipboard()->Clear(); }

  bool Run(const std::function<void(TDlg*)>& steps, TEnding ending = TEnding::Ok,
           const std::function<void(vcl::testkit::TDialogScript&)>& after = {}) {
    vcl::testkit::TDialogScript script;
    AnswerEditor(
        script, [&](vcl::TCustomForm* f) { steps(static_cast<TDlg*>(f)); }, ending, "ZYLButton1",
        "ZYLButton2");
    if (after) after(script);
    const bool ok = TDlg::Edit(&list_);
    shown_ = script.Shown();
    return ok;
  }

  static void Select(TDlg* f, int line) { ClickListLine(f->lb->ListBox(), line); }

  // Makes list_ n items described "0" .. "n-1" with idents 100 + i, of the kind's own content.
  virtual void Fill(int n) = 0;

  // Moves line 1 down to 2, compresses every item, then removes the current line (2, the former
  // item 1).
  static void MoveCompressAndRemove(TDlg* f) {
    ClickListLine(f->lb->ListBox(), 1);
    vcl::testkit::ClickControl(f->Down);
    f->checkall->Click();
    vcl::testkit::ClickControl(f->remove);
  }

  // OK after MoveCompressAndRemove on four items: the list holds "0", "2" and "3", every item
  // compressed, and is told of the change once at most.
  void ExpectOKAssignsOnce() {
    Fill(4);
    TChangeCount changes;
    list_.SetOnChange(vcl::TNotifyEvent(&changes, &TChangeCount::Count));
    // The list outlives the counter: it is unlinked on every way out of this check.
    struct TUnlink {
      TList& List;
      ~TUnlink() { List.SetOnChange({}); }
    } unlink{list_};
    ASSERT_TRUE(Run(MoveCompressAndRemove));
    EXPECT_EQ(ItemNames(&list_), (std::vector<std::string>{"0", "2", "3"}));
    for (int i = 0; i < list_.Count(); ++i) EXPECT_TRUE(list_.Item(i)->Compressed);
    EXPECT_LE(changes.N, 1);
  }

  // A list of the kind whose stream is cut short, pasted: the reader refuses it, the user sees
  // one error and the list stays as it was.
  void ExpectDamagedPasteChangesNothing() {
    TList other(nullptr);
    other.Add();
    PutDamagedComponent(&other, 12);
    const std::string before = vcl::WriteComponentToBytes(&list_);
    ASSERT_TRUE(Run([](TDlg* f) { vcl::testkit::ClickControl(f->btnPaste); }));
    EXPECT_EQ(errors_.Texts.size(), 1u);
    EXPECT_EQ(vcl::WriteComponentToBytes(&list_), before);
  }

  // Saves three items (by `save`) to a list file of extension `ext`, then on one item loads a
  // file of that kind cut off after its header `header` (by `load`: the working list keeps its
  // item and the user sees one error) and then the saved file (by `loadSaved`): OK leaves the
  // three items, the saved file heads the recently used files and its folder is remembered for
  // the list kind `kind`.
  void ExpectListFilesSaveAndLoad(const std::string& ext, const std::string& header,
                                  TZYLListItemClassType kind,
                                  const std::function<void(TDlg*)>& save,
                                  const std::function<void(TDlg*)>& load,
                                  const std::function<void(TDlg*)>& loadSaved) {
    Fill(3);
    const std::string file = dir_.File("three" + ext);
    ASSERT_TRUE(
        Run(save, TEnding::Ok, [&](vcl::testkit::TDialogScript& s) { s.ChooseFiles({file}); }));
    Fill(1);
    const std::string corrupt = dir_.File("bad" + ext);
    std::ofstream(corrupt, std::ios::binary) << header << " and then nothing a list holds";
    std::vector<std::string> mru;
    ASSERT_TRUE(Run(
        [&](TDlg* f) {
          load(f);
          EXPECT_EQ(ItemNames(f->WorkList()), (std::vector<std::string>{"0"}));
          loadSaved(f);
          for (int i = 0; i < f->mru->Entries()->Count(); ++i)
            mru.push_back(f->mru->Entries()->Strings(i));
        },
        TEnding::Ok,
        [&](vcl::testkit::TDialogScript& s) { s.ChooseFiles({corrupt}).ChooseFiles({file}); }));
    EXPECT_EQ(errors_.Texts.size(), 1u);
    EXPECT_EQ(ItemNames(&list_), (std::vector<std::string>{"0", "1", "2"}));
    ASSERT_FALSE(mru.empty());
    EXPECT_EQ(mru[0], file);
    EXPECT_EQ(ZYLRestoreListPath(kind), dir_.Path());
  }

  // Choosing a recently used list file of extension `ext` that is gone drops its entry and loads
  // nothing: the list keeps the items it had.
  void ExpectMissingRecentFileDropped(const std::string& ext) {
    const int count = list_.Count();
    bool remove = false;
    ASSERT_TRUE(Run([&](TDlg* f) { f->mruClick(f->mru, dir_.File("gone" + ext), remove); }));
    EXPECT_TRUE(remove);
    EXPECT_EQ(list_.Count(), count);
  }

  // Clearing (by `clear`) three items asks first: "No" keeps every item, "Yes" clears the list.
  void ExpectClearAsksFirst(const std::function<void(TDlg*)>& clear) {
    for (const char* answer : {"No", "Yes"}) {
      SCOPED_TRACE(answer);
      Fill(3);
      ASSERT_TRUE(
          Run(clear, TEnding::Ok, [&](vcl::testkit::TDialogScript& s) { s.Press(answer); }));
      ASSERT_EQ(shown_.size(), 2u);
      EXPECT_EQ(shown_[1].Text, "Really delete List?");
      EXPECT_EQ(list_.Count(), std::string(answer) == "No" ? 3 : 0);
    }
  }

  TList list_{nullptr};
  std::vector<vcl::testkit::TShownDialog> shown_;
};

}  // namespace zyl::designtest

namespace zyl {

// The short names both list editor tests use.
using designtest::BoxLines;
using designtest::ItemNames;

}  // namespace zyl
