#include "platform/classes/Thread.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

ZYL_CLASS_IMPL(TThread) {}

namespace {

uint64_t IdOf(std::thread::id id) { return static_cast<uint64_t>(std::hash<std::thread::id>()(id)); }

// Static initialisation runs on the main thread.
const std::thread::id gMainThread = std::this_thread::get_id();

struct TSyncRequest {
  std::function<void()> Proc;
  std::thread::id Caller = std::this_thread::get_id();
  const TSyncChannel* Channel = nullptr;
  std::exception_ptr Error;
  bool Done = false;
  bool Withdrawn = false;  // taken off the queue by Close, never run
};

struct TSyncQueue {
  std::mutex Mutex;
  std::condition_variable Queued;  // a request arrived (or a pending start)
  std::condition_variable Served;  // a request was run or withdrawn
  std::deque<TSyncRequest*> Requests;
  std::vector<TThread*> PendingStarts;
  std::function<void()> Wake;
  // The threads whose calls the main thread runs now, the innermost last.
  std::vector<std::thread::id> Serving;
};

TSyncQueue& Queue() {
  static auto* q = new TSyncQueue;
  return *q;
}

// Held while the wake hook runs and while it is replaced: once SetWakeMainThread returns, no
// call of the old hook is still under way in another thread (its owner may go).
std::mutex& HookMutex() {
  static auto* m = new std::mutex;
  return *m;
}

void WakeHook() {
  std::lock_guard<std::mutex> hook(HookMutex());
  std::function<void()> wake;
  {
    std::lock_guard<std::mutex> lock(Queue().Mutex);
    wake = Queue().Wake;
  }
  if (wake) wake();
}

// Runs proc on the main thread and waits for it. False when the channel (if any) is closed
// before proc begins; `closed` is the channel's flag, read under the queue's lock.
bool RunOnMainThread(const std::function<void()>& proc, const TSyncChannel* channel,
                     const bool* closed) {
  TSyncQueue& q = Queue();
  if (IsMainThread()) {
    if (closed) {
      std::lock_guard<std::mutex> lock(q.Mutex);
      if (*closed) return false;
    }
    proc();
    return true;
  }
  TSyncRequest request;
  request.Proc = proc;
  request.Channel = channel;
  {
    std::lock_guard<std::mutex> lock(q.Mutex);
    if (closed && *closed) return false;
    q.Requests.push_back(&request);
  }
  q.Queued.notify_all();
  WakeHook();
  std::unique_lock<std::mutex> lock(q.Mutex);
  q.Served.wait(lock, [&] { return request.Done; });
  if (request.Error) std::rethrow_exception(request.Error);
  return !request.Withdrawn;
}

// Runs a request taken off the queue and tells its waiting thread that it was served.
void Serve(TSyncQueue& q, TSyncRequest* r) {
  {
    std::lock_guard<std::mutex> lock(q.Mutex);
    q.Serving.push_back(r->Caller);
  }
  try {
    r->Proc();
  } catch (...) {  // the exception goes back to the thread that asked for the call
    r->Error = std::current_exception();
  }
  {
    std::lock_guard<std::mutex> lock(q.Mutex);
    q.Serving.pop_back();
    r->Done = true;
  }
  q.Served.notify_all();
}

// Runs up to `round` requests (those queued when the caller looked), each taken off the queue
// only as its turn comes (a request withdrawn meanwhile, even by an earlier one of the round,
// does not run). Returns how many ran.
size_t ServeRequests(TSyncQueue& q, size_t round) {
  size_t ran = 0;
  for (; ran < round; ++ran) {
    TSyncRequest* r;
    {
      std::lock_guard<std::mutex> lock(q.Mutex);
      if (q.Requests.empty()) break;
      r = q.Requests.front();
      q.Requests.pop_front();
    }
    Serve(q, r);
  }
  return ran;
}

// Takes the first request of `caller` off the queue (the queue's lock held); nullptr for none.
TSyncRequest* TakeRequestOf(TSyncQueue& q, std::thread::id caller) {
  auto it = std::find_if(q.Requests.begin(), q.Requests.end(),
                         [caller](TSyncRequest* r) { return r->Caller == caller; });
  if (it == q.Requests.end()) return nullptr;
  TSyncRequest* r = *it;
  q.Requests.erase(it);
  return r;
}

// Takes a thread off the list of starts the main thread has still to make.
void DropPendingStart(TThread* thread) {
  std::lock_guard<std::mutex> lock(Queue().Mutex);
  auto& p = Queue().PendingStarts;
  auto it = std::find(p.begin(), p.end(), thread);
  if (it != p.end()) p.erase(it);
}

// The count of live threads and its signal.
struct TLiveThreads {
  std::mutex Mutex;
  std::condition_variable Changed;
  int Count = 0;
};

TLiveThreads& LiveThreads() {
  static auto* live = new TLiveThreads;
  return *live;
}

void ThreadBegins() {
  std::lock_guard<std::mutex> lock(LiveThreads().Mutex);
  ++LiveThreads().Count;
}

void ThreadEnds() {
  TLiveThreads& live = LiveThreads();
  std::lock_guard<std::mutex> lock(live.Mutex);
  --live.Count;
  live.Changed.notify_all();
}

}  // namespace

