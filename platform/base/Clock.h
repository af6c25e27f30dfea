// The one clock behind every time source of the layer: tick counts, the performance counter,
// Sleep, timers and Now. It is the real clock by default; tests install a TVirtualClock,
// whose time moves only when the test advances it.
#pragma once

#include <atomic>
#include <cstdint>

namespace win {

class TClock {
 public:
  virtual ~TClock() = default;
  // Milliseconds since an arbitrary start, never going back.
  virtual uint64_t Milliseconds() = 0;
  // Local wall-clock time as days since 1899-12-30 (the framework's date-time value).
  virtual double Now() = 0;
  // Blocks the caller (real clock) or moves the time on (virtual clock).
  virtual void Sleep(uint32_t ms) = 0;
  virtual bool IsVirtual() const { return false; }
  // The performance counter ticks in microseconds.
  static constexpr int64_t PerformanceFrequency = 1000000;
  virtual int64_t PerformanceCounter() = 0;
};

class TVirtualClock : public TClock {
 public:
  // Starts at tick `startMs` and at the given wall-clock date-time (default 2000-01-01 12:00).
  explicit TVirtualClock(uint64_t startMs = 1000, double startNow = 36526.5);
  uint64_t Milliseconds() override { return micros_.load() / 1000; }
  double Now() override;
  void Sleep(uint32_t ms) override { Advance(ms); }
  bool IsVirtual() const override { return true; }
  int64_t PerformanceCounter() override { return static_cast<int64_t>(micros_.load()); }
  void Advance(uint64_t ms) { micros_ += ms * 1000; }
  void AdvanceMicroseconds(uint64_t us) { micros_ += us; }
  void SetNow(double dateTime);

 private:
  std::atomic<uint64_t> micros_;
  uint64_t startMicros_;
  std::atomic<double> startNow_;
};

// The clock in use. Never null: the real clock unless a test installed another.
TClock& CurrentClock();
// Installs `clock` (not owned); null restores the real clock. Returns the previous one.
TClock* SetCurrentClock(TClock* clock);

// Installs a fresh virtual clock for the lifetime of the object.
class TVirtualClockScope {
 public:
  TVirtualClockScope();
  ~TVirtualClockScope();
  TVirtualClockScope(const TVirtualClockScope&) = delete;
  TVirtualClockScope& operator=(const TVirtualClockScope&) = delete;
  TVirtualClock& Clock() { return clock_; }

 private:
  TVirtualClock clock_;
  TClock* previous_;
};

}  // namespace win
