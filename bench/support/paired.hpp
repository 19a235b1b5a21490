// Paired runs of our reader and a dump tool on the same catalogue: the two alternate, so
// that a load that comes and goes on the machine falls on both, and the ratio of each
// pair (ours over the tool's) is what is summed up. The last line printed ends
// "ratio MIN/MEDIAN/MAX".
#pragma once

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace bench_support {

struct PairedFigures {
    double min = 0, median = 0, max = 0;
    double ours_median = 0, tool_median = 0;
    bool ok = false;
};

inline double median_of(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// `ours` and `tool` return seconds, or a negative number when they failed (the runs stop).
inline PairedFigures paired_runs(const std::string& label, int pairs, const std::function<double()>& ours,
                                 const std::function<double()>& tool) {
    std::vector<double> ratios, our_seconds, tool_seconds;
    for (int k = 0; k < pairs; ++k) {
        // Every other pair starts with the tool, so neither always runs on a warmer server.
        double a = 0, b = 0;
        if (k % 2 == 0) {
            a = ours();
            b = a < 0 ? -1 : tool();
        } else {
            b = tool();
            a = b < 0 ? -1 : ours();
        }
        if (a < 0 || b <= 0) return {};
        std::printf("  %s pair %d: ours %.3f s, tool %.3f s, ratio %.2f\n", label.c_str(), k + 1, a, b, a / b);
        std::fflush(stdout);
        our_seconds.push_back(a);
        tool_seconds.push_back(b);
        ratios.push_back(a / b);
    }
    PairedFigures f;
    f.ok = !ratios.empty();
    if (!f.ok) return f;
    f.min = *std::min_element(ratios.begin(), ratios.end());
    f.max = *std::max_element(ratios.begin(), ratios.end());
    f.median = median_of(ratios);
    f.ours_median = median_of(our_seconds);
    f.tool_median = median_of(tool_seconds);
    std::printf("%s: ours %.3f s, tool %.3f s (medians of %d pairs); ratio %.2f/%.2f/%.2f\n", label.c_str(),
                f.ours_median, f.tool_median, pairs, f.min, f.median, f.max);
    std::fflush(stdout);
    return f;
}

}  // namespace bench_support
