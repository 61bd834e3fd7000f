#include "reader/BlockDecoders.h"

#include "tests/reader/TestBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvelo {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using test::Le;
using test::TestBytes;

BlockWindow WindowOf(const TestBytes& bytes) {
    BlockWindow window{};
    std::copy_n(bytes.Bytes().begin(), std::min(bytes.Size(), window.size()), window.begin());
    return window;
}

std::string Utf8(const std::optional<std::u16string>& text) {
    if (!text) {
        return "<unchanged>";
    }
    std::string out;
    for (const char16_t unit : *text) {
        if (unit < 0x80) {
            out.push_back(static_cast<char>(unit));
        } else {
            out.append("<").append(std::to_string(unit)).append(">");
        }
    }
    return out;
}

// "<head><count u's>)", built without operator+ (which trips a false -Wrestrict in GCC 12).
std::string Join(const char* head, std::size_t users) {
    std::string text = head;
    text.append(users, 'u');
    text.push_back(')');
    return text;
}

TEST(SetName, FormatsNumberNameAndUserOrLeavesTheNameAlone) {
    struct Case {
        std::uint16_t number;
        std::u16string name, user;
        std::uint16_t encryption, compression;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {3, u"Daily", u"ADMIN", 0, 0, "BKFSET3(DailyADMIN)"},
        {12, u"Set A", u"", 0, 0, "BKFSET12(Set A)"},
        {65535, u"", u"", 0, 0, "BKFSET65535()"},
        {1, u"Cut\0here"s, u"U\0ser"s, 0, 0, "BKFSET1(CutU)"},
        // Damaged set: encrypted, compressed and a user name over 120 bytes.
        {1, u"A", std::u16string(61, u'u'), 1, 1, "<unchanged>"},
        {1, u"A", std::u16string(60, u'u'), 1, 1, Join("BKFSET1(A", 60)},
        {1, u"A", std::u16string(61, u'u'), 0, 1, Join("BKFSET1(A", 61)},
        {1, u"A", std::u16string(61, u'u'), 1, 0, Join("BKFSET1(A", 61)},
    };
    for (const auto& c : cases) {
        TestBytes bytes;
        test::PutSet(bytes, 0, c.number, c.name, c.user, c.encryption, c.compression);
        EXPECT_EQ(Utf8(DecodeSetName(WindowOf(bytes))), c.expected) << c.expected;
    }
}

TEST(SetName, OddSizeDropsTheLastByteAndStringsMustLieInsideTheWindow) {
    TestBytes odd;
    odd.Raw(0, "SSET").Le16(62, 7).String(0, 64, 100, "A\0B"sv);
    EXPECT_EQ(Utf8(DecodeSetName(WindowOf(odd))), "BKFSET7(A)");

    struct Case {
        std::size_t field, size, offset;
        bool inside;
    };
    for (const Case c : {Case{64, 24, 1000, true}, Case{64, 26, 1000, false}, Case{76, 2, 1022, true},
                         Case{76, 4, 1022, false}, Case{76, 0, 1024, true}, Case{64, 0xFFFF, 0, false}}) {
        TestBytes bytes;
        bytes.Raw(0, "SSET").Le16(c.field, c.size).Le16(c.field + 2, c.offset);
        EXPECT_EQ(DecodeSetName(WindowOf(bytes)).has_value(), c.inside) << c.field << " " << c.offset;
    }
}

TEST(VolumePrefix, IsTheFirstByteOfTheDeviceNameAsAnAnsiCharacter) {
    struct Case {
        std::string device;
        std::optional<std::u16string> expected;
    };
    const std::vector<Case> cases = {
        {Le(u"C:"), u"C"},
        {"", u""},
        {"D", u""},                   // shorter than 2 bytes
        {std::string("\0X", 2), u""}, // first byte zero
        {std::string("\x80\0", 2), u"\u20AC"},
        {std::string("\x81\0", 2), u"\u0081"}, // unassigned in Windows-1252: kept
        {std::string("\x9D\0", 2), u"\u009D"},
        {std::string("\x9F\0", 2), u"\u0178"},
        {std::string("\xE9\0", 2), u"\u00E9"},
        {"\x41\x30", u"A"}, // only the low byte counts
    };
    for (const auto& c : cases) {
        TestBytes bytes;
        bytes.Raw(0, "VOLB").String(0, 56, 200, c.device);
        EXPECT_EQ(DecodeVolumePrefix(WindowOf(bytes)), c.expected) << testing::PrintToString(c.device);
    }
    TestBytes outside;
    outside.Raw(0, "VOLB").Le16(56, 4).Le16(58, 1022);
    EXPECT_FALSE(DecodeVolumePrefix(WindowOf(outside)));
}

