// A backup of many small transaction logs: one set ('Logs backup', no catalogue) with one volume whose
// folders Exchsrvr\Logs1, Exchsrvr\Logs2, ... each hold the same number of log files E0000000.log,
// E0000001.log, ... of patterned data. For tests and benchmarks of large file trees.
#pragma once

#include "tools/bkfgen/BackupDescription.h"

#include <cstdint>

namespace tarvelo::bkfgen {

[[nodiscard]] BackupDescription LogFolderBackupDescription(int folders, int filesPerFolder,
                                                           std::uint32_t fileSize, std::uint8_t seed);

} // namespace tarvelo::bkfgen
