#include "tests/tools/StreamWalk.h"

#include "tools/bkfgen/BlockWriter.h"
#include "tools/bkfgen/LittleEndian.h"

namespace tarvelo::bkfgen::test {

namespace {

bool IsDescriptor(const std::string& tag) {
    for (const char* known : {"TAPE", "SSET", "VOLB", "DIRB", "FILE", "ESET", "EOTM", "SFMB"}) {
        if (tag == known) {
            return true;
        }
    }
    return false;
}

} // namespace

Walk WalkStream(const std::string& bytes) {
    Walk walk;
    std::uint64_t at = 0;
    auto fault = [&](const std::string& what) { walk.faults.push_back(what + " at " + std::to_string(at)); };
    // Streams that follow at `at` until SPAD or a new block boundary without a stream.
    auto streams = [&](bool untilSpad) {
        while (at + kStreamHeaderSize <= bytes.size()) {
            const std::string id = bytes.substr(static_cast<std::size_t>(at), 4);
            if (IsDescriptor(id) || id == std::string(4, '\0')) {
                return;
            }
            if (GetLe16(bytes, static_cast<std::size_t>(at) + 20) !=
                StreamChecksum(bytes, static_cast<std::size_t>(at))) {
                fault("stream checksum of " + id);
            }
            walk.items.push_back({at, id, false});
            const std::uint64_t length = GetLe64(bytes, static_cast<std::size_t>(at) + 8);
            at += kStreamHeaderSize + length;
            at += (4 - at % 4) % 4;
            if (id == "SPAD") {
                if (at % kBlockSize != 0) {
                    fault("SPAD not ending on a block edge");
                }
                return;
            }
            if (!untilSpad && at % kBlockSize == 0) {
                return;
            }
        }
    };
    while (at < bytes.size()) {
        if (at % kBlockSize != 0) {
            fault("block off the block grid");
            return walk;
        }
        const std::string tag = bytes.substr(static_cast<std::size_t>(at), 4);
        if (IsDescriptor(tag)) {
            const auto base = static_cast<std::size_t>(at);
            if (GetLe16(bytes, base + 50) != HeaderChecksum(bytes, base)) {
                fault("header checksum of " + tag);
            }
            if (GetLe64(bytes, base + 20) != at / kBlockSize) {
                fault("format logical address of " + tag);
            }
            walk.items.push_back({at, tag, true});
            if (tag == "SFMB") {
                at += kBlockSize;
                continue;
            }
            at += GetLe16(bytes, base + 8);
            streams(true);
        } else {
            streams(true); // an "ETED" entry or a catalogue standing as a stream of its own
            if (at % kBlockSize != 0) {
                fault("stream run not closed by SPAD");
                return walk;
            }
        }
    }
    if (at != bytes.size()) {
        fault("stream runs past the end");
    }
    return walk;
}

std::vector<std::string> BlockTags(const Walk& walk) {
    std::vector<std::string> tags;
    for (const auto& item : walk.items) {
        if (item.block || item.tag != "SPAD") {
            tags.push_back(item.tag);
        }
    }
    return tags;
}

} // namespace tarvelo::bkfgen::test
