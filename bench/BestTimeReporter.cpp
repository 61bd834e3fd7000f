#include "bench/BestTimeReporter.h"

#include <algorithm>

namespace tarvelo::bench {

void BestTimeReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0) {
            continue;
        }
        const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
        const std::string name = run.run_name.function_name;
        const auto found = best_.find(name);
        best_[name] = found == best_.end() ? seconds : std::min(found->second, seconds);
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<double> BestTimeReporter::BestSeconds(const std::string& name) const {
    const auto found = best_.find(name);
    if (found == best_.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace tarvelo::bench
