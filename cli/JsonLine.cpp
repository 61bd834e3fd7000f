#include "cli/JsonLine.h"

#include "reader/TextEncoding.h"

#include <array>

namespace tarvelo::cli {

namespace {

void AppendUnitEscape(std::string& out, char16_t unit) {
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out.push_back(kHex[(unit >> shift) & 0xF]);
    }
}

} // namespace

std::string JsonString(std::u16string_view text) {
    std::string out = "\"";
    std::size_t runStart = 0; // start of the run of plain characters not yet converted
    auto flush = [&](std::size_t end) {
        out += Utf16ToUtf8(text.substr(runStart, end - runStart));
        runStart = end + 1;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i; // a valid pair stays in the run
            continue;
        }
        if (unit == u'"' || unit == u'\\') {
            flush(i);
            out.push_back('\\');
            out.push_back(static_cast<char>(unit));
        } else if (unit < 0x20 || unit == 0x7F || IsHighSurrogate(unit) || IsLowSurrogate(unit) ||
                   unit == 0x2028 || unit == 0x2029) {
            flush(i);
            AppendUnitEscape(out, unit);
        }
    }
    flush(text.size());
    out.push_back('"');
    return out;
}

void JsonLine::Key(std::string_view key) {
    if (text_.size() > 1) {
        text_.push_back(',');
    }
    text_ += JsonString(Utf8ToUtf16(key));
    text_.push_back(':');
}

JsonLine& JsonLine::Add(std::string_view key, std::int64_t value) {
    Key(key);
    text_ += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::Add(std::string_view key, std::uint64_t value) {
    Key(key);
    text_ += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::Add(std::string_view key, std::u16string_view value) {
    Key(key);
    text_ += JsonString(value);
    return *this;
}

} // namespace tarvelo::cli
