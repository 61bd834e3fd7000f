// The record file: the FileRecords of the current scan back to back, no header, no trailer. Record n
// (from 1) lies at (n - 1) x 2274. The count of records appended is the found-files counter.
#pragma once

#include "platform/os/File.h"
#include "reader/ScanRecords.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace tarvelo {

class RecordFile {
public:
    RecordFile() = default;

    // Creates (or truncates) the file at `path` without following a link standing there. On failure
    // the result is closed and `error` names the file and the reason.
    static RecordFile Create(const std::filesystem::path& path, std::string& error);

    [[nodiscard]] bool IsOpen() const { return file_.IsOpen(); }
    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
    // The found-files counter: records appended so far, and the number of the last one.
    [[nodiscard]] std::uint32_t Count() const { return count_; }

    // Writes the record at the end; its record number is then Count(). False (count unchanged) when
    // the write fails.
    bool Append(const FileRecord& record);

    // Reads record n into `out` and returns how many of its bytes the file held: kSize normally, fewer
    // for a damaged file (the rest of `out` is zero), 0 when n is 0, beyond Count() or unreadable.
    std::size_t Read(std::uint32_t n, FileRecord& out) const;

    // Closes the file and deletes it (the next open or snapshot load, and the close of the window).
    void CloseAndRemove();

private:
    os::File file_;
    std::filesystem::path path_;
    std::uint32_t count_ = 0;
};

} // namespace tarvelo
