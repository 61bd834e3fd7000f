#include "cli/PathFilter.h"

#include "reader/TextEncoding.h"
#include "search/SearchPattern.h"

namespace tarvelo::cli {

namespace {

// The matcher stops when its flag is cleared; the tool stops between files instead.
const std::atomic<int> kAlwaysSearching{1};

} // namespace

std::optional<PathFilter> PathFilter::Create(const std::optional<std::string>& typed) {
    if (!typed) {
        return std::nullopt;
    }
    std::optional<std::u16string> pattern = MakeSearchPattern(Utf8ToUtf16(*typed));
    if (!pattern) {
        return std::nullopt;
    }
    return PathFilter(std::move(*pattern));
}

bool PathFilter::Matches(std::u16string_view path) const {
    return MatchPattern(pattern_, path, kAlwaysSearching);
}

} // namespace tarvelo::cli
