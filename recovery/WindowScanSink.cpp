#include "recovery/WindowScanSink.h"

namespace tarvelo {

WindowScanSink::~WindowScanSink() {
    for (const platform::QueuedMessage& message : pending_)
        FreeUnhandled(message);
}

void WindowScanSink::FileFound(std::unique_ptr<FileRecord> record) {
    Queue({platform::WM_SCAN_FILE_FOUND, 0, reinterpret_cast<platform::LPARAM>(record.release()), 0});
}

void WindowScanSink::Progress(std::unique_ptr<ProgressRecord> record) {
    Queue({platform::WM_SCAN_PROGRESS, reinterpret_cast<platform::WPARAM>(record.release()), 0, 0});
}

void WindowScanSink::Queue(const platform::QueuedMessage& message) {
    const auto now = std::chrono::steady_clock::now();
    if (pending_.empty()) {
        pending_.reserve(kMaxBatch);
        oldest_ = now;
    }
    pending_.push_back(message);
    if (pending_.size() >= kMaxBatch || now - oldest_ >= kMaxDelay)
        Flush();
}

void WindowScanSink::Flush() {
    if (pending_.empty())
        return;
    platform::SendMessages(window_, pending_);
    // A window without the handler never took the record: free it here.
    for (const platform::QueuedMessage& message : pending_) {
        if (message.result == 0)
            FreeUnhandled(message);
    }
    pending_.clear();
}

void WindowScanSink::FreeUnhandled(const platform::QueuedMessage& message) {
    if (message.message == platform::WM_SCAN_FILE_FOUND)
        delete reinterpret_cast<FileRecord*>(message.lParam);
    else if (message.message == platform::WM_SCAN_PROGRESS)
        delete reinterpret_cast<ProgressRecord*>(message.wParam);
}

} // namespace tarvelo
