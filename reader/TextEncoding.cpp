#include "reader/TextEncoding.h"

#include <algorithm>

namespace tarvelo {

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

} // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            const char32_t cp = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                                (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            AppendUtf8(out, cp);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(out, kReplacementCharacter);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1Fu;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0Fu;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07u;
            minimum = 0x10000;
        } else {
            out.push_back(kReplacementCharacter);
            ++i;
            continue;
        }
        std::size_t taken = 1;
        bool ok = true;
        for (; taken <= extra; ++taken) {
            if (i + taken >= text.size()) {
                ok = false;
                break;
            }
            const auto cont = static_cast<unsigned char>(text[i + taken]);
            if ((cont & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cont & 0x3Fu);
        }
        if (!ok || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(kReplacementCharacter);
            i += ok ? taken : std::max<std::size_t>(taken, 1);
            continue;
        }
        AppendUtf16(out, cp);
        i += taken;
    }
    return out;
}

std::filesystem::path PathFromUtf16(std::u16string_view text) {
#ifdef _WIN32
    return std::filesystem::path(std::wstring(text.begin(), text.end()));
#else
    return std::filesystem::path(Utf16ToUtf8(text));
#endif
}

std::filesystem::path PathFromUtf8(std::string_view text) {
#ifdef _WIN32
    return PathFromUtf16(Utf8ToUtf16(text));
#else
    return std::filesystem::path(std::string(text));
#endif
}

std::u16string Utf16FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::wstring& native = path.native();
    return std::u16string(native.begin(), native.end());
#else
    return Utf8ToUtf16(path.native());
#endif
}

std::string Utf8FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return Utf16ToUtf8(Utf16FromPath(path));
#else
    return path.native();
#endif
}

std::u16string Utf16FromLeBytes(const std::uint8_t* bytes, std::size_t byteCount, std::size_t maxUnits) {
    std::u16string out;
    const std::size_t units = std::min(byteCount / 2, maxUnits);
    for (std::size_t i = 0; i < units; ++i) {
        const auto unit = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        if (unit == 0) {
            break;
        }
        out.push_back(unit);
    }
    return out;
}

void AppendUtf16Le(std::string& out, std::u16string_view text) {
    for (const char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
}

} // namespace tarvelo
