// Byte images of MTF descriptor blocks and stream headers: the 52-byte common header with its
// checksum, tape addresses for strings, packed dates, and SPAD padding to the format logical block.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelo::bkfgen {

inline constexpr std::size_t kCommonHeaderSize = 52;
inline constexpr std::size_t kStreamHeaderSize = 22;
inline constexpr std::uint64_t kBlockSize = 1024; // the format logical block size written in TAPE
inline constexpr std::uint8_t kOsWindowsNt = 14;

struct MtfDate {
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;
};

// Year 14 bits, month 4, day 5, hour 5, minute 6, second 6, most significant bit first.
[[nodiscard]] std::array<std::uint8_t, 5> PackMtfDate(const MtfDate& date);
[[nodiscard]] MtfDate UnpackMtfDate(const std::uint8_t* packed);

// The fields of the common block header that vary between blocks.
struct CommonHeader {
    std::string_view tag;         // four characters
    std::uint32_t attributes = 0; // bytes 4-7; keep bytes 4 and 5 not both non-zero for a real tag
    std::uint64_t displayableSize = 0;
    std::uint64_t formatLogicalAddress = 0; // block number of the block in the stream
    std::uint32_t controlBlockId = 0;
    std::uint8_t osId = kOsWindowsNt;
    std::uint8_t osVersion = 1;
};

// One descriptor block being assembled: common header, fixed part, then its strings. Streams follow
// the block image that Image() returns, starting at its (4-byte aligned) end.
class DescriptorBlock {
public:
    DescriptorBlock(const CommonHeader& header, std::size_t fixedSize);

    void Put16(std::size_t at, std::uint64_t value);
    void Put32(std::size_t at, std::uint64_t value);
    void Put64(std::size_t at, std::uint64_t value);
    void PutDate(std::size_t at, const MtfDate& date);
    // Appends the text as UTF-16LE (not terminated) and stores its tape address at taOffset.
    void PutString(std::size_t taOffset, std::u16string_view text);
    // Stores raw bytes as a string (for odd sizes or deliberately broken names).
    void PutRawString(std::size_t taOffset, std::string_view bytes);
    // Stores a tape address as given, without adding bytes (addresses that point anywhere).
    void PutTapeAddress(std::size_t taOffset, std::uint16_t size, std::uint16_t offset);

    // Whether the string at this tape address lies wholly in the first 1024 bytes of the block, the
    // window a scan reads; a scan ignores blocks whose strings do not.
    [[nodiscard]] bool InsideWindow(std::size_t taOffset) const;

    // The finished block: padded to 4 bytes, offset to the first stream set to its end, string type
    // UTF-16 and the header checksum computed.
    [[nodiscard]] std::string Image() const;

private:
    std::string bytes_;
};

// A 22-byte stream header with its checksum.
[[nodiscard]] std::string StreamHeader(std::string_view id, std::uint64_t length,
                                       std::uint16_t fsAttributes = 0, std::uint16_t mediaAttributes = 0);

// Zero bytes that bring `position` to a multiple of 4.
[[nodiscard]] std::string AlignTo4(std::uint64_t position);

// A "SPAD" stream (header + zeros) that ends on the next block boundary after `position`; empty when
// position is on a boundary. When fewer than 22 bytes are left, it runs to the boundary after that.
[[nodiscard]] std::string SpadTo(std::uint64_t position, std::uint64_t blockSize = kBlockSize);

// The common header checksum (XOR of the words at bytes 0-49) and the stream header checksum (XOR of
// the words at bytes 0-19), computed over the bytes at `at`.
[[nodiscard]] std::uint16_t HeaderChecksum(const std::string& bytes, std::size_t at = 0);
[[nodiscard]] std::uint16_t StreamChecksum(const std::string& bytes, std::size_t at = 0);

} // namespace tarvelo::bkfgen
