#include "tools/bkfgen/BackupWriter.h"

#include "reader/TextEncoding.h"
#include "tests/tools/StreamWalk.h"
#include "tools/bkfgen/BackupDescription.h"
#include "tools/bkfgen/LittleEndian.h"

#include <gtest/gtest.h>

namespace tarvelo::bkfgen {
namespace {

std::string Utf16Bytes(std::u16string_view text) {
    std::string bytes;
    AppendUtf16Le(bytes, text);
    return bytes;
}

BackupDescription TwoFiles() {
    BackupDescription description;
    SetContent set;
    set.set.number = 3;
    set.set.name = u"Daily";
    set.set.user = u"ADMIN";
    DirectoryContent folder;
    folder.directory.components = {u"Data", u"Logs"};
    folder.files = {FileSpec{u"priv1.edb", FileData::Literal("0123456789"), {}},
                    FileSpec{u"empty", FileData::ZeroFilled(0), {}}};
    folder.mtfFiles = {FileSpec{u"noise.txt", FileData::Patterned(3000, 9), {}}};
    set.volumes.push_back(VolumeContent{VolumeSpec{}, {folder}});
    description.sets.push_back(set);
    description.endOfMedium = true;
    return description;
}

TEST(BackupWriter, FileEntryHasTheScannedLayoutAndIsListedWithItsExtent) {
    BackupLayout layout;
    const std::string bytes = BuildBackup(TwoFiles(), &layout);
    ASSERT_EQ(layout.entries.size(), 2u);
    EXPECT_EQ(layout.size, bytes.size());

    const WrittenEntry& entry = layout.entries[0];
    const auto at = static_cast<std::size_t>(entry.offset);
    EXPECT_EQ(bytes.substr(at, 4), "ETED");
    EXPECT_EQ(bytes[at + 4], 0);
    EXPECT_EQ(bytes[at + 5], 0);
    const std::string name = Utf16Bytes(u"priv1.edb");
    EXPECT_EQ(GetLe64(bytes, at + 8), 4 + name.size() + 10);
    EXPECT_EQ(GetLe32(bytes, at + 22), name.size());
    EXPECT_EQ(bytes.substr(at + 26, name.size()), name);
    EXPECT_EQ(entry.dataOffset, entry.offset + 26 + name.size());
    EXPECT_EQ(entry.dataLength, 10);
    EXPECT_EQ(bytes.substr(static_cast<std::size_t>(entry.dataOffset), 10), "0123456789");
    EXPECT_EQ(entry.name, u"priv1.edb");
    EXPECT_EQ(entry.path, u"BKFSET3(DailyADMIN)C\\Data\\Logs\\priv1.edb");
    EXPECT_TRUE(entry.reported);

    EXPECT_EQ(layout.entries[1].dataLength, 0);
    EXPECT_EQ(layout.entries[1].offset % kBlockSize, 0u);
}

TEST(BackupWriter, StreamIsSoundMtfWithEveryBlockKindInOrder) {
    const std::string bytes = BuildBackup(TwoFiles());
    const test::Walk walk = test::WalkStream(bytes);
    EXPECT_TRUE(walk.faults.empty()) << walk.faults.front();
    const std::vector<std::string> expected = {"TAPE", "SFMB", "SSET", "VOLB", "DIRB", "ETED", "ETED",
                                               "FILE", "STAN", "ESET", "SFMB", "TFDD", "EOTM"};
    EXPECT_EQ(test::BlockTags(walk), expected);
}

TEST(BackupWriter, CatalogueListsVolumeDirectoryAndFilesThenEnds) {
    const std::string bytes = BuildBackup(TwoFiles());
    const std::size_t tfdd = bytes.find("TFDD");
    ASSERT_NE(tfdd, std::string::npos);
    std::vector<std::string> types;
    std::size_t at = tfdd + 22;
    const std::size_t end = at + static_cast<std::size_t>(GetLe64(bytes, tfdd + 8));
    while (at < end) {
        const std::uint16_t length = GetLe16(bytes, at);
        types.push_back(bytes.substr(at + 2, 4));
        ASSERT_GE(length, 36);
        at += length;
    }
    EXPECT_EQ(at, end);
    EXPECT_EQ(types, (std::vector<std::string>{"VOLB", "DIRB", "ETED", "ETED", "FEND"}));
    // The directory entry's name: Data, nul, Logs, nul, located by a tape address from the entry.
    const std::size_t dirb = tfdd + 22 + GetLe16(bytes, tfdd + 22);
    const std::size_t nameAt = dirb + GetLe16(bytes, dirb + 62);
    EXPECT_EQ(bytes.substr(nameAt, GetLe16(bytes, dirb + 60)),
              Utf16Bytes(std::u16string(u"Data\0Logs\0", 10)));
}

TEST(BackupWriter, ExpectedPathsFollowTheScanRules) {
    std::string bytes;
    StringOutput output(bytes);
    BackupWriter writer(output);
    const auto& orphan = writer.FileEntry(u"a.txt", FileData::Literal("x"));
    EXPECT_EQ(orphan.path, u"(null)a.txt");

    SetSpec first;
    first.name = u"A/B:C";
    first.user.clear();
    writer.StartSet(first);
    VolumeSpec noDevice;
    noDevice.device.clear();
    writer.Volume(noDevice);
    writer.Directory({}); // the root: one nul
    EXPECT_EQ(writer.FileEntry(u"b", FileData::Literal("")).path, u"BKFSET1(A_B_C)\\b");

    // Encrypted, compressed and a user name over 120 bytes: the set is ignored.
    SetSpec damaged;
    damaged.number = 2;
    damaged.name = u"X";
    damaged.user = std::u16string(61, u'u');
    damaged.passwordEncryption = 1;
    damaged.softwareCompression = 1;
    writer.StartSet(damaged);
    VolumeSpec d;
    d.device = u"D:";
    writer.Volume(d);
    DirectorySpec longName;
    longName.components = {std::u16string(300, u'n')};
    writer.Directory(longName);
    const auto& deep = writer.FileEntry(u"c", FileData::Literal(""));
    EXPECT_EQ(deep.path, u"BKFSET1(A_B_C)D\\" + std::u16string(253, u'n') + u"c");

    // An odd name length: the last unit takes the first data byte as its high byte.
    const auto& odd = writer.FileEntryRaw(std::string("a\0b", 3), FileData::Literal("\x01z"));
    EXPECT_EQ(odd.name, std::u16string(u"a\u0162"));
    EXPECT_EQ(odd.dataOffset, odd.offset + 29);

    const auto& huge = writer.FileEntryRaw(std::string(1025, 'q'), FileData::Literal(""));
    EXPECT_FALSE(huge.reported);
}

TEST(BackupWriter, EntryOptionsBreakTheEntryOnPurpose) {
    std::string bytes;
    StringOutput output(bytes);
    BackupWriter writer(output);
    EntryOptions options;
    options.bytes4And5 = 0x0201;
    options.entryLength = 2;
    options.padToBlock = false;
    const auto& entry = writer.FileEntry(u"n", FileData::Literal("abc"), options);
    EXPECT_EQ(bytes[4], 1);
    EXPECT_EQ(bytes[5], 2);
    EXPECT_EQ(GetLe64(bytes, 8), 2u);
    EXPECT_EQ(entry.dataLength, -4); // L - N - 4
    EXPECT_EQ(bytes.size(), 26u + 2 + 3) << "no padding";
}

} // namespace
} // namespace tarvelo::bkfgen
