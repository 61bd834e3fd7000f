// Little-endian integer access on byte strings, for building and checking generated backups.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvelo::bkfgen {

// Stores the low `width` bytes of value at `at`, growing the string with zeros when it is too short.
inline void PutLe(std::string& bytes, std::size_t at, std::uint64_t value, std::size_t width) {
    if (bytes.size() < at + width) {
        bytes.resize(at + width, '\0');
    }
    for (std::size_t i = 0; i < width; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}
inline void PutLe16(std::string& bytes, std::size_t at, std::uint64_t value) {
    PutLe(bytes, at, value, 2);
}
inline void PutLe32(std::string& bytes, std::size_t at, std::uint64_t value) {
    PutLe(bytes, at, value, 4);
}
inline void PutLe64(std::string& bytes, std::size_t at, std::uint64_t value) {
    PutLe(bytes, at, value, 8);
}

// Reads `width` bytes at `at`; bytes beyond the end of the string count as zero.
inline std::uint64_t GetLe(const std::string& bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::uint64_t byte =
            at + i < bytes.size() ? static_cast<unsigned char>(bytes[at + i]) : std::uint64_t{0};
        value |= byte << (8 * i);
    }
    return value;
}
inline std::uint16_t GetLe16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(GetLe(bytes, at, 2));
}
inline std::uint32_t GetLe32(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(GetLe(bytes, at, 4));
}
inline std::uint64_t GetLe64(const std::string& bytes, std::size_t at) {
    return GetLe(bytes, at, 8);
}

// XOR of `words` little-endian 16-bit words starting at `at`: the MTF header and stream checksums.
inline std::uint16_t XorWords(const std::string& bytes, std::size_t at, std::size_t words) {
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < words; ++i) {
        sum = static_cast<std::uint16_t>(sum ^ GetLe16(bytes, at + 2 * i));
    }
    return sum;
}

} // namespace tarvelo::bkfgen
