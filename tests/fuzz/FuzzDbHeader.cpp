// Any bytes as a database header: parse them and format every row of the database layout.
#include "dbheader/HeaderRows.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto header = tarvelo::DatabaseHeader::FromBytes(std::span<const std::uint8_t>(data, size));
    const auto layout = tarvelo::BuildDatabaseLayout(u"fuzz.edb", header);
    std::size_t total = 0;
    for (const auto& group : layout) {
        for (const auto& row : group.rows) {
            total += row.value.size();
        }
    }
    return total > 0 ? 0 : 0;
}