int LiveThreadCount() {
  std::lock_guard<std::mutex> lock(LiveThreads().Mutex);
  return LiveThreads().Count;
}

bool WaitForLiveThreads(int Count, int TimeoutMs) {
  TLiveThreads& live = LiveThreads();
  std::unique_lock<std::mutex> lock(live.Mutex);
  return live.Changed.wait_for(lock, std::chrono::milliseconds(TimeoutMs),
                               [&] { return live.Count <= Count; });
}

struct TWorkerThread::TState {
  bool Ended = false;  // under the synchronisation queue's lock
};

TWorkerThread StartWorkerThread(std::function<void()> Proc) {
  TWorkerThread worker;
  worker.state_ = std::make_shared<TWorkerThread::TState>();
  ThreadBegins();
  const TOnFailure uncounted(&ThreadEnds);  // no thread came
  worker.thread_ = std::thread([proc = std::move(Proc), state = worker.state_] {
    const TFinally ends([&state] {
      {
        // A main thread joining the worker sleeps on the queue's condition.
        std::lock_guard<std::mutex> lock(Queue().Mutex);
        state->Ended = true;
      }
      Queue().Queued.notify_all();
      ThreadEnds();
    });
    proc();
  });
  return worker;
}

void TWorkerThread::join() {
  if (IsMainThread() && state_) {
    TSyncQueue& q = Queue();
    const std::thread::id worker = thread_.get_id();
    {
      // Inside a call of the worker's own it waits for that call: it ends once the call returns.
      std::lock_guard<std::mutex> lock(q.Mutex);
      if (std::find(q.Serving.begin(), q.Serving.end(), worker) != q.Serving.end()) {
        thread_.detach();
        return;
      }
    }
    for (;;) {
      TSyncRequest* r;
      {
        std::unique_lock<std::mutex> lock(q.Mutex);
        q.Queued.wait(lock, [&] {
          return state_->Ended ||
                 std::any_of(q.Requests.begin(), q.Requests.end(),
                             [worker](TSyncRequest* x) { return x->Caller == worker; });
        });
        r = TakeRequestOf(q, worker);
        if (!r) break;  // ended, nothing of it left to serve
      }
      Serve(q, r);
    }
  }
  thread_.join();
}

bool IsMainThread() { return std::this_thread::get_id() == gMainThread; }
uint64_t MainThreadID() { return IdOf(gMainThread); }
uint64_t GetCurrentThreadID() { return IdOf(std::this_thread::get_id()); }

std::function<void()> SetWakeMainThread(std::function<void()> Hook) {
  std::lock_guard<std::mutex> hook(HookMutex());
  std::lock_guard<std::mutex> lock(Queue().Mutex);
  return std::exchange(Queue().Wake, std::move(Hook));
}

bool CheckSynchronize(int TimeoutMs) {
  if (!IsMainThread()) return false;
  TSyncQueue& q = Queue();
  std::vector<TThread*> starts;
  size_t round;
  {
    std::unique_lock<std::mutex> lock(q.Mutex);
    if (q.Requests.empty() && q.PendingStarts.empty() && TimeoutMs > 0)
      q.Queued.wait_for(lock, std::chrono::milliseconds(TimeoutMs),
                        [&] { return !q.Requests.empty() || !q.PendingStarts.empty(); });
    starts.swap(q.PendingStarts);
    round = q.Requests.size();  // the threads started now queue for the next call
  }
  for (TThread* t : starts) t->Start();
  return ServeRequests(q, round) > 0;
}

// ---------------------------------------------------------------------------------------------
// TSyncChannel

bool TSyncChannel::Synchronize(const std::function<void()>& Proc) {
  return RunOnMainThread(Proc, this, &closed_);
}

void TSyncChannel::Close() {
  TSyncQueue& q = Queue();
  {
    std::lock_guard<std::mutex> lock(q.Mutex);
    closed_ = true;
    auto withdrawn = std::stable_partition(q.Requests.begin(), q.Requests.end(),
                                           [this](TSyncRequest* r) { return r->Channel != this; });
    for (auto it = withdrawn; it != q.Requests.end(); ++it) {
      (*it)->Withdrawn = true;
      (*it)->Done = true;
    }
    q.Requests.erase(withdrawn, q.Requests.end());
  }
  q.Served.notify_all();
}

bool TSyncChannel::Closed() const {
  std::lock_guard<std::mutex> lock(Queue().Mutex);
  return closed_;
}

// ---------------------------------------------------------------------------------------------
// TThread

struct TThread::TState {
  std::mutex Mutex;
  std::condition_variable Changed;
  bool Started = false;
  bool Finished = false;
  bool Terminated = false;
  bool Pending = false;  // created running, start not yet taken
  std::thread::id Id;
  std::exception_ptr Fatal;
  TSyncChannel Channel;  // the thread's calls to the main thread
};

