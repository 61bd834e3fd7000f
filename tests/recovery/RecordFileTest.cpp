#include "recovery/RecordFile.h"

#include "recovery/DisplayPath.h"
#include "tests/recovery/TestFolder.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

FileRecord MakeRecord(std::u16string_view path, std::uint32_t size) {
    FileRecord record;
    record.SetPath(path);
    record.SetDataSize(size);
    record.SetEntryOffset(0x1122334455667788ULL);
    return record;
}

TEST(RecordFile, AppendsBackToBackAndReadsRecordNAtItsOffset) {
    const auto folder = test::FreshFolder("records");
    std::string error;
    RecordFile records = RecordFile::Create(folder / "tmpMgntExBKF", error);
    ASSERT_TRUE(records.IsOpen()) << error;
    EXPECT_EQ(records.Count(), 0u);
    for (std::uint32_t i = 1; i <= 3; ++i) {
        ASSERT_TRUE(records.Append(MakeRecord(u"SET\\f" + std::u16string(1, char16_t(u'0' + i)), i)));
        EXPECT_EQ(records.Count(), i);
    }
    ASSERT_TRUE(records.Flush());
    const std::string bytes = test::FileBytes(folder / "tmpMgntExBKF");
    ASSERT_EQ(bytes.size(), 3 * FileRecord::kSize);
    EXPECT_EQ(bytes.substr(2 * FileRecord::kSize, 8),
              std::string("S\0E\0T\0\\\0", 8)); // record 3 starts there

    FileRecord out;
    EXPECT_EQ(records.Read(2, out), FileRecord::kSize);
    EXPECT_EQ(out, MakeRecord(u"SET\\f2", 2));
    EXPECT_EQ(records.Read(0, out), 0u);
    EXPECT_EQ(records.Read(4, out), 0u);
    EXPECT_EQ(out, FileRecord{});

    // Creating again truncates; record numbers start at 1 again.
    records = RecordFile::Create(folder / "tmpMgntExBKF", error);
    EXPECT_EQ(records.Count(), 0u);
    EXPECT_EQ(test::FileBytes(folder / "tmpMgntExBKF").size(), 0u);
    records.CloseAndRemove();
    EXPECT_FALSE(std::filesystem::exists(folder / "tmpMgntExBKF"));
    EXPECT_FALSE(records.IsOpen());
}

TEST(RecordFile, ShortRecordReadsAsZeroBeyondWhatIsThere) {
    const auto folder = test::FreshFolder("short");
    std::string error;
    RecordFile records = RecordFile::Create(folder / "r", error);
    ASSERT_TRUE(records.Append(MakeRecord(u"A\\name.edb", 7)));
    ASSERT_TRUE(records.Append(MakeRecord(u"A\\other.edb", 8)));
    ASSERT_TRUE(records.Flush());
    std::filesystem::resize_file(folder / "r", FileRecord::kSize + 10); // damaged from outside
    FileRecord out;
    EXPECT_EQ(records.Read(2, out), 10u);
    EXPECT_EQ(out.Path(), u"A\\oth");
    EXPECT_EQ(out.DataSize(), 0u);
}

// Records are written a group at a time; every record reads back the same whether its group is still
// in memory or on disk, and the file holds exactly the written groups until Flush or destruction.
TEST(RecordFile, GroupedWritesReadBackFromMemoryAndDisk) {
    const auto folder = test::FreshFolder("grouped");
    const std::uint32_t group = RecordFile::kBufferedRecords;
    const std::uint32_t total = 2 * group + 5;
    std::string error;
    {
        RecordFile records = RecordFile::Create(folder / "r", error);
        ASSERT_TRUE(records.IsOpen()) << error;
        for (std::uint32_t i = 1; i <= total; ++i) {
            ASSERT_TRUE(records.Append(MakeRecord(u"S\\f" + std::u16string(1, char16_t(u'A' + i % 26)), i)));
            EXPECT_EQ(test::FileBytes(folder / "r").size(),
                      std::size_t{i / group * group} * FileRecord::kSize)
                << "after record " << i;
        }
        FileRecord out;
        for (const std::uint32_t n : {1u, group, group + 1, 2 * group, 2 * group + 1, total}) {
            ASSERT_EQ(records.Read(n, out), FileRecord::kSize) << n;
            EXPECT_EQ(out, MakeRecord(u"S\\f" + std::u16string(1, char16_t(u'A' + n % 26)), n)) << n;
        }
        EXPECT_EQ(records.Read(total + 1, out), 0u);
    } // the last 5 are written when the file is let go
    EXPECT_EQ(test::FileBytes(folder / "r").size(), std::size_t{total} * FileRecord::kSize);

    // Replacing the file by a new one first writes what the old one still held.
    RecordFile first = RecordFile::Create(folder / "first", error);
    ASSERT_TRUE(first.Append(MakeRecord(u"S\\x", 1)));
    first = RecordFile::Create(folder / "second", error);
    EXPECT_EQ(test::FileBytes(folder / "first").size(), FileRecord::kSize);
    EXPECT_EQ(first.Count(), 0u);

    // Removing discards the waiting records with the file.
    ASSERT_TRUE(first.Append(MakeRecord(u"S\\y", 1)));
    first.CloseAndRemove();
    EXPECT_FALSE(std::filesystem::exists(folder / "second"));
    FileRecord out;
    EXPECT_EQ(first.Read(1, out), 0u);
    EXPECT_EQ(first.Count(), 0u);
}

#ifndef _WIN32 // symbolic links need privileges there
TEST(RecordFile, RefusesALinkPlantedAtItsName) {
    const auto folder = test::FreshFolder("planted");
    test::WriteBytes(folder / "victim", "keep me");
    std::filesystem::create_symlink(folder / "victim", folder / "tmpMgntExBKF");
    std::string error;
    const RecordFile records = RecordFile::Create(folder / "tmpMgntExBKF", error);
    EXPECT_FALSE(records.IsOpen());
    EXPECT_NE(error.find("tmpMgntExBKF"), std::string::npos) << error;
    EXPECT_EQ(test::FileBytes(folder / "victim"), "keep me");
}
#endif

TEST(DisplayPath, RunsOfBackslashesBecomeOne) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"SET\\\\C\\a.txt", u"SET\\C\\a.txt"},
        {u"SET\\\\\\\\\\C", u"SET\\C"},
        {u"\\\\lead\\trail\\\\", u"\\lead\\trail\\"},
        {u"plain", u"plain"},
        {u"", u""},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(CleanDisplayPath(in), out);
    }
    FileRecord record = MakeRecord(u"A\\\\B\\\\c.edb", 5);
    CleanRecordPath(record);
    EXPECT_EQ(record, MakeRecord(u"A\\B\\c.edb", 5)); // the path field is zero behind the shorter path
}

} // namespace
} // namespace tarvelo
