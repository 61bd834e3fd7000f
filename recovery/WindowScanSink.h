// The scan's sink on the window side: every record goes to the main window with a synchronous send,
// so the worker waits until the handler on the user-interface thread has taken it.
#pragma once

#include "platform/WindowMessages.h"
#include "reader/ScanRecords.h"

namespace tarvelo {

class WindowScanSink : public ScanSink {
public:
    explicit WindowScanSink(platform::MessageTarget* window) : window_(window) {}
    // WM_SCAN_FILE_FOUND with the record in lParam; the handler frees it.
    void FileFound(std::unique_ptr<FileRecord> record) override;
    // WM_SCAN_PROGRESS with the record in wParam; the handler deletes it.
    void Progress(std::unique_ptr<ProgressRecord> record) override;

private:
    platform::MessageTarget* window_;
};

} // namespace tarvelo
