// The data of one generated file: literal bytes, zeros, or a pattern computed from its position, so
// that files of many GiB are streamed without being held in memory.
#pragma once

#include "tools/bkfgen/Output.h"

#include <cstdint>
#include <string>

namespace tarvelo::bkfgen {

struct FileData {
    enum class Kind { Bytes, Zeros, Pattern };

    Kind kind = Kind::Bytes;
    std::string bytes;      // Kind::Bytes
    std::uint64_t size = 0; // Kind::Zeros and Kind::Pattern
    std::uint8_t seed = 0;  // Kind::Pattern

    static FileData Literal(std::string content);
    static FileData ZeroFilled(std::uint64_t length);
    static FileData Patterned(std::uint64_t length, std::uint8_t patternSeed);

    [[nodiscard]] std::uint64_t Length() const;
    // Byte `offset` of the data (offset < Length()).
    [[nodiscard]] std::uint8_t ByteAt(std::uint64_t offset) const;
    // The bytes [offset, offset + count) clipped to the data; fine for small ranges of big files.
    [[nodiscard]] std::string Slice(std::uint64_t offset, std::uint64_t count) const;
    // Streams the whole data to the output in bounded chunks.
    void WriteTo(Output& output) const;
};

// The pattern: byte i is seed + 5 * i (mod 256). Four consecutive bytes then rise by the same step,
// which no descriptor tag does, so patterned data never holds a tag by accident.
[[nodiscard]] constexpr std::uint8_t PatternByte(std::uint8_t seed, std::uint64_t offset) {
    return static_cast<std::uint8_t>(seed + 5 * (offset & 0xFF));
}

} // namespace tarvelo::bkfgen
