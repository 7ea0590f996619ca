#pragma once

#include <benchmark/benchmark.h>

#include <ostream>
#include <string>
#include <vector>

namespace termika::bench {

// Passes every run on to the usual display reporter and keeps each benchmark's median real
// time, so that a run ends with one table of medians read against a baseline.
class MedianTable : public benchmark::BenchmarkReporter {
public:
    explicit MedianTable(benchmark::BenchmarkReporter* display) : display_(display) {}

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // Medians in nanoseconds, each also as a multiple of the baseline's median.
    void print(std::ostream& out, const std::string& baseline) const;

private:
    struct Row {
        std::string name;
        std::vector<double> times; // ns, one per repetition
        double median = -1;        // ns, when the library computed it
        double value() const;
    };
    Row& row(const std::string& name);

    benchmark::BenchmarkReporter* display_;
    std::vector<Row> rows_;
};

} // namespace termika::bench
