#include "bench/BenchSupport.h"

#include <fstream>
#include <unistd.h>

namespace ovl::bench {

double SecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::vector<double> SortedMillis(int runs, const std::function<void()>& work) {
    std::vector<double> millis;
    for (int i = 0; i < runs; ++i)
        millis.push_back(SecondsOf(work) * 1000.0);
    std::sort(millis.begin(), millis.end());
    return millis;
}

double Percentile(const std::vector<double>& sorted, double fraction) {
    if (sorted.empty())
        return 0;
    const size_t index =
        static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

void PrintRow(const std::string& figure, const std::string& measured, const std::string& goal,
              bool met) {
    std::printf("| %-44s | %14s | %14s | %-4s |\n", figure.c_str(), measured.c_str(), goal.c_str(),
                met ? "met" : "NOT");
}

} // namespace ovl::bench
