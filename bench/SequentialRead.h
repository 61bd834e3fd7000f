// The baseline for scan throughput: a plain sequential read of a file in 1 MiB blocks, with the same
// unbuffered C stream the reader uses, and nothing done with the bytes but a cheap sum (so the reads
// cannot be optimised away).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace tarvelo::bench {

inline constexpr std::size_t kReadBlock = std::size_t{1} << 20;

struct SequentialReadResult {
    std::uint64_t bytes = 0;
    std::uint64_t checksum = 0;
};

// Reads the whole file; nothing when it cannot be opened or a read fails.
std::optional<SequentialReadResult> ReadSequentially(const std::filesystem::path& path,
                                                     std::size_t blockSize = kReadBlock);

} // namespace tarvelo::bench
