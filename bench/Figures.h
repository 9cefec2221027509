// SPDX-License-Identifier: GPL-3.0-or-later
// Medians and spreads of repeated measurements, and how the tables print them.
#pragma once

#include <string>
#include <vector>

namespace varnock::bench {

// The median and the quartiles of a set of measurements.
struct Spread {
    double median = 0;
    double lowQuartile = 0;
    double highQuartile = 0;
};

Spread spreadOf(std::vector<double> values);

// "47.1 (45.9-49.0)": the median with the quartiles, to the given decimals.
std::string shown(const Spread& spread, int decimals);

// "1.08x".
std::string ratio(double value, double floor);

// Text padded with blanks on the right to width characters.
std::string cell(const std::string& text, std::size_t width);

// A number with the given decimals.
std::string fixed(double value, int decimals);

// One row of the summary that tools/bench.sh prints after all benchmarks:
// appended to the file as tab-separated fields. Nothing when path is empty.
struct SummaryRow {
    std::string measure;
    std::string value;
    std::string target;
    std::string verdict;  // "yes", "no" or "-" where there is no target
};
void appendSummary(const std::string& path, const SummaryRow& row);

}  // namespace varnock::bench
