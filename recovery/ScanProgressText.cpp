#include "recovery/ScanProgressText.h"

#include <algorithm>
#include <cstdio>

namespace tarvelo {

ScanProgressDisplay DescribeScanProgress(std::uint64_t position, std::uint64_t length) {
    const std::uint64_t shown = std::min(position, length);
    // Single precision, as the bar and percentage have always been computed.
    const float ratio = length == 0 ? 0.0F : static_cast<float>(shown) / static_cast<float>(length);
    ScanProgressDisplay display;
    display.barPosition = std::clamp(static_cast<int>(ratio * 1000.0F), 0, 1000);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f%%", static_cast<double>(ratio * 100.0F));
    display.percentText = buffer;
    std::snprintf(buffer, sizeof buffer, "Progress: %lld/%lld", static_cast<long long>(shown),
                  static_cast<long long>(length));
    display.progressText = buffer;
    return display;
}

} // namespace tarvelo
