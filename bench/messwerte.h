#ifndef MESSWERTE_H
#define MESSWERTE_H

// Clock and order statistics shared by the benchmarks.

#include <QtGlobal>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

// Monotonic instant in nanoseconds.
inline qint64 jetztNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

// The value below which the share p of the values lies (p 0.5: element n/2 of the sorted
// values, p 1.0: the largest); NaN without values.
inline double perzentil(std::vector<double> v, double p)
{
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

#endif
