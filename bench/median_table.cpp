#include "bench/median_table.h"

#include <algorithm>
#include <cstdio>

namespace termika::bench {
namespace {

std::string nameOf(const benchmark::BenchmarkReporter::Run& run) {
    const benchmark::BenchmarkName& name = run.run_name;
    return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
}

double nanoseconds(const benchmark::BenchmarkReporter::Run& run) {
    return run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

} // namespace

bool MedianTable::ReportContext(const Context& context) {
    return display_->ReportContext(context);
}

void MedianTable::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        if (run.run_type == Run::RT_Iteration)
            row(nameOf(run)).times.push_back(nanoseconds(run));
        else if (run.aggregate_name == "median")
            row(nameOf(run)).median = nanoseconds(run);
    }
    display_->ReportRuns(runs);
}

void MedianTable::Finalize() {
    display_->Finalize();
}

double MedianTable::Row::value() const {
    if (median >= 0 || times.empty())
        return median;
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t mid = sorted.size() / 2;
    return sorted.size() % 2 != 0 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}

MedianTable::Row& MedianTable::row(const std::string& name) {
    const auto found =
        std::find_if(rows_.begin(), rows_.end(), [&name](const Row& r) { return r.name == name; });
    if (found != rows_.end())
        return *found;
    rows_.push_back({name, {}, -1});
    return rows_.back();
}

void MedianTable::print(std::ostream& out, const std::string& baseline) const {
    double base = -1;
    std::size_t width = 9;
    for (const Row& r : rows_) {
        width = std::max(width, r.name.size());
        if (r.name == baseline)
            base = r.value();
    }
    char line[256];
    out << "\nMedian real time per call, and as a multiple of " << baseline << ":\n";
    std::snprintf(line, sizeof line, "%-*s %12s %10s\n", static_cast<int>(width), "benchmark",
                  "median ns", "x formula");
    out << line;
    for (const Row& r : rows_) {
        const double v = r.value();
        if (v < 0)
            continue;
        if (base > 0)
            std::snprintf(line, sizeof line, "%-*s %12.1f %10.2f\n", static_cast<int>(width),
                          r.name.c_str(), v, v / base);
        else
            std::snprintf(line, sizeof line, "%-*s %12.1f %10s\n", static_cast<int>(width),
                          r.name.c_str(), v, "-");
        out << line;
    }
}

} // namespace termika::bench
