// SPDX-License-Identifier: GPL-3.0-or-later
#include "Figures.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace varnock::bench {
namespace {

// The value at fraction q of the sorted values, between neighbours linearly.
double quantile(const std::vector<double>& sorted, double q) {
    const double position = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double weight = position - static_cast<double>(below);
    return sorted[below] + (sorted[above] - sorted[below]) * weight;
}

}  // namespace

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

Spread spreadOf(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    return {quantile(values, 0.5), quantile(values, 0.25), quantile(values, 0.75)};
}

std::string shown(const Spread& spread, int decimals) {
    return fixed(spread.median, decimals) + " (" + fixed(spread.lowQuartile, decimals) + "-" +
           fixed(spread.highQuartile, decimals) + ")";
}

std::string ratio(double value, double floor) {
    return floor > 0 ? fixed(value / floor, 2) + "x" : "-";
}

std::string cell(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

void appendSummary(const std::string& path, const SummaryRow& row) {
    if (path.empty()) return;
    std::ofstream summary(path, std::ios::app);
    summary << row.measure << '\t' << row.value << '\t' << row.target << '\t' << row.verdict
            << '\n';
}

}  // namespace varnock::bench
