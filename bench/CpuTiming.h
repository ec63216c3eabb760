// CPU-time measuring for the benchmarks: the figures stay fair on a machine shared with other work.
#pragma once

#include <ctime>
#include <functional>

// CPU time of this thread, in seconds.
inline double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs work until at least `seconds` of CPU time have passed (after one untimed run when warmUp
// is set); returns seconds per run.
inline double SecondsPerRun(const std::function<void()>& work, double seconds,
                            bool warmUp = false) {
  if (warmUp) work();
  int runs = 0;
  const double start = ThreadSeconds();
  double elapsed = 0;
  do {
    work();
    ++runs;
    elapsed = ThreadSeconds() - start;
  } while (elapsed < seconds);
  return elapsed / runs;
}
