#include "dbheader/DatabaseHeader.h"

#include "dbheader/HeaderFormat.h"
#include "dbheader/PathText.h"
#include "dbheader/ReadDatabaseHeader.h"
#include "reader/TextEncoding.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace tarvelo {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Narrow(const std::u16string& text) {
    return Utf16ToUtf8(text);
}

TEST(HeaderFormat, ConvertsEachKindOfField) {
    struct Case {
        const char* name;
        Bytes bytes;
        std::u16string (*format)(HeaderBlock);
        const char* expected;
    };
    const Case cases[] = {
        {"hex in file order", {0xEF, 0xCD, 0xAB, 0x89}, FormatHexBytes, "EFCDAB89"},
        {"hex lower digits upper-cased", {0x0a, 0xbc, 0x00, 0xf1}, FormatHexBytes, "0ABC00F1"},
        {"decimal is signed", {0xFF, 0xFF, 0xFF, 0xFF}, FormatDecimal, "-1"},
        {"decimal page size", {0x00, 0x10, 0x00, 0x00}, FormatDecimal, "4096"},
        {"database type", {0, 0, 0, 0}, FormatFileType, "DataBase type"},
        {"streaming type", {1, 0, 0, 0}, FormatFileType, "Streaming File Type"},
        {"any non-zero type word streams", {0, 0, 0, 0x80}, FormatFileType, "Streaming File Type"},
        {"state 1", {1, 0, 0, 0}, FormatDatabaseState, "JET_dbstateJustCreated"},
        {"state 2", {2, 0, 0, 0}, FormatDatabaseState, "JET_dbstateDirtyShutdown"},
        {"state 3", {3, 0, 0, 0}, FormatDatabaseState, "JET_dbstateCleanShutdown"},
        {"state 4", {4, 0, 0, 0}, FormatDatabaseState, "JET_dbstateBeingConverted"},
        {"state 5", {5, 0, 0, 0}, FormatDatabaseState, "JET_dbstateForceDetach"},
        {"state 0", {0, 0, 0, 0}, FormatDatabaseState, ""},
        {"state 6", {6, 0, 0, 0}, FormatDatabaseState, ""},
        {"state high word", {3, 0, 1, 0}, FormatDatabaseState, ""},
        {"db time parts unsigned", {0xFF, 0xFF, 2, 0, 3, 0, 9, 9}, FormatDbTime, "65535:2:3"},
        {"log time order h m s M D Y",
         {9, 5, 14, 26, 3, 109, 0, 0},
         FormatHeaderLogTime,
         "14:05:09:03:26:2009"},
        {"log time wide values in full",
         {200, 0, 0, 0, 255, 255, 0, 0},
         FormatHeaderLogTime,
         "00:00:200:255:00:2155"},
        {"log position",
         {0xFF, 0xFF, 7, 0, 0xFF, 0xFF, 0xFF, 0xFF},
         FormatLogPosition,
         "Block = 65535 Sector = 7 Generation = -1"},
        {"short block reads as zero", {0x12}, FormatHexBytes, "12000000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Narrow(c.format(c.bytes)), c.expected) << c.name;
    }
}

TEST(HeaderFormat, BackupInfoGivesPositionTimeLowerUpper) {
    Bytes block(24, 0);
    block[0] = 3; // block
    block[2] = 4; // sector
    block[4] = 5; // generation
    block[8] = 1; // seconds
    block[13] = 100;
    block[16] = 0xFE;
    block[17] = 0xFF;
    block[18] = 0xFF;
    block[19] = 0xFF;
    block[20] = 42;
    const auto texts = FormatBackupInfo(block);
    EXPECT_EQ(Narrow(texts[0]), "Block = 3 Sector = 4 Generation = 5");
    EXPECT_EQ(Narrow(texts[1]), "00:00:01:00:00:2000");
    EXPECT_EQ(Narrow(texts[2]), "-2");
    EXPECT_EQ(Narrow(texts[3]), "42");
}

void PutText(Bytes& bytes, std::size_t at, std::u16string_view text) {
    for (char16_t unit : text) {
        bytes[at++] = static_cast<std::uint8_t>(unit & 0xFF);
        bytes[at++] = static_cast<std::uint8_t>(unit >> 8);
    }
}

TEST(DatabaseHeader, TextRunsPastItsFieldToTheFirstZeroUnitButNotPastTheHeader) {
    Bytes bytes(DatabaseHeader::kSize, 0);
    // 8 units fill the 16-byte computer name; the text goes on into the following state word.
    PutText(bytes, 0x024, u"SERVER01X");
    EXPECT_EQ(DatabaseHeader::FromBytes(bytes).TextAt(0x024), u"SERVER01X");

    // No zero unit until the end: the text ends with the 668th byte.
    Bytes full(DatabaseHeader::kSize, 0x41);
    const std::u16string text = DatabaseHeader::FromBytes(full).TextAt(0x128);
    EXPECT_EQ(text.size(), (DatabaseHeader::kSize - 0x128) / 2);
    EXPECT_EQ(text.front(), u'\x4141');
}

TEST(DatabaseHeader, ShortBufferReadsAsZeroAndLongBufferIsCut) {
    const Bytes three = {1, 2, 3};
    const DatabaseHeader shortHeader = DatabaseHeader::FromBytes(three);
    EXPECT_EQ(shortHeader.BytesRead(), 3u);
    EXPECT_EQ(shortHeader.U32(0), 0x030201u);
    EXPECT_EQ(shortHeader.U32(0x200), 0u);

    const Bytes big(5000, 0xFF);
    EXPECT_EQ(DatabaseHeader::FromBytes(big).BytesRead(), DatabaseHeader::kSize);
    // Reads near or past the end stay inside the header.
    EXPECT_EQ(DatabaseHeader::FromBytes(big).U32(666), 0xFFFFu);
    EXPECT_EQ(DatabaseHeader::FromBytes(big).U32(10000), 0u);
}

TEST(PathText, NamesAndExtensions) {
    struct Case {
        std::u16string path;
        std::u16string name;
        std::u16string extension;
        bool database;
    };
    const Case cases[] = {
        {u"C:\\tmp\\PRIV1.EDB", u"PRIV1.EDB", u"EDB", true},
        {u"C:\\tmp\\pub1.Stm", u"pub1.Stm", u"Stm", true},
        {u"C:\\tmp\\mailbox.edb.bak", u"mailbox.edb.bak", u"bak", false},
        {u"C:\\tmp\\README", u"README", u"", false},
        {u"priv1.edb", u"", u"edb", true},
        {u"C:\\dir.edb\\file", u"file", u"edb\\file", false},
        {u"C:\\tmp\\", u"", u"", false},
        {u"", u"", u"", false},
        {u"x.edbx", u"", u"edbx", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileNameOfPath(c.path), c.name) << Utf16ToUtf8(c.path);
        EXPECT_EQ(ExtensionOfPath(c.path), c.extension) << Utf16ToUtf8(c.path);
        EXPECT_EQ(IsDatabasePath(c.path), c.database) << Utf16ToUtf8(c.path);
    }
}

TEST(ReadDatabaseHeader, ShortFileAndMissingFile) {
    const auto folder = std::filesystem::path(TARVELO_BINARY_DIR) / "dbheader-test";
    std::filesystem::create_directories(folder);
    const auto path = folder / "short.edb";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write("\xEF\xCD\xAB\x89\x20", 5);
    }
    const DatabaseHeaderResult read = ReadDatabaseHeader(path);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.header.BytesRead(), 5u);
    EXPECT_EQ(read.header.U32(0), 0x89ABCDEFu);
    EXPECT_EQ(read.header.U32(4), 0x20u);

    const DatabaseHeaderResult missing = ReadDatabaseHeader(folder / "missing.edb");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("missing.edb"), std::string::npos) << missing.error;
    EXPECT_EQ(missing.header.BytesRead(), 0u);
}

} // namespace
} // namespace tarvelo
