// Display paths of found files as the record file stores them.
#pragma once

#include "reader/ScanRecords.h"

#include <string>
#include <string_view>

namespace tarvelo {

// Every run of backslashes becomes one backslash ("a\\\b" gives "a\b").
std::u16string CleanDisplayPath(std::u16string_view path);

// Cleans the record's path in place, as each found file is cleaned before it is stored.
void CleanRecordPath(FileRecord& record);

} // namespace tarvelo
