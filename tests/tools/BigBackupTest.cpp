#include "tools/bkfgen/BigBackup.h"

#include "tools/bkfgen/LittleEndian.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tarvelo::bkfgen {
namespace {

std::string ReadAt(const std::filesystem::path& path, std::uint64_t offset, std::size_t count) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    std::string bytes(count, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

TEST(BigBackup, EntriesBeyondFourGibibytesAreWrittenSparsely) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto before = std::filesystem::space(dir);
    if (before.available < 256ULL << 20) {
        GTEST_SKIP() << "less than 256 MiB free in " << dir;
    }
    const auto path = dir / "bkfgen-big-test.bkf";
    BackupLayout layout;
    {
        FileOutput output(path);
        layout = WriteBigBackup({}, output);
    }
    const auto after = std::filesystem::space(dir);
    const std::uint64_t size = std::filesystem::file_size(path);

    ASSERT_EQ(layout.entries.size(), 3u);
    EXPECT_EQ(size, layout.size);
    const auto& big = layout.entries[1];
    const auto& last = layout.entries[2];
    EXPECT_EQ(big.dataLength, static_cast<std::int64_t>(4 * kGiB + 4096));
    EXPECT_GT(last.offset, 4 * kGiB);

    for (const auto& entry : layout.entries) {
        const std::string head = ReadAt(path, entry.offset, 26);
        ASSERT_EQ(head.substr(0, 4), "ETED");
        EXPECT_EQ(GetLe64(head, 8),
                  4 + entry.nameBytes.size() + static_cast<std::uint64_t>(entry.dataLength));
    }
    EXPECT_EQ(ReadAt(path, big.dataOffset + 3 * kGiB, 4), std::string(4, '\0'));
    EXPECT_EQ(ReadAt(path, last.dataOffset, 3), FileData::Patterned(3000, 7).Slice(0, 3));
    std::filesystem::remove(path);
    // Sparse: far less disk was taken than the file's length (others may write meanwhile, hence the margin).
    EXPECT_LT(before.available - std::min(before.available, after.available), 1ULL << 30);
}

} // namespace
} // namespace tarvelo::bkfgen
