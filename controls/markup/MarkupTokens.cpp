#include "controls/markup/MarkupTokens.h"

#include <array>

namespace tarvelo::markup {

namespace {

bool IsLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool IsNameChar(char16_t c) {
    return IsLetter(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_' || c == u':';
}
bool IsSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

struct Entity {
    std::u16string_view name;
    char16_t character;
};
constexpr std::array<Entity, 13> kEntities{{
    {u"amp", u'&'},
    {u"lt", u'<'},
    {u"gt", u'>'},
    {u"quot", u'"'},
    {u"nbsp", u' '},
    {u"copy", u'\u00A9'},
    {u"reg", u'\u00AE'},
    {u"pound", u'\u00A3'},
    {u"para", u'\u00B6'},
    {u"iquest", u'\u00BF'},
    {u"bull", u'\u2022'},
    {u"euro", u'\u20AC'},
    {u"trade", u'\u2122'},
}};

constexpr std::array<std::u16string_view, 52> kTags{
    u"b",      u"i",       u"em",     u"u",     u"s",       u"strike",   u"font",  u"hr",      u"br",
    u"t",      u"left",    u"center", u"right", u"justify", u"baseline", u"top",   u"vcenter", u"middle",
    u"bottom", u"bmp",     u"icon",   u"ilst",  u"string",  u"body",     u"h1",    u"h2",      u"h3",
    u"h4",     u"h5",      u"h6",     u"code",  u"pre",     u"big",      u"small", u"sub",     u"sup",
    u"span",   u"a",       u"table",  u"tr",    u"td",      u"th",       u"p",     u"div",     u"tbody",
    u"thead",  u"caption", u"col",    u"html",  u"head",    u"title",    u"style"};

// Reads a tag starting at markup[pos] == '<'. Returns false (and leaves pos) when it is not a tag.
bool ReadTag(std::u16string_view m, std::size_t& pos, Token& token) {
    std::size_t i = pos + 1;
    bool closing = false;
    if (i < m.size() && m[i] == u'/') {
        closing = true;
        ++i;
    }
    if (i >= m.size() || !IsLetter(m[i])) {
        return false;
    }
    const std::size_t nameStart = i;
    while (i < m.size() && IsNameChar(m[i])) {
        ++i;
    }
    token.kind = closing ? Token::Kind::CloseTag : Token::Kind::OpenTag;
    token.text = ToLower(m.substr(nameStart, i - nameStart));
    while (true) {
        while (i < m.size() && IsSpace(m[i])) {
            ++i;
        }
        if (i >= m.size()) {
            return false; // no closing '>': the '<' is plain text
        }
        if (m[i] == u'>') {
            pos = i + 1;
            return true;
        }
        if (m[i] == u'/') {
            token.selfClosing = true;
            ++i;
            continue;
        }
        const std::size_t attrStart = i;
        while (i < m.size() && !IsSpace(m[i]) && m[i] != u'=' && m[i] != u'>' && m[i] != u'/') {
            ++i;
        }
        if (i == attrStart) {
            ++i; // a stray character such as a lone quote
            continue;
        }
        Attribute attribute{ToLower(m.substr(attrStart, i - attrStart)), {}};
        while (i < m.size() && IsSpace(m[i])) {
            ++i;
        }
        if (i < m.size() && m[i] == u'=') {
            ++i;
            while (i < m.size() && IsSpace(m[i])) {
                ++i;
            }
            if (i < m.size() && (m[i] == u'"' || m[i] == u'\'')) {
                const char16_t quote = m[i++];
                const std::size_t valueStart = i;
                while (i < m.size() && m[i] != quote) {
                    ++i;
                }
                attribute.value.assign(m.substr(valueStart, i - valueStart));
                if (i < m.size()) {
                    ++i;
                }
            } else {
                const std::size_t valueStart = i;
                while (i < m.size() && !IsSpace(m[i]) && m[i] != u'>') {
                    ++i;
                }
                attribute.value.assign(m.substr(valueStart, i - valueStart));
            }
        }
        if (!closing) {
            token.attributes.push_back(std::move(attribute));
        }
    }
}

void FlushText(std::vector<Token>& tokens, std::u16string& text) {
    if (!text.empty()) {
        tokens.push_back(Token{Token::Kind::Text, std::move(text), {}, false});
        text.clear();
    }
}

} // namespace

std::optional<std::u16string> Token::Attr(std::u16string_view name) const {
    for (const Attribute& a : attributes) {
        if (a.name == name) {
            return a.value;
        }
    }
    return std::nullopt;
}

std::u16string ToLower(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
    }
    return out;
}

std::optional<char16_t> EntityCharacter(std::u16string_view name) {
    for (const Entity& e : kEntities) {
        if (e.name == name) {
            return e.character;
        }
    }
    return std::nullopt;
}

bool IsKnownTag(std::u16string_view name) {
    for (const std::u16string_view tag : kTags) {
        if (tag == name) {
            return true;
        }
    }
    return false;
}

std::optional<std::uint64_t> ParseNumber(std::u16string_view text) {
    std::uint64_t value = 0;
    std::size_t i = 0;
    unsigned base = 10;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        base = 16;
        i = 2;
    }
    if (i >= text.size() || text.size() - i > (base == 16 ? 16u : 19u)) {
        return std::nullopt;
    }
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        unsigned digit = 0;
        if (c >= u'0' && c <= u'9') {
            digit = static_cast<unsigned>(c - u'0');
        } else if (base == 16 && c >= u'a' && c <= u'f') {
            digit = static_cast<unsigned>(c - u'a' + 10);
        } else if (base == 16 && c >= u'A' && c <= u'F') {
            digit = static_cast<unsigned>(c - u'A' + 10);
        } else {
            return std::nullopt;
        }
        value = value * base + digit;
    }
    return value;
}

