// Plausible Exchange (ESE) database header pages for generated .edb and .stm files: the first 668
// bytes hold the fields the properties pane shows, the rest of the 4096-byte page is zero.
#pragma once

#include <cstdint>
#include <string>

namespace tarvelo::bkfgen {

inline constexpr std::size_t kEseHeaderSize = 668;
inline constexpr std::size_t kEsePageSize = 4096;

struct EseHeaderSpec {
    std::uint32_t fileType = 0;              // 0 database, 1 streaming file
    std::uint32_t state = 3;                 // 3 clean shutdown, 2 dirty shutdown
    std::u16string computerName = u"EXCH01"; // at most 7 units, so the nul fits the 16-byte field
    std::uint32_t randomSignature = 0x2B7E1516;
    std::int32_t logGeneration = 42; // consistent / attach / detach positions
    std::int32_t fullBackupGeneration = 40;
    std::uint32_t year = 2009; // creation and attach dates (LogTime keeps years since 1900)
    std::uint8_t month = 3;
    std::uint8_t day = 26;
    std::uint8_t hour = 14;
    std::uint8_t minute = 5;
    std::uint8_t second = 9;
};

// The 668-byte header with its checksum (that of the whole page, see EsePageImage).
[[nodiscard]] std::string EseHeaderImage(const EseHeaderSpec& spec);
// The 4096-byte header page: the header, zeros, and at offset 0 the page checksum
// 0x89ABCDEF XOR every 32-bit word from offset 4 to the page end.
[[nodiscard]] std::string EsePageImage(const EseHeaderSpec& spec);

} // namespace tarvelo::bkfgen
