// A search pattern as the search dialog takes it (trimmed; without "*" it matches anywhere; "?" is one
// character; case-sensitive), matched against whole display paths.
#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::cli {

class PathFilter {
public:
    // Nothing for an absent pattern, and for one that is empty once trimmed.
    static std::optional<PathFilter> Create(const std::optional<std::string>& typed);

    [[nodiscard]] bool Matches(std::u16string_view path) const;
    [[nodiscard]] const std::u16string& Pattern() const { return pattern_; }

private:
    explicit PathFilter(std::u16string pattern) : pattern_(std::move(pattern)) {}
    std::u16string pattern_;
};

} // namespace tarvelo::cli
