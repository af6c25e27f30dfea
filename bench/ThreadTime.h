// The calling thread's CPU time, which benchmarks measure so that other programs on the machine
// do not count.
#pragma once

#include <time.h>

namespace benchtime {

// Seconds of CPU time the calling thread has used.
inline double ThreadSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

}  // namespace benchtime
