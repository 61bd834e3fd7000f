#include "dbheader/ReadDatabaseHeader.h"

#include "platform/os/File.h"
#include "reader/TextEncoding.h"

#include <array>

namespace tarvelo {

DatabaseHeaderResult ReadDatabaseHeader(const std::filesystem::path& path) {
    DatabaseHeaderResult result;
    os::File file = os::File::Open(path, os::OpenMode::Read, result.error);
    if (!file.IsOpen()) {
        return result;
    }
    std::array<std::uint8_t, DatabaseHeader::kSize> buffer{};
    const auto got = file.ReadAt(0, buffer);
    if (!got) {
        result.error = "'" + Utf8FromPath(path) + "': the file could not be read";
        return result;
    }
    result.header = DatabaseHeader::FromBytes(std::span<const std::uint8_t>(buffer.data(), *got));
    result.ok = true;
    return result;
}

} // namespace tarvelo
