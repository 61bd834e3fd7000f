#include "reader/ScanRecords.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(FileRecordTest, FieldsLandAtTheirByteOffsets) {
    FileRecord record;
    record.SetPath(u"AB");
    record.SetEntryOffset(0x0102030405060708ULL);
    record.SetDataSize(0xA0B0C0D0U);
    const auto& raw = record.Raw();
    EXPECT_EQ(raw.size(), 2274U);
    EXPECT_EQ(raw[0], 'A');
    EXPECT_EQ(raw[1], 0);
    EXPECT_EQ(raw[2], 'B');
    EXPECT_EQ(raw[4], 0);
    EXPECT_EQ(raw[2048], 0x08);
    EXPECT_EQ(raw[2055], 0x01);
    EXPECT_EQ(raw[2060], 0xD0);
    EXPECT_EQ(raw[2063], 0xA0);
    for (std::size_t i = 2064; i < raw.size(); ++i) {
        ASSERT_EQ(raw[i], 0) << "byte " << i;
    }
}

TEST(FileRecordTest, LongPathIsCutTo1023UnitsAndTerminated) {
    FileRecord record;
    record.SetPath(std::u16string(2000, u'x'));
    EXPECT_EQ(record.Path().size(), 1023U);
    EXPECT_EQ(record.Raw()[2046], 0);
    EXPECT_EQ(record.Raw()[2047], 0);
}

TEST(FileRecordTest, ShorterPathClearsOldBytesAfterTerminator) {
    FileRecord record;
    record.SetPath(u"a long first path");
    record.SetPath(u"ab");
    EXPECT_EQ(record.Path(), u"ab");
    for (std::size_t i = 4; i < 2048; ++i) {
        ASSERT_EQ(record.Raw()[i], 0) << "byte " << i;
    }
}

TEST(FileRecordTest, PathWithoutTerminatorReadsAllUnits) {
    FileRecord record;
    record.Raw().fill(0x41);
    EXPECT_EQ(record.Path().size(), 1024U);
}

} // namespace
} // namespace tarvelo
