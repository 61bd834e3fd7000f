// The mark-up language read by the mark-up renderer, split into tokens without any window dependency:
// text runs (character entities already replaced), opening and closing tags with their attributes,
// line breaks ("br" or a line feed) and tabs ("t" or a tab character). Never fails on any input.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::markup {

struct Attribute {
    std::u16string name;  // lower case
    std::u16string value; // quotes removed
};

struct Token {
    enum class Kind { Text, OpenTag, CloseTag, LineBreak, Tab };
    Kind kind = Kind::Text;
    std::u16string text; // the text of a run, or the lower-case tag name
    std::vector<Attribute> attributes;
    bool selfClosing = false;

    // The value of an attribute, or nullopt when the tag does not have it.
    [[nodiscard]] std::optional<std::u16string> Attr(std::u16string_view name) const;
};

std::vector<Token> Tokenize(std::u16string_view markup);

// The character of a named entity without '&' and ';' ("amp", "lt", ...), or nullopt.
std::optional<char16_t> EntityCharacter(std::u16string_view name);

// Whether the name is one of the language's tags.
bool IsKnownTag(std::u16string_view name);

// A number written as "0x" and hexadecimal digits, or decimal digits; nullopt when malformed or too big.
std::optional<std::uint64_t> ParseNumber(std::u16string_view text);

std::u16string ToLower(std::u16string_view text);

} // namespace tarvelo::markup
