// What the status bar shows for one progress report of a scan.
#pragma once

#include <cstdint>
#include <string>

namespace tarvelo {

struct ScanProgressDisplay {
    int barPosition = 0;      // 0 to 1000
    std::string percentText;  // "12.34%"
    std::string progressText; // "Progress: <position>/<length>"
};

// The reader's last step may report a position past the end of the file: the display shows that as
// the end, never more than 100 %. An empty file shows 0.
ScanProgressDisplay DescribeScanProgress(std::uint64_t position, std::uint64_t length);

} // namespace tarvelo
