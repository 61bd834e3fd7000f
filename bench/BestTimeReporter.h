// A console reporter that also keeps, for every benchmark, its best (shortest) wall-clock and CPU
// time per iteration over the repetitions, so that a program can print ratios between benchmarks of
// the same run. CPU time (user + system of the process) is the steadier figure on a shared machine.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo::bench {

class BestTimeReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    struct Best {
        double wallSeconds = 0;
        double cpuSeconds = 0;
    };

    // Seconds per iteration of the fastest repetitions of the named benchmark, if it ran without error.
    [[nodiscard]] std::optional<Best> BestTimes(const std::string& name) const;

private:
    std::map<std::string, Best> best_;
};

} // namespace tarvelo::bench
