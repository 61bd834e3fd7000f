// A backup whose reads fail part-way (an I/O error, not the end of the file): the scan ends cleanly
// with ReadFailed, and what it reported before is exactly the start of what a scan of the intact
// file reports, so every record sent stays valid.
#include "reader/MtfReader.h"
#include "tests/reader/RecordingSink.h"
#include "tools/bkfgen/RandomBackup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace tarvelo {
namespace {

// Serves the bytes up to `failAt`; a read that reaches past it delivers what lies before and reports
// an error. Not contiguous, so the reader reads through its buffer as from a file.
class FailingSource final : public ByteSource {
public:
    FailingSource(const std::vector<std::uint8_t>& bytes, std::uint64_t failAt)
        : bytes_(bytes), failAt_(failAt) {}
    [[nodiscard]] std::uint64_t Size() const override { return bytes_.size(); }
    ReadResult ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset >= bytes_.size()) {
            return {};
        }
        std::size_t count = std::min(out.size(), bytes_.size() - static_cast<std::size_t>(offset));
        bool failed = false;
        if (offset + count > failAt_) {
            count = static_cast<std::size_t>(failAt_ - std::min(offset, failAt_));
            failed = true;
        }
        std::memcpy(out.data(), bytes_.data() + offset, count);
        return {count, failed};
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::uint64_t failAt_;
};

struct Scanned {
    ScanResult result;
    std::vector<test::ScanEvent> events;
};

Scanned ScanWithFailureAt(const std::vector<std::uint8_t>& bytes, std::uint64_t failAt,
                          std::size_t bufferSize) {
    ScanControl control;
    control.running = 1;
    test::RecordingSink sink;
    MtfReader reader(control, sink);
    reader.SetReadBufferSize(bufferSize);
    const ScanResult result = reader.Scan(std::make_unique<FailingSource>(bytes, failAt));
    return {result, std::move(sink.events)};
}

TEST(FailingReads, TheScanEndsCleanlyAndKeepsWhatItReportedBefore) {
    bkfgen::RandomBackupOptions options;
    options.seed = 17;
    options.files = 30;
    options.maxDataSize = 6000;
    const std::string text = bkfgen::MakeRandomBackup(options);
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    const Scanned intact = ScanWithFailureAt(bytes, UINT64_MAX, 4096);
    ASSERT_EQ(intact.result, ScanResult::Completed);
    ASSERT_GT(test::FilesOf(intact.events).size(), 10u);

    std::size_t failedScans = 0;
    for (std::uint64_t failAt = 0; failAt < bytes.size(); failAt += 97) {
        for (const std::size_t bufferSize : {std::size_t{2048}, std::size_t{1} << 20}) {
            const Scanned scanned = ScanWithFailureAt(bytes, failAt, bufferSize);
            SCOPED_TRACE("failure at " + std::to_string(failAt) + ", buffer " + std::to_string(bufferSize));
            // Some failures lie in data the scan skips; otherwise it must end on the error.
            ASSERT_TRUE(scanned.result == ScanResult::ReadFailed || scanned.result == ScanResult::Completed);
            failedScans += scanned.result == ScanResult::ReadFailed ? 1 : 0;
            ASSERT_LE(scanned.events.size(), intact.events.size());
            for (std::size_t i = 0; i < scanned.events.size(); ++i) {
                ASSERT_TRUE(scanned.events[i] == intact.events[i]) << "record " << i;
            }
            if (scanned.result == ScanResult::Completed) {
                EXPECT_EQ(scanned.events.size(), intact.events.size());
            }
            // Nothing reported can come from bytes the source never delivered.
            for (const FileRecord& file : test::FilesOf(scanned.events)) {
                EXPECT_LT(file.EntryOffset(), failAt);
            }
        }
    }
    EXPECT_GT(failedScans, bytes.size() / 97);
}

} // namespace
} // namespace tarvelo
