#pragma once
// Summaries of repeated timings shared by the benchmarks.

#include <algorithm>
#include <iterator>
#include <vector>

namespace bench {

// The median of a set of timings (taken by value: it is sorted here).
template <typename Container> double median(Container values)
{
    std::sort(std::begin(values), std::end(values));
    const auto n = std::size(values);
    if (n == 0)
        return 0;
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace bench
