#include "platform/os/TempFolder.h"

#include "platform/os/SystemError.h"
#include "reader/TextEncoding.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvelo::os {

#ifdef _WIN32

TempFolderResult UserTempFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) {
        return {{}, "the temporary folder could not be determined: " + LastErrorText()};
    }
    return {std::filesystem::path(std::wstring(buffer, length)), {}};
}

#else

TempFolderResult PrivateTempFolder(const std::filesystem::path& base) {
    const std::filesystem::path folder = base / ("quorin-tarvelo-" + std::to_string(::geteuid()));
    const std::string name = "'" + Utf8FromPath(folder) + "'";
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return {{}, name + ": " + LastErrorText()};
    }
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) {
        return {{}, name + ": " + LastErrorText()};
    }
    if (S_ISLNK(info.st_mode) || !S_ISDIR(info.st_mode)) {
        return {{}, name + " is not a folder (a link or a file stands there); refused"};
    }
    if (info.st_uid != ::geteuid()) {
        return {{}, name + " belongs to another user; refused"};
    }
    // Ours, but opened up by someone (or an older umask): close it again.
    if ((info.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
        return {{}, name + ": " + LastErrorText()};
    }
    return {folder, {}};
}

TempFolderResult UserTempFolder() {
    if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir != nullptr && *tmpdir != '\0') {
        return {std::filesystem::path(tmpdir), {}};
    }
    return PrivateTempFolder("/tmp");
}

#endif

} // namespace tarvelo::os
