// The nineteen descriptor-block tags the scan stops at, the test that accepts a tag at a position,
// and the fast search for the first accepted tag in a byte range.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvelo {

// The index of each tag is the dispatch code of the scan; the order is fixed.
enum class Tag : std::uint8_t {
    Tape = 0,
    Sfmb,
    Sset,
    Volb,
    Dirb,
    Eted,
    Eset,
    Eotm,
    Cfil,
    Espb,
    Tsmp,
    Tfdd,
    Nacl,
    Ntqu,
    Csum,
    Stan,
    Spad,
    Fend,
    Ntoi,
};

inline constexpr std::size_t kTagCount = 19;

inline constexpr std::array<std::string_view, kTagCount> kTagNames = {
    "TAPE", "SFMB", "SSET", "VOLB", "DIRB", "ETED", "ESET", "EOTM", "CFIL", "ESPB",
    "TSMP", "TFDD", "NACL", "NTQU", "CSUM", "STAN", "SPAD", "FEND", "NTOI"};

[[nodiscard]] constexpr std::string_view TagName(Tag tag) {
    return kTagNames[static_cast<std::size_t>(tag)];
}

// The tag whose four bytes are at `bytes` (exact, case-sensitive), if any. Says nothing about the
// two bytes that follow it.
[[nodiscard]] std::optional<Tag> TagAt(const std::uint8_t* bytes);

// A tag is accepted when its four bytes are one of the table and the two bytes after it are not
// both non-zero.
[[nodiscard]] constexpr bool FollowersAccept(std::uint8_t byte4, std::uint8_t byte5) {
    return byte4 == 0 || byte5 == 0;
}

struct TagHit {
    std::size_t position = 0; // from the start of the searched range
    Tag tag = Tag::Tape;
};

// The first accepted tag at a position below `candidates` in data[0, size). Positions whose four
// bytes do not all lie in the range are never candidates; followers that lie past `size` read as zero,
// so the caller passes the bytes up to two past the last candidate's tag when they exist.
[[nodiscard]] std::optional<TagHit> FindAcceptedTag(const std::uint8_t* data, std::size_t size,
                                                    std::size_t candidates);

} // namespace tarvelo
