// A generated backup shaped like a real one for throughput measurements: mostly file data (random
// binary pages, text pages and some zero pages), a few thousand file entries of mixed sizes in several
// sets and folders, and a catalogue after every set. Seeded: the same options give the same bytes.
#pragma once

#include "tools/bkfgen/BackupDescription.h"

#include <cstdint>

namespace tarvelo::bench {

struct RealisticBackupOptions {
    std::uint64_t size = std::uint64_t{1} << 30; // written until the backup reaches at least this size
    std::uint64_t seed = 20;
};

bkfgen::BackupLayout WriteRealisticBackup(const RealisticBackupOptions& options, bkfgen::Output& output);

} // namespace tarvelo::bench
