// A backup longer than 4 GiB, kept sparse: an entry whose data is longer than 4 GiB and an entry that
// starts beyond 4 GiB. On the 32-bit Windows build every file position must be 64-bit for this to work.
#include "platform/os/SparseFile.h"
#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "tests/reader/RecordingSink.h"
#include "tests/reader/TestBytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace tarvelo {
namespace {

using namespace std::string_view_literals;
using test::Le;
using test::TestBytes;

constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;
constexpr std::uint64_t kBigData = 4 * kGiB + 4096;
constexpr std::uint64_t kBigEntry = 3072;

std::string Pattern(std::size_t size) {
    std::string out(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        out[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    }
    return out;
}

std::string ReadWhole(const std::filesystem::path& path) {
    std::string out(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    std::ifstream in(path, std::ios::binary);
    in.read(out.data(), static_cast<std::streamsize>(out.size()));
    return out;
}

TEST(LargeBackup, EntryBeyondFourGiBIsFoundAndExtracted) {
    const auto folder = PathFromUtf8(TARVELO_BINARY_DIR) / "large-backup";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto backup = folder / "big.bkf";

    TestBytes head;
    test::PutSet(head, 0, 1, u"Big", u"ADMIN");
    test::PutVolume(head, 1024, u"C:");
    test::PutDirectory(head, 2048, Le(u"Big\0"sv));
    test::PutEntry(head, kBigEntry, Le(u"big.bin"), kBigData, /*writeData=*/false);
    const std::uint64_t bigDataEnd = kBigEntry + 26 + 14 + kBigData;
    const std::uint64_t afterEntry = (bigDataEnd + 1023) / 1024 * 1024;
    TestBytes tail;
    test::PutEntry(tail, 0, Le(u"after.bin"), 3000, /*writeData=*/false);
    const std::string afterData = Pattern(3000);

    // The data of big.bin is never written: it stays a hole that reads as zeros.
    ASSERT_TRUE(os::CreateSparseFile(backup));
    {
        std::fstream out(backup, std::ios::in | std::ios::out | std::ios::binary);
        out.write(reinterpret_cast<const char*>(head.Bytes().data()),
                  static_cast<std::streamsize>(head.Size()));
        out.seekp(static_cast<std::streamoff>(afterEntry));
        out.write(reinterpret_cast<const char*>(tail.Bytes().data()),
                  static_cast<std::streamsize>(tail.Size()));
        out.write(afterData.data(), static_cast<std::streamsize>(afterData.size()));
        ASSERT_TRUE(out.good());
    }
    ASSERT_EQ(std::filesystem::file_size(backup), afterEntry + tail.Size() + afterData.size());

    ScanControl control;
    control.running = 1;
    test::RecordingSink sink;
    MtfReader reader(control, sink);
    ASSERT_EQ(reader.Scan(backup), ScanResult::Completed);
    const auto files = test::FilesOf(sink.events);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].Path(), u"BKFSET1(BigADMIN)C\\Big\\big.bin");
    EXPECT_EQ(files[0].EntryOffset(), kBigEntry);
    EXPECT_EQ(files[1].Path(), u"BKFSET1(BigADMIN)C\\Big\\after.bin");
    EXPECT_EQ(files[1].EntryOffset(), afterEntry);
    EXPECT_EQ(files[1].DataSize(), 3000u);
    const auto progress = test::ProgressOf(sink.events);
    ASSERT_FALSE(progress.empty());
    EXPECT_GT(progress.back().length, 4 * kGiB);

    control.extracting = 1;
    const auto afterPath = folder / "after.bin";
    const ExtractOutcome after =
        reader.HandleFileEntry(files[1].EntryOffset(), afterPath, PreviewLimit::WholeFile);
    EXPECT_EQ(after.result, ExtractResult::Written);
    EXPECT_EQ(ReadWhole(afterPath), afterData);

    // The preview of the big entry: its first 5 MiB, all zeros, read from the hole.
    const auto bigPath = folder / "big.bin";
    const ExtractOutcome big = reader.HandleFileEntry(files[0].EntryOffset(), bigPath, PreviewLimit::Preview);
    EXPECT_EQ(big.result, ExtractResult::Written);
    EXPECT_EQ(big.bytesWritten, 5u << 20);
    EXPECT_EQ(ReadWhole(bigPath), std::string(5u << 20, '\0'));

    reader.CloseBackup(); // Windows cannot remove files that are still open
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tarvelo
