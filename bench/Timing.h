#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Median of a sample (taken by value: it is sorted).
inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Seconds one call of f takes, averaged over a batch of calls.
template <typename F> double secondsPerCall(F&& f, int batch)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < batch; ++i)
        f();
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / batch;
}

struct Paired
{
    double a = 0, b = 0, ratio = 0; // medians: a's time, b's time, and of the ratios a/b pair by pair
};

// Times a and b in turn, round after round, so that drift in the machine's speed
// moves both; the ratio is the median of the per-round ratios.
template <typename A, typename B> Paired interleaved(A&& a, B&& b, int rounds, int batch)
{
    std::vector<double> as, bs, ratios;
    for (int round = 0; round < rounds; ++round) {
        const double ta = secondsPerCall(a, batch);
        const double tb = secondsPerCall(b, batch);
        as.push_back(ta);
        bs.push_back(tb);
        ratios.push_back(ta / tb);
    }
    return {median(as), median(bs), median(ratios)};
}
