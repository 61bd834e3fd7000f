// The two layouts of the properties pane, built into its grid: the backup file layout (empty at
// start-up, filled after an Open or a snapshot load) and the database header layout.
#pragma once

#include "dbheader/BackupFileRows.h"
#include "dbheader/PropertyRow.h"

#include <QString>

namespace tarvelo {

class CPropertyGridCtrl;

// Replaces the grid's rows with the layout, groups expanded.
void ShowPropertyLayout(CPropertyGridCtrl& grid, const PropertyLayout& layout);
void ShowEmptyBackupFileInfo(CPropertyGridCtrl& grid);
void ShowBackupFileInfo(CPropertyGridCtrl& grid, const BackupFileTexts& texts);
// Reads the header of the extracted copy at `path` (a missing or short file reads as zeros).
void ShowDatabaseHeader(CPropertyGridCtrl& grid, const QString& path);

} // namespace tarvelo