std::vector<Token> Tokenize(std::u16string_view m) {
    std::vector<Token> tokens;
    std::u16string text;
    std::size_t pos = 0;
    while (pos < m.size()) {
        const char16_t c = m[pos];
        if (c == u'<') {
            Token tag;
            std::size_t next = pos;
            if (ReadTag(m, next, tag)) {
                FlushText(tokens, text);
                if (tag.text == u"br" && tag.kind == Token::Kind::OpenTag) {
                    tokens.push_back(Token{Token::Kind::LineBreak, {}, {}, false});
                } else if (tag.text == u"t" && tag.kind == Token::Kind::OpenTag) {
                    tokens.push_back(Token{Token::Kind::Tab, {}, {}, false});
                } else if (tag.text != u"br" && tag.text != u"t") {
                    tokens.push_back(std::move(tag));
                }
                pos = next;
                continue;
            }
            text += c;
            ++pos;
        } else if (c == u'&') {
            const std::size_t semicolon = m.find(u';', pos + 1);
            if (semicolon != std::u16string_view::npos && semicolon - pos <= 8) {
                if (const auto character = EntityCharacter(ToLower(m.substr(pos + 1, semicolon - pos - 1)))) {
                    text += *character;
                    pos = semicolon + 1;
                    continue;
                }
            }
            text += c; // not an entity: a literal ampersand
            ++pos;
        } else if (c == u'\n') {
            FlushText(tokens, text);
            tokens.push_back(Token{Token::Kind::LineBreak, {}, {}, false});
            ++pos;
        } else if (c == u'\t') {
            FlushText(tokens, text);
            tokens.push_back(Token{Token::Kind::Tab, {}, {}, false});
            ++pos;
        } else if (c == u'\r') {
            ++pos;
        } else {
            text += c;
            ++pos;
        }
    }
    FlushText(tokens, text);
    return tokens;
}

} // namespace tarvelo::markup
