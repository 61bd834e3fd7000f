#include "platform/os/NoFollowCreate.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvelo::os {

#ifdef _WIN32

namespace {

bool IsLinkOrNotFolder(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

CreateOutcome OpenFile(const std::filesystem::path& path, DWORD disposition) {
    // FILE_FLAG_OPEN_REPARSE_POINT opens a link itself instead of its target.
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
            return CreateOutcome::Exists;
        }
        return error == ERROR_ACCESS_DENIED && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES
                   ? CreateOutcome::Blocked
                   : CreateOutcome::Failed;
    }
    CloseHandle(handle);
    return CreateOutcome::Created;
}

} // namespace

CreateOutcome MakeFolderNoFollow(const std::filesystem::path& path) {
    if (CreateDirectoryW(path.c_str(), nullptr)) {
        return CreateOutcome::Created;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
        return CreateOutcome::Failed;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return CreateOutcome::Failed;
    }
    return IsLinkOrNotFolder(attributes) ? CreateOutcome::Blocked : CreateOutcome::Exists;
}

CreateOutcome CreateNewFile(const std::filesystem::path& path) {
    return OpenFile(path, CREATE_NEW);
}

CreateOutcome CreateOrTruncateFile(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return CreateOutcome::Blocked;
    }
    return OpenFile(path, CREATE_ALWAYS);
}

#else

namespace {

CreateOutcome OpenFile(const std::filesystem::path& path, int flags) {
    // O_NONBLOCK: a planted FIFO must not make the open wait for a reader forever.
    const int fd =
        ::open(path.c_str(), flags | O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        if (errno == EEXIST) {
            return CreateOutcome::Exists;
        }
        return errno == ELOOP || errno == EISDIR || errno == ENXIO ? CreateOutcome::Blocked
                                                                   : CreateOutcome::Failed;
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular ? CreateOutcome::Created : CreateOutcome::Blocked;
}

} // namespace

CreateOutcome MakeFolderNoFollow(const std::filesystem::path& path) {
    if (::mkdir(path.c_str(), 0777) == 0) {
        return CreateOutcome::Created;
    }
    if (errno != EEXIST) {
        return CreateOutcome::Failed;
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return CreateOutcome::Failed;
    }
    return S_ISDIR(info.st_mode) ? CreateOutcome::Exists : CreateOutcome::Blocked;
}

// O_EXCL with O_CREAT fails on any existing name, a dangling link included, so no link is followed.
CreateOutcome CreateNewFile(const std::filesystem::path& path) {
    return OpenFile(path, O_EXCL);
}

CreateOutcome CreateOrTruncateFile(const std::filesystem::path& path) {
    const CreateOutcome outcome = OpenFile(path, O_TRUNC);
    return outcome == CreateOutcome::Exists ? CreateOutcome::Created : outcome;
}

#endif

} // namespace tarvelo::os
