// The first 668 bytes of an Exchange (ESE) database or streaming file, kept as raw bytes. Nothing is
// validated: every field is shown as it stands, so the header is only ever read through offsets.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tarvelo {

class DatabaseHeader {
public:
    static constexpr std::size_t kSize = 668;

    using Bytes = std::array<std::uint8_t, kSize>;

    DatabaseHeader() = default;

    // Takes up to kSize bytes from the start of `bytes`; bytes the buffer does not reach stay zero,
    // so a short file never shows anything that was not read.
    static DatabaseHeader FromBytes(std::span<const std::uint8_t> bytes);

    [[nodiscard]] const Bytes& Raw() const { return bytes_; }
    // How many bytes came from the file (at most kSize).
    [[nodiscard]] std::size_t BytesRead() const { return bytesRead_; }

    // The block of `width` bytes at `offset`; the caller keeps offset + width <= kSize.
    [[nodiscard]] std::span<const std::uint8_t> Block(std::size_t offset, std::size_t width) const;
    [[nodiscard]] std::uint16_t U16(std::size_t offset) const;
    [[nodiscard]] std::uint32_t U32(std::size_t offset) const;
    [[nodiscard]] std::int32_t I32(std::size_t offset) const {
        return static_cast<std::int32_t>(U32(offset));
    }
    // UTF-16LE units from `offset` up to the first zero unit or the end of the 668 bytes, whichever
    // comes first; the width of the field the text starts in does not end it.
    [[nodiscard]] std::u16string TextAt(std::size_t offset) const;

private:
    Bytes bytes_{};
    std::size_t bytesRead_ = 0;
};

} // namespace tarvelo
