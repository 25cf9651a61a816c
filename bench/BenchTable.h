#pragma once

// The figures of the benchmark programs: median and high percentile of
// repeated timings, printed as rows of one table that bench/run.sh gathers.

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

inline double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

inline double median(const std::vector<double> &v)
{
    return percentile(v, 0.5);
}

// One row of the report table (bench/run.sh gathers the rows): what,
// median, 95th percentile, target, and whether the median meets it.
inline void reportRow(const char *what, double med, double high, double targetMs)
{
    std::printf("| %-58s | %9.2f ms | %9.2f ms | %7.1f ms | %-4s |\n", what, med, high, targetMs,
                med <= targetMs ? "ok" : "OVER");
}

inline void report(const char *what, const std::vector<double> &ms, double targetMs)
{
    reportRow(what, median(ms), percentile(ms, 0.95), targetMs);
}

// A single measured value, such as memory, in the same table; a negative
// target marks a figure shown for information only.
inline void reportValue(const char *what, double value, const char *unit, double target)
{
    if (target < 0)
        std::printf("| %-58s | %9.1f %s | %12s | %10s | %-4s |\n", what, value, unit, "", "-", "");
    else
        std::printf("| %-58s | %9.1f %s | %12s | %7.1f %s | %-4s |\n", what, value, unit, "", target, unit,
                    value <= target ? "ok" : "OVER");
}

// A ratio of two figures measured side by side: median and 95th percentile
// of the run-by-run ratios against the most it may be.
inline void reportRatio(const char *what, const std::vector<double> &ratios, double most)
{
    const double med = median(ratios);
    std::printf("| %-58s | %10.2f x | %10.2f x | %8.2f x | %-4s |\n", what, med, percentile(ratios, 0.95), most,
                med <= most ? "ok" : "OVER");
}

} // namespace bench
