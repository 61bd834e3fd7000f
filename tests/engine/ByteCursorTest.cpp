// The buffered cursor the scan reads through: whatever the pattern of requests (sequential windows,
// jumps forward and back, requests across the buffer's end), it delivers the source's bytes; and a
// jump costs a small read, not a whole buffer.
#include "reader/ByteSource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace tarvelo {
namespace {

// A source that is not contiguous in memory (as a file is) and records the size of every read.
class RecordingSource final : public ByteSource {
public:
    explicit RecordingSource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    [[nodiscard]] std::uint64_t Size() const override { return bytes_.size(); }
    ReadResult ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        reads.push_back(out.size());
        if (offset >= bytes_.size()) {
            return {};
        }
        const std::size_t count = std::min(out.size(), bytes_.size() - static_cast<std::size_t>(offset));
        std::memcpy(out.data(), bytes_.data() + offset, count);
        return {count, false};
    }
    std::vector<std::size_t> reads;

private:
    std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> Numbered(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 131) ^ (i >> 9));
    }
    return bytes;
}

TEST(ByteCursor, DeliversTheSourceBytesForAnyPatternOfRequests) {
    const std::vector<std::uint8_t> bytes = Numbered(3 * 1024 * 1024 + 77);
    RecordingSource source(bytes);
    ByteCursor cursor(source);
    std::mt19937_64 random(5);
    std::uint64_t position = 0;
    for (int request = 0; request < 20000; ++request) {
        const auto kind = random() % 4;
        if (kind == 0) {
            position = random() % (bytes.size() + 10); // a jump anywhere, sometimes past the end
        } else if (kind == 1) {
            position += random() % 300000; // a skip forward
        } else {
            position += 1020; // the scan's next window
        }
        const auto count = static_cast<std::size_t>(1 + random() % 4096);
        const ByteCursor::View view = cursor.Fetch(position, count);
        const std::size_t expected =
            position >= bytes.size()
                ? 0
                : std::min<std::size_t>(count, static_cast<std::size_t>(bytes.size() - position));
        ASSERT_EQ(view.bytes.size(), expected) << "at " << position;
        EXPECT_FALSE(view.failed);
        if (expected > 0) {
            ASSERT_EQ(std::memcmp(view.bytes.data(), bytes.data() + position, expected), 0)
                << "at " << position;
        }
        if (position >= bytes.size()) {
            position = 0;
        }
    }
}

TEST(ByteCursor, ReadsStartSmallAfterAJumpAndGrowWhileSequential) {
    RecordingSource source(Numbered(8 * 1024 * 1024));
    ByteCursor cursor(source);
    // Sequential windows: reads double up to the capacity.
    for (std::uint64_t at = 0; at < 4 * 1024 * 1024; at += 1020) {
        ASSERT_EQ(cursor.Fetch(at, 1026).bytes.size(), 1026u);
    }
    EXPECT_EQ(source.reads.back(), ByteCursor::kDefaultCapacity);
    // Jumps, as over the data of file entries: each costs one read far smaller than the buffer.
    source.reads.clear();
    for (std::uint64_t at = 4 * 1024 * 1024 + 500000; at + 2048 < 8 * 1024 * 1024; at += 500000) {
        ASSERT_EQ(cursor.Fetch(at, 1026).bytes.size(), 1026u);
    }
    ASSERT_FALSE(source.reads.empty());
    for (const std::size_t read : source.reads) {
        EXPECT_LE(read, ByteCursor::kDefaultCapacity / 16);
    }
}

} // namespace
} // namespace tarvelo
