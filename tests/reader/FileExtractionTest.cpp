#include "reader/MtfReader.h"
#include "tests/reader/RecordingSink.h"
#include "tests/reader/TestBytes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

namespace tarvelo {
namespace {

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

// The data byte at a file offset: cheap to produce for gigabytes, different in every mebibyte.
std::uint8_t PatternAt(std::uint64_t offset, std::uint8_t seed) {
    return static_cast<std::uint8_t>(offset % 251 + (offset >> 20) + seed);
}

// A backup with one "ETED" entry at `entryOffset` whose bytes after the header follow the pattern,
// `size` bytes long in all, without holding them in memory.
class SyntheticBackup final : public ByteSource {
public:
    SyntheticBackup(std::uint64_t entryOffset, std::uint64_t entryLength, std::uint64_t size,
                    std::uint8_t seed = 0, std::uint64_t failAt = UINT64_MAX)
        : entryOffset_(entryOffset), size_(size), seed_(seed), failAt_(failAt) {
        test::TestBytes header;
        header.Raw(0, "ETED").Le64(8, entryLength).Le32(22, 4).Raw(26, "n\0a\0");
        header_ = header.Bytes();
    }
    [[nodiscard]] std::uint64_t Size() const override { return size_; }
    ReadResult ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        ++reads;
        std::size_t count =
            static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), size_ - std::min(offset, size_)));
        const bool fails = offset + count > failAt_;
        if (fails) {
            count = static_cast<std::size_t>(failAt_ - std::min(offset, failAt_));
        }
        if (flat) {
            // Gigabyte runs: filling is enough to see that the right amount arrives.
            std::fill_n(out.begin(), count, seed_);
        } else {
            for (std::size_t i = 0; i < count; ++i) {
                out[i] = PatternAt(offset + i, seed_);
            }
        }
        for (std::size_t j = 0; j < header_.size(); ++j) {
            const std::uint64_t at = entryOffset_ + j;
            if (at >= offset && at - offset < count) {
                out[static_cast<std::size_t>(at - offset)] = header_[j];
            }
        }
        return {count, fails};
    }
    int reads = 0;
    bool flat = false; // data bytes all equal the seed (headers are not served either)

private:
    std::uint64_t entryOffset_, size_;
    std::uint8_t seed_;
    std::uint64_t failAt_;
    std::vector<std::uint8_t> header_;
};

// Counts what it is given and checks each byte against the pattern from `dataStart` on, keeping
// memory flat for outputs of gigabytes.
class CheckingOutput final : public ExtractionOutput {
public:
    explicit CheckingOutput(std::uint64_t dataStart, std::uint8_t seed = 0,
                            ScanControl* stopAfterFirst = nullptr)
        : next_(dataStart), seed_(seed), stop_(stopAfterFirst) {}
    bool Write(std::span<const std::uint8_t> bytes) override {
        for (const std::uint8_t byte : bytes) {
            mismatches += byte != PatternAt(next_++, seed_) ? 1u : 0u;
        }
        written += bytes.size();
        if (stop_ != nullptr) {
            stop_->extracting = 0;
        }
        return true;
    }
    std::uint64_t written = 0;
    std::uint64_t mismatches = 0;

private:
    std::uint64_t next_;
    std::uint8_t seed_;
    ScanControl* stop_;
};

constexpr std::uint64_t kEntry = 4096;
constexpr std::uint64_t kDataStart = kEntry + 30; // 26 + N with N = 4

ExtractOutcome Extract(std::int64_t dataLength, PreviewLimit limit, CheckingOutput& output,
                       std::uint64_t fileSize = 0) {
    ScanControl control;
    control.running = 1;
    control.extracting = 1;
    MtfReader reader(control);
    const auto entryLength = static_cast<std::uint64_t>(dataLength) + 8;
    const std::uint64_t size =
        fileSize != 0 ? fileSize
                      : kDataStart + static_cast<std::uint64_t>(std::max<std::int64_t>(dataLength, 0));
    reader.OpenBackup(std::make_unique<SyntheticBackup>(kEntry, entryLength, size));
    return reader.HandleFileEntry(kEntry, output, limit);
}

