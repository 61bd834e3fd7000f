#include "dbheader/PathText.h"

namespace tarvelo {

namespace {

bool EqualsAsciiNoCase(std::u16string_view text, std::u16string_view lower) {
    if (text.size() != lower.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t unit = text[i];
        if (unit >= u'A' && unit <= u'Z') {
            unit = static_cast<char16_t>(unit - u'A' + u'a');
        }
        if (unit != lower[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::u16string FileNameOfPath(std::u16string_view path) {
    const auto slash = path.rfind(u'\\');
    return slash == std::u16string_view::npos ? std::u16string() : std::u16string(path.substr(slash + 1));
}

std::u16string ExtensionOfPath(std::u16string_view path) {
    const auto dot = path.rfind(u'.');
    return dot == std::u16string_view::npos ? std::u16string() : std::u16string(path.substr(dot + 1));
}

bool IsDatabasePath(std::u16string_view path) {
    const std::u16string extension = ExtensionOfPath(path);
    return EqualsAsciiNoCase(extension, u"edb") || EqualsAsciiNoCase(extension, u"stm");
}

} // namespace tarvelo
