#include "reader/CatalogueWalk.h"

#include "reader/TagTable.h"

namespace tarvelo {
namespace {

constexpr std::size_t kFirstEntryOffset = 22; // after the stream header
constexpr std::size_t kEntryTypeOffset = 2;
// An entry is read together with the 8 bytes after it, which hold the next entry's length and type.
constexpr std::size_t kLookAhead = 8;

bool ContinuesCatalogue(const std::uint8_t* type) {
    const auto tag = TagAt(type);
    return tag && (*tag == Tag::Volb || *tag == Tag::Dirb || *tag == Tag::Eted);
}

} // namespace

CatalogueLength WalkCatalogue(const BlockWindow& window, CatalogueEntrySource& source) {
    std::uint64_t entryOffset = kFirstEntryOffset;
    const std::uint8_t* entry = window.data() + kFirstEntryOffset;
    std::uint64_t result = 0;
    while (ContinuesCatalogue(entry + kEntryTypeOffset)) {
        result = entryOffset;
        const std::uint16_t length = ReadLe16(entry);
        // A zero length would read the same entry forever.
        if (length == 0 || length + kLookAhead > kBlockWindowSize) {
            return {true, 0};
        }
        const std::span<const std::uint8_t> bytes = source.EntryBytes(entryOffset, length + kLookAhead);
        if (bytes.size() < length + kLookAhead) {
            return {true, 0};
        }
        entryOffset += length;
        entry = bytes.data() + length;
    }
    return {false, result};
}

} // namespace tarvelo
