#include "search/SearchPattern.h"

namespace tarvelo {

namespace {

bool IsBlank(char16_t unit) {
    switch (unit) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u'\u00A0':
    case u'\u3000':
        return true;
    default:
        return false;
    }
}

bool Running(const std::atomic<int>& searching) {
    return searching.load(std::memory_order_relaxed) == 1;
}

} // namespace

std::optional<std::u16string> MakeSearchPattern(std::u16string_view typed) {
    while (!typed.empty() && IsBlank(typed.front())) {
        typed.remove_prefix(1);
    }
    while (!typed.empty() && IsBlank(typed.back())) {
        typed.remove_suffix(1);
    }
    if (typed.empty()) {
        return std::nullopt;
    }
    if (typed.find(u'*') == std::u16string_view::npos) {
        std::u16string pattern(u"*");
        pattern.append(typed).push_back(u'*');
        return pattern;
    }
    return std::u16string(typed);
}

bool MatchPattern(std::u16string_view pattern, std::u16string_view name, const std::atomic<int>& searching) {
    std::size_t p = 0;
    std::size_t n = 0;
    const std::size_t patternEnd = pattern.size();
    const std::size_t nameEnd = name.size();
    bool stopped = false;

    // 1. The literal head of the pattern, up to its first star.
    while (n < nameEnd && (p == patternEnd || pattern[p] != u'*')) {
        if (!Running(searching)) {
            stopped = true;
            break;
        }
        if (p == patternEnd || (pattern[p] != name[n] && pattern[p] != u'?')) {
            return false;
        }
        ++p;
        ++n;
    }

    // 2. Stars with backtracking to the last star: it absorbs one more unit on each retry.
    if (!stopped) {
        bool haveRestart = false;
        std::size_t restartPattern = 0;
        std::size_t restartName = 0;
        while (n < nameEnd) {
            if (!Running(searching)) {
                stopped = true;
                break;
            }
            if (p < patternEnd && pattern[p] == u'*') {
                if (++p == patternEnd) {
                    return true;
                }
                restartPattern = p;
                restartName = n + 1;
                haveRestart = true;
            } else if (p < patternEnd && (pattern[p] == name[n] || pattern[p] == u'?')) {
                ++p;
                ++n;
            } else {
                if (!haveRestart) {
                    return false;
                }
                p = restartPattern;
                n = restartName++;
            }
        }
    }

    // 3. Trailing stars match nothing.
    while (p < patternEnd && pattern[p] == u'*' && Running(searching)) {
        ++p;
    }
    // A stopped comparison may leave name units unread: only a finished one can match.
    return p == patternEnd && n == nameEnd;
}

} // namespace tarvelo
