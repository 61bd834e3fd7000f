// The scan's sink on the window side: records go to the main window by synchronous send, so the worker
// waits until the handlers on the user-interface thread have taken them. Handing a record from one
// thread to the other costs far more than handling it, so records found in quick succession travel
// together: a batch is sent when it holds kMaxBatch messages, when its oldest message has waited
// kMaxDelay, and when the scan ends (Flush). Each record still reaches its own message handler, in
// the order the reader produced it.
#pragma once

#include "platform/WindowMessages.h"
#include "reader/ScanRecords.h"

#include <chrono>
#include <vector>

namespace tarvelo {

class WindowScanSink : public ScanSink {
public:
    static constexpr std::size_t kMaxBatch = 256;
    static constexpr std::chrono::milliseconds kMaxDelay{20};

    explicit WindowScanSink(platform::MessageTarget* window) : window_(window) {}
    WindowScanSink(const WindowScanSink&) = delete;
    WindowScanSink& operator=(const WindowScanSink&) = delete;
    // Frees records that were never sent (Flush was not called).
    ~WindowScanSink() override;

    // WM_SCAN_FILE_FOUND with the record in lParam; the handler frees it.
    void FileFound(std::unique_ptr<FileRecord> record) override;
    // WM_SCAN_PROGRESS with the record in wParam; the handler deletes it.
    void Progress(std::unique_ptr<ProgressRecord> record) override;
    // Sends whatever is waiting and returns when the window has handled it.
    void Flush();

private:
    void Queue(const platform::QueuedMessage& message);
    static void FreeUnhandled(const platform::QueuedMessage& message);

    platform::MessageTarget* window_;
    std::vector<platform::QueuedMessage> pending_;
    std::chrono::steady_clock::time_point oldest_;
};

} // namespace tarvelo