TEST(Extraction, WritesTheDataOrItsFirstFiveMebibytes) {
    struct Case {
        std::int64_t dataLength;
        PreviewLimit limit;
        std::uint64_t expected;
    };
    const auto mib = static_cast<std::int64_t>(kMiB);
    const std::vector<Case> cases = {
        {0, PreviewLimit::Preview, 0},
        {3 * mib + 5, PreviewLimit::WholeFile, 3 * kMiB + 5},
        {3 * mib + 5, PreviewLimit::Preview, 3 * kMiB + 5},
        {4 * mib + mib / 2, PreviewLimit::Preview, 4 * kMiB + kMiB / 2},
        {5 * mib, PreviewLimit::Preview, 5 * kMiB},
        {5 * mib + 1, PreviewLimit::Preview, 5 * kMiB},
        {100 * mib, PreviewLimit::Preview, 5 * kMiB},
        {6 * static_cast<std::int64_t>(kGiB), PreviewLimit::Preview, 5 * kMiB},
        {7 * mib + 3, PreviewLimit::WholeFile, 7 * kMiB + 3},
        {-1, PreviewLimit::WholeFile, 0}, // negative length: an empty file
    };
    for (const auto& c : cases) {
        CheckingOutput output(kDataStart);
        const ExtractOutcome outcome = Extract(c.dataLength, c.limit, output);
        EXPECT_EQ(outcome.result, ExtractResult::Written) << c.dataLength;
        EXPECT_EQ(outcome.bytesWritten, c.expected) << c.dataLength;
        EXPECT_EQ(output.written, c.expected) << c.dataLength;
        EXPECT_EQ(output.mismatches, 0u) << c.dataLength;
    }
}

TEST(Extraction, WholeFileOverFourGibibytesIsComplete) {
    ScanControl control;
    control.extracting = 1;
    MtfReader reader(control);
    auto source = std::make_unique<SyntheticBackup>(kEntry, 4 * kGiB + 7 + 8, kDataStart + 4 * kGiB + 7);
    source->flat = true;
    reader.OpenBackup(std::move(source));
    MemoryExtractionOutput output(false);
    const ExtractOutcome outcome = reader.HandleFileEntry(kEntry, output, PreviewLimit::WholeFile);
    EXPECT_EQ(outcome.result, ExtractResult::Written);
    EXPECT_EQ(outcome.bytesWritten, 4 * kGiB + 7);
    EXPECT_EQ(output.Written(), 4 * kGiB + 7);
}

TEST(Extraction, ABackupEndingInsideTheDataWritesWhatItHoldsWithoutSpinning) {
    ScanControl control;
    control.extracting = 1;
    MtfReader reader(control);
    // L claims about 2^62 bytes; the file holds 2.5 MiB after the name.
    auto source =
        std::make_unique<SyntheticBackup>(kEntry, std::uint64_t{1} << 62, kDataStart + 5 * kMiB / 2);
    SyntheticBackup* backup = source.get();
    reader.OpenBackup(std::move(source));
    CheckingOutput output(kDataStart);
    const ExtractOutcome outcome = reader.HandleFileEntry(kEntry, output, PreviewLimit::WholeFile);
    EXPECT_EQ(outcome.result, ExtractResult::Written);
    EXPECT_EQ(output.written, 5 * kMiB / 2);
    EXPECT_EQ(output.mismatches, 0u);
    EXPECT_LE(backup->reads, 6);
}

TEST(Extraction, StopsWhenTheExtractingFlagIsClearedAndOnReadErrors) {
    ScanControl control;
    control.extracting = 1;
    MtfReader reader(control);
    reader.OpenBackup(std::make_unique<SyntheticBackup>(kEntry, 10 * kMiB + 8, kDataStart + 10 * kMiB));
    CheckingOutput stopping(kDataStart, 0, &control);
    EXPECT_EQ(reader.HandleFileEntry(kEntry, stopping, PreviewLimit::WholeFile).result,
              ExtractResult::Stopped);
    EXPECT_EQ(stopping.written, kMiB); // the chunk written before the flag was seen stays

    MtfReader failing(control);
    control.extracting = 1;
    failing.OpenBackup(std::make_unique<SyntheticBackup>(kEntry, 10 * kMiB + 8, kDataStart + 10 * kMiB, 0,
                                                         kDataStart + 2 * kMiB + 100));
    CheckingOutput partial(kDataStart);
    const ExtractOutcome outcome = failing.HandleFileEntry(kEntry, partial, PreviewLimit::WholeFile);
    EXPECT_EQ(outcome.result, ExtractResult::ReadFailed);
    EXPECT_EQ(partial.written, 2 * kMiB + 100);
    EXPECT_EQ(partial.mismatches, 0u);
}

