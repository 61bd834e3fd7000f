#include "reader/ScanRecords.h"

#include <algorithm>

namespace tarvelo {

std::u16string FileRecord::Path() const {
    std::u16string path;
    path.reserve(64);
    for (std::size_t i = 0; i < kPathUnits; ++i) {
        const auto unit = static_cast<char16_t>(bytes_[kPathOffset + 2 * i] |
                                                (bytes_[kPathOffset + 2 * i + 1] << 8));
        if (unit == 0) {
            break;
        }
        path.push_back(unit);
    }
    return path;
}

void FileRecord::SetPath(std::u16string_view path) {
    const std::size_t units = std::min(path.size(), kPathUnits - 1);
    std::size_t i = 0;
    for (; i < units && path[i] != 0; ++i) {
        bytes_[kPathOffset + 2 * i] = static_cast<std::uint8_t>(path[i] & 0xFF);
        bytes_[kPathOffset + 2 * i + 1] = static_cast<std::uint8_t>(path[i] >> 8);
    }
    std::fill(bytes_.begin() + static_cast<std::ptrdiff_t>(kPathOffset + 2 * i),
              bytes_.begin() + static_cast<std::ptrdiff_t>(kPathOffset + 2 * kPathUnits), std::uint8_t{0});
}

std::uint64_t FileRecord::ReadLe64(std::size_t at) const {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        value |= static_cast<std::uint64_t>(bytes_[at + i]) << (8 * i);
    }
    return value;
}

std::uint32_t FileRecord::ReadLe32(std::size_t at) const {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(bytes_[at + i]) << (8 * i);
    }
    return value;
}

void FileRecord::WriteLe64(std::size_t at, std::uint64_t value) {
    for (std::size_t i = 0; i < 8; ++i) {
        bytes_[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void FileRecord::WriteLe32(std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes_[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

} // namespace tarvelo
