// The main frame's handlers of the records a scan or a snapshot load sends.
#include "app/CMainFrame.h"

#include <memory>

namespace tarvelo::app {

// The handler owns the record it receives and frees it.
platform::LRESULT CMainFrame::OnScanFileFound(platform::WPARAM, platform::LPARAM lParam) {
    const std::unique_ptr<FileRecord> record(reinterpret_cast<FileRecord*>(lParam));
    return 1;
}

platform::LRESULT CMainFrame::OnScanProgress(platform::WPARAM wParam, platform::LPARAM) {
    const std::unique_ptr<ProgressRecord> record(reinterpret_cast<ProgressRecord*>(wParam));
    return 1;
}

} // namespace tarvelo::app
