// Prints found files: a readable table (heading before the first row) or JSON Lines.
#pragma once

#include "cli/Console.h"
#include "cli/FileSource.h"

namespace tarvelo::cli {

class FileLister {
public:
    FileLister(Console& console, bool json) : console_(console), json_(json) {}

    // One line: {"record", "offset", "size" (dataSize as signed 32-bit), "length" (backups only),
    // "path"} in JSON, or record, readable size and path in the table.
    void Print(const FoundFile& file);

private:
    Console& console_;
    bool json_;
    bool headingDone_ = false;
};

} // namespace tarvelo::cli
