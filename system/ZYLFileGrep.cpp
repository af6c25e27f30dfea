#include "system/ZYLFileGrep.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <exception>
#include <filesystem>
#include <functional>
#include <set>
#include <system_error>

#include "edits/ZYLListBox.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLReference.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/WinError.h"
#include "platform/sys/ShellFiles.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLSearchThread) {}

ZYL_CLASS_IMPL(TZYLFileGrep) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLFileGrep;
  b.Publish("About")
      .Prop("FileMasks", &T::FileMasks, &T::SetFileMasks)
      .Prop("Dirs", &T::Dirs, &T::SetDirs)
      .Prop("Attributes", &T::Attributes, &T::SetAttributes)
      .Default(TZYLFileGrepAttributes{fmAnyfile});
  static const char* const dates[] = {"CreatedAfter",   "CreatedBefore", "AccessedAfter",
                                      "AccessedBefore", "ModifiedAfter", "ModifiedBefore"};
  static_assert(std::size(dates) == T::diCount);
  for (int i = 0; i < T::diCount; ++i) b.Prop(dates[i], &T::GetDate, &T::SetDate).Index(i);
  b.Prop("MinSize", &T::MinSize, &T::SetMinSize)
      .Default(0)
      .Prop("MaxSize", &T::MaxSize, &T::SetMaxSize)
      .Default(0)
      .Prop("Content", &T::Content, &T::SetContent)
      .Prop("CaseSensitiveContent", &T::CaseSensitiveContent, &T::SetCaseSensitiveContent)
      .Default(true)
      .Prop("ThreadedSearch", &T::ThreadedSearch, &T::SetThreadedSearch)
      .Default(true)
      .Prop("ThreadPriority", &T::ThreadPriority, &T::SetThreadPriority)
      .Default(vcl::tpNormal)
      .Prop("RecurseSubDirs", &T::RecurseSubDirs, &T::SetRecurseSubDirs)
      .Default(true)
      .Prop("OutStringList", &T::OutStringList, &T::SetOutStringList)
      .Prop("ReturnValues", &T::ReturnValues, &T::SetReturnValues)
      .Default(TZYLReturnValues{rvDir, rvFilename})
      .Prop("ReturnDelimiter", &T::ReturnDelimiter, &T::SetReturnDelimiter)
      .Default(';')
      .Prop("LookForDates", &T::LookForDates, &T::SetLookForDates)
      .Default(TZYLLookFors{})
      .Prop("InternalFoundList", &T::InternalFoundList, &T::SetInternalFoundList)
      .Default(true)
      .Prop("OnFinished", &T::GetOnFinished, &T::SetOnFinished)
      .Prop("OnCancel", &T::GetOnCancel, &T::SetOnCancel)
      .Prop("OnEnd", &T::GetOnEnd, &T::SetOnEnd)
      .Prop("OnFound", &T::GetOnFound, &T::SetOnFound)
      .Prop("OnDirChange", &T::GetOnDirChange, &T::SetOnDirChange)
      .Prop("OnFileChange", &T::GetOnFileChange, &T::SetOnFileChange)
      .Prop("OnErrorOpenFile", &T::GetOnErrorOpenFile, &T::SetOnErrorOpenFile);
}

namespace {

constexpr uint64_t TicksPerDay = 864000000000ull;
// Days from 1601-01-01 (file times) to 1899-12-30 (date-time values).
constexpr double FileTimeEpochDays = 109205;
constexpr size_t ReadBlock = 64 * 1024;

uint64_t Ticks(const win::FILETIME& t) {
  return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime;
}

// A file time in local time, in ticks.
uint64_t LocalTicks(const win::FILETIME& utc) {
  win::FILETIME local;
  return win::FileTimeToLocalFileTime(&utc, &local) ? Ticks(local) : Ticks(utc);
}

// A local date-time value as ticks, to the millisecond.
uint64_t TicksOf(double Value) {
  const double ms = std::round((Value + FileTimeEpochDays) * 86400000.0);
  return ms <= 0 ? 0 : static_cast<uint64_t>(ms) * 10000;
}

vcl::TDateTime DateTimeOf(uint64_t LocalTicks) {
  return static_cast<double>(LocalTicks / 10000) / 86400000.0 - FileTimeEpochDays;
}

// The parts of a list separated by ";", trimmed, empty ones left out, each once in order.
std::vector<std::string> SplitList(const std::string& Text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= Text.size()) {
    size_t end = Text.find(';', start);
    if (end == std::string::npos) end = Text.size();
    const std::string part = vcl::Trim(Text.substr(start, end - start));
    if (!part.empty() && std::find(parts.begin(), parts.end(), part) == parts.end())
      parts.push_back(part);
    start = end + 1;
  }
  return parts;
}

