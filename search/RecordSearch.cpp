#include "search/RecordSearch.h"

#include "search/SearchPattern.h"

namespace tarvelo {

std::uint32_t SearchRecords(const RecordFile& records, std::uint32_t recordCount, std::u16string_view pattern,
                            const std::atomic<int>& searching, const RecordSearchCallbacks& callbacks) {
    std::uint32_t matches = 0;
    FileRecord record;
    for (std::uint32_t k = 1; k <= recordCount && searching.load(std::memory_order_relaxed) == 1; ++k) {
        records.Read(k, record);
        if (MatchPattern(pattern, record.Path(), searching)) {
            ++matches;
            if (callbacks.match) {
                callbacks.match(k, record);
            }
        }
        if (callbacks.progress) {
            callbacks.progress(k);
        }
        if (k == UINT32_MAX) {
            break;
        }
    }
    return matches;
}

} // namespace tarvelo
