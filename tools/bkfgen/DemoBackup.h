// The demo backup: an Exchange storage group saved in two sets (a full backup with the databases,
// checkpoint and logs, then an incremental one with newer logs), small enough to write in a moment.
#pragma once

#include "tools/bkfgen/BackupDescription.h"

#include <string>

namespace tarvelo::bkfgen {

// Set 1 'Full backup' by ADMIN: C:\Program Files\Exchsrvr\mdbdata\ priv1.edb, priv1.stm, pub1.edb,
// pub1.stm, E00.chk, and its Logs\ folder E00.log, E0000029.log. Set 2 'Incremental backup' by
// ADMIN: Logs\ E00.log, E000002A.log. The .edb/.stm files start with database header pages; each
// log is 5 MiB. Both sets carry catalogues and standard FILE blocks that a scan ignores.
[[nodiscard]] BackupDescription DemoBackupDescription();
BackupLayout WriteDemoBackup(Output& output);

} // namespace tarvelo::bkfgen
