#include "cli/JsonLine.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace tarvelo::cli {
namespace {

TEST(JsonLineTest, StringsAreEscapedAndParseBack) {
    const struct {
        std::u16string text;
        std::string json;
    } cases[] = {
        {u"", R"("")"},
        {u"SET(Full)C\\Data\\priv1.edb", R"("SET(Full)C\\Data\\priv1.edb")"},
        {u"quote\" tab\t nl\n nul" + std::u16string(1, u'\0') + u" del\x7f",
         R"("quote\" tab\u0009 nl\u000a nul\u0000 del\u007f")"},
        {u"\u00DCber \u540D \U0001F600", "\"\xC3\x9C"
                                         "ber \xE5\x90\x8D \xF0\x9F\x98\x80\""},
        {u"line\u2028sep", R"("line\u2028sep")"},
    };
    for (const auto& c : cases) {
        const std::string json = JsonString(c.text);
        EXPECT_EQ(json, c.json);
        // A standard parser reads the same text back.
        EXPECT_EQ(nlohmann::json::parse(json).get<std::string>(),
                  nlohmann::json::parse(c.json).get<std::string>());
    }
}

TEST(JsonLineTest, UnpairedSurrogatesBecomeEscapesOfTheUnit) {
    const std::u16string lone = {u'a', char16_t{0xD800}, u'b', char16_t{0xDC01}, char16_t{0xDBFF}};
    EXPECT_EQ(JsonString(lone), R"("a\ud800b\udc01\udbff")");
    // Reversed pair: both units unpaired.
    EXPECT_EQ(JsonString(std::u16string{char16_t{0xDC00}, char16_t{0xD800}}), R"("\udc00\ud800")");
    // A valid pair stays one UTF-8 character.
    EXPECT_EQ(JsonString(std::u16string{char16_t{0xD83D}, char16_t{0xDE00}}), "\"\xF0\x9F\x98\x80\"");
}

TEST(JsonLineTest, ObjectKeepsKeyOrderAndNumberRanges) {
    const std::string text = JsonLine()
                                 .Add("record", std::int64_t{1})
                                 .Add("offset", std::uint64_t{18446744073709551615u})
                                 .Add("size", std::int32_t{-1})
                                 .Add("length", std::int64_t{-9223372036854775807 - 1})
                                 .Add("path", u"a\\b")
                                 .Text();
    EXPECT_EQ(
        text,
        R"({"record":1,"offset":18446744073709551615,"size":-1,"length":-9223372036854775808,"path":"a\\b"})");
    const auto parsed = nlohmann::json::parse(text);
    EXPECT_EQ(parsed["offset"].get<std::uint64_t>(), 18446744073709551615u);
    EXPECT_EQ(parsed["size"].get<std::int32_t>(), -1);
    EXPECT_EQ(parsed["path"].get<std::string>(), "a\\b");
}

} // namespace
} // namespace tarvelo::cli
