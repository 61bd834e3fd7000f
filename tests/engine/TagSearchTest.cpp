// The tag search, which skips ahead (it looks at every fourth byte first), against a plain
// position-by-position search: tags planted at every position around its strides, in zeros and in
// noise made of the tags' own letters, must be found exactly where a plain search finds them.
#include "reader/TagTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tarvelo {
namespace {

std::optional<TagHit> PlainSearch(const std::vector<std::uint8_t>& bytes, std::size_t candidates) {
    for (std::size_t i = 0; i < candidates && i + 4 <= bytes.size(); ++i) {
        for (std::size_t t = 0; t < kTagCount; ++t) {
            if (std::memcmp(bytes.data() + i, kTagNames[t].data(), 4) != 0) {
                continue;
            }
            const std::uint8_t byte4 = i + 4 < bytes.size() ? bytes[i + 4] : 0;
            const std::uint8_t byte5 = i + 5 < bytes.size() ? bytes[i + 5] : 0;
            if (byte4 == 0 || byte5 == 0) {
                return TagHit{i, static_cast<Tag>(t)};
            }
        }
    }
    return std::nullopt;
}

void ExpectSameHit(const std::vector<std::uint8_t>& bytes, std::size_t candidates) {
    const auto expected = PlainSearch(bytes, candidates);
    const auto found = FindAcceptedTag(bytes.data(), bytes.size(), candidates);
    ASSERT_EQ(found.has_value(), expected.has_value()) << testing::PrintToString(bytes);
    if (expected) {
        EXPECT_EQ(found->position, expected->position);
        EXPECT_EQ(found->tag, expected->tag);
    }
}

TEST(TagSearch, FindsEveryTagAtEveryPositionOfABlock) {
    // Every position over several strides, in zeros and in the tags' own letters.
    for (const std::uint8_t fill : {std::uint8_t{0}, std::uint8_t{'T'}, std::uint8_t{'E'}}) {
        for (std::size_t t = 0; t < kTagCount; ++t) {
            for (std::size_t at = 0; at < 70; ++at) {
                std::vector<std::uint8_t> bytes(80, fill);
                std::memcpy(bytes.data() + at, kTagNames[t].data(), 4);
                bytes[std::min<std::size_t>(at + 4, bytes.size() - 1)] = 0;
                ExpectSameHit(bytes, bytes.size());
                ExpectSameHit(bytes, at);     // the tag's position is not a candidate
                ExpectSameHit(bytes, at + 1); // it is the last candidate
                std::vector<std::uint8_t> cut(bytes.begin(),
                                              bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
                ExpectSameHit(cut, cut.size()); // the range ends with the tag: followers read as zero
            }
        }
    }
}

TEST(TagSearch, AgreesWithAPlainSearchOnNoiseOfTagLetters) {
    // Noise of tag letters makes the shortcut pass often; the exact test must then decide. Windows of the
    // scan's size and odd sizes, many seeds.
    const std::string letters = "TAPESFMBSSETVOLBDIRBETEDCFILNACLFEND\x01\x02";
    std::mt19937 random(2024);
    for (int round = 0; round < 4000; ++round) {
        std::vector<std::uint8_t> bytes(std::uniform_int_distribution<std::size_t>(0, 1026)(random));
        for (auto& byte : bytes) {
            byte = static_cast<std::uint8_t>(letters[random() % letters.size()]);
        }
        if (!bytes.empty() && round % 2 == 0) {
            const std::size_t at = random() % bytes.size();
            const std::size_t t = random() % kTagCount;
            for (std::size_t i = 0; i < 4 && at + i < bytes.size(); ++i) {
                bytes[at + i] = static_cast<std::uint8_t>(kTagNames[t][i]);
            }
        }
        ExpectSameHit(bytes, std::min<std::size_t>(bytes.size(), 1020));
        ExpectSameHit(bytes, random() % (bytes.size() + 1));
    }
}

} // namespace
} // namespace tarvelo
