#include "recovery/WindowScanSink.h"

namespace tarvelo {

void WindowScanSink::FileFound(std::unique_ptr<FileRecord> record) {
    FileRecord* raw = record.release();
    // A window without the handler never took the record: free it here.
    if (platform::SendMessage(window_, platform::WM_SCAN_FILE_FOUND, 0,
                              reinterpret_cast<platform::LPARAM>(raw)) == 0)
        delete raw;
}

void WindowScanSink::Progress(std::unique_ptr<ProgressRecord> record) {
    ProgressRecord* raw = record.release();
    if (platform::SendMessage(window_, platform::WM_SCAN_PROGRESS, reinterpret_cast<platform::WPARAM>(raw),
                              0) == 0)
        delete raw;
}

} // namespace tarvelo