TThread::TThread(bool CreateSuspended) : state_(std::make_shared<TState>()) {
  if (!CreateSuspended) {
    state_->Pending = true;
    {
      std::lock_guard<std::mutex> lock(Queue().Mutex);
      Queue().PendingStarts.push_back(this);
    }
    Queue().Queued.notify_all();
    WakeHook();
  }
}

TThread::~TThread() {
  DropPendingStart(this);
  bool running;
  {
    std::lock_guard<std::mutex> lock(state_->Mutex);
    running = state_->Started && !state_->Finished && state_->Id != std::this_thread::get_id();
    state_->Terminated = true;
  }
  if (running) WaitFor();
}

void TThread::Start() {
  {
    std::lock_guard<std::mutex> lock(state_->Mutex);
    if (state_->Started) return;
    state_->Started = true;
    state_->Pending = false;
  }
  DropPendingStart(this);
  ThreadBegins();
  std::thread t = [this] {
    const TOnFailure uncounted(&ThreadEnds);  // no thread came
    return std::thread(&TThread::Run, this, state_);
  }();
  {
    std::lock_guard<std::mutex> lock(state_->Mutex);
    state_->Id = t.get_id();
  }
  t.detach();
}

void TThread::Run(TThread* self, std::shared_ptr<TState> state) {
  {
    std::lock_guard<std::mutex> lock(state->Mutex);
    state->Id = std::this_thread::get_id();
  }
  try {
    self->Execute();
  } catch (...) {  // an exception does not leave its thread: FatalException holds it
    std::lock_guard<std::mutex> lock(state->Mutex);
    state->Fatal = std::current_exception();
  }
  bool freeIt = self->freeOnTerminate_;
  try {
    self->DoTerminate();
  } catch (...) {  // nothing leaves the thread's function: the thread ends all the same
  }
  {
    std::lock_guard<std::mutex> lock(state->Mutex);
    state->Finished = true;
  }
  state->Changed.notify_all();
  {
    // A main thread waiting in WaitFor sleeps on the queue's condition.
    std::lock_guard<std::mutex> lock(Queue().Mutex);
  }
  Queue().Queued.notify_all();
  if (freeIt) delete self;
  ThreadEnds();
}

void TThread::DoTerminate() {
  if (onTerminate_.Assigned()) Synchronize(TThreadMethod(this, &TThread::CallOnTerminate));
}

void TThread::Terminate() {
  std::lock_guard<std::mutex> lock(state_->Mutex);
  state_->Terminated = true;
}

bool TThread::Terminated() const {
  std::lock_guard<std::mutex> lock(state_->Mutex);
  return state_->Terminated;
}

bool TThread::Suspended() const {
  std::lock_guard<std::mutex> lock(state_->Mutex);
  return !state_->Started;
}

bool TThread::Finished() const {
  std::lock_guard<std::mutex> lock(state_->Mutex);
  return state_->Finished;
}

std::exception_ptr TThread::FatalException() const {
  std::lock_guard<std::mutex> lock(state_->Mutex);
  return state_->Fatal;
}

int TThread::WaitFor() {
  std::shared_ptr<TState> state = state_;
  {
    std::lock_guard<std::mutex> lock(state->Mutex);
    if (state->Started && state->Id == std::this_thread::get_id())
      throw EThread(SThreadWaitsForItself);
  }
  {
    std::lock_guard<std::mutex> lock(state->Mutex);
    if (!state->Started && !state->Pending) throw EThread(SThreadSuspended);
  }
  Start();  // a thread created running whose start is still pending
  if (IsMainThread()) {
    // Serve Synchronize requests while waiting, or the worker could wait for us forever.
    TSyncQueue& q = Queue();
    for (;;) {
      {
        std::lock_guard<std::mutex> lock(state->Mutex);
        if (state->Finished) break;
      }
      size_t round;
      {
        std::unique_lock<std::mutex> lock(q.Mutex);
        q.Queued.wait_for(lock, std::chrono::milliseconds(20), [&] {
          if (!q.Requests.empty()) return true;
          std::lock_guard<std::mutex> l2(state->Mutex);
          return state->Finished;
        });
        round = q.Requests.size();
      }
      ServeRequests(q, round);
    }
  } else {
    std::unique_lock<std::mutex> lock(state->Mutex);
    state->Changed.wait(lock, [&] { return state->Finished; });
  }
  return returnValue_;
}

void TThread::CancelSynchronize() { state_->Channel.Close(); }

void TThread::Synchronize(const TThreadMethod& Method) {
  state_->Channel.Synchronize([&Method] { Method(); });
}

void TThread::Synchronize(TThread* Thread, const TThreadMethod& Method) {
  if (Thread)
    Thread->Synchronize(Method);
  else
    RunOnMainThread([&Method] { Method(); }, nullptr, nullptr);
}

void TThread::Synchronize(const std::function<void()>& Proc) {
  RunOnMainThread(Proc, nullptr, nullptr);
}

}  // namespace vcl
