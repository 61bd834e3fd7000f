#include "tools/bkfgen/Damage.h"

#include "tools/bkfgen/SplitMix.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace tarvelo::bkfgen {

namespace {

// [offset, offset + count) clipped to size.
std::pair<std::uint64_t, std::uint64_t> Clip(std::uint64_t size, std::uint64_t offset, std::uint64_t count) {
    if (offset >= size) {
        return {size, 0};
    }
    return {offset, std::min(count, size - offset)};
}

std::uint64_t FileSize(const std::filesystem::path& path) {
    std::error_code error;
    const std::uint64_t size = std::filesystem::file_size(path, error);
    if (error) {
        throw std::runtime_error("cannot read the size of " + path.string() + ": " + error.message());
    }
    return size;
}

// Applies `change` to the file's bytes [offset, offset + count), a chunk at a time.
template <typename Change>
void ChangeFileRange(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t count,
                     Change change) {
    const auto [from, length] = Clip(FileSize(path), offset, count);
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    if (!file) {
        throw std::runtime_error("cannot open " + path.string());
    }
    constexpr std::uint64_t kChunk = 1 << 20;
    std::string buffer;
    for (std::uint64_t done = 0; done < length;) {
        const std::uint64_t now = std::min(kChunk, length - done);
        buffer.resize(static_cast<std::size_t>(now));
        file.seekg(static_cast<std::streamoff>(from + done));
        file.read(buffer.data(), static_cast<std::streamsize>(now));
        change(buffer, from + done);
        file.seekp(static_cast<std::streamoff>(from + done));
        file.write(buffer.data(), static_cast<std::streamsize>(now));
        if (!file) {
            throw std::runtime_error("cannot change " + path.string());
        }
        done += now;
    }
}

std::vector<std::pair<std::uint64_t, std::uint8_t>> RandomFlips(std::uint64_t size, std::uint64_t seed,
                                                                std::uint64_t count) {
    std::vector<std::pair<std::uint64_t, std::uint8_t>> flips;
    if (size == 0) {
        return flips;
    }
    SplitMix random(seed);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t at = random.Below(size);
        flips.emplace_back(at, static_cast<std::uint8_t>(1 + random.Below(255)));
    }
    return flips;
}

} // namespace

void Truncate(std::string& bytes, std::uint64_t length) {
    if (length < bytes.size()) {
        bytes.resize(static_cast<std::size_t>(length));
    }
}

void ZeroRange(std::string& bytes, std::uint64_t offset, std::uint64_t count) {
    const auto [from, length] = Clip(bytes.size(), offset, count);
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(from), length, '\0');
}

void FlipBytes(std::string& bytes, std::uint64_t offset, std::uint64_t count, std::uint8_t mask) {
    const auto [from, length] = Clip(bytes.size(), offset, count);
    for (std::uint64_t i = from; i < from + length; ++i) {
        bytes[static_cast<std::size_t>(i)] =
            static_cast<char>(static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]) ^ mask);
    }
}

void FlipRandomBytes(std::string& bytes, std::uint64_t seed, std::uint64_t count) {
    for (const auto& [at, mask] : RandomFlips(bytes.size(), seed, count)) {
        FlipBytes(bytes, at, 1, mask);
    }
}

void PlantTag(std::string& bytes, std::uint64_t offset, std::string_view tag) {
    const auto [from, length] = Clip(bytes.size(), offset, tag.size());
    bytes.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(length),
                  tag.substr(0, static_cast<std::size_t>(length)));
}

void TruncateFile(const std::filesystem::path& path, std::uint64_t length) {
    if (length < FileSize(path)) {
        std::error_code error;
        std::filesystem::resize_file(path, length, error);
        if (error) {
            throw std::runtime_error("cannot truncate " + path.string() + ": " + error.message());
        }
    }
}

void ZeroFileRange(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t count) {
    ChangeFileRange(path, offset, count,
                    [](std::string& chunk, std::uint64_t) { std::fill(chunk.begin(), chunk.end(), '\0'); });
}

void FlipFileBytes(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t count,
                   std::uint8_t mask) {
    ChangeFileRange(path, offset, count,
                    [mask](std::string& chunk, std::uint64_t) { FlipBytes(chunk, 0, chunk.size(), mask); });
}

void FlipRandomFileBytes(const std::filesystem::path& path, std::uint64_t seed, std::uint64_t count) {
    for (const auto& [at, mask] : RandomFlips(FileSize(path), seed, count)) {
        FlipFileBytes(path, at, 1, mask);
    }
}

void PlantFileTag(const std::filesystem::path& path, std::uint64_t offset, std::string_view tag) {
    ChangeFileRange(path, offset, tag.size(), [tag](std::string& chunk, std::uint64_t) {
        chunk.replace(0, chunk.size(), tag.substr(0, chunk.size()));
    });
}

} // namespace tarvelo::bkfgen