TEST(Extraction, ReadersInTwoThreadsDoNotShareTheirBuffer) {
    std::uint64_t mismatches[2] = {0, 0};
    std::uint64_t written[2] = {0, 0};
    auto work = [&](int index) {
        ScanControl control;
        control.extracting = 1;
        MtfReader reader(control);
        const auto seed = static_cast<std::uint8_t>(index * 97 + 1);
        reader.OpenBackup(
            std::make_unique<SyntheticBackup>(kEntry, 16 * kMiB + 8, kDataStart + 16 * kMiB, seed));
        CheckingOutput output(kDataStart, seed);
        reader.HandleFileEntry(kEntry, output, PreviewLimit::WholeFile);
        mismatches[index] = output.mismatches;
        written[index] = output.written;
    };
    std::thread first(work, 0);
    std::thread second(work, 1);
    first.join();
    second.join();
    EXPECT_EQ(written[0], 16 * kMiB);
    EXPECT_EQ(written[1], 16 * kMiB);
    EXPECT_EQ(mismatches[0] + mismatches[1], 0u);
}

class ExtractionFiles : public testing::Test {
protected:
    void SetUp() override {
        folder_ =
            std::filesystem::path(TARVELO_BINARY_DIR) /
            ("extraction-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const auto path = folder_ / name;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    static std::vector<std::uint8_t> Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder_;
};

TEST_F(ExtractionFiles, ScanThenExtractByTheRecordsOffsetTruncatingAnExistingOutput) {
    test::TestBytes bytes;
    test::PutEntry(bytes, 1000, test::Le(u"a.edb"), 3000, true, 0x11);
    test::PutEntry(bytes, 5000, test::Le(u"b.stm"), 10, true, 0x22);
    const auto backup = Write("backup.bkf", bytes.Bytes());
    const auto output = Write("b.stm", std::vector<std::uint8_t>(100000, 0xEE));

    ScanControl control;
    control.running = 1;
    test::RecordingSink sink;
    MtfReader reader(control, sink);
    ASSERT_EQ(reader.Scan(backup), ScanResult::Completed);
    const auto files = test::FilesOf(sink.events);
    ASSERT_EQ(files.size(), 2u);

    control.extracting = 1;
    const ExtractOutcome outcome =
        reader.HandleFileEntry(files[1].EntryOffset(), output, PreviewLimit::Preview);
    EXPECT_EQ(outcome.result, ExtractResult::Written);
    EXPECT_EQ(Read(output), std::vector<std::uint8_t>(10, 0x22));
}

TEST_F(ExtractionFiles, FailuresAreReportedAndCreateNothing) {
    ScanControl control;
    control.extracting = 1;
    MtfReader reader(control);
    EXPECT_EQ(reader.OpenBackup(folder_ / "missing.bkf"), OpenResult::Failed);
    const auto output = folder_ / "out.bin";
    EXPECT_EQ(reader.HandleFileEntry(0, output, PreviewLimit::Preview).result, ExtractResult::NotOpen);
    EXPECT_FALSE(std::filesystem::exists(output));

    test::TestBytes bytes;
    test::PutEntry(bytes, 0, "x\0", 5);
    EXPECT_EQ(reader.OpenBackup(Write("one.bkf", bytes.Bytes())), OpenResult::Opened);
    EXPECT_EQ(reader.OpenBackup(folder_ / "one.bkf"), OpenResult::AlreadyOpen);
    EXPECT_EQ(reader.HandleFileEntry(0, folder_ / "no-folder" / "out.bin", PreviewLimit::Preview).result,
              ExtractResult::OutputFailed);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "no-folder"));
    EXPECT_EQ(reader.HandleFileEntry(0, output, PreviewLimit::Preview).bytesWritten, 5u);
    reader.CloseBackup();
    EXPECT_FALSE(reader.IsOpen());
}

} // namespace
} // namespace tarvelo
