#include "platform/os/File.h"

#include "platform/os/SystemError.h"
#include "reader/TextEncoding.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvelo::os {

namespace {

std::string Describe(const std::filesystem::path& path, const std::string& reason) {
    return "'" + Utf8FromPath(path) + "': " + reason;
}

} // namespace

#ifdef _WIN32

File::File(File&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

File::~File() {
    Close();
}

File File::Open(const std::filesystem::path& path, OpenMode mode, std::string& error) {
    DWORD access = GENERIC_READ | GENERIC_WRITE;
    DWORD disposition = CREATE_ALWAYS;
    DWORD flags = FILE_ATTRIBUTE_NORMAL;
    switch (mode) {
    case OpenMode::Read:
        access = GENERIC_READ;
        disposition = OPEN_EXISTING;
        break;
    case OpenMode::CreateTruncate:
        break;
    case OpenMode::CreateTruncateNoFollow: {
        // A reparse point (symbolic link, junction) at the path is refused instead of followed.
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
            error = Describe(path, "is a link or a folder, not a plain file");
            return {};
        }
        flags |= FILE_FLAG_OPEN_REPARSE_POINT;
        break;
    }
    case OpenMode::CreateNew:
        disposition = CREATE_NEW;
        flags |= FILE_FLAG_OPEN_REPARSE_POINT;
        break;
    }
    File file;
    HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, disposition, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = Describe(path, LastErrorText());
        return {};
    }
    file.handle_ = handle;
    return file;
}

bool File::IsOpen() const {
    return handle_ != nullptr;
}

std::optional<std::size_t> File::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const {
    if (!IsOpen()) {
        return std::nullopt;
    }
    std::size_t done = 0;
    while (done < buffer.size()) {
        OVERLAPPED at{};
        const std::uint64_t position = offset + done;
        at.Offset = static_cast<DWORD>(position & 0xFFFFFFFFu);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        const std::size_t left = buffer.size() - done;
        const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD got = 0;
        if (!ReadFile(static_cast<HANDLE>(handle_), buffer.data() + done, chunk, &got, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF) {
                break;
            }
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    return done;
}

bool File::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (!IsOpen()) {
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        OVERLAPPED at{};
        const std::uint64_t position = offset + done;
        at.Offset = static_cast<DWORD>(position & 0xFFFFFFFFu);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        const std::size_t left = bytes.size() - done;
        const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD put = 0;
        if (!WriteFile(static_cast<HANDLE>(handle_), bytes.data() + done, chunk, &put, &at) || put == 0) {
            return false;
        }
        done += put;
    }
    return true;
}

std::optional<std::uint64_t> File::Size() const {
    LARGE_INTEGER size{};
    if (!IsOpen() || !GetFileSizeEx(static_cast<HANDLE>(handle_), &size)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

bool File::Close() {
    if (!IsOpen()) {
        return true;
    }
    const bool ok = CloseHandle(static_cast<HANDLE>(std::exchange(handle_, nullptr))) != 0;
    return ok;
}

#else

File::File(File&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

File::~File() {
    Close();
}

File File::Open(const std::filesystem::path& path, OpenMode mode, std::string& error) {
    int flags = O_CLOEXEC;
    switch (mode) {
    case OpenMode::Read:
        flags |= O_RDONLY;
        break;
    case OpenMode::CreateTruncate:
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        break;
    case OpenMode::CreateTruncateNoFollow:
        // O_NONBLOCK keeps a planted FIFO from blocking the open; it is refused below.
        flags |= O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK;
        break;
    case OpenMode::CreateNew:
        flags |= O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW;
        break;
    }
    File file;
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error = Describe(path, errno == ELOOP && mode == OpenMode::CreateTruncateNoFollow
                                   ? std::string("is a link; refused")
                                   : LastErrorText());
        return {};
    }
    file.fd_ = fd;
    if (mode == OpenMode::CreateTruncateNoFollow) {
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            error = Describe(path, "is not a plain file; refused");
            return {};
        }
        // Truncate only once the open handle is known to be a plain file of ours.
        if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 || ::ftruncate(fd, 0) != 0) {
            error = Describe(path, LastErrorText());
            return {};
        }
    }
    return file;
}

bool File::IsOpen() const {
    return fd_ >= 0;
}

std::optional<std::size_t> File::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const {
    if (!IsOpen()) {
        return std::nullopt;
    }
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got =
            ::pread(fd_, buffer.data() + done, buffer.size() - done, static_cast<off_t>(offset + done));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool File::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (!IsOpen()) {
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put =
            ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (put == 0) {
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

std::optional<std::uint64_t> File::Size() const {
    struct stat info {};
    if (!IsOpen() || ::fstat(fd_, &info) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

bool File::Close() {
    if (!IsOpen()) {
        return true;
    }
    return ::close(std::exchange(fd_, -1)) == 0;
}

#endif

} // namespace tarvelo::os
