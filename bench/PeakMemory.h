// Peak resident memory of this process, for the scan's memory benchmark. A scan measured this way
// runs in a process of its own, so the figure is the scan's and not that of earlier work.
#pragma once

#include <cstdint>
#include <optional>

namespace tarvelo::bench {

// The high-water mark of the resident set in bytes (VmHWM of /proc/self/status), or nothing where
// the system does not report it.
std::optional<std::uint64_t> PeakResidentBytes();

} // namespace tarvelo::bench
