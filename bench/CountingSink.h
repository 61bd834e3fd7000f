// A scan sink for benchmarks: counts what a scan reports and keeps nothing, so the figures measure the
// scan and not the storage of its records.
#pragma once

#include "reader/ScanRecords.h"

#include <cstdint>
#include <memory>

namespace tarvelo::bench {

class CountingSink final : public ScanSink {
public:
    void FileFound(std::unique_ptr<FileRecord> record) override {
        ++files;
        lastEntryOffset = record->EntryOffset();
    }
    void Progress(std::unique_ptr<ProgressRecord>) override { ++progress; }

    std::uint64_t files = 0;
    std::uint64_t progress = 0;
    std::uint64_t lastEntryOffset = 0;
};

} // namespace tarvelo::bench
