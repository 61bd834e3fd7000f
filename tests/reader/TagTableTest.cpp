#include "reader/TagTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvelo {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(TagTable, EveryTagIsFoundWithItsIndexAndNothingElseIs) {
    for (std::size_t i = 0; i < kTagCount; ++i) {
        const auto bytes = Bytes(kTagNames[i]);
        const auto tag = TagAt(bytes.data());
        ASSERT_TRUE(tag) << kTagNames[i];
        EXPECT_EQ(static_cast<std::size_t>(*tag), i);
    }
    for (const std::string_view other : {"FILE", "tape", "Tape", "SSE ", "\0\0\0\0", "ETEE", "DIRC"}) {
        const auto bytes = Bytes(std::string(other.data(), 4));
        EXPECT_FALSE(TagAt(bytes.data())) << other;
    }
}

TEST(TagTable, AcceptanceDependsOnTheTwoFollowingBytes) {
    struct Case {
        std::string bytes;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {std::string("ETED\x01\x02", 6), false}, {std::string("ETED\x01\x00", 6), true},
        {std::string("ETED\x00\x01", 6), true},  {std::string("ETED\x00\x00", 6), true},
        {std::string("ETED\xFF\xFF", 6), false}, {std::string("FILE\x00\x00", 6), false},
    };
    for (const auto& c : cases) {
        const auto bytes = Bytes(c.bytes);
        EXPECT_EQ(FindAcceptedTag(bytes.data(), bytes.size(), 1).has_value(), c.accepted)
            << testing::PrintToString(bytes);
    }
}

TEST(TagTable, SearchFindsTheFirstAcceptedTagSkippingRejectedOnes) {
    const auto bytes = Bytes(std::string("xxSSET\x01\x01VOLB\x00\x00DIRB", 18));
    const auto hit = FindAcceptedTag(bytes.data(), bytes.size(), bytes.size());
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->position, 8u);
    EXPECT_EQ(hit->tag, Tag::Volb);
}

TEST(TagTable, SearchHonoursTheCandidateLimitAndTheEndOfTheBytes) {
    const auto bytes = Bytes("....TAPE");
    EXPECT_FALSE(FindAcceptedTag(bytes.data(), bytes.size(), 4)); // position 4 is not a candidate
    EXPECT_TRUE(FindAcceptedTag(bytes.data(), bytes.size(), 5));
    // A tag cut by the end of the bytes is no tag; followers past the end read as zero.
    EXPECT_FALSE(FindAcceptedTag(bytes.data(), 7, 100));
    const auto followers = Bytes("TAPE\x01");
    EXPECT_TRUE(FindAcceptedTag(followers.data(), followers.size(), 1));
    EXPECT_FALSE(FindAcceptedTag(followers.data(), 3, 1));
}

} // namespace
} // namespace tarvelo
