#include "reader/TextEncoding.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct Utf16Case {
    std::u16string utf16;
    std::string utf8;
};

TEST(TextEncodingTest, Utf16ToUtf8Table) {
    const Utf16Case cases[] = {
        {u"", ""},
        {u"priv1.edb", "priv1.edb"},
        {u"\u00DCberpr\u00FCfung \u540D\u524D", "\xC3\x9C" "berpr\xC3\xBC" "fung \xE5\x90\x8D\xE5\x89\x8D"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
        {std::u16string{u'a', char16_t{0xD800}, u'b'}, "a\xEF\xBF\xBD" "b"},  // lone high surrogate
        {std::u16string{char16_t{0xDC00}}, "\xEF\xBF\xBD"},                    // lone low surrogate
        {std::u16string{char16_t{0xD800}, char16_t{0xD800}, char16_t{0xDC00}}, "\xEF\xBF\xBD\xF0\x90\x80\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
    }
}

TEST(TextEncodingTest, Utf8RoundTripAndMalformedInput) {
    EXPECT_EQ(Utf8ToUtf16("\xC3\x9C" "ber \xF0\x9F\x98\x80"), u"\u00DCber \U0001F600");
    EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");           // truncated sequence
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD");       // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD");   // encoded surrogate
}

TEST(TextEncodingTest, PathRoundTrip) {
    const std::u16string name = u"\u00DCberpr\u00FCfung \u540D\u524D.bkf";
    EXPECT_EQ(Utf16FromPath(PathFromUtf16(name)), name);
}

TEST(TextEncodingTest, LeBytesStopAtNulAndLimits) {
    const std::uint8_t bytes[] = {'a', 0, 'b', 0, 0, 0, 'c', 0};
    EXPECT_EQ(Utf16FromLeBytes(bytes, sizeof bytes, 100), u"ab");
    EXPECT_EQ(Utf16FromLeBytes(bytes, sizeof bytes, 1), u"a");
    EXPECT_EQ(Utf16FromLeBytes(bytes, 3, 100), u"a");
    std::string out;
    AppendUtf16Le(out, u"a\u20AC");
    EXPECT_EQ(out, std::string("a\0\xAC\x20", 4));
}

} // namespace
} // namespace tarvelo
