#include "controls/markup/MarkupTokens.h"

#include "controls/markup/MarkupColours.h"
#include "controls/markup/MarkupStyleSheet.h"

#include <gtest/gtest.h>

#include <random>

namespace tarvelo::markup {
namespace {

using Kind = Token::Kind;

// "T:text", "<name>", "</name>", "BR", "TAB" per token.
std::vector<std::u16string> Shape(std::u16string_view markup) {
    std::vector<std::u16string> out;
    for (const Token& t : Tokenize(markup)) {
        switch (t.kind) {
        case Kind::Text:
            out.push_back(u"T:" + t.text);
            break;
        case Kind::OpenTag:
            out.push_back(u"<" + t.text + u">");
            break;
        case Kind::CloseTag:
            out.push_back(u"</" + t.text + u">");
            break;
        case Kind::LineBreak:
            out.push_back(u"BR");
            break;
        case Kind::Tab:
            out.push_back(u"TAB");
            break;
        }
    }
    return out;
}

TEST(MarkupTokens, TagsEntitiesBreaksAndTabs) {
    struct Case {
        std::u16string_view markup;
        std::vector<std::u16string> shape;
    };
    const Case cases[] = {
        {u"plain", {u"T:plain"}},
        {u"a<b>bold</b>c", {u"T:a", u"<b>", u"T:bold", u"</b>", u"T:c"}},
        {u"&lt;b&gt;x&lt;/b&gt;", {u"T:<b>x</b>"}}, // entities never start a tag
        {u"one\ntwo<br>three<BR/>", {u"T:one", u"BR", u"T:two", u"BR", u"T:three", u"BR"}},
        {u"a\tb<t>c", {u"T:a", u"TAB", u"T:b", u"TAB", u"T:c"}},
        {u"&amp;&quot;&nbsp;&copy;&reg;&pound;&para;&iquest;&bull;&euro;&trade;",
         {u"T:&\" \u00A9\u00AE\u00A3\u00B6\u00BF\u2022\u20AC\u2122"}},
        {u"R&D &unknown; & 1 < 2 > 1", {u"T:R&D &unknown; & 1 < 2 > 1"}},
        {u"<right>x</right>", {u"<right>", u"T:x", u"</right>"}},
        {u"a<b", {u"T:a<b"}}, // unterminated tag: literal text
        {u"\r\n", {u"BR"}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shape(c.markup), c.shape);
    }
}

TEST(MarkupTokens, AttributesAreReadQuotedOrNot) {
    const auto tokens =
        Tokenize(u"<table cellpadding=5><td WIDTH=\"32\"><icon handle=0x1A2B><a href='http://x/?a=1&b'>");
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[0].Attr(u"cellpadding").value(), u"5");
    EXPECT_EQ(tokens[1].Attr(u"width").value(), u"32");
    EXPECT_EQ(ParseNumber(tokens[2].Attr(u"handle").value()).value(), 0x1A2Bu);
    EXPECT_EQ(tokens[3].Attr(u"href").value(), u"http://x/?a=1&b");
    EXPECT_FALSE(tokens[0].Attr(u"border").has_value());
    EXPECT_FALSE(ParseNumber(u"0x").has_value());
    EXPECT_FALSE(ParseNumber(u"12z").has_value());
    EXPECT_FALSE(ParseNumber(u"0x11112222333344445").has_value()) << "too long for 64 bits";
}

TEST(MarkupTokens, WholeVocabularyIsKnown) {
    for (const std::u16string_view tag :
         {u"b",      u"i",    u"em",     u"u",     u"s",       u"strike",   u"font", u"hr",      u"br",
          u"t",      u"left", u"center", u"right", u"justify", u"baseline", u"top",  u"vcenter", u"middle",
          u"bottom", u"bmp",  u"icon",   u"ilst",  u"string",  u"body",     u"h1",   u"h6",      u"code",
          u"pre",    u"big",  u"small",  u"sub",   u"sup",     u"span",     u"a",    u"table"}) {
        EXPECT_TRUE(IsKnownTag(tag));
    }
    EXPECT_FALSE(IsKnownTag(u"blink"));
}

TEST(MarkupColours, NamesSystemKeywordsAndHex) {
    EXPECT_EQ(NamedColourCount(), 140u);
    EXPECT_EQ(ParseColour(u"lightgrey")->rgb, 0xD3D3D3u);
    EXPECT_FALSE(ParseColour(u"lightgray").has_value()) << "the light grey is spelled only with an e";
    EXPECT_EQ(ParseColour(u"Blue")->rgb, 0x0000FFu);
    EXPECT_EQ(ParseColour(u"#ff9900")->rgb, 0xFF9900u);
    EXPECT_EQ(ParseColour(u"threedface")->system, SystemColour::ButtonFace);
    EXPECT_EQ(ParseColour(u"infobackground")->system, SystemColour::InfoBackground);
    EXPECT_FALSE(ParseColour(u"#ff99").has_value());
    EXPECT_FALSE(ParseColour(u"#gg9900").has_value());
}

TEST(MarkupStyleSheet, DefaultSheetGivesVerdanaTenPointBlackBody) {
    StyleSheet sheet;
    sheet.Load(StyleSheet::DefaultText());
    EXPECT_EQ(sheet.Rules().size(), 17u);
    TextStyle body;
    body.family = u"x";
    body.pointSize = 3;
    sheet.ApplyRule(u"body", body);
    EXPECT_EQ(body.family, u"Verdana");
    EXPECT_DOUBLE_EQ(body.pointSize, 10);
    EXPECT_EQ(body.colour.rgb, 0u);
    TextStyle h6 = body;
    sheet.ApplyRule(u"h6", h6);
    EXPECT_DOUBLE_EQ(h6.pointSize, 6.5);
    EXPECT_EQ(h6.colour.rgb, 0x626262u);
    TextStyle pre = body;
    sheet.ApplyRule(u"pre", pre);
    EXPECT_EQ(pre.family, u"Courier");
    TextStyle comment = body;
    sheet.ApplyRule(u".cpp-comment", comment);
    EXPECT_TRUE(comment.italic);
    TextStyle sup = body;
    sheet.ApplyRule(u"sup", sup);
    EXPECT_EQ(sup.verticalAlign, VAlign::Top);
}

TEST(MarkupStyleSheet, BrokenSheetsAndValuesChangeNothingHarmful) {
    StyleSheet sheet;
    sheet.Load(u"b {font-weight: bolder; font-size: 99999pt} {x} c {color: nonsense; ; :} d {font-size: ");
    TextStyle style;
    sheet.ApplyRule(u"b", style);
    EXPECT_EQ(style.weight, 900);
    EXPECT_DOUBLE_EQ(style.pointSize, 10) << "absurd sizes are ignored";
    sheet.ApplyRule(u"c", style);
    EXPECT_EQ(style.colour.rgb, 0u);
}

// Random input of the language's own characters and words never breaks the tokenizer, and text runs
// never carry a tag's angle bracket that was part of a complete tag.
TEST(MarkupTokens, RandomInputIsAlwaysTokenized) {
    const std::u16string_view pieces[] = {u"<",   u">",  u"/",  u"&",    u";",      u"=",     u"\"",
                                          u"'",   u" ",  u"\n", u"\t",   u"b",      u"table", u"td",
                                          u"amp", u"lt", u"x",  u"0x1F", u"\u00e9", u"\r"};
    std::mt19937 random(20);
    for (int round = 0; round < 3000; ++round) {
        std::u16string input;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            input += pieces[random() % std::size(pieces)];
        }
        const auto tokens = Tokenize(input);
        std::size_t textLength = 0;
        for (const Token& t : tokens) {
            textLength += t.text.size();
            if (t.kind == Kind::OpenTag || t.kind == Kind::CloseTag) {
                EXPECT_FALSE(t.text.empty());
            }
        }
        EXPECT_LE(textLength, input.size());
    }
}

} // namespace
} // namespace tarvelo::markup