const std::array<char, 256>& UpperTable() {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = vcl::AnsiUpperCase(std::string(1, char(c)))[0];
    return t;
  }();
  return table;
}

enum class TContent { Found, Missing, Unreadable };

// Whether the plain file Name holds Text (upper-cased already when Upper is set), read in
// blocks that overlap by the text's length less one.
TContent FileContains(const std::string& Name, int32_t Attr, const std::string& Text, bool Upper) {
  // Only plain files are opened: a pipe or a device could block or never end.
  if (!(Attr & vcl::faArchive)) return TContent::Unreadable;
  const int handle = vcl::FileOpen(Name, vcl::fmOpenRead | vcl::fmShareDenyNone);
  if (handle < 0) return TContent::Unreadable;
  const vcl::TFinally close([handle] { vcl::FileClose(handle); });
  const std::boyer_moore_horspool_searcher searcher(Text.begin(), Text.end());
  const auto& upper = UpperTable();
  std::string window;
  std::string block(ReadBlock, '\0');
  for (;;) {
    const int read = vcl::FileRead(handle, block.data(), static_cast<int>(block.size()));
    if (read < 0) return TContent::Unreadable;
    if (read == 0) return TContent::Missing;
    const size_t kept = window.size();
    window.append(block, 0, static_cast<size_t>(read));
    if (Upper)
      for (size_t i = kept; i < window.size(); ++i) window[i] = upper[uint8_t(window[i])];
    if (std::search(window.begin(), window.end(), searcher) != window.end()) return TContent::Found;
    if (window.size() >= Text.size()) window.erase(0, window.size() - (Text.size() - 1));
  }
}

}  // namespace

int32_t ZYLFileGrepAttributeMask(TZYLFileGrepAttributes Attributes) {
  if (Attributes.contains(fmAnyfile)) return vcl::faAnyFile;
  int32_t mask = 0;
  if (Attributes.contains(fmReadOnly)) mask += vcl::faReadOnly;
  if (Attributes.contains(fmArchive)) mask += vcl::faArchive;
  if (Attributes.contains(fmSystem)) mask += vcl::faSysFile;
  if (Attributes.contains(fmHidden)) mask += vcl::faHidden;
  return mask;
}

// ---- The search thread ----

TZYLSearchThread::TZYLSearchThread(TZYLFileGrep* Grep, std::shared_ptr<std::atomic<bool>> Done)
    : inherited(true), FGrep(Grep), FDone(std::move(Done)) {
  SetFreeOnTerminate(true);
}

void TZYLSearchThread::Execute() {
  // The flag outlives this thread, which frees itself: the component may wait on it.
  const std::shared_ptr<std::atomic<bool>> done = FDone;
  const vcl::TFinally finished([&done] {
    done->store(true);
    done->notify_all();
  });
  Synchronize(vcl::TThreadMethod(this, &TZYLSearchThread::StartGrep));
}

void TZYLSearchThread::StartGrep() {
  if (!FGrep) return;
  // A component freed during its search has forgotten this thread (and cleared FGrep).
  const vcl::TFinally forget([this] {
    if (FGrep) FGrep->ThreadDone(this);
  });
  FGrep->GrepFiles();
}

// ---- The component ----

struct TZYLFileGrep::TSearch {
  std::vector<std::string> Masks;
  std::string Content;
  bool Upper = false;
  int32_t AttrMask = vcl::faAnyFile;
  // Local limits in ticks by TZYLLookFor (0: none).
  uint64_t Limits[diCount] = {};
  bool MainThread = true;
  // The folders searched, by their real path.
  std::set<std::string> Visited;
  // The search that was running when this one started (from one of its end events).
  TSearch* Outer = nullptr;
  // Walking the folders (not yet at the end events): a nested start is refused.
  bool Walking = true;
  // Set by the destructor when the component is freed during the search or its end events (by
  // a handler, or by a message served at a folder): the search then unwinds without touching
  // the component.
  bool Gone = false;
};

TZYLFileGrep::TZYLFileGrep(vcl::TComponent* AOwner)
    : inherited(AOwner), FFoundList(new vcl::TStringList()) {
  for (std::unique_ptr<TZYLDateTime>& date : FDates) date = std::make_unique<TZYLDateTime>();
}

