#include "reader/BlockDecoders.h"

#include "reader/TextEncoding.h"

#include <algorithm>

namespace tarvelo {
namespace {

// "SSET" fields.
constexpr std::size_t kEncryptionOffset = 56;
constexpr std::size_t kCompressionOffset = 58;
constexpr std::size_t kSetNumberOffset = 62;
constexpr std::size_t kSetNameOffset = 64;
constexpr std::size_t kUserNameOffset = 76;
constexpr std::uint16_t kDamagedUserNameSize = 120;
// "VOLB" and "DIRB" fields.
constexpr std::size_t kDeviceNameOffset = 56;
constexpr std::size_t kDirectoryNameOffset = 80;
constexpr std::size_t kMaxPathUnitsAfterBackslash = 253;
constexpr std::size_t kMaxPathUnitsWithout = 255;
// "ETED" fields.
constexpr std::size_t kEntryLengthOffset = 8;
constexpr std::size_t kNameLengthOffset = 22;

std::u16string StringAt(const BlockWindow& window, TapeAddress address) {
    return Utf16FromLeBytes(window.data() + address.offset, address.size, address.size / 2u);
}

std::u16string Decimal(unsigned value) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

bool IsReservedInFileName(char16_t unit) {
    return unit == u'/' || unit == u'\\' || unit == u':' || unit == u'*' || unit == u'?' || unit == u'<' ||
           unit == u'>' || unit == u'|' || unit == u'"';
}

} // namespace

std::uint16_t ReadLe16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t ReadLe32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint64_t ReadLe64(const std::uint8_t* bytes) {
    return std::uint64_t{ReadLe32(bytes)} | std::uint64_t{ReadLe32(bytes + 4)} << 32;
}

TapeAddress TapeAddress::At(const BlockWindow& window, std::size_t fieldOffset) {
    return {ReadLe16(window.data() + fieldOffset), ReadLe16(window.data() + fieldOffset + 2)};
}

std::optional<std::u16string> DecodeSetName(const BlockWindow& window) {
    const TapeAddress name = TapeAddress::At(window, kSetNameOffset);
    const TapeAddress user = TapeAddress::At(window, kUserNameOffset);
    const bool damaged = ReadLe16(window.data() + kEncryptionOffset) != 0 &&
                         ReadLe16(window.data() + kCompressionOffset) != 0 &&
                         user.size > kDamagedUserNameSize;
    if (damaged || !name.InsideWindow() || !user.InsideWindow()) {
        return std::nullopt;
    }
    std::u16string text = u"BKFSET";
    text += Decimal(ReadLe16(window.data() + kSetNumberOffset));
    text += u'(';
    text += StringAt(window, name);
    text += StringAt(window, user);
    text += u')';
    return text;
}

std::optional<std::u16string> DecodeVolumePrefix(const BlockWindow& window) {
    const TapeAddress device = TapeAddress::At(window, kDeviceNameOffset);
    if (!device.InsideWindow()) {
        return std::nullopt;
    }
    if (device.size < 2 || window[device.offset] == 0) {
        return std::u16string();
    }
    return std::u16string(1, Windows1252ToUtf16(window[device.offset]));
}

std::optional<std::u16string> DecodeDirectoryPath(const BlockWindow& window) {
    const TapeAddress name = TapeAddress::At(window, kDirectoryNameOffset);
    if (!name.InsideWindow()) {
        return std::nullopt;
    }
    std::u16string path;
    const bool leadingBackslash = name.size >= 2 && window[name.offset] != 0;
    if (leadingBackslash) {
        path.push_back(u'\\');
    }
    const std::size_t units = std::min<std::size_t>(
        name.size / 2u, leadingBackslash ? kMaxPathUnitsAfterBackslash : kMaxPathUnitsWithout);
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t unit = static_cast<char16_t>(ReadLe16(window.data() + name.offset + 2 * i));
        path.push_back(unit == 0 ? u'\\' : unit);
    }
    return path;
}

FileEntryFields DecodeFileEntryFields(const std::uint8_t* window) {
    FileEntryFields fields;
    fields.entryLength = ReadLe64(window + kEntryLengthOffset);
    fields.nameLength = ReadLe32(window + kNameLengthOffset);
    fields.dataLength = DataLength(fields.entryLength, fields.nameLength);
    return fields;
}

std::u16string DecodeFileName(const BlockWindow& window, std::uint32_t nameLength) {
    const std::size_t units = (std::min(nameLength, kMaxFileNameBytes) + 1u) / 2u;
    return Utf16FromLeBytes(window.data() + kFileNameOffset, 2 * units, units);
}

std::u16string BuildDisplayPath(const std::optional<std::u16string>& setName,
                                std::u16string_view volumePrefix, std::u16string_view directoryPath,
                                std::u16string_view fileName) {
    std::u16string path = setName ? *setName : std::u16string(u"(null)");
    std::replace_if(path.begin(), path.end(), IsReservedInFileName, u'_');
    path += volumePrefix;
    path += directoryPath;
    path += fileName;
    return path;
}

char16_t Windows1252ToUtf16(std::uint8_t byte) {
    // 0x80-0x9F differ from Latin-1; 0x81, 0x8D, 0x8F, 0x90 and 0x9D are unassigned and kept.
    static constexpr std::array<char16_t, 32> kHigh = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHigh[byte - 0x80u];
    }
    return static_cast<char16_t>(byte);
}

} // namespace tarvelo
