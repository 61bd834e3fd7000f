// Any UTF-16 text as a display path, under both naming rules: every component that comes out must be
// one safe name (never empty, ".", ".." or a device name; no separator, NUL or control character;
// at most 255 UTF-8 bytes), and numbered alternatives must stay within the limit too.
#include "reader/TextEncoding.h"
#include "recovery/SafeOutputPath.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckComponent(const std::u16string& name, tarvelo::NameRules rules) {
    Check(!name.empty() && name != u"." && name != u"..");
    for (const char16_t unit : name) {
        Check(unit >= 0x20 && unit != u'/' && unit != u'\\' && unit != 0x7F);
        if (rules == tarvelo::NameRules::Windows) {
            Check(std::u16string_view(u"<>:\"|?*").find(unit) == std::u16string_view::npos);
        }
    }
    if (rules == tarvelo::NameRules::Windows) {
        Check(name.back() != u'.' && name.back() != u' ');
    }
    const std::string utf8 = tarvelo::Utf16ToUtf8(name);
    Check(utf8.size() <= tarvelo::kMaxComponentBytes);
    Check(tarvelo::Utf8ToUtf16(utf8) == name); // no unpaired surrogate left
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string path;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        path.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    for (const auto rules : {tarvelo::NameRules::Posix, tarvelo::NameRules::Windows}) {
        for (const auto layout : {tarvelo::OutputLayout::Hierarchy, tarvelo::OutputLayout::Flat}) {
            const auto components = tarvelo::SafeComponents(path, layout, rules);
            Check(!components.empty());
            for (const auto& component : components) {
                CheckComponent(component, rules);
            }
            const std::u16string numbered = tarvelo::NumberedName(components.back(), 12345);
            Check(tarvelo::Utf16ToUtf8(numbered).size() <= tarvelo::kMaxComponentBytes);
        }
    }
    return 0;
}
