#include "cli/TextOutput.h"

#include "reader/TextEncoding.h"

#include <array>
#include <cstdio>

namespace tarvelo::cli {

namespace {

constexpr int kRecordWidth = 8;
constexpr int kSizeWidth = 11;

std::string Padded(const std::string& text, int width) {
    const auto missing =
        static_cast<std::size_t>(width) > text.size() ? static_cast<std::size_t>(width) - text.size() : 0;
    return std::string(missing, ' ') + text;
}

std::string Fixed(double value, int decimals) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    return buffer.data();
}

} // namespace

std::string FormatSize(std::uint64_t bytes) {
    static constexpr std::array<const char*, 6> kUnits = {"KiB", "MiB", "GiB", "TiB", "PiB", "EiB"};
    if (bytes < 1024) {
        return std::to_string(bytes) + " B";
    }
    double value = static_cast<double>(bytes) / 1024.0;
    std::size_t unit = 0;
    while (value >= 1024.0 && unit + 1 < kUnits.size()) {
        value /= 1024.0;
        ++unit;
    }
    return Fixed(value, 1) + " " + kUnits[unit];
}

std::string TerminalText(std::u16string_view text) {
    std::u16string shown(text);
    for (char16_t& unit : shown) {
        if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F)) {
            unit = kReplacementCharacter;
        }
    }
    return Utf16ToUtf8(shown); // unpaired surrogates become U+FFFD here
}

std::string FileTableHeading() {
    return Padded("Record", kRecordWidth) + Padded("Size", kSizeWidth) + "  Path";
}

std::string FileTableRow(std::uint64_t record, std::uint64_t size, std::u16string_view path) {
    return Padded(std::to_string(record), kRecordWidth) + Padded(FormatSize(size), kSizeWidth) + "  " +
           TerminalText(path);
}

namespace {

std::string Summary(std::uint64_t files, std::string_view filesVerb, std::uint64_t bytes,
                    std::string_view bytesVerb, std::chrono::duration<double> elapsed) {
    const double seconds = elapsed.count();
    std::string text = std::to_string(files);
    text += files == 1 ? " file " : " files ";
    text += filesVerb;
    text += ", ";
    text += FormatSize(bytes);
    text += ' ';
    text += bytesVerb;
    text += " in ";
    text += Fixed(seconds, 2);
    text += " s";
    if (seconds > 0) {
        text += " (";
        text += FormatSize(static_cast<std::uint64_t>(static_cast<double>(bytes) / seconds));
        text += "/s)";
    }
    return text;
}

} // namespace

std::string ScanSummary(std::uint64_t files, std::uint64_t bytes, std::chrono::duration<double> elapsed) {
    return Summary(files, "found", bytes, "scanned", elapsed);
}

std::string ExtractSummary(std::uint64_t files, std::uint64_t bytes, std::chrono::duration<double> elapsed) {
    return Summary(files, "extracted", bytes, "written", elapsed);
}

} // namespace tarvelo::cli