TZYLFileGrep::~TZYLFileGrep() {
  Cancel();
  if (FSearch) {
    // Freed from inside the search, which runs further down this stack (started by a search
    // thread, too): it must not be waited for; it sees Gone at its next step and unwinds.
    for (TSearch* s = FSearch; s; s = s->Outer) s->Gone = true;
    if (FThread) FThread->Forget();
    FThread = nullptr;
  }
  if (FThread) {
    // The thread waits for the main thread to run the search: its call is withdrawn, so it
    // ends on its own, and the main thread serves nothing else meanwhile.
    FThread->Forget();
    FThread->CancelSynchronize();
    const std::shared_ptr<std::atomic<bool>> done = std::move(FThreadDone);
    FThread = nullptr;
    done->wait(false);
  }
  for (std::unique_ptr<TZYLDateTime>& date : FDates) date.reset();
  FFoundList.reset();
}

void TZYLFileGrep::SetDate(int Index, TZYLDateTime* Value) { FDates[Index]->Assign(Value); }

void TZYLFileGrep::SetThreadPriority(vcl::TThreadPriority Value) {
  FThreadPriority = Value;
  if (FThread) FThread->SetPriority(Value);
}

vcl::TStrings* TZYLFileGrep::FoundList() const { return FFoundList.get(); }

void TZYLFileGrep::SetOutStringList(TZYLListBox* Value) {
  ZYLSetReference(this, FOutStringList, Value);
}

void TZYLFileGrep::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FOutStringList) FOutStringList = nullptr;
}

void TZYLFileGrep::Grep() {
  if (FRunning) return;
  FRunning = true;
  FCancelled = false;
  FFoundList->Clear();
  if (!FThreadedSearch) {
    GrepFiles();
    return;
  }
  FThreadDone = std::make_shared<std::atomic<bool>>(false);
  FThread = new TZYLSearchThread(this, FThreadDone);
  FThread->SetPriority(FThreadPriority);
  FThread->Start();
}

void TZYLFileGrep::ThreadDone(TZYLSearchThread* Thread) {
  if (FThread == Thread) FThread = nullptr;
}

void TZYLFileGrep::Cancel() {
  if (!FRunning) return;
  FCancelled = true;
  if (FThread) FThread->Terminate();
}

bool TZYLFileGrep::Stopped() const {
  return FCancelled || (FThread && FThread->Terminated()) ||
         (vcl::Application && vcl::Application->Terminated());
}

void TZYLFileGrep::AddResult(TSearch& S, const std::string& Line) {
  if (FOnFound) FOnFound(this, Line);
  if (S.Gone) return;
  if (FOutStringList) FOutStringList->GetItems()->Add(Line);
  if (FInternalFoundList) FFoundList->Add(Line);
}

void TZYLFileGrep::GrepFiles() {
  if (FSearch && FSearch->Walking) return;
  if (!FRunning) {
    // Called directly rather than through Grep.
    FRunning = true;
    FCancelled = false;
  }
  TSearch s;
  s.Upper = !FCaseSensitiveContent;
  s.Content = s.Upper ? vcl::AnsiUpperCase(FContent) : FContent;
  s.Masks = SplitList(FFileMasks.empty() ? std::string("*.*") : FFileMasks);
  s.AttrMask = ZYLFileGrepAttributeMask(FAttributes);
  for (int i = 0; i < diCount; ++i)
    if (FLookForDates.contains(static_cast<TZYLLookFor>(i)) && FDates[i]->Value() > 0)
      s.Limits[i] = TicksOf(FDates[i]->Value());
  s.MainThread = vcl::IsMainThread();

  std::exception_ptr failure;
  s.Outer = FSearch;
  FSearch = &s;
  const vcl::TFinally done([this, &s] {
    if (!s.Gone) FSearch = s.Outer;
  });
  try {
    for (const std::string& dir : SplitList(FDirs)) {
      if (s.Gone || Stopped()) break;
      SearchDir(s, dir);
    }
  } catch (...) {  // kept while the search ends, then raised again
    failure = std::current_exception();
  }
  if (s.Gone) {
    // Freed meanwhile: no end events from a component that is no more.
    if (failure) std::rethrow_exception(failure);
    return;
  }
  // The end: whatever happened, the component can search again (also from the end events,
  // which may free it as well).
  s.Walking = false;
  if (FThread) FThread->Terminate();
  const bool cancelled = FCancelled;
  FCancelled = false;
  FRunning = false;
  if (cancelled) {
    if (FOnCancel) FOnCancel(this);
  } else if (FOnFinished) {
    FOnFinished(this);
  }
  if (!s.Gone && FOnEnd) FOnEnd(this);
  if (failure) std::rethrow_exception(failure);
}

