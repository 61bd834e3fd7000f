// A file's creation, last-write and last-access times, as seconds since 1970 (UTC).
#pragma once

#include <ctime>
#include <filesystem>
#include <optional>

namespace tarvelo::os {

struct FileTimes {
    std::optional<std::time_t> created; // empty where the file system keeps no creation time
    std::time_t lastWrite = 0;
    std::time_t lastAccess = 0;
};

// Nothing when the file cannot be reached.
std::optional<FileTimes> ReadFileTimes(const std::filesystem::path& path);

} // namespace tarvelo::os
