// Saving the current scan as a snapshot file and reading one back, record by record.
#pragma once

#include "platform/os/File.h"
#include "reader/ScanRecords.h"
#include "recovery/RecordFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace tarvelo {

struct SnapshotSaveResult {
    bool ok = false;
    std::string error; // names the file and the reason when !ok
};

// Writes the header and the first records.Count() records of the record file. The snapshot is written
// under a temporary name beside `snapshotPath` and renamed over it only when complete, so a failure
// (disk full, unreadable record file) leaves no truncated snapshot and an earlier file at that path
// untouched. Fails, writing nothing, when the backup path is longer than 1023 units.
SnapshotSaveResult SaveSnapshot(const std::filesystem::path& snapshotPath, std::u16string_view backupPath,
                                const RecordFile& records);

class SnapshotReader;

enum class SnapshotOpenStatus {
    Ok,
    CannotOpen,   // the file could not be opened or read
    BadSignature, // not a snapshot: shown as "Please select a valid file."
};

struct SnapshotOpenResult;

// Reads a snapshot: the signature is checked when it is opened, then the records come one at a time.
class SnapshotReader {
public:
    // Opens the snapshot file and reads its two header fields.
    static SnapshotOpenResult Open(const std::filesystem::path& path);
    // The same over bytes in memory, which must outlive the reader.
    static SnapshotOpenResult FromBytes(std::span<const std::uint8_t> bytes);

    // The backup file path stored in the snapshot.
    [[nodiscard]] const std::u16string& BackupPath() const { return backupPath_; }
    // True when the path field had no zero unit; BackupPath() then holds its first 1023 units.
    [[nodiscard]] bool BackupPathUnterminated() const { return pathUnterminated_; }

    // The snapshot's length, and the position after the last record returned (2108 before the first),
    // for the progress display.
    [[nodiscard]] std::uint64_t Length() const { return length_; }
    [[nodiscard]] std::uint64_t Position() const { return position_; }

    // The next complete record; nothing at the end of the file, at a partial last record, or when the
    // file can no longer be read.
    std::optional<FileRecord> Next();

private:
    SnapshotReader() = default;
    static SnapshotOpenResult Start(SnapshotReader reader, const std::string& name);
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const;

    std::variant<os::File, std::span<const std::uint8_t>> source_;
    std::u16string backupPath_;
    bool pathUnterminated_ = false;
    std::uint64_t length_ = 0;
    std::uint64_t position_ = 0;
};

struct SnapshotOpenResult {
    SnapshotOpenStatus status = SnapshotOpenStatus::CannotOpen;
    std::optional<SnapshotReader> reader; // set when status is Ok
    std::string error;                    // names the file and the reason otherwise
};

} // namespace tarvelo
