#include "tools/bkfgen/EseHeaderImage.h"

#include "tools/bkfgen/LittleEndian.h"

#include <gtest/gtest.h>

namespace tarvelo::bkfgen {
namespace {

TEST(EseHeaderImage, HoldsThePlausibleHeaderFields) {
    EseHeaderSpec spec;
    spec.fileType = 1;
    const std::string header = EseHeaderImage(spec);
    ASSERT_EQ(header.size(), kEseHeaderSize);
    EXPECT_EQ(header.substr(4, 4), "\xEF\xCD\xAB\x89");
    EXPECT_EQ(GetLe32(header, 0x08), 0x620u);
    EXPECT_EQ(GetLe32(header, 0x0C), 1u);
    EXPECT_EQ(GetLe32(header, 0x34), 3u);
    EXPECT_EQ(GetLe32(header, 0xEC), 4096u);
    // Log time of the database signature: 14:05:09 on 26 March 2009.
    EXPECT_EQ(header.substr(0x1C, 6), std::string("\x09\x05\x0E\x1A\x03\x6D", 6));
    // Computer name and required log end in a nul unit inside their fields.
    EXPECT_EQ(header.substr(0x24, 16), std::string("E\0X\0C\0H\0"
                                                   "0\0"
                                                   "1\0\0\0\0\0",
                                                   16));
    EXPECT_EQ(header.substr(0x128, 8), std::string("E\0"
                                                   "0\0"
                                                   "0\0\0\0",
                                                   8));
    EXPECT_EQ(GetLe32(header, 0x38 + 4), 42u) << "consistent log generation";
}

TEST(EseHeaderImage, PageChecksumCoversTheWholePage) {
    const std::string page = EsePageImage({});
    ASSERT_EQ(page.size(), kEsePageSize);
    EXPECT_EQ(page.substr(0, kEseHeaderSize), EseHeaderImage({}));
    std::uint32_t sum = 0x89ABCDEF;
    for (std::size_t at = 0; at < page.size(); at += 4) {
        sum ^= GetLe32(page, at);
    }
    EXPECT_EQ(sum, 0u);
}

} // namespace
} // namespace tarvelo::bkfgen
