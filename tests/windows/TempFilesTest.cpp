// The record file and the extraction folder in a temporary folder with a wide name, and the clean-up
// when another program holds a file open: Windows refuses to delete such a file (and so its folder).
#include "recovery/TempFiles.h"

#include "reader/TextEncoding.h"
#include "recovery/RecordFile.h"
#include "recovery/SnapshotFile.h"
#include "tests/windows/ScopedVariable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace tarvelo {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class TempFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(temp_);
        fs::create_directories(temp_);
    }
    void TearDown() override { fs::remove_all(temp_); }

    const fs::path temp_ =
        fs::absolute(PathFromUtf8(TARVELO_BINARY_DIR) / PathFromUtf16(u"Temp Ü 临时")).make_preferred();
    const test::ScopedVariable tmp_{L"TMP", temp_.native()};
};

TEST_F(TempFilesTest, NamesFollowTheWideTemporaryFolder) {
    EXPECT_EQ(RecordFilePath(), temp_ / kRecordFileName);
    EXPECT_EQ(ExtractionFolderPath(), temp_ / kExtractionFolderName);
    std::string error;
    RecordFile records = RecordFile::Create(RecordFilePath(), error);
    ASSERT_TRUE(records.IsOpen()) << error;
    EXPECT_TRUE(records.Append(FileRecord{}));
    records.CloseAndRemove();
    EXPECT_FALSE(fs::exists(temp_ / kRecordFileName));
}

TEST_F(TempFilesTest, FileHeldOpenByAnotherProgramSurvivesAndTheRestIsRemoved) {
    const fs::path folder = ExtractionFolderPath();
    fs::create_directories(folder / "sub" / "deeper");
    fs::create_directories(folder / "empty");
    Write(folder / "free.edb", "a");
    Write(folder / "sub" / "free.stm", "b");
    Write(folder / "sub" / "deeper" / PathFromUtf16(u"geöffnet 打开.edb"), "c");
    {
        // The C runtime opens without delete sharing, as most programs do.
        std::ifstream holder(folder / "sub" / "deeper" / PathFromUtf16(u"geöffnet 打开.edb"),
                             std::ios::binary);
        ASSERT_TRUE(holder.is_open());
        CleanUpExtractionFolder(); // must neither throw nor stop at the first refusal
        EXPECT_TRUE(fs::exists(folder / "sub" / "deeper" / PathFromUtf16(u"geöffnet 打开.edb")));
        EXPECT_FALSE(fs::exists(folder / "free.edb"));
        EXPECT_FALSE(fs::exists(folder / "sub" / "free.stm"));
        EXPECT_FALSE(fs::exists(folder / "empty"));
    }
    CleanUpExtractionFolder();
    EXPECT_FALSE(fs::exists(folder));
}

TEST_F(TempFilesTest, SnapshotUnderAWideNameKeepsTheWideBackupPath) {
    std::string error;
    RecordFile records = RecordFile::Create(RecordFilePath(), error);
    ASSERT_TRUE(records.IsOpen()) << error;
    FileRecord record;
    record.SetPath(u"BKFSET1(SicherungADMIN)C\\Daten\\Bericht ü 报告.txt");
    record.SetEntryOffset(5ull << 32);
    ASSERT_TRUE(records.Append(record));

    const fs::path snapshot = temp_ / PathFromUtf16(u"Überprüfung 名前.TARVSNAPQUORIN");
    const std::u16string backup = u"D:\\Sicherungen\\Überprüfung 名前.bkf";
    const SnapshotSaveResult saved = SaveSnapshot(snapshot, backup, records);
    ASSERT_TRUE(saved.ok) << saved.error;

    SnapshotOpenResult opened = SnapshotReader::Open(snapshot);
    ASSERT_EQ(opened.status, SnapshotOpenStatus::Ok) << opened.error;
    EXPECT_EQ(opened.reader->BackupPath(), backup);
    const auto first = opened.reader->Next();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, record);
    EXPECT_FALSE(opened.reader->Next().has_value());
    opened.reader.reset(); // close before the folder is removed
    records.CloseAndRemove();
}

} // namespace
} // namespace tarvelo
