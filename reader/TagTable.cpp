#include "reader/TagTable.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tarvelo {
namespace {

constexpr std::uint32_t LittleEndianValue(std::string_view name) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[0])) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[3])) << 24;
}

// A multiplicative hash that sends the nineteen tags to nineteen different slots of 32, so the search
// costs one load, one multiply and one compare per byte.
constexpr std::uint32_t kHashMultiplier = 0xAB747A8Fu;
constexpr unsigned kHashShift = 27;
constexpr std::size_t kSlots = 32;

constexpr std::size_t SlotOf(std::uint32_t value) {
    return static_cast<std::size_t>((value * kHashMultiplier) >> kHashShift);
}

struct SlotTable {
    std::array<std::uint32_t, kSlots> value{};
    std::array<std::uint8_t, kSlots> tag{};
    std::array<bool, kSlots> used{};
};

constexpr SlotTable BuildSlots() {
    SlotTable table;
    for (std::size_t i = 0; i < kTagCount; ++i) {
        const std::uint32_t value = LittleEndianValue(kTagNames[i]);
        const std::size_t slot = SlotOf(value);
        if (table.used[slot]) {
            throw "tag hash collision"; // fails the constant evaluation
        }
        table.used[slot] = true;
        table.value[slot] = value;
        table.tag[slot] = static_cast<std::uint8_t>(i);
    }
    return table;
}

constexpr SlotTable kSlotTable = BuildSlots();

// Every byte that occurs anywhere in a tag.
constexpr std::array<bool, 256> BuildTagLetters() {
    std::array<bool, 256> letters{};
    for (const std::string_view name : kTagNames) {
        for (const char c : name) {
            letters[static_cast<std::uint8_t>(c)] = true;
        }
    }
    return letters;
}

constexpr std::array<bool, 256> kTagLetters = BuildTagLetters();

inline std::uint32_t Load32(const std::uint8_t* bytes) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    if constexpr (std::endian::native == std::endian::big) {
        value = __builtin_bswap32(value);
    }
    return value;
}

inline std::optional<Tag> Lookup(std::uint32_t value) {
    const std::size_t slot = SlotOf(value);
    if (kSlotTable.used[slot] && kSlotTable.value[slot] == value) {
        return static_cast<Tag>(kSlotTable.tag[slot]);
    }
    return std::nullopt;
}

} // namespace

std::optional<Tag> TagAt(const std::uint8_t* bytes) {
    return Lookup(Load32(bytes));
}

std::optional<TagHit> FindAcceptedTag(const std::uint8_t* data, std::size_t size, std::size_t candidates) {
    if (size < 4) {
        return std::nullopt;
    }
    const std::size_t last = std::min(candidates, size - 3); // candidates are [0, last)
    // A tag at i covers the bytes i to i + 3, so it covers exactly one position j that is a multiple of
    // four, with i in [j - 3, j]. Looking at every fourth byte and testing the four candidates behind it
    // only when that byte occurs in some tag keeps the order of the candidates and skips most data.
    for (std::size_t j = 0; j < last + 3; j += 4) {
        if (!kTagLetters[data[j]]) [[likely]] {
            continue;
        }
        const std::size_t end = std::min(j + 1, last);
        for (std::size_t i = j < 3 ? 0 : j - 3; i < end; ++i) {
            const std::uint32_t value = Load32(data + i);
            const std::size_t slot = SlotOf(value);
            if (!kSlotTable.used[slot] || kSlotTable.value[slot] != value) {
                continue;
            }
            const std::uint8_t byte4 = i + 4 < size ? data[i + 4] : std::uint8_t{0};
            const std::uint8_t byte5 = i + 5 < size ? data[i + 5] : std::uint8_t{0};
            if (FollowersAccept(byte4, byte5)) {
                return TagHit{i, static_cast<Tag>(kSlotTable.tag[slot])};
            }
        }
    }
    return std::nullopt;
}

} // namespace tarvelo
