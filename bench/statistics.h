#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <vector>

// The sample below which the given share of the samples lie: the median at 0.5.
inline double quantile(std::vector<double> samples, double share) {
    if (samples.empty())
        return std::numeric_limits<double>::quiet_NaN();
    const auto at = samples.begin() + std::ptrdiff_t(share * double(samples.size() - 1));
    std::nth_element(samples.begin(), at, samples.end());
    return *at;
}

inline double median(std::vector<double> samples) {
    return quantile(std::move(samples), 0.5);
}

// Subject over floor pair by pair, the two measured next to each other, so that the load
// of a busy machine changing between pairs cancels out.
inline double medianRatio(const std::vector<double> &subject, const std::vector<double> &floor) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < std::min(subject.size(), floor.size()); ++i)
        ratios.push_back(subject[i] / floor[i]);
    return median(std::move(ratios));
}