void TZYLFileGrep::SearchDir(TSearch& S, const std::string& Dir) {
  const std::string d = vcl::IncludeTrailingPathDelimiter(Dir);
  if (S.MainThread && vcl::Application) vcl::Application->ProcessMessages();
  if (S.Gone || Stopped()) return;
  if (FOnDirChange) FOnDirChange(this, d);
  if (S.Gone) return;
  // A folder reached again through a link is searched once.
  std::error_code error;
  const std::string real =
      std::filesystem::weakly_canonical(vcl::NativeFileName(d), error).string();
  if (!S.Visited.insert(error ? d : real).second) return;

  for (const std::string& mask : S.Masks) {
    vcl::TSearchRec r;
    int rc = vcl::FindFirst(d + mask, vcl::faAnyFile, r);
    const vcl::TFinally close([&r] { vcl::FindClose(r); });
    if (rc == win::ERROR_PATH_NOT_FOUND) {
      if (FOnErrorOpenFile) FOnErrorOpenFile(this, d);
      return;
    }
    for (; rc == 0 && !S.Gone && !Stopped(); rc = vcl::FindNext(r)) {
      if (FOnFileChange) FOnFileChange(this, r.Name);
      if (S.Gone) return;
      if (r.Size < FMinSize || (FMaxSize != 0 && r.Size > FMaxSize) || r.Name == "." ||
          r.Name == "..")
        continue;
      if (S.AttrMask != vcl::faAnyFile) {
        bool missing = false;
        for (int32_t bit : {vcl::faArchive, vcl::faReadOnly, vcl::faSysFile, vcl::faHidden})
          missing |= (S.AttrMask & bit) && !(r.Attr & bit);
        if (missing) continue;
      }
      const std::string full = d + r.Name;
      win::WIN32_FILE_ATTRIBUTE_DATA data;
      if (!win::GetFileAttributesExA(full.c_str(), win::GetFileExInfoStandard, &data)) data = {};
      const uint64_t times[3] = {LocalTicks(data.ftCreationTime), LocalTicks(data.ftLastAccessTime),
                                 LocalTicks(data.ftLastWriteTime)};
      bool outside = false;
      for (int i = 0; i < diCount; ++i) {
        if (!S.Limits[i]) continue;
        const uint64_t t = times[i / 2];
        outside |= i % 2 ? t > S.Limits[i] : t < S.Limits[i];
      }
      if (outside) continue;
      if (!S.Content.empty()) {
        if (r.Attr & vcl::faDirectory) continue;
        const TContent found = FileContains(full, r.Attr, S.Content, S.Upper);
        if (found == TContent::Unreadable && FOnErrorOpenFile) FOnErrorOpenFile(this, full);
        if (S.Gone) return;
        if (found != TContent::Found) continue;
      }
      std::string line;
      auto field = [&](TZYLReturnValue v, const std::string& text) {
        if (FReturnValues.contains(v)) line += text + FReturnDelimiter;
      };
      field(rvDir, d);
      field(rvFilename, r.Name);
      field(rvSize, std::to_string(r.Size));
      const std::string& format = vcl::FormatSettings.LongDateFormat;
      const TZYLReturnValue dated[] = {rvCreateDate, rvLastAccessDate, rvLastModifiedDate};
      for (int i = 0; i < 3; ++i)
        if (FReturnValues.contains(dated[i]))
          field(dated[i], vcl::FormatDateTime(format, DateTimeOf(times[i])));
      if (FReturnValues.contains(rvAttr)) {
        const std::pair<int32_t, char> letters[] = {{vcl::faReadOnly, 'r'},  {vcl::faArchive, 'a'},
                                                    {vcl::faSysFile, 's'},   {vcl::faVolumeID, 'v'},
                                                    {vcl::faDirectory, 'd'}, {vcl::faHidden, 'h'}};
        for (const auto& [bit, letter] : letters)
          if (r.Attr & bit) line += letter;
      }
      AddResult(S, line);
    }
  }

  if (S.Gone || !FRecurseSubDirs || Stopped()) return;
  vcl::TSearchRec r;
  const vcl::TFinally close([&r] { vcl::FindClose(r); });
  for (int rc = vcl::FindFirst(d + "*.*", vcl::faDirectory | vcl::faHidden | vcl::faSysFile, r);
       rc == 0 && !S.Gone && !Stopped(); rc = vcl::FindNext(r))
    if ((r.Attr & vcl::faDirectory) && r.Name != "." && r.Name != "..") SearchDir(S, d + r.Name);
}

}  // namespace zyl
