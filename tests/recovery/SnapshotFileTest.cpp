#include "recovery/SnapshotFile.h"

#include "recovery/SnapshotFormat.h"
#include "tests/recovery/TestFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvelo {
namespace {

namespace fs = std::filesystem;

std::string Utf16Le(std::u16string_view text) {
    std::string out;
    for (char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
    return out;
}

std::string Padded(std::string bytes, std::size_t size) {
    bytes.resize(size, '\0');
    return bytes;
}

FileRecord MakeRecord(std::u16string_view path, std::uint32_t size, std::uint64_t entry) {
    FileRecord record;
    record.SetPath(path);
    record.SetDataSize(size);
    record.SetEntryOffset(entry);
    return record;
}

std::string RecordBytes(const FileRecord& record) {
    return {reinterpret_cast<const char*>(record.Raw().data()), record.Raw().size()};
}

const std::vector<FileRecord> kRecords = {
    MakeRecord(u"BKFSET1(SetA)C\\Exchsrvr\\mdbdata\\priv1.edb", 5000, 0x400),
    MakeRecord(u"BKFSET1(SetA)C\\Exchsrvr\\mdbdata\\pub1.stm", 0xFFFFFFFF, 0x123456789AULL),
    MakeRecord(u"BKFSET1(SetA)C\\Logs\\Logs", 0, 7),
};

RecordFile FilledRecordFile(const fs::path& folder) {
    std::string error;
    RecordFile records = RecordFile::Create(folder / "tmpMgntExBKF", error);
    for (const auto& record : kRecords) {
        records.Append(record);
    }
    return records;
}

TEST(SnapshotFile, SavedFileIsByteExact) {
    const auto folder = test::FreshFolder("snapshot-exact");
    const RecordFile records = FilledRecordFile(folder);
    const std::u16string backup = u"D:\\Backups\\Exchange 2003\\full.bkf";
    const SnapshotSaveResult saved = SaveSnapshot(folder / "scan.TARVSNAPQUORIN", backup, records);
    ASSERT_TRUE(saved.ok) << saved.error;

    std::string expected = Padded(Utf16Le(u"QUORINTRELLIQDBSNAP"), 60) + Padded(Utf16Le(backup), 2048);
    for (const auto& record : kRecords) {
        expected += RecordBytes(record);
    }
    const std::string written = test::FileBytes(folder / "scan.TARVSNAPQUORIN");
    EXPECT_EQ(written.size(), 2108 + 2274 * kRecords.size());
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.substr(0, 38), Utf16Le(u"QUORINTRELLIQDBSNAP"));
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST(SnapshotFile, LoadsWhatWasSaved) {
    const auto folder = test::FreshFolder("snapshot-roundtrip");
    const RecordFile records = FilledRecordFile(folder);
    ASSERT_TRUE(SaveSnapshot(folder / "s", u"C:\\b.bkf", records).ok);
    SnapshotOpenResult opened = SnapshotReader::Open(folder / "s");
    ASSERT_EQ(opened.status, SnapshotOpenStatus::Ok) << opened.error;
    SnapshotReader& reader = *opened.reader;
    EXPECT_EQ(reader.BackupPath(), u"C:\\b.bkf");
    EXPECT_FALSE(reader.BackupPathUnterminated());
    EXPECT_EQ(reader.Length(), 2108u + 3 * 2274u);
    EXPECT_EQ(reader.Position(), 2108u);
    std::vector<FileRecord> loaded;
    while (auto record = reader.Next()) {
        loaded.push_back(*record);
    }
    EXPECT_EQ(loaded, kRecords);
    EXPECT_EQ(reader.Position(), reader.Length());
}

TEST(SnapshotFile, HeaderOnlyAndPartialLastRecord) {
    const std::string header = Padded(Utf16Le(u"QUORINTRELLIQDBSNAP"), 60) + Padded(Utf16Le(u"x.bkf"), 2048);
    struct Case {
        const char* name;
        std::string bytes;
        std::size_t records;
    };
    const Case cases[] = {
        {"header only", header, 0},
        {"partial record", header + RecordBytes(kRecords[0]) + std::string(2273, 'z'), 1},
        {"two whole records", header + RecordBytes(kRecords[0]) + RecordBytes(kRecords[1]), 2},
        {"cut inside the path field", header.substr(0, 70), 0},
    };
    for (const Case& c : cases) {
        const auto bytes = reinterpret_cast<const std::uint8_t*>(c.bytes.data());
        SnapshotOpenResult opened = SnapshotReader::FromBytes({bytes, c.bytes.size()});
        ASSERT_EQ(opened.status, SnapshotOpenStatus::Ok) << c.name;
        std::size_t count = 0;
        while (opened.reader->Next()) {
            ++count;
        }
        EXPECT_EQ(count, c.records) << c.name;
    }
}

TEST(SnapshotFile, SignatureIsCheckedExactly) {
    const std::string path = Padded(Utf16Le(u"x.bkf"), 2048);
    struct Case {
        const char* name;
        std::string field;
        bool ok;
    };
    const Case cases[] = {
        {"exact", Padded(Utf16Le(u"QUORINTRELLIQDBSNAP"), 60), true},
        {"lower case", Padded(Utf16Le(u"quorintrelliqdbsnap"), 60), false},
        {"longer text", Padded(Utf16Le(u"QUORINTRELLIQDBSNAPX"), 60), false},
        {"prefix only", Padded(Utf16Le(u"QUORINTRELLIQ"), 60), false},
        {"bytes after the zero unit do not count",
         Padded(Utf16Le(u"QUORINTRELLIQDBSNAP"), 40) + std::string(20, 'j'), true},
        {"single-byte text", Padded("QUORINTRELLIQDBSNAP", 60), false},
        {"empty file", "", false},
    };
    for (const Case& c : cases) {
        const std::string bytes = c.field + (c.field.empty() ? "" : path);
        const auto data = reinterpret_cast<const std::uint8_t*>(bytes.data());
        const SnapshotOpenResult opened = SnapshotReader::FromBytes({data, bytes.size()});
        EXPECT_EQ(opened.status == SnapshotOpenStatus::Ok, c.ok) << c.name;
        if (!c.ok) {
            EXPECT_EQ(opened.status, SnapshotOpenStatus::BadSignature) << c.name;
        }
    }
}

TEST(SnapshotFile, PathFieldWithoutZeroUnitGivesItsFirst1023Units) {
    const std::string bytes = Padded(Utf16Le(u"QUORINTRELLIQDBSNAP"), 60) +
                              Utf16Le(std::u16string(1024, u'p')) + RecordBytes(kRecords[0]);
    const auto data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    SnapshotOpenResult opened = SnapshotReader::FromBytes({data, bytes.size()});
    ASSERT_EQ(opened.status, SnapshotOpenStatus::Ok);
    EXPECT_TRUE(opened.reader->BackupPathUnterminated());
    EXPECT_EQ(opened.reader->BackupPath(), std::u16string(1023, u'p'));
    EXPECT_EQ(opened.reader->Next(), kRecords[0]); // the records still start after the whole field
}

TEST(SnapshotFile, MissingFileCannotBeOpened) {
    const auto folder = test::FreshFolder("snapshot-missing");
    const SnapshotOpenResult opened = SnapshotReader::Open(folder / "none.TARVSNAPQUORIN");
    EXPECT_EQ(opened.status, SnapshotOpenStatus::CannotOpen);
    EXPECT_FALSE(opened.reader.has_value());
    EXPECT_NE(opened.error.find("none.TARVSNAPQUORIN"), std::string::npos) << opened.error;
}

TEST(SnapshotFile, FailedSaveLeavesNoTruncatedFile) {
    const auto folder = test::FreshFolder("snapshot-fail");
    RecordFile records = FilledRecordFile(folder);
    test::WriteBytes(folder / "old.TARVSNAPQUORIN", "earlier snapshot");
    // The record file loses its last record: the save must fail rather than write a short snapshot.
    ASSERT_TRUE(records.Flush());
    fs::resize_file(folder / "tmpMgntExBKF", 2 * FileRecord::kSize + 100);
    const SnapshotSaveResult saved = SaveSnapshot(folder / "old.TARVSNAPQUORIN", u"C:\\b.bkf", records);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find("record 3"), std::string::npos) << saved.error;
    EXPECT_EQ(test::FileBytes(folder / "old.TARVSNAPQUORIN"), "earlier snapshot");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);

    const SnapshotSaveResult noFolder = SaveSnapshot(folder / "missing" / "s", u"C:\\b.bkf", records);
    EXPECT_FALSE(noFolder.ok);
    EXPECT_NE(noFolder.error.find("missing"), std::string::npos) << noFolder.error;

    const SnapshotSaveResult longPath = SaveSnapshot(folder / "long", std::u16string(1024, u'a'), records);
    EXPECT_FALSE(longPath.ok);
    EXPECT_FALSE(fs::exists(folder / "long"));
    EXPECT_TRUE(snapshot::BuildHeader(std::u16string(1023, u'a')).has_value());
}

} // namespace
} // namespace tarvelo
