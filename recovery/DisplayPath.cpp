#include "recovery/DisplayPath.h"

namespace tarvelo {

std::u16string CleanDisplayPath(std::u16string_view path) {
    std::u16string clean;
    clean.reserve(path.size());
    for (const char16_t unit : path) {
        if (unit == u'\\' && !clean.empty() && clean.back() == u'\\') {
            continue;
        }
        clean.push_back(unit);
    }
    return clean;
}

void CleanRecordPath(FileRecord& record) {
    const std::u16string path = record.Path();
    const std::u16string clean = CleanDisplayPath(path);
    if (clean.size() != path.size()) {
        record.SetPath(clean);
    }
}

} // namespace tarvelo
