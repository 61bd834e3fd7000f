// The record file: the FileRecords of the current scan back to back, no header, no trailer. Record n
// (from 1) lies at (n - 1) x 2274. The count of records appended is the found-files counter.
// The newest records are written in groups of kBufferedRecords (a scan appends one record per file
// found, and one write per record costs more than the scan itself); until then they are read from
// memory, so Read always sees every record appended. Flush writes the group early.
#pragma once

#include "platform/os/File.h"
#include "reader/ScanRecords.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarvelo {

class RecordFile {
public:
    static constexpr std::uint32_t kBufferedRecords = 32;

    RecordFile() = default;
    RecordFile(RecordFile&& other) noexcept;
    // Writes this file's waiting records before taking the other's.
    RecordFile& operator=(RecordFile&& other) noexcept;
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;
    // Writes the records still waiting (Flush).
    ~RecordFile();

    // Creates (or truncates) the file at `path` without following a link standing there. On failure
    // the result is closed and `error` names the file and the reason.
    static RecordFile Create(const std::filesystem::path& path, std::string& error);

    [[nodiscard]] bool IsOpen() const { return file_.IsOpen(); }
    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
    // The found-files counter: records appended so far, and the number of the last one.
    [[nodiscard]] std::uint32_t Count() const { return count_; }

    // Adds the record at the end; its record number is then Count(). False (count unchanged) when
    // the write of its group fails.
    bool Append(const FileRecord& record);
    // Writes the records still waiting; false when that write fails (they stay readable and waiting).
    bool Flush();

    // Reads record n into `out` and returns how many of its bytes the file held: kSize normally, fewer
    // for a damaged file (the rest of `out` is zero), 0 when n is 0, beyond Count() or unreadable.
    std::size_t Read(std::uint32_t n, FileRecord& out) const;

    // Closes the file and deletes it, waiting records with it (the next open or snapshot load, and the
    // close of the window).
    void CloseAndRemove();

private:
    [[nodiscard]] std::uint32_t PendingCount() const;

    os::File file_;
    std::filesystem::path path_;
    std::uint32_t count_ = 0;
    std::vector<std::uint8_t> pending_; // the last pending_.size() / kSize records, not yet written
};

} // namespace tarvelo
