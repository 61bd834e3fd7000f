// The length of a "TFDD" catalogue: how far the scan may skip over it. The walk follows the entries
// back to back while their type is "VOLB", "DIRB" or "ETED" and answers with the offset, from the tag,
// of the last entry that continued the catalogue (0 when the first entry already ends it).
#pragma once

#include "reader/BlockDecoders.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tarvelo {

// Delivers count bytes of the backup file at the tag's position + offsetFromTag. Fewer bytes (the end
// of the file, or a read error) fail the walk.
class CatalogueEntrySource {
public:
    CatalogueEntrySource() = default;
    CatalogueEntrySource(const CatalogueEntrySource&) = delete;
    CatalogueEntrySource& operator=(const CatalogueEntrySource&) = delete;
    virtual ~CatalogueEntrySource() = default;
    virtual std::span<const std::uint8_t> EntryBytes(std::uint64_t offsetFromTag, std::size_t count) = 0;
};

struct CatalogueLength {
    bool failed = false;      // an entry too long for the window, of length 0, or cut short by the file
    std::uint64_t length = 0; // meaningful only when the walk did not fail
};

// window: the block window at the "TFDD" tag.
[[nodiscard]] CatalogueLength WalkCatalogue(const BlockWindow& window, CatalogueEntrySource& source);

} // namespace tarvelo
