// Small byte builders for reader tests: put tags, integers and UTF-16 text at chosen offsets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::test {

class TestBytes {
public:
    TestBytes() = default;
    explicit TestBytes(std::size_t size) : bytes_(size) {}

    TestBytes& Raw(std::size_t at, std::string_view text) {
        Grow(at + text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            bytes_[at + i] = static_cast<std::uint8_t>(text[i]);
        }
        return *this;
    }
    TestBytes& Le(std::size_t at, std::uint64_t value, std::size_t width) {
        Grow(at + width);
        for (std::size_t i = 0; i < width; ++i) {
            bytes_[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
        return *this;
    }
    TestBytes& Le16(std::size_t at, std::uint64_t value) { return Le(at, value, 2); }
    TestBytes& Le32(std::size_t at, std::uint64_t value) { return Le(at, value, 4); }
    TestBytes& Le64(std::size_t at, std::uint64_t value) { return Le(at, value, 8); }
    TestBytes& Utf16(std::size_t at, std::u16string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            Le16(at + 2 * i, text[i]);
        }
        return *this;
    }
    // A tape address (size, offset from the block) at `field` of the block at `block`, and its string.
    TestBytes& String(std::size_t block, std::size_t field, std::size_t offset, std::string_view raw) {
        Le16(block + field, raw.size());
        Le16(block + field + 2, offset);
        return Raw(block + offset, raw);
    }
    TestBytes& Resize(std::size_t size) {
        bytes_.resize(size);
        return *this;
    }

    [[nodiscard]] const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    [[nodiscard]] std::size_t Size() const { return bytes_.size(); }

private:
    void Grow(std::size_t size) {
        if (bytes_.size() < size) {
            bytes_.resize(size);
        }
    }
    std::vector<std::uint8_t> bytes_;
};

// UTF-16LE bytes of a text, as a raw string for String().
inline std::string Le(std::u16string_view text) {
    std::string out;
    for (const char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
    return out;
}

// Blocks as the reader sees them; strings are stored from offset 100 of the block.
inline void PutSet(TestBytes& b, std::size_t at, std::uint16_t number, std::u16string_view name,
                   std::u16string_view user, std::uint16_t encryption = 0, std::uint16_t compression = 0) {
    b.Raw(at, "SSET").Le16(at + 56, encryption).Le16(at + 58, compression).Le16(at + 62, number);
    b.String(at, 64, 100, Le(name));
    b.String(at, 76, 100 + 2 * name.size(), Le(user));
}

inline void PutVolume(TestBytes& b, std::size_t at, std::u16string_view device) {
    b.Raw(at, "VOLB").String(at, 56, 100, Le(device));
}

// rawName: the name's bytes, e.g. Le(u"Data\0Logs\0"sv).
inline void PutDirectory(TestBytes& b, std::size_t at, std::string_view rawName) {
    b.Raw(at, "DIRB").String(at, 80, 100, rawName);
}

// An "ETED" entry whose L is 4 + N + dataLength (wrapping), followed by dataLength bytes of `fill`
// when `writeData` holds.
inline void PutEntry(TestBytes& b, std::size_t at, std::string_view rawName, std::uint64_t dataLength,
                     bool writeData = true, std::uint8_t fill = 0x5A) {
    b.Raw(at, "ETED")
        .Le32(at + 4, 0)
        .Le64(at + 8, 4 + rawName.size() + dataLength)
        .Le32(at + 22, rawName.size());
    b.Raw(at + 26, rawName);
    if (writeData) {
        b.Raw(at + 26 + rawName.size(),
              std::string(static_cast<std::size_t>(dataLength), static_cast<char>(fill)));
    }
}

} // namespace tarvelo::test
