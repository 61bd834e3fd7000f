// A ScanSink that keeps every record in arrival order, and can clear the running flag after a given
// number of records (to stand in for the user's Stop).
#pragma once

#include "reader/ScanRecords.h"

#include <cstddef>
#include <memory>
#include <ostream>
#include <variant>
#include <vector>

namespace tarvelo::test {

using ScanEvent = std::variant<FileRecord, ProgressRecord>;

inline std::vector<FileRecord> FilesOf(const std::vector<ScanEvent>& events) {
    std::vector<FileRecord> out;
    for (const auto& event : events) {
        if (const auto* file = std::get_if<FileRecord>(&event)) {
            out.push_back(*file);
        }
    }
    return out;
}

inline std::vector<ProgressRecord> ProgressOf(const std::vector<ScanEvent>& events) {
    std::vector<ProgressRecord> out;
    for (const auto& event : events) {
        if (const auto* progress = std::get_if<ProgressRecord>(&event)) {
            out.push_back(*progress);
        }
    }
    return out;
}

class RecordingSink final : public ScanSink {
public:
    explicit RecordingSink(ScanControl* control = nullptr, std::size_t stopAfter = SIZE_MAX)
        : control_(control), stopAfter_(stopAfter) {}

    void FileFound(std::unique_ptr<FileRecord> record) override {
        events.emplace_back(*record);
        ++files;
        Count();
    }
    void Progress(std::unique_ptr<ProgressRecord> record) override {
        events.emplace_back(*record);
        Count();
    }

    std::vector<ScanEvent> events;
    std::size_t files = 0;

private:
    void Count() {
        if (control_ != nullptr && events.size() >= stopAfter_) {
            control_->running.store(0);
        }
    }
    ScanControl* control_;
    std::size_t stopAfter_;
};

} // namespace tarvelo::test
