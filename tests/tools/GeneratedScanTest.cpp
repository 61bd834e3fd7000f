// The reader's scan of generated backups finds exactly the entries the generator says it wrote: the
// expected results other tests rely on are the ones a scan produces.
#include "reader/MtfReader.h"
#include "tools/bkfgen/BigBackup.h"
#include "tools/bkfgen/DemoBackup.h"
#include "tools/bkfgen/RandomBackup.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvelo::bkfgen {
namespace {

class FileList final : public ScanSink {
public:
    void FileFound(std::unique_ptr<FileRecord> record) override { files.push_back(*record); }
    void Progress(std::unique_ptr<ProgressRecord>) override {}
    std::vector<FileRecord> files;
};

std::vector<FileRecord> ScanBytes(const std::string& bytes) {
    ScanControl control;
    control.running = 1;
    FileList sink;
    MtfReader reader(control, sink);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    EXPECT_EQ(
        reader.Scan(std::make_unique<MemoryByteSource>(std::span<const std::uint8_t>(data, bytes.size()))),
        ScanResult::Completed);
    return sink.files;
}

void ExpectSameEntries(const std::vector<FileRecord>& found, const BackupLayout& layout,
                       const std::string& what) {
    std::vector<WrittenEntry> expected;
    for (const auto& entry : layout.entries) {
        if (entry.reported) {
            expected.push_back(entry);
        }
    }
    ASSERT_EQ(found.size(), expected.size()) << what;
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].EntryOffset(), expected[i].offset) << what << " entry " << i;
        EXPECT_EQ(found[i].Path(), expected[i].path) << what << " entry " << i;
        EXPECT_EQ(found[i].DataSize(), static_cast<std::uint32_t>(expected[i].dataLength))
            << what << " entry " << i;
    }
}

TEST(GeneratedScan, DemoBackupYieldsItsNineFiles) {
    std::string bytes;
    StringOutput output(bytes);
    const BackupLayout layout = WriteDemoBackup(output);
    ExpectSameEntries(ScanBytes(bytes), layout, "demo");
}

TEST(GeneratedScan, RandomBackupsWithoutStrayTagsYieldTheirLayout) {
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        RandomBackupOptions options;
        options.seed = seed;
        options.files = 30;
        options.catalogues = false; // an "ETED"-typed catalogue entry is itself met as an entry
        BackupLayout layout;
        const std::string bytes = MakeRandomBackup(options, &layout);
        ExpectSameEntries(ScanBytes(bytes), layout, "seed " + std::to_string(seed));
    }
}

TEST(GeneratedScan, BigSparseBackupYieldsTheEntryBeyondFourGibibytes) {
    const auto dir = std::filesystem::temp_directory_path();
    if (std::filesystem::space(dir).available < 256ULL << 20) {
        GTEST_SKIP() << "less than 256 MiB free in " << dir;
    }
    const auto path = dir / "bkfgen-big-scan-test.bkf";
    BackupLayout layout;
    {
        FileOutput output(path);
        layout = WriteBigBackup({}, output);
    }
    ScanControl control;
    control.running = 1;
    FileList sink;
    MtfReader reader(control, sink);
    EXPECT_EQ(reader.Scan(path), ScanResult::Completed);
    reader.CloseBackup();
    std::filesystem::remove(path);
    ExpectSameEntries(sink.files, layout, "big");
}

} // namespace
} // namespace tarvelo::bkfgen
