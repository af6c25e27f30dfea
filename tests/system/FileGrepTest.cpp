// The file search over a real temporary tree: masks, attributes, sizes, dates and content, the
// fields of a result line, the events and their order, cancelling, files and folders that
// cannot be read, links back up the tree, and the threaded start driven through the main
// thread's queue.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "edits/ZYLListBox.h"
#include "foundation/ZYLDateTime.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Thread.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Locale.h"
#include "platform/sys/ShellFiles.h"
#include "platform/testkit/ControlsSession.h"
#include "system/ZYLFileGrep.h"
#include "tests/support/Cases.h"
#include "tests/support/FreeProbe.h"
#include "tests/support/TempDir.h"
#include "tests/support/WakeSignal.h"

namespace zyl {
namespace {

namespace vt = vcl::testkit;

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Sets a file's last-write and last-access times to a local date.
void Date(const std::string& path, int year, int month, int day) {
  win::SYSTEMTIME st;
  st.wYear = win::WORD(year), st.wMonth = win::WORD(month), st.wDay = win::WORD(day), st.wHour = 12;
  win::FILETIME local, utc;
  ASSERT_TRUE(win::SystemTimeToFileTime(&st, &local));
  ASSERT_TRUE(win::LocalFileTimeToFileTime(&local, &utc));
  const int h = vcl::FileOpen(path, vcl::fmOpenReadWrite);
  ASSERT_GE(h, 0);
  EXPECT_TRUE(win::SetFileTime(h, nullptr, &utc, &utc));
  vcl::FileClose(h);
}

// Records what the search reported, in order.
struct TRecorder : vcl::TObject {
  std::vector<std::string> Found, Dirs, Entries, Errors, Ends;
  std::function<void(const std::string&)> OnEntry, OnDir;
  std::function<void()> OnFinish, OnEndOfSearch;
  void Attach(TZYLFileGrep& g) {
    g.SetOnFound(TZYLFoundEvent(this, &TRecorder::DoFound));
    g.SetOnDirChange(TZYLFileChangeEvent(this, &TRecorder::DoDir));
    g.SetOnFileChange(TZYLFileChangeEvent(this, &TRecorder::DoEntry));
    g.SetOnErrorOpenFile(TZYLFileChangeEvent(this, &TRecorder::DoError));
    g.SetOnFinished(vcl::TNotifyEvent(this, &TRecorder::DoFinished));
    g.SetOnCancel(vcl::TNotifyEvent(this, &TRecorder::DoCancel));
    g.SetOnEnd(vcl::TNotifyEvent(this, &TRecorder::DoEnd));
  }
  void DoFound(vcl::TObject*, const std::string& s) { Found.push_back(s); }
  void DoDir(vcl::TObject*, const std::string& s) {
    Dirs.push_back(s);
    if (OnDir) OnDir(s);
  }
  void DoEntry(vcl::TObject*, const std::string& s) {
    Entries.push_back(s);
    if (OnEntry) OnEntry(s);
  }
  void DoError(vcl::TObject*, const std::string& s) { Errors.push_back(s); }
  void DoFinished(vcl::TObject*) {
    Ends.push_back("finished");
    if (OnFinish) OnFinish();
  }
  void DoCancel(vcl::TObject*) { Ends.push_back("cancel"); }
  void DoEnd(vcl::TObject*) {
    Ends.push_back("end");
    if (OnEndOfSearch) OnEndOfSearch();
  }
};

// The tree:  .hidden.txt  a.txt  b.log  empty.txt  ro.txt (read-only)  small.txt
//            sub/c.txt  sub/deep/d.txt
class FileGrep : public ::testing::Test {
 protected:
  FileGrep() {
    root_ = dir_.Path() + "/";
    Write(root_ + "a.txt", "hello world");
    Write(root_ + "b.log", "HELLO there");
    Write(root_ + "small.txt", "hi");
    Write(root_ + ".hidden.txt", "hello hidden");
    Write(root_ + "ro.txt", "hello, read only");
    chmod((root_ + "ro.txt").c_str(), 0444);
    Write(root_ + "empty.txt", "");
    mkdir((root_ + "sub").c_str(), 0755);
    Write(root_ + "sub/c.txt", "say Hello");
    mkdir((root_ + "sub/deep").c_str(), 0755);
    Write(root_ + "sub/deep/d.txt", "nothing here");
    grep_ = std::make_unique<TZYLFileGrep>(nullptr);
    grep_->SetDirs(dir_.Path());
    grep_->SetThreadedSearch(false);
    rec_.Attach(*grep_);
  }
  // The results as paths below the tree's root (with the default fields: folder and name).
  std::vector<std::string> Relative() const {
    std::vector<std::string> names;
    for (int i = 0; i < grep_->FoundList()->Count(); ++i) {
      std::string line = grep_->FoundList()->Get(i);
      EXPECT_EQ(line.compare(0, root_.size(), root_), 0) << line;
      line.erase(0, root_.size());
      line.erase(line.find(';'), 1);
      EXPECT_EQ(line.back(), ';') << line;
      line.pop_back();
      names.push_back(line);
    }
    return names;
  }
  std::vector<std::string> Search() {
    grep_->Grep();
    EXPECT_FALSE(grep_->Running());
    return Relative();
  }

