// What the properties pane and the log show about the opened backup file: its size and three dates.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace tarvelo {

// Up to 1024 bytes the size in bytes ("512(Bytes)", "1024(Bytes)"), above it whole kibibytes rounded
// down ("1(KB)" for 2047 bytes, "64(KB)" for 65536).
std::u16string SizeText(std::uint64_t size);

// A local time as "%02d/%02d/%d  %02d:%02d:%02d": month, day, year, two blanks, hour, minute, second.
std::u16string FileDateText(const std::tm& local);

struct BackupFileDates {
    // Creation, last write, last access. Creation is empty where the file system keeps no creation
    // time (many POSIX file systems).
    std::array<std::u16string, 3> texts;
};

// The size text of the file, empty when it cannot be opened.
std::u16string ReadSizeText(const std::filesystem::path& backupFile);
// The three date texts in local time; nothing when the times cannot be read (the caller keeps the
// texts it had).
std::optional<BackupFileDates> ReadDateTexts(const std::filesystem::path& backupFile);

} // namespace tarvelo
