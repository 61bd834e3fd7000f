// Where the reader gets a backup file's bytes from: a file on disk, or a buffer in memory (tests and
// fuzzing). Positions are 64-bit everywhere. A read reports how many bytes it delivered and whether it
// stopped on an error, so an I/O error part-way through a file ends the work cleanly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

namespace tarvelo {

struct ReadResult {
    std::size_t bytes = 0; // bytes delivered, from the start of the buffer
    bool failed = false;   // true when the read stopped on an error rather than at the end of the source
};

class ByteSource {
public:
    ByteSource() = default;
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;
    virtual ~ByteSource() = default;

    // The length in bytes, fixed when the source was opened.
    [[nodiscard]] virtual std::uint64_t Size() const = 0;

    // Reads up to out.size() bytes at offset. Fewer bytes without `failed` means the end of the source.
    virtual ReadResult ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;

    // The whole content when it already lies in memory (no copy needed), else an empty span.
    [[nodiscard]] virtual std::span<const std::uint8_t> Contiguous() const { return {}; }
};

// A backup file opened for reading by path (wide path on Windows). Reads go straight to the file;
// callers that need buffering use ByteCursor.
class FileByteSource final : public ByteSource {
public:
    // nullptr when the file cannot be opened or its length cannot be learnt.
    static std::unique_ptr<FileByteSource> Open(const std::filesystem::path& path);
    ~FileByteSource() override;

    [[nodiscard]] std::uint64_t Size() const override { return size_; }
    ReadResult ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

private:
    FileByteSource(std::FILE* file, std::uint64_t size) : file_(file), size_(size) {}

    std::FILE* file_;
    std::uint64_t size_;
    std::uint64_t position_ = 0; // where the stream's own pointer stands, to spare seeks on sequential reads
};

// Bytes held in memory: a view of the caller's buffer (which must outlive the source) or an owned copy.
class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const std::uint8_t> view) : view_(view) {}
    explicit MemoryByteSource(std::vector<std::uint8_t> owned) : owned_(std::move(owned)), view_(owned_) {}

    [[nodiscard]] std::uint64_t Size() const override { return view_.size(); }
    ReadResult ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;
    [[nodiscard]] std::span<const std::uint8_t> Contiguous() const override { return view_; }

private:
    std::vector<std::uint8_t> owned_;
    std::span<const std::uint8_t> view_;
};

// Sequential-friendly access to a source through one large buffer (memory stays flat whatever the
// file's size): a request that falls inside the buffered range costs no read at all.
class ByteCursor {
public:
    static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 20;

    explicit ByteCursor(ByteSource& source, std::size_t capacity = kDefaultCapacity);

    struct View {
        std::span<const std::uint8_t> bytes; // may be shorter than asked at the end of the source
        bool failed = false;                 // a read error cut it short
    };

    // Up to count bytes at offset (count at most the capacity). The view stays valid until the next call.
    View Fetch(std::uint64_t offset, std::size_t count);

    [[nodiscard]] std::uint64_t Size() const { return size_; }

private:
    ByteSource& source_;
    std::uint64_t size_;
    std::span<const std::uint8_t> whole_; // the source's own memory, when it has some
    std::vector<std::uint8_t> buffer_;
    std::size_t capacity_;
    std::uint64_t bufferStart_ = 0;
    std::size_t bufferBytes_ = 0;
    static constexpr std::size_t kFirstRead = std::size_t{16} << 10;
    std::size_t readSize_ = kFirstRead / 2; // the size of the last read; doubles on sequential reads
};

} // namespace tarvelo
