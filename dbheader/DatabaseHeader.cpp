#include "dbheader/DatabaseHeader.h"

#include "reader/TextEncoding.h"

#include <algorithm>
#include <limits>

namespace tarvelo {

DatabaseHeader DatabaseHeader::FromBytes(std::span<const std::uint8_t> bytes) {
    DatabaseHeader header;
    header.bytesRead_ = std::min(bytes.size(), kSize);
    std::copy_n(bytes.begin(), header.bytesRead_, header.bytes_.begin());
    return header;
}

std::span<const std::uint8_t> DatabaseHeader::Block(std::size_t offset, std::size_t width) const {
    offset = std::min(offset, kSize);
    return std::span<const std::uint8_t>(bytes_).subspan(offset, std::min(width, kSize - offset));
}

std::uint16_t DatabaseHeader::U16(std::size_t offset) const {
    const auto block = Block(offset, 2);
    std::uint16_t value = 0;
    for (std::size_t i = 0; i < block.size(); ++i) {
        value = static_cast<std::uint16_t>(value | (block[i] << (8 * i)));
    }
    return value;
}

std::uint32_t DatabaseHeader::U32(std::size_t offset) const {
    const auto block = Block(offset, 4);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < block.size(); ++i) {
        value |= static_cast<std::uint32_t>(block[i]) << (8 * i);
    }
    return value;
}

std::u16string DatabaseHeader::TextAt(std::size_t offset) const {
    const auto block = Block(offset, kSize);
    return Utf16FromLeBytes(block.data(), block.size(), std::numeric_limits<std::size_t>::max());
}

} // namespace tarvelo
