#include "reader/ByteSource.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tarvelo {
namespace {

constexpr std::uint64_t kMaxFileOffset = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());

// 64-bit seeks through the C library: fseeko with 64-bit off_t on POSIX, _fseeki64 on Windows (also
// 32-bit MinGW, where plain fseek stops at 2 GiB).
bool SeekTo(std::FILE* file, std::uint64_t offset) {
    if (offset > kMaxFileOffset) {
        return false;
    }
#ifdef _WIN32
    return _fseeki64(file, static_cast<long long>(offset), SEEK_SET) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

bool LengthOf(std::FILE* file, std::uint64_t& length) {
#ifdef _WIN32
    if (_fseeki64(file, 0, SEEK_END) != 0) {
        return false;
    }
    const long long end = _ftelli64(file);
#else
    if (fseeko(file, 0, SEEK_END) != 0) {
        return false;
    }
    const off_t end = ftello(file);
#endif
    if (end < 0) {
        return false;
    }
    length = static_cast<std::uint64_t>(end);
    return SeekTo(file, 0);
}

std::FILE* OpenForReading(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

} // namespace

std::unique_ptr<FileByteSource> FileByteSource::Open(const std::filesystem::path& path) {
    std::FILE* file = OpenForReading(path);
    if (file == nullptr) {
        return nullptr;
    }
    // The readers above ask for large blocks themselves; a stdio buffer would only add a copy.
    std::setvbuf(file, nullptr, _IONBF, 0);
    std::uint64_t size = 0;
    if (!LengthOf(file, size)) {
        std::fclose(file);
        return nullptr;
    }
    return std::unique_ptr<FileByteSource>(new FileByteSource(file, size));
}

FileByteSource::~FileByteSource() {
    std::fclose(file_);
}

ReadResult FileByteSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
    if (offset >= size_ || out.empty()) {
        return {};
    }
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), size_ - offset));
    if (position_ != offset) {
        if (!SeekTo(file_, offset)) {
            position_ = std::numeric_limits<std::uint64_t>::max();
            return {0, true};
        }
        position_ = offset;
    }
    std::size_t done = 0;
    while (done < wanted) {
        const std::size_t got = std::fread(out.data() + done, 1, wanted - done, file_);
        if (got == 0) {
            break;
        }
        done += got;
    }
    position_ += done;
    if (done < wanted) {
        // An error, or the file shrank below the length it had when opened: either way the bytes that
        // should be there are not.
        std::clearerr(file_);
        return {done, true};
    }
    return {done, false};
}

ReadResult MemoryByteSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
    if (offset >= view_.size()) {
        return {};
    }
    const auto start = static_cast<std::size_t>(offset);
    const std::size_t count = std::min(out.size(), view_.size() - start);
    std::memcpy(out.data(), view_.data() + start, count);
    return {count, false};
}

ByteCursor::ByteCursor(ByteSource& source, std::size_t capacity)
    : source_(source), size_(source.Size()), whole_(source.Contiguous()), capacity_(capacity) {}

ByteCursor::View ByteCursor::Fetch(std::uint64_t offset, std::size_t count) {
    if (offset >= size_) {
        return {};
    }
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(count, size_ - offset));
    if (!whole_.empty()) {
        return {whole_.subspan(static_cast<std::size_t>(offset), wanted), false};
    }
    if (offset >= bufferStart_ && offset - bufferStart_ + wanted <= bufferBytes_) {
        return {std::span<const std::uint8_t>(buffer_).subspan(
                    static_cast<std::size_t>(offset - bufferStart_), wanted),
                false};
    }
    if (buffer_.empty()) {
        // A small file needs no more buffer than its own length.
        buffer_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(std::max(capacity_, count), size_)));
    }
    // After a jump (the scan skipping a file entry's data) only a few KiB are needed before the next
    // jump; filling the whole buffer there would copy far more than the scan looks at. So reads start
    // small after a jump and double while each goes on where the previous one ended.
    const bool continues = offset >= bufferStart_ && offset <= bufferStart_ + bufferBytes_;
    readSize_ = continues ? std::min(buffer_.size(), readSize_ * 2) : std::min(buffer_.size(), kFirstRead);
    const std::size_t readSize = std::max(readSize_, std::min(wanted, buffer_.size()));
    const ReadResult result = source_.ReadAt(offset, std::span<std::uint8_t>(buffer_).first(readSize));
    bufferStart_ = offset;
    bufferBytes_ = result.bytes;
    const std::size_t delivered = std::min(wanted, result.bytes);
    return {std::span<const std::uint8_t>(buffer_).first(delivered), delivered < wanted};
}

} // namespace tarvelo
