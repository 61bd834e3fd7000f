// A backup with one very large entry, for the 64-bit paths: an entry whose data is longer than
// 4 GiB and an entry after it that starts beyond 4 GiB. Zero data goes to a file as a hole, so the
// backup costs almost no disk and no time.
#pragma once

#include "tools/bkfgen/BackupDescription.h"

#include <cstdint>

namespace tarvelo::bkfgen {

inline constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

struct BigBackupOptions {
    std::uint64_t bigSize = 4 * kGiB + 4096; // data length of "big.bin"
    bool patterned = false;                  // pattern instead of zeros (written out, not sparse)
};

// Set 1 'Big' by ADMIN on C:\Big\: small.bin (4000 patterned bytes), big.bin (bigSize bytes),
// after.bin (3000 patterned bytes, starting after big.bin's data).
BackupLayout WriteBigBackup(const BigBackupOptions& options, Output& output);

} // namespace tarvelo::bkfgen
