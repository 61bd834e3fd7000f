#include "platform/os/SingleInstance.h"

#ifdef _WIN32
#include "reader/TextEncoding.h"

#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvelo::os {

std::string SingleInstance::LockFileName(const std::string& name) {
    std::string out;
    for (const char c : name) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          c == '{' || c == '}' || c == '-';
        out += keep ? c : '_';
    }
    return out + ".lock";
}

#ifdef _WIN32

SingleInstance::SingleInstance(const std::string& name, const std::string& /*lockFolder*/) {
    const std::u16string wide = Utf8ToUtf16(name);
    handle_ = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t*>(wide.c_str()));
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS) {
        state_ = InstanceState::kAlreadyRunning;
    } else if (handle_ == nullptr) {
        // Another user's instance created the mutex with a security descriptor we may not open.
        state_ = error == ERROR_ACCESS_DENIED ? InstanceState::kAlreadyRunning : InstanceState::kUnknown;
    } else {
        state_ = InstanceState::kFirst;
    }
}

SingleInstance::~SingleInstance() {
    if (handle_ != nullptr) {
        CloseHandle(handle_);
    }
}

#else

namespace {

// Opens an existing lock file or creates it. O_CREAT is only used together with O_EXCL: in a sticky
// world-writable folder the kernel (protected_regular) refuses O_CREAT on another user's file, and
// O_EXCL never follows or reuses a planted link. O_NONBLOCK keeps a planted FIFO from hanging us.
int OpenLockFile(const std::string& path) {
    constexpr int kFlags = O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ::open(path.c_str(), kFlags);
        if (fd >= 0 || errno != ENOENT) {
            return fd;
        }
        fd = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
        if (fd >= 0) {
            ::fchmod(fd, 0666); // the umask must not keep other users out
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    return -1;
}

} // namespace

SingleInstance::SingleInstance(const std::string& name, const std::string& lockFolder) {
    std::string folder = lockFolder.empty() ? std::string("/tmp") : lockFolder;
    if (folder.back() != '/') {
        folder += '/';
    }
    lockPath_ = folder + LockFileName(name);
    fd_ = OpenLockFile(lockPath_);
    if (fd_ < 0) {
        // A file we may not open (a link, or one made unreadable) is not our lock: refuse to guess.
        state_ = InstanceState::kUnknown;
        return;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        state_ = InstanceState::kUnknown;
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        state_ = InstanceState::kFirst;
    } else {
        state_ = errno == EWOULDBLOCK ? InstanceState::kAlreadyRunning : InstanceState::kUnknown;
    }
}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) {
        ::close(fd_); // closing the last descriptor releases the lock; the file stays for the next start
    }
}

#endif

} // namespace tarvelo::os
