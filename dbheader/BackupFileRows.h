// The backup file layout of the properties pane: what is known about the opened backup file.
#pragma once

#include "dbheader/PropertyRow.h"

#include <string>

namespace tarvelo {

struct BackupFileTexts {
    std::u16string path;
    std::u16string sizeText;
    std::u16string created;
    std::u16string lastWrite;
    std::u16string lastAccess;
};

// Two groups, six rows. The "File Type:" value is always "Exchange Database file".
PropertyLayout BuildBackupFileLayout(const BackupFileTexts& texts);

// The layout shown before any backup file is opened: every value empty, and two descriptions worded
// slightly differently from the filled layout.
PropertyLayout BuildEmptyBackupFileLayout();

} // namespace tarvelo
