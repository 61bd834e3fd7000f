#include "tools/bkfgen/ExpectedPath.h"

#include "reader/TextEncoding.h"

#include <algorithm>

namespace tarvelo::bkfgen {

namespace {

std::u16string Units(std::string_view bytes) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return units;
}

std::u16string UpToNul(std::string_view bytes) {
    std::u16string units = Units(bytes);
    units.resize(std::min(units.size(), units.find(u'\0')));
    return units;
}

} // namespace

std::optional<std::u16string> ExpectedSetName(std::uint16_t number, std::string_view nameBytes,
                                              std::string_view userBytes, std::uint16_t encryption,
                                              std::uint16_t compression) {
    if (encryption != 0 && compression != 0 && userBytes.size() > 120) {
        return std::nullopt;
    }
    std::u16string name = u"BKFSET" + Utf8ToUtf16(std::to_string(number)) + u"(";
    name += UpToNul(nameBytes);
    name += UpToNul(userBytes);
    name += u")";
    return name;
}

std::u16string ExpectedVolumePrefix(std::string_view deviceBytes) {
    if (deviceBytes.size() < 2) {
        return {};
    }
    return std::u16string(1, static_cast<char16_t>(static_cast<unsigned char>(deviceBytes[0])));
}

std::u16string ExpectedDirectoryPath(std::string_view nameBytes) {
    std::u16string path;
    const bool leading = nameBytes.size() >= 2 && nameBytes[0] != '\0';
    if (leading) {
        path.push_back(u'\\');
    }
    std::u16string units = Units(nameBytes);
    units.resize(std::min<std::size_t>(units.size(), leading ? 253 : 255));
    for (char16_t unit : units) {
        path.push_back(unit == u'\0' ? u'\\' : unit);
    }
    return path;
}

std::u16string ExpectedFileName(std::string_view nameBytes, std::uint8_t following) {
    std::string bytes(nameBytes);
    if (bytes.size() % 2 != 0) {
        bytes.push_back(static_cast<char>(following));
    }
    std::u16string name = Units(bytes);
    name.resize(std::min<std::size_t>(name.size(), 512));
    return name;
}

std::u16string ExpectedDisplayPath(const std::optional<std::u16string>& setName,
                                   std::u16string_view volumePrefix, std::u16string_view directoryPath,
                                   std::u16string_view fileName) {
    std::u16string path = setName ? *setName : std::u16string(u"(null)");
    for (char16_t& unit : path) {
        if (std::u16string_view(u"/\\:*?<>|\"").find(unit) != std::u16string_view::npos) {
            unit = u'_';
        }
    }
    path += volumePrefix;
    path += directoryPath;
    path += fileName;
    path.resize(std::min(std::min<std::size_t>(path.size(), 1023), path.find(u'\0')));
    return path;
}

} // namespace tarvelo::bkfgen
