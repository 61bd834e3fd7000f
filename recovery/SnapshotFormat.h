// The snapshot file: a 60-byte signature field, a 2048-byte backup path field, then the FileRecords of
// the record file in record-number order, byte for byte. No count, no trailer: the records are
// (length - 2108) / 2274, and a partial last record is not one. Little-endian, UTF-16LE.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::snapshot {

inline constexpr std::u16string_view kSignature = u"QUORINTRELLIQDBSNAP";
inline constexpr std::size_t kSignatureFieldSize = 60;
inline constexpr std::size_t kPathFieldSize = 2048;
inline constexpr std::size_t kPathFieldUnits = kPathFieldSize / 2;
inline constexpr std::size_t kHeaderSize = kSignatureFieldSize + kPathFieldSize; // 2108
// The longest backup path the field holds: one unit is kept for the terminating zero.
inline constexpr std::size_t kMaxBackupPathUnits = kPathFieldUnits - 1;

inline constexpr std::string_view kExtension = "TARVSNAPQUORIN";
inline constexpr std::string_view kDialogFilter =
    ".QUORINEXCHANGEBKF Files (*.TARVSNAPQUORIN)|*TARVSNAPQUORIN||";

using Header = std::array<std::uint8_t, kHeaderSize>;

// The two header fields, zero-filled. Nothing when the path is longer than kMaxBackupPathUnits or
// holds a zero unit (it could not be read back as it was written).
std::optional<Header> BuildHeader(std::u16string_view backupPath);

// True when the signature field's text up to its first zero unit is exactly the signature.
bool SignatureMatches(const std::array<std::uint8_t, kSignatureFieldSize>& field);

struct PathField {
    std::u16string path;
    bool unterminated = false; // no zero unit in the field: the first 1023 units were taken
};

// The backup path up to the first zero unit of the field.
PathField ReadPathField(const std::array<std::uint8_t, kPathFieldSize>& field);

} // namespace tarvelo::snapshot
