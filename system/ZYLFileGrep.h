// TZYLFileGrep: searches folders (and their sub-folders) for files that match name masks,
// attributes, size and date limits and a text content, and reports each match as one line of
// chosen fields: to an event, to the internal found list and to a list box. A threaded search
// starts a TZYLSearchThread, which hands the whole search to the main thread; the search
// always runs there and serves the message queue at every folder, so that the application
// stays responsive and can cancel.
//
// A file whose content cannot be read (no permission, not a plain file, gone since it was
// listed) and a folder that cannot be listed are reported through OnErrorOpenFile and the
// search goes on; the end events always fire. A link back to a folder already searched is not
// followed again.
//
// A component freed during its own search (by a handler, or by a message served at a folder,
// such as its form's release) stops the search, which unwinds without touching it and without
// end events.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLCustomComponent.h"
#include "platform/classes/Thread.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TStringList;
class TStrings;
}  // namespace vcl

namespace zyl {

class TZYLDateTime;
class TZYLFileGrep;
class TZYLListBox;

ZYL_ENUM(TZYLFileGrepAttribute, fmReadOnly, fmArchive, fmAnyfile, fmSystem, fmHidden)
using TZYLFileGrepAttributes = vcl::TSet<TZYLFileGrepAttribute>;
ZYL_ENUM(TZYLReturnValue, rvDir, rvFilename, rvAttr, rvSize, rvCreateDate, rvLastAccessDate,
         rvLastModifiedDate)
using TZYLReturnValues = vcl::TSet<TZYLReturnValue>;
ZYL_ENUM(TZYLLookFor, lfCreateAfter, lfCreateBefore, lfAccessedAfter, lfAccessedBefore,
         lfModifiedAfter, lfModifiedBefore)
using TZYLLookFors = vcl::TSet<TZYLLookFor>;

using TZYLFoundEvent = vcl::TEvent<void(vcl::TObject* Sender, const std::string& Found)>;
using TZYLFileChangeEvent = vcl::TEvent<void(vcl::TObject* Sender, const std::string& Name)>;

// The attribute mask of a set of attributes: 0x3F with fmAnyfile, else the sum of the
// read-only (1), archive (0x20), system (4) and hidden (2) bits asked for.
int32_t ZYLFileGrepAttributeMask(TZYLFileGrepAttributes Attributes);

// Starts a search by handing it to the main thread and ends when it is done.
class TZYLSearchThread : public vcl::TThread {
  ZYL_CLASS(TZYLSearchThread, vcl::TThread)
  // Created suspended; frees itself when done. Done is set (and notified) once the search has
  // run on the main thread or its call was withdrawn, when the thread touches nothing more of
  // the component.
  TZYLSearchThread(TZYLFileGrep* Grep, std::shared_ptr<std::atomic<bool>> Done);

  // The component is going: the search, if it has not started, will not.
  void Forget() { FGrep = nullptr; }

 protected:
  void Execute() override;

 private:
  // Runs the component's search (on the main thread).
  void StartGrep();

  TZYLFileGrep* FGrep;
  std::shared_ptr<std::atomic<bool>> FDone;
};

class TZYLFileGrep : public TZYLCustomComponent {
  ZYL_CLASS(TZYLFileGrep, TZYLCustomComponent)
  // The date limits, in the order of the indexed property.
  enum TDateIndex : int {
    diCreatedAfter,
    diCreatedBefore,
    diAccessedAfter,
    diAccessedBefore,
    diModifiedAfter,
    diModifiedBefore,
    diCount
  };

  explicit TZYLFileGrep(vcl::TComponent* AOwner);
  ~TZYLFileGrep() override;

  const std::string& FileMasks() const { return FFileMasks; }
  void SetFileMasks(const std::string& Value) { FFileMasks = Value; }
  const std::string& Dirs() const { return FDirs; }
  void SetDirs(const std::string& Value) { FDirs = Value; }
  TZYLFileGrepAttributes Attributes() const { return FAttributes; }
  void SetAttributes(TZYLFileGrepAttributes Value) { FAttributes = Value; }
  TZYLDateTime* GetDate(int Index) const { return FDates[Index].get(); }
  // Copies the value into the limit's own object.
  void SetDate(int Index, TZYLDateTime* Value);
  int64_t MinSize() const { return FMinSize; }
  void SetMinSize(int64_t Value) { FMinSize = Value; }
  // 0: no upper limit.
  int64_t MaxSize() const { return FMaxSize; }
  void SetMaxSize(int64_t Value) { FMaxSize = Value; }
  const std::string& Content() const { return FContent; }
  void SetContent(const std::string& Value) { FContent = Value; }
  bool CaseSensitiveContent() const { return FCaseSensitiveContent; }
  void SetCaseSensitiveContent(bool Value) { FCaseSensitiveContent = Value; }
  bool ThreadedSearch() const { return FThreadedSearch; }
  void SetThreadedSearch(bool Value) { FThreadedSearch = Value; }
  vcl::TThreadPriority ThreadPriority() const { return FThreadPriority; }
  // Also sets a running search thread's priority.
  void SetThreadPriority(vcl::TThreadPriority Value);
  bool RecurseSubDirs() const { return FRecurseSubDirs; }
  void SetRecurseSubDirs(bool Value) { FRecurseSubDirs = Value; }
  // The list box whose rows receive every result line (forgotten when it is freed).
  TZYLListBox* OutStringList() const { return FOutStringList; }
  void SetOutStringList(TZYLListBox* Value);
  TZYLReturnValues ReturnValues() const { return FReturnValues; }
  void SetReturnValues(TZYLReturnValues Value) { FReturnValues = Value; }
  char ReturnDelimiter() const { return FReturnDelimiter; }
  void SetReturnDelimiter(char Value) { FReturnDelimiter = Value; }
  TZYLLookFors LookForDates() const { return FLookForDates; }
  void SetLookForDates(TZYLLookFors Value) { FLookForDates = Value; }
  bool InternalFoundList() const { return FInternalFoundList; }
  void SetInternalFoundList(bool Value) { FInternalFoundList = Value; }

