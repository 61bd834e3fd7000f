#include "reader/CatalogueWalk.h"

#include "tests/reader/TestBytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvelo {
namespace {

using test::TestBytes;

// Serves entry reads from a byte buffer whose first byte is the "TFDD" tag.
class BufferEntries final : public CatalogueEntrySource {
public:
    explicit BufferEntries(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    std::span<const std::uint8_t> EntryBytes(std::uint64_t offsetFromTag, std::size_t count) override {
        ++reads;
        if (offsetFromTag >= bytes_.size()) {
            return {};
        }
        const auto start = static_cast<std::size_t>(offsetFromTag);
        return std::span(bytes_).subspan(start, std::min(count, bytes_.size() - start));
    }
    int reads = 0;

private:
    const std::vector<std::uint8_t>& bytes_;
};

struct Entry {
    std::size_t length;
    std::string type;
};

// A catalogue with the given entries back to back from offset 22, and `tail` zero bytes after them.
TestBytes Catalogue(const std::vector<Entry>& entries, std::size_t tail = 64) {
    TestBytes bytes;
    bytes.Raw(0, "TFDD");
    std::size_t at = 22;
    for (const auto& entry : entries) {
        bytes.Le16(at, entry.length).Raw(at + 2, entry.type);
        at += entry.length;
    }
    return bytes.Resize(at + tail);
}

CatalogueLength Walk(const TestBytes& bytes) {
    BlockWindow window{};
    std::copy_n(bytes.Bytes().begin(), std::min(bytes.Size(), window.size()), window.begin());
    BufferEntries source(bytes.Bytes());
    return WalkCatalogue(window, source);
}

TEST(CatalogueWalk, LengthIsTheOffsetOfTheLastContinuingEntry) {
    struct Case {
        std::vector<Entry> entries;
        std::size_t tail;
        bool failed;
        std::uint64_t length;
    };
    const std::vector<Case> cases = {
        {{{36, "FEND"}}, 64, false, 0},
        {{{40, "VOLB"}, {50, "DIRB"}, {36, "FEND"}}, 64, false, 62},
        {{{40, "VOLB"}, {50, "DIRB"}, {60, "ETED"}, {36, "FILE"}}, 64, false, 112},
        {{{40, "VOLB"}, {50, std::string("\0\0\0\0", 4)}}, 64, false, 22},
        {{{40, "VOLB"}, {50, "SSET"}}, 64, false, 22},
        {{{40, "VOLB"}, {50, "dirb"}}, 64, false, 22},
        {{{1016, "DIRB"}, {36, "FEND"}}, 64, false, 22},
        {{{1017, "DIRB"}, {36, "FEND"}}, 64, true, 0}, // too long for the window
        {{{40, "VOLB"}, {0, "DIRB"}}, 64, true, 0},    // would never move on
        {{{40, "VOLB"}, {50, "DIRB"}}, 0, true, 0},    // the file ends inside the last entry's read
        {{{40, "VOLB"}, {50, "DIRB"}}, 8, false, 62},  // ...or just after its 8 bytes
    };
    for (const auto& c : cases) {
        const CatalogueLength result = Walk(Catalogue(c.entries, c.tail));
        EXPECT_EQ(result.failed, c.failed) << c.entries.size() << " " << c.length;
        if (!c.failed) {
            EXPECT_EQ(result.length, c.length);
        }
    }
}

TEST(CatalogueWalk, ShortEntriesStillEndAtTheEndOfTheFile) {
    // Entries of length 4 whose type overlaps the next entry: "DIRB" types every 4 bytes can only be
    // written as a repeating pattern; the walk must move forward and stop at the file's end.
    TestBytes bytes;
    bytes.Raw(0, "TFDD");
    for (std::size_t at = 22; at < 4000; at += 6) {
        bytes.Le16(at, 6).Raw(at + 2, "DIRB");
    }
    const CatalogueLength result = Walk(bytes);
    EXPECT_TRUE(result.failed);
}

} // namespace
} // namespace tarvelo
