// The clock and the median of the Windows benchmarks, which run under Wine where Google Benchmark
// is not to be had for mingw.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace torvek::bench {

// Seconds by QueryPerformanceCounter, from an arbitrary start.
inline double Now() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return value;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace torvek::bench
