#include "bench/BestTimeReporter.h"

#include <algorithm>

namespace tarvelo::bench {

void BestTimeReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0) {
            continue;
        }
        const double iterations = static_cast<double>(run.iterations);
        const Best times{run.real_accumulated_time / iterations, run.cpu_accumulated_time / iterations};
        const auto [found, inserted] = best_.emplace(run.run_name.function_name, times);
        if (!inserted) {
            found->second.wallSeconds = std::min(found->second.wallSeconds, times.wallSeconds);
            found->second.cpuSeconds = std::min(found->second.cpuSeconds, times.cpuSeconds);
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<BestTimeReporter::Best> BestTimeReporter::BestTimes(const std::string& name) const {
    const auto found = best_.find(name);
    if (found == best_.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace tarvelo::bench
