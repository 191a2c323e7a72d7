#pragma once
// Clocks and the median the benchmarks share. The machine may be shared and busy: the middle
// figure of many is quoted, never the mean, and CPU time stands beside wall time.
#include <algorithm>
#include <chrono>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

inline double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
  return v[v.size() / 2];
}

#ifdef _WIN32
// This thread's user and system time. Wine counts it in 10 ms ticks: read it around blocks of
// work, not around one short step.
inline double ThreadCpuMicros() {
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
  auto ticks = [](FILETIME t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10;
}

// Wall and CPU time of the steps measured with it, summed.
class Stopwatch {
 public:
  template <class Step>
  void Time(Step&& step) {
    double cpu0 = ThreadCpuMicros();
    Clock::time_point t0 = Clock::now();
    step();
    wall_ += Micros(Clock::now() - t0);
    cpu_ += ThreadCpuMicros() - cpu0;
  }
  double Wall() const { return wall_; }
  double Cpu() const { return cpu_; }

 private:
  double wall_ = 0, cpu_ = 0;
};
#endif

}  // namespace bench
