// Text conversions of the database header's fields, as the property rows and the command-line tool
// show them. Each takes the field's bytes in file order; a block shorter than its layout (never the
// case for blocks taken from a DatabaseHeader) reads as if zero-filled.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tarvelo {

using HeaderBlock = std::span<const std::uint8_t>;

// Widths of the header's repeated sub-blocks.
inline constexpr std::size_t kLogTimeSize = 8;
inline constexpr std::size_t kLogPositionSize = 8;
inline constexpr std::size_t kDbTimeSize = 8;
inline constexpr std::size_t kBackupInfoSize = 24;

// 4 bytes, lowest offset first, as eight upper-case hexadecimal digits ("EFCDAB89").
std::u16string FormatHexBytes(HeaderBlock bytes);
// A 32-bit little-endian word as a signed decimal.
std::u16string FormatDecimal(HeaderBlock bytes);
// DbTime: "%d:%d:%d" of the unsigned 16-bit parts at +0, +2, +4.
std::u16string FormatDbTime(HeaderBlock block);
// LogTime: "hh:mm:ss:MM:DD:YYYY" (hours +2, minutes +1, seconds +0, month +4, day +3, 1900 + year +5).
std::u16string FormatHeaderLogTime(HeaderBlock block);
// LogPosition: "Block = %d Sector = %d Generation = %d" (block +0 and sector +2 unsigned, generation
// +4 signed).
std::u16string FormatLogPosition(HeaderBlock block);
// BackupInfo: log position, log time, lower generation, upper generation, in that order.
std::array<std::u16string, 4> FormatBackupInfo(HeaderBlock block);
// File type word: 0 is a database, anything else a streaming file.
std::u16string FormatFileType(HeaderBlock bytes);
// Database state word 1..5 as its JET_dbstate name; any other value gives an empty text.
std::u16string FormatDatabaseState(HeaderBlock bytes);

} // namespace tarvelo
