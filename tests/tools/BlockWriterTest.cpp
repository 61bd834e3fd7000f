#include "tools/bkfgen/BlockWriter.h"

#include "tools/bkfgen/LittleEndian.h"

#include <gtest/gtest.h>

namespace tarvelo::bkfgen {
namespace {

TEST(MtfDate, PacksTheDocumentedExampleAndUnpacksIt) {
    const MtfDate date{2014, 9, 26, 1, 29, 51};
    const auto packed = PackMtfDate(date);
    EXPECT_EQ(packed, (std::array<std::uint8_t, 5>{0x1F, 0x7A, 0x74, 0x17, 0x73}));
    const MtfDate back = UnpackMtfDate(packed.data());
    EXPECT_EQ(back.year, 2014);
    EXPECT_EQ(back.month, 9);
    EXPECT_EQ(back.day, 26);
    EXPECT_EQ(back.hour, 1);
    EXPECT_EQ(back.minute, 29);
    EXPECT_EQ(back.second, 51);
}

TEST(DescriptorBlock, HeaderHoldsTagAddressStringsAndAChecksumThatXorsToZero) {
    CommonHeader header;
    header.tag = "VOLB";
    header.formatLogicalAddress = 7;
    header.controlBlockId = 3;
    DescriptorBlock block(header, 73);
    block.PutString(56, u"C:");
    block.PutRawString(60, std::string("\x01", 1));
    const std::string image = block.Image();

    EXPECT_EQ(image.substr(0, 4), "VOLB");
    EXPECT_EQ(image.size() % 4, 0u);
    EXPECT_EQ(GetLe16(image, 8), image.size()); // streams start right after the block
    EXPECT_EQ(static_cast<unsigned char>(image[10]), kOsWindowsNt);
    EXPECT_EQ(GetLe64(image, 20), 7u);
    EXPECT_EQ(GetLe32(image, 36), 3u);
    EXPECT_EQ(image[48], 2); // UTF-16 strings
    // XOR over all 26 words, checksum included, is zero exactly when the checksum is right.
    EXPECT_EQ(XorWords(image, 0, 26), 0);

    const std::uint16_t size = GetLe16(image, 56);
    const std::uint16_t offset = GetLe16(image, 58);
    ASSERT_EQ(size, 4);
    EXPECT_EQ(image.substr(offset, size), std::string("C\0:\0", 4));
    EXPECT_EQ(GetLe16(image, 60), 1);
    EXPECT_EQ(GetLe16(image, 62) % 2, 0) << "strings start on even offsets";
}

TEST(StreamHeader, CarriesIdLengthAndChecksum) {
    const std::string header = StreamHeader("STAN", 0x123456789ULL, 0, 0x10);
    ASSERT_EQ(header.size(), kStreamHeaderSize);
    EXPECT_EQ(header.substr(0, 4), "STAN");
    EXPECT_EQ(GetLe64(header, 8), 0x123456789ULL);
    EXPECT_EQ(GetLe16(header, 6), 0x10);
    EXPECT_EQ(XorWords(header, 0, 11), 0);
}

TEST(SpadTo, EndsOnTheNextBlockEdgeAndNeverLeavesRoomTooSmallForItsHeader) {
    struct Case {
        std::uint64_t position;
        std::size_t size;
    };
    const Case cases[] = {{0, 0}, {1024, 0}, {100, 924}, {1000, 24}, {1002, 22}, {1003, 1045}, {1020, 1028}};
    for (const auto& c : cases) {
        const std::string spad = SpadTo(c.position);
        EXPECT_EQ(spad.size(), c.size) << c.position;
        if (!spad.empty()) {
            EXPECT_EQ(spad.substr(0, 4), "SPAD");
            EXPECT_EQ(GetLe64(spad, 8), spad.size() - kStreamHeaderSize);
            EXPECT_EQ((c.position + spad.size()) % kBlockSize, 0u);
        }
    }
}

} // namespace
} // namespace tarvelo::bkfgen
