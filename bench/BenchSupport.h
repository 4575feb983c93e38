#pragma once

#include "central/CacheSet.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ovl::bench {

// Seconds taken by one call.
double SecondsOf(const std::function<void()>& work);

// Milliseconds of each of `runs` calls, sorted.
std::vector<double> SortedMillis(int runs, const std::function<void()>& work);
double Percentile(const std::vector<double>& sorted, double fraction);

// Resident set size of this process, in bytes.
long ResidentBytes();

// One line of the result table.
void PrintRow(const std::string& figure, const std::string& measured, const std::string& goal,
              bool met);

} // namespace ovl::bench
