#include "tools/bkfgen/FileData.h"

#include <algorithm>

namespace tarvelo::bkfgen {

FileData FileData::Literal(std::string content) {
    FileData data;
    data.kind = Kind::Bytes;
    data.bytes = std::move(content);
    return data;
}

FileData FileData::ZeroFilled(std::uint64_t length) {
    FileData data;
    data.kind = Kind::Zeros;
    data.size = length;
    return data;
}

FileData FileData::Patterned(std::uint64_t length, std::uint8_t patternSeed) {
    FileData data;
    data.kind = Kind::Pattern;
    data.size = length;
    data.seed = patternSeed;
    return data;
}

std::uint64_t FileData::Length() const {
    return kind == Kind::Bytes ? bytes.size() : size;
}

std::uint8_t FileData::ByteAt(std::uint64_t offset) const {
    switch (kind) {
    case Kind::Bytes:
        return static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(offset)]);
    case Kind::Zeros:
        return 0;
    case Kind::Pattern:
        return PatternByte(seed, offset);
    }
    return 0;
}

std::string FileData::Slice(std::uint64_t offset, std::uint64_t count) const {
    const std::uint64_t length = Length();
    if (offset >= length) {
        return {};
    }
    count = std::min(count, length - offset);
    if (kind == Kind::Bytes) {
        return bytes.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
    }
    std::string out(static_cast<std::size_t>(count), '\0');
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<char>(ByteAt(offset + i));
    }
    return out;
}

void FileData::WriteTo(Output& output) const {
    switch (kind) {
    case Kind::Bytes:
        output.Write(bytes);
        return;
    case Kind::Zeros:
        output.WriteZeros(size);
        return;
    case Kind::Pattern: {
        // The pattern repeats every 256 bytes, so one chunk that is a multiple of 256 serves every
        // position.
        // Small files get a small chunk: thousands of them are made per test run.
        const std::size_t kChunk =
            static_cast<std::size_t>(std::min<std::uint64_t>(1 << 20, (size + 255) / 256 * 256));
        std::string chunk(kChunk, '\0');
        for (std::size_t i = 0; i < kChunk; ++i) {
            chunk[i] = static_cast<char>(PatternByte(seed, i));
        }
        std::uint64_t left = size;
        while (left > 0) {
            const std::size_t now = static_cast<std::size_t>(std::min<std::uint64_t>(left, kChunk));
            output.Write(std::string_view(chunk.data(), now));
            left -= now;
        }
        return;
    }
    }
}

} // namespace tarvelo::bkfgen
