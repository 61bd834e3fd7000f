// Seeded random backups for differential tests and benchmarks: many sets, volumes, directories and
// files with awkward names, catalogues, standard FILE/STAN blocks, unaligned blocks, and tags planted
// near the edges of the scan's 1024-byte windows. The same options give the same bytes everywhere.
#pragma once

#include "tools/bkfgen/BackupDescription.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvelo::bkfgen {

struct RandomBackupOptions {
    std::uint64_t seed = 1;
    std::size_t files = 40;           // "ETED" entries written
    std::uint64_t maxDataSize = 3000; // data bytes per entry, 0 to this
    bool catalogues = true;           // "TFDD" catalogues after some sets
    bool noise = true;                // FILE/STAN blocks, odd alignments, broken sets and names
    std::size_t plantedTags = 0;      // tags written over the stream near window edges
    std::size_t damage = 0;           // random damage operations (flips, zeroed ranges, a cut)
};

// The backup bytes. `layout`, when given, receives the entries as written; with planted tags, damage
// or "ETED"-typed catalogues a scan may find more, fewer or other entries, so compare against a scan
// of the bytes rather than the layout in those cases.
[[nodiscard]] std::string MakeRandomBackup(const RandomBackupOptions& options,
                                           BackupLayout* layout = nullptr);

// The tags a scan recognises, in its dispatch order.
[[nodiscard]] const std::vector<std::string>& ScanTags();

} // namespace tarvelo::bkfgen
