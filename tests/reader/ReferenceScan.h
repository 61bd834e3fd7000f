// A deliberately plain scanner for differential tests: it reads the backup file through a C file
// handle in 1024-byte windows, seeking exactly as the scan algorithm is written down, with its own
// tag table and decoders. It shares nothing with the production reader but the record types, so any
// disagreement between the two points at a fault in one of them.
#pragma once

#include "reader/ScanRecords.h"

#include <filesystem>

namespace tarvelo::test {

enum class ReferenceEnd { Completed, Stopped, OpenFailed, SeekFailed };

ReferenceEnd ReferenceScan(const std::filesystem::path& path, ScanControl& control, ScanSink& sink);

} // namespace tarvelo::test
