// The one place that converts between UTF-16 (records, snapshots, saved logs) and the platform's
// strings: UTF-8 on POSIX systems, UTF-16 (wchar_t) on Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvelo {

inline constexpr char16_t kReplacementCharacter = u'\uFFFD';

// UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD; every other character is kept.
std::string Utf16ToUtf8(std::u16string_view text);

// UTF-8 to UTF-16. Each malformed byte sequence becomes one U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// A file-system path for a UTF-16 name. On Windows the units are passed through unchanged (even
// unpaired surrogates, which NTFS accepts); elsewhere the name goes through UTF-8.
std::filesystem::path PathFromUtf16(std::u16string_view text);
std::filesystem::path PathFromUtf8(std::string_view text);
std::u16string Utf16FromPath(const std::filesystem::path& path);
std::string Utf8FromPath(const std::filesystem::path& path);

// Units of a little-endian UTF-16 field up to the first nul unit, reading at most maxUnits units
// (and never past byteCount bytes; an odd last byte is ignored).
std::u16string Utf16FromLeBytes(const std::uint8_t* bytes, std::size_t byteCount, std::size_t maxUnits);

// Appends the units as UTF-16LE bytes.
void AppendUtf16Le(std::string& out, std::u16string_view text);

[[nodiscard]] constexpr bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
[[nodiscard]] constexpr bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace tarvelo
