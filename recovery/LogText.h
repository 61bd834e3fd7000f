// The lines the program writes to its log, in one place so that the desktop program and the
// command-line tool write the same texts. Each function returns the lines of one block in order; an
// empty text is an empty line. `time` is a FormatLogTime() text.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo {

using LogLines = std::vector<std::u16string>;

// A local time as "%b-%d-%Y(%I-%M-%S-%p)" with English month names whatever the user's locale, for
// example "Mar-07-2024(09-05-03-PM)".
std::u16string FormatLogTime(const std::tm& local);
// The current local time so formatted; empty when the clock or time zone cannot be read.
std::u16string FormatLogTime();

// Opening a backup file (the log is emptied first).
LogLines OpenLogLines(std::u16string_view backupPath, std::u16string_view sizeText, std::u16string_view time);
// One found file: its name (text after the last backslash), "  file found.          ", the size.
std::u16string FileFoundLogLine(std::u16string_view displayPath, std::uint32_t dataSize);
// The end of a scan, also after Stop.
LogLines ScanEndLogLines(std::uint32_t foundFiles, std::u16string_view time);
// Loading a snapshot: before reading it, and after a successful load.
LogLines SnapshotLoadStartLogLines(std::u16string_view snapshotPath, std::u16string_view time);
LogLines SnapshotLoadDoneLogLines(std::u16string_view backupPath, std::u16string_view time);
// Saving a snapshot: before writing it, and after a successful save.
LogLines SnapshotSaveStartLogLines(std::u16string_view snapshotPath, std::u16string_view time);
LogLines SnapshotSaveDoneLogLines(std::u16string_view time);

} // namespace tarvelo
