#include "bench/PeakMemory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace tarvelo::bench {

std::optional<std::uint64_t> PeakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            std::istringstream fields(line.substr(6));
            std::uint64_t kib = 0;
            std::string unit;
            if (fields >> kib >> unit && unit == "kB") {
                return kib * 1024;
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace tarvelo::bench
