#include "platform/base/Clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace win {

namespace {

constexpr double kUnixEpochDays = 25569.0;  // 1970-01-01 as days since 1899-12-30

class TRealClock final : public TClock {
 public:
  uint64_t Milliseconds() override {
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }
  double Now() override {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto us = duration_cast<microseconds>(now.time_since_epoch()).count();
    const std::time_t secs = static_cast<std::time_t>(us / 1000000);
    std::tm local{};
    localtime_r(&secs, &local);
    const double offset = static_cast<double>(local.tm_gmtoff);
    return kUnixEpochDays + (static_cast<double>(us) / 1e6 + offset) / 86400.0;
  }
  void Sleep(uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  int64_t PerformanceCounter() override {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
  }
};

TRealClock& RealClock() {
  static TRealClock clock;
  return clock;
}

std::atomic<TClock*> g_clock{nullptr};

}  // namespace

TVirtualClock::TVirtualClock(uint64_t startMs, double startNow)
    : micros_(startMs * 1000), startMicros_(startMs * 1000), startNow_(startNow) {}

double TVirtualClock::Now() {
  return startNow_.load() + static_cast<double>(micros_.load() - startMicros_) / 86400e6;
}

void TVirtualClock::SetNow(double dateTime) {
  startNow_ = dateTime - static_cast<double>(micros_.load() - startMicros_) / 86400e6;
}

TClock& CurrentClock() {
  TClock* c = g_clock.load();
  return c ? *c : RealClock();
}

TClock* SetCurrentClock(TClock* clock) { return g_clock.exchange(clock); }

TVirtualClockScope::TVirtualClockScope() : previous_(SetCurrentClock(&clock_)) {}

TVirtualClockScope::~TVirtualClockScope() { SetCurrentClock(previous_); }

}  // namespace win
