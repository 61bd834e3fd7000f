#include "platform/os/FileTimes.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace tarvelo::os {

#ifdef _WIN32

namespace {

std::time_t FromFileTime(const FILETIME& time) {
    const std::uint64_t ticks = (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    // 100-nanosecond ticks since 1601 to seconds since 1970.
    return static_cast<std::time_t>(ticks / 10000000u) - static_cast<std::time_t>(11644473600LL);
}

} // namespace

std::optional<FileTimes> ReadFileTimes(const std::filesystem::path& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return FileTimes{FromFileTime(data.ftCreationTime), FromFileTime(data.ftLastWriteTime),
                     FromFileTime(data.ftLastAccessTime)};
}

#else

std::optional<FileTimes> ReadFileTimes(const std::filesystem::path& path) {
    struct statx info {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME | STATX_ATIME, &info) != 0) {
        return std::nullopt;
    }
    FileTimes times;
    if ((info.stx_mask & STATX_BTIME) != 0) {
        times.created = static_cast<std::time_t>(info.stx_btime.tv_sec);
    }
    times.lastWrite = static_cast<std::time_t>(info.stx_mtime.tv_sec);
    times.lastAccess = static_cast<std::time_t>(info.stx_atime.tv_sec);
    return times;
}

#endif

} // namespace tarvelo::os
