// Reading the database header of a copy written into the extraction folder.
#pragma once

#include "dbheader/DatabaseHeader.h"

#include <filesystem>
#include <string>

namespace tarvelo {

struct DatabaseHeaderResult {
    bool ok = false;
    DatabaseHeader header; // all zero when !ok; BytesRead() tells how much of it came from the file
    std::string error;     // names the file and the reason when !ok
};

// Reads up to 668 bytes from the start of the file. A file shorter than that is not an error: the
// bytes it does not have read as zero.
DatabaseHeaderResult ReadDatabaseHeader(const std::filesystem::path& path);

} // namespace tarvelo