  const vcl::TNotifyEvent& GetOnFinished() const { return FOnFinished; }
  void SetOnFinished(const vcl::TNotifyEvent& Value) { FOnFinished = Value; }
  const vcl::TNotifyEvent& GetOnCancel() const { return FOnCancel; }
  void SetOnCancel(const vcl::TNotifyEvent& Value) { FOnCancel = Value; }
  const vcl::TNotifyEvent& GetOnEnd() const { return FOnEnd; }
  void SetOnEnd(const vcl::TNotifyEvent& Value) { FOnEnd = Value; }
  const TZYLFoundEvent& GetOnFound() const { return FOnFound; }
  void SetOnFound(const TZYLFoundEvent& Value) { FOnFound = Value; }
  const TZYLFileChangeEvent& GetOnDirChange() const { return FOnDirChange; }
  void SetOnDirChange(const TZYLFileChangeEvent& Value) { FOnDirChange = Value; }
  const TZYLFileChangeEvent& GetOnFileChange() const { return FOnFileChange; }
  void SetOnFileChange(const TZYLFileChangeEvent& Value) { FOnFileChange = Value; }
  // A file whose content could not be read, or a folder that could not be listed (full name).
  const TZYLFileChangeEvent& GetOnErrorOpenFile() const { return FOnErrorOpenFile; }
  void SetOnErrorOpenFile(const TZYLFileChangeEvent& Value) { FOnErrorOpenFile = Value; }

  // Starts a search (nothing while one runs): at once, or through a search thread with
  // ThreadedSearch, in which case it runs when the main thread next serves its queue.
  void Grep();
  // Stops a running search at its next entry; nothing when none runs.
  void Cancel();
  // The search itself, on the main thread, with the component's settings.
  void GrepFiles();

  // The result lines of the last search (cleared at each start).
  vcl::TStrings* FoundList() const;
  bool Running() const { return FRunning; }
  bool Cancelled() const { return FCancelled; }
  // The search thread while one is waiting to run the search (else null).
  TZYLSearchThread* SearchThread() const { return FThread; }

 protected:
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 private:
  friend class TZYLSearchThread;
  struct TSearch;
  void SearchDir(TSearch& S, const std::string& Dir);
  bool Stopped() const;
  void AddResult(TSearch& S, const std::string& Line);
  void ThreadDone(TZYLSearchThread* Thread);

  std::string FFileMasks;
  std::string FDirs;
  TZYLFileGrepAttributes FAttributes{fmAnyfile};
  std::unique_ptr<TZYLDateTime> FDates[diCount];
  int64_t FMinSize = 0;
  int64_t FMaxSize = 0;
  std::string FContent;
  bool FCaseSensitiveContent = true;
  bool FThreadedSearch = true;
  vcl::TThreadPriority FThreadPriority = vcl::tpNormal;
  bool FRecurseSubDirs = true;
  TZYLListBox* FOutStringList = nullptr;
  TZYLReturnValues FReturnValues{rvDir, rvFilename};
  char FReturnDelimiter = ';';
  TZYLLookFors FLookForDates;
  bool FInternalFoundList = true;
  vcl::TNotifyEvent FOnFinished, FOnCancel, FOnEnd;
  TZYLFoundEvent FOnFound;
  TZYLFileChangeEvent FOnDirChange, FOnFileChange, FOnErrorOpenFile;

  std::unique_ptr<vcl::TStringList> FFoundList;
  TZYLSearchThread* FThread = nullptr;
  // Shared with the search thread: set once its search has run (or was dropped).
  std::shared_ptr<std::atomic<bool>> FThreadDone;
  bool FRunning = false;
  // The search under way, to its end events (its state lives on the stack of GrepFiles), else
  // null.
  TSearch* FSearch = nullptr;
  bool FCancelled = false;
};

inline constexpr vcl::TUnitEntry ZYLFileGrepUnit = vcl::ClassesUnit<TZYLFileGrep>("ZYLFileGrep");

}  // namespace zyl
