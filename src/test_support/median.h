// The median of measured times, the figure the benchmarks and the start-up
// probe report: a slow spell of the machine moves it less than the mean.
#pragma once

#include <algorithm>
#include <vector>

// The middle value, or the mean of the middle two; 0 of none.
inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  if (n == 0) return 0;
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
