// Decoders for the descriptor blocks the scan interprets. Each works on the block window: the bytes of
// the file from the first byte of the tag on, 1024 of them plus the few an "ETED" name may reach past
// them, with every byte past the end of the file zero. No I/O happens here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelo {

inline constexpr std::size_t kBlockWindowSize = 1024;
// An "ETED" name of up to 1024 bytes starts at offset 26; an odd length takes one byte more.
inline constexpr std::size_t kFileNameOffset = 26;
inline constexpr std::uint32_t kMaxFileNameBytes = 1024;
inline constexpr std::size_t kExtendedWindowSize = kFileNameOffset + kMaxFileNameBytes;

using BlockWindow = std::array<std::uint8_t, kExtendedWindowSize>;

[[nodiscard]] std::uint16_t ReadLe16(const std::uint8_t* bytes);
[[nodiscard]] std::uint32_t ReadLe32(const std::uint8_t* bytes);
[[nodiscard]] std::uint64_t ReadLe64(const std::uint8_t* bytes);

// MTF_TAPE_ADDRESS: a string's size in bytes and its offset from the first byte of the block.
struct TapeAddress {
    std::uint16_t size = 0;
    std::uint16_t offset = 0;

    static TapeAddress At(const BlockWindow& window, std::size_t fieldOffset);
    // A string is usable only when it lies wholly inside the 1024-byte window.
    [[nodiscard]] bool InsideWindow() const { return std::size_t{offset} + size <= kBlockWindowSize; }
};

// "SSET": the set name "BKFSET<number>(<name><user>)". Nothing when the block must leave the current
// set name as it is: a damaged set (encrypted, compressed and a user name over 120 bytes) or a string
// outside the window.
[[nodiscard]] std::optional<std::u16string> DecodeSetName(const BlockWindow& window);

// "VOLB": the volume prefix, the first character of the device name (empty or one character).
// Nothing when the device name lies outside the window.
[[nodiscard]] std::optional<std::u16string> DecodeVolumePrefix(const BlockWindow& window);

// "DIRB": the directory path, '\' first when the name starts with a non-zero byte, each nul unit of
// the name turned into '\'. Nothing when the name lies outside the window.
[[nodiscard]] std::optional<std::u16string> DecodeDirectoryPath(const BlockWindow& window);

// The fields of an "ETED" file entry.
struct FileEntryFields {
    std::uint64_t entryLength = 0; // L: bytes from offset 22 to the end of the data
    std::uint32_t nameLength = 0;  // N: bytes of the name
    std::int64_t dataLength = 0;   // D = L - N - 4, wrapping in 64 bits (may come out negative)

    // An entry whose name is longer than 1024 bytes is not a file entry.
    [[nodiscard]] bool IsFileEntry() const { return nameLength <= kMaxFileNameBytes; }
    [[nodiscard]] std::uint64_t DataOffsetInEntry() const {
        return kFileNameOffset + std::uint64_t{nameLength};
    }
};

[[nodiscard]] FileEntryFields DecodeFileEntryFields(const std::uint8_t* window);

// The entry's name: ceil(N/2) units from offset 26 (call only for a file entry), up to its first nul.
[[nodiscard]] std::u16string DecodeFileName(const BlockWindow& window, std::uint32_t nameLength);

// D = L - N - 4 computed without signed overflow: the unsigned difference read as two's complement.
[[nodiscard]] constexpr std::int64_t DataLength(std::uint64_t entryLength, std::uint32_t nameLength) {
    return static_cast<std::int64_t>(entryLength - nameLength - 4u);
}

// The display path of a file: set part (or "(null)" before any set) with the characters that cannot
// stand in a file name replaced by '_', then volume prefix, directory path and file name. Not cut:
// the record keeps its first 1023 units.
[[nodiscard]] std::u16string BuildDisplayPath(const std::optional<std::u16string>& setName,
                                              std::u16string_view volumePrefix,
                                              std::u16string_view directoryPath,
                                              std::u16string_view fileName);

// A byte of the ANSI code page (Windows-1252) as a UTF-16 unit; the five unassigned bytes keep their value.
[[nodiscard]] char16_t Windows1252ToUtf16(std::uint8_t byte);

} // namespace tarvelo
