// The search over the record file: one pass, one read per record, matches reported in record order.
#pragma once

#include "reader/ScanRecords.h"
#include "recovery/RecordFile.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string_view>

namespace tarvelo {

struct RecordSearchCallbacks {
    // A record whose path matches, with its record number.
    std::function<void(std::uint32_t recordNumber, const FileRecord& record)> match;
    // After each record k (1..recordCount) has been looked at; may be empty.
    std::function<void(std::uint32_t recordNumber)> progress;
};

// Looks at records 1..recordCount while `searching` is 1 (read before every record and inside the
// matcher) and returns the number of matches. A record the file holds only partly reads as zero
// beyond what is there; its name ends at the first zero unit.
std::uint32_t SearchRecords(const RecordFile& records, std::uint32_t recordCount, std::u16string_view pattern,
                            const std::atomic<int>& searching, const RecordSearchCallbacks& callbacks);

} // namespace tarvelo
