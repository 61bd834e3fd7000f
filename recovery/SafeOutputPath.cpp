#include "recovery/SafeOutputPath.h"

#include "platform/os/NoFollowCreate.h"
#include "platform/os/SystemError.h"
#include "reader/TextEncoding.h"

#include <algorithm>
#include <array>

namespace tarvelo {

namespace {

constexpr char16_t kReplacement = u'_';
// An extension longer than this is not worth keeping when a name must be shortened.
constexpr std::size_t kMaxKeptExtensionBytes = 32;
// Numbered alternatives tried before giving up on a name.
constexpr unsigned kMaxAlternatives = 10000;

bool IsControl(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

bool IsWindowsReservedCharacter(char16_t unit) {
    return unit == u'<' || unit == u'>' || unit == u':' || unit == u'"' || unit == u'|' || unit == u'?' ||
           unit == u'*';
}

// UTF-8 length of well-formed UTF-16 (no unpaired surrogates left).
std::size_t Utf8Length(std::u16string_view text) {
    std::size_t bytes = 0;
    for (const char16_t unit : text) {
        bytes += unit < 0x80 ? 1u : unit < 0x800 ? 2u : (IsHighSurrogate(unit) || IsLowSurrogate(unit)) ? 2u : 3u;
    }
    return bytes;
}

// The longest prefix of text within maxBytes that does not split a surrogate pair.
std::u16string_view PrefixWithin(std::u16string_view text, std::size_t maxBytes) {
    std::size_t bytes = 0;
    std::size_t units = 0;
    while (units < text.size()) {
        const bool pair = IsHighSurrogate(text[units]) && units + 1 < text.size();
        const std::size_t step = pair ? 2 : 1;
        const std::size_t cost = Utf8Length(text.substr(units, step));
        if (bytes + cost > maxBytes) {
            break;
        }
        bytes += cost;
        units += step;
    }
    return text.substr(0, units);
}

// Splits "name.ext" into "name" and ".ext"; a leading dot (".profile") is not an extension.
std::pair<std::u16string_view, std::u16string_view> SplitExtension(std::u16string_view name) {
    const std::size_t dot = name.rfind(u'.');
    if (dot == std::u16string_view::npos || dot == 0) {
        return {name, {}};
    }
    return {name.substr(0, dot), name.substr(dot)};
}

// stem + suffix + extension, the stem shortened so that the whole fits kMaxComponentBytes.
std::u16string JoinWithin(std::u16string_view stem, std::u16string_view suffix,
                          std::u16string_view extension) {
    std::u16string body(stem);
    if (Utf8Length(extension) > kMaxKeptExtensionBytes) {
        body.append(extension); // cut the long "extension" like the rest of the name
        extension = {};
    }
    const std::size_t fixed = Utf8Length(suffix) + Utf8Length(extension);
    std::u16string out(PrefixWithin(body, kMaxComponentBytes > fixed ? kMaxComponentBytes - fixed : 0));
    out.append(suffix);
    out.append(extension);
    return out;
}

// Windows drops trailing dots and blanks silently, so "a." would become "a" and "..." nothing.
void ReplaceTrailingDotsAndBlanks(std::u16string& name) {
    for (auto it = name.rbegin(); it != name.rend() && (*it == u'.' || *it == u' '); ++it) {
        *it = kReplacement;
    }
}

bool IsWindowsDeviceName(std::u16string_view name) {
    std::u16string stem(name.substr(0, std::min(name.find(u'.'), name.size())));
    while (!stem.empty() && stem.back() == u' ') {
        stem.pop_back();
    }
    for (char16_t& unit : stem) {
        if (unit >= u'a' && unit <= u'z') {
            unit = static_cast<char16_t>(unit - u'a' + u'A');
        }
    }
    static constexpr std::array<std::u16string_view, 6> kPlain = {u"CON", u"PRN",    u"AUX",
                                                                  u"NUL", u"CONIN$", u"CONOUT$"};
    if (std::find(kPlain.begin(), kPlain.end(), stem) != kPlain.end()) {
        return true;
    }
    if (stem.size() == 4 && (stem.starts_with(u"COM") || stem.starts_with(u"LPT"))) {
        const char16_t digit = stem[3];
        return (digit >= u'0' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' ||
               digit == u'\u00B3';
    }
    return false;
}

} // namespace

std::u16string SafeComponent(std::u16string_view name, NameRules rules) {
    std::u16string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i];
        if (IsHighSurrogate(unit) && i + 1 < name.size() && IsLowSurrogate(name[i + 1])) {
            out.push_back(unit);
            out.push_back(name[++i]);
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            out.push_back(kReplacementCharacter);
        } else if (IsControl(unit) || unit == u'/' || unit == u'\\' ||
                   (rules == NameRules::Windows && IsWindowsReservedCharacter(unit))) {
            out.push_back(kReplacement);
        } else {
            out.push_back(unit);
        }
    }
    if (out.empty() || out == u"." || out == u"..") {
        std::fill(out.begin(), out.end(), kReplacement);
        if (out.empty()) {
            out.push_back(kReplacement);
        }
    }
    if (rules == NameRules::Windows) {
        ReplaceTrailingDotsAndBlanks(out);
        if (IsWindowsDeviceName(out)) {
            out.insert(out.begin(), kReplacement);
        }
    }
    if (Utf8Length(out) > kMaxComponentBytes) {
        const auto [stem, extension] = SplitExtension(out);
        out = JoinWithin(stem, {}, extension);
        if (rules == NameRules::Windows) {
            ReplaceTrailingDotsAndBlanks(out);
        }
    }
    return out;
}

std::vector<std::u16string> SafeComponents(std::u16string_view displayPath, OutputLayout layout,
                                           NameRules rules) {
    std::vector<std::u16string> components;
    const std::size_t lastSeparator = displayPath.rfind(u'\\');
    const std::u16string_view fileName =
        lastSeparator == std::u16string_view::npos ? displayPath : displayPath.substr(lastSeparator + 1);
    if (layout == OutputLayout::Hierarchy && lastSeparator != std::u16string_view::npos) {
        std::u16string_view folders = displayPath.substr(0, lastSeparator);
        while (!folders.empty()) {
            const std::size_t separator = std::min(folders.find(u'\\'), folders.size());
            if (separator > 0) {
                components.push_back(SafeComponent(folders.substr(0, separator), rules));
            }
            folders.remove_prefix(std::min(separator + 1, folders.size()));
        }
    }
    components.push_back(SafeComponent(fileName, rules));
    return components;
}

std::filesystem::path SafeRelativePath(std::u16string_view displayPath, OutputLayout layout,
                                       NameRules rules) {
    std::filesystem::path path;
    for (const std::u16string& component : SafeComponents(displayPath, layout, rules)) {
        path /= PathFromUtf16(component);
    }
    return path;
}

std::u16string NumberedName(std::u16string_view safeName, unsigned n) {
    if (n <= 1) {
        return std::u16string(safeName);
    }
    const auto [stem, extension] = SplitExtension(safeName);
    const std::string digits = " (" + std::to_string(n) + ")";
    return JoinWithin(stem, std::u16string(digits.begin(), digits.end()), extension);
}

OutputFile CreateOutputFile(const std::filesystem::path& root, std::u16string_view displayPath,
                            OutputLayout layout, bool overwrite) {
    const std::vector<std::u16string> components = SafeComponents(displayPath, layout);
    std::filesystem::path folder = root;
    auto failure = [](const std::filesystem::path& path, const std::string& reason) {
        return OutputFile{false, {}, Utf8FromPath(path) + ": " + reason};
    };
    for (std::size_t index = 0; index + 1 < components.size(); ++index) {
        bool placed = false;
        for (unsigned n = 1; n <= kMaxAlternatives && !placed; ++n) {
            const std::filesystem::path candidate =
                folder / PathFromUtf16(NumberedName(components[index], n));
            switch (os::MakeFolderNoFollow(candidate)) {
            case os::CreateOutcome::Created:
            case os::CreateOutcome::Exists:
                folder = candidate;
                placed = true;
                break;
            case os::CreateOutcome::Blocked:
                break;
            case os::CreateOutcome::Failed:
                return failure(candidate, os::LastErrorText());
            }
        }
        if (!placed) {
            return failure(folder / PathFromUtf16(components[index]), "no free folder name");
        }
    }
    for (unsigned n = 1; n <= kMaxAlternatives; ++n) {
        const std::filesystem::path candidate = folder / PathFromUtf16(NumberedName(components.back(), n));
        const os::CreateOutcome outcome =
            overwrite && n == 1 ? os::CreateOrTruncateFile(candidate) : os::CreateNewFile(candidate);
        if (outcome == os::CreateOutcome::Created) {
            return OutputFile{true, candidate, {}};
        }
        if (outcome == os::CreateOutcome::Failed) {
            return failure(candidate, os::LastErrorText());
        }
    }
    return failure(folder / PathFromUtf16(components.back()), "no free file name");
}

} // namespace tarvelo
