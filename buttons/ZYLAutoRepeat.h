// TZYLAutoRepeat: the auto-repeat of a held button. Start makes (or restarts) a timer whose
// first tick comes FirstDelay milliseconds later than the repeat interval; the owner's handler
// calls Continue on each tick, which sets the plain interval for the ticks after it; Stop halts
// the ticks until the next Start.
#pragma once

#include <memory>

#include "platform/classes/Events.h"

namespace zyl {

class TZYLTimer;

class TZYLAutoRepeat {
 public:
  // The first repeat comes this much later than the repeat interval.
  static constexpr int FirstDelay = 200;

  explicit TZYLAutoRepeat(const vcl::TNotifyEvent& OnRepeat);
  ~TZYLAutoRepeat();
  TZYLAutoRepeat(const TZYLAutoRepeat&) = delete;
  TZYLAutoRepeat& operator=(const TZYLAutoRepeat&) = delete;

  // An interval near int's limit gives the timer's longest delay, never a wrapped one.
  void Start(int Interval);
  void Continue(int Interval);
  void Stop();
  bool Running() const;
  // Frees the timer (the owner's destructor does, before its other parts go).
  void Free();

 private:
  vcl::TNotifyEvent FOnRepeat;
  std::unique_ptr<TZYLTimer> FTimer;
};

}  // namespace zyl
