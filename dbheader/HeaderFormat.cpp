#include "dbheader/HeaderFormat.h"

#include <algorithm>
#include <cstdio>

namespace tarvelo {

namespace {

std::uint8_t ByteAt(HeaderBlock block, std::size_t at) {
    return at < block.size() ? block[at] : 0;
}

std::uint16_t U16At(HeaderBlock block, std::size_t at) {
    return static_cast<std::uint16_t>(ByteAt(block, at) | (ByteAt(block, at + 1) << 8));
}

std::uint32_t U32At(HeaderBlock block, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(ByteAt(block, at + i)) << (8 * i);
    }
    return value;
}

int I32At(HeaderBlock block, std::size_t at) {
    return static_cast<std::int32_t>(U32At(block, at));
}

std::u16string Widen(const char* text) {
    std::u16string out;
    for (; *text != '\0'; ++text) {
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*text)));
    }
    return out;
}

} // namespace

std::u16string FormatHexBytes(HeaderBlock bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::u16string out;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint8_t value = ByteAt(bytes, i);
        out.push_back(static_cast<char16_t>(kDigits[value >> 4]));
        out.push_back(static_cast<char16_t>(kDigits[value & 0xF]));
    }
    return out;
}

std::u16string FormatDecimal(HeaderBlock bytes) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", I32At(bytes, 0));
    return Widen(text);
}

std::u16string FormatDbTime(HeaderBlock block) {
    char text[32];
    std::snprintf(text, sizeof text, "%d:%d:%d", U16At(block, 0), U16At(block, 2), U16At(block, 4));
    return Widen(text);
}

std::u16string FormatHeaderLogTime(HeaderBlock block) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d:%02d:%02d:%04d", ByteAt(block, 2), ByteAt(block, 1),
                  ByteAt(block, 0), ByteAt(block, 4), ByteAt(block, 3), 1900 + ByteAt(block, 5));
    return Widen(text);
}

std::u16string FormatLogPosition(HeaderBlock block) {
    char text[80];
    std::snprintf(text, sizeof text, "Block = %d Sector = %d Generation = %d", U16At(block, 0),
                  U16At(block, 2), I32At(block, 4));
    return Widen(text);
}

std::array<std::u16string, 4> FormatBackupInfo(HeaderBlock block) {
    const HeaderBlock position = block.subspan(0, std::min<std::size_t>(block.size(), 8));
    const HeaderBlock time = block.size() > 8 ? block.subspan(8) : HeaderBlock{};
    const HeaderBlock lower = block.size() > 16 ? block.subspan(16) : HeaderBlock{};
    const HeaderBlock upper = block.size() > 20 ? block.subspan(20) : HeaderBlock{};
    return {FormatLogPosition(position), FormatHeaderLogTime(time), FormatDecimal(lower),
            FormatDecimal(upper)};
}

std::u16string FormatFileType(HeaderBlock bytes) {
    return U32At(bytes, 0) == 0 ? u"DataBase type" : u"Streaming File Type";
}

std::u16string FormatDatabaseState(HeaderBlock bytes) {
    switch (U32At(bytes, 0)) {
    case 1:
        return u"JET_dbstateJustCreated";
    case 2:
        return u"JET_dbstateDirtyShutdown";
    case 3:
        return u"JET_dbstateCleanShutdown";
    case 4:
        return u"JET_dbstateBeingConverted";
    case 5:
        return u"JET_dbstateForceDetach";
    default:
        return {};
    }
}

} // namespace tarvelo
