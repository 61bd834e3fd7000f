#include "tools/bkfgen/BlockWriter.h"

#include "reader/TextEncoding.h"
#include "tools/bkfgen/LittleEndian.h"

namespace tarvelo::bkfgen {

std::array<std::uint8_t, 5> PackMtfDate(const MtfDate& date) {
    const std::uint64_t bits =
        (std::uint64_t{date.year} & 0x3FFF) << 26 | (std::uint64_t{date.month} & 0xF) << 22 |
        (std::uint64_t{date.day} & 0x1F) << 17 | (std::uint64_t{date.hour} & 0x1F) << 12 |
        (std::uint64_t{date.minute} & 0x3F) << 6 | (std::uint64_t{date.second} & 0x3F);
    std::array<std::uint8_t, 5> packed{};
    for (std::size_t i = 0; i < 5; ++i) {
        packed[i] = static_cast<std::uint8_t>(bits >> (8 * (4 - i)));
    }
    return packed;
}

MtfDate UnpackMtfDate(const std::uint8_t* packed) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        bits = bits << 8 | packed[i];
    }
    MtfDate date;
    date.year = static_cast<std::uint16_t>(bits >> 26 & 0x3FFF);
    date.month = static_cast<std::uint8_t>(bits >> 22 & 0xF);
    date.day = static_cast<std::uint8_t>(bits >> 17 & 0x1F);
    date.hour = static_cast<std::uint8_t>(bits >> 12 & 0x1F);
    date.minute = static_cast<std::uint8_t>(bits >> 6 & 0x3F);
    date.second = static_cast<std::uint8_t>(bits & 0x3F);
    return date;
}

DescriptorBlock::DescriptorBlock(const CommonHeader& header, std::size_t fixedSize)
    : bytes_(fixedSize < kCommonHeaderSize ? kCommonHeaderSize : fixedSize, '\0') {
    for (std::size_t i = 0; i < 4 && i < header.tag.size(); ++i) {
        bytes_[i] = header.tag[i];
    }
    PutLe32(bytes_, 4, header.attributes);
    bytes_[10] = static_cast<char>(header.osId);
    bytes_[11] = static_cast<char>(header.osVersion);
    PutLe64(bytes_, 12, header.displayableSize);
    PutLe64(bytes_, 20, header.formatLogicalAddress);
    PutLe32(bytes_, 36, header.controlBlockId);
    bytes_[48] = 2; // strings are UTF-16LE
}

void DescriptorBlock::Put16(std::size_t at, std::uint64_t value) {
    PutLe16(bytes_, at, value);
}
void DescriptorBlock::Put32(std::size_t at, std::uint64_t value) {
    PutLe32(bytes_, at, value);
}
void DescriptorBlock::Put64(std::size_t at, std::uint64_t value) {
    PutLe64(bytes_, at, value);
}

void DescriptorBlock::PutDate(std::size_t at, const MtfDate& date) {
    const auto packed = PackMtfDate(date);
    for (std::size_t i = 0; i < packed.size(); ++i) {
        PutLe(bytes_, at + i, packed[i], 1);
    }
}

void DescriptorBlock::PutString(std::size_t taOffset, std::u16string_view text) {
    std::string raw;
    AppendUtf16Le(raw, text);
    PutRawString(taOffset, raw);
}

void DescriptorBlock::PutRawString(std::size_t taOffset, std::string_view bytes) {
    if (bytes.empty()) {
        PutTapeAddress(taOffset, 0, 0);
        return;
    }
    if (bytes_.size() % 2 != 0) {
        bytes_.push_back('\0');
    }
    const std::size_t at = bytes_.size();
    bytes_.append(bytes);
    PutTapeAddress(taOffset, static_cast<std::uint16_t>(bytes.size()), static_cast<std::uint16_t>(at));
}

void DescriptorBlock::PutTapeAddress(std::size_t taOffset, std::uint16_t size, std::uint16_t offset) {
    PutLe16(bytes_, taOffset, size);
    PutLe16(bytes_, taOffset + 2, offset);
}

bool DescriptorBlock::InsideWindow(std::size_t taOffset) const {
    return std::size_t{GetLe16(bytes_, taOffset)} + GetLe16(bytes_, taOffset + 2) <= kBlockSize;
}

std::string DescriptorBlock::Image() const {
    std::string image = bytes_;
    image += AlignTo4(image.size());
    PutLe16(image, 8, image.size());
    PutLe16(image, 50, 0);
    PutLe16(image, 50, HeaderChecksum(image));
    return image;
}

std::string StreamHeader(std::string_view id, std::uint64_t length, std::uint16_t fsAttributes,
                         std::uint16_t mediaAttributes) {
    std::string header(kStreamHeaderSize, '\0');
    for (std::size_t i = 0; i < 4 && i < id.size(); ++i) {
        header[i] = id[i];
    }
    PutLe16(header, 4, fsAttributes);
    PutLe16(header, 6, mediaAttributes);
    PutLe64(header, 8, length);
    PutLe16(header, 20, StreamChecksum(header));
    return header;
}

std::string AlignTo4(std::uint64_t position) {
    return std::string(static_cast<std::size_t>((4 - position % 4) % 4), '\0');
}

std::string SpadTo(std::uint64_t position, std::uint64_t blockSize) {
    std::uint64_t room = (blockSize - position % blockSize) % blockSize;
    if (room == 0) {
        return {};
    }
    if (room < kStreamHeaderSize) {
        room += blockSize;
    }
    std::string spad = StreamHeader("SPAD", room - kStreamHeaderSize);
    spad.resize(static_cast<std::size_t>(room), '\0');
    return spad;
}

std::uint16_t HeaderChecksum(const std::string& bytes, std::size_t at) {
    return XorWords(bytes, at, 25);
}
std::uint16_t StreamChecksum(const std::string& bytes, std::size_t at) {
    return XorWords(bytes, at, 10);
}

} // namespace tarvelo::bkfgen