TEST(DirectoryPath, TurnsNulsIntoBackslashesAndKeepsAtMost255Units) {
    struct Case {
        std::string name;
        std::u16string expected;
    };
    const std::string x600(600, 'x'); // 300 units 'xx'
    const std::vector<Case> cases = {
        {Le(u"Data\0Logs\0"sv), u"\\Data\\Logs\\"},
        {Le(u"\0"sv), u"\\"},
        {"", u""},
        {"D", u""},                 // S < 2: no unit, no backslash
        {Le(u"Ab") + "c", u"\\Ab"}, // odd size: floor(S/2) units
        {x600, u"\\" + std::u16string(253, u'\u7878')},
        {std::string("\0\1", 2) + std::string(598, 'y'), u"\u0100" + std::u16string(254, u'\u7979')},
    };
    for (const auto& c : cases) {
        TestBytes bytes;
        bytes.Raw(0, "DIRB").String(0, 80, 100, c.name);
        const auto path = DecodeDirectoryPath(WindowOf(bytes));
        ASSERT_TRUE(path);
        EXPECT_EQ(*path, c.expected) << testing::PrintToString(c.name.substr(0, 20));
    }
    TestBytes edge;
    edge.Raw(0, "DIRB").String(0, 80, 1014, Le(u"Data\0"sv));
    EXPECT_TRUE(DecodeDirectoryPath(WindowOf(edge))); // ends exactly at 1024
    edge.String(0, 80, 1016, Le(u"Data\0"sv).substr(0, 10));
    EXPECT_FALSE(DecodeDirectoryPath(WindowOf(edge)));
}

TEST(FileEntry, NameIsCeilHalfNUnitsReachingIntoTheData) {
    struct Case {
        std::string stored; // name bytes followed by data bytes
        std::uint32_t nameLength;
        std::u16string expected;
    };
    const std::vector<Case> cases = {
        {Le(u"priv1.edb"), 18, u"priv1.edb"},
        {"", 0, u""},
        {"ab"
         "c"
         "d",
         3, u"\u6261\u6463"}, // odd N: the last unit takes the first data byte
        {Le(u"a\0b"sv), 6, u"a"},
    };
    for (const auto& c : cases) {
        TestBytes bytes;
        bytes.Raw(0, "ETED").Le32(22, c.nameLength).Raw(26, c.stored);
        EXPECT_EQ(DecodeFileName(WindowOf(bytes), c.nameLength), c.expected);
    }
    TestBytes longest;
    longest.Raw(0, "ETED").Utf16(26, std::u16string(600, u'n'));
    EXPECT_EQ(DecodeFileName(WindowOf(longest), 1024), std::u16string(512, u'n'));
    EXPECT_EQ(DecodeFileName(WindowOf(longest), 1023), std::u16string(512, u'n'));
}

TEST(FileEntry, DataLengthWrapsInSixtyFourBits) {
    EXPECT_EQ(DataLength(4 + 18 + 5000, 18), 5000);
    EXPECT_EQ(DataLength(22, 18), 0);
    EXPECT_EQ(DataLength(0, 0), -4);
    EXPECT_EQ(DataLength(10, 1024), -1018);
    EXPECT_EQ(DataLength((std::uint64_t{1} << 63) + 5, 18), INT64_MAX - 16); // huge, positive
    EXPECT_EQ(DataLength((std::uint64_t{1} << 63) + 5, 0), INT64_MIN + 1);   // 2^63 + 1 read as signed
    EXPECT_EQ(DataLength(UINT64_MAX, 0xFFFFFFFFu), static_cast<std::int64_t>(UINT64_MAX - 0xFFFFFFFFull - 4));

    TestBytes bytes;
    bytes.Raw(0, "ETED").Le64(8, 4 + 1025 + 7).Le32(22, 1025);
    const FileEntryFields fields = DecodeFileEntryFields(WindowOf(bytes).data());
    EXPECT_EQ(fields.nameLength, 1025u);
    EXPECT_EQ(fields.dataLength, 7);
    EXPECT_FALSE(fields.IsFileEntry());
}

TEST(DisplayPath, JoinsSetVolumeDirectoryAndNameReplacingReservedCharacters) {
    EXPECT_EQ(BuildDisplayPath(u"BKFSET1(Full backupADMIN)"s, u"C", u"\\Data\\Logs\\", u"priv1.edb"),
              u"BKFSET1(Full backupADMIN)C\\Data\\Logs\\priv1.edb");
    EXPECT_EQ(BuildDisplayPath(std::nullopt, u"", u"", u"x"), u"(null)x");
    EXPECT_EQ(BuildDisplayPath(u"BKFSET1(A/B:C)"s, u"", u"", u""), u"BKFSET1(A_B_C)");
    EXPECT_EQ(BuildDisplayPath(u"/\\:*?<>|\"ok"s, u":", u"\\a?", u"b*"), u"_________ok:\\a?b*");
}

} // namespace
} // namespace tarvelo
