#include "platform/os/SparseFile.h"

#ifdef _WIN32
#include <windows.h>
// windows.h first: winioctl.h needs its types.
#include <winioctl.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tarvelo::os {

bool CreateSparseFile(const std::filesystem::path& path) {
#ifdef _WIN32
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD returned = 0;
    // Refused on FAT and other file systems without sparse files: the file is still fine, only larger.
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    CloseHandle(file);
    return true;
#else
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
#endif
}

} // namespace tarvelo::os
