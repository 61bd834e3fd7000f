// The files of a backup (by scanning it) or of a snapshot (by reading its records), delivered one at a
// time in record order, with the progress bar kept up to date.
#pragma once

#include "cli/ProgressBar.h"
#include "reader/ScanRecords.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tarvelo::cli {

struct FoundFile {
    std::uint64_t record = 0;               // from 1
    const FileRecord* fileRecord = nullptr; // path already cleaned, as the record file stores it
    std::u16string path;
    std::uint64_t entryOffset = 0;
    std::uint32_t dataSize = 0;
    std::optional<std::int64_t> length; // the full data length, known for backups only
};

using FileCallback = std::function<void(const FoundFile&)>;

struct SourceRun {
    std::uint64_t files = 0;
    std::uint64_t bytes = 0;          // bytes of the backup scanned, or of the snapshot read
    std::filesystem::path backupPath; // the backup scanned, or the one a snapshot names
    bool stopped = false;             // Ctrl-C
    std::string error;                // names the file and the reason; empty on success
};

// True when the file starts with the snapshot signature (it is then read as a snapshot, else scanned).
bool IsSnapshotFile(const std::filesystem::path& path);

SourceRun ScanBackup(const std::filesystem::path& backup, ScanControl& control, ProgressBar& progress,
                     const FileCallback& onFile);
SourceRun ReadSnapshot(const std::filesystem::path& snapshot, ScanControl& control, ProgressBar& progress,
                       const FileCallback& onFile);
// A backup or a snapshot, told apart by the signature.
SourceRun ReadSource(const std::filesystem::path& source, ScanControl& control, ProgressBar& progress,
                     const FileCallback& onFile);

} // namespace tarvelo::cli
