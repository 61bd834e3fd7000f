// A console reporter that also keeps, for every benchmark, its best (shortest) time per iteration
// over the repetitions, so that a program can print ratios between benchmarks of the same run.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace tarvelo::bench {

class BestTimeReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration of the fastest repetition of the named benchmark, if it ran without error.
    [[nodiscard]] std::optional<double> BestSeconds(const std::string& name) const;

private:
    std::map<std::string, double> best_;
};

} // namespace tarvelo::bench
