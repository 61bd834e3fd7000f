// A sparse generated backup past 4 GiB, read from disk: an entry whose data is longer than 4 GiB and
// an entry that starts beyond 4 GiB. The scan reports their 64-bit offsets and the low 32 bits of
// their lengths as the reference does; the preview writes exactly 5 MiB, whole extraction the full
// length.
#include "reader/MtfReader.h"
#include "tests/reader/RecordingSink.h"
#include "tests/reader/ReferenceScan.h"
#include "tools/bkfgen/BigBackup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tarvelo {
namespace {

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;

class BeyondFourGibibytes : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::filesystem::path dir = TARVELO_BINARY_DIR;
        // The file is sparse: its 4 GiB of zeros cost no disk where holes are supported.
        if (std::filesystem::space(dir).available < 512 * kMiB) {
            return;
        }
        path_ = new std::filesystem::path(dir /
                                          ("beyond-4gib-" + std::to_string(std::random_device{}()) + ".bkf"));
        bkfgen::FileOutput output(*path_);
        layout_ = new bkfgen::BackupLayout(bkfgen::WriteBigBackup({}, output));
    }
    static void TearDownTestSuite() {
        if (path_ != nullptr) {
            std::filesystem::remove(*path_);
        }
        delete path_;
        delete layout_;
        path_ = nullptr;
        layout_ = nullptr;
    }
    void SetUp() override {
        if (path_ == nullptr) {
            GTEST_SKIP() << "less than 512 MiB free for the sparse backup";
        }
    }

    static const bkfgen::WrittenEntry& Entry(std::size_t index) { return layout_->entries.at(index); }

    static std::filesystem::path OutputPath(const char* name) {
        return std::filesystem::path(TARVELO_BINARY_DIR) / (path_->stem().string() + "-" + name);
    }

    static std::filesystem::path* path_;
    static bkfgen::BackupLayout* layout_;
};

std::filesystem::path* BeyondFourGibibytes::path_ = nullptr;
bkfgen::BackupLayout* BeyondFourGibibytes::layout_ = nullptr;

TEST_F(BeyondFourGibibytes, ScanReportsSixtyFourBitOffsetsAndLowLengthBitsLikeTheReference) {
    ASSERT_EQ(layout_->entries.size(), 3u);
    ASSERT_GT(Entry(1).dataLength, std::int64_t{4} << 30);
    ASSERT_GT(Entry(2).offset, std::uint64_t{4} << 30);

    ScanControl control;
    control.running = 1;
    test::RecordingSink sink;
    MtfReader reader(control, sink);
    ASSERT_EQ(reader.Scan(*path_), ScanResult::Completed);
    const auto files = test::FilesOf(sink.events);
    ASSERT_EQ(files.size(), 3u);
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(files[i].EntryOffset(), Entry(i).offset) << i;
        EXPECT_EQ(files[i].DataSize(), static_cast<std::uint32_t>(Entry(i).dataLength)) << i;
        EXPECT_EQ(files[i].Path(), Entry(i).path) << i;
    }
    EXPECT_EQ(files[1].DataSize(), 4096u); // 4 GiB + 4096: the low 32 bits

    ScanControl referenceControl;
    referenceControl.running = 1;
    test::RecordingSink expected;
    ASSERT_EQ(test::ReferenceScan(*path_, referenceControl, expected), test::ReferenceEnd::Completed);
    EXPECT_TRUE(expected.events == sink.events);
}

TEST_F(BeyondFourGibibytes, PreviewWritesExactlyFiveMebibytesAndAnEntryPastFourGibibytesWhole) {
    ScanControl control;
    control.running = 1;
    control.extracting = 1;
    MtfReader reader(control);
    ASSERT_EQ(reader.OpenBackup(*path_), OpenResult::Opened);

    const auto preview = OutputPath("preview.bin");
    const ExtractOutcome big = reader.HandleFileEntry(Entry(1).offset, preview, PreviewLimit::Preview);
    EXPECT_EQ(big.result, ExtractResult::Written);
    EXPECT_EQ(big.bytesWritten, 5 * kMiB);
    EXPECT_EQ(std::filesystem::file_size(preview), 5 * kMiB);
    std::filesystem::remove(preview);

    const auto after = OutputPath("after.bin");
    const ExtractOutcome last = reader.HandleFileEntry(Entry(2).offset, after, PreviewLimit::WholeFile);
    EXPECT_EQ(last.result, ExtractResult::Written);
    std::string written(4000, '\0');
    std::ifstream in(after, std::ios::binary);
    in.read(written.data(), static_cast<std::streamsize>(written.size()));
    written.resize(static_cast<std::size_t>(in.gcount()));
    in.close();
    EXPECT_EQ(written, bkfgen::FileData::Patterned(3000, 7).Slice(0, 3000));
    std::filesystem::remove(after);
}

TEST_F(BeyondFourGibibytes, WholeExtractionOfTheLongEntryDeliversEveryByte) {
    ScanControl control;
    control.extracting = 1;
    MtfReader reader(control);
    ASSERT_EQ(reader.OpenBackup(*path_), OpenResult::Opened);
    // Counted, not stored: 4 GiB of output would need the disk space of a real copy.
    MemoryExtractionOutput output(false);
    const ExtractOutcome outcome = reader.HandleFileEntry(Entry(1).offset, output, PreviewLimit::WholeFile);
    EXPECT_EQ(outcome.result, ExtractResult::Written);
    EXPECT_EQ(outcome.bytesWritten, static_cast<std::uint64_t>(Entry(1).dataLength));
    EXPECT_EQ(output.Written(), static_cast<std::uint64_t>(Entry(1).dataLength));
}

} // namespace
} // namespace tarvelo