  vt::TControlsSession session_;
  testsupport::TempDir dir_;
  std::string root_;
  std::unique_ptr<TZYLFileGrep> grep_;
  TRecorder rec_;
};

using TNames = std::vector<std::string>;

TEST_F(FileGrep, DefaultsFindEveryEntryFilesFirstThenEachFolderInTurn) {
  EXPECT_EQ(Search(), (TNames{".hidden.txt", "a.txt", "b.log", "empty.txt", "ro.txt", "small.txt",
                              "sub", "sub/c.txt", "sub/deep", "sub/deep/d.txt"}));
  EXPECT_EQ(grep_->FoundList()->Get(1), root_ + ";a.txt;");
  EXPECT_EQ(rec_.Found.size(), 10u);
  EXPECT_EQ(rec_.Dirs, (TNames{root_, root_ + "sub/", root_ + "sub/deep/"}));
  // Every entry is announced, "." and ".." too.
  EXPECT_EQ(rec_.Entries[0], ".");
  EXPECT_EQ(rec_.Entries[1], "..");
  EXPECT_EQ(rec_.Ends, (TNames{"finished", "end"}));
  EXPECT_TRUE(rec_.Errors.empty());
}

// One search setting against the tree.
struct TFilterCase {
  const char* Name;
  std::function<void(TZYLFileGrep&)> Set;
  TNames Want;
};

class FileGrepFilter : public FileGrep, public ::testing::WithParamInterface<TFilterCase> {};

TEST_P(FileGrepFilter, KeepsOnlyWhatMatches) {
  GetParam().Set(*grep_);
  EXPECT_EQ(Search(), GetParam().Want);
  EXPECT_EQ(rec_.Ends, (TNames{"finished", "end"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileGrepFilter,
    ::testing::Values(
        TFilterCase{"MasksOnceEachInOrder",
                    [](TZYLFileGrep& g) { g.SetFileMasks(" *.log ; *.TXT;*.log;; "); },
                    {"b.log", ".hidden.txt", "a.txt", "empty.txt", "ro.txt", "small.txt",
                     "sub/c.txt", "sub/deep/d.txt"}},
        TFilterCase{"NoSubFolders",
                    [](TZYLFileGrep& g) {
                      g.SetRecurseSubDirs(false);
                      g.SetFileMasks("*.txt");
                    },
                    {".hidden.txt", "a.txt", "empty.txt", "ro.txt", "small.txt"}},
        TFilterCase{"ContentCaseSensitive",
                    [](TZYLFileGrep& g) { g.SetContent("hello"); },
                    {".hidden.txt", "a.txt", "ro.txt"}},
        TFilterCase{"ContentAnyCaseAndNeverFolders",
                    [](TZYLFileGrep& g) {
                      g.SetContent("hello");
                      g.SetCaseSensitiveContent(false);
                    },
                    {".hidden.txt", "a.txt", "b.log", "ro.txt", "sub/c.txt"}},
        TFilterCase{
            "ContentAtTheVeryEnd", [](TZYLFileGrep& g) { g.SetContent("only"); }, {"ro.txt"}},
        TFilterCase{"MinSizeDropsSmallerAndFolders",
                    [](TZYLFileGrep& g) { g.SetMinSize(10); },
                    {".hidden.txt", "a.txt", "b.log", "ro.txt", "sub/deep/d.txt"}},
        TFilterCase{"MaxSize",
                    [](TZYLFileGrep& g) {
                      g.SetMaxSize(9);
                      g.SetFileMasks("*.txt");
                    },
                    {"empty.txt", "small.txt", "sub/c.txt"}},
        TFilterCase{"ReadOnly", [](TZYLFileGrep& g) { g.SetAttributes({fmReadOnly}); }, {"ro.txt"}},
        TFilterCase{
            "Hidden", [](TZYLFileGrep& g) { g.SetAttributes({fmHidden}); }, {".hidden.txt"}},
        TFilterCase{"ArchiveIsEveryPlainFile",
                    [](TZYLFileGrep& g) {
                      g.SetAttributes({fmArchive, fmReadOnly});
                    },
                    {"ro.txt"}},
        TFilterCase{"NoAttributesAskNothing",
                    [](TZYLFileGrep& g) {
                      g.SetAttributes({});
                      g.SetRecurseSubDirs(false);
                      g.SetFileMasks("*.log");
                    },
                    {"b.log"}},
        TFilterCase{"SystemIsNeverSet", [](TZYLFileGrep& g) { g.SetAttributes({fmSystem}); }, {}},
        TFilterCase{"AMissingFolderFindsNothing",
                    [](TZYLFileGrep& g) { g.SetDirs(g.Dirs() + "/none"); },
                    {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FileGrep, DateLimitsApplyOnlyWhenAskedForAndSet) {
  Date(root_ + "a.txt", 2001, 2, 3);
  Date(root_ + "sub/c.txt", 2005, 6, 7);
  grep_->SetFileMasks("a.txt;c.txt;b.log");
  TZYLDateTime limit;
  limit.SetValue(vcl::EncodeDate(2003, 1, 1));
  grep_->SetDate(TZYLFileGrep::diModifiedBefore, &limit);
  // Set but not asked for: no effect.
  EXPECT_EQ(Search(), (TNames{"a.txt", "b.log", "sub/c.txt"}));
  grep_->SetLookForDates({lfModifiedBefore});
  EXPECT_EQ(Search(), (TNames{"a.txt"}));
  grep_->SetLookForDates({lfModifiedAfter});
  grep_->SetDate(TZYLFileGrep::diModifiedAfter, &limit);
  EXPECT_EQ(Search(), (TNames{"b.log", "sub/c.txt"}));
  limit.SetValue(vcl::EncodeDate(2006, 1, 1));
  grep_->SetDate(TZYLFileGrep::diAccessedBefore, &limit);
  grep_->SetLookForDates({lfModifiedAfter, lfAccessedBefore});
  EXPECT_EQ(Search(), (TNames{"sub/c.txt"}));
  // A limit of 0 is no limit, even when asked for.
  TZYLDateTime zero;
  zero.SetValue(0);
  grep_->SetDate(TZYLFileGrep::diModifiedAfter, &zero);
  grep_->SetDate(TZYLFileGrep::diAccessedBefore, &zero);
  EXPECT_EQ(Search(), (TNames{"a.txt", "b.log", "sub/c.txt"}));
}

TEST_F(FileGrep, ALineHoldsTheChosenFieldsWithTheAttributeLettersLast) {
  Date(root_ + "ro.txt", 2001, 2, 3);
  grep_->SetFileMasks("ro.txt;sub");
  grep_->SetRecurseSubDirs(false);
  grep_->SetReturnDelimiter('|');
  grep_->SetReturnValues({rvAttr, rvSize, rvFilename, rvLastModifiedDate, rvDir});
  grep_->Grep();
  const std::string date =
      vcl::FormatDateTime(vcl::FormatSettings.LongDateFormat, vcl::EncodeDate(2001, 2, 3));
  ASSERT_EQ(grep_->FoundList()->Count(), 2);
  testsupport::ExpectCases(
      {{grep_->FoundList()->Get(0), root_ + "|ro.txt|16|" + date + "|ra"},
       {grep_->FoundList()->Get(1).substr(0, root_.size() + 7), root_ + "|sub|0|"},
       {grep_->FoundList()->Get(1).substr(grep_->FoundList()->Get(1).size() - 2), "|d"}});
  // Without the internal list the lines still reach the event.
  grep_->SetInternalFoundList(false);
  rec_.Found.clear();
  grep_->Grep();
  EXPECT_EQ(grep_->FoundList()->Count(), 0);
  EXPECT_EQ(rec_.Found.size(), 2u);
}

TEST_F(FileGrep, ResultsReachTheListBoxWhichIsForgottenWhenFreed) {
  auto form = std::make_unique<vcl::TForm>(nullptr);
  auto* list = new TZYLListBox(form.get());
  list->SetParent(form.get());
  grep_->SetOutStringList(list);
  grep_->SetFileMasks("*.log;c.txt");
  grep_->Grep();
  ASSERT_EQ(list->GetItems()->Count(), 2);
  EXPECT_EQ(list->GetItems()->Get(0), root_ + ";b.log;");
  EXPECT_EQ(list->GetItems()->Get(1), root_ + "sub/;c.txt;");
  form.reset();
  EXPECT_EQ(grep_->OutStringList(), nullptr);
  EXPECT_EQ(Search(), (TNames{"b.log", "sub/c.txt"}));
}

TEST_F(FileGrep, CancelEndsTheSearchAtTheNextEntry) {
  rec_.OnEntry = [this](const std::string& name) {
    if (name == "b.log") grep_->Cancel();
  };
  // The entry at hand is finished, the next one is not looked at.
  EXPECT_EQ(Search(), (TNames{".hidden.txt", "a.txt", "b.log"}));
  EXPECT_EQ(rec_.Ends, (TNames{"cancel", "end"}));
  EXPECT_EQ(rec_.Entries.back(), "b.log");
  EXPECT_EQ(rec_.Dirs.size(), 1u);
  EXPECT_FALSE(grep_->Cancelled());
  // A cancel while nothing runs does not stop the next search.
  rec_.OnEntry = nullptr;
  rec_.Ends.clear();
  grep_->Cancel();
  EXPECT_EQ(Search().size(), 10u);
  EXPECT_EQ(rec_.Ends, (TNames{"finished", "end"}));
}

TEST_F(FileGrep, UnreadableFilesAndFoldersAreReportedAndTheSearchGoesOn) {
  // A pipe would block a reader; a file gone since it was listed; a folder gone likewise.
  ASSERT_EQ(mkfifo((root_ + "pipe.txt").c_str(), 0644), 0);
  Write(root_ + "gone.txt", "hello");
  rec_.OnEntry = [this](const std::string& name) {
    if (name == "gone.txt") std::filesystem::remove(root_ + "gone.txt");
  };
  rec_.OnDir = [this](const std::string& dir) {
    if (dir == root_ + "sub/deep/") std::filesystem::remove_all(dir);
  };
  // Without read permission (which the super-user does not need).
  Write(root_ + "locked.txt", "hello");
  chmod((root_ + "locked.txt").c_str(), 0);
  const bool locked = geteuid() != 0;
  grep_->SetContent("hello");
  grep_->SetCaseSensitiveContent(false);
  TNames want = {".hidden.txt", "a.txt", "b.log"};
  if (!locked) want.push_back("locked.txt");
  want.insert(want.end(), {"ro.txt", "sub/c.txt"});
  EXPECT_EQ(Search(), want);
  TNames errors = {root_ + "gone.txt"};
  if (locked) errors.push_back(root_ + "locked.txt");
  errors.insert(errors.end(), {root_ + "pipe.txt", root_ + "sub/deep/"});
  EXPECT_EQ(rec_.Errors, errors);
  EXPECT_EQ(rec_.Ends, (TNames{"finished", "end"}));
  // The component searches again.
  rec_.OnEntry = nullptr;
  rec_.OnDir = nullptr;
  rec_.Ends.clear();
  EXPECT_EQ(Search(), want);
  EXPECT_EQ(rec_.Ends, (TNames{"finished", "end"}));
}

TEST_F(FileGrep, AnErrorInAHandlerStillEndsTheSearch) {
  rec_.OnEntry = [](const std::string& name) {
    if (name == "a.txt") throw vcl::Exception("handler failed");
  };
  EXPECT_THROW(grep_->Grep(), vcl::Exception);
  EXPECT_FALSE(grep_->Running());
  EXPECT_EQ(rec_.Ends, (TNames{"finished", "end"}));
  rec_.OnEntry = nullptr;
  EXPECT_EQ(Search().size(), 10u);
}

TEST_F(FileGrep, ALinkBackUpTheTreeIsFollowedOnce) {
  std::filesystem::create_directory_symlink(dir_.Path(), root_ + "sub/up");
  grep_->SetFileMasks("a.txt");
  EXPECT_EQ(Search(), (TNames{"a.txt"}));
  EXPECT_EQ(rec_.Dirs, (TNames{root_, root_ + "sub/", root_ + "sub/deep/", root_ + "sub/up/"}));
}

TEST_F(FileGrep, ANestedGrepFromAHandlerIsRefused) {
  rec_.OnEntry = [this](const std::string& name) {
    if (name == "a.txt") grep_->Grep();
  };
  EXPECT_EQ(Search().size(), 10u);
  EXPECT_EQ(rec_.Ends, (TNames{"finished", "end"}));
}

// Serves the main thread's queue until the threaded search has ended.
void DrainUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 100 && !done(); ++i) vcl::CheckSynchronize(5000);
}

TEST_F(FileGrep, AThreadedSearchRunsOnTheMainThreadWhenItsQueueIsServed) {
  grep_->SetThreadedSearch(true);
  grep_->SetThreadPriority(vcl::tpLower);
  grep_->Grep();
  EXPECT_TRUE(grep_->Running());
  ASSERT_NE(grep_->SearchThread(), nullptr);
  EXPECT_EQ(grep_->SearchThread()->Priority(), vcl::tpLower);
  // A second start while one is on its way is ignored.
  grep_->Grep();
  std::vector<bool> onMain;
  rec_.OnEntry = [&onMain](const std::string&) { onMain.push_back(vcl::IsMainThread()); };
  DrainUntil([this] { return !rec_.Ends.empty(); });
  EXPECT_EQ(rec_.Ends, (TNames{"finished", "end"}));
  EXPECT_EQ(Relative().size(), 10u);
  EXPECT_EQ(grep_->SearchThread(), nullptr);
  EXPECT_FALSE(grep_->Running());
  EXPECT_EQ(std::count(onMain.begin(), onMain.end(), false), 0);
}

TEST_F(FileGrep, CancellingAThreadedSearchBeforeItRunsEndsItAtOnce) {
  grep_->SetThreadedSearch(true);
  grep_->Grep();
  grep_->Cancel();
  DrainUntil([this] { return !rec_.Ends.empty(); });
  EXPECT_EQ(rec_.Ends, (TNames{"cancel", "end"}));
  EXPECT_EQ(grep_->FoundList()->Count(), 0);
  // Then a new threaded search runs whole.
  rec_.Ends.clear();
  grep_->Grep();
  DrainUntil([this] { return !rec_.Ends.empty(); });
  EXPECT_EQ(rec_.Ends, (TNames{"finished", "end"}));
  EXPECT_EQ(grep_->FoundList()->Count(), 10);
}

TEST_F(FileGrep, FreeingTheComponentWhileItsThreadWaitsRunsNoSearch) {
  grep_->SetThreadedSearch(true);
  grep_->Grep();
  grep_.reset();
  EXPECT_TRUE(rec_.Dirs.empty());
  EXPECT_TRUE(rec_.Ends.empty());
  // Nothing is left for the main thread to serve.
  EXPECT_FALSE(vcl::CheckSynchronize(0));
}

// Freeing the component lets its waiting thread go without serving the main thread's queue:
// another worker's call, queued behind the search, runs only when the queue is next served.
TEST_F(FileGrep, FreeingTheComponentWhileItsThreadWaitsServesNoOtherCall) {
  testsupport::TWakeSignal wake;
  grep_->SetThreadedSearch(true);
  grep_->Grep();
  wake.WaitForWake();  // the search thread waits for the main thread
  bool otherRan = false;
  std::thread other([&otherRan] { vcl::TThread::Synchronize([&otherRan] { otherRan = true; }); });
  wake.WaitForWake();
  grep_.reset();
  EXPECT_FALSE(otherRan);
  EXPECT_TRUE(rec_.Dirs.empty());
  EXPECT_TRUE(vcl::CheckSynchronize(0));
  other.join();
  EXPECT_TRUE(otherRan);
  EXPECT_TRUE(rec_.Ends.empty());
}

// Sets a form's close action.
struct TCloseAnswer : vcl::TObject {
  vcl::TCloseAction Action = vcl::caFree;
  void DoClose(vcl::TObject*, vcl::TCloseAction& A) { A = Action; }
};

// How the form that owns a running search goes away.
enum class TFormEnd { Release, CloseWithCaFree, FreedByHandler };

struct TFreeCase {
  const char* Name;
  bool Threaded;
  TFormEnd End;
};

class FileGrepOwnerFreed : public FileGrep, public ::testing::WithParamInterface<TFreeCase> {};

// The form is let go while its search is in the first folder; with Release and Close the form
// goes when the search serves the queue at the next folder, a handler frees it at once.
TEST_P(FileGrepOwnerFreed, StopsTheSearchWithoutAnEndEvent) {
  grep_.reset();
  auto* form = new vcl::TForm(nullptr);
  form->HandleNeeded();
  TCloseAnswer answer;
  form->SetOnClose(vcl::TCloseEvent(&answer, &TCloseAnswer::DoClose));
  auto* grep = new TZYLFileGrep(form);
  grep->SetDirs(dir_.Path());
  grep->SetThreadedSearch(GetParam().Threaded);
  rec_.Attach(*grep);
  testsupport::TFreeProbe probe(form);
  const TFormEnd end = GetParam().End;
  rec_.OnDir = [form, end](const std::string&) {
    if (end == TFormEnd::Release) form->Release();
    if (end == TFormEnd::CloseWithCaFree) form->Close();
  };
  rec_.OnEntry = [form, end](const std::string& name) {
    if (end == TFormEnd::FreedByHandler && name == "b.log") delete form;
  };
  grep->Grep();
  if (GetParam().Threaded) DrainUntil([&probe] { return probe.Freed; });
  ASSERT_TRUE(probe.Freed);
  // Nothing more was reported, and no end event came from the freed component.
  EXPECT_EQ(rec_.Dirs, (TNames{root_}));
  EXPECT_TRUE(rec_.Ends.empty());
  if (end == TFormEnd::FreedByHandler) {
    EXPECT_EQ(rec_.Entries.back(), "b.log");
    EXPECT_EQ(rec_.Found, (TNames{root_ + ";.hidden.txt;", root_ + ";a.txt;"}));
  } else {
    EXPECT_EQ(rec_.Entries.back(), "sub");
    EXPECT_EQ(rec_.Found.size(), 7u);
  }
  // The queue goes on being served without the component.
  vcl::Application->ProcessMessages();
  vcl::CheckSynchronize(0);
  EXPECT_EQ(rec_.Dirs.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileGrepOwnerFreed,
    ::testing::Values(TFreeCase{"Release", false, TFormEnd::Release},
                      TFreeCase{"CloseWithCaFree", false, TFormEnd::CloseWithCaFree},
                      TFreeCase{"FreedByHandler", false, TFormEnd::FreedByHandler},
                      TFreeCase{"ThreadedRelease", true, TFormEnd::Release},
                      TFreeCase{"ThreadedCloseWithCaFree", true, TFormEnd::CloseWithCaFree},
                      TFreeCase{"ThreadedFreedByHandler", true, TFormEnd::FreedByHandler}),
    [](const auto& info) { return std::string(info.param.Name); });

// OnFinished frees the component: OnEnd does not come, and a threaded search is not waited for
// by the destructor running inside it.
class FileGrepFreedAtTheEnd : public FileGrep, public ::testing::WithParamInterface<bool> {};

TEST_P(FileGrepFreedAtTheEnd, FiresNoFurtherEvent) {
  grep_->SetThreadedSearch(GetParam());
  TZYLFileGrep* grep = grep_.get();
  rec_.OnFinish = [this] { grep_.reset(); };
  grep->Grep();
  if (GetParam()) DrainUntil([this] { return !rec_.Ends.empty(); });
  EXPECT_EQ(grep_, nullptr);
  EXPECT_EQ(rec_.Found.size(), 10u);
  EXPECT_EQ(rec_.Ends, (TNames{"finished"}));
}

INSTANTIATE_TEST_SUITE_P(Modes, FileGrepFreedAtTheEnd, ::testing::Bool());

TEST_F(FileGrep, OnEndMayStartTheNextSearch) {
  int searches = 0;
  rec_.OnEndOfSearch = [this, &searches] {
    if (++searches == 1) grep_->Grep();
  };
  grep_->Grep();
  EXPECT_EQ(searches, 2);
  EXPECT_EQ(rec_.Found.size(), 20u);
  EXPECT_EQ(rec_.Ends, (TNames{"finished", "end", "finished", "end"}));
  EXPECT_FALSE(grep_->Running());
}

TEST(FileGrepMask, FollowsTheAttributes) {
  EXPECT_EQ(ZYLFileGrepAttributeMask({fmAnyfile, fmReadOnly}), 0x3F);
  EXPECT_EQ(ZYLFileGrepAttributeMask({fmReadOnly, fmArchive, fmSystem, fmHidden}), 0x27);
  EXPECT_EQ(ZYLFileGrepAttributeMask({}), 0);
}

}  // namespace
}  // namespace zyl
