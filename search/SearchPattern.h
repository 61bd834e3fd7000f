// The search dialog's wildcard pattern and the matcher it runs against each found file's path.
#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelo {

// The pattern for a typed search text: white space is trimmed from both ends; a text without "*"
// becomes "*" + text + "*" (a substring search); nothing when the trimmed text is empty.
std::optional<std::u16string> MakeSearchPattern(std::u16string_view typed);

// Matches the whole name against the pattern, case-sensitively: "*" stands for any run of units
// (also none), "?" for exactly one. `searching` is read afresh at every step; once it is 0 the
// comparison ends, and counts as a match only if both the pattern and the name were used up.
bool MatchPattern(std::u16string_view pattern, std::u16string_view name, const std::atomic<int>& searching);

} // namespace tarvelo
