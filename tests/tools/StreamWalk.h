// Walks a generated backup by its MTF structure (block headers, stream headers, padding), checking
// every checksum on the way: the structure a real reader of the format would see.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvelo::bkfgen::test {

struct WalkItem {
    std::uint64_t offset = 0;
    std::string tag; // block tag, or stream id for streams
    bool block = false;
};

struct Walk {
    std::vector<WalkItem> items;
    std::vector<std::string> faults; // empty for a sound stream
};

[[nodiscard]] Walk WalkStream(const std::string& bytes);
[[nodiscard]] std::vector<std::string> BlockTags(const Walk& walk);

} // namespace tarvelo::bkfgen::test
