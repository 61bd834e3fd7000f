// Runs the production reader and the reference scanner over the same bytes and compares every record
// and progress report, in order. Used by the differential tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvelo::test {

enum class SourceKind {
    Memory,       // the reader sees the whole file in memory
    File,         // the reader opens the file by path
    SmallBuffers, // memory read through a small buffer, so block and window reads straddle its edges
};

struct ComparisonOptions {
    std::size_t stopAfter = SIZE_MAX; // the running flag is cleared after this many records
    SourceKind source = SourceKind::Memory;
    std::size_t bufferSize = 4096; // for SmallBuffers
};

// Empty when both agree; otherwise a description of the first difference.
std::string CompareScans(const std::vector<std::uint8_t>& bytes, const ComparisonOptions& options);

} // namespace tarvelo::test
