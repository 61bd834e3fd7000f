#include "search/SearchPattern.h"

#include "reader/TextEncoding.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(SearchPattern, TrimmedTextWithoutStarIsWrappedInStars) {
    const std::pair<std::u16string, std::optional<std::u16string>> cases[] = {
        {u"edb", u"*edb*"},   {u"  edb\t", u"*edb*"}, {u"*.edb", u"*.edb"}, {u"*.*", u"*.*"},
        {u"pr?v", u"*pr?v*"}, {u" a b ", u"*a b*"},   {u"", std::nullopt},  {u" \t\r\n", std::nullopt},
    };
    for (const auto& [typed, pattern] : cases) {
        EXPECT_EQ(MakeSearchPattern(typed), pattern) << Utf16ToUtf8(typed);
    }
}

TEST(SearchPattern, MatcherAnchorsBothEndsAndComparesExactly) {
    const std::atomic<int> searching{1};
    struct Case {
        std::u16string pattern;
        std::u16string name;
        bool match;
    };
    const Case cases[] = {
        {u"*edb*", u"SET\\mdbdata\\priv1.edb", true},
        {u"*edb*", u"SET\\edbfolder\\x.txt", true},
        {u"*EDB*", u"SET\\mdbdata\\priv1.edb", false},
        {u"*.edb", u"SET\\priv1.edb", true},
        {u"*.edb", u"SET\\priv1.edb.bak", false},
        {u"*.edb", u"SET\\priv1.edbx", false},
        {u"*.*", u"a.b", true},
        {u"*.*", u"nodot", false},
        {u"*pr?v1*", u"x\\priv1.edb", true},
        {u"*pr?v1*", u"x\\prv1.edb", false},
        {u"a?c", u"abc", true},
        {u"a?c", u"abbc", false},
        {u"abc", u"abc", true},
        {u"abc", u"abcd", false},
        {u"abcd", u"abc", false},
        {u"*", u"", true},
        {u"***", u"x", true},
        {u"", u"", true},
        {u"", u"a", false},
        {u"a*", u"", false},
        {u"*a*b*c", u"xaybzc", true},
        {u"*a*b*c", u"xaybzcb", false},
        {u"*ab", u"aab", true},   // needs the star to give back a unit
        {u"*aab", u"aaab", true}, // backtracking over a partial match
        {u"a*b*", u"acb", true},
        {u"?", u"\u00e9", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchPattern(c.pattern, c.name, searching), c.match)
            << Utf16ToUtf8(c.pattern) << " vs " << Utf16ToUtf8(c.name);
    }
}

TEST(SearchPattern, StoppedComparisonOnlyMatchesWhatIsAlreadyUsedUp) {
    const std::atomic<int> stopped{0};
    EXPECT_FALSE(MatchPattern(u"abc", u"abc", stopped));
    EXPECT_FALSE(MatchPattern(u"*", u"abc", stopped));
    EXPECT_FALSE(MatchPattern(u"a*", u"abc", stopped));
    EXPECT_TRUE(MatchPattern(u"", u"", stopped));
}

} // namespace
} // namespace tarvelo
